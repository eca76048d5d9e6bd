#pragma once

#include "library/IconFuture.h"
#include "library/ThumbnailValues.h"

#include <QFutureWatcher>
#include <QListView>
#include <QModelIndex>
#include <QThreadPool>

class IconsModel;
class QTimer;

// The icon view of both image panels. It decodes the previews of the rows on
// screen on the thread pool, a batch at a time, and turns a few keys into
// signals for the panel's commands.
class IconsList : public QListView
{
    Q_OBJECT
public:
    // The thumbnail size follows the model's.
    void setModel(QAbstractItemModel *model) override;
    // keepData: the rows keep the file bytes read by the workers.
    explicit IconsList(bool keepData, QWidget *parent = nullptr);
    ~IconsList() override;

    // Cancels the batch and the timer that would start the next, and waits
    // for the files already being read; results after this are ignored.
    void stop();
    // Cancels the batch and starts a new one now (unless one was started in
    // the last 200 ms) and again 200 ms after the last call.
    void restart();
    // The thumbnail size changed.
    void updateIconSize();
    bool isRunning() const { return m_watcher.isRunning(); }
    const QList<QPersistentModelIndex> &batch() const { return m_visibleItems; }

Q_SIGNALS:
    void keyDelete();
    void keyRotate();
    void keyRotBack();
    void keyView();
    void keyEdit();
    void keyCopy();
    void keyPaste();

public Q_SLOTS:
    void ImageCreated(int _index);
    void finished();
    void timerSetImage();
    QList<QModelIndex> GetVisibleItems();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;


private:
    void applyIconSize();
    IconsModel *iconsModel() const;
    ThumbnailValues thumbnails() const;
    // The next rows of the whole list not decoded yet.
    QList<QModelIndex> undecodedRows() const;
    // Whether the batch in progress holds every row on screen that needs one.
    bool batchHoldsVisibleRows();

    bool m_keepData;
    bool m_stopped = true;
    // The rows of the batch in progress; persistent, so that a row removed
    // or a list reloaded meanwhile is noticed.
    QList<QPersistentModelIndex> m_visibleItems;
    QThreadPool m_pool; // the readers of this list's files
    QFutureWatcher<IconFuture> m_watcher;
    QTimer *m_timer;
};
