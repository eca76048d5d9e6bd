#include "formats/Page.h"

#include <QObject>

bool Page::hasEmptyFrame() const
{
    for (const PhotoFrame &f : frames)
        if (f.isEmpty())
            return true;
    return false;
}

int Page::filledFrameCount() const
{
    int n = 0;
    for (const PhotoFrame &f : frames)
        n += f.isEmpty() ? 0 : 1;
    return n;
}

QString Page::layoutName() const
{
    const int lf = title.indexOf(QLatin1Char('\n'));
    return lf < 0 ? title : title.mid(lf + 1);
}

void Page::takeGeometry(const Page &other)
{
    height = other.height;
    width = other.width;
    top = other.top;
    bottom = other.bottom;
    left = other.left;
    right = other.right;
}

QString Page::pageTitle(int number, const QString &layoutName)
{
    return QObject::tr("Page ") + QString::number(number) + QLatin1Char('\n') + layoutName;
}
