// The main window's commands: docks, new/open/close, recent projects,
// options and the placeholders of commands still to come.
#include "platform/Program.h"
#include "app/Velmora.h"

#include "app/About.h"
#include "app/UserSettings.h"
#include "app/ExportCommand.h"
#include "app/Help.h"
#include "app/PrintCommand.h"
#include "app/RecentFiles.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "arrange/Arrange.h"
#include "arrange/DocumentHistory.h"
#include "formats/TabOptions.h"
#include "app/StyleSheets.h"
#include "library/IconsModel.h"
#include "library/TreeDir.h"
#include "library/FolderPanel.h"
#include "library/IconRecord.h"
#include "library/IconsList.h"
#include "library/SelectionPanel.h"
#include "tools/FrameToolDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include "app/AppLog.h"
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>

void Velmora::start(const QStringList &paths)
{
    const UserSettings &st = m_settings;
    if (st.shell.photoFolder == QLatin1String("C:/"))
        m_available->loadFolder(st.shell.photoFolder);
    QStringList images;
    for (const QString &path : paths) {
        if (Shell::isProjectPath(path))
            openFile(path);
        else if (!path.isEmpty())
            images << QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    }
    if (images.size() == 1)
        openFile(images.first());
    else if (!images.isEmpty())
        openImages(images);
    if (st.options.showAtStartup)
        preferences();
}

void Velmora::availableVisible(bool visible)
{
    availableShown = visible;
    availableAct->setChecked(visible);
    arrangeAct->setChecked(!visible);
}

void Velmora::available()
{
    if (m_available->isHidden())
        m_available->show();
    m_available->raise();
    availableShown = true;
    availableAct->setChecked(true);
    arrangeAct->setChecked(false);
}

void Velmora::arrange()
{
    if (m_arrange->pageCount() > 0) {
        if (m_arrange->isHidden())
            m_arrange->show();
        m_arrange->raise();
    } else if (!m_arrange->chooseLayout()) {
        arrangeAct->setChecked(false);
        return;
    }
    availableShown = false;
    availableAct->setChecked(false);
    arrangeAct->setChecked(true);
}

void Velmora::newFile()
{
    if (!mayBeSave())
        return;
    finishPreviews();
    m_selected->clear();
    // Nothing of the old project stays: its pages, layout and history, and
    // the copies of its files (a missing photograph must not be read from
    // the old project's file).
    m_arrange->clearAll();
    m_selected->model()->setImageSource(m_document->source);
    m_available->raise();
    retranslateUi();
    m_settings.shell.currentFile.clear();
    setModified(false);
}

void Velmora::open()
{
    const QString path = QFileDialog::getOpenFileName(this, QObject::tr("Open an existing project"),
                                                      m_settings.shell.projectPath,
                                                      QStringLiteral("(*.vm2 *.jpg *.jpeg *.png)"));
    openFile(path);
}

void Velmora::openFile(QString path)
{
    if (path.isEmpty())
        return;
    UserSettings &st = m_settings;
    if (Shell::isProjectPath(path)) {
        // Opened, shown and remembered by its full path: a name relative to
        // the folder the program was started in means nothing elsewhere.
        path = RecentFiles::canonical(path);
        loadFile(path);
        st.shell.projectPath = QFileInfo(path).absolutePath();
        return;
    }
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!QImageReader(path).canRead())
        return;
    qCDebug(lcApp) << "OpenFile" << path;
    const QString folder = QFileInfo(path).absolutePath();
    st.shell.projectPath = folder;
    if (m_available->tree()->currentFolder() != folder) {
        m_available->tree()->setCurrentFolder(folder);
        m_available->showCurrentFolder();
    }
    m_available->selectFile(path);
}

