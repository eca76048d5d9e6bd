// The command line run as a process on generated photographs: JPEG files and
// PDFs written without a window, the options, and clear failures.
#include "OutputFixture.h"

#include "app/ProjectFile.h"
#include "formats/FormatSettings.h"
#include "formats/LayoutFile.h"
#include "library/ProfileReader.h"
#include "tests/ColourPatches.h"
#include "library/IconsModel.h"
#include "tests/library/ExifJpeg.h"
#include "tests/LayoutBytes.h"

#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ColourProfile)
// Prints of each photograph.
using PrintCounts = QHash<QString, int>;
Q_DECLARE_METATYPE(PrintCounts)

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void helpAndVersion();
    void noDisplay();
    void outputOntoFullDisk_data();
    void outputOntoFullDisk();
    void exportJpeg();
    void exportOptions_data();
    void exportOptions();
    void colour_data();
    void colour();
    void failures_data();
    void failures();
    void dateStampFromFileDate();
    void savedProjectOutlivesItsPhotos();
    void savedRowsAreReadFromThePhotos();
    void newerFormats_data();
    void newerFormats();
    void dateTaken_data();
    void dateTaken();
    void listDamagedProject();
    void saveSyncsBeforeRename();

    void orders_data();
    void orders();
    void damagedPhotoWarned();
    void emptyPagesLeftOut();
    void onlyTheChosenLayoutIsRead();

private:
    QTemporaryDir dir;
    QStringList photos;
};

void TestCli::initTestCase()
{
    QVERIFY(dir.isValid());
    for (int i = 0; i < 5; ++i)
        photos << writePhoto(dir.path(), QStringLiteral("p%1.jpg").arg(i), QColor::fromHsv(i * 60, 200, 200));
}

void TestCli::helpAndVersion()
{
    const Run help = velmora({QStringLiteral("--help")});
    QCOMPARE(help.code, 0);
    QVERIFY(help.out.contains(QLatin1String("--export-jpeg")));
    QVERIFY(help.out.contains(QLatin1String("--photo-size")));
    // --help offers --help-all: it is an option, not a file to open.
    const Run all = velmora({QStringLiteral("--help-all")});
    QCOMPARE(all.code, 0);
    QVERIFY(all.out.contains(QLatin1String("--export-jpeg")));
    const Run version = velmora({QStringLiteral("--version")});
    QCOMPARE(version.code, 0);
    QVERIFY(version.out.contains(QLatin1String("2.18.2")));
}

void TestCli::exportJpeg()
{
    // Four frames a page on A4: five photographs make two pages.
    const QString base = dir.filePath(QStringLiteral("out/Holiday.jpg"));
    QDir().mkpath(dir.filePath(QStringLiteral("out")));
    const Run r = velmora(QStringList{QStringLiteral("--export-jpeg"), base, QStringLiteral("--paper"), QStringLiteral("A4"),
                                      QStringLiteral("--unit"), QStringLiteral("mm"), QStringLiteral("--photo-size"),
                                      QStringLiteral("100x140"), QStringLiteral("--quality"), QStringLiteral("70"),
                                      QStringLiteral("--")}
                          + photos);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QStringList lines = r.out.trimmed().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(1).endsWith(QLatin1String("Holiday002.jpg")));
    QCOMPARE(QImageReader(dir.filePath(QStringLiteral("out/Holiday001.jpg"))).size(), QSize(7000, 9900));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("out/Holiday002.jpg"))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out/Holiday003.jpg"))));
}

void TestCli::exportOptions_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("pages");
    QTest::newRow("landscape A4") << QStringList{"--paper", "A4", "--unit", "mm", "--landscape", "--layout", "1-200x287 mm"}
                                  << QSize(9900, 7000) << 5;
    QTest::newRow("letter in inches") << QStringList{"--paper", "letter", "--unit", "in", "--photo-size", "4x6"}
                                      << QSize(7196, 9313) << 2;
    QTest::newRow("typed paper in cm, borderless") << QStringList{"--paper", "10x15", "--unit", "cm", "--borderless",
                                                                  "--photo-size", "10x15", "--fit"}
                                                   << QSize(3333, 5000) << 5;
    QTest::newRow("margins") << QStringList{"--paper", "A6", "--unit", "mm", "--margins", "0", "--photo-size", "105x148"}
                             << QSize(3500, 4933) << 5;
}

void TestCli::exportOptions()
{
    QFETCH(QStringList, options);
    QFETCH(QSize, size);
    QFETCH(int, pages);
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
    const QString base = dir.filePath(tag + QStringLiteral("_"));
    const Run r = velmora(QStringList{QStringLiteral("--export-jpeg"), base} + options + photos);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.out.trimmed().split(QLatin1Char('\n')).size(), pages);
    QCOMPARE(QImageReader(base + QStringLiteral("001.jpg")).size(), size);
}

