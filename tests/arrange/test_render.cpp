#include "arrange/PageRenderer.h"
#include "library/ImageFile.h"
#include "tests/TestFont.h"
#include "tests/TestPhoto.h"

#include <QImageWriter>
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

    void unreadableFrameLeavesBlankArea()
    {
        PhotoFrame f;
        f.width = f.height = 10000;
        f.fileName = dir.filePath("missing.jpg");
        f.loadImage(PreviewRule());
        QVERIFY(f.cache.preview.isNull());
        QImage img = blank(500, 500);
        QPainter p(&img);
        PageRenderer::drawPage(p, onePage(f, 10000, 10000), QRectF(0, 0, 500, 500));
        p.end();
        QCOMPARE(countIn(img, img.rect(), [](QRgb c) { return !isWhite(c); }), 0);
    }

    void fittedPhotoHasBandsAndStampInsidePhoto()
    {
        // 400 x 300 into a square frame, whole photograph: bands of 62.5
        // pixels above and below at 500 pixels for 100 mm.
        PhotoFrame f = arrangedFrame(photo("land.jpg", 400, 300, Qt::red, Qt::red), 10000, 10000, false);
        QCOMPARE(QRect(f.cropX, f.cropY, f.cropWidth, f.cropHeight), QRect(0, -50, 400, 400));
        f.stamp.printDateStamp = true;
        f.stamp.position = StampPosition(2);
        f.shotTime = QDateTime(QDate(2021, 3, 4), QTime(10, 0));
        RenderOptions noOutline;
        noOutline.printFrame = false;
        QImage img = blank(500, 500);
        QPainter p(&img);
        PageRenderer::drawPage(p, onePage(f, 10000, 10000), QRectF(0, 0, 500, 500), noOutline);
        p.end();
        QVERIFY(isWhite(img.pixel(250, 30)));
        QVERIFY(isWhite(img.pixel(250, 470)));
        QVERIFY(isRed(img.pixel(100, 100)));
        // The date: inside the photograph, 5 mm (25 pixels) from its left
        // and bottom edges, nothing in the bands or the margin strip.
        const QRect text = boxOf(img, isDark);
        QVERIFY(!text.isEmpty());
        QVERIFY2(text.left() >= 25 && text.left() < 35, qPrintable(QString::number(text.left())));
        QVERIFY2(text.bottom() <= 413 && text.bottom() > 395, qPrintable(QString::number(text.bottom())));
        // The credit line: white on the photograph, centred at the bottom of
        // the visible photograph (not in the band).
        const QRect credit = boxOf(img.copy(0, 63, 500, 374), isWhite).translated(0, 63);
        QVERIFY(!credit.isEmpty());
        QVERIFY(qAbs(credit.center().x() - 250) <= 3);
        QVERIFY(credit.bottom() < 437 && credit.bottom() > 400);

        // Without a credit text the photograph shows no white line.
        RenderOptions noCredit = noOutline;
        noCredit.creditText.clear();
        QImage plain = blank(500, 500);
        QPainter q(&plain);
        PageRenderer::drawPage(q, onePage(f, 10000, 10000), QRectF(0, 0, 500, 500), noCredit);
        q.end();
        QVERIFY(boxOf(plain.copy(0, 63, 500, 374), isWhite).isEmpty());
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
        // A date and file-name stamp of ordinary size lies whole inside its
        // frame, 5 mm from the edges; a stamp far too big for a small frame
        // is cut within that frame and does not reach the next one.
        const QString white = photo("white.jpg", 600, 400, Qt::white, Qt::white);
        PhotoFrame normal = arrangedFrame(white, 15000, 10000, true);
        normal.stamp.printFileName = true;
        normal.stamp.printDateStamp = true;
        normal.shotTime = QDateTime(QDate(2021, 12, 31), QTime(10, 0));
        normal.fileName = dir.filePath("IMG_20211231_235959.jpg");
        normal.stamp.font = QFont(QStringLiteral("Courier"), 10, QFont::Bold);
        for (int position : {0, 3, 4, 7}) {
            normal.stamp.position = StampPosition(position);
            // 0.03 mm a pixel, as the JPEG export draws.
            QImage img = blank(5000, 3334);
            QPainter p(&img);
            PageRenderer::drawPage(p, onePage(normal, 15000, 10000), QRectF(0, 0, 5000, 3334));
            p.end();
            const QRect text = boxOf(img, isDark);
            QVERIFY(!text.isEmpty());
            const int pad = 500 / 3 - 2;
            QVERIFY2(text.left() >= pad && text.top() >= pad && text.right() <= 5000 - pad
                         && text.bottom() <= 3334 - pad,
                     qPrintable(QStringLiteral("position %1: %2,%3 %4x%5").arg(position).arg(text.x()).arg(text.y())
                                    .arg(text.width()).arg(text.height())));
        }

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

    void turnedPhotographLiesAcross()
    {
        // A portrait photograph, red top and blue bottom, in a landscape
        // frame is turned a quarter anticlockwise: red on the left.
        PhotoFrame f = arrangedFrame(photo("portrait.jpg", 300, 400, Qt::red, Qt::blue), 15000, 10000, true);
        QVERIFY(f.turned);
        QImage img = blank(600, 400);
        QPainter p(&img);
        PageRenderer::drawPage(p, onePage(f, 15000, 10000), QRectF(0, 0, 600, 400));
        p.end();
        QVERIFY(isRed(img.pixel(100, 100)));
        QVERIFY(isBlue(img.pixel(500, 100)));
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

    void marginsPutThePrintableCornerOnTheArea()
    {
        PhotoFrame f = arrangedFrame(photo("blue.jpg", 200, 200, Qt::blue, Qt::blue), 5000, 5000, true);
        f.x = 1000;
        f.y = 2000;
        Page page = onePage(f, 12000, 14000);
        page.left = 1000;
        page.right = 1000;
        page.top = 2000;
        page.bottom = 2000;
        QImage img = blank(300, 300);
        QPainter p(&img);
        p.setWindow(0, 0, 200, 200);
        p.setViewport(50, 50, 200, 200);
        // Printable 100 mm over a window 200 wide: 50 per unit; the frame
        // fills the window's top-left quarter, 50..150 on the image.
        PageRenderer::drawPage(p, page);
        p.end();
        QVERIFY(isBlue(img.pixel(60, 60)));
        QVERIFY(isBlue(img.pixel(140, 140)));
        QVERIFY(!isBlue(img.pixel(160, 100)));
        QVERIFY(!isBlue(img.pixel(40, 60)));
    }

    void outlineFollowsPrintFrame()
    {
        PhotoFrame f = arrangedFrame(photo("white.jpg", 200, 200, Qt::white, Qt::white), 5000, 5000, true);
        f.x = 2500;
        f.y = 2500;
        for (bool outline : {true, false}) {
            RenderOptions options;
            options.printFrame = outline;
            QImage img = blank(500, 500);
            QPainter p(&img);
            PageRenderer::drawPage(p, onePage(f, 10000, 10000), QRectF(0, 0, 500, 500), options);
            p.end();
            // The outline's outer half shows around the photograph.
            const int grey = countIn(img, QRect(120, 124, 5, 250), [](QRgb c) { return !isWhite(c); });
            QCOMPARE(grey > 0, outline);
        }
    }

    void fileNameTexts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("withDate");
        QTest::addColumn<QString>("text");
        const QString date = QLocale::system().toString(QDate(2020, 5, 6), QLocale::ShortFormat);
        QTest::newRow("jpg") << "/photos/IMG_0001.JPG" << false << "IMG_0001";
        QTest::newRow("two dots") << "/a.b/archive.tar.gz" << false << "archive.tar";
        QTest::newRow("no dot, date") << "/docs/README" << true << QString("README\n" + date);
        QTest::newRow("dot folder") << "/x.y/photo" << false << "photo";
    }

    void fileNameTexts()
    {
        QFETCH(QString, path);
        QFETCH(bool, withDate);
        QFETCH(QString, text);
        PhotoFrame f;
        f.fileName = path;
        f.stamp.printFileName = true;
        f.stamp.printDateStamp = withDate;
        f.shotTime = QDateTime(QDate(2020, 5, 6), QTime(12, 0));
        QCOMPARE(PageRenderer::stampText(f), text);
    }

    void creditFollowsLanguage()
    {
        QCOMPARE(RenderOptions::creditFor(QStringLiteral("ru")), QStringLiteral("Напечатано в Velmora"));
        QCOMPARE(RenderOptions::creditFor(QStringLiteral("en")), QStringLiteral("Printed with Velmora"));
    }

    void sameAtAnyResolution()
    {
        // 150 and 600 dpi renderings of the same page, the second reduced to
        // the first's size, differ by little more than smoothing.
        PhotoFrame f = arrangedFrame(photo("pic.jpg", 800, 600, Qt::red, Qt::blue), 9000, 6000, false);
        f.x = 500;
        f.y = 500;
        f.stamp.printDateStamp = true;
        f.stamp.printFileName = true;
        f.shotTime = QDateTime(QDate(2019, 7, 8), QTime(9, 0));
        f.stamp.position = StampPosition(5);
        Page page = onePage(f, 10000, 10000);
        const int small = qRound(100 / 25.4 * 150);
        QImage a = blank(small, small, 150);
        QImage b = blank(small * 4, small * 4, 600);
        for (QImage *img : {&a, &b}) {
            QPainter p(img);
            PageRenderer::drawPage(p, page, QRectF(0, 0, img->width(), img->height()));
        }
        const QImage reduced = b.scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        qint64 diff = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                diff += qAbs(qGray(a.pixel(x, y)) - qGray(reduced.pixel(x, y)));
        const double mean = double(diff) / (a.width() * a.height());
        QVERIFY2(mean < 4.0, qPrintable(QString::number(mean)));
        // The text has the same extent at both resolutions.
        const QRect ta = boxOf(a, isDark);
        const QRect tb = boxOf(reduced, isDark);
        QVERIFY(!ta.isEmpty());
        QVERIFY(qAbs(ta.width() - tb.width()) <= 3 && qAbs(ta.height() - tb.height()) <= 3);
    }

    void thumbnailShowsFramesFromPreviews()
    {
        PhotoFrame filledFrame = arrangedFrame(photo("t.jpg", 300, 200, Qt::blue, Qt::blue), 10000, 6000, true);
        PhotoFrame empty;
        empty.y = 8000;
        empty.width = 10000;
        empty.height = 6000;
        Page page;
        page.width = 21000;
        page.height = 29700;
        page.frames = {filledFrame, empty};
        const QImage t = PageRenderer::pageThumbnail(page, 70, 100, 297);
        QCOMPARE(t.size(), QSize(70, 100));
        QCOMPARE(QColor(t.pixel(0, 50)), QColor(Qt::green));
        QVERIFY(isBlue(t.pixel(15, 10)));
        QVERIFY(isWhite(t.pixel(15, 37)));
        QCOMPARE(QColor(t.pixel(15, 26)), QColor(Qt::gray)); // empty frame's edge
    }
};

QTEST_MAIN(TestRender)
#include "test_render.moc"
