// Filling frames from image records, and taking pages and frames away.
#include "arrange/ArrangeEngine.h"

#include "arrange/ArrangeLog.h"
#include "library/IconItem.h"
#include "library/IconRecord.h"
#include "library/ImageFile.h"

#include <QDataStream>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

// Swaps the whole content of two frames; each then lies as its crop says.
void exchange(PhotoFrame &a, PhotoFrame &b)
{
    a.exchangeContent(b);
    a.turnFromCrop();
    b.turnFromCrop();
}

} // namespace

void ArrangeEngine::emptyFrame(PhotoFrame &frame)
{
    const QString name = frame.fileName;
    frame.fileName.clear();
    frame.releaseData();
    m_doc.countRemoved(name);
}

void ArrangeEngine::fillFromRecord(PhotoFrame &f, const IconItem &item)
{
    f.releaseData();
    f.fileName = item.fileName;
    m_doc.countPlaced(f.fileName);
    f.fileTime = item.fileTime;
    f.shotTime = item.shotTime;
    f.fileSize = item.fileSize;
    f.fileData = item.fileData;
    f.rotation = item.rotation;
    if (item.isDecoded() && !item.fileData.isEmpty()) {
        f.preview = item.preview;
        f.imageWidth = item.imageWidth;
        f.imageHeight = item.imageHeight;
    } else {
        f.preview = QImage();
        f.loadImage(previewRule());
    }
    f.keepDataWithinBudget(m_doc.budget);
    f.turnFromImage();
    f.autoCrop(m_options.autoCrop);
}

void ArrangeEngine::fill(QDataStream &in, int page, int frame, bool replace)
{
    emit modifiedChanged(true);
    if (page < 0 || frame < 0)
        return;
    QStringList placed;
    QStringList replaced;
    Position pos{page, frame};
    int lastPage = page;
    while (!in.atEnd()) {
        IconItem item;
        if (!readIconRecord(in, item).logged(lcArrange(), "read", velmoraMimeType()))
            break;
        if (item.state == IconItem::State::FromFrame) {
            lastPage = moveFrames(in, item, page, frame, replace);
            if (lastPage < 0)
                return;
            emit pagesChanged(page, lastPage);
            if (m_doc.currentPage >= 0 && (m_doc.currentPage < page || m_doc.currentPage > lastPage))
                emit pagesChanged(m_doc.currentPage, m_doc.currentPage);
            return;
        }
        PhotoFrame *target = nullptr;
        while (!target) {
            Page *p = pageAt(pos.page);
            if (!p)
                break;
            if (pos.frame < p->frames.size()) {
                PhotoFrame &f = p->frames[pos.frame];
                if (f.isEmpty()) {
                    target = &f;
                } else if (replace) {
                    const QString old = f.fileName;
                    replaced << old;
                    if (old != item.fileName)
                        f.fileName.clear();
                    m_doc.countRemoved(old);
                    target = &f;
                }
            }
            if (!target)
                advance(pos);
        }
        if (!target)
            break;
        PhotoFrame f = *target;
        placed << item.fileName;
        fillFromRecord(f, item);
        m_doc.pages[pos.page].frames[pos.frame] = f;
        lastPage = qMax(lastPage, pos.page);
        advance(pos);
        replace = false;
    }
    emit pagesChanged(page, lastPage);
    emit addImagesArrange(placed, replaced);
    emitCount();
}

