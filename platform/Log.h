#pragma once

#include <QLoggingCategory>

// Diagnostics of the program, off unless asked for, for example with
// QT_LOGGING_RULES="velmora.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcApp)     // velmora.app: opening files, commands
Q_DECLARE_LOGGING_CATEGORY(lcLibrary) // velmora.library: image lists and panels
Q_DECLARE_LOGGING_CATEGORY(lcArrange) // velmora.arrange: pages and frames
Q_DECLARE_LOGGING_CATEGORY(lcRender)  // velmora.render: drawing pages
