#pragma once

// Builds JPEG files with hand-made EXIF blocks for the tests.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QVector>

struct TiffEntry
{
    quint16 tag;
    quint16 type;
    quint32 count;
    quint32 value;      // a SHORT sits in the first two bytes of the field
    QByteArray text;    // when set: stored after the directories, value = its offset
};

inline void putU16(QByteArray &b, bool intel, quint32 v)
{
    if (intel) { b.append(char(v & 0xFF)); b.append(char(v >> 8 & 0xFF)); }
    else { b.append(char(v >> 8 & 0xFF)); b.append(char(v & 0xFF)); }
}

inline void putU32(QByteArray &b, bool intel, quint32 v)
{
    if (intel) { putU16(b, true, v & 0xFFFF); putU16(b, true, v >> 16); }
    else { putU16(b, false, v >> 16); putU16(b, false, v & 0xFFFF); }
}

// A TIFF block: IFD0 with `ifd0`, and when `exif` is not empty a pointer
// entry (appended last to IFD0) to an Exif sub-directory holding `exif`.
inline QByteArray makeTiff(bool intel, QVector<TiffEntry> ifd0, const QVector<TiffEntry> &exif = {})
{
    const int ifd0Size = 2 + 12 * (ifd0.size() + (exif.isEmpty() ? 0 : 1)) + 4;
    const int subOffset = 8 + ifd0Size;
    const int subSize = exif.isEmpty() ? 0 : 2 + 12 * exif.size() + 4;
    if (!exif.isEmpty())
        ifd0.append({0x8769, 4, 1, quint32(subOffset), {}});
    QByteArray texts;
    const int textBase = subOffset + subSize;
    auto writeDir = [&](QByteArray &b, const QVector<TiffEntry> &entries) {
        putU16(b, intel, quint32(entries.size()));
        for (const TiffEntry &e : entries) {
            putU16(b, intel, e.tag);
            putU16(b, intel, e.type);
            putU32(b, intel, e.count);
            if (!e.text.isEmpty()) {
                putU32(b, intel, quint32(textBase + texts.size()));
                texts.append(e.text);
            } else if (e.type == 3 && e.count == 1) {
                putU16(b, intel, e.value);
                putU16(b, intel, 0);
            } else {
                putU32(b, intel, e.value);
            }
        }
        putU32(b, intel, 0);
    };
    QByteArray tiff(intel ? "II" : "MM", 2);
    putU16(tiff, intel, 42);
    putU32(tiff, intel, 8);
    writeDir(tiff, ifd0);
    if (!exif.isEmpty())
        writeDir(tiff, exif);
    return tiff + texts;
}

// A TIFF block whose first directory holds the orientation and whose second
// points at `thumbnail`, a JPEG placed after the directories (as cameras
// store their small preview).
inline QByteArray makeTiffWithThumbnail(bool intel, const QByteArray &thumbnail, int orientation = 1)
{
    constexpr quint32 second = 8 + 2 + 12 + 4;
    constexpr quint32 data = second + 2 + 2 * 12 + 4;
    QByteArray tiff(intel ? "II" : "MM", 2);
    putU16(tiff, intel, 42);
    putU32(tiff, intel, 8);
    putU16(tiff, intel, 1);
    putU16(tiff, intel, 0x0112);
    putU16(tiff, intel, 3);
    putU32(tiff, intel, 1);
    putU16(tiff, intel, quint32(orientation));
    putU16(tiff, intel, 0);
    putU32(tiff, intel, second);
    putU16(tiff, intel, 2);
    for (const auto &entry : {qMakePair(0x0201u, data), qMakePair(0x0202u, quint32(thumbnail.size()))}) {
        putU16(tiff, intel, entry.first);
        putU16(tiff, intel, 4);
        putU32(tiff, intel, 1);
        putU32(tiff, intel, entry.second);
    }
    putU32(tiff, intel, 0);
    return tiff + thumbnail;
}

inline TiffEntry orientationEntry(int value) { return {0x0112, 3, 1, quint32(value), {}}; }
inline TiffEntry dateEntry(quint16 tag, const QByteArray &text)
{
    QByteArray t = text;
    t.append('\0');
    return {tag, 2, quint32(t.size()), 0, t};
}

// A camera's RAW file in the DNG form, 64 x 48 pixels of linear RGB, taken
// on `date`, with `preview` (a JPEG) as its preview when not empty.
inline QByteArray makeDng(const QByteArray &date, const QByteArray &preview = {})
{
    QByteArray pixels;
    for (int i = 0; i < 64 * 48; ++i)
        pixels += i % 64 < 32 ? QByteArray("\xC8\x3C\x1E", 3) : QByteArray("\x1E\x3C\xC8", 3);
    QVector<TiffEntry> entries{{254, 4, 1, 0, {}}, {256, 4, 1, 64, {}}, {257, 4, 1, 48, {}},
                               {258, 3, 3, 0, QByteArray("\x08\0\x08\0\x08\0", 6)}, {259, 3, 1, 1, {}},
                               {262, 3, 1, 34892, {}}, {273, 4, 1, 0, pixels}, {277, 3, 1, 3, {}}, {278, 4, 1, 48, {}},
                               {279, 4, 1, quint32(pixels.size()), {}}, {50706, 1, 4, 0x401, {}}};
    QVector<TiffEntry> exif{dateEntry(0x9003, date)};
    if (!preview.isEmpty()) {
        // The Exif directory serves as the sub-directory of the preview too.
        entries.insert(10, {0x014A, 4, 1, quint32(8 + 2 + 12 * (entries.size() + 2) + 4), {}});
        exif = QVector<TiffEntry>{{0x201, 4, 1, 0, preview}, {0x202, 4, 1, quint32(preview.size()), {}}} + exif;
    }
    return makeTiff(true, entries, exif);
}

// A real JPEG of w x h; `tiff` goes into an APP1 "Exif" segment placed after
// the segments in `before` (each a complete segment with its marker).
inline QByteArray makeJpeg(int w, int h, const QByteArray &tiff = {}, const QByteArray &before = {})
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x ^ y) & 0xFF));
    QByteArray plain;
    QBuffer buffer(&plain);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.write(image);
    QByteArray out = plain.left(2) + before;
    if (!tiff.isEmpty()) {
        const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
        out.append(char(0xFF)).append(char(0xE1));
        putU16(out, false, quint32(payload.size() + 2));
        out.append(payload);
    }
    return out + plain.mid(2);
}

inline QByteArray segment(unsigned char code, const QByteArray &payload)
{
    QByteArray s;
    s.append(char(0xFF)).append(char(code));
    putU16(s, false, quint32(payload.size() + 2));
    return s + payload;
}
