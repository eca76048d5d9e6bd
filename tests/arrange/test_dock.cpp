#include "DockFixture.h"

#include "arrange/CanvasView.h"
#include "arrange/ChangeChoose.h"
#include "arrange/DocumentEdit.h"
#include "arrange/DocumentHistory.h"
#include "arrange/FrameRecord.h"
#include "arrange/KeyListView.h"
#include "arrange/PageItemModel.h"
#include "arrange/PageRenderer.h"
#include "formats/LayoutView.h"
#include "formats/PageFormat.h"
#include "formats/TabPageFormat.h"
#include "library/IconRecord.h"
#include "library/IconsModel.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QListView>
#include <QMimeData>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QUndoStack>
#include <QUrl>
#include <QtTest>

#include <functional>

namespace {

// The tool-bar action named `text`.
QAction *act(Arrange &dock, const QString &text)
{
    for (QAction *a : dock.toolBar()->actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

const QString Remove = QStringLiteral("Remove Pages");
const QString Crop = QStringLiteral("Crop");
const QString Stamp = QStringLiteral("Stamp");
const QString Logo = QStringLiteral("Logo");
const QString Clear = QStringLiteral("Clear");
const QString Copy = QStringLiteral("Copy");
const QString Paste = QStringLiteral("Paste");

Page pageWith(int frames, int filled)
{
    Page p;
    p.title = QStringLiteral("Page 1\nx");
    p.frames.resize(frames);
    for (int i = 0; i < filled; ++i)
        p.frames[i].fileName = QStringLiteral("/f%1.jpg").arg(i);
    return p;
}

// Answers the next `count` modal dialogs one after the other: `answer`
// prepares each and says whether it is accepted.
void answerDialogs(int count, std::function<bool(QDialog *)> answer, QPointer<QDialog> previous = {})
{
    QTimer::singleShot(0, [=] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!d || d == previous) {
            answerDialogs(count, answer, previous);
            return;
        }
        if (answer(d))
            d->accept();
        else
            d->reject();
        if (count > 1)
            answerDialogs(count - 1, answer, d);
    });
}

// Accepts the next modal dialog (after `prepare`) or rejects it.
void answerDialogs(bool accept, std::function<void(QDialog *)> prepare = {})
{
    answerDialogs(1, [=](QDialog *d) {
        if (prepare)
            prepare(d);
        return accept;
    });
}

void chooseRow(QDialog *d, const QString &name)
{
    auto *dialog = qobject_cast<TabPageFormat *>(d);
    if (!dialog)
        return;
    QListView *view = dialog->chooser()->view();
    for (int r = 0; r < view->model()->rowCount(); ++r)
        if (view->model()->index(r, 0).data().toString() == name)
            view->setCurrentIndex(view->model()->index(r, 0));
}

// What an edit may change of the pages, one line a page.
QStringList described(const QVector<Page> &pages)
{
    QStringList lines;
    for (const Page &p : pages) {
        QString line = p.title + QLatin1Char(':');
        for (const PhotoFrame &f : p.frames)
            line += QStringLiteral(" %1 %2,%3,%4,%5 %6%7")
                        .arg(QFileInfo(f.fileName).fileName())
                        .arg(f.cropX)
                        .arg(f.cropY)
                        .arg(f.cropWidth)
                        .arg(f.cropHeight)
                        .arg(f.stamp.printDateStamp ? QLatin1Char('d') : QLatin1Char('-'))
                        .arg(f.logo.printLogo ? QLatin1Char('l') : QLatin1Char('-'));
        lines << line;
    }
    return lines;
}

} // namespace

class TestDock : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    QStringList photos;
    // Records read back from the stream handed over by a drop.
    QStringList received;
    int receivedPage = -2;

    // A4 in millimetres with one photo size of 100 x 150 and no saved layouts.
    FormatSettings preferences() const
    {
        FormatSettings st;
        st.adoptPageSetup(PageSetup());
        PhotoSizeSelect s;
        s.shortSide = 100;
        s.longSide = 150;
        s.selected = true;
        st.page.sizesMM = {s};
        st.layout.documentsFolder = dir.path() + "/";
        st.layout.addImagesMode = true;
        return st;
    }


