// folder DIR: lists DIR into an image list model as the folder panel does.

#include "BenchCommand.h"

#include "library/IconsModel.h"

#include <QElapsedTimer>

#include <cstdio>

static int runFolder(const QStringList &args)
{
    if (args.isEmpty()) {
        std::fprintf(stderr, "folder DIR [nowatch]\n");
        return 2;
    }
    // "nowatch" leaves the file watcher out, to see what watching costs.
    const bool watch = !args.contains(QStringLiteral("nowatch"));
    IconsModel model(ImageListRole::Folder, watch);
    QElapsedTimer timer;
    timer.start();
    model.setDirPath(args.at(0));
    const qint64 ms = timer.elapsed();
    // Everything a view would need for the rows is there: the first screen
    // of thumbnails is drawn as a view would ask for it.
    for (int row = 0; row < qMin(model.rowCount(), 100); ++row)
        model.index(row).data(Qt::DecorationRole);
    std::printf("folder: %d files, %lld ms, %.1f MB peak\n", model.rowCount(), ms,
                BenchCommand::peakMegabytes());
    return 0;
}

static BenchCommand folder("folder", "folder DIR [nowatch]", runFolder);
