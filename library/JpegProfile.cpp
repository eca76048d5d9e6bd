#include "library/JpegProfile.h"

#include "library/ProfileReader.h"

namespace {

constexpr int ChunkBytes = 65519; // 65,535 less the length, the name, and the two numbers

} // namespace

QByteArray withIccProfile(const QByteArray &jpeg, const QByteArray &icc)
{
    const int chunks = (icc.size() + ChunkBytes - 1) / ChunkBytes;
    if (!jpeg.startsWith("\xFF\xD8") || icc.isEmpty() || chunks > 255 || !ProfileReader::find(jpeg).icc.isEmpty())
        return jpeg;
    // After SOI and the APP0 (JFIF) and APP1 (EXIF) segments that readers
    // expect first.
    int at = 2;
    while (at + 4 <= jpeg.size() && uchar(jpeg.at(at)) == 0xFF
           && (uchar(jpeg.at(at + 1)) == 0xE0 || uchar(jpeg.at(at + 1)) == 0xE1))
        at += 2 + (uchar(jpeg.at(at + 2)) << 8 | uchar(jpeg.at(at + 3)));
    if (at > jpeg.size())
        return jpeg;
    QByteArray segments;
    segments.reserve(icc.size() + chunks * 18);
    for (int i = 0; i < chunks; ++i) {
        const QByteArray part = icc.mid(i * ChunkBytes, ChunkBytes);
        const int length = 2 + 12 + 2 + part.size();
        segments += "\xFF\xE2";
        segments += char(length >> 8);
        segments += char(length & 0xFF);
        segments += QByteArray("ICC_PROFILE\0", 12);
        segments += char(i + 1);
        segments += char(chunks);
        segments += part;
    }
    QByteArray out;
    out.reserve(jpeg.size() + segments.size());
    out += jpeg.left(at);
    out += segments;
    out += jpeg.mid(at);
    return out;
}
