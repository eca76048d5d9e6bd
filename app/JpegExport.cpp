#include "app/JpegExport.h"

#include "app/JpegRowEncoder.h"

#include "arrange/FrameImages.h"
#include "formats/Page.h"
#include "arrange/PageRenderer.h"

#include <QObject>
#include <QPainter>
#include <QSaveFile>

#include <cmath>

namespace {

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

// Writes all of `bytes`: the system may take a part (the rest of a nearly
// full disk) and only the write after it says why it takes no more.
bool writeAll(QIODevice &out, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = out.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
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

QImage pageImage(const Page &page, const RenderOptions &options)
{
    // The photographs are decoded on worker threads while the page image is
    // made and cleared.
    FrameImages images(page.frames, options.source);
    QImage image = blankImage(page);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    PageRenderer::drawPage(painter, page, printableArea(page), images, {}, options);
    painter.end();
    return image;
}

bool encodePage(const Page &page, int quality, QByteArray *jpeg, QString *error, const RenderOptions &options)
{
    // The photographs are decoded on worker threads while the page image is
    // made and cleared, and the rows of the page are compressed on another
    // as soon as no frame still to come reaches them.
    FrameImages images(page.frames, options.source);
    QImage image = blankImage(page);
    if (image.isNull()) {
        if (error)
            *error = QObject::tr("Not enough memory for the page image");
        return false;
    }
    QPainter painter(&image);
    JpegRowEncoder encoder(image, quality);
    PageRenderer::drawPage(painter, page, printableArea(page), images,
                           [&encoder](double finishedAbove) { encoder.release(int(std::floor(finishedAbove))); },
                           options);
    painter.end();
    return encoder.finish(jpeg, error);
}

bool exportPage(const Page &page, const QString &file, int quality, QString *error, const RenderOptions &options)
{
    QSaveFile out(file);
    QString reason;
    QByteArray jpeg;
    // Unbuffered, a write that fails (a full disk) fails at once with the
    // system's reason instead of in the flush on commit.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        reason = out.errorString();
    else if (!encodePage(page, quality, &jpeg, &reason, options))
        ; // the reason is set
    else if (!writeAll(out, jpeg))
        reason = out.errorString();
    else if (!out.commit())
        reason = out.errorString();
    if (reason.isEmpty())
        return true;
    if (error)
        *error = reason;
    return false;
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
