#pragma once

#include "formats/Page.h"

#include <QList>
#include <QSizeF>
#include <QString>
#include <QVector>

// How sharply a frame's photograph will print: the pixels of its crop over
// the frame's size in inches. Below LowPpi a print looks soft or blocky at
// reading distance; GoodPpi is what a photo print wants.
class PrintResolution
{
public:
    static constexpr double LowPpi = 150;
    static constexpr double GoodPpi = 300;

    // Pixels per inch of the frame's photograph on paper (the lower of the
    // two directions); 0 for an empty frame.
    static double effectivePpi(const PhotoFrame &frame);
    // A filled frame whose photograph prints below LowPpi.
    static bool isLow(const PhotoFrame &frame);
    // The largest print of the whole photograph at GoodPpi, in millimetres.
    static QSizeF largestPrintMm(const PhotoFrame &frame);
    // The frame's tool tip on the page canvas: the file, its pixels and,
    // for a low frame, the ppi and the largest print at GoodPpi.
    static QString frameTip(const PhotoFrame &frame);

    // The indexes of `indexes` (0-based pages of `pages`) whose pages hold a
    // low frame, in the order given.
    static QList<int> lowPages(const QVector<Page> &pages, const QList<int> &indexes);
    // One line per low frame of `pages`: the photograph, its ppi and page.
    static QStringList warnings(const QVector<Page> &pages);
};
