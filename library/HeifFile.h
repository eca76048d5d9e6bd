#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <memory>

struct heif_context;
struct heif_image_handle;

// A HEIF or AVIF photograph's container, opened with libheif from bytes in
// memory (not copied: they must outlive it) without decoding its pictures:
// the size of its primary image, its EXIF block, its colour profile and the
// small pictures stored beside it. Not open for other data. One per thread.
class HeifFile
{
public:
    HeifFile(const char *data, qint64 size);
    explicit HeifFile(const QByteArray &bytes) : HeifFile(bytes.constData(), bytes.size()) {}
    ~HeifFile();

    bool isOpen() const { return m_handle != nullptr; }
    // The primary image's size as decoded (turned by the container's
    // transforms); invalid when not open.
    QSize size() const;
    // The EXIF block from the TIFF header on; empty when there is none.
    QByteArray exif() const;
    // The ICC profile the primary image carries, or one made from its
    // colour primaries and tone curve (nclx); empty when it carries none or
    // when they are sRGB's. `damaged` is set for a profile that cannot be
    // read or a tone curve that is not known.
    QByteArray iccProfile(bool *damaged = nullptr) const;
    // The largest stored small picture of the primary image, decoded; null
    // when there is none, or when it is larger than `most` in either side.
    QImage thumbnail(int most) const;

private:
    struct ContextFree {
        void operator()(heif_context *c) const;
    };
    std::unique_ptr<heif_context, ContextFree> m_context;
    heif_image_handle *m_handle = nullptr;
};
