#include "library/ThumbnailScheduler.h"

#include "library/IconsList.h"
#include "library/IconsModel.h"
#include "library/ImageFile.h"
#include "library/PoolMap.h"

#include <QFutureWatcher>

#include <algorithm>

ThumbnailScheduler::ThumbnailScheduler(IconsList *view, QObject *parent)
    : QObject(parent), m_view(view), m_decoder(readThumbnail)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ThumbnailScheduler::startBatch);
    connect(view, &IconsList::visibleAreaChanged, this, &ThumbnailScheduler::restart);
}

ThumbnailScheduler::~ThumbnailScheduler()
{
    // Files not begun are skipped; the pool's end waits for those being read.
    stop();
}

IconsModel *ThumbnailScheduler::model() const
{
    return m_view ? qobject_cast<IconsModel *>(m_view->model()) : nullptr;
}

void ThumbnailScheduler::stop()
{
    ++m_generation;
    m_timer.stop();
    if (m_watcher) {
        m_watcher->cancel();
        m_watcher = nullptr;
    }
}

void ThumbnailScheduler::restart()
{
    // A batch that already holds every row on screen goes on: cancelling it
    // (the view changes on every resize and scroll, several times as it is
    // first shown) would leave the first screen waiting for the timer.
    if (isRunning() && batchHoldsVisibleRows()) {
        m_timer.start(200);
        return;
    }
    stop();
    if (!m_timer.isActive())
        startBatch();
    m_timer.start(200);
}

bool ThumbnailScheduler::batchHoldsVisibleRows() const
{
    const QList<QModelIndex> visible = rowsNeedingWork();
    return std::all_of(visible.cbegin(), visible.cend(),
                       [this](const QModelIndex &index) { return m_rows.contains(QPersistentModelIndex(index)); });
}

QList<QModelIndex> ThumbnailScheduler::rowsNeedingWork() const
{
    QList<QModelIndex> rows;
    const IconsModel *m = model();
    if (!m)
        return rows;
    const QSize icon(m->thumbnails().iconWidth, m->thumbnails().iconHeight);
    for (const QModelIndex &index : m_view->visibleRows()) {
        // A row not decoded yet needs work whatever its picture; only a
        // decoded one is asked for its thumbnail (a placeholder would be
        // drawn just to be measured).
        if (index.data(IconsModel::StateRole).toInt() < int(IconItem::State::Decoded)
            || index.data(IconsModel::IconPixmapRole).value<QPixmap>().size() != icon)
            rows.append(index);
    }
    return rows;
}

QList<QModelIndex> ThumbnailScheduler::undecodedRows() const
{
    // Batches of many rows: the workers wait for each other only at a
    // batch's end (the list still answers at once: a change on screen
    // cancels the rows not begun). The rows' results are not kept by the
    // batch once delivered.
    constexpr int Batch = 64;
    QList<QModelIndex> rows;
    const IconsModel *m = model();
    for (int row = 0; m && row < m->rowCount() && rows.size() < Batch; ++row) {
        if (m->item(row).state < IconItem::State::Decoded)
            rows.append(m->index(row));
    }
    return rows;
}

void ThumbnailScheduler::startBatch()
{
    m_timer.stop();
    IconsModel *m = model();
    if (isRunning() || !m || m->rowCount() == 0)
        return;
    QList<QModelIndex> rows = rowsNeedingWork();
    if (rows.isEmpty() && m->role() == ImageListRole::Selection)
        rows = undecodedRows();
    m_rows.clear();
    if (rows.isEmpty())
        return;
    QStringList files;
    files.reserve(rows.size());
    for (const QModelIndex &index : rows) {
        m_rows.append(index);
        files.append(index.data(IconsModel::FileNameRole).toString());
    }
    // The rule is read here, on the GUI thread; the workers get a copy.
    const PreviewRule rule = m->previewRule();
    const Decoder decode = m_decoder;
    const std::function<ThumbnailResult(const QString &)> read = [rule, decode](const QString &file) {
        return decode(file, rule);
    };
    const quint64 generation = ++m_generation;
    auto *watcher = new QFutureWatcher<void>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation == m_generation)
            batchFinished();
    });
    m_watcher = watcher;
    const std::function<void(int, const ThumbnailResult &)> delivered = [this, generation](int i,
                                                                                           const ThumbnailResult &r) {
        if (generation == m_generation)
            deliver(i, r);
    };
    watcher->setFuture(deliveredOnPool(m_pool, files, read, this, delivered));
}

void ThumbnailScheduler::deliver(int i, const ThumbnailResult &result)
{
    IconsModel *m = model();
    if (!m || i < 0 || i >= m_rows.size())
        return;
    const QModelIndex index = m_rows.at(i);
    // The row may have gone (removed or the list reloaded) since the batch began.
    if (index.isValid() && index.model() == m)
        m->setDecoded(index, result);
}

void ThumbnailScheduler::batchFinished()
{
    m_watcher = nullptr;
    // The selection list decodes every row, the visible ones first, a batch
    // at a time; the folder list only what is seen.
    const IconsModel *m = model();
    if (m && m->role() == ImageListRole::Selection)
        m_timer.start(0);
}
