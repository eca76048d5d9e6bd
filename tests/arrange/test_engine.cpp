#include "arrange/ArrangeEngine.h"
#include "arrange/DocumentEdit.h"
#include "library/IconItem.h"
#include "library/IconRecord.h"
#include "tests/TestPages.h"
#include "tests/TestPhoto.h"


#include <functional>
#include <memory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// An image record whose preview and size can be taken as they are.
IconItem record(const QString &name, int w = 4000, int h = 3000, IconItem::State state = IconItem::State::Decoded)
{
    IconItem item;
    item.state = state;
    item.fileName = name;
    item.imageWidth = w;
    item.imageHeight = h;
    item.fileData = HeldBytes::loose(QByteArray("bytes of ") + name.toUtf8());
    item.fileSize = item.fileData.size();
    item.preview = QImage(40, 30, QImage::Format_RGB32);
    return item;
}

QByteArray stream(const QVector<IconItem> &items)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (const IconItem &i : items)
        writeIconRecord(out, i);
    return bytes;
}

IconItem frameDrag(int frame)
{
    IconItem item = record(QStringLiteral("dragged"), 10, 10, IconItem::State::FromFrame);
    item.useCount = frame;
    return item;
}

QStringList namesOf(const Page &p)
{
    QStringList n;
    for (const PhotoFrame &f : p.frames)
        n << f.fileName;
    return n;
}

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<Document> document;
    Document *doc = nullptr;
    ArrangeEngine *engine = nullptr;
    PageSelection view; // what a dock would show: page 0 once there are pages

    // Changes the pages directly, as no command would.
    void change(const std::function<void(QVector<Page> &)> &how)
    {
        DocumentEdit edit(*doc, QString());
        how(edit.pages());
        edit.commit();
    }

    void setOptions(const std::function<void(ArrangeOptions &)> &change)
    {
        ArrangeOptions o = engine->options();
        change(o);
        engine->setOptions(o);
    }

    void fillWith(const QVector<IconItem> &items, int page, int frame, bool replace)
    {
        QByteArray bytes = stream(items);
        QDataStream in(&bytes, QIODevice::ReadOnly);
        engine->fill(in, page, frame, replace, view.currentPage, QStringLiteral("Fill"));
    }
    void arrange(int frames, int images)
    {
        doc->templatePage = smallFramesPage(frames);
        QVector<IconItem> list;
        for (int i = 0; i < images; ++i)
            list << record(QStringLiteral("/p/%1.jpg").arg(char('A' + i)));
        engine->arrangeAll(list);
    }

