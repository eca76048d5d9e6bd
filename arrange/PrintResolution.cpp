#include "arrange/PrintResolution.h"

#include <QDir>
#include <QLocale>
#include <QObject>

#include <cmath>

namespace {

constexpr double HundredthsPerInch = 2540.0;

// The ppi as shown: cut down, so that a figure shown is never above the
// true one (149.6 is below 150 and must not read 150).
int shownPpi(double ppi) { return int(std::floor(ppi)); }

} // namespace

double PrintResolution::effectivePpi(const PhotoFrame &f)
{
    if (f.isEmpty() || f.cropWidth <= 0 || f.cropHeight <= 0 || f.width <= 0 || f.height <= 0)
        return 0;
    // A turned photograph lies across its frame: its crop's width runs
    // along the frame's height.
    const double alongWidth = f.turned ? f.cropHeight : f.cropWidth;
    const double alongHeight = f.turned ? f.cropWidth : f.cropHeight;
    return qMin(alongWidth * HundredthsPerInch / f.width, alongHeight * HundredthsPerInch / f.height);
}

bool PrintResolution::isLow(const PhotoFrame &frame)
{
    const double ppi = effectivePpi(frame);
    return ppi > 0 && ppi < LowPpi;
}

QSizeF PrintResolution::largestPrintMm(const PhotoFrame &f)
{
    return QSizeF(f.imageWidth * 25.4 / GoodPpi, f.imageHeight * 25.4 / GoodPpi);
}

QString PrintResolution::frameTip(const PhotoFrame &f)
{
    QString tip = f.fileName + QLatin1Char('\n') + QString::number(f.imageWidth) + QLatin1Char('x')
                  + QString::number(f.imageHeight);
    if (!isLow(f))
        return tip;
    const QSizeF mm = largestPrintMm(f);
    const QLocale locale;
    const auto cm = [&](double v) { return locale.toString(v / 10, 'f', 1); };
    const auto in = [&](double v) { return locale.toString(v / 25.4, 'f', 1); };
    tip += QLatin1Char('\n')
           + QObject::tr("Prints at %1 ppi: below %2 ppi it looks soft.").arg(shownPpi(effectivePpi(f))).arg(int(LowPpi));
    tip += QLatin1Char('\n')
           + QObject::tr("Largest print at %1 ppi: %2 x %3 cm (%4 x %5 in).")
                 .arg(int(GoodPpi))
                 .arg(cm(mm.width()), cm(mm.height()), in(mm.width()), in(mm.height()));
    return tip;
}

QList<int> PrintResolution::lowPages(const QVector<Page> &pages, const QList<int> &indexes)
{
    QList<int> low;
    for (const int i : indexes) {
        if (i < 0 || i >= pages.size() || low.contains(i))
            continue;
        for (const PhotoFrame &f : pages.at(i).frames)
            if (isLow(f)) {
                low << i;
                break;
            }
    }
    return low;
}

QStringList PrintResolution::warnings(const QVector<Page> &pages)
{
    QStringList lines;
    for (int p = 0; p < pages.size(); ++p)
        for (const PhotoFrame &f : pages.at(p).frames)
            if (isLow(f))
                lines << QObject::tr("Warning: %1 prints at %2 ppi on page %3 (below %4 ppi).")
                             .arg(QDir::toNativeSeparators(f.fileName))
                             .arg(shownPpi(effectivePpi(f)))
                             .arg(p + 1)
                             .arg(int(LowPpi));
    return lines;
}