void TestCli::colour_data()
{
    // Patches of a photograph (tagged or not) against what Little CMS makes
    // of them; the page carries the profile its numbers are in.
    const ColourProfile srgb = ColourProfile::srgb();
    const ColourProfile adobe = ColourProfile::adobeRgb();
    const QString adobeFile = dir.filePath(QStringLiteral("adobe.icc"));
    QFile out(adobeFile);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(adobe.icc()) > 0);
    out.close();
    QTest::addColumn<QByteArray>("photoIcc");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<ColourProfile>("from");
    QTest::addColumn<ColourProfile>("to");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("Adobe RGB photo, sRGB page") << adobe.icc() << QStringList() << adobe << srgb << QByteArray("jpg");
    // The PDF page as poppler renders it.
    QTest::newRow("Adobe RGB photo, PDF page") << adobe.icc() << QStringList{"--print-pdf"} << adobe << srgb
                                               << QByteArray("jpg");
    QTest::newRow("untagged photo unchanged") << QByteArray() << QStringList() << srgb << srgb << QByteArray("jpg");
    QTest::newRow("output profile embedded") << QByteArray() << QStringList{"--output-profile", adobeFile} << srgb << adobe
                                             << QByteArray("jpg");
    // A HEIF carries an ICC profile; the AVIF writer states Display P3 by
    // its primaries and tone curve (nclx).
    QTest::newRow("Adobe RGB HEIC") << adobe.icc() << QStringList() << adobe << srgb << QByteArray("heic");
    const QByteArray p3 = QColorSpace(QColorSpace::DisplayP3).iccProfile();
    QTest::newRow("Display P3 AVIF") << p3 << QStringList() << ColourProfile::fromIcc(p3) << srgb << QByteArray("avif");
    // A JPEG XL keeps the ICC profile of a PNG it is made from losslessly.
    QTest::newRow("Adobe RGB JPEG XL") << adobe.icc() << QStringList() << adobe << srgb << QByteArray("jxl");
}

