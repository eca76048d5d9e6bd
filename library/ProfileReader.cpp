#include "library/ProfileReader.h"

#include "library/Exif.h"
#include "library/HeifExif.h"
#include "library/HeifFile.h"
#include "library/LibraryLog.h"

#include <QColorSpace>
#include <QImage>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QSet>

#include <zlib.h>

#include <cstring>

namespace {

// No profile is larger: JPEG's 255 chunks of at most 65,519 bytes hold
// less, and printer profiles run to a few megabytes.
constexpr int MaxIcc = 16 << 20;

using Bytes = const unsigned char *;

quint32 be32(Bytes p) { return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3]; }
quint32 le32(Bytes p) { return quint32(p[3]) << 24 | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0]; }

// JPEG: APP2 segments "ICC_PROFILE\0", sequence number, count, chunk; and
// the EXIF block, for the Adobe RGB mark.
ProfileReader::Found fromJpeg(const QByteArray &bytes)
{
    ProfileReader::Found found;
    const auto *d = reinterpret_cast<Bytes>(bytes.constData());
    const qint64 n = bytes.size();
    QMap<int, QByteArray> chunks;
    int count = 0;
    qint64 pos = 2;
    while (pos + 4 <= n) {
        if (d[pos] != 0xFF)
            break; // segments follow one another; anything else ends them
        while (pos < n && d[pos] == 0xFF)
            ++pos;
        if (pos + 3 > n)
            break;
        const unsigned char code = d[pos++];
        if (code == 0xD8 || code == 0x01 || (code >= 0xD0 && code <= 0xD7))
            continue;
        if (code == 0xDA || code == 0xD9)
            break;
        const qint64 length = qint64(d[pos]) << 8 | d[pos + 1];
        if (length < 2 || pos + length > n)
            break;
        const Bytes payload = d + pos + 2;
        const qint64 size = length - 2;
        if (code == 0xE2 && size > 14 && memcmp(payload, "ICC_PROFILE\0", 12) == 0) {
            const int sequence = payload[12];
            const int total = payload[13];
            if (sequence < 1 || total < 1 || sequence > total || (count && total != count) || chunks.contains(sequence))
                found.damaged = true;
            else
                chunks.insert(sequence, QByteArray(reinterpret_cast<const char *>(payload + 14), int(size - 14)));
            count = total;
        }
        pos += length;
    }
    if (count) {
        if (chunks.size() != count)
            found.damaged = true;
        if (!found.damaged)
            for (const QByteArray &chunk : chunks)
                found.icc += chunk;
    }
    found.exifAdobeRgb = exifAdobeRgb(bytes);
    return found;
}

// zlib data inflated, at most MaxIcc bytes; empty when it is damaged.
QByteArray inflated(Bytes data, qint64 size)
{
    QByteArray out;
    z_stream z = {};
    if (inflateInit(&z) != Z_OK)
        return out;
    z.next_in = const_cast<Bytef *>(data);
    z.avail_in = uInt(size);
    char buffer[16384];
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef *>(buffer);
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END)
            break;
        out.append(buffer, int(sizeof buffer - z.avail_out));
        if (out.size() > MaxIcc || (status == Z_OK && z.avail_in == 0 && z.avail_out != 0))
            break;
    }
    inflateEnd(&z);
    return status == Z_STREAM_END ? out : QByteArray();
}

// PNG: the iCCP chunk (name, a zero byte, method 0, zlib data), before the
// image data.
ProfileReader::Found fromPng(const QByteArray &bytes)
{
    ProfileReader::Found found;
    const auto *d = reinterpret_cast<Bytes>(bytes.constData());
    const qint64 n = bytes.size();
    qint64 pos = 8;
    while (pos + 12 <= n) {
        const qint64 length = be32(d + pos);
        const Bytes type = d + pos + 4;
        if (length > n - pos - 12)
            break;
        if (memcmp(type, "IDAT", 4) == 0)
            break;
        if (memcmp(type, "iCCP", 4) == 0) {
            const Bytes data = d + pos + 8;
            const auto *zero = static_cast<Bytes>(memchr(data, 0, size_t(qMin<qint64>(length, 80))));
            const qint64 at = zero ? zero - data + 2 : length;
            if (at >= length || data[at - 1] != 0)
                found.damaged = true;
            else
                found.icc = inflated(data + at, length - at);
            found.damaged = found.damaged || found.icc.isEmpty();
            break;
        }
        pos += 12 + length;
    }
    return found;
}

