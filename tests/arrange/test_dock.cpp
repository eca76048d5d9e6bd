#include "DockFixture.h"

#include "arrange/DocumentEdit.h"
#include "arrange/DocumentHistory.h"
#include "arrange/FrameRecord.h"
#include "arrange/KeyListView.h"
#include "arrange/PageItemModel.h"
#include "arrange/PageRenderer.h"
#include "library/IconRecord.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScrollArea>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QToolBar>
#include <QTranslator>
#include <QUndoStack>
#include <QtTest>

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
                                 "Remove Pages", "Change Layout", "Change Layout of All Pages"})
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
        const QString what = edit.startsWith("Change Layout") ? QStringLiteral("Change Layout") : edit;
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

    void nothingToActOnWithoutPages()
    {
        Document dockPages;
        Arrange dock(dockPages);
        QAction exportAct(nullptr);
        dock.setExportAction(&exportAct);
        for (const QString &a : {Remove, Crop, Stamp, Logo, Clear, Copy, Paste})
            QVERIFY2(act(dock, a) && !act(dock, a)->isEnabled(), qPrintable(a));
        QVERIFY(!exportAct.isEnabled());
        arrangeFiles(dock, photos.mid(0, 2));
        QVERIFY(exportAct.isEnabled());
        for (const QString &a : {Remove, Stamp, Logo})
            QVERIFY2(act(dock, a)->isEnabled(), qPrintable(a));
        // No frame selected yet.
        QVERIFY(!act(dock, Crop)->isEnabled());
        QVERIFY(!act(dock, Copy)->isEnabled());
        dock.selection().frames[1] = true;
        dock.changeEnable(-1);
        QVERIFY(act(dock, Crop)->isEnabled() && act(dock, Clear)->isEnabled() && act(dock, Copy)->isEnabled());
    }

    void pasteNeedsClipboardAndAnEmptyFrame()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos.mid(0, 3));
        auto *mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(photos[4])});
        QApplication::clipboard()->setMimeData(mime);
        dock.selection().frames[3] = true; // the empty frame
        dock.changeEnable(3);
        QVERIFY(act(dock, Paste)->isEnabled());
        QApplication::clipboard()->setText("plain");
        dock.changeEnable(-1);
        QVERIFY(!act(dock, Paste)->isEnabled());
        // A full page takes no paste, whatever the clipboard holds.
        arrangeFiles(dock, photos.mid(0, 4));
        mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(photos[4])});
        QApplication::clipboard()->setMimeData(mime);
        dock.changeEnable(-1);
        QVERIFY(!act(dock, Paste)->isEnabled());
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
        QCOMPARE(dock.canvasDivisor(), 59);
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

    void drawPageByIndex()
    {
        Document dockPages;
        Arrange dock(dockPages);
        arrangeFiles(dock, photos.mid(0, 1));
        QImage a(210, 297, QImage::Format_RGB32);
        a.fill(Qt::white);
        QImage b = a;
        {
            QPainter p(&a);
            dock.drawPage(&p, 0);
            QPainter q(&b);
            dock.drawPage(&q, 1); // beyond the document: nothing
        }
        QVERIFY(a.pixel(50, 70) != qRgb(255, 255, 255));
        QImage white(210, 297, QImage::Format_RGB32);
        white.fill(Qt::white);
        QCOMPARE(b, white);
        QImage c = white;
        QPainter r(&c);
        PageRenderer::drawPage(r, dock.page(0), dock.renderOptions());
        r.end();
        QCOMPARE(a, c);
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

    void splitterStateIsKept()
    {
        const QString file = dir.filePath("settings.ini");
        QList<int> saved;
        {
            Document dockPages;
            Arrange dock(dockPages);
            QSettings s(file, QSettings::IniFormat);
            dock.readSettings(s, false);
            dock.resize(800, 600);
            dock.show();
            dock.findChild<QSplitter *>()->setSizes({123, 500});
            saved = dock.findChild<QSplitter *>()->sizes();
            dock.writeSettings(s);
        }
        Document againPages;
        Arrange again(againPages);
        again.resize(800, 600);
        again.show();
        QSettings s(file, QSettings::IniFormat);
        QVERIFY(!s.value("/ArrangeH").toByteArray().isEmpty());
        again.readSettings(s, false);
        QCOMPARE(again.findChild<QSplitter *>()->sizes(), saved);
        QVERIFY(saved.value(0) != QSplitter().sizes().value(0));
    }
};

QTEST_MAIN(TestDock)
#include "test_dock.moc"