void Velmora::openImages(const QStringList &paths)
{
    // Many images at once (a file manager's "Open with" on a selection): they
    // join the selection list as a paste of their names does, listed at once
    // and decoded in the background; the folder panel only goes to the
    // folder of the last one.
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    const QString folder = QFileInfo(paths.last()).absolutePath();
    m_settings.shell.projectPath = folder;
    if (m_available->tree()->currentFolder() != folder) {
        m_available->tree()->setCurrentFolder(folder);
        m_available->showCurrentFolder();
    }
    QMimeData mime;
    mime.setUrls(urls);
    m_selected->model()->dropMimeData(&mime, Qt::CopyAction, -1, 0, QModelIndex());
    if (m_selected->isHidden())
        m_selected->show();
    m_selected->raise();
}

bool Velmora::save()
{
    const QString current = m_settings.shell.currentFile;
    return current.isEmpty() ? saveAs() : saveFile(current);
}

void Velmora::exportJpeg()
{
    finishPreviews();
    ExportCommand::run(this, *m_arrange, m_settings, [this](const QString &text) { setStatusBar3(text); });
}

void Velmora::exportPdf()
{
    finishPreviews();
    ExportCommand::runPdf(this, *m_arrange, m_settings, [this](const QString &text) { setStatusBar3(text); });
}

void Velmora::print()
{
    finishPreviews();
    PrintCommand::run(this, *printer, *m_arrange, m_settings);
}

void Velmora::helpIndex() { showHelpPage(QStringLiteral("index.htm")); }
void Velmora::helpStarted() { showHelpPage(QStringLiteral("20.htm")); }
void Velmora::helpSupport() { showHelpPage(QStringLiteral("60.htm")); }

void Velmora::showHelpPage(const QString &page)
{
    if (!help)
        help = std::make_unique<Help>(QCoreApplication::applicationDirPath());
    help->setPage(m_settings.shell.language, page);
    help->show();
    help->raise();
    help->activateWindow();
}

void Velmora::about()
{
    About box(m_settings.shell.language, this);
    box.exec();
}

