#include "platform/FittingToolBar.h"

#include <QAction>
#include <QActionEvent>
#include <QEvent>
#include <QMetaObject>
#include <QResizeEvent>

FittingToolBar::FittingToolBar(Qt::ToolButtonStyle preferred, QWidget *parent)
    : QToolBar(parent), m_preferred(preferred)
{
    setToolButtonStyle(preferred);
}

void FittingToolBar::setLook(Qt::ToolButtonStyle style, bool smallIcons)
{
    if (!m_smallIcons)
        m_iconSize = iconSize();
    if (smallIcons != m_smallIcons) {
        m_smallIcons = smallIcons;
        setIconSize(smallIcons ? (m_iconSize * 2 / 3).expandedTo(QSize(16, 16)) : m_iconSize);
    }
    setToolButtonStyle(style);
}

void FittingToolBar::fit()
{
    m_fitPending = false;
    if (m_fitting || width() <= 0)
        return;
    m_fitting = true;
    const QString key = contentKey();
    if (key != m_measuredKey) {
        m_needed.clear();
        m_measuredKey = key;
    }
    struct Look
    {
        Qt::ToolButtonStyle style;
        bool smallIcons;
    };
    QVector<Look> looks{{m_preferred, false}};
    if (m_preferred == Qt::ToolButtonTextBesideIcon)
        looks.append({Qt::ToolButtonTextUnderIcon, false});
    if (m_preferred != Qt::ToolButtonIconOnly)
        looks.append({Qt::ToolButtonIconOnly, false});
    looks.append({Qt::ToolButtonIconOnly, true});
    for (int i = 0; i < looks.size(); ++i) {
        const Look &look = looks.at(i);
        // Each look is measured once for the same texts and font.
        if (!m_needed.contains(i)) {
            setLook(look.style, look.smallIcons);
            m_needed.insert(i, sizeHint().width());
        }
        if (m_needed.value(i) <= width() || i == looks.size() - 1) {
            setLook(look.style, look.smallIcons);
            break;
        }
    }
    m_fitting = false;
}

QString FittingToolBar::contentKey() const
{
    QString key = font().toString() + QLatin1Char(' ')
                  + QString::number((m_smallIcons ? m_iconSize : iconSize()).width());
    for (const QAction *a : actions())
        key += QLatin1Char('\n') + (a->isVisible() ? a->iconText() : QString());
    return key;
}

void FittingToolBar::remeasureLater()
{
    if (m_fitPending)
        return;
    m_fitPending = true;
    QMetaObject::invokeMethod(this, &FittingToolBar::fit, Qt::QueuedConnection);
}

void FittingToolBar::resizeEvent(QResizeEvent *event)
{
    QToolBar::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        fit();
}

void FittingToolBar::actionEvent(QActionEvent *event)
{
    QToolBar::actionEvent(event);
    remeasureLater();
}

void FittingToolBar::changeEvent(QEvent *event)
{
    QToolBar::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange
        || event->type() == QEvent::LanguageChange)
        remeasureLater();
}
