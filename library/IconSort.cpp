#include "library/IconSort.h"

#include "library/ImageFile.h"

#include <algorithm>
#include <vector>

namespace IconSort {

int compareNames(const QString &a, const QString &b)
{
    const int upper = a.toUpper().compare(b.toUpper(), Qt::CaseSensitive);
    return upper != 0 ? upper : a.compare(b, Qt::CaseSensitive);
}

namespace {

struct Entry
{
    int row;
    QString upperName;
    QString upperSuffix;
};

} // namespace

void sort(QVector<IconItem> &items, int key, bool reverse)
{
    if (key < Name || key > Date)
        return;
    std::vector<Entry> entries;
    entries.reserve(size_t(items.size()));
    for (int i = 0; i < items.size(); ++i)
        entries.push_back({i, items[i].fileName.toUpper(),
                           key == Extension ? fileSuffix(items[i].fileName).toUpper() : QString()});

    // Names compared with their upper-cased forms made once.
    auto names = [&](const Entry &a, const Entry &b) {
        const int upper = a.upperName.compare(b.upperName, Qt::CaseSensitive);
        return upper != 0 ? upper
                          : items[a.row].fileName.compare(items[b.row].fileName, Qt::CaseSensitive);
    };
    auto less = [&](const Entry &a, const Entry &b) {
        const IconItem &x = items[a.row];
        const IconItem &y = items[b.row];
        switch (key) {
        case Extension:
            if (int c = a.upperSuffix.compare(b.upperSuffix, Qt::CaseSensitive))
                return c < 0;
            break;
        case Size:
            if (x.fileSize != y.fileSize)
                return x.fileSize < y.fileSize;
            break;
        case Date:
            if (x.fileTime != y.fileTime)
                return x.fileTime > y.fileTime;
            break;
        default:
            break;
        }
        return names(a, b) < 0;
    };
    if (reverse)
        std::sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) { return less(b, a); });
    else
        std::sort(entries.begin(), entries.end(), less);

    QVector<IconItem> sorted;
    sorted.reserve(items.size());
    for (const Entry &e : entries)
        sorted.append(std::move(items[e.row]));
    items = std::move(sorted);
}

} // namespace IconSort
