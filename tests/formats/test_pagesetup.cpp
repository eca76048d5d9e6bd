// The page setup: its 64-byte stored form, the paper catalogue and the
// editing rules of the "Page Settings" tab, driven without widgets.
#include "formats/FormatSettings.h"
#include "formats/PageSetup.h"
#include "formats/PageSetupModel.h"
#include "formats/PaperCatalogue.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
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

} // namespace

class TestPageSetup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void storedFormMatchesHandWrittenBytes();
    void storedFormReadsEveryField();
    void storedValueOfWrongLengthGivesDefault_data();
    void storedValueOfWrongLengthGivesDefault();
    void storedValueOfDamagedLengthsGivesDefault_data();
    void storedValueOfDamagedLengthsGivesDefault();
    void catalogueColumns_data();
    void catalogueColumns();
    void paperNames();
    void construction_data();
    void construction();
    void unitChangeTakesCatalogueColumn();
    void unitChangeConvertsUserSizeAndMargins();
    void unitChangeWhileBorderlessConvertsHiddenMargins();
    void landscapeSwapsAndKeepsName();
    void typedWidthSwitchesToUserAndLandscape();
    void typedSameValueDoesNothing();
    void borderlessShowsZeroAndRestores();
    void marginsIgnoredWhileBorderless();
    void oneRecordPerEdit();
    void paperNameFollowsEveryEdit();
    void adoptedSetupGivesScaleAndNames_data();
    void adoptedSetupGivesScaleAndNames();
    void preview_data();
    void preview();
};

void TestPageSetup::storedFormMatchesHandWrittenBytes()
{
    QCOMPARE(PageSetup().toBytes(), hex(defaultBytes));

    PageSetup d;
    d.unit = PageSetup::Inch;
    d.orientation = 1;
    d.paperSize = 0;
    d.borderless = true;
    d.top = 0.25;
    d.bottom = 1.5;
    d.left = 4;
    d.right = 6;
    d.width = 150;
    d.height = 100;
    QCOMPARE(d.toBytes(), hex("00000000 01000000 00000000 01 000000"
                              " 000000000000d03f 000000000000f83f 0000000000001040 0000000000001840"
                              " 0000000000c06240 0000000000005940"));
}

void TestPageSetup::storedFormReadsEveryField()
{
    QByteArray bytes = hex("02000000 01000000 0b000000 01 abcdef"
                           " 000000000000d03f 000000000000f83f 0000000000001040 0000000000001840"
                           " 0000000000c06240 0000000000005940");
    const PageSetup d = PageSetup::fromBytes(bytes);
    QCOMPARE(d.unit, 2);
    QCOMPARE(d.orientation, 1);
    QCOMPARE(d.paperSize, 11);
    QVERIFY(d.borderless); // padding bytes are not looked at
    QCOMPARE(d.top, 0.25);
    QCOMPARE(d.bottom, 1.5);
    QCOMPARE(d.left, 4.0);
    QCOMPARE(d.right, 6.0);
    QCOMPARE(d.width, 150.0);
    QCOMPARE(d.height, 100.0);
    QCOMPARE(PageSetup::fromBytes(hex(defaultBytes)), PageSetup());
}

void TestPageSetup::storedValueOfWrongLengthGivesDefault_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << 0;
    QTest::newRow("short") << 63;
    QTest::newRow("long") << 65;
    QTest::newRow("two records") << 128;
}

void TestPageSetup::storedValueOfWrongLengthGivesDefault()
{
    QFETCH(int, length);
    QByteArray bytes(length, '\x11');
    QCOMPARE(PageSetup::fromBytes(bytes), PageSetup());
}

// Lengths no page setup can hold come from damage; read as they are they
// would overflow the page measures made from them.
void TestPageSetup::storedValueOfDamagedLengthsGivesDefault_data()
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

