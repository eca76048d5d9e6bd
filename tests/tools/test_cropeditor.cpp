#include "arrange/PageRenderer.h"
#include "tests/arrange/DockFixture.h"
#include "tools/CropImage.h"
#include "tools/FrameToolDialogs.h"

#include <QGraphicsPixmapItem>
#include <QSignalSpy>
#include <QToolBar>
#include <QUndoStack>
#include <QtTest>

#include <functional>

// The crop editor opened from the page dock, driven by its keys.
class TestCropEditor : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QStringList files;
    bool outside = false;

    // What to do in the editor each time it is shown; the titles seen.
    QVector<std::function<void(CropImage *)>> script;
    QStringList seen;

    struct Setup
    {
        Document dockPages;
        Arrange dock{dockPages};
        FrameToolDialogs *tools;
        explicit Setup(TestCropEditor &t)
            : tools(new FrameToolDialogs(t.outside, &dock))
        {
            dock.setFrameTools(tools);
            dock.resize(1000, 800);
            dock.show();
            arrangeFiles(dock, t.files);
            connect(tools, &FrameToolDialogs::dialogOpened, &dock, [&t](QWidget *w) {
                auto *editor = qobject_cast<CropImage *>(w);
                t.seen << editor->windowTitle();
                const int step = t.seen.size() - 1;
                if (step < t.script.size())
                    t.script.at(step)(editor);
                else
                    editor->reject();
            }, Qt::QueuedConnection);
        }
        PhotoFrame frame(int page, int index) const { return dock.page(page).frames.at(index); }
    };

    static void key(CropImage *e, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyClick(e->view(), k, m);
    }
    static QRect cropOf(const PhotoFrame &f) { return QRect(f.cropX, f.cropY, f.cropWidth, f.cropHeight); }

    // The first photograph (600 x 400) cropped to fill a frame 100 mm wide.
    PhotoFrame filledFrame(int height) const
    {
        PhotoFrame f;
        f.fileName = files.first();
        f.width = 10000;
        f.height = height;
        f.loadImage(PreviewRule{});
        f.turnFromImage();
        f.fillCrop();
        return f;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};
        for (int i = 0; i < 5; ++i)
            files << writePhoto(dir, QStringLiteral("p%1.jpg").arg(i), colours[i], 600, 400);
    }

    void init()
    {
        script.clear();
        seen.clear();
        outside = false;
    }

    // The editor opened by Return or a double click: Ok stores the crop and
    // the canvas shows it at once; Escape changes nothing.
    void okStoresTheCropCancelChangesNothing_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("ok") << true;
        QTest::newRow("cancel") << false;
    }
    void okStoresTheCropCancelChangesNothing()
    {
        QFETCH(bool, ok);
        Setup s(*this);
        const PhotoFrame before = s.frame(0, 0);
        const auto picture = [&s] { return s.dock.frameWidgets().at(0)->icon().pixmap(100, 140).toImage(); };
        const QImage pictureBefore = picture();
        QSignalSpy modified(&s.dock, &Arrange::modifiedChanged);
        script << [ok](CropImage *e) {
            // Shrink from the right, then move down and right.
            for (int i = 0; i < 6; ++i)
                key(e, Qt::Key_Left, Qt::ShiftModifier);
            key(e, Qt::Key_Right);
            key(e, Qt::Key_Down);
            key(e, ok ? Qt::Key_Return : Qt::Key_Escape);
        };
        if (ok)
            QTest::mouseDClick(s.dock.frameWidgets().at(0), Qt::LeftButton);
        else
            QTest::keyClick(s.dock.frameWidgets().at(0), Qt::Key_Return);
        QCOMPARE(seen.size(), 1);
        QVERIFY(seen.first().contains(QStringLiteral("p0.jpg")));
        const PhotoFrame after = s.frame(0, 0);
        QCOMPARE(modified.count(), ok ? 1 : 0);
        QCOMPARE(picture() != pictureBefore, ok);
        if (!ok) {
            QCOMPARE(cropOf(after), cropOf(before));
            return;
        }
        QVERIFY(after.cropWidth < before.cropWidth);
        // Same shape as the frame (the photograph lies across a portrait
        // frame, turned), up to the rounding of the stored crop to whole pixels.
        QVERIFY(qAbs(double(after.cropWidth) / after.cropHeight - double(before.cropWidth) / before.cropHeight)
                < 2.0 / after.cropHeight);
        QCOMPARE(modified.first().first().toBool(), true);
    }

    void steppingVisitsOnlyFilledFrames()
    {
        // Five photographs on four-frame pages: page 2 holds one.
        Setup s(*this);
        QCOMPARE(s.dock.pageCount(), 2);
        const auto next = [](CropImage *e) { key(e, Qt::Key_Right, Qt::AltModifier); };
        script << next << next << [](CropImage *e) {
            // The last filled frame: "Next" does nothing.
            key(e, Qt::Key_Right, Qt::AltModifier);
            QVERIFY(e->isVisible());
            key(e, Qt::Key_Left, Qt::AltModifier);
        } << [](CropImage *e) { key(e, Qt::Key_Escape); };
        s.dock.cropEditFrame(2);
        QCOMPARE(seen.size(), 4);
        QVERIFY(seen.at(0).endsWith(QStringLiteral("p2.jpg")));
        QVERIFY(seen.at(1).endsWith(QStringLiteral("p3.jpg")));
        QVERIFY(seen.at(2).endsWith(QStringLiteral("p4.jpg")));
        QVERIFY(seen.at(3).endsWith(QStringLiteral("p3.jpg")));
        // The editor followed onto the second page and back.
        QCOMPARE(s.dock.currentPageIndex(), 0);
    }

    void undoStepsBackThroughTheChanges()
    {
        Setup s(*this);
        const PhotoFrame before = s.frame(0, 1);
        QRectF afterOne;
        script << [&afterOne](CropImage *e) {
            key(e, Qt::Key_Left, Qt::ShiftModifier);
            afterOne = e->cropRect();
            key(e, Qt::Key_Left, Qt::ShiftModifier);
            key(e, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(e->cropRect(), afterOne);
            key(e, Qt::Key_Z, Qt::ControlModifier);
            key(e, Qt::Key_Z, Qt::ControlModifier); // nothing more to undo
            key(e, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(e->cropRect(), afterOne);
            key(e, Qt::Key_Return);
        };
        s.dock.cropEditFrame(1);
        QCOMPARE(cropOf(s.frame(0, 1)), afterOne.toRect());
        QVERIFY(cropOf(s.frame(0, 1)) != cropOf(before));
    }

    void rotationKeepsTheCropOnTheSamePart()
    {
        Setup s(*this);
        const PhotoFrame before = s.frame(0, 1);
        script << [](CropImage *e) {
            // Make room first: a smaller rectangle in the middle.
            for (int i = 0; i < 10; ++i)
                key(e, Qt::Key_Left, Qt::ShiftModifier);
            key(e, Qt::Key_Up, Qt::AltModifier);
            key(e, Qt::Key_Return);
        };
        s.dock.cropEditFrame(1);
        const PhotoFrame after = s.frame(0, 1);
        QVERIFY(after.turned != before.turned);
        QVERIFY((after.cropWidth > after.cropHeight) != (before.cropWidth > before.cropHeight));
        QVERIFY(QRect(0, 0, after.imageWidth, after.imageHeight).contains(cropOf(after)));
    }

    // A reopened project's frames wait for their previews: they say so, and
    // the crop editor opens them already, reading the photograph itself.
    void framesAwaitingPreviewsOpenInTheEditor()
    {
        Setup s(*this);
        QVector<Page> pages = s.dock.document().pages();
        for (Page &page : pages)
            for (PhotoFrame &f : page.frames) {
                f.cache.preview = QImage();
                f.fileData.clear();
            }
        s.dock.adoptLoadedPages(pages, false);
        const auto shown = [&s] { return s.dock.frameWidgets().at(0); };
        QVERIFY2(shown()->text().endsWith(QStringLiteral("Loading the photograph…")), qPrintable(shown()->text()));
        QVERIFY(shown()->icon().isNull());
        bool pictured = false;
        script << [&pictured](CropImage *e) {
            for (QGraphicsItem *item : e->view()->scene()->items())
                if (auto *photo = dynamic_cast<QGraphicsPixmapItem *>(item))
                    pictured = photo->pixmap().size() == QSize(600, 400);
            key(e, Qt::Key_Escape);
        };
        s.dock.cropEditFrame(0);
        QCOMPARE(seen.size(), 1);
        QVERIFY(pictured);
        s.dock.engine()->takePreview(files.first(), testPicture(300, 200, Qt::red), QSize(600, 400));
        QTRY_VERIFY(!shown()->icon().isNull());
        QVERIFY(shown()->text().isEmpty());
    }

    void outsideModeIsKeptForTheNextOpening()
    {
        Setup s(*this);
        QSignalSpy changed(s.tools, &FrameToolDialogs::outsideCropChanged);
        script << [](CropImage *e) {
            QVERIFY(!e->outsideMode());
            e->clickOutside(true);
            key(e, Qt::Key_Escape);
        };
        s.dock.cropEditFrame(0);
        QVERIFY(s.tools->outsideCrop());
        QCOMPARE(changed.count(), 1);
        script << [](CropImage *e) {
            QVERIFY(e->outsideMode());
            key(e, Qt::Key_Escape);
        };
        s.dock.cropEditFrame(0);
        QCOMPARE(seen.size(), 2);
    }

    // Switching "Outside the Image" off pulls a banded crop inside; undoing
    // that brings back the band together with the mode that allowed it.
    void undoNeverLeavesABandWithTheModeOff()
    {
        PhotoFrame f = filledFrame(10000); // 400 x 400 of 600 x 400
        f.cropY = -50;
        f.cropWidth = f.cropHeight = 500;
        CropImage e(f, ImageSource(), false, false, true);
        const QRectF banded = e.cropRect();
        const QRectF photo(0, 0, 600, 400);
        e.clickOutside(false);
        QVERIFY(photo.contains(e.cropRect()));
        const QRectF inside = e.cropRect();
        key(&e, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.cropRect(), banded);
        QVERIFY(e.outsideMode());
        key(&e, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(e.cropRect(), inside);
        QVERIFY(!e.outsideMode());
        QCOMPARE(e.undoStack()->count(), 1);
    }

    void mouseDragsTheRectangleAndItsCorners()
    {
        CropImage e(filledFrame(10000), ImageSource(), false, false, false); // 400 x 400 in the middle
        e.resize(900, 700);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        e.fitToWindow();
        QCOMPARE(e.cropRect(), QRectF(100, 0, 400, 400));
        QWidget *port = e.view()->viewport();
        const auto drag = [&](QPointF from, QPointF to) {
            const QPoint a = e.view()->mapFromScene(from);
            const QPoint b = e.view()->mapFromScene(to);
            QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, a);
            for (int i = 1; i <= 4; ++i) {
                const QPoint at = a + (b - a) * i / 4;
                QMouseEvent move(QEvent::MouseMove, at, port->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                                 Qt::NoModifier);
                QApplication::sendEvent(port, &move);
            }
            QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, b);
        };
        // The rectangle pulled far to the left stops at the photograph's edge.
        drag(QPointF(300, 200), QPointF(-200, 250));
        QCOMPARE(e.cropRect().left(), 0.0);
        QCOMPARE(e.cropRect().top(), 0.0);
        QCOMPARE(e.cropRect().width(), 400.0);
        // The right-bottom handle pulled in: a smaller square from the same
        // top-left corner.
        drag(QPointF(400, 400), QPointF(300, 380));
        QVERIFY(qAbs(e.cropRect().width() - 300) < 3);
        QCOMPARE(e.cropRect().width(), e.cropRect().height());
        QCOMPARE(e.cropRect().topLeft(), QPointF(0, 0));
        // One undo step per drag.
        QTest::keyClick(e.view(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.cropRect(), QRectF(0, 0, 400, 400));
        // A double click on the rectangle is "Ok".
        QTest::mouseDClick(port, Qt::LeftButton, Qt::NoModifier, e.view()->mapFromScene(QPointF(200, 200)));
        QCOMPARE(e.result(), int(QDialog::Accepted));
        QCOMPARE(e.step(), CropStep::Ok);
    }

    void zoomLimits()
    {
        CropImage e(filledFrame(15000), ImageSource(), false, false, false);
        e.normalSize();
        int steps = 0;
        while (steps < 100 && e.toolBar()->actions().at(0)->isEnabled()) {
            e.zoomIn();
            ++steps;
        }
        // 1.25^5 = 3.05: the sixth step would pass 1 / 0.35.
        QCOMPARE(steps, 5);
        QVERIFY(e.view()->transform().m11() < 1 / 0.35 * 1.25 + 1e-9);
    }
};

QTEST_MAIN(TestCropEditor)
#include "test_cropeditor.moc"
