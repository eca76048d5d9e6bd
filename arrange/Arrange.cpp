#include "arrange/Arrange.h"

#include <QLabel>
#include <QSettings>

Arrange::Arrange(QWidget *parent) : QDockWidget(parent), m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("ArrangeDock"));
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setMinimumSize(200, 200);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    setWidget(m_label);
    retranslate();
}

int Arrange::pageCount() const { return 0; }

void Arrange::layoutPrintableArea(int &width, int &height) const
{
    width = 0;
    height = 0;
}

bool Arrange::chooseLayout() { return false; }
bool Arrange::changePaper(DataDock &) { return false; }
void Arrange::clearAll() {}

void Arrange::retranslate()
{
    setWindowTitle(QObject::tr("Arrange Images in the Layout"));
    m_label->setText(QObject::tr("The page list and canvas are not part of this build yet."));
}

void Arrange::readSettings(QSettings &s, bool)
{
    for (const char *key : {"/ArrangeH"})
        m_keptSettings.insert(QLatin1String(key), s.value(QLatin1String(key), QVariant()));
}
void Arrange::writeSettings(QSettings &s)
{
    for (const char *key : {"/ArrangeH"}) {
        const QVariant v = m_keptSettings.value(QLatin1String(key));
        s.setValue(QLatin1String(key), v.isValid() ? v : QVariant(QByteArray()));
    }
}
void Arrange::setPasteEnabled(bool) {}
void Arrange::setChooseEnabled(bool) {}
void Arrange::indexListRotate(QModelIndexList) {}
void Arrange::indexRotate(QModelIndex) {}
void Arrange::testListArrange() {}
void Arrange::backDrop(int *) {}
