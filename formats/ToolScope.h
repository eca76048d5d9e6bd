#pragma once

#include <QtGlobal>

// Which frames the "Stamp" and "Logo" commands change. Stored as its number
// (0 to 2) in the settings.
enum class ToolScope { SelectedImages = 0, SelectedPages = 1, AllPages = 2 };

// A stored number as a scope, numbers out of range as the nearest one.
inline ToolScope toolScopeFrom(int stored) { return ToolScope(qBound(0, stored, 2)); }
