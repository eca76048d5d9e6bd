#include "library/FolderPanel.h"
#include "library/IconsList.h"
#include "library/IconsModel.h"
#include "library/ImageInfo.h"
#include "library/SelectionPanel.h"
#include "library/SortMenu.h"
#include "library/TreeDir.h"
#include "library/ViewImage.h"
#include "tests/library/PanelFolder.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <functional>

class TestAvailable : public QObject
{
    Q_OBJECT

    QTemporaryDir *dir = nullptr;
    QString folder;
    QString mounts;

    // A panel on `folder`, shown so that its view decodes.
    std::unique_ptr<FolderPanel> makePanel()
    {
        auto panel = std::make_unique<FolderPanel>(nullptr, mounts);
        panel->resize(900, 600);
        panel->show();
        panel->tree()->setCurrentFolder(folder);
        panel->showCurrentFolder();
        return panel;
    }
    static void makeCurrent(FolderPanel &a, const QString &name)
    {
        const int row = a.model()->indexOfFileName(name);
        QVERIFY(row >= 0);
        a.view()->setCurrentIndex(a.model()->index(row));
    }

private Q_SLOTS:
    void init()
    {
        dir = new QTemporaryDir;
        folder = dir->filePath(QStringLiteral("photos"));
        QDir().mkpath(folder);
        mounts = dir->filePath(QStringLiteral("mounts"));
        QFile m(mounts);
        m.open(QIODevice::WriteOnly);
        m.write("/dev/sda1 / ext4 rw 0 0\n");
        // The trash of a home on the photos' own file system.
        QDir().mkpath(dir->filePath(QStringLiteral("data")));
        qputenv("HOME", QFile::encodeName(dir->path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir->filePath(QStringLiteral("data"))));
        const QDateTime t(QDate(2021, 5, 1), QTime(10, 0));
        writePhoto(folder, QStringLiteral("b.jpg"), 64, 48, t.addDays(2));
        writePhoto(folder, QStringLiteral("a.jpg"), 48, 64, t);
        writePhoto(folder, QStringLiteral("c.png.jpg"), 80, 40, t.addDays(1));
    }
    void cleanup() { delete dir; }

    void folderFromTheTree()
    {
        auto a = makePanel();
        QSignalSpy count(a.get(), &FolderPanel::stringAddImage);
        a->tree()->showCurrentFolder(); // same folder again: nothing reloads
        QCOMPARE(a->model()->rowCount(), 3);
        QVERIFY(a->tree()->watchedFolders().contains(folder));
        // A new file in the folder reaches the list through the watcher.
        writePhoto(folder, QStringLiteral("d.jpg"));
        QTRY_COMPARE(a->model()->rowCount(), 4);
        QCOMPARE(count.last().at(0).toString(), QStringLiteral("Available 4 Image(s)"));
    }

    void sortSettings()
    {
        QTemporaryDir settingsDir;
        QSettings s(settingsDir.filePath("v.conf"), QSettings::IniFormat);
        {
            FolderPanel a(nullptr, mounts);
            a.readSettings(s); // nothing stored
            QCOMPARE(a.model()->sortKey(), 0);
            a.sortMenu()->keyGroup()->actions().at(3)->trigger();
            a.sortMenu()->directionGroup()->actions().at(1)->trigger();
            a.writeSettings(s);
        }
        QCOMPARE(s.value("/AvailSort").toInt(), 3);
        QCOMPARE(s.value("/AvailSortDir").toInt(), 1);
        QVERIFY(s.contains("/AvailableV"));
        QVERIFY(s.contains("/AvailableH"));
        FolderPanel b(nullptr, mounts);
        b.readSettings(s);
        QCOMPARE(b.model()->sortKey(), 3);
        QVERIFY(b.model()->sortReverse());
        QCOMPARE(b.sortMenu()->keyGroup()->checkedAction()->data().toInt(), 3);
    }

    void informationFrame()
    {
        auto a = makePanel();
        makeCurrent(*a, folder + "/a.jpg");
        QVERIFY(!a->information()->isEmpty());
        QVERIFY(a->information()->sizeLabel()->text().endsWith(QStringLiteral(" 48x64")));
        QVERIFY(!a->information()->dateLabel()->text().isEmpty());
        // The list's row is not changed by the reading for the frame.
        QVERIFY(a->model()->item(a->view()->currentIndex().row()).fileData.isEmpty());
    }

