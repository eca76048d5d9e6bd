#include "formats/OrderPacker.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <limits>

// The packing works in a space where every print is one gutter wider and
// taller and the sheet too: prints that touch there lie a gutter apart on
// paper, and a print that reaches the far edge there ends at the edge of the
// printable area. Each sheet is a set of free rectangles; a print goes into
// the corner of one, and the rest of it is cut in two by one straight cut,
// so the sheet stays cuttable with straight cuts.
namespace {

struct Item
{
    int print;
    qint32 w, h; // with the gutter
};

struct Free
{
    qint32 x, y, w, h;
    qint64 area() const { return qint64(w) * h; }
};

enum class Choice { BestArea, BestShortSide, BestLongSide, TopLeft };
enum class Split { ShorterLeftover, LongerLeftover, MinArea, MaxArea, ShorterAxis, LongerAxis };

constexpr std::array<Choice, 4> choices = {Choice::BestArea, Choice::BestShortSide, Choice::BestLongSide,
                                           Choice::TopLeft};
constexpr std::array<Split, 6> splits = {Split::ShorterLeftover, Split::LongerLeftover, Split::MinArea,
                                         Split::MaxArea, Split::ShorterAxis, Split::LongerAxis};

struct Rules
{
    Choice choice;
    Split split;
};

// The score of `w` x `h` in `f` under `choice`: lower is better.
qint64 score(Choice choice, const Free &f, qint32 w, qint32 h)
{
    const qint64 dw = f.w - w, dh = f.h - h;
    switch (choice) {
    case Choice::BestArea:
        return f.area() - qint64(w) * h;
    case Choice::BestShortSide:
        return std::min(dw, dh);
    case Choice::BestLongSide:
        return std::max(dw, dh);
    case Choice::TopLeft:
        return qint64(f.y) * (qint64(1) << 32) + f.x;
    }
    return 0;
}

bool cutAcross(Split split, const Free &f, qint32 w, qint32 h)
{
    const qint64 dw = f.w - w, dh = f.h - h;
    switch (split) {
    case Split::ShorterLeftover:
        return dw <= dh;
    case Split::LongerLeftover:
        return dw > dh;
    case Split::MinArea:
        return qint64(w) * dh > dw * qint64(h);
    case Split::MaxArea:
        return qint64(w) * dh <= dw * qint64(h);
    case Split::ShorterAxis:
        return f.w <= f.h;
    case Split::LongerAxis:
        return f.w > f.h;
    }
    return true;
}

struct Sheet
{
    QVector<OrderPlacement> placements;
    QVector<Free> free;
    qint64 used = 0;
    qint64 largestFree() const
    {
        qint64 best = 0;
        for (const Free &f : free)
            best = std::max(best, f.area());
        return best;
    }
};

struct Packing
{
    QVector<Sheet> sheets;
    bool better(const Packing &other) const
    {
        if (sheets.size() != other.sheets.size())
            return sheets.size() < other.sheets.size();
        return !sheets.isEmpty() && sheets.last().largestFree() > other.sheets.last().largestFree();
    }
};

class SheetFiller
{
public:
    SheetFiller(qint32 width, qint32 height, qint32 gutter) : m_width(width), m_height(height), m_gutter(gutter) {}

