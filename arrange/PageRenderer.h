#pragma once

#include "arrange/RenderOptions.h"
#include "formats/Page.h"

#include <QImage>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QTransform>


class FrameImages;
class QPainter;
class QPaintDevice;

// Draws pages for printing, export and the page list.
//
// Page geometry is in hundredths of a millimetre; `scale` is hundredths of a
// millimetre per logical unit of the painter. Every length is kept as a real
// number, so the same page drawn at 150 or at 600 dots per inch gives the same
// picture up to scale; text sizes follow the page as well, whatever the
// resolution the painter's device reports.
class PageRenderer
{
public:
    // Draws `page` so that its printable area (paper minus margins; the whole
    // paper when it has none) fills `area`, in the painter's logical
    // coordinates. The scale is the printable width over the area's width.
    static void drawPage(QPainter &painter, const Page &page, const QRectF &area, const RenderOptions &options = RenderOptions());
    // The same with the photographs decoded by `images`, made for `page`'s
    // frames; making it early lets the decoding start sooner.
    static void drawPage(QPainter &painter, const Page &page, const QRectF &area, FrameImages &images,
                         const RenderOptions &options = RenderOptions());
    // The same with the painter's window as the area.
    static void drawPage(QPainter &painter, const Page &page, const RenderOptions &options = RenderOptions());

    // One frame: outline ("Print Frame"), the photograph cut to its crop at
    // full resolution, the logo, the date and file-name text and the credit
    // line. A frame with no readable photograph draws nothing. Nothing is
    // drawn beyond the frame's rectangle grown by frameReach().
    static void drawFrame(QPainter &painter, const PhotoFrame &frame, double scale, double offsetX,
                          double offsetY, const RenderOptions &options = RenderOptions());
    // The same with the photograph already decoded (PhotoFrame::fullImage).
    static void drawFrame(QPainter &painter, const PhotoFrame &frame, const QImage &decoded, double scale,
                          double offsetX, double offsetY, const RenderOptions &options = RenderOptions());

    // The same with the photograph or the part of it decoded by
    // PhotoFrame::photoFor (and perhaps turned upright by FrameImages).
    static void drawFrame(QPainter &painter, const PhotoFrame &frame, const DecodedImage &decoded, double scale,
                          double offsetX, double offsetY, const RenderOptions &options = RenderOptions());
    // Device pixels per hundredth of a millimetre for a page drawn at
    // `scale` hundredths of a millimetre per logical unit of `painter`.
    static double deviceDensity(const QPainter &painter, double scale);

    // The decoded photograph of `frame` turned by quarterTurns(): the same
    // image when it need not turn.
    static QImage uprightImage(const PhotoFrame &frame, const QImage &decoded);

    // The page list icon: width x height pixels, `divisor` hundredths of a
    // millimetre per pixel, frames drawn from their previews.
    static QImage pageThumbnail(const Page &page, int width, int height, int divisor);
    static QPixmap pageThumbnailPixmap(const Page &page, int width, int height, int divisor);

    // Logo and date/file-name text of `frame` drawn over `rect` (the frame's
    // rectangle in the painter's coordinates), at `scale` hundredths of a
    // millimetre per unit. Shared by the printout and the page canvas.
    static void drawOverlays(QPainter &painter, const PhotoFrame &frame, const QRectF &rect, double scale, const RenderOptions &options = RenderOptions());

    // How far beyond its rectangle a frame draws (the outline's width, with a
    // pixel to spare), in the painter's units.
    static double frameReach(double scale);

    // The frame's rectangle in the painter's coordinates.
    static QRectF frameRect(const PhotoFrame &frame, double scale, double offsetX, double offsetY);

    // The part of `rect` (a frame's rectangle) that shows the photograph:
    // the frame less the white bands where its crop reaches beyond the image.
    static QRectF visiblePhotoRect(const PhotoFrame &frame, const QRectF &rect);

    // The text printed on the frame: the file name without its last
    // extension and/or the date, one per line.
    static QString stampText(const PhotoFrame &frame);

    // From the pixels of a decoded image to those of the same image turned
    // clockwise by `rotation` (quarter turns).
    static QTransform rotationTransform(int rotation, const QSize &size);
    // The quarter turns clockwise (0 to 3) between the decoded photograph of
    // `frame` and the photograph as the frame shows it.
    static int quarterTurns(const PhotoFrame &frame);
    // From the pixels of the decoded photograph of `frame` (of size
    // `decoded`, not yet turned by its rotation) to the frame's rectangle
    // `rect`: what drawing its crop into the frame does.
    static QTransform photoTransform(const PhotoFrame &frame, const QSize &decoded, const QRectF &rect);

private:
    static void drawDecoded(QPainter &painter, const PhotoFrame &frame, const DecodedImage &decoded, const QRectF &rect);
};
