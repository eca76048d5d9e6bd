#include "formats/LayoutCatalogue.h"

#include "formats/Rounding.h"
#include "formats/LayoutFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <cmath>

namespace {

PhotoFrame frameAt(int x, int y, int w, int h)
{
    PhotoFrame f;
    f.x = x;
    f.y = y;
    f.width = w;
    f.height = h;
    return f;
}

// Free space split into gaps around `count` items (gaps between and at both
// ends), or pushed together and centred.
struct Spacing
{
    int gap;
    int offset;
};

Spacing spread(int rest, int count, bool closely)
{
    if (closely)
        return {0, rest / 2};
    const int gap = rest / (count + 1);
    return {gap, gap};
}

} // namespace

Page LayoutCatalogue::paperPage(const PageSetup &d)
{
    const int scale = PageSetup::unitScale(d.unit);
    Page page;
    page.width = roundHalfUp(scale * d.width);
    page.height = roundHalfUp(scale * d.height);
    if (!d.borderless) {
        page.top = roundHalfUp(scale * d.top);
        page.bottom = roundHalfUp(scale * d.bottom);
        page.left = roundHalfUp(scale * d.left);
        page.right = roundHalfUp(scale * d.right);
    }
    return page;
}

void LayoutCatalogue::build(const Source &source, const std::function<bool(const QString &)> &wanted)
{
    m_source = source;
    const PageSetup &d = source.setup;
    m_unitScale = PageSetup::unitScale(d.unit);
    const int factor = d.unit == PageSetup::Inch ? 2540 : 100;

    m_base = paperPage(d);
    const int w = m_base.printableWidth();
    const int h = m_base.printableHeight();

    m_entries.clear();
    m_problems.clear();
    m_lastUprightName.clear();
    m_usable = w > 0 && h > 0 && qMax(m_base.width, m_base.height) >= 150;
    if (!m_usable)
        return;

    if (w < h) {
        addIfFilled(uprightGrid(w, h, w, h));
        addIfFilled(acrossGrid(w, h, h / 2, w));
        addIfFilled(uprightGrid(w, h, w / 2, h / 2));
    } else {
        addIfFilled(acrossGrid(w, h, h, w));
        addIfFilled(uprightGrid(w, h, w / 2, h));
        addIfFilled(acrossGrid(w, h, h / 2, w / 2));
    }

    for (int i = source.sizes.size() - 1; i >= 0; --i) {
        const PhotoSizeSelect &s = source.sizes.at(i);
        if (!s.selected)
            continue;
        const int a = roundHalfUp(factor * s.shortSide);
        const int b = roundHalfUp(factor * s.longSide);
        addGrids(w, h, a, b, wanted);
    }

    if (!source.userLayouts)
        return;
    const QString word = LayoutFile::paperWord(source.paperName);
    const QDir folder(LayoutFile::folderFor(source.documentsFolder, source.paperName));
    if (!folder.exists())
        return;
    const QStringList files = folder.entryList({QStringLiteral("*.vly")}, QDir::Files, QDir::Unsorted);
    for (const QString &name : files) {
        if (wanted && !wanted(fileLayoutName(name)))
            continue;
        Page entry = m_base;
        QString problem;
        if (readUserLayout(folder.filePath(name), word, entry, &problem))
            m_entries.append(entry);
        else if (!problem.isEmpty())
            m_problems << problem;
    }
}

void LayoutCatalogue::addIfFilled(const Page &grid)
{
    if (!grid.frames.isEmpty())
        m_entries.append(grid);
}

// A photo size smaller than a millimetre, or one that would put more than
// ten thousand frames on a page, is a typing slip rather than a print size:
// it offers no grid instead of a page of millions of frames.
static bool usableGrid(int w, int h, int a, int b)
{
    constexpr int minimumSide = 100;
    constexpr qint64 maximumFrames = 10000;
    if (a < minimumSide || b < minimumSide)
        return false;
    return qint64(w / a + 1) * (h / a + 1) <= maximumFrames;
}

// The frames of the grids below, counted without making them: 0 when the
// size does not fit or makes no usable grid.
static int uprightCount(int w, int h, int a, int b)
{
    if (!usableGrid(w, h, a, b) || w / a < 1 || h / b < 1)
        return 0;
    const int rows = h / b;
    return (w / a) * rows + (a <= h - rows * b ? w / b : 0);
}

