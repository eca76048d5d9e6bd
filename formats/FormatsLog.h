#pragma once

#include <QLoggingCategory>

// Diagnostics of layout files and the settings of paper and photo sizes
// ("velmora.formats"): failed reads and writes are warnings, shown by default;
// the rest is debug output, off unless asked for, for example with
// QT_LOGGING_RULES="velmora.formats.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcFormats)
