#pragma once

#include "library/HeldBytes.h"

#include <QByteArray>
#include <QDataStream>
#include <QDateTime>
#include <QImage>
#include <QPixmap>
#include <QString>

// One image file of an image list.
struct IconItem
{
    // How far the row is read. Stored as an integer in image records and
    // projects: the values are part of those formats.
    enum class State : qint32 {
        New = 0,         // no icon drawn yet
        Placeholder = 1, // placeholder icon, preview not decoded
        Decoded = 2,     // preview decoded
        FromFrame = 3,   // only in a drag payload: dragged out of a page frame
    };
    State state = State::New;
    bool isDecoded() const { return state == State::Decoded || state == State::FromFrame; }
    qint32 imageWidth = 0;  // full size after rotation, 0 until known
    qint32 imageHeight = 0;
    QString fileName;       // absolute path, the identity of the row
    QDateTime fileTime;     // last modification
    QDateTime shotTime;     // date taken
    qint32 fileSize = 0;
    HeldBytes fileData;     // the whole file when held in memory
    QPixmap icon;           // the drawn thumbnail
    QImage preview;         // reduced copy, already turned by rotation
    qint32 rotation = 0;    // degrees clockwise: 0, 90, 180, 270
    qint32 useCount = 0;    // page frames showing the file
    QString problem;        // why no preview could be made (a damaged file); empty when one was
};

// Image records and projects store the state as a 32-bit integer.
inline QDataStream &operator<<(QDataStream &out, IconItem::State state)
{
    return out << qint32(state);
}

inline QDataStream &operator>>(QDataStream &in, IconItem::State &state)
{
    qint32 value = 0;
    in >> value;
    state = IconItem::State(value);
    return in;
}
