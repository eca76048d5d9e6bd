#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

struct Page;

// Where the frames of a drawn layout may lie and how edits snap. Every frame
// stays inside the printable area of the paper and keeps at least a
// millimetre on each side (less only when the printable area itself is
// smaller); positions and sizes are whole hundredths of a millimetre.
class LayoutFrameRules
{
public:
    // The edges of a frame that a drag moves; none of them means the whole
    // frame moves.
    struct Edges
    {
        bool left = false;
        bool right = false;
        bool top = false;
        bool bottom = false;
        bool any() const { return left || right || top || bottom; }
    };

    static constexpr double MinimumSide = 100;

    explicit LayoutFrameRules(const QRectF &printable);
    // The printable area of `page`: the paper less its margins.
    static QRectF printableArea(const Page &page);

    QRectF printable() const { return m_printable; }
    // False when the printable area leaves no room for a frame.
    bool usable() const;
    QSizeF minimumSize() const;

    // `r` rounded to whole units, its size kept between the minimum and the
    // printable area and its position moved inside the printable area.
    QRectF fitted(const QRectF &r) const;
    // `r` with the given width and height, its top-left corner staying where
    // it can; the size is limited by the printable area's right and bottom.
    QRectF resized(const QRectF &r, double width, double height) const;
    // `r` with its top-left corner at `to` (rounded), kept inside.
    QRectF placed(const QRectF &r, const QPointF &to) const;
    // The part of `delta` (rounded) by which a group of frames spanning
    // `bounds` can move without leaving the printable area.
    QPointF allowedShift(const QRectF &bounds, const QPointF &delta) const;
    // `r` with the chosen edges moved to `to` (rounded); the opposite edges
    // stay and the minimum size is kept.
    QRectF withEdges(const QRectF &r, Edges edges, const QPointF &to) const;
    // A keyboard step: the frame moves (or, with `resize`, grows) by dx, dy;
    // each coordinate that changed is then rounded down to a multiple of the
    // step, 100 for steps of a millimetre and 10 for finer ones.
    QRectF stepped(const QRectF &r, double dx, double dy, bool resize) const;
    // Width and height exchanged about the top-left corner, kept inside.
    QRectF rotated(const QRectF &r) const;
    // True when `r` has an area and lies wholly inside the printable area.
    bool accepts(const QRectF &r) const;

    static double snappedDown(double value, double step);

private:
    QRectF m_printable;
};
