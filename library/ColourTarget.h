#pragma once

#include "library/ColourProfile.h"
#include "library/RenderingIntent.h"

class QImage;

// Where the numbers of a drawn photograph go: a profile (sRGB, a screen's,
// a printer's on its paper) and the intent to reach it with. A value handed
// to the threads that decode.
struct ColourTarget
{
    ColourProfile profile;
    RenderingIntent intent = RenderingIntent::Relative;

    // Black-point compensation: with the relative intent.
    bool blackPointCompensation() const { return intent == RenderingIntent::Relative; }
    // Nothing to do for sRGB photographs.
    bool isSrgb() const { return profile.isSrgb(); }

    // Converts `image`, whose numbers mean `source`, to this target in
    // place, through a transform made once and kept (ColourTransformCache).
    // sRGB to sRGB, or a profile to itself, does nothing.
    void convert(QImage &image, const ColourProfile &source) const;

    // The screen's profile: sRGB unless the desktop names another. Set once
    // at start, before anything is decoded.
    static ColourTarget screen();
    static void setScreen(const ColourProfile &profile);
};