void TestPageSetup::storedValueOfDamagedLengthsGivesDefault()
{
    QFETCH(int, field);
    QFETCH(double, value);
    QFETCH(bool, kept);
    PageSetup d;
    d.unit = PageSetup::Inch;
    d.paperSize = 0;
    double *lengths[] = {&d.top, &d.bottom, &d.left, &d.right, &d.width, &d.height};
    *lengths[field] = value;
    const PageSetup back = PageSetup::fromBytes(d.toBytes());
    QCOMPARE(back == d, kept);
    if (!kept)
        QCOMPARE(back, PageSetup());
}

void TestPageSetup::catalogueColumns_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("shortSide");
    QTest::addColumn<double>("longSide");
    QTest::newRow("A4 in") << 7 << 0 << "A4 8.26x11.69" << 8.26 << 11.69;
    QTest::newRow("A4 mm") << 7 << 1 << "A4 210x297" << 210.0 << 297.0;
    // The centimetre label is a text only; the sizes come from millimetres.
    QTest::newRow("A4 cm") << 7 << 2 << "A4 21x28" << 21.0 << 29.7;
    QTest::newRow("Tabloid cm") << 2 << 2 << "Tabloid 27.94x43.18" << 27.94 << 43.18;
    QTest::newRow("A3 in") << 1 << 0 << "A3 11.7x16.5" << 11.7 << 16.5;
    QTest::newRow("B10 mm") << 22 << 1 << "B10 31x44" << 31.0 << 44.0;
    QTest::newRow("B10 in") << 22 << 0 << "B10 1.2x1.7" << 1.2 << 1.7;
}

void TestPageSetup::catalogueColumns()
{
    QFETCH(int, index);
    QFETCH(int, unit);
    QFETCH(QString, label);
    QFETCH(double, shortSide);
    QFETCH(double, longSide);
    QCOMPARE(PaperCatalogue::label(index, unit), label);
    QCOMPARE(PaperCatalogue::shortSide(index, unit), shortSide);
    QCOMPARE(PaperCatalogue::longSide(index, unit), longSide);
}

void TestPageSetup::paperNames()
{
    QCOMPARE(PaperCatalogue::paperName(PageSetup()), QStringLiteral("A4 210x297 mm"));
    QCOMPARE(PaperCatalogue::paperName(userSize(100, 150)), QStringLiteral("100x150 mm"));
    QCOMPARE(PaperCatalogue::paperName(userSize(3.94, 5.91, 0)), QStringLiteral("3.94x5.91 in"));
    QCOMPARE(PaperCatalogue::convert(5, 1, 0), 5 / 25.4);
    QCOMPARE(PaperCatalogue::convert(2, 0, 2), 5.08);
}

void TestPageSetup::construction_data()
{
    QTest::addColumn<PageSetup>("given");
    QTest::addColumn<int>("paper");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("name");

    QTest::newRow("A4") << PageSetup() << 7 << 210.0 << 297.0 << "A4 210x297 mm";
    QTest::newRow("user") << userSize(100, 150) << 0 << 100.0 << 150.0 << "100x150 mm";
    // The sizes are laid for the orientation.
    QTest::newRow("user turned") << userSize(150, 100) << 0 << 100.0 << 150.0 << "100x150 mm";
    QTest::newRow("zero width") << userSize(0, 150) << 2 << 279.4 << 431.8 << "Tabloid 279.4x431.8 mm";
    QTest::newRow("zero height") << userSize(100, 0) << 2 << 279.4 << 431.8 << "Tabloid 279.4x431.8 mm";
    // A stored A4 whose sizes were lost is loaded from the catalogue.
    PageSetup lost;
    lost.width = 0;
    lost.height = 0;
    QTest::newRow("catalogue sizes") << lost << 7 << 210.0 << 297.0 << "A4 210x297 mm";
    PageSetup bad;
    bad.paperSize = 40;
    bad.width = 120;
    bad.height = 90;
    QTest::newRow("unknown paper") << bad << 0 << 90.0 << 120.0 << "90x120 mm";
    PageSetup odd;
    odd.unit = 7;
    QTest::newRow("unknown unit") << odd << 7 << 210.0 << 297.0 << "A4 210x297 mm";
}

