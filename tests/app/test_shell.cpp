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

QTEST_GUILESS_MAIN(TestShell)
#include "test_shell.moc"
