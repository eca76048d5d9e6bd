#include "formats/LayoutView.h"

#include <QKeyEvent>

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

void LayoutView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return) {
        emit doubleClicked(currentIndex());
        return;
    }
    QListView::keyPressEvent(event);
}
