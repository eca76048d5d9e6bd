// Printing: the printer set-up from the page setup, the choice and order of
// pages, the division into jobs, and real PDF output checked with poppler.
#include "OutputFixture.h"

#include "app/PrintCommand.h"
#include "app/PrintJob.h"
#include "app/PrintPlan.h"
#include "arrange/PageRenderer.h"

#include <QComboBox>
#include <QPrintDialog>
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
    void paper_data();
    void paper();
    void printerSetUp();
    void pdfPages();
    void pdfMatchesRendering();
    void pdfKeepsPhotoResolution();
    void jobsOnPrinter();
    void cancel();
    void dialogOffersFile();

private:
    QString pdf(const QString &name) const { return dir.filePath(name); }
    // Points `printer` at the PDF file `name` in the test folder.
    void toPdf(QPrinter &printer, const QString &name) const
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf(name));
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

void TestPrint::paper_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QSizeF>("expected");
    QTest::addColumn<bool>("standardA4");
    QTest::newRow("A4 portrait mm") << 1 << 0 << 210.0 << 297.0 << QSizeF(210, 297) << true;
    QTest::newRow("A4 landscape mm") << 1 << 1 << 297.0 << 210.0 << QSizeF(210, 297) << true;
    QTest::newRow("A4 landscape in, long side truncated") << 0 << 1 << 11.69 << 8.26 << QSizeF(209.804, 296) << false;
    QTest::newRow("A4 portrait cm") << 2 << 0 << 21.0 << 29.7 << QSizeF(210, 297) << true;
}

void TestPrint::paper()
{
    QFETCH(int, unit);
    QFETCH(int, orientation);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QSizeF, expected);
    QFETCH(bool, standardA4);
    PageSetup d;
    d.unit = unit;
    d.orientation = orientation;
    d.width = width;
    d.height = height;
    d.paperSize = 7;
    const PrintPlan::Paper p = PrintPlan::paperFor(d);
    QVERIFY(qAbs(p.sizeMm.width() - expected.width()) < 1e-6);
    QVERIFY(qAbs(p.sizeMm.height() - expected.height()) < 1e-6);
    QCOMPARE(p.orientation, orientation ? QPageLayout::Landscape : QPageLayout::Portrait);
    QCOMPARE(PrintPlan::pageSizeFor(p).id() == QPageSize::A4, standardA4);
    const QSizeF set = PrintPlan::pageSizeFor(p).size(QPageSize::Millimeter);
    QVERIFY2(qAbs(set.width() - expected.width()) < 0.01 && qAbs(set.height() - expected.height()) < 0.01,
             qPrintable(QStringLiteral("%1 x %2").arg(set.width()).arg(set.height())));
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
    QCOMPARE(printer.docName(), QStringLiteral("Velmora"));

    d.borderless = true;
    PrintJob::setUp(printer, PrintPlan::paperFor(d));
    QVERIFY(printer.fullPage());
    QCOMPARE(printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF());
    QCOMPARE(d.left, 7.0); // the page setup keeps its margins
}

