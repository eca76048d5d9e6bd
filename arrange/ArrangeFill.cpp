// Filling frames from image records, and taking pages and frames away.
#include "arrange/ArrangeEngine.h"

#include "arrange/ArrangeLog.h"
#include "arrange/DocumentEdit.h"
#include "library/IconItem.h"
#include "library/IconRecord.h"
#include "library/ImageFile.h"

#include <QDataStream>
#include <QHash>

#include <algorithm>

namespace {

// `f` takes what `other`, a frame of the same file at the same turn, took
// from its decoding: the turned preview (its pixels shared), the fault, the
// size.
void shareDecoded(PhotoFrame &f, const PhotoFrame &other)
{
    f.cache = other.cache;
    f.imageWidth = other.imageWidth;
    f.imageHeight = other.imageHeight;
}

// Swaps the whole content of two frames; each then lies as its crop says.
void exchange(PhotoFrame &a, PhotoFrame &b)
{
    a.exchangeContent(b);
    a.turnFromCrop();
    b.turnFromCrop();
}

// Empties one frame: its name goes, its bytes are let go (the history may
// still hold them for an undo).
void emptyFrame(PhotoFrame &frame)
{
    frame.fileName.clear();
    frame.releaseData();
}

} // namespace

void ArrangeEngine::fillFromRecord(PhotoFrame &f, const IconItem &item)
{
    f.releaseData();
    f.fileName = item.fileName;
    f.fileTime = item.fileTime;
    f.shotTime = item.shotTime;
    f.fileSize = item.fileSize;
    f.fileData = item.fileData;
    f.rotation = item.rotation;
    if (item.isDecoded() && !item.fileData.isEmpty()) {
        f.cache.preview = item.preview;
        f.imageWidth = item.imageWidth;
        f.imageHeight = item.imageHeight;
    } else {
        f.cache.preview = QImage();
        f.loadImage(previewRule());
    }
    f.keepDataWithinBudget(m_doc.budget);
    f.turnFromImage();
    f.autoCrop(m_options.autoCrop);
}

void ArrangeEngine::fill(QDataStream &in, int page, int frame, bool replace, int current, const QString &what)
{
    emit modifiedChanged(true);
    if (page < 0 || frame < 0)
        return;
    IconItem item;
    if (in.atEnd() || !readIconRecord(in, item).logged(lcArrange(), "read", velmoraMimeType()))
        return;
    if (item.state == IconItem::State::FromFrame) {
        DocumentEdit edit(m_doc, QObject::tr("Move Images"));
        const int lastPage = moveFrames(edit, in, item, page, frame, replace, current);
        if (lastPage < 0)
            return;
        edit.commit();
        emit pagesChanged(page, lastPage);
        if (current >= 0 && (current < page || current > lastPage))
            emit pagesChanged(current, current);
        return;
    }
    DocumentEdit edit(m_doc, what);
    QVector<Page> &pages = edit.pages();
    Position pos{page, frame};
    int lastPage = page;
    for (;;) {
        PhotoFrame *target = nullptr;
        while (!target) {
            Page *p = edit.pageAt(pos.page);
            if (!p)
                break;
            if (pos.frame < p->frames.size()) {
                PhotoFrame &f = p->frames[pos.frame];
                if (f.isEmpty() || replace)
                    target = &f;
            }
            if (!target)
                advance(pages, pos);
        }
        if (!target)
            break;
        PhotoFrame f = *target;
        fillFromRecord(f, item);
        pages[pos.page].frames[pos.frame] = f;
        lastPage = qMax(lastPage, pos.page);
        advance(pages, pos);
        replace = false;
        if (in.atEnd() || !readIconRecord(in, item).logged(lcArrange(), "read", velmoraMimeType())
            || item.state == IconItem::State::FromFrame)
            break;
    }
    finish(edit);
    emit pagesChanged(page, lastPage);
}

