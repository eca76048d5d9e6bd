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
    TestGrid grid;
    grid.count = 2;
    grid.frame = QSize(10000, 15000);
    grid.step = QSize(10400, 0);
    grid.first = QPoint(300, 1000);
    grid.margin = 0;
    return testGridPage(grid, QStringLiteral("2 100x150 mm"));
}

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
        // Zooming out stops at the smallest page.
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
