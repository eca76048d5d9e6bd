// Drag and drop of an image list, and the removal of rows.

#include "library/IconsModel.h"

#include "library/FrameReturn.h"
#include "library/IconPainter.h"
#include "library/IconRecord.h"
#include "library/IconRecordsMime.h"
#include "library/ImageFile.h"
#include "library/LibraryLog.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QImageReader>
#include <QMimeData>

// URLs may name anything: folders, devices and pipes (whose reading would
// never end) are passed over, only plain files are read or copied.
static bool isPlainFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QStringList IconsModel::mimeTypes() const
{
    QStringList types;
    if (m_role == ImageListRole::Selection)
        types << velmoraMimeType();
    types << QStringLiteral("text/uri-list");
    return types;
}

QMimeData *IconsModel::mimeData(const QModelIndexList &indexes) const
{
    // The rows are shared, not written out: the records are encoded only
    // when another program asks for them.
    QVector<IconItem> records;
    records.reserve(indexes.size());
    for (const QModelIndex &index : indexes) {
        if (!index.isValid() || index.row() >= m_items.size())
            continue;
        IconItem record = m_items.at(index.row());
        record.icon = iconOf(record);
        records.append(std::move(record));
    }
    return new IconRecordsMime(std::move(records));
}

void IconsModel::itemsFromUrls(const QList<QUrl> &urls, QDataStream &out)
{
    // Only what the file system tells: the files are neither read nor
    // decoded here (hundreds of camera photos would take minutes and
    // gigabytes); the lists decode their previews in the background and the
    // pages read a file when a frame shows it.
    for (const QUrl &url : urls) {
        const QString path = url.toLocalFile();
        if (!isPlainFile(path) || !QImageReader(path).canRead())
            continue;
        IconItem item = itemFromFile(QFileInfo(path));
        item.state = IconItem::State::Placeholder;
        writeIconRecord(out, item);
    }
    if (out.device())
        out.device()->seek(0);
}

bool IconsModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                              const QModelIndex &parent)
{
    Q_UNUSED(row)
    Q_UNUSED(parent)
    if (action == Qt::IgnoreAction)
        return true;
    if (column > 0 || !data)
        return false;

    // Rows of this program are taken as they are, without a round trip
    // through the record format.
    const QVector<IconItem> *own = m_role == ImageListRole::Selection ? IconRecordsMime::recordsOf(data) : nullptr;
    QByteArray bytes;
    if (own) {
        for (const IconItem &record : *own)
            takeRecord(record);
    } else if (data->hasFormat(QStringLiteral("text/uri-list"))) {
        if (m_role == ImageListRole::Folder) {
            // The folder panel: the files are copied into the folder and
            // arrive through its refresh.
            for (const QUrl &url : data->urls()) {
                const QString source = url.toLocalFile();
                if (isPlainFile(source) && !m_dirPath.isEmpty())
                    QFile::copy(source, m_dirPath + QLatin1Char('/') + source.section(QLatin1Char('/'), -1));
            }
            return true;
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QDataStream out(&buffer);
        itemsFromUrls(data->urls(), out);
    } else if (data->hasFormat(velmoraMimeType())) {
        bytes = data->data(velmoraMimeType());
    } else {
        return false;
    }

    QDataStream in(bytes);
    while (!in.atEnd()) {
        IconItem item;
        if (!readIconRecord(in, item).logged(lcLibrary(), "read", velmoraMimeType()))
            break;
        takeRecord(std::move(item));
    }
    m_itemCount = m_items.size();
    Q_EMIT changeCountImage(m_itemCount);
    return true;
}

void IconsModel::takeRecord(IconItem item)
{
    const bool fromFrame = item.state == IconItem::State::FromFrame;
    int n = item.useCount;
    if (fromFrame) {
        item.state = IconItem::State::Decoded;
        if (m_frameReturn) {
            const int still = m_frameReturn->takeBackFrame(n);
            if (still >= 0)
                n = still;
        }
        item.fileData.clear();
        item.useCount = n;
    }
    const int existing = findExact(item.fileName);
    if (existing >= 0) {
        if (fromFrame) {
            IconItem &row = m_items[existing];
            row.useCount = n;
            drawIcon(row);
            Q_EMIT dataChanged(index(existing), index(existing));
        }
        return;
    }
    if (fromFrame)
        drawIcon(item);
    // A selection list decodes its own preview of a row that came with a
    // small one (the folder panel's icons may be the camera's pictures).
    if (!fromFrame && m_budget && item.isDecoded() && hasSmallPreview(item))
        item.state = IconItem::State::Placeholder;
    if (!item.isDecoded())
        item.icon = QPixmap(); // placeholders are drawn on demand
    adoptBytes(item);
    watch(item.fileName);
    const int last = m_items.size();
    beginInsertRows(QModelIndex(), last, last);
    m_items.append(std::move(item));
    endInsertRows();
}

bool IconsModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row >= m_items.size() || row + count < 1 || count < 1)
        return false;
    const int first = qMax(row, 0);
    const int last = qMin(row + count - 1, m_items.size() - 1);
    beginRemoveRows(QModelIndex(), first, last);
    for (int i = first; i <= last; ++i) {
        IconItem &item = m_items[i];
        unwatch(item.fileName);
        m_placeholderIcons.remove(item.fileName);
    }
    m_items.erase(m_items.begin() + first, m_items.begin() + last + 1);
    endRemoveRows();
    m_itemCount = m_items.size();
    Q_EMIT changeCountImage(m_itemCount);
    return true;
}
