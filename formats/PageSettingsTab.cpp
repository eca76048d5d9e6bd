#include "formats/PageSettingsTab.h"

#include "formats/PaperColourBox.h"

#include "formats/FormatSettings.h"
#include "formats/PageSetupModel.h"
#include "formats/PaperCatalogue.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

PageSettingsTab::PageSettingsTab(FormatSettings *values, const PageSetup &data, QWidget *parent)
    : QWidget(parent), m_model(new PageSetupModel(data, this)), m_values(values)
{
    buildControls();
    retranslate();
    fillPaperList();
    showModel();
    connectControls();
    connect(m_model, &PageSetupModel::labelsChanged, this, &PageSettingsTab::fillPaperList);
    connect(m_model, &PageSetupModel::changed, this, &PageSettingsTab::showModel);
    connect(m_model, &PageSetupModel::changedMeasureUnits, this, &PageSettingsTab::changedMeasureUnits);
    connect(m_model, &PageSetupModel::changedData, this, &PageSettingsTab::changedData);
}

PageSetup PageSettingsTab::data() const
{
    return m_model->data();
}

QDoubleSpinBox *PageSettingsTab::lengthBox(double max)
{
    auto *box = new QDoubleSpinBox(this);
    box->setDecimals(2);
    box->setRange(0.0, max);
    // The value is taken when typing is finished, so the page does not turn
    // over under the user's fingers half-way through a number.
    box->setKeyboardTracking(false);
    box->setAlignment(Qt::AlignRight);
    return box;
}

void PageSettingsTab::buildControls()
{
    unitsGroup = new QGroupBox(this);
    inchRadio = new QRadioButton(unitsGroup);
    mmRadio = new QRadioButton(unitsGroup);
    cmRadio = new QRadioButton(unitsGroup);
    auto *unitsLayout = new QVBoxLayout(unitsGroup);
    unitsLayout->addWidget(inchRadio);
    unitsLayout->addWidget(mmRadio);
    unitsLayout->addWidget(cmRadio);

    orientationGroup = new QGroupBox(this);
    portraitRadio = new QRadioButton(orientationGroup);
    landscapeRadio = new QRadioButton(orientationGroup);
    auto *orientationLayout = new QVBoxLayout(orientationGroup);
    orientationLayout->addWidget(portraitRadio);
    orientationLayout->addWidget(landscapeRadio);
    orientationLayout->addStretch();

    auto *topRow = new QHBoxLayout;
    topRow->addWidget(unitsGroup, 1);
    topRow->addWidget(orientationGroup, 1);

    paperGroup = new QGroupBox(this);
    paperCombo = new QComboBox(paperGroup);
    paperCombo->setMinimumWidth(200);
    widthLabel = new QLabel(paperGroup);
    heightLabel = new QLabel(paperGroup);
    widthBox = lengthBox(PageSetupModel::SizeMax);
    heightBox = lengthBox(PageSetupModel::SizeMax);
    auto *sizeGrid = new QGridLayout;
    sizeGrid->addWidget(widthLabel, 0, 0);
    sizeGrid->addWidget(widthBox, 0, 1);
    sizeGrid->addWidget(heightLabel, 1, 0);
    sizeGrid->addWidget(heightBox, 1, 1);
    auto *paperLayout = new QHBoxLayout(paperGroup);
    paperLayout->addWidget(paperCombo, 1, Qt::AlignTop);
    paperLayout->addSpacing(12);
    paperLayout->addLayout(sizeGrid);

    marginsGroup = new QGroupBox(this);
    borderlessBox = new QCheckBox(marginsGroup);
    topLabel = new QLabel(marginsGroup);
    bottomLabel = new QLabel(marginsGroup);
    leftLabel = new QLabel(marginsGroup);
    rightLabel = new QLabel(marginsGroup);
    topBox = lengthBox(PageSetupModel::MarginMax);
    bottomBox = lengthBox(PageSetupModel::MarginMax);
    leftBox = lengthBox(PageSetupModel::MarginMax);
    rightBox = lengthBox(PageSetupModel::MarginMax);
    previewLabel = new QLabel(QStringLiteral("Pix"), marginsGroup);
    previewLabel->setMinimumSize(150, 150);
    previewLabel->setAlignment(Qt::AlignCenter);
    const auto centred = [](QLabel *label, QDoubleSpinBox *box) {
        auto *row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(label);
        row->addWidget(box);
        row->addStretch();
        return row;
    };
    auto *marginGrid = new QGridLayout(marginsGroup);
    marginGrid->addWidget(borderlessBox, 0, 0, 1, 5);
    marginGrid->addLayout(centred(topLabel, topBox), 1, 0, 1, 5);
    marginGrid->addWidget(leftLabel, 2, 0, Qt::AlignRight);
    marginGrid->addWidget(leftBox, 2, 1);
    marginGrid->addWidget(previewLabel, 2, 2);
    marginGrid->addWidget(rightLabel, 2, 3, Qt::AlignRight);
    marginGrid->addWidget(rightBox, 2, 4);
    marginGrid->addLayout(centred(bottomLabel, bottomBox), 3, 0, 1, 5);
    marginGrid->setColumnStretch(2, 1);

    printGroup = new QGroupBox(this);
    jobLabel = new QLabel(printGroup);
    jobBox = new QSpinBox(printGroup);
    jobBox->setRange(1, 65535);
    jobBox->setValue(m_values->page.printJobMax);
    frameBox = new QCheckBox(printGroup);
    frameBox->setChecked(m_values->page.printFrame);
    auto *jobRow = new QHBoxLayout;
    jobRow->addWidget(jobLabel);
    jobRow->addWidget(jobBox);
    jobRow->addStretch();
    auto *printLayout = new QVBoxLayout(printGroup);
    printLayout->addLayout(jobRow);
    printLayout->addWidget(frameBox);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(topRow);
    layout->addWidget(paperGroup);
    layout->addWidget(marginsGroup);
    layout->addWidget(printGroup);
    colourBox = new PaperColourBox(&m_values->page.paperColours, m_model->data().paperSize, this);
    layout->addWidget(colourBox);
    layout->addStretch();
}

