#pragma once

#include <QStringList>

class QSettings;

// The list of recently used projects: the settings array "recentFileList"
// (outside the "/Settings" group), entry key "file", most recent first.
namespace RecentFiles {

constexpr int MenuEntries = 10;

QStringList read(QSettings &s);

// Puts `path` at the front, dropping every other entry equal to it; the
// array is rewritten only when the list changed. Never shortened.
QStringList add(QSettings &s, const QString &path);

} // namespace RecentFiles
