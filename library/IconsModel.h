#pragma once

// PLACEHOLDER until the image list model lands: only the signals and slots
// the main window wires exist, and the model holds no rows.

#include <QAbstractListModel>
#include <QStringList>

class IconsModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit IconsModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    void clear();

Q_SIGNALS:
    void countAddImage(int count);
    void changeCountImage(int count);
    void backDrop(int *frame);
    void fileModif(QString name);

public Q_SLOTS:
    void updateArrangeCount(QStringList sList);
    void addImagesArrange(QStringList incList, QStringList decList);
    void decCount(QString name);
    void subCount(QStringList decList);
};
