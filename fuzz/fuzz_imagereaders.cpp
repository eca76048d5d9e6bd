// The image readers behind the decoding budget: 16-bit PNG, TIFF, WebP and
// progressive JPEG bytes decoded as the renderer and the previews ask for
// them. Whatever the header claims, a decoding the budget refuses is refused
// unread, and one it accepts gives no more pixels than were asked for.
#include "FuzzApp.h"

#include "library/DecodeGate.h"
#include "library/ImageFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    const QSize atMost(64, 48);
    const qint64 cost = decodingBytes(bytes, atMost);
    const DecodedImage d = decodeRegion(bytes, QRect(), atMost);
    if (d.fault != DecodeFault::TooLarge && (d.fault == DecodeFault::OverBudget) != (cost > DecodeGate::Budget))
        __builtin_trap();
    if (d.image.width() > atMost.width() + 1 || d.image.height() > atMost.height() + 1)
        __builtin_trap();
    // A part of the stored image, and the preview of the selection list.
    const QSize stored = declaredSize(bytes);
    if (stored.isValid() && !stored.isEmpty())
        decodeRegion(bytes, QRect(QPoint(stored.width() / 2, stored.height() / 2), stored / 2), atMost);
    QSize full;
    const QImage preview = decodePreview(bytes, PreviewRule(32), &full);
    if (preview.width() > 32)
        __builtin_trap();
    return 0;
}
