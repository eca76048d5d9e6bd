#include "formats/GraphicsFrameItem.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QStyleOptionGraphicsItem>

GraphicsFrameItem::GraphicsFrameItem(int frameId, const QRectF &frame, QGraphicsItem *parent)
    : QGraphicsRectItem(parent), m_frameId(frameId)
{
    setFlag(QGraphicsItem::ItemIsSelectable);
    QPen pen(Qt::blue, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    pen.setCosmetic(true);
    setPen(pen);
    setBrush(Qt::lightGray);
    setFrame(frame);
}

QRectF GraphicsFrameItem::frame() const { return QRectF(pos(), rect().size()); }

void GraphicsFrameItem::setFrame(const QRectF &frame)
{
    setPos(frame.topLeft());
    setRect(QRectF(QPointF(0, 0), frame.size()));
}

void GraphicsFrameItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    Q_UNUSED(option)
    Q_UNUSED(widget)
    QPen outline = pen();
    if (isSelected())
        outline.setWidth(3);
    painter->setPen(outline);
    painter->setBrush(isSelected() ? QColor(170, 190, 230) : brush().color());
    painter->drawRect(rect());
}
