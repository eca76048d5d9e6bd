#include "arrange/CutGuides.h"

#include <QPainter>
#include <QPen>
#include <QRectF>

#include <utility>

namespace {

using Span = std::pair<double, double>;

// What is left of [from, to] once the parts inside `cut` are taken away.
QVector<Span> subtract(const QVector<Span> &spans, double cutFrom, double cutTo)
{
    QVector<Span> out;
    for (const Span &s : spans) {
        if (cutTo <= s.first || cutFrom >= s.second) {
            out << s;
            continue;
        }
        if (cutFrom > s.first)
            out << Span(s.first, cutFrom);
        if (cutTo < s.second)
            out << Span(cutTo, s.second);
    }
    return out;
}

bool prints(const PhotoFrame &f) { return !f.fileName.isEmpty() && !f.cache.preview.isNull() && f.width > 0 && f.height > 0; }

} // namespace

QVector<QLineF> CutGuides::lines(const Page &page)
{
    QVector<QRectF> photos;
    for (const PhotoFrame &f : page.frames)
        if (prints(f))
            photos << QRectF(f.x, f.y, f.width, f.height);
    const QRectF printable(page.left, page.top, page.printableWidth(), page.printableHeight());

    // A mark along the line `at` (y of a horizontal mark, x of a vertical
    // one) from `from` to `to`, cut back where it comes near a photograph.
    QVector<QLineF> out;
    const auto add = [&](bool horizontal, double at, double from, double to) {
        const double lineLow = horizontal ? printable.top() : printable.left();
        const double lineHigh = horizontal ? printable.bottom() : printable.right();
        if (at < lineLow || at > lineHigh)
            return;
        QVector<Span> spans{Span(qMax(from, horizontal ? printable.left() : printable.top()),
                                 qMin(to, horizontal ? printable.right() : printable.bottom()))};
        if (spans.first().second <= spans.first().first)
            return;
        for (const QRectF &r : qAsConst(photos)) {
            const QRectF near = r.adjusted(-Gap, -Gap, Gap, Gap);
            const double acrossLow = horizontal ? near.top() : near.left();
            const double acrossHigh = horizontal ? near.bottom() : near.right();
            if (at <= acrossLow || at >= acrossHigh)
                continue;
            spans = subtract(spans, horizontal ? near.left() : near.top(), horizontal ? near.right() : near.bottom());
        }
        // Pieces shorter than a millimetre help nobody cut.
        for (const Span &s : qAsConst(spans))
            if (s.second - s.first >= Gap)
                out << (horizontal ? QLineF(s.first, at, s.second, at) : QLineF(at, s.first, at, s.second));
    };
    for (const QRectF &r : qAsConst(photos)) {
        for (const double y : {r.top(), r.bottom()}) {
            add(true, y, r.left() - Gap - Length, r.left() - Gap);
            add(true, y, r.right() + Gap, r.right() + Gap + Length);
        }
        for (const double x : {r.left(), r.right()}) {
            add(false, x, r.top() - Gap - Length, r.top() - Gap);
            add(false, x, r.bottom() + Gap, r.bottom() + Gap + Length);
        }
    }
    return out;
}

void CutGuides::draw(QPainter &painter, const QVector<QLineF> &lines, double scale, double offsetX, double offsetY)
{
    if (lines.isEmpty() || scale <= 0)
        return;
    painter.save();
    // 0.1 mm, but never thinner than a pixel of the device.
    const double devicePerUnit = qMax(painter.deviceTransform().m11(), painter.deviceTransform().m22());
    const double width = PenWidth / scale;
    QPen pen(Qt::black, width, Qt::SolidLine, Qt::FlatCap);
    if (devicePerUnit > 0 && width * devicePerUnit < 1)
        pen.setWidthF(1 / devicePerUnit);
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const QLineF &l : lines)
        painter.drawLine(QLineF(l.x1() / scale - offsetX, l.y1() / scale - offsetY, l.x2() / scale - offsetX,
                                l.y2() / scale - offsetY));
    painter.restore();
}
