#include "library/ImageFile.h"

#include "library/ImageSource.h"
#include "library/DecodeGate.h"
#include "library/Exif.h"
#include "library/HeifExif.h"
#include "library/HeifFile.h"
#include "library/IconItem.h"
#include "library/ProfileReader.h"
#include "library/ThumbnailCache.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

// The size of the preview of a `size` image.
QSize previewSize(const QSize &size, const PreviewRule &rule)
{
    if (size.isEmpty())
        return QSize();
    const int sw = qMin(size.width(), rule.widthLimit);
    const int sh = qMax(1, int(std::lround(sw / (double(size.width()) / size.height()))));
    return QSize(sw, sh);
}

// The full size the reader reports, or an invalid size.
QSize reportedSize(QImageReader &reader)
{
    if (!reader.supportsOption(QImageIOHandler::Size))
        return QSize();
    const QSize reported = reader.size();
    return reported.isValid() && !reported.isEmpty() ? reported : QSize();
}

// The size of a HEIF or AVIF photograph, from its container: its reader
// tells it only by decoding the picture. Invalid for other data.
QSize containerSize(const QByteArray &bytes)
{
    return isIsoMediaFile(bytes.constData(), bytes.size()) ? HeifFile(bytes).size() : QSize();
}

// The full size the header of `bytes` tells, or an invalid size.
QSize headerSize(const QByteArray &bytes)
{
    if (isIsoMediaFile(bytes.constData(), bytes.size()))
        return containerSize(bytes);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reportedSize(reader);
}

qint64 pixelsOf(const QSize &size) { return qint64(size.width()) * size.height(); }

// Where the marker 0xFF `code` first lies in `bytes` at or after `from`, or
// -1. Markers are looked for in the megabytes of every photograph decoded:
// by the byte search of the C library, the fastest there is.
int markerAt(const QByteArray &bytes, char code, int from = 0)
{
    const char *data = bytes.constData();
    const int size = bytes.size();
    for (int at = qMax(from, 0); at + 1 < size; ++at) {
        const void *mark = std::memchr(data + at, 0xFF, size_t(size - 1 - at));
        if (!mark)
            return -1;
        at = int(static_cast<const char *>(mark) - data);
        if (data[at + 1] == code)
            return at;
    }
    return -1;
}

// Where the marker 0xFF `code` last lies in `bytes`, or -1.
int lastMarkerAt(const QByteArray &bytes, char code)
{
    const char *data = bytes.constData();
    for (int end = bytes.size() - 1; end > 0;) {
        const void *mark = memrchr(data, 0xFF, size_t(end));
        if (!mark)
            return -1;
        end = int(static_cast<const char *>(mark) - data);
        if (data[end + 1] == code)
            return end;
    }
    return -1;
}

// A JPEG is decoded with the reader's quick reduction (whole steps of the
// compressed blocks) below this quality; the result is then scaled to the
// size asked for, so the loss is not seen.
constexpr int QuickScalingQuality = 49;

// True for a Huffman-coded JPEG whose compressed data are too few for the
// size its header claims: every block of the image costs at least a bit, so
// a header claiming more blocks than there are bits after the first scan
// marker lies (the decoder fills the rest grey). A block per 16 x 16 pixels
// is counted, the least any sampling has; arithmetic-coded files, which may
// take less than a bit a block, are not judged.
bool shortOfData(const QByteArray &bytes)
{
    const int scan = markerAt(bytes, '\xDA');
    if (scan < 0)
        return false;
    // The frame header comes before the first scan.
    const QByteArray head = QByteArray::fromRawData(bytes.constData(), scan);
    for (const char *arithmetic : {"\xFF\xC9", "\xFF\xCA", "\xFF\xCB", "\xFF\xCD", "\xFF\xCE", "\xFF\xCF"})
        if (head.contains(arithmetic))
            return false;
    const QSize size = headerSize(bytes);
    if (!size.isValid())
        return false;
    const qint64 blocks = qint64((size.width() + 15) / 16) * ((size.height() + 15) / 16);
    return qint64(bytes.size() - scan) * 8 < blocks;
}

} // namespace

