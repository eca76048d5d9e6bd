#include "platform/DriveWatcher.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QSocketNotifier>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

QSet<QString> DriveWatcher::parseMountTable(const QByteArray &table)
{
    QSet<QString> points;
    for (const QByteArray &line : table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2 || fields.at(1).isEmpty())
            continue;
        // Blanks, tabs, line feeds and backslashes in paths are written as
        // three octal digits after a backslash.
        const QByteArray &raw = fields.at(1);
        QByteArray path;
        path.reserve(raw.size());
        for (int i = 0; i < raw.size(); ++i) {
            if (raw.at(i) == '\\' && i + 3 < raw.size()) {
                const QByteArray digits = raw.mid(i + 1, 3);
                bool ok = false;
                const int code = digits.toInt(&ok, 8);
                if (ok && digits.size() == 3 && code < 256) {
                    path.append(char(code));
                    i += 3;
                    continue;
                }
            }
            path.append(raw.at(i));
        }
        points.insert(QString::fromLocal8Bit(path));
    }
    return points;
}

QByteArray DriveWatcher::readTable() const
{
    QFile file(m_mountTable);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void DriveWatcher::checkMounts()
{
    if (m_mountTable.isEmpty())
        return;
    // A plain file replaced by another one is no longer watched.
    if (m_fileWatcher && !m_fileWatcher->files().contains(m_mountTable) && QFile::exists(m_mountTable))
        m_fileWatcher->addPath(m_mountTable);
    const QSet<QString> points = parseMountTable(readTable());
    if (points == m_mountPoints)
        return;
    m_mountPoints = points;
    Q_EMIT driveChanged();
}

#ifndef Q_OS_WIN

DriveWatcher::DriveWatcher(QObject *parent)
    : DriveWatcher(QStringLiteral("/proc/self/mounts"), parent)
{
}

DriveWatcher::DriveWatcher(const QString &mountTable, QObject *parent) : QObject(parent)
{
    startWatching(mountTable);
}

DriveWatcher::~DriveWatcher()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

void DriveWatcher::startWatching(const QString &mountTable)
{
    m_mountTable = mountTable;
    m_mountPoints = parseMountTable(readTable());
    // The kernel's tables report a change as an exceptional condition.
    m_fd = ::open(QFile::encodeName(mountTable).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Exception, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &DriveWatcher::checkMounts);
    }
    // Plain files (and mount folders on systems without that condition)
    // report writes through the file watcher.
    m_fileWatcher = new QFileSystemWatcher(this);
    if (QFile::exists(mountTable))
        m_fileWatcher->addPath(mountTable);
    connect(m_fileWatcher, &QFileSystemWatcher::fileChanged, this, &DriveWatcher::checkMounts);
}

bool DriveWatcher::isWatching() const
{
    return m_notifier || (m_fileWatcher && !m_fileWatcher->files().isEmpty());
}

#endif
