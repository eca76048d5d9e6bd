#pragma once

#include <QString>
#include <QVector>

struct PageSetup;

// Small decisions of the main window that need no widgets.
namespace Shell {


// The data folder `name` of the program ("Translations", "Help_en"), for the
// executable in `programFolder`: beside it in a build folder, else in
// ../share/velmora/ of the prefix it was installed to; beside the executable
// when neither exists.
QString dataFolder(const QString &programFolder, const QString &name);

// True when `path` names a project: its file name ends in ".vm2", in any
// letter case (the folders it lies in do not count).
bool isProjectPath(const QString &path);

// The window title: the application name, " - " and the project path when
// there is one, then the translated "[*]".
QString windowTitle(const QString &currentFile);

// The paper check: does the printable area of `setup` match the layout's
// printable width and height (hundredths of a millimetre)? A side matches
// when layout − new lies in −100…300.
bool paperMatches(const PageSetup &setup, int layoutWidth, int layoutHeight);

// Printable width and height of `setup` in hundredths of a millimetre,
// truncated toward zero as the paper check computes them.
void printableArea(const PageSetup &setup, int &width, int &height);

struct Language
{
    QString locale; // "en", "ru"
    QString name;   // the language's own name ("WorkLanguage")
};

// Every "Velmora_*.qm" in `dir`, in listing order, with its locale and name.
QVector<Language> findLanguages(const QString &dir);

// Index of the entry to check for the saved `language` (empty = not chosen
// yet: English wins), or the last entry when none fits; -1 for no entries.
int chooseLanguage(const QVector<Language> &languages, const QString &language);

} // namespace Shell