qint64 decodingBytes(QImageReader &reader, const QSize &stored, const QSize &region, const QSize &out)
{
    const qint64 result = pixelsOf(out) * 4;
    if (reader.format() == "jpeg") // reduced as it is decoded, to at most twice the size each way
        return result + (region == out ? 0 : qMin(pixelsOf(region), pixelsOf(out) * 4) * 4);
    const QImage::Format format = reader.imageFormat();
    const int depth = format == QImage::Format_Invalid ? 4 : qMax(4, QImage::toPixelFormat(format).bitsPerPixel() / 8);
    // Deeper images are brought to 8 bits a channel in a copy of their own.
    const int perPixel = reader.format() == "webp" ? 2 * depth : depth > 4 ? depth + 4 : depth;
    return pixelsOf(stored) * perPixel + result;
}

qint64 decodingBytes(const QByteArray &bytes, const QSize &atMost)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize stored = reportedSize(reader);
    if (!stored.isValid())
        return 0;
    const QSize out = atMost.isValid() ? stored.boundedTo(atMost.expandedTo(QSize(1, 1))) : stored;
    return decodingBytes(reader, stored, stored, out);
}

DecodedImage DecodedImage::whole(const QImage &image)
{
    DecodedImage d;
    d.image = image;
    d.stored = image.size();
    d.region = image.rect();
    return d;
}

QSize declaredSize(const QByteArray &bytes)
{
    if (isIsoMediaFile(bytes.constData(), bytes.size()))
        return containerSize(bytes);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.supportsOption(QImageIOHandler::Size) ? reader.size() : QSize();
}

namespace {

// Where the scan after the first MaxScans of a JPEG begins; -1 when there is
// none.
int scanBeyondLimit(const QByteArray &bytes)
{
    if (!bytes.startsWith("\xFF\xD8"))
        return -1;
    // A scan marker is never part of compressed data (a 0xFF in it is
    // followed by 0x00 or a restart marker), so each found begins a scan.
    int at = -1;
    for (int scan = 0; scan <= MaxScans; ++scan) {
        at = markerAt(bytes, '\xDA', at + 1);
        if (at < 0)
            return -1;
    }
    return at;
}

} // namespace

bool tooManyScans(const QByteArray &bytes) { return scanBeyondLimit(bytes) >= 0; }

QByteArray withinScanLimit(const QByteArray &bytes, bool *cut)
{
    const int at = scanBeyondLimit(bytes);
    if (cut)
        *cut = at >= 0;
    return at < 0 ? bytes : bytes.left(at) + QByteArrayLiteral("\xFF\xD9");
}

DecodedImage decodeRegion(const QByteArray &whole, const QRect &region, const QSize &atMost)
{
    DecodedImage d;
    bool cut = false;
    const QByteArray bytes = withinScanLimit(whole, &cut);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    d.stored = containerSize(bytes);
    if (!d.stored.isValid() && reader.supportsOption(QImageIOHandler::Size))
        d.stored = reader.size();
    if (!d.stored.isValid() || d.stored.isEmpty()) {
        // A reader that cannot tell the size: only the result can be checked.
        d.image = reader.read();
        d.stored = d.image.size();
        d.region = d.image.rect();
        if (pixelsOf(d.stored) > MaxImagePixels)
            d.image = QImage();
        d.fault = d.image.isNull() ? (d.stored.isEmpty() ? undecodedFault(bytes) : DecodeFault::TooLarge)
                                   : DecodeFault::None;
        return d;
    }
    if (pixelsOf(d.stored) > MaxImagePixels) {
        d.fault = DecodeFault::TooLarge;
        return d;
    }
    const QRect all(QPoint(0, 0), d.stored);
    d.region = region.isEmpty() ? all : region & all;
    if (d.region.isEmpty())
        return d;
    QSize out = d.region.size();
    if (atMost.isValid())
        out = out.boundedTo(atMost.expandedTo(QSize(1, 1)));
    if (d.region != all)
        reader.setClipRect(d.region);
    if (out != d.region.size()) {
        reader.setScaledSize(out);
        reader.setQuality(QuickScalingQuality);
    }
    const qint64 cost = decodingBytes(reader, d.stored, d.region.size(), out);
    if (cost > DecodeGate::Budget) {
        d.fault = DecodeFault::OverBudget;
        return d;
    }
    const DecodeGate::Pass pass(cost);
    d.image = reader.read();
    d.profile = ProfileReader::sourceProfile(bytes, &d.profileProblem, d.image);
    if (d.image.isNull())
        d.fault = DecodeFault::BadData;
    else if (cut)
        d.fault = DecodeFault::TooManyScans;
    else if (looksTruncated(bytes))
        d.fault = DecodeFault::Damaged;
    return d;
}

