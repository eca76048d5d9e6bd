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
    void orientation_data()
    {
        QTest::addColumn<bool>("intel");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("rotation");
        for (bool intel : {true, false}) {
            const char *order = intel ? "II" : "MM";
            const int pairs[][2] = {{1, 0}, {2, 0}, {3, 180}, {5, 0}, {6, 90}, {7, 0}, {8, 270}, {9, 0}};
            for (const auto &p : pairs)
                QTest::addRow("%s %d", order, p[0]) << intel << p[0] << p[1];
        }
    }
    void orientation()
    {
        QFETCH(bool, intel);
        QFETCH(int, orientation);
        QFETCH(int, rotation);
        const QByteArray jpeg = makeJpeg(32, 24, makeTiff(intel, {orientationEntry(orientation)}));
        QDateTime date = when("2001:02:03 04:05:06");
        QCOMPARE(readExact(jpeg, date), rotation);
        QCOMPARE(date, when("2001:02:03 04:05:06"));
    }

    void dates_data()
    {
        QTest::addColumn<bool>("intel");
        QTest::addColumn<QByteArray>("tiff");
        QTest::addColumn<QDateTime>("expected");
        QTest::addColumn<int>("rotation");
        for (bool intel : {true, false}) {
            const char *order = intel ? "II" : "MM";
            QTest::addRow("%s original beats DateTime", order)
                << intel
                << makeTiff(intel, {orientationEntry(6), dateEntry(0x0132, "2010:01:01 10:00:00")},
                            {dateEntry(0x9003, "2009:06:24 09:41:07")})
                << when("2009:06:24 09:41:07") << 90;
            QTest::addRow("%s DateTime alone", order)
                << intel << makeTiff(intel, {dateEntry(0x0132, "2010:01:01 10:00:00")})
                << when("2010:01:01 10:00:00") << 0;
            QTest::addRow("%s original last of the sub-directory", order)
                << intel
                << makeTiff(intel, {orientationEntry(8)},
                            {{0x829A, 5, 1, 0, QByteArray(8, '\1')},
                             {0x9000, 7, 4, 0x30323230, {}},
                             dateEntry(0x9003, "2016:05:04 03:02:01")})
                << when("2016:05:04 03:02:01") << 270;
            // A count of 18 cannot hold a whole date: ignored.
            QTest::addRow("%s count 18", order)
                << intel
                << makeTiff(intel, {{0x0132, 2, 18, 0, QByteArray("2010:01:01 10:00:0")}})
                << when("1999:12:31 23:59:59") << 0;
            // A date tag with another type is not a date.
            QTest::addRow("%s wrong type", order)
                << intel << makeTiff(intel, {{0x0132, 7, 20, 0, QByteArray("2010:01:01 10:00:00", 20)}})
                << when("1999:12:31 23:59:59") << 0;
            // A text that is not a date still replaces the date: it becomes invalid.
            QTest::addRow("%s unparsable", order)
                << intel << makeTiff(intel, {dateEntry(0x0132, "0000:00:00 00:00:00")}) << QDateTime() << 0;
        }
    }
    void dates()
    {
        QFETCH(QByteArray, tiff);
        QFETCH(QDateTime, expected);
        QFETCH(int, rotation);
        QDateTime date = when("1999:12:31 23:59:59");
        QCOMPARE(readExact(makeJpeg(16, 16, tiff), date), rotation);
        QCOMPARE(date, expected);
    }

    // Editors put fill bytes before markers and several APP segments before
    // the EXIF one, some full of 0xFF bytes.
    void embeddedThumbnail_data()
    {
        QTest::addColumn<bool>("intel");
        QTest::newRow("Intel order") << true;
        QTest::newRow("Motorola order") << false;
    }

    // The camera's small picture is found in the second directory; one that
    // does not lie wholly inside the data, or none, gives nothing.
    void embeddedThumbnail()
    {
        QFETCH(bool, intel);
        const QByteArray thumbnail = makeJpeg(160, 120);
        const QByteArray jpeg = makeJpeg(640, 480, makeTiffWithThumbnail(intel, thumbnail, 6));
        QCOMPARE(exifThumbnail(jpeg), thumbnail);
        QDateTime date;
        QCOMPARE(exifRead(jpeg, date), 90);
        const int at = jpeg.indexOf(thumbnail);
        QVERIFY(exifThumbnail(jpeg.left(at + thumbnail.size() - 1)).isEmpty());
        QVERIFY(exifThumbnail(makeJpeg(640, 480, makeTiff(intel, {orientationEntry(6)}))).isEmpty());
        QByteArray notJpeg = jpeg;
        notJpeg[at] = 'x';
        QVERIFY(exifThumbnail(notJpeg).isEmpty());
    }

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

    // EXIF after the start of scan belongs to nobody.
    void stopsAtStartOfScan()
    {
        QByteArray jpeg = makeJpeg(16, 16);
        const int eoi = jpeg.lastIndexOf("\xFF\xD9");
        jpeg.insert(eoi, segment(0xE1, QByteArray("Exif\0\0", 6) + makeTiff(true, {orientationEntry(6)})));
        QDateTime date;
        QCOMPARE(readExact(jpeg, date), 0);
    }

    void notJpeg_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("png") << dataDir() + "exifr/png/png_with_exif_and_gps.png";
        QTest::newRow("tiff") << dataDir() + "exifr/Bush-dog.tif";
        QTest::newRow("webp") << dataDir() + "piexif/tool1.webp";
        QTest::newRow("empty") << dataDir() + "piexif/notjpeg.jpg";
    }
    void notJpeg()
    {
        QFETCH(QString, path);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QDateTime date = when("2000:01:01 00:00:00");
        QCOMPARE(readExact(f.readAll(), date), 0);
        QCOMPARE(date, when("2000:01:01 00:00:00"));
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
