#include "formats/TabPageFormat.h"

#include "platform/Program.h"
#include "formats/ChooserTab.h"
#include "formats/OrderTab.h"
#include "formats/PageFormat.h"
#include "formats/PhotoSize.h"
#include "formats/PageScrollArea.h"
#include "formats/PageSettingsTab.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TabPageFormat::TabPageFormat(ChooserMode mode, const FormatSettings &values, const PageSetup &setup,
                             QWidget *parent)
    : SizedDialog(values, parent),
      m_mode(mode),
      tabs(new QTabWidget(this)),
      m_pageSettings(new PageSettingsTab(m_values.get(), setup, tabs)),
      m_pageFormat(new PageFormat(m_values.get(), m_pageSettings->data(), mode, tabs)),
      m_photoSizes(new PhotoSize(m_values.get(), m_pageSettings->data().unit, tabs)),
      m_okButton(new QPushButton(QIcon(QStringLiteral(":/images/Ok.png")), QString(), this)),
      m_cancelButton(new QPushButton(QIcon(QStringLiteral(":/images/Cancel.png")), QString(), this))
{
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/images/icon32.png")));

    // The layouts scroll in their own list, which gives up room first.
    tabs->addTab(m_pageFormat, QString());
    tabs->addTab(new PageScrollArea(m_pageSettings), QString());
    tabs->addTab(new PageScrollArea(m_photoSizes), QString());
    // Pages added to a document, or a layout changed on some of its pages,
    // keep the document's paper.
    tabs->setTabEnabled(int(ChooserTab::PageSettings),
                        mode != ChooserMode::ChangeSelected && mode != ChooserMode::AddPages);
    m_okButton->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);

    connect(m_pageSettings, &PageSettingsTab::changedMeasureUnits, m_photoSizes, &PhotoSize::changeMeasureUnits);
    connect(m_pageSettings, &PageSettingsTab::changedData, m_pageFormat, &PageFormat::changeData);
    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
        m_photoSizes->store();
        m_pageFormat->changeFormat(index);
    });
    connect(tabs, &QTabWidget::currentChanged, this, &TabPageFormat::updateOk);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    retranslate();
    updateOk();
}

// "Ok" takes the layout shown on the first tab; a paper that offers none has
// nothing to take.
void TabPageFormat::updateOk()
{
    m_okButton->setEnabled(orderChosen() ? !m_order->prints().isEmpty()
                                         : ChooserTab(tabs->currentIndex()) == ChooserTab::Layouts
                                               && m_pageFormat->hasLayouts());
}

void TabPageFormat::offerOrder(const QStringList &photos)
{
    if (m_order)
        return;
    const PageSetup &setup = m_pageSettings->data();
    m_order = new OrderTab(photos, setup.unit == PageSetup::Inch ? m_values->page.sizesIN : m_values->page.sizesMM,
                           setup, tabs);
    tabs->addTab(m_order, QObject::tr("Order"));
    connect(m_pageSettings, &PageSettingsTab::changedData, m_order, &OrderTab::changeData);
    connect(m_order, &OrderTab::orderChanged, this, &TabPageFormat::updateOk);
}

bool TabPageFormat::orderChosen() const
{
    return m_order && ChooserTab(tabs->currentIndex()) == ChooserTab::Order;
}

void TabPageFormat::store()
{
    m_photoSizes->store();
    m_pageFormat->store();
    m_values->adoptPageSetup(m_pageSettings->data());
}

const Page &TabPageFormat::chosenLayout() const
{
    return m_pageFormat->chosenLayout();
}

void TabPageFormat::retranslate()
{
    setWindowTitle(Program::name() + QLatin1Char(' ') + QObject::tr("Options"));
    tabs->setTabText(0, m_mode == ChooserMode::AddPages ? QObject::tr("Add Pages") : QObject::tr("Choose Layout"));
    tabs->setTabText(1, QObject::tr("Page Settings"));
    tabs->setTabText(2, QObject::tr("Photo Sizes"));
    m_okButton->setText(QObject::tr("Ok"));
    m_cancelButton->setText(QObject::tr("Cancel"));
    m_pageFormat->retranslate();
    if (m_order) {
        tabs->setTabText(int(ChooserTab::Order), QObject::tr("Order"));
        m_order->retranslate();
    }
}

void TabPageFormat::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    SizedDialog::changeEvent(event);
}
