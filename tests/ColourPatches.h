#pragma once

// Colour patches for the colour tests: a photograph of large flat patches,
// written as JPEG with a profile, and the CIEDE2000 distance between what a
// page shows of them and what Little CMS makes of them itself.

#include "library/ColourProfile.h"
#include "library/JpegProfile.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QVector>

#include <lcms2.h>

// Saturated and muted colours, where wide-gamut numbers differ most from sRGB.
inline QVector<QRgb> patchColours()
{
    return {qRgb(230, 20, 30), qRgb(20, 200, 40), qRgb(30, 40, 220), qRgb(240, 220, 20), qRgb(20, 200, 210),
            qRgb(200, 30, 200), qRgb(128, 128, 128), qRgb(180, 120, 90), qRgb(60, 90, 50)};
}

// A 3 x 3 grid of `side`-pixel patches.
inline QImage patchImage(int side)
{
    QImage image(3 * side, 3 * side, QImage::Format_RGB32);
    const QVector<QRgb> colours = patchColours();
    for (int i = 0; i < 9; ++i)
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                image.setPixel(i % 3 * side + x, i / 3 * side + y, colours.at(i));
    return image;
}

// JPEG bytes of `image` at quality 95, with `icc` embedded when not empty.
inline QByteArray patchJpeg(const QImage &image, const QByteArray &icc = QByteArray())
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.write(image);
    return icc.isEmpty() ? bytes : withIccProfile(bytes, icc);
}

// Lab of an sRGB or `profile` colour.
inline cmsCIELab labOf(QRgb c, const ColourProfile &profile)
{
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    cmsHTRANSFORM t = cmsCreateTransform(profile.handle(), TYPE_RGB_8, lab, TYPE_Lab_DBL, INTENT_RELATIVE_COLORIMETRIC, 0);
    const unsigned char rgb[3] = {uchar(qRed(c)), uchar(qGreen(c)), uchar(qBlue(c))};
    cmsCIELab out = {};
    cmsDoTransform(t, rgb, &out, 1);
    cmsDeleteTransform(t);
    cmsCloseProfile(lab);
    return out;
}

// The colour Little CMS gives `c` of `from` in `to` (relative, black-point
// compensation).
inline QRgb lcmsConverted(QRgb c, const ColourProfile &from, const ColourProfile &to)
{
    cmsHTRANSFORM t = cmsCreateTransform(from.handle(), TYPE_RGB_8, to.handle(), TYPE_RGB_8,
                                         INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_BLACKPOINTCOMPENSATION);
    const unsigned char in[3] = {uchar(qRed(c)), uchar(qGreen(c)), uchar(qBlue(c))};
    unsigned char out[3] = {};
    cmsDoTransform(t, in, out, 1);
    cmsDeleteTransform(t);
    return qRgb(out[0], out[1], out[2]);
}

inline double deltaE2000(QRgb a, QRgb b, const ColourProfile &profile)
{
    const cmsCIELab la = labOf(a, profile);
    const cmsCIELab lb = labOf(b, profile);
    return cmsCIE2000DeltaE(&la, &lb, 1, 1, 1);
}

// A printer profile of a small gamut (muted primaries), as ICC bytes: pure
// colours lie outside it.
inline QByteArray narrowGamutIcc()
{
    const cmsCIExyY white = {0.3127, 0.3290, 1.0};
    const cmsCIExyYTRIPLE primaries = {{0.45, 0.33, 1.0}, {0.30, 0.45, 1.0}, {0.22, 0.20, 1.0}};
    cmsToneCurve *gamma = cmsBuildGamma(nullptr, 2.2);
    cmsToneCurve *curves[3] = {gamma, gamma, gamma};
    cmsHPROFILE h = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsFreeToneCurve(gamma);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(h, nullptr, &size);
    QByteArray icc(int(size), '\0');
    cmsSaveProfileToMem(h, icc.data(), &size);
    cmsCloseProfile(h);
    return icc;
}
