#include "app/ExportDialog.h"

#include "app/UserSettings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

ExportDialog::ExportDialog(const ExportValues &values, const QString &baseName, QWidget *parent, Format format)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      m_baseName(baseName),
      m_format(format),
      fileButton(new QPushButton(this)),
      nameLabel(new QLabel(this)),
      rangeBox(new QGroupBox(this)),
      allButton(new QRadioButton(rangeBox)),
      currentButton(new QRadioButton(rangeBox)),
      selectedButton(new QRadioButton(rangeBox)),
      pagesButton(new QRadioButton(rangeBox)),
      fromBox(new QSpinBox(rangeBox)),
      toLabel(new QLabel(rangeBox)),
      toBox(new QSpinBox(rangeBox)),
      qualityLabel(new QLabel(this)),
      qualityBox(new QSpinBox(this)),
      guidesBox(new QCheckBox(this)),
      creditBox(new QCheckBox(this)),
      okButton(new QPushButton(this)),
      cancelButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("ExportDialog"));
    setModal(true);
    setWindowIcon(QIcon(QStringLiteral(":/images/icon32.png")));
    setMinimumWidth(300);

    fileButton->setObjectName(QStringLiteral("fileNames"));
    nameLabel->setText(m_format == Format::Pdf ? m_baseName : m_baseName + QStringLiteral("XXX.jpg"));
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(fileButton);
    nameRow->addWidget(nameLabel, 1);

    const int last = qMax(1, values.exportTo);
    for (QSpinBox *box : {fromBox, toBox})
        box->setRange(1, last);
    fromBox->setValue(values.exportFrom);
    toBox->setValue(values.exportTo);
    fromBox->setObjectName(QStringLiteral("from"));
    toBox->setObjectName(QStringLiteral("to"));
    auto *pagesRow = new QHBoxLayout;
    pagesRow->addWidget(pagesButton);
    pagesRow->addWidget(fromBox);
    pagesRow->addWidget(toLabel);
    pagesRow->addWidget(toBox);
    pagesRow->addStretch();
    auto *range = new QVBoxLayout(rangeBox);
    range->setContentsMargins(5, 5, 5, 5);
    range->addWidget(allButton);
    range->addWidget(currentButton);
    range->addWidget(selectedButton);
    range->addLayout(pagesRow);

    QRadioButton *modes[] = {allButton, currentButton, selectedButton, pagesButton};
    const char *names[] = {"allPages", "currentPage", "selectedPages", "pages"};
    for (int i = 0; i < 4; ++i)
        modes[i]->setObjectName(QLatin1String(names[i]));
    const int mode = int(values.exportMode);
    modes[mode >= 0 && mode <= 2 ? mode : 3]->setChecked(true);

    qualityBox->setObjectName(QStringLiteral("quality"));
    qualityBox->setValue(values.jpegQuality);
    auto *qualityRow = new QHBoxLayout;
    qualityRow->addWidget(qualityLabel);
    qualityRow->addWidget(qualityBox);
    qualityRow->addStretch();
    // A PDF carries the photographs at full resolution: no quality.
    qualityLabel->setVisible(m_format == Format::Jpeg);
    qualityBox->setVisible(m_format == Format::Jpeg);
    guidesBox->setObjectName(QStringLiteral("cutGuides"));
    creditBox->setObjectName(QStringLiteral("printCredit"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    okButton->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addLayout(nameRow);
    layout->addWidget(rangeBox);
    layout->addLayout(qualityRow);
    layout->addWidget(guidesBox);
    layout->addWidget(creditBox);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The fixed size follows the layout, which would shrink the dialog
    // below its minimum width: the layout itself keeps the width.
    layout->addStrut(minimumWidth() - 10);

    for (QRadioButton *b : modes)
        connect(b, &QRadioButton::toggled, this, &ExportDialog::changeMode);
    connect(fileButton, &QPushButton::clicked, this, &ExportDialog::openFile);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    changeMode(true);
    retranslate();
}

void ExportDialog::retranslate()
{
    const bool pdf = m_format == Format::Pdf;
    setWindowTitle(pdf ? QObject::tr("Export to PDF") : QObject::tr("Export to Jpeg"));
    fileButton->setText(pdf ? QObject::tr("File name:") : QObject::tr("File names:"));
    rangeBox->setTitle(QObject::tr("Page range"));
    allButton->setText(QObject::tr("All pages"));
    currentButton->setText(QObject::tr("Current page"));
    selectedButton->setText(QObject::tr("Selected pages"));
    pagesButton->setText(QObject::tr("Pages"));
    toLabel->setText(QObject::tr("to"));
    qualityLabel->setText(QObject::tr("JPEG quality:"));
    guidesBox->setText(QObject::tr("Trim marks for cutting"));
    guidesBox->setToolTip(QObject::tr("Short lines beside the photographs that continue their edges, "
                                      "for cutting stacks of prints"));
    creditBox->setText(QObject::tr("Print the credit line on photographs"));
    okButton->setText(QObject::tr("Ok"));
    cancelButton->setText(QObject::tr("Cancel"));
}

void ExportDialog::changeMode(bool)
{
    const bool range = pagesButton->isChecked();
    fromBox->setEnabled(range);
    toBox->setEnabled(range);
}

void ExportDialog::openFile()
{
    m_fileNames = true;
    accept();
}

void ExportDialog::store(ExportValues &values) const
{
    values.jpegQuality = qualityBox->value();
    values.exportFrom = fromBox->value();
    values.exportTo = toBox->value();
    values.exportMode = allButton->isChecked()        ? ExportMode::AllPages
                        : currentButton->isChecked()  ? ExportMode::CurrentPage
                        : selectedButton->isChecked() ? ExportMode::SelectedPages
                                                      : ExportMode::PageRange;
}

void ExportDialog::setCutGuides(bool on) { guidesBox->setChecked(on); }

bool ExportDialog::cutGuides() const { return guidesBox->isChecked(); }

void ExportDialog::setCredit(bool on) { creditBox->setChecked(on); }

bool ExportDialog::credit() const { return creditBox->isChecked(); }
