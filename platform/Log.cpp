#include "platform/Log.h"

Q_LOGGING_CATEGORY(lcApp, "velmora.app", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLibrary, "velmora.library", QtWarningMsg)
Q_LOGGING_CATEGORY(lcArrange, "velmora.arrange", QtWarningMsg)
Q_LOGGING_CATEGORY(lcRender, "velmora.render", QtWarningMsg)
