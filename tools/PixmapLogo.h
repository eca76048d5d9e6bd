#pragma once

#include <QGraphicsPixmapItem>

#include <functional>

// The logo in the preview of the logo dialog: it can be dragged with the
// mouse; each move made by the mouse is reported through `dragged`.
class PixmapLogo : public QGraphicsPixmapItem
{
public:
    explicit PixmapLogo(QGraphicsItem *parent = nullptr);
    std::function<void()> dragged;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    bool m_pressed = false;
};
