#include "library/Available.h"

#include "library/IconsModel.h"

#include <QLabel>
#include <QSettings>

Available::Available(QWidget *parent)
    : QDockWidget(parent), m_model(new IconsModel(this)), m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("AvailableDock"));
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setMinimumSize(200, 200);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    setWidget(m_label);
    retranslate();
}

void Available::retranslate()
{
    setWindowTitle(QObject::tr("Available Images"));
    m_label->setText(QObject::tr("The folder browser is not part of this build yet."));
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
void Available::showCurrentFolder() {}
void Available::loadFolder(const QString &) {}
void Available::selectFile(QString) {}
