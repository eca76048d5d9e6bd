#include "app/PrintPlan.h"

#include "formats/PageSetup.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Catalogue paper index -> the page size of the same name (0, the typed
// size, has none).
QPageSize::PageSizeId namedSize(int index)
{
    static const QPageSize::PageSizeId table[] = {
        QPageSize::Custom, QPageSize::A3,        QPageSize::Tabloid, QPageSize::B4,     QPageSize::Legal,
        QPageSize::Folio,  QPageSize::Letter,    QPageSize::A4,      QPageSize::Executive, QPageSize::B5,
        QPageSize::C5E,    QPageSize::A5,        QPageSize::B6,      QPageSize::DLE,    QPageSize::Comm10E,
        QPageSize::A6,     QPageSize::B7,        QPageSize::A7,      QPageSize::B8,     QPageSize::A8,
        QPageSize::A9,     QPageSize::B9,        QPageSize::B10,
    };
    const int count = int(sizeof table / sizeof table[0]);
    return index > 0 && index < count ? table[index] : QPageSize::Custom;
}

// Whether the 1-based `page` lies in the ranges "1-3,5,7-" (a missing start
// is the first page, a missing end the last).
bool inRanges(const QString &ranges, int page)
{
    for (const QString &part : ranges.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString text = part.trimmed();
        const int dash = text.indexOf(QLatin1Char('-'));
        bool okFrom = true, okTo = true;
        const QString first = dash < 0 ? text : text.left(dash).trimmed();
        const QString last = dash < 0 ? text : text.mid(dash + 1).trimmed();
        const int from = first.isEmpty() ? 1 : first.toInt(&okFrom);
        const int to = last.isEmpty() ? INT_MAX : last.toInt(&okTo);
        if (okFrom && okTo && page >= from && page <= to)
            return true;
    }
    return false;
}

} // namespace

namespace PrintPlan {

PageSet pageSetFrom(const QString &text)
{
    const QString set = text.trimmed().toLower();
    return set == QLatin1String("odd") ? PageSet::Odd : set == QLatin1String("even") ? PageSet::Even : PageSet::All;
}

Paper paperFor(const PageSetup &d)
{
    const double f = d.unit == PageSetup::Inch ? 25.4 : d.unit == PageSetup::Millimetre ? 1.0 : 10.0;
    Paper p;
    if (d.orientation == 0)
        p.sizeMm = QSizeF(d.width * f, d.height * f);
    else
        p.sizeMm = QSizeF(d.height * f, std::trunc(d.width * f));
    p.named = namedSize(d.paperSize);
    p.orientation = d.orientation != 0 ? QPageLayout::Landscape : QPageLayout::Portrait;
    p.fullPage = d.borderless;
    if (!d.borderless)
        p.marginsMm = QMarginsF(d.left * f, d.top * f, d.right * f, d.bottom * f);
    return p;
}

QPageSize pageSizeFor(const Paper &paper)
{
    // Centimetres and inches turned into millimetres miss the standard size
    // by a rounding error; within a twentieth of a millimetre it is the
    // named paper.
    if (paper.named != QPageSize::Custom) {
        const QSizeF named = QPageSize::size(paper.named, QPageSize::Millimeter);
        if (qAbs(named.width() - paper.sizeMm.width()) < 0.05 && qAbs(named.height() - paper.sizeMm.height()) < 0.05)
            return QPageSize(paper.named);
    }
    return QPageSize(paper.sizeMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

QList<int> pages(const Choice &c, int n)
{
    QList<int> list;
    if (n <= 0)
        return list;
    switch (c.range) {
    case Range::Selection:
        for (int row : c.selection)
            if (row >= 0 && row < n)
                list << row;
        break;
    case Range::CurrentPage:
        if (c.currentPage >= 0 && c.currentPage < n)
            list << c.currentPage;
        break;
    case Range::AllPages:
    case Range::PageRange: {
        const int from = c.fromPage > 0 ? c.fromPage - 1 : 0;
        int to = c.toPage - 1;
        if (c.toPage <= 0 || to >= n)
            to = n - 1;
        for (int i = from; i <= to && i < n; ++i)
            list << i;
        break;
    }
    }
    // The dialog's pages and page set apply to the document's page numbers.
    const auto unwanted = [&c](int index) {
        const int number = index + 1;
        if (c.pageSet == PageSet::Odd && number % 2 == 0)
            return true;
        if (c.pageSet == PageSet::Even && number % 2 == 1)
            return true;
        return !c.pageRanges.trimmed().isEmpty() && !inRanges(c.pageRanges, number);
    };
    list.erase(std::remove_if(list.begin(), list.end(), unwanted), list.end());
    if (c.lastPageFirst)
        std::reverse(list.begin(), list.end());
    return list;
}

QVector<QList<int>> jobs(const QList<int> &pages, int copies, bool collate, int jobMax)
{
    QVector<QList<int>> result;
    if (pages.isEmpty() || copies <= 0)
        return result;
    const int max = qMax(1, jobMax);
    QVector<QList<int>> runs;
    for (int i = 0; i < pages.size(); i += max)
        runs << pages.mid(i, max);
    if (collate) {
        for (int c = 0; c < copies; ++c)
            result << runs;
    } else {
        for (const QList<int> &run : runs)
            for (int c = 0; c < copies; ++c)
                result << run;
    }
    return result;
}

QVector<QList<int>> oneJob(const QVector<QList<int>> &jobs)
{
    QList<int> all;
    for (const QList<int> &job : jobs)
        all << job;
    if (all.isEmpty())
        return {};
    return {all};
}

} // namespace PrintPlan
