#include "library/ByteBudget.h"
#include "tests/TestFont.h"
#include "library/IconItem.h"
#include "library/IconPainter.h"
#include "library/IconsList.h"
#include "library/IconsModel.h"
#include "library/ImageFile.h"
#include "library/ThumbnailScheduler.h"
#include "tests/library/ExifJpeg.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QSemaphore>
#include <QThreadPool>
#include <QtTest>

#include <memory>

// An image list as a panel has it: the model, its view and the decoding
// beside the view.
struct ImageList
{
    explicit ImageList(ImageListRole role = ImageListRole::Folder, int iconSize = 0) : model(role, false)
    {
        if (iconSize > 0) {
            ThumbnailValues thumbs;
            thumbs.iconWidth = thumbs.iconHeight = iconSize;
            model.setThumbnails(thumbs);
        }
    }
    // Lists `folder` and shows it at `size`.
    bool show(const QString &folder, QSize size)
    {
        model.setDirPath(folder);
        view.setModel(&model);
        view.resize(size);
        view.show();
        return QTest::qWaitForWindowExposed(&view);
    }
    IconsModel model;
    IconsList view;
    ThumbnailScheduler thumbnails{&view};
};

class TestIconsList : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    int files = 60;

    int decodedRows(const IconsModel &model)
    {
        int n = 0;
        for (int r = 0; r < model.rowCount(); ++r)
            n += model.index(r).data(IconsModel::StateRole).toInt() == int(IconItem::State::Decoded);
        return n;
    }

