#pragma once

// PLACEHOLDER until the folder panel lands. It keeps the interface the main
// window relies on: object name, signals, model, settings and texts.

#include <QDockWidget>
#include <QVariantMap>
#include <QModelIndex>

class IconsModel;
class IconsList;
class QSettings;

class Available : public QDockWidget
{
    Q_OBJECT
public:
    explicit Available(QWidget *parent = nullptr);

    IconsModel *model() const { return m_model; }
    void retranslate();
    void readSettings(QSettings &s);
    void writeSettings(QSettings &s);
    void setPasteEnabled(bool enabled);
    // Lets the folder tree go to the current folder (fotoPath).
    void showCurrentFolder();
    // Loads `folder` into the model without the tree.
    void loadFolder(const QString &folder);

Q_SIGNALS:
    void stringAddImage(QString text);
    void stringSelection(QString text);
    void indexRotate(QModelIndex index);

public Q_SLOTS:
    void selectFile(QString name);

private:
    IconsModel *m_model;
    IconsList *m_list;
    QVariantMap m_keptSettings; // carried through unchanged
};