int ArrangeEngine::moveFrames(DocumentEdit &edit, QDataStream &in, IconItem item, int page, int frame,
                              bool replace, int current)
{
    QVector<Page> &pages = edit.pages();
    if (current < 0 || current >= pages.size())
        return -1;
    int targetPage = page;
    int lastPage = page;
    bool first = true;
    for (;;) {
        const int source = item.useCount;
        if (source >= 0 && source < pages.at(current).frames.size()) {
            if (first && page == current) {
                if (!replace || source == frame || frame >= pages.at(current).frames.size())
                    return -1;
                exchange(pages[current].frames[source], pages[current].frames[frame]);
            } else {
                // The first empty frame from the start of the target page on.
                Position pos{targetPage, 0};
                PhotoFrame *empty = nullptr;
                while (!empty) {
                    Page *p = edit.pageAt(pos.page);
                    if (!p)
                        break;
                    if (pos.frame < p->frames.size() && p->frames.at(pos.frame).isEmpty())
                        empty = &p->frames[pos.frame];
                    else
                        advance(pages, pos);
                }
                if (!empty)
                    break;
                exchange(pages[current].frames[source], *empty);
                targetPage = pos.page;
                lastPage = qMax(lastPage, targetPage);
            }
        }
        first = false;
        if (in.atEnd() || !readIconRecord(in, item).logged(lcArrange(), "read", velmoraMimeType())
            || item.state != IconItem::State::FromFrame)
            break;
    }
    return lastPage;
}

int ArrangeEngine::pasteTarget(const PageSelection &view) const
{
    const int current = view.currentPage;
    if (!m_doc.hasPage(current))
        return -1;
    const QVector<PhotoFrame> &frames = m_doc.page(current).frames;
    const bool anySelected = view.anyFrameSelected();
    for (int i = 0; i < frames.size(); ++i)
        if (frames.at(i).isEmpty() && (!anySelected || view.isFrameSelected(i)))
            return i;
    return -1;
}

int ArrangeEngine::addPages(int count)
{
    if (count < 1)
        return -1;
    emit modifiedChanged(true);
    DocumentEdit edit(m_doc, QObject::tr("Add Pages"));
    const int first = edit.pages().size();
    for (int i = 0; i < count; ++i) {
        // New frames are stamped as the Stamp and Logo commands last said.
        Page page = Document::newPage(layout(), first + i);
        for (PhotoFrame &f : page.frames)
            f.applyDefaults(m_options.stamp, m_options.logo, true);
        edit.pages().append(page);
    }
    finish(edit);
    emit pagesChanged(first, m_doc.pageCount() - 1);
    return first;
}

void ArrangeEngine::removeSelectedFrames(const PageSelection &view)
{
    emit modifiedChanged(true);
    const int current = view.currentPage;
    if (!m_doc.hasPage(current))
        return;
    DocumentEdit edit(m_doc, QObject::tr("Clear"));
    QVector<PhotoFrame> &frames = edit.pages()[current].frames;
    bool any = false;
    for (int i = 0; i < frames.size(); ++i) {
        if (!view.isFrameSelected(i) || frames.at(i).isEmpty())
            continue;
        emptyFrame(frames[i]);
        any = true;
    }
    if (any)
        finish(edit);
    emit pagesChanged(current, current);
}

int ArrangeEngine::takeBack(int page, int frame)
{
    emit modifiedChanged(true);
    if (!m_doc.hasPage(page) || frame < 0 || frame >= m_doc.page(page).frames.size()
        || m_doc.page(page).frames.at(frame).isEmpty())
        return -1;
    const QString name = m_doc.page(page).frames.at(frame).fileName;
    DocumentEdit edit(m_doc, QObject::tr("Move Images"));
    emptyFrame(edit.pages()[page].frames[frame]);
    finish(edit);
    emit pagesChanged(page, page);
    return m_doc.framesHolding(name);
}

bool ArrangeEngine::removePages(QList<int> rows)
{
    if (m_doc.isEmpty() || rows.isEmpty())
        return false;
    emit modifiedChanged(true);
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    DocumentEdit edit(m_doc, QObject::tr("Remove Pages"));
    QVector<Page> &pages = edit.pages();
    int lowest = pages.size();
    for (int row : rows) {
        if (row < 0 || row >= pages.size())
            continue;
        pages.remove(row);
        lowest = row;
    }
    for (int i = lowest; i < pages.size(); ++i)
        pages[i].title = Page::pageTitle(i + 1, pages.at(i).layoutName());
    finish(edit);
    emit pagesRebuilt(-1);
    return true;
}

void ArrangeEngine::crop(const QPoint &at, const PhotoFrame &cropped)
{
    if (!m_doc.hasPage(at.y()) || at.x() < 0 || at.x() >= m_doc.page(at.y()).frames.size())
        return;
    changeFrames({at}, QObject::tr("Crop"), [&](PhotoFrame &f) { f = cropped; });
}