private slots:
    void init()
    {
        delete engine;
        document = std::make_unique<Document>();
        doc = document.get();
        engine = new ArrangeEngine(*doc, this);
        view = PageSelection();
        connect(engine, &ArrangeEngine::pagesRebuilt, this, [this](int current) {
            if (current >= 0 || doc->isEmpty())
                view.setCurrentPage(current, current >= 0 ? doc->page(current).frames.size() : 0);
        });
        ArrangeOptions options;
        options.addImages = true;
        options.addPageCount = 1;
        options.autoCrop = true;
        engine->setOptions(options);
    }

    // Output without a window asks for small previews: thousands of
    // photographs cost little before anything is drawn, and the frames still
    // know the photographs' full sizes.
    void previewWidthLimitKeepsPreviewsSmall()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        doc->templatePage = smallFramesPage(2);
        setOptions([](ArrangeOptions &o) { o.previewWidthLimit = 64; });
        QVector<IconItem> list;
        for (int i = 0; i < 2; ++i) {
            IconItem item;
            item.fileName = writeTestJpeg(dir.filePath(QStringLiteral("%1.jpg").arg(i)), 1200, 800, Qt::red);
            list << item;
        }
        engine->arrangeAll(list);
        QCOMPARE(doc->pages().size(), 1);
        for (const PhotoFrame &f : doc->pages().first().frames) {
            QVERIFY(!f.cache.preview.isNull());
            QVERIFY2(qMax(f.cache.preview.width(), f.cache.preview.height()) <= 64, qPrintable(QString::number(f.cache.preview.width())));
            QCOMPARE(qMax(f.imageWidth, f.imageHeight), 1200);
        }
    }

    void sevenImagesOnFourFrames()
    {
        QSignalSpy modif(engine, &ArrangeEngine::modifiedChanged);
        QSignalSpy uses(doc, &Document::usesChanged);
        QSignalSpy count(engine, &ArrangeEngine::stringCountArrange);
        setOptions([](ArrangeOptions &o) {
            o.stamp.printDateStamp = true;
            o.logo.printLogo = true;
        });
        arrange(4, 7);
        QCOMPARE(doc->pages().size(), 2);
        QCOMPARE(doc->pages().at(1).title, QString("Page 2\n n-50x70 mm"));
        QCOMPARE(doc->pages().at(1).filledFrameCount(), 3);
        QVERIFY(doc->pages().at(1).frames.at(3).isEmpty());
        QCOMPARE(doc->placementCount(), 7);
        QCOMPARE(doc->imageCount(), 7);
        QCOMPARE(view.currentPage, 0);
        QCOMPARE(modif.size(), 1);
        QCOMPARE(uses.size(), 1);
        QCOMPARE(uses.at(0).at(0).toStringList().size(), 7);
        QCOMPARE(count.size(), 1);
        const PhotoFrame &f = doc->pages().at(0).frames.at(0);
        QVERIFY(f.turned); // landscape photograph in a portrait frame
        QVERIFY(f.stamp.printDateStamp);
        QVERIFY(f.logo.printLogo);
        QCOMPARE(QRect(f.cropX, f.cropY, f.cropWidth, f.cropHeight), QRect(0, 71, 4000, 2857));
        QCOMPARE(doc->budget.total(), qint64(0)); // the list's bytes are shared, not counted again
    }

    // The selection list and the frames share a file's bytes: they count
    // once against the budget however many copies hold them, until the last
    // copy lets them go.
    void sharedBytesCountOnce()
    {
        doc->templatePage = smallFramesPage(4);
        QVector<IconItem> list;
        qint64 sum = 0;
        for (const QString &name : {QStringLiteral("/p/A.jpg"), QStringLiteral("/p/B.jpg")}) {
            IconItem item = record(name);
            item.fileData = doc->budget.hold(item.fileData);
            QVERIFY(!item.fileData.isEmpty());
            sum += item.fileData.size();
            list << item << item; // each shown in two frames
        }
        QCOMPARE(doc->budget.total(), sum);
        engine->arrangeAll(list);
        QCOMPARE(doc->pages().at(0).filledFrameCount(), 4);
        QCOMPARE(doc->budget.total(), sum);
        list.clear(); // the list lets go; the frames still hold them
        QCOMPARE(doc->budget.total(), sum);
        engine->clear();
        QCOMPARE(doc->budget.total(), qint64(0));
    }

    void addPagesMode()
    {
        setOptions([](ArrangeOptions &o) {
            o.addImages = false;
            o.addPageCount = 3;
        });
        arrange(4, 5);
        QCOMPARE(doc->pages().size(), 3);
        QCOMPARE(doc->placementCount(), 0);
        for (const Page &p : doc->pages())
            QCOMPARE(p.filledFrameCount(), 0);
        setOptions([](ArrangeOptions &o) { o.addPageCount = 0; });
        arrange(4, 5);
        QCOMPARE(doc->pages().size(), 0);
        QCOMPARE(view.currentPage, -1);
    }

    void unreadableImageStillCounts()
    {
        doc->templatePage = smallFramesPage(2);
        engine->arrangeAll({record("/no/such/file.jpg", 0, 0, IconItem::State::Placeholder)});
        QCOMPARE(doc->pages().at(0).frames.at(0).fileName, QString("/no/such/file.jpg"));
        QVERIFY(doc->pages().at(0).frames.at(0).cache.preview.isNull());
        QCOMPARE(doc->placementCount(), 1);
    }

    void relayoutDropsEmptyFrames()
    {
        arrange(6, 6);
        change([](QVector<Page> &pages) {
            for (int i = 0; i < 5; ++i)
                pages[0].frames[i].fileName.clear();
        });
        doc->templatePage = smallFramesPage(4);
        engine->relayoutSelected({0});
        QCOMPARE(doc->pages().size(), 2);
        QCOMPARE(doc->pages().at(0).filledFrameCount(), 0);
        QCOMPARE(doc->pages().at(1).frames.at(0).fileName, QString("/p/F.jpg"));
    }

    // Records may name a device that never ends or a pipe: the frames take
    // the names, as for a missing file, without reading them.
    void recordsNamingDevicesAndPipes()
    {
        QTemporaryDir dir;
        const QString pipe = dir.filePath("pipe.jpg");
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        doc->templatePage = smallFramesPage(3);
        QCOMPARE(engine->addPages(1), 0);
        IconItem zero = record("/dev/zero", 0, 0, IconItem::State::New);
        IconItem fifo = record(pipe, 0, 0, IconItem::State::Placeholder);
        zero.fileData.clear();
        fifo.fileData.clear();
        fillWith({zero, fifo}, 0, 0, false);
        QCOMPARE(namesOf(doc->pages().at(0)), QStringList({"/dev/zero", pipe, QString()}));
        QVERIFY(doc->pages().at(0).frames.at(0).cache.preview.isNull());
        QVERIFY(doc->pages().at(0).frames.at(1).fileData.isEmpty());
        QCOMPARE(doc->budget.total(), qint64(0));
    }

    void pageDropGoesIntoEmptyFrames()
    {
        arrange(3, 2);
        fillWith({record("/q/1.jpg"), record("/q/2.jpg")}, 0, 0, false);
        QCOMPARE(namesOf(doc->pages().at(0)), QStringList({"/p/A.jpg", "/p/B.jpg", "/q/1.jpg"}));
        QCOMPARE(doc->pages().at(1).frames.at(0).fileName, QString("/q/2.jpg"));
    }

    void frameDraggedOntoAnotherExchangesCrops()
    {
        doc->templatePage = smallFramesPage(2);
        engine->arrangeAll({record("/p/A.jpg", 4000, 3000), record("/p/B.jpg", 3000, 4000)});
        change([](QVector<Page> &pages) {
            pages[0].frames[0].cropX = 11;
            pages[0].frames[1].cropX = 22;
        });
        QSignalSpy count(engine, &ArrangeEngine::stringCountArrange);
        fillWith({frameDrag(0)}, 0, 1, true);
        const PhotoFrame &a = doc->pages().at(0).frames.at(0);
        const PhotoFrame &b = doc->pages().at(0).frames.at(1);
        QCOMPARE(a.fileName, QString("/p/B.jpg"));
        QCOMPARE(a.cropX, 22);
        QCOMPARE(b.fileName, QString("/p/A.jpg"));
        QCOMPARE(b.cropX, 11);
        QCOMPARE(count.size(), 0);
        QCOMPARE(doc->placementCount(), 2);
    }

    void framesDraggedToAnotherPage()
    {
        arrange(2, 3);
        fillWith({frameDrag(0), frameDrag(1)}, 1, 0, false);
        QCOMPARE(namesOf(doc->pages().at(0)), QStringList({"", ""}));
        QCOMPARE(namesOf(doc->pages().at(1)), QStringList({"/p/C.jpg", "/p/A.jpg"}));
        QCOMPARE(namesOf(doc->pages().at(2)), QStringList({"/p/B.jpg", ""}));
    }

    void takingOnePhotographBack()
    {
        doc->templatePage = smallFramesPage(3);
        engine->arrangeAll({record("/p/A.jpg"), record("/p/A.jpg"), record("/p/B.jpg")});
        QCOMPARE(engine->takeBack(0, 0), 1);
        QCOMPARE(doc->framesHolding("/p/A.jpg"), 1);
        QCOMPARE(engine->takeBack(0, 1), 0);
        QCOMPARE(engine->takeBack(0, 1), -1);
        QCOMPARE(doc->imageCount(), 1);
    }

    void followingARotation()
    {
        doc->templatePage = smallFramesPage(2);
        engine->arrangeAll({record("/p/A.jpg"), record("/p/A.jpg")});
        const QImage turned(30, 40, QImage::Format_RGB32);
        QSignalSpy modif(engine, &ArrangeEngine::modifiedChanged);
        engine->followRotation("/p/A.jpg", turned, 3000, 4000, 90);
        for (const PhotoFrame &f : doc->pages().at(0).frames) {
            QCOMPARE(f.rotation, 90);
            QCOMPARE(f.imageWidth, 3000);
            QCOMPARE(f.cache.preview.size(), QSize(30, 40));
            QVERIFY(!f.turned);
        }
        QCOMPARE(modif.size(), 0);
    }
};

QTEST_MAIN(TestEngine)
#include "test_engine.moc"
