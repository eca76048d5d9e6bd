#include "app/PrintOutput.h"

#include "app/AppLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QPrintEngine>
#include <QPrinter>
#include <QTemporaryFile>

#include <cstdio>

namespace {

// The print dialog keeps the print service's job options (page ranges, page
// set, banners, ...) on the printer under this key, as name and value pairs.
const QPrintEngine::PrintEnginePropertyKey ServiceOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

} // namespace

PrintOutput::PrintOutput(QPrinter &printer)
    : m_printer(printer),
      m_kind(!printer.outputFileName().isEmpty() ? Kind::File
             : PrintSpooler::available()         ? Kind::Spool
                                                 : Kind::Direct)
{
}

PrintOutput::~PrintOutput() { discard(); }

const char *const PrintOutput::Unprinted = QT_TRANSLATE_NOOP("QObject", "The pages could not be printed.");
const char *const PrintOutput::PdfUnwritten =
    QT_TRANSLATE_NOOP("QObject", "The PDF file could not be written; a file that was there is unchanged.");

bool PrintOutput::fail(const QString &detail)
{
    m_outcome = Outcome::failure(m_kind == Kind::File ? PdfUnwritten : Unprinted, detail);
    discard();
    return false;
}

QPrinter *PrintOutput::device()
{
    if (m_kind == Kind::Direct)
        return &m_printer;
    const QString target = m_printer.outputFileName();
    if (m_kind == Kind::File) {
        const QFileInfo info(target);
        if (info.exists() && !info.isFile()) {
            fail(QObject::tr("Cannot write file %1:\n%2.").arg(target, QObject::tr("It is not a regular file")));
            return nullptr;
        }
        m_temporary = std::make_unique<QTemporaryFile>(info.absolutePath() + QStringLiteral("/.") + info.fileName()
                                                       + QStringLiteral(".XXXXXX"));
    } else {
        m_temporary = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/velmora-job-XXXXXX.pdf"));
    }
    if (!m_temporary->open()) {
        const QString where = m_kind == Kind::File ? target : m_temporary->fileTemplate();
        fail(QObject::tr("Cannot write file %1:\n%2.").arg(where, m_temporary->errorString()));
        return nullptr;
    }
    m_temporary->close();
    m_pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_pdf->setOutputFormat(QPrinter::PdfFormat);
    m_pdf->setOutputFileName(m_temporary->fileName());
    m_pdf->setFullPage(m_printer.fullPage());
    m_pdf->setPageLayout(m_printer.pageLayout());
    m_pdf->setResolution(m_printer.resolution());
    m_pdf->setColorMode(m_printer.colorMode());
    m_pdf->setDocName(m_printer.docName());
    m_pdf->setCreator(m_printer.creator());
    return m_pdf.get();
}

void PrintOutput::discard()
{
    m_pdf.reset();
    m_temporary.reset(); // removes the file
}

bool PrintOutput::isCompletePdf(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 64)
        return false;
    f.seek(qMax<qint64>(0, f.size() - 1024));
    return f.readAll().contains("%%EOF");
}

QString PrintOutput::incompleteReason() const
{
    // The writer does not tell why its file came out short: a write of our
    // own into the same file does (a full disk, a lost network share).
    QFile probe(m_temporary->fileName());
    if (probe.open(QIODevice::Append | QIODevice::Unbuffered)) {
        const QByteArray block(64 * 1024, ' ');
        if (probe.write(block) != block.size())
            return probe.errorString();
    }
    return QObject::tr("The PDF file came out incomplete");
}

bool PrintOutput::moveIntoPlace()
{
    const QString target = m_printer.outputFileName();
    const QByteArray from = QFile::encodeName(m_temporary->fileName());
    // One step where the system can replace a file; else the old one goes
    // first, only now that the new one is complete.
    if (std::rename(from.constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(target);
        if (!QFile::rename(m_temporary->fileName(), target))
            return false;
    }
    m_temporary->setAutoRemove(false);
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return true;
}

bool PrintOutput::finish(bool ended)
{
    if (m_kind == Kind::Direct) {
        if (!ended || m_printer.printerState() == QPrinter::Error)
            return fail(QObject::tr("The printer %1 did not take the print job.").arg(m_printer.printerName()));
        return true;
    }
    if (!m_pdf)
        return fail(m_outcome.detail());
    const bool complete = ended && m_pdf->printerState() != QPrinter::Error && isCompletePdf(m_temporary->fileName());
    const QString target = m_kind == Kind::File ? m_printer.outputFileName() : m_temporary->fileName();
    if (!complete)
        return fail(QObject::tr("Cannot write file %1:\n%2.").arg(target, incompleteReason()));
    m_pdf.reset();
    if (m_kind == Kind::File) {
        if (!moveIntoPlace())
            return fail(QObject::tr("Cannot write file %1:\n%2.").arg(target, QObject::tr("The finished file could not be moved into place")));
        return true;
    }
    const PrintSpooler::Submission sent = PrintSpooler::submit(m_printer.printerName(), m_temporary->fileName(),
                                                               m_printer.docName(), jobOptions());
    qCDebug(lcApp) << "print job" << sent.jobId << "on" << m_printer.printerName() << sent.error;
    if (!sent.jobId)
        return fail(QObject::tr("The printer %1 did not take the print job:\n%2.").arg(m_printer.printerName(), sent.error));
    discard();
    return true;
}

PrintSpooler::Options PrintOutput::jobOptions() const
{
    PrintSpooler::Options options = serviceOptions(m_printer);
    // The pages were converted to the printer's profile already: the print
    // service's colour management (its filters' ICC conversion) is turned
    // off for the job, as for printing a calibration chart.
    if (m_colourConverted)
        options.append(qMakePair(QByteArray("cm-calibration"), QByteArray("true")));
    return options;
}

PrintSpooler::Options PrintOutput::serviceOptions(QPrinter &printer)
{
    PrintSpooler::Options options;
    const auto add = [&options](const QByteArray &name, const QByteArray &value) {
        options.append(qMakePair(name, value));
    };
    add("media", printer.pageLayout().pageSize().key().toUtf8());
    switch (printer.duplex()) {
    case QPrinter::DuplexLongSide: add("sides", "two-sided-long-edge"); break;
    case QPrinter::DuplexShortSide: add("sides", "two-sided-short-edge"); break;
    case QPrinter::DuplexAuto:
        add("sides", printer.pageLayout().orientation() == QPageLayout::Landscape ? "two-sided-short-edge"
                                                                                               : "two-sided-long-edge");
        break;
    case QPrinter::DuplexNone: break;
    }
    if (printer.colorMode() == QPrinter::GrayScale)
        add("print-color-mode", "monochrome");
    const QStringList pairs = printer.printEngine()->property(ServiceOptions).toStringList();
    for (int i = 0; i + 1 < pairs.size(); i += 2)
        add(pairs.at(i).toUtf8(), pairs.at(i + 1).toUtf8());
    return options;
}

QString PrintOutput::takeServiceOption(QPrinter &printer, const QString &name)
{
    QStringList pairs = printer.printEngine()->property(ServiceOptions).toStringList();
    QString value;
    for (int i = 0; i + 1 < pairs.size();) {
        if (pairs.at(i) == name) {
            value = pairs.at(i + 1);
            pairs.erase(pairs.begin() + i, pairs.begin() + i + 2);
        } else {
            i += 2;
        }
    }
    printer.printEngine()->setProperty(ServiceOptions, pairs);
    return value;
}
