// Crafted and oversized inputs on the way from a file to a page: headers that
// claim more pixels than memory holds, files cut short, photographs far
// larger than their frames, and layout files whose frames leave the paper.
#include "arrange/ArrangeEngine.h"
#include "arrange/Document.h"
#include "arrange/FrameImages.h"
#include "library/JpegStripReader.h"
#include "arrange/PageRenderer.h"
#include "formats/LayoutCatalogue.h"
#include "formats/LayoutFile.h"
#include "library/DecodeGate.h"
#include "library/ImageFile.h"
#include "library/ImageSource.h"
#include "tests/LayoutBytes.h"
#include "tests/TestPhoto.h"

#include <QBuffer>
#include <QDir>
#include <QtEndian>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

#include <sys/stat.h>

namespace {

QByteArray jpegBytes(const QImage &img)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "JPEG", 90);
    return bytes;
}

// A real JPEG whose frame header claims `claimed` pixels.
QByteArray claimingJpeg(const QSize &claimed)
{
    QByteArray bytes = jpegBytes(testPicture(64, 48, Qt::red));
    const int sof = bytes.indexOf("\xFF\xC0");
    if (sof < 0)
        return QByteArray();
    bytes[sof + 5] = char(claimed.height() >> 8);
    bytes[sof + 6] = char(claimed.height() & 0xFF);
    bytes[sof + 7] = char(claimed.width() >> 8);
    bytes[sof + 8] = char(claimed.width() & 0xFF);
    return bytes;
}

// A PNG chunk with its checksum.
QByteArray pngChunk(const char *type, const QByteArray &data)
{
    QByteArray chunk = QByteArray(type) + data;
    quint32 crc = 0xFFFFFFFF;
    for (const char c : chunk) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? 0xEDB88320 ^ (crc >> 1) : crc >> 1;
    }
    QByteArray out;
    QDataStream(&out, QIODevice::WriteOnly) << quint32(data.size());
    QByteArray sum;
    QDataStream(&sum, QIODevice::WriteOnly) << ~crc;
    out += chunk + sum;
    return out;
}

// A few bytes of RGBA PNG of `bits` bits a channel claiming `size` pixels.
QByteArray claimingPng(const QSize &size, int bits)
{
    QByteArray header;
    QDataStream(&header, QIODevice::WriteOnly) << quint32(size.width()) << quint32(size.height()) << quint8(bits)
                                               << quint8(6) << quint8(0) << quint8(0) << quint8(0);
    return "\x89PNG\r\n\x1a\n" + pngChunk("IHDR", header) + pngChunk("IDAT", qCompress(QByteArray(8, 0)).mid(4))
           + pngChunk("IEND", QByteArray());
}

