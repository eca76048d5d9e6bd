#include "library/HeifExif.h"

#include "library/HeifFile.h"

#include <cstring>

bool isIsoMediaFile(const char *data, qint64 size)
{
    return data && size >= 12 && std::memcmp(data + 4, "ftyp", 4) == 0;
}

QByteArray heifExif(const char *data, qint64 size)
{
    return HeifFile(data, size).exif();
}
