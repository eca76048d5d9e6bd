#include "library/IconsList.h"

#include "library/IconsModel.h"
#include "library/ImageFile.h"
#include "library/PoolMap.h"

#include <QKeyEvent>
#include <QTimer>

#include <algorithm>

IconsList::IconsList(bool keepData, QWidget *parent)
    : QListView(parent), m_keepData(keepData), m_timer(new QTimer(this))
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

    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &IconsList::timerSetImage);
    connect(&m_watcher, &QFutureWatcher<IconFuture>::resultReadyAt, this, &IconsList::ImageCreated);
    connect(&m_watcher, &QFutureWatcher<IconFuture>::finished, this, &IconsList::finished);
}

IconsList::~IconsList()
{
    stop();
}

void IconsList::setModel(QAbstractItemModel *model)
{
    QListView::setModel(model);
    applyIconSize();
}

IconsModel *IconsList::iconsModel() const
{
    return qobject_cast<IconsModel *>(model());
}

ThumbnailValues IconsList::thumbnails() const
{
    return iconsModel() ? iconsModel()->thumbnails() : ThumbnailValues();
}

void IconsList::applyIconSize()
{
    const ThumbnailValues t = thumbnails();
    setIconSize(QSize(t.iconWidth, t.iconHeight));
    setGridSize(QSize(t.iconWidth + 5, t.iconHeight + 5));
}

void IconsList::stop()
{
    m_stopped = true;
    m_timer->stop();
    if (m_watcher.isRunning()) {
        m_watcher.cancel();
        m_watcher.waitForFinished();
    }
}

void IconsList::restart()
{
    // A batch that already holds every row on screen goes on: cancelling it
    // (the view restarts on every resize and scroll, several times as it is
    // first shown) would leave the first screen waiting for the timer.
    if (m_watcher.isRunning() && batchHoldsVisibleRows()) {
        m_timer->start(200);
        return;
    }
    stop();
    if (!m_timer->isActive())
        timerSetImage();
    m_timer->start(200);
}

bool IconsList::batchHoldsVisibleRows()
{
    const QList<QModelIndex> visible = GetVisibleItems();
    return std::all_of(visible.cbegin(), visible.cend(), [this](const QModelIndex &index) {
        return m_visibleItems.contains(QPersistentModelIndex(index));
    });
}

void IconsList::updateIconSize()
{
    stop();
    applyIconSize();
    restart();
}

QList<QModelIndex> IconsList::GetVisibleItems()
{
    QList<QModelIndex> items;
    if (!isVisible() || !model())
        return items;
    // Rows just listed are placed now, not when the view gets round to it:
    // until then nothing is seen and the first screen would wait for the
    // next timer.
    executeDelayedItemsLayout();
    const int iw = thumbnails().iconWidth;
    const int ih = thumbnails().iconHeight;
    const int w = viewport()->width();
    const int h = viewport()->height();
    for (int y = 2; y < h + ih; y += qMax(1, ih)) {
        const int sy = y >= h ? h - 1 : y;
        for (int x = 50; x <= w - 1; x += qMax(1, iw)) {
            const QModelIndex index = indexAt(QPoint(x, sy));
            if (!index.isValid() || items.contains(index))
                continue;
            // A row not decoded yet needs work whatever its picture; only a
            // decoded one is asked for its thumbnail (a placeholder would be
            // drawn just to be measured).
            if (index.data(IconsModel::StateRole).toInt() < 2
                || index.data(IconsModel::IconPixmapRole).value<QPixmap>().size() != QSize(iw, ih))
                items.append(index);
        }
    }
    return items;
}

void IconsList::timerSetImage()
{
    m_timer->stop();
    if (m_watcher.isRunning())
        return;
    if (!model() || model()->rowCount() == 0)
        return;
    QList<QModelIndex> visible = GetVisibleItems();
    if (visible.isEmpty() && m_keepData)
        visible = undecodedRows();
    m_visibleItems.clear();
    if (visible.isEmpty())
        return;
    QStringList files;
    files.reserve(visible.size());
    for (const QModelIndex &index : visible) {
        m_visibleItems.append(index);
        files.append(index.data(IconsModel::FileNameRole).toString());
    }
    // The rule is read here, on the GUI thread; the workers get a copy.
    const PreviewRule rule = iconsModel() ? iconsModel()->previewRule() : PreviewRule();
    std::function<IconFuture(const QString &)> read = [rule](const QString &file) {
        return readIconFuture(file, rule);
    };
    m_watcher.setFuture(mappedOnPool(m_pool, files, read));
    m_stopped = false;
}

void IconsList::ImageCreated(int _index)
{
    if (m_stopped || _index < 0 || _index >= m_visibleItems.size()
        || !m_watcher.future().isResultReadyAt(_index))
        return;
    const QModelIndex index = m_visibleItems.at(_index);
    // The row may have gone (removed or the list reloaded) since the batch began.
    if (!index.isValid() || index.model() != model())
        return;
    if (IconsModel *m = iconsModel())
        m->setDecoded(index, m_watcher.resultAt(_index), m_keepData);
}

QList<QModelIndex> IconsList::undecodedRows() const
{
    // A batch a little larger than the workers, so that the list answers
    // between batches.
    constexpr int Batch = 16;
    QList<QModelIndex> rows;
    QAbstractItemModel *m = model();
    for (int row = 0; m && row < m->rowCount() && rows.size() < Batch; ++row) {
        const QModelIndex index = m->index(row, 0);
        if (index.data(IconsModel::StateRole).toInt() < int(IconItem::State::Decoded))
            rows.append(index);
    }
    return rows;
}

void IconsList::finished()
{
    // The selection list decodes every row, the visible ones first, a batch
    // at a time; the folder list only what is seen.
    if (m_keepData && !m_stopped)
        m_timer->start(0);
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
    restart();
}

void IconsList::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    restart();
}
