#include "library/SortMenu.h"

#include <QActionGroup>

SortMenu::SortMenu(QWidget *parent)
    : QMenu(parent), m_keys(new QActionGroup(this)), m_directions(new QActionGroup(this))
{
    setObjectName(QStringLiteral("SortMenu"));
    for (int key = 0; key <= 4; ++key) {
        QAction *a = addAction(QString());
        a->setCheckable(true);
        a->setData(key);
        m_keys->addAction(a);
    }
    addSeparator();
    for (int direction = 0; direction <= 1; ++direction) {
        QAction *a = addAction(QString());
        a->setCheckable(true);
        a->setData(direction);
        m_directions->addAction(a);
    }
    m_keys->setExclusive(true);
    m_directions->setExclusive(true);
    setChoice(0, false);
    retranslate();
}

void SortMenu::setChoice(int key, bool reverse)
{
    const QList<QAction *> keys = m_keys->actions();
    keys.value(key >= 0 && key < keys.size() ? key : 0)->setChecked(true);
    m_directions->actions().value(reverse ? 1 : 0)->setChecked(true);
}

void SortMenu::retranslate()
{
    // "Cancel2" keeps the sort entry apart from the dialogs' "Cancel" button;
    // without a catalogue it still reads "Cancel".
    QString none = QObject::tr("Cancel2");
    if (none == QLatin1String("Cancel2"))
        none = QStringLiteral("Cancel");
    const QStringList keys = {none, QObject::tr("Name"), QObject::tr("Extension"), QObject::tr("Size"),
                              QObject::tr("Date Time")};
    const QList<QAction *> keyActions = m_keys->actions();
    for (int i = 0; i < keyActions.size(); ++i)
        keyActions.at(i)->setText(keys.at(i));
    m_directions->actions().at(0)->setText(QObject::tr("Forward"));
    m_directions->actions().at(1)->setText(QObject::tr("Reverse"));
}
