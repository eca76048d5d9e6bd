#pragma once

#include "arrange/Page.h"

#include <QStringList>
#include <QVector>

// The pages being laid out and the state kept beside them. The template the
// pages are made from lives application-wide (AppState::templatePage).
class Document
{
public:
    QVector<Page> pages;
    QVector<Page> loadedPages; // read from a project, waiting to be adopted
    int currentPage = -1;
    int placementCount = 0; // frame fillings, repeats counted
    int imageCount = 0;     // distinct files in the frames
    QVector<bool> frameSelection; // one per frame of the current page

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
