#pragma once

#include "platform/Outcome.h"

#include <QFile>
#include <QString>

// A file written in full before it takes the place of `path`: the bytes go
// to a file without a name in the same folder, which is given the name
// `path` in one step (rename over the old file) by commit(). Until then the
// old file stays as it was; a write that fails, a ReplacingFile destroyed
// without commit() or a process killed midway leaves nothing behind.
//
// commit() waits for the disk: the new file's bytes are synced before it
// takes the name (not every file system orders a rename after the data it
// names), and the folder after, so that a power cut leaves either the old
// file or the whole new one. A project may hold the only copies of its
// photographs. Where the system offers no files without a name, a named
// temporary file beside `path` is used instead (left behind only by a
// killed process).
class ReplacingFile
{
public:
    // Where the bytes go until commit(): a file without a name when the
    // system offers one, or a named temporary file beside `path` (what file
    // systems without unnamed files, a FAT memory card say, get).
    enum class Temporary { Unnamed, Named };
    explicit ReplacingFile(const QString &path, Temporary temporary = Temporary::Unnamed);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // Opens the new file for writing; a failure carries the system's reason.
    Outcome open();
    // Where the bytes are written.
    QIODevice &device() { return m_file; }
    // Flushes, syncs the bytes to the disk and puts the new file in place of
    // the old one, with the old file's permissions, then syncs the folder. A
    // failure carries the system's reason; the old file is then untouched
    // and the new one gone.
    Outcome commit();

private:
    void discard();

    QString m_path;
    Temporary m_temporary;
    QString m_namedTemporary; // the fallback's temporary file, if used
    QFile m_file;
    QString m_error;
    bool m_open = false;
};
