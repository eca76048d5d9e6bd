#pragma once

#include "library/ColourTarget.h"
#include "library/ThumbnailResult.h"

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

struct IconItem;
class QImageReader;

// How previews are decoded: made on the GUI thread from the document's
// byte budget and the thumbnail size, and handed to workers.
struct PreviewRule
{
    PreviewRule() = default;
    explicit PreviewRule(int width) : widthLimit(width) {}

    int widthLimit = 500;   // 250 once the budget of held file bytes is spent
    QSize fallbackAspect;   // used when a reader cannot tell the image size
    // The root of the desktop's shared thumbnail cache (ThumbnailCache) the
    // worker reader takes previews from and adds them to; empty: none.
    QString thumbnailCache;
    // The picture an icon shows, in device pixels: a camera's own small
    // picture in the EXIF block that covers it serves as the preview,
    // without decoding the photograph. Empty: the photograph is decoded.
    QSize embeddedPictureBox;
    // The colours previews are given: the screen's. The shared thumbnail
    // cache keeps sRGB whatever this is.
    ColourTarget colour = ColourTarget::screen();
};

// Decodes a reduced preview of `bytes` at the reader's own reduced size
// (scaled decoding), its colours converted from the file's profile to the
// rule's. `fullSize` gets the full size when the reader reports it and is
// left alone otherwise.
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
ThumbnailResult readThumbnail(const QString &fileName, const PreviewRule &rule);

// True when `bytes` are an image the image readers know (its header and size
// can be read).
bool isImageData(const QByteArray &bytes);

// The most pixels an image may declare to be decoded at all, and the most one
// decoding may give: 2^28, a gigabyte at four bytes a pixel. A file's header
// costs nothing to read, its pixels may cost all the memory there is.
constexpr qint64 MaxImagePixels = qint64(1) << 28;

// What went wrong in reading an image.
enum class DecodeFault {
    None,
    Unreadable, // no image, or one the readers do not know
    TooLarge,   // declares more than MaxImagePixels
    OverBudget, // its decoding would take more than DecodeGate::Budget
    Damaged,    // a JPEG cut short (or claiming more than it holds): decoded, but its end is grey
    TooManyScans, // a JPEG of more scans than MaxScans: decoded from the first
    Unopened,   // no file to decode: missing, not a plain file, or too large
    BadData,    // of a kind a reader knows, but no picture can be decoded (a cut or garbled file)
};

// The fault of `bytes` no picture was decoded from: BadData when an image
// reader knows their kind, Unreadable otherwise.
DecodeFault undecodedFault(const QByteArray &bytes);

// The most scans of a progressive JPEG that are decoded. Encoders write about
// ten; every further scan costs a pass over the whole image, so a small file
// of thousands of empty scans would keep a decoder busy for hours.
constexpr int MaxScans = 100;

// True for JPEG bytes of more than MaxScans scans.
bool tooManyScans(const QByteArray &bytes);
// `bytes` cut after the first MaxScans scans of a JPEG (an end marker put
// after them) when it holds more; `bytes` themselves otherwise.
QByteArray withinScanLimit(const QByteArray &bytes, bool *cut = nullptr);

// True for a fault that leaves a picture drawn from part of the file.
inline bool isDamage(DecodeFault fault) { return fault == DecodeFault::Damaged || fault == DecodeFault::TooManyScans; }

// The memory `reader` takes to decode the part `region` of its `stored`
// image to `out` pixels: the readers of most formats hold the whole image at
// the depth the format decodes to (8 bytes a pixel for 16-bit RGBA) before
// it is reduced (and deeper ones an 8-bit copy), the WebP reader a second
// copy of its own; JPEG is decoded at the reduced size. Reads the header
// only.
qint64 decodingBytes(QImageReader &reader, const QSize &stored, const QSize &region, const QSize &out);
// The same for `bytes` decoded whole to at most `atMost` pixels (an invalid
// size: at full resolution); 0 when the header does not tell the size.
qint64 decodingBytes(const QByteArray &bytes, const QSize &atMost = QSize());

// A decoded image and where it lies in the image the file stores.
struct DecodedImage
{
    QImage image;
    QSize stored;  // the size the file declares
    QRect region;  // the part of the stored image `image` shows, in its pixels
    DecodeFault fault = DecodeFault::None;
    int turns = 0; // quarter turns clockwise `image` was given after decoding
    ColourProfile profile; // what the numbers of `image` mean (the file's profile)
    QString profileProblem; // why the file's own profile was ignored; empty when it was not

    // A whole image already in memory.
    static DecodedImage whole(const QImage &image);
};

// The size `bytes` declares; invalid when the reader cannot tell.
QSize declaredSize(const QByteArray &bytes);

// Decodes the part `region` of the stored image (stored pixels; an empty
// region: the whole image) with at most `atMost` pixels (an invalid size:
// at full resolution), scaling as the reader decodes when it can. Images
// declaring more than MaxImagePixels, or whose decoding would take more
// than DecodeGate::Budget, are refused unread. The numbers are
// left as the file has them; `profile` says what they mean.
DecodedImage decodeRegion(const QByteArray &bytes, const QRect &region = QRect(), const QSize &atMost = QSize());

// True for JPEG bytes whose last scan has no end marker (the file was cut),
// or whose compressed data are fewer than the size its header claims needs.
bool looksTruncated(const QByteArray &bytes);

// A sentence for the user on `fault` (empty for none).
QString faultText(DecodeFault fault, const QSize &stored);

// Whole images, format from the content, within MaxImagePixels (null
// beyond).
QImage decodeImage(const QByteArray &bytes);
QPixmap decodePixmap(const QByteArray &bytes);

// "a/b.c.jpg" -> "jpg"; the whole name when it has no ".".
QString fileSuffix(const QString &fileName);
// "a/b.c.jpg" -> "b.c"; the whole last part when it has no ".".
QString fileBaseName(const QString &fileName);
