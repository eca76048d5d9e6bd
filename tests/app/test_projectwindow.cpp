// Projects in the main window: saved, opened again after the photographs
// were deleted, refused when damaged, and the question about unsaved work
// asked only after the new file was read.
#include "OutputFixture.h"

#include "app/ProjectFile.h"
#include "app/RecentFiles.h"
#include "app/Settings.h"
#include "app/Velmora.h"
#include "arrange/Arrange.h"
#include "arrange/DocumentHistory.h"
#include "library/IconsModel.h"
#include "library/SelectionPanel.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include <cerrno>
#include <cstring>

namespace {

// Answers every message box shown with `button` and notes its text.
struct BoxAnswers
{
    QMessageBox::StandardButton button = QMessageBox::Ok;
    QStringList texts;
    QTimer timer;
    BoxAnswers()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                    texts << box->text();
                    if (QAbstractButton *b = box->button(button))
                        b->click();
                }
        });
        timer.start();
    }
};

} // namespace

class TestProjectWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir home;
    QString project;

    // A window whose document holds three photographs on A4 pages of four
    // frames, the first frame stamped (position 5, with the file name).
    void arrange(Velmora &w, const QString &folder)
    {
        Arrange *dock = w.arrangeDock();
        dock->document().templatePage = a4Layout(2, 2);
        QVector<IconItem> items;
        for (int i = 0; i < 3; ++i) {
            IconItem item;
            item.fileName = writePhoto(folder, QStringLiteral("p%1.jpg").arg(i), QColor::fromHsv(i * 90, 200, 200));
            items << item;
            w.selectedDock()->model()->addItem(item);
        }
        dock->engine()->arrangeAll(items);
        PhotoFrame f = dock->document().page(0).frames[0];
        f.stamp.position = StampPosition::AcrossBottomRight;
        f.stamp.printFileName = true;
        f.cropX += 7;
        dock->engine()->crop(QPoint(0, 0), f);
        w.setModified(true);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    }

    // Arrange, save, close, start again and open from the recent list: the
    // same pages, crops and stamps, after the photographs were deleted.
    void savedWorkComesBack()
    {
        const QString folder = home.filePath("photos");
        QDir().mkpath(folder);
        project = home.filePath("trip.vm2");
        QVector<Page> before;
        {
            Velmora w;
            arrange(w, folder);
            before = w.arrangeDock()->document().pages();
            w.setCurrentFile(project);
            w.setModified(true);
            QVERIFY(w.save());
            QVERIFY(!w.isWindowModified());
            QCOMPARE(w.arrangeDock()->document().source.table().size(), 4); // three photographs and the empty frame
            QCOMPARE(w.selectedDock()->model()->rowCount(), 3);
        }
        QVERIFY(QDir(folder).removeRecursively());
        Velmora w;
        BoxAnswers answers;
        // The save put the project at the front of the recent list.
        w.updateRecentFileActions();
        QAction *recent = nullptr;
        for (QAction *a : w.findChildren<QAction *>())
            if (a->isVisible() && a->data().toString() == project)
                recent = a;
        QVERIFY(recent);
        QCOMPARE(recent->text(), QStringLiteral("&1 trip.vm2"));
        recent->trigger();
        QVERIFY2(answers.texts.isEmpty(), qPrintable(answers.texts.join('\n')));
        QCOMPARE(w.windowTitle(), QStringLiteral("Velmora - %1[*]").arg(project));
        QVERIFY(!w.isWindowModified());
        QSettings s(Settings::organisation(), Settings::application());
        QCOMPARE(RecentFiles::read(s).value(0), project);
        const QVector<Page> &after = w.arrangeDock()->document().pages();
        QCOMPARE(after.size(), before.size());
        // The pictures arrive from the workers, from the copies in the project.
        const auto allShown = [&] {
            for (const PhotoFrame &f : after[0].frames)
                if (!f.isEmpty() && f.cache.preview.isNull())
                    return false;
            for (int row = 0; row < 3; ++row)
                if (w.selectedDock()->model()->item(row).preview.isNull())
                    return false;
            return true;
        };
        QCOMPARE(w.selectedDock()->model()->rowCount(), 3);
        QTRY_VERIFY(allShown());
        for (int p = 0; p < after.size(); ++p)
            for (int i = 0; i < after[p].frames.size(); ++i) {
                const PhotoFrame &g = after[p].frames[i], &b = before[p].frames[i];
                QCOMPARE(g.fileName, b.fileName);
                QCOMPARE(QRect(g.cropX, g.cropY, g.cropWidth, g.cropHeight), QRect(b.cropX, b.cropY, b.cropWidth, b.cropHeight));
                QCOMPARE(g.stamp.position, b.stamp.position);
                QCOMPARE(g.stamp.printFileName, b.stamp.printFileName);
                QCOMPARE(g.cache.preview.isNull(), g.isEmpty());
            }
        QVERIFY(!w.arrangeDock()->page(0).frames[0].fullImage(w.arrangeDock()->document().source).isNull());
    }

    // Opened by a name relative to the current folder, the project is
    // remembered by its full path, once however it was named; an entry
    // that no longer opens leaves the list after the message says why.
    void recentListHoldsFullPaths()
    {
        const QString full = QFileInfo(project).canonicalFilePath();
        QVERIFY(!full.isEmpty());
        const QString gone = home.filePath("gone.vm2");
        const QString started = QDir::currentPath();
        QVERIFY(QDir::setCurrent(home.path()));
        {
            Velmora w;
            BoxAnswers answers;
            w.openFile("trip.vm2");
            w.openFile("../" + QFileInfo(home.path()).fileName() + "/./trip.vm2");
            QVERIFY2(answers.texts.isEmpty(), qPrintable(answers.texts.join('\n')));
            QCOMPARE(w.settings().shell.currentFile, full);
            w.addRecentFile(gone);
            w.updateRecentFileActions();
            for (QAction *a : w.findChildren<QAction *>())
                if (a->isVisible() && a->data().toString() == gone)
                    a->trigger();
            QCOMPARE(answers.texts.size(), 1);
            QVERIFY2(answers.texts.first().contains("taken off the Recent list"), qPrintable(answers.texts.first()));
        }
        QVERIFY(QDir::setCurrent(started));
        QSettings s(Settings::organisation(), Settings::application());
        const QStringList list = RecentFiles::read(s);
        QCOMPARE(list.first(), full);
        QCOMPARE(list.count(full), 1);
        QVERIFY(!list.contains("trip.vm2"));
        QVERIFY(!list.contains(gone));
    }

    // New after an open project keeps nothing of it: no page, layout, step
    // of the history or copy of its files. A photograph of the old project
    // missing on disk is not read from the old file, so a save of the new
    // project cannot embed bytes that are not the photograph's.
    void newKeepsNothingOfTheOpenProject()
    {
        QVERIFY(QFile::exists(project));
        Velmora w;
        w.openFile(project);
        QCOMPARE(w.arrangeDock()->pageCount(), 1);
        const QString gone = w.document().page(0).frames[0].fileName;
        QVERIFY(!QFile::exists(gone));
        QVERIFY(!w.document().source.bytes(gone).isEmpty()); // from the project's copy
        w.newFile();
        QCOMPARE(w.document().pageCount(), 0);
        QVERIFY(w.document().templatePage.frames.isEmpty());
        QVERIFY(w.document().source.table().isEmpty());
        QVERIFY(w.selectedDock()->model()->imageSource().table().isEmpty());
        QCOMPARE(w.history()->stack()->count(), 0);
        QVERIFY(!w.isWindowModified());
        IconItem row;
        row.fileName = gone;
        w.selectedDock()->model()->addItem(row);
        const QString fresh = home.filePath("fresh.vm2");
        w.setCurrentFile(fresh);
        QVERIFY(w.save());
        ProjectContents c;
        const Outcome read = ProjectFile::read(fresh, c, 0);
        QVERIFY2(read, qPrintable(read.detail()));
        QVERIFY(c.embedded.contains(gone));
        QCOMPARE(ImageSource::readEmbedded(fresh, c.embedded.value(gone).position), QByteArray());
    }

    // Edit > Undo takes back the last edit of the pages; undoing past the
    // save brings the modified mark back, and redoing up to it clears it.
    void undoPastSaveMarksTheProjectModified()
    {
        Velmora w;
        arrange(w, home.filePath("undo-photos"));
        QAction *undo = w.history()->undoAction();
        QAction *redo = w.history()->redoAction();
        QCOMPARE(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(redo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
        w.setCurrentFile(home.filePath("undo.vm2"));
        QVERIFY(w.save());
        QVERIFY(!w.isWindowModified());
        Arrange *dock = w.arrangeDock();
        const int cropped = dock->page(0).frames[0].cropX;
        dock->selection().frames.fill(true);
        dock->clearFrame();
        QVERIFY(w.isWindowModified());
        QCOMPARE(undo->text(), QStringLiteral("Undo Clear"));
        undo->trigger();
        QVERIFY(!w.isWindowModified()); // back at the save
        QCOMPARE(dock->document().placementCount(), 3);
        QCOMPARE(undo->text(), QStringLiteral("Undo Crop"));
        undo->trigger();
        QVERIFY(w.isWindowModified()); // before the save
        QCOMPARE(dock->page(0).frames[0].cropX, cropped - 7);
        redo->trigger();
        QVERIFY(!w.isWindowModified());
        redo->trigger();
        QVERIFY(w.isWindowModified());
        QCOMPARE(dock->document().placementCount(), 0);
        QCOMPARE(w.selectedDock()->model()->index(0).data(IconsModel::UseCountRole).toInt(), 0);
        w.setModified(false);
    }

    // A foreign file is refused with its message; the open work, its title
    // and its modified mark stay.
    void foreignFileKeepsTheOpenProject()
    {
        const QString foreign = home.filePath("foreign.vm2");
        QFile f(foreign);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\0\0\0\x0e\0V\0M\0A\0 \0\x33\0.\0X", 18) + QByteArray(100, 'x'));
        f.close();
        Velmora w;
        arrange(w, home.filePath("foreign-photos"));
        w.setCurrentFile(home.filePath("mine.vm2"));
        w.setModified(true);
        const QString title = w.windowTitle();
        BoxAnswers answers;
        w.openFile(foreign);
        QCOMPARE(answers.texts.size(), 1);
        QVERIFY2(answers.texts.first().startsWith("The file is not a Velmora project"), qPrintable(answers.texts.first()));
        QVERIFY2(answers.texts.first().contains("This is an unsupported file format."), qPrintable(answers.texts.first()));
        QCOMPARE(w.windowTitle(), title);
        QVERIFY(w.isWindowModified());
        QCOMPARE(w.arrangeDock()->pageCount(), 1);
        QCOMPARE(w.settings().shell.currentFile, home.filePath("mine.vm2"));
        // A save that fails says so first, then where and the system's reason;
        // the work stays modified.
        w.setCurrentFile(home.filePath("gone/mine.vm2"));
        w.setModified(true);
        QVERIFY(!w.save());
        QCOMPARE(answers.texts.size(), 2);
        QVERIFY2(answers.texts.last().startsWith("The project could not be saved"), qPrintable(answers.texts.last()));
        QVERIFY2(answers.texts.last().contains(QString::fromLocal8Bit(std::strerror(ENOENT))), qPrintable(answers.texts.last()));
        QVERIFY(w.isWindowModified());
        w.setModified(false);
    }

    // Opening while the work is modified asks after reading; Cancel keeps
    // everything, Discard opens the project.
    void unsavedWorkIsAskedAboutAfterReading()
    {
        QVERIFY(QFile::exists(project));
        Velmora w;
        arrange(w, home.filePath("other-photos"));
        w.arrangeDock()->engine()->addPages(2);
        const int pages = w.arrangeDock()->pageCount();
        BoxAnswers answers;
        answers.button = QMessageBox::Cancel;
        w.openFile(project);
        QCOMPARE(answers.texts.size(), 1);
        QVERIFY(answers.texts.first().contains("has been modified"));
        QCOMPARE(w.arrangeDock()->pageCount(), pages);
        QVERIFY(w.isWindowModified());
        QCOMPARE(w.windowTitle(), QStringLiteral("Velmora[*]"));

        answers.button = QMessageBox::Discard;
        w.openFile(project);
        QCOMPARE(answers.texts.size(), 2);
        QCOMPARE(w.arrangeDock()->pageCount(), 1);
        QCOMPARE(w.selectedDock()->model()->rowCount(), 3);
        QCOMPARE(w.windowTitle(), QStringLiteral("Velmora - %1[*]").arg(project));
    }

    // A project dropped on a panel opens; a photograph dropped there is
    // left to the panel.
    void droppedProjectOpens()
    {
        Velmora w;
        QWidget *target = w.selectedDock()->widget();
        QVERIFY(target);
        const auto dropOn = [target](const QString &file) {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(file)});
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
            return enter.isAccepted() && drop.isAccepted();
        };
        const QString photo = writePhoto(home.path(), QStringLiteral("dropped.jpg"), Qt::red);
        dropOn(photo);
        QCOMPARE(w.arrangeDock()->pageCount(), 0);
        QVERIFY(dropOn(project));
        QTRY_COMPARE(w.arrangeDock()->pageCount(), 1);
        QCOMPARE(w.settings().shell.currentFile, project);
    }
};

QTEST_MAIN(TestProjectWindow)
#include "test_projectwindow.moc"