static int acrossCount(int w, int h, int a, int b)
{
    if (!usableGrid(w, h, a, b) || w / b < 1 || h / a < 1)
        return 0;
    const int cols = w / b;
    return cols * (h / a) + (a <= w - cols * b ? h / b : 0);
}

void LayoutCatalogue::addGrids(int w, int h, int a, int b, const std::function<bool(const QString &)> &wanted)
{
    const int upright = uprightCount(w, h, a, b);
    if (upright > 0) {
        m_lastUprightName = gridName(upright, a, b);
        if (!wanted || wanted(m_lastUprightName))
            addIfFilled(uprightGrid(w, h, a, b));
    }
    if (a == b)
        return;
    const int across = acrossCount(w, h, a, b);
    if (across > 0 && (!wanted || wanted(acrossName(across, a, b))))
        addIfFilled(acrossGrid(w, h, a, b));
}

Page LayoutCatalogue::uprightGrid(int w, int h, int a, int b)
{
    Page page = m_base;
    if (!usableGrid(w, h, a, b))
        return page;
    const int cols = w / a;
    const int rows = h / b;
    if (cols < 1 || rows < 1)
        return page;
    const int restV = h - rows * b;
    const bool extraRow = a <= restV;
    const int vspace = extraRow ? h - rows * b - a : restV;
    const int vcount = extraRow ? rows + 1 : rows;
    const bool closely = m_source.placingClosely;
    const Spacing sy = spread(vspace, vcount, closely);
    const Spacing sx = spread(w - cols * a, cols, closely);

    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            page.frames.append(frameAt(page.left + sx.offset + c * (a + sx.gap),
                                       page.top + sy.offset + r * (b + sy.gap), a, b));
    if (extraRow) {
        const int y = page.top + sy.offset + rows * (b + sy.gap);
        const int n = w / b;
        const Spacing s2 = spread(w - n * b, n, closely);
        for (int i = 0; i < n; ++i)
            page.frames.append(frameAt(page.left + s2.offset + i * (b + s2.gap), y, b, a));
    }
    page.title = gridName(page.frames.size(), a, b);
    m_lastUprightName = page.title;
    return page;
}

Page LayoutCatalogue::acrossGrid(int w, int h, int a, int b)
{
    Page page = m_base;
    if (!usableGrid(w, h, a, b))
        return page;
    const int cols = w / b;
    const int rows = h / a;
    if (cols < 1 || rows < 1)
        return page;
    const int restV = h - rows * a;
    const int restH = w - cols * b;
    const bool extraColumn = a <= restH;
    const bool closely = m_source.placingClosely;
    const Spacing sy = spread(restV, rows, closely);
    const Spacing sx = extraColumn ? spread(w - cols * b - a, cols + 1, closely)
                                   : spread(restH, cols, closely);

    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            page.frames.append(frameAt(page.left + sx.offset + c * (b + sx.gap),
                                       page.top + sy.offset + r * (a + sy.gap), b, a));
    if (extraColumn) {
        const int x = page.left + sx.offset + cols * (b + sx.gap);
        const int n = h / b;
        const Spacing s2 = spread(h - n * b, n, closely);
        for (int i = 0; i < n; ++i)
            page.frames.append(frameAt(x, page.top + s2.offset + i * (b + s2.gap), a, b));
    }
    page.title = acrossName(page.frames.size(), a, b);
    return page;
}

QString LayoutCatalogue::acrossName(int frames, int a, int b) const
{
    QString name = gridName(frames, a, b);
    if (name == m_lastUprightName)
        name.insert(name.size() - m_source.unitSuffix.size(), QLatin1Char('.'));
    return name;
}

QString LayoutCatalogue::sizeText(int length) const
{
    return QString::number(double(length) / m_unitScale, 'f', m_unitScale > 100 ? 1 : 0);
}

QString LayoutCatalogue::gridName(int frames, int a, int b) const
{
    return (frames <= 9 ? QStringLiteral(" ") : QString()) + QString::number(frames) + QLatin1Char('-')
           + sizeText(a) + QLatin1Char('x') + sizeText(b) + m_source.unitSuffix;
}
