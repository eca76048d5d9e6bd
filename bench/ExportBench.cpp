// export [DIR] [--turned] [--adobe] [--paper WxH] [--detail]: one A4 page (or a paper
// of W x H millimetres) of four photographs in a
// 2 x 2 layout written as a JPEG at quality 80 by the export code (decode,
// crop, draw, encode). DIR defaults to a folder in the temporary directory;
// when it holds no JPEG, four 24-megapixel camera-like photographs are made
// there first, outside the timing: upright ones (4000 x 6000, as the portrait
// frames stand), or with --turned landscape ones without an orientation tag
// (6000 x 4000), which the frames turn a quarter; with --adobe they carry an
// Adobe RGB (1998) profile, converted to sRGB as the page is drawn (the
// default folder is then another), and the page is weighed against the
// same page of untagged photographs in the same run: the two are exported in
// turn five times, the best of each reported, with their ratio (the peak
// then holds both pages' photographs). The result line says how
// many frames turn their photograph. --detail adds the time of each stage on
// standard error.

#include "BenchCommand.h"

#include "app/BufferReuse.h"
#include "app/JpegExport.h"
#include "app/JpegRowEncoder.h"
#include "arrange/ArrangeEngine.h"
#include "formats/LayoutCatalogue.h"
#include "library/Exif.h"
#include "library/IconItem.h"
#include "library/ColourProfile.h"
#include "library/JpegProfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cmath>
#include <cstdio>

namespace {

// A smooth scene with sensor-like noise, so that the file is as large and as
// slow to decode as a camera's.
QImage cameraLikePhoto(int seed, bool landscape)
{
    QImage image(landscape ? 6000 : 4000, landscape ? 4000 : 6000, QImage::Format_RGB32);
    QRandomGenerator random(quint32(seed + 1));
    const double fx = 2 + seed, fy = 3 + seed;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double v = double(y) / image.height();
        for (int x = 0; x < image.width(); ++x) {
            const double u = double(x) / image.width();
            const double s = std::sin(u * fx * 3.1 + std::cos(v * fy * 2.3) * 2.0);
            const int noise = int(random.bounded(24u)) - 12;
            const int r = qBound(0, int(128 + 90 * s * u) + noise, 255);
            const int g = qBound(0, int(110 + 80 * std::cos(v * fy + s)) + noise, 255);
            const int b = qBound(0, int(100 + 100 * v * s) + noise, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    return image;
}

QStringList jpegs(const QString &dir)
{
    QStringList files;
    const QDir d(dir);
    for (const QString &name : d.entryList({QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.JPG")},
                                           QDir::Files, QDir::Name))
        files << d.absoluteFilePath(name);
    return files;
}

long minorFaults()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// The processor time of all the threads so far (user and system), in
// milliseconds: on a busy machine steadier than the time on the clock.
double cpuMilliseconds()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

} // namespace

namespace {

// The four photographs of `dir`, made first when it holds no JPEG.
QStringList benchPhotos(const QString &dir, bool landscape, bool adobe)
{
    QDir().mkpath(dir);
    QStringList files = jpegs(dir);
    if (files.isEmpty()) {
        std::fprintf(stderr, "making four photographs in %s\n", qPrintable(dir));
        for (int i = 0; i < 4; ++i) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, "jpeg");
            writer.setQuality(92);
            writer.write(cameraLikePhoto(i, landscape));
            if (adobe)
                bytes = withIccProfile(bytes, ColourProfile::adobeRgb().icc());
            QFile file(QDir(dir).filePath(QStringLiteral("photo%1.jpg").arg(i + 1)));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                return {};
        }
        files = jpegs(dir);
    }
    if (files.size() < 4)
        std::fprintf(stderr, "export: %s holds fewer than four JPEG files\n", qPrintable(dir));
    return files.size() < 4 ? QStringList() : files.mid(0, 4);
}

// Lays `files` out on the document's one page, 2 x 2 on the paper, as the
// selection list holds them when the user arranges: bytes, size, rotation
// and date read, preview decoded. The export never looks at the preview, so
// a plain one of the right shape stands in for it and start-up does not
// decode four photographs.
bool arrangePage(Document &document, const QStringList &files, const QSize &paper)
{
    LayoutCatalogue catalogue;
    LayoutCatalogue::Source source;
    source.setup = PageSetup();
    if (!paper.isEmpty()) {
        source.setup.paperSize = 0; // the paper's own size
        source.setup.width = paper.width();
        source.setup.height = paper.height();
    }
    catalogue.build(source);
    const Page &base = catalogue.base();
    // An A4 page, 5 mm margins, the printable area halved both ways.
    document.templatePage = catalogue.uprightGrid(base.printableWidth(), base.printableHeight(),
                                                  base.printableWidth() / 2, base.printableHeight() / 2);
    QVector<IconItem> items;
    for (const QString &file : files) {
        IconItem item;
        item.fileName = file;
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "export: cannot read %s\n", qPrintable(file));
            return false;
        }
        QByteArray bytes = in.readAll();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QSize size = QImageReader(&buffer).size();
        item.rotation = exifRead(bytes, item.shotTime);
        item.fileData = document.budget.hold(bytes);
        if ((item.rotation / 90) % 2 == 1)
            size.transpose();
        if (size.isEmpty()) {
            std::fprintf(stderr, "export: cannot read the size of %s\n", qPrintable(file));
            return false;
        }
        item.imageWidth = size.width();
        item.imageHeight = size.height();
        item.preview = QImage(size.scaled(500, 500, Qt::KeepAspectRatio), QImage::Format_RGB32);
        item.preview.fill(Qt::gray);
        item.state = IconItem::State::Decoded;
        items << item;
    }
    ArrangeEngine engine(document);
    engine.arrangeAll(items);
    if (document.pageCount() != 1) {
        std::fprintf(stderr, "export: the photographs did not make one page\n");
        return false;
    }
    return true;
}

