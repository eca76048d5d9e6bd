// thumbnails DIR [THREADS]: the worker reader of the thumbnail view (file,
// scaled preview, EXIF) over every image of DIR on THREADS pool threads.

#include "BenchCommand.h"

#include "library/ImageFile.h"

#include <QElapsedTimer>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent>

#include <cstdio>

static int runThumbnails(const QStringList &args)
{
    if (args.isEmpty()) {
        std::fprintf(stderr, "thumbnails DIR [THREADS]\n");
        return 2;
    }
    const QStringList files = BenchCommand::imageFiles(args.at(0));
    const int threads = args.size() > 1 ? args.at(1).toInt() : QThread::idealThreadCount();
    QThreadPool::globalInstance()->setMaxThreadCount(qMax(1, threads));

    const PreviewRule rule; // the 500-pixel previews of a list within its budget
    std::function<int(const QString &)> read = [rule](const QString &file) {
        const IconFuture r = readIconFuture(file, rule);
        return r.image.isNull() ? 0 : 1;
    };
    QElapsedTimer timer;
    timer.start();
    const QList<int> decoded = QtConcurrent::blockingMapped(files, read);
    const qint64 ms = timer.elapsed();
    int good = 0;
    for (int ok : decoded)
        good += ok;
    if (good != files.size())
        std::fprintf(stderr, "%d of %d files could not be decoded\n", int(files.size()) - good, int(files.size()));
    std::printf("thumbnails: %d images, %lld ms, %.2f images/s\n", int(files.size()), ms,
                ms > 0 ? files.size() * 1000.0 / ms : 0.0);
    return good == files.size() ? 0 : 1;
}

static BenchCommand thumbnails("thumbnails", "thumbnails DIR [THREADS]", runThumbnails);
