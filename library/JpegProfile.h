#pragma once

#include <QByteArray>

// Puts an ICC profile into JPEG bytes as APP2 "ICC_PROFILE" segments of at
// most 65,519 bytes of profile each, numbered in order, after the JFIF and
// EXIF segments at the file's start. JPEG bytes that already carry a
// profile, are not JPEG or a profile needing more than 255 segments are
// given back unchanged.
QByteArray withIccProfile(const QByteArray &jpeg, const QByteArray &icc);
