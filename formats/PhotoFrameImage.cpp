// The image side of a frame: reading its file, the preview and the crops.
#include "formats/PhotoFrame.h"

#include "formats/Rounding.h"
#include "library/ByteBudget.h"
#include "library/DecodeGate.h"
#include "library/Exif.h"
#include "library/ImageFile.h"
#include "library/ImageSource.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTransform>

#include <cmath>
#include <utility>

namespace {

QImage rotated(const QImage &image, int degrees)
{
    if (image.isNull() || degrees % 360 == 0)
        return image;
    return image.transformed(QTransform().rotate(degrees));
}

// A white image of the crop size (scaled by 1/k) showing `source` shifted so
// that the crop's corner lands on the origin; what the source does not cover
// stays white. A valid `edge` colour outlines the white image first, on the
// rectangle (0, 0, w - shrink, h - shrink).
QImage cropOf(const QImage &source, const PhotoFrame &f, double k, const QColor &edge = QColor(), int shrink = 1)
{
    const int w = roundHalfUp(f.cropWidth / k);
    const int h = roundHalfUp(f.cropHeight / k);
    if (w <= 0 || h <= 0)
        return QImage();
    QImage::Format format = source.isNull() ? f.cache.preview.format() : source.format();
    if (format == QImage::Format_Invalid || format == QImage::Format_Indexed8
        || format == QImage::Format_Mono || format == QImage::Format_MonoLSB)
        format = QImage::Format_RGB32;
    QImage out(w, h, format);
    if (out.isNull())
        return out;
    out.fill(Qt::white);
    QPainter p(&out);
    if (edge.isValid()) {
        p.setPen(edge);
        p.drawRect(0, 0, w - shrink, h - shrink);
    }
    if (!source.isNull())
        p.drawImage(QPoint(-roundHalfUp(f.cropX / k), -roundHalfUp(f.cropY / k)), source);
    return out;
}

} // namespace

void PhotoFrame::loadImage(const PreviewRule &rule)
{
    if (fileData.isEmpty()) {
        // Only plain files: a record may name a device or a pipe, whose
        // reading would never end.
        QByteArray bytes;
        if (!ImageSource::readPlainFile(fileName, bytes)) {
            // Said in the frame, unless an earlier reading left a picture.
            if (cache.preview.isNull())
                cache.fault = DecodeFault::Unopened;
            return;
        }
        fileData = HeldBytes::loose(bytes);
        if (rotation == 0)
            rotation = exifRead(bytes, shotTime);
    }
    QSize full;
    const QImage decoded = decodePreview(fileData.bytes(), rule, &full);
    takeDecoded(decoded, full);
}

void PhotoFrame::takeDecoded(const QImage &decoded, const QSize &full)
{
    // A reader that cannot tell the size leaves the frame without a preview.
    if (!full.isValid() || full.isEmpty()) {
        cache.fault = DecodeFault::Unreadable;
        return;
    }
    if (qint64(full.width()) * full.height() > MaxImagePixels) {
        cache.fault = DecodeFault::TooLarge;
        // Kept to say how large the refused image is.
        imageWidth = full.width();
        imageHeight = full.height();
    } else if (decoded.isNull()) {
        const bool overBudget = decodingBytes(fileData.bytes(), QSize(1, 1)) > DecodeGate::Budget;
        cache.fault = overBudget ? DecodeFault::OverBudget : DecodeFault::Unreadable;
        imageWidth = full.width(); // kept to say how large the refused image is
        imageHeight = full.height();
    }
    else if (tooManyScans(fileData.bytes()))
        cache.fault = DecodeFault::TooManyScans;
    else
        cache.fault = looksTruncated(fileData.bytes()) ? DecodeFault::Damaged : DecodeFault::None;
    if (decoded.isNull())
        return;
    imageWidth = full.width();
    imageHeight = full.height();
    if ((rotation / 90) % 2 == 1)
        std::swap(imageWidth, imageHeight);
    cache.preview = rotated(decoded, rotation);
}

void PhotoFrame::keepDataWithinBudget(ByteBudget &budget)
{
    fileData = budget.hold(fileData);
}

