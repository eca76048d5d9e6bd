#include "formats/LayoutView.h"

#include <QKeyEvent>
#include <QScrollBar>

LayoutView::LayoutView(QWidget *parent) : QListView(parent)
{
    setViewMode(QListView::IconMode);
    setUniformItemSizes(true);
    setResizeMode(QListView::Adjust);
    setLayoutMode(QListView::SinglePass);
    setTextElideMode(Qt::ElideNone);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMovement(QListView::Static);
}

QSize LayoutView::sizeHint() const
{
    const QSize cell = gridSize();
    if (!cell.isValid())
        return QListView::sizeHint();
    const int frame = 2 * frameWidth();
    return QSize(5 * cell.width() + frame + verticalScrollBar()->sizeHint().width(), 3 * cell.height() + frame);
}

void LayoutView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return) {
        emit doubleClicked(currentIndex());
        return;
    }
    QListView::keyPressEvent(event);
}