private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        for (const char *name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"})
            photos << writePhoto(dir, name, Qt::darkCyan);
    }

    // Every edit of the pages is one step of the history, named in the Edit
    // menu: undone, the pages are as before and the image lists count as
    // before; redone, as after.
    void editsUndoAndRedo_data()
    {
        QTest::addColumn<QString>("edit");
        for (const char *edit : {"Move Images", "Drop Images", "Clear", "Crop", "Stamp", "Logo", "Add Pages",
                                 "Remove Pages", "Change Layout", "Change Layout of All Pages", "Order", "Add Order"})
            QTest::newRow(edit) << QString::fromLatin1(edit);
    }
    void editsUndoAndRedo()
    {
        QFETCH(QString, edit);
        Document document;
        DocumentHistory history(document);
        Arrange dock(document);
        arrangeFiles(dock, photos.mid(0, 3));
        history.stack()->clear(); // the arrangement itself is a step too; start after it
        ArrangeEngine &engine = *dock.engine();
        const QVector<Page> before = document.pages();
        const QStringList usesBefore = document.placedNames();
        Page other = a4FourFrames();
        other.title = QStringLiteral("other");
        other.frames.resize(2);
        if (edit == "Move Images") {
            QByteArray records = frameRecords(document.page(0).frames, {0}, IconItem::State::FromFrame);
            QDataStream in(&records, QIODevice::ReadOnly);
            engine.fill(in, 0, 1, true, 0, QString());
        } else if (edit == "Drop Images") {
            IconItem item;
            item.fileName = photos[3];
            QByteArray records;
            QDataStream out(&records, QIODevice::WriteOnly);
            writeIconRecord(out, item);
            QDataStream in(&records, QIODevice::ReadOnly);
            engine.fill(in, 0, 0, false, 0, QStringLiteral("Drop Images"));
        } else if (edit == "Clear") {
            dock.selection().frames[1] = true;
            act(dock, Clear)->trigger();
        } else if (edit == "Crop") {
            PhotoFrame f = document.page(0).frames[0];
            f.cropX += 9;
            engine.crop(QPoint(0, 0), f);
        } else if (edit == "Stamp") {
            StampDefaults stamp;
            stamp.printDateStamp = true;
            engine.applyStamp({QPoint(0, 0), QPoint(2, 0)}, stamp);
        } else if (edit == "Logo") {
            LogoDefaults logo;
            logo.printLogo = true;
            engine.applyLogo({QPoint(1, 0)}, logo);
        } else if (edit == "Add Pages") {
            engine.addPages(2);
        } else if (edit == "Remove Pages") {
            engine.removePages({0});
        } else if (edit.contains("Order")) {
            IconItem print;
            print.fileName = photos[3];
            OrderSheet sheet;
            sheet.placements = {{0, QRect(0, 0, 5000, 7000), false}, {0, QRect(6000, 0, 7000, 5000), true}};
            if (edit == "Order") {
                engine.arrangeOrder({sheet, sheet}, {print, print, print, print});
            } else {
                // Another order goes after the pages there are, which stay.
                QCOMPARE(engine.appendOrder({sheet}, {print}, other), before.size());
                QCOMPARE(described(document.pages().mid(0, before.size())), described(before));
                QCOMPARE(document.pages().last().frames.size(), 2);
                QCOMPARE(document.pages().last().frames[1].fileName, photos[3]);
            }
        } else {
            document.templatePage = other;
            if (edit == "Change Layout")
                engine.relayoutSelected({0});
            else
                engine.relayoutAll();
        }
        const QVector<Page> after = document.pages();
        QVERIFY(described(after) != described(before));
        QCOMPARE(history.stack()->count(), 1);
        const QString what = edit.startsWith("Change Layout") ? QStringLiteral("Change Layout")
                             : edit == "Order"                 ? QStringLiteral("Choose Layout")
                             : edit == "Add Order"             ? QStringLiteral("Add Pages")
                                                               : edit;
        QCOMPARE(history.undoAction()->text(), "Undo " + what);
        QSignalSpy uses(&document, &Document::usesChanged);
        history.undoAction()->trigger();
        QCOMPARE(described(document.pages()), described(before));
        QCOMPARE(uses.last().at(0).toStringList(), usesBefore);
        QCOMPARE(dock.pageModel()->rowCount(), before.size());
        QCOMPARE(history.redoAction()->text(), "Redo " + what);
        QVERIFY(!history.undoAction()->isEnabled());
        history.redoAction()->trigger();
        QCOMPARE(described(document.pages()), described(after));
        QCOMPARE(uses.last().at(0).toStringList(), document.placedNames());
        QCOMPARE(dock.pageModel()->rowCount(), after.size());
    }

    // A preview decoded after an edit reaches the pages the history keeps:
    // undoing never brings back a frame without its picture.
    void amendmentsReachTheHistory()
    {
        Document document;
        DocumentHistory history(document);
        Arrange dock(document);
        arrangeFiles(dock, photos.mid(0, 2));
        DocumentEdit edit(document, QStringLiteral("Waiting"));
        edit.pages()[0].frames[0].cache.preview = QImage();
        edit.commit();
        PhotoFrame cropped = document.page(0).frames[0];
        cropped.cropX += 5;
        dock.engine()->crop(QPoint(0, 0), cropped);
        dock.engine()->takePreview(photos[0], QImage(8, 6, QImage::Format_RGB32), QSize(400, 300));
        QVERIFY(!document.page(0).frames[0].cache.preview.isNull());
        history.stack()->undo(); // the crop: back to the pages before it
        QCOMPARE(document.page(0).frames[0].cropX, cropped.cropX - 5);
        QVERIFY(!document.page(0).frames[0].cache.preview.isNull());
    }

    void pasteFillsTheFirstEmptyFrame()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos.mid(0, 2));
        auto *mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(photos[4])});
        QApplication::clipboard()->setMimeData(mime);
        dock.paste();
        QCOMPARE(dock.page(0).frames[2].fileName, photos[4]);
    }

    void copyPutsRecordsAndUrlsInFrameOrder()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos.mid(0, 3));
        dock.selection().frames[2] = true;
        dock.selection().frames[0] = true;
        dock.copy();
        const QMimeData *mime = QApplication::clipboard()->mimeData();
        QVERIFY(mime);
        QCOMPARE(mime->urls(), QList<QUrl>({QUrl::fromLocalFile(photos[0]), QUrl::fromLocalFile(photos[2])}));
        QByteArray bytes = mime->data(velmoraMimeType());
        QDataStream in(&bytes, QIODevice::ReadOnly);
        QStringList names;
        IconItem item;
        while (!in.atEnd() && readIconRecord(in, item)) {
            names << item.fileName;
            QCOMPARE(item.state, IconItem::State::New);
            QCOMPARE(item.icon.size(), QSize(80, 60)); // 400x300 divided by 400/74 = 5
            QVERIFY(!item.fileData.isEmpty());
        }
        QCOMPARE(names, QStringList({photos[0], photos[2]}));
        // Nothing selected: an empty clipboard object.
        dock.selection().frames.fill(false);
        dock.copy();
        QVERIFY(QApplication::clipboard()->mimeData()->formats().isEmpty());
    }

    void a4SizesOfIconsAndCanvas()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        QCOMPARE(dock.thumbDivisor(), 297);
        QCOMPARE(QSize(dock.thumbWidth(), dock.thumbHeight()), QSize(70, 100));
        QCOMPARE(dock.canvasDivisor(), 29700 / CanvasView::MinLongSide);
        QCOMPARE(dock.pageList()->iconSize(), QSize(70, 100));
        QCOMPARE(dock.pageModel()->rowCount(), 2);
        QCOMPARE(dock.pageModel()->item(1)->text(), QString("Page 2\n2x2 100x140 mm"));
        // The second page has empty frames and takes drops.
        QVERIFY(dock.pageModel()->item(1)->isDropEnabled());
        QVERIFY(!dock.pageModel()->item(0)->isDropEnabled());
    }

    void pageListSelectsAndRemovesPages()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos + photos.mid(0, 4)); // 9 images: 3 pages
        QCOMPARE(dock.pageCount(), 3);
        QCOMPARE(dock.currentPageIndex(), 0);
        KeyListView *list = dock.pageList();
        list->setCurrentIndex(dock.pageModel()->index(2, 0));
        QCOMPARE(dock.currentPageIndex(), 2);
        QCOMPARE(dock.frameWidgets().size(), 4);
        list->selectionModel()->select(dock.pageModel()->index(0, 0), QItemSelectionModel::Select);
        QCOMPARE(dock.selectedPageIndexes(), QList<int>({2, 0}));
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(dock.pageCount(), 1);
        QCOMPARE(dock.page(0).title, QString("Page 1\n2x2 100x140 mm"));
        QCOMPARE(dock.document().placementCount(), 4); // five photographs went with the pages
        QCOMPARE(dock.currentPageIndex(), 0);
    }

    void canvasAgreesWithThePrintout()
    {
        Document dockPages;
        Arrange dock(dockPages);
        // Sharp enough to print without the canvas's low-resolution badge.
        QStringList mixed = {writePhoto(dir, "land.jpg", Qt::red, 1600, 1200),
                             writePhoto(dir, "port.jpg", Qt::blue, 1200, 1600),
                             writePhoto(dir, "sharp.jpg", Qt::green, 1600, 1200)};
        arrangeFiles(dock, mixed);
        StampDefaults stamp;
        stamp.printFileName = true;
        stamp.position = StampPosition::AcrossTopRight;
        stamp.color = Qt::yellow;
        stamp.font = QFont(QStringLiteral("DejaVu Sans"), 14).toString();
        dock.engine()->applyStamp({QPoint(1, 0)}, stamp);
        dock.rebuildList();
        dock.resize(900, 700);
        dock.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dock));
        // The canvas fits its panel: whatever scale that gives.
        const int d = dock.canvasDivisor();
        const QImage canvas = dock.canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage printed(canvas.size(), QImage::Format_RGB32);
        printed.fill(Qt::white);
        QPainter p(&printed);
        PageRenderer::drawPage(p, dock.page(0), QRectF(0, 0, 21000.0 / d, 29700.0 / d), dock.renderOptions());
        p.end();
        // Inside each filled frame (away from the button edges and the
        // credit line) the two agree closely.
        for (int i = 0; i < 3; ++i) {
            const PhotoFrame &f = dock.page(0).frames[i];
            const QRect inner(f.x / d + 6, f.y / d + 6, f.width / d - 12, f.height / d * 3 / 4);
            qint64 diff = 0;
            for (int y = inner.top(); y <= inner.bottom(); ++y)
                for (int x = inner.left(); x <= inner.right(); ++x)
                    diff += qAbs(qGray(canvas.pixel(x, y)) - qGray(printed.pixel(x, y)));
            const double mean = double(diff) / (inner.width() * inner.height());
            QVERIFY2(mean < 12, qPrintable(QString("frame %1: %2").arg(i).arg(mean)));
        }
    }

    void languageSwitchRetitlesPages()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos);
        QAction *paste = act(dock, Paste);
        QVERIFY(paste);
        QTranslator ru;
        QVERIFY(ru.load(QStringLiteral(VELMORA_BIN_DIR "/Translations/Velmora_ru.qm")));
        QCoreApplication::installTranslator(&ru);
        dock.retranslate();
        const QString page = QObject::tr("Page ");
        QVERIFY(page != "Page ");
        QCOMPARE(dock.page(1).title, page + "2\n2x2 100x140 " + QObject::tr(" mm").trimmed());
        QCOMPARE(dock.pageModel()->item(1)->text(), dock.page(1).title);
        QCOMPARE(paste->text(), QObject::tr("Paste"));
        QVERIFY(paste->text() != Paste);
        QCoreApplication::removeTranslator(&ru);
        dock.retranslate();
        QCOMPARE(dock.page(1).title, QString("Page 2\n2x2 100x140 mm"));
    }

    void itemsFollowThePages()
    {
        PageItemModel model;
        QAbstractItemModelTester tester(&model);
        model.appendRow(PageItemModel::makeItem(pageWith(2, 1), QIcon()));
        model.appendRow(PageItemModel::makeItem(pageWith(2, 2), QIcon()));
        QCOMPARE(model.index(0, 0).data().toString(), QString("Page 1\nx"));
        QCOMPARE(model.index(0, 0).data(Qt::ToolTipRole).toString(), QString("Page 1\nx"));
        QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsDropEnabled);
        QVERIFY(!(model.flags(model.index(1, 0)) & Qt::ItemIsDropEnabled));
        QCOMPARE(model.mimeTypes(), QStringList({"image/Velmora", "text/uri-list"}));
    }

    void dropsHandTheRecordsOver()
    {
        PageItemModel model;
        model.appendRow(PageItemModel::makeItem(pageWith(2, 0), QIcon()));
        connect(&model, &PageItemModel::fillPageFrames, this, [this](QByteArray records, int page) {
            receivedPage = page;
            received.clear();
            IconItem item;
            QDataStream in(&records, QIODevice::ReadOnly);
            while (!in.atEnd() && readIconRecord(in, item))
                received << item.fileName;
        });

        QByteArray bytes;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            IconItem a;
            a.fileName = "/a.jpg";
            IconItem b;
            b.fileName = "/b.jpg";
            writeIconRecord(out, a);
            writeIconRecord(out, b);
        }
        QMimeData mime;
        mime.setData("image/Velmora", bytes);
        QVERIFY(model.dropMimeData(&mime, Qt::CopyAction, -1, -1, model.index(0, 0)));
        QCOMPARE(receivedPage, 0);
        QCOMPARE(received, QStringList({"/a.jpg", "/b.jpg"}));

        const QString jpg = dir.filePath("c.jpg");
        QVERIFY(!writeTestJpeg(jpg, 40, 30, Qt::green).isEmpty());
        QMimeData urls;
        urls.setUrls({QUrl::fromLocalFile(jpg)});
        QVERIFY(model.dropMimeData(&urls, Qt::CopyAction, -1, -1, model.index(0, 0)));
        QCOMPARE(received, QStringList({jpg}));

        QMimeData text;
        text.setText("nothing");
        receivedPage = -2;
        QVERIFY(!model.dropMimeData(&text, Qt::CopyAction, -1, -1, model.index(0, 0)));
        QCOMPARE(receivedPage, -2);
    }

    void chooserArrangesTheSelection()
    {
        IconsModel images(ImageListRole::Selection);
        for (int i = 0; i < 4; ++i) {
            const QString p = dir.filePath(QString("img%1.jpg").arg(i));
            QVERIFY(!writeTestJpeg(p, 300, 200, Qt::blue).isEmpty());
            IconItem item;
            item.fileName = p;
            images.addItem(item);
        }
        Document dockPages;
        Arrange dock(dockPages);
        StampDefaults stamp;
        stamp.printDateStamp = true;
        stamp.position = StampPosition(5);
        LogoDefaults logo;
        logo.printLogo = true;
        logo.fileName = "/logo.png";
        dock.setPreferences(preferences(), stamp, logo);
        dock.setImageList(&images);
        QSignalSpy prefs(&dock, &Arrange::preferencesChanged);
        QSignalSpy modif(&dock, &Arrange::modifiedChanged);
        QSignalSpy uses(&dockPages, &Document::usesChanged);
        answerDialogs(true, [](QDialog *d) { chooseRow(d, " 3-100x150 mm"); });
        QVERIFY(dock.chooseLayout());
        QCOMPARE(dock.pageCount(), 2);
        QCOMPARE(dock.document().placementCount(), 4);
        QCOMPARE(dock.document().templatePage.title, QString(" 3-100x150 mm"));
        QCOMPARE(dock.preferences().layout.pageFormatName, QString(" 3-100x150 mm"));
        QCOMPARE(prefs.size(), 1);
        // The new layout's frames are empty and start with the stamp and
        // logo defaults.
        QCOMPARE(dock.document().templatePage.frames.size(), 3);
        for (const PhotoFrame &f : dock.document().templatePage.frames) {
            QVERIFY(f.isEmpty());
            QVERIFY(f.stamp.printDateStamp);
            QCOMPARE(int(f.stamp.position), 5);
            QVERIFY(f.logo.printLogo);
            QCOMPARE(f.logo.fileName, QString("/logo.png"));
        }
        QCOMPARE(dock.document().page(0).frames.at(0).imageWidth, 300);
        QCOMPARE(uses.size(), 1);
        QVERIFY(modif.size() >= 1);
        int w = 0, h = 0;
        dock.layoutPrintableArea(w, h);
        QCOMPARE(QSize(w, h), QSize(20000, 28700));

        // All pages onto the two-frame grid.
        answerDialogs(2, [](QDialog *d) {
            if (auto *q = qobject_cast<ChangeChoose *>(d)) {
                for (QRadioButton *r : q->findChildren<QRadioButton *>())
                    r->setChecked(r->text() == "For All Pages");
                return true;
            }
            chooseRow(d, " 2-100x150 mm");
            return true;
        });
        QVERIFY(dock.newChoose());
        QCOMPARE(dock.pageCount(), 2);
        QCOMPARE(dock.document().page(1).filledFrameCount(), 2);

        // A cancelled question changes nothing.
        answerDialogs(false);
        QVERIFY(!dock.newChoose());
        QCOMPARE(dock.pageCount(), 2);

        // Nor does a cancelled chooser, though its options were changed.
        const FormatSettings before = dock.preferences();
        QVERIFY(!before.layout.placingClosely);
        bool changedInDialog = false;
        answerDialogs(2, [&](QDialog *d) {
            auto *q = qobject_cast<TabPageFormat *>(d);
            if (!q)
                return true; // the question
            for (QCheckBox *b : q->chooser()->findChildren<QCheckBox *>())
                if (b->text() == "Placing photos closely")
                    b->setChecked(true);
            chooseRow(d, " 1-200x287 mm");
            changedInDialog = q->values().layout.placingClosely;
            return false;
        });
        QVERIFY(!dock.newChoose());
        QCOMPARE(dock.pageCount(), 2);
        QVERIFY(!dock.preferences().layout.placingClosely);
        QCOMPARE(dock.preferences().layout.pageFormatName, before.layout.pageFormatName);
        QCOMPARE(dock.document().templatePage.title, QString(" 2-100x150 mm"));
        QVERIFY(changedInDialog);
        QCOMPARE(prefs.size(), 2);

        // Another paper lays every frame out again.
        PageSetup letter;
        letter.paperSize = 0; // a size of the user's
        letter.width = 216;
        letter.height = 279;
        answerDialogs(true, [](QDialog *d) { chooseRow(d, " 1-206x269 mm"); });
        QVERIFY(dock.changePaper(letter));
        QCOMPARE(dock.pageCount(), 4);
        QCOMPARE(dock.document().templatePage.width, 21600);
        QVERIFY(dock.preferences().page.pageSetup == letter);

        // The frames hold their files' bytes against the document's budget
        // until the document is cleared.
        QVERIFY(dock.document().budget.total() > 0);
        dock.clearAll();
        QCOMPARE(dock.pageCount(), 0);
        QCOMPARE(dock.document().budget.total(), qint64(0));
    }
};

QTEST_MAIN(TestDock)
#include "test_dock.moc"
