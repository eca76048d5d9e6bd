#include "formats/GraphicsPage.h"

#include "formats/GraphicsFrameItem.h"
#include "formats/LayoutCommand.h"
#include "formats/LayoutDraft.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QUndoStack>

#include <cmath>

namespace {

// How close to an edge, in pixels of the view, the mouse takes the edge
// instead of the whole frame.
constexpr int EdgeReach = 6;

QPen cosmeticPen(const QColor &color, Qt::PenStyle style)
{
    QPen pen(color, 1, style);
    pen.setCosmetic(true);
    return pen;
}

} // namespace

GraphicsPage::GraphicsPage(LayoutDraft *draft, QUndoStack *stack, const QColor &paperFill, QWidget *parent)
    : QGraphicsView(parent), m_draft(draft), m_stack(stack)
{
    auto *scene = new QGraphicsScene(this);
    const Page &paper = draft->paper();
    const QRectF sheet(0, 0, paper.width, paper.height);
    scene->setSceneRect(sheet);
    auto *sheetItem = scene->addRect(sheet, cosmeticPen(Qt::green, Qt::SolidLine), paperFill);
    sheetItem->setZValue(-2);
    auto *printable = scene->addRect(draft->rules().printable(), cosmeticPen(Qt::darkGray, Qt::DashDotLine));
    printable->setZValue(-1);
    setScene(scene);
    setDragMode(QGraphicsView::RubberBandDrag);
    setRenderHint(QPainter::Antialiasing);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    for (int id : draft->ids())
        insertItem(id);
    const QList<int> ids = draft->ids();
    m_defaultSize = ids.isEmpty() ? draft->rules().printable().size() : draft->rect(ids.first()).size();

    connect(draft, &LayoutDraft::frameInserted, this, &GraphicsPage::insertItem);
    connect(draft, &LayoutDraft::frameChanged, this, &GraphicsPage::updateItem);
    connect(draft, &LayoutDraft::frameRemoved, this, &GraphicsPage::removeItem);
    connect(draft, &LayoutDraft::framesTouched, this, &GraphicsPage::touch);
    connect(scene, &QGraphicsScene::selectionChanged, this, &GraphicsPage::followSelection);
}

GraphicsPage::~GraphicsPage()
{
    // The scene goes after the view and clears its selection on the way.
    disconnect(scene(), nullptr, this, nullptr);
}

QList<int> GraphicsPage::selectedIds() const
{
    QList<int> ids;
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it)
        if (it.value()->isSelected())
            ids.append(it.key());
    std::sort(ids.begin(), ids.end());
    return ids;
}

void GraphicsPage::selectOnly(const QList<int> &ids)
{
    const QSignalBlocker quiet(scene());
    scene()->clearSelection();
    for (int id : ids)
        if (GraphicsFrameItem *i = m_items.value(id))
            i->setSelected(true);
    followSelection();
}

void GraphicsPage::followSelection()
{
    const QList<int> selected = selectedIds();
    if (!selected.isEmpty() && !selected.contains(m_current))
        setCurrent(selected.first());
    else
        emit currentChanged();
}

void GraphicsPage::insertItem(int id)
{
    auto *item = new GraphicsFrameItem(id, m_draft->rect(id));
    scene()->addItem(item);
    raise(item);
    m_items.insert(id, item);
}

void GraphicsPage::updateItem(int id)
{
    if (GraphicsFrameItem *i = m_items.value(id))
        i->setFrame(m_draft->rect(id));
    if (id == m_current) {
        m_defaultSize = m_draft->rect(id).size();
        emit currentChanged();
    }
}

void GraphicsPage::removeItem(int id)
{
    delete m_items.take(id);
    if (id == m_current)
        m_current = -1;
}

void GraphicsPage::raise(GraphicsFrameItem *item)
{
    item->setZValue(++m_topZ);
}

void GraphicsPage::touch(const QList<int> &ids)
{
    QList<int> present;
    for (int id : ids)
        if (m_items.contains(id))
            present.append(id);
    for (int id : present)
        raise(m_items.value(id));
    if (!present.contains(m_current))
        m_current = present.isEmpty() ? -1 : present.first();
    if (m_current >= 0)
        m_defaultSize = m_draft->rect(m_current).size();
    selectOnly(present);
}

