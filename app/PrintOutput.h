#pragma once

#include "platform/Outcome.h"
#include "platform/PrintSpooler.h"

#include <QString>

#include <memory>

class QPrinter;
class QTemporaryFile;

// Where one print job goes. Into a PDF file, the job is drawn into a
// temporary file beside it and moved into place once it is complete; on a
// system printer, it is drawn into a temporary PDF and queued whole when the
// print service is there (without one, on the printer itself). A job that
// is dropped or fails leaves nothing behind: no partial file, no partial
// print job.
class PrintOutput
{
public:
    explicit PrintOutput(QPrinter &printer);
    ~PrintOutput();
    PrintOutput(const PrintOutput &) = delete;
    PrintOutput &operator=(const PrintOutput &) = delete;

    // The device to draw the job on, set up as `printer`; null with
    // outcome() when the job cannot be started.
    QPrinter *device();
    // After the painter on device() ended (`ended` is its answer): checks
    // the job and hands it over. False with outcome() when it is incomplete
    // or was not taken.
    bool finish(bool ended);
    // Drops the job: nothing of it is written or sent.
    void discard();
    // The pages are drawn in the printer's own profile: the print service is
    // told not to convert their colours again (job option "cm-calibration").
    void setColourConverted(bool converted) { m_colourConverted = converted; }
    // Why the job failed: the PDF file or the print job could not be made,
    // with the file and the reason, or the printer's answer, as the detail.
    Outcome outcome() const { return m_outcome; }

    // The sentences of a job that failed.
    static const char *const Unprinted;
    static const char *const PdfUnwritten;

    // The options the print service gets for a job on `printer`: paper,
    // sides, colour and the dialog's remaining service options.
    static PrintSpooler::Options serviceOptions(QPrinter &printer);
    // Removes the print dialog's service option `name` from `printer` and
    // gives its value (empty when it was not set).
    static QString takeServiceOption(QPrinter &printer, const QString &name);
    // True when `file` ends as a complete PDF does.
    static bool isCompletePdf(const QString &file);

private:
    enum class Kind { File, Spool, Direct };
    bool fail(const QString &detail);
    QString incompleteReason() const;
    bool moveIntoPlace();
    PrintSpooler::Options jobOptions() const;

    QPrinter &m_printer;
    Kind m_kind;
    std::unique_ptr<QTemporaryFile> m_temporary;
    std::unique_ptr<QPrinter> m_pdf;
    bool m_colourConverted = false;
    Outcome m_outcome;
};
