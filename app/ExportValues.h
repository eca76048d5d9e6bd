#pragma once

#include <QString>

// Which pages the JPEG export writes.
enum class ExportMode : int { AllPages = 0, CurrentPage = 1, SelectedPages = 2, PageRange = 3 };

// The JPEG export's preferences.
struct ExportValues
{
    int jpegQuality = 80;
    ExportMode exportMode = ExportMode::AllPages;
    int exportFrom = 1;
    int exportTo = 1;
    QString exportName; // base path of the exported files; kept within a run, not stored
    QString pdfName;    // the PDF file last exported to; kept within a run, not stored
};
