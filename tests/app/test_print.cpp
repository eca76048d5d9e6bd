// Printing: the printer set-up from the page setup, the choice and order of
// pages, the division into jobs, and real PDF output checked with poppler.
#include "OutputFixture.h"

#include "app/PrintCommand.h"
#include "app/PrintOutput.h"
#include "app/UserSettings.h"
#include "arrange/Arrange.h"
#include "app/PrintJob.h"
#include "app/PrintPlan.h"
#include "arrange/PageRenderer.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using PrintPlan::Range;

class TestPrint : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void choice_data();
    void choice();
    void jobs_data();
    void jobs();
    void printerSetUp();
    void pdfMatchesRendering();
    void pdfKeepsPhotoResolution();
    void cancel();
    void cancelKeepsFinishedJobs();
    void dialogPages_data();
    void dialogPages();
    void commandPrintsRange();
    void cupsDialogPageRanges();
    void cupsCancelAfterFirstPage();

private:
    QString pdf(const QString &name) const { return dir.filePath(name); }
    // Points `printer` at the PDF file `name` in the test folder.
    void toPdf(QPrinter &printer, const QString &name) const
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf(name));
    }
    // Points `printer` at the print service's queue `name`, A4.
    static void toQueue(QPrinter &printer, const QString &name)
    {
        printer.setPrinterName(name);
        QCOMPARE(printer.printerName(), name);
        PrintJob::setUp(printer, PrintPlan::paperFor(PageSetup()));
    }
    QTemporaryDir dir;
};

void TestPrint::initTestCase()
{
    QVERIFY(dir.isValid());
}

// The tests that read a PDF back need poppler's pdfinfo; the print plan's
// tables do not.
#define REQUIRE_PDFINFO()                                                                 \
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())              \
        QSKIP("poppler-utils (pdfinfo) is not installed");

void TestPrint::choice_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("selection");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("lastFirst");
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<QList<int>>("expected");
    const int all = int(Range::AllPages), sel = int(Range::Selection), pr = int(Range::PageRange),
              cur = int(Range::CurrentPage);
    QTest::newRow("all") << all << 0 << 0 << QList<int>() << 0 << false << 3 << QList<int>{0, 1, 2};
    QTest::newRow("range 2-3") << pr << 2 << 3 << QList<int>() << 0 << false << 3 << QList<int>{1, 2};
    QTest::newRow("range end clipped") << pr << 2 << 9 << QList<int>() << 0 << false << 3 << QList<int>{1, 2};
    QTest::newRow("range after last") << pr << 4 << 6 << QList<int>() << 0 << false << 3 << QList<int>();
    QTest::newRow("range backwards") << pr << 3 << 2 << QList<int>() << 0 << false << 3 << QList<int>();
    QTest::newRow("last page first") << pr << 1 << 3 << QList<int>() << 0 << true << 3 << QList<int>{2, 1, 0};
    QTest::newRow("current page wins over typed range") << cur << 1 << 3 << QList<int>() << 1 << false << 3
                                                        << QList<int>{1};
    QTest::newRow("no current page") << cur << 0 << 0 << QList<int>() << -1 << false << 3 << QList<int>();
    QTest::newRow("selection in its order") << sel << 0 << 0 << QList<int>{2, 0} << 0 << false << 3
                                            << QList<int>{2, 0};
    QTest::newRow("selection last first") << sel << 0 << 0 << QList<int>{2, 0, 1} << 0 << true << 3
                                          << QList<int>{1, 0, 2};
    QTest::newRow("empty selection") << sel << 0 << 0 << QList<int>() << 0 << false << 3 << QList<int>();
    QTest::newRow("no pages") << all << 0 << 0 << QList<int>() << -1 << false << 0 << QList<int>();
}

void TestPrint::choice()
{
    QFETCH(int, range);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, selection);
    QFETCH(int, current);
    QFETCH(bool, lastFirst);
    QFETCH(int, pageCount);
    QFETCH(QList<int>, expected);
    PrintPlan::Choice c;
    c.range = Range(range);
    c.fromPage = from;
    c.toPage = to;
    c.selection = selection;
    c.currentPage = current;
    c.lastPageFirst = lastFirst;
    QCOMPARE(PrintPlan::pages(c, pageCount), expected);
}