void TestPageSetup::construction()
{
    QFETCH(PageSetup, given);
    QFETCH(int, paper);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QString, name);
    PageSetupModel m(given);
    QCOMPARE(m.data().paperSize, paper);
    QCOMPARE(m.data().width, width);
    QCOMPARE(m.data().height, height);
    QCOMPARE(m.paperName(), name);
    QCOMPARE(m.suffix(), QStringLiteral(" mm"));
    QCOMPARE(m.paperLabels().size(), 23);
    QCOMPARE(m.paperLabels().first(), QStringLiteral("Page size defined by user"));
    QCOMPARE(m.paperLabels().at(7), QStringLiteral("A4 210x297 mm"));
}

void TestPageSetup::unitChangeTakesCatalogueColumn()
{
    PageSetupModel m{PageSetup()};
    QSignalSpy units(&m, &PageSetupModel::changedMeasureUnits);
    m.setUnit(PageSetup::Inch);
    QCOMPARE(units.count(), 1);
    QCOMPARE(units.first().first().toInt(), 0);
    QCOMPARE(m.data().width, 8.26);
    QCOMPARE(m.data().height, 11.69);
    QCOMPARE(m.data().paperSize, 7);
    QCOMPARE(m.data().left, 0.2);
    QCOMPARE(m.paperName(), QStringLiteral("A4 8.26x11.69 in"));
    QCOMPARE(m.suffix(), QStringLiteral(" in"));
    QCOMPARE(m.paperLabels().at(7), QStringLiteral("A4 8.26x11.69 in"));

    m.setUnit(PageSetup::Centimetre);
    QCOMPARE(m.data().width, 21.0);
    QCOMPARE(m.data().height, 29.7);
    QCOMPARE(m.paperName(), QStringLiteral("A4 21x28 cm"));
    // 0.2 in is 0.508 cm; the box keeps two decimals.
    QCOMPARE(m.data().top, 0.51);
}

void TestPageSetup::unitChangeConvertsUserSizeAndMargins()
{
    PageSetupModel m(userSize(100, 150));
    m.setUnit(PageSetup::Inch);
    QCOMPARE(m.data().width, 3.94);
    QCOMPARE(m.data().height, 5.91);
    QCOMPARE(m.data().top, 0.2);
    QCOMPARE(m.data().bottom, 0.2);
    QCOMPARE(m.data().left, 0.2);
    QCOMPARE(m.data().right, 0.2);
    QCOMPARE(m.data().paperSize, 0);
    QCOMPARE(m.paperName(), QStringLiteral("3.94x5.91 in"));

    // A landscape user size stays landscape through the change.
    PageSetup wide = userSize(150, 100);
    wide.orientation = 1;
    PageSetupModel w(wide);
    w.setUnit(PageSetup::Centimetre);
    QCOMPARE(w.data().orientation, 1);
    QCOMPARE(w.data().width, 15.0);
    QCOMPARE(w.data().height, 10.0);
    QCOMPARE(w.paperName(), QStringLiteral("15x10 cm"));
}

void TestPageSetup::unitChangeWhileBorderlessConvertsHiddenMargins()
{
    PageSetup d;
    d.borderless = true;
    d.top = 10;
    PageSetupModel m(d);
    QCOMPARE(m.shownMargin(PageSetupModel::Top), 0.0);
    m.setUnit(PageSetup::Centimetre);
    QCOMPARE(m.data().top, 1.0);
    QCOMPARE(m.data().left, 0.5);
    QCOMPARE(m.shownMargin(PageSetupModel::Top), 0.0);
    m.setBorderless(false);
    QCOMPARE(m.shownMargin(PageSetupModel::Top), 1.0);
    QCOMPARE(m.shownMargin(PageSetupModel::Right), 0.5);
}

