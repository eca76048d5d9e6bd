// Order packing: every print placed once per count at its size, inside the
// printable area, a gutter apart, each sheet cuttable with straight cuts,
// and no more sheets than the known best for orders where it is known.
#include "formats/OrderPacker.h"

#include <QtTest>

Q_DECLARE_METATYPE(QVector<OrderPrint>)

namespace {

// True when the rectangles can be parted by a straight cut through the
// whole piece, and each part again, down to single rectangles.
bool cuttable(const QVector<QRect> &rects)
{
    if (rects.size() <= 1)
        return true;
    for (const bool across : {false, true}) {
        for (const QRect &r : rects) {
            const int cut = across ? r.y() + r.height() : r.x() + r.width();
            QVector<QRect> before, after;
            bool straddles = false;
            for (const QRect &o : rects) {
                const int lo = across ? o.y() : o.x();
                const int hi = lo + (across ? o.height() : o.width());
                if (hi <= cut)
                    before.append(o);
                else if (lo >= cut)
                    after.append(o);
                else
                    straddles = true;
            }
            if (!straddles && !before.isEmpty() && !after.isEmpty())
                return cuttable(before) && cuttable(after);
        }
    }
    return false;
}

bool apart(const QRect &a, const QRect &b, int gutter)
{
    return a.x() + a.width() + gutter <= b.x() || b.x() + b.width() + gutter <= a.x()
           || a.y() + a.height() + gutter <= b.y() || b.y() + b.height() + gutter <= a.y();
}

OrderPrint print(int w, int h, int count) { return OrderPrint{QStringLiteral("p%1x%2").arg(w).arg(h), w, h, count}; }

} // namespace

class TestOrderPacker : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void packs_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("gutter");
        QTest::addColumn<QVector<OrderPrint>>("prints");
        QTest::addColumn<int>("sheets"); // the best there is; 0: not known
        // 2 x 2 fit exactly with one gutter between them.
        QTest::newRow("four 10x15 exactly") << QSize(20200, 30200) << 200 << QVector<OrderPrint>{print(10000, 15000, 4)} << 1;
        // A4 without margins takes two upright and one turned: 3 a sheet.
        QTest::newRow("eight 10x15 on A4") << QSize(21000, 29700) << 200 << QVector<OrderPrint>{print(10000, 15000, 8)} << 3;
        // Landscape prints on a landscape strip stand turned.
        QTest::newRow("turned to fit") << QSize(20200, 15000) << 200 << QVector<OrderPrint>{print(15000, 10000, 2)} << 1;
        QTest::newRow("nine passport") << QSize(11000, 14000) << 200 << QVector<OrderPrint>{print(3500, 4500, 9)} << 1;
        QTest::newRow("ten passport") << QSize(11000, 14000) << 200 << QVector<OrderPrint>{print(3500, 4500, 10)} << 2;
        QTest::newRow("no gutter") << QSize(20000, 30000) << 0 << QVector<OrderPrint>{print(10000, 15000, 8)} << 2;
        QTest::newRow("mixed on A4 with margins")
            << QSize(20000, 28700) << 200
            << QVector<OrderPrint>{print(13000, 18000, 2), print(10000, 15000, 12), print(3500, 4500, 16),
                                   print(6000, 9000, 7)}
            << 0;
        QVector<OrderPrint> many;
        for (int i = 0; i < 30; ++i)
            many << print(3500 + 613 * i % 16500, 4500 + 977 * i % 20500, 1 + i % 19);
        QTest::newRow("300 prints on 305x457") << QSize(29500, 44700) << 200 << many << 0;
    }
    void packs()
    {
        QFETCH(QSize, area);
        QFETCH(int, gutter);
        QFETCH(QVector<OrderPrint>, prints);
        QFETCH(int, sheets);
        const OrderPacker packer(area.width(), area.height(), gutter);
        const QVector<OrderSheet> packed = packer.pack(prints);
        QVector<int> placed(prints.size());
        for (const OrderSheet &sheet : packed) {
            QVector<QRect> rects;
            for (const OrderPlacement &p : sheet.placements) {
                ++placed[p.print];
                const OrderPrint &ordered = prints.at(p.print);
                const QSize size = p.turned ? QSize(ordered.height, ordered.width) : QSize(ordered.width, ordered.height);
                QCOMPARE(p.rect.size(), size);
                QVERIFY2(QRect(QPoint(), area).contains(p.rect), qPrintable(QStringLiteral("outside: %1").arg(p.print)));
                for (const QRect &other : rects)
                    QVERIFY(apart(p.rect, other, gutter));
                rects << p.rect;
            }
            QVERIFY(cuttable(rects));
        }
        for (int i = 0; i < prints.size(); ++i)
            QCOMPARE(placed.at(i), prints.at(i).count);
        QVERIFY(packed.size() >= packer.lowerBound(prints));
        if (sheets > 0)
            QCOMPARE(packed.size(), sheets);
        // The same order gives the same sheets.
        const QVector<OrderSheet> again = packer.pack(prints);
        QCOMPARE(again.size(), packed.size());
        for (int s = 0; s < packed.size(); ++s)
            for (int k = 0; k < packed.at(s).placements.size(); ++k)
                QCOMPARE(again.at(s).placements.at(k).rect, packed.at(s).placements.at(k).rect);
    }

    void refusesWhatDoesNotFit()
    {
        const OrderPacker packer(20000, 28700);
        QVERIFY(packer.fits(print(28700, 20000, 1)));  // turned it fits
        QVERIFY(!packer.fits(print(20100, 20100, 1))); // either way too wide
        QVERIFY(packer.pack({print(10000, 15000, 1), print(30000, 10000, 1)}).isEmpty());
        QVERIFY(packer.pack({}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOrderPacker)
#include "test_orderpacker.moc"
