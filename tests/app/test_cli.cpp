// The command line run as a process on generated photographs: JPEG files and
// PDFs written without a window, the options, and clear failures.
#include "OutputFixture.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void helpAndVersion();
    void noDisplay();
    void pdfOntoFullDisk();
    void exportJpeg();
    void exportOptions_data();
    void exportOptions();
    void printPdf();
    void failures_data();
    void failures();
    void settingsUntouched();
    void dateStampFromFileDate();

private:
    struct Run
    {
        int code = -1;
        QString out;
        QString err;
    };
    // Runs the program; `configHome`, when given, holds its settings store.
    Run velmora(const QStringList &args, const QString &configHome = QString());
    QTemporaryDir dir;
    QStringList photos;
};

TestCli::Run TestCli::velmora(const QStringList &args, const QString &configHome)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!configHome.isEmpty())
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.remove(QStringLiteral("QT_QPA_PLATFORM")); // the program picks its own
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":99999"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VELMORA_BIN_DIR "/velmora"), args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

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

void TestCli::printPdf()
{
    const QString file = dir.filePath(QStringLiteral("pages.pdf"));
    const Run r = velmora(QStringList{QStringLiteral("--print-pdf"), file, QStringLiteral("--paper"), QStringLiteral("A4"),
                                      QStringLiteral("--unit"), QStringLiteral("mm"), QStringLiteral("--landscape"),
                                      QStringLiteral("--photo-size"), QStringLiteral("100x140")}
                          + photos);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    // Two upright frames of 100 x 140 mm on landscape A4: three pages.
    QCOMPARE(r.out.trimmed().split(QLatin1Char('\n')).size(), 3);
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        QSKIP("pdfinfo is not installed");
    QCOMPARE(pdfInfo(file, QStringLiteral("Pages")), QStringLiteral("3"));
    const QString size = pdfInfo(file, QStringLiteral("Page size"));
    QVERIFY2(size.startsWith(QLatin1String("84")) && size.contains(QLatin1String("x 595")), qPrintable(size));
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
    QTest::newRow("unreadable image") << QStringList{"--export-jpeg", out, bad.fileName()} << 1 << "Cannot read file";
    QTest::newRow("missing image") << QStringList{"--export-jpeg", out, dir.filePath("none.jpg")} << 1
                                   << "No such file";
    QTest::newRow("folder for an image") << QStringList{"--export-jpeg", out, dir.path()} << 1 << "It is a folder";
    QTest::newRow("unknown layout") << QStringList{"--export-jpeg", out, "--layout", "nothing", photos.first()} << 2
                                    << "Unknown layout nothing";
    QTest::newRow("unknown paper") << QStringList{"--export-jpeg", out, "--paper", "Z9", photos.first()} << 2
                                   << "Unknown paper Z9";
    QTest::newRow("unwritable target") << QStringList{"--export-jpeg", dir.filePath("no/such/dir/x"), photos.first()}
                                       << 1 << "Cannot write file";
    QTest::newRow("unwritable pdf") << QStringList{"--print-pdf", dir.filePath("no/such/dir/x.pdf"), photos.first()}
                                    << 1 << "Cannot write file";
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
    QTest::newRow("margins inf") << QStringList{"--print-pdf", pdf, "--margins", "inf", photos.first()} << 2
                                 << "Margins must be a number";
    QTest::newRow("margins 1e9") << QStringList{"--print-pdf", pdf, "--margins", "1e9", photos.first()} << 2
                                 << "leave no printable area";
    QTest::newRow("margins meeting") << QStringList{"--export-jpeg", out, "--paper", "A6", "--unit", "mm", "--margins",
                                                    "52.5", photos.first()}
                                     << 2 << "leave no printable area";
    QTest::newRow("copies into a PDF") << QStringList{"--print-pdf", pdf, "--copies", "2", photos.first()} << 2
                                       << "--copies";
    QTest::newRow("copies of JPEG files") << QStringList{"--export-jpeg", out, "--copies", "2", photos.first()} << 2
                                          << "--copies";
    QTest::newRow("mistyped option") << QStringList{"--export-jepg", out, photos.first()} << 2 << "export-jepg";
    QTest::newRow("photo too large") << QStringList{"--export-jpeg", out, "--unit", "mm", "--paper", "A6",
                                                    "--photo-size", "300x400", photos.first()}
                                     << 2 << "do not fit";
}

void TestCli::failures()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    const Run r = velmora(args);
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
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

void TestCli::pdfOntoFullDisk()
{
    SmallDisk disk(16);
    if (!disk.mounted())
        QSKIP(qPrintable(disk.reason()));
    const QString file = disk.filePath(QStringLiteral("pages.pdf"));
    QVERIFY(writeFile(file, "old"));
    const Run r = velmora(QStringList{QStringLiteral("--print-pdf"), file} + photos);
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(QLatin1String("No space left on device")), qPrintable(r.err));
    QCOMPARE(readFile(file), QByteArray("old"));
    QCOMPARE(disk.entries(), QStringList{QStringLiteral("pages.pdf")});
}

void TestCli::settingsUntouched()
{
    // Nothing is written to the settings store.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QVERIFY(!QFile::exists(config + QStringLiteral("/Tarnwick/Velmora.conf")));
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

QTEST_MAIN(TestCli)
#include "test_cli.moc"
