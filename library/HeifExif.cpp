#include "library/HeifExif.h"

#include <libheif/heif.h>

#include <cstring>
#include <memory>

namespace {

struct ContextFree {
    void operator()(heif_context *c) const { heif_context_free(c); }
};
struct HandleFree {
    void operator()(heif_image_handle *h) const { heif_image_handle_release(h); }
};

} // namespace

bool isIsoMediaFile(const char *data, qint64 size)
{
    return data && size >= 12 && std::memcmp(data + 4, "ftyp", 4) == 0;
}

QByteArray heifExif(const char *data, qint64 size)
{
    if (!isIsoMediaFile(data, size))
        return {};
    static const bool initialised = heif_init(nullptr).code == heif_error_Ok;
    if (!initialised)
        return {};
    std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    if (!context || heif_context_read_from_memory_without_copy(context.get(), data, size_t(size), nullptr).code
                        != heif_error_Ok)
        return {};
    heif_image_handle *primary = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
        return {};
    std::unique_ptr<heif_image_handle, HandleFree> handle(primary);
    heif_item_id id = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(handle.get(), "Exif", &id, 1) < 1)
        return {};
    const size_t length = heif_image_handle_get_metadata_size(handle.get(), id);
    if (length < 4 || length > size_t(size))
        return {};
    QByteArray block(int(length), Qt::Uninitialized);
    if (heif_image_handle_get_metadata(handle.get(), id, block.data()).code != heif_error_Ok)
        return {};
    // The item starts with the big-endian distance from its fifth byte to
    // the TIFF header (past an "Exif\0\0" identifier, when there is one).
    const auto *b = reinterpret_cast<const unsigned char *>(block.constData());
    const quint32 skip = quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | b[3];
    if (skip > quint32(length) - 4)
        return {};
    return block.mid(4 + int(skip));
}
