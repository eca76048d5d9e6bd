// velmora-bench COMMAND ARGS...: measures the program's own code on real
// files. Commands live in *Bench.cpp files beside this one.

#include "BenchCommand.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // the views of some commands are widgets
    QStringList args = app.arguments().mid(1);
    const BenchCommand *command = args.isEmpty() ? nullptr : BenchCommand::find(args.first());
    if (!command) {
        std::fprintf(stderr, "usage: velmora-bench COMMAND ...\n");
        for (const QString &usage : BenchCommand::usages())
            std::fprintf(stderr, "  velmora-bench %s\n", qPrintable(usage));
        return 2;
    }
    args.removeFirst();
    return command->run(args);
}
