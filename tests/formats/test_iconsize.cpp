// The thumbnail cell size of the "General" options: keep-aspect arithmetic,
// ranges and the sample cell.
#include "formats/IconSizeRule.h"

#include <QtTest>

class TestIconSize : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keepAspect()
    {
        IconSizeRule r(200, 112, true); // a = 2
        QVERIFY(r.setWidth(300));
        QCOMPARE(r.height(), 162);
        QVERIFY(r.setHeight(52));
        QCOMPARE(r.width(), 80);
        // The same value again is no change.
        QVERIFY(!r.setWidth(80));
        QVERIFY(!r.setHeight(52));
    }

    void freeSides()
    {
        IconSizeRule r(200, 112, false);
        r.setWidth(300);
        QCOMPARE(r.height(), 112);
        r.setHeight(52);
        QCOMPARE(r.width(), 300);
        // Switching keep on takes the new aspect: 300 / 40.
        r.setKeep(true);
        QCOMPARE(r.aspect(), 7.5);
        QCOMPARE(r.height(), 52);
        r.setHeight(32);
        QCOMPARE(r.width(), 150);
    }

    void switchingKeepOnKeepsHeight_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        for (int w : {32, 100, 133, 257, 500})
            for (int h : {32, 90, 111, 377, 500})
                QTest::addRow("%dx%d", w, h) << w << h;
    }
    void switchingKeepOnKeepsHeight()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        IconSizeRule r(width, height, false);
        for (int i = 0; i < 5; ++i) {
            r.setKeep(false);
            r.setKeep(true);
        }
        QCOMPARE(r.width(), width);
        QCOMPARE(r.height(), height);
    }

    void rangeLimitsKeepTheAspect()
    {
        IconSizeRule r(200, 112, true);
        r.setWidth(500); // height would be 262: fits
        QCOMPARE(r.height(), 262);
        IconSizeRule tall(100, 412, true); // a = 0.25
        tall.setWidth(200); // height 812 is past 500: the width gives way
        QCOMPARE(tall.height(), 500);
        QCOMPARE(tall.width(), 122);
        IconSizeRule small(100, 90, true);
        QVERIFY(small.setWidth(20)); // brought into the range: 32
        QCOMPARE(small.width(), 32);
        QCOMPARE(small.height(), 36);
        // Stored values out of range are brought into it.
        IconSizeRule odd(0, 9999, false);
        QCOMPARE(odd.width(), 32);
        QCOMPARE(odd.height(), 500);
    }

    void sampleCell()
    {
        QImage sample(40, 30, QImage::Format_RGB32);
        sample.fill(Qt::red);
        QFont font;
        font.setPixelSize(10);
        const QImage cell = IconSizeRule::preview(200, 112, Qt::white, sample, "File Name", font);
        QCOMPARE(cell.size(), QSize(200, 112));
        // The picture area is 133 x 100 (4:3 on the height above the band),
        // centred: x from 33, outlined in black.
        QCOMPARE(cell.pixelColor(33, 50), QColor(Qt::black));
        QCOMPARE(cell.pixelColor(34, 50), QColor(Qt::red));
        QCOMPARE(cell.pixelColor(32, 50), QColor(Qt::white));
        QCOMPARE(cell.pixelColor(100, 0), QColor(Qt::black));
        // The caption band holds dark blue text.
        bool blue = false;
        for (int x = 0; x < 200 && !blue; ++x)
            for (int y = 100; y < 112 && !blue; ++y)
                blue = cell.pixelColor(x, y).blue() > cell.pixelColor(x, y).red() + 40;
        QVERIFY(blue);
        // A narrow cell takes its width for the picture.
        const QImage narrow = IconSizeRule::preview(60, 200, Qt::white, sample, "File Name", font);
        QCOMPARE(narrow.pixelColor(0, 80), QColor(Qt::black));
    }
};

QTEST_MAIN(TestIconSize)
#include "test_iconsize.moc"
