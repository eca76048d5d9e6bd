// firstscreen DIR: DIR opened in the folder panel's thumbnail view (1000 x
// 700 on the offscreen platform) until every thumbnail of its first screen
// is decoded, twice, each time in a fresh process: with an empty shared
// thumbnail cache (cold), then with what the first visit left there
// (cached). The last line is
//   firstscreen: N thumbnails, T ms cold, U ms cached
// The cache is a temporary folder, never the user's own.

#include "BenchCommand.h"

#include "library/IconItem.h"
#include "library/IconsList.h"
#include "library/IconsModel.h"
#include "library/ThumbnailScheduler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

int decodedRows(const IconsModel &model)
{
    int n = 0;
    for (int r = 0; r < model.rowCount(); ++r)
        n += model.index(r).data(IconsModel::StateRole).toInt() == int(IconItem::State::Decoded);
    return n;
}

// One visit, in this process: "visit: N thumbnails, T ms".
int visit(const QString &dir, const QString &cacheRoot)
{
    IconsModel model(ImageListRole::Folder, false);
    model.setThumbnailCache(cacheRoot);
    IconsList view;
    ThumbnailScheduler thumbnails(&view);
    QElapsedTimer timer;
    timer.start();
    model.setDirPath(dir);
    view.setModel(&model);
    view.resize(1000, 700);
    view.show();
    // Checked when a thumbnail arrives and every 20 ms (a batch ends
    // without one), never by spinning: the loop would take a core from
    // the readers it measures.
    QEventLoop loop;
    const auto check = [&] {
        if (model.rowCount() > 0 && !thumbnails.isRunning() && decodedRows(model) > 0 && thumbnails.rowsNeedingWork().isEmpty())
            loop.quit();
    };
    QObject::connect(&model, &QAbstractItemModel::dataChanged, &loop, check, Qt::QueuedConnection);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, check);
    poll.start(20);
    QTimer::singleShot(600000, &loop, &QEventLoop::quit);
    loop.exec();
    const qint64 ms = timer.elapsed();
    std::printf("visit: %d thumbnails, %lld ms\n", decodedRows(model), ms);
    return 0;
}

} // namespace

static int runFirstScreen(const QStringList &args)
{
    if (args.size() == 3 && args.at(0) == QLatin1String("--visit"))
        return visit(args.at(1), args.at(2));
    if (args.size() != 1) {
        std::fprintf(stderr, "firstscreen DIR\n");
        return 2;
    }
    QTemporaryDir cache;
    const QString root = cache.filePath(QStringLiteral("thumbnails"));
    int count[2] = {0, 0};
    long long ms[2] = {0, 0};
    for (int pass = 0; pass < 2; ++pass) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("firstscreen"), QStringLiteral("--visit"), args.at(0), root});
        if (!child.waitForFinished(-1) || child.exitCode() != 0
            || std::sscanf(child.readAllStandardOutput().constData(), "visit: %d thumbnails, %lld ms", &count[pass],
                           &ms[pass]) != 2) {
            std::fprintf(stderr, "firstscreen: the visit failed\n");
            return 1;
        }
    }
    std::printf("firstscreen: %d thumbnails, %lld ms cold, %lld ms cached\n", count[0], ms[0], ms[1]);
    return 0;
}

static BenchCommand firstScreen("firstscreen", "firstscreen DIR", runFirstScreen);
