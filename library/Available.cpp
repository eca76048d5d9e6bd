#include "library/Available.h"

#include "library/IconsModel.h"

#include "app/AppState.h"
#include "library/IconsList.h"

#include <QDir>
#include <QSettings>

Available::Available(QWidget *parent)
    : QDockWidget(parent), m_model(new IconsModel(this, true, IconsModel::OfferUris)),
      m_list(new IconsList(false, this))
{
    setObjectName(QStringLiteral("AvailableDock"));
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setMinimumSize(200, 200);
    m_list->setModel(m_model);
    setWidget(m_list);
    retranslate();
}

void Available::retranslate()
{
    setWindowTitle(QObject::tr("Available Images"));
}

void Available::readSettings(QSettings &s)
{
    for (const char *key : {"/AvailableV", "/AvailableH", "/AvailSort", "/AvailSortDir"})
        m_keptSettings.insert(QLatin1String(key), s.value(QLatin1String(key), QVariant()));
}
void Available::writeSettings(QSettings &s)
{
    for (const char *key : {"/AvailableV", "/AvailableH", "/AvailSort", "/AvailSortDir"}) {
        const QVariant v = m_keptSettings.value(QLatin1String(key));
        const QVariant empty = QByteArray(key).contains("Sort") ? QVariant(0) : QVariant(QByteArray());
        s.setValue(QLatin1String(key), v.isValid() ? v : empty);
    }
}
void Available::setPasteEnabled(bool) {}
void Available::showCurrentFolder()
{
    const QString folder = appState().shell.fotoPath;
    if (!folder.isEmpty() && QDir(folder).exists())
        loadFolder(folder);
}

void Available::loadFolder(const QString &folder)
{
    m_model->setDirPath(folder);
    m_list->restart();
}
void Available::selectFile(QString) {}
