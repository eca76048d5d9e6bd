// The main window's m_store, languages, texts and command states.
#include "app/Velmora.h"

#include "app/Help.h"
#include "app/UserSettings.h"
#include "app/Settings.h"
#include "arrange/Arrange.h"
#include "arrange/DocumentHistory.h"
#include "library/TreeDir.h"
#include "library/FolderPanel.h"
#include "library/SelectionPanel.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QLocale>
#include <QToolBar>
#include <QTranslator>

void Velmora::readSettings()
{
    UserSettings &st = m_settings;
    const QByteArray geometry = m_store.value(QStringLiteral("/Geometry"), QByteArray()).toByteArray();
    const QByteArray state = m_store.value(QStringLiteral("/State"), QByteArray()).toByteArray();
    if (!geometry.isEmpty()) {
        m_available->readSettings(m_store);
        restoreGeometry(geometry);
        show();
        QCoreApplication::processEvents();
        restoreState(state);
        m_arrange->readSettings(m_store, false);
    } else {
        resize(800, 500);
        m_arrange->readSettings(m_store, true);
    }
    m_selected->readSettings(m_store);
    Settings::readValues(m_store, st);
    m_store.endGroup();
    m_available->tree()->setCurrentFolder(st.shell.photoFolder);
    passPreferences();
    loadTranslators();
    retranslateUi();
}

void Velmora::writeSettings()
{
    takePreferences();
    const UserSettings &st = m_settings;
    m_store.beginGroup(QStringLiteral("/Settings"));
    m_store.setValue(QStringLiteral("/Geometry"), saveGeometry());
    m_store.setValue(QStringLiteral("/State"), saveState());
    Settings::writeLanguage(m_store, st);
    m_available->writeSettings(m_store);
    m_arrange->writeSettings(m_store);
    m_selected->writeSettings(m_store);
    Settings::writeValues(m_store, st);
    m_store.endGroup();
    m_store.sync();
}

void Velmora::loadTranslators()
{
    const QString language = m_settings.shell.language;
    appTranslator->load(QStringLiteral("Velmora_") + language, translationsDir);
    qtTranslator->load(QStringLiteral("QtBase_") + language, translationsDir);
    // Dates and numbers in the panels follow the chosen language (in the
    // system's own form when that is the same language).
    const QLocale system = QLocale::system();
    const QLocale chosen(language);
    QLocale::setDefault(language.isEmpty() || chosen.language() == system.language() ? system : chosen);
}

void Velmora::switchLanguage(QAction *action)
{
    m_settings.shell.language = action->data().toString();
    m_arrange->setCreditText(RenderOptions::creditFor(m_settings.shell.language));
    loadTranslators();
    retranslateUi();
}

void Velmora::retranslateUi()
{
    const QString dots = QStringLiteral("...");
    const auto set = [](QAction *a, const QString &text, const QString &tip) {
        a->setText(text);
        a->setStatusTip(tip);
    };
    set(newAct, QObject::tr("&New"), QObject::tr("Create a new project"));
    set(openAct, QObject::tr("&Open..."), QObject::tr("Open an existing project"));
    set(saveAct, QObject::tr("Save"), QObject::tr("Save the project to disk"));
    set(saveAsAct, QObject::tr("Save &As..."), QObject::tr("Save the project under a new name"));
    set(exportAct, QObject::tr("Export to Jpeg") + dots, QObject::tr("Export to Jpeg") + dots);
    set(exportPdfAct, QObject::tr("Export to PDF") + dots,
        QObject::tr("Write the pages into one PDF file, the photographs at full resolution"));
    set(optionsAct, QObject::tr("Options") + dots, QObject::tr("Options of the current project"));
    set(availableAct, QObject::tr("Available%1Images").arg(QLatin1Char('\n')),
        QObject::tr("Available%1Images").arg(QLatin1Char(' ')));
    set(arrangeAct, QObject::tr("Arrange%1on Layout").arg(QLatin1Char('\n')),
        QObject::tr("Arrange Images in the Layout"));
    set(printAct, QObject::tr("&Print..."), QObject::tr("Print the current project"));
    set(exitAct, QObject::tr("E&xit"), QObject::tr("Exit the application"));
    set(verticalAct, QObject::tr("Vertical Windows"), QObject::tr("Vertical layout of the application windows"));
    set(horizontalAct, QObject::tr("Horizontal Windows"),
        QObject::tr("Horizontal layout of the application windows"));
    set(proofAct, QObject::tr("Proof Colours"),
        QObject::tr("Show the page as the printer profile of the paper prints it"));
    set(gamutAct, QObject::tr("Mark Colours Out of Gamut"),
        QObject::tr("Show in grey the colours the printer cannot print on this paper"));
    set(contentsAct, QObject::tr("Contents"), QObject::tr("Displays contents of Help"));
    set(startedAct, QObject::tr("Getting Started"), QObject::tr("Getting Started"));
    set(supportAct, QObject::tr("Technical Support"), QObject::tr("Technical Support"));
    set(aboutAct, QObject::tr("&About"), QObject::tr("Show the About box"));

    fileMenu->setTitle(QObject::tr("&File"));
    editMenu->setTitle(QObject::tr("&Edit"));
    m_history->retranslate();
    viewMenu->setTitle(QObject::tr("&View"));
    helpMenu->setTitle(QObject::tr("&Help"));
    recentMenu->setTitle(QObject::tr("Recent..."));
    m_languageMenu->setTitle(QObject::tr("Language"));
    // The paper's name carries its unit ("mm"), in the new language.
    m_settings.adoptPageSetup(m_settings.page.pageSetup);
    m_arrange->setPreferences(m_settings, m_settings.stamp, m_settings.logo);
    // The selection's count, in the new language; also where the window's
    // stored geometry was applied after the panel had sent its text.
    statusLabels[3]->setText(SelectionPanel::countText(m_selected->imageCount()));

    m_available->retranslate();
    m_selected->retranslate();
    m_arrange->retranslate();
    if (help)
        help->retranslate(m_settings.shell.language);

    const auto toggle = [](QAction *a, const QString &text, const QString &tip) {
        a->setText(text);
        a->setStatusTip(tip);
        a->setEnabled(true);
    };
    toggle(m_available->toggleViewAction(), QObject::tr("Available Images window"),
           QObject::tr("Show the Available Images window"));
    toggle(m_selected->toggleViewAction(), QObject::tr("Selected Images window"),
           QObject::tr("Show the Selected Images window"));
    toggle(m_arrange->toggleViewAction(), QObject::tr("Arrange Images window"),
           QObject::tr("Show the Arrange Images window"));
    toggle(fileToolBar->toggleViewAction(), QObject::tr("Toolbar"), QObject::tr("Show Toolbar"));
}

void Velmora::setStatusBar1(QString text)
{
    statusLabels[0]->setText(text);
    updateCommandStates();
}

void Velmora::setStatusBar2(QString text) { statusLabels[1]->setText(text); }
void Velmora::setStatusBar3(QString text) { statusLabels[2]->setText(text); }

void Velmora::setStatusBar4(QString text)
{
    statusLabels[3]->setText(text);
    m_arrange->setChooseEnabled(m_selected->imageCount() > 0);
    updateCommandStates();
}

void Velmora::updateCommandStates()
{
    const bool pages = m_arrange->pageCount() > 0;
    printAct->setEnabled(pages);
    const bool work = m_selected->imageCount() > 0 || pages;
    arrangeAct->setEnabled(work);
    newAct->setEnabled(work);
}
