#include "formats/IconSizeRule.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

int bounded(int v)
{
    return std::clamp(v, IconSizeRule::Minimum, IconSizeRule::Maximum);
}

// Integer part, forgiving the last bit of a division that should come out
// whole (100 / (100 / 78) is 78, not 77.99999).
int whole(double v)
{
    return int(v + 1e-9);
}

} // namespace

IconSizeRule::IconSizeRule(int width, int height, bool keep)
    : m_width(bounded(width)), m_height(bounded(height)), m_keep(keep)
{
    takeAspect();
}

void IconSizeRule::takeAspect()
{
    m_aspect = double(m_width) / (m_height - Caption);
}

int IconSizeRule::heightFor(int width) const
{
    return whole(width / m_aspect) + Caption;
}

int IconSizeRule::widthFor(int height) const
{
    return whole((height - Caption) * m_aspect);
}

void IconSizeRule::setKeep(bool keep)
{
    m_keep = keep;
    if (!keep)
        return;
    takeAspect();
    m_height = bounded(heightFor(m_width));
}

bool IconSizeRule::setWidth(int width)
{
    width = bounded(width);
    if (width == m_width)
        return false;
    m_width = width;
    if (m_keep) {
        const int h = heightFor(width);
        m_height = bounded(h);
        // A height past its range keeps the aspect by giving way on the width.
        if (h != m_height)
            m_width = bounded(widthFor(m_height));
    }
    return true;
}

bool IconSizeRule::setHeight(int height)
{
    height = bounded(height);
    if (height == m_height)
        return false;
    m_height = height;
    if (m_keep) {
        const int w = widthFor(height);
        m_width = bounded(w);
        if (w != m_width)
            m_height = bounded(heightFor(m_width));
    }
    return true;
}

QImage IconSizeRule::preview(int width, int height, const QColor &fill, const QImage &sample,
                             const QString &caption, const QFont &font)
{
    QImage cell(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    cell.fill(fill);
    const int above = height - Caption;
    int ph = above;
    int pw = int(ph / 0.75);
    if (pw > width) {
        pw = width;
        ph = int(0.75 * width);
    }
    QPainter p(&cell);
    const QRect area((width - pw) / 2, (above - ph) / 2, pw, ph);
    if (!sample.isNull() && pw > 0 && ph > 0)
        p.drawImage(area, sample.scaled(pw, ph, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    p.setPen(Qt::black);
    p.drawRect(area.adjusted(0, 0, -1, -1));
    p.setFont(font);
    p.setPen(Qt::darkBlue);
    const QString text = QFontMetrics(font).elidedText(caption, Qt::ElideRight, width);
    p.drawText(QRect(0, above, width, Caption), Qt::AlignCenter, text);
    return cell;
}
