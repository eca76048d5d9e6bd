// The page canvas fitted to its panel, zoomed, on a screen of device pixel
// ratio 2, with the low-resolution badge and the trim marks.
#include "DockFixture.h"

#include "arrange/CanvasView.h"
#include "arrange/FrameWidget.h"
#include "arrange/PageCanvas.h"

#include <QApplication>
#include <QMimeData>
#include <QScrollBar>
#include <QtTest>

namespace {

// Two frames of 100 x 150 mm side by side on A4.
Page a4TwoTall()
{
    Page t;
    t.width = 21000;
    t.height = 29700;
    t.title = QStringLiteral("2 100x150 mm");
    for (int i = 0; i < 2; ++i) {
        PhotoFrame f;
        f.x = 300 + i * 10400;
        f.y = 1000;
        f.width = 10000;
        f.height = 15000;
        t.frames << f;
    }
    return t;
}

bool isBadgeRed(QRgb c) { return qRed(c) > 170 && qGreen(c) < 40 && qBlue(c) < 40; }

} // namespace

class TestCanvasFit : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    QStringList photos;

    FrameWidget *frameWidget(Arrange &dock, int index) { return frameWidgetAt(dock, index); }

    // The dock shown at `size`, active, with its canvas laid out.
    void show(Arrange &dock, QSize size)
    {
        dock.resize(size);
        dock.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dock));
        QApplication::setActiveWindow(&dock);
        QVERIFY(QTest::qWaitForWindowActive(&dock));
    }

    // The two photographs in the two tall frames.
    void arrangeTall(Arrange &dock)
    {
        arrangeFiles(dock, {});
        dock.document().templatePage = a4TwoTall();
        QVector<IconItem> items(2);
        items[0].fileName = photos[0];
        items[1].fileName = photos[1];
        dock.engine()->arrangeAll(items);
    }

    // Frame widgets at their frames' places at the canvas's scale.
    void verifyPlaced(Arrange &dock)
    {
        const int d = dock.canvasDivisor();
        for (FrameWidget *w : dock.frameWidgets()) {
            const PhotoFrame &f = dock.page(dock.currentPageIndex()).frames.at(w->frameIndex);
            QCOMPARE(w->divisor, d);
            QCOMPARE(w->geometry(), QRect(f.x / d, f.y / d, f.width / d, f.height / d));
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        photos << writePhoto(dir, "small.jpg", Qt::green, 300, 200) << writePhoto(dir, "large.jpg", Qt::blue, 3000, 2000);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }

    void wholePageFillsThePanelHeight()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        show(dock, QSize(1600, 1000));
        const QSize room = dock.canvasView()->maximumViewportSize();
        // A4 is taller than the panel is wide-for-its-height: the height
        // decides, and the whole page is in sight without scrolling.
        QTRY_VERIFY(dock.canvasArea()->height() > room.height() * 0.95);
        QVERIFY(dock.canvasArea()->height() <= room.height());
        QVERIFY(dock.canvasArea()->width() <= room.width());
        QVERIFY(!dock.canvasView()->verticalScrollBar()->isVisible());
        QCOMPARE(dock.canvasDivisor(), (29700 + room.height() - 8 - 1) / (room.height() - 8));
        verifyPlaced(dock);
    }

    void followsResizesNeverBelowFiveHundred_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("divisor");
        QTest::newRow("large") << QSize(1600, 1200) << 0;
        QTest::newRow("small") << QSize(1000, 700) << 0;
        // Too small for 500 pixels: the canvas stays at 500 and scrolls.
        QTest::newRow("tiny") << QSize(500, 300) << 59;
    }

    void followsResizesNeverBelowFiveHundred()
    {
        QFETCH(QSize, size);
        QFETCH(int, divisor);
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        show(dock, QSize(1600, 1000));
        const int before = dock.canvasDivisor();
        dock.resize(size);
        const QSize room = dock.canvasView()->maximumViewportSize();
        if (divisor == 0)
            QTRY_VERIFY(dock.canvasArea()->height() > room.height() * 0.95 && dock.canvasArea()->height() <= room.height());
        else
            QTRY_COMPARE(dock.canvasDivisor(), divisor);
        QVERIFY(qMax(dock.canvasArea()->width(), dock.canvasArea()->height()) >= CanvasView::MinLongSide);
        QVERIFY(size.height() > 1000 ? dock.canvasDivisor() < before : dock.canvasDivisor() >= before);
        verifyPlaced(dock);
    }

    void ctrlWheelAndKeysZoom()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        show(dock, QSize(1200, 900));
        const int fit = dock.canvasDivisor();
        FrameWidget *w = frameWidget(dock, 0);
        w->setFocus();
        QTRY_VERIFY(w->hasFocus());

        // A plain wheel scrolls; only with Ctrl it zooms. (A wheel over a
        // frame reaches the view's area as the frames leave it unused.)
        QWidget *area = dock.canvasView()->viewport();
        const QPoint at = area->rect().center();
        QWheelEvent plain(at, area->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(area, &plain);
        QCOMPARE(dock.canvasDivisor(), fit);
        QWheelEvent ctrl(at, area->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(area, &ctrl);
        QVERIFY(dock.canvasDivisor() < fit);
        const int zoomed = dock.canvasDivisor();

        w = frameWidget(dock, 0); // the same widget: a zoom does not rebuild the page
        QVERIFY(w && w->hasFocus());
        QTest::keyClick(w, Qt::Key_Equal, Qt::ControlModifier);
        QVERIFY(dock.canvasDivisor() < zoomed);
        QTest::keyClick(w, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(dock.canvasDivisor() > zoomed);
        QTest::keyClick(w, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(dock.canvasDivisor(), fit);
        // Zooming out stops at the 500-pixel page.
        for (int i = 0; i < 20; ++i)
            QTest::keyClick(w, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(dock.canvasDivisor(), 29700 / CanvasView::MinLongSide);
        QTest::keyClick(w, Qt::Key_0, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(dock.canvasDivisor() < fit);
        verifyPlaced(dock);
    }

    void framesWorkAtAnyZoom()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        show(dock, QSize(1200, 900));
        dock.canvasView()->zoomIn();
        dock.canvasView()->zoomIn();
        verifyPlaced(dock);
        QTest::mouseClick(frameWidget(dock, 1), Qt::LeftButton);
        QCOMPARE(dock.selection().frames, QVector<bool>({false, true, false, false}));
        QTest::keyClick(frameWidget(dock, 1), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(dock.selection().frames, QVector<bool>({false, true, true, false}));
        // A drop of a file on the zoomed canvas fills the frame.
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(photos[1])});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frameWidget(dock, 3), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frameWidget(dock, 3), &drop);
        QCOMPARE(dock.page(0).frames[3].fileName, photos[1]);
        QApplication::processEvents();
        verifyPlaced(dock);
    }

    void picturesAtScreenDensity()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        show(dock, QSize(1200, 900));
        FrameWidget *w = frameWidget(dock, 1);
        QCOMPARE(w->devicePixelRatioF(), 2.0);
        const QList<QSize> sizes = w->icon().availableSizes();
        QCOMPARE(sizes.size(), 1);
        QCOMPARE(sizes.first(), w->minimumSize() * 2);
        QCOMPARE(w->iconSize(), w->minimumSize());
    }

    void lowResolutionBadge()
    {
        // A 300 x 200 photograph across a 100 x 150 mm frame prints at 50
        // ppi; 3000 x 2000 at 508.
        Document dockPages;
        Arrange dock(dockPages);
        arrangeTall(dock);
        show(dock, QSize(1200, 900));
        FrameWidget *soft = frameWidget(dock, 0);
        FrameWidget *sharp = frameWidget(dock, 1);
        QCOMPARE(soft->lowPpi(), 50);
        QCOMPARE(sharp->lowPpi(), 0);
        QVERIFY(sharp->badgeRect().isEmpty());
        QVERIFY(soft->toolTip().contains(QLatin1String("50 ppi")));
        // Red on the green photograph where the badge is, nowhere on the
        // sharp one.
        const QImage softShot = soft->grab().toImage();
        const QRect badge(soft->badgeRect().topLeft() * 2, soft->badgeRect().size() * 2);
        QVERIFY(countIn(softShot, badge, isBadgeRed) > badge.width() * badge.height() / 4);
        const QImage sharpShot = sharp->grab().toImage();
        QCOMPARE(countIn(sharpShot, sharpShot.rect(), isBadgeRed), 0);
    }

    void trimMarksOnTheCanvas()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeTall(dock);
        show(dock, QSize(1200, 900));
        auto *canvas = qobject_cast<PageCanvas *>(dock.canvas());
        QVERIFY(canvas);
        QVERIFY(canvas->guides().isEmpty());
        dock.setCutGuides(true);
        QVERIFY(!canvas->guides().isEmpty());
        // Below the first frame, continuing its left edge: a dark line.
        const int d = dock.canvasDivisor();
        const QImage shot = canvas->grab().toImage();
        const int x = 300 / d * 2;
        int dark = 0;
        for (int y = (16000 + 150) / d * 2; y <= (16000 + 350) / d * 2; ++y)
            for (int dx = -2; dx <= 2; ++dx)
                dark += qGray(shot.pixel(x + dx, y)) < 100 ? 1 : 0;
        QVERIFY(dark > 0);
        dock.setCutGuides(false);
        QVERIFY(canvas->guides().isEmpty());
    }
};

int main(int argc, char *argv[])
{
    // A screen of twice the usual density.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    TestCanvasFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_canvasfit.moc"
