#include "tools/ViewLogo.h"

#include <QKeyEvent>
#include <QWheelEvent>

ViewLogo::ViewLogo(QGraphicsScene *scene, QWidget *parent) : QGraphicsView(scene, parent)
{
    setMouseTracking(true);
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ViewLogo::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: emit sizeStep(1); break;
    case Qt::Key_Minus: emit sizeStep(-1); break;
    case Qt::Key_Left: emit moveStep(-2, 0); break;
    case Qt::Key_Right: emit moveStep(2, 0); break;
    case Qt::Key_Up: emit moveStep(0, -2); break;
    case Qt::Key_Down: emit moveStep(0, 2); break;
    default: QGraphicsView::keyPressEvent(event); return;
    }
    event->accept();
}

void ViewLogo::wheelEvent(QWheelEvent *event)
{
    const int dy = event->angleDelta().y();
    if (dy != 0)
        emit sizeStep(dy > 0 ? 1 : -1);
    event->accept();
}

void ViewLogo::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    if (scene())
        fitInView(scene()->sceneRect(), Qt::KeepAspectRatio);
}
