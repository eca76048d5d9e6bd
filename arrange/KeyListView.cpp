#include "arrange/KeyListView.h"

#include <QKeyEvent>

KeyListView::KeyListView(QWidget *parent) : QListView(parent) {}

void KeyListView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete) {
        emit keyDelete();
        return;
    }
    QListView::keyPressEvent(event);
}
