// The main window as a user meets it: tool bar, menus, docks, status bar,
// language switching, the guard of unsaved work and the settings it writes.
#include "app/UserSettings.h"
#include "app/StyleSheets.h"
#include "app/Velmora.h"
#include "arrange/Arrange.h"
#include "arrange/ArrangeEngine.h"
#include "library/FolderPanel.h"
#include "arrange/DocumentHistory.h"
#include "library/IconsModel.h"
#include "library/SelectionPanel.h"
#include "library/TreeDir.h"
#include "OutputFixture.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

namespace {

QString storePath()
{
    return QSettings(QStringLiteral("Tarnwick"), QStringLiteral("Velmora")).fileName();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init() { QFile::remove(storePath()); }
    void closeWritesEveryKey();
    void pageChangesMarkModified();
    void manyImagesOpenIntoTheSelection();
    void disabledWidgetsLookDisabled_data();
    void disabledWidgetsLookDisabled();

private:
    QTemporaryDir home;
};

void TestMainWindow::initTestCase()
{
    // Never touch the settings, documents or trash of whoever runs the test.
    QVERIFY(home.isValid());
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    QVERIFY(storePath().startsWith(home.path()));
}

void TestMainWindow::closeWritesEveryKey()
{
    {
        Velmora w;
        bool seen = false;
        answerInTurn({[&seen](QWidget *box) {
            seen = true;
            qobject_cast<QMessageBox *>(box)->button(QMessageBox::Discard)->click();
        }});
        w.setModified(true);
        QVERIFY(w.close());
        QVERIFY(seen);
    }
    QSettings s(QStringLiteral("Tarnwick"), QStringLiteral("Velmora"));
    s.beginGroup("Settings");
    const QStringList keys = s.childKeys();
    for (const char *k : {"Geometry", "State", "Language", "PageSettings", "ExportJPGot", "FotoPath", "CutGuides"})
        QVERIFY2(keys.contains(k), k);
    QVERIFY(keys.contains(QStringLiteral("\u0420ageFormatName")));
    QCOMPARE(keys.size(), 49);
    QCOMPARE(s.value("Language").toString(), QStringLiteral("en"));
    s.endGroup();

    // A second start restores what the first one wrote.
    Velmora again;
    QVERIFY(!again.isModified());
    // The selection's count survives the stored geometry being applied.
    QApplication::processEvents();
    QCOMPARE(again.statusBar()->findChildren<QLabel *>().last()->text(), QStringLiteral("Selected 0 Images"));
    QCOMPARE(again.settings().shell.language, QStringLiteral("en"));
}

void TestMainWindow::pageChangesMarkModified()
{
    // A change of the pages reaches the window's modified mark.
    Velmora w;
    w.setCurrentFile(QString());
    QVERIFY(!w.isWindowModified());
    auto *arrange = w.findChild<Arrange *>();
    QVERIFY(arrange);
    // Both exports wait for pages.
    QVERIFY(!w.exportAction()->isEnabled());
    QVERIFY(!w.exportPdfAction()->isEnabled());
    arrange->engine()->addPages(2);
    QCOMPARE(arrange->pageCount(), 2);
    QVERIFY(w.isWindowModified());
    QVERIFY(w.exportAction()->isEnabled());
    QVERIFY(w.exportPdfAction()->isEnabled());
    w.setCurrentFile(QString());
    arrange->engine()->removePages({0});
    QVERIFY(w.isWindowModified());
}

// Images opened together from the command line (a file manager's "Open
// with" on a selection) are all listed in the selection at once, in their
// order, without being decoded first; the folder panel shows their folder.
void TestMainWindow::manyImagesOpenIntoTheSelection()
{
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < 12; ++i)
        paths << writeTestJpeg(dir.filePath(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0'))), 64, 48, Qt::red);
    paths << dir.filePath(QStringLiteral("missing.jpg"));
    Velmora w;
    // The options dialog a first start shows is closed.
    QTimer closer;
    connect(&closer, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(20);
    w.start(paths);
    closer.stop();
    IconsModel *model = w.selectedDock()->model();
    QCOMPARE(model->rowCount(), 12);
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(model->item(i).fileName, paths.at(i));
        QVERIFY(!model->item(i).isDecoded());
    }
    QCOMPARE(w.availableDock()->tree()->currentFolder(), dir.path());
    w.setModified(false);
}

void TestMainWindow::disabledWidgetsLookDisabled_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::newRow("light") << StyleSheets::light();
    QTest::newRow("dark system") << StyleSheets::darkSystem();
    QTest::newRow("dark palette") << StyleSheets::darkPalette();
}

// Under every sheet a disabled label and button are drawn otherwise than
// enabled ones.
void TestMainWindow::disabledWidgetsLookDisabled()
{
    QFETCH(QString, sheet);
    QWidget box;
    box.setStyleSheet(sheet);
    auto *label = new QLabel(QStringLiteral("Xx Xx"), &box);
    auto *button = new QPushButton(QStringLiteral("Xx Xx"), &box);
    button->move(0, 40);
    box.resize(200, 100);
    for (QWidget *w : {static_cast<QWidget *>(label), static_cast<QWidget *>(button)}) {
        w->ensurePolished();
        const QImage enabled = w->grab().toImage();
        w->setEnabled(false);
        const QImage disabled = w->grab().toImage();
        QVERIFY2(enabled != disabled, w->metaObject()->className());
    }
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
