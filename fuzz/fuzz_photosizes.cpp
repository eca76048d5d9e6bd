#include "formats/LayoutCatalogue.h"
#include "formats/PhotoSizeSelect.h"

#include <cstddef>
#include <cstdint>

// Any bytes as a "/PhotoSizesMM" or "/PhotoSizesIN" value: at most one size
// per whole record, written back as it was read, and the layouts made of the
// sizes on A4 in millimetres and on Letter in inches.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QVector<PhotoSizeSelect> list;
    static_cast<void>(PhotoSizeSelect::listFromBytes(bytes, list));
    if (list.size() > int(size) / PhotoSizeSelect::StoredSize)
        __builtin_trap();
    // What was kept is whole: written and read again it is the same.
    QVector<PhotoSizeSelect> again;
    if (!PhotoSizeSelect::listFromBytes(PhotoSizeSelect::listToBytes(list), again) || again != list)
        __builtin_trap();
    PhotoSizeSelect::sortList(list);
    // Sizes of a few millimetres make grids of tens of thousands of frames,
    // far too slow here: a matter of the catalogue, not of the stored list.
    const auto atLeast = [&list](double smallest) {
        QVector<PhotoSizeSelect> kept;
        for (const PhotoSizeSelect &s : qAsConst(list))
            if (s.shortSide >= smallest)
                kept.append(s);
        return kept;
    };
    LayoutCatalogue catalogue;
    LayoutCatalogue::Source source;
    source.sizes = atLeast(10.0);
    catalogue.build(source);
    source.sizes = atLeast(0.4);
    source.setup.unit = PageSetup::Inch;
    source.setup.paperSize = 6;
    source.setup.width = 8.5;
    source.setup.height = 11;
    source.setup.top = source.setup.bottom = source.setup.left = source.setup.right = 0.2;
    catalogue.build(source);
    return 0;
}
