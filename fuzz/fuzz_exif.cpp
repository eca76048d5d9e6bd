#include "library/Exif.h"
#include "library/HeifFile.h"

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
    // So is a RAW file's preview; a HEIF's or AVIF's container tells its
    // size and profile without decoding anything.
    int turns = 0;
    const QByteArray preview = rawPreview(bytes, &turns);
    if (!preview.isEmpty() && (!bytes.contains(preview) || turns % 90 != 0))
        __builtin_trap();
    const HeifFile heif(bytes);
    heif.size();
    bool damaged = false;
    heif.iccProfile(&damaged);
    return 0;
}