    // Fills a new sheet with what it can take of `items` in their order;
    // what it took is removed from `items`.
    Sheet fill(QVector<Item> &items, Rules rules) const
    {
        Sheet sheet;
        sheet.free.append(Free{0, 0, m_width, m_height});
        QVector<Item> left;
        left.reserve(items.size());
        for (const Item &item : items)
            if (!place(sheet, item, rules))
                left.append(item);
        items.swap(left);
        return sheet;
    }

private:
    bool place(Sheet &sheet, const Item &item, Rules rules) const
    {
        int best = -1;
        bool bestTurned = false;
        qint64 bestScore = std::numeric_limits<qint64>::max();
        for (int i = 0; i < sheet.free.size(); ++i) {
            const Free &f = sheet.free.at(i);
            for (const bool turned : {false, true}) {
                const qint32 w = turned ? item.h : item.w, h = turned ? item.w : item.h;
                if (w > f.w || h > f.h || (turned && item.w == item.h))
                    continue;
                const qint64 s = score(rules.choice, f, w, h);
                if (s < bestScore) {
                    bestScore = s;
                    best = i;
                    bestTurned = turned;
                }
            }
        }
        if (best < 0)
            return false;
        const Free f = sheet.free.takeAt(best);
        const qint32 w = bestTurned ? item.h : item.w, h = bestTurned ? item.w : item.h;
        OrderPlacement p;
        p.print = item.print;
        p.turned = bestTurned;
        p.rect = QRect(f.x, f.y, w - m_gutter, h - m_gutter);
        sheet.placements.append(p);
        sheet.used += qint64(w) * h;
        Free below{f.x, f.y + h, w, f.h - h};
        Free beside{f.x + w, f.y, f.w - w, h};
        if (cutAcross(rules.split, f, w, h))
            below.w = f.w;
        else
            beside.h = f.h;
        for (const Free &rest : {below, beside})
            if (rest.w > m_gutter && rest.h > m_gutter)
                sheet.free.append(rest);
        return true;
    }

    qint32 m_width, m_height, m_gutter;
};

using Order = std::function<bool(const Item &, const Item &)>;

QVector<Order> orders()
{
    const auto longSide = [](const Item &i) { return std::max(i.w, i.h); };
    const auto shortSide = [](const Item &i) { return std::min(i.w, i.h); };
    return {
        [](const Item &a, const Item &b) { return qint64(a.w) * a.h > qint64(b.w) * b.h; },
        [=](const Item &a, const Item &b) {
            return longSide(a) != longSide(b) ? longSide(a) > longSide(b) : shortSide(a) > shortSide(b);
        },
        [=](const Item &a, const Item &b) { return shortSide(a) > shortSide(b); },
        [](const Item &a, const Item &b) { return a.h != b.h ? a.h > b.h : a.w > b.w; },
        [](const Item &a, const Item &b) { return a.w != b.w ? a.w > b.w : a.h > b.h; },
        [](const Item &a, const Item &b) { return a.w + a.h > b.w + b.h; },
    };
}

// Every sheet filled with one set of rules.
Packing packWith(QVector<Item> items, Rules rules, const SheetFiller &filler)
{
    Packing packing;
    while (!items.isEmpty())
        packing.sheets.append(filler.fill(items, rules));
    return packing;
}

// Each sheet filled by whichever order and rules cover most of it.
Packing packGreedy(const QVector<QVector<Item>> &sorted, const SheetFiller &filler)
{
    Packing packing;
    QVector<QVector<Item>> remaining = sorted;
    while (!remaining.first().isEmpty()) {
        Sheet best;
        int bestOrder = -1;
        QVector<Item> bestLeft;
        for (int o = 0; o < remaining.size(); ++o)
            for (Choice c : choices)
                for (Split s : splits) {
                    QVector<Item> left = remaining.at(o);
                    Sheet sheet = filler.fill(left, Rules{c, s});
                    if (bestOrder < 0 || sheet.used > best.used) {
                        best = sheet;
                        bestOrder = o;
                        bestLeft = left;
                    }
                }
        // The prints taken leave every order, each keeping its own sequence.
        QVector<int> taken(0);
        for (const OrderPlacement &p : best.placements)
            taken.append(p.print);
        for (int o = 0; o < remaining.size(); ++o) {
            if (o == bestOrder) {
                remaining[o] = bestLeft;
                continue;
            }
            QVector<int> toTake = taken;
            QVector<Item> kept;
            for (const Item &item : remaining.at(o)) {
                const int k = toTake.indexOf(item.print);
                if (k >= 0)
                    toTake.remove(k);
                else
                    kept.append(item);
            }
            remaining[o] = kept;
        }
        packing.sheets.append(best);
    }
    return packing;
}

// A small deterministic generator, the same on every system.
struct Shuffler
{
    quint64 state = 0x9E3779B97F4A7C15ull;
    quint32 next(quint32 bound)
    {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return quint32(state >> 33) % bound;
    }
};

} // namespace