private Q_SLOTS:
    // Captions keep their underscores with a desktop font of any usual size:
    // the whole line fits the 12-pixel band under the picture.
    void captionKeepsItsUnderscores_data()
    {
        QTest::addColumn<int>("pixels");
        for (int pixels : {11, 12, 13, 16, 20})
            QTest::newRow(qPrintable(QString::number(pixels))) << pixels;
    }
    void captionKeepsItsUnderscores()
    {
        QFETCH(int, pixels);
        const QFont usual = QGuiApplication::font();
        QFont desktop = usual;
        desktop.setPixelSize(pixels);
        QGuiApplication::setFont(desktop);
        IconItem item;
        item.fileName = QStringLiteral("/p/______.jpg");
        item.state = IconItem::State::Placeholder;
        const ThumbnailValues thumbs;
        const QImage icon = IconPainter::draw(item, thumbs).toImage();
        QGuiApplication::setFont(usual);
        const int ih = thumbs.iconHeight;
        int ink = 0;
        // Below the picture's outline, which ends on the band's first row.
        for (int y = ih - 11; y < ih; ++y)
            for (int x = 0; x < icon.width(); ++x)
                ink += qGray(icon.pixel(x, y)) < 160;
        QVERIFY2(ink >= 10, qPrintable(QStringLiteral("%1 dark pixels").arg(ink)));
    }

    void initTestCase()
    {
        QVERIFY(!useTestFont().isEmpty());
        const QByteArray jpeg = makeJpeg(400, 300, makeTiff(true, {orientationEntry(6)}));
        for (int i = 0; i < files; ++i) {
            QFile f(dir.filePath(QStringLiteral("p%1.jpg").arg(i, 3, 10, QLatin1Char('0'))));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(jpeg);
        }
    }
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("signal");
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << "keyDelete";
        QTest::newRow("Shift+Delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier) << "keyDelete";
        QTest::newRow("Alt+Up") << int(Qt::Key_Up) << int(Qt::AltModifier) << "keyRotate";
        QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier) << "keyRotBack";
        QTest::newRow("Ctrl+W") << int(Qt::Key_W) << int(Qt::ControlModifier) << "keyView";
        QTest::newRow("Ctrl+E") << int(Qt::Key_E) << int(Qt::ControlModifier) << "keyEdit";
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << "keyCopy";
        QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << int(Qt::ControlModifier) << "keyCopy";
        QTest::newRow("Ctrl+Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ControlModifier | Qt::ShiftModifier) << "keyCopy";
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << "keyPaste";
        QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "keyPaste";
        QTest::newRow("C alone") << int(Qt::Key_C) << 0 << "";
        QTest::newRow("Insert alone") << int(Qt::Key_Insert) << 0 << "";
        QTest::newRow("Up alone") << int(Qt::Key_Up) << 0 << "";
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, signal);
        IconsList view;
        const char *names[] = {"keyDelete", "keyRotate", "keyRotBack", "keyView", "keyEdit", "keyCopy", "keyPaste"};
        QList<QSignalSpy *> spies;
        QSignalSpy *delSpy = new QSignalSpy(&view, &IconsList::keyDelete);
        spies << delSpy << new QSignalSpy(&view, &IconsList::keyRotate) << new QSignalSpy(&view, &IconsList::keyRotBack)
              << new QSignalSpy(&view, &IconsList::keyView) << new QSignalSpy(&view, &IconsList::keyEdit)
              << new QSignalSpy(&view, &IconsList::keyCopy) << new QSignalSpy(&view, &IconsList::keyPaste);
        QTest::keyClick(&view, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        for (int i = 0; i < spies.size(); ++i)
            QCOMPARE(spies[i]->size(), signal == QLatin1String(names[i]) ? 1 : 0);
        qDeleteAll(spies);
    }

    // Only the rows on screen are decoded; the others keep their placeholder.
    void visibleRowsDecoded()
    {
        ImageList list;
        IconsModel &model = list.model;
        IconsList &view = list.view;
        QVERIFY(list.show(dir.path(), QSize(330, 220)));
        // The timer's second start finds nothing left to decode.
        QTRY_VERIFY(!list.thumbnails.isRunning() && decodedRows(model) > 0 && list.thumbnails.rowsNeedingWork().isEmpty());
        const int decoded = decodedRows(model);
        QVERIFY2(decoded >= 3 && decoded <= 12, qPrintable(QString::number(decoded)));
        const QModelIndex first = view.indexAt(QPoint(50, 10));
        QCOMPARE(first.data(IconsModel::StateRole).toInt(), int(IconItem::State::Decoded));
        QCOMPARE(first.data(IconsModel::RotationRole).toInt(), 90);
        QCOMPARE(first.data(IconsModel::ImageWidthRole).toInt(), 300);
        QCOMPARE(first.data(IconsModel::PreviewRole).value<QImage>().size(), QSize(300, 400));
        QVERIFY(first.data(IconsModel::FileDataRole).toByteArray().isEmpty()); // folder panel keeps no bytes
        QCOMPARE(model.index(files - 1).data(IconsModel::StateRole).toInt(), int(IconItem::State::Placeholder));

        // Scrolled to the end: the rows there are decoded, not the ones passed by.
        view.scrollToBottom();
        QTRY_COMPARE(model.index(files - 1).data(IconsModel::StateRole).toInt(), int(IconItem::State::Decoded));
        QTRY_VERIFY(!list.thumbnails.isRunning() && list.thumbnails.rowsNeedingWork().isEmpty());
        QVERIFY(decodedRows(model) < 2 * decoded + 2);

        // A new thumbnail size: decoded rows are drawn again from their
        // previews at once; rows that come into view are decoded.
        ThumbnailValues smaller;
        smaller.iconWidth = 80;
        smaller.iconHeight = 70;
        model.setThumbnails(smaller);
        QCOMPARE(model.index(files - 1).data(IconsModel::IconPixmapRole).value<QPixmap>().size(), QSize(80, 70));
        view.updateIconSize();
        QCOMPARE(view.iconSize(), QSize(80, 70));
        QTRY_VERIFY(list.thumbnails.rowsNeedingWork().isEmpty());
        QCOMPARE(view.indexAt(QPoint(40, 10)).data(IconsModel::IconPixmapRole).value<QPixmap>().size(), QSize(80, 70));
    }

    // Every cell on screen gets its thumbnail, whatever the icons' width:
    // each row found under a point of the viewport, a few pixels apart, is
    // decoded (the leftmost column of narrow icons included).
    void everyColumnGetsThumbnails_data()
    {
        QTest::addColumn<int>("iconSize");
        QTest::newRow("32 pixels") << 32;
        QTest::newRow("45 pixels") << 45;
        QTest::newRow("100 pixels") << 100;
    }
    void everyColumnGetsThumbnails()
    {
        QFETCH(int, iconSize);
        ImageList list(ImageListRole::Folder, iconSize);
        QVERIFY(list.show(dir.path(), QSize(330, 220)));
        QCOMPARE(list.view.iconSize(), QSize(iconSize, iconSize));
        const auto undecodedOnScreen = [&list] {
            QStringList left;
            const QRect port = list.view.viewport()->rect();
            for (int y = 0; y < port.height(); y += 4) {
                for (int x = 0; x < port.width(); x += 4) {
                    const QModelIndex index = list.view.indexAt(QPoint(x, y));
                    const QString row = QStringLiteral("row %1").arg(index.row());
                    if (index.isValid() && index.data(IconsModel::StateRole).toInt() != int(IconItem::State::Decoded)
                        && !left.contains(row))
                        left.append(row);
                }
            }
            return left;
        };
        QTRY_VERIFY2(undecodedOnScreen().isEmpty(), qPrintable(undecodedOnScreen().join(QLatin1String(", "))));
        QCOMPARE(list.model.index(0).data(IconsModel::StateRole).toInt(), int(IconItem::State::Decoded));
    }

    // The readers run on the list's own threads: Qt's global pool, which
    // smooth scaling on the GUI thread waits for, is never queued behind
    // them (here it is busy throughout, and the rows are decoded anyway).
    void readersLeaveTheGlobalPoolAlone()
    {
        QThreadPool *global = QThreadPool::globalInstance();
        const int threads = global->maxThreadCount();
        global->setMaxThreadCount(1);
        QSemaphore release;
        global->start([&release] { release.acquire(); });
        ImageList list;
        QVERIFY(list.show(dir.path(), QSize(330, 220)));
        QTRY_VERIFY(!list.thumbnails.isRunning() && decodedRows(list.model) > 0);
        release.release();
        global->waitForDone();
        global->setMaxThreadCount(threads);
    }

    // Stopping leaves the files being read to finish on their threads (the
    // GUI thread never waits for them) and drops what they bring; the next
    // batch decodes as usual.
    void stopLeavesRunningDecodesAndDropsTheirResults()
    {
        ImageList list;
        // Each read is held until the test lets it go, or for ten seconds:
        // a stop that waited for the reads would come back after them.
        const auto gate = std::make_shared<QSemaphore>();
        list.thumbnails.setDecoder([gate](const QString &file, const PreviewRule &rule) {
            gate->tryAcquire(1, 10000);
            return readThumbnail(file, rule);
        });
        QThreadPool &pool = list.thumbnails.pool();
        QVERIFY(list.show(dir.path(), QSize(600, 400)));
        QVERIFY(list.thumbnails.isRunning());
        const int held = qMin(pool.maxThreadCount(), list.thumbnails.batch().size());
        QTRY_COMPARE(pool.activeThreadCount(), held);
        QSignalSpy changed(&list.model, &QAbstractItemModel::dataChanged);
        list.thumbnails.stop();
        QVERIFY(!list.thumbnails.isRunning());
        QCOMPARE(pool.activeThreadCount(), held);
        list.view.hide(); // a hidden folder list starts no other batch

        gate->release(2 * files);
        QTRY_COMPARE(pool.activeThreadCount(), 0);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(changed.size(), 0);
        QCOMPARE(decodedRows(list.model), 0);

        list.view.show();
        QTRY_VERIFY(decodedRows(list.model) > 0);
    }

    // The selection list's next batch begins while a file of the one before
    // is still being read: no thread waits for the slowest file of a batch.
    void selectionBatchesOverlap()
    {
        ImageList list(ImageListRole::Selection);
        const auto gate = std::make_shared<QSemaphore>();
        const QString slow = dir.filePath("p000.jpg");
        list.thumbnails.setDecoder([gate, slow](const QString &file, const PreviewRule &rule) {
            if (file == slow)
                gate->tryAcquire(1, 20000);
            return readThumbnail(file, rule);
        });
        list.thumbnails.pool().setMaxThreadCount(2);
        QVERIFY(list.show(dir.path(), QSize(330, 120)));
        QTRY_COMPARE_WITH_TIMEOUT(decodedRows(list.model), files - 1, 15000);
        gate->release();
        QTRY_COMPARE(decodedRows(list.model), files);
    }

    // The selection panel keeps the bytes while the budget allows.
    void selectionKeepsBytesWithinBudget()
    {
        ByteBudget budget;
        const HeldBytes elsewhere = budget.hold(QByteArray(int(ByteBudget::Limit) - 1, 'x'));
        ImageList list(ImageListRole::Selection);
        IconsModel &model = list.model;
        model.setByteBudget(&budget);
        QVERIFY(list.show(dir.path(), QSize(330, 120)));
        const qint64 fileSize = QFileInfo(dir.filePath("p000.jpg")).size();
        QTRY_VERIFY(!list.thumbnails.isRunning() && decodedRows(model) > 1);
        int held = 0;
        for (int r = 0; r < model.rowCount(); ++r)
            held += !model.index(r).data(IconsModel::FileDataRole).toByteArray().isEmpty();
        // One file carries the total past the budget; the rest drop their bytes.
        QCOMPARE(held, 1);
        QCOMPARE(budget.total(), ByteBudget::Limit - 1 + fileSize);
    }
};

QTEST_MAIN(TestIconsList)
#include "test_iconslist.moc"