void TestPrint::jobs_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("collate");
    QTest::addColumn<int>("jobMax");
    QTest::addColumn<QVector<QList<int>>>("expected");
    QTest::newRow("twelve by five") << 12 << 1 << true << 5
                                    << QVector<QList<int>>{{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}, {10, 11}};
    QTest::newRow("collated copies") << 3 << 2 << true << 2 << QVector<QList<int>>{{0, 1}, {2}, {0, 1}, {2}};
    QTest::newRow("uncollated copies") << 3 << 2 << false << 2 << QVector<QList<int>>{{0, 1}, {0, 1}, {2}, {2}};
    QTest::newRow("no copies") << 3 << 0 << true << 5 << QVector<QList<int>>();
    QTest::newRow("job size under one") << 2 << 1 << true << 0 << QVector<QList<int>>{{0}, {1}};
}

void TestPrint::jobs()
{
    QFETCH(int, pages);
    QFETCH(int, copies);
    QFETCH(bool, collate);
    QFETCH(int, jobMax);
    QFETCH(QVector<QList<int>>, expected);
    QList<int> list;
    for (int i = 0; i < pages; ++i)
        list << i;
    const QVector<QList<int>> jobs = PrintPlan::jobs(list, copies, collate, jobMax);
    QCOMPARE(jobs, expected);
    const QVector<QList<int>> one = PrintPlan::oneJob(jobs);
    QCOMPARE(one.size(), jobs.isEmpty() ? 0 : 1);
}

void TestPrint::printerSetUp()
{
    QPrinter printer(QPrinter::ScreenResolution);
    toPdf(printer, QStringLiteral("setup.pdf"));
    PageSetup d;
    d.orientation = 1;
    d.width = 297;
    d.height = 210;
    d.left = 7;
    d.top = 8;
    PrintJob::setUp(printer, PrintPlan::paperFor(d));
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    QVERIFY(!printer.fullPage());
    const QMarginsF m = printer.pageLayout().margins(QPageLayout::Millimeter);
    QVERIFY(qAbs(m.left() - 7) < 0.01 && qAbs(m.top() - 8) < 0.01 && qAbs(m.right() - 5) < 0.01);
    QVERIFY(printer.resolution() >= PrintJob::MinimumResolution);

    d.borderless = true;
    PrintJob::setUp(printer, PrintPlan::paperFor(d));
    QVERIFY(printer.fullPage());
    QCOMPARE(printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF());
}

void TestPrint::pdfMatchesRendering()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm is not installed");
    Document doc;
    arrangeDocument(doc, dir.path(), 4, a4Layout(2, 2));
    QPrinter printer(QPrinter::ScreenResolution);
    toPdf(printer, QStringLiteral("compare.pdf"));
    PrintJob::setUp(printer, PrintPlan::paperFor(PageSetup()));
    PrintJob::print(printer, doc.pages(), {{0}});
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-singlefile"),
                                         printer.outputFileName(), pdf(QStringLiteral("compare"))});
    const QImage printed = QImage(pdf(QStringLiteral("compare.ppm"))).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!printed.isNull());

    // The same page drawn directly at the same scale, margins included.
    QImage expected(printed.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    const double px = printed.width() / 210.0; // pixels per millimetre
    const Page &page = doc.page(0);
    QPainter painter(&expected);
    PageRenderer::drawPage(painter, page,
                           QRectF(page.left / 100.0 * px, page.top / 100.0 * px, page.printableWidth() / 100.0 * px,
                                  page.printableHeight() / 100.0 * px));
    painter.end();
    qint64 diff = 0;
    for (int y = 0; y < printed.height(); ++y)
        for (int x = 0; x < printed.width(); ++x) {
            const QRgb a = printed.pixel(x, y), b = expected.pixel(x, y);
            diff += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
        }
    const double mean = double(diff) / (printed.width() * printed.height() * 3);
    QVERIFY2(mean < 6.0, qPrintable(QStringLiteral("mean difference %1").arg(mean)));
    // The margin stays white, the photograph starts at 5 mm.
    QCOMPARE(QColor(printed.pixel(int(3 * px), printed.height() / 4)), QColor(Qt::white));
    QVERIFY(QColor(printed.pixel(int(7 * px), printed.height() / 4)) != QColor(Qt::white));
}

