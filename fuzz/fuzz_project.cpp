#include "FuzzApp.h"

#include "app/ProjectFile.h"
#include "library/ByteBudget.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzGuiApplication(); // fonts and colours are read from the stream
    return 0;
}

// Any bytes as a project file: read whole, once keeping the embedded copies
// in memory and once with the budget spent (copies skipped by position).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    for (const qint64 held : {qint64(0), ByteBudget::Limit + 1}) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        ProjectContents contents;
        const Outcome read = ProjectFile::read(buffer, contents, held);
        // A file is either read or refused with a sentence and a detail.
        if (!read && (read.sentence().isEmpty() || read.detail().isEmpty()))
            __builtin_trap();
        for (const EmbeddedFile &e : qAsConst(contents.embedded))
            if (e.position < 0 || e.position > qint64(size))
                __builtin_trap();
    }
    return 0;
}
