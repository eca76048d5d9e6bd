// The print aids below the widgets: the resolution a frame's photograph
// prints at, and the trim marks, checked on rendered pixels.
#include "arrange/CutGuides.h"
#include "arrange/PageRenderer.h"
#include "arrange/PrintResolution.h"
#include "library/ImageFile.h"
#include "tests/TestPhoto.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Whether the straight mark `l` reaches into `r`.
bool reaches(const QLineF &l, const QRectF &r)
{
    return qMin(l.x1(), l.x2()) < r.right() && qMax(l.x1(), l.x2()) > r.left() && qMin(l.y1(), l.y2()) < r.bottom()
           && qMax(l.y1(), l.y2()) > r.top();
}

// No mark of `lines` comes closer than the gap to a photograph of `page`.
void verifyClearOfPhotos(const Page &page, const QVector<QLineF> &lines)
{
    for (const QLineF &l : lines)
        for (const PhotoFrame &f : page.frames)
            if (!f.isEmpty())
                QVERIFY(!reaches(l, QRectF(f.x, f.y, f.width, f.height).adjusted(-99, -99, 99, 99)));
}

} // namespace

class TestPrintAids : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;

    QString photo(int w, int h, QColor color = Qt::blue)
    {
        return writeTestJpeg(dir.filePath(QStringLiteral("%1x%2.jpg").arg(w).arg(h)), w, h, color);
    }

    // A frame of fw x fh (1/100 mm) at (x, y) showing a w x h photograph,
    // filled or fitted as the arrangement does it.
    PhotoFrame frame(int x, int y, int fw, int fh, int w, int h, bool fill = true)
    {
        PhotoFrame f = arrangedFrame(photo(w, h), fw, fh, fill);
        f.x = x;
        f.y = y;
        return f;
    }

    // A4 with 5 mm margins and two photographs 20 mm apart.
    Page twoPhotoPage()
    {
        Page page;
        page.width = 21000;
        page.height = 29700;
        page.left = page.top = page.right = page.bottom = 500;
        page.frames << frame(2000, 2000, 10000, 7000, 1500, 1050) << frame(2000, 11000, 10000, 7000, 1500, 1050);
        PhotoFrame empty;
        empty.x = 14000;
        empty.y = 2000;
        empty.width = empty.height = 5000;
        page.frames << empty;
        return page;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void effectivePpi_data()
    {
        QTest::addColumn<int>("frameWidth");
        QTest::addColumn<int>("frameHeight");
        QTest::addColumn<int>("photoWidth");
        QTest::addColumn<int>("photoHeight");
        QTest::addColumn<bool>("fill");
        QTest::addColumn<double>("ppi");
        QTest::addColumn<bool>("low");
        // 300 x 200 across a 100 x 150 mm frame: 300 pixels over 150 mm.
        QTest::newRow("300x200 in 100x150 mm, turned") << 10000 << 15000 << 300 << 200 << true << 300 / (150 / 25.4)
                                                      << true;
        QTest::newRow("3000x2000 in 100x150 mm") << 10000 << 15000 << 3000 << 2000 << true << 3000 / (150 / 25.4)
                                                 << false;
        // Filling a square frame uses the photograph's short side.
        QTest::newRow("1200x800 filling 100 mm square") << 10000 << 10000 << 1200 << 800 << true << 800 / (100 / 25.4)
                                                        << false;
        // Fitted, the long side spans the frame; the white bands do not
        // make it sharper.
        QTest::newRow("1200x800 fitted in 254 mm square") << 25400 << 25400 << 1200 << 800 << false << 120.0 << true;
        QTest::newRow("just below the limit") << 2540 << 2540 << 149 << 149 << true << 149.0 << true;
        QTest::newRow("at the limit") << 2540 << 2540 << 150 << 150 << true << 150.0 << false;
    }

    void effectivePpi()
    {
        QFETCH(int, frameWidth);
        QFETCH(int, frameHeight);
        QFETCH(int, photoWidth);
        QFETCH(int, photoHeight);
        QFETCH(bool, fill);
        QFETCH(double, ppi);
        QFETCH(bool, low);
        const PhotoFrame f = frame(0, 0, frameWidth, frameHeight, photoWidth, photoHeight, fill);
        QVERIFY(qAbs(PrintResolution::effectivePpi(f) - ppi) < 0.5);
        QCOMPARE(PrintResolution::isLow(f), low);
    }

    void renderedMarksNeverTouchPhotos()
    {
        const Page page = twoPhotoPage();
        // 0.1 mm per pixel: the printable area 200 x 287 mm.
        const QSize size(2000, 2870);
        const auto render = [&](bool guides) {
            QImage img(size, QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            RenderOptions options;
            options.printFrame = false;
            options.creditText.clear();
            options.cutGuides = guides;
            PageRenderer::drawPage(p, page, QRectF(QPointF(0, 0), size), options);
            return img;
        };
        const QImage plain = render(false);
        const QImage marked = render(true);
        QVector<QRect> photos;
        for (const PhotoFrame &f : page.frames)
            if (!f.isEmpty())
                photos << QRect((f.x - page.left) / 10, (f.y - page.top) / 10, f.width / 10, f.height / 10);
        int changed = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                if (plain.pixel(x, y) == marked.pixel(x, y))
                    continue;
                ++changed;
                QVERIFY2(qGray(plain.pixel(x, y)) == 255, "a mark was drawn over a photograph");
                for (const QRect &r : photos)
                    QVERIFY2(!r.adjusted(-8, -8, 8, 8).contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                QVERIFY(qGray(marked.pixel(x, y)) < 80);
            }
        // Sixteen marks of 30 pixels, one pixel wide.
        QVERIFY2(changed >= 16 * 28 && changed <= 16 * 31 * 2, qPrintable(QString::number(changed)));
        // The mark continuing the first photograph's top edge to the left.
        const int top = (2000 - 500) / 10;
        const int left = (2000 - 500) / 10;
        QVERIFY(qGray(marked.pixel(left - 25, top)) < 80 || qGray(marked.pixel(left - 25, top - 1)) < 80);
        QCOMPARE(qGray(marked.pixel(left - 5, top)), 255);
    }
};

QTEST_MAIN(TestPrintAids)
#include "test_printaids.moc"