void TestCli::colour()
{
    QFETCH(QByteArray, photoIcc);
    QFETCH(QStringList, options);
    QFETCH(ColourProfile, from);
    QFETCH(ColourProfile, to);
    QFETCH(QByteArray, format);
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
    const QString photo = dir.filePath(tag + QLatin1Char('.') + QString::fromLatin1(format));
    if (format == "jpg") {
        QFile file(photo);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(patchJpeg(patchImage(300), photoIcc)) > 0);
    } else {
        if (!QImageWriter::supportedImageFormats().contains(format))
            QSKIP("no image writer for this format here (Debian package kimageformat-plugins)");
        QImage image = patchImage(300);
        image.setColorSpace(QColorSpace::fromIccProfile(photoIcc));
        const QString encoder = QStandardPaths::findExecutable(QStringLiteral("cjxl"));
        if (format == "jxl" && encoder.isEmpty())
            QSKIP("cjxl (Debian package libjxl-tools) is missing");
        QImageWriter writer(format == "jxl" ? photo + QStringLiteral(".png") : photo, format == "jxl" ? "png" : format);
        writer.setQuality(95);
        QVERIFY2(writer.write(image), qPrintable(writer.errorString()));
        if (format == "jxl")
            QCOMPARE(QProcess::execute(encoder, {photo + QStringLiteral(".png"), photo, QStringLiteral("-d"), QStringLiteral("0")}), 0);
    }
    // 10 x 15 cm without margins: the square photograph fills the middle
    // 100 x 100 mm of the page (3333 x 5000 pixels exported).
    const bool pdf = options.removeAll(QStringLiteral("--print-pdf")) > 0;
    const QString renderer = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdf && renderer.isEmpty())
        QSKIP("pdftoppm (Debian package poppler-utils) is missing");
    const QString base = dir.filePath(tag + QStringLiteral("_"));
    const Run r = velmora(QStringList{pdf ? "--print-pdf" : "--export-jpeg", pdf ? base + ".pdf" : base, "--paper", "10x15",
                                      "--unit", "cm", "--borderless", "--photo-size", "10x15", "--fit", "--no-credit"}
                          + options + QStringList{photo});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QImage image;
    double pixelsPerMm = 1 / 0.03;
    if (pdf) {
        pixelsPerMm = 100 / 25.4;
        QCOMPARE(QProcess::execute(renderer, {"-r", "100", "-png", "-singlefile", base + ".pdf", base}), 0);
        image = QImage(base + QStringLiteral(".png"));
    } else {
        QFile page(base + QStringLiteral("001.jpg"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray bytes = page.readAll();
        const QByteArray icc = ProfileReader::find(bytes).icc;
        QCOMPARE(ColourProfile::fromIcc(icc).key().toHex(), to.key().toHex());
        image = QImage::fromData(bytes);
    }
    double sum = 0, most = 0;
    for (int i = 0; i < 9; ++i) {
        const QPointF mm((i % 3 + 0.5) * 100 / 3, 25 + (i / 3 + 0.5) * 100 / 3);
        const double e = deltaE2000(image.pixel((mm * pixelsPerMm).toPoint()), lcmsConverted(patchColours().at(i), from, to), to);
        sum += e;
        most = qMax(most, e);
    }
    QVERIFY2(sum / 9 <= (pdf ? 2.0 : 1.0) && most <= 3.0, qPrintable(QStringLiteral("mean %1, most %2").arg(sum / 9).arg(most)));
}

void TestCli::failures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const QString out = dir.filePath(QStringLiteral("fail"));
    const QString pdf = dir.filePath(QStringLiteral("fail.pdf"));
    QFile bad(dir.filePath(QStringLiteral("bad.jpg")));
    bad.open(QIODevice::WriteOnly);
    bad.write("not a picture");
    bad.close();
    // 1: the input or the output failed; 2: what was typed is unusable.
    QTest::newRow("unreadable image") << QStringList{"--export-jpeg", out, bad.fileName()} << 1
                                      << "A photograph cannot be read, so no pages were made.";
    // Files cut short: a HEIC and a camera's DNG.
    const QString cutHeic = dir.filePath(QStringLiteral("cut.heic"));
    if (QImageWriter(cutHeic, "heic").write(testPicture(600, 400, Qt::blue, TopBand | CentreSquare))) {
        QFile heic(cutHeic);
        QVERIFY(heic.open(QIODevice::ReadWrite) && heic.resize(heic.size() * 2 / 3));
        QTest::newRow("cut HEIC") << QStringList{"--export-jpeg", out, cutHeic} << 1 << "its picture cannot be decoded";
    }
    const QString cutDng = dir.filePath(QStringLiteral("cut.dng"));
    if (QImageReader::supportedImageFormats().contains("dng") && writeFile(cutDng, makeDng("2020:01:01 00:00:00").left(5000)))
        QTest::newRow("cut DNG") << QStringList{"--export-jpeg", out, cutDng} << 1 << "its picture cannot be decoded";
    QTest::newRow("missing image") << QStringList{"--export-jpeg", out, dir.filePath("none.jpg")} << 1
                                   << "No such file";
    QTest::newRow("folder for an image") << QStringList{"--export-jpeg", out, dir.path()} << 1 << "It is a folder";
    QTest::newRow("unknown layout") << QStringList{"--export-jpeg", out, "--layout", "nothing", photos.first()} << 2
                                    << "Unknown layout nothing";
    QTest::newRow("unknown paper") << QStringList{"--export-jpeg", out, "--paper", "Z9", photos.first()} << 2
                                   << "Unknown paper Z9";
    QTest::newRow("unwritable target") << QStringList{"--export-jpeg", dir.filePath("no/such/dir/x"), photos.first()}
                                       << 1 << "The pages cannot be written to that place.";
    QTest::newRow("unwritable pdf") << QStringList{"--print-pdf", dir.filePath("no/such/dir/x.pdf"), photos.first()}
                                    << 1 << "The pages cannot be written to that place.";
    QTest::newRow("paper beyond 1000 of the unit")
        << QStringList{"--export-jpeg", out, "--paper", "99999999999999999999x5", photos.first()} << 2 << "too large";
    QTest::newRow("paper 5000x5000") << QStringList{"--export-jpeg", out, "--paper", "5000x5000", photos.first()} << 2
                                     << "Paper 5000x5000 is too large";
    QTest::newRow("photo 5000x5000") << QStringList{"--export-jpeg", out, "--photo-size", "5000x5000", photos.first()}
                                     << 2 << "Photo size 5000x5000 is too large";
    QTest::newRow("no images") << QStringList{"--export-jpeg", out} << 2 << "No images given";
    QTest::newRow("no output") << QStringList{"--landscape", photos.first()} << 2 << "--export-jpeg";
    QTest::newRow("bad quality") << QStringList{"--export-jpeg", out, "--quality", "120", photos.first()} << 2
                                 << "0 to 100";
    QTest::newRow("bad unit") << QStringList{"--export-jpeg", out, "--unit", "ft", photos.first()} << 2
                              << "Unknown unit ft";
    QTest::newRow("margins nan") << QStringList{"--print-pdf", pdf, "--margins", "nan", photos.first()} << 2
                                 << "Margins must be a number";
    QTest::newRow("margins 1e9") << QStringList{"--print-pdf", pdf, "--margins", "1e9", photos.first()} << 2
                                 << "leave no printable area";
    QTest::newRow("margins meeting") << QStringList{"--export-jpeg", out, "--paper", "A6", "--unit", "mm", "--margins",
                                                    "52.5", photos.first()}
                                     << 2 << "leave no printable area";
    QTest::newRow("copies into a PDF") << QStringList{"--print-pdf", pdf, "--copies", "2", photos.first()} << 2
                                       << "--copies";
    QTest::newRow("mistyped option") << QStringList{"--export-jepg", out, photos.first()} << 2 << "export-jepg";
    // A real JPEG whose header claims 60000 x 60000 pixels: refused unread.
    QFile giant(dir.filePath(QStringLiteral("giant.jpg")));
    QFile small(photos.first());
    small.open(QIODevice::ReadOnly);
    QByteArray bytes = small.readAll();
    const int sof = bytes.indexOf("\xFF\xC0");
    bytes.replace(sof + 5, 4, QByteArray("\xEA\x60\xEA\x60", 4));
    giant.open(QIODevice::WriteOnly);
    giant.write(bytes);
    giant.close();
    QTest::newRow("image header beyond the pixel cap") << QStringList{"--export-jpeg", out, giant.fileName()} << 1
                                                       << "60000 × 60000";
    QTest::newRow("page image beyond a JPEG's sides")
        << QStringList{"--export-jpeg", out, "--unit", "in", "--paper", "80x80", photos.first()} << 1 << "67733 × 67733";
    QTest::newRow("toolkit option") << QStringList{"--export-jpeg", out, "-platform", "xcb", photos.first()} << 2
                                    << "-platform";
    QTest::newRow("missing output folder")
        << QStringList{"--export-jpeg", dir.filePath("no/such/dir/x"), dir.filePath("none.jpg")} << 1 << "No such folder";
#ifdef Q_OS_UNIX
    const QString fifo = dir.filePath(QStringLiteral("pipe.pdf"));
    if (QProcess::execute(QStringLiteral("mkfifo"), {fifo}) == 0) {
        QTest::newRow("pdf into a pipe") << QStringList{"--print-pdf", fifo, photos.first()} << 1 << "Not a regular file";
        QTest::newRow("pipe as image") << QStringList{"--export-jpeg", out, fifo} << 1 << "Not a regular file";
    }
#endif
    QTest::newRow("photo too large") << QStringList{"--export-jpeg", out, "--unit", "mm", "--paper", "A6",
                                                    "--photo-size", "300x400", photos.first()}
                                     << 2 << "do not fit";
    const QString noProfile = dir.filePath(QStringLiteral("none.icc"));
    QTest::newRow("missing output profile") << QStringList{"--export-jpeg", out, "--output-profile", noProfile, photos.first()}
                                            << 2 << noProfile;
    QTest::newRow("photo as output profile") << QStringList{"--print-pdf", dir.filePath("fail.pdf"), "--output-profile",
                                                            photos.first(), photos.first()}
                                             << 2 << photos.first();
    QTest::newRow("unknown intent") << QStringList{"--export-jpeg", out, "--intent", "vivid", photos.first()} << 2 << "vivid";
    // Orders: each fault named by its line or value, nothing written.
    const QList<QPair<QByteArray, QString>> orders = {
        {"p0.jpg,100x150,2\nmissing.jpg,100x150,1\n", "Line 2 of"},
        {"p0.jpg,300x400,1\n", "does not fit the printable area"},
        {"p0.jpg,100x150,0\n", "whole number from 1 to 10000: 0"},
        {"p0.jpg,100x150,10001\n", "whole number from 1 to 10000: 10001"},
        {"p0.jpg,100x150,1.5\n", "whole number from 1 to 10000: 1.5"},
        {"p0.jpg 100x150 2\n", "is not PHOTO,WIDTHxHEIGHT,COUNT"},
        {"p0.jpg,10by15,2\n", "the size must be WIDTHxHEIGHT"},
        {"# nothing yet\n\n", "holds no prints"},
    };
    for (int i = 0; i < orders.size(); ++i) {
        const QString csv = dir.filePath(QStringLiteral("order%1.csv").arg(i));
        writeFile(csv, orders.at(i).first);
        QTest::addRow("order: %s", orders.at(i).second.toUtf8().constData())
            << QStringList{"--print-pdf", pdf, "--paper", "A4", "--unit", "mm", "--order", csv} << 2 << orders.at(i).second;
    }
    QTest::newRow("package without count") << QStringList{"--export-jpeg", out, "--package", "35x45", photos.first()}
                                           << 2 << "SIZE:COUNT";
    QTest::newRow("package of a missing photo")
        << QStringList{"--export-jpeg", out, "--package", "35x45:2", dir.filePath("none.jpg")} << 2 << "none.jpg";
    QTest::newRow("gutter below zero") << QStringList{"--export-jpeg", out, "--package", "35x45:2", "--gutter", "-1",
                                                      photos.first()}
                                       << 2 << "gutter";
    QTest::newRow("order file missing") << QStringList{"--export-jpeg", out, "--order", dir.filePath("none.csv")} << 2
                                        << "none.csv";
}

