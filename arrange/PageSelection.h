#pragma once

#include <QVector>

#include <algorithm>

// What the page dock shows of the document: the page on the canvas and the
// frames selected on it. The view's state, not the document's: undoing an
// edit does not change it, and the dock lowers it when pages go.
struct PageSelection
{
    int currentPage = -1; // -1 when there is none
    QVector<bool> frames; // one per frame of the current page

    // The current page becomes `index` (with `frameCount` frames); no frame
    // is selected.
    void setCurrentPage(int index, int frameCount)
    {
        currentPage = index;
        frames = QVector<bool>(index >= 0 ? frameCount : 0, false);
    }
    bool isFrameSelected(int frame) const { return frame >= 0 && frame < frames.size() && frames.at(frame); }
    bool anyFrameSelected() const { return std::any_of(frames.begin(), frames.end(), [](bool b) { return b; }); }
};
