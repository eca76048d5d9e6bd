#include "library/Exif.h"

#include "library/HeifExif.h"

#include <QString>

#include <brotli/decode.h>

#include <cstring>

namespace {

// Markers that stand alone, without a length: TEM, RST0..RST7, SOI.
bool isStandalone(unsigned char code)
{
    return code == 0x01 || (code >= 0xD0 && code <= 0xD8);
}

// The TIFF structure behind the header; every read is checked against the
// size of the whole data.
class TiffWalk
{
public:
    TiffWalk(const unsigned char *data, qint64 size, qint64 header)
        : d(data), n(size), base(header) {}

    bool readHeader()
    {
        if (base < 0 || base + 8 > n)
            return false;
        if (d[base] == 'I' && d[base + 1] == 'I' && d[base + 2] == 42 && d[base + 3] == 0)
            intel = true;
        else if (d[base] == 'M' && d[base + 1] == 'M' && d[base + 2] == 0 && d[base + 3] == 42)
            intel = false;
        else
            return false;
        return true;
    }

    bool has(qint64 pos, qint64 len) const { return pos >= 0 && len >= 0 && pos <= n - len; }

    quint32 u16(qint64 pos) const
    {
        return intel ? quint32(d[pos]) | quint32(d[pos + 1]) << 8
                     : quint32(d[pos]) << 8 | quint32(d[pos + 1]);
    }
    quint32 u32(qint64 pos) const
    {
        return intel ? u16(pos) | u16(pos + 2) << 16 : u16(pos) << 16 | u16(pos + 2);
    }

    // A text value: at the header plus `offset`, at most `count` bytes, up to
    // the first zero byte. False when it starts outside the data; a text that
    // runs past the end is cut at the end.
    bool ascii(quint32 offset, quint32 count, QString &out) const
    {
        const qint64 pos = base + qint64(offset);
        if (!has(pos, 1))
            return false;
        const qint64 end = qMin(n, pos + qint64(count));
        out.clear();
        for (qint64 i = pos; i < end && d[i] != 0; ++i)
            out.append(QChar(ushort(d[i])));
        return true;
    }

    const unsigned char *d;
    qint64 n;
    qint64 base;
    bool intel = true;
};

QDateTime parseExifDate(const QString &text)
{
    return QDateTime::fromString(text, QStringLiteral("yyyy:MM:dd HH:mm:ss"));
}

} // namespace

