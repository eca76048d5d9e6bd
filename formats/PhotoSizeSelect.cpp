#include "formats/PhotoSizeSelect.h"

#include "formats/LittleEndianDouble.h"

#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {

// A side that is negative, not a number or beyond 100000 (in either unit)
// comes from damage; in hundredths of an inch it would not even fit the
// integers the layouts are measured in.
bool plausibleSide(double v) { return std::isfinite(v) && v >= 0.0 && v <= 100000.0; }

QVector<PhotoSizeSelect> makeList(std::initializer_list<std::pair<double, double>> sizes)
{
    QVector<PhotoSizeSelect> list;
    list.reserve(int(sizes.size()));
    for (const auto &s : sizes)
        list.append(PhotoSizeSelect{s.first, s.second, true, true});
    return list;
}

} // namespace

Outcome PhotoSizeSelect::listFromBytes(const QByteArray &bytes, QVector<PhotoSizeSelect> &list)
{
    list.clear();
    const int n = bytes.size() / StoredSize;
    list.reserve(n);
    QStringList damage;
    for (int i = 0; i < n; ++i) {
        const char *p = bytes.constData() + i * StoredSize;
        const PhotoSizeSelect size{readLittleEndianDouble(p), readLittleEndianDouble(p + 8), p[16] != 0, p[17] != 0};
        if (plausibleSide(size.shortSide) && plausibleSide(size.longSide))
            list.append(size);
        else
            damage << QStringLiteral("record %1").arg(i);
    }
    if (bytes.size() % StoredSize != 0)
        damage << QStringLiteral("%1 bytes left over").arg(bytes.size() % StoredSize);
    if (damage.isEmpty())
        return Outcome();
    return Outcome::failure(QT_TRANSLATE_NOOP("QObject", "Some stored photo sizes are damaged and were left out."),
                            damage.join(QStringLiteral(", ")));
}

QByteArray PhotoSizeSelect::listToBytes(const QVector<PhotoSizeSelect> &list)
{
    QByteArray b(list.size() * StoredSize, '\0');
    for (int i = 0; i < list.size(); ++i) {
        char *p = b.data() + i * StoredSize;
        writeLittleEndianDouble(p, list[i].shortSide);
        writeLittleEndianDouble(p + 8, list[i].longSide);
        p[16] = list[i].builtIn ? 1 : 0;
        p[17] = list[i].selected ? 1 : 0;
    }
    return b;
}

QVector<PhotoSizeSelect> PhotoSizeSelect::defaultMillimetres()
{
    return makeList({{30, 40}, {35, 40}, {35, 45}, {40, 50}, {50, 60}, {50, 70}, {60, 80},
                     {60, 90}, {90, 120}, {90, 130}, {100, 140}, {100, 150}, {120, 180},
                     {130, 180}, {150, 200}, {150, 210}, {180, 240}, {200, 200}, {200, 250},
                     {200, 300}, {220, 320}, {240, 350}, {240, 360}, {300, 300}, {300, 400},
                     {300, 450}, {400, 400}, {400, 500}, {400, 600}, {450, 450}, {500, 500},
                     {500, 700}, {500, 750}, {500, 850}, {600, 600}, {600, 1000}});
}

QVector<PhotoSizeSelect> PhotoSizeSelect::defaultInches()
{
    return makeList({{1, 1.5}, {1.5, 1.5}, {1.5, 2}, {2, 2}, {2, 2.75}, {2.5, 3.5}, {3.5, 5},
                     {4, 6}, {4, 8}, {5, 7}, {8, 10}, {8, 12}, {8.5, 11}, {8.5, 14}, {9, 12},
                     {11, 14}, {11, 17}, {12, 18}, {13, 19}, {16, 20}, {16, 24}, {20, 24},
                     {20, 30}, {24, 28}, {24, 30}});
}

void PhotoSizeSelect::sortList(QVector<PhotoSizeSelect> &list)
{
    std::stable_sort(list.begin(), list.end(), [](const PhotoSizeSelect &a, const PhotoSizeSelect &b) {
        if (a.shortSide != b.shortSide)
            return a.shortSide < b.shortSide;
        return a.longSide < b.longSide;
    });
}

bool PhotoSizeSelect::operator==(const PhotoSizeSelect &o) const
{
    return shortSide == o.shortSide && longSide == o.longSide && builtIn == o.builtIn
        && selected == o.selected;
}