void TestCli::failures()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    const Run r = velmora(args);
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    // A file that cannot be read or written is told in a sentence first.
    if (code == 1)
        QVERIFY2(!r.err.startsWith(QLatin1String("Cannot")), qPrintable(r.err));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("fail001.jpg"))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("fail.pdf"))));
}

void TestCli::noDisplay()
{
    // A window without a display: a message and an exit code, no abort.
    const Run r = velmora({photos.first()});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(QLatin1String("display")), qPrintable(r.err));
}

void TestCli::outputOntoFullDisk_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    // The pages of a PDF clearly do not fit: refused before writing.
    QTest::newRow("pdf") << "--print-pdf" << "pages.pdf" << "no room on the disk";
    QTest::newRow("project") << "--save" << "pages.vm2" << "No space left on device";
}

void TestCli::outputOntoFullDisk()
{
    // The system's reason is told; the old file stays, nothing else is left.
    QFETCH(QString, option);
    QFETCH(QString, name);
    QFETCH(QString, reason);
    SmallDisk disk(16);
    if (!disk.mounted())
        QSKIP(qPrintable(disk.reason()));
    const QString file = disk.filePath(name);
    QVERIFY(writeFile(file, "old"));
    const Run r = velmora(QStringList{option, file} + photos);
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(reason), qPrintable(r.err));
    QCOMPARE(readFile(file), QByteArray("old"));
    QCOMPARE(disk.entries(), QStringList{name});
}

void TestCli::dateStampFromFileDate()
{
    // A photograph without a date of its own is stamped with its file's
    // date, as in the window: the stamp changes the page.
    // An upright photograph in an upright frame: the stamp is not turned.
    const QString upright = writePhoto(dir.path(), QStringLiteral("upright.jpg"), Qt::darkCyan, 800, 1200);
    auto exportWith = [this, &upright](const QString &name, bool stamp) {
        const QString config = dir.filePath(name + QStringLiteral("-config"));
        QDir().mkpath(config + QStringLiteral("/Tarnwick"));
        QFile conf(config + QStringLiteral("/Tarnwick/Velmora.conf"));
        if (!conf.open(QIODevice::WriteOnly))
            return QImage();
        conf.write(QByteArray("[Settings]\nPrintDateStamp=") + (stamp ? "true" : "false")
                   + "\nPositionDateStamp=2\nFontDateStamp=\"Sans,24,-1,5,75,0,0,0,0,0\"\n");
        conf.close();
        const QString base = dir.filePath(name);
        const Run r = velmora({QStringLiteral("--export-jpeg"), base, QStringLiteral("--paper"), QStringLiteral("A4"),
                               QStringLiteral("--unit"), QStringLiteral("mm"), QStringLiteral("--margins"),
                               QStringLiteral("5"), QStringLiteral("--layout"), QStringLiteral("1-200x287 mm"),
                               upright},
                              config);
        if (r.code != 0)
            qWarning() << r.err;
        return QImage(base + QStringLiteral("001.jpg"));
    };
    const QImage plain = exportWith(QStringLiteral("nostamp"), false);
    const QImage stamped = exportWith(QStringLiteral("stamp"), true);
    QVERIFY(!plain.isNull() && !stamped.isNull());
    // Position 2: bottom left, 5 mm inside the photograph (0.03 mm a pixel).
    const QRect corner(5 * 100 / 3 + 500 / 3, 9900 - 5 * 100 / 3 - 500 / 3 - 300, 1500, 300);
    int changed = 0;
    for (int y = corner.top(); y <= corner.bottom(); y += 2)
        for (int x = corner.left(); x <= corner.right(); x += 2)
            if (qAbs(qGray(plain.pixel(x, y)) - qGray(stamped.pixel(x, y))) > 60)
                ++changed;
    QVERIFY2(changed > 500, qPrintable(QString::number(changed)));
}

