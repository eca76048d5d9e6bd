#pragma once

class QSettings;
class QString;
struct AppState;
struct DataDock;

// Reads and writes the application-wide values of AppState in the group
// "/Settings" of the store. The caller begins and ends the group; window
// geometry and the docks' own keys are read and written by their owners.
namespace Settings {

// Organisation and application names of the store.
QString organisation();
QString application();

// "/Language", "/IconsWidth", "/IconsHeight", "/IconsKeep" (read first, at
// construction of the main window).
void readStartValues(QSettings &s, AppState &state);

// "/PageSettings" to "/ExportJPGot", in the order of the table.
void readValues(QSettings &s, AppState &state);

// "/Language" (written right after the window state).
void writeLanguage(QSettings &s, const AppState &state);

// Everything from "/PageSettings" to "/ExportJPGot", in the writing order.
void writeValues(QSettings &s, const AppState &state);

// The default of "/FotoPath" and "/ProjectPath": the single standard
// location, or empty when there is not exactly one.
QString picturesDefault();
QString documentsDefault();

// Hundredths of a millimetre per unit: 2540 inch, 100 mm, 1000 cm.
int unitScaleFor(int unit);

// Makes `setup` the page setup in force, with the values derived from it:
// the unit scale, the paper name and the unit suffix.
void adoptPageSetup(AppState &state, const DataDock &setup);

} // namespace Settings
