#pragma once

#include <QStringList>

#include <functional>

// A command of velmora-bench. Each command lives in its own source file and
// registers itself with a static BenchCommand object:
//
//   static BenchCommand exportCommand("export", "export PROJECT [PAGES]", runExport);
//
// The runner gets the arguments after the command name and returns the exit
// code; it prints one result line on standard output.
class BenchCommand
{
public:
    using Runner = std::function<int(const QStringList &args)>;

    BenchCommand(const char *name, const char *usage, Runner run);

    static const BenchCommand *find(const QString &name);
    static QStringList usages();

    // Every image file of `dir` that the image readers know, by name.
    static QStringList imageFiles(const QString &dir);
    // Peak resident memory of this process so far, in megabytes.
    static double peakMegabytes();

    const char *name;
    const char *usage;
    Runner run;
};
