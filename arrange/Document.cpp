#include "arrange/Document.h"

#include <QSet>

Document::Document(QObject *parent) : QObject(parent) {}

int Document::framesHolding(const QString &name) const
{
    int n = 0;
    for (const Page &p : m_pages)
        for (const PhotoFrame &f : p.frames)
            n += !f.isEmpty() && f.fileName == name ? 1 : 0;
    return n;
}

QStringList Document::placedNames() const
{
    QStringList names;
    for (const Page &p : m_pages)
        for (const PhotoFrame &f : p.frames)
            if (!f.isEmpty())
                names << f.fileName;
    return names;
}

QString Document::countingText() const
{
    if (m_placements < 1)
        return QString();
    return QObject::tr("Total %n Arrangement(s)", "Plural or singular", m_placements)
           + QObject::tr(" of %n Image(s)", "Plural or singular", m_images);
}

Page Document::newPage(const Page &templatePage, int index)
{
    Page page = templatePage;
    page.title = Page::pageTitle(index + 1, templatePage.title);
    return page;
}

void Document::setPages(const QVector<Page> &pages)
{
    m_pages = pages;
    const QStringList placed = placedNames();
    m_placements = placed.size();
    m_images = QSet<QString>(placed.begin(), placed.end()).size();
    Q_EMIT usesChanged(placed);
}

void Document::restore(const QVector<Page> &pages)
{
    setPages(pages);
    Q_EMIT restored();
}

void Document::adopt(const QVector<Page> &pages)
{
    setPages(pages);
    Q_EMIT started();
}

void Document::reset()
{
    templatePage = Page();
    source = ImageSource();
    awaitedPreviews.clear();
    setPages(QVector<Page>());
    Q_EMIT started();
}

Document::PagesChange Document::eachFrame(const FrameChange &change)
{
    return [change](QVector<Page> &pages) {
        QVector<int> touched;
        for (int p = 0; p < pages.size(); ++p) {
            bool any = false;
            // Looked at through a shared copy first: pages the change leaves
            // alone stay shared with the history.
            const QVector<PhotoFrame> frames = pages.at(p).frames;
            for (int i = 0; i < frames.size(); ++i) {
                PhotoFrame f = frames.at(i);
                if (!change(f))
                    continue;
                pages[p].frames[i] = f;
                any = true;
            }
            if (any)
                touched << p;
        }
        return touched;
    };
}

QVector<int> Document::amend(const PagesChange &change)
{
    QVector<Page> pages = m_pages;
    const QVector<int> touched = change(pages);
    if (touched.isEmpty())
        return touched;
    setPages(pages);
    Q_EMIT amended(change);
    return touched;
}
