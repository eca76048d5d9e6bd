#pragma once

#include <QByteArray>

// The EXIF block of a HEIF or AVIF photograph, from the Exif item attached to
// its primary image: the bytes from the TIFF header on, or empty when the
// data is not such a file or carries none. Only the container is read, not
// the pictures. Safe on any thread.
QByteArray heifExif(const char *data, qint64 size);

// Whether the data begins like an ISO base media file (a HEIF, AVIF or
// similar container: a box of type "ftyp" first).
bool isIsoMediaFile(const char *data, qint64 size);
