// pack [ORDERS]: ORDERS generated orders (40 by default; A4, Letter and
// 305 x 457 mm with 5 mm margins; prints from 35 x 45 mm to 20 x 25 cm,
// 5 to 60 of them; 2 mm gutter) packed by the order packer and by the plain
// multi-rule packer, with the area bound; then one order of 300 prints.

#include "BenchCommand.h"

#include "formats/OrderPacker.h"

#include <QElapsedTimer>

#include <cstdio>

namespace {

struct Sequence
{
    quint32 state = 12345;
    int next(int bound)
    {
        state = state * 1103515245u + 12345u;
        return int((state >> 8) % quint32(bound));
    }
};

QVector<OrderPrint> generated(Sequence &random, int prints)
{
    static const QSize sizes[] = {{3500, 4500}, {5000, 5000},   {6000, 9000},   {9000, 13000},
                                  {10000, 15000}, {13000, 18000}, {15000, 21000}, {20000, 25000}};
    QVector<OrderPrint> order;
    for (int left = prints; left > 0;) {
        const QSize s = sizes[random.next(8)];
        const int count = qMin(left, 1 + random.next(8));
        order << OrderPrint{QStringLiteral("photo%1.jpg").arg(order.size()), s.width(), s.height(), count};
        left -= count;
    }
    return order;
}

int runPack(const QStringList &args)
{
    const int orders = args.isEmpty() ? 40 : args.at(0).toInt();
    static const QSize areas[] = {{20000, 28700}, {20590, 26940}, {29500, 44700}};
    Sequence random;
    int sheets = 0, plainSheets = 0, bound = 0, worse = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < orders; ++i) {
        const QSize area = areas[i % 3];
        const QVector<OrderPrint> order = generated(random, 5 + random.next(56));
        OrderPacker packer(area.width(), area.height());
        const int n = packer.pack(order).size();
        packer.setThorough(false);
        const int plain = packer.pack(order).size();
        sheets += n;
        plainSheets += plain;
        bound += packer.lowerBound(order);
        worse += n > plain;
    }
    const qint64 ordersMs = timer.elapsed();
    const QVector<OrderPrint> large = generated(random, 300);
    const OrderPacker packer(20000, 28700);
    timer.restart();
    const int largeSheets = packer.pack(large).size();
    const qint64 largeMs = timer.elapsed();
    std::printf("pack: %d orders, %d sheets (plain packer %d, area bound %d, orders worse than plain %d), %lld ms; "
                "300 prints on A4: %d sheets (area bound %d), %lld ms\n",
                orders, sheets, plainSheets, bound, worse, ordersMs, largeSheets, packer.lowerBound(large), largeMs);
    return worse == 0 ? 0 : 1;
}

} // namespace

static BenchCommand pack("pack", "pack [ORDERS]", runPack);
