#include "library/ProfileReader.h"

#include <cstddef>
#include <cstdint>

// Any bytes as a photograph's file (JPEG, PNG, TIFF, WebP by their first
// bytes), and as a profile on its own: the reader and Little CMS must end,
// stay inside them and give a usable profile or none.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    const ProfileReader::Found found = ProfileReader::find(bytes);
    if (found.icc.size() > (16 << 20) + 16384)
        __builtin_trap();
    QString problem;
    if (ProfileReader::sourceProfile(bytes, &problem).isNull())
        __builtin_trap();
    problem.clear();
    const ColourProfile direct = ColourProfile::fromIcc(bytes, &problem);
    // No profile without a reason.
    if (direct.isNull() && problem.isEmpty())
        __builtin_trap();
    return 0;
}
