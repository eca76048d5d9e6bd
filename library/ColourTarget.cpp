#include "library/ColourTarget.h"

#include "library/ColourTransformCache.h"

#include <QImage>
#include <QMutex>

namespace {

QMutex screenMutex;

ColourProfile &screenProfile()
{
    static ColourProfile profile;
    return profile;
}

} // namespace

void ColourTarget::convert(QImage &image, const ColourProfile &source) const
{
    if (image.isNull() || source.isNull() || profile.isNull() || source == profile)
        return;
    // Grey images have no RGB numbers to convert.
    if (image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_Grayscale16)
        return;
    const auto transform = ColourTransformCache::instance().transform(source, profile, intent, blackPointCompensation());
    if (transform)
        transform->apply(image);
}

ColourTarget ColourTarget::screen()
{
    QMutexLocker lock(&screenMutex);
    ColourTarget target;
    target.profile = screenProfile();
    return target;
}

void ColourTarget::setScreen(const ColourProfile &profile)
{
    QMutexLocker lock(&screenMutex);
    screenProfile() = profile.isNull() ? ColourProfile::srgb() : profile;
}