qint64 exifTiffOffset(const unsigned char *d, qint64 n)
{
    if (!d || n < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return -1;
    qint64 pos = 2;
    while (pos < n) {
        // Bytes that are not a marker (damage) are passed over, then the
        // fill bytes 0xFF before the marker code.
        if (d[pos] != 0xFF) {
            ++pos;
            continue;
        }
        while (pos < n && d[pos] == 0xFF)
            ++pos;
        if (pos >= n)
            return -1;
        const unsigned char code = d[pos++];
        if (code == 0x00 || isStandalone(code))
            continue;
        if (code == 0xDA || code == 0xD9) // start of scan, end of image
            return -1;
        if (pos + 2 > n)
            return -1;
        const qint64 length = qint64(d[pos]) << 8 | d[pos + 1];
        if (length < 2)
            return -1;
        if (code == 0xE1 && length >= 2 + 6 + 8 && pos + 2 + 6 <= n
            && memcmp(d + pos + 2, "Exif\0", 5) == 0)
            return pos + 2 + 6;
        pos += length;
    }
    return -1;
}

namespace {

int walkExif(const unsigned char *d, qint64 size, qint64 header, QDateTime &date)
{
    TiffWalk t(d, size, header);
    if (!t.readHeader())
        return 0;

    // Directories already read: a pointer back to one of them ends the walk,
    // and so does a chain of more than a few.
    qint64 visited[4];
    int visitedCount = 0;
    qint64 dir = t.base + qint64(t.u32(t.base + 4));
    if (!t.has(dir, 2))
        return 0;
    quint32 entries = t.u16(dir);
    if (entries < 1)
        return 0;
    visited[visitedCount++] = dir;

    int rotation = 0;
    quint32 i = 0;
    while (i < entries) {
        const qint64 e = dir + 2 + 12 * qint64(i);
        if (!t.has(e, 12))
            return rotation;
        const quint32 tag = t.u16(e);
        const quint32 type = t.u16(e + 2);
        const quint32 count = t.u32(e + 4);
        const quint32 value = t.u32(e + 8);
        if (tag == 0x0112 && type == 3) {
            // A single SHORT sits in the first two bytes of the value field.
            switch (t.u16(e + 8)) {
            case 3: rotation = 180; break;
            case 6: rotation = 90; break;
            case 8: rotation = 270; break;
            default: break;
            }
        } else if ((tag == 0x0132 || tag == 0x9003) && type == 2 && count >= 19) {
            QString text;
            if (t.ascii(value, count, text)) {
                date = parseExifDate(text);
                if (tag == 0x9003)
                    return rotation;
            }
        } else if (tag == 0x8769 && type == 4) {
            const qint64 sub = t.base + qint64(value);
            for (int v = 0; v < visitedCount; ++v)
                if (visited[v] == sub)
                    return rotation;
            if (visitedCount == 4 || !t.has(sub, 2))
                return rotation;
            visited[visitedCount++] = sub;
            dir = sub;
            entries = t.u16(dir);
            i = 0;
            continue;
        }
        ++i;
    }
    return rotation;
}

// A JPEG XL box compressed with Brotli ("brob"): at most `most` bytes of
// its content, or empty when it is damaged or holds more.
QByteArray unbrotli(const unsigned char *data, size_t size, size_t most)
{
    BrotliDecoderState *state = BrotliDecoderCreateInstance(nullptr, nullptr, nullptr);
    if (!state)
        return {};
    QByteArray out;
    BrotliDecoderResult result = BROTLI_DECODER_RESULT_NEEDS_MORE_OUTPUT;
    while (result == BROTLI_DECODER_RESULT_NEEDS_MORE_OUTPUT && size_t(out.size()) <= most) {
        char buffer[16384];
        size_t room = sizeof buffer;
        auto *next = reinterpret_cast<uint8_t *>(buffer);
        result = BrotliDecoderDecompressStream(state, &size, &data, &room, &next, nullptr);
        out.append(buffer, int(sizeof buffer - room));
    }
    BrotliDecoderDestroyInstance(state);
    return result == BROTLI_DECODER_RESULT_SUCCESS && size_t(out.size()) <= most ? out : QByteArray();
}

// The EXIF block of a JPEG XL file, from its TIFF header on: the content of
// its container's "Exif" box (plain or compressed in a "brob" box), after
// four bytes giving the distance to the header. Empty for a bare code
// stream or when there is none.
QByteArray jxlExif(const unsigned char *d, qint64 n)
{
    static const unsigned char signature[12] = {0, 0, 0, 0x0C, 'J', 'X', 'L', ' ', 0x0D, 0x0A, 0x87, 0x0A};
    if (!d || n < 12 || std::memcmp(d, signature, 12) != 0)
        return {};
    const auto be32 = [](const unsigned char *p) { return quint64(p[0]) << 24 | quint64(p[1]) << 16 | quint64(p[2]) << 8 | p[3]; };
    qint64 pos = 12;
    while (pos + 8 <= n) {
        quint64 size = be32(d + pos);
        quint64 head = 8;
        if (size == 1) {
            if (pos + 16 > n)
                return {};
            size = be32(d + pos + 8) << 32 | be32(d + pos + 12);
            head = 16;
        } else if (size == 0) {
            size = quint64(n - pos);
        }
        if (size < head || size > quint64(n - pos))
            return {};
        const unsigned char *content = d + pos + head;
        const size_t length = size_t(size - head);
        QByteArray block;
        if (std::memcmp(d + pos + 4, "Exif", 4) == 0)
            block = QByteArray(reinterpret_cast<const char *>(content), int(length));
        else if (std::memcmp(d + pos + 4, "brob", 4) == 0 && length > 4 && std::memcmp(content, "Exif", 4) == 0)
            block = unbrotli(content + 4, length - 4, size_t(1) << 24);
        if (!block.isEmpty()) {
            const auto *b = reinterpret_cast<const unsigned char *>(block.constData());
            if (block.size() < 4 || be32(b) > quint64(block.size()) - 4)
                return {};
            return block.mid(4 + int(be32(b)));
        }
        pos += qint64(size);
    }
    return {};
}

bool isTiffFile(const unsigned char *d, qint64 n)
{
    return d && n >= 8 && ((d[0] == 'I' && d[1] == 'I' && d[2] == 42 && d[3] == 0) || (d[0] == 'M' && d[1] == 'M' && d[2] == 0 && d[3] == 42));
}

} // namespace

int exifRead(const char *data, qint64 size, QDateTime &date)
{
    const auto *d = reinterpret_cast<const unsigned char *>(data);
    if (isIsoMediaFile(data, size)) {
        // HEIF and AVIF decoders turn and mirror the picture by the
        // container's own transforms; the EXIF orientation, which says the
        // same, must not turn it a second time. Only the date is taken.
        const QByteArray block = heifExif(data, size);
        walkExif(reinterpret_cast<const unsigned char *>(block.constData()), block.size(), 0, date);
        return 0;
    }
    // JPEG XL and camera RAW (TIFF-based) decoders turn the picture by its
    // orientation themselves: the date only. A TIFF's orientation is not
    // followed, as before.
    const QByteArray jxl = jxlExif(d, size);
    if (!jxl.isEmpty() || isTiffFile(d, size)) {
        if (jxl.isEmpty())
            walkExif(d, size, 0, date);
        else
            walkExif(reinterpret_cast<const unsigned char *>(jxl.constData()), jxl.size(), 0, date);
        return 0;
    }
    return walkExif(d, size, exifTiffOffset(d, size), date);
}

int exifRead(const QByteArray &bytes, QDateTime &date)
{
    return exifRead(bytes.constData(), bytes.size(), date);
}

QByteArray exifThumbnail(const QByteArray &bytes)
{
    const auto *d = reinterpret_cast<const unsigned char *>(bytes.constData());
    TiffWalk t(d, bytes.size(), exifTiffOffset(d, bytes.size()));
    if (!t.readHeader())
        return QByteArray();
    // The first directory, then the one its last four bytes point at.
    const qint64 first = t.base + qint64(t.u32(t.base + 4));
    if (!t.has(first, 2))
        return QByteArray();
    const qint64 link = first + 2 + 12 * qint64(t.u16(first));
    if (!t.has(link, 4) || t.u32(link) == 0)
        return QByteArray();
    const qint64 second = t.base + qint64(t.u32(link));
    if (second == first || !t.has(second, 2))
        return QByteArray();
    const quint32 entries = t.u16(second);
    qint64 offset = -1;
    qint64 length = -1;
    for (quint32 i = 0; i < entries; ++i) {
        const qint64 e = second + 2 + 12 * qint64(i);
        if (!t.has(e, 12))
            break;
        const quint32 tag = t.u16(e);
        if (tag == 0x0201)
            offset = t.base + qint64(t.u32(e + 8));
        else if (tag == 0x0202)
            length = qint64(t.u32(e + 8));
    }
    // A JPEG of its own, inside the data: it starts with its marker.
    if (offset < 0 || length < 4 || !t.has(offset, length) || d[offset] != 0xFF || d[offset + 1] != 0xD8)
        return QByteArray();
    return bytes.mid(int(offset), int(length));
}

namespace {

// The value field of the entry `tag` of the directory at `dir`; -1 when the
// directory has no such entry.
qint64 entryValue(const TiffWalk &t, qint64 dir, quint32 tag)
{
    if (!t.has(dir, 2))
        return -1;
    const quint32 entries = t.u16(dir);
    for (quint32 i = 0; i < entries; ++i) {
        const qint64 e = dir + 2 + 12 * qint64(i);
        if (!t.has(e, 12))
            return -1;
        if (t.u16(e) == tag)
            return e + 8;
    }
    return -1;
}

} // namespace

bool exifAdobeRgb(const QByteArray &bytes)
{
    const auto *d = reinterpret_cast<const unsigned char *>(bytes.constData());
    TiffWalk t(d, bytes.size(), exifTiffOffset(d, bytes.size()));
    if (!t.readHeader())
        return false;
    const qint64 pointer = entryValue(t, t.base + qint64(t.u32(t.base + 4)), 0x8769);
    if (pointer < 0)
        return false;
    const qint64 exif = t.base + qint64(t.u32(pointer));
    // ColorSpace 0xFFFF, "Uncalibrated": not sRGB (1).
    const qint64 space = entryValue(t, exif, 0xA001);
    if (space < 0 || t.u16(space) != 0xFFFF)
        return false;
    const qint64 interop = entryValue(t, exif, 0xA005);
    if (interop < 0)
        return false;
    // InteropIndex: four bytes of text in the value field itself.
    const qint64 index = entryValue(t, t.base + qint64(t.u32(interop)), 0x0001);
    return index >= 0 && memcmp(d + index, "R03", 3) == 0;
}
