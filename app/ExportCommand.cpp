#include "platform/Program.h"
#include "app/ExportCommand.h"

#include "app/UserSettings.h"
#include "app/BufferReuse.h"
#include "app/JpegExport.h"
#include "app/ExportDialog.h"
#include "app/LowResolutionQuestion.h"
#include "app/OutputProgress.h"
#include "app/OutputSpace.h"
#include "app/PdfExport.h"
#include "app/Shell.h"
#include "arrange/Arrange.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMessageBox>

#include <algorithm>

namespace {

enum class Answer { NoFile, Cancelled, Go };

// Pages `numbers` (1-based) as indexes.
QList<int> indexesOf(const QList<int> &numbers)
{
    QList<int> indexes;
    for (const int p : numbers)
        indexes << p - 1;
    return indexes;
}

// The file name, the dialog's choices and the question about low
// resolution; on Go `numbers` holds the 1-based pages to write.
Answer choose(QWidget *window, Arrange &arrange, UserSettings &st, ExportDialog::Format format, QList<int> &numbers)
{
    const bool pdf = format == ExportDialog::Format::Pdf;
    const int n = arrange.pageCount();
    ExportValues &values = st.exports;
    values.exportTo = n;
    for (;;) {
        const QString chosen = QFileDialog::getSaveFileName(
            window, pdf ? QObject::tr("Export to PDF") : QObject::tr("Export to Jpeg"), st.shell.projectPath,
            pdf ? QStringLiteral("*.pdf") : QStringLiteral("*.jpg"));
        if (chosen.isEmpty())
            return Answer::NoFile;
        QString &name = pdf ? values.pdfName : values.exportName;
        name = pdf ? PdfExport::fileName(chosen) : JpegExport::baseName(chosen);
        ExportDialog dialog(values, name, nullptr, format);
        dialog.setCutGuides(st.page.cutGuides);
        dialog.setCredit(st.page.printCredit);
        if (dialog.exec() != QDialog::Accepted)
            return Answer::Cancelled;
        dialog.store(values);
        st.page.cutGuides = dialog.cutGuides();
        arrange.setCutGuides(st.page.cutGuides);
        st.page.printCredit = dialog.credit();
        arrange.setPrintCredit(st.page.printCredit);
        if (!dialog.fileNamesRequested())
            break;
    }
    numbers = JpegExport::pageNumbers(values.exportMode, n, arrange.currentPageIndex(), arrange.selectedPageIndexes(),
                                      values.exportFrom, values.exportTo);
    if (numbers.isEmpty() && values.exportMode == ExportMode::CurrentPage) {
        QMessageBox::information(window, Program::name(), QObject::tr("There is no current page to export."));
        return Answer::Cancelled;
    }
    if (numbers.isEmpty())
        return Answer::Cancelled;
    if (!LowResolutionQuestion::confirm(window, arrange.document().pages(), indexesOf(numbers),
                                        LowResolutionQuestion::Output::Export))
        return Answer::Cancelled;
    return Answer::Go;
}

// Says `text` in a message box while the wait cursor is shown.
void warnWaiting(QWidget *window, const QString &text)
{
    QApplication::restoreOverrideCursor();
    QMessageBox::warning(window, Program::name(), text, QMessageBox::Ok);
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

// Writes the JPEG files of pages `numbers`; returns the files written.
QStringList writeJpegs(QWidget *window, Arrange &arrange, const ExportValues &values, const QList<int> &numbers,
                       const std::function<void(const QString &)> &status)
{
    QStringList written;
    const BufferReuse reuse;
    OutputProgress progress(window, numbers.size());
    const int digits = JpegExport::digitsFor(*std::max_element(numbers.begin(), numbers.end()));
    const QString first = JpegExport::fileName(values.exportName, numbers.first(), digits);
    const Outcome room = OutputSpace::check(first, OutputSpace::jpegBytes(arrange.document().pages(), indexesOf(numbers)));
    if (!room) {
        warnWaiting(window, room.writeMessage(first));
        return written;
    }
    for (int i = 0; i < numbers.size(); ++i) {
        const int p = numbers.at(i);
        const QString file = JpegExport::fileName(values.exportName, p, digits);
        // The status first: the progress step below shows it.
        status(QObject::tr("Export to Jpeg") + QLatin1Char(' ') + QObject::tr("Page ") + QString::number(p));
        if (!progress.step(i, QObject::tr("Writing %1 (%2 of %3)").arg(QDir::toNativeSeparators(file)).arg(i + 1).arg(numbers.size())))
            break;
        const Outcome page =
            JpegExport::exportPage(arrange.document().page(p - 1), file, values.jpegQuality, arrange.renderOptions());
        if (page) {
            written << file;
            continue;
        }
        status(QString());
        warnWaiting(window, page.writeMessage(file));
        if (JpegExport::stopsOnFailure(values.exportMode))
            break;
    }
    return written;
}

// Writes the PDF of pages `numbers`; false when it was not written.
bool writePdf(QWidget *window, Arrange &arrange, const UserSettings &st, const QList<int> &numbers,
              const std::function<void(const QString &)> &status)
{
    const QList<int> indexes = indexesOf(numbers);
    const QString file = st.exports.pdfName;
    const Outcome room = OutputSpace::check(file, OutputSpace::pdfBytes(arrange.document().pages(), indexes));
    if (!room) {
        warnWaiting(window, room.writeMessage(file));
        return false;
    }
    const BufferReuse reuse;
    OutputProgress progress(window, indexes.size());
    const Outcome written = PdfExport::write(
        file, PdfExport::title(st.shell.currentFile, file), arrange.document().pages(), indexes, st.page.pageSetup,
        arrange.renderOptions(),
        [&](int done, int all, int index) {
            status(QObject::tr("Export to PDF") + QLatin1Char(' ') + QObject::tr("Page ") + QString::number(index + 1));
            return progress.step(done, QObject::tr("Writing page %1 (%2 of %3)").arg(index + 1).arg(done + 1).arg(all));
        });
    if (!written)
        warnWaiting(window, written.text());
    return written.ok();
}

bool run(QWidget *window, Arrange &arrange, UserSettings &st, ExportDialog::Format format,
         const std::function<void(const QString &)> &status)
{
    if (arrange.pageCount() == 0)
        return false;
    QList<int> numbers;
    const Answer answer = choose(window, arrange, st, format, numbers);
    if (answer != Answer::Go)
        return answer == Answer::Cancelled;
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    // The export ends by saying where the pages went.
    if (format == ExportDialog::Format::Pdf) {
        const bool written = writePdf(window, arrange, st, numbers, status);
        status(written ? ExportCommand::pdfWritten(numbers.size(), st.exports.pdfName) : QString());
    } else {
        status(ExportCommand::jpegsWritten(writeJpegs(window, arrange, st.exports, numbers, status)));
    }
    QApplication::restoreOverrideCursor();
    return true;
}

} // namespace

namespace ExportCommand {

QString jpegsWritten(const QStringList &files)
{
    if (files.isEmpty())
        return QString();
    if (files.size() == 1)
        return QObject::tr("Page written to %1.").arg(QDir::toNativeSeparators(files.first()));
    const QFileInfo first(files.first());
    return QObject::tr("%n page(s) written to the folder %1: %2 to %3.", "", files.size())
        .arg(QDir::toNativeSeparators(first.absolutePath()), first.fileName(), QFileInfo(files.last()).fileName());
}

QString pdfWritten(int pages, const QString &file)
{
    return QObject::tr("%n page(s) written to %1.", "", pages).arg(QDir::toNativeSeparators(file));
}

bool run(QWidget *window, Arrange &arrange, UserSettings &st, const std::function<void(const QString &)> &status)
{
    return ::run(window, arrange, st, ExportDialog::Format::Jpeg, status);
}

bool runPdf(QWidget *window, Arrange &arrange, UserSettings &st, const std::function<void(const QString &)> &status)
{
    return ::run(window, arrange, st, ExportDialog::Format::Pdf, status);
}

} // namespace ExportCommand
