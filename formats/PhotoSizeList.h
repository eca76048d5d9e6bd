#pragma once

#include "formats/PhotoSizeSelect.h"

#include <QString>
#include <QVector>

// The working copies of the two photo-size lists behind the "Photo Sizes"
// editor. Millimetres and centimetres share the millimetre list (shown
// divided by 10); inches have their own.
class PhotoSizeList
{
public:
    PhotoSizeList(int unit, const QVector<PhotoSizeSelect> &millimetres,
                  const QVector<PhotoSizeSelect> &inches);

    int unit() const { return m_unit; }
    void setUnit(int unit);
    QString suffix() const;

    // The list of the current unit.
    const QVector<PhotoSizeSelect> &current() const;
    const QVector<PhotoSizeSelect> &millimetres() const { return m_mm; }
    const QVector<PhotoSizeSelect> &inches() const { return m_in; }

    int count() const { return current().size(); }
    // Short side, "x", long side and the suffix, in the unit shown.
    QString rowText(int row) const;
    double shownShort(int row) const;
    double shownLong(int row) const;
    bool isSelected(int row) const;
    void setSelected(int row, bool on);

    // Where a size of the two displayed sides would go: its row, or -1 when
    // the list already holds it (to 1/100 of the displayed unit) or a side
    // is not positive.
    int insertionRow(double a, double b) const;
    // Adds the size ticked at insertionRow(); returns that row or -1.
    int add(double a, double b);
    void remove(int row);

    // Text of a size in `unit`, the sides already in that unit.
    static QString sizeText(double shortSide, double longSide, int unit);

private:
    QVector<PhotoSizeSelect> &list();
    double toStored(double shown) const;

    int m_unit;
    QVector<PhotoSizeSelect> m_mm;
    QVector<PhotoSizeSelect> m_in;
};
