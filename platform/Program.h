#pragma once

#include <QString>

// The program's own name and version, as every window and file shows them.
namespace Program {

QString name();
QString version();

} // namespace Program
