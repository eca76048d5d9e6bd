#include "library/ColourProfile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QObject>

#include <lcms2.h>

#include <cmath>

namespace {

// Profiles larger than this are refused unread: printer profiles with large
// tables run to a few megabytes.
constexpr qint64 MaxProfileBytes = 32 << 20;

bool near(double a, double b, double tolerance) { return std::abs(a - b) <= tolerance; }

// True when `h` is a matrix and tone-curve profile with the colorants and
// curves of sRGB, within what 16-bit fixed point and rounding leave.
bool looksLikeSrgb(cmsHPROFILE h, cmsHPROFILE srgb)
{
    const cmsTagSignature colorants[] = {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag};
    const cmsTagSignature curves[] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};
    for (int i = 0; i < 3; ++i) {
        const auto *mine = static_cast<const cmsCIEXYZ *>(cmsReadTag(h, colorants[i]));
        const auto *theirs = static_cast<const cmsCIEXYZ *>(cmsReadTag(srgb, colorants[i]));
        const auto *curve = static_cast<const cmsToneCurve *>(cmsReadTag(h, curves[i]));
        const auto *srgbCurve = static_cast<const cmsToneCurve *>(cmsReadTag(srgb, curves[i]));
        if (!mine || !theirs || !curve || !srgbCurve)
            return false;
        if (!near(mine->X, theirs->X, 0.003) || !near(mine->Y, theirs->Y, 0.003) || !near(mine->Z, theirs->Z, 0.003))
            return false;
        for (float x = 0.0f; x <= 1.0f; x += 1.0f / 16)
            if (!near(cmsEvalToneCurveFloat(curve, x), cmsEvalToneCurveFloat(srgbCurve, x), 0.004))
                return false;
    }
    return true;
}

QByteArray saved(cmsHPROFILE h)
{
    cmsUInt32Number size = 0;
    if (!cmsSaveProfileToMem(h, nullptr, &size) || size == 0)
        return QByteArray();
    QByteArray bytes(int(size), '\0');
    if (!cmsSaveProfileToMem(h, bytes.data(), &size))
        return QByteArray();
    return bytes;
}

} // namespace

struct ColourProfile::Data
{
    cmsHPROFILE handle = nullptr;
    QByteArray icc;
    QByteArray key;
    QString description;
    bool srgb = false;

    ~Data()
    {
        if (handle)
            cmsCloseProfile(handle);
    }
};

std::shared_ptr<const ColourProfile::Data> ColourProfile::open(void *opened, const QByteArray &icc, QString *problem)
{
    const auto fail = [problem](const QString &why) {
        if (problem)
            *problem = why;
        return std::shared_ptr<const Data>();
    };
    auto h = static_cast<cmsHPROFILE>(opened);
    if (!h)
        return fail(QObject::tr("The colour profile is damaged"));
    auto data = std::make_shared<Data>();
    data->handle = h; // closed with the data from here on
    if (cmsGetColorSpace(h) != cmsSigRgbData)
        return fail(QObject::tr("The colour profile is not one of RGB colours"));
    // Every use converts from or to sRGB: a profile that cannot is no use.
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHTRANSFORM probe = cmsCreateTransform(h, TYPE_RGB_8, srgb, TYPE_RGB_8, INTENT_RELATIVE_COLORIMETRIC, 0);
    const bool usable = probe != nullptr;
    if (probe)
        cmsDeleteTransform(probe);
    data->srgb = usable && looksLikeSrgb(h, srgb);
    cmsCloseProfile(srgb);
    if (!usable)
        return fail(QObject::tr("The colour profile is damaged"));
    data->icc = icc.isEmpty() ? saved(h) : icc;
    data->key = data->srgb ? QByteArrayLiteral("sRGB")
                           : QCryptographicHash::hash(data->icc, QCryptographicHash::Md5);
    char text[256] = {};
    cmsGetProfileInfoASCII(h, cmsInfoDescription, "en", "US", text, sizeof text - 1);
    data->description = QString::fromLatin1(text).trimmed();
    return data;
}

ColourProfile::ColourProfile() : d(srgb().d) {}

ColourProfile ColourProfile::srgb()
{
    static const std::shared_ptr<const Data> data = open(cmsCreate_sRGBProfile(), QByteArray(), nullptr);
    return ColourProfile(data);
}

ColourProfile ColourProfile::adobeRgb()
{
    static const std::shared_ptr<const Data> data = [] {
        // Adobe RGB (1998): D65 white, its three primaries, gamma 563/256.
        const cmsCIExyY white = {0.3127, 0.3290, 1.0};
        const cmsCIExyYTRIPLE primaries = {{0.64, 0.33, 1.0}, {0.21, 0.71, 1.0}, {0.15, 0.06, 1.0}};
        cmsToneCurve *gamma = cmsBuildGamma(nullptr, 563.0 / 256.0);
        cmsToneCurve *curves[3] = {gamma, gamma, gamma};
        cmsHPROFILE h = cmsCreateRGBProfile(&white, &primaries, curves);
        cmsFreeToneCurve(gamma);
        cmsMLU *name = cmsMLUalloc(nullptr, 1);
        cmsMLUsetASCII(name, "en", "US", "Adobe RGB (1998)");
        cmsWriteTag(h, cmsSigProfileDescriptionTag, name);
        cmsMLUfree(name);
        return open(h, QByteArray(), nullptr);
    }();
    return ColourProfile(data);
}

ColourProfile ColourProfile::fromIcc(const QByteArray &icc, QString *problem)
{
    if (icc.size() < 132 || icc.size() > MaxProfileBytes) {
        if (problem)
            *problem = QObject::tr("The colour profile is damaged");
        return ColourProfile(nullptr);
    }
    // Photographs of one camera carry the same profile: opened once.
    static QMutex mutex;
    static QHash<QByteArray, std::shared_ptr<const Data>> opened;
    const QByteArray hash = QCryptographicHash::hash(icc, QCryptographicHash::Md5);
    QMutexLocker lock(&mutex);
    auto found = opened.constFind(hash);
    if (found == opened.constEnd()) {
        QString why;
        std::shared_ptr<const Data> data = open(cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size())), icc, &why);
        if (!data) {
            if (problem)
                *problem = why;
            return ColourProfile(nullptr);
        }
        if (opened.size() >= 64)
            opened.clear();
        found = opened.insert(hash, data);
    }
    return ColourProfile(*found);
}

ColourProfile ColourProfile::fromFile(const QString &path, QString *problem)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxProfileBytes || !file.open(QIODevice::ReadOnly)) {
        if (problem)
            *problem = QObject::tr("Cannot read file %1:\n%2.")
                           .arg(path, info.exists() ? file.errorString() : QObject::tr("No such file"));
        return ColourProfile(nullptr);
    }
    QString why;
    const ColourProfile profile = fromIcc(file.readAll(), &why);
    if (profile.isNull() && problem)
        *problem = QObject::tr("Cannot read file %1:\n%2.").arg(path, why);
    return profile;
}

bool ColourProfile::isSrgb() const { return d && d->srgb; }
QByteArray ColourProfile::key() const { return d ? d->key : QByteArray(); }
QByteArray ColourProfile::icc() const { return d ? d->icc : QByteArray(); }
QString ColourProfile::description() const { return d ? d->description : QString(); }
void *ColourProfile::handle() const { return d ? d->handle : nullptr; }
