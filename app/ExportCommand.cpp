#include "platform/Program.h"
#include "app/ExportCommand.h"

#include "app/UserSettings.h"
#include "app/BufferReuse.h"
#include "app/JpegExport.h"
#include "app/ExportDialog.h"
#include "app/OutputProgress.h"
#include "app/Shell.h"
#include "arrange/Arrange.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include <algorithm>

namespace ExportCommand {

bool run(QWidget *window, Arrange &arrange, UserSettings &st, const std::function<void(const QString &)> &status)
{
    const int n = arrange.pageCount();
    if (n == 0)
        return false;
    ExportValues &values = st.exports;
    values.exportTo = n;
    for (;;) {
        const QString chosen = QFileDialog::getSaveFileName(window, QObject::tr("Export to Jpeg"),
                                                            st.shell.projectPath, QStringLiteral("*.jpg"));
        if (chosen.isEmpty())
            return false;
        values.exportName = JpegExport::baseName(chosen);
        ExportDialog dialog(values, values.exportName);
        if (dialog.exec() != QDialog::Accepted)
            return true;
        dialog.store(values);
        if (!dialog.fileNamesRequested())
            break;
    }

    const QList<int> numbers =
        JpegExport::pageNumbers(values.exportMode, n, arrange.currentPageIndex(), arrange.selectedPageIndexes(),
                                values.exportFrom, values.exportTo);
    if (numbers.isEmpty() && values.exportMode == ExportMode::CurrentPage) {
        QMessageBox::information(window, Program::name(), QObject::tr("There is no current page to export."));
        return true;
    }
    if (numbers.isEmpty())
        return true;
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    {
        const BufferReuse reuse;
        OutputProgress progress(window, numbers.size());
        const int digits = JpegExport::digitsFor(*std::max_element(numbers.begin(), numbers.end()));
        for (int i = 0; i < numbers.size(); ++i) {
            const int p = numbers.at(i);
            const QString file = JpegExport::fileName(values.exportName, p, digits);
            // The status first: the progress step below shows it.
            status(QObject::tr("Export to Jpeg") + QLatin1Char(' ') + QObject::tr("Page ") + QString::number(p));
            if (!progress.step(i, QObject::tr("Writing %1 (%2 of %3)").arg(QDir::toNativeSeparators(file)).arg(i + 1).arg(numbers.size())))
                break;
            QString error;
            if (JpegExport::exportPage(arrange.document().pages.at(p - 1), file, values.jpegQuality, &error,
                                       arrange.renderOptions()))
                continue;
            QApplication::restoreOverrideCursor();
            QMessageBox::warning(window, Program::name(),
                                 QObject::tr("Cannot write file %1:\n%2.").arg(file, error), QMessageBox::Ok);
            status(QString());
            if (JpegExport::stopsOnFailure(values.exportMode))
                return true;
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        }
    }
    status(QString());
    QApplication::restoreOverrideCursor();
    return true;
}

} // namespace ExportCommand
