#include "BenchCommand.h"

#include <QDir>
#include <QImageReader>

#include <sys/resource.h>

#include <vector>

static std::vector<const BenchCommand *> &registry()
{
    static std::vector<const BenchCommand *> commands;
    return commands;
}

BenchCommand::BenchCommand(const char *name, const char *usage, Runner run)
    : name(name), usage(usage), run(std::move(run))
{
    registry().push_back(this);
}

const BenchCommand *BenchCommand::find(const QString &name)
{
    for (const BenchCommand *c : registry())
        if (name == QLatin1String(c->name))
            return c;
    return nullptr;
}

QStringList BenchCommand::usages()
{
    QStringList list;
    for (const BenchCommand *c : registry())
        list << QString::fromLatin1(c->usage);
    list.sort();
    return list;
}

QStringList BenchCommand::imageFiles(const QString &dir)
{
    QStringList filters;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        filters << QStringLiteral("*.") + QString::fromLatin1(format);
    QStringList files;
    const QDir d(dir);
    for (const QString &name : d.entryList(filters, QDir::Files, QDir::Name))
        files << d.absoluteFilePath(name);
    return files;
}

double BenchCommand::peakMegabytes()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}
