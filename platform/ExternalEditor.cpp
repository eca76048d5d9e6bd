#include "platform/ExternalEditor.h"


#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QProcess>
#include <QSortFilterProxyModel>
#include <QStandardPaths>

namespace {

#ifndef Q_OS_WIN
// Folders and files the user may run.
class ExecutableFilter : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        auto *files = qobject_cast<QFileSystemModel *>(sourceModel());
        if (!files)
            return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || (info.isFile() && info.isExecutable());
    }
};
#endif

} // namespace

bool ExternalEditor::launch(const QString &program, const QString &fileName)
{
    if (program.isEmpty() || fileName.isEmpty())
        return false;
    return QProcess::startDetached(program, {QDir::toNativeSeparators(fileName)});
}

QString ExternalEditor::chooseProgram(QWidget *parent)
{
    const QString title = QObject::tr("The choice of editing program.");
#ifdef Q_OS_WIN
    return QFileDialog::getOpenFileName(parent, title,
                                        QCoreApplication::applicationDirPath() + QStringLiteral("/../"),
                                        QStringLiteral("(*.exe *.com *.cmd *.bat)"));
#else
    QFileDialog dialog(parent, title);
    dialog.setObjectName(QStringLiteral("EditorChoice"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setProxyModel(new ExecutableFilter(&dialog));
    const QString programs = QStringLiteral("/usr/bin");
    dialog.setDirectory(QFileInfo(programs).isDir() ? programs : QDir::homePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QFileInfo chosen(dialog.selectedFiles().constFirst());
    return chosen.isFile() && chosen.isExecutable() ? chosen.absoluteFilePath() : QString();
#endif
}

void ExternalEditor::edit(const QString &fileName, QWidget *parent)
{
    if (fileName.isEmpty())
        return;
    QString &editor = m_program;
    // An editor that is gone (uninstalled, moved) is asked for again rather
    // than failing silently on every attempt.
    if (!editor.isEmpty() && QStandardPaths::findExecutable(editor).isEmpty())
        editor.clear();
    if (editor.isEmpty()) {
        const QString chosen = chooseProgram(parent);
        if (chosen.isEmpty())
            return;
        editor = chosen;
    }
    launch(editor, fileName);
}
