#pragma once

#include <QRectF>
#include <QSize>
#include <Qt>

// The crop rectangle of the crop editor, in pixels of the photograph as the
// frame shows it (its rotation applied). The rectangle keeps the aspect ratio
// of the frame; in "outside" mode it may reach beyond the photograph (white
// bands), otherwise it is kept inside.
class CropModel
{
public:
    enum class Corner { LeftTop, RightTop, LeftBottom, RightBottom };

    // What an undo step restores. The "outside" mode belongs to it: a
    // rectangle off the photograph comes back only with the mode that let it
    // be there.
    struct State
    {
        QRectF rect;
        double aspect = 1.0;
        bool outside = true;
        bool operator==(const State &o) const
        {
            return rect == o.rect && aspect == o.aspect && outside == o.outside;
        }
        bool operator!=(const State &o) const { return !(*this == o); }
    };

    CropModel() = default;
    // `crop` as the frame holds it; `frameAspect` (width / height of the
    // frame, as the photograph lies in it) stands in when the crop has no
    // size. A crop with no size or lying wholly outside the photograph is
    // replaced by the largest rectangle of that aspect centred on it.
    CropModel(const QRectF &crop, const QSize &image, double frameAspect, bool outside);

    bool isValid() const { return m_image.width() > 0 && m_image.height() > 0 && m_aspect > 0; }
    QRectF rect() const { return QRectF(m_left, m_top, m_right - m_left, m_bottom - m_top); }
    double aspect() const { return m_aspect; }
    QSize imageSize() const { return m_image; }
    bool outside() const { return m_outside; }
    void setOutside(bool outside);

    State state() const { return {rect(), m_aspect, m_outside}; }
    void setState(const State &s);

    // Moves the rectangle; inside mode it slides along an edge it meets.
    // A move that would leave nothing of the photograph in it is refused.
    void moveBy(double dx, double dy);
    // Moves one corner horizontally by dx; the other edge follows from the
    // aspect, the opposite corner stays. Inside mode the corner stops at the
    // photograph's edge.
    void dragCorner(Corner corner, double dx);
    // A quarter turn about the centre: width and height (and the aspect)
    // exchanged.
    void rotate();
    // Arrow keys: without `shift` the rectangle moves (left or top edge),
    // with it the right or bottom edge moves and the rectangle is resized;
    // to the next multiple of 10 pixels, or by 1 with `fine`. Inside mode a
    // rectangle grown past the photograph's edge is moved back inside.
    void stepKey(Qt::Key key, bool shift, bool fine);

    // Inside mode: shrinks the rectangle about its centre to fit the
    // photograph, then moves it inside. Nothing in outside mode.
    void normalise();

    // The largest rectangle of `aspect` inside `image`, centred.
    static QRectF fitted(const QSize &image, double aspect);

private:
    void setRect(const QRectF &r);
    double minWidth() const;

    double m_left = 0;
    double m_top = 0;
    double m_right = 0;
    double m_bottom = 0;
    QSize m_image;
    double m_aspect = 1.0;
    bool m_outside = true;
};
