#include "app/RecentFiles.h"

#include <QSettings>

namespace RecentFiles {

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

QStringList add(QSettings &s, const QString &path)
{
    const QStringList before = read(s);
    QStringList list = before;
    list.removeAll(path);
    list.prepend(path);
    if (list != before) {
        s.remove(QStringLiteral("recentFileList"));
        s.beginWriteArray(QStringLiteral("recentFileList"), list.size());
        for (int i = 0; i < list.size(); ++i) {
            s.setArrayIndex(i);
            s.setValue(QStringLiteral("file"), list.at(i));
        }
        s.endArray();
    }
    return list;
}

} // namespace RecentFiles
