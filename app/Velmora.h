#pragma once

#include "app/UserSettings.h"
#include "platform/ExternalEditor.h"

#include <QMainWindow>
#include <QSettings>

#include <memory>

class Arrange;
class Document;
class DocumentHistory;
class FolderPanel;
class FrameToolDialogs;
class Help;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPrinter;
class QTranslator;
struct ProjectContents;
class ProjectPreviews;
class SelectionPanel;

// The main window: three docks, tool bar, menus, four-field status bar,
// theme, languages, recent projects and the guard of unsaved work.
class Velmora : public QMainWindow
{
    Q_OBJECT
public:
    // The user's preferences as the window holds them.
    const UserSettings &settings() const { return m_settings; }
    explicit Velmora(QWidget *parent = nullptr);
    ~Velmora() override;

    // After the splash screen closed: opens the command-line paths and,
    // when asked to, the options dialog.
    void start(const QStringList &paths);
    void openFile(QString path);
    // Several image files at once: into the selection list without reading them here.
    void openImages(const QStringList &paths);
    void setCurrentFile(const QString &path);
    void addRecentFile(const QString &path);
    // Drops the Recent entries for the file `path` names; true when there was one.
    bool forgetRecentFile(const QString &path);
    bool isModified() const { return modified; }
    int languageCount() const { return m_languageCount; }

    FolderPanel *availableDock() const { return m_available; }
    SelectionPanel *selectedDock() const { return m_selected; }
    Arrange *arrangeDock() const { return m_arrange; }
    // The pages being laid out and their undo history.
    Document &document() const { return *m_document; }
    DocumentHistory *history() const { return m_history; }
    QAction *exportAction() const { return exportAct; }
    QAction *exportPdfAction() const { return exportPdfAct; }
    QMenu *languageMenu() const { return m_languageMenu; }

public Q_SLOTS:
    void setStatusBar1(QString text);
    void setStatusBar2(QString text);
    void setStatusBar3(QString text);
    void setStatusBar4(QString text);
    void availableVisible(bool visible);
    void available();
    void arrange();
    void newFile();
    void open();
    bool save();
    bool saveAs();
    void exportJpeg();
    void exportPdf();
    bool mayBeSave();
    void setModified(bool modif);
    void print();
    void helpIndex();
    void helpStarted();
    void helpSupport();
    void about();
    void preferences();
    void verticalSplitWindows();
    void horizontalSplitWindows();
    // View - Proof Colours and Mark Colours Out of Gamut: there while the
    // paper has a printer profile, shown on the canvas when checked.
    void updateProof();
    void switchLanguage(QAction *action);
    void clipboardChanged();
    void updateRecentFileActions();
    void openRecentFile();

protected:
    void closeEvent(QCloseEvent *event) override;
    // A project file dropped anywhere on the window opens, over the docks
    // too (their own drops take images, not projects).
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyTheme();
    void createActions();
    void createDocks();
    void createToolBar();
    void createMenus();
    void createLanguageMenu();
    void createStatusBar();
    void createConnections();
    void readSettings();
    // Hands the preferences to the parts that work with them.
    void passPreferences();
    // Takes back what the parts changed themselves (current folder, editor).
    void takePreferences();
    void writeSettings();
    void retranslateUi();
    void loadTranslators();
    void updateCommandStates();
    void splitWindows(Qt::Orientation first, Qt::Orientation second);
    bool loadFile(const QString &path);
    bool saveFile(const QString &path);
    // Makes the project read from `path` the open one.
    void adoptProject(const QString &path, const ProjectContents &contents);
    // The previews of an opened project still being decoded are all in.
    void finishPreviews();
    void showHelpPage(const QString &page);

    bool modified = false;
    bool availableShown = true;
    QString translationsDir;
    QTranslator *appTranslator = nullptr;
    QTranslator *qtTranslator = nullptr;
    int m_languageCount = 0;
    QSettings m_store; // the settings store, open for the whole run
    UserSettings m_settings; // the user's preferences, read at start, written at close
    ExternalEditor m_editor;
    std::unique_ptr<QPrinter> printer; // the one printer, reused by every print
    std::unique_ptr<Help> help;        // made on first use, a window of its own
    ProjectPreviews *m_previews = nullptr; // made when the first project opens

    Document *m_document = nullptr;       // the open project's pages
    DocumentHistory *m_history = nullptr; // their undo history
    SelectionPanel *m_selected = nullptr;
    FolderPanel *m_available = nullptr;
    Arrange *m_arrange = nullptr;
    FrameToolDialogs *m_frameTools = nullptr; // the page dock's Crop, Stamp and Logo dialogs
    QToolBar *fileToolBar = nullptr;

    QMenu *fileMenu = nullptr;
    QMenu *editMenu = nullptr;
    QMenu *viewMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QMenu *recentMenu = nullptr;
    QAction *recentMenuAct = nullptr;
    QMenu *m_languageMenu = nullptr;
    QActionGroup *languageGroup = nullptr;
    QLabel *statusLabels[4] = {};

    QAction *newAct = nullptr;
    QAction *openAct = nullptr;
    QAction *saveAct = nullptr;
    QAction *saveAsAct = nullptr;
    QAction *exportAct = nullptr;
    QAction *exportPdfAct = nullptr;
    QAction *optionsAct = nullptr;
    QAction *availableAct = nullptr;
    QAction *arrangeAct = nullptr;
    QAction *printAct = nullptr;
    QAction *exitAct = nullptr;
    QAction *verticalAct = nullptr;
    QAction *horizontalAct = nullptr;
    QAction *proofAct = nullptr;
    QAction *gamutAct = nullptr;
    QAction *contentsAct = nullptr;
    QAction *startedAct = nullptr;
    QAction *supportAct = nullptr;
    QAction *aboutAct = nullptr;
    QAction *recentFileActs[10] = {};
};
