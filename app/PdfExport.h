#pragma once

#include "app/PrintJob.h"
#include "platform/Outcome.h"

#include <QList>
#include <QString>
#include <QVector>

struct PageSetup;
struct Page;

// Pages written into one PDF file through the print code: the photographs
// at full resolution on the paper of the page setup. Shared by the export
// command of the window and the command line's --print-pdf.
class PdfExport
{
public:
    // `chosen` from a file dialog with ".pdf" added when it has no such
    // ending.
    static QString fileName(const QString &chosen);

    // The PDF's document title: the project's name (its file name without
    // the folder and ".vm2"), or, for an untitled project, the PDF's.
    static QString title(const QString &projectFile, const QString &pdfFile);

    // Writes pages `indexes` of `pages`, in that order, under the document
    // title `title`. A failure (logged) says the file could not be written,
    // with the file and the reason as its detail; an existing file of that
    // name is then left as it was, as it is after a cancel through
    // `progress` (which counts as success).
    static Outcome write(const QString &file, const QString &title, const QVector<Page> &pages,
                         const QList<int> &indexes, const PageSetup &setup, const RenderOptions &options,
                         const PrintJob::Progress &progress);
};