struct Measured
{
    qint64 ms = -1;
    double cpuMs = 0;
    long pageFaults = 0;
};

Measured exportOnce(const Page &page, const QString &file)
{
    Measured m;
    QElapsedTimer timer;
    timer.start();
    const long faults = minorFaults();
    const double cpu = cpuMilliseconds();
    if (const Outcome written = JpegExport::exportPage(page, file, 80); !written) {
        std::fprintf(stderr, "export: %s\n", qPrintable(written.writeMessage(file)));
        return m;
    }
    m.ms = timer.elapsed();
    m.cpuMs = cpuMilliseconds() - cpu;
    m.pageFaults = minorFaults() - faults;
    return m;
}

// Keeps the least time on the clock and the least processor time of the
// runs so far (the page faults of the quickest); false when `m` failed.
bool keepBest(Measured &best, const Measured &m)
{
    if (m.ms < 0)
        return false;
    if (best.ms < 0) {
        best = m;
        return true;
    }
    if (m.ms < best.ms) {
        best.ms = m.ms;
        best.pageFaults = m.pageFaults;
    }
    best.cpuMs = qMin(best.cpuMs, m.cpuMs);
    return true;
}

// The stages one by one, after the measured run.
void printStages(const Page &page, const Document &document, const Measured &measured)
{
    QElapsedTimer timer;
    timer.start();
    for (const PhotoFrame &f : page.frames)
        f.fullImage(document.source);
    const qint64 decode = timer.restart();
    const QImage image = JpegExport::pageImage(page);
    const qint64 draw = timer.restart();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    JpegRowEncoder encoder(&buffer, image.size(), 80, image.dotsPerMeterX(), image.dotsPerMeterY());
    encoder.append(image);
    static_cast<void>(encoder.finish());
    const qint64 encode = timer.elapsed();
    std::fprintf(stderr,
                 "stages: decode %lld ms (one after another), page image (decode on workers, clear, draw) "
                 "%lld ms, encode %lld ms; %ld page faults (%.0f MB) in the measured export\n",
                 decode, draw, encode, measured.pageFaults, measured.pageFaults * 4096.0 / 1e6);
}

} // namespace

static int runExport(const QStringList &arguments)
{
    QStringList args = arguments;
    const bool detail = args.removeAll(QStringLiteral("--detail")) > 0;
    const bool landscape = args.removeAll(QStringLiteral("--turned")) > 0;
    const bool adobe = args.removeAll(QStringLiteral("--adobe")) > 0;
    QSize paper;
    const int paperAt = args.indexOf(QStringLiteral("--paper"));
    if (paperAt >= 0 && paperAt + 1 < args.size()) {
        const QStringList wh = args.at(paperAt + 1).split(QLatin1Char('x'));
        if (wh.size() == 2)
            paper = QSize(wh.at(0).toInt(), wh.at(1).toInt());
        args.erase(args.begin() + paperAt, args.begin() + paperAt + 2);
        if (paper.isEmpty()) {
            std::fprintf(stderr, "export: --paper wants WxH in millimetres\n");
            return 2;
        }
    }
    const QString plainDir = QDir::temp().filePath(landscape ? QStringLiteral("velmora-export-turned")
                                                             : QStringLiteral("velmora-export-upright"));
    const QString dir = !args.isEmpty() ? args.first() : adobe ? plainDir + QStringLiteral("-adobe") : plainDir;
    const QStringList files = benchPhotos(dir, landscape, adobe);
    if (files.isEmpty())
        return 1;

    const BufferReuse reuse;
    Document document;
    if (!arrangePage(document, files, paper))
        return 1;
    const Page &page = document.page(0);
    QTemporaryDir out;
    const QString file = out.filePath(QStringLiteral("page001.jpg"));

    // Adobe RGB photographs are weighed against the same page of untagged
    // ones, in this run: the two exported in turn, five times, the best of
    // each kept (the difference is small beside the machine's noise).
    const bool compare = adobe && args.isEmpty();
    Document plainDocument;
    if (compare && !arrangePage(plainDocument, benchPhotos(plainDir, landscape, false), paper))
        return 1;
    const int rounds = compare ? 5 : 1;
    Measured measured;
    Measured plain;
    for (int round = 0; round < rounds; ++round) {
        if (compare && !keepBest(plain, exportOnce(plainDocument.page(0), file)))
            return 1;
        if (!keepBest(measured, exportOnce(page, file)))
            return 1;
    }
    const double peak = BenchCommand::peakMegabytes();
    if (detail)
        printStages(page, document, measured);
    int turned = 0;
    for (const PhotoFrame &f : page.frames)
        turned += f.turned ? 1 : 0;
    std::printf("export: %lld ms per page, %.0f MB peak, %d of %d frames turned, %.0f ms processor time\n",
                measured.ms, peak, turned, int(page.frames.size()), measured.cpuMs);
    if (compare)
        std::printf("colour: untagged %lld ms (%.0f ms processor), Adobe RGB %lld ms (%.0f ms processor): "
                    "%.2f x wall, %.2f x processor, best of %d in turn\n",
                    plain.ms, plain.cpuMs, measured.ms, measured.cpuMs, double(measured.ms) / plain.ms,
                    measured.cpuMs / plain.cpuMs, rounds);
    return 0;
}

static BenchCommand exportCommand("export", "export [DIR] [--turned] [--adobe] [--paper WxH] [--detail]", runExport);
