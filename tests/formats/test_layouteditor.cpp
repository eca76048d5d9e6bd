// The layout editor: frame rules, undo and redo of every kind of edit,
// saving and what the layout chooser makes of the saved file.
#include "app/JpegExport.h"
#include "arrange/RenderOptions.h"
#include "formats/EditLayout.h"
#include "formats/GraphicsFrameItem.h"
#include "formats/GraphicsPage.h"
#include "formats/LayoutCatalogue.h"
#include "formats/LayoutDraft.h"
#include "formats/LayoutFile.h"
#include "formats/LayoutFrameRules.h"
#include "formats/LayoutView.h"
#include "formats/PageFormat.h"
#include "formats/FormatSettings.h"
#include "formats/PaperCatalogue.h"
#include "tests/app/OutputFixture.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include <functional>

namespace {

// A4 portrait in millimetres with 5 mm margins: printable (500, 500) to
// (20500, 29200) in hundredths of a millimetre.
Page a4(const PageSetup &setup = PageSetup())
{
    return LayoutCatalogue::paperPage(setup);
}

// Frames at 10 and 120 mm from the paper's top-left corner.
Page twoFrames(int side0, int side1)
{
    Page page = a4();
    page.frames.resize(2);
    page.frames[0].x = page.frames[0].y = 1000;
    page.frames[1].x = page.frames[1].y = 12000;
    page.frames[0].width = page.frames[0].height = side0;
    page.frames[1].width = page.frames[1].height = side1;
    return page;
}

EditLayout::Context context(const Page &page, const QString &documents)
{
    EditLayout::Context c;
    c.page = page;
    c.paperName = PaperCatalogue::paperName(PageSetup());
    c.unitSuffix = QStringLiteral(" mm");
    c.unitScale = 100;
    c.documentsFolder = documents;
    return c;
}

QDoubleSpinBox *box(EditLayout *e, int i)
{
    return e->findChildren<QDoubleSpinBox *>().at(i); // left, top, width, height
}

void typeInto(QDoubleSpinBox *b, double value)
{
    b->setFocus();
    b->selectAll();
    QTest::keyClicks(b, QString::number(value));
    QTest::keyClick(b, Qt::Key_Return);
}

// Runs `answer` on the next message box and returns its text later.
QString *watchNextBox(QMessageBox::StandardButton answer)
{
    static QString text;
    text.clear();
    QTimer::singleShot(0, [answer]() {
        if (auto *b = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = b->text();
            b->button(answer)->click();
        }
    });
    return &text;
}

void drag(GraphicsPage *view, const QPointF &fromScene, const QPointF &byScene, int steps)
{
    const QPoint from = view->mapFromScene(fromScene);
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, from);
    // QTest::mouseMove only moves the cursor; the view needs the events.
    for (int i = 1; i <= steps; ++i) {
        QMouseEvent move(QEvent::MouseMove, view->mapFromScene(fromScene + byScene * i / steps), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
    }
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                        view->mapFromScene(fromScene + byScene));
}

} // namespace

class TestLayoutEditor : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir docs;
    QString documents() const { return docs.path() + QLatin1Char('/'); }

