#include "formats/LayoutFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdint>

// Any bytes as a ".vly" file: the reader must end, keep its allocations to
// what the file holds and either fail or give back whole frames.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Every refused file would be logged.
    QLoggingCategory::setFilterRules(QStringLiteral("velmora.formats.warning=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path = QDir::tempPath() + QStringLiteral("/fuzz_layoutfile_")
        + QString::number(QCoreApplication::applicationPid()) + QStringLiteral(".vly");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            __builtin_trap();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    LayoutFile layout;
    if (LayoutFile::read(path, layout) && size_t(layout.frames.size()) * 16 > size)
        __builtin_trap();
    return 0;
}