void TestPageSetup::landscapeSwapsAndKeepsName()
{
    PageSetupModel m{PageSetup()};
    m.setOrientation(1);
    QCOMPARE(m.data().width, 297.0);
    QCOMPARE(m.data().height, 210.0);
    QCOMPARE(m.data().paperSize, 7);
    QCOMPARE(m.paperName(), QStringLiteral("A4 210x297 mm"));
    // Another paper is laid landscape too.
    m.selectPaper(11);
    QCOMPARE(m.data().width, 210.0);
    QCOMPARE(m.data().height, 148.0);
    m.setOrientation(0);
    QCOMPARE(m.data().width, 148.0);
    QCOMPARE(m.data().height, 210.0);
}

void TestPageSetup::typedWidthSwitchesToUserAndLandscape()
{
    PageSetupModel m{PageSetup()};
    m.setWidth(300);
    QCOMPARE(m.data().paperSize, 0);
    QCOMPARE(m.data().orientation, 1);
    QCOMPARE(m.data().width, 300.0);
    QCOMPARE(m.data().height, 297.0);
    QCOMPARE(m.paperName(), QStringLiteral("300x297 mm"));

    // A smaller height keeps landscape; a larger one turns back to portrait.
    m.setHeight(100);
    QCOMPARE(m.data().orientation, 1);
    QCOMPARE(m.data().height, 100.0);
    m.setHeight(400);
    QCOMPARE(m.data().orientation, 0);
    QCOMPARE(m.data().width, 300.0);
    QCOMPARE(m.data().height, 400.0);
    QCOMPARE(m.paperName(), QStringLiteral("300x400 mm"));

    // Typing rounds like the box does and stops at its range.
    m.setWidth(123.456);
    QCOMPARE(m.data().width, 123.46);
    m.setHeight(5000);
    QCOMPARE(m.data().height, 1000.0);
}

void TestPageSetup::typedSameValueDoesNothing()
{
    PageSetupModel m{PageSetup()};
    QSignalSpy data(&m, &PageSetupModel::changedData);
    m.setWidth(210);
    m.setHeight(297.001);
    QCOMPARE(data.count(), 0);
    QCOMPARE(m.data().paperSize, 7);
    m.selectPaper(-1);
    QCOMPARE(data.count(), 0);
}

void TestPageSetup::borderlessShowsZeroAndRestores()
{
    PageSetup d;
    d.left = 7.5;
    PageSetupModel m(d);
    m.setBorderless(true);
    QVERIFY(m.data().borderless);
    QCOMPARE(m.shownMargin(PageSetupModel::Left), 0.0);
    QCOMPARE(m.data().left, 7.5);
    m.setBorderless(false);
    QCOMPARE(m.shownMargin(PageSetupModel::Left), 7.5);
}

void TestPageSetup::marginsIgnoredWhileBorderless()
{
    PageSetupModel m{PageSetup()};
    m.setMargin(PageSetupModel::Bottom, 12.345);
    QCOMPARE(m.data().bottom, 12.35);
    m.setMargin(PageSetupModel::Top, 150);
    QCOMPARE(m.data().top, 99.99);
    m.setBorderless(true);
    m.setMargin(PageSetupModel::Bottom, 0);
    QCOMPARE(m.data().bottom, 12.35);
}

void TestPageSetup::oneRecordPerEdit()
{
    PageSetupModel m{PageSetup()};
    QSignalSpy data(&m, &PageSetupModel::changedData);
    QSignalSpy units(&m, &PageSetupModel::changedMeasureUnits);
    m.setWidth(300); // user size, landscape, turned: one finished record
    QCOMPARE(data.count(), 1);
    const PageSetup sent = data.takeFirst().first().value<PageSetup>();
    QCOMPARE(sent, m.data());
    QCOMPARE(sent.orientation, 1);
    m.setUnit(PageSetup::Inch);
    QCOMPARE(units.count(), 1);
    QCOMPARE(data.count(), 1);
    QCOMPARE(data.first().first().value<PageSetup>().unit, 0);
}