void TestPrint::pdfPages()
{
    REQUIRE_PDFINFO()
    Document doc;
    arrangeDocument(doc, dir.path(), 6, a4Layout(1, 2));
    QCOMPARE(doc.pages.size(), 3);
    QPrinter printer(QPrinter::ScreenResolution);
    toPdf(printer, QStringLiteral("range.pdf"));
    PrintJob::setUp(printer, PrintPlan::paperFor(PageSetup()));
    PrintPlan::Choice c;
    c.range = Range::PageRange;
    c.fromPage = 2;
    c.toPage = 3;
    QList<int> drawn;
    const PrintJob::Result r = PrintJob::print(printer, doc.pages, PrintPlan::jobs(PrintPlan::pages(c, 3), 1, true, 5),
                                               [&drawn](int, int, int index) {
                                                   drawn << index;
                                                   return true;
                                               });
    QCOMPARE(drawn, (QList<int>{1, 2}));
    QCOMPARE(r.jobsSent, 1);
    QCOMPARE(pdfInfo(printer.outputFileName(), QStringLiteral("Pages")), QStringLiteral("2"));
    const QString a4 = pdfInfo(printer.outputFileName(), QStringLiteral("Page size"));
    QVERIFY2(a4.startsWith(QLatin1String("595")) && a4.contains(QLatin1String("(A4)")), qPrintable(a4));

    // Landscape paper gives a landscape PDF page.
    PageSetup d;
    d.orientation = 1;
    d.width = 297;
    d.height = 210;
    printer.setOutputFileName(pdf(QStringLiteral("landscape.pdf")));
    PrintJob::setUp(printer, PrintPlan::paperFor(d));
    PrintJob::print(printer, doc.pages, {{0}});
    const QString size = pdfInfo(printer.outputFileName(), QStringLiteral("Page size"));
    QVERIFY2(size.startsWith(QLatin1String("84")) && size.contains(QLatin1String("x 595")), qPrintable(size));
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
    PrintJob::print(printer, doc.pages, {{0}});
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-singlefile"),
                                         printer.outputFileName(), pdf(QStringLiteral("compare"))});
    const QImage printed = QImage(pdf(QStringLiteral("compare.ppm"))).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!printed.isNull());

    // The same page drawn directly at the same scale, margins included.
    QImage expected(printed.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    const double px = printed.width() / 210.0; // pixels per millimetre
    const Page &page = doc.pages.first();
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
    PrintJob::print(printer, doc.pages, {{0}});
    const QString list = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), printer.outputFileName()});
    if (list.isEmpty())
        QSKIP("pdfimages is not installed");
    int images = 0;
    for (const QString &line : list.split(QLatin1Char('\n')).mid(2)) {
        const QStringList f = line.simplified().split(QLatin1Char(' '));
        if (f.size() < 5 || f.at(2) != QLatin1String("image"))
            continue;
        ++images;
        const PhotoFrame &frame = doc.pages.first().frames.at(images - 1);
        const int cropLong = qMax(frame.cropWidth, frame.cropHeight);
        const double printedInches = qMax(frame.width, frame.height) / 2540.0;
        const int needed = qMin(cropLong, int(300 * printedInches));
        QVERIFY2(qMax(f.at(3).toInt(), f.at(4).toInt()) >= needed - 2, qPrintable(line));
    }
    QCOMPARE(images, 2);
}

void TestPrint::jobsOnPrinter()
{
    REQUIRE_PDFINFO()
    Document doc;
    arrangeDocument(doc, dir.path(), 12, a4Layout(1, 1));
    QCOMPARE(doc.pages.size(), 12);
    QPrinter printer(QPrinter::ScreenResolution);
    toPdf(printer, QStringLiteral("jobs.pdf"));
    printer.setCopyCount(2);
    PrintJob::setUp(printer, PrintPlan::paperFor(PageSetup()));
    QList<int> all;
    for (int i = 0; i < 12; ++i)
        all << i;
    const PrintJob::Result r = PrintJob::print(printer, doc.pages, PrintPlan::jobs(all, 1, true, 5));
    QCOMPARE(r.jobsSent, 3);
    QCOMPARE(r.pagesPrinted, 12);
    // Each job began the file anew: the last one holds its two pages.
    QCOMPARE(pdfInfo(printer.outputFileName(), QStringLiteral("Pages")), QStringLiteral("2"));
    QCOMPARE(printer.copyCount(), 2); // the dialog's choice survives
}

void TestPrint::cancel()
{
    Document doc;
    arrangeDocument(doc, dir.path(), 3, a4Layout(1, 1));
    QPrinter printer(QPrinter::ScreenResolution);
    toPdf(printer, QStringLiteral("cancel.pdf"));
    PrintJob::setUp(printer, PrintPlan::paperFor(PageSetup()));
    const PrintJob::Result r = PrintJob::print(printer, doc.pages, {{0, 1, 2}}, [](int done, int, int) { return done < 1; });
    QVERIFY(r.cancelled);
    QCOMPARE(r.pagesPrinted, 1);
    QCOMPARE(r.jobsSent, 0);
}

void TestPrint::dialogOffersFile()
{
    // With no system printer the dialog must still let the user print into
    // a PDF file, and show the collation box for several copies.
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer);
    dialog.setOptions(PrintCommand::dialogOptions());
    QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintCurrentPage));
    QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintSelection));
    QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintCollateCopies));
    dialog.show();
    auto *printers = dialog.findChild<QComboBox *>(QStringLiteral("printers"));
    QVERIFY(printers);
    bool file = false;
    for (int i = 0; i < printers->count(); ++i)
        file = file || printers->itemText(i).contains(QLatin1String("PDF"));
    QVERIFY2(file, "the print dialog offers no PDF file");
    dialog.reject();
}

QTEST_MAIN(TestPrint)
#include "test_print.moc"
