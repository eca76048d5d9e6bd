#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// An ICC colour profile of RGB numbers, opened with Little CMS: what the
// numbers of a photograph, a screen or a printer on its paper mean. A value,
// cheap to copy and safe to share between threads; the same profile bytes
// give the same shared profile. The default profile is sRGB.
class ColourProfile
{
public:
    ColourProfile();

    static ColourProfile srgb();
    // Adobe RGB (1998), for photographs that name it only in their EXIF data.
    static ColourProfile adobeRgb();
    // The profile in `icc`; null, with `problem` set, when it cannot be
    // opened, is not one of RGB numbers or cannot be converted to sRGB.
    static ColourProfile fromIcc(const QByteArray &icc, QString *problem = nullptr);
    // The profile in the file `path`; null with `problem` set when the file
    // cannot be read or holds no usable profile.
    static ColourProfile fromFile(const QString &path, QString *problem = nullptr);

    bool isNull() const { return !d; }
    // sRGB itself, or a profile with sRGB's primaries and tone curves (the
    // sRGB profiles cameras and editors embed): numbers need no conversion.
    bool isSrgb() const;
    // Tells profiles apart: equal keys, equal profiles.
    QByteArray key() const;
    // The profile as ICC bytes, to embed in a file.
    QByteArray icc() const;
    // The name the profile gives itself.
    QString description() const;
    // The Little CMS profile (cmsHPROFILE); read only.
    void *handle() const;

    bool operator==(const ColourProfile &other) const { return key() == other.key(); }
    bool operator!=(const ColourProfile &other) const { return !(*this == other); }

private:
    struct Data;
    explicit ColourProfile(std::shared_ptr<const Data> data) : d(std::move(data)) {}
    static std::shared_ptr<const Data> open(void *handle, const QByteArray &icc, QString *problem);
    std::shared_ptr<const Data> d;
};
