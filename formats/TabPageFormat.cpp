#include "formats/TabPageFormat.h"

#include "app/Shell.h"
#include "formats/PageFormat.h"
#include "formats/PhotoSize.h"
#include "formats/Preferences.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TabPageFormat::TabPageFormat(int mode, const DataDock *setup, QWidget *parent)
    : myDialog(parent),
      m_mode(mode),
      tabs(new QTabWidget(this)),
      m_pageFormat(new PageFormat(setup ? *setup : DataDock(), mode, tabs)),
      m_preferences(new Preferences(setup ? *setup : DataDock(), tabs)),
      m_photoSizes(new PhotoSize(m_preferences->data().unit, tabs)),
      m_okButton(new QPushButton(QIcon(QStringLiteral(":/images/Ok.png")), QString(), this)),
      m_cancelButton(new QPushButton(QIcon(QStringLiteral(":/images/Cancel.png")), QString(), this))
{
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/images/icon32.png")));

    tabs->addTab(m_pageFormat, QString());
    tabs->addTab(m_preferences, QString());
    tabs->addTab(m_photoSizes, QString());
    tabs->setTabEnabled(1, mode != 3);
    m_okButton->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);

    connect(m_preferences, &Preferences::changedMeasureUnits, m_photoSizes, &PhotoSize::changeMeasureUnits);
    connect(m_preferences, &Preferences::changedData, m_pageFormat, &PageFormat::changeData);
    connect(tabs, &QTabWidget::currentChanged, m_pageFormat, &PageFormat::changeFormat);
    connect(tabs, &QTabWidget::currentChanged, this, &TabPageFormat::updateOk);
    connect(m_pageFormat, &PageFormat::getFotoSize, m_photoSizes, &PhotoSize::saveFotoSize);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    retranslate();
    updateOk();
}

// "Ok" takes the layout shown on the first tab; a paper that offers none has
// nothing to take.
void TabPageFormat::updateOk()
{
    m_okButton->setEnabled(tabs->currentIndex() == 0 && m_pageFormat->hasLayouts());
}

DataDock TabPageFormat::takeResult()
{
    m_photoSizes->store();
    m_pageFormat->store();
    return m_preferences->data();
}

void TabPageFormat::retranslate()
{
    setWindowTitle(Shell::applicationName() + QLatin1Char(' ') + QObject::tr("Options"));
    tabs->setTabText(0, m_mode == 1 ? QObject::tr("Add Pages") : QObject::tr("Choose Layout"));
    tabs->setTabText(1, QObject::tr("Page Settings"));
    tabs->setTabText(2, QObject::tr("Photo Sizes"));
    m_okButton->setText(QObject::tr("Ok"));
    m_cancelButton->setText(QObject::tr("Cancel"));
    m_pageFormat->retranslate();
}

void TabPageFormat::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    myDialog::changeEvent(event);
}
