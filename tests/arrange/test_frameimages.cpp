#include "arrange/FrameImages.h"
#include "arrange/PageRenderer.h"
#include "library/JpegProfile.h"
#include "library/JpegStripReader.h"
#include "library/ProfileReader.h"
#include "tests/TestPhoto.h"

#include <QBuffer>
#include <QDir>
#include <QHash>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Counts the openings of the files of one folder, as the kernel reports
// them: every decoding that reads a photograph from disk opens its file once.
class OpenWatch
{
public:
    explicit OpenWatch(const QString &folder)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (m_fd >= 0)
            m_watch = inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_OPEN);
    }
    ~OpenWatch()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    OpenWatch(const OpenWatch &) = delete;
    OpenWatch &operator=(const OpenWatch &) = delete;

    bool isValid() const { return m_fd >= 0 && m_watch >= 0; }

    // How often the file named `name` (no folder) was opened so far.
    int opens(const QString &name)
    {
        drain();
        return m_opens.value(name);
    }
    int totalOpens()
    {
        drain();
        int n = 0;
        for (int v : qAsConst(m_opens))
            n += v;
        return n;
    }

private:
    void drain()
    {
        alignas(inotify_event) char buffer[8192];
        for (;;) {
            const ssize_t n = read(m_fd, buffer, sizeof buffer);
            if (n <= 0)
                return;
            for (const char *p = buffer; p < buffer + n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(p);
                if (event->len > 0)
                    ++m_opens[QFile::decodeName(event->name)];
                p += sizeof(inotify_event) + event->len;
            }
        }
    }

    int m_fd = -1;
    int m_watch = -1;
    QHash<QString, int> m_opens;
};

// A frame showing the file `path`: the preview only marks it as filled,
// the file's bytes are not held, so decoding reads the file.
PhotoFrame frameShowing(const QString &path)
{
    PhotoFrame f;
    f.width = 10000;
    f.height = 10000;
    f.fileName = path;
    f.cache.preview = QImage(8, 6, QImage::Format_RGB32);
    f.cache.preview.fill(Qt::gray);
    return f;
}

bool sameColour(const QImage &img, QColor colour)
{
    const QColor c = img.pixelColor(img.width() / 2, img.height() / 2);
    return qAbs(c.red() - colour.red()) < 40 && qAbs(c.green() - colour.green()) < 40
           && qAbs(c.blue() - colour.blue()) < 40;
}

} // namespace

