#include "library/TreeDir.h"
#include "platform/DriveWatcher.h"
#include "platform/ExternalEditor.h"
#include "platform/FittingToolBar.h"
#include "platform/RecycleBin.h"
#include "platform/ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/TestFont.h"

#include <QAction>
#include <QPixmap>

class TestPlatform : public QObject
{
    Q_OBJECT

    static void writeText(const QString &path, const QByteArray &text)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    static QByteArray readText(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    const QByteArray table = "proc /proc proc rw 0 0\n"
                             "/dev/sda1 / ext4 rw,relatime 0 0\n"
                             "tmpfs /run tmpfs rw 0 0\n";
    const QByteArray stick = "/dev/sdb1 /media/anna/HOLIDAY\\040PICS vfat rw 0 0\n";

private Q_SLOTS:
    // Nine buttons with long texts (Russian ones, say): the tool bar shows
    // all of them in any width that has room for their icons, and goes back
    // to its own style when it is wide again.
    void toolBarKeepsEveryButton_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("shown");
        const int beside = Qt::ToolButtonTextBesideIcon, under = Qt::ToolButtonTextUnderIcon;
        QTest::newRow("under, wide") << under << 4000 << under;
        QTest::newRow("under, narrow") << under << 400 << int(Qt::ToolButtonIconOnly);
        QTest::newRow("beside, wide") << beside << 6000 << beside;
        QTest::newRow("beside, narrow") << beside << 400 << int(Qt::ToolButtonIconOnly);
    }
    void toolBarKeepsEveryButton()
    {
        QFETCH(int, style);
        QFETCH(int, width);
        QFETCH(int, shown);
        useTestFont();
        QWidget window;
        auto *bar = new FittingToolBar(Qt::ToolButtonStyle(style), &window);
        QPixmap icon(24, 24);
        icon.fill(Qt::darkGreen);
        bar->setIconSize(icon.size());
        for (int i = 0; i < 9; ++i)
            bar->addAction(QIcon(icon), QStringLiteral("Копировать в буфер %1").arg(i));
        window.resize(width, 100);
        bar->resize(width, bar->sizeHint().height());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(int(bar->toolButtonStyle()), shown);
        for (QAction *a : bar->actions())
            QTRY_VERIFY2(bar->widgetForAction(a)->isVisible(), qPrintable(a->text()));
        // Wide again: the texts come back.
        bar->resize(8000, bar->height());
        QTRY_COMPARE(int(bar->toolButtonStyle()), style);
    }