// TIFF: tag 34675 of the first directory.
ProfileReader::Found fromTiff(const QByteArray &bytes)
{
    ProfileReader::Found found;
    const auto *d = reinterpret_cast<Bytes>(bytes.constData());
    const qint64 n = bytes.size();
    const bool intel = d[0] == 'I';
    const auto u16 = [&](qint64 at) { return intel ? quint32(d[at]) | quint32(d[at + 1]) << 8 : quint32(d[at]) << 8 | d[at + 1]; };
    const auto u32 = [&](qint64 at) { return intel ? le32(d + at) : be32(d + at); };
    const qint64 dir = u32(4);
    if (dir + 2 > n)
        return found;
    const qint64 entries = u16(dir);
    for (qint64 i = 0; i < entries && dir + 2 + 12 * (i + 1) <= n; ++i) {
        const qint64 e = dir + 2 + 12 * i;
        if (u16(e) != 34675)
            continue;
        const qint64 count = u32(e + 4);
        const qint64 offset = u32(e + 8);
        if ((u16(e + 2) != 7 && u16(e + 2) != 1) || count > MaxIcc || count <= 4 || offset + count > n)
            found.damaged = true;
        else
            found.icc = bytes.mid(int(offset), int(count));
        break;
    }
    return found;
}

// WebP: the ICCP chunk of a RIFF "WEBP" file.
ProfileReader::Found fromWebp(const QByteArray &bytes)
{
    ProfileReader::Found found;
    const auto *d = reinterpret_cast<Bytes>(bytes.constData());
    const qint64 n = bytes.size();
    qint64 pos = 12;
    while (pos + 8 <= n) {
        const qint64 size = le32(d + pos + 4);
        if (size > n - pos - 8) {
            found.damaged = memcmp(d + pos, "ICCP", 4) == 0;
            break;
        }
        if (memcmp(d + pos, "ICCP", 4) == 0) {
            found.icc = bytes.mid(int(pos + 8), int(size));
            break;
        }
        pos += 8 + size + (size & 1);
    }
    return found;
}

} // namespace

namespace ProfileReader {

Found find(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xD8"))
        return fromJpeg(bytes);
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return fromPng(bytes);
    if (bytes.size() >= 8 && (bytes.startsWith("II*\0") || bytes.startsWith(QByteArray("MM\0*", 4))))
        return fromTiff(bytes);
    if (bytes.size() >= 12 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP")
        return fromWebp(bytes);
    Found found;
    const HeifFile heif(bytes);
    found.icc = heif.iccProfile(&found.damaged);
    found.readHere = heif.isOpen();
    return found;
}

ColourProfile sourceProfile(const QByteArray &bytes, QString *problem, const QImage &decoded)
{
    Found found = find(bytes);
    if (!found.readHere && found.icc.isEmpty() && !found.damaged && decoded.colorSpace().isValid())
        found.icc = decoded.colorSpace().iccProfile();
    if (found.damaged) {
        if (problem)
            *problem = QObject::tr("The colour profile is damaged");
        return ColourProfile::srgb();
    }
    if (!found.icc.isEmpty()) {
        const ColourProfile profile = ColourProfile::fromIcc(found.icc, problem);
        return profile.isNull() ? ColourProfile::srgb() : profile;
    }
    return found.exifAdobeRgb ? ColourProfile::adobeRgb() : ColourProfile::srgb();
}

ColourProfile sourceProfileOf(const QByteArray &bytes, const QString &fileName, const QImage &decoded)
{
    QString problem;
    const ColourProfile profile = sourceProfile(bytes, &problem, decoded);
    if (!problem.isEmpty())
        tellIgnored(fileName, problem);
    return profile;
}

void tellIgnored(const QString &fileName, const QString &problem)
{
    static QMutex mutex;
    static QSet<QString> told;
    QMutexLocker lock(&mutex);
    if (told.contains(fileName))
        return;
    told.insert(fileName);
    qCWarning(lcLibrary).noquote()
        << QObject::tr("The colour profile of %1 is ignored (%2); its colours are taken as sRGB.").arg(fileName, problem);
}

} // namespace ProfileReader
