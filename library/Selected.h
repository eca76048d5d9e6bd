#pragma once

// PLACEHOLDER until the selection panel lands. It keeps the interface the
// main window relies on: object name, signals, model, settings and texts.

#include <QDockWidget>
#include <QVariantMap>
#include <QModelIndexList>

class IconsModel;
class IconsList;
class QSettings;

class Selected : public QDockWidget
{
    Q_OBJECT
public:
    explicit Selected(QWidget *parent = nullptr);

    IconsModel *model() const { return m_model; }
    int imageCount() const;
    void retranslate();
    void readSettings(QSettings &s);
    void writeSettings(QSettings &s);
    void setPasteEnabled(bool enabled);
    void clear();

Q_SIGNALS:
    void stringAddImage(QString text);
    void stringCarrentImage(QString text);
    void indexListRotate(QModelIndexList list);
    void indexRotate(QModelIndex index);
    void setModif(bool modified);

private:
    IconsModel *m_model;
    IconsList *m_list;
    QVariantMap m_keptSettings; // carried through unchanged
};
