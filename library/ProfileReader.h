#pragma once

#include "library/ColourProfile.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Finds the colour profile a photograph's file carries: an ICC profile in
// JPEG (APP2 "ICC_PROFILE" segments, joined in their order), PNG (iCCP),
// TIFF (tag 34675) or WebP (ICCP chunk), or Adobe RGB named only in a JPEG's
// EXIF data (interoperability index "R03" with colour space
// "Uncalibrated"); HEIF and AVIF (ICC, or primaries and tone curve, read by
// libheif). Other files' profiles are what their image reader tells. Never reads outside the bytes; safe on any thread.
namespace ProfileReader {

// What the file says about its colours.
struct Found
{
    QByteArray icc;            // the embedded profile's bytes; empty when none
    bool exifAdobeRgb = false; // EXIF names Adobe RGB
    bool damaged = false;      // a profile is there but cannot be put together
    bool readHere = true;      // false: the file is of a kind whose profile only its reader knows
};

// The raw finding, without opening any profile.
Found find(const QByteArray &bytes);

// The profile the numbers of `bytes` mean: the embedded one, Adobe RGB for
// the EXIF mark, else sRGB. A damaged or unusable profile gives sRGB with
// `problem` set. For files whose profile only their reader knows (JPEG XL),
// the colour space the reader gave `decoded` counts.
ColourProfile sourceProfile(const QByteArray &bytes, QString *problem = nullptr, const QImage &decoded = QImage());

// The same, saying once per file, in the program's log, that the profile of
// `fileName` was ignored when it was.
ColourProfile sourceProfileOf(const QByteArray &bytes, const QString &fileName, const QImage &decoded = QImage());
// Says in the program's log, once per file, that the profile of `fileName`
// was ignored for `problem`.
void tellIgnored(const QString &fileName, const QString &problem);

} // namespace ProfileReader
