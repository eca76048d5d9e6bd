#pragma once

#include <QStringList>

class QSettings;

// The list of recently used projects: the settings array "recentFileList"
// (outside the "/Settings" group), entry key "file", most recent first.
// Entries are absolute paths with links resolved, one per file.
namespace RecentFiles {

constexpr int MenuEntries = 10;

QStringList read(QSettings &s);

// The absolute path of `path` as the list keeps it: links and "." or ".."
// resolved when the file exists, cleaned otherwise.
QString canonical(const QString &path);

// Puts `path` (made canonical) at the front, dropping every other entry
// for the same file; the array is rewritten only when the list changed.
// Never shortened.
QStringList add(QSettings &s, const QString &path);

// Drops every entry for the file `path` names; true when there was one.
bool remove(QSettings &s, const QString &path);

} // namespace RecentFiles