    void trashOfANewUserIsMadeInTheDataHome()
    {
        // A new account has no data folder yet: the trash is made there,
        // never in the folder the program was started from.
        QTemporaryDir dir;
        const QString dataHome = dir.filePath(QStringLiteral("home/.local/share"));
        qputenv("HOME", QFile::encodeName(dir.filePath(QStringLiteral("home"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
        QDir().mkpath(dir.filePath(QStringLiteral("photos")));
        QDir().mkpath(dir.filePath(QStringLiteral("start")));
        const QString photo = dir.filePath(QStringLiteral("photos/IMG_0001.jpg"));
        writeText(photo, "jpeg bytes");
        const QString started = QDir::currentPath();
        QDir::setCurrent(dir.filePath(QStringLiteral("start")));

        const bool moved = RecycleBin::moveToTrash(photo);
        QDir::setCurrent(started);
        QVERIFY(moved);
        QCOMPARE(readText(dataHome + QStringLiteral("/Trash/files/IMG_0001.jpg")), QByteArray("jpeg bytes"));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("start"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void replacingFileTakesThePlaceOnlyWhenCommitted_data()
    {
        QTest::addColumn<bool>("oldFile");
        QTest::addColumn<bool>("committed");
        QTest::addColumn<bool>("named");
        for (const bool named : {false, true}) {
            const char *kind = named ? "named temporary" : "unnamed";
            QTest::addRow("new, committed, %s", kind) << false << true << named;
            QTest::addRow("replacing, committed, %s", kind) << true << true << named;
            QTest::addRow("new, given up, %s", kind) << false << false << named;
            QTest::addRow("replacing, given up, %s", kind) << true << false << named;
        }
    }

    void replacingFileTakesThePlaceOnlyWhenCommitted()
    {
        QFETCH(bool, oldFile);
        QFETCH(bool, committed);
        QFETCH(bool, named);
        QTemporaryDir dir;
        const QString path = dir.filePath("work.vm2");
        if (oldFile) {
            writeText(path, "old");
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        }
        {
            ReplacingFile file(path, named ? ReplacingFile::Temporary::Named : ReplacingFile::Temporary::Unnamed);
            const Outcome opened = file.open();
            QVERIFY2(opened, qPrintable(opened.detail()));
            QCOMPARE(file.device().write("new bytes"), qint64(9));
            // Before the commit the old file is as it was; an unnamed new
            // one is not seen at all, a named one only beside it.
            QFile before(path);
            QCOMPARE(before.open(QIODevice::ReadOnly) ? before.readAll() : QByteArray(), QByteArray(oldFile ? "old" : ""));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), int(oldFile) + int(named));
            if (committed) {
                const Outcome done = file.commit();
                QVERIFY2(done, qPrintable(done.detail()));
            }
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), oldFile || committed ? QStringList{"work.vm2"} : QStringList());
        QFile result(path);
        if (oldFile || committed) {
            QVERIFY(result.open(QIODevice::ReadOnly));
            QCOMPARE(result.readAll(), QByteArray(committed ? "new bytes" : "old"));
        }
        if (oldFile)
            QCOMPARE(QFile::permissions(path) & 0x0777, QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
    }

    void replacingFileInAMissingFolderSaysWhy()
    {
        QTemporaryDir dir;
        ReplacingFile file(dir.filePath("gone/work.vm2"));
        const Outcome opened = file.open();
        QVERIFY(!opened);
        QVERIFY(!opened.detail().isEmpty());
        QVERIFY(!file.commit());
    }

    void driveArrivalAndRemovalAreReported()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mounts"));
        writeText(path, table);
        DriveWatcher watcher(path, nullptr);
        QVERIFY(watcher.isWatching());
        QSignalSpy spy(&watcher, &DriveWatcher::driveChanged);

        writeText(path, table + stick); // a stick is plugged in
        QVERIFY(spy.wait(3000));
        QCOMPARE(spy.count(), 1);
        QVERIFY(watcher.mountPoints().contains(QStringLiteral("/media/anna/HOLIDAY PICS")));

        // A table rewritten with the same mounts (options changed) is no
        // drive change.
        writeText(path, QByteArray(table).replace("relatime", "noatime") + stick);
        QVERIFY(!spy.wait(300));
        watcher.checkMounts();
        QCOMPARE(spy.count(), 1);

        writeText(path, table); // and pulled out
        QVERIFY(spy.wait(3000));
        QCOMPARE(spy.count(), 2);
        QVERIFY(!watcher.mountPoints().contains(QStringLiteral("/media/anna/HOLIDAY PICS")));
    }

    void editorGetsTheFileAsOneArgument()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("args.txt"));
        const QString editor = dir.filePath(QStringLiteral("editor.sh"));
        writeText(editor, "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > \"" + QFile::encodeName(out) + ".part\"\nmv \""
                              + QFile::encodeName(out) + ".part\" \"" + QFile::encodeName(out) + "\"\n");
        QFile::setPermissions(editor, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString photo = dir.filePath(QStringLiteral("it's a \"photo\" $(x).jpg"));

        QVERIFY(ExternalEditor::launch(editor, photo));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 5000);
        QCOMPARE(QString::fromUtf8(readText(out)), QStringLiteral("1|") + photo + QLatin1Char('|'));

        QVERIFY(!ExternalEditor::launch(editor, QString()));
        QVERIFY(!ExternalEditor::launch(dir.filePath(QStringLiteral("no-such-editor")), photo));
    }

    // Run in a private mount namespace by the test_platform_mounts test.
    void realMountIsNoticed()
    {
        if (qEnvironmentVariableIsEmpty("VELMORA_PRIVATE_MOUNTS"))
            QSKIP("needs a private mount namespace");
        QTemporaryDir dir;
        DriveWatcher watcher;
        QSignalSpy spy(&watcher, &DriveWatcher::driveChanged);
        QCOMPARE(QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "none", dir.path()}), 0);
        QVERIFY(spy.wait(3000));
        QVERIFY(watcher.mountPoints().contains(dir.path()));
        QCOMPARE(QProcess::execute(QStringLiteral("umount"), {dir.path()}), 0);
        QVERIFY(spy.wait(3000));
        QVERIFY(!watcher.mountPoints().contains(dir.path()));
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
