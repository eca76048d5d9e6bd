#include "formats/LayoutFile.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestLayoutFile : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
    static QByteArray readAll(const QString &p)
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeRaw(const QString &p, const QByteArray &bytes)
    {
        QFile f(p);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void writesExactBytes()
    {
        const QString p = path("exact.vly");
        QVERIFY(LayoutFile::write(p, "A4", 21000, 29700, {QRectF(12.5, 100, 1000, 2000.49)}));
        const QByteArray expected = QByteArray::fromHex(
            "0000000e" "0056004c00590020" "0032002e0043"
            "00000004" "00410034"
            "00005208" "00007404"
            "00000001"
            "0000000d" "00000064" "000003e8" "000007d0");
        QCOMPARE(readAll(p).toHex(), expected.toHex());
    }

    void sortsAndRounds()
    {
        const QString p = path("sort.vly");
        const QVector<QRectF> frames{QRectF(1000, 5000, 10, 10), QRectF(500, 5000, 10, 10),
                                     QRectF(0, 100, 10, 10), QRectF(500, 5000, 10, 9),
                                     QRectF(12.49, 0, 5, 5)};
        QVERIFY(LayoutFile::write(p, "A4 210x297 mm", 21000, 29700, frames));
        LayoutFile f;
        QVERIFY(LayoutFile::read(p, f));
        QCOMPARE(f.paperName, QString("A4 210x297 mm"));
        QCOMPARE(f.paperWidth, 21000);
        QCOMPARE(f.paperHeight, 29700);
        const QVector<QRect> expected{QRect(12, 0, 5, 5), QRect(0, 100, 10, 10), QRect(500, 5000, 10, 9),
                                      QRect(500, 5000, 10, 10), QRect(1000, 5000, 10, 10)};
        QCOMPARE(f.frames, expected);
    }

    void readErrors_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QByteArray good;
        {
            QDataStream s(&good, QIODevice::WriteOnly);
            s.setVersion(QDataStream::Qt_5_1);
            s << QString("VLY 2.C") << QString("A4") << qint32(21000) << qint32(29700) << qint32(3);
            for (int i = 0; i < 3; ++i)
                s << qint32(i) << qint32(i) << qint32(100) << qint32(100);
        }
        QByteArray wrongMagic = good;
        wrongMagic[5] = 'X';
        const int header = 4 + 14 + 4 + 4 + 4 + 4 + 4;
        QTest::newRow("magic") << wrongMagic << "This is an unsupported file format.";
        QTest::newRow("empty") << QByteArray() << "This is an unsupported file format.";
        QTest::newRow("header cut") << good.left(4 + 14 + 6) << "Stream Error 10.";
        QTest::newRow("in frame 2") << good.left(header + 2 * 16 + 7) << "Load FrameArr 2";
        QTest::newRow("before frame 0") << good.left(header) << "Load FrameArr 0";
        // Negative lengths and edges beyond the integers: damage, never a
        // frame.
        const auto withFrame1 = [&](qint32 x, qint32 y, qint32 w, qint32 h) {
            QByteArray b = good;
            QDataStream s(&b, QIODevice::WriteOnly);
            s.device()->seek(header + 16);
            s << x << y << w << h;
            return b;
        };
        QTest::newRow("right edge past the integers") << withFrame1(604009472, 0, 1912610816, 100) << "Load FrameArr 1";
        QTest::newRow("bottom edge past the integers") << withFrame1(0, 2147483000, 100, 1000) << "Load FrameArr 1";
        QTest::newRow("right edge one past the integers") << withFrame1(1023410176, 0, 1124073472, 100) << "Load FrameArr 1";
        QTest::newRow("empty frame at the lowest integer") << withFrame1(-2147483647 - 1, 0, 0, 100) << "Load FrameArr 1";
        QTest::newRow("negative width") << withFrame1(1, 0, -2147483647 - 1, 100) << "Load FrameArr 1";
        QTest::newRow("negative height") << withFrame1(0, 0, 100, -1) << "Load FrameArr 1";
    }
    void readErrors()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const QString p = path("bad.vly");
        writeRaw(p, bytes);
        LayoutFile f;
        const Outcome read = LayoutFile::read(p, f);
        QVERIFY(!read);
        QCOMPARE(read.detail(), error);
    }

    void missingAndEmptyNames()
    {
        LayoutFile f;
        QVERIFY(!LayoutFile::read(path("none.vly"), f));
        QVERIFY(!LayoutFile::write(QString(), "A4", 1, 1, {}));
        QVERIFY(!LayoutFile::write(path("no/such/folder.vly"), "A4", 1, 1, {}));
    }
};

QTEST_GUILESS_MAIN(TestLayoutFile)
#include "test_layoutfile.moc"
