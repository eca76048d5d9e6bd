#include "platform/Program.h"

namespace Program {

QString name() { return QStringLiteral("Velmora"); }
QString version() { return QStringLiteral("2.18.2"); }

} // namespace Program
