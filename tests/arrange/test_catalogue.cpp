#include "formats/LayoutCatalogue.h"
#include "formats/LayoutFile.h"
#include "tests/LayoutBytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

PhotoSizeSelect size(double s, double l, bool selected = true)
{
    PhotoSizeSelect p;
    p.shortSide = s;
    p.longSide = l;
    p.selected = selected;
    return p;
}

LayoutCatalogue::Source a4(QVector<PhotoSizeSelect> sizes, bool closely = false)
{
    LayoutCatalogue::Source s;
    s.setup = PageSetup(); // A4 portrait, millimetres, 5 mm margins
    s.sizes = sizes;
    s.placingClosely = closely;
    s.paperName = QStringLiteral("A4 210x297 mm");
    s.unitSuffix = QStringLiteral(" mm");
    return s;
}

QVector<QRect> rects(const Page &p)
{
    QVector<QRect> r;
    for (const PhotoFrame &f : p.frames)
        r << f.rect();
    return r;
}

QStringList names(const LayoutCatalogue &c)
{
    QStringList n;
    for (const Page &p : c.entries())
        n << p.title;
    return n;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void fixedDivisionsPortrait()
    {
        LayoutCatalogue c;
        c.build(a4({}));
        QVERIFY(c.usable());
        QCOMPARE(names(c), QStringList({" 1-200x287 mm", " 2-144x200 mm", " 4-100x144 mm"}));
        QCOMPARE(rects(c.entries().at(0)), QVector<QRect>({QRect(500, 500, 20000, 28700)}));
        QCOMPARE(c.entries().at(1).frames.size(), 2);
    }

    void a4Grids100x150()
    {
        LayoutCatalogue c;
        c.build(a4({size(100, 150)}));
        QCOMPARE(c.entries().size(), 5);
        const Page &upright = c.entries().at(3);
        QCOMPARE(upright.title, QString(" 3-100x150 mm"));
        QCOMPARE(rects(upright), QVector<QRect>({QRect(500, 1733, 10000, 15000), QRect(10500, 1733, 10000, 15000),
                                                 QRect(3000, 17966, 15000, 10000)}));
        const Page &across = c.entries().at(4);
        QCOMPARE(across.title, QString(" 2-100x150 mm"));
        QCOMPARE(rects(across), QVector<QRect>({QRect(3000, 3400, 15000, 10000), QRect(3000, 16300, 15000, 10000)}));
    }

    void a4Grids100x150Closely()
    {
        LayoutCatalogue c;
        c.build(a4({size(100, 150)}, true));
        const Page &upright = c.entries().at(3);
        QCOMPARE(rects(upright), QVector<QRect>({QRect(500, 2350, 10000, 15000), QRect(10500, 2350, 10000, 15000),
                                                 QRect(3000, 17350, 15000, 10000)}));
    }

    void sizesLargestFirstOnlySelected()
    {
        LayoutCatalogue c;
        c.build(a4({size(35, 45), size(90, 130, false), size(100, 100), size(300, 400)}));
        // 300 x 400 does not fit, 90 x 130 is not selected, the square one gives one grid.
        const QStringList n = names(c).mid(3);
        QCOMPARE(n.size(), 3);
        QVERIFY(n.at(0).endsWith("-100x100 mm"));
        QVERIFY(n.at(1).endsWith("-35x45 mm"));
        QVERIFY(n.at(2).endsWith("-35x45 mm"));
    }

    void sizesTooSmallToPrintOfferNoGrid()
    {
        // Under a millimetre, or so many frames that the page would hold more
        // than ten thousand: no grid (the three fixed divisions remain).
        LayoutCatalogue c;
        c.build(a4({size(0.5, 0.7), size(1, 1.5), size(10, 15)}));
        const QStringList n = names(c).mid(3);
        QCOMPARE(n.size(), 2);
        QVERIFY(n.at(0).endsWith("-10x15 mm"));
        QVERIFY(n.at(1).endsWith("-10x15 mm"));
    }

    void equalCountsGetDot()
    {
        LayoutCatalogue c;
        c.build(a4({size(35, 70)}));
        QCOMPARE(names(c).mid(3), QStringList({"20-35x70 mm", "20-35x70. mm"}));
    }

    void inchAndCentimetreNames()
    {
        LayoutCatalogue::Source s = a4({size(4, 6)});
        s.setup.unit = PageSetup::Inch;
        s.setup.width = 8.5;
        s.setup.height = 11;
        s.setup.top = s.setup.bottom = s.setup.left = s.setup.right = 0.25;
        s.unitSuffix = " in";
        LayoutCatalogue c;
        c.build(s);
        QCOMPARE(c.unitScale(), 2540);
        QCOMPARE(c.entries().at(0).title, QString(" 1-8.0x10.5 in"));
        QVERIFY(names(c).contains(" 2-4.0x6.0 in"));

        LayoutCatalogue::Source cm = a4({size(100, 150)});
        cm.setup.unit = PageSetup::Centimetre;
        cm.setup.width = 21;
        cm.setup.height = 29.7;
        cm.setup.top = cm.setup.bottom = cm.setup.left = cm.setup.right = 0.5;
        cm.unitSuffix = " cm";
        c.build(cm);
        QCOMPARE(c.unitScale(), 1000);
        QVERIFY(names(c).contains(" 3-10.0x15.0 cm"));
    }

    void borderlessUsesWholeSheet()
    {
        LayoutCatalogue::Source s = a4({size(100, 150)});
        s.setup.borderless = true;
        LayoutCatalogue c;
        c.build(s);
        QCOMPARE(c.entries().at(0).frames.at(0).rect(), QRect(0, 0, 21000, 29700));
        QCOMPARE(c.entries().at(0).top, 0);
        QCOMPARE(c.entries().at(0).right, 0);
    }

    void degeneratePaperOffersNothing_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("margin");
        QTest::newRow("margins eat the paper") << 10.0 << 10.0 << 5.0;
        QTest::newRow("margins beyond the paper") << 10.0 << 10.0 << 8.0;
        QTest::newRow("below 1.5 mm") << 1.4 << 1.2 << 0.0;
    }
    void degeneratePaperOffersNothing()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, margin);
        LayoutCatalogue::Source s = a4({size(100, 150)});
        s.setup.width = width;
        s.setup.height = height;
        s.setup.top = s.setup.bottom = s.setup.left = s.setup.right = margin;
        LayoutCatalogue c;
        c.build(s);
        QVERIFY(!c.usable());
        QVERIFY(c.entries().isEmpty());
        QVERIFY(!c.thumbnailSize().isValid() || c.thumbnailSize().width() > 0);
    }

    void tinyPrintableAreaHasNoEmptyLayouts()
    {
        LayoutCatalogue::Source s = a4({});
        s.setup.width = 10.01;
        s.setup.height = 20;
        LayoutCatalogue c;
        c.build(s); // printable width 1: its halves are 0
        for (const Page &p : c.entries())
            QVERIFY(!p.frames.isEmpty());
    }

    void userLayouts()
    {
        QTemporaryDir docs;
        const QString folder = docs.path() + "/A4/";
        QVERIFY(QDir().mkpath(folder));
        const QVector<QRectF> two{QRectF(1000, 1000, 5000, 5000), QRectF(1000, 7000, 5000, 5000)};
        QVERIFY(LayoutFile::write(folder + "12 frames.vly", "A4 210x297 mm", 21000, 29700, two));
        QVERIFY(LayoutFile::write(folder + "4 x.vly", "A4", 21000, 29700, two));
        QVERIFY(LayoutFile::write(folder + "wide.vly", "A4", 29700, 21000, two));
        QVERIFY(LayoutFile::write(folder + "letter.vly", "Letter", 21590, 27940, two));
        QVERIFY(LayoutFile::write(folder + "none.vly", "A4", 21000, 29700, {}));
        QFile junk(folder + "junk.vly");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a layout");
        junk.close();

        LayoutCatalogue::Source s = a4({});
        s.documentsFolder = docs.path() + "/";
        LayoutCatalogue c;
        c.build(s);
        QStringList user = names(c).mid(3);
        user.sort();
        QCOMPARE(user, QStringList({" 4 x.vly", "12 frames.vly"}));
        const Page &e = c.entries().at(c.indexOf(" 4 x.vly"));
        QCOMPARE(rects(e), QVector<QRect>({QRect(1000, 1000, 5000, 5000), QRect(1000, 7000, 5000, 5000)}));
        QCOMPARE(e.left, 500);

        s.setup.orientation = 1;
        s.setup.width = 297;
        s.setup.height = 210;
        c.build(s);
        QCOMPARE(names(c).mid(3), QStringList({"wide.vly"}));
    }

    void fileNamesWithDigits()
    {
        QCOMPARE(LayoutCatalogue::fileLayoutName("/x/12 up.vly"), QString("12 up.vly"));
        QCOMPARE(LayoutCatalogue::fileLayoutName("/x/4 up.vly"), QString(" 4 up.vly"));
        QCOMPARE(LayoutCatalogue::fileLayoutName("/x/0 up.vly"), QString("0 up.vly"));
        QCOMPARE(LayoutCatalogue::fileLayoutName("/x/up.vly"), QString("up.vly"));
    }

    void thumbnails()
    {
        LayoutCatalogue c;
        c.build(a4({}));
        QCOMPARE(c.thumbnailSize(), QSize(106, 150));
        const QImage t = c.thumbnail(c.entries().at(0), Qt::white);
        QCOMPARE(t.size(), QSize(106, 150));
        QCOMPARE(t.pixelColor(0, 0), QColor(Qt::green));
        QCOMPARE(t.pixelColor(500 / 198, 80), QColor(Qt::black));
        QCOMPARE(t.pixelColor(50, 80), QColor(Qt::white));
    }

    void onlyWantedEntriesAreMade()
    {
        // Each entry made alone is the entry of the whole catalogue, names
        // of the across grids with their dot included; a layout file that is
        // not wanted is not read, so its fault is not reported either.
        QTemporaryDir docs;
        const QString folder = docs.path() + "/A4/";
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(LayoutFile::write(folder + "two.vly", "A4", 21000, 29700,
                                   {QRectF(1000, 1000, 5000, 5000), QRectF(1000, 7000, 5000, 5000)}));
        // A frame beyond the paper: the program's writer would refuse it.
        QVERIFY(writeLayoutBytes(folder + "off.vly", "A4", QSize(21000, 29700), {QRect(20000, 1000, 5000, 5000)}));
        LayoutCatalogue::Source s = a4({size(35, 70), size(90, 130, false), size(100, 150), size(3, 4)});
        s.documentsFolder = docs.path() + "/";
        LayoutCatalogue all;
        all.build(s);
        QCOMPARE(all.problems().size(), 1);
        QVERIFY(names(all).contains("20-35x70. mm"));
        for (int i = 3; i < all.entries().size(); ++i) {
            const Page &entry = all.entries().at(i);
            LayoutCatalogue one;
            int asked = 0;
            one.build(s, [&](const QString &name) {
                ++asked;
                return name == entry.title;
            });
            QCOMPARE(names(one), names(all).mid(0, 3) << entry.title);
            QCOMPARE(rects(one.entries().last()), rects(entry));
            QVERIFY(one.problems().isEmpty());
            QCOMPARE(asked, all.entries().size() - 3 + 1); // every grid and file asked about, the damaged one too
        }
        for (const QString &name : {QString(" 3-100x150 in"), QString("nothing like it")}) {
            LayoutCatalogue remembered;
            remembered.build(s, [&](const QString &entry) { return LayoutCatalogue::matchesRemembered(entry, name); });
            QCOMPARE(remembered.entries().at(remembered.currentRow(name)).title,
                     all.entries().at(all.currentRow(name)).title);
        }
    }

    void currentRowMatchesAllButTheEnd()
    {
        LayoutCatalogue c;
        c.build(a4({size(100, 150)}));
        QCOMPARE(c.currentRow(" 3-100x150 mm"), 3);
        QCOMPARE(c.currentRow(" 3-100x150 in"), 3);
        QCOMPARE(c.currentRow("nothing like it"), 0);
        QCOMPARE(c.currentRow(QString()), 0);
        QCOMPARE(c.indexOf(" 2-100x150 mm"), 4);
        QCOMPARE(c.indexOf(" 2-100x150 m"), -1);
    }
};

QTEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