    void fitIntoTheFrame_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QSize>("fit");
        QTest::newRow("height bound") << QSize(400, 230) << QSize(4000, 3000) << QSize(267, 200);
        QTest::newRow("width bound") << QSize(215, 400) << QSize(4000, 3000) << QSize(200, 150);
        QTest::newRow("never enlarged") << QSize(400, 400) << QSize(40, 30) << QSize(40, 30);
        QTest::newRow("no size") << QSize(400, 400) << QSize(0, 0) << QSize();
        QTest::newRow("tiny frame") << QSize(10, 10) << QSize(400, 300) << QSize();
    }
    void fitIntoTheFrame()
    {
        QFETCH(QSize, frame);
        QFETCH(QSize, image);
        QFETCH(QSize, fit);
        QCOMPARE(ImageInfo::fitSize(frame, image), fit);
    }

    void pastingCopiesOfTheSameFolderChangesNothing()
    {
        auto a = makePanel();
        a->selectIcons();
        a->copyImg();
        const QMimeData *mime = QApplication::clipboard()->mimeData();
        QVERIFY(mime->hasFormat("image/Velmora"));
        QCOMPARE(mime->urls().size(), 3);
        a->pasteImg();
        QCoreApplication::processEvents();
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3);
        QCOMPARE(a->model()->rowCount(), 3);
    }

    void trashRemovesFilesAndRows()
    {
        auto a = makePanel();
        QSignalSpy selection(a.get(), &FolderPanel::stringSelection);
        makeCurrent(*a, folder + "/b.jpg");
        a->findChild<QAction *>("trashAct")->trigger();
        QVERIFY(!QFile::exists(folder + "/b.jpg"));
        QVERIFY(QFile::exists(dir->filePath("data/Trash/files/b.jpg")));
        QCOMPARE(rowNames(a->model()).contains("b.jpg"), false);
        QCOMPARE(a->model()->rowCount(), 2);
        QCOMPARE(selection.last().at(0).toString(), QString());
    }

    void rotationFollowsInTheSelection()
    {
        auto a = makePanel();
        SelectionPanel s;
        FolderPanel::link(a.get(), &s);
        makeCurrent(*a, folder + "/a.jpg");
        a->copyToSelect();
        QCOMPARE(s.imageCount(), 1);
        QTest::keyClick(a->view(), Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(a->model()->item(a->view()->currentIndex().row()).rotation, 90);
        QCOMPARE(s.model()->item(0).rotation, 90);
        a->rotBack();
        a->rotBack();
        QCOMPARE(s.model()->item(0).rotation, 270);
        // And back from the selection panel.
        s.view()->setCurrentIndex(s.model()->index(0));
        s.rotate();
        QCOMPARE(a->model()->item(a->view()->currentIndex().row()).rotation, 0);
    }

    void selectFileWaitsForItsFolder()
    {
        // An image opened by name whose folder is not listed yet is chosen
        // as soon as the folder has been read.
        const QString other = dir->filePath(QStringLiteral("other"));
        QDir().mkpath(other);
        writePhoto(other, QStringLiteral("x.jpg"));
        auto a = makePanel();
        SelectionPanel s;
        FolderPanel::link(a.get(), &s);
        a->selectFile(other + "/x.jpg");
        QCOMPARE(s.imageCount(), 0);
        a->loadFolder(other);
        QCOMPARE(s.imageCount(), 1);
        QCOMPARE(a->model()->item(a->view()->currentIndex().row()).fileName, other + "/x.jpg");
        a->loadFolder(folder); // chosen once, not again on every load
        QCOMPARE(s.imageCount(), 1);
    }

    // The folder is read again while the viewer is open (a file copied in
    // sorts before the viewed one): delete and turn still reach the file shown.
    void viewerActsOnTheFileShownAfterARefresh_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::newRow("delete") << true;
        QTest::newRow("turn") << false;
    }
    void viewerActsOnTheFileShownAfterARefresh()
    {
        QFETCH(bool, remove);
        auto a = makePanel();
        a->sortMenu()->keyGroup()->actions().at(1)->trigger();
        FolderPanel *panel = a.get();
        const QString dirPath = folder;
        QStringList shown;
        driveViewers(panel, [panel, dirPath, remove, &shown](ViewImage *v) {
            shown << v->fileName().section('/', -1);
            if (shown.size() > 1)
                return false; // the image shown after the deleted one
            writePhoto(dirPath, QStringLiteral("0.jpg"));
            panel->loadFolder(dirPath);
            if (remove) {
                v->del();
            } else {
                v->rotate();
                v->accept();
            }
            return true;
        });
        a->viewImgIndex(a->model()->index(1)); // b.jpg
        QCOMPARE(rowNames(a->model()), remove ? (QStringList{"0.jpg", "a.jpg", "c.png.jpg"})
                                           : (QStringList{"0.jpg", "a.jpg", "b.jpg", "c.png.jpg"}));
        QCOMPARE(QFile::exists(folder + "/b.jpg"), !remove);
        QVERIFY(QFile::exists(folder + "/a.jpg"));
        QCOMPARE(shown.first(), QStringLiteral("b.jpg"));
        if (!remove) {
            QCOMPARE(a->model()->item(2).rotation, 90);
            QCOMPARE(a->model()->item(1).rotation, 0);
        }
    }

    // Ctrl+W views the current image and leaves it selected, so that the
    // panel's commands stay on.
    void ctrlWKeepsTheViewedImageSelected()
    {
        auto a = makePanel();
        makeCurrent(*a, folder + "/b.jpg");
        QVERIFY(a->view()->selectionModel()->isSelected(a->view()->currentIndex()));
        driveViewers(a.get(), [](ViewImage *) { return false; });
        QTest::keyClick(a->view(), Qt::Key_W, Qt::ControlModifier);
        const QModelIndex current = a->view()->currentIndex();
        QCOMPARE(a->model()->item(current.row()).fileName, folder + "/b.jpg");
        QVERIFY(a->view()->selectionModel()->isSelected(current));
        QVERIFY(a->findChild<QAction *>("trashAct")->isEnabled());
    }

    // After a drive change the rebuilt folder model may move the tree's
    // current item while it reads: the current folder stays, and no
    // selection model is left behind.
    void driveChangeKeepsTheCurrentFolder()
    {
        const QString other = dir->filePath(QStringLiteral("other"));
        QDir().mkpath(other);
        auto a = makePanel();
        TreeDir *tree = a->tree();
        QSignalSpy reloads(tree, &TreeDir::updateThumbnails);
        const int selectionModels = tree->treeView()->findChildren<QItemSelectionModel *>().size();
        tree->updateDrives();
        tree->treeView()->setCurrentIndex(tree->dirModel()->index(other)); // the model's doing
        QCOMPARE(tree->currentFolder(), folder);
        QTRY_COMPARE(tree->treeView()->currentIndex(), QModelIndex(tree->dirModel()->index(folder)));
        QCOMPARE(reloads.count(), 0);
        QCOMPARE(a->model()->rowCount(), 3);
        QCOMPARE(tree->treeView()->findChildren<QItemSelectionModel *>().size(), selectionModels);
        // The user's own choice is followed again.
        QTest::keyClick(tree->treeView(), Qt::Key_Shift);
        tree->treeView()->setCurrentIndex(tree->dirModel()->index(other));
        QCOMPARE(tree->currentFolder(), other);
    }

    void viewerStepsAndTurns()
    {
        auto a = makePanel();
        a->sortMenu()->keyGroup()->actions().at(1)->trigger();
        QSignalSpy rotated(a.get(), &FolderPanel::indexRotate);
        QStringList shown;
        driveViewers(a.get(), [&shown](ViewImage *v) {
            shown << v->fileName().section('/', -1);
            if (shown.size() == 1) {
                v->rotate();
                v->next();
                return true;
            }
            if (shown.size() == 2) {
                v->previous();
                return true;
            }
            return false;
        });
        a->viewImgIndex(a->model()->index(0));
        QCOMPARE(shown, (QStringList{"a.jpg", "b.jpg", "a.jpg"}));
        QCOMPARE(a->model()->item(0).rotation, 90);
        QCOMPARE(rotated.count(), 2); // the closed viewer turns nothing
    }
};

QTEST_MAIN(TestAvailable)
#include "test_available.moc"
