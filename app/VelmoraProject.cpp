// The main window's project commands: save, save as, open, and a project
// dropped on the window.
#include "app/Velmora.h"

#include "app/UserSettings.h"
#include "app/ProjectFile.h"
#include "app/ProjectPreviews.h"
#include "app/Shell.h"
#include "platform/Program.h"
#include "arrange/Arrange.h"
#include "arrange/ArrangeEngine.h"
#include "library/IconsModel.h"
#include "library/SelectionPanel.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>

namespace {

// The first local project file among the URLs of a drop.
QString droppedProject(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls())
        return QString();
    for (const QUrl &url : mime->urls())
        if (url.isLocalFile() && Shell::isProjectPath(url.toLocalFile()))
            return url.toLocalFile();
    return QString();
}

// What tells that a file was written again: its time and size.
QPair<QDateTime, qint64> stamp(const QString &path)
{
    const QFileInfo info(path);
    return {info.lastModified(), info.size()};
}

} // namespace

bool Velmora::saveAs()
{
    UserSettings &st = m_settings;
    const QString start = st.shell.currentFile.isEmpty() ? st.shell.projectPath : st.shell.currentFile;
    const QString chosen = QFileDialog::getSaveFileName(this, QObject::tr("Save As"), start, QStringLiteral("*.vm2"));
    if (chosen.isEmpty())
        return false;
    const QString name = ProjectFile::withExtension(chosen);
    st.shell.projectPath = QFileInfo(name).absolutePath();
    addRecentFile(name);
    return saveFile(name);
}

bool Velmora::saveFile(const QString &path)
{
    // The workers read the open file by its positions: done before it may
    // be replaced.
    finishPreviews();
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    EmbeddedTable written;
    Document &doc = *m_document;
    const ProjectContents contents = ProjectFile::gather(m_settings, m_selected->model()->items(), doc.pages());
    const Outcome saved = ProjectFile::write(path, contents, doc.source, &written);
    QApplication::restoreOverrideCursor();
    if (!saved) {
        QMessageBox::warning(this, Program::name(), saved.writeMessage(path), QMessageBox::Ok);
        return false;
    }
    // Copies not held in memory are read from the new file from now on.
    doc.source = ImageSource(path, written);
    m_selected->model()->setImageSource(doc.source);
    setCurrentFile(path);
    addRecentFile(path);
    return true;
}

bool Velmora::loadFile(const QString &path)
{
    for (;;) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ProjectContents contents;
        const auto before = stamp(path);
        const Outcome read = ProjectFile::read(path, contents, m_document->budget.total());
        QApplication::restoreOverrideCursor();
        if (!read) {
            // A project that cannot be opened leaves the Recent list, and
            // the message says so after saying why.
            QString text = read.readMessage(path);
            if (forgetRecentFile(path))
                text += QLatin1Char('\n') + QObject::tr("It has been taken off the Recent list.");
            QMessageBox::warning(this, Program::name(), text, QMessageBox::Ok);
            return false;
        }
        // Asked only now: a file that cannot be read leaves the open
        // project alone without a question.
        if (!mayBeSave())
            return false;
        // Saving the open project over the very file being opened moves
        // its copies: read it again.
        if (stamp(path) != before)
            continue;
        adoptProject(path, contents);
        addRecentFile(path);
        return true;
    }
}

void Velmora::adoptProject(const QString &path, const ProjectContents &contents)
{
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    // The copies are read from this file while the records are adopted.
    const ImageSource source(path, contents.embedded);
    m_document->source = source;
    m_selected->model()->setImageSource(source);
    m_settings.shell.currentFile = path;
    ProjectFile::adoptSettings(contents, m_settings);
    m_arrange->setPreferences(m_settings, m_settings.stamp, m_settings.logo);
    // The pages and rows are shown at once; their pictures follow as the
    // workers decode each file once.
    if (!m_previews) {
        m_previews = new ProjectPreviews(this);
        connect(m_previews, &ProjectPreviews::decoded, this, [this](const ProjectPreviews::Result &r) {
            m_selected->model()->takePreview(r.fileName, r.image, r.fullSize, r.date);
            m_arrange->engine()->takePreview(r.fileName, r.image, r.fullSize);
        });
    }
    m_previews->cancel();
    m_selected->model()->adoptLoaded(contents.rows, false);
    if (!m_arrange->adoptLoadedPages(contents.pages, false))
        m_selected->raise();
    QStringList names;
    for (const IconItem &row : contents.rows)
        names << row.fileName;
    for (const Page &page : contents.pages)
        for (const PhotoFrame &f : page.frames)
            if (!f.isEmpty())
                names << f.fileName;
    names.removeDuplicates();
    m_previews->start(source, names, m_selected->model()->previewRule());
    // The copies kept while reading went to the workers; later reads go to
    // the file by position.
    EmbeddedTable positions = contents.embedded;
    for (EmbeddedFile &entry : positions)
        entry.bytes.clear();
    m_document->source = ImageSource(path, positions);
    m_selected->model()->setImageSource(m_document->source);
    setCurrentFile(path);
    QApplication::restoreOverrideCursor();
}

void Velmora::finishPreviews()
{
    if (m_previews)
        m_previews->finish();
}

bool Velmora::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QMainWindow::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    auto *drop = static_cast<QDropEvent *>(event);
    const QString path = widget && widget->window() == this ? droppedProject(drop->mimeData()) : QString();
    if (path.isEmpty())
        return QMainWindow::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        // After the drop has returned to the one who dragged.
        QMetaObject::invokeMethod(this, [this, path] { openFile(path); }, Qt::QueuedConnection);
    return true;
}
