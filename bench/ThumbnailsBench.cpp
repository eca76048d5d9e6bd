// thumbnails DIR [THREADS]: every image of DIR decoded as the selection list
// decodes its rows: by its ThumbnailScheduler, a batch at a time on the
// scheduler's own pool of THREADS threads (by default one per processor),
// each preview turned and drawn into its row on the GUI thread. The view
// stays hidden, so that no row goes first for being on screen.

#include "BenchCommand.h"

#include "library/IconsList.h"
#include "library/IconsModel.h"
#include "library/ThumbnailScheduler.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSet>
#include <QThread>
#include <QTimer>

#include <cstdio>

static int runThumbnails(const QStringList &args)
{
    if (args.isEmpty()) {
        std::fprintf(stderr, "thumbnails DIR [THREADS]\n");
        return 2;
    }
    const QStringList files = BenchCommand::imageFiles(args.at(0));
    const int threads = args.size() > 1 ? args.at(1).toInt() : QThread::idealThreadCount();

    IconsModel model(ImageListRole::Selection, false);
    for (const QString &file : files)
        model.addItem(IconsModel::itemFromFile(QFileInfo(file)));
    IconsList view;
    view.setModel(&model);
    ThumbnailScheduler scheduler(&view);
    scheduler.pool().setMaxThreadCount(qMax(1, threads));

    QSet<int> decoded;
    int good = 0;
    QEventLoop loop;
    QObject::connect(&model, &QAbstractItemModel::dataChanged, &loop, [&](const QModelIndex &index) {
        const IconItem &item = model.item(index.row());
        if (item.state != IconItem::State::Decoded || decoded.contains(index.row()))
            return;
        decoded.insert(index.row());
        good += !item.preview.isNull();
        if (decoded.size() == model.rowCount())
            loop.quit();
    });
    QTimer::singleShot(600000, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    scheduler.restart();
    if (model.rowCount() > 0)
        loop.exec();
    const qint64 ms = timer.elapsed();
    if (good != files.size())
        std::fprintf(stderr, "%d of %d files could not be decoded\n", int(files.size()) - good, int(files.size()));
    std::printf("thumbnails: %d images, %lld ms, %.2f images/s\n", int(files.size()), ms,
                ms > 0 ? files.size() * 1000.0 / ms : 0.0);
    return good == files.size() ? 0 : 1;
}

static BenchCommand thumbnails("thumbnails", "thumbnails DIR [THREADS]", runThumbnails);