// Mean difference of two images of the same size, 0 to 255.
static double meanDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 255;
    qint64 sum = 0, n = 0;
    for (int y = 0; y < a.height(); y += 7)
        for (int x = 0; x < a.width(); x += 7, ++n)
            sum += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return double(sum) / n;
}

void TestCli::savedProjectOutlivesItsPhotos()
{
    // Saved with --save, the photographs deleted: the project still exports
    // the pages of the direct export, prints, lists as JSON and saves again.
    const QString folder = dir.filePath(QStringLiteral("order"));
    QDir().mkpath(folder);
    QStringList copies;
    for (int i = 0; i < 3; ++i)
        copies << writePhoto(folder, QStringLiteral("o%1.jpg").arg(i), QColor::fromHsv(i * 100, 180, 220));
    const QStringList layout{"--paper", "A4", "--unit", "mm", "--photo-size", "100x140"};
    const QString project = dir.filePath(QStringLiteral("order"));
    Run r = velmora(QStringList{"--save", project} + layout + copies);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.out.trimmed(), project + QStringLiteral(".vm2"));
    r = velmora(QStringList{"--export-jpeg", dir.filePath("direct")} + layout + copies);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QByteArray firstPhoto = readFile(copies.first());
    QVERIFY(QDir(folder).removeRecursively());

    r = velmora({"--export-jpeg", dir.filePath("kept"), project + ".vm2"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QImage direct(dir.filePath("direct001.jpg")), kept(dir.filePath("kept001.jpg"));
    QVERIFY2(meanDifference(direct, kept) < 1.0, qPrintable(QString::number(meanDifference(direct, kept))));
    QVERIFY(!QFile::exists(dir.filePath("kept002.jpg")));

    r = velmora({"--print-pdf", dir.filePath("kept.pdf"), project + ".vm2"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.out.trimmed().split('\n').size(), 1);

    // Saved again from the project alone: the copies come along.
    r = velmora({"--save", dir.filePath("again.vm2"), project + ".vm2"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    r = velmora({"--list", dir.filePath("again.vm2")});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QJsonArray pages = json.value("pages").toArray();
    QCOMPARE(pages.size(), 1);
    const QJsonArray frames = pages.first().toObject().value("frames").toArray();
    QCOMPARE(frames.size(), 4);
    QCOMPARE(frames.first().toObject().value("file").toString(), copies.first());
    QVERIFY(frames.first().toObject().value("crop").toObject().value("width").toInt() > 0);
    QCOMPARE(json.value("images").toArray().size(), 3);
    int photos = 0;
    for (const QJsonValue &e : json.value("embedded").toArray())
        photos += e.toObject().value("size").toInt() > 1000 ? 1 : 0;
    QCOMPARE(photos, 3);
    QCOMPARE(json.value("pageSetup").toObject().value("unit").toString(), QStringLiteral("mm"));

    // A copy damaged beyond reading, with no file on disk: the photograph is
    // named and nothing is printed blank.
    QByteArray broken = readFile(project + ".vm2");
    const int at = broken.indexOf(firstPhoto);
    QVERIFY(at > 0);
    broken.replace(at, 64, QByteArray(64, 'x'));
    QVERIFY(writeFile(dir.filePath("broken.vm2"), broken));
    r = velmora({"--export-jpeg", dir.filePath("broken"), dir.filePath("broken.vm2")});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(copies.first()), qPrintable(r.err));
    QVERIFY(!QFile::exists(dir.filePath("broken001.jpg")));
}

void TestCli::savedRowsAreReadFromThePhotos()
{
    // A photograph turned by its EXIF block, with a date taken, in a folder
    // whose name looks like a project's: saved from the command line, its
    // row lists what the window would save, and it exports as an image.
    const QString folder = dir.filePath(QStringLiteral("old.vm2.d"));
    QDir().mkpath(folder);
    const QString photo = QDir(folder).filePath(QStringLiteral("turned.jpg"));
    QFile file(photo);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(makeJpeg(600, 400, makeTiff(true, {orientationEntry(6)}, {dateEntry(0x9003, "2019:06:24 09:41:07")})));
    file.close();
    const QString project = dir.filePath(QStringLiteral("turned.vm2"));
    Run r = velmora({"--save", project, "--paper", "A4", "--unit", "mm", "--photo-size", "100x140", photo});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    r = velmora({"--list", project});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QJsonObject row = QJsonDocument::fromJson(r.out.toUtf8()).object().value("images").toArray().first().toObject();
    QCOMPARE(row.value("file").toString(), photo);
    QCOMPARE(row.value("width").toInt(), 400);
    QCOMPARE(row.value("height").toInt(), 600);
    QCOMPARE(row.value("rotation").toInt(), 90);
    QCOMPARE(row.value("uses").toInt(), 1);
    QCOMPARE(row.value("shotTime").toString(), QStringLiteral("2019-06-24T09:41:07"));
    ProjectContents contents;
    const Outcome read = ProjectFile::read(project, contents, 0);
    QVERIFY2(read, qPrintable(read.detail()));
    QCOMPARE(int(contents.rows.first().state), int(IconItem::State::Decoded));

    r = velmora({"--export-jpeg", dir.filePath("turned"), "--photo-size", "100x140", photo});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(QFile::exists(dir.filePath("turned001.jpg")));
}

void TestCli::orders_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("sheets");
    QTest::addColumn<PrintCounts>("counts");
    // The photographs relative to the order's folder, names with spaces
    // and commas, comments and blank lines.
    const QString folder = dir.filePath(QStringLiteral("shop"));
    QDir().mkpath(folder);
    writePhoto(folder, QStringLiteral("wed, ding.jpg"), Qt::red);
    writePhoto(folder, QStringLiteral("guest 1.jpg"), Qt::blue, 600, 900);
    const QString csv = QDir(folder).filePath(QStringLiteral("order.csv"));
    writeFile(csv, "# wedding\nwed, ding.jpg,100x150,5\n\nguest 1.jpg, 150x100 , 3\n");
    const PrintCounts shop{{QDir(folder).filePath("wed, ding.jpg"), 5}, {QDir(folder).filePath("guest 1.jpg"), 3}};
    // A4 without margins holds three 10x15 a sheet.
    QTest::newRow("order on A4") << QStringList{"--paper", "A4", "--unit", "mm", "--borderless", "--order", csv} << 3
                                 << shop;
    // 3 x 3 passport photos on 110 x 140 mm with a 2 mm gutter, and on
    // 4.3 x 5.4 in with 1 mm: 26 in 3 sheets.
    QTest::newRow("package") << QStringList{"--paper", "110x140", "--unit", "mm", "--borderless", "--package",
                                            "35x45:9", photos.at(1)}
                             << 1 << PrintCounts{{photos.at(1), 9}};
    QTest::newRow("package, inches, small gutter")
        << QStringList{"--paper", "4.5x5.6", "--unit", "in", "--margins", "0.1", "--gutter", "0.04", "--package",
                       "1.38x1.77:12,1.38x1.77:1", photos.at(2), photos.at(3)}
        << 3 << PrintCounts{{photos.at(2), 13}, {photos.at(3), 13}};
}

void TestCli::orders()
{
    QFETCH(QStringList, args);
    QFETCH(int, sheets);
    QFETCH(PrintCounts, counts);
    const QString project = dir.filePath(QStringLiteral("order.vm2"));
    const QString pdf = dir.filePath(QStringLiteral("order.pdf"));
    Run r = velmora(QStringList{"--save", project, "--print-pdf", pdf} + args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    r = velmora({"--list", project});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QJsonArray pages = QJsonDocument::fromJson(r.out.toUtf8()).object().value("pages").toArray();
    QCOMPARE(pages.size(), sheets);
    if (!pdfInfo(pdf, QStringLiteral("Pages")).isEmpty())
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")).toInt(), sheets);
    QHash<QString, int> placed;
    for (const QJsonValue &page : pages) {
        const QJsonObject margins = page["margins"].toObject();
        const QRect area(margins["left"].toInt(), margins["top"].toInt(),
                         page["width"].toInt() - margins["left"].toInt() - margins["right"].toInt(),
                         page["height"].toInt() - margins["top"].toInt() - margins["bottom"].toInt());
        for (const QJsonValue &frame : page["frames"].toArray()) {
            const QJsonObject rect = frame["rect"].toObject();
            const QRect r(rect["x"].toInt(), rect["y"].toInt(), rect["width"].toInt(), rect["height"].toInt());
            QVERIFY(area.contains(r));
            ++placed[frame["file"].toString()];
            // The photograph lies across a frame of the other shape, and
            // its crop has the frame's shape.
            const QJsonObject crop = frame["crop"].toObject();
            const bool across = (frame["imageWidth"].toInt() > frame["imageHeight"].toInt()) != (r.width() > r.height());
            QCOMPARE(frame["turned"].toBool(), across);
            const double frameAspect = across ? double(r.height()) / r.width() : double(r.width()) / r.height();
            QVERIFY(qAbs(crop["width"].toDouble() / crop["height"].toDouble() - frameAspect) < 0.01);
        }
    }
    QCOMPARE(placed, counts);
}

void TestCli::listDamagedProject()
{
    QFile bad(dir.filePath(QStringLiteral("bad.vm2")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(64, '\x01'));
    bad.close();
    const Run r = velmora({"--list", bad.fileName()});
    QVERIFY(r.code > 0);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.startsWith("The file is not a Velmora project"), qPrintable(r.err));
    QVERIFY2(r.err.contains("Cannot read file"), qPrintable(r.err));
}

void TestCli::saveSyncsBeforeRename()
{
    // Saved over an existing project, the new file's bytes reach the disk
    // before it takes the old one's name, and the folder follows: seen in
    // the program's own system calls.
    if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty())
        QSKIP("strace is not installed");
    const QString project = dir.filePath(QStringLiteral("synced.vm2"));
    QVERIFY(velmora({"--save", project, photos.first()}).code == 0);
    const QString trace = dir.filePath(QStringLiteral("save.trace"));
    const Run r = runWithoutDisplay(QStringLiteral("strace"),
                                    {"-f", "-qq", "-o", trace, "-e", "trace=fsync,fdatasync,rename,renameat,renameat2",
                                     QStringLiteral(VELMORA_BIN_DIR "/velmora"), "--save", project, photos.first()});
    if (r.code != 0 && r.err.contains(QLatin1String("ptrace")))
        QSKIP("tracing is not allowed here");
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList calls = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    const QString target = QLatin1Char('"') + project + QStringLiteral("\")");
    const auto called = [](const QString &line, const char *name) {
        return line.contains(QLatin1Char(' ') + QLatin1String(name) + QLatin1Char('(')) && line.endsWith(QLatin1String("= 0"));
    };
    int renamed = -1;
    for (int i = 0; i < calls.size() && renamed < 0; ++i)
        if (calls.at(i).contains(QLatin1String("rename")) && calls.at(i).contains(target))
            renamed = i;
    QVERIFY2(renamed >= 0, qPrintable(calls.join('\n')));
    bool syncedBefore = false, syncedAfter = false;
    for (int i = 0; i < calls.size(); ++i) {
        const bool synced = called(calls.at(i), "fdatasync") || called(calls.at(i), "fsync");
        (i < renamed ? syncedBefore : syncedAfter) |= synced;
    }
    QVERIFY2(syncedBefore && syncedAfter, qPrintable(calls.join('\n')));
}

void TestCli::damagedPhotoWarned()
{
    // A JPEG cut at two thirds is printed as far as it goes, and named.
    QFile whole(photos.first());
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const QString cut = dir.filePath(QStringLiteral("cut.jpg"));
    QFile file(cut);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.left(bytes.size() * 2 / 3));
    file.close();
    const Run r = velmora({QStringLiteral("--export-jpeg"), dir.filePath(QStringLiteral("cut_")), cut});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.err.contains(QLatin1String("Warning: ")) && r.err.contains(cut) && r.err.contains(QLatin1String("damaged")),
             qPrintable(r.err));
}

