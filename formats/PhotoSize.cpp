#include "formats/PhotoSize.h"

#include "formats/FormatSettings.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

PhotoSize::PhotoSize(FormatSettings *values, int unit, QWidget *parent)
    : QWidget(parent), m_sizes(unit, values->page.sizesMM, values->page.sizesIN), m_values(values)
{
    list = new QListWidget(this);
    widthLabel = new QLabel(this);
    heightLabel = new QLabel(this);
    const auto sizeBox = [this]() {
        auto *box = new QDoubleSpinBox(this);
        box->setMinimumWidth(150);
        box->setRange(0.0, 1000.0);
        box->setDecimals(2);
        box->setAlignment(Qt::AlignRight);
        return box;
    };
    widthBox = sizeBox();
    heightBox = sizeBox();
    addButton = new QPushButton(QIcon(QStringLiteral(":/images/new.png")), QString(), this);
    deleteButton = new QPushButton(QIcon(QStringLiteral(":/images/delete.png")), QString(), this);
    deleteButton->setShortcut(QKeySequence::Delete);
    addButton->setEnabled(false);
    deleteButton->setEnabled(false);

    auto *side = new QVBoxLayout;
    side->addStretch();
    side->addWidget(widthLabel);
    side->addWidget(widthBox);
    side->addWidget(heightLabel);
    side->addWidget(heightBox);
    side->addSpacing(12);
    side->addWidget(addButton);
    side->addWidget(deleteButton);
    side->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addLayout(side);

    retranslate();
    connect(list, &QListWidget::itemChanged, this, &PhotoSize::tickChanged);
    connect(addButton, &QPushButton::clicked, this, &PhotoSize::addSize);
    connect(deleteButton, &QPushButton::clicked, this, &PhotoSize::deleteSize);
    const auto valueChanged = QOverload<double>::of(&QDoubleSpinBox::valueChanged);
    connect(widthBox, valueChanged, this, &PhotoSize::widthChanged);
    connect(heightBox, valueChanged, this, &PhotoSize::heightChanged);
    changeMeasureUnits(m_sizes.unit());
}

void PhotoSize::retranslate()
{
    widthLabel->setText(QObject::tr("Width:"));
    heightLabel->setText(QObject::tr("Height:"));
    addButton->setText(QObject::tr("Add Size"));
    deleteButton->setText(QObject::tr("Delete"));
    widthBox->setSuffix(m_sizes.suffix());
    heightBox->setSuffix(m_sizes.suffix());
    fillList();
}

void PhotoSize::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

QListWidgetItem *PhotoSize::makeRow(int row)
{
    auto *item = new QListWidgetItem(m_sizes.rowText(row));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(m_sizes.isSelected(row) ? Qt::Checked : Qt::Unchecked);
    return item;
}

void PhotoSize::fillList()
{
    disconnect(list, &QListWidget::currentRowChanged, this, &PhotoSize::currentRow);
    {
        const QSignalBlocker block(list);
        list->clear();
        for (int row = 0; row < m_sizes.count(); ++row)
            list->addItem(makeRow(row));
    }
    connect(list, &QListWidget::currentRowChanged, this, &PhotoSize::currentRow);
    deleteButton->setEnabled(false);
}

void PhotoSize::tickChanged(QListWidgetItem *item)
{
    m_sizes.setSelected(list->row(item), item->checkState() == Qt::Checked);
}

void PhotoSize::changeMeasureUnits(int unit)
{
    m_sizes.setUnit(unit);
    widthBox->setSuffix(m_sizes.suffix());
    heightBox->setSuffix(m_sizes.suffix());
    fillList();
}

void PhotoSize::currentRow(int row)
{
    if (row < 0 || row >= m_sizes.count())
        return;
    widthBox->setValue(m_sizes.shownShort(row));
    heightBox->setValue(m_sizes.shownLong(row));
    addButton->setEnabled(false);
    deleteButton->setEnabled(true);
}

void PhotoSize::widthChanged(double value)
{
    if (value > 0.0 && heightBox->value() > 0.0)
        addButton->setEnabled(true);
}

void PhotoSize::heightChanged(double value)
{
    if (value > 0.0 && widthBox->value() > 0.0)
        addButton->setEnabled(true);
}

void PhotoSize::addSize()
{
    const int row = m_sizes.add(widthBox->value(), heightBox->value());
    if (row < 0)
        return;
    {
        const QSignalBlocker block(list);
        list->insertItem(row, makeRow(row));
    }
    addButton->setEnabled(false);
}

void PhotoSize::deleteSize()
{
    const int row = list->currentRow();
    QListWidgetItem *item = list->item(row);
    if (!item)
        return;
    if (item->checkState() == Qt::Checked) {
        item->setCheckState(Qt::Unchecked);
        return;
    }
    if (!confirmDelete(item->text()))
        return;
    m_sizes.remove(row);
    delete list->takeItem(row);
}

bool PhotoSize::confirmDelete(const QString &text)
{
    return QMessageBox::warning(this, QObject::tr("Warning"),
                                QObject::tr("Do you want to delete the size %1 ?").arg(text),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void PhotoSize::store()
{
    m_values->page.sizesMM = m_sizes.millimetres();
    m_values->page.sizesIN = m_sizes.inches();
}