namespace {

// Pages first..last of `frames` (QPoint(frame, page)); last < first when none.
QPair<int, int> pageSpan(const QVector<QPoint> &frames)
{
    int first = INT_MAX;
    int last = -1;
    for (const QPoint &p : frames) {
        first = qMin(first, p.y());
        last = qMax(last, p.y());
    }
    return {first, last};
}

} // namespace

void ArrangeEngine::changeFrames(const QVector<QPoint> &frames, const QString &what,
                                 const std::function<void(PhotoFrame &)> &change)
{
    if (frames.isEmpty())
        return;
    emit modifiedChanged(true);
    DocumentEdit edit(m_doc, what);
    for (const QPoint &p : frames)
        change(edit.pages()[p.y()].frames[p.x()]);
    edit.commit();
    const QPair<int, int> span = pageSpan(frames);
    emit pagesChanged(span.first, span.second);
}

void ArrangeEngine::applyStamp(const QVector<QPoint> &frames, const StampDefaults &stamp)
{
    changeFrames(frames, QObject::tr("Stamp"), [&](PhotoFrame &f) { f.applyStamp(stamp, true); });
}

void ArrangeEngine::applyLogo(const QVector<QPoint> &frames, const LogoDefaults &logo)
{
    changeFrames(frames, QObject::tr("Logo"), [&](PhotoFrame &f) { f.applyLogo(logo); });
}

void ArrangeEngine::amendFrames(const Document::FrameChange &change)
{
    for (int p : m_doc.amend(Document::eachFrame(change)))
        emit pagesChanged(p, p);
}

void ArrangeEngine::followRotation(const QString &path, const QImage &preview, int width, int height,
                                   int rotation)
{
    amendFrames([&](PhotoFrame &f) {
        if (f.isEmpty() || f.fileName != path)
            return false;
        f.cache.preview = preview;
        f.imageWidth = width;
        f.imageHeight = height;
        f.rotateBy(rotation);
        return true;
    });
}

void ArrangeEngine::takePreview(const QString &name, const QImage &decoded, const QSize &full)
{
    m_doc.awaitedPreviews.remove(name);
    // Frames of the file at the same turn share one turned preview (a copy
    // of a picture shares its pixels): thousands of frames of one photograph
    // hold one preview per turn.
    QHash<int, PhotoFrame> byTurn;
    amendFrames([&](PhotoFrame &f) {
        if (f.isEmpty() || f.fileName != name || !f.cache.preview.isNull())
            return false;
        const auto same = byTurn.constFind(f.rotation);
        if (same != byTurn.constEnd()) {
            shareDecoded(f, *same);
            return true;
        }
        f.takeDecoded(decoded, full);
        byTurn.insert(f.rotation, f);
        return true;
    });
}

bool ArrangeEngine::adoptLoadedPages(QVector<Page> pages, bool decodeNow)
{
    if (decodeNow) {
        // The first frame read of each file: later frames of it at the same
        // turn share its preview (a copy of a picture shares its pixels)
        // instead of reading and decoding the file again.
        QHash<QPair<QString, int>, const PhotoFrame *> readFirst; // by file and turn
        for (Page &page : pages)
            for (PhotoFrame &f : page.frames) {
                if (f.isEmpty())
                    continue;
                const QPair<QString, int> key(f.fileName, f.rotation);
                if (const PhotoFrame *same = readFirst.value(key)) {
                    shareDecoded(f, *same);
                    continue;
                }
                readFirst.insert(key, &f);
                QByteArray bytes;
                const bool again = m_doc.source.embeddedBytes(f.fileName, bytes);
                f.fileData = HeldBytes::loose(bytes);
                f.loadImage(previewRule());
                if (again)
                    f.fileData.clear();
                else
                    f.keepDataWithinBudget(m_doc.budget);
            }
    }
    m_doc.adopt(pages);
    // Without decoding now, the workers read every file once.
    const QStringList placed = decodeNow ? QStringList() : m_doc.placedNames();
    m_doc.awaitedPreviews = QSet<QString>(placed.begin(), placed.end());
    emitCount();
    const bool any = !m_doc.isEmpty();
    if (any) {
        Page &t = m_doc.templatePage;
        t = m_doc.page(0);
        t.title = t.layoutName();
        for (PhotoFrame &f : t.frames) {
            f.fileName.clear();
            f.fileData.clear(); // the page keeps them; the template holds none
            f.cache.preview = QImage();
        }
    }
    emit pagesRebuilt(any ? 0 : -1);
    return any;
}
