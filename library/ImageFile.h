#pragma once

#include "library/IconFuture.h"

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

struct IconItem;

// How previews are decoded: made on the GUI thread from the document's
// byte budget and the thumbnail size, and handed to workers.
struct PreviewRule
{
    int widthLimit = 500;   // 250 once the budget of held file bytes is spent
    QSize fallbackAspect;   // used when a reader cannot tell the image size
    // The root of the desktop's shared thumbnail cache (ThumbnailCache) the
    // worker reader takes previews from and adds them to; empty: none.
    QString thumbnailCache;
};

// Decodes a reduced preview of `bytes` at the reader's own reduced size
// (scaled decoding). `fullSize` gets the full size when the reader reports it
// and is left alone otherwise.
QImage decodePreview(const QByteArray &bytes, const PreviewRule &rule, QSize *fullSize);

// The single-file reader, on the calling thread: fills fileData (from disk
// when empty, not yet held against a budget), the sizes, the preview, the
// rotation and the date taken.
void readIntoItem(IconItem &item, const PreviewRule &rule);

// The worker reader: safe on pool threads, touches nothing shared but the
// files of the rule's thumbnail cache. A photograph takes its preview from
// that cache when a valid one of at least the size needed is there, and
// leaves there the preview it decodes (turned as the photograph is seen, as
// the desktop's thumbnails are).
IconFuture readIconFuture(const QString &fileName, const PreviewRule &rule);

// True when `bytes` are an image the image readers know (its header and size
// can be read).
bool isImageData(const QByteArray &bytes);

// Whole images, format from the content.
QImage decodeImage(const QByteArray &bytes);
QPixmap decodePixmap(const QByteArray &bytes);

// "a/b.c.jpg" -> "jpg"; the whole name when it has no ".".
QString fileSuffix(const QString &fileName);
// "a/b.c.jpg" -> "b.c"; the whole last part when it has no ".".
QString fileBaseName(const QString &fileName);
