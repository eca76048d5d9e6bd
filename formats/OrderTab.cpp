#include "formats/OrderTab.h"

#include "formats/LayoutCatalogue.h"
#include "formats/Rounding.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { Photo, Size, Count };

QString lengthText(double v) { return QString::number(v, 'g', 5); }

} // namespace

OrderTab::OrderTab(const QStringList &photos, const QVector<PhotoSizeSelect> &sizes, const PageSetup &setup,
                   QWidget *parent)
    : QWidget(parent),
      m_photos(photos),
      m_setup(setup),
      m_textScale(setup.unitScale()),
      m_table(new QTableWidget(photos.size(), 3, this)),
      m_gutterLabel(new QLabel(this)),
      m_gutter(new QDoubleSpinBox(this)),
      m_summary(new QLabel(this))
{
    // The photo sizes in the unit of the page setup.
    const double listScale = setup.unit == PageSetup::Inch ? 2540 : 100;
    QStringList sizeTexts;
    for (const PhotoSizeSelect &s : sizes)
        sizeTexts << lengthText(s.shortSide * listScale / m_textScale) + QLatin1Char('x')
                         + lengthText(s.longSide * listScale / m_textScale);
    for (int row = 0; row < photos.size(); ++row) {
        auto *name = new QTableWidgetItem(QFileInfo(photos.at(row)).fileName());
        name->setFlags(Qt::ItemIsEnabled);
        name->setToolTip(photos.at(row));
        m_table->setItem(row, Photo, name);
        auto *size = new QComboBox(m_table);
        size->setEditable(true);
        size->addItems(sizeTexts);
        m_table->setCellWidget(row, Size, size);
        auto *count = new QSpinBox(m_table);
        count->setRange(0, 10000);
        count->setValue(1);
        m_table->setCellWidget(row, Count, count);
        connect(size, &QComboBox::currentTextChanged, this, &OrderTab::updateSummary);
        connect(count, QOverload<int>::of(&QSpinBox::valueChanged), this, &OrderTab::updateSummary);
    }
    m_table->horizontalHeader()->setSectionResizeMode(Photo, QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_gutter->setDecimals(2);
    m_gutter->setRange(0, 50 * 100.0 / m_textScale);
    m_gutter->setValue(OrderPacker::DefaultGutter / double(m_textScale));
    connect(m_gutter, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, &OrderTab::updateSummary);

    auto *gutterRow = new QFormLayout;
    gutterRow->addRow(m_gutterLabel, m_gutter);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addLayout(gutterRow);
    layout->addWidget(m_summary);
    retranslate();
}

qint32 OrderTab::gutter() const { return roundHalfUp(m_gutter->value() * m_textScale); }

QVector<OrderPrint> OrderTab::prints() const
{
    static const QRegularExpression pair(
        QStringLiteral("^\\s*([0-9]*[.,]?[0-9]+)\\s*[xX\\x{00D7}]\\s*([0-9]*[.,]?[0-9]+)\\s*$"));
    QVector<OrderPrint> prints;
    for (int row = 0; row < m_photos.size(); ++row) {
        const int count = static_cast<QSpinBox *>(m_table->cellWidget(row, Count))->value();
        const QRegularExpressionMatch m = pair.match(static_cast<QComboBox *>(m_table->cellWidget(row, Size))->currentText());
        if (count < 1 || !m.hasMatch())
            continue;
        const double w = m.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        const double h = m.captured(2).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        const OrderPrint print{m_photos.at(row), roundHalfUp(w * m_textScale), roundHalfUp(h * m_textScale), count};
        if (packer().fits(print))
            prints << print;
    }
    return prints;
}

OrderPacker OrderTab::packer() const
{
    const Page paper = LayoutCatalogue::paperPage(m_setup);
    return OrderPacker(paper.printableWidth(), paper.printableHeight(), gutter());
}

QVector<OrderSheet> OrderTab::sheets() const { return packer().pack(prints()); }

QString OrderTab::summary() const { return m_summary->text(); }

void OrderTab::changeData(PageSetup setup)
{
    m_setup = setup;
    updateSummary();
}

void OrderTab::updateSummary()
{
    const QVector<OrderPrint> ordered = prints();
    const int sheets = packer().pack(ordered).size();
    m_summary->setText(sheets == 0 ? QObject::tr("No print of the order fits the paper.")
                                   : QObject::tr("%1 sheets, %2 % of the paper used")
                                         .arg(sheets)
                                         .arg(qRound(100 * packer().coverage(ordered, sheets))));
    emit orderChanged();
}

void OrderTab::retranslate()
{
    m_table->setHorizontalHeaderLabels({QObject::tr("Photograph"), QObject::tr("Print size"), QObject::tr("Count")});
    m_gutterLabel->setText(QObject::tr("Gutter between the prints:"));
    updateSummary();
}
