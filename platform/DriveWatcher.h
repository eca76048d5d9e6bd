#pragma once

#include <QObject>
#include <QSet>
#include <QString>

class QFileSystemWatcher;
class QSocketNotifier;

// Tells when a drive (a mounted file system) comes or goes.
//
// On Windows a hidden native window receives the system's device-change
// broadcasts. On Linux the mount table is watched: the kernel marks
// /proc/self/mounts with an exceptional condition (POLLPRI) whenever it
// changes; the table is then read again and driveChanged() is sent when the
// set of mount points differs. The table's path can be another file (a plain
// file is watched for writes instead), which is how the watcher is tested.
class DriveWatcher : public QObject
{
    Q_OBJECT
public:
    explicit DriveWatcher(QObject *parent = nullptr);
    // Linux only: watch `mountTable` instead of the process's mount table.
    DriveWatcher(const QString &mountTable, QObject *parent);
    ~DriveWatcher() override;

    // The mount points of the last reading of the table (Linux).
    QSet<QString> mountPoints() const { return m_mountPoints; }
    bool isWatching() const;

    // The mount points listed in the text of a mount table: the second field
    // of each line, with the table's octal escapes (\040 for a blank) undone.
    static QSet<QString> parseMountTable(const QByteArray &table);

Q_SIGNALS:
    void driveChanged();

public Q_SLOTS:
    // Reads the table again; sends driveChanged() when a mount point came or
    // went.
    void checkMounts();

private:
    void startWatching(const QString &mountTable);
    QByteArray readTable() const;

    QString m_mountTable;
    QSet<QString> m_mountPoints;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QFileSystemWatcher *m_fileWatcher = nullptr;
#ifdef Q_OS_WIN
    void *m_window = nullptr;
    QString m_className;
#endif
};
