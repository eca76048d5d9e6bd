#pragma once

#include <QGraphicsView>

// The view of the crop editor. It turns presses and drags on the crop
// rectangle and its corner handles into displacements in photograph pixels,
// and hands the wheel and the keys to the editor.
class CropView : public QGraphicsView
{
    Q_OBJECT
public:
    // The part of the crop a scene item stands for (QGraphicsItem::data).
    enum class Part { None, Rect, LeftTop, RightTop, LeftBottom, RightBottom };
    static constexpr int PartKey = 0;

    explicit CropView(QGraphicsScene *scene, QWidget *parent = nullptr);

Q_SIGNALS:
    void dragged(CropView::Part part, QPointF delta);
    // A drag ended (the editor records one undo step for it).
    void dragFinished();
    void rectDoubleClicked();
    void wheelTurned(int delta);
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Part partAt(const QPoint &pos) const;

    Part m_dragging = Part::None;
    QPointF m_last;
};
