#include "app/Velmora.h"

#include "app/Help.h"
#include "app/UserSettings.h"
#include "app/RecentFiles.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "app/StyleSheets.h"
#include "arrange/Arrange.h"
#include "arrange/DocumentHistory.h"
#include "library/FolderPanel.h"
#include "library/IconsModel.h"
#include "library/SelectionPanel.h"
#include "library/ThumbnailCache.h"
#include "platform/SystemTheme.h"
#include "tools/FrameToolDialogs.h"

#include "platform/FittingToolBar.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QTranslator>

Velmora::Velmora(QWidget *parent)
    : QMainWindow(parent), m_store(Settings::organisation(), Settings::application())
{
    UserSettings &st = m_settings;
    applyTheme();

    printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    setWindowIcon(QIcon(QStringLiteral(":/images/icon32.png")));
    translationsDir = Shell::dataFolder(QCoreApplication::applicationDirPath(), QStringLiteral("Translations"));
    appTranslator = new QTranslator(this);
    qtTranslator = new QTranslator(this);
    qApp->installTranslator(appTranslator);
    qApp->installTranslator(qtTranslator);
    m_store.beginGroup(QStringLiteral("/Settings"));
    Settings::readStartValues(m_store, st);

    st.layout.documentsFolder =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Velmora/");
    QDir().mkpath(st.layout.documentsFolder);

    m_document = new Document(this);
    m_history = new DocumentHistory(*m_document, this);
    createActions();
    createDocks();
    createToolBar();
    createMenus();
    createStatusBar();
    readSettings();
    createConnections();
    setAcceptDrops(true);
    qApp->installEventFilter(this);

    show();
    m_available->retranslate(); // its image count updates the command states
    saveAct->setEnabled(false);
    arrangeAct->setEnabled(false);
    m_languageMenu->setEnabled(m_languageCount >= 2);
    setModified(false);
    available();
    m_available->showCurrentFolder();
}

Velmora::~Velmora() = default;

void Velmora::applyTheme()
{
    UserSettings &st = m_settings;
    if (SystemTheme::appsTheme() == SystemTheme::Answer::Dark) {
        st.shell.darkTheme = true;
        qApp->setStyleSheet(StyleSheets::darkSystem());
    } else {
        st.shell.darkTheme = StyleSheets::paletteIsDark(QApplication::palette());
        qApp->setStyleSheet(st.shell.darkTheme ? StyleSheets::darkPalette() : StyleSheets::light());
    }
    st.thumbs.fillColor = StyleSheets::previewFill(st.shell.darkTheme);
}

