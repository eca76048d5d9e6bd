#pragma once

#include <QLoggingCategory>

// Diagnostics of opening files, commands, printing and export ("velmora.app"):
// failed reads and writes are warnings, shown by default; the rest is debug
// output, off unless asked for, for example with
// QT_LOGGING_RULES="velmora.app.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcApp)
