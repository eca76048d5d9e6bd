#pragma once

#include "arrange/FrameImages.h"
#include "arrange/RenderOptions.h"
#include "formats/Page.h"

#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QVector>

// Draws a page image a band of rows at a time, top to bottom, so that a page
// of any size is made in the memory of a band or two. Each frame's
// photograph is decoded (and turned as the frame shows it) once, on worker
// threads, when the first band it reaches comes near, and let go as soon as
// the last of its rows is drawn, before the band goes on to the frames
// below (frames that meet need not hold their photographs together); the
// photographs are decoded in the order the bands need them. The bands
// together are the image PageRenderer::drawPage() draws of the page.
class PageBands
{
public:
    // `page` drawn so that its printable area fills `area`, as drawPage()
    // does.
    PageBands(const Page &page, const QRectF &area, const RenderOptions &options);

    // Clears `band` to white and draws into it the rows [top, top +
    // band.height()) of the page image. Bands are drawn in order downwards.
    void draw(QImage &band, int top);
    // The most photographs held at once so far.
    int mostPhotographsHeld() const { return m_mostHeld; }

private:
    static QVector<PhotoFrame> inOrder(const Page &page, const QVector<int> &order);
    // Takes the photographs of the frames in the order they are decoded,
    // up to that of `frame`.
    void takeUpTo(int frame);
    // Starts the decodings of the next frames while what they will need,
    // with the photographs held now, stays within DecodeBound; at least the
    // next one when nothing else is.
    void startDecodings();
    void letGo(int frame);

    Page m_page;
    RenderOptions m_options;
    QVector<QLineF> m_guides; // the trim marks, when the options ask for them
    double m_scale = 0;
    double m_offsetX = 0;
    double m_offsetY = 0;
    QVector<double> m_top; // per frame: the rows it draws on (its outline reaches beyond the photograph)
    QVector<double> m_bottom;
    QVector<double> m_photoTop; // per frame: the rows its photograph covers
    QVector<double> m_photoBottom;
    QVector<int> m_order; // frames by the first row they draw on
    FrameImages m_images; // the photographs of the frames in that order
    QVector<qint64> m_cost; // per frame: the bytes its decoding takes at its height
    int m_next = 0; // the next frame of m_order whose photograph is to be taken
    int m_started = 0; // frames of m_order whose decoding was started
    QVector<int> m_live; // frames whose photograph is being decoded or held
    QVector<bool> m_taken; // per frame
    QVector<DecodedImage> m_held; // per frame: its photograph while bands still reach it
    int m_heldCount = 0; // photographs in m_held
    int m_mostHeld = 0;
};
