#include "library/FolderPanel.h"
#include "library/IconsList.h"
#include "library/ByteBudget.h"
#include "library/IconRecord.h"
#include "library/IconsModel.h"
#include "library/SelectionPanel.h"
#include "library/SortMenu.h"
#include "library/ViewImage.h"
#include "tests/library/PanelFolder.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestSelected : public QObject
{
    Q_OBJECT

    QTemporaryDir *dir = nullptr;
    QStringList files;

    // A shown panel holding `n` of the files, f0.jpg ... in that order.
    std::unique_ptr<SelectionPanel> makePanel(int n)
    {
        auto s = std::make_unique<SelectionPanel>();
        s->resize(500, 400);
        s->show();
        QList<QUrl> urls;
        for (int i = 0; i < n; ++i)
            urls << QUrl::fromLocalFile(files.at(i));
        auto *mime = new QMimeData;
        mime->setUrls(urls);
        QApplication::clipboard()->setMimeData(mime);
        s->pasteImg();
        return s;
    }
    static void select(SelectionPanel &s, const QList<int> &rows, int current)
    {
        s.view()->setCurrentIndex(s.model()->index(current));
        QItemSelection selection;
        for (int r : rows)
            selection.select(s.model()->index(r), s.model()->index(r));
        s.view()->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }

private Q_SLOTS:
    void init()
    {
        dir = new QTemporaryDir;
        files.clear();
        for (int i = 0; i < 6; ++i)
            files << writePhoto(dir->path(), QStringLiteral("f%1.jpg").arg(i), 40 + i, 30);
    }
    void cleanup() { delete dir; }

    // Rows of pasted files are listed at once as placeholders; the workers
    // decode them all, also those out of sight, and the rows keep their
    // bytes within the budget.
    void pastedFilesAreDecodedInTheBackground()
    {
        QList<QUrl> urls;
        for (int i = 0; i < 30; ++i)
            urls << QUrl::fromLocalFile(writePhoto(dir->path(), QStringLiteral("m%1.jpg").arg(i), 64, 48));
        ByteBudget budget;
        SelectionPanel s;
        s.model()->setByteBudget(&budget);
        s.resize(220, 220);
        s.show();
        auto *mime = new QMimeData;
        mime->setUrls(urls);
        QApplication::clipboard()->setMimeData(mime);
        s.pasteImg();
        QCOMPARE(s.model()->rowCount(), 30);
        const auto decoded = [&s] {
            int n = 0;
            for (int r = 0; r < s.model()->rowCount(); ++r)
                n += s.model()->item(r).isDecoded() && !s.model()->item(r).preview.isNull();
            return n;
        };
        QVERIFY(decoded() < 30);
        QTRY_COMPARE(decoded(), 30);
        QCOMPARE(s.model()->item(29).imageWidth, 64);
        QVERIFY(!s.model()->item(29).fileData.isEmpty());
    }

    // Copied rows go to the clipboard as they are: pasted here they come
    // decoded, and another program gets readable records.
    void copiedRowsPasteDecodedAndEncodeOnRequest()
    {
        auto from = makePanel(3);
        QTRY_VERIFY(from->model()->item(2).isDecoded());
        select(*from, {0, 1, 2}, 0);
        from->copyImg();
        const QMimeData *mime = QApplication::clipboard()->mimeData();
        QVERIFY(mime->hasFormat(QStringLiteral("image/Velmora")));
        QCOMPARE(mime->urls().size(), 3);
        SelectionPanel to;
        to.pasteImg();
        QCOMPARE(rowNames(to.model()), (QStringList{"f0.jpg", "f1.jpg", "f2.jpg"}));
        QVERIFY(to.model()->item(1).isDecoded());
        QCOMPARE(to.model()->item(1).preview.size(), from->model()->item(1).preview.size());
        QDataStream in(mime->data(QStringLiteral("image/Velmora")));
        QStringList written;
        IconItem record;
        while (!in.atEnd() && readIconRecord(in, record))
            written << record.fileName.section('/', -1);
        QCOMPARE(written, (QStringList{"f0.jpg", "f1.jpg", "f2.jpg"}));
        QVERIFY(!record.preview.isNull());
    }

    void deletingNonAdjacentRowsKeepsTheCurrentRow()
    {
        auto s = makePanel(6);
        QSignalSpy modified(s.get(), &SelectionPanel::modifiedChanged);
        select(*s, {0, 2, 4}, 2);
        s->findChild<QAction *>("deleteAct")->trigger();
        QCOMPARE(rowNames(s->model()), (QStringList{"f1.jpg", "f3.jpg", "f5.jpg"}));
        QCOMPARE(s->view()->currentIndex().row(), 2);
        QCOMPARE(modified.count(), 1);
        for (const QString &f : files)
            QVERIFY(QFile::exists(f)); // the files stay
        // The current row past the end: no current row.
        select(*s, {1, 2}, 2);
        QTest::keyClick(s->view(), Qt::Key_Delete);
        QCOMPARE(rowNames(s->model()), QStringList{"f1.jpg"});
        QVERIFY(!s->view()->currentIndex().isValid());
    }

    void rotatingTwoRowsSendsOneListAfterBoth()
    {
        auto s = makePanel(3);
        select(*s, {0, 2}, 0);
        QList<int> seen;
        connect(s.get(), &SelectionPanel::indexListRotate, this, [&](QModelIndexList list) {
            QCOMPARE(list.size(), 2);
            for (const QModelIndex &index : list)
                seen << index.data(IconsModel::RotationRole).toInt();
        });
        QSignalSpy spy(s.get(), &SelectionPanel::indexListRotate);
        QSignalSpy modified(s.get(), &SelectionPanel::modifiedChanged);
        s->rotate();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(seen, (QList<int>{90, 90}));
        QCOMPARE(s->model()->item(1).rotation, 0);
        QCOMPARE(modified.count(), 1);
        QTest::keyClick(s->view(), Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(s->model()->item(0).rotation, 0);
        QCOMPARE(spy.count(), 2);
    }

    void clearShowsZero()
    {
        auto s = makePanel(2);
        QSignalSpy spy(s.get(), &SelectionPanel::stringAddImage);
        s->clear();
        QCOMPARE(s->imageCount(), 0);
        QCOMPARE(spy.last().at(0).toString(), QStringLiteral("Selected 0 Image(s)"));
    }

    void viewerRemovalLeavesTheFile()
    {
        auto s = makePanel(3);
        QSignalSpy rotated(s.get(), &SelectionPanel::indexRotate);
        QStringList shown;
        driveViewers(s.get(), [&shown](ViewImage *v) {
            shown << v->fileName().section('/', -1);
            if (shown.size() == 1) {
                v->rotate();
                v->del();
            } else {
                v->accept(); // unturned: nothing to apply
            }
            return true;
        });
        s->viewImgIndex(s->model()->index(2));
        QCOMPARE(shown, (QStringList{"f2.jpg", "f1.jpg"}));
        QCOMPARE(rowNames(s->model()), (QStringList{"f0.jpg", "f1.jpg"}));
        QVERIFY(QFile::exists(files[2]));
        QCOMPARE(rotated.count(), 1);
    }
};

QTEST_MAIN(TestSelected)
#include "test_selected.moc"
