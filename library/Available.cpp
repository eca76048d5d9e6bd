#include "library/Available.h"

#include "library/IconsModel.h"

#include <QLabel>

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

void Available::readSettings(QSettings &) {}
void Available::writeSettings(QSettings &) {}
void Available::setPasteEnabled(bool) {}
void Available::showCurrentFolder() {}
void Available::loadFolder(const QString &) {}
void Available::selectFile(QString) {}