void Velmora::createActions()
{
    const auto make = [this](const char *icon, QKeySequence::StandardKey key, void (Velmora::*slot)()) {
        auto *a = new QAction(this);
        if (icon)
            a->setIcon(QIcon(QStringLiteral(":/images/") + QLatin1String(icon)));
        if (key != QKeySequence::UnknownKey)
            a->setShortcuts(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    newAct = make("new.png", QKeySequence::New, &Velmora::newFile);
    openAct = make("open.png", QKeySequence::Open, &Velmora::open);
    saveAct = new QAction(QIcon(QStringLiteral(":/images/save.png")), QString(), this);
    saveAct->setShortcuts(QKeySequence::Save);
    connect(saveAct, &QAction::triggered, this, &Velmora::save);
    saveAsAct = new QAction(QIcon(QStringLiteral(":/images/SaveAs.png")), QString(), this);
    saveAsAct->setShortcuts(QKeySequence::SaveAs);
    connect(saveAsAct, &QAction::triggered, this, &Velmora::saveAs);
    exportAct = make(nullptr, QKeySequence::UnknownKey, &Velmora::exportJpeg);
    exportPdfAct = make(nullptr, QKeySequence::UnknownKey, &Velmora::exportPdf);
    // Both exports are there exactly while there are pages.
    connect(exportAct, &QAction::changed, exportPdfAct, [this] { exportPdfAct->setEnabled(exportAct->isEnabled()); });
    optionsAct = make(nullptr, QKeySequence::UnknownKey, &Velmora::preferences);
    availableAct = make("Available.png", QKeySequence::UnknownKey, &Velmora::available);
    arrangeAct = make("Arrange.png", QKeySequence::UnknownKey, &Velmora::arrange);
    printAct = make("Print.png", QKeySequence::Print, &Velmora::print);
    exitAct = new QAction(this);
    exitAct->setShortcuts(QKeySequence::Quit);
    connect(exitAct, &QAction::triggered, qApp, &QApplication::closeAllWindows);
    verticalAct = make(nullptr, QKeySequence::UnknownKey, &Velmora::verticalSplitWindows);
    horizontalAct = make(nullptr, QKeySequence::UnknownKey, &Velmora::horizontalSplitWindows);
    proofAct = make(nullptr, QKeySequence::UnknownKey, &Velmora::updateProof);
    gamutAct = make(nullptr, QKeySequence::UnknownKey, &Velmora::updateProof);
    for (QAction *a : {proofAct, gamutAct})
        a->setCheckable(true);
    proofAct->setObjectName(QStringLiteral("proofAct"));
    gamutAct->setObjectName(QStringLiteral("gamutAct"));
    contentsAct = make(nullptr, QKeySequence::HelpContents, &Velmora::helpIndex);
    startedAct = make(nullptr, QKeySequence::UnknownKey, &Velmora::helpStarted);
    supportAct = make(nullptr, QKeySequence::UnknownKey, &Velmora::helpSupport);
    aboutAct = make(nullptr, QKeySequence::UnknownKey, &Velmora::about);

    for (QAction *&a : recentFileActs) {
        a = new QAction(this);
        a->setVisible(false);
        a->setShortcut(QKeySequence());
        connect(a, &QAction::triggered, this, &Velmora::openRecentFile);
    }
}

void Velmora::createDocks()
{
    m_selected = new SelectionPanel(this);
    addDockWidget(Qt::RightDockWidgetArea, m_selected);
    m_available = new FolderPanel(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_available);
    // The folder view shares its previews with the desktop's other programs.
    m_available->model()->setThumbnailCache(
        ThumbnailCache::rootFor(qEnvironmentVariable("XDG_CACHE_HOME"), QDir::homePath()));
    m_arrange = new Arrange(*m_document, this);
    addDockWidget(Qt::LeftDockWidgetArea, m_arrange);
    m_arrange->setImageList(m_selected->model());
    m_arrange->setExportAction(exportAct);
    m_frameTools = new FrameToolDialogs(m_settings.outsideCrop, this);
    m_arrange->setFrameTools(m_frameTools);
    tabifyDockWidget(m_available, m_arrange);
    clipboardChanged();
}

void Velmora::createToolBar()
{
    fileToolBar = new FittingToolBar(Qt::ToolButtonTextBesideIcon, this);
    fileToolBar->setWindowTitle(QStringLiteral("File"));
    fileToolBar->setObjectName(QStringLiteral("fileToolBar"));
    fileToolBar->setIconSize(QSize(48, 48));
    addToolBar(fileToolBar);
    availableAct->setCheckable(true);
    arrangeAct->setCheckable(true);
    for (QAction *a : {newAct, openAct, saveAct, availableAct, arrangeAct, printAct}) {
        const bool dockAction = a == availableAct || a == arrangeAct;
        a->setPriority(dockAction ? QAction::HighPriority : QAction::LowPriority);
        fileToolBar->addAction(a);
    }
}

void Velmora::createMenus()
{
    fileMenu = menuBar()->addMenu(QStringLiteral("File"));
    fileMenu->addAction(newAct);
    fileMenu->addAction(openAct);
    recentMenu = new QMenu(this);
    for (QAction *a : recentFileActs)
        recentMenu->addAction(a);
    connect(recentMenu, &QMenu::aboutToShow, this, &Velmora::updateRecentFileActions);
    recentMenuAct = fileMenu->addMenu(recentMenu);
    {
        QSettings s(Settings::organisation(), Settings::application());
        recentMenuAct->setVisible(!RecentFiles::read(s).isEmpty());
    }
    fileMenu->addAction(saveAct);
    fileMenu->addAction(saveAsAct);
    fileMenu->addSeparator();
    fileMenu->addAction(exportAct);
    fileMenu->addAction(exportPdfAct);
    fileMenu->addSeparator();
    fileMenu->addAction(optionsAct);
    fileMenu->addAction(printAct);
    fileMenu->addSeparator();
    fileMenu->addAction(exitAct);

    editMenu = menuBar()->addMenu(QStringLiteral("Edit"));
    editMenu->addAction(m_history->undoAction());
    editMenu->addAction(m_history->redoAction());

    viewMenu = menuBar()->addMenu(QStringLiteral("View"));
    viewMenu->addAction(verticalAct);
    viewMenu->addAction(horizontalAct);
    viewMenu->addSeparator();
    for (QDockWidget *d : {static_cast<QDockWidget *>(m_available), static_cast<QDockWidget *>(m_selected),
                           static_cast<QDockWidget *>(m_arrange)})
        viewMenu->addAction(d->toggleViewAction());
    viewMenu->addAction(fileToolBar->toggleViewAction());
    viewMenu->addSeparator();
    viewMenu->addAction(proofAct);
    viewMenu->addAction(gamutAct);
    connect(viewMenu, &QMenu::aboutToShow, this, &Velmora::updateProof);
    createLanguageMenu();

    helpMenu = menuBar()->addMenu(QStringLiteral("Help"));
    helpMenu->addAction(contentsAct);
    helpMenu->addSeparator();
    helpMenu->addAction(startedAct);
    helpMenu->addAction(supportAct);
    helpMenu->addSeparator();
    helpMenu->addAction(aboutAct);
}

void Velmora::createLanguageMenu()
{
    UserSettings &st = m_settings;
    m_languageMenu = new QMenu(this);
    languageGroup = new QActionGroup(this);
    connect(languageGroup, &QActionGroup::triggered, this, &Velmora::switchLanguage);

    const QVector<Shell::Language> languages = Shell::findLanguages(translationsDir);
    m_languageCount = languages.size();
    const int chosen = Shell::chooseLanguage(languages, st.shell.language);
    for (int i = 0; i < languages.size(); ++i) {
        auto *a = new QAction(QObject::tr("&%1 %2").arg(i + 1).arg(languages[i].name), this);
        a->setCheckable(true);
        a->setData(languages[i].locale);
        a->setChecked(i == chosen);
        m_languageMenu->addAction(a);
        languageGroup->addAction(a);
    }
    if (chosen >= 0)
        st.shell.language = languages[chosen].locale;
    if (m_languageCount >= 2) {
        viewMenu->addSeparator();
        viewMenu->addMenu(m_languageMenu);
    }
}

void Velmora::createStatusBar()
{
    auto *frame = new QFrame(this);
    auto *layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QLabel *&label : statusLabels) {
        label = new QLabel(frame);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        if (m_settings.shell.darkTheme)
            label->setStyleSheet(QStringLiteral("QLabel {background-color: #505050; }"));
        layout->addWidget(label);
    }
    statusBar()->addPermanentWidget(frame, 1);
}

void Velmora::createConnections()
{
    connect(m_available, &FolderPanel::stringAddImage, this, &Velmora::setStatusBar1);
    connect(m_arrange, &Arrange::stringCountArrange, this, &Velmora::setStatusBar1);
    connect(m_selected, &SelectionPanel::stringAddImage, this, &Velmora::setStatusBar4);
    connect(m_available, &FolderPanel::stringSelection, this, &Velmora::setStatusBar2);
    connect(m_selected, &SelectionPanel::currentImageText, this, &Velmora::setStatusBar3);
    connect(statusBar(), &QStatusBar::messageChanged, this, &Velmora::setStatusBar2);
    connect(m_selected, &SelectionPanel::indexListRotate, m_arrange, &Arrange::indexListRotate);
    connect(m_selected, &SelectionPanel::indexRotate, m_arrange, &Arrange::indexRotate);
    connect(m_available, &FolderPanel::indexRotate, m_arrange, &Arrange::indexRotate);
    // The image lists count the uses of their files from the pages.
    for (IconsModel *model : {m_selected->model(), m_available->model()})
        connect(m_document, &Document::usesChanged, model, &IconsModel::updateArrangeCount);
    connect(m_available->model(), &IconsModel::countAddImage, this,
            [this] { m_available->model()->updateArrangeCount(m_document->placedNames()); });
    // The selection list holds file bytes within the document's budget and
    // hands photographs dragged out of frames back to the pages.
    m_selected->model()->setByteBudget(&m_document->budget);
    m_selected->model()->setFrameReturn(m_arrange);
    m_available->setEditor(&m_editor);
    m_selected->setEditor(&m_editor);
    connect(m_arrange, &Arrange::preferencesChanged, this, [this] {
        static_cast<FormatSettings &>(m_settings) = m_arrange->preferences();
        m_settings.stamp = m_arrange->stampDefaults();
        m_settings.logo = m_arrange->logoDefaults();
    });
    connect(m_frameTools, &FrameToolDialogs::outsideCropChanged, this,
            [this](bool outside) { m_settings.outsideCrop = outside; });
    connect(m_available, &QDockWidget::visibilityChanged, this, &Velmora::availableVisible);
    connect(m_selected, &SelectionPanel::modifiedChanged, this, &Velmora::setModified);
    connect(m_arrange, &Arrange::modifiedChanged, this, &Velmora::setModified);
    // Undoing past a save marks the project modified again; back at the save
    // it is not.
    connect(m_history, &DocumentHistory::cleanChanged, this, [this](bool clean) { setModified(!clean); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &Velmora::clipboardChanged);
    FolderPanel::link(m_available, m_selected);
}

void Velmora::updateProof()
{
    const bool profiled = m_arrange->paperHasProfile();
    proofAct->setEnabled(profiled);
    gamutAct->setEnabled(profiled);
    m_arrange->setProof(profiled && (proofAct->isChecked() || gamutAct->isChecked()), gamutAct->isChecked());
}