OrderPacker::OrderPacker(qint32 areaWidth, qint32 areaHeight, qint32 gutter)
    : m_width(areaWidth), m_height(areaHeight), m_gutter(std::max<qint32>(0, gutter))
{
}

bool OrderPacker::fits(const OrderPrint &p) const
{
    return p.width > 0 && p.height > 0
           && ((p.width <= m_width && p.height <= m_height) || (p.height <= m_width && p.width <= m_height));
}

int OrderPacker::lowerBound(const QVector<OrderPrint> &prints) const
{
    qint64 area = 0;
    for (const OrderPrint &p : prints)
        area += qint64(p.width) * p.height * p.count;
    const qint64 sheet = qint64(m_width) * m_height;
    return sheet > 0 ? int((area + sheet - 1) / sheet) : 0;
}

double OrderPacker::coverage(const QVector<OrderPrint> &prints, int sheets) const
{
    if (sheets <= 0 || m_width <= 0 || m_height <= 0)
        return 0;
    double area = 0;
    for (const OrderPrint &p : prints)
        area += double(p.width) * p.height * p.count;
    return area / (double(m_width) * m_height * sheets);
}

QVector<OrderSheet> OrderPacker::pack(const QVector<OrderPrint> &prints) const
{
    QVector<Item> items;
    for (int i = 0; i < prints.size(); ++i) {
        const OrderPrint &p = prints.at(i);
        if (!fits(p))
            return {};
        for (int c = 0; c < p.count; ++c)
            items.append(Item{i, p.width + m_gutter, p.height + m_gutter});
    }
    if (items.isEmpty())
        return {};
    const SheetFiller filler(m_width + m_gutter, m_height + m_gutter, m_gutter);
    const int bound = lowerBound(prints);

    QVector<QVector<Item>> sorted;
    for (const Order &order : orders()) {
        QVector<Item> s = items;
        std::stable_sort(s.begin(), s.end(), order);
        sorted.append(s);
    }
    Rules bestRules{Choice::BestArea, Split::ShorterLeftover};
    QVector<Item> bestOrder = sorted.first();
    Packing best = m_thorough ? packGreedy(sorted, filler) : packWith(bestOrder, bestRules, filler);
    for (const QVector<Item> &s : sorted)
        for (Choice c : choices)
            for (Split sp : splits) {
                Packing p = packWith(s, Rules{c, sp}, filler);
                if (p.better(best)) {
                    best = p;
                    bestRules = Rules{c, sp};
                    bestOrder = s;
                }
            }

    // A bounded search around the best sequence: neighbours that exchange
    // two prints of different sizes, while more sheets than the bound.
    const int budget = m_thorough ? std::max(20, 60000 / int(items.size())) : 0;
    Shuffler random;
    QVector<Item> current = bestOrder;
    for (int round = 0; round < budget && best.sheets.size() > bound && current.size() > 1; ++round) {
        QVector<Item> next = current;
        const int a = int(random.next(quint32(next.size())));
        const int b = int(random.next(quint32(next.size())));
        if (next.at(a).w == next.at(b).w && next.at(a).h == next.at(b).h)
            continue;
        std::swap(next[a], next[b]);
        Packing p = packWith(next, bestRules, filler);
        if (p.sheets.size() <= best.sheets.size()) {
            current = next;
            if (p.better(best))
                best = p;
        }
    }

    QVector<OrderSheet> sheets;
    for (Sheet &sheet : best.sheets) {
        std::sort(sheet.placements.begin(), sheet.placements.end(), [](const OrderPlacement &a, const OrderPlacement &b) {
            return a.rect.y() != b.rect.y() ? a.rect.y() < b.rect.y() : a.rect.x() < b.rect.x();
        });
        sheets.append(OrderSheet{sheet.placements});
    }
    return sheets;
}
