// The page setup: its 64-byte stored form, the paper catalogue and the
// editing rules of the "Page Settings" tab, driven without widgets.
#include "formats/FormatSettings.h"
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

    void storedValueOfWrongLengthGivesDefault_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("empty") << 0;
        QTest::newRow("short") << 63;
        QTest::newRow("long") << 65;
        QTest::newRow("two records") << 128;
    }
    void storedValueOfWrongLengthGivesDefault()
    {
        QFETCH(int, length);
        PageSetup d = inches();
        const Outcome read = PageSetup::fromBytes(QByteArray(length, '\x11'), d);
        QVERIFY(!read);
        QCOMPARE(d, PageSetup());
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

    void catalogueColumns_data()
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
    }
    void catalogueColumns()
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

    void construction_data()
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
        // A stored A4 whose sizes were lost is loaded from the catalogue.
        PageSetup lost;
        lost.width = lost.height = 0;
        QTest::newRow("catalogue sizes") << lost << 7 << 210.0 << 297.0 << "A4 210x297 mm";
        PageSetup bad = userSize(120, 90);
        bad.paperSize = 40;
        QTest::newRow("unknown paper") << bad << 0 << 90.0 << 120.0 << "90x120 mm";
        PageSetup odd;
        odd.unit = 7;
        QTest::newRow("unknown unit") << odd << 7 << 210.0 << 297.0 << "A4 210x297 mm";
    }
    void construction()
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
    }

    // A catalogue paper takes the new unit's column; a user size and the
    // margins are converted, through the boxes' two decimals.
    void unitChange_data()
    {
        QTest::addColumn<PageSetup>("given");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<double>("margin"); // the top, shown or kept while borderless
        QTest::addColumn<QString>("name");
        QTest::newRow("A4 to in") << PageSetup() << 0 << QSizeF(8.26, 11.69) << 0.2 << "A4 8.26x11.69 in";
        PageSetup a4in;
        a4in.unit = PageSetup::Inch;
        a4in.width = 8.26;
        a4in.height = 11.69;
        a4in.top = 0.2;
        // 0.2 in is 0.508 cm; the box keeps two decimals.
        QTest::newRow("A4 in to cm") << a4in << 2 << QSizeF(21, 29.7) << 0.51 << "A4 21x28 cm";
        QTest::newRow("user to in") << userSize(100, 150) << 0 << QSizeF(3.94, 5.91) << 0.2 << "3.94x5.91 in";
        // A landscape user size stays landscape through the change.
        PageSetup wide = userSize(150, 100);
        wide.orientation = 1;
        QTest::newRow("landscape user to cm") << wide << 2 << QSizeF(15, 10) << 0.5 << "15x10 cm";
        PageSetup borderless;
        borderless.borderless = true;
        borderless.top = 10;
        QTest::newRow("borderless to cm") << borderless << 2 << QSizeF(21, 29.7) << 1.0 << "A4 21x28 cm";
    }
    void unitChange()
    {
        QFETCH(PageSetup, given);
        QFETCH(int, unit);
        QFETCH(QSizeF, size);
        QFETCH(double, margin);
        QFETCH(QString, name);
        PageSetupModel m(given);
        QSignalSpy units(&m, &PageSetupModel::changedMeasureUnits);
        QSignalSpy data(&m, &PageSetupModel::changedData);
        m.setUnit(unit);
        QCOMPARE(units.count(), 1);
        QCOMPARE(units.first().first().toInt(), unit);
        QCOMPARE(data.count(), 1); // one record for the whole change
        QCOMPARE(QSizeF(m.data().width, m.data().height), size);
        QCOMPARE(m.data().paperSize, given.paperSize);
        QCOMPARE(m.data().orientation, given.orientation);
        QCOMPARE(m.data().top, margin);
        QCOMPARE(m.paperName(), name);
        QVERIFY(m.paperLabels().at(7).endsWith(m.suffix())); // the paper list follows
        // A hidden margin shows 0 until the borders come back.
        QCOMPARE(m.shownMargin(PageSetupModel::Top), given.borderless ? 0.0 : margin);
        m.setBorderless(false);
        QCOMPARE(m.shownMargin(PageSetupModel::Top), margin);
    }

    void landscapeSwapsAndKeepsName()
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

    // While borderless the margin boxes show 0 and take nothing; the record
    // keeps the margins for when the borders come back.
    void borderlessKeepsTheMargins()
    {
        PageSetup d;
        d.left = 7.5;
        PageSetupModel m(d);
        m.setBorderless(true);
        QVERIFY(m.data().borderless);
        QCOMPARE(m.shownMargin(PageSetupModel::Left), 0.0);
        m.setMargin(PageSetupModel::Left, 0);
        QCOMPARE(m.data().left, 7.5);
        m.setBorderless(false);
        QCOMPARE(m.shownMargin(PageSetupModel::Left), 7.5);
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

    void adoptedSetupGivesScaleAndNames_data()
    {
        QTest::addColumn<PageSetup>("setup");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("A4 mm") << PageSetup() << 100 << "A4 210x297 mm" << " mm";
        QTest::newRow("user in") << userSize(3.94, 5.91, PageSetup::Inch) << 2540 << "3.94x5.91 in" << " in";
        PageSetup a5 = userSize(14.8, 21, PageSetup::Centimetre);
        a5.paperSize = 11;
        QTest::newRow("A5 cm") << a5 << 1000 << "A5 14.8x21.0 cm" << " cm";
    }
    void adoptedSetupGivesScaleAndNames()
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
        QCOMPARE(st.page.paperName, name);
        QCOMPARE(st.page.unitSuffix, suffix);
    }

    void preview_data()
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
    void preview()
    {
        QFETCH(PageSetup, page);
        QFETCH(QSize, size);
        const QImage img = PageSetupModel::previewImage(page, Qt::white);
        QCOMPARE(img.size(), size);
        // Paper outline green at the corner, printable area black inside the
        // margins, white between.
        QCOMPARE(img.pixelColor(0, 0), QColor(Qt::green));
        QCOMPARE(img.pixelColor(size.width() - 1, size.height() - 1), QColor(Qt::green));
        const double scale = size.width() / page.width;
        const int x = int(page.left * scale);
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
};

QTEST_MAIN(TestPageSetup)
#include "test_pagesetup.moc"
