#pragma once

#include "platform/Outcome.h"

#include <QByteArray>
#include <QMetaType>
#include <QtGlobal>

// The page setup: unit, orientation, paper, borderless flag, margins and the
// paper size as laid on the page, every length in `unit`.
struct PageSetup
{
    enum Unit { Inch = 0, Millimetre = 1, Centimetre = 2 };

    qint32 unit = Millimetre;
    qint32 orientation = 0; // 0 portrait, 1 landscape
    qint32 paperSize = 7;   // index into the paper catalogue; 0 = user size
    bool borderless = false;
    double top = 5.0;
    double bottom = 5.0;
    double left = 5.0;
    double right = 5.0;
    double width = 210.0;
    double height = 297.0;

    static constexpr int StoredSize = 64;

    // The 64-byte little-endian stored form into `setup`. A value of any
    // other length, or one holding a length that is negative, not a number
    // or beyond 100000, gives the default record and says why.
    static Outcome fromBytes(const QByteArray &bytes, PageSetup &setup);
    QByteArray toBytes() const;

    // Hundredths of a millimetre per unit: 2540 inch, 100 mm, 1000 cm.
    int unitScale() const;
    static int unitScale(int unit);

    bool operator==(const PageSetup &o) const;
    bool operator!=(const PageSetup &o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(PageSetup)