void GraphicsPage::setCurrent(int id)
{
    m_current = id;
    if (id >= 0)
        m_defaultSize = m_draft->rect(id).size();
    emit currentChanged();
}

void GraphicsPage::pushGeometry(const QMap<int, QRectF> &after, Gesture gesture)
{
    QVector<LayoutCommand::Change> changes;
    bool changed = false;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const QRectF before = m_draft->rect(it.key());
        const QRectF now = m_draft->rules().fitted(it.value());
        changed |= now != before;
        changes.append({it.key(), before, now});
    }
    if (!changed)
        return;
    int serial = 0;
    if (gesture == Gesture::Drag) {
        serial = m_gesture;
    } else if (gesture == Gesture::KeyMove || gesture == Gesture::KeyResize) {
        if (m_lastGesture != gesture)
            ++m_gesture;
        serial = m_gesture;
    }
    m_lastGesture = gesture;
    m_stack->push(new LayoutCommand(m_draft, changes, serial));
}

void GraphicsPage::addFrame()
{
    if (!m_draft->rules().usable())
        return;
    m_lastGesture = Gesture::None;
    const QRectF frame = m_draft->placeForNew(m_defaultSize, m_current);
    m_stack->push(new LayoutCommand(m_draft, {{m_draft->takeId(), std::nullopt, frame}}, 0));
}

void GraphicsPage::removeSelected()
{
    QVector<LayoutCommand::Change> changes;
    for (int id : selectedIds())
        changes.append({id, m_draft->rect(id), std::nullopt});
    if (changes.isEmpty())
        return;
    m_lastGesture = Gesture::None;
    m_stack->push(new LayoutCommand(m_draft, changes, 0));
}

void GraphicsPage::rotateSelected()
{
    QMap<int, QRectF> after;
    for (int id : selectedIds())
        after.insert(id, m_draft->rules().rotated(m_draft->rect(id)));
    pushGeometry(after, Gesture::Single);
}

void GraphicsPage::stepSelected(double dx, double dy, bool resize)
{
    QMap<int, QRectF> after;
    for (int id : selectedIds())
        after.insert(id, m_draft->rules().stepped(m_draft->rect(id), dx, dy, resize));
    pushGeometry(after, resize ? Gesture::KeyResize : Gesture::KeyMove);
}

void GraphicsPage::typeValue(Field field, double value)
{
    const LayoutFrameRules &rules = m_draft->rules();
    QMap<int, QRectF> after;
    for (int id : selectedIds()) {
        const QRectF r = m_draft->rect(id);
        switch (field) {
        case Field::Left:
            after.insert(id, rules.placed(r, QPointF(value, r.y())));
            break;
        case Field::Top:
            after.insert(id, rules.placed(r, QPointF(r.x(), value)));
            break;
        case Field::Width:
            after.insert(id, rules.resized(r, value, r.height()));
            break;
        case Field::Height:
            after.insert(id, rules.resized(r, r.width(), value));
            break;
        }
    }
    pushGeometry(after, Gesture::Single);
    // A value the frame could not take is replaced by the one it took.
    emit currentChanged();
}

void GraphicsPage::undo()
{
    m_lastGesture = Gesture::None;
    m_stack->undo();
}

void GraphicsPage::redo()
{
    m_lastGesture = Gesture::None;
    m_stack->redo();
}

void GraphicsPage::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    const double step = (mods & Qt::ControlModifier) ? 10 : 100;
    const bool resize = mods & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Left:
        stepSelected(-step, 0, resize);
        break;
    case Qt::Key_Right:
        stepSelected(step, 0, resize);
        break;
    case Qt::Key_Up:
        if (mods & Qt::AltModifier)
            rotateSelected();
        else
            stepSelected(0, -step, resize);
        break;
    case Qt::Key_Down:
        stepSelected(0, step, resize);
        break;
    case Qt::Key_Insert:
        addFrame();
        break;
    case Qt::Key_Delete:
        removeSelected();
        break;
    default:
        QGraphicsView::keyPressEvent(event);
        return;
    }
    event->accept();
}

GraphicsFrameItem *GraphicsPage::frameAt(const QPoint &viewPos) const
{
    for (QGraphicsItem *i : items(viewPos))
        if (i->type() == GraphicsFrameItem::Type)
            return static_cast<GraphicsFrameItem *>(i);
    return nullptr;
}

