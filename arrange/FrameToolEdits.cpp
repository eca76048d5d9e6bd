#include "arrange/FrameToolEdits.h"

#include "formats/Rounding.h"

StampDefaults FrameToolEdits::shownStamp(const StampDefaults &defaults, const PhotoFrame *first)
{
    StampDefaults s = defaults;
    if (!first || first->isEmpty())
        return s;
    const StampStyle &shown = first->stamp;
    s.printDateStamp = shown.printDateStamp;
    s.printFileName = shown.printFileName;
    if (shown.printDateStamp || shown.printFileName) {
        s.font = shown.font.toString();
        s.color = shown.color;
        s.position = shown.position;
    }
    return s;
}

LogoDefaults FrameToolEdits::shownLogo(const LogoDefaults &defaults, const PhotoFrame *first)
{
    LogoDefaults l = defaults;
    if (!first || first->isEmpty())
        return l;
    if (first->logo.printLogo)
        return first->logo;
    l.printLogo = false;
    return l;
}

QVector<QPoint> FrameToolEdits::framesInScope(const QVector<Page> &pages, ToolScope scope, int currentPage,
                                              const QVector<bool> &frameSelection, const QList<int> &selectedPages)
{
    QVector<QPoint> out;
    const auto wholePage = [&](int p) {
        if (p < 0 || p >= pages.size())
            return;
        for (int i = 0; i < pages.at(p).frames.size(); ++i)
            out << QPoint(i, p);
    };
    switch (scope) {
    case ToolScope::SelectedImages:
        if (currentPage >= 0 && currentPage < pages.size()) {
            const QVector<PhotoFrame> &frames = pages.at(currentPage).frames;
            for (int i = 0; i < frames.size() && i < frameSelection.size(); ++i)
                if (frameSelection.at(i) && !frames.at(i).isEmpty())
                    out << QPoint(i, currentPage);
        }
        break;
    case ToolScope::SelectedPages:
        for (int p : selectedPages)
            wholePage(p);
        break;
    case ToolScope::AllPages:
        for (int p = 0; p < pages.size(); ++p)
            wholePage(p);
        break;
    }
    return out;
}

QPoint FrameToolEdits::neighbourFilled(const QVector<Page> &pages, QPoint at, int direction)
{
    const int step = direction < 0 ? -1 : 1;
    int frame = at.x() + step;
    for (int page = at.y(); page >= 0 && page < pages.size(); page += step) {
        const QVector<PhotoFrame> &frames = pages.at(page).frames;
        if (page != at.y())
            frame = step > 0 ? 0 : frames.size() - 1;
        for (; frame >= 0 && frame < frames.size(); frame += step)
            if (!frames.at(frame).isEmpty() && !frames.at(frame).cache.preview.isNull())
                return QPoint(frame, page);
    }
    return QPoint(-1, -1);
}

bool FrameToolEdits::adoptCrop(PhotoFrame &frame, const QRectF &crop)
{
    const int x = roundHalfUp(crop.x());
    const int y = roundHalfUp(crop.y());
    const int w = roundHalfUp(crop.width());
    const int h = roundHalfUp(crop.height());
    if (w <= 0 || h <= 0)
        return false;
    if (x == frame.cropX && y == frame.cropY && w == frame.cropWidth && h == frame.cropHeight)
        return false;
    frame.cropX = x;
    frame.cropY = y;
    frame.cropWidth = w;
    frame.cropHeight = h;
    frame.turnFromCrop();
    return true;
}

double FrameToolEdits::frameAspect(const PhotoFrame &frame)
{
    if (frame.cropWidth > 0 && frame.cropHeight > 0)
        return double(frame.cropWidth) / frame.cropHeight;
    if (frame.width <= 0 || frame.height <= 0)
        return 1.0;
    return frame.turned ? double(frame.height) / frame.width : double(frame.width) / frame.height;
}
