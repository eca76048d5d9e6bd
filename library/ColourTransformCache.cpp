#include "library/ColourTransformCache.h"

#include <QImage>
#include <QtEndian>

#include <lcms2.h>

namespace {

// QImage's 32-bit pixels are the words 0xAARRGGBB.
constexpr cmsUInt32Number PixelType = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TYPE_BGRA_8 : TYPE_ARGB_8;

cmsUInt32Number lcmsIntent(RenderingIntent intent)
{
    switch (intent) {
    case RenderingIntent::Perceptual: return INTENT_PERCEPTUAL;
    case RenderingIntent::Saturation: return INTENT_SATURATION;
    case RenderingIntent::Absolute: return INTENT_ABSOLUTE_COLORIMETRIC;
    case RenderingIntent::Relative: break;
    }
    return INTENT_RELATIVE_COLORIMETRIC;
}

// Transforms keep no state between calls (no cache of the last pixel), so
// that one may run on several threads at once; alpha goes through as it is.
constexpr cmsUInt32Number SharedFlags = cmsFLAGS_NOCACHE | cmsFLAGS_COPY_ALPHA;

} // namespace

ColourTransform::~ColourTransform()
{
    if (m_handle)
        cmsDeleteTransform(static_cast<cmsHTRANSFORM>(m_handle));
}

void ColourTransform::apply(QImage &image) const
{
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    apply(image, image);
}

void ColourTransform::apply(const QImage &from, QImage &to) const
{
    Q_ASSERT(from.size() == to.size() && from.format() == to.format());
    if (m_matrixShaper) {
        m_matrixShaper->apply(from, to);
        return;
    }
    // One call for the whole image, row by row through the strides.
    uchar *out = to.bits();
    cmsDoTransformLineStride(static_cast<cmsHTRANSFORM>(m_handle), from.constBits(), out,
                             cmsUInt32Number(from.width()), cmsUInt32Number(from.height()),
                             cmsUInt32Number(from.bytesPerLine()), cmsUInt32Number(to.bytesPerLine()), 0, 0);
}

ColourTransformCache &ColourTransformCache::instance()
{
    static ColourTransformCache cache;
    return cache;
}

std::shared_ptr<const ColourTransform> ColourTransformCache::transform(const ColourProfile &source,
                                                                       const ColourProfile &destination,
                                                                       RenderingIntent intent,
                                                                       bool blackPointCompensation)
{
    const QByteArray key = source.key() + '>' + destination.key() + '/' + char('0' + int(intent))
                           + (blackPointCompensation ? "b" : "");
    QMutexLocker lock(&m_mutex);
    auto found = m_transforms.constFind(key);
    if (found != m_transforms.constEnd())
        return *found;
    ++m_made;
    // Between two such profiles every intent but the absolute one is the
    // colorimetric sum from one matrix to the other (their black is zero,
    // nothing to compensate).
    if (intent != RenderingIntent::Absolute) {
        if (auto shaper = MatrixShaper::make(source.handle(), destination.handle())) {
            auto made = std::make_shared<const ColourTransform>(std::move(shaper));
            m_transforms.insert(key, made);
            return made;
        }
    }
    cmsUInt32Number flags = SharedFlags;
    if (blackPointCompensation)
        flags |= cmsFLAGS_BLACKPOINTCOMPENSATION;
    cmsHTRANSFORM h = cmsCreateTransform(source.handle(), PixelType, destination.handle(), PixelType,
                                         lcmsIntent(intent), flags);
    auto made = h ? std::make_shared<const ColourTransform>(h) : nullptr;
    m_transforms.insert(key, made);
    return made;
}

std::shared_ptr<const ColourTransform> ColourTransformCache::proof(const ColourProfile &screen,
                                                                   const ColourProfile &printer,
                                                                   RenderingIntent intent, bool markGamut)
{
    const QByteArray key = "proof:" + screen.key() + '>' + printer.key() + '/' + char('0' + int(intent))
                           + (markGamut ? "g" : "");
    QMutexLocker lock(&m_mutex);
    auto found = m_transforms.constFind(key);
    if (found != m_transforms.constEnd())
        return *found;
    cmsUInt32Number flags = SharedFlags | cmsFLAGS_SOFTPROOFING;
    if (intent == RenderingIntent::Relative)
        flags |= cmsFLAGS_BLACKPOINTCOMPENSATION;
    if (markGamut) {
        flags |= cmsFLAGS_GAMUTCHECK;
        // Colours out of the printer's reach show as middle grey.
        cmsUInt16Number alarm[cmsMAXCHANNELS] = {0x8080, 0x8080, 0x8080};
        cmsSetAlarmCodes(alarm);
    }
    // The paper's white shows as the paper is: absolute from the printer to
    // the screen.
    cmsHTRANSFORM h = cmsCreateProofingTransform(screen.handle(), PixelType, screen.handle(), PixelType,
                                                 printer.handle(), lcmsIntent(intent),
                                                 INTENT_ABSOLUTE_COLORIMETRIC, flags);
    ++m_made;
    auto made = h ? std::make_shared<const ColourTransform>(h) : nullptr;
    m_transforms.insert(key, made);
    return made;
}

int ColourTransformCache::made() const
{
    QMutexLocker lock(&m_mutex);
    return m_made;
}