LayoutFrameRules::Edges GraphicsPage::edgesAt(GraphicsFrameItem *item, const QPoint &viewPos) const
{
    const QRectF r = mapFromScene(item->frame()).boundingRect();
    const double toLeft = viewPos.x() - r.left();
    const double toRight = r.right() - viewPos.x();
    const double toTop = viewPos.y() - r.top();
    const double toBottom = r.bottom() - viewPos.y();
    LayoutFrameRules::Edges e;
    e.left = toLeft <= EdgeReach && toLeft <= toRight;
    e.right = toRight <= EdgeReach && !e.left;
    e.top = toTop <= EdgeReach && toTop <= toBottom;
    e.bottom = toBottom <= EdgeReach && !e.top;
    return e;
}

void GraphicsPage::showCursorFor(const QPoint &viewPos)
{
    GraphicsFrameItem *hit = frameAt(viewPos);
    if (!hit) {
        viewport()->unsetCursor();
        return;
    }
    const LayoutFrameRules::Edges e = edgesAt(hit, viewPos);
    const bool horizontal = e.left || e.right;
    const bool vertical = e.top || e.bottom;
    Qt::CursorShape shape = Qt::SizeAllCursor;
    if (horizontal && vertical)
        shape = (e.left == e.top) ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    else if (horizontal)
        shape = Qt::SizeHorCursor;
    else if (vertical)
        shape = Qt::SizeVerCursor;
    viewport()->setCursor(shape);
}

void GraphicsPage::mousePressEvent(QMouseEvent *event)
{
    m_drag = Drag();
    GraphicsFrameItem *hit = event->button() == Qt::LeftButton ? frameAt(event->pos()) : nullptr;
    if (!hit) {
        QGraphicsView::mousePressEvent(event);
        return;
    }
    event->accept();
    if (event->modifiers() & Qt::ControlModifier) {
        hit->setSelected(!hit->isSelected());
        if (hit->isSelected())
            setCurrent(hit->frameId());
        return;
    }
    if (!hit->isSelected())
        selectOnly({hit->frameId()});
    raise(hit);
    setCurrent(hit->frameId());
    m_drag.active = true;
    m_drag.edges = edgesAt(hit, event->pos());
    m_drag.start = mapToScene(event->pos());
    for (int id : selectedIds())
        m_drag.startRects.insert(id, m_draft->rect(id));
    ++m_gesture;
    m_lastGesture = Gesture::Drag;
}

void GraphicsPage::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_drag.active) {
        QGraphicsView::mouseMoveEvent(event);
        if (event->buttons() == Qt::NoButton)
            showCursorFor(event->pos());
        return;
    }
    event->accept();
    const QPointF at = mapToScene(event->pos());
    const LayoutFrameRules &rules = m_draft->rules();
    QMap<int, QRectF> after;
    if (m_drag.edges.any()) {
        for (auto it = m_drag.startRects.cbegin(); it != m_drag.startRects.cend(); ++it)
            after.insert(it.key(), rules.withEdges(it.value(), m_drag.edges, at));
    } else {
        QRectF bounds;
        for (const QRectF &r : m_drag.startRects)
            bounds |= r;
        const QPointF shift = rules.allowedShift(bounds, at - m_drag.start);
        for (auto it = m_drag.startRects.cbegin(); it != m_drag.startRects.cend(); ++it)
            after.insert(it.key(), it.value().translated(shift));
    }
    for (auto it = after.begin(); it != after.end();)
        it = m_draft->contains(it.key()) ? std::next(it) : after.erase(it);
    pushGeometry(after, Gesture::Drag);
}

void GraphicsPage::mouseReleaseEvent(QMouseEvent *event)
{
    const bool dragging = m_drag.active;
    m_drag = Drag();
    if (dragging)
        event->accept();
    else
        QGraphicsView::mouseReleaseEvent(event);
    emit currentChanged();
}

void GraphicsPage::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    const QRectF sheet = sceneRect();
    const double pad = std::max(sheet.width(), sheet.height()) / 50;
    fitInView(sheet.adjusted(-pad, -pad, pad, pad), Qt::KeepAspectRatio);
}
