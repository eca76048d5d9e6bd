#include "library/ViewImage.h"
#include "library/WellScrollArea.h"
#include "library/ZoomedImage.h"
#include "tests/library/ExifJpeg.h"

#include <QAction>
#include <QScreen>
#include <QTimer>
#include <QtEndian>
#include <QtTest>
#include <cmath>

class TestViewer : public QObject
{
    Q_OBJECT

    QByteArray jpeg = makeJpeg(400, 300);

    static void press(ViewImage &v, int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(v.scrollArea(), Qt::Key(key), mods);
    }
    static QAction *action(ViewImage &v, const char *name)
    {
        return v.findChild<QAction *>(QLatin1String(name));
    }

    // The first bytes of a PNG claiming w x h pixels: enough for a
    // reader to tell the size, nothing to decode.
    static QByteArray pngHeader(quint32 w, quint32 h)
    {
        QByteArray chunk("IHDR");
        char wh[8];
        qToBigEndian(w, wh);
        qToBigEndian(h, wh + 4);
        chunk.append(wh, 8).append("\x08\x02\x00\x00\x00", 5);
        quint32 crc = 0xffffffffu;
        for (char c : chunk) {
            crc ^= quint8(c);
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
        char tail[4];
        qToBigEndian(~crc, tail);
        // Then the head of an empty data chunk, where reading the header stops.
        return QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\x0d", 12) + chunk + QByteArray(tail, 4)
               + QByteArray("\x00\x00\x00\x00IDAT", 8);
    }

private Q_SLOTS:
    void zoomOutStopsBelowATenth()
    {
        ViewImage v(QStringLiteral("/x/a.jpg"), jpeg, 0, 0, 1);
        v.normalSize();
        for (int i = 0; i < 12; ++i)
            press(v, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(qFuzzyCompare(v.scaleFactor(), std::pow(0.8, 11)));
        QVERIFY(!action(v, "zoomOut")->isEnabled());
        press(v, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(v.scaleFactor(), 1.0);
        QVERIFY(action(v, "zoomOut")->isEnabled());
    }

    void keysAndWheelZoom()
    {
        ViewImage v(QStringLiteral("/x/a.jpg"), jpeg, 0, 0, 1);
        v.normalSize();
        press(v, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(v.scaleFactor(), 1.25);
        press(v, Qt::Key_Equal); // without Ctrl: nothing
        QCOMPARE(v.scaleFactor(), 1.25);
        QWheelEvent down(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v.scrollArea()->viewport(), &down);
        QCOMPARE(v.scaleFactor(), 1.0);
        QVERIFY(down.isAccepted());
        press(v, Qt::Key_0, Qt::ControlModifier);
        const QSize area = v.scrollArea()->maximumViewportSize();
        QVERIFY(qFuzzyCompare(v.scaleFactor(), 0.98 * qMin(area.width() / 400.0, area.height() / 300.0)));
    }

    void rotationGoesRound()
    {
        ViewImage v(QStringLiteral("/x/a.jpg"), jpeg, 0, 0, 1);
        QSize shown = v.picture()->image().size();
        QCOMPARE(shown, QSize(400, 300));
        press(v, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(v.rotation(), 90);
        QCOMPARE(v.picture()->image().size(), QSize(300, 400));
        for (int i = 0; i < 3; ++i)
            v.rotate();
        QCOMPARE(v.rotation(), 0);
        press(v, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(v.rotation(), 270);
        // Opened turned: shown turned.
        ViewImage turned(QStringLiteral("/x/a.jpg"), jpeg, 90, 0, 1);
        QCOMPARE(turned.picture()->image().size(), QSize(300, 400));
    }

    // A large photograph is decoded at the screen's size at first, and at
    // its own size only when a zoom shows more than that.
    void largeImageIsDecodedAtTheScreensSize()
    {
        const QByteArray big = makeJpeg(3000, 2000);
        ViewImage v(QStringLiteral("/x/big.jpg"), big, 0, 0, 1);
        const QSize screen = v.screen()->size();
        QVERIFY(screen.width() < 3000);
        QCOMPARE(v.fullSize(), QSize(3000, 2000));
        QVERIFY(v.image().width() <= screen.width() && v.image().height() <= screen.height());
        v.fitToWindow();
        QVERIFY(v.image().width() < 3000);
        QCOMPARE(v.picture()->fullSize(), QSize(3000, 2000));
        v.normalSize();
        QCOMPARE(v.image().size(), QSize(3000, 2000));
        QCOMPARE(v.picture()->size(), QSize(3000, 2000));
    }

    // Zoomed in, only the exposed part is drawn, and drawn right.
    void zoomedPictureShowsTheImage()
    {
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        for (int y = 0; y < 150; ++y)
            for (int x = 0; x < 200; ++x)
                picture.setPixel(x, y, qRgb(255, 0, 0));
        ZoomedImage zoomed;
        zoomed.setImage(picture, QSize(400, 300));
        zoomed.resize(2000, 1500);
        const QImage top = zoomed.grab(QRect(100, 100, 50, 50)).toImage();
        QCOMPARE(QColor(top.pixel(25, 25)).red(), 255);
        const QImage bottom = zoomed.grab(QRect(1800, 1300, 50, 50)).toImage();
        QCOMPARE(QColor(bottom.pixel(25, 25)).blue(), 255);
    }

    // An image of absurd size is not decoded; the viewer says why.
    void hugeImageIsRefusedWithAMessage()
    {
        ViewImage v(QStringLiteral("/x/huge.png"), pngHeader(20000, 15000), 0, 0, 1);
        QVERIFY(v.image().isNull());
        QCOMPARE(v.picture()->message(), QStringLiteral("This image is too large to be shown: 20000 × 15000 pixels."));
        v.fitToWindow();
        v.zoomIn();
        QVERIFY(v.image().isNull());
    }

    void navigation_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("result");   // dialog result, -1 still open
        QTest::addColumn<int>("code");

        const int alt = Qt::AltModifier;
        QTest::newRow("next") << 1 << int(Qt::Key_Right) << alt << int(QDialog::Accepted) << 1;
        QTest::newRow("next on the last") << 2 << int(Qt::Key_Right) << alt << -1 << 0;
        QTest::newRow("previous") << 2 << int(Qt::Key_Left) << alt << int(QDialog::Accepted) << 2;
        QTest::newRow("previous on the first") << 1 << int(Qt::Key_Left) << alt << -1 << 0;
        QTest::newRow("delete") << 0 << int(Qt::Key_Delete) << 0 << int(QDialog::Accepted) << 3;
        QTest::newRow("return") << 3 << int(Qt::Key_Return) << 0 << int(QDialog::Accepted) << 0;
        QTest::newRow("escape") << 3 << int(Qt::Key_Escape) << 0 << int(QDialog::Rejected) << 0;
        QTest::newRow("keypad enter") << 3 << int(Qt::Key_Enter) << 0 << -1 << 0;
        QTest::newRow("right scrolls") << 3 << int(Qt::Key_Right) << 0 << -1 << 0;
    }

    void navigation()
    {
        QFETCH(int, flags);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, result);
        QFETCH(int, code);
        ViewImage v(QStringLiteral("/x/a.jpg"), jpeg, 0, flags, 1);
        QCOMPARE(action(v, "next")->isEnabled(), bool(flags & 1));
        QCOMPARE(action(v, "previous")->isEnabled(), bool(flags & 2));
        int answer = -1;
        connect(&v, &QDialog::finished, this, [&answer](int r) { answer = r; });
        press(v, key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(answer, result);
        QCOMPARE(v.resultCode(), code);
    }

    void doubleClickAccepts()
    {
        ViewImage v(QStringLiteral("/x/a.jpg"), jpeg, 0, 3, 1);
        QTimer::singleShot(0, &v, [&v] { QTest::mouseDClick(v.scrollArea()->viewport(), Qt::LeftButton); });
        QCOMPARE(v.exec(), int(QDialog::Accepted));
        QCOMPARE(v.resultCode(), 0);
    }

    void editedFileIsShownAgain()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.jpg"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(jpeg);
        f.close();
        ViewImage v(path, jpeg, 90, 0, 1);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(makeJpeg(200, 50));
        f.close();
        QTRY_COMPARE(v.image().size(), QSize(200, 50));
        QCOMPARE(v.picture()->image().size(), QSize(50, 200));
        QFile::remove(path);
        QTRY_VERIFY(v.image().isNull());
    }
};

QTEST_MAIN(TestViewer)
#include "test_viewer.moc"
