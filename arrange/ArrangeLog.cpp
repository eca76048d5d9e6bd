#include "arrange/ArrangeLog.h"

Q_LOGGING_CATEGORY(lcArrange, "velmora.arrange", QtWarningMsg)
