#pragma once

#include "library/ThumbnailResult.h"
#include "library/IconItem.h"
#include "library/ImageListRole.h"
#include "library/ImageSource.h"
#include "library/ThumbnailValues.h"
#include "platform/Outcome.h"

#include <QAbstractListModel>
#include <QCache>
#include <QFileInfo>
#include <QMap>
#include <QStringList>
#include <QUrl>
#include <QVector>

class ByteBudget;
class FrameReturn;
class QDataStream;
struct PreviewRule;

class QFileSystemWatcher;
class QTimer;

// The list of image files behind both image panels: one row per file, with
// its thumbnail, rotation and use count. It draws the thumbnails, watches its
// files, sorts itself, offers and takes "image/Velmora" drags and writes its
// rows into the project file.
//
// Rows that are not decoded yet all show the same placeholder picture; their
// thumbnails are drawn when a view asks for them and kept in a bounded cache,
// so that a folder of thousands of files costs little memory.
class IconsModel : public QAbstractListModel
{
    Q_OBJECT
public:
    // The width of the folder panel's previews: the shared cache's large
    // thumbnails.
    static constexpr int FolderPreviewWidth = 256;
    enum Roles {
        IconPixmapRole = Qt::UserRole,
        FileNameRole,
        StateRole,
        ImageWidthRole,
        ImageHeightRole,
        PreviewRole,
        RotationRole,
        UseCountRole,
        FileTimeRole,
        ShotTimeRole,
        FileSizeRole,
        FileDataRole,
    };
    // watchFiles: each row's file is watched and its row refreshed when it
    // changes (both panels; tests and tools may go without).
    explicit IconsModel(ImageListRole role, bool watchFiles = true, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    int itemCount() const { return m_itemCount; }
    int sortKey() const { return m_sortKey; }
    void setSortKey(int key) { m_sortKey = key; }
    bool sortReverse() const { return m_sortReverse; }
    void setSortReverse(bool reverse) { m_sortReverse = reverse; }
    ImageListRole role() const { return m_role; }
    QString dirPath() const { return m_dirPath; }
    const IconItem &item(int row) const { return m_items.at(row); }

    void sortItems();
    void clear();
    int indexOfFileName(const QString &name) const;
    // The row of exactly `name` (case counts); -1 when it is not listed.
    int findExact(const QString &name) const;
    void rotateTo(const QModelIndex &index, int angle);
    QModelIndex rotateFileTo(const QString &name, int angle);
    void addItem(const IconItem &item);

    // How thumbnails are drawn; every row is drawn again.
    const ThumbnailValues &thumbnails() const { return m_thumbs; }
    void setThumbnails(const ThumbnailValues &thumbs);
    // The budget the rows' file bytes count against; without one (the
    // folder panel) rows read their files again when they need them.
    void setByteBudget(ByteBudget *budget) { m_budget = budget; }
    // The root of the desktop's shared thumbnail cache the previews are
    // taken from and stored in (ThumbnailCache); empty: none.
    void setThumbnailCache(const QString &root) { m_thumbnailCache = root; }
    // Where file bytes come from when a file is gone: the open project.
    const ImageSource &imageSource() const { return m_source; }
    void setImageSource(const ImageSource &source) { m_source = source; }
    // Takes back photographs dragged out of page frames.
    void setFrameReturn(FrameReturn *frames) { m_frameReturn = frames; }
    // The preview rule of the moment, for readers on other threads.
    PreviewRule previewRule() const;
    // A thumbnail decoded in the background reaches its row: sizes, turn,
    // date, preview and, in the selection list, the file's bytes within the
    // budget.
    void setDecoded(const QModelIndex &index, const ThumbnailResult &result);

    // The project-file section; `files` collects each row's bytes by name.
    Outcome save(QDataStream &out, QMap<QString, QByteArray> &files) const;
    Outcome load(QDataStream &in);
    void adoptLoaded();
    // Stages `rows` (read by the project reader) and adopts them. Without
    // `decodeNow` the rows show no picture until takePreview brings it.
    void adoptLoaded(const QVector<IconItem> &rows, bool decodeNow = true);
    // The row of `name`, when it has no preview yet, takes this one: a
    // reduced decoding of the file (not yet turned by the row's rotation),
    // the file's full size and the date taken found in it (when valid).
    void takePreview(const QString &name, const QImage &decoded, const QSize &full, const QDateTime &date);
    // The rows in order, as plain values (the project writer's input).
    const QVector<IconItem> &items() const { return m_items; }
    // The section itself, on plain rows. A failure's detail is the
    // section's code ("Load IconsModel 3"). A count that cannot fit in the
    // rest of the file is refused before anything is allocated.
    static Outcome writeRows(QDataStream &out, const QVector<IconItem> &rows, QMap<QString, QByteArray> &files);
    static Outcome readRows(QDataStream &in, QVector<IconItem> &rows);

    // Records of the local files named by `urls`, in the drag payload form;
    // files that cannot be decoded are left out. The stream's device is
    // sought back to 0 at the end.
    static void itemsFromUrls(const QList<QUrl> &urls, QDataStream &out);
    // A record for a file on disk: sizes, times and the date taken as listed.
    static IconItem itemFromFile(const QFileInfo &info);
    // Turns the row's preview by quarter turns (clockwise when positive) and
    // swaps its full sizes on an odd count. The rotation is left alone.
    static void turnItem(IconItem &item, int quarterTurns);

Q_SIGNALS:
    void countAddImage(int count);
    void changeCountImage(int count);
    void fileModif(QString name);

public Q_SLOTS:
    void setDirPath(QString path);
    void updateDir(QString path);
    void rotateIcon(QModelIndex index);
    void rotateBack(QModelIndex index);
    // The use counts from the file names of all filled page frames
    // (repeats included); names not among them count 0.
    void updateArrangeCount(QStringList sList);
    void addFile(QString name);
    void updateFiles();
    void fileChanged(QString name);

private:
    QPixmap iconOf(const IconItem &item) const;
    void drawIcon(IconItem &item);
    void changeCounts(const QHash<QString, int> &delta, bool absolute);
    QFileInfoList listFolder(const QString &path) const;
    void watch(const QString &name);
    void watch(const QStringList &names);
    void unwatch(const QString &name);
    void unwatchAll();
    // Keeps the bytes a new row brings while the budget allows, counting them.
    void adoptBytes(IconItem &item) const;
    // A dropped or pasted record becomes a row (or updates the row of its file).
    void takeRecord(IconItem item);
    // Whether the row's preview is smaller than this list's previews (the
    // folder panel may show a camera's own small picture).
    bool hasSmallPreview(const IconItem &item) const;
    // Inside a model reset: every row goes, giving back its bytes.
    void dropAllItems();

    ThumbnailValues m_thumbs;
    ByteBudget *m_budget = nullptr;
    QString m_thumbnailCache;
    ImageSource m_source;
    FrameReturn *m_frameReturn = nullptr;
    QVector<IconItem> m_items;
    QVector<IconItem> m_stagingItems;
    int m_itemCount = 0;
    int m_sortKey = 0;
    bool m_sortReverse = false;
    ImageListRole m_role;
    bool m_watchFiles;
    // The watched files, spread over watchers of a few hundred files each
    // (a watcher's cost of adding a file grows with the files it holds).
    QVector<QFileSystemWatcher *> m_watchers;
    QHash<QString, QFileSystemWatcher *> m_watchedBy;
    QTimer *m_changeTimer = nullptr;
    QStringList m_pendingFiles;
    QString m_dirPath;
    // Drawn placeholder thumbnails by file name; cost in kilobytes.
    mutable QCache<QString, QPixmap> m_placeholderIcons;
};