void TestCli::emptyPagesLeftOut()
{
    // A project of a page of photographs and two empty pages: only the first
    // is written, unless --empty-pages asks for all.
    Document doc;
    arrangeDocument(doc, dir.path(), 1, a4Layout(1, 1));
    doc.adopt(doc.pages() + QVector<Page>{doc.templatePage, doc.templatePage});
    const QString project = dir.filePath(QStringLiteral("sparse.vm2"));
    const Outcome saved = ProjectFile::write(project, ProjectFile::gather(FormatSettings(), {}, doc.pages()), doc.source);
    QVERIFY2(saved, qPrintable(saved.detail()));
    for (const bool all : {false, true}) {
        QStringList args{QStringLiteral("--export-jpeg"), dir.filePath(all ? "all" : "filled"), project};
        if (all)
            args.prepend(QStringLiteral("--empty-pages"));
        const Run r = velmora(args);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(r.out.trimmed().split('\n').size(), all ? 3 : 1);
    }
}

void TestCli::onlyTheChosenLayoutIsRead()
{
    // The layout files of the paper are read when one is named or to list
    // them, not on every run: a damaged one bothers only a run that asks
    // for it.
    const QString home = dir.filePath(QStringLiteral("layouts-home"));
    const QString folder = home + QStringLiteral("/Documents/Velmora/A4/");
    QVERIFY(QDir().mkpath(folder));
    QFile dirs(home + QStringLiteral("/user-dirs.dirs"));
    QVERIFY(dirs.open(QIODevice::WriteOnly));
    dirs.write(QStringLiteral("XDG_DOCUMENTS_DIR=\"%1/Documents\"\n").arg(home).toUtf8());
    dirs.close();
    QVERIFY(LayoutFile::write(folder + QStringLiteral("two.vly"), QStringLiteral("A4"), 21000, 29700,
                               {QRectF(1000, 1000, 9000, 13000), QRectF(1000, 15000, 9000, 13000)}));
    QVERIFY(writeLayoutBytes(folder + QStringLiteral("off.vly"), QStringLiteral("A4"), QSize(21000, 29700),
                             {QRect(20000, 1000, 5000, 5000)}));
    const QStringList a4{QStringLiteral("--paper"), QStringLiteral("A4"), QStringLiteral("--unit"), QStringLiteral("mm")};

    const Run plain = velmora(QStringList{QStringLiteral("--export-jpeg"), dir.filePath(QStringLiteral("plain_"))} + a4 + photos, home);
    QVERIFY2(plain.code == 0 && !plain.err.contains(QLatin1String("off.vly")), qPrintable(plain.err));
    const Run two = velmora(QStringList{QStringLiteral("--export-jpeg"), dir.filePath(QStringLiteral("two_")),
                                        QStringLiteral("--layout"), QStringLiteral("two.vly")} + a4 + photos, home);
    QVERIFY2(two.code == 0 && !two.err.contains(QLatin1String("off.vly")), qPrintable(two.err));
    QCOMPARE(two.out.trimmed().split(QLatin1Char('\n')).size(), 3);
    const Run damaged = velmora(QStringList{QStringLiteral("--export-jpeg"), dir.filePath(QStringLiteral("off_")),
                                            QStringLiteral("--layout"), QStringLiteral("off.vly")} + a4 + photos, home);
    QCOMPARE(damaged.code, 2);
    QVERIFY2(damaged.err.contains(QLatin1String("off.vly")) && damaged.err.contains(QLatin1String("beyond the paper")),
             qPrintable(damaged.err));
    // A wrong name lists every layout the paper offers, the grids of the
    // stored photo sizes and the usable files.
    const Run wrong = velmora(QStringList{QStringLiteral("--export-jpeg"), dir.filePath(QStringLiteral("wrong_")),
                                          QStringLiteral("--layout"), QStringLiteral("nope")} + a4 + photos, home);
    QCOMPARE(wrong.code, 2);
    const QStringList listed = wrong.err.split(QLatin1Char('\n'));
    for (const QString &name : {QStringLiteral("1-200x287 mm"), QStringLiteral("3-100x150 mm"), QStringLiteral("two.vly")})
        QVERIFY2(listed.contains(name), qPrintable(wrong.err));
    QVERIFY(!listed.contains(QStringLiteral("off.vly")));
}

