// project DIR [COUNT]: saving and opening a project of the first COUNT
// (default 24) photographs of DIR, one photograph a page, each also a row of
// the selection list (make them with bench/make-photos.py OUT --large 24,
// DIR = OUT/photos).
//   save: the project written through the project writer (each photograph
//         read from disk once, checked to be an image, written, the file
//         put in place), beside `cp` of the same files into a folder, and
//         `cp` followed by `sync`; the best of three rounds of each;
//   open: the file read (copies within the byte budget kept, the rest
//         skipped by position) and the selection list and pages adopted
//         ("pages shown"), then the previews decoded on the workers from
//         the copies, each file once ("every preview in"), as the window
//         does.

#include "BenchCommand.h"

#include "app/ProjectFile.h"
#include "app/ProjectPreviews.h"
#include "arrange/ArrangeEngine.h"
#include "library/IconsModel.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

qint64 timedProcess(const QString &program, const QStringList &args)
{
    QElapsedTimer timer;
    timer.start();
    QProcess p;
    p.start(program, args);
    p.waitForFinished(-1);
    return p.exitCode() == 0 ? timer.elapsed() : -1;
}

} // namespace

static int runProject(const QStringList &args)
{
    if (args.isEmpty()) {
        std::fprintf(stderr, "project: give the folder of the photographs\n");
        return 2;
    }
    const int count = args.value(1, QStringLiteral("24")).toInt();
    const QStringList files = BenchCommand::imageFiles(args.first()).mid(0, count);
    if (files.size() < count) {
        std::fprintf(stderr, "project: %s holds fewer than %d images\n", qPrintable(args.first()), count);
        return 1;
    }
    ProjectContents contents;
    qint64 bytes = 0;
    for (const QString &file : files) {
        bytes += QFileInfo(file).size();
        IconItem row;
        row.fileName = file;
        contents.rows << row;
        Page page;
        page.width = 21000;
        page.height = 29700;
        page.title = QStringLiteral("Page\nbench");
        PhotoFrame f;
        f.width = 20000;
        f.height = 28700;
        f.fileName = file;
        f.cropWidth = 6000;
        f.cropHeight = 4000;
        page.frames << f;
        contents.pages << page;
    }
    QTemporaryDir out(QDir::current().filePath(QStringLiteral("velmora-bench-XXXXXX")));
    const QString project = out.filePath(QStringLiteral("bench.vm2"));

    // Rounds alternate cp, the save and cp followed by sync, each into a
    // fresh place and removed after; the best of each counts, so that none
    // is charged for the memory another freed or for reading the
    // photographs from the disk.
    const QStringList cpSyncScript{QStringLiteral("-c"), QStringLiteral("cp \"$@\" && sync"), QStringLiteral("sh")};
    qint64 cp = -1, cpSync = -1, save = -1;
    const auto best = [](qint64 &kept, qint64 now) { kept = kept < 0 ? now : qMin(kept, now); };
    QElapsedTimer timer;
    for (int round = 0; round < 3; ++round) {
        const QString copies = out.filePath(QStringLiteral("cp"));
        QDir().mkpath(copies);
        best(cp, timedProcess(QStringLiteral("cp"), files + QStringList{copies}));
        QDir(copies).removeRecursively();
        QFile::remove(project);
        timer.start();
        if (const Outcome written = ProjectFile::write(project, contents, {}); !written) {
            std::fprintf(stderr, "project: %s\n", qPrintable(written.writeMessage(project)));
            return 1;
        }
        best(save, timer.elapsed());
        QDir().mkpath(copies);
        best(cpSync, timedProcess(QStringLiteral("sh"), cpSyncScript + files + QStringList{copies}));
        QDir(copies).removeRecursively();
    }

    timer.restart();
    ProjectContents read;
    if (const Outcome outcome = ProjectFile::read(project, read, 0); !outcome) {
        std::fprintf(stderr, "project: %s\n", qPrintable(outcome.readMessage(project)));
        return 1;
    }
    const qint64 reading = timer.elapsed();
    // As the window opens it: rows and pages shown at once, the previews
    // decoded on the workers, each file once.
    Document doc;
    doc.source = ImageSource(project, read.embedded);
    IconsModel rows(ImageListRole::Selection, false);
    rows.setImageSource(doc.source);
    rows.adoptLoaded(read.rows, false);
    ArrangeEngine engine(doc);
    engine.adoptLoadedPages(read.pages, false);
    const qint64 shown = timer.elapsed();
    ProjectPreviews previews;
    QObject::connect(&previews, &ProjectPreviews::decoded, [&](const ProjectPreviews::Result &r) {
        rows.takePreview(r.fileName, r.image, r.fullSize, r.date);
        engine.takePreview(r.fileName, r.image, r.fullSize);
    });
    previews.start(doc.source, BenchCommand::imageFiles(args.first()).mid(0, count), rows.previewRule());
    previews.finish();
    const qint64 pictures = timer.elapsed();

    std::printf("project: %d photos, %.0f MB: save %lld ms, cp %lld ms (%.2fx), cp+sync %lld ms (%.2fx); "
                "open: pages shown %lld ms (file read %lld), every preview in %lld ms, %.0f MB peak\n",
                count, bytes / 1e6, save, cp, double(save) / qMax<qint64>(1, cp), cpSync,
                double(save) / qMax<qint64>(1, cpSync), shown, reading, pictures, BenchCommand::peakMegabytes());
    return 0;
}

static BenchCommand projectCommand("project", "project DIR [COUNT]", runProject);
