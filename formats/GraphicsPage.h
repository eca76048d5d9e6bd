#pragma once

#include "formats/LayoutFrameRules.h"

#include <QGraphicsView>
#include <QHash>
#include <QMap>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class GraphicsFrameItem;
class LayoutDraft;
class QUndoStack;

// The drawing area of the layout editor: the paper with its printable area
// and one GraphicsFrameItem per frame of the draft. Frames are selected with
// the mouse (Ctrl adds, a rubber band takes several), moved by dragging
// their middle and sized by dragging an edge or corner; the arrow keys move
// the selection (Ctrl: finer, Shift: size instead), Alt+Up turns it, Insert
// adds and Delete removes. Every change goes onto the undo stack.
class GraphicsPage : public QGraphicsView
{
    Q_OBJECT
public:
    enum class Field { Left, Top, Width, Height };

    GraphicsPage(LayoutDraft *draft, QUndoStack *stack, const QColor &paperFill, QWidget *parent = nullptr);
    ~GraphicsPage() override;

    QList<int> selectedIds() const;
    void selectOnly(const QList<int> &ids);
    // The frame whose numbers the editor shows (the one pressed or changed
    // last), or -1.
    int currentId() const { return m_current; }
    // The size a new frame gets.
    QSizeF defaultSize() const { return m_defaultSize; }
    GraphicsFrameItem *item(int id) const { return m_items.value(id); }

    void addFrame();
    void removeSelected();
    void rotateSelected();
    void stepSelected(double dx, double dy, bool resize);
    // A typed value, in hundredths of a millimetre, for every selected frame.
    void typeValue(Field field, double value);
    void undo();
    void redo();

Q_SIGNALS:
    // The current frame, the selection or the current frame's geometry changed.
    void currentChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // What a geometry change belongs to; changes of one drag, or of one run
    // of the same arrow keys, become one undo step.
    enum class Gesture { None, Drag, KeyMove, KeyResize, Single };

    void insertItem(int id);
    void updateItem(int id);
    void removeItem(int id);
    void touch(const QList<int> &ids);
    void raise(GraphicsFrameItem *item);
    void setCurrent(int id);
    // A frame taken out of the selection stops being the current one.
    void followSelection();
    void pushGeometry(const QMap<int, QRectF> &after, Gesture gesture);
    GraphicsFrameItem *frameAt(const QPoint &viewPos) const;
    LayoutFrameRules::Edges edgesAt(GraphicsFrameItem *item, const QPoint &viewPos) const;
    void showCursorFor(const QPoint &viewPos);

    LayoutDraft *m_draft;
    QUndoStack *m_stack;
    QHash<int, GraphicsFrameItem *> m_items;
    int m_current = -1;
    QSizeF m_defaultSize;
    qreal m_topZ = 1;

    int m_gesture = 0;
    Gesture m_lastGesture = Gesture::None;

    struct Drag
    {
        bool active = false;
        LayoutFrameRules::Edges edges;
        QPointF start;
        QMap<int, QRectF> startRects;
    } m_drag;
};
