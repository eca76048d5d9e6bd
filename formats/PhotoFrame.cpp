#include "formats/PhotoFrame.h"

#include <QRect>

#include <utility>

namespace {

// a * b / c with the truncating integer division of the layout arithmetic;
// the product is formed in 64 bits so that large frames cannot overflow.
qint32 mulDiv(qint32 a, qint32 b, qint32 c) { return qint32(qint64(a) * b / c); }

} // namespace

void PhotoFrame::takeContent(const PhotoFrame &from)
{
    const FrameGeometry mine = geometry();
    *this = from;
    geometry() = mine;
}

void PhotoFrame::exchangeContent(PhotoFrame &other)
{
    std::swap(*this, other);
    std::swap(geometry(), other.geometry());
}

void PhotoFrame::applyDefaults(const StampDefaults &stampValues, const LogoDefaults &logoValues, bool withFont)
{
    applyStamp(stampValues, withFont);
    applyLogo(logoValues);
}

void PhotoFrame::applyStamp(const StampDefaults &stampValues, bool withFont)
{
    stamp = stampValues.style(stamp.font, withFont);
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
