#include "library/RenderingIntent.h"

#include <QObject>

QString intentName(RenderingIntent intent)
{
    switch (intent) {
    case RenderingIntent::Perceptual: return QStringLiteral("perceptual");
    case RenderingIntent::Saturation: return QStringLiteral("saturation");
    case RenderingIntent::Absolute: return QStringLiteral("absolute");
    case RenderingIntent::Relative: break;
    }
    return QStringLiteral("relative");
}

bool intentFromName(const QString &name, RenderingIntent *intent)
{
    for (RenderingIntent i : {RenderingIntent::Perceptual, RenderingIntent::Relative, RenderingIntent::Saturation,
                              RenderingIntent::Absolute}) {
        if (name == intentName(i)) {
            if (intent)
                *intent = i;
            return true;
        }
    }
    return false;
}

QString intentTitle(RenderingIntent intent)
{
    switch (intent) {
    case RenderingIntent::Perceptual: return QObject::tr("Perceptual");
    case RenderingIntent::Saturation: return QObject::tr("Saturation");
    case RenderingIntent::Absolute: return QObject::tr("Absolute colorimetric");
    case RenderingIntent::Relative: break;
    }
    return QObject::tr("Relative colorimetric with black-point compensation");
}