void TestPrint::pdfKeepsPhotoResolution()
{
    // Two frames on A4 of about 200 x 143 mm: a 1200 x 800 photograph turned
    // into an upright frame stays at its own resolution (below 300 ppi).
    Document doc;
    arrangeDocument(doc, dir.path(), 2, a4Layout(1, 2));
    QPrinter printer(QPrinter::ScreenResolution);
    toPdf(printer, QStringLiteral("resolution.pdf"));
    PrintJob::setUp(printer, PrintPlan::paperFor(PageSetup()));
    PrintJob::print(printer, doc.pages(), {{0}});
    const QString list = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), printer.outputFileName()});
    if (list.isEmpty())
        QSKIP("pdfimages is not installed");
    int images = 0;
    for (const QString &line : list.split(QLatin1Char('\n')).mid(2)) {
        const QStringList f = line.simplified().split(QLatin1Char(' '));
        if (f.size() < 5 || f.at(2) != QLatin1String("image"))
            continue;
        ++images;
        const PhotoFrame &frame = doc.page(0).frames.at(images - 1);
        const int cropLong = qMax(frame.cropWidth, frame.cropHeight);
        const double printedInches = qMax(frame.width, frame.height) / 2540.0;
        const int needed = qMin(cropLong, int(300 * printedInches));
        QVERIFY2(qMax(f.at(3).toInt(), f.at(4).toInt()) >= needed - 2, qPrintable(line));
    }
    QCOMPARE(images, 2);
}

void TestPrint::cancel()
{
    // Cancel on the second page: the file of that name keeps what it held,
    // and no part of the job is left beside it.
    Document doc;
    arrangeDocument(doc, dir.path(), 3, a4Layout(1, 1));
    QTemporaryDir out;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir(out.path()).filePath(QStringLiteral("cancel.pdf")));
    QVERIFY(writeFile(printer.outputFileName(), "old"));
    PrintJob::setUp(printer, PrintPlan::paperFor(PageSetup()));
    const PrintJob::Result r = PrintJob::print(printer, doc.pages(), {{0, 1, 2}}, [](int done, int, int) { return done < 1; });
    QVERIFY(r.cancelled);
    QVERIFY(r.outcome);
    QCOMPARE(r.pagesPrinted, 0);
    QCOMPARE(r.jobsSent, 0);
    QCOMPARE(readFile(printer.outputFileName()), QByteArray("old"));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("cancel.pdf")});
}

