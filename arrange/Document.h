#pragma once

#include "formats/Page.h"
#include "library/ByteBudget.h"
#include "library/ImageSource.h"

#include <QSet>
#include <QStringList>
#include <QVector>

// The document: the pages being laid out, the layout new pages are made
// from, the copies of image files the open project carries and the budget
// of image-file bytes held in memory. Owned by the Arrange dock.
class Document
{
public:
    Document() = default;
    Document(const Document &) = delete;
    Document &operator=(const Document &) = delete;

    QVector<Page> pages;
    // The current layout: every new page starts as a copy of it. Its title
    // holds only the layout name; its frames hold no photograph.
    Page templatePage;
    // The open project's embedded files; a value, so that pages can be
    // drawn on other threads while the document changes.
    ImageSource source;
    // Image-file bytes held by the frames and the selection list.
    ByteBudget budget;
    QVector<Page> loadedPages; // read from a project, waiting to be adopted
    int currentPage = -1;
    int placementCount = 0; // frame fillings, repeats counted
    int imageCount = 0;     // distinct files in the frames
    QVector<bool> frameSelection; // one per frame of the current page
    // Files of an opened project whose previews the workers still read.
    QSet<QString> awaitedPreviews;

    // `frame` shows a photograph whose preview is still being read: it
    // says so, and the crop editor may open it (it reads the file itself).
    bool awaitsPreview(const PhotoFrame &frame) const
    {
        return !frame.isEmpty() && frame.preview.isNull() && awaitedPreviews.contains(frame.fileName);
    }

    int pageCount() const { return pages.size(); }
    bool isEmpty() const { return pages.isEmpty(); }

    // Before a frame is stored with `name`.
    void countPlaced(const QString &name);
    // After the frame holding `name` was emptied.
    void countRemoved(const QString &name);
    int framesHolding(const QString &name) const;
    bool holds(const QString &name) const { return framesHolding(name) > 0; }
    // File names of all filled frames, page and frame order, repeats included.
    QStringList placedNames() const;
    // "Total N Arrangement(s) of M Image(s)", empty when nothing is placed.
    QString countingText() const;

    // A copy of `templatePage` titled for page `index` (0-based).
    static Page newPage(const Page &templatePage, int index);
    // Appends copies of the template until page `index` exists.
    void ensurePage(const Page &templatePage, int index);

    // The current page becomes `index`; the frame selection is cleared.
    void setCurrentPage(int index);
    bool isFrameSelected(int frame) const;
    void clear();
};
