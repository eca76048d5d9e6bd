#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

// Hands finished print files to the system's print service (CUPS, loaded
// when the program first asks). The file is queued whole or not at all, and
// the answer says which.
namespace PrintSpooler {

using Options = QVector<QPair<QByteArray, QByteArray>>;

// True when the print service's library is there.
bool available();

struct Submission
{
    int jobId = 0;  // 0 when the service did not take the file
    QString error;  // the service's reason, when it did not
};

// Queues the PDF `file` on `printer` as the job `title` with `options`
// (name and value pairs as the service knows them).
Submission submit(const QString &printer, const QString &file, const QString &title, const Options &options);

} // namespace PrintSpooler