void PageSettingsTab::connectControls()
{
    // Names for style sheets and tests.
    const QList<QPair<QWidget *, const char *>> named{
        {inchRadio, "inchRadio"}, {mmRadio, "mmRadio"}, {cmRadio, "cmRadio"},
        {portraitRadio, "portraitRadio"}, {landscapeRadio, "landscapeRadio"},
        {paperCombo, "paperCombo"}, {widthBox, "widthBox"}, {heightBox, "heightBox"},
        {borderlessBox, "borderlessBox"}, {topBox, "topBox"}, {bottomBox, "bottomBox"},
        {leftBox, "leftBox"}, {rightBox, "rightBox"}, {previewLabel, "previewLabel"},
        {jobBox, "jobBox"}, {frameBox, "frameBox"}};
    for (const auto &n : named)
        n.first->setObjectName(QLatin1String(n.second));

    for (QRadioButton *radio : {inchRadio, mmRadio, cmRadio})
        connect(radio, &QRadioButton::toggled, this, &PageSettingsTab::changeMeasureUnits);
    for (QRadioButton *radio : {portraitRadio, landscapeRadio})
        connect(radio, &QRadioButton::toggled, this, &PageSettingsTab::changeOrientation);
    connect(paperCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &PageSettingsTab::paperSizeChanged);
    connect(widthBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &PageSettingsTab::widthChanged);
    connect(heightBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &PageSettingsTab::heightChanged);
    connect(borderlessBox, &QCheckBox::stateChanged, this, &PageSettingsTab::borderlessChanged);
    connect(frameBox, &QCheckBox::stateChanged, this, &PageSettingsTab::printFrameChanged);
    const auto valueChanged = QOverload<double>::of(&QDoubleSpinBox::valueChanged);
    connect(leftBox, valueChanged, this, &PageSettingsTab::leftChanged);
    connect(rightBox, valueChanged, this, &PageSettingsTab::rightChanged);
    connect(topBox, valueChanged, this, &PageSettingsTab::topChanged);
    connect(bottomBox, valueChanged, this, &PageSettingsTab::bottomChanged);
    connect(jobBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &PageSettingsTab::printJobMaxChanged);
}

void PageSettingsTab::fillPaperList()
{
    const QSignalBlocker block(paperCombo);
    paperCombo->clear();
    paperCombo->addItems(m_model->paperLabels());
    paperCombo->setCurrentIndex(m_model->data().paperSize);
}