private Q_SLOTS:
    void rules_data()
    {
        QTest::addColumn<QRectF>("frame");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QRectF>("expected");
        const QRectF f(1234, 1000, 5000, 4000);
        QTest::newRow("right") << f << "right" << QRectF(1300, 1000, 5000, 4000);
        QTest::newRow("ctrl right") << f << "ctrl right" << QRectF(1240, 1000, 5000, 4000);
        QTest::newRow("left") << f << "left" << QRectF(1100, 1000, 5000, 4000);
        QTest::newRow("shift down") << f << "shift down" << QRectF(1234, 1000, 5000, 4100);
        QTest::newRow("left at the margin") << QRectF(500, 500, 100, 100) << "left" << QRectF(500, 500, 100, 100);
        QTest::newRow("dragged far out") << f << "drag" << QRectF(15500, 25200, 5000, 4000);
        QTest::newRow("edge beyond") << f << "right edge" << QRectF(1234, 1000, 19266, 4000);
        QTest::newRow("edge past opposite") << f << "left edge" << QRectF(6134, 1000, 100, 4000);
        QTest::newRow("no area") << QRectF(2000, 2000, 0, -5) << "fit" << QRectF(2000, 2000, 100, 100);
        QTest::newRow("off the paper") << QRectF(-300, 29000, 30000, 900) << "fit" << QRectF(500, 28300, 20000, 900);
        QTest::newRow("turned too long") << QRectF(500, 500, 29000, 1000) << "rotate" << QRectF(500, 500, 1000, 28700);
    }
    void rules()
    {
        QFETCH(QRectF, frame);
        QFETCH(QString, edit);
        QFETCH(QRectF, expected);
        const LayoutFrameRules r(LayoutFrameRules::printableArea(a4()));
        QRectF got;
        if (edit == "right")
            got = r.stepped(frame, 100, 0, false);
        else if (edit == "ctrl right")
            got = r.stepped(frame, 10, 0, false);
        else if (edit == "left")
            got = r.stepped(frame, -100, 0, false);
        else if (edit == "shift down")
            got = r.stepped(frame, 0, 100, true);
        else if (edit == "drag")
            got = frame.translated(r.allowedShift(frame, QPointF(90000, 90000)));
        else if (edit == "right edge")
            got = r.withEdges(frame, {false, true, false, false}, QPointF(40000, 0));
        else if (edit == "left edge")
            got = r.withEdges(frame, {true, false, false, false}, QPointF(99999, 0));
        else if (edit == "rotate")
            got = r.rotated(frame);
        else
            got = r.fitted(frame);
        QCOMPARE(got, expected);
        QVERIFY(r.accepts(got));
    }

    void undoRedoEveryKindOfEdit()
    {
        EditLayout editor(context(a4(), documents()));
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        GraphicsPage *view = editor.graphicsPage();
        QUndoStack *stack = editor.undoStack();
        QVector<QVector<QRectF>> states{editor.draft()->rects()};
        const auto step = [&](const std::function<void()> &edit) {
            edit();
            states.append(editor.draft()->rects());
            QCOMPARE(stack->index(), states.size() - 1);
        };
        view->setFocus();
        step([&] { QTest::keyClick(view, Qt::Key_Insert); });
        QCOMPARE(states.last(), QVector<QRectF>({QRectF(500, 500, 20000, 28700)}));
        step([&] { typeInto(box(&editor, 2), 100); });
        step([&] { typeInto(box(&editor, 3), 150); });
        QCOMPARE(states.last(), QVector<QRectF>({QRectF(500, 500, 10000, 15000)}));
        // A drag in many small steps is one undo step.
        step([&] { drag(view, QPointF(5500, 8000), QPointF(3000, 2000), 6); });
        const QRectF dragged = states.last().first();
        QVERIFY(qAbs(dragged.x() - 3500) < 150 && qAbs(dragged.y() - 2500) < 150);
        // So is a run of arrow keys.
        view->setFocus();
        step([&] {
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(view, Qt::Key_Right);
            QTest::keyClick(view, Qt::Key_Down, Qt::ControlModifier);
        });
        // A run of the same keys stops at a different kind of key.
        step([&] { QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier); });
        step([&] { QTest::keyClick(view, Qt::Key_Delete); });
        QVERIFY(states.last().isEmpty());
        QCOMPARE(stack->count(), states.size() - 1);

        for (int i = states.size() - 2; i >= 0; --i) {
            QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(editor.draft()->rects(), states.at(i));
        }
        QVERIFY(!editor.isModified());
        for (int i = 1; i < states.size(); ++i) {
            QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(editor.draft()->rects(), states.at(i));
        }
        QVERIFY(editor.isModified());
    }

    void keyRunsOfDifferentFramesStaySeparate()
    {
        EditLayout editor(context(twoFrames(5000, 5000), documents()));
        GraphicsPage *view = editor.graphicsPage();
        view->selectOnly({0});
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Right);
        view->selectOnly({1});
        QTest::keyClick(view, Qt::Key_Right);
        view->selectOnly({0});
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(editor.undoStack()->count(), 3);
        QCOMPARE(editor.draft()->rect(0).x(), 1300.0);
        editor.undo();
        QCOMPARE(editor.draft()->rect(0).x(), 1200.0);
    }

    void savedLayoutReadsBackEqual()
    {
        Page page = a4();
        page.title = " 2-x mm";
        EditLayout editor(context(page, documents()));
        GraphicsPage *view = editor.graphicsPage();
        view->addFrame();
        view->typeValue(GraphicsPage::Field::Width, 8888);
        view->typeValue(GraphicsPage::Field::Height, 10000);
        view->typeValue(GraphicsPage::Field::Top, 7777.4);
        view->addFrame();
        view->typeValue(GraphicsPage::Field::Left, 9999);
        const QString path = documents() + "A4/two.vly";
        QVERIFY(QDir().mkpath(documents() + "A4"));
        QVERIFY(editor.saveTo(path));
        QVERIFY(!editor.isModified());
        QCOMPARE(editor.layoutName(), QString("two"));
        view->stepSelected(100, 0, false);
        QVERIFY(editor.isModified());
        editor.undo();
        QVERIFY(!editor.isModified());
        LayoutFile file;
        QCOMPARE(LayoutFile::read(path, file), QString());
        QCOMPARE(QSize(file.paperWidth, file.paperHeight), QSize(21000, 29700));
        QCOMPARE(file.frames, QVector<QRect>({QRect(9999, 500, 8888, 10000), QRect(500, 7777, 8888, 10000)}));

        // Opened again from the chooser's entry, it is the same layout, not modified.
        Page entry = a4();
        entry.title = LayoutCatalogue::fileLayoutName(path);
        for (const QRect &r : file.frames) {
            PhotoFrame f;
            f.x = r.x(), f.y = r.y(), f.width = r.width(), f.height = r.height();
            entry.frames.append(f);
        }
        EditLayout again(context(entry, documents()));
        QCOMPARE(again.filePath(), path);
        QVERIFY(!again.isModified());
    }

    void mouseKeepsFramesInside()
    {
        Page page = a4();
        page.frames.resize(1);
        page.frames[0].x = page.frames[0].y = 5000;
        page.frames[0].width = 4000;
        page.frames[0].height = 6000;
        EditLayout editor(context(page, documents()));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        GraphicsPage *view = editor.graphicsPage();
        // The middle far beyond the lower right corner of the paper.
        drag(view, QPointF(7000, 8000), QPointF(40000, 40000), 5);
        QCOMPARE(editor.draft()->rect(0), QRectF(16500, 23200, 4000, 6000));
        // The left edge dragged past the paper's left edge stops at the margin.
        drag(view, QPointF(16500, 26000), QPointF(-30000, 0), 3);
        QCOMPARE(editor.draft()->rect(0), QRectF(500, 23200, 20000, 6000));
        // The top edge dragged below the bottom edge leaves a frame with an area.
        drag(view, QPointF(10000, 23200), QPointF(0, 9000), 3);
        QCOMPARE(editor.draft()->rect(0).height(), LayoutFrameRules::MinimumSide);
        QCOMPARE(editor.undoStack()->count(), 3);
        editor.undoStack()->setIndex(0);
        QCOMPARE(editor.draft()->rect(0), QRectF(5000, 5000, 4000, 6000));
    }

    void escapeAsksBeforeLosingChanges()
    {
        EditLayout editor(context(a4(), documents()));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QTest::keyClick(editor.graphicsPage(), Qt::Key_Insert);
        QString *text = watchNextBox(QMessageBox::Cancel);
        QTest::keyClick(editor.graphicsPage(), Qt::Key_Escape);
        QVERIFY(text->contains("has been modified"));
        QVERIFY(editor.isVisible());
        watchNextBox(QMessageBox::Discard);
        QTest::keyClick(editor.graphicsPage(), Qt::Key_Escape);
        QVERIFY(!editor.isVisible());
    }

    void boxesFollowTheSelection()
    {
        EditLayout editor(context(twoFrames(5000, 6000), documents()));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        GraphicsPage *view = editor.graphicsPage();
        const auto click = [view](const QPointF &at, Qt::KeyboardModifiers mods) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, mods, view->mapFromScene(at));
        };
        QVERIFY(!box(&editor, 0)->isEnabled());
        click(QPointF(3500, 3500), Qt::NoModifier);
        QCOMPARE(box(&editor, 0)->value(), 10.0);
        click(QPointF(15000, 15000), Qt::ControlModifier);
        QCOMPARE(view->selectedIds(), QList<int>({0, 1}));
        typeInto(box(&editor, 2), 30);
        QCOMPARE(editor.draft()->rect(0).width(), 3000.0);
        QCOMPARE(editor.draft()->rect(1).width(), 3000.0);
        // Taking the shown frame out of the selection shows the other one.
        click(QPointF(2000, 3500), Qt::ControlModifier);
        QCOMPARE(view->selectedIds(), QList<int>({1}));
        QCOMPARE(box(&editor, 0)->value(), 120.0);
        QCOMPARE(box(&editor, 3)->value(), 60.0);
        // A click on the bare paper leaves nothing to edit.
        click(QPointF(15000, 27000), Qt::NoModifier);
        QVERIFY(view->selectedIds().isEmpty());
        QVERIFY(!box(&editor, 0)->isEnabled());
        QCOMPARE(box(&editor, 2)->value(), 0.0);
    }

    void extensionOnce_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("none") << "/a/mine" << "/a/mine.vly";
        QTest::newRow("capitals") << "/a/MINE.VLY" << "/a/MINE.VLY";
        QTest::newRow("dotted") << "/a/my.layout" << "/a/my.layout.vly";
    }
    void extensionOnce()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QCOMPARE(EditLayout::withExtension(chosen), saved);
    }

    void refusedFilesKeepTheLayout_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QString>("message");
        QTest::newRow("foreign") << QByteArray("not a layout") << "A4" << "This is an unsupported file format.";
        QTest::newRow("other paper") << QByteArray() << "Letter" << "another paper (Letter)";
    }
    void refusedFilesKeepTheLayout()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, paper);
        QFETCH(QString, message);
        const QString path = documents() + "refused.vly";
        if (bytes.isEmpty()) {
            QCOMPARE(LayoutFile::write(path, paper, 21000, 29700, {QRectF(500, 500, 900, 900)}), QString());
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        EditLayout editor(context(a4(), documents()));
        editor.graphicsPage()->addFrame();
        const QVector<QRectF> before = editor.draft()->rects();
        QString *text = watchNextBox(QMessageBox::Ok);
        QVERIFY(!editor.load(path));
        QVERIFY2(text->contains(message), qPrintable(*text));
        QCOMPARE(editor.draft()->rects(), before);
        QCOMPARE(editor.undoStack()->count(), 1);
    }

    void offeredForTheSamePaperOnly_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("offered");
        QTest::newRow("A4 portrait") << 7 << 0 << true;
        QTest::newRow("A4 landscape") << 7 << 1 << false;
        QTest::newRow("Letter portrait") << 6 << 0 << false;
    }
    void offeredForTheSamePaperOnly()
    {
        QFETCH(int, paper);
        QFETCH(int, orientation);
        QFETCH(bool, offered);
        QVERIFY(QDir().mkpath(documents() + "A4"));
        QCOMPARE(LayoutFile::write(documents() + "A4/offer.vly", PaperCatalogue::paperName(PageSetup()), 21000, 29700,
                                   {QRectF(500, 500, 4000, 28700)}),
                 QString());

        PageSetup d;
        d.paperSize = paper;
        d.orientation = orientation;
        d.width = PaperCatalogue::shortSide(paper, d.unit);
        d.height = PaperCatalogue::longSide(paper, d.unit);
        if (orientation == 1)
            std::swap(d.width, d.height);
        LayoutCatalogue::Source s;
        s.setup = d;
        s.paperName = PaperCatalogue::paperName(d);
        s.unitSuffix = " mm";
        s.documentsFolder = documents();
        LayoutCatalogue c;
        c.build(s);
        QCOMPARE(c.indexOf("offer.vly") >= 0, offered);
    }

    void emptyLayoutIsNotSaved()
    {
        EditLayout editor(context(a4(), documents()));
        GraphicsPage *view = editor.graphicsPage();
        // Nothing to act on: no crash, no step.
        QTest::keyClick(view, Qt::Key_Delete);
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Up, Qt::AltModifier);
        editor.undo();
        editor.redo();
        QCOMPARE(editor.undoStack()->count(), 0);
        const QString path = documents() + "empty.vly";
        QString *text = watchNextBox(QMessageBox::Ok);
        QVERIFY(!editor.saveTo(path));
        QVERIFY(text->contains("no frames"));
        QVERIFY(!QFile::exists(path));

        // Paper whose margins leave nothing printable takes no frame at all.
        Page tiny = a4();
        tiny.width = 900;
        tiny.height = 900;
        EditLayout none(context(tiny, documents()));
        none.add();
        QVERIFY(none.draft()->isEmpty());
        QCOMPARE(none.undoStack()->count(), 0);
    }

    void refusedSaveKeepsTheOldFile()
    {
        const QString path = documents() + "old.vly";
        QCOMPARE(LayoutFile::write(path, "A4", 21000, 29700, {QRectF(500, 500, 1000, 1000)}), QString());
        QFile before(path);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray bytes = before.readAll();
        before.close();
        QVERIFY(!LayoutFile::write(path, "A4", 21000, 29700, {QRectF(500, 500, 1000, 1000), QRectF(20000, 0, 2000, 10)})
                     .isEmpty());
        QVERIFY(!LayoutFile::write(path, "A4", 21000, 29700, {QRectF(500, 500, 0, 1000)}).isEmpty());
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), bytes);
    }

    // Draw three frames, undo twice and redo once, save, choose the layout,
    // arrange photographs on it and export the page.
    void drawnLayoutBecomesTheTemplate()
    {
        FormatSettings st;
        st.adoptPageSetup(PageSetup());
        st.layout.documentsFolder = documents();
        PageFormat chooser(&st, PageSetup(), ChooserMode::ChangeAll);
        chooser.view()->selectionModel()->clearSelection();

        bool driven = false;
        QTimer::singleShot(0, [&]() {
            auto *editor = qobject_cast<EditLayout *>(QApplication::activeModalWidget());
            QVERIFY(editor);
            const auto close = qScopeGuard([editor] { editor->done(QDialog::Accepted); });
            QVERIFY(QTest::qWaitForWindowActive(editor));
            GraphicsPage *view = editor->graphicsPage();
            const double frames[3][4] = {{10, 10, 90, 60}, {110, 20, 40, 50}, {160, 200, 42, 45.5}};
            for (const auto &f : frames) {
                view->setFocus();
                QTest::keyClick(view, Qt::Key_Insert);
                typeInto(box(editor, 2), f[2]);
                typeInto(box(editor, 3), f[3]);
                typeInto(box(editor, 0), f[0]);
                typeInto(box(editor, 1), f[1]);
            }
            view->setFocus();
            QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY(editor->saveTo(documents() + "A4/three.vly"));
            driven = true;
        });
        QVERIFY(QDir().mkpath(documents() + "A4"));
        chooser.editLayout();
        QVERIFY(driven);

        QCOMPARE(chooser.view()->currentIndex().data().toString(), QString("three.vly"));
        chooser.store();
        const Page &chosen = chooser.chosenLayout();
        QCOMPARE(chosen.frames.size(), 3);

        // Photographs arranged on it are exported where the frames were drawn
        // (the third frame typed was undone and redone; the second one lies
        // against the paper's right margin).
        const QVector<QRectF> expected{QRectF(1000, 1000, 9000, 6000), QRectF(16000, 500, 4200, 4550),
                                       QRectF(11000, 2000, 4000, 5000)};
        Document doc;
        arrangeDocument(doc, docs.path(), 3, chosen);
        RenderOptions noOutline;
        noOutline.printFrame = false;
        const QImage page = JpegExport::pageImage(doc.page(0), noOutline);
        const auto white = [&page](double x, double y) {
            return QColor(page.pixel(int(x / JpegExport::PixelSize), int(y / JpegExport::PixelSize))) == Qt::white;
        };
        const double near = 9; // 0.09 mm
        for (const QRectF &f : expected) {
            const QPointF c = f.center();
            QVERIFY(!white(f.left() + near, c.y()) && white(f.left() - near, c.y()));
            QVERIFY(!white(f.right() - near, c.y()) && white(f.right() + near, c.y()));
            QVERIFY(!white(c.x(), f.top() + near) && white(c.x(), f.top() - near));
            QVERIFY(!white(c.x(), f.bottom() - near) && white(c.x(), f.bottom() + near));
        }
    }
};

QTEST_MAIN(TestLayoutEditor)
#include "test_layouteditor.moc"
