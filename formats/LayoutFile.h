#pragma once

#include "platform/Outcome.h"

#include <QRect>
#include <QRectF>
#include <QString>
#include <QVector>

// A layout drawn by the user, kept as a ".vly" file in a folder per paper.
// Lengths are hundredths of a millimetre from the paper's top-left corner.
struct LayoutFile
{
    QString paperName;
    qint32 paperWidth = 0;
    qint32 paperHeight = 0;
    QVector<QRect> frames;

    static const QString Magic; // "VLY 2.C"
    // The largest file read as a layout: some sixty thousand frames.
    static constexpr qint64 MaxBytes = 1 << 20;

    // Writes the layout; frames are rounded to whole units and sorted by
    // y, x, height, width. A frame without area or reaching beyond the paper
    // is refused. The file is replaced only once it is written completely.
    // A failure is logged; its detail is the reason or the format's code
    // ("Stream Error 20.").
    static Outcome write(const QString &fileName, const QString &paperName, qint32 paperWidth,
                         qint32 paperHeight, const QVector<QRectF> &frames);
    // Reads `fileName` into `out`: a plain file (after following links) of
    // at most MaxBytes. A failure is logged; its detail is the system's
    // reason or the format's code ("Load FrameArr 2").
    static Outcome read(const QString &fileName, LayoutFile &out);

    // The folder of the user layouts of a paper: `documentsFolder` followed
    // by the first blank-separated word of `paperName` and "/".
    static QString folderFor(const QString &documentsFolder, const QString &paperName);
    static QString paperWord(const QString &paperName);

    // True when the layout was saved for a paper of the same name (its first
    // word) and orientation as the paper `name`, `width` x `height`.
    bool suits(const QString &name, qint32 width, qint32 height) const;
};
