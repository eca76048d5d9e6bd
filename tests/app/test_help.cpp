// The help window and the help pages: pages found beside the program or in
// an installed share folder, English where a language lacks a page, the same
// page after a language switch, one window however often it is asked for,
// and every local link and picture of the shipped pages resolving.
#include "app/About.h"
#include "app/Help.h"
#include "app/Velmora.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

namespace {

void writePage(const QString &path, const QString &title, const QString &body = QString())
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>%2</body></html>")
                .arg(title, body)
                .toUtf8());
}

QString pageTitle(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const auto m = QRegularExpression(QStringLiteral("<title>(.*)</title>")).match(QString::fromUtf8(f.readAll()));
    return m.captured(1);
}

QTextBrowser *browserOf(Help *help) { return help->findChild<QTextBrowser *>(); }

QPushButton *button(Help *help, const QString &text)
{
    for (QPushButton *b : help->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

QList<Help *> helpWindows()
{
    QList<Help *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *h = qobject_cast<Help *>(w))
            found << h;
    return found;
}

QAction *languageAction(Velmora &w, const QString &locale)
{
    for (QAction *a : w.languageMenu()->actions())
        if (a->data().toString() == locale)
            return a;
    return nullptr;
}

QString builtPages(const QString &language) { return QStringLiteral(VELMORA_BIN_DIR "/Help_") + language; }

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

    QTemporaryDir home;
    QTemporaryDir pages;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(home.isValid() && pages.isValid());
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());

        // A program folder with pages beside it, and an installed one with the
        // pages in ../share/velmora.
        for (const QString &root : {pages.filePath("beside"), pages.filePath("installed/share/velmora")}) {
            writePage(root + "/Help_en/index.htm", "Contents EN", "<a href=\"only-en.htm\">more</a>");
            writePage(root + "/Help_en/only-en.htm", "Only EN", "<img src=\"pic.png\">");
            writePage(root + "/Help_ru/index.htm", "Contents RU", "<img src=\"pic.png\">");
            QImage pic(7, 5, QImage::Format_RGB32);
            pic.fill(Qt::red);
            QVERIFY(pic.save(root + "/Help_en/pic.png"));
        }
        writePage(pages.filePath("beside/Help_en/wide.htm"), "Wide", "<p>A picture wider than any screen:</p>"
                                                                   "<p><img src=\"wide.png\"></p>");
        QImage wide(1500, 300, QImage::Format_RGB32);
        wide.fill(Qt::blue);
        QVERIFY(wide.save(pages.filePath("beside/Help_en/wide.png")));
        QDir().mkpath(pages.filePath("installed/bin"));
        QDir().mkpath(pages.filePath("empty"));
    }

    void pageFromLanguageOrEnglish_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        for (const char *where : {"beside", "installed/bin"}) {
            const QString dir = pages.filePath(where);
            QTest::addRow("%s, page of the language", where) << dir << "ru" << "index.htm" << "Contents RU";
            QTest::addRow("%s, page only in English", where) << dir << "ru" << "only-en.htm" << "Only EN";
            QTest::addRow("%s, language without pages", where) << dir << "de" << "index.htm" << "Contents EN";
            QTest::addRow("%s, no such page", where) << dir << "ru" << "nothing.htm" << "";
        }
        QTest::addRow("no pages at all") << pages.filePath("empty") << "en" << "index.htm" << "";
    }

    void pageFromLanguageOrEnglish()
    {
        QFETCH(QString, programFolder);
        QFETCH(QString, language);
        QFETCH(QString, page);
        QFETCH(QString, title);
        Help help(programFolder);
        help.setPage(language, page);
        QCOMPARE(browserOf(&help)->documentTitle(), title);
        QCOMPARE(browserOf(&help)->toPlainText().isEmpty(), title.isEmpty());
    }

    // The window opens with room for the pages' pictures, within the
    // screen; a picture wider than the window is scaled to its width, so the
    // page never scrolls sideways, and grows back when there is room.
    void picturesFitTheWindow()
    {
        Help help(pages.filePath("beside"));
        const QRect screen = help.screen()->availableGeometry();
        QVERIFY(help.width() >= qMin(800, screen.width() - 16) && help.height() > 480);
        QVERIFY(help.width() <= screen.width() && help.height() <= screen.height());
        help.setPage("en", "wide.htm");
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QTextBrowser *browser = browserOf(&help);
        QTRY_COMPARE(browser->horizontalScrollBar()->maximum(), 0);
        const int before = int(browser->document()->idealWidth());
        help.resize(help.width() / 2, help.height());
        QTRY_COMPARE(browser->horizontalScrollBar()->maximum(), 0);
        QVERIFY(browser->document()->idealWidth() < before);
        help.resize(help.width() * 2, help.height());
        QTRY_COMPARE(int(browser->document()->idealWidth()), before);
    }

    void languageSwitchShowsSamePage()
    {
        Velmora w;
        QAction *english = languageAction(w, "en");
        QAction *russian = languageAction(w, "ru");
        QVERIFY(english && russian);
        english->trigger();
        w.helpStarted();
        QCOMPARE(helpWindows().size(), 1);
        Help *help = helpWindows().first();
        const QString englishTitle = pageTitle(builtPages("en") + "/20.htm");
        const QString russianTitle = pageTitle(builtPages("ru") + "/20.htm");
        QVERIFY(!englishTitle.isEmpty() && !russianTitle.isEmpty() && englishTitle != russianTitle);
        QCOMPARE(browserOf(help)->documentTitle(), englishTitle);

        russian->trigger();
        QCOMPARE(browserOf(help)->documentTitle(), russianTitle);
        // Dates in the panels and the unit in the paper's name follow.
        QCOMPARE(QLocale().language(), QLocale::Russian);
        QVERIFY2(w.settings().page.paperName.endsWith(QStringLiteral(" мм")), qPrintable(w.settings().page.paperName));
        // The pictures follow too: the Russian screenshots, not the English ones
        // shown a moment ago under the same names.
        const auto shown = [help](const char *name) {
            return browserOf(help)->document()->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
        };
        const QImage russianChooser(builtPages("ru") + "/images/chooser.png");
        QVERIFY(!russianChooser.isNull());
        QVERIFY(russianChooser != QImage(builtPages("en") + "/images/chooser.png"));
        QCOMPARE(shown("images/chooser.png").convertToFormat(russianChooser.format()), russianChooser);
        QVERIFY(button(help, QStringLiteral("Содержание")));
        english->trigger();
        QCOMPARE(browserOf(help)->documentTitle(), englishTitle);
        QVERIFY(button(help, "Contents"));
    }

    void contentsTwiceMakesOneWindowClosedWithTheProgram()
    {
        Velmora w;
        languageAction(w, "en")->trigger();
        QAction *contents = nullptr;
        for (QAction *a : w.findChildren<QAction *>())
            if (a->text() == "Contents")
                contents = a;
        QVERIFY(contents);
        contents->trigger();
        QCOMPARE(helpWindows().size(), 1);
        Help *help = helpWindows().first();
        QVERIFY(help->isVisible());
        QVERIFY(!help->isModal());
        const QString indexTitle = pageTitle(builtPages("en") + "/index.htm");
        QCOMPARE(browserOf(help)->documentTitle(), indexTitle);

        // Wander off, close the window, ask again: the same window, on the contents.
        w.helpSupport();
        QCOMPARE(browserOf(help)->documentTitle(), pageTitle(builtPages("en") + "/60.htm"));
        help->close();
        contents->trigger();
        QCOMPARE(helpWindows(), QList<Help *>{help});
        QVERIFY(help->isVisible());
        QCOMPARE(browserOf(help)->documentTitle(), indexTitle);

        // The help window has no parent: left open, it would keep the program
        // running after the main window closed.
        QVERIFY(w.close());
        QVERIFY(!help->isVisible());
    }

    void aboutInRussian()
    {
        Velmora w;
        languageAction(w, "ru")->trigger();
        QString title, text;
        QTimer::singleShot(0, [&] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (auto *about = qobject_cast<About *>(top); about && about->isVisible()) {
                    title = about->windowTitle();
                    text = about->findChild<QLabel *>("aboutText")->text();
                    about->close();
                }
            }
        });
        w.about();
        languageAction(w, "en")->trigger();
        QCOMPARE(title, QStringLiteral("О программе"));
        // The Russian pages of the web site.
        QVERIFY2(text.contains("https://velmora.example.org/ru/"), qPrintable(text));
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
