#include "library/Exif.h"

#include <cstddef>
#include <cstdint>

// Any bytes at all: the reader must end and stay inside them.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QDateTime date;
    const int rotation = exifRead(reinterpret_cast<const char *>(data), qint64(size), date);
    if (rotation != 0 && rotation != 90 && rotation != 180 && rotation != 270)
        __builtin_trap();
    // The embedded picture is a part of the input.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    const QByteArray thumbnail = exifThumbnail(bytes);
    if (!thumbnail.isEmpty() && (thumbnail.size() > int(size) || !bytes.contains(thumbnail)))
        __builtin_trap();
    return 0;
}
