#include "tools/CropView.h"

#include <QGraphicsItem>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

CropView::CropView(QGraphicsScene *scene, QWidget *parent) : QGraphicsView(scene, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setRenderHint(QPainter::SmoothPixmapTransform);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
}

CropView::Part CropView::partAt(const QPoint &pos) const
{
    // Handles lie above the rectangle: the first item with a part wins.
    const QList<QGraphicsItem *> found = items(pos);
    for (QGraphicsItem *item : found) {
        const Part part = Part(item->data(PartKey).toInt());
        if (part != Part::None)
            return part;
    }
    return Part::None;
}

void CropView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QGraphicsView::mousePressEvent(event);
        return;
    }
    m_dragging = partAt(event->pos());
    m_last = mapToScene(event->pos());
    event->accept();
}

void CropView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging == Part::None || !(event->buttons() & Qt::LeftButton)) {
        QGraphicsView::mouseMoveEvent(event);
        return;
    }
    const QPointF at = mapToScene(event->pos());
    const QPointF delta = at - m_last;
    m_last = at;
    emit dragged(m_dragging, delta);
}

void CropView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_dragging != Part::None) {
        m_dragging = Part::None;
        emit dragFinished();
        return;
    }
    QGraphicsView::mouseReleaseEvent(event);
}

void CropView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && partAt(event->pos()) == Part::Rect) {
        emit rectDoubleClicked();
        return;
    }
    QGraphicsView::mouseDoubleClickEvent(event);
}

void CropView::wheelEvent(QWheelEvent *event)
{
    emit wheelTurned(event->angleDelta().y());
    event->accept();
}

void CropView::keyPressEvent(QKeyEvent *event)
{
    emit keyPressed(event->key(), event->modifiers());
    event->accept();
}
