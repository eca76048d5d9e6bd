#include "platform/PrintSpooler.h"

#include <QFile>
#include <QLibrary>
#include <QObject>

namespace {

// The service's option record and the two calls used, as its library
// exports them.
struct CupsOption
{
    char *name;
    char *value;
};
using PrintFile = int (*)(const char *, const char *, const char *, int, CupsOption *);
using LastError = const char *(*)();

struct Cups
{
    PrintFile printFile = nullptr;
    LastError lastError = nullptr;
};

const Cups &cups()
{
    static const Cups loaded = [] {
        Cups c;
        QLibrary library(QStringLiteral("cups"), 2);
        if (library.load()) {
            c.printFile = reinterpret_cast<PrintFile>(library.resolve("cupsPrintFile"));
            c.lastError = reinterpret_cast<LastError>(library.resolve("cupsLastErrorString"));
        }
        return c;
    }();
    return loaded;
}

} // namespace

namespace PrintSpooler {

bool available() { return cups().printFile && cups().lastError; }

Submission submit(const QString &printer, const QString &file, const QString &title, const Options &options)
{
    Submission result;
    if (!available()) {
        result.error = QObject::tr("No print service is available");
        return result;
    }
    // The option records point into `options`, which outlives the call.
    QVector<CupsOption> records;
    for (const auto &option : options)
        records.append(CupsOption{const_cast<char *>(option.first.constData()), const_cast<char *>(option.second.constData())});
    result.jobId = cups().printFile(printer.toLocal8Bit().constData(), QFile::encodeName(file).constData(),
                                    title.toUtf8().constData(), records.size(), records.data());
    if (result.jobId <= 0) {
        result.jobId = 0;
        // The caller ends its sentence itself.
        result.error = QString::fromUtf8(cups().lastError()).trimmed();
        while (result.error.endsWith(QLatin1Char('.')))
            result.error.chop(1);
    }
    return result;
}

} // namespace PrintSpooler