void TestPrint::cancelKeepsFinishedJobs()
{
    REQUIRE_PDFINFO()
    Document doc;
    arrangeDocument(doc, dir.path(), 3, a4Layout(1, 1));
    QPrinter printer(QPrinter::ScreenResolution);
    toPdf(printer, QStringLiteral("finished.pdf"));
    PrintJob::setUp(printer, PrintPlan::paperFor(PageSetup()));
    const PrintJob::Result r = PrintJob::print(printer, doc.pages(), {{0}, {1, 2}}, [](int done, int, int) { return done < 2; });
    QVERIFY(r.cancelled);
    QCOMPARE(r.jobsSent, 1);
    QCOMPARE(r.pagesPrinted, 1);
    QCOMPARE(pdfInfo(printer.outputFileName(), QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY(PrintCommand::cancelText(1).contains(QLatin1String("1 page")));
}

// The print dialog's free-text pages and page set for a print service,
// applied to the whole document before it is split into jobs.
void TestPrint::dialogPages_data()
{
    QTest::addColumn<QString>("ranges");
    QTest::addColumn<QString>("set");
    QTest::addColumn<bool>("lastFirst");
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<int>("jobMax");
    QTest::addColumn<QVector<QList<int>>>("expected");
    QTest::newRow("page 2 of 2, one a job") << "2" << "" << false << 2 << 1 << QVector<QList<int>>{{1}};
    QTest::newRow("ranges and single pages") << "1-2, 5,7-" << "" << false << 8 << 5
                                             << QVector<QList<int>>{{0, 1, 4, 6, 7}};
    QTest::newRow("open start") << "-2" << "" << false << 4 << 5 << QVector<QList<int>>{{0, 1}};
    QTest::newRow("odd pages") << "" << "odd" << false << 5 << 2 << QVector<QList<int>>{{0, 2}, {4}};
    QTest::newRow("even pages in a range, last first") << "2-5" << "even" << true << 6 << 5
                                                       << QVector<QList<int>>{{3, 1}};
    QTest::newRow("range past the end") << "9-12" << "" << false << 3 << 5 << QVector<QList<int>>();
    QTest::newRow("nonsense") << "x" << "" << false << 3 << 5 << QVector<QList<int>>();
}

void TestPrint::dialogPages()
{
    QFETCH(QString, ranges);
    QFETCH(QString, set);
    QFETCH(bool, lastFirst);
    QFETCH(int, pageCount);
    QFETCH(int, jobMax);
    QFETCH(QVector<QList<int>>, expected);
    PrintPlan::Choice c;
    c.pageRanges = ranges;
    c.pageSet = PrintPlan::pageSetFrom(set);
    c.lastPageFirst = lastFirst;
    QCOMPARE(PrintPlan::jobs(PrintPlan::pages(c, pageCount), 1, true, jobMax), expected);
}

void TestPrint::commandPrintsRange()
{
    REQUIRE_PDFINFO()
    Document arrangePages;
    Arrange arrange(arrangePages);
    arrangeDocument(arrange.document(), dir.path(), 3, a4Layout(1, 1));
    UserSettings st;
    st.page.printJobMax = 1;
    QPrinter printer(QPrinter::ScreenResolution);
    toPdf(printer, QStringLiteral("command.pdf"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    answerInTurn({[](QWidget *w) { qobject_cast<QDialog *>(w)->accept(); }, [](QWidget *w) { w->findChild<QPushButton *>(QStringLiteral("anyway"))->click(); }});
    PrintCommand::run(nullptr, printer, arrange, st);
    // Into a file the jobs are one: both pages are in it.
    QCOMPARE(pdfInfo(pdf(QStringLiteral("command.pdf")), QStringLiteral("Pages")), QStringLiteral("2"));
}

// The two tests below print on the queue VELMORA_CUPS_QUEUE of a private
// print server (tests/app/cups_e2e.sh runs them and counts the jobs it
// spooled); elsewhere they are skipped.
#define REQUIRE_CUPS_QUEUE()                                                                      \
    const QString queue = qEnvironmentVariable("VELMORA_CUPS_QUEUE");                             \
    if (queue.isEmpty())                                                                          \
        QSKIP("run by cups_e2e.sh with a private print server");

void TestPrint::cupsDialogPageRanges()
{
    REQUIRE_CUPS_QUEUE()
    // Two pages, one a job, "Pages: 2" typed in the dialog: one job of page 2.
    Document doc;
    arrangeDocument(doc, dir.path(), 2, a4Layout(1, 1));
    QPrinter printer(QPrinter::ScreenResolution);
    toQueue(printer, queue);
    QPrintDialog dialog(&printer);
    dialog.setOptions(PrintCommand::dialogOptions());
    dialog.setMinMax(1, 2);
    answerInTurn({[](QWidget *w) {
        auto *pages = w->findChild<QRadioButton *>(QStringLiteral("pagesRadioButton"));
        auto *text = w->findChild<QLineEdit *>(QStringLiteral("pagesLineEdit"));
        QVERIFY(pages && text);
        pages->setChecked(true);
        text->setText(QStringLiteral("2"));
        qobject_cast<QDialog *>(w)->accept();
    }});
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    const PrintPlan::Choice choice = PrintCommand::choiceFrom(printer, {}, 0);
    QCOMPARE(choice.pageRanges, QStringLiteral("2"));
    QVERIFY(PrintOutput::takeServiceOption(printer, QStringLiteral("page-ranges")).isEmpty());
    const PrintJob::Result r =
        PrintJob::print(printer, doc.pages(), PrintPlan::jobs(PrintPlan::pages(choice, 2), 1, true, 1));
    QVERIFY2(r.outcome, qPrintable(r.outcome.text()));
    QCOMPARE(r.jobsSent, 1);
}

void TestPrint::cupsCancelAfterFirstPage()
{
    REQUIRE_CUPS_QUEUE()
    // Jobs of one and two pages, cancelled after the second job's first
    // page: the first job is spooled, nothing of the second.
    Document doc;
    arrangeDocument(doc, dir.path(), 3, a4Layout(1, 1));
    QPrinter printer(QPrinter::ScreenResolution);
    toQueue(printer, queue);
    const PrintJob::Result r =
        PrintJob::print(printer, doc.pages(), {{0}, {1, 2}}, [](int done, int, int) { return done < 2; });
    QVERIFY(r.cancelled);
    QCOMPARE(r.jobsSent, 1);
    QCOMPARE(r.pagesPrinted, 1);
}

QTEST_MAIN(TestPrint)
#include "test_print.moc"
