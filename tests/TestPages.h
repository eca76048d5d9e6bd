#pragma once

// Layout pages for the tests and the fuzz targets: A4 in hundredths of a
// millimetre with `count` frames of one size in rows of `columns`.

#include "formats/Page.h"

#include <QPoint>
#include <QSize>

struct TestGrid
{
    int count = 4;
    int columns = 2;
    QSize frame{5000, 7000};
    QSize step{6000, 8000}; // from one frame's corner to the next one's
    QPoint first{500, 500};
    int margin = 500;
};

inline Page testGridPage(const TestGrid &grid, const QString &title)
{
    Page t;
    t.width = 21000;
    t.height = 29700;
    t.top = t.bottom = t.left = t.right = grid.margin;
    t.title = title;
    for (int i = 0; i < grid.count; ++i) {
        PhotoFrame f;
        f.x = grid.first.x() + (i % grid.columns) * grid.step.width();
        f.y = grid.first.y() + (i / grid.columns) * grid.step.height();
        f.width = grid.frame.width();
        f.height = grid.frame.height();
        t.frames << f;
    }
    return t;
}

// `n` portrait frames of 50 x 70 mm, three a row, inside 5 mm margins.
inline Page smallFramesPage(int n, const QString &title = QStringLiteral(" n-50x70 mm"))
{
    TestGrid grid;
    grid.count = n;
    grid.columns = 3;
    return testGridPage(grid, title);
}

// Four portrait frames of 100 x 140 mm filling A4 two by two.
inline Page a4FourFrames()
{
    TestGrid grid;
    grid.frame = QSize(10000, 14000);
    grid.step = QSize(10000, 14500);
    grid.margin = 0;
    return testGridPage(grid, QStringLiteral("2x2 100x140 mm"));
}
