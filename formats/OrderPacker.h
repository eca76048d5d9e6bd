#pragma once

#include <QRect>
#include <QString>
#include <QVector>

// One line of an order: a photograph to print `count` times at width x
// height (hundredths of a millimetre).
struct OrderPrint
{
    QString photo;
    qint32 width = 0;
    qint32 height = 0;
    int count = 1;
};

// One print placed on a sheet: which line of the order, where (in the
// printable area, from its top left corner) and whether it lies turned by a
// quarter (its rectangle then is height x width).
struct OrderPlacement
{
    int print = 0;
    QRect rect;
    bool turned = false;
};

struct OrderSheet
{
    QVector<OrderPlacement> placements; // top to bottom, left to right
};

// Packs the prints of an order onto as few sheets as it can. Every sheet can
// be cut apart with straight edge-to-edge cuts (each cut splits a piece in
// two along a gutter), the prints lie at least the gutter apart and inside
// the printable area, and a print may be turned by a quarter. Several ways
// of packing are tried and the best kept: the fewest sheets, then the one
// whose last sheet leaves the largest free rectangle. The same order always
// gives the same sheets.
class OrderPacker
{
public:
    static constexpr qint32 DefaultGutter = 200; // 2 mm

    OrderPacker(qint32 areaWidth, qint32 areaHeight, qint32 gutter = DefaultGutter);

    // Plain: only every order of the prints with every rule, each sheet
    // filled in turn (what a straightforward packer does); thorough (the
    // default) adds sheets filled by whichever rule covers most of each, and
    // a bounded search around the best sequence.
    void setThorough(bool thorough) { m_thorough = thorough; }

    // True when `print` fits the printable area upright or turned.
    bool fits(const OrderPrint &print) const;
    // The sheets for `prints`; empty when a print does not fit or none is
    // ordered.
    QVector<OrderSheet> pack(const QVector<OrderPrint> &prints) const;
    // The share of the paper the prints cover, 0 to 1.
    double coverage(const QVector<OrderPrint> &prints, int sheets) const;
    // Sheets no packing can go below: the prints' area over the sheet's.
    int lowerBound(const QVector<OrderPrint> &prints) const;

private:
    qint32 m_width;
    qint32 m_height;
    qint32 m_gutter;
    bool m_thorough = true;
};
