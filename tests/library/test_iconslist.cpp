#include "library/ByteBudget.h"
#include "tests/TestFont.h"
#include "library/IconItem.h"
#include "library/IconPainter.h"
#include "library/IconsList.h"
#include "library/IconsModel.h"
#include "tests/library/ExifJpeg.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QSemaphore>
#include <QThreadPool>
#include <QtTest>

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

    // The view over `model` filled from the test folder, shown at `size`.
    bool showOver(IconsList &view, IconsModel &model, QSize size)
    {
        model.setDirPath(dir.path());
        view.setModel(&model);
        view.resize(size);
        view.show();
        return QTest::qWaitForWindowExposed(&view);
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
        IconsList view(false);
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

    // The view shows the thumbnails at the size its model draws them.
    void viewSettings()
    {
        IconsList view(false);
        IconsModel model(nullptr, false, 3);
        ThumbnailValues thumbs;
        thumbs.iconWidth = 150;
        thumbs.iconHeight = 120;
        model.setThumbnails(thumbs);
        view.setModel(&model);
        QCOMPARE(view.iconSize(), QSize(150, 120));
    }

    void hiddenViewDecodesNothing()
    {
        IconsModel model(nullptr, false, IconsModel::OfferUris);
        model.setDirPath(dir.path());
        IconsList view(false);
        view.setModel(&model);
        view.resize(400, 300);
        view.restart();
        QVERIFY(view.GetVisibleItems().isEmpty());
        QVERIFY(!view.isRunning());
        // Nor does the timer that restart() leaves behind.
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(!changed.wait(300));
        QCOMPARE(decodedRows(model), 0);
    }

    // Only the rows on screen are decoded; the others keep their placeholder.
    void visibleRowsDecoded()
    {
        IconsModel model(nullptr, false, IconsModel::OfferUris);
        IconsList view(false);
        QVERIFY(showOver(view, model, QSize(330, 220)));
        view.restart();
        // The timer's second start finds nothing left to decode.
        QTRY_VERIFY(!view.isRunning() && decodedRows(model) > 0 && view.GetVisibleItems().isEmpty());
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
        QTRY_VERIFY(!view.isRunning() && view.GetVisibleItems().isEmpty());
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
        QTRY_VERIFY(view.GetVisibleItems().isEmpty());
        QCOMPARE(view.indexAt(QPoint(40, 10)).data(IconsModel::IconPixmapRole).value<QPixmap>().size(), QSize(80, 70));
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
        IconsModel model(nullptr, false, IconsModel::OfferUris);
        IconsList view(false);
        QVERIFY(showOver(view, model, QSize(330, 220)));
        view.restart();
        QTRY_VERIFY(!view.isRunning() && decodedRows(model) > 0);
        release.release();
        global->waitForDone();
        global->setMaxThreadCount(threads);
    }

    void resultsAfterStopIgnored()
    {
        IconsModel model(nullptr, false, IconsModel::OfferUris);
        IconsList view(false);
        QVERIFY(showOver(view, model, QSize(600, 400)));
        view.timerSetImage();
        QVERIFY(!view.batch().isEmpty());
        view.stop();
        QVERIFY(!view.isRunning());
        view.hide(); // a hidden list starts no other batch
        const int decoded = decodedRows(model);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(!changed.wait(100));
        QCOMPARE(decodedRows(model), decoded);
    }

    // The selection panel keeps the bytes while the budget allows.
    void keepDataCountsBytes()
    {
        ByteBudget budget;
        const HeldBytes elsewhere = budget.hold(QByteArray(int(ByteBudget::Limit) - 1, 'x'));
        IconsModel model(nullptr, false, 3);
        model.setByteBudget(&budget);
        IconsList view(true);
        QVERIFY(showOver(view, model, QSize(330, 120)));
        const qint64 fileSize = QFileInfo(dir.filePath("p000.jpg")).size();
        view.restart();
        QTRY_VERIFY(!view.isRunning() && decodedRows(model) > 1);
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