QImage PhotoFrame::previewCrop() const
{
    if (cache.preview.isNull() || cache.preview.width() <= 0 || imageWidth <= 0)
        return QImage();
    const double k = double(imageWidth) / cache.preview.width();
    return cropOf(cache.preview, *this, k);
}

QImage PhotoFrame::fullCrop(const ImageSource &source) const
{
    return fullCrop(fullImage(source));
}

QImage PhotoFrame::fullImage(const ImageSource &source) const
{
    return decodeImage(fileData.isEmpty() ? source.bytes(fileName) : fileData.bytes());
}

QTransform PhotoFrame::rotationTransform(int rotation, const QSize &size)
{
    // Quarter turns clockwise that keep the turned image at the origin.
    switch ((rotation % 360 + 360) % 360) {
    case 90: return QTransform(0, 1, -1, 0, size.height(), 0);
    case 180: return QTransform(-1, 0, 0, -1, size.width(), size.height());
    case 270: return QTransform(0, -1, 1, 0, 0, size.width());
    default: return QTransform();
    }
}

PhotoFrame PhotoFrame::forStoredSize(const QSize &stored) const
{
    const QSize known(imageWidth, imageHeight);
    const QSize now = (rotation / 90) % 2 == 1 ? stored.transposed() : stored;
    if (now == known || known.isEmpty() || now.isEmpty())
        return *this;
    PhotoFrame f = *this;
    const double k = double(now.width()) / known.width();
    const double centreX = (cropX + cropWidth / 2.0) * k;
    const double centreY = (cropY + cropHeight / 2.0) * now.height() / known.height();
    f.cropWidth = qMax(1, roundHalfUp(cropWidth * k));
    f.cropHeight = qMax(1, roundHalfUp(cropHeight * k));
    f.cropX = roundHalfUp(centreX - f.cropWidth / 2.0);
    f.cropY = roundHalfUp(centreY - f.cropHeight / 2.0);
    f.imageWidth = now.width();
    f.imageHeight = now.height();
    return f;
}

QRect PhotoFrame::storedCrop(const QSize &stored) const
{
    const QRectF crop(cropX, cropY, cropWidth, cropHeight);
    const QRectF inStored = rotationTransform(rotation, stored).inverted().mapRect(crop);
    return inStored.toAlignedRect() & QRect(QPoint(0, 0), stored);
}

QByteArray PhotoFrame::photoBytes(const ImageSource &source) const
{
    return fileData.isEmpty() ? source.bytes(fileName) : fileData.bytes();
}

QSize PhotoFrame::pixelsFor(const QSize &stored, double density, QRect *region) const
{
    *region = QRect();
    if (density <= 0 || !stored.isValid() || cropWidth <= 0 || cropHeight <= 0)
        return QSize();
    // A file changed since the crop was made is cut as the page will cut it.
    const PhotoFrame f = forStoredSize(stored);
    *region = f.storedCrop(stored);
    if (region->isEmpty())
        return QSize();
    // Device pixels per image pixel; the crop fills the frame both ways.
    const double across = turned ? height : width;
    const double along = turned ? width : height;
    const double k = qMax(across * density / f.cropWidth, along * density / f.cropHeight);
    if (k >= 1)
        return QSize();
    // A pixel more than the frame needs each way, and the turn of the image
    // does not matter: the scale is the same both ways.
    return QSize(int(std::ceil(region->width() * k)) + 1, int(std::ceil(region->height() * k)) + 1);
}

DecodedImage PhotoFrame::photoFor(const ImageSource &source, double density) const
{
    const QByteArray bytes = photoBytes(source);
    QRect region;
    const QSize atMost = pixelsFor(declaredSize(bytes), density, &region);
    return decodeRegion(bytes, region, atMost);
}

QImage PhotoFrame::fullCrop(const QImage &decoded) const
{
    return cropOf(rotation > 0 ? rotated(decoded, rotation) : decoded, *this, 1.0, Qt::white);
}

QImage PhotoFrame::canvasCrop() const
{
    if (cache.preview.isNull() || cache.preview.width() <= 0 || imageWidth <= 0)
        return QImage();
    const double k = double(imageWidth) / cache.preview.width();
    return cropOf(cache.preview, *this, k, Qt::blue, 2);
}
