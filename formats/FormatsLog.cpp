#include "formats/FormatsLog.h"

Q_LOGGING_CATEGORY(lcFormats, "velmora.formats", QtWarningMsg)