// Each model names its own paper: two models side by side do not share
// a name.
void TestPageSetup::paperNameFollowsEveryEdit()
{
    PageSetupModel a{PageSetup()};
    PageSetupModel b(userSize(100, 150));
    a.setUnit(PageSetup::Inch);
    QCOMPARE(a.paperName(), QStringLiteral("A4 8.26x11.69 in"));
    QCOMPARE(b.paperName(), QStringLiteral("100x150 mm"));
    QCOMPARE(b.suffix(), QStringLiteral(" mm"));
    b.selectPaper(11);
    QCOMPARE(b.paperName(), QStringLiteral("A5 148x210 mm"));
    QCOMPARE(a.paperName(), QStringLiteral("A4 8.26x11.69 in"));
}

void TestPageSetup::adoptedSetupGivesScaleAndNames_data()
{
    QTest::addColumn<PageSetup>("setup");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("A4 mm") << PageSetup() << 100 << "A4 210x297 mm" << " mm";
    QTest::newRow("user in") << userSize(3.94, 5.91, PageSetup::Inch) << 2540 << "3.94x5.91 in" << " in";
    PageSetup a5;
    a5.unit = PageSetup::Centimetre;
    a5.paperSize = 11;
    a5.width = 14.8;
    a5.height = 21;
    QTest::newRow("A5 cm") << a5 << 1000 << "A5 14.8x21.0 cm" << " cm";
}

void TestPageSetup::adoptedSetupGivesScaleAndNames()
{
    QFETCH(PageSetup, setup);
    QFETCH(int, scale);
    QFETCH(QString, name);
    QFETCH(QString, suffix);
    FormatSettings st;
    st.layout.unitScale = 7;
    st.page.paperName = QStringLiteral("stale");
    st.adoptPageSetup(setup);
    QCOMPARE(st.page.pageSetup, setup);
    QCOMPARE(st.layout.unitScale, scale);
    QCOMPARE(PageSetup::unitScale(setup.unit), scale);
    QCOMPARE(st.page.paperName, name);
    QCOMPARE(st.page.unitSuffix, suffix);
}

void TestPageSetup::preview_data()
{
    QTest::addColumn<PageSetup>("page");
    QTest::addColumn<QSize>("size");
    PageSetup a4;
    a4.left = 30;
    QTest::newRow("A4 portrait") << a4 << QSize(106, 150);
    PageSetup wide = userSize(300, 100);
    wide.orientation = 1;
    wide.left = 40;
    QTest::newRow("wide") << wide << QSize(150, 50);
    PageSetup square = userSize(100, 100);
    square.left = 20;
    QTest::newRow("square") << square << QSize(150, 150);
}

void TestPageSetup::preview()
{
    QFETCH(PageSetup, page);
    QFETCH(QSize, size);
    const QImage img = PageSetupModel::previewImage(page, Qt::white);
    QCOMPARE(img.size(), size);
    // Paper outline green at the corner, printable area black inside the
    // margins, white between.
    QCOMPARE(img.pixelColor(0, 0), QColor(Qt::green));
    QCOMPARE(img.pixelColor(size.width() - 1, size.height() - 1), QColor(Qt::green));
    const double s = size.width() / page.width;
    const int x = int(page.left * s);
    const int y = size.height() / 2;
    const auto blackNear = [x, y](const QImage &image) {
        for (int i = x - 1; i <= x + 1; ++i)
            if (image.pixelColor(i, y) == QColor(Qt::black))
                return true;
        return false;
    };
    QVERIFY(blackNear(img));
    QCOMPARE(img.pixelColor(x + 4, y), QColor(Qt::white));
    page.borderless = true;
    QVERIFY(!blackNear(PageSetupModel::previewImage(page, Qt::white)));

    page.width = 0;
    QVERIFY(PageSetupModel::previewImage(page, Qt::white).isNull());
}

QTEST_MAIN(TestPageSetup)
#include "test_pagesetup.moc"
