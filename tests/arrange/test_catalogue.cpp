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
};

QTEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