void TestCli::newerFormats_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("HEIC") << QByteArray("heic");
    QTest::newRow("AVIF") << QByteArray("avif");
    QTest::newRow("JPEG XL") << QByteArray("jxl");
}

// A copy of a photograph in a format of the phones and the web is listed in
// its folder beside the JPEG, and exports as the JPEG does.
void TestCli::newerFormats()
{
    QFETCH(QByteArray, format);
    if (!QImageWriter::supportedImageFormats().contains(format))
        QSKIP("no image writer for this format here (Debian package kimageformat-plugins)");
    const QString folder = dir.filePath(QStringLiteral("newer-") + QString::fromLatin1(format));
    QDir().mkpath(folder);
    const QImage picture = testPicture(600, 400, QColor(40, 120, 200), TopBand | CentreSquare);
    const QString jpeg = saveTestJpeg(picture, QDir(folder).filePath(QStringLiteral("photo.jpg")), 95);
    const QString copy = QDir(folder).filePath(QStringLiteral("photo.") + QString::fromLatin1(format));
    QImageWriter writer(copy, format);
    writer.setQuality(95);
    QVERIFY2(writer.write(picture), qPrintable(writer.errorString()));

    IconsModel model(ImageListRole::Folder);
    model.setDirPath(folder);
    QCOMPARE(model.itemCount(), 2);
    QVERIFY(model.indexOfFileName(copy) >= 0);

    const QStringList options{QStringLiteral("--paper"), QStringLiteral("A6"), QStringLiteral("--photo-size"),
                              QStringLiteral("90x130"), QStringLiteral("--unit"), QStringLiteral("mm")};
    Run r = velmora(QStringList{QStringLiteral("--export-jpeg"), QDir(folder).filePath(QStringLiteral("copy"))}
                    + options + QStringList(copy));
    QVERIFY2(r.code == 0, qPrintable(r.err));
    r = velmora(QStringList{QStringLiteral("--export-jpeg"), QDir(folder).filePath(QStringLiteral("jpeg"))} + options
                + QStringList(jpeg));
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QImage fromCopy(QDir(folder).filePath(QStringLiteral("copy001.jpg")));
    const QImage fromJpeg(QDir(folder).filePath(QStringLiteral("jpeg001.jpg")));
    QVERIFY(!fromCopy.isNull() && fromCopy.size() == fromJpeg.size());
    const double difference = meanDifference(fromCopy, fromJpeg);
    QVERIFY2(difference < 3.0, qPrintable(QString::number(difference)));
}

