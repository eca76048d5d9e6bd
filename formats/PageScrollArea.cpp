#include "formats/PageScrollArea.h"

#include <QScrollBar>

PageScrollArea::PageScrollArea(QWidget *page, QWidget *parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(page);
}

QSize PageScrollArea::sizeHint() const
{
    // QScrollArea caps its hint at a few dozen lines of text. Room for the
    // vertical scroll bar is kept, so that a page cut in height on a small
    // screen does not have to scroll sideways as well.
    if (!widget())
        return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    return widget()->sizeHint().expandedTo(widget()->minimumSizeHint())
           + QSize(frame + verticalScrollBar()->sizeHint().width(), frame);
}
