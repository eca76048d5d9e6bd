#include "app/PdfExport.h"

#include "formats/PageSetup.h"

#include <QFileInfo>
#include <QPrinter>

QString PdfExport::fileName(const QString &chosen)
{
    if (chosen.isEmpty() || chosen.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QStringLiteral(".pdf");
}

QString PdfExport::title(const QString &projectFile, const QString &pdfFile)
{
    return QFileInfo(projectFile.isEmpty() ? pdfFile : projectFile).completeBaseName();
}

Outcome PdfExport::write(const QString &file, const QString &title, const QVector<Page> &pages,
                         const QList<int> &indexes, const PageSetup &setup, const RenderOptions &options,
                         const PrintJob::Progress &progress)
{
    // The print code writes the PDF beside the file and puts it in place
    // only once it is complete.
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    PrintJob::setUp(printer, PrintPlan::paperFor(setup));
    printer.setDocName(title);
    const QVector<QList<int>> jobs = PrintPlan::oneJob(PrintPlan::jobs(indexes, 1, true, 1));
    return PrintJob::print(printer, pages, jobs, progress, options).outcome;
}
