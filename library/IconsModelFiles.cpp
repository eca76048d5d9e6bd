// The files of an image list: folder load and refresh, watching, re-reading
// changed files, and the budget of file bytes the rows hold.

#include "library/IconsModel.h"

#include "library/ByteBudget.h"
#include "library/ImageFile.h"

#include <QDir>
#include <QFileSystemWatcher>
#include <QImageReader>
#include <QSet>
#include <QTimer>

#include <algorithm>
#include <limits>

// File sizes are kept in 32 bits (the record and project formats); a file of
// 2 GB or more is held at the largest size they can say instead of wrapping
// to a negative one.
static qint32 storedSize(const QFileInfo &info)
{
    return qint32(qMin<qint64>(info.size(), std::numeric_limits<qint32>::max()));
}

IconItem IconsModel::itemFromFile(const QFileInfo &info)
{
    IconItem item;
    item.fileName = info.absoluteFilePath();
    item.fileSize = storedSize(info);
    item.fileTime = info.lastModified();
    item.shotTime = info.birthTime();
    if (!item.shotTime.isValid() || item.fileTime < item.shotTime)
        item.shotTime = item.fileTime;
    return item;
}

// The file on disk has the size and time the row knows.
static bool sameOnDisk(const IconItem &item, const QFileInfo &info)
{
    return info.lastModified() == item.fileTime && storedSize(info) == item.fileSize;
}

// The row takes the size and times of the file on disk.
static void takeFileTimes(IconItem &item, const QFileInfo &info)
{
    const IconItem fresh = IconsModel::itemFromFile(info);
    item.fileSize = fresh.fileSize;
    item.fileTime = fresh.fileTime;
    item.shotTime = fresh.shotTime;
}

QFileInfoList IconsModel::listFolder(const QString &path) const
{
    // The files named "*.<format>" for every format the image readers know,
    // matched without regard to case as the folder's name filters would, but
    // with one look-up per file.
    QSet<QString> suffixes;
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const QByteArray &format : formats)
        suffixes.insert(QString::fromLatin1(format).toLower());
    QFileInfoList entries = QDir(path).entryInfoList(QDir::Files, QDir::Unsorted);
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const QFileInfo &info) {
                                     const QString name = info.fileName();
                                     const int dot = name.lastIndexOf(QLatin1Char('.'));
                                     return dot < 0 || !suffixes.contains(name.mid(dot + 1).toLower());
                                 }),
                  entries.end());
    return entries;
}

void IconsModel::watch(const QString &name)
{
    watch(QStringList(name));
}

void IconsModel::watch(const QStringList &names)
{
    if (!m_watchFiles)
        return;
    const int perWatcher = 500;
    QStringList batch;
    for (const QString &name : names) {
        if (name.isEmpty() || m_watchedBy.contains(name))
            continue;
        QFileSystemWatcher *last = m_watchers.isEmpty() ? nullptr : m_watchers.last();
        if (!last || last->files().size() + batch.size() >= perWatcher) {
            if (last && !batch.isEmpty())
                last->addPaths(batch);
            batch.clear();
            last = new QFileSystemWatcher(this);
            connect(last, &QFileSystemWatcher::fileChanged, this, &IconsModel::addFile);
            m_watchers.append(last);
        }
        batch.append(name);
        m_watchedBy.insert(name, last);
    }
    if (!batch.isEmpty())
        m_watchers.last()->addPaths(batch);
}

void IconsModel::unwatch(const QString &name)
{
    if (QFileSystemWatcher *watcher = m_watchedBy.take(name))
        watcher->removePath(name);
}

void IconsModel::unwatchAll()
{
    qDeleteAll(m_watchers);
    m_watchers.clear();
    m_watchedBy.clear();
}

void IconsModel::adoptBytes(IconItem &item) const
{
    // The folder panel reads its files again when it needs them.
    item.fileData = m_budget ? m_budget->hold(item.fileData) : HeldBytes();
}

void IconsModel::dropAllItems()
{
    m_items.clear();
    m_placeholderIcons.clear();
}

