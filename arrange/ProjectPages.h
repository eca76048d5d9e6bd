#pragma once

#include "formats/Page.h"
#include "platform/Outcome.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>

class QDataStream;

// The page section of the project file: every page with its frames, each
// frame's photograph reference, crop, stamps and logo. The file bytes and
// previews are not part of it.
namespace ProjectPages {

// The most pages and frames (all pages together) a project may hold: more
// than any print job, few enough for the pages' previews to fit in memory.
constexpr int MaxPages = 5000;
constexpr int MaxFrames = 20000;

// Writes `pages`; `files` gets each frame's bytes under its file name (empty
// frames give the empty name) and an empty entry for each logo in use.
// A failure's detail is "Save PageFrame." / "Save PageFrame P" /
// "Save PageFrame P:F".
Outcome write(QDataStream &out, const QVector<Page> &pages, QMap<QString, QByteArray> &files);

// Reads the section into `pages`; without `withLogo` (files of the older
// format) frames carry no logo fields. A failure's detail is one of the
// "Load PageFrame" codes; counts that cannot fit in the rest of the file are
// refused before anything is allocated, as are pages whose margins leave
// nothing, lengths and crops beyond what any page or image has, and more
// than MaxPages pages or MaxFrames frames (the detail a sentence saying so).
Outcome read(QDataStream &in, QVector<Page> &pages, bool withLogo);

// The stamp position and the file-name flag packed into one number:
// position in bits 0 to 2, the flag in bit 3.
qint32 packStamp(const PhotoFrame &frame);
void unpackStamp(qint32 packed, PhotoFrame &frame);

} // namespace ProjectPages
