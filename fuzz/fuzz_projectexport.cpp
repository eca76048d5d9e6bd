#include "FuzzApp.h"

#include "app/JpegRowEncoder.h"
#include "app/ProjectFile.h"
#include "arrange/ArrangeEngine.h"
#include "arrange/Document.h"
#include "arrange/PageRenderer.h"
#include "arrange/ProjectPages.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzGuiApplication();
    return 0;
}

// Any bytes as a project, read and adopted as the command line does, then
// every page (the first few) drawn at a small resolution, photographs from the
// copies inside, and compressed as an exported page is: whatever the numbers
// of its pages, frames and crops, and whatever its copies hold.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer input;
    input.setData(bytes);
    input.open(QIODevice::ReadOnly);
    ProjectContents contents;
    if (!ProjectFile::read(input, contents, 0))
        return 0;
    if (contents.pages.size() > ProjectPages::MaxPages)
        __builtin_trap();
    Document document;
    document.source = ImageSource(QString(), contents.embedded);
    ArrangeEngine(document).adoptLoadedPages(contents.pages);
    RenderOptions options;
    options.source = document.source;
    const QSize pixels(120, 160);
    for (int p = 0; p < qMin(document.pageCount(), 3); ++p) {
        QImage image(pixels, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PageRenderer::drawPage(painter, document.page(p), QRectF(QPointF(0, 0), pixels), options);
        painter.end();
        QByteArray jpeg;
        QBuffer out(&jpeg);
        out.open(QIODevice::WriteOnly);
        JpegRowEncoder encoder(&out, pixels, 80, 3780, 3780);
        encoder.append(image);
        if (!encoder.finish() || !jpeg.startsWith("\xFF\xD8"))
            __builtin_trap();
    }
    return 0;
}
