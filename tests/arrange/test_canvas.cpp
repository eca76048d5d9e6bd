#include "DockFixture.h"

#include "arrange/CanvasView.h"
#include "arrange/FrameWidget.h"
#include "arrange/FrameRecord.h"
#include "library/IconRecord.h"
#include "tests/ColourPatches.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QSignalSpy>
#include <QToolBar>
#include <QtTest>

class TestCanvas : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    QStringList photos;

    FrameWidget *frameWidget(Arrange &dock, int index) { return frameWidgetAt(dock, index); }

    QVector<bool> selection(Arrange &dock) { return dock.selection().frames; }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        photos << writePhoto(dir, "a.jpg", Qt::red) << writePhoto(dir, "b.jpg", Qt::blue)
               << writePhoto(dir, "c.jpg", Qt::green);
    }

    void proofFollowsThePaperProfile()
    {
        // No profile for the paper: no proof. With a printer profile of a
        // small gamut the red photograph shows in the grey of colours out of
        // reach, and turning the proof off shows it as before.
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        dock.resize(900, 1100);
        dock.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dock));
        QVERIFY(!dock.paperHasProfile());
        QVERIFY(!dock.setProof(true, true));
        QVERIFY(!dock.canvasArea()->graphicsEffect());
        QFile icc(dir.filePath("printer.icc"));
        QVERIFY(icc.open(QIODevice::WriteOnly) && icc.write(narrowGamutIcc()) > 0);
        icc.close();
        FormatSettings st = dock.preferences();
        st.page.paperColours[st.page.pageSetup.paperSize].profilePath = icc.fileName();
        dock.setPreferences(st, dock.stampDefaults(), dock.logoDefaults());
        QVERIFY(dock.paperHasProfile());
        FrameWidget *red = frameWidget(dock, 0);
        const QPoint at = red->mapTo(dock.canvasArea(), QPoint(red->width() / 4, red->height() * 3 / 5));
        const QImage plain = dock.canvasArea()->grab().toImage();
        QVERIFY2(isRed(plain.pixel(at)), qPrintable(QColor(plain.pixel(at)).name() + QStringLiteral(" at %1,%2 of %3x%4, frame %5x%6").arg(at.x()).arg(at.y()).arg(plain.width()).arg(plain.height()).arg(red->width()).arg(red->height())));
        QVERIFY(dock.setProof(true, true));
        const QRgb marked = dock.canvasArea()->grab().toImage().pixel(at);
        QVERIFY2(qAbs(qRed(marked) - 128) < 8 && qAbs(qGreen(marked) - 128) < 8, qPrintable(QColor(marked).name()));
        QVERIFY(!dock.setProof(false, false));
        QCOMPARE(dock.canvasArea()->grab().toImage().pixel(at), plain.pixel(at));
    }

    void unreadableFileShowsWhy()
    {
        // Not a blank frame: the file and the reason.
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, {dir.filePath("gone.jpg")});
        FrameWidget *w = frameWidget(dock, 0);
        QVERIFY(w->icon().isNull());
        QVERIFY2(w->text().startsWith("gone.jpg\nThe file cannot be read"), qPrintable(w->text()));
    }

    void faultyPhotosAreMarkedOnTheirFrames()
    {
        // A file cut short shows what it holds with a red corner, the
        // reason in its tip; one claiming more pixels than may be decoded
        // shows its name and why instead of a picture.
        QFile whole(photos[0]);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray bytes = whole.readAll();
        const QString cut = dir.filePath("cut.jpg");
        const QString huge = dir.filePath("huge.jpg");
        QByteArray claiming = bytes;
        const int sof = claiming.indexOf("\xFF\xC0");
        QVERIFY(sof > 0);
        claiming.replace(sof + 5, 4, QByteArray("\xEA\x60\xEA\x60", 4)); // 60000 x 60000
        for (const auto &file : {qMakePair(cut, bytes.left(bytes.size() * 2 / 3)), qMakePair(huge, claiming)}) {
            QFile out(file.first);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file.second);
        }
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, {cut, huge});
        FrameWidget *damaged = frameWidget(dock, 0);
        QVERIFY(!damaged->icon().isNull());
        QVERIFY2(damaged->toolTip().contains("damaged"), qPrintable(damaged->toolTip()));
        const QImage shown = damaged->icon().pixmap(damaged->iconSize()).toImage();
        QCOMPARE(shown.pixelColor(shown.width() - 2, 1), QColor(Qt::red));
        QVERIFY(shown.pixelColor(1, shown.height() - 2) != QColor(Qt::red));
        FrameWidget *refused = frameWidget(dock, 1);
        QVERIFY(refused->icon().isNull());
        QVERIFY2(refused->text().startsWith("huge.jpg\n") && refused->toolTip().contains("60000"),
                 qPrintable(refused->toolTip()));
    }

    void keysReachTheCommands()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        FrameWidget *w = frameWidget(dock, 1);
        QSignalSpy copy(w, &FrameWidget::keyCopy);
        QSignalSpy paste(w, &FrameWidget::keyPaste);
        QSignalSpy crop(w, &FrameWidget::doubleFrame);
        QTest::keyClick(w, Qt::Key_C);
        QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_Insert, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(copy.size(), 2);
        QCOMPARE(paste.size(), 2);
        QCOMPARE(crop.size(), 1);
        QCOMPARE(crop.at(0).at(0).toInt(), 1);
    }

    // After a drop the canvas may have the focus on one frame and the
    // selection on another: a plain press makes the pressed frame the one a
    // drag carries.
    void plainPressSelectsThePressedFrame()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        QTest::mouseClick(frameWidget(dock, 0), Qt::LeftButton);
        dock.selection().frames = {false, false, true, false};
        QTest::mousePress(frameWidget(dock, 0), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(selection(dock), QVector<bool>({true, false, false, false}));
        QTest::mouseRelease(frameWidget(dock, 0), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        // A press on a frame of a larger selection keeps it for the drag.
        QTest::mouseClick(frameWidget(dock, 1), Qt::LeftButton, Qt::ControlModifier);
        QTest::mousePress(frameWidget(dock, 1), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(selection(dock), QVector<bool>({true, true, false, false}));
        QTest::mouseRelease(frameWidget(dock, 1), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    }

    void ctrlASelectsAllAndEnablesTheFrameCommands()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        dock.changeEnable(-1);
        const auto frameCommands = [&dock] {
            QStringList on;
            for (QAction *a : dock.toolBar()->actions())
                if (QStringList({"Crop", "Clear", "Copy"}).contains(a->text()) && a->isEnabled())
                    on << a->text();
            return on;
        };
        QVERIFY(frameCommands().isEmpty());
        QTest::keyClick(frameWidget(dock, 0), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(selection(dock), QVector<bool>({true, true, true, true}));
        QCOMPARE(frameCommands(), QStringList({"Crop", "Clear", "Copy"}));
    }

    // A style that tints active icons (as some desktops do) leaves the
    // focused frame's photograph as it is.
    void focusedPhotoIsNotTinted()
    {
        class TintingStyle : public QProxyStyle
        {
        public:
            QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap &pixmap, const QStyleOption *option) const override
            {
                if (mode != QIcon::Active)
                    return QProxyStyle::generatedIconPixmap(mode, pixmap, option);
                QPixmap tinted = pixmap;
                QPainter p(&tinted);
                p.fillRect(tinted.rect(), QColor(0, 0, 255, 128));
                return tinted;
            }
        };
        const QString previous = QApplication::style()->objectName();
        auto *tinting = new TintingStyle;
        tinting->setBaseStyle(QStyleFactory::create(previous));
        QApplication::setStyle(tinting);
        {
            Document dockPages;
            Arrange dock(dockPages);
            arrangeFiles(dock, photos);
            FrameWidget *w = frameWidget(dock, 0);
            const QSize size = w->iconSize();
            QCOMPARE(w->icon().pixmap(size, QIcon::Active).toImage(), w->icon().pixmap(size, QIcon::Normal).toImage());
        }
        QApplication::setStyle(QStyleFactory::create(previous));
    }

    void shortMoveStartsNoDrag()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        FrameWidget *w = frameWidget(dock, 0);
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(QPoint(w->pressX, w->pressY), QPoint(20, 20));
        const QPoint to(20 + QApplication::startDragDistance() / 2, 20);
        QMouseEvent move(QEvent::MouseMove, to, w->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        QVERIFY(w->findChildren<QDrag *>().isEmpty());
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, to);
    }

    void deleteEmptiesSelectedFramesAndReportsNames()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        QSignalSpy uses(&dockPages, &Document::usesChanged);
        QTest::mouseClick(frameWidget(dock, 0), Qt::LeftButton);
        QTest::mouseClick(frameWidget(dock, 2), Qt::LeftButton, Qt::ControlModifier);
        QTest::keyClick(frameWidget(dock, 2), Qt::Key_Delete);
        QCOMPARE(uses.size(), 1);
        QCOMPARE(uses.at(0).at(0).toStringList(), QStringList({photos[1]}));
        QCOMPARE(dock.page(0).filledFrameCount(), 1);
        QApplication::processEvents();
        // The canvas was made again: the emptied frames show the hint, and
        // the selection is kept on the same page.
        QCOMPARE(frameWidget(dock, 0)->text(), QString("Drag desired\nimages to\nthe layout."));
        QCOMPARE(selection(dock), QVector<bool>({true, false, true, false}));
    }

    void droppingAFrameOnAnotherExchangesThem()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        const auto dropFrame = [&](int from, int to) {
            auto *mime = new QMimeData;
            mime->setData(velmoraMimeType(), frameRecords(dock.page(0).frames, {from}, IconItem::State::FromFrame));
            // A drop goes where the drag entered.
            QDragEnterEvent enter(QPoint(10, 10), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(frameWidget(dock, to), &enter);
            QDropEvent drop(QPointF(10, 10), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(frameWidget(dock, to), &drop);
            QApplication::processEvents();
            delete mime;
            return drop.isAccepted();
        };
        QVERIFY(dropFrame(0, 0));
        QCOMPARE(dock.page(0).frames[0].fileName, photos[0]);
        QVERIFY(dropFrame(0, 2));
        QCOMPARE(dock.page(0).frames[0].fileName, photos[2]);
        QCOMPARE(dock.page(0).frames[2].fileName, photos[0]);
        QCOMPARE(frameWidget(dock, 2)->toolTip().section('\n', 0, 0), photos[0]);
    }

    void droppingFileUrlsFillsFrames()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        QSignalSpy uses(&dockPages, &Document::usesChanged);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(photos[1]), QUrl::fromLocalFile(photos[2])});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frameWidget(dock, 0), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frameWidget(dock, 0), &drop);
        QCOMPARE(uses.size(), 1);
        QVERIFY(!uses.at(0).at(0).toStringList().contains(photos[0])); // replaced
        QCOMPARE(dock.page(0).frames[0].fileName, photos[1]);
        QCOMPARE(dock.page(0).frames[3].fileName, photos[2]); // the next empty frame
        QMimeData other;
        other.setText("text");
        QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frameWidget(dock, 0), &refused);
        QVERIFY(!refused.isAccepted());
    }
};

QTEST_MAIN(TestCanvas)
#include "test_canvas.moc"
