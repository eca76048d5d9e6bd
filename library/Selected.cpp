#include "library/Selected.h"

#include "library/IconsModel.h"

#include <QLabel>
#include <QSettings>

Selected::Selected(QWidget *parent)
    : QDockWidget(parent), m_model(new IconsModel(this)), m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("SelectedDock"));
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setMinimumSize(100, 170);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    setWidget(m_label);
    retranslate();
}

int Selected::imageCount() const { return m_model->rowCount(); }

void Selected::retranslate()
{
    setWindowTitle(QObject::tr("Selected Images"));
    m_label->setText(QObject::tr("The selection panel is not part of this build yet."));
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