int ArrangeEngine::moveFrames(QDataStream &in, IconItem item, int page, int frame, bool replace)
{
    const int current = m_doc.currentPage;
    if (current < 0 || current >= m_doc.pages.size())
        return -1;
    int targetPage = page;
    int lastPage = page;
    bool first = true;
    for (;;) {
        const int source = item.useCount;
        if (source >= 0 && source < m_doc.pages.at(current).frames.size()) {
            if (first && page == current) {
                if (!replace || source == frame || frame >= m_doc.pages.at(current).frames.size())
                    return -1;
                exchange(m_doc.pages[current].frames[source], m_doc.pages[current].frames[frame]);
            } else {
                // The first empty frame from the start of the target page on.
                Position pos{targetPage, 0};
                PhotoFrame *empty = nullptr;
                while (!empty) {
                    Page *p = pageAt(pos.page);
                    if (!p)
                        break;
                    if (pos.frame < p->frames.size() && p->frames.at(pos.frame).isEmpty())
                        empty = &p->frames[pos.frame];
                    else
                        advance(pos);
                }
                if (!empty)
                    break;
                exchange(m_doc.pages[current].frames[source], *empty);
                targetPage = pos.page;
                lastPage = qMax(lastPage, targetPage);
            }
        }
        first = false;
        if (in.atEnd() || !readIconRecord(in, item) || item.state != IconItem::State::FromFrame)
            break;
    }
    return lastPage;
}

int ArrangeEngine::pasteTarget() const
{
    const int current = m_doc.currentPage;
    if (current < 0 || current >= m_doc.pages.size())
        return -1;
    const QVector<PhotoFrame> &frames = m_doc.pages.at(current).frames;
    const bool anySelected = std::any_of(m_doc.frameSelection.begin(), m_doc.frameSelection.end(),
                                         [](bool b) { return b; });
    for (int i = 0; i < frames.size(); ++i)
        if (frames.at(i).isEmpty() && (!anySelected || m_doc.isFrameSelected(i)))
            return i;
    return -1;
}

int ArrangeEngine::addPages(int count)
{
    if (count < 1)
        return -1;
    emit modifiedChanged(true);
    const bool wasEmpty = m_doc.pages.isEmpty();
    const int first = m_doc.pages.size();
    for (int i = 0; i < count; ++i) {
        // New frames are stamped as the Stamp and Logo commands last said.
        Page page = Document::newPage(layout(), first + i);
        for (PhotoFrame &f : page.frames)
            f.applyDefaults(m_options.stamp, m_options.logo, true);
        m_doc.pages.append(page);
    }
    if (wasEmpty) {
        m_doc.placementCount = 0;
        m_doc.imageCount = 0;
    }
    m_doc.setCurrentPage(first);
    emit pagesChanged(first, m_doc.pages.size() - 1);
    return first;
}

void ArrangeEngine::removeSelectedFrames()
{
    emit modifiedChanged(true);
    const int current = m_doc.currentPage;
    if (current < 0 || current >= m_doc.pages.size())
        return;
    QStringList names;
    QVector<PhotoFrame> &frames = m_doc.pages[current].frames;
    for (int i = 0; i < frames.size(); ++i) {
        if (!m_doc.isFrameSelected(i) || frames.at(i).isEmpty())
            continue;
        names << frames.at(i).fileName;
        emptyFrame(frames[i]);
    }
    if (!names.isEmpty())
        emit removeFrames(names);
    emit pagesChanged(current, current);
    emitCount();
}

int ArrangeEngine::takeBack(int frame)
{
    emit modifiedChanged(true);
    const int current = m_doc.currentPage;
    if (current < 0 || current >= m_doc.pages.size() || frame < 0
        || frame >= m_doc.pages.at(current).frames.size() || m_doc.pages.at(current).frames.at(frame).isEmpty())
        return -1;
    const QString name = m_doc.pages.at(current).frames.at(frame).fileName;
    emptyFrame(m_doc.pages[current].frames[frame]);
    const int still = m_doc.framesHolding(name);
    emit pagesChanged(current, current);
    emit removeArrange(name);
    emitCount();
    return still;
}

