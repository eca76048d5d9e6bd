#include "library/Exif.h"
#include "tests/library/ExifJpeg.h"

#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <vector>

class TestExif : public QObject
{
    Q_OBJECT

    static QString dataDir() { return QStringLiteral(VELMORA_TESTDATA "/exif/"); }
    static QDateTime when(const char *text)
    {
        return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy:MM:dd HH:mm:ss"));
    }
    static int readExact(const QByteArray &bytes, QDateTime &date)
    {
        // An exact-size copy, so that the address checker sees a read past the end.
        const std::vector<char> copy(bytes.begin(), bytes.end());
        return exifRead(copy.data(), qint64(copy.size()), date);
    }

private Q_SLOTS:
    void segmentsWalkedByLength_data()
    {
        QTest::addColumn<QByteArray>("before");
        QByteArray ffs(300, char(0xFF));
        QByteArray many;
        for (int i = 0; i < 8; ++i)
            many += segment(0xE0 + (i % 2 ? 2 : 0), QByteArray(40, char(0xFF)));
        QTest::newRow("photoshop block of 0xFF") << segment(0xED, QByteArray("Photoshop 3.0\0", 14) + ffs);
        QTest::newRow("eight APP segments") << many;
        QTest::newRow("fill bytes") << (segment(0xE0, "JFIF") + QByteArray(5, char(0xFF)));
        QTest::newRow("XMP APP1 first") << segment(0xE1, QByteArray("http://ns.adobe.com/xap/1.0/\0<x/>", 33));
    }
    void segmentsWalkedByLength()
    {
        QFETCH(QByteArray, before);
        const QByteArray tiff = makeTiff(false, {orientationEntry(3), dateEntry(0x0132, "2015:07:24 22:52:15")});
        QDateTime date;
        QCOMPARE(readExact(makeJpeg(16, 16, tiff, before), date), 180);
        QCOMPARE(date, when("2015:07:24 22:52:15"));
    }
    // Every sample photo against what exiftool reads from it.
    void samples_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QDateTime>("date");
        QFile tsv(dataDir() + "expected.tsv");
        QVERIFY(tsv.open(QIODevice::ReadOnly | QIODevice::Text));
        tsv.readLine();
        int rows = 0;
        while (!tsv.atEnd()) {
            const QStringList c = QString::fromUtf8(tsv.readLine()).chopped(1).split(QLatin1Char('\t'));
            if (c.size() < 5)
                continue;
            const int o = c[2].toInt();
            const int rotation = o == 3 ? 180 : o == 6 ? 90 : o == 8 ? 270 : 0;
            const QString text = !c[4].isEmpty() ? c[4] : c[3];
            const QDateTime date = text.isEmpty() ? QDateTime() : when(text.toLatin1().constData());
            QVERIFY(text.isEmpty() || date.isValid());
            QTest::newRow(qPrintable(c[0])) << dataDir() + c[0] << rotation << date;
            ++rows;
        }
        QVERIFY(rows >= 60);
    }
    void samples()
    {
        QFETCH(QString, path);
        QFETCH(int, rotation);
        QFETCH(QDateTime, date);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QDateTime read;
        QCOMPARE(readExact(f.readAll(), read), rotation);
        QCOMPARE(read, date);
    }

    // Directories and texts pointing anywhere: the walk ends with what it found.
    void hostileOffsets()
    {
        QDateTime date;
        // The sub-directory pointer leads back to IFD0: no endless walk.
        QByteArray tiff = makeTiff(true, {orientationEntry(6), {0x8769, 4, 1, 8, {}}});
        QCOMPARE(readExact(makeJpeg(8, 8, tiff), date), 90);
        // The sub-directory and a date text far outside the data.
        tiff = makeTiff(false, {orientationEntry(8), {0x0132, 2, 20, 0x7FFFFFF0, {}}, {0x8769, 4, 1, 0xFFFFFFF0, {}}});
        QCOMPARE(readExact(makeJpeg(8, 8, tiff), date), 270);
        QVERIFY(!date.isValid());
        // IFD0 outside the data, and an entry count larger than the data.
        QByteArray header("II*\0\xF0\xFF\xFF\x7F", 8);
        QCOMPARE(readExact(QByteArray("\xFF\xD8", 2) + segment(0xE1, QByteArray("Exif\0\0", 6) + header), date), 0);
        QByteArray big("MM\0*\0\0\0\x08\xFF\xFF", 10);
        big += QByteArray("\x01\x12\0\x03\0\0\0\x01\0\x06\0\0", 12);
        QCOMPARE(readExact(QByteArray("\xFF\xD8", 2) + segment(0xE1, QByteArray("Exif\0\0", 6) + big), date), 90);
    }

    // Every sample cut short and damaged at random: the reader must end,
    // give a quarter turn and stay inside the data (checked under ASan).
    void damagedSamples()
    {
        QRandomGenerator random(20240611);
        QDirIterator it(dataDir(), {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")}, QDir::Files,
                        QDirIterator::Subdirectories);
        int files = 0;
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray whole = f.read(256 * 1024);
            ++files;
            QDateTime date;
            const int step = qMax(1, whole.size() / 400);
            for (int cut = 0; cut < whole.size(); cut += step) {
                const int r = readExact(whole.left(cut), date);
                QVERIFY(r == 0 || r == 90 || r == 180 || r == 270);
            }
            for (int round = 0; round < 200; ++round) {
                QByteArray broken = whole.left(qMin(whole.size(), 70000));
                for (int k = 0; k < 8 && !broken.isEmpty(); ++k)
                    broken[random.bounded(qMin(broken.size(), 4096))] = char(random.bounded(256));
                const int r = readExact(broken, date);
                QVERIFY(r == 0 || r == 90 || r == 180 || r == 270);
            }
        }
        QVERIFY(files >= 60);
    }
};

QTEST_GUILESS_MAIN(TestExif)
#include "test_exif.moc"
