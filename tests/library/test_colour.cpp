#include "library/ColourTarget.h"
#include "library/ColourTransformCache.h"
#include "library/ImageFile.h"
#include "library/MatrixShaper.h"
#include "library/ProfileReader.h"
#include "tests/ColourPatches.h"
#include "tests/library/ExifJpeg.h"

#include <QBuffer>
#include <QColorSpace>
#include <QtConcurrent/QtConcurrentMap>
#include <QtTest>

#include <vector>

class TestColour : public QObject
{
    Q_OBJECT

    // JPEG bytes whose profile is in `chunks` APP2 segments, written in the
    // order `order` gives (numbers from 1).
    static QByteArray chunkedJpeg(const QByteArray &icc, const QVector<int> &order, int count)
    {
        const int part = (icc.size() + count - 1) / count;
        QByteArray segments;
        for (int n : order)
            segments += segment(0xE2, QByteArray("ICC_PROFILE\0", 12) + char(n) + char(count) + icc.mid((n - 1) * part, part));
        return makeJpeg(32, 24, QByteArray(), segments);
    }
    static QByteArray pngWith(const QColorSpace &space)
    {
        QImage image = patchImage(8);
        image.setColorSpace(space);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }
    static QByteArray exifR03(bool uncalibrated, const char *index)
    {
        // The interoperability directory: one entry of four bytes of text.
        QByteArray interop;
        putU16(interop, true, 1);
        putU16(interop, true, 0x0001);
        putU16(interop, true, 2);
        putU32(interop, true, 4);
        interop.append(index, 3).append('\0');
        putU32(interop, true, 0);
        const QVector<TiffEntry> exif = {{0xA001, 3, 1, uncalibrated ? 0xFFFFu : 1u, {}}, {0xA005, 4, 1, 0, interop}};
        return makeJpeg(32, 24, makeTiff(true, {orientationEntry(1)}, exif));
    }

private Q_SLOTS:
    void sources_data()
    {
        const QByteArray adobe = ColourProfile::adobeRgb().icc();
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("expected"); // key of the profile found
        QTest::addColumn<bool>("problem");
        const QByteArray srgb = ColourProfile::srgb().key();
        const QByteArray adobeKey = ColourProfile::adobeRgb().key();
        QTest::newRow("untagged JPEG") << makeJpeg(32, 24) << srgb << false;
        QTest::newRow("JPEG, one chunk") << chunkedJpeg(adobe, {1}, 1) << adobeKey << false;
        QTest::newRow("JPEG, chunks out of order") << chunkedJpeg(adobe, {2, 3, 1}, 3) << adobeKey << false;
        QTest::newRow("JPEG, a chunk missing") << chunkedJpeg(adobe, {1, 3}, 3) << srgb << true;
        QTest::newRow("JPEG, garbage profile") << chunkedJpeg(QByteArray(600, 'x'), {1}, 1) << srgb << true;
        QTest::newRow("JPEG, embedded sRGB") << chunkedJpeg(ColourProfile::srgb().icc(), {1}, 1) << srgb << false;
        QTest::newRow("EXIF R03 uncalibrated") << exifR03(true, "R03") << adobeKey << false;
        QTest::newRow("EXIF R98") << exifR03(true, "R98") << srgb << false;
        QTest::newRow("EXIF R03 but sRGB") << exifR03(false, "R03") << srgb << false;
        QTest::newRow("PNG Adobe RGB") << pngWith(QColorSpace::AdobeRgb)
                                       << ColourProfile::fromIcc(QColorSpace(QColorSpace::AdobeRgb).iccProfile()).key()
                                       << false;
        QTest::newRow("PNG untagged") << pngWith(QColorSpace()) << srgb << false;
    }
    void sources()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, expected);
        QFETCH(bool, problem);
        QString why;
        const ColourProfile profile = ProfileReader::sourceProfile(file, &why);
        QCOMPARE(profile.key().toHex(), expected.toHex());
        QCOMPARE(!why.isEmpty(), problem);
        QVERIFY(!isImageData(file) || decodeRegion(file).profile == profile);
    }

    // A photograph's conversion: made once for many images on many threads,
    // the same numbers Little CMS gives pixel by pixel; sRGB untouched.
    void transformMadeOnceAndShared()
    {
        const ColourProfile adobe = ColourProfile::adobeRgb();
        ColourTarget srgb;
        QImage untouched = patchImage(4);
        const QImage before = untouched;
        srgb.convert(untouched, ColourProfile::srgb());
        QCOMPARE(untouched, before);
        const int made = ColourTransformCache::instance().made();
        QVector<QImage> images(8, patchImage(4));
        QtConcurrent::blockingMap(images, [&](QImage &image) { srgb.convert(image, adobe); });
        QCOMPARE(ColourTransformCache::instance().made(), made + 1);
        for (const QImage &image : images) {
            QCOMPARE(image, images.first());
            for (int i = 0; i < 9; ++i) {
                const QRgb got = image.pixel(i % 3 * 4, i / 3 * 4);
                const QRgb want = lcmsConverted(patchColours().at(i), adobe, ColourProfile::srgb());
                QVERIFY2(qAbs(qRed(got) - qRed(want)) <= 1 && qAbs(qGreen(got) - qGreen(want)) <= 1
                             && qAbs(qBlue(got) - qBlue(want)) <= 1,
                         qPrintable(QString::number(i)));
            }
        }
    }

    // Between matrix-shaper profiles the tables give Little CMS's exact
    // numbers within a level over the whole cube, also into a pure power
    // curve, steepest near black.
    void matrixShaperMatchesLittleCms_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<bool>("smooth"); // curves a cubic an octave follows
        const auto icc = [](QColorSpace::NamedColorSpace space) { return QColorSpace(space).iccProfile(); };
        QTest::newRow("Adobe RGB to sRGB") << icc(QColorSpace::AdobeRgb) << icc(QColorSpace::SRgb) << true;
        QTest::newRow("sRGB to Adobe RGB") << icc(QColorSpace::SRgb) << icc(QColorSpace::AdobeRgb) << true;
        QTest::newRow("ProPhoto to Display P3") << icc(QColorSpace::ProPhotoRgb) << icc(QColorSpace::DisplayP3) << true;
        // Displays' own profiles: a curve for each channel; a measured one
        // with a table and a kink, which cubics do not follow.
        const auto display = [](std::array<cmsToneCurve *, 3> curves) {
            const cmsCIExyY white = {0.3127, 0.3290, 1.0};
            const cmsCIExyYTRIPLE primaries = {{0.66, 0.32, 1.0}, {0.27, 0.64, 1.0}, {0.15, 0.06, 1.0}};
            cmsHPROFILE h = cmsCreateRGBProfile(&white, &primaries, curves.data());
            cmsUInt32Number size = 0;
            cmsSaveProfileToMem(h, nullptr, &size);
            QByteArray bytes(int(size), '\0');
            cmsSaveProfileToMem(h, bytes.data(), &size);
            cmsCloseProfile(h);
            for (cmsToneCurve *curve : curves)
                cmsFreeToneCurve(curve);
            return bytes;
        };
        const cmsFloat64Number srgbCurve[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
        const QByteArray smoothDisplay = display({cmsBuildGamma(nullptr, 1.8), cmsBuildGamma(nullptr, 2.2),
                                                  cmsBuildParametricToneCurve(nullptr, 4, srgbCurve)});
        cmsUInt16Number table[256];
        for (int i = 0; i < 256; ++i) {
            const double v = i / 255.0;
            table[i] = cmsUInt16Number(std::lround(65535 * (v < 0.04 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4))));
        }
        const cmsFloat64Number kink[5] = {2.6, 1.0, 0.0, std::pow(0.2, 1.6), 0.2}; // a line up to a fifth
        const QByteArray measuredDisplay =
            display({cmsBuildGamma(nullptr, 1.8), cmsBuildTabulatedToneCurve16(nullptr, 256, table),
                     cmsBuildParametricToneCurve(nullptr, 4, kink)});
        QTest::newRow("sRGB to a display of three curves") << icc(QColorSpace::SRgb) << smoothDisplay << true;
        QTest::newRow("sRGB to a measured display") << icc(QColorSpace::SRgb) << measuredDisplay << false;
        QTest::newRow("a measured display to Adobe RGB") << measuredDisplay << icc(QColorSpace::AdobeRgb) << true;
    }
    void matrixShaperMatchesLittleCms()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(bool, smooth);
        const ColourProfile source = ColourProfile::fromIcc(from);
        const ColourProfile destination = ColourProfile::fromIcc(to);
        const auto shaper = MatrixShaper::make(source.handle(), destination.handle());
        QVERIFY(shaper);
        // Rows of 251 pixels: the last few go one by one.
        QImage before(251, 262, QImage::Format_RGB32);
        for (int i = 0; i < 251 * 262; ++i)
            before.setPixel(i % 251, i / 251, qRgb(i % 256, i / 256, (i * 7) % 256));
        cmsHTRANSFORM exact = cmsCreateTransform(source.handle(), TYPE_RGB_DBL, destination.handle(), TYPE_RGB_DBL,
                                                 INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOOPTIMIZE);
        QVector<int> expected;
        for (int i = 0; i < 251 * 262; ++i) {
            const QRgb in = before.pixel(i % 251, i / 251);
            const double rgb[3] = {qRed(in) / 255.0, qGreen(in) / 255.0, qBlue(in) / 255.0};
            double out[3];
            cmsDoTransform(exact, rgb, out, 1);
            for (double level : out)
                expected.append(int(std::lround(255 * qBound(0.0, level, 1.0))));
        }
        cmsDeleteTransform(exact);
