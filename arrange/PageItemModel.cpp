#include "arrange/PageItemModel.h"

#include "formats/Page.h"
#include "library/IconRecord.h"
#include "library/IconsModel.h"

#include <QDataStream>
#include <QMimeData>

PageItemModel::PageItemModel(QObject *parent) : QStandardItemModel(parent) {}

QStandardItem *PageItemModel::makeItem(const Page &page, const QIcon &icon)
{
    auto *item = new QStandardItem;
    updateItem(item, page, icon);
    return item;
}

void PageItemModel::updateItem(QStandardItem *item, const Page &page, const QIcon &icon)
{
    item->setText(page.title);
    item->setToolTip(page.title);
    item->setIcon(icon);
    item->setEditable(false);
    item->setDragEnabled(false);
    item->setDropEnabled(page.hasEmptyFrame());
}

QStringList PageItemModel::mimeTypes() const
{
    return {velmoraMimeType(), QStringLiteral("text/uri-list")};
}

Qt::DropActions PageItemModel::supportedDropActions() const { return Qt::CopyAction | Qt::MoveAction; }

Qt::ItemFlags PageItemModel::flags(const QModelIndex &index) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model())
        return Qt::NoItemFlags;
    return QStandardItemModel::flags(index);
}

bool PageItemModel::dropMimeData(const QMimeData *data, Qt::DropAction, int row, int,
                                 const QModelIndex &parent)
{
    if (!data)
        return false;
    const int page = parent.isValid() ? parent.row() : row;
    QByteArray bytes;
    if (data->hasFormat(QStringLiteral("text/uri-list"))) {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        IconsModel::itemsFromUrls(data->urls(), out);
    } else if (data->hasFormat(velmoraMimeType())) {
        bytes = data->data(velmoraMimeType());
    } else {
        return false;
    }
    emit fillPageFrames(bytes, page);
    return true;
}