// The header of a lossless WebP claiming `size` pixels.
QByteArray claimingWebp(const QSize &size)
{
    const quint32 bits = quint32(size.width() - 1) | quint32(size.height() - 1) << 14;
    QByteArray data = QByteArray("\x2f") + QByteArray(reinterpret_cast<const char *>(&bits), 4) + QByteArray(16, 0);
    QByteArray out = "RIFF" + QByteArray(4, 0) + "WEBPVP8L" + QByteArray(4, 0) + data;
    qToLittleEndian<quint32>(out.size() - 8, out.data() + 4);
    qToLittleEndian<quint32>(data.size(), out.data() + 16);
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// A paper of exactly the frame's size holding it.
Page pageOf(const PhotoFrame &f)
{
    Page page;
    page.width = f.width;
    page.height = f.height;
    page.frames = {f};
    return page;
}

// Only the photograph: no outline, no credit line.
RenderOptions bare()
{
    RenderOptions options;
    options.printFrame = false;
    options.creditText.clear();
    return options;
}

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void claimedGiantIsRefusedUnread()
    {
        const QByteArray bytes = claimingJpeg(QSize(60000, 60000));
        QCOMPARE(declaredSize(bytes), QSize(60000, 60000));
        const DecodedImage d = decodeRegion(bytes);
        QCOMPARE(d.fault, DecodeFault::TooLarge);
        QVERIFY(d.image.isNull());
        QVERIFY(decodeImage(bytes).isNull());
        QVERIFY(faultText(d.fault, d.stored).contains(QLatin1String("60000")));
        // Not even a preview: the frame knows why it shows nothing.
        const QString path = dir.filePath(QStringLiteral("giant.jpg"));
        writeFile(path, bytes);
        const PhotoFrame f = arrangedFrame(path, 10000, 15000, true);
        QVERIFY(f.cache.preview.isNull());
        QCOMPARE(f.cache.fault, DecodeFault::TooLarge);
    }

    void decodingsOverTheBudgetAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("over");
        QTest::newRow("16-bit PNG") << claimingPng(QSize(16000, 16000), 16) << true;
        QTest::newRow("8-bit PNG") << claimingPng(QSize(8000, 8000), 8) << false;
        QTest::newRow("lossless WebP") << claimingWebp(QSize(16383, 16383)) << true;
    }

    void decodingsOverTheBudgetAreRefused()
    {
        // Within the pixel cap, but their readers hold the whole image at 8
        // bytes a pixel.
        QFETCH(QByteArray, bytes);
        QFETCH(bool, over);
        QVERIFY(decodingBytes(bytes) > 0);
        QCOMPARE(decodingBytes(bytes) > DecodeGate::Budget, over);
        if (!over)
            return;
        QCOMPARE(decodeRegion(bytes, QRect(), QSize(100, 100)).fault, DecodeFault::OverBudget);
        const QString path = dir.filePath(QStringLiteral("over"));
        writeFile(path, bytes);
        const PhotoFrame f = arrangedFrame(path, 10000, 15000, true);
        QCOMPARE(f.cache.fault, DecodeFault::OverBudget);
        QVERIFY(faultText(f.cache.fault, QSize(f.imageWidth, f.imageHeight)).contains(QLatin1String("16")));
    }

    void frameGetsOnlyItsDevicePixels_data()
    {
        QTest::addColumn<bool>("fill");
        QTest::addColumn<int>("rotation");
        QTest::newRow("filled") << true << 0;
        QTest::newRow("fitted") << false << 0;
        QTest::newRow("filled, turned") << true << 90;
    }

    void frameGetsOnlyItsDevicePixels()
    {
        // 2400 x 1600 pixels into a frame of 30 x 20 mm at 0.3 mm a pixel:
        // 100 x 67 device pixels need no more than a pixel more from the file.
        QFETCH(bool, fill);
        QFETCH(int, rotation);
        const QString path = dir.filePath(QStringLiteral("big.jpg"));
        writeTestJpeg(path, 2400, 1600, Qt::green, CentreSquare);
        PhotoFrame f;
        f.width = 3000;
        f.height = 2000;
        f.fileName = path;
        f.rotation = rotation;
        f.loadImage(PreviewRule());
        f.turnFromImage();
        f.autoCrop(fill);
        const DecodedImage d = f.photoFor(ImageSource(), 1.0 / 30);
        QCOMPARE(d.fault, DecodeFault::None);
        QCOMPARE(d.stored, QSize(2400, 1600));
        QVERIFY2(d.image.width() <= 102 && d.image.height() <= 102,
                 qPrintable(QStringLiteral("%1x%2").arg(d.image.width()).arg(d.image.height())));
        QVERIFY(d.image.width() >= 60);
        // Without a density: the whole image.
        QCOMPARE(f.photoFor(ImageSource(), 0).image.size(), QSize(2400, 1600));
    }

    void reducedDecodingDrawsTheSamePage()
    {
        // The square in the middle lands where it lands from the full image.
        const QString path = dir.filePath(QStringLiteral("square.jpg"));
        writeTestJpeg(path, 3200, 2400, Qt::blue, CentreSquare, 95);
        const PhotoFrame f = arrangedFrame(path, 4000, 3000, true);
        const Page page = pageOf(f);
        const RenderOptions options = bare();
        QImage reduced(400, 300, QImage::Format_RGB32);
        reduced.fill(Qt::white);
        {
            QPainter p(&reduced);
            PageRenderer::drawPage(p, page, QRectF(0, 0, 400, 300), options);
        }
        QImage whole(400, 300, QImage::Format_RGB32);
        whole.fill(Qt::white);
        {
            QPainter p(&whole);
            PageRenderer::drawFrame(p, f, f.photoFor(ImageSource(), 0), 10, 0, 0, options);
        }
        int differing = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x)
                differing += qAbs(qGray(reduced.pixel(x, y)) - qGray(whole.pixel(x, y))) > 40;
        QVERIFY2(differing < 400, qPrintable(QString::number(differing)));
        QVERIFY(qGray(reduced.pixel(200, 150)) > 200);
        QVERIFY(qBlue(reduced.pixel(50, 50)) > 180 && qRed(reduced.pixel(50, 50)) < 80);
    }

    void narrowFittedFrameDrawsBandsWithoutACropImage()
    {
        // A 6000 x 4000 photograph fitted into 3 x 280 mm: its crop with the
        // bands is some 373000 x 4000 pixels; the frame is drawn from at most its device
        // pixels, the bands white, the photograph in the middle.
        const QString path = dir.filePath(QStringLiteral("wide.jpg"));
        writeTestJpeg(path, 6000, 4000, Qt::red);
        const PhotoFrame f = arrangedFrame(path, 300, 28000, false);
        QVERIFY2(qint64(f.cropWidth) * f.cropHeight > qint64(1) << 30,
                 qPrintable(QStringLiteral("%1x%2").arg(f.cropWidth).arg(f.cropHeight)));
        FrameImages images({f}, ImageSource(), 1, FrameImages::Turn::AsShown, 1.0 / 30);
        const DecodedImage d = images.take(0);
        QVERIFY2(qint64(d.image.width()) * d.image.height() <= 20 * 20,
                 qPrintable(QStringLiteral("%1x%2").arg(d.image.width()).arg(d.image.height())));
        QImage img(30, 2800, QImage::Format_RGB32);
        img.fill(Qt::black);
        {
            QPainter p(&img);
            PageRenderer::drawPage(p, pageOf(f), QRectF(img.rect()), bare());
        }
        QCOMPARE(img.pixel(15, 100), qRgb(255, 255, 255));
        QCOMPARE(img.pixel(15, 2700), qRgb(255, 255, 255));
        QVERIFY(qRed(img.pixel(15, 1400)) > 180 && qGreen(img.pixel(15, 1400)) < 80);
    }

    void truncatedJpegIsNamedDamaged()
    {
        const QByteArray whole = jpegBytes(testPicture(640, 480, Qt::yellow, TopBand));
        QVERIFY(!looksTruncated(whole));
        const QByteArray cut = whole.left(whole.size() * 2 / 3);
        QVERIFY(looksTruncated(cut));
        const QString path = dir.filePath(QStringLiteral("cut.jpg"));
        writeFile(path, cut);
        const PhotoFrame f = arrangedFrame(path, 10000, 7500, true);
        QVERIFY(!f.cache.preview.isNull());
        QCOMPARE(f.cache.fault, DecodeFault::Damaged);
        QCOMPARE(decodeRegion(cut).fault, DecodeFault::Damaged);
        QCOMPARE(JpegStripReader(cut).read(QRect(), QSize(), 1, ColourTarget()).fault, DecodeFault::Damaged);
        QVERIFY(!looksTruncated(QByteArray("\x89PNG")));
        // A whole small file whose header claims far more than its data
        // hold is damaged as well; the size it really has is not.
        QVERIFY(looksTruncated(claimingJpeg(QSize(16384, 16384))));
        QVERIFY(!looksTruncated(claimingJpeg(QSize(64, 48))));
    }

    void scanBombIsReadUpToTheLimit()
    {
        // A progressive JPEG whose last scan is repeated a thousand times:
        // the first scans are decoded, the file is named damaged.
        QByteArray bytes;
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QImageWriter writer(&buffer, "jpeg");
        writer.setProgressiveScanWrite(true);
        QVERIFY(writer.write(testPicture(320, 240, Qt::red)));
        const int last = bytes.lastIndexOf("\xFF\xDA");
        const int end = bytes.lastIndexOf("\xFF\xD9");
        QVERIFY(last > 0 && end > last);
        QVERIFY(!tooManyScans(bytes));
        const QByteArray bomb = bytes.left(end) + bytes.mid(last, end - last).repeated(1000) + "\xFF\xD9";
        QVERIFY(tooManyScans(bomb));
        const DecodedImage d = decodeRegion(bomb);
        QCOMPARE(d.fault, DecodeFault::TooManyScans);
        QVERIFY(isRed(d.image.pixel(10, 10)));
        QVERIFY(faultText(d.fault, d.stored).contains(QLatin1String("damaged")));
        const DecodedImage strips = JpegStripReader(bomb).read(QRect(), QSize(), 1, ColourTarget());
        QCOMPARE(strips.fault, DecodeFault::TooManyScans);
        QVERIFY(isRed(strips.image.pixel(10, 10)));
        const QString path = dir.filePath(QStringLiteral("bomb.jpg"));
        writeFile(path, bomb);
        const PhotoFrame f = arrangedFrame(path, 4000, 3000, true);
        QVERIFY(!f.cache.preview.isNull());
        QCOMPARE(f.cache.fault, DecodeFault::TooManyScans);
    }

    void onlyPlainImageFilesOfSomeSizeAreRead()
    {
        // A file far larger than any image (sparse: nothing is written) is
        // not read, though it begins as a JPEG; a pipe does not block; the
        // frame says why it shows nothing.
        const QString big = dir.filePath(QStringLiteral("big.jpg"));
        writeFile(big, jpegBytes(testPicture(64, 48, Qt::red)));
        QVERIFY(QFile::resize(big, ImageSource::MaxFileBytes + 1));
        const QString pipe = dir.filePath(QStringLiteral("pipe.jpg"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString text = dir.filePath(QStringLiteral("text.jpg"));
        writeFile(text, QByteArray(4096, 'x'));
        for (const QString &path : {big, pipe, text}) {
            QByteArray bytes;
            QVERIFY(!ImageSource::readPlainFile(path, bytes));
            QVERIFY(bytes.isEmpty());
            QVERIFY(readThumbnail(path, PreviewRule()).image.isNull());
            const PhotoFrame f = arrangedFrame(path, 4000, 3000, true);
            QVERIFY(f.cache.preview.isNull());
            QVERIFY(f.cache.fault != DecodeFault::None);
        }
        QVERIFY(readThumbnail(big, PreviewRule()).data.isEmpty());
    }

    void layoutFolderReadsOnlyPlainFiles()
    {
        // Links to a pipe and to an endless device, and a file too large,
        // among the layouts: none is read (nor waited for), the good one is
        // offered.
        const QString documents = dir.filePath(QStringLiteral("linked/"));
        const QString paper = QStringLiteral("Card 100 x 150 mm");
        const QString folder = LayoutFile::folderFor(documents, paper);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeLayoutBytes(folder + QStringLiteral("good.vly"), paper, QSize(10000, 15000), {QRect(0, 0, 5000, 5000)}));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("fifo")), folder + QStringLiteral("pipe.vly")));
        QVERIFY(QFile::link(QStringLiteral("/dev/urandom"), folder + QStringLiteral("random.vly")));
        QVERIFY(writeLayoutBytes(folder + QStringLiteral("huge.vly"), paper, QSize(10000, 15000), {QRect(0, 0, 5000, 5000)}));
        QVERIFY(QFile::resize(folder + QStringLiteral("huge.vly"), LayoutFile::MaxBytes + 1));
        LayoutFile read;
        QCOMPARE(LayoutFile::read(folder + QStringLiteral("pipe.vly"), read).detail(), QObject::tr("Not a regular file"));
        LayoutCatalogue::Source source;
        source.setup.width = 100;
        source.setup.height = 150;
        source.setup.borderless = true;
        source.paperName = paper;
        source.unitSuffix = QStringLiteral(" mm");
        source.documentsFolder = documents;
        LayoutCatalogue catalogue;
        catalogue.build(source);
        QVERIFY(catalogue.indexOf(QStringLiteral("good.vly")) >= 0);
        for (const QString name : {"pipe.vly", "random.vly", "huge.vly"})
            QCOMPARE(catalogue.indexOf(name), -1);
    }

    void framesOfOneFileShareAPreview_data()
    {
        QTest::addColumn<bool>("now");
        QTest::newRow("read at once") << true;
        QTest::newRow("from the workers") << false;
    }

    void framesOfOneFileShareAPreview()
    {
        // A project of many frames of one photograph holds one preview of it
        // per turn, whether read at once (command line) or handed over by
        // the workers (window).
        QFETCH(bool, now);
        const QString path = dir.filePath(QStringLiteral("shared.jpg"));
        writeTestJpeg(path, 800, 600, Qt::green);
        Page page;
        page.width = 21000;
        page.height = 29700;
        PhotoFrame f;
        f.width = 4000;
        f.height = 3000;
        f.fileName = path;
        page.frames.fill(f, 50);
        page.frames[47].rotation = page.frames.last().rotation = 90;
        Document doc;
        ArrangeEngine engine(doc);
        engine.adoptLoadedPages({page}, now);
        if (!now) {
            QSize full;
            const QImage decoded = decodePreview(ImageSource().bytes(path), PreviewRule(), &full);
            engine.takePreview(path, decoded, full);
        }
        const QVector<PhotoFrame> &frames = doc.page(0).frames;
        QVERIFY(!frames.first().cache.preview.isNull());
        QCOMPARE(frames.at(48).cache.preview.constBits(), frames.first().cache.preview.constBits());
        QCOMPARE(frames.last().cache.preview.constBits(), frames.at(47).cache.preview.constBits());
        QCOMPARE(frames.last().cache.preview.size(), frames.first().cache.preview.size().transposed());
    }

    void craftedCropsDrawWithinTheIntegers()
    {
        // A crop at the ends of the integers (refused when a project is
        // read, but a frame may be made so) draws nothing wrong.
        const QString path = dir.filePath(QStringLiteral("plain.jpg"));
        writeTestJpeg(path, 64, 48, Qt::blue);
        PhotoFrame f = arrangedFrame(path, 4000, 3000, true);
        f.cropX = std::numeric_limits<qint32>::min();
        f.cropWidth = std::numeric_limits<qint32>::max();
        Page page = pageOf(f);
        page.left = std::numeric_limits<qint32>::min();
        page.right = std::numeric_limits<qint32>::min();
        QCOMPARE(page.printableWidth(), std::numeric_limits<int>::max());
        page.left = page.right = 0;
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(Qt::black);
        QPainter p(&img);
        PageRenderer::drawPage(p, page, QRectF(img.rect()), bare());
    }

    void photoChangedOnDiskKeepsItsFrame()
    {
        // Laid out from a 400 x 300 file, drawn after the file became
        // 200 x 150: the whole frame still shows the photograph, its centre
        // square in the middle, not a small picture in a corner.
        const QString path = dir.filePath(QStringLiteral("changing.jpg"));
        writeTestJpeg(path, 400, 300, Qt::blue, CentreSquare, 95);
        PhotoFrame f = arrangedFrame(path, 4000, 3000, true);
        f.releaseData(); // beyond the budget: read again from the file
        writeTestJpeg(path, 200, 150, Qt::blue, CentreSquare, 95);
        const Page page = pageOf(f);
        for (const double density : {0.0, 0.01}) {
            QImage img(400, 300, QImage::Format_RGB32);
            img.fill(Qt::black);
            QPainter p(&img);
            FrameImages images(page.frames, ImageSource(), 1, FrameImages::Turn::AsShown, density);
            PageRenderer::drawPage(p, page, QRectF(img.rect()), images, bare());
            p.end();
            QVERIFY(qBlue(img.pixel(380, 280)) > 180 && qRed(img.pixel(380, 280)) < 80);
            QVERIFY(qGray(img.pixel(200, 150)) > 200);
            QVERIFY(qBlue(img.pixel(20, 20)) > 180 && qRed(img.pixel(20, 20)) < 80);
        }
    }

    void layoutFramesOffThePaperAreRefused_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<bool>("offered");
        QTest::newRow("on the paper") << QRect(500, 500, 9000, 13000) << true;
        QTest::newRow("off the right edge") << QRect(15000, 500, 9000, 13000) << false;
        QTest::newRow("negative place") << QRect(-100, 500, 9000, 13000) << false;
        QTest::newRow("zero size") << QRect(500, 500, 0, 13000) << false;
        QTest::newRow("end of the integers") << QRect(0, 500, std::numeric_limits<qint32>::max(), 1000) << false;
    }

    void layoutFramesOffThePaperAreRefused()
    {
        QFETCH(QRect, frame);
        QFETCH(bool, offered);
        const QString documents = dir.filePath(QStringLiteral("docs%1/").arg(QTest::currentDataTag()).replace(' ', '_'));
        LayoutCatalogue::Source source;
        source.setup.width = 100; // 100 x 150 mm, no margins
        source.setup.height = 150;
        source.setup.borderless = true;
        source.paperName = QStringLiteral("Card 100 x 150 mm");
        source.unitSuffix = QStringLiteral(" mm");
        source.documentsFolder = documents;
        QVERIFY(QDir().mkpath(LayoutFile::folderFor(documents, source.paperName)));
        const QString file = LayoutFile::folderFor(documents, source.paperName) + QStringLiteral("mine.vly");
        QVERIFY(writeLayoutBytes(file, source.paperName, QSize(10000, 15000), {QRect(0, 0, 5000, 5000), frame}));
        LayoutCatalogue catalogue;
        catalogue.build(source);
        QVERIFY(catalogue.usable());
        QCOMPARE(catalogue.indexOf(QStringLiteral("mine.vly")) >= 0, offered);
        QCOMPARE(catalogue.problems().isEmpty(), offered);
        if (!offered) {
            QVERIFY(catalogue.problems().first().contains(QDir::toNativeSeparators(file)));
            // The frame named as the file lists it: the second.
            QVERIFY2(catalogue.problems().first().contains(QLatin1String(" 2 ")), qPrintable(catalogue.problems().first()));
        }
    }
};

QTEST_MAIN(TestHostile)
#include "test_hostile.moc"
