#include "formats/TabOptions.h"

#include "formats/FormatSettings.h"
#include "platform/Program.h"
#include "formats/GeneralTab.h"
#include "formats/PhotoSize.h"
#include "formats/PageScrollArea.h"
#include "formats/PageSettingsTab.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TabOptions::TabOptions(const FormatSettings &values, QWidget *parent)
    : SizedDialog(values, parent),
      tabs(new QTabWidget(this)),
      m_pageSettings(new PageSettingsTab(m_values.get(), values.page.pageSetup, tabs)),
      m_photoSizes(new PhotoSize(m_values.get(), m_pageSettings->data().unit, tabs)),
      m_general(new GeneralTab(m_values.get(), tabs)),
      showBox(new QCheckBox(this)),
      okButton(new QPushButton(QIcon(QStringLiteral(":/images/Ok.png")), QString(), this)),
      cancelButton(new QPushButton(QIcon(QStringLiteral(":/images/Cancel.png")), QString(), this))
{
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/images/icon32.png")));

    tabs->addTab(new PageScrollArea(m_pageSettings), QString());
    tabs->addTab(new PageScrollArea(m_photoSizes), QString());
    tabs->addTab(new PageScrollArea(m_general), QString());
    showBox->setChecked(m_values->options.showAtStartup);
    okButton->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(9, 6, 9, 9);
    buttons->addWidget(showBox);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs);
    layout->addLayout(buttons);

    connect(m_pageSettings, &PageSettingsTab::changedMeasureUnits, m_photoSizes,
            &PhotoSize::changeMeasureUnits);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    retranslate();
}

void TabOptions::retranslate()
{
    setWindowTitle(Program::name() + QLatin1Char(' ') + QObject::tr("Options"));
    tabs->setTabText(0, QObject::tr("Page Settings"));
    tabs->setTabText(1, QObject::tr("Photo Sizes"));
    tabs->setTabText(2, QObject::tr("General"));
    showBox->setText(QObject::tr("Show at Startup"));
    okButton->setText(QObject::tr("Ok"));
    cancelButton->setText(QObject::tr("Cancel"));
}

void TabOptions::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    SizedDialog::changeEvent(event);
}

PageSetup TabOptions::store()
{
    m_values->options.showAtStartup = showBox->isChecked();
    m_photoSizes->store();
    m_general->store();
    return m_pageSettings->data();
}
