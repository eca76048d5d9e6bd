#pragma once

#include "platform/Outcome.h"

#include <QList>
#include <QString>
#include <QVector>

struct Page;

// Room on the disk for an output, checked before a page is written: a
// project of thousands of pages could otherwise write for hours until the
// disk is full.
namespace OutputSpace {

// The fewest bytes the photographs of pages `indexes` of `pages` take
// compressed when drawn at `density` device pixels per hundredth of a
// millimetre: a two-hundredth of a byte a pixel, what a photograph of one
// colour compresses to (some bits a block of 8 x 8 pixels).
qint64 leastBytes(const QVector<Page> &pages, const QList<int> &indexes, double density);
// Of JPEG pages (their pixel size) and of a PDF (its photographs at 100
// dots an inch at least).
qint64 jpegBytes(const QVector<Page> &pages, const QList<int> &indexes);
qint64 pdfBytes(const QVector<Page> &pages, const QList<int> &indexes);

// Success when the file system `file` is written to has room for `needed`
// bytes; a failure says how much is needed and how much is free.
Outcome check(const QString &file, qint64 needed);

} // namespace OutputSpace