// Every control takes the model's value; none of them reports it back.
void PageSettingsTab::showModel()
{
    const PageSetup &d = m_model->data();
    {
        const QSignalBlocker b1(inchRadio), b2(mmRadio), b3(cmRadio);
        inchRadio->setChecked(d.unit == PageSetup::Inch);
        cmRadio->setChecked(d.unit == PageSetup::Centimetre);
        mmRadio->setChecked(d.unit == PageSetup::Millimetre);
    }
    {
        const QSignalBlocker b1(portraitRadio), b2(landscapeRadio);
        portraitRadio->setChecked(d.orientation == 0);
        landscapeRadio->setChecked(d.orientation == 1);
    }
    {
        const QSignalBlocker block(paperCombo);
        paperCombo->setCurrentIndex(d.paperSize);
    }
    if (colourBox)
        colourBox->showPaper(d.paperSize);
    const QString suffix = m_model->suffix();
    const auto show = [&suffix](QDoubleSpinBox *box, double value) {
        const QSignalBlocker block(box);
        box->setSuffix(suffix);
        box->setValue(value);
    };
    show(widthBox, d.width);
    show(heightBox, d.height);
    show(topBox, m_model->shownMargin(PageSetupModel::Top));
    show(bottomBox, m_model->shownMargin(PageSetupModel::Bottom));
    show(leftBox, m_model->shownMargin(PageSetupModel::Left));
    show(rightBox, m_model->shownMargin(PageSetupModel::Right));
    for (QDoubleSpinBox *box : {topBox, bottomBox, leftBox, rightBox})
        box->setEnabled(!d.borderless);
    {
        const QSignalBlocker block(borderlessBox);
        borderlessBox->setChecked(d.borderless);
    }
    const QImage preview = PageSetupModel::previewImage(d, m_values->thumbs.fillColor);
    if (!preview.isNull())
        previewLabel->setPixmap(QPixmap::fromImage(preview));
}

void PageSettingsTab::retranslate()
{
    colourBox->retranslate();
    unitsGroup->setTitle(QObject::tr("Measurement Units"));
    inchRadio->setText(QObject::tr("Inches"));
    mmRadio->setText(QObject::tr("Millimeters"));
    cmRadio->setText(QObject::tr("Centimeters"));
    orientationGroup->setTitle(QObject::tr("Orientation"));
    portraitRadio->setText(QObject::tr("Portrait"));
    landscapeRadio->setText(QObject::tr("LandScape"));
    paperGroup->setTitle(QObject::tr("Paper Size"));
    widthLabel->setText(QObject::tr("Width:"));
    heightLabel->setText(QObject::tr("Height:"));
    marginsGroup->setTitle(QObject::tr("Margins"));
    borderlessBox->setText(QObject::tr("Borderless"));
    topLabel->setText(QObject::tr("Top:"));
    bottomLabel->setText(QObject::tr("Bottom:"));
    leftLabel->setText(QObject::tr("Left:"));
    rightLabel->setText(QObject::tr("Right:"));
    printGroup->setTitle(QObject::tr("Print"));
    jobLabel->setText(QObject::tr("Maximal number of pages per print job:"));
    frameBox->setText(QObject::tr("Print photos in a frame"));
    m_model->retranslate();
}

void PageSettingsTab::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PageSettingsTab::changeMeasureUnits(bool checked)
{
    if (!checked)
        return;
    m_model->setUnit(inchRadio->isChecked() ? PageSetup::Inch
                     : cmRadio->isChecked() ? PageSetup::Centimetre
                                            : PageSetup::Millimetre);
}

void PageSettingsTab::changeOrientation(bool checked)
{
    if (checked)
        m_model->setOrientation(landscapeRadio->isChecked() ? 1 : 0);
}

void PageSettingsTab::paperSizeChanged(int index) { m_model->selectPaper(index); }
void PageSettingsTab::widthChanged(double value) { m_model->setWidth(value); }
void PageSettingsTab::heightChanged(double value) { m_model->setHeight(value); }
void PageSettingsTab::borderlessChanged(int state) { m_model->setBorderless(state != 0); }
void PageSettingsTab::printFrameChanged(int state) { m_values->page.printFrame = state != 0; }
void PageSettingsTab::leftChanged(double value) { m_model->setMargin(PageSetupModel::Left, value); }
void PageSettingsTab::rightChanged(double value) { m_model->setMargin(PageSetupModel::Right, value); }
void PageSettingsTab::topChanged(double value) { m_model->setMargin(PageSetupModel::Top, value); }
void PageSettingsTab::bottomChanged(double value) { m_model->setMargin(PageSetupModel::Bottom, value); }
void PageSettingsTab::printJobMaxChanged(int pages) { m_values->page.printJobMax = std::clamp(pages, 1, 65535); }
