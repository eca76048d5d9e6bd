#include "formats/PhotoSizeSelect.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

// Any bytes as a "/PhotoSizesMM" or "/PhotoSizesIN" value: one size per
// whole record, written back as it was read.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QVector<PhotoSizeSelect> list = PhotoSizeSelect::listFromBytes(bytes);
    const int whole = int(size) / PhotoSizeSelect::StoredSize;
    if (list.size() != whole)
        __builtin_trap();
    const QByteArray again = PhotoSizeSelect::listToBytes(list);
    for (int i = 0; i < whole; ++i) {
        const char *a = again.constData() + i * PhotoSizeSelect::StoredSize;
        const char *b = bytes.constData() + i * PhotoSizeSelect::StoredSize;
        if (memcmp(a, b, 16) != 0 || (a[16] != 0) != (b[16] != 0) || (a[17] != 0) != (b[17] != 0))
            __builtin_trap();
    }
    PhotoSizeSelect::sortList(list);
    return 0;
}
