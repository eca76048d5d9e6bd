// The page setup: its 64-byte stored form, the paper catalogue and the
// editing rules of the "Page Settings" tab, driven without widgets; the
// thumbnail cell size of the "General" tab.
#include "formats/FormatSettings.h"
#include "formats/IconSizeRule.h"
#include "formats/PageSetup.h"
#include "formats/PageSetupModel.h"
#include "formats/PaperCatalogue.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QByteArray hex(QByteArray text)
{
    return QByteArray::fromHex(text.replace(' ', ""));
}

// The default record as the store holds it, written out by hand.
const char *defaultBytes = "01000000 00000000 07000000 00 000000"
                           " 0000000000001440 0000000000001440 0000000000001440 0000000000001440"
                           " 0000000000406a40 0000000000907240";

PageSetup userSize(double w, double h, int unit = PageSetup::Millimetre)
{
    PageSetup d;
    d.unit = unit;
    d.paperSize = 0;
    d.width = w;
    d.height = h;
    return d;
}

PageSetup inches()
{
    PageSetup d = userSize(150, 100, PageSetup::Inch);
    d.orientation = 1;
    d.borderless = true;
    d.top = 0.25;
    d.bottom = 1.5;
    d.left = 4;
    d.right = 6;
    return d;
}

// The stored form read back, whether or not it was whole.
PageSetup fromBytes(const QByteArray &bytes)
{
    PageSetup d;
    static_cast<void>(PageSetup::fromBytes(bytes, d));
    return d;
}

} // namespace

class TestPageSetup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void storedFormMatchesHandWrittenBytes()
    {
        QCOMPARE(PageSetup().toBytes(), hex(defaultBytes));
        QCOMPARE(fromBytes(hex(defaultBytes)), PageSetup());
        const char *lengths = " 000000000000d03f 000000000000f83f 0000000000001040 0000000000001840"
                              " 0000000000c06240 0000000000005940";
        QCOMPARE(inches().toBytes(), hex(QByteArray("00000000 01000000 00000000 01 000000").append(lengths)));
        // The padding bytes are not looked at.
        PageSetup read = fromBytes(hex(QByteArray("02000000 01000000 0b000000 01 abcdef").append(lengths)));
        QCOMPARE(read.unit, 2);
        QCOMPARE(read.paperSize, 11);
        read.unit = PageSetup::Inch;
        read.paperSize = 0;
        QCOMPARE(read, inches());
    }
    // Lengths no page setup can hold come from damage; read as they are they
    // would overflow the page measures made from them.
    void storedValueOfDamagedLengthsGivesDefault_data()
    {
        QTest::addColumn<int>("field"); // 0 top ... 5 height
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("kept");
        QTest::newRow("width not a number") << 4 << std::nan("") << false;
        QTest::newRow("top infinite") << 0 << std::numeric_limits<double>::infinity() << false;
        QTest::newRow("right negative") << 3 << -0.5 << false;
        QTest::newRow("bottom huge negative") << 1 << -1.9036e+187 << false;
        QTest::newRow("height past the limit") << 5 << 100000.5 << false;
        QTest::newRow("height at the limit") << 5 << 100000.0 << true;
        QTest::newRow("left zero") << 2 << 0.0 << true;
    }
    void storedValueOfDamagedLengthsGivesDefault()
    {
        QFETCH(int, field);
        QFETCH(double, value);
        QFETCH(bool, kept);
        PageSetup d = userSize(100, 150, PageSetup::Inch);
        double *lengths[] = {&d.top, &d.bottom, &d.left, &d.right, &d.width, &d.height};
        *lengths[field] = value;
        PageSetup read;
        QCOMPARE(bool(PageSetup::fromBytes(d.toBytes(), read)), kept);
        QCOMPARE(read, kept ? d : PageSetup());
    }
    void typedWidthSwitchesToUserAndLandscape()
    {
        PageSetupModel m{PageSetup()};
        QSignalSpy data(&m, &PageSetupModel::changedData);
        m.setWidth(300);
        QCOMPARE(m.data().paperSize, 0);
        QCOMPARE(m.data().orientation, 1);
        QCOMPARE(m.data().height, 297.0);
        QCOMPARE(m.paperName(), QStringLiteral("300x297 mm"));
        // One finished record per edit.
        QCOMPARE(data.count(), 1);
        QCOMPARE(data.takeFirst().first().value<PageSetup>(), m.data());

        // A smaller height keeps landscape; a larger one turns back to portrait.
        m.setHeight(100);
        QCOMPARE(m.data().orientation, 1);
        m.setHeight(400);
        QCOMPARE(m.data().orientation, 0);
        QCOMPARE(m.paperName(), QStringLiteral("300x400 mm"));

        // Typing rounds like the box does and stops at its range.
        m.setWidth(123.456);
        QCOMPARE(m.data().width, 123.46);
        m.setHeight(5000);
        QCOMPARE(m.data().height, 1000.0);
        m.setMargin(PageSetupModel::Bottom, 12.345);
        QCOMPARE(m.data().bottom, 12.35);
        m.setMargin(PageSetupModel::Top, 150);
        QCOMPARE(m.data().top, 99.99);
    }

    void typedSameValueDoesNothing()
    {
        PageSetupModel m{PageSetup()};
        QSignalSpy data(&m, &PageSetupModel::changedData);
        m.setWidth(210);
        m.setHeight(297.001);
        m.selectPaper(-1);
        QCOMPARE(data.count(), 0);
        QCOMPARE(m.data().paperSize, 7);
    }

    // Each model names its own paper: two models side by side do not share
    // a name.
    void paperNameFollowsEveryEdit()
    {
        PageSetupModel a{PageSetup()};
        PageSetupModel b(userSize(100, 150));
        a.setUnit(PageSetup::Inch);
        QCOMPARE(b.paperName(), QStringLiteral("100x150 mm"));
        b.selectPaper(11);
        QCOMPARE(b.paperName(), QStringLiteral("A5 148x210 mm"));
        QCOMPARE(a.paperName(), QStringLiteral("A4 8.26x11.69 in"));
    }
    // The thumbnail cell size of the "General" options: keep-aspect arithmetic.
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
};

QTEST_MAIN(TestPageSetup)
#include "test_pagesetup.moc"
