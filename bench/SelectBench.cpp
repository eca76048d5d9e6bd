// select DIR: adds every image of DIR to a selection list as a paste of a
// file URL list does, and waits until every row has its preview.

#include "BenchCommand.h"

#include "library/ByteBudget.h"
#include "library/IconsModel.h"
#include "library/SelectionPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace {

int decodedRows(const IconsModel &model)
{
    int n = 0;
    for (int row = 0; row < model.rowCount(); ++row)
        n += model.item(row).isDecoded() ? 1 : 0;
    return n;
}

} // namespace

static int runSelect(const QStringList &args)
{
    if (args.isEmpty()) {
        std::fprintf(stderr, "select DIR\n");
        return 2;
    }
    const QDir dir(args.at(0));
    QList<QUrl> urls;
    for (const QString &name : BenchCommand::imageFiles(dir.path()))
        urls << QUrl::fromLocalFile(dir.absoluteFilePath(name));

    ByteBudget budget;
    SelectionPanel panel;
    panel.model()->setByteBudget(&budget);
    panel.resize(900, 600);
    panel.show();
    auto *mime = new QMimeData;
    mime->setUrls(urls);
    QApplication::clipboard()->setMimeData(mime);

    // The longest time the event loop went without turning, measured by a
    // timer that asks to run every 10 ms.
    QElapsedTimer sinceTick;
    qint64 longestStall = 0;
    QTimer ticker;
    ticker.setInterval(10);
    QElapsedTimer timer;
    qint64 stallAt = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 stall = sinceTick.restart();
        if (stall > longestStall) {
            longestStall = stall;
            stallAt = timer.elapsed();
        }
    });

    timer.start();
    sinceTick.start();
    panel.pasteImg();
    const qint64 listed = timer.elapsed();
    longestStall = qMax(longestStall, sinceTick.restart());
    ticker.start();
    // Counted ten times a second: counting at every turn of the loop would
    // take the time of the workers it measures.
    QEventLoop loop;
    QTimer counter;
    QObject::connect(&counter, &QTimer::timeout, [&] {
        if (decodedRows(*panel.model()) == panel.model()->rowCount())
            loop.quit();
    });
    counter.start(100);
    loop.exec();
    const qint64 previews = timer.elapsed();
    std::printf("longest event-loop stall: %lld ms (after %lld ms)\n", longestStall, stallAt);
    std::printf("select: %d images, %lld ms until listed, %lld ms until every preview, %.0f MB peak\n",
                panel.model()->rowCount(), listed, previews, BenchCommand::peakMegabytes());
    return 0;
}

static BenchCommand selectCommand("select", "select DIR", runSelect);
