#include "platform/ReplacingFile.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#endif

namespace {

const char *const Unwritten =
    QT_TRANSLATE_NOOP("QObject", "The file could not be written; a file that was there is unchanged.");

// A name beside `path` that no file has.
QString unusedNameBeside(const QString &path)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = QStringLiteral("%1.%2.tmp").arg(path).arg(QRandomGenerator::global()->generate(), 8, 16,
                                                                          QLatin1Char('0'));
        if (!QFileInfo::exists(name))
            return name;
    }
    return QString();
}

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Waits until the bytes written to `file` (and its size) are on the disk.
bool syncData(QFile &file, QString &error)
{
#if defined(Q_OS_LINUX)
    const int done = ::fdatasync(file.handle());
#elif defined(Q_OS_UNIX)
    const int done = ::fsync(file.handle());
#elif defined(Q_OS_WIN)
    const int done = ::_commit(file.handle());
#else
    const int done = 0;
#endif
    if (done == 0)
        return true;
    error = systemError(errno);
    return false;
}

// Waits until the folder holding `path` has its new entry on the disk. The
// file is in place already: a folder that cannot be synced (some network
// file systems refuse) does not undo the save.
void syncFolderOf(const QString &path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(path)
#endif
}

// Gives `temporary` the name `path`, replacing the file there, and waits
// for the folder.
bool renameOver(const QString &temporary, const QString &path, QString &error)
{
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) == 0) {
        syncFolderOf(path);
        return true;
    }
    error = systemError(errno);
    QFile::remove(temporary);
    return false;
}

} // namespace

ReplacingFile::ReplacingFile(const QString &path, Temporary temporary)
    : m_path(QFileInfo(path).absoluteFilePath()), m_temporary(temporary)
{
}

ReplacingFile::~ReplacingFile()
{
    if (m_open)
        discard();
}

Outcome ReplacingFile::open()
{
#ifdef Q_OS_LINUX
    // The unnamed file is named through /proc at the end: without it, a
    // named temporary file is used from the start.
    const QByteArray folder = QFile::encodeName(QFileInfo(m_path).absolutePath());
    const int fd = m_temporary == Temporary::Unnamed && QFileInfo::exists(QStringLiteral("/proc/self/fd"))
                       ? ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666)
                       : (errno = EOPNOTSUPP, -1);
    if (fd >= 0) {
        if (!m_file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            m_error = m_file.errorString();
            return Outcome::failure(Unwritten, m_error);
        }
        m_open = true;
        return Outcome();
    }
    // A file system without unnamed files takes a named one; any other
    // failure (no such folder, no right to write there) is the answer.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        m_error = systemError(errno);
        return Outcome::failure(Unwritten, m_error);
    }
#endif
    m_namedTemporary = unusedNameBeside(m_path);
    m_file.setFileName(m_namedTemporary);
    if (m_namedTemporary.isEmpty() || !m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        m_error = m_file.errorString();
        m_namedTemporary.clear();
        return Outcome::failure(Unwritten, m_error);
    }
    m_open = true;
    return Outcome();
}

Outcome ReplacingFile::commit()
{
    if (!m_open) {
        m_error = QStringLiteral("The file is not open");
        return Outcome::failure(Unwritten, m_error);
    }
    if (!m_file.flush() || m_file.error() != QFileDevice::NoError) {
        m_error = m_file.errorString();
        discard();
        return Outcome::failure(Unwritten, m_error);
    }
    // The bytes reach the disk before the name does: after a power cut the
    // name shows the old project or the whole new one, never an empty file.
    if (!syncData(m_file, m_error)) {
        discard();
        return Outcome::failure(Unwritten, m_error);
    }
    const bool replaces = QFileInfo::exists(m_path);
#ifdef Q_OS_LINUX
    if (m_namedTemporary.isEmpty()) {
        const int fd = m_file.handle();
        struct stat old;
        if (replaces && ::stat(QFile::encodeName(m_path).constData(), &old) == 0)
            ::fchmod(fd, old.st_mode & 07777);
        // The unnamed file gets a name beside the old one, then takes its place.
        const QString temporary = unusedNameBeside(m_path);
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        if (temporary.isEmpty()
            || ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, QFile::encodeName(temporary).constData(),
                        AT_SYMLINK_FOLLOW)
                   != 0) {
            m_error = systemError(errno);
            discard();
            return Outcome::failure(Unwritten, m_error);
        }
        m_file.close();
        m_open = false;
        return renameOver(temporary, m_path, m_error) ? Outcome() : Outcome::failure(Unwritten, m_error);
    }
#endif
    m_file.close();
    m_open = false;
    if (replaces)
        QFile::setPermissions(m_namedTemporary, QFile::permissions(m_path));
    return renameOver(m_namedTemporary, m_path, m_error) ? Outcome() : Outcome::failure(Unwritten, m_error);
}

void ReplacingFile::discard()
{
    m_file.close();
    if (!m_namedTemporary.isEmpty())
        QFile::remove(m_namedTemporary);
    m_open = false;
}
