#pragma once

#include "library/ImageFile.h"
#include "library/ImageSource.h"

#include <QDateTime>
#include <QFutureWatcher>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QStringList>
#include <QThreadPool>

// The previews of an opened project, decoded on the worker pool after its
// pages are shown: each distinct file once, from its copy in the project
// (the disk when the project holds none). The workers get the document's
// image source, a value fixed when the project was opened; results come back on the GUI
// thread through decoded().
class ProjectPreviews : public QObject
{
    Q_OBJECT
public:
    struct Result
    {
        QString fileName;
        QImage image;  // reduced, not yet turned; null when undecodable
        QSize fullSize; // the file's own size; invalid when unknown
        QDateTime date; // the date taken found in the file
    };

    explicit ProjectPreviews(QObject *parent = nullptr);
    ~ProjectPreviews() override;

    // Starts decoding `names` from `source` (a job already running is
    // cancelled first).
    void start(const ImageSource &source, const QStringList &names, const PreviewRule &rule);
    // Drops the running job: its results are not delivered.
    void cancel();
    // Waits for the running job and delivers what it has not yet delivered
    // (before the pages are printed or exported).
    void finish();
    bool isRunning() const { return m_watcher.isRunning(); }

    // One file, as a worker decodes it.
    static Result decode(const ImageSource &source, const QString &fileName, const PreviewRule &rule);

Q_SIGNALS:
    void decoded(const ProjectPreviews::Result &result);

private:
    void deliver(int index);

    QThreadPool m_pool; // the decoders of the previews
    QFutureWatcher<Result> m_watcher;
    QSet<int> m_delivered;
};
