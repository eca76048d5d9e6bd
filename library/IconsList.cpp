#include "library/IconsList.h"

#include "library/IconsModel.h"

#include <QKeyEvent>

IconsList::IconsList(QWidget *parent) : QListView(parent)
{
    setDragEnabled(true);
    setViewMode(QListView::IconMode);
    setUniformItemSizes(true);
    applyIconSize();
    setSpacing(5);
    setMovement(QListView::Snap);
    setResizeMode(QListView::Adjust);
    setAcceptDrops(false);
    setDropIndicatorShown(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setLayoutMode(QListView::SinglePass);
}

void IconsList::setModel(QAbstractItemModel *model)
{
    QListView::setModel(model);
    applyIconSize();
}

void IconsList::applyIconSize()
{
    const auto *icons = qobject_cast<IconsModel *>(model());
    const ThumbnailValues t = icons ? icons->thumbnails() : ThumbnailValues();
    setIconSize(QSize(t.iconWidth, t.iconHeight));
    setGridSize(QSize(t.iconWidth + 5, t.iconHeight + 5));
}

void IconsList::updateIconSize()
{
    applyIconSize();
    Q_EMIT visibleAreaChanged();
}

QList<QModelIndex> IconsList::visibleRows()
{
    QList<QModelIndex> rows;
    const QAbstractItemModel *m = model();
    if (!isVisible() || !m)
        return rows;
    // Rows just listed are placed now, not when the view gets round to it:
    // until then none is seen and the first screen would wait.
    executeDelayedItemsLayout();
    const QRect port = viewport()->rect();
    const int count = m->rowCount(rootIndex());
    for (int row = 0; row < count; ++row) {
        const QModelIndex index = m->index(row, modelColumn(), rootIndex());
        if (visualRect(index).intersects(port))
            rows.append(index);
    }
    return rows;
}

void IconsList::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const bool shift = mods & Qt::ShiftModifier;
    const bool alt = mods & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Delete:
        Q_EMIT keyDelete();
        return;
    case Qt::Key_Up:
        if (alt) { Q_EMIT keyRotate(); return; }
        break;
    case Qt::Key_Down:
        if (alt) { Q_EMIT keyRotBack(); return; }
        break;
    case Qt::Key_W:
        if (ctrl) { Q_EMIT keyView(); return; }
        break;
    case Qt::Key_E:
        if (ctrl) { Q_EMIT keyEdit(); return; }
        break;
    case Qt::Key_C:
        if (ctrl)
            Q_EMIT keyCopy();
        return;
    case Qt::Key_V:
        if (ctrl)
            Q_EMIT keyPaste();
        return;
    case Qt::Key_Insert:
        if (ctrl)
            Q_EMIT keyCopy();
        else if (shift)
            Q_EMIT keyPaste();
        return;
    default:
        break;
    }
    QListView::keyPressEvent(event);
}

void IconsList::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    Q_EMIT visibleAreaChanged();
}

void IconsList::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    Q_EMIT visibleAreaChanged();
}

void IconsList::showEvent(QShowEvent *event)
{
    QListView::showEvent(event);
    Q_EMIT visibleAreaChanged();
}
