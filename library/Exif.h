#pragma once

#include <QByteArray>
#include <QDateTime>

// Reads the orientation and the date taken from the EXIF block of JPEG data,
// and the date taken from that of a HEIF, AVIF or JPEG XL photograph and of
// a TIFF or a camera's RAW file built on TIFF (whose decoders already show
// them the right way up: their rotation is always 0).
// Returns the rotation in degrees clockwise (0, 90, 180, 270). `date` is set
// when the data carries a date tag (DateTimeOriginal wins over DateTime) and
// is left alone otherwise. Never reads outside `bytes`; safe on any thread.
int exifRead(const QByteArray &bytes, QDateTime &date);
int exifRead(const char *data, qint64 size, QDateTime &date);

// The small JPEG picture cameras put in the EXIF block (its second
// directory, JPEGInterchangeFormat): its bytes, or empty when there is none
// or it does not lie wholly inside `bytes`. Safe on any thread.
QByteArray exifThumbnail(const QByteArray &bytes);

// True when the EXIF block says the photograph is in Adobe RGB: colour
// space "Uncalibrated" (0xFFFF) with the interoperability index "R03", as
// cameras mark it. Safe on any thread.
bool exifAdobeRgb(const QByteArray &bytes);

// Offset of the TIFF header of the first APP1 segment carrying EXIF, found by
// walking the segments by their lengths up to the start of scan; -1 if none.
qint64 exifTiffOffset(const unsigned char *data, qint64 size);
