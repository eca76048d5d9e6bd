#pragma once

#include <QStandardItemModel>

class QDataStream;
struct Page;

// One row per page of the document: the page title as text and tool tip,
// its thumbnail as icon. A page takes drops of images while it has an empty
// frame.
class PageItemModel : public QStandardItemModel
{
    Q_OBJECT
public:
    explicit PageItemModel(QObject *parent = nullptr);

    // An item for `page`, or `item` brought up to date.
    static QStandardItem *makeItem(const Page &page, const QIcon &icon);
    static void updateItem(QStandardItem *item, const Page &page, const QIcon &icon);

    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

Q_SIGNALS:
    // Images dropped on page `nPage`: the stream holds their records.
    // Image records dropped on page `nPage`.
    void fillPageFrames(QByteArray records, int nPage);
};