void TestCli::dateTaken_data()
{
    QTest::addColumn<QString>("encoder");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("HEIC") << QStringLiteral("heif-enc") << QStringLiteral("heic");
    QTest::newRow("JPEG XL") << QStringLiteral("cjxl") << QStringLiteral("jxl");
    QTest::newRow("DNG") << QString() << QStringLiteral("dng");
}

// A HEIC or JPEG XL made from a JPEG whose EXIF block says it was taken on a
// day and is to be turned, and a DNG of that day: each is listed in its
// folder and prints; the date is the row's, and the picture is shown as the
// decoder gives it, never turned a second time by the EXIF orientation.
void TestCli::dateTaken()
{
    QFETCH(QString, encoder);
    QFETCH(QString, suffix);
    const QString program = encoder.isEmpty() ? QString() : QStandardPaths::findExecutable(encoder);
    if ((!encoder.isEmpty() && program.isEmpty()) || !QImageReader::supportedImageFormats().contains(suffix.toLatin1()))
        QSKIP("the encoder (Debian packages libheif-examples, libjxl-tools) or the reader is missing");
    const QString folder = dir.filePath(QStringLiteral("dated-") + suffix);
    QVERIFY(QDir().mkpath(folder));
    const QString jpeg = dir.filePath(QStringLiteral("dated.jpg"));
    QVERIFY(writeFile(jpeg, makeJpeg(600, 400, makeTiff(true, {orientationEntry(6)},
                                                                {dateEntry(0x9003, "2021:07:14 18:30:05")}))));
    const QString copy = QDir(folder).filePath(QStringLiteral("dated.") + suffix);
    if (encoder.isEmpty())
        QVERIFY(writeFile(copy, makeDng("2021:07:14 18:30:05")));
    else
        QCOMPARE(QProcess::execute(program, suffix == QLatin1String("jxl") ? QStringList{jpeg, copy}
                                                                           : QStringList{QStringLiteral("-o"), copy, jpeg}),
                 0);
    IconsModel model(ImageListRole::Folder);
    model.setDirPath(folder);
    QCOMPARE(model.indexOfFileName(copy), 0);
    const QSize decoded = QImageReader(copy).read().size();
    QVERIFY(decoded.isValid());
    const QString project = QDir(folder).filePath(QStringLiteral("dated.vm2"));
    Run r = velmora({"--save", project, "--paper", "A4", "--unit", "mm", "--photo-size", "100x140", copy});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    r = velmora({"--list", project});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QJsonObject row = QJsonDocument::fromJson(r.out.toUtf8()).object().value("images").toArray().first().toObject();
    QCOMPARE(row.value("shotTime").toString(), QStringLiteral("2021-07-14T18:30:05"));
    QCOMPARE(row.value("rotation").toInt(), 0);
    QCOMPARE(QSize(row.value("width").toInt(), row.value("height").toInt()), decoded);
    r = velmora({"--export-jpeg", QDir(folder).filePath(QStringLiteral("page")), "--paper", "A6", "--unit", "mm", copy});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(!QImage(QDir(folder).filePath(QStringLiteral("page001.jpg"))).isNull());
}

QTEST_MAIN(TestCli)
#include "test_cli.moc"
