#include "formats/TabOptions.h"

#include "app/AppState.h"
#include "app/Shell.h"
#include "formats/PathEdit.h"
#include "formats/PhotoSize.h"
#include "formats/Preferences.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TabOptions::TabOptions(const DataDock *setup, QWidget *parent)
    : myDialog(parent),
      tabs(new QTabWidget(this)),
      m_preferences(new Preferences(setup ? *setup : DataDock(), tabs)),
      m_photoSizes(new PhotoSize(m_preferences->data().unit, tabs)),
      m_general(new PathEdit(tabs)),
      showBox(new QCheckBox(this)),
      okButton(new QPushButton(QIcon(QStringLiteral(":/images/Ok.png")), QString(), this)),
      cancelButton(new QPushButton(QIcon(QStringLiteral(":/images/Cancel.png")), QString(), this))
{
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/images/icon32.png")));

    tabs->addTab(m_preferences, QString());
    tabs->addTab(m_photoSizes, QString());
    tabs->addTab(m_general, QString());
    showBox->setChecked(appState().options.showAtStartup);
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

    connect(m_preferences, &Preferences::changedMeasureUnits, m_photoSizes,
            &PhotoSize::changeMeasureUnits);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    retranslate();
}

void TabOptions::retranslate()
{
    setWindowTitle(Shell::applicationName() + QLatin1Char(' ') + QObject::tr("Options"));
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
    myDialog::changeEvent(event);
}

DataDock TabOptions::takeResult()
{
    appState().options.showAtStartup = showBox->isChecked();
    m_photoSizes->store();
    if (m_general->store())
        Q_EMIT iconSizeChanged(appState().thumbs.iconWidth, appState().thumbs.iconHeight);
    return m_preferences->data();
}
