#include "arrange/ArrangeEngine.h"

#include "arrange/DocumentEdit.h"
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

} // namespace

ArrangeEngine::ArrangeEngine(Document &document, QObject *parent) : QObject(parent), m_doc(document) {}

void ArrangeEngine::advance(const QVector<Page> &pages, Position &pos) const
{
    ++pos.frame;
    const int frames = pos.page < pages.size() ? pages.at(pos.page).frames.size() : layout().frames.size();
    if (pos.frame >= frames) {
        pos.frame = 0;
        ++pos.page;
    }
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

void ArrangeEngine::finish(DocumentEdit &edit)
{
    edit.commit();
    emitCount();
}

void ArrangeEngine::arrangeAll(const QVector<IconItem> &images)
{
    emit modifiedChanged(true);
    const ArrangeOptions &st = m_options;
    DocumentEdit edit(m_doc, QObject::tr("Choose Layout"));
    QVector<Page> &pages = edit.pages();
    pages.clear();
    if (!st.addImages) {
        for (int i = 0; i < st.addPageCount; ++i)
            pages.append(Document::newPage(layout(), i));
    } else if (!layout().frames.isEmpty()) {
        Position pos;
        QHash<QString, PhotoFrame> read;
        for (const IconItem &item : images) {
            Page *page = edit.pageAt(pos.page);
            page->frames[pos.frame] = placedOnce(layout().frames.at(pos.frame), item, read);
            advance(pages, pos);
        }
    }
    finish(edit);
    emit pagesRebuilt(m_doc.isEmpty() ? -1 : 0);
}

PhotoFrame ArrangeEngine::placed(PhotoFrame f, const IconItem &item) const
{
    const ArrangeOptions &st = m_options;
    f.applyDefaults(st.stamp, st.logo, true);
    f.fileName = item.fileName;
    f.fileTime = item.fileTime;
    f.shotTime = item.shotTime;
    f.fileSize = item.fileSize;
    f.fileData = item.fileData;
    if (!item.isDecoded() || item.fileData.isEmpty()) {
        f.rotation = item.rotation;
        f.loadImage(previewRule());
        f.keepDataWithinBudget(m_doc.budget);
    } else {
        f.cache.preview = item.preview;
        f.imageWidth = item.imageWidth;
        f.imageHeight = item.imageHeight;
        f.rotation = item.rotation;
    }
    f.turnFromImage();
    f.autoCrop(st.autoCrop);
    return f;
}

void ArrangeEngine::arrangePages(const QVector<Page> &laid, const QVector<IconItem> &images)
{
    emit modifiedChanged(true);
    DocumentEdit edit(m_doc, QObject::tr("Choose Layout"));
    edit.pages() = laid;
    fillInOrder(edit.pages(), 0, images);
    finish(edit);
    emit pagesRebuilt(m_doc.isEmpty() ? -1 : 0);
}

void ArrangeEngine::fillInOrder(QVector<Page> &pages, int first, const QVector<IconItem> &images) const
{
    QHash<QString, PhotoFrame> read;
    int next = 0;
    for (int p = first; p < pages.size(); ++p)
        for (PhotoFrame &frame : pages[p].frames) {
            if (next >= images.size())
                return;
            frame = placedOnce(frame, images.at(next++), read);
        }
}

PhotoFrame ArrangeEngine::placedOnce(const PhotoFrame &frame, const IconItem &item,
                                     QHash<QString, PhotoFrame> &read) const
{
    // A photograph printed many times is read once; its other frames take
    // its content and are turned and cropped for their own shape.
    const auto known = read.constFind(item.fileName);
    if (known == read.constEnd())
        return *read.insert(item.fileName, placed(frame, item));
    PhotoFrame f = frame;
    f.applyDefaults(m_options.stamp, m_options.logo, true);
    return laidOut(f, *known, m_options.autoCrop);
}

QVector<Page> ArrangeEngine::orderPages(const QVector<OrderSheet> &sheets, const Page &paper, int first,
                                        QVector<IconItem> &items, const QVector<IconItem> &prints)
{
    QVector<Page> pages;
    for (const OrderSheet &sheet : sheets) {
        Page page = Document::newPage(paper, first + pages.size());
        page.frames.clear();
        for (const OrderPlacement &p : sheet.placements) {
            PhotoFrame frame;
            frame.x = paper.left + p.rect.x();
            frame.y = paper.top + p.rect.y();
            frame.width = p.rect.width();
            frame.height = p.rect.height();
            page.frames << frame;
            items << prints.at(p.print);
        }
        pages << page;
    }
    return pages;
}

void ArrangeEngine::arrangeOrder(const QVector<OrderSheet> &sheets, const QVector<IconItem> &prints)
{
    QVector<IconItem> items;
    arrangePages(orderPages(sheets, layout(), 0, items, prints), items);
}

int ArrangeEngine::appendOrder(const QVector<OrderSheet> &sheets, const QVector<IconItem> &prints, const Page &paper)
{
    if (sheets.isEmpty())
        return -1;
    emit modifiedChanged(true);
    DocumentEdit edit(m_doc, QObject::tr("Add Pages"));
    const int first = edit.pages().size();
    QVector<IconItem> items;
    edit.pages() += orderPages(sheets, paper, first, items, prints);
    fillInOrder(edit.pages(), first, items);
    finish(edit);
    emit pagesChanged(first, m_doc.pageCount() - 1);
    return first;
}

void ArrangeEngine::relayoutSelected(const QList<int> &selected)
{
    emit modifiedChanged(true);
    if (selected.isEmpty() || layout().frames.isEmpty())
        return;
    DocumentEdit edit(m_doc, QObject::tr("Change Layout"));
    QVector<Page> &pages = edit.pages();
    Position overflow{pages.size(), 0};
    for (int row : selected) {
        if (row < 0 || row >= pages.size())
            continue;
        const QVector<PhotoFrame> old = pages.at(row).frames;
        Page &page = pages[row];
        page.takeGeometry(layout());
        page.title = Page::pageTitle(row + 1, layout().title);
        page.frames = layout().frames;
        for (int k = 0; k < old.size(); ++k) {
            if (old.at(k).isEmpty())
                continue;
            if (k < layout().frames.size()) {
                pages[row].frames[k] = laidOut(layout().frames.at(k), old.at(k), m_options.autoCrop);
            } else {
                Page *target = edit.pageAt(overflow.page);
                target->frames[overflow.frame] = laidOut(layout().frames.at(overflow.frame), old.at(k), m_options.autoCrop);
                advance(pages, overflow);
            }
        }
    }
    finish(edit);
    emit pagesRebuilt(-1);
}

void ArrangeEngine::relayoutAll()
{
    emit modifiedChanged(true);
    if (layout().frames.isEmpty())
        return;
    DocumentEdit edit(m_doc, QObject::tr("Change Layout"));
    QVector<Page> &pages = edit.pages();
    const QVector<Page> old = pages;
    pages.clear();
    Position pos;
    for (const Page &p : old)
        for (const PhotoFrame &f : p.frames) {
            Page *page = edit.pageAt(pos.page);
            page->frames[pos.frame] = laidOut(layout().frames.at(pos.frame), f, m_options.autoCrop);
            advance(pages, pos);
        }
    finish(edit);
    emit pagesRebuilt(m_doc.isEmpty() ? -1 : 0);
}

void ArrangeEngine::clear()
{
    m_doc.reset();
    emitCount();
    emit pagesRebuilt(-1);
}