DecodeFault undecodedFault(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).canRead() ? DecodeFault::BadData : DecodeFault::Unreadable;
}

bool looksTruncated(const QByteArray &bytes)
{
    if (!bytes.startsWith("\xFF\xD8"))
        return false;
    // Compressed data never holds a marker byte followed by an end or a
    // scan marker (a 0xFF in it is followed by 0x00), so the last scan
    // marker found is a real one; its data must end with the end marker.
    const int scan = lastMarkerAt(bytes, '\xDA');
    return scan < 0 || markerAt(bytes, '\xD9', scan) < 0 || shortOfData(bytes);
}

QString faultText(DecodeFault fault, const QSize &stored)
{
    switch (fault) {
    case DecodeFault::None:
        return QString();
    case DecodeFault::Unreadable:
        return QCoreApplication::translate("ImageFile", "The image cannot be decoded");
    case DecodeFault::TooLarge:
        return QCoreApplication::translate("ImageFile", "The image is too large: %1 × %2 pixels, at most %3 megapixels are read")
            .arg(stored.width())
            .arg(stored.height())
            .arg(MaxImagePixels / 1000000);
    case DecodeFault::OverBudget:
        return QCoreApplication::translate("ImageFile", "The image is too large to decode: %1 × %2 pixels in this format take more than %3 MB of memory")
            .arg(stored.width())
            .arg(stored.height())
            .arg(DecodeGate::Budget >> 20);
    case DecodeFault::Damaged:
        return QCoreApplication::translate("ImageFile", "The file is damaged: it ends before the image does");
    case DecodeFault::TooManyScans:
        return QCoreApplication::translate("ImageFile", "The file is damaged: it holds more than %1 scans, only the first are read")
            .arg(MaxScans);
    case DecodeFault::BadData:
        return QCoreApplication::translate("ImageFile", "The file is damaged: its picture cannot be decoded");
    case DecodeFault::Unopened:
        return QCoreApplication::translate("ImageFile", "The file cannot be read: it is missing, not a plain file, not an image or larger than %1 MB")
            .arg(ImageSource::MaxFileBytes / 1000000);
    }
    return QString();
}

namespace {

// The small picture stored beside the photograph of `head`: a camera's
// own in the EXIF block, a HEIF's or AVIF's thumbnail image, or the preview
// a camera's RAW file holds (decoded scaled, to cover `box`, and turned as
// the RAW decoder turns the photograph). Small pictures only, but for the
// last: a crafted file could claim any size.
QImage storedPicture(const QByteArray &head, const QSize &box)
{
    constexpr int Most = 1024;
    if (isIsoMediaFile(head.constData(), head.size()))
        return HeifFile(head).thumbnail(Most);
    int rotation = 0;
    const QByteArray raw = rawPreview(head, &rotation);
    if (!raw.isEmpty()) {
        const QSize size = headerSize(raw);
        if (!size.isValid())
            return QImage();
        const bool across = (rotation / 90) % 2 == 1;
        const QSize atMost = size.scaled(across ? box.transposed() : box, Qt::KeepAspectRatioByExpanding);
        const QImage picture = decodeRegion(raw, QRect(), atMost.boundedTo(size)).image;
        return rotation == 0 ? picture : picture.transformed(QTransform().rotate(rotation));
    }
    const QByteArray bytes = exifThumbnail(head);
    const QSize size = headerSize(bytes);
    if (!size.isValid() || size.width() > Most || size.height() > Most)
        return QImage();
    return decodeImage(bytes);
}

// The small picture stored beside the photograph of `head` when it shows
// the whole image and covers `box` once turned as the photograph is seen;
// null otherwise. Black bars around a picture of another shape (some
// cameras fit every picture into 160 x 120) are cut away.
QImage embeddedPicture(const QByteArray &head, const QSize &stored, int rotation, const QSize &box)
{
    QImage picture = storedPicture(head, box);
    if (picture.isNull() || stored.isEmpty())
        return QImage();
    const double aspect = double(stored.width()) / stored.height();
    const double shown = double(picture.width()) / picture.height();
    if (shown > aspect * 1.02) {
        const int w = qMax(1, int(std::lround(picture.height() * aspect)));
        picture = picture.copy((picture.width() - w) / 2, 0, w, picture.height());
    } else if (shown < aspect / 1.02) {
        const int h = qMax(1, int(std::lround(picture.width() / aspect)));
        picture = picture.copy(0, (picture.height() - h) / 2, picture.width(), h);
    }
    const QSize seen = (rotation / 90) % 2 == 1 ? picture.size().transposed() : picture.size();
    const QSize needed = seen.scaled(box, Qt::KeepAspectRatio);
    return seen.width() >= needed.width() && seen.height() >= needed.height() ? picture : QImage();
}

} // namespace

