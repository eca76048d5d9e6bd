// The rows of an image list in the project file.

#include "library/IconsModel.h"

#include "library/ImageFile.h"

#include <QDataStream>

void IconsModel::save(QDataStream &out, QString &error, QMap<QString, QByteArray> &files) const
{
    out << qint32(m_items.size());
    if (out.status() != QDataStream::Ok) {
        error = QStringLiteral("Save IconsModel.");
        return;
    }
    for (int row = 0; row < m_items.size(); ++row) {
        const IconItem &item = m_items[row];
        out << item.state << item.imageWidth << item.imageHeight << item.fileName << item.rotation
            << item.useCount << item.fileTime << item.shotTime << item.fileSize;
        if (out.status() != QDataStream::Ok) {
            error = QStringLiteral("Save IconsModel ") + QString::number(row);
            return;
        }
        files.insert(item.fileName, item.fileData.bytes());
    }
}

void IconsModel::load(QDataStream &in, QString &error)
{
    m_stagingItems.clear();
    qint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok) {
        error = QStringLiteral("Load IconsModel.");
        return;
    }
    for (qint32 i = 0; i < count; ++i) {
        IconItem item;
        in >> item.state >> item.imageWidth >> item.imageHeight >> item.fileName >> item.rotation
            >> item.useCount >> item.fileTime >> item.shotTime >> item.fileSize;
        if (in.status() != QDataStream::Ok) {
            error = QStringLiteral("Load IconsModel ") + QString::number(i);
            return;
        }
        m_stagingItems.append(std::move(item));
    }
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
