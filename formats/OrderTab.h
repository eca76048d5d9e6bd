#pragma once

#include "formats/OrderPacker.h"
#include "formats/PageSetup.h"
#include "formats/PhotoSizeSelect.h"

#include <QStringList>
#include <QWidget>

class QDoubleSpinBox;
class QLabel;
class QTableWidget;

// The "Order" tab of the layout chooser: a row for each selected image with
// its print size (one of the photo sizes or typed, in the unit) and count,
// the gutter between the prints, and a line telling how many sheets the
// order takes and how much of the paper it covers.
class OrderTab : public QWidget
{
    Q_OBJECT
public:
    // `sizes` are the photo sizes in millimetres, or in inches for the inch
    // unit.
    OrderTab(const QStringList &photos, const QVector<PhotoSizeSelect> &sizes, const PageSetup &setup,
             QWidget *parent = nullptr);

    // The rows counted at least once, sizes in hundredths of a millimetre.
    QVector<OrderPrint> prints() const;
    qint32 gutter() const;
    // The order packed on the paper of the page setup.
    QVector<OrderSheet> sheets() const;
    QString summary() const;
    QTableWidget *table() const { return m_table; }
    QDoubleSpinBox *gutterBox() const { return m_gutter; }
    void retranslate();

public Q_SLOTS:
    // The paper changed on the "Page Settings" tab.
    void changeData(PageSetup setup);

Q_SIGNALS:
    void orderChanged();

private:
    OrderPacker packer() const;
    void updateSummary();

    QStringList m_photos;
    PageSetup m_setup;
    int m_textScale; // the unit the sizes and the gutter are typed in
    QTableWidget *m_table;
    QLabel *m_gutterLabel;
    QDoubleSpinBox *m_gutter;
    QLabel *m_summary;
};
