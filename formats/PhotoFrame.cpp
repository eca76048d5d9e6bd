#include "formats/PhotoFrame.h"

#include "formats/LogoDefaults.h"
#include "formats/StampDefaults.h"

#include <QRect>

#include <utility>

namespace {

// a * b / c with the truncating integer division of the layout arithmetic;
// the product is formed in 64 bits so that large frames cannot overflow.
qint32 mulDiv(qint32 a, qint32 b, qint32 c) { return qint32(qint64(a) * b / c); }

} // namespace

QRect PhotoFrame::rect() const { return QRect(x, y, width, height); }

void PhotoFrame::takeContent(const PhotoFrame &from)
{
    fileName = from.fileName;
    preview = from.preview;
    imageWidth = from.imageWidth;
    imageHeight = from.imageHeight;
    rotation = from.rotation;
    dateStamp = from.dateStamp;
    fileNameStamp = from.fileNameStamp;
    stampFont = from.stampFont;
    stampColor = from.stampColor;
    stampPosition = from.stampPosition;
    fileTime = from.fileTime;
    shotTime = from.shotTime;
    fileSize = from.fileSize;
    fileData = from.fileData;
    logo = from.logo;
    logoSize = from.logoSize;
    logoPosX = from.logoPosX;
    logoHorizontal = from.logoHorizontal;
    logoVertical = from.logoVertical;
    logoPosY = from.logoPosY;
    logoFile = from.logoFile;
    fault = from.fault;
}

void PhotoFrame::exchangeContent(PhotoFrame &other)
{
    PhotoFrame mine = *this;
    takeContent(other);
    other.takeContent(mine);
    std::swap(turned, other.turned);
    std::swap(cropX, other.cropX);
    std::swap(cropY, other.cropY);
    std::swap(cropWidth, other.cropWidth);
    std::swap(cropHeight, other.cropHeight);
}

void PhotoFrame::applyDefaults(const StampDefaults &stamp, const LogoDefaults &logoValues, bool withFont)
{
    applyStamp(stamp, withFont);
    applyLogo(logoValues);
}

void PhotoFrame::applyStamp(const StampDefaults &stamp, bool withFont)
{
    dateStamp = stamp.printDateStamp;
    fileNameStamp = stamp.printFileName;
    // A font that does not read leaves the frame's own.
    QFont font;
    if (withFont && font.fromString(stamp.font))
        stampFont = font;
    stampColor = stamp.color;
    stampPosition = qBound(0, stamp.position, 7);
}

void PhotoFrame::applyLogo(const LogoDefaults &logoValues)
{
    logo = logoValues.printLogo;
    logoHorizontal = logoValues.horizontal;
    logoVertical = logoValues.vertical;
    logoSize = logoValues.size;
    logoPosX = logoValues.posX;
    logoPosY = logoValues.posY;
    logoFile = logoValues.fileName;
}

void PhotoFrame::turnFromImage()
{
    if (imageWidth == imageHeight)
        turned = false;
    else if (imageHeight < imageWidth)
        turned = width < height;
    else
        turned = width > height;
}

void PhotoFrame::turnFromCrop()
{
    if (imageWidth == imageHeight)
        turned = false;
    else if (cropWidth > cropHeight)
        turned = width < height;
    else
        turned = width > height;
}

namespace {

// The two automatic crops differ only in which ratio decides.
void computeCrop(PhotoFrame &f, bool fill)
{
    qint32 w = f.width;
    qint32 h = f.height;
    if (f.turned)
        std::swap(w, h);
    const qint32 iw = f.imageWidth;
    const qint32 ih = f.imageHeight;
    if (w <= 0 || h <= 0 || iw <= 0 || ih <= 0) {
        // Nothing sensible to fit: show the image as it is.
        f.cropX = 0;
        f.cropY = 0;
        f.cropWidth = qMax(iw, 0);
        f.cropHeight = qMax(ih, 0);
        return;
    }
    const double rw = double(w) / iw;
    const double rh = double(h) / ih;
    const bool fullHeight = fill ? rh > rw : rw > rh;
    if (fullHeight) {
        f.cropY = 0;
        f.cropHeight = ih;
        f.cropWidth = mulDiv(w, ih, h);
        f.cropX = (iw - f.cropWidth) / 2;
    } else {
        f.cropX = 0;
        f.cropWidth = iw;
        f.cropHeight = mulDiv(h, iw, w);
        f.cropY = (ih - f.cropHeight) / 2;
    }
}

} // namespace

void PhotoFrame::fitCrop() { computeCrop(*this, false); }
void PhotoFrame::fillCrop() { computeCrop(*this, true); }

void PhotoFrame::autoCrop(bool fill)
{
    if (fill)
        fillCrop();
    else
        fitCrop();
}


void PhotoFrame::rotateBy(int newRotation)
{
    const int old = rotation;
    rotation = newRotation;
    if (imageWidth == imageHeight)
        return;
    int d = newRotation - old;
    if (newRotation < old)
        d += 360;
    const int q = d / 90;
    const qint32 iw = imageWidth;
    const qint32 ih = imageHeight;
    const QRect c(cropX, cropY, cropWidth, cropHeight);
    if (q == 1) {
        turned = !turned;
        cropX = iw - c.height() - c.y();
        cropY = c.x();
        cropWidth = c.height();
        cropHeight = c.width();
    } else if (q == 2) {
        cropX = iw - c.width() - c.x();
        cropY = ih - c.height() - c.y();
    } else if (q == 3) {
        turned = !turned;
        cropX = c.y();
        cropY = ih - c.width() - c.x();
        cropWidth = c.height();
        cropHeight = c.width();
    }
}
