#pragma once

#include <QDataStream>
#include <QIODevice>

// Counts read from a file are checked against the bytes that are left before
// anything is allocated for them: a record takes at least `minBytesEach`
// bytes, so a count that needs more than the rest of the device is damage.
inline bool countFits(const QDataStream &in, qint64 count, qint64 minBytesEach)
{
    if (count < 0)
        return false;
    const QIODevice *device = in.device();
    if (!device || device->isSequential())
        return true; // nothing to measure against; the reads fail at the end
    const qint64 left = device->size() - device->pos();
    return count <= left / qMax<qint64>(1, minBytesEach);
}
