#include "library/Selected.h"

#include "library/IconsModel.h"

#include <QLabel>

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

void Selected::readSettings(QSettings &) {}
void Selected::writeSettings(QSettings &) {}
void Selected::setPasteEnabled(bool) {}
void Selected::clear() { m_model->clear(); }
