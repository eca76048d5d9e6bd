#include "app/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace RecentFiles {

namespace {

void write(QSettings &s, const QStringList &list)
{
    s.remove(QStringLiteral("recentFileList"));
    s.beginWriteArray(QStringLiteral("recentFileList"), list.size());
    for (int i = 0; i < list.size(); ++i) {
        s.setArrayIndex(i);
        s.setValue(QStringLiteral("file"), list.at(i));
    }
    s.endArray();
}

// `list` without the entries for the file `path` (canonical) names.
QStringList without(QStringList list, const QString &path)
{
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&path](const QString &entry) { return canonical(entry) == path; }),
               list.end());
    return list;
}

} // namespace

QStringList read(QSettings &s)
{
    QStringList list;
    const int n = s.beginReadArray(QStringLiteral("recentFileList"));
    for (int i = 0; i < n; ++i) {
        s.setArrayIndex(i);
        list.append(s.value(QStringLiteral("file")).toString());
    }
    s.endArray();
    return list;
}

QString canonical(const QString &path)
{
    if (path.isEmpty())
        return path;
    const QFileInfo info(path);
    const QString resolved = info.canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : resolved;
}

QStringList add(QSettings &s, const QString &path)
{
    const QString entry = canonical(path);
    const QStringList before = read(s);
    QStringList list = without(before, entry);
    list.prepend(entry);
    if (list != before)
        write(s, list);
    return list;
}

bool remove(QSettings &s, const QString &path)
{
    const QStringList before = read(s);
    const QStringList list = without(before, canonical(path));
    if (list.size() == before.size())
        return false;
    write(s, list);
    return true;
}

} // namespace RecentFiles
