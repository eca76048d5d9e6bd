#include "library/HeifFile.h"

#include "library/HeifExif.h"

#include <libheif/heif.h>

#include <QColorSpace>
#include <QVector>

namespace {

struct HandleFree {
    void operator()(heif_image_handle *h) const { heif_image_handle_release(h); }
};
struct ImageFree {
    void operator()(const heif_image *i) const { heif_image_release(i); }
};
struct NclxFree {
    void operator()(heif_color_profile_nclx *n) const { heif_nclx_color_profile_free(n); }
};

bool initialised()
{
    static const bool done = heif_init(nullptr).code == heif_error_Ok;
    return done;
}

// The colour space of primaries and a tone curve stated by number (ITU-T
// H.273); invalid for a curve not known here (the HDR ones).
QColorSpace nclxSpace(const heif_color_profile_nclx &n)
{
    QColorSpace::TransferFunction curve = QColorSpace::TransferFunction::SRgb;
    float gamma = 0;
    switch (n.transfer_characteristics) {
    case heif_transfer_characteristic_ITU_R_BT_709_5:
    case heif_transfer_characteristic_unspecified:
    case heif_transfer_characteristic_ITU_R_BT_601_6:
    case heif_transfer_characteristic_IEC_61966_2_1:
    case heif_transfer_characteristic_ITU_R_BT_2020_2_10bit:
    case heif_transfer_characteristic_ITU_R_BT_2020_2_12bit:
        break; // the sRGB curve, as screens show these
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_M:
        curve = QColorSpace::TransferFunction::Gamma;
        gamma = 2.2f;
        break;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G:
        curve = QColorSpace::TransferFunction::Gamma;
        gamma = 2.8f;
        break;
    case heif_transfer_characteristic_linear:
        curve = QColorSpace::TransferFunction::Linear;
        break;
    default:
        return QColorSpace();
    }
    return QColorSpace(QPointF(n.color_primary_white_x, n.color_primary_white_y),
                       QPointF(n.color_primary_red_x, n.color_primary_red_y),
                       QPointF(n.color_primary_green_x, n.color_primary_green_y),
                       QPointF(n.color_primary_blue_x, n.color_primary_blue_y), curve, gamma);
}

} // namespace

void HeifFile::ContextFree::operator()(heif_context *c) const
{
    heif_context_free(c);
}

HeifFile::HeifFile(const char *data, qint64 size)
{
    if (!isIsoMediaFile(data, size) || !initialised())
        return;
    m_context.reset(heif_context_alloc());
    if (!m_context
        || heif_context_read_from_memory_without_copy(m_context.get(), data, size_t(size), nullptr).code != heif_error_Ok
        || heif_context_get_primary_image_handle(m_context.get(), &m_handle).code != heif_error_Ok)
        m_handle = nullptr;
}

HeifFile::~HeifFile()
{
    if (m_handle)
        heif_image_handle_release(m_handle);
}

QSize HeifFile::size() const
{
    return m_handle ? QSize(heif_image_handle_get_width(m_handle), heif_image_handle_get_height(m_handle)) : QSize();
}

QByteArray HeifFile::exif() const
{
    heif_item_id id = 0;
    if (!m_handle || heif_image_handle_get_list_of_metadata_block_IDs(m_handle, "Exif", &id, 1) < 1)
        return {};
    const size_t length = heif_image_handle_get_metadata_size(m_handle, id);
    if (length < 4 || length > size_t(1) << 26)
        return {};
    QByteArray block(int(length), Qt::Uninitialized);
    if (heif_image_handle_get_metadata(m_handle, id, block.data()).code != heif_error_Ok)
        return {};
    // The item starts with the big-endian distance from its fifth byte to
    // the TIFF header (past an "Exif\0\0" identifier, when there is one).
    const auto *b = reinterpret_cast<const unsigned char *>(block.constData());
    const quint32 skip = quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | b[3];
    if (skip > quint32(length) - 4)
        return {};
    return block.mid(4 + int(skip));
}

QByteArray HeifFile::iccProfile(bool *damaged) const
{
    if (damaged)
        *damaged = false;
    if (!m_handle)
        return {};
    const size_t length = heif_image_handle_get_raw_color_profile_size(m_handle);
    if (length > 0) {
        QByteArray icc(int(qMin<size_t>(length, size_t(1) << 26)), Qt::Uninitialized);
        if (length <= size_t(1) << 26 && heif_image_handle_get_raw_color_profile(m_handle, icc.data()).code == heif_error_Ok)
            return icc;
        if (damaged)
            *damaged = true;
        return {};
    }
    heif_color_profile_nclx *found = nullptr;
    if (heif_image_handle_get_nclx_color_profile(m_handle, &found).code != heif_error_Ok || !found)
        return {};
    const std::unique_ptr<heif_color_profile_nclx, NclxFree> nclx(found);
    const QColorSpace space = nclxSpace(*nclx);
    // sRGB's primaries (or none stated) with a curve shown as sRGB's: no
    // profile needed.
    if ((nclx->color_primaries == heif_color_primaries_ITU_R_BT_709_5
         || nclx->color_primaries == heif_color_primaries_unspecified)
        && space.transferFunction() == QColorSpace::TransferFunction::SRgb)
        return {};
    if (!space.isValid() && damaged)
        *damaged = true;
    return space.isValid() ? space.iccProfile() : QByteArray();
}

QImage HeifFile::thumbnail(int most) const
{
    if (!m_handle)
        return {};
    const int count = heif_image_handle_get_number_of_thumbnails(m_handle);
    if (count < 1)
        return {};
    QVector<heif_item_id> ids(qMin(count, 16));
    heif_image_handle_get_list_of_thumbnail_IDs(m_handle, ids.data(), ids.size());
    std::unique_ptr<heif_image_handle, HandleFree> best;
    for (const heif_item_id id : ids) {
        heif_image_handle *found = nullptr;
        if (heif_image_handle_get_thumbnail(m_handle, id, &found).code != heif_error_Ok)
            continue;
        std::unique_ptr<heif_image_handle, HandleFree> handle(found);
        const int w = heif_image_handle_get_width(found);
        const int h = heif_image_handle_get_height(found);
        if (w < 1 || h < 1 || w > most || h > most)
            continue;
        if (!best || qint64(w) * h > qint64(heif_image_handle_get_width(best.get())) * heif_image_handle_get_height(best.get()))
            best = std::move(handle);
    }
    if (!best)
        return {};
    heif_image *decoded = nullptr;
    if (heif_decode_image(best.get(), &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr).code
        != heif_error_Ok)
        return {};
    const std::unique_ptr<const heif_image, ImageFree> image(decoded);
    int stride = 0;
    const uint8_t *plane = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int w = heif_image_get_width(decoded, heif_channel_interleaved);
    const int h = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!plane || w < 1 || h < 1 || w > most || h > most || stride < 3 * w)
        return {};
    return QImage(plane, w, h, stride, QImage::Format_RGB888).convertToFormat(QImage::Format_RGB32);
}
