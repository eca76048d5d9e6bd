#pragma once

#include "arrange/FrameTools.h"
#include "formats/Page.h"

#include <QList>
#include <QPoint>
#include <QVector>

// What the frame commands do to the pages, apart from their dialogs.
// Frames are named by QPoint(frame index, page index).
class FrameToolEdits
{
public:
    // The stamp a dialog opens with: the defaults, or the stamp of `first`
    // (the first frame of the current page, when it holds a photograph).
    static StampDefaults shownStamp(const StampDefaults &defaults, const PhotoFrame *first);
    static LogoDefaults shownLogo(const LogoDefaults &defaults, const PhotoFrame *first);


    // The frames a scope covers: the selected filled frames of the current
    // page, every frame of the selected pages, or every frame.
    static QVector<QPoint> framesInScope(const QVector<Page> &pages, ToolScope scope, int currentPage,
                                         const QVector<bool> &frameSelection, const QList<int> &selectedPages);

    // The filled frame before or after (page, frame) in page and frame
    // order; (-1, -1) when there is none.
    static QPoint neighbourFilled(const QVector<Page> &pages, QPoint at, int direction);

    // Stores a crop chosen in the crop editor, rounded, and turns the
    // photograph to follow its shape. False when nothing changed.
    static bool adoptCrop(PhotoFrame &frame, const QRectF &crop);
    // The crop rectangle's aspect ratio the editor keeps: the crop's, or the
    // frame's as the photograph lies in it when the crop has no size.
    static double frameAspect(const PhotoFrame &frame);
};
