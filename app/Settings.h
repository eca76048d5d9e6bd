#pragma once

class QSettings;
class QString;
struct UserSettings;
struct PageSetup;

// Reads and writes the application-wide values of UserSettings in the group
// "/Settings" of the store. The caller begins and ends the group; window
// geometry and the docks' own keys are read and written by their owners.
namespace Settings {

// Organisation and application names of the store.
QString organisation();
QString application();

// "/Language", "/IconsWidth", "/IconsHeight", "/IconsKeep" (read first, at
// construction of the main window).
void readStartValues(QSettings &s, UserSettings &state);

// "/PageSettings" to "/ExportJPGot", in the order of the table.
void readValues(QSettings &s, UserSettings &state);

// "/Language" (written right after the window state).
void writeLanguage(QSettings &s, const UserSettings &state);

// Everything from "/PageSettings" to "/ExportJPGot", in the writing order.
void writeValues(QSettings &s, const UserSettings &state);

// The default of "/FotoPath" and "/ProjectPath": the single standard
// location, or empty when there is not exactly one.
QString picturesDefault();
QString documentsDefault();

} // namespace Settings
