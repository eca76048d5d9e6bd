#pragma once

#include <QString>

// How colours a printer cannot reach are brought within its range.
// Relative colorimetric is used with black-point compensation.
enum class RenderingIntent { Perceptual, Relative, Saturation, Absolute };

// The names used on the command line and in the settings: "perceptual",
// "relative", "saturation", "absolute".
QString intentName(RenderingIntent intent);
// The intent named `name`; false for a name that is none of them.
bool intentFromName(const QString &name, RenderingIntent *intent);
// The name people see, translated.
QString intentTitle(RenderingIntent intent);
