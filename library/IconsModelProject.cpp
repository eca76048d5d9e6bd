// The rows of an image list in the project file.

#include "library/IconsModel.h"

#include "library/ImageFile.h"
#include "library/StreamLimits.h"

#include <QDataStream>

namespace {
// A row is at least seven 32-bit numbers and a string length.
constexpr qint64 MinRowBytes = 32;
const char *const Unwritten = QT_TRANSLATE_NOOP("QObject", "The list of images could not be written.");
const char *const Damaged = QT_TRANSLATE_NOOP("QObject", "The list of images is damaged.");
} // namespace

Outcome IconsModel::writeRows(QDataStream &out, const QVector<IconItem> &rows, QMap<QString, QByteArray> &files)
{
    out << qint32(rows.size());
    if (out.status() != QDataStream::Ok)
        return Outcome::failure(Unwritten, QStringLiteral("Save IconsModel."));
    for (int row = 0; row < rows.size(); ++row) {
        const IconItem &item = rows[row];
        out << item.state << item.imageWidth << item.imageHeight << item.fileName << item.rotation
            << item.useCount << item.fileTime << item.shotTime << item.fileSize;
        if (out.status() != QDataStream::Ok)
            return Outcome::failure(Unwritten, QStringLiteral("Save IconsModel ") + QString::number(row));
        files.insert(item.fileName, item.fileData.bytes());
    }
    return Outcome();
}

Outcome IconsModel::readRows(QDataStream &in, QVector<IconItem> &rows)
{
    rows.clear();
    qint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || !countFits(in, count, MinRowBytes))
        return Outcome::failure(Damaged, QStringLiteral("Load IconsModel."));
    for (qint32 i = 0; i < count; ++i) {
        IconItem item;
        in >> item.state >> item.imageWidth >> item.imageHeight >> item.fileName >> item.rotation
            >> item.useCount >> item.fileTime >> item.shotTime >> item.fileSize;
        if (in.status() != QDataStream::Ok)
            return Outcome::failure(Damaged, QStringLiteral("Load IconsModel ") + QString::number(i));
        // Only whole quarter turns are drawn; anything else is damage.
        item.rotation = ((item.rotation % 360 + 360) % 360) / 90 * 90;
        rows.append(std::move(item));
    }
    return Outcome();
}

Outcome IconsModel::save(QDataStream &out, QMap<QString, QByteArray> &files) const
{
    return writeRows(out, m_items, files);
}

Outcome IconsModel::load(QDataStream &in)
{
    return readRows(in, m_stagingItems);
}

void IconsModel::adoptLoaded(const QVector<IconItem> &rows, bool decodeNow)
{
    m_stagingItems = rows;
    if (decodeNow) {
        adoptLoaded();
        return;
    }
    beginResetModel();
    dropAllItems();
    for (IconItem &item : m_stagingItems) {
        // Decoded as far as the thumbnail view is concerned: the picture
        // comes from the project through takePreview.
        item.state = IconItem::State::Decoded;
        item.preview = QImage();
        item.fileData.clear();
        drawIcon(item);
        m_items.append(std::move(item));
    }
    m_stagingItems.clear();
    endResetModel();
    m_itemCount = m_items.size();
    Q_EMIT changeCountImage(m_itemCount);
}

void IconsModel::takePreview(const QString &name, const QImage &decoded, const QSize &full, const QDateTime &date)
{
    const int row = findExact(name);
    if (row < 0 || !m_items[row].preview.isNull() || decoded.isNull())
        return;
    IconItem &item = m_items[row];
    item.preview = decoded;
    if (full.isValid() && !full.isEmpty()) {
        item.imageWidth = full.width();
        item.imageHeight = full.height();
    }
    if (date.isValid())
        item.shotTime = date;
    if (item.rotation > 0)
        turnItem(item, item.rotation / 90);
    drawIcon(item);
    const QModelIndex i = index(row);
    Q_EMIT dataChanged(i, i);
}

void IconsModel::adoptLoaded()
{
    beginResetModel();
    dropAllItems();
    for (IconItem &item : m_stagingItems) {
        QByteArray bytes;
        const bool fromProject = m_source.embeddedBytes(item.fileName, bytes);
        item.fileData = HeldBytes::loose(bytes);
        item.state = IconItem::State::Decoded;
        // The turn saved with the row is the one the user gave it (it
        // already includes the file's own orientation): it is kept.
        const int saved = item.rotation;
        item.imageWidth = item.imageHeight = 0;
        item.preview = QImage();
        readIntoItem(item, previewRule());
        item.rotation = saved;
        if (saved > 0)
            turnItem(item, saved / 90);
        drawIcon(item);
        if (fromProject)
            item.fileData.clear();
        else
            adoptBytes(item);
        m_items.append(std::move(item));
    }
    m_stagingItems.clear();
    endResetModel();
    m_itemCount = m_items.size();
    Q_EMIT changeCountImage(m_itemCount);
}
