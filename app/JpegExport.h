#pragma once

#include "app/ExportValues.h"
#include "arrange/RenderOptions.h"
#include "platform/Outcome.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QString>

struct Page;
class QIODevice;

// Pages written as JPEG files: one file per page, named from a base name and
// the page number, each an image of the whole paper at 0.03 mm a pixel with
// the printable part at its true place and the margins white.
namespace JpegExport {

// Hundredths of a millimetre a pixel of a page image.
constexpr int PixelSize = 3;
// The same as a density: 0.03 mm a pixel is 33,333 dots a metre (846.67
// dots an inch), recorded in every page image and JPEG file.
constexpr int DotsPerMeter = 100000 / PixelSize;
// The most pixels a side of a JPEG file may have.
constexpr int MaxSide = 65500;
// The most pixels of a whole page image (pageImage()): 2.4 gigabytes at four
// bytes a pixel, an A1 page. Written files are drawn in bands and need none.
constexpr qint64 MaxPagePixels = 600000000;

// The base name of a name chosen in the file dialog: a ".jpeg" ending (any
// letter case) is dropped, then a ".jpg" ending.
QString baseName(QString chosen);

// The file of page `number` (1-based): the base name, the number written
// with `digits` digits (at least three), ".jpg".
QString fileName(const QString &base, int number, int digits = 3);
// The digits of the numbers in an export whose highest page number is
// `lastNumber`: three, or as many as it needs, so that the names sort in
// page order.
int digitsFor(int lastNumber);

// Pixel size of the image of `page`: the paper divided by the pixel size.
QSize imageSize(const Page &page);
// Whether a page image of `size` can be written; a failure says why not (no
// area, or a side beyond MaxSide). Checked before anything is made.
Outcome checkSize(const QSize &size);
// Where the printable part of `page` lies in its image.
QRectF printableArea(const Page &page);

// The image of `page`, white where nothing is drawn.
QImage pageImage(const Page &page, const RenderOptions &options = RenderOptions());

// Draws `page` and writes it to `out` as a JPEG file at `quality`; a
// failure carries the reason (a page too large, no memory, a write the
// system refuses). The page is drawn in bands of bandRows() rows, each
// compressed and reused as soon as it is finished, and the compressed bytes
// are written as they come; they are those of pageImage() written whole.
Outcome encodePage(const Page &page, int quality, QIODevice *out, const RenderOptions &options = RenderOptions());
// The rows of a band for a page image of `size`.
int bandRows(const QSize &size);

// Draws `page` and writes it to `file` at `quality`. An existing file is
// replaced only once the new one is complete. A failure (logged) carries the
// reason, the system's where it is one ("No space left on device").
Outcome exportPage(const Page &page, const QString &file, int quality, const RenderOptions &options = RenderOptions());

// The 1-based page numbers to write in `mode`. No current page (-1) in
// mode 1 and a range running backwards give none; numbers are kept within
// the document.
QList<int> pageNumbers(ExportMode mode, int pageCount, int currentPage, const QList<int> &selectedRows, int from, int to);

// A failure ends the export in every mode but the selected pages.
bool stopsOnFailure(ExportMode mode);

} // namespace JpegExport
