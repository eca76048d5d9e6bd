#include "library/Selected.h"

#include "library/IconsModel.h"

#include "library/IconsList.h"

#include <QSettings>

Selected::Selected(QWidget *parent)
    : QDockWidget(parent), m_model(new IconsModel(this, true, 3)),
      m_list(new IconsList(true, this))
{
    setObjectName(QStringLiteral("SelectedDock"));
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setMinimumSize(100, 170);
    m_list->setModel(m_model);
    m_list->setAcceptDrops(true);
    setWidget(m_list);
    connect(m_model, &IconsModel::changeCountImage, m_list, &IconsList::restart);
    retranslate();
}

int Selected::imageCount() const { return m_model->rowCount(); }

void Selected::retranslate()
{
    setWindowTitle(QObject::tr("Selected Images"));
}

void Selected::readSettings(QSettings &s)
{
    for (const char *key : {"/SelSort", "/SelSortDir"})
        m_keptSettings.insert(QLatin1String(key), s.value(QLatin1String(key), QVariant()));
}
void Selected::writeSettings(QSettings &s)
{
    for (const char *key : {"/SelSort", "/SelSortDir"}) {
        const QVariant v = m_keptSettings.value(QLatin1String(key));
        const QVariant empty = QByteArray(key).contains("Sort") ? QVariant(0) : QVariant(QByteArray());
        s.setValue(QLatin1String(key), v.isValid() ? v : empty);
    }
}
void Selected::setPasteEnabled(bool) {}
void Selected::clear() { m_model->clear(); }
