#include "tools/PixmapLogo.h"

#include <QCursor>
#include <QGraphicsSceneMouseEvent>

PixmapLogo::PixmapLogo(QGraphicsItem *parent) : QGraphicsPixmapItem(parent)
{
    setFlags(ItemIsMovable | ItemSendsGeometryChanges);
    setCursor(Qt::SizeAllCursor);
    setTransformationMode(Qt::SmoothTransformation);
}

QVariant PixmapLogo::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemPositionHasChanged && m_pressed && dragged)
        dragged();
    return QGraphicsPixmapItem::itemChange(change, value);
}

void PixmapLogo::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QGraphicsPixmapItem::mousePressEvent(event);
}

void PixmapLogo::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    QGraphicsPixmapItem::mouseReleaseEvent(event);
}