QImage decodePreview(const QByteArray &bytes, const PreviewRule &rule, QSize *fullSize)
{
    QBuffer buffer;
    buffer.setData(withinScanLimit(bytes));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QSize size = rule.fallbackAspect;
    const QSize contained = containerSize(bytes);
    const QSize reported = contained.isValid() ? contained : reportedSize(reader);
    if (reported.isValid()) {
        size = reported;
        if (fullSize)
            *fullSize = reported;
    }
    const QSize preview = pixelsOf(size) > MaxImagePixels ? QSize() : previewSize(size, rule);
    if (preview.isEmpty())
        return QImage();
    if (!bytes.startsWith("\xFF\xD8")) {
        // A HEIF's stored thumbnail image or a RAW file's preview that is
        // large enough spares decoding the photograph.
        const QImage picture = embeddedPicture(bytes, size, 0, preview);
        if (!picture.isNull()) {
            QImage image = picture.scaled(preview, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            rule.colour.convert(image, ProfileReader::sourceProfile(bytes));
            return image;
        }
    }
    const qint64 cost = decodingBytes(reader, size, size, preview);
    if (cost > DecodeGate::Budget)
        return QImage();
    const DecodeGate::Pass pass(cost);
    if (contained.isValid()) {
        // Decoded by libheif itself: the image reader does the same through
        // more conversions.
        const QImage whole = HeifFile(bytes).decode();
        if (!whole.isNull()) {
            QImage image = whole.scaled(preview, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB32);
            rule.colour.convert(image, ProfileReader::sourceProfile(bytes));
            return image;
        }
    }
    reader.setScaledSize(preview);
    QImage image = reader.read();
    rule.colour.convert(image, ProfileReader::sourceProfile(bytes, nullptr, image));
    return image;
}

void readIntoItem(IconItem &item, const PreviewRule &rule)
{
    if (item.fileData.isEmpty()) {
        QByteArray bytes;
        if (!ImageSource::readPlainFile(item.fileName, bytes))
            return;
        item.fileData = HeldBytes::loose(bytes);
    }
    QSize full(item.imageWidth, item.imageHeight);
    const QImage preview = decodePreview(item.fileData.bytes(), rule, &full);
    // An undecodable file keeps the picture it had.
    if (!preview.isNull()) {
        item.preview = preview;
        item.imageWidth = full.width();
        item.imageHeight = full.height();
    }
    item.rotation = exifRead(item.fileData.bytes(), item.shotTime);
}

namespace {

// The beginning of a photograph that holds its EXIF block and the size of
// its image in all but unusual files.
constexpr qint64 HeadBytes = 128 * 1024;

// The preview of a photograph read from the beginning of its file only
// (orientation, date, size and the EXIF block): a thumbnail of the shared
// cache of at least the size needed, else the camera's own small picture
// when the rule takes one. False when neither serves.
// Appends the rest of `file` to `bytes`, read straight into place; false
// when the file is larger than any image accepted.
bool readRest(QFile &file, QByteArray &bytes)
{
    const int at = bytes.size();
    const qint64 rest = file.size() - file.pos();
    if (rest > ImageSource::MaxFileBytes - at)
        return false;
    if (rest > 0) {
        bytes.resize(at + int(rest));
        bytes.resize(at + int(qMax<qint64>(file.read(bytes.data() + at, rest), 0)));
    }
    bytes.append(file.read(ImageSource::MaxFileBytes - bytes.size() + 1)); // what was written meanwhile
    return bytes.size() <= ImageSource::MaxFileBytes;
}

bool fromFileHead(const QByteArray &head, const QString &fileName, const PreviewRule &rule, ThumbnailResult &result)
{
    const QSize reported = headerSize(head);
    if (!reported.isValid())
        return false;
    QDateTime date;
    const int rotation = exifRead(head, date);
    QImage picture;
    if (!rule.thumbnailCache.isEmpty()) {
        const QSize needed = previewSize(reported, rule);
        const bool across = (rotation / 90) % 2 == 1;
        const QImage thumbnail = ThumbnailCache(rule.thumbnailCache).find(fileName, across ? needed.transposed() : needed);
        // Thumbnails show the picture as it is seen, turned by its
        // orientation; the preview is kept as the file stores it.
        if (!thumbnail.isNull())
            picture = rotation == 0 ? thumbnail : thumbnail.transformed(QTransform().rotate(-rotation));
    }
    if (!picture.isNull()) {
        rule.colour.convert(picture, ColourProfile::srgb());
    } else if (!rule.embeddedPictureBox.isEmpty()) {
        picture = embeddedPicture(head, reported, rotation, rule.embeddedPictureBox);
        rule.colour.convert(picture, ProfileReader::sourceProfile(head));
    }
    if (picture.isNull())
        return false;
    result.image = picture;
    result.rotation = rotation;
    result.date = date;
    result.width = reported.width();
    result.height = reported.height();
    return true;
}

} // namespace

ThumbnailResult readThumbnail(const QString &fileName, const PreviewRule &rule)
{
    ThumbnailResult result;
    // Only plain files: a record may name a device or a pipe, whose reading
    // would never end.
    // Nor one larger than any image accepted.
    QFile file(fileName);
    const QFileInfo info(fileName);
    if (!info.isFile() || info.size() > ImageSource::MaxFileBytes || !file.open(QIODevice::ReadOnly))
        return result;
    const bool shared = !rule.thumbnailCache.isEmpty();
    if (shared || !rule.embeddedPictureBox.isEmpty()) {
        // The beginning first; the rest only when the beginning does not do.
        QByteArray head = file.read(HeadBytes);
        // A HEIF's or AVIF's container, and a RAW file's directories,
        // point anywhere in the file.
        if ((isIsoMediaFile(head.constData(), head.size()) || head.startsWith("II*") || head.startsWith("MM"))
            && !readRest(file, head))
            return ThumbnailResult();
        if (fromFileHead(head, fileName, rule, result))
            return result;
        result.data = head;
    }
    if (!readRest(file, result.data))
        return ThumbnailResult();
    result.rotation = exifRead(result.data, result.date);
    const ThumbnailCache cache(rule.thumbnailCache);
    QSize full(0, 0);
    // A file that failed before, unchanged since, is not decoded again; its
    // size is what its header says.
    if (shared && cache.hasFailure(fileName)) {
        full = headerSize(result.data).expandedTo(QSize(0, 0));
    } else {
        // The shared thumbnails are sRGB; the preview has the screen's colours.
        PreviewRule inSrgb = rule;
        inSrgb.colour.profile = ColourProfile::srgb();
        result.image = decodePreview(result.data, shared ? inSrgb : rule, &full);
        ProfileReader::sourceProfileOf(result.data, fileName); // says when its profile is ignored
        if (shared && !result.image.isNull())
            cache.store(fileName, result.rotation == 0 ? result.image
                                                       : result.image.transformed(QTransform().rotate(result.rotation)));
        else if (shared)
            cache.storeFailure(fileName);
        if (shared)
            rule.colour.convert(result.image, ColourProfile::srgb());
    }
    result.width = full.width();
    result.height = full.height();
    if (result.image.isNull())
        result.problem = faultText(pixelsOf(full) > MaxImagePixels ? DecodeFault::TooLarge : undecodedFault(result.data), full);
    return result;
}

bool isImageData(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return false;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.canRead() && declaredSize(bytes).isValid();
}

QImage decodeImage(const QByteArray &bytes)
{
    return decodeRegion(bytes).image;
}

QPixmap decodePixmap(const QByteArray &bytes)
{
    return QPixmap::fromImage(decodeImage(bytes));
}

QString fileSuffix(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.mid(dot + 1);
}

QString fileBaseName(const QString &fileName)
{
    const QString last = fileName.section(QLatin1Char('/'), -1);
    const int dot = last.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? last : last.left(dot);
}
