#include "library/WellScrollArea.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

WellScrollArea::WellScrollArea(QWidget *parent) : QScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void WellScrollArea::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT doubleClick();
}

void WellScrollArea::wheelEvent(QWheelEvent *event)
{
    if (event->angleDelta().y() > 0)
        Q_EMIT zoomIn();
    else
        Q_EMIT zoomOut();
    event->accept();
}

void WellScrollArea::scrollBy(QScrollBar *bar, int step)
{
    bar->setValue(bar->value() + step);
}

void WellScrollArea::keyPressEvent(QKeyEvent *event)
{
    const bool alt = event->modifiers() & Qt::AltModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    event->accept();
    switch (event->key()) {
    case Qt::Key_Escape: Q_EMIT reject(); return;
    case Qt::Key_Return: Q_EMIT doubleClick(); return;
    case Qt::Key_Delete: Q_EMIT del(); return;
    case Qt::Key_Left:
        if (alt)
            Q_EMIT previous();
        else
            scrollBy(horizontalScrollBar(), -20);
        return;
    case Qt::Key_Right:
        if (alt)
            Q_EMIT next();
        else
            scrollBy(horizontalScrollBar(), 20);
        return;
    case Qt::Key_Up:
        if (alt)
            Q_EMIT rotate();
        else
            scrollBy(verticalScrollBar(), -20);
        return;
    case Qt::Key_Down:
        if (alt)
            Q_EMIT rotateB();
        else
            scrollBy(verticalScrollBar(), 20);
        return;
    default:
        break;
    }
    if (!ctrl)
        return;
    switch (event->key()) {
    // Ctrl with the key that carries "+" (reported as "=" or, with Shift or
    // on the keypad, as "+").
    case Qt::Key_Equal:
    case Qt::Key_Plus: Q_EMIT zoomIn(); break;
    case Qt::Key_Minus: Q_EMIT zoomOut(); break;
    case Qt::Key_1: Q_EMIT normalSize(); break;
    case Qt::Key_0: Q_EMIT fitToWindow(); break;
    case Qt::Key_E: Q_EMIT edit(); break;
    default: break;
    }
}
