#include "arrange/ArrangeEngine.h"

#include "library/IconItem.h"

#include <QHash>

namespace {

// The template frame `index` with the content of `from`, turned and cropped
// for its own shape.
PhotoFrame laidOut(const PhotoFrame &templateFrame, const PhotoFrame &from, bool fill)
{
    PhotoFrame f = templateFrame;
    f.takeContent(from);
    f.turnFromImage();
    f.autoCrop(fill);
    return f;
}

void releaseAll(QVector<Page> &pages)
{
    for (Page &p : pages)
        for (PhotoFrame &f : p.frames)
            f.releaseData();
}

} // namespace

ArrangeEngine::ArrangeEngine(Document &document, QObject *parent) : QObject(parent), m_doc(document) {}

void ArrangeEngine::advance(Position &pos) const
{
    ++pos.frame;
    const int frames = pos.page < m_doc.pages.size() ? m_doc.pages.at(pos.page).frames.size()
                                                     : layout().frames.size();
    if (pos.frame >= frames) {
        pos.frame = 0;
        ++pos.page;
    }
}

Page *ArrangeEngine::pageAt(int index)
{
    if (index < m_doc.pages.size())
        return &m_doc.pages[index];
    if (layout().frames.isEmpty())
        return nullptr;
    m_doc.ensurePage(layout(), index);
    return &m_doc.pages[index];
}

PreviewRule ArrangeEngine::previewRule() const
{
    PreviewRule rule = m_options.previewRule;
    rule.widthLimit = m_doc.budget.previewWidth();
    if (m_options.previewWidthLimit > 0)
        rule.widthLimit = qMin(rule.widthLimit, m_options.previewWidthLimit);
    return rule;
}

void ArrangeEngine::emitCount() { emit stringCountArrange(m_doc.countingText()); }

void ArrangeEngine::arrangeAll(const QVector<IconItem> &images)
{
    emit modifiedChanged(true);
    const ArrangeOptions &st = m_options;
    releaseAll(m_doc.pages);
    m_doc.pages.clear();
    m_doc.placementCount = 0;
    m_doc.imageCount = 0;
    QStringList placedNames;
    if (!st.addImages) {
        for (int i = 0; i < st.addPageCount; ++i)
            m_doc.pages.append(Document::newPage(layout(), i));
    } else if (!layout().frames.isEmpty()) {
        Position pos;
        for (const IconItem &item : images) {
            Page *page = pageAt(pos.page);
            page->frames[pos.frame] = placed(layout().frames.at(pos.frame), item, placedNames);
            advance(pos);
        }
    }
    m_doc.setCurrentPage(m_doc.pages.isEmpty() ? -1 : 0);
    emit updateArrange(placedNames);
    emitCount();
    emit pagesRebuilt();
}

PhotoFrame ArrangeEngine::placed(PhotoFrame f, const IconItem &item, QStringList &placedNames)
{
    const ArrangeOptions &st = m_options;
    f.applyDefaults(st.stamp, st.logo, true);
    f.fileName = item.fileName;
    m_doc.countPlaced(f.fileName);
    placedNames << f.fileName;
    f.fileTime = item.fileTime;
    f.shotTime = item.shotTime;
    f.fileSize = item.fileSize;
    f.fileData = item.fileData;
    if (!item.isDecoded() || item.fileData.isEmpty()) {
        f.rotation = item.rotation;
        f.loadImage(previewRule());
        f.keepDataWithinBudget(m_doc.budget);
    } else {
        f.preview = item.preview;
        f.imageWidth = item.imageWidth;
        f.imageHeight = item.imageHeight;
        f.rotation = item.rotation;
    }
    f.turnFromImage();
    f.autoCrop(st.autoCrop);
    return f;
}

