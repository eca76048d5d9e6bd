#include "FuzzApp.h"

#include "arrange/FrameImages.h"
#include "arrange/PageRenderer.h"
#include "formats/LayoutCatalogue.h"
#include "formats/LayoutFile.h"
#include "library/ImageFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>

#include <cstddef>
#include <cstdint>

namespace {

// A small real photograph for the frames of fuzzed layouts.
const QByteArray &samplePhoto()
{
    static const QByteArray bytes = [] {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG");
        return out;
    }();
    return bytes;
}

PhotoFrame photoFrame(PhotoFrame f, const QByteArray &bytes)
{
    f.fileName = QStringLiteral("fuzz.jpg");
    f.fileData = HeldBytes::loose(bytes);
    f.loadImage(PreviewRule());
    f.turnFromImage();
    f.autoCrop(true);
    return f;
}

// Layout bytes as the user layout of a 100 x 150 mm card: what the catalogue
// offers must lie on the paper, and a page of it is drawn at 1 mm a pixel.
void layoutToPage(const QByteArray &bytes)
{
    static const QString documents = QDir::tempPath() + QStringLiteral("/fuzz_pagerender_")
        + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('/');
    LayoutCatalogue::Source source;
    source.setup.width = 100;
    source.setup.height = 150;
    source.paperName = QStringLiteral("Card");
    source.unitSuffix = QStringLiteral(" mm");
    source.documentsFolder = documents;
    const QString folder = LayoutFile::folderFor(documents, source.paperName);
    QDir().mkpath(folder);
    {
        QFile file(folder + QStringLiteral("fuzz.vly"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            __builtin_trap();
        file.write(bytes);
    }
    LayoutCatalogue catalogue;
    catalogue.build(source);
    const int index = catalogue.indexOf(QStringLiteral("fuzz.vly"));
    if (index < 0)
        return;
    Page page = catalogue.entries().at(index);
    for (PhotoFrame &f : page.frames) {
        if (!LayoutCatalogue::frameProblem(f.rect(), page).isEmpty())
            __builtin_trap();
        f = photoFrame(f, samplePhoto());
    }
    QImage image(100, 150, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PageRenderer::drawPage(painter, page, QRectF(0, 0, page.printableWidth() / 100.0, page.printableHeight() / 100.0));
}

// Image bytes in a 30 x 20 mm frame drawn at 0.1 mm a pixel: whatever the
// header claims, no decoding gives more than the cap, nor more than the
// frame's pixels (and one to spare) of a photograph it accepted.
void imageToDecoding(const QByteArray &bytes)
{
    PhotoFrame frame;
    frame.width = 3000;
    frame.height = 2000;
    frame = photoFrame(frame, bytes);
    if (frame.cache.preview.isNull())
        return;
    FrameImages images({frame}, ImageSource(), 1, FrameImages::Turn::AsShown, 0.1);
    const DecodedImage d = images.take(0);
    const qint64 pixels = qint64(d.image.width()) * d.image.height();
    if (pixels > MaxImagePixels || (d.image.width() > 302 && d.image.height() > 302))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzGuiApplication();
    return 0;
}

// The first byte chooses the way past the parsers: even, layout bytes to a
// drawn page; odd, image bytes to the decoding the renderer asks for.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, int(size - 1));
    if (data[0] % 2 == 0)
        layoutToPage(bytes);
    else
        imageToDecoding(bytes);
    return 0;
}