bool Velmora::mayBeSave()
{
    if (!modified)
        return true;
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    // A project never saved has no file name yet: it is called untitled.
    const QString name = m_settings.shell.currentFile.isEmpty() ? QObject::tr("Untitled", "project never saved")
                                                                 : m_settings.shell.currentFile;
    const auto answer = QMessageBox::warning(
        this, Program::name(),
        QObject::tr("Project %1 has been modified. Do you want to save your changes?").arg(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::NoButton);
    QApplication::restoreOverrideCursor();
    if (answer == QMessageBox::Save)
        return save();
    return answer != QMessageBox::Cancel;
}

void Velmora::setModified(bool modif)
{
    modified = modif;
    saveAct->setEnabled(modif);
    setWindowTitle(Shell::windowTitle(m_settings.shell.currentFile));
    setWindowModified(modified);
}

void Velmora::setCurrentFile(const QString &path)
{
    m_settings.shell.currentFile = path;
    m_history->setClean();
    setModified(false);
}

void Velmora::closeEvent(QCloseEvent *event)
{
    if (mayBeSave()) {
        // The help window has no parent; it must not keep the program alive.
        if (help)
            help->close();
        writeSettings();
        QCoreApplication::processEvents();
        event->accept();
    } else {
        event->ignore();
    }
}

void Velmora::addRecentFile(const QString &path)
{
    QSettings s(Settings::organisation(), Settings::application());
    const QStringList list = RecentFiles::add(s, path);
    recentMenuAct->setVisible(!list.isEmpty());
}

bool Velmora::forgetRecentFile(const QString &path)
{
    QSettings s(Settings::organisation(), Settings::application());
    const bool dropped = RecentFiles::remove(s, path);
    recentMenuAct->setVisible(!RecentFiles::read(s).isEmpty());
    return dropped;
}

void Velmora::updateRecentFileActions()
{
    QSettings s(Settings::organisation(), Settings::application());
    const QStringList list = RecentFiles::read(s);
    const int shown = qMin(list.size(), int(RecentFiles::MenuEntries));
    for (int i = 0; i < RecentFiles::MenuEntries; ++i) {
        QAction *a = recentFileActs[i];
        if (i < shown) {
            a->setText(QObject::tr("&%1 %2").arg(i + 1).arg(QFileInfo(list[i]).fileName()));
            a->setData(list[i]);
            a->setVisible(true);
        } else {
            a->setVisible(false);
        }
    }
}

void Velmora::openRecentFile()
{
    if (auto *a = qobject_cast<QAction *>(sender()))
        openFile(a->data().toString());
}

void Velmora::splitWindows(Qt::Orientation first, Qt::Orientation second)
{
    m_selected->setFloating(false);
    m_available->setFloating(false);
    if (!m_arrange->isFloating())
        m_arrange->setFloating(true);
    splitDockWidget(m_available, m_selected, first);
    splitDockWidget(m_available, m_selected, second);
    m_arrange->setFloating(false);
    tabifyDockWidget(m_available, m_arrange);
    if (availableShown)
        m_available->raise();
}

void Velmora::verticalSplitWindows() { splitWindows(Qt::Vertical, Qt::Horizontal); }
void Velmora::horizontalSplitWindows() { splitWindows(Qt::Horizontal, Qt::Vertical); }

void Velmora::clipboardChanged()
{
    const bool canPaste = canPasteImages(QGuiApplication::clipboard()->mimeData());
    m_available->setPasteEnabled(canPaste);
    m_selected->setPasteEnabled(canPaste);
    m_arrange->setPasteEnabled(canPaste);
}

void Velmora::preferences()
{
    UserSettings &st = m_settings;
    {
        TabOptions dialog(st, this);
        const bool accepted = dialog.exec() == QDialog::Accepted;
        // The print options and the dialog's size act whether or not the
        // dialog is accepted; the rest only when it is.
        const FormatSettings edited = dialog.values();
        st.page.printFrame = edited.page.printFrame;
        st.page.printJobMax = edited.page.printJobMax;
        st.options.dialogWidth = edited.options.dialogWidth;
        st.options.dialogHeight = edited.options.dialogHeight;
        if (accepted) {
            const PageSetup setup = dialog.store();
            const PageSetup inForce = st.page.pageSetup;
            static_cast<FormatSettings &>(st) = dialog.values();
            st.page.pageSetup = inForce;
            int layoutWidth = 0, layoutHeight = 0;
            if (m_arrange->pageCount() > 0)
                m_arrange->layoutPrintableArea(layoutWidth, layoutHeight);
            if (m_arrange->pageCount() == 0 || Shell::paperMatches(setup, layoutWidth, layoutHeight)) {
                st.page.pageSetup = setup;
            } else if (QMessageBox::warning(
                           this, QObject::tr("Warning"),
                           QObject::tr("The selected paper size differs from the size of pages in the layout."),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
                       == QMessageBox::Yes) {
                PageSetup chosen = setup;
                if (m_arrange->changePaper(chosen))
                    st.page.pageSetup = chosen;
            }
        }
    }
    // Whatever was decided, the scale and the names describe the page setup
    // in force.
    st.adoptPageSetup(st.page.pageSetup);
    passPreferences();
    updateProof(); // the paper or its profile may have changed
}

void Velmora::passPreferences()
{
    UserSettings &st = m_settings;
    st.thumbs.fillColor = StyleSheets::previewFill(st.shell.darkTheme);
    for (ImagePanel *panel : {static_cast<ImagePanel *>(m_available), static_cast<ImagePanel *>(m_selected)}) {
        if (panel->model()->thumbnails().iconWidth != st.thumbs.iconWidth
            || panel->model()->thumbnails().iconHeight != st.thumbs.iconHeight
            || panel->model()->thumbnails().fillColor != st.thumbs.fillColor) {
            panel->model()->setThumbnails(st.thumbs);
            panel->view()->updateIconSize();
        }
    }
    m_editor.setProgram(st.options.editorPath);
    m_arrange->setPreferences(st, st.stamp, st.logo);
    m_frameTools->setOutsideCrop(st.outsideCrop);
    m_arrange->setDarkTheme(st.shell.darkTheme);
    m_arrange->setCreditText(RenderOptions::creditFor(st.shell.language));
}

void Velmora::takePreferences()
{
    UserSettings &st = m_settings;
    st.shell.photoFolder = m_available->tree()->currentFolder();
    st.options.editorPath = m_editor.program();
}
