#pragma once

#include "formats/Page.h"

#include <QLineF>
#include <QVector>

class QPainter;

// Trim marks for cutting a stack of prints on a guillotine: short thin lines
// that continue each edge of every printed photograph into the white space
// beside it. Each mark starts Gap away from its frame and runs Length on; a
// mark never crosses a photograph (nor comes closer than Gap to one) and
// stays on the printable area.
class CutGuides
{
public:
    static constexpr double Length = 300; // 3 mm, in hundredths of a millimetre
    static constexpr double Gap = 100;    // 1 mm
    static constexpr double PenWidth = 10; // 0.1 mm

    // The marks of `page`, in hundredths of a millimetre from the paper's
    // top-left corner.
    static QVector<QLineF> lines(const Page &page);

    // Draws the marks with the page geometry of PageRenderer: `scale`
    // hundredths of a millimetre per unit of the painter, the printable
    // area's corner at (page.left / scale - offsetX, page.top / scale - offsetY).
    // The pen is at least one device pixel wide.
    static void draw(QPainter &painter, const QVector<QLineF> &lines, double scale, double offsetX, double offsetY);
};
