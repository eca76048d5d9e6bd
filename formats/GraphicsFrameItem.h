#pragma once

#include <QGraphicsRectItem>

// A frame of the layout editor on the paper: its position is the frame's
// top-left corner and its rectangle (0, 0, width, height), in hundredths of
// a millimetre. Light grey with a thin blue outline; a selected frame is
// tinted blue.
class GraphicsFrameItem : public QGraphicsRectItem
{
public:
    enum { Type = UserType + 16 };

    GraphicsFrameItem(int frameId, const QRectF &frame, QGraphicsItem *parent = nullptr);

    int frameId() const { return m_frameId; }
    QRectF frame() const;
    void setFrame(const QRectF &frame);
    int type() const override { return Type; }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    int m_frameId;
};
