#include "arrange/PageRenderer.h"
#include "library/ImageFile.h"
#include "tests/TestFont.h"
#include "tests/TestPhoto.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage blank(int w, int h, int dpi = 96)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setDotsPerMeterX(qRound(dpi / 0.0254));
    img.setDotsPerMeterY(qRound(dpi / 0.0254));
    return img;
}

// A one-frame page without margins: frame and paper of w x h (1/100 mm).
Page onePage(const PhotoFrame &frame, int w, int h)
{
    Page page;
    page.width = w;
    page.height = h;
    page.frames = {frame};
    return page;
}

} // namespace

class TestRender : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;

    // A JPEG of w x h: the top half `top`, the bottom half `bottom`.
    QString photo(const QString &name, int w, int h, QColor top, QColor bottom)
    {
        QImage img = testPicture(w, h, bottom);
        QPainter(&img).fillRect(0, 0, w, h / 2, top);
        const QString path = dir.filePath(name);
        saveTestJpeg(img, path, 95);
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(!useTestFont().isEmpty());
    }

    // Every frame carries the logo; drawn again after the logo file was
    // replaced, the frames show the new one.
    void logoOnEveryFrameFollowsItsFile()
    {
        const QString logoPath = dir.filePath("logo.png");
        const auto writeLogo = [&](int side, QColor colour) {
            QImage logo(side, side, QImage::Format_RGB32);
            logo.fill(colour);
            QVERIFY(logo.save(logoPath, "PNG"));
        };
        PhotoFrame f = arrangedFrame(photo("white.jpg", 400, 400, Qt::white, Qt::white), 5000, 5000, true);
        f.logo.printLogo = true;
        f.logo.fileName = logoPath;
        f.logo.size = 50;
        f.logo.horizontal = LogoPlace(1);
        f.logo.vertical = LogoPlace(1);
        Page page = onePage(f, 10000, 5000);
        PhotoFrame second = f;
        second.x = 5000;
        page.frames << second;
        RenderOptions noOutline;
        noOutline.printFrame = false;
        const auto draw = [&] {
            QImage img = blank(500, 250);
            QPainter p(&img);
            PageRenderer::drawPage(p, page, QRectF(0, 0, 500, 250), noOutline);
            return img;
        };
        writeLogo(20, Qt::red);
        QImage img = draw();
        QVERIFY(isRed(img.pixel(125, 125)));
        QVERIFY(isRed(img.pixel(375, 125)));
        writeLogo(30, Qt::blue);
        img = draw();
        QVERIFY(isBlue(img.pixel(125, 125)));
        QVERIFY(isBlue(img.pixel(375, 125)));
    }

    void stampsStayWithinTheirFrame()
    {
        // A stamp far too big for a small frame is cut within that frame and
        // does not reach the next one (where a stamp lies inside the
        // photograph is the stamp test's).
        const QString white = photo("white.jpg", 600, 400, Qt::white, Qt::white);
        // The small frame is drawn last, its text set to the right: what
        // does not fit would run over the frame drawn before it.
        PhotoFrame before = arrangedFrame(white, 3000, 4000, true);
        PhotoFrame small = arrangedFrame(white, 3000, 4000, true);
        small.x = 3000;
        small.stamp.printFileName = true;
        small.stamp.position = StampPosition(1);
        small.fileName = dir.filePath("A_VERY_LONG_NAME_OF_A_PHOTOGRAPH.jpg");
        small.stamp.font = QFont(QStringLiteral("DejaVu Sans"), 40);
        Page page = onePage(before, 6000, 4000);
        page.frames << small;
        QImage img = blank(600, 400);
        QPainter p(&img);
        PageRenderer::drawPage(p, page, QRectF(0, 0, 600, 400));
        p.end();
        QVERIFY(countIn(img, QRect(300, 0, 300, 400), isDark) > 0);
        QCOMPARE(countIn(img, QRect(0, 0, 298, 400), isDark), 0);
    }

    // Photographs that turn (by their rotation, by the frame, or both) are
    // turned in whole quarter turns and then scaled; the result is what one
    // transform that turns, cuts and scales at once draws.
    void turningMatchesOneTransform_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<bool>("turned");
        for (int rotation : {0, 90, 180, 270})
            for (bool turned : {false, true})
                QTest::addRow("rotation %d%s", rotation, turned ? ", turned" : "") << rotation << turned;
    }

    void turningMatchesOneTransform()
    {
        QFETCH(int, rotation);
        QFETCH(bool, turned);
        // Four quarters of different colours and a gradient, so that a
        // wrong turn or a shifted crop shows.
        QImage decoded(240, 160, QImage::Format_RGB32);
        for (int y = 0; y < decoded.height(); ++y)
            for (int x = 0; x < decoded.width(); ++x)
                decoded.setPixel(x, y, qRgb(x < 120 ? 40 + x : 250 - x / 2, y < 80 ? 30 + 2 * y : 220 - y, (x + y) / 2));
        PhotoFrame f;
        f.fileName = QStringLiteral("quarters.jpg");
        f.cache.preview = QImage(4, 4, QImage::Format_RGB32);
        f.rotation = rotation;
        f.turned = turned;
        const bool across = rotation % 180 == 90;
        f.imageWidth = across ? 160 : 240;
        f.imageHeight = across ? 240 : 160;
        // An off-centre crop inside the photograph as its rotation leaves it.
        f.cropX = 13;
        f.cropY = 21;
        f.cropWidth = across ? 120 : 200;
        f.cropHeight = across ? 190 : 110;
        const QSize shown = turned ? QSize(f.cropHeight, f.cropWidth) : QSize(f.cropWidth, f.cropHeight);
        f.width = shown.width() * 100;
        f.height = shown.height() * 100;
        const double scale = 100.0 / 1.37; // the photograph enlarged 1.37 times
        RenderOptions options;
        options.printFrame = false;
        options.creditText.clear();
        const QRectF r = PageRenderer::frameRect(f, scale, -3.25, -2.5);

        QImage expected = blank(360, 360);
        {
            QPainter p(&expected);
            p.setClipRect(r);
            p.setTransform(PageRenderer::photoTransform(f, decoded.size(), r));
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            const QRectF crop(f.cropX, f.cropY, f.cropWidth, f.cropHeight);
            const QRectF source = PageRenderer::rotationTransform(rotation, decoded.size()).inverted().mapRect(crop);
            p.drawImage(source, decoded, source);
        }
        QImage drawn = blank(360, 360);
        {
            QPainter p(&drawn);
            PageRenderer::drawFrame(p, f, decoded, scale, -3.25, -2.5, options);
        }
        qint64 diff = 0;
        int worst = 0;
        const QRect inside = r.toAlignedRect().adjusted(3, 3, -3, -3); // edges sample differently
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QRgb a = expected.pixel(x, y), b = drawn.pixel(x, y);
                const int d = qMax(qAbs(qRed(a) - qRed(b)), qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
                diff += d;
                worst = qMax(worst, d);
            }
        const double mean = double(diff) / (inside.width() * inside.height());
        QVERIFY2(mean < 0.5 && worst <= 8, qPrintable(QStringLiteral("mean %1, worst %2").arg(mean).arg(worst)));
    }
};

QTEST_MAIN(TestRender)
#include "test_render.moc"