bool ArrangeEngine::removePages(QList<int> rows)
{
    if (m_doc.currentPage < 0 || rows.isEmpty())
        return false;
    emit modifiedChanged(true);
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QStringList names;
    int lowest = m_doc.pages.size();
    for (int row : rows) {
        if (row < 0 || row >= m_doc.pages.size())
            continue;
        for (PhotoFrame &f : m_doc.pages[row].frames) {
            if (f.isEmpty())
                continue;
            names << f.fileName;
            emptyFrame(f);
        }
        m_doc.pages.remove(row);
        lowest = row;
    }
    if (!names.isEmpty()) {
        emit removeFrames(names);
        emitCount();
    }
    for (int i = lowest; i < m_doc.pages.size(); ++i)
        m_doc.pages[i].title = Page::pageTitle(i + 1, m_doc.pages.at(i).layoutName());
    m_doc.setCurrentPage(qMin(m_doc.currentPage, m_doc.pages.size() - 1));
    emit pagesRebuilt();
    return true;
}

void ArrangeEngine::followRotation(const QString &path, const QImage &preview, int width, int height,
                                   int rotation)
{
    for (int p = 0; p < m_doc.pages.size(); ++p) {
        bool touched = false;
        for (PhotoFrame &f : m_doc.pages[p].frames) {
            if (f.isEmpty() || f.fileName != path)
                continue;
            f.preview = preview;
            f.imageWidth = width;
            f.imageHeight = height;
            f.rotateBy(rotation);
            touched = true;
        }
        if (touched)
            emit pagesChanged(p, p);
    }
}

void ArrangeEngine::takePreview(const QString &name, const QImage &decoded, const QSize &full)
{
    m_doc.awaitedPreviews.remove(name);
    for (int p = 0; p < m_doc.pages.size(); ++p) {
        bool touched = false;
        for (PhotoFrame &f : m_doc.pages[p].frames)
            if (!f.isEmpty() && f.fileName == name && f.preview.isNull()) {
                f.takeDecoded(decoded, full);
                touched = true;
            }
        if (touched)
            emit pagesChanged(p, p);
    }
}

bool ArrangeEngine::adoptLoadedPages(bool decodeNow)
{
    m_doc.placementCount = 0;
    QSet<QString> distinct;
    // The first frame read of each file: later frames of it at the same turn
    // share its preview (a copy of a picture shares its pixels) instead of
    // reading and decoding the file again.
    QHash<QString, const PhotoFrame *> readFirst;
    for (Page &page : m_doc.loadedPages)
        for (PhotoFrame &f : page.frames) {
            if (f.isEmpty())
                continue;
            distinct.insert(f.fileName);
            ++m_doc.placementCount;
            if (!decodeNow)
                continue;
            const PhotoFrame *same = readFirst.value(f.fileName);
            if (same && same->rotation == f.rotation) {
                f.preview = same->preview;
                f.imageWidth = same->imageWidth;
                f.imageHeight = same->imageHeight;
                f.fault = same->fault;
                continue;
            }
            if (!same)
                readFirst.insert(f.fileName, &f);
            QByteArray bytes;
            const bool again = m_doc.source.embeddedBytes(f.fileName, bytes);
            f.fileData = HeldBytes::loose(bytes);
            f.loadImage(previewRule());
            if (again)
                f.fileData.clear();
            else
                f.keepDataWithinBudget(m_doc.budget);
        }
    m_doc.imageCount = distinct.size();
    m_doc.awaitedPreviews = decodeNow ? QSet<QString>() : distinct;
    for (Page &p : m_doc.pages)
        for (PhotoFrame &f : p.frames)
            f.releaseData();
    m_doc.pages = m_doc.loadedPages;
    m_doc.loadedPages.clear();
    emitCount();
    const bool any = !m_doc.pages.isEmpty();
    if (any) {
        Page &t = m_doc.templatePage;
        t = m_doc.pages.first();
        t.title = t.layoutName();
        for (PhotoFrame &f : t.frames) {
            f.fileName.clear();
            f.fileData.clear(); // the page keeps them; the template holds none
            f.preview = QImage();
        }
    }
    m_doc.setCurrentPage(any ? 0 : -1);
    emit pagesRebuilt();
    return any;
}
