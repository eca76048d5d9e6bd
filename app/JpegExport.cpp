#include "app/JpegExport.h"

#include "app/AppLog.h"
#include "app/JpegRowEncoder.h"

#include "arrange/FrameImages.h"
#include "arrange/PageBands.h"
#include "arrange/PageRenderer.h"
#include "formats/Page.h"

#include <QObject>
#include <QPainter>
#include <QSaveFile>

#include <cmath>

namespace {

const char *const Unmade = QT_TRANSLATE_NOOP("QObject", "The page cannot be made into a JPEG image.");
const char *const Unwritten =
    QT_TRANSLATE_NOOP("QObject", "The page could not be exported as a JPEG file; a file that was there is unchanged.");

// The white page image at the export's density.
QImage blankImage(const Page &page)
{
    QImage image(JpegExport::imageSize(page), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDotsPerMeterX(JpegExport::DotsPerMeter);
    image.setDotsPerMeterY(JpegExport::DotsPerMeter);
    image.fill(Qt::white);
    return image;
}

} // namespace

namespace JpegExport {

QString baseName(QString chosen)
{
    if (chosen.right(5).toLower() == QLatin1String(".jpeg"))
        chosen = chosen.section(QLatin1Char('.'), 0, -2);
    if (chosen.right(4).toLower() == QLatin1String(".jpg"))
        chosen = chosen.section(QLatin1Char('.'), 0, -2);
    return chosen;
}

QString fileName(const QString &base, int number, int digits)
{
    return base + QStringLiteral("%1.jpg").arg(number, qMax(3, digits), 10, QLatin1Char('0'));
}

int digitsFor(int lastNumber) { return qMax(3, QString::number(lastNumber).size()); }

QSize imageSize(const Page &page) { return QSize(page.width / PixelSize, page.height / PixelSize); }

QRectF printableArea(const Page &page)
{
    return QRectF(double(page.left) / PixelSize, double(page.top) / PixelSize,
                  double(page.printableWidth()) / PixelSize, double(page.printableHeight()) / PixelSize);
}

Outcome checkSize(const QSize &size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return Outcome::failure(Unmade, QObject::tr("The page has no area"));
    if (size.width() > MaxSide || size.height() > MaxSide)
        return Outcome::failure(
            Unmade, QObject::tr("The page image would be %1 × %2 pixels; a JPEG file has at most %3 pixels a side")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(MaxSide));
    return Outcome();
}

QImage pageImage(const Page &page, const RenderOptions &options)
{
    // The photographs are decoded and turned on worker threads while the
    // page image is made and cleared.
    if (!checkSize(imageSize(page)) || qint64(imageSize(page).width()) * imageSize(page).height() > MaxPagePixels)
        return QImage();
    FrameImages images(page.frames, options.source, 2, FrameImages::Turn::AsShown, 1.0 / PixelSize, options.colour);
    QImage image = blankImage(page);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    PageRenderer::drawPage(painter, page, printableArea(page), images, options);
    painter.end();
    return image;
}

Outcome encodePage(const Page &page, int quality, QIODevice *out, const RenderOptions &options)
{
    // The page is drawn a band of rows at a time into one of two band
    // images, and each band is compressed on another thread while the next
    // is drawn: the memory is that of two bands and the photographs of the
    // frames they cross, whatever the paper's size.
    const QSize size = imageSize(page);
    if (Outcome fits = checkSize(size); !fits)
        return fits;
    const int rows = bandRows(size);
    QImage bands[] = {QImage(size.width(), rows, QImage::Format_RGB32), QImage(size.width(), rows, QImage::Format_RGB32)};
    if (size.isEmpty() || bands[0].isNull() || bands[1].isNull())
        return Outcome::failure(Unmade, QObject::tr("Not enough memory for the page image"));
    // The file says what its numbers mean: sRGB, or the printer's profile.
    JpegRowEncoder encoder(out, size, quality, JpegExport::DotsPerMeter, JpegExport::DotsPerMeter,
                           options.colour.profile.icc());
    PageBands drawer(page, printableArea(page), options);
    for (int top = 0, k = 0; top < size.height(); top += rows, ++k) {
        QImage &band = bands[k % 2];
        encoder.waitUntilPending(1); // the band drawn two bands ago is compressed
        drawer.draw(band, top);
        encoder.append(band);
    }
    return encoder.finish();
}

int bandRows(const QSize &size)
{
    // About 4 MB a band, in whole rows of compressed blocks.
    constexpr qint64 BandBytes = 4 << 20;
    const qint64 rowBytes = qMax(qint64(size.width()) * 4, qint64(1));
    const int rows = int(qBound(qint64(16), BandBytes / rowBytes / 16 * 16, qint64(1) << 20));
    return qMax(1, qMin(rows, size.height()));
}

Outcome exportPage(const Page &page, const QString &file, int quality, const RenderOptions &options)
{
    QSaveFile out(file);
    Outcome outcome;
    // Unbuffered, a write that fails (a full disk) fails at once with the
    // system's reason instead of in the flush on commit; the encoder writes
    // blocks large enough to need no buffer in between.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        outcome = Outcome::failure(Unwritten, out.errorString());
    else if (!(outcome = encodePage(page, quality, &out, options)))
        ; // the reason is set; the unfinished file is dropped
    else if (!out.commit())
        outcome = Outcome::failure(Unwritten, out.errorString());
    return outcome.told(Unwritten).logged(lcApp(), "write", file);
}

QList<int> pageNumbers(ExportMode mode, int n, int currentPage, const QList<int> &selectedRows, int from, int to)
{
    QList<int> numbers;
    switch (mode) {
    case ExportMode::AllPages:
        for (int p = 1; p <= n; ++p)
            numbers << p;
        break;
    case ExportMode::CurrentPage:
        if (currentPage >= 0 && currentPage < n)
            numbers << currentPage + 1;
        break;
    case ExportMode::SelectedPages:
        for (int row : selectedRows)
            if (row >= 0 && row < n)
                numbers << row + 1;
        break;
    default:
        for (int p = qMax(1, from); p <= qMin(to, n); ++p)
            numbers << p;
        break;
    }
    return numbers;
}

bool stopsOnFailure(ExportMode mode) { return mode != ExportMode::SelectedPages; }

} // namespace JpegExport
