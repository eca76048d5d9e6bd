#pragma once

#include <QLoggingCategory>

// Diagnostics of image lists, panels and the viewer ("velmora.library"):
// failed reads and writes are warnings, shown by default; the rest is debug
// output, off unless asked for, for example with
// QT_LOGGING_RULES="velmora.library.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcLibrary)