class TestFrameImages : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    const QVector<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};

    // Photographs "<prefix>0.jpg".. of w x h, one colour each, in a folder of
    // their own; returns the folder.
    QString writePhotos(const QString &prefix, int count, int w = 60, int h = 40)
    {
        const QString folder = dir.filePath(prefix);
        if (!QDir().mkpath(folder))
            return QString();
        for (int i = 0; i < count; ++i)
            if (writeTestJpeg(folder + QStringLiteral("/%1%2.jpg").arg(prefix).arg(i), w, h,
                              colours.at(i % colours.size()))
                    .isEmpty())
                return QString();
        return folder;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        OpenWatch probe(dir.path());
        if (!probe.isValid())
            QSKIP("no inotify here: file openings cannot be counted");
    }

    // Frames are decoded in order, `ahead` beyond the one taken and never
    // further; each file is read once.
    void decodesAheadWithinItsBound()
    {
        const QString folder = writePhotos("ahead", 6);
        QVERIFY(!folder.isEmpty());
        OpenWatch watch(folder);
        QVERIFY(watch.isValid());
        QVector<PhotoFrame> frames;
        QStringList names;
        for (int i = 0; i < 6; ++i) {
            names << QStringLiteral("ahead%1.jpg").arg(i);
            frames << frameShowing(folder + "/" + names.last());
        }
        const int ahead = 2;
        FrameImages images(frames, ImageSource(), ahead);
        // Before anything is taken, the first `ahead` frames are decoding.
        QTRY_COMPARE(watch.opens(names[0]), 1);
        QTRY_COMPARE(watch.opens(names[1]), 1);
        for (int j = 2; j < 6; ++j)
            QCOMPARE(watch.opens(names[j]), 0);

        for (int k = 0; k < 6; ++k) {
            const QImage img = images.take(k).image;
            QVERIFY2(!img.isNull(), qPrintable(names[k]));
            QCOMPARE(img.size(), QSize(60, 40));
            QVERIFY2(sameColour(img, colours[k]), qPrintable(names[k]));
            // Taking frame k lets frame k + ahead start, and nothing beyond.
            const int last = qMin(k + ahead, 5);
            QTRY_COMPARE(watch.opens(names[last]), 1);
            for (int j = last + 1; j < 6; ++j)
                QVERIFY2(watch.opens(names[j]) == 0, qPrintable(QStringLiteral("%1 after taking %2").arg(names[j]).arg(k)));
        }
        for (const QString &name : qAsConst(names))
            QCOMPARE(watch.opens(name), 1);
        // Taken frames are not held any more; beyond the page there is nothing.
        QVERIFY(images.take(0).image.isNull());
        QVERIFY(images.take(6).image.isNull());
        QVERIFY(images.take(-1).image.isNull());
    }

    // Frames showing the same file share one decoding: the file is read
    // once and every such frame gets the same image.
    void sameFileDecodedOnce()
    {
        const QString folder = writePhotos("same", 2);
        QVERIFY(!folder.isEmpty());
        OpenWatch watch(folder);
        const QString a = folder + "/same0.jpg";
        const QString b = folder + "/same1.jpg";
        QVector<PhotoFrame> frames{frameShowing(a), frameShowing(a), frameShowing(b), frameShowing(a)};
        FrameImages images(frames, ImageSource(), 2);
        QVector<QImage> taken;
        for (int k = 0; k < frames.size(); ++k) {
            taken << images.take(k).image;
            QVERIFY(!taken.last().isNull());
        }
        QCOMPARE(watch.opens("same0.jpg"), 1);
        QCOMPARE(watch.opens("same1.jpg"), 1);
        QCOMPARE(taken[1].cacheKey(), taken[0].cacheKey());
        QCOMPARE(taken[3].cacheKey(), taken[0].cacheKey());
        QVERIFY(taken[2].cacheKey() != taken[0].cacheKey());
        QVERIFY(sameColour(taken[0], colours[0]));
        QVERIFY(sameColour(taken[2], colours[1]));
    }

    // A JPEG decoded for a page a strip at a time (reduced by the decoder,
    // cut, turned and converted as its rows arrive) is drawn as the whole
    // photograph decoded, converted and smoothly scaled into the frame is.
    void stripsDrawAsWholeDecoding_data()
    {
        QTest::addColumn<bool>("turned");
        QTest::addColumn<bool>("adobe");
        QTest::addColumn<int>("scale"); // hundredths of a millimetre a pixel
        QTest::addColumn<bool>("absolute"); // through Little CMS's own transform
        const bool relative = false;
        QTest::newRow("upright") << false << false << 40 << relative;
        QTest::newRow("upright, Adobe RGB") << false << true << 40 << relative;
        QTest::newRow("upright, Adobe RGB, absolute") << false << true << 40 << true;
        QTest::newRow("turned") << true << false << 40 << relative;
        QTest::newRow("turned, Adobe RGB") << true << true << 40 << relative;
        QTest::newRow("turned, halved") << true << false << 70 << relative;
    }
    void stripsDrawAsWholeDecoding()
    {
        QFETCH(bool, turned);
        QFETCH(bool, adobe);
        QFETCH(int, scale);
        QFETCH(bool, absolute);
        const QSize size = turned ? QSize(600, 400) : QSize(400, 600);
        QImage picture(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                picture.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(),
                                            128 + int(100 * std::sin((x + 2 * y) / 9.0))));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && QImageWriter(&buffer, "jpeg").write(picture));
        if (adobe)
            bytes = withIccProfile(bytes, ColourProfile::adobeRgb().icc());
        PhotoFrame frame = frameShowing(dir.filePath(QStringLiteral("strips%1%2.jpg").arg(turned).arg(adobe)));
        QFile file(frame.fileName);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        // A 100 x 150 mm frame showing a crop off the corner.
        frame.height = 15000;
        frame.turned = turned;
        frame.imageWidth = size.width();
        frame.imageHeight = size.height();
        frame.cropX = 40;
        frame.cropY = 30;
        frame.cropWidth = turned ? 480 : 320;
        frame.cropHeight = turned ? 320 : 480;
        ColourTarget srgb;
        srgb.profile = ColourProfile::srgb();
        srgb.intent = absolute ? RenderingIntent::Absolute : RenderingIntent::Relative;
        RenderOptions options;
        options.printFrame = false;
        options.creditText.clear();
        const auto draw = [&](const DecodedImage &decoded) {
            QImage page(10000 / scale, 15000 / scale, QImage::Format_RGB32);
            page.fill(Qt::white);
            QPainter painter(&page);
            PageRenderer::drawFrame(painter, frame, decoded, scale, 0, 0, options);
            return page;
        };
        QImage whole(frame.fileName);
        srgb.convert(whole, ProfileReader::sourceProfile(bytes));
        const QImage expected = draw(DecodedImage::whole(whole));
        FrameImages images({frame}, ImageSource(), 1, FrameImages::Turn::AsShown, 1.0 / scale, srgb);
        const DecodedImage strips = images.take(0);
        QCOMPARE(strips.image.width() * strips.image.height() < 320 * 480, scale > 50); // reduced as decoded
        const QImage drawn = draw(strips);
        double squares = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb a = drawn.pixel(x, y), b = expected.pixel(x, y);
                for (int shift : {0, 8, 16})
                    squares += std::pow(int((a >> shift) & 0xff) - int((b >> shift) & 0xff), 2);
            }
        const double psnr = 10 * std::log10(255.0 * 255 * 3 * drawn.width() * drawn.height() / qMax(squares, 1.0));
        QVERIFY2(psnr >= 45, qPrintable(QString::number(psnr)));
    }

    // Each quarter turn puts every pixel where turning the decoded image does.
    void stripsTurnAsTheImage()
    {
        QImage picture(37, 70, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x * 7, y * 3, (x * y) % 256));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && QImageWriter(&buffer, "jpeg").write(picture));
        const QImage whole = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
        for (int turns = 0; turns < 4; ++turns)
            QCOMPARE(JpegStripReader(bytes).read(QRect(), QSize(), turns, ColourTarget()).image,
                     whole.transformed(QTransform().rotate(90 * turns)));
    }

    // Destroyed while photographs are still being decoded, it waits for the
    // running decodings and drops the queued ones; nothing is left behind.
    void destroyedWhileDecoding()
    {
        const QString folder = writePhotos("busy", 6, 3000, 2000);
        QVERIFY(!folder.isEmpty());
        QVector<PhotoFrame> frames;
        for (int i = 0; i < 6; ++i)
            frames << frameShowing(folder + QStringLiteral("/busy%1.jpg").arg(i));
        {
            OpenWatch watch(folder);
            auto images = std::make_unique<FrameImages>(frames, ImageSource(), 4);
            QTRY_VERIFY(watch.totalOpens() > 0); // a decoding is under way
            images.reset();
            const int opened = watch.totalOpens();
            QVERIFY(opened <= 4);
        }
        {
            // After a frame was taken, with the next ones under way.
            FrameImages images(frames, ImageSource(), 3);
            QVERIFY(sameColour(images.take(0).image, colours[0]));
        }
        {
            // Never asked for anything.
            FrameImages images(frames, ImageSource(), 6);
        }
    }
};

QTEST_MAIN(TestFrameImages)
#include "test_frameimages.moc"