void ArrangeEngine::arrangePages(const QVector<Page> &pages, const QVector<IconItem> &images)
{
    emit modifiedChanged(true);
    releaseAll(m_doc.pages);
    m_doc.pages = pages;
    m_doc.placementCount = 0;
    m_doc.imageCount = 0;
    QStringList placedNames;
    // A photograph printed many times is read once; its other frames take
    // its content and are turned and cropped for their own shape.
    QHash<QString, PhotoFrame> read;
    int next = 0;
    for (Page &page : m_doc.pages)
        for (PhotoFrame &frame : page.frames) {
            if (next >= images.size())
                break;
            const IconItem &item = images.at(next++);
            const auto known = read.constFind(item.fileName);
            if (known == read.constEnd()) {
                frame = placed(frame, item, placedNames);
                read.insert(item.fileName, frame);
                continue;
            }
            frame.applyDefaults(m_options.stamp, m_options.logo, true);
            m_doc.countPlaced(item.fileName);
            placedNames << item.fileName;
            frame = laidOut(frame, *known, m_options.autoCrop);
        }
    m_doc.setCurrentPage(m_doc.pages.isEmpty() ? -1 : 0);
    emit updateArrange(placedNames);
    emitCount();
    emit pagesRebuilt();
}

void ArrangeEngine::arrangeOrder(const QVector<OrderSheet> &sheets, const QVector<IconItem> &prints)
{
    const Page &base = layout();
    QVector<Page> pages;
    QVector<IconItem> items;
    for (const OrderSheet &sheet : sheets) {
        Page page = Document::newPage(base, pages.size());
        page.frames.clear();
        for (const OrderPlacement &p : sheet.placements) {
            PhotoFrame frame;
            frame.x = base.left + p.rect.x();
            frame.y = base.top + p.rect.y();
            frame.width = p.rect.width();
            frame.height = p.rect.height();
            page.frames << frame;
            items << prints.at(p.print);
        }
        pages << page;
    }
    arrangePages(pages, items);
}

void ArrangeEngine::relayoutSelected(const QList<int> &selected)
{
    emit modifiedChanged(true);
    if (selected.isEmpty() || layout().frames.isEmpty())
        return;
    Position overflow{m_doc.pages.size(), 0};
    for (int row : selected) {
        if (row < 0 || row >= m_doc.pages.size())
            continue;
        const QVector<PhotoFrame> old = m_doc.pages.at(row).frames;
        Page &page = m_doc.pages[row];
        page.takeGeometry(layout());
        page.title = Page::pageTitle(row + 1, layout().title);
        page.frames = layout().frames;
        for (int k = 0; k < old.size(); ++k) {
            if (old.at(k).isEmpty())
                continue;
            if (k < layout().frames.size()) {
                m_doc.pages[row].frames[k] = laidOut(layout().frames.at(k), old.at(k), m_options.autoCrop);
            } else {
                Page *target = pageAt(overflow.page);
                target->frames[overflow.frame] = laidOut(layout().frames.at(overflow.frame), old.at(k), m_options.autoCrop);
                advance(overflow);
            }
        }
    }
    m_doc.setCurrentPage(qMin(m_doc.currentPage, m_doc.pages.size() - 1));
    emit pagesRebuilt();
}

void ArrangeEngine::relayoutAll()
{
    emit modifiedChanged(true);
    if (layout().frames.isEmpty())
        return;
    const QVector<Page> old = m_doc.pages;
    m_doc.pages.clear();
    Position pos;
    for (const Page &p : old)
        for (const PhotoFrame &f : p.frames) {
            Page *page = pageAt(pos.page);
            page->frames[pos.frame] = laidOut(layout().frames.at(pos.frame), f, m_options.autoCrop);
            advance(pos);
        }
    m_doc.setCurrentPage(m_doc.pages.isEmpty() ? -1 : 0);
    emit pagesRebuilt();
}

void ArrangeEngine::clear()
{
    m_doc.clear();
    emit updateArrange(QStringList());
    emit pagesRebuilt();
}