void IconsModel::setDirPath(QString path)
{
    if (m_role == ImageListRole::Folder)
        m_dirPath = path;
    m_pendingFiles.clear();
    unwatchAll();
    beginResetModel();
    dropAllItems();
    const QFileInfoList entries = listFolder(path);
    m_items.reserve(entries.size());
    QStringList names;
    names.reserve(entries.size());
    for (const QFileInfo &info : entries) {
        IconItem item = itemFromFile(info);
        drawIcon(item);
        names.append(item.fileName);
        m_items.append(std::move(item));
    }
    watch(names);
    endResetModel();
    m_itemCount = m_items.size();
    Q_EMIT countAddImage(m_itemCount);
}

void IconsModel::updateDir(QString path)
{
    const QFileInfoList entries = listFolder(path);
    const int n = entries.size();
    QHash<QString, int> byName;
    byName.reserve(n);
    for (int i = 0; i < n; ++i)
        byName.insert(entries[i].absoluteFilePath(), i);

    bool reset = false;
    auto beginOnce = [&] {
        if (!reset) {
            beginResetModel();
            reset = true;
        }
    };
    if (m_items.size() != n)
        beginOnce();

    for (int row = m_items.size() - 1; row >= 0; --row) {
        IconItem &item = m_items[row];
        const auto found = byName.constFind(item.fileName);
        if (found == byName.constEnd()) {
            beginOnce();
            unwatch(item.fileName);
            item.fileData.clear();
            m_placeholderIcons.remove(item.fileName);
            m_items.removeAt(row);
            continue;
        }
        const QFileInfo &info = entries[*found];
        if (sameOnDisk(item, info))
            continue;
        beginOnce();
        takeFileTimes(item, info);
        item.state = IconItem::State::New;
        item.imageWidth = item.imageHeight = item.useCount = 0;
        drawIcon(item);
    }

    QSet<QString> listed;
    listed.reserve(m_items.size());
    for (const IconItem &item : qAsConst(m_items))
        listed.insert(item.fileName);
    for (const QFileInfo &info : entries) {
        if (listed.contains(info.absoluteFilePath()))
            continue;
        beginOnce();
        IconItem item = itemFromFile(info);
        drawIcon(item);
        watch(item.fileName);
        m_items.append(std::move(item));
    }

    if (reset) {
        endResetModel();
        m_itemCount = n;
        Q_EMIT countAddImage(n);
    }
}

void IconsModel::addFile(QString name)
{
    if (!m_changeTimer)
        return;
    m_changeTimer->start(500);
    if (!m_pendingFiles.contains(name))
        m_pendingFiles.append(name);
}

void IconsModel::updateFiles()
{
    if (m_changeTimer)
        m_changeTimer->stop();
    const QStringList names = m_pendingFiles;
    for (const QString &name : names)
        fileChanged(name);
    m_pendingFiles.clear();
}

void IconsModel::fileChanged(QString name)
{
    const int row = findExact(name);
    if (row < 0)
        return;
    IconItem &item = m_items[row];
    const QFileInfo info(name);
    if (sameOnDisk(item, info))
        return;
    takeFileTimes(item, info);
    const int r = item.rotation;
    // The frames that show the file still show it: its use count stays.
    const bool keptBytes = !item.fileData.isEmpty();
    item.state = IconItem::State::New;
    item.imageWidth = item.imageHeight = 0;
    item.fileData.clear();
    readIntoItem(item, previewRule());
    // A row that held the file's bytes holds the new ones; others drop them.
    if (keptBytes)
        adoptBytes(item);
    else
        item.fileData.clear();
    item.state = IconItem::State::Decoded;
    // The row keeps the turn it had; a row that had none takes the file's
    // own orientation, so that the preview and the rotation agree.
    const int angle = r >= 1 ? r : item.rotation;
    item.rotation = 0;
    if (angle > 0)
        rotateTo(index(row), angle);
    else
        drawIcon(item);
    Q_EMIT fileModif(name);
    Q_EMIT dataChanged(index(row), index(row));
}

void IconsModel::clear()
{
    unwatchAll();
    beginResetModel();
    dropAllItems();
    endResetModel();
    m_itemCount = 0;
    Q_EMIT countAddImage(0);
}
