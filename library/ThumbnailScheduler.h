#pragma once

#include "library/ThumbnailResult.h"

#include <QList>
#include <QModelIndex>
#include <QObject>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

#include <functional>

class IconsList;
class IconsModel;
struct PreviewRule;
template <typename T> class QFutureWatcher;

// Decodes the previews of an image list in the background: the rows its view
// shows (and, in the selection list, every other row after them), a batch at
// a time on a pool of its own. The view only tells which rows are on screen;
// this object owns the readers, the batch in progress and the timer that
// starts the next.
//
// Cancelling never waits: the decodes already running finish on their
// threads and their results are dropped, each batch being known by its
// generation number.
class ThumbnailScheduler : public QObject
{
    Q_OBJECT
public:
    // What a worker makes of one file; readThumbnail unless set otherwise.
    using Decoder = std::function<ThumbnailResult(const QString &fileName, const PreviewRule &rule)>;

    // Decodes for `view`'s model the rows `view` shows.
    explicit ThumbnailScheduler(IconsList *view, QObject *parent = nullptr);
    ~ThumbnailScheduler() override;

    // Cancels the batch and the timer that would start the next; the files
    // being read are left to finish and their results are ignored.
    void stop();
    // Starts a batch now (unless one was started in the last 200 ms) and
    // again 200 ms after the last call; a batch that already holds every
    // row on screen goes on.
    void restart();
    // Starts a batch of the rows that need one, unless a batch is running.
    void startBatch();
    // A batch of the present generation is being decoded.
    bool isRunning() const { return m_watcher != nullptr; }
    // The rows of the batch in progress (or the last one).
    const QList<QPersistentModelIndex> &batch() const { return m_rows; }
    // The rows on screen not decoded at the present thumbnail size.
    QList<QModelIndex> rowsNeedingWork() const;
    // The readers' threads (one per processor unless set otherwise).
    QThreadPool &pool() { return m_pool; }
    void setDecoder(Decoder decoder) { m_decoder = std::move(decoder); }

private:
    IconsModel *model() const;
    void deliver(int i, const ThumbnailResult &result);
    void batchFinished();
    bool batchHoldsVisibleRows() const;
    // The next rows of the whole list not decoded yet.
    QList<QModelIndex> undecodedRows() const;

    QPointer<IconsList> m_view;
    Decoder m_decoder;
    QThreadPool m_pool;
    QTimer m_timer;
    // The watcher of the batch in progress, none between batches. Watchers
    // of cancelled batches delete themselves when their last decode ends.
    QFutureWatcher<void> *m_watcher = nullptr;
    // The rows of the batch; persistent, so that a row removed or a list
    // reloaded meanwhile is noticed.
    QList<QPersistentModelIndex> m_rows;
    quint64 m_generation = 0;
};
