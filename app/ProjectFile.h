#pragma once

#include "app/ProjectContents.h"
#include "formats/FormatSettings.h"
#include "platform/Outcome.h"

#include <QString>

class QIODevice;

// The project file ".vm2": one QDataStream (version 14, big-endian) holding
// the header (magic, page setup, layout name, unit scale and names), the
// selection list, the pages and a copy of every file they use.
namespace ProjectFile {

// The magic written, and the older one still read.
QString magic();
QString oldMagic();

// `name` with ".vm2" appended unless its last four characters are ".vm2" in
// any mix of capitals.
QString withExtension(const QString &name);

// The project of the moment: page setup and layout name from `formats`, the
// selection list and the pages as given.
ProjectContents gather(const FormatSettings &formats, const QVector<IconItem> &rows, const QVector<Page> &pages);
// Makes the page setup and layout name of `contents` those in force.
void adoptSettings(const ProjectContents &contents, FormatSettings &formats);

// Reads a whole project into `contents`. Embedded copies are kept in memory
// while `heldBytes` plus those kept stay within the byte budget; the others
// are skipped and only their positions noted. A failure says the file is
// damaged (with the section's code, such as "Load PageFrame 0:0", as the
// detail), not a project, or cannot be opened (with the system's reason);
// `contents` is then partly filled and must be thrown away. Reading a path
// logs a failure.
Outcome read(QIODevice &device, ProjectContents &contents, qint64 heldBytes);
Outcome read(const QString &path, ProjectContents &contents, qint64 heldBytes);

// Writes `contents` to `path` through a temporary file beside it that
// replaces `path` only when everything was written (a failed or interrupted
// save leaves the old file whole and no temporary file). The bytes of a file
// that neither its row nor its frames hold come from the file on disk when
// it is an image, else from the open project's copy (`open`). A file that is
// not an image the program can read, and not a copy from the open project,
// is written as an empty byte array. `written` gets the table of the new
// file (positions only). A failure (logged) says the project was not saved,
// with the code or the system's reason as the detail.
Outcome write(const QString &path, const ProjectContents &contents, const ImageSource &open,
              EmbeddedTable *written = nullptr);

} // namespace ProjectFile
