#include "arrange/Document.h"

#include <QObject>

void Document::countPlaced(const QString &name)
{
    ++placementCount;
    if (!holds(name))
        ++imageCount;
}

void Document::countRemoved(const QString &name)
{
    --placementCount;
    if (!holds(name))
        --imageCount;
}

int Document::framesHolding(const QString &name) const
{
    int n = 0;
    for (const Page &p : pages)
        for (const PhotoFrame &f : p.frames)
            n += !f.isEmpty() && f.fileName == name ? 1 : 0;
    return n;
}

QStringList Document::placedNames() const
{
    QStringList names;
    for (const Page &p : pages)
        for (const PhotoFrame &f : p.frames)
            if (!f.isEmpty())
                names << f.fileName;
    return names;
}

QString Document::countingText() const
{
    if (placementCount < 1)
        return QString();
    return QObject::tr("Total %n Arrangement(s)", "Plural or singular", placementCount)
           + QObject::tr(" of %n Image(s)", "Plural or singular", imageCount);
}

Page Document::newPage(const Page &templatePage, int index)
{
    Page page = templatePage;
    page.title = Page::pageTitle(index + 1, templatePage.title);
    return page;
}

void Document::ensurePage(const Page &templatePage, int index)
{
    while (pages.size() <= index)
        pages.append(newPage(templatePage, pages.size()));
}

void Document::setCurrentPage(int index)
{
    currentPage = index;
    const int n = index >= 0 && index < pages.size() ? pages.at(index).frames.size() : 0;
    frameSelection = QVector<bool>(n, false);
}

bool Document::isFrameSelected(int frame) const
{
    return frame >= 0 && frame < frameSelection.size() && frameSelection.at(frame);
}

void Document::clear()
{
    for (Page &p : pages)
        for (PhotoFrame &f : p.frames)
            f.releaseData();
    pages.clear();
    currentPage = -1;
    placementCount = 0;
    imageCount = 0;
    frameSelection.clear();
    awaitedPreviews.clear();
}
