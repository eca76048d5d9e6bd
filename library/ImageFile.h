#pragma once

#include "library/IconFuture.h"

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

struct IconItem;

// How previews are decoded: read on the GUI thread (it depends on the
// application-wide memory budget and thumbnail size) and handed to workers.
struct PreviewRule
{
    int widthLimit = 500;   // 250 once the budget of held file bytes is spent
    QSize fallbackAspect;   // used when a reader cannot tell the image size

    static PreviewRule current();
};

// The file's bytes from disk; when the file cannot be opened, the copy kept
// in the open project file; else empty.
QByteArray imageBytes(const QString &fileName);

// The copy of `fileName` kept in the open project. Not in the table: false,
// `out` untouched. Held in memory: `out` := those bytes, false. Otherwise
// read from the project file; true when that worked (the bytes can be read
// again and need not be kept).
bool embeddedBytes(const QString &fileName, QByteArray &out);

// Keeps `bytes` in memory while the budget of held file bytes is not spent,
// adding their size to it (so one file may carry the total past the limit);
// otherwise empties them. True when they are kept.
bool keepWithinBudget(QByteArray &bytes);

// Decodes a reduced preview of `bytes` at the reader's own reduced size
// (scaled decoding). `fullSize` gets the full size when the reader reports it
// and is left alone otherwise.
QImage decodePreview(const QByteArray &bytes, const PreviewRule &rule, QSize *fullSize);

// The single-file reader, on the calling thread: fills fileData (from disk
// when empty), the sizes, the preview, the rotation and the date taken.
void readIntoItem(IconItem &item);

// The worker reader: safe on pool threads, touches nothing shared.
IconFuture readIconFuture(const QString &fileName, const PreviewRule &rule);
// The same with the rule of the moment; call it on the GUI thread only.
IconFuture readIconFuture(const QString &fileName);

// Whole images, format from the content.
QImage decodeImage(const QByteArray &bytes);
QPixmap decodePixmap(const QByteArray &bytes);

// "a/b.c.jpg" -> "jpg"; the whole name when it has no ".".
QString fileSuffix(const QString &fileName);
// "a/b.c.jpg" -> "b.c"; the whole last part when it has no ".".
QString fileBaseName(const QString &fileName);
