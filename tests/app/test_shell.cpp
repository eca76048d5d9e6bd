// Decisions of the main window that need no window: project routing,
// paper check, recent projects and the choice of language.
#include "app/RecentFiles.h"
#include "app/Shell.h"
#include "formats/PageSetup.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestShell : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void projectRouting_data();
    void projectRouting();
    void paperCheck_data();
    void paperCheck();
    void recentFiles();
    void languages_data();
    void languages();
    void dataFolder_data();
    void dataFolder();

private:
    QTemporaryDir dir;
};

void TestShell::projectRouting_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("project");
    QTest::newRow("plain") << "/a/holiday.vm2" << true;
    QTest::newRow("capitals") << "/a/X.VM2" << true;
    QTest::newRow("contained") << "/a/photo.vm2.jpg" << false;
    QTest::newRow("in a folder named like one") << "/a/old.vm2.d/photo.jpg" << false;
    QTest::newRow("backslashes") << "C:\\a\\old.vm2.d\\photo.jpg" << false;
    QTest::newRow("image") << "/a/photo.jpg" << false;
    QTest::newRow("near miss") << "/a/photo.vm3" << false;
}

void TestShell::projectRouting()
{
    QFETCH(QString, path);
    QFETCH(bool, project);
    QCOMPARE(Shell::isProjectPath(path), project);
}

void TestShell::paperCheck_data()
{
    // Layout printable area of A4 with 5 mm margins: 20000 x 28700.
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("borderless");
    QTest::addColumn<bool>("matches");
    QTest::newRow("same") << 210.0 << 297.0 << false << true;
    QTest::newRow("1 mm wider") << 211.0 << 297.0 << false << true;
    QTest::newRow("1.05 mm wider") << 211.05 << 297.0 << false << false;
    QTest::newRow("3 mm narrower") << 207.0 << 297.0 << false << true;
    QTest::newRow("3.01 mm narrower") << 206.99 << 297.0 << false << false;
    QTest::newRow("3 mm shorter") << 210.0 << 294.0 << false << true;
    QTest::newRow("borderless A4") << 210.0 << 297.0 << true << false;
    QTest::newRow("Letter") << 215.9 << 279.4 << false << false;
}

void TestShell::paperCheck()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, borderless);
    QFETCH(bool, matches);
    PageSetup d;
    d.width = width;
    d.height = height;
    d.borderless = borderless;
    QCOMPARE(Shell::paperMatches(d, 20000, 28700), matches);

    PageSetup inches;
    inches.unit = PageSetup::Inch;
    inches.width = 8.26;
    inches.height = 11.69;
    inches.left = inches.right = inches.top = inches.bottom = 0;
    int w = 0, h = 0;
    Shell::printableArea(inches, w, h);
    QCOMPARE(w, 20980); // 8.26 * 2540, truncated
    QCOMPARE(h, 29692);
}

void TestShell::recentFiles()
{
    QSettings s(dir.filePath("recent.ini"), QSettings::IniFormat);
    QVERIFY(RecentFiles::read(s).isEmpty());
    RecentFiles::add(s, "/p/a.vm2");
    RecentFiles::add(s, "/p/b.vm2");
    QStringList list = RecentFiles::add(s, "/p/a.vm2");
    QCOMPARE(list, (QStringList{"/p/a.vm2", "/p/b.vm2"}));
    for (int i = 0; i < 12; ++i)
        RecentFiles::add(s, QStringLiteral("/p/%1.vm2").arg(i));
    list = RecentFiles::read(s);
    QCOMPARE(list.size(), 14); // the stored list is never shortened
    QCOMPARE(list.first(), QStringLiteral("/p/11.vm2"));
    QCOMPARE(s.value("recentFileList/1/file").toString(), QStringLiteral("/p/11.vm2"));
}

void TestShell::languages_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("nothing saved: English") << QStringList{"ru", "en"} << QString() << "en";
    QTest::newRow("saved Russian") << QStringList{"en", "ru"} << "ru" << "ru";
    QTest::newRow("saved unknown: last listed") << QStringList{"ru"} << "de" << "ru";
    QTest::newRow("no files") << QStringList{} << QString() << QString();
}

void TestShell::languages()
{
    QFETCH(QStringList, files);
    QFETCH(QString, saved);
    QFETCH(QString, chosen);
    QTemporaryDir tdir;
    for (const QString &locale : files) {
        const QString name = QStringLiteral("Velmora_%1.qm").arg(locale);
        QVERIFY(QFile::copy(QStringLiteral(VELMORA_BIN_DIR "/Translations/") + name, tdir.filePath(name)));
    }
    const QVector<Shell::Language> found = Shell::findLanguages(tdir.path());
    QCOMPARE(found.size(), files.size());
    for (const Shell::Language &l : found)
        QCOMPARE(l.name, l.locale == "en" ? QStringLiteral("English") : QStringLiteral("Русский"));
    const int index = Shell::chooseLanguage(found, saved);
    QCOMPARE(index < 0 ? QString() : found[index].locale, chosen);
}

void TestShell::dataFolder_data()
{
    // Folders made under a prefix: "bin" holds the executable.
    QTest::addColumn<QStringList>("made");
    QTest::addColumn<QString>("found");
    QTest::newRow("build folder") << QStringList{"bin/Translations"} << "bin/Translations";
    QTest::newRow("installed") << QStringList{"share/velmora/Translations"} << "share/velmora/Translations";
    QTest::newRow("beside wins") << QStringList{"bin/Translations", "share/velmora/Translations"}
                                 << "bin/Translations";
    QTest::newRow("a file is no folder") << QStringList{"share/velmora/Translations/"} << "bin/Translations";
    QTest::newRow("neither") << QStringList{} << "bin/Translations";
}

void TestShell::dataFolder()
{
    QFETCH(QStringList, made);
    QFETCH(QString, found);
    QTemporaryDir prefix;
    QVERIFY(QDir().mkpath(prefix.filePath("bin")));
    for (const QString &path : made) {
        if (path.endsWith('/')) { // a plain file where a folder would be
            QVERIFY(QDir().mkpath(prefix.filePath(path.section('/', 0, -3))));
            QFile file(prefix.filePath(path.chopped(1)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QDir().mkpath(prefix.filePath(path)));
        }
    }
    QCOMPARE(Shell::dataFolder(prefix.filePath("bin"), "Translations"), prefix.filePath(found));
}

QTEST_GUILESS_MAIN(TestShell)
#include "test_shell.moc"
