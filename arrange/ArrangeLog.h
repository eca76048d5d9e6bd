#pragma once

#include <QLoggingCategory>

// Diagnostics of pages and frames ("velmora.arrange"): failed reads (damaged
// images handed over) are warnings, shown by default; the rest is debug
// output, off unless asked for, for example with
// QT_LOGGING_RULES="velmora.arrange.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcArrange)
