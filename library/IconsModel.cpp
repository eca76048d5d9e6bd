#include "library/IconsModel.h"

IconsModel::IconsModel(QObject *parent) : QAbstractListModel(parent) {}

int IconsModel::rowCount(const QModelIndex &parent) const
{
    Q_UNUSED(parent)
    return 0;
}

QVariant IconsModel::data(const QModelIndex &, int) const { return QVariant(); }

void IconsModel::clear()
{
    beginResetModel();
    endResetModel();
    Q_EMIT countAddImage(0);
}

void IconsModel::updateArrangeCount(QStringList) {}
void IconsModel::addImagesArrange(QStringList, QStringList) {}
void IconsModel::decCount(QString) {}
void IconsModel::subCount(QStringList) {}