#if defined(__x86_64__) && defined(__GNUC__)
        // The working spaces' curves are smooth enough for cubics.
        QVERIFY(shaper->offers(MatrixShaper::Kernel::Octaves) || !smooth || !__builtin_cpu_supports("avx512f"));
#endif
        // Every kernel this processor runs, the one the cache picks among them.
        using Kernel = MatrixShaper::Kernel;
        for (const Kernel kernel : {Kernel::Plain, Kernel::Tables, Kernel::Octaves}) {
            if (!shaper->offers(kernel))
                continue;
            // Into rows on 64-byte boundaries, as a decoded photograph's are.
            std::vector<quint32> rows(1024 / 4 * 262 + 16);
            const auto start = (64 - reinterpret_cast<quintptr>(rows.data()) % 64) % 64 / 4;
            QImage image(reinterpret_cast<uchar *>(rows.data() + start), 251, 262, 1024, QImage::Format_RGB32);
            shaper->apply(before, image, kernel);
            int worst = 0;
            for (int i = 0; i < 251 * 262; ++i) {
                const QRgb got = image.pixel(i % 251, i / 251);
                const int levels[3] = {qRed(got), qGreen(got), qBlue(got)};
                for (int c = 0; c < 3; ++c)
                    worst = qMax(worst, qAbs(levels[c] - expected.at(3 * i + c)));
            }
            QVERIFY2(worst <= 1, qPrintable(QStringLiteral("kernel %1: %2").arg(int(kernel)).arg(worst)));
        }
        QImage image = before;
        ColourTransformCache::instance().transform(source, destination, RenderingIntent::Relative, true)->apply(image);
        QVERIFY(image != before);
    }
};

QTEST_GUILESS_MAIN(TestColour)
#include "test_colour.moc"
