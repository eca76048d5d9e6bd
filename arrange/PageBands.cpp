#include "arrange/PageBands.h"

#include "arrange/CutGuides.h"
#include "arrange/PageRenderer.h"

#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {

bool showsPhoto(const PhotoFrame &f) { return !f.fileName.isEmpty() && !f.preview.isNull(); }

double scaleOf(const Page &page, const QRectF &area)
{
    return area.width() > 0 ? page.printableWidth() / area.width() : 0;
}

QVector<int> topDown(const Page &page, double scale, double offsetX, double offsetY)
{
    QVector<int> order(page.frames.size());
    std::iota(order.begin(), order.end(), 0);
    if (scale > 0) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return PageRenderer::frameRect(page.frames.at(a), scale, offsetX, offsetY).top()
                < PageRenderer::frameRect(page.frames.at(b), scale, offsetX, offsetY).top();
        });
    }
    return order;
}

} // namespace

PageBands::PageBands(const Page &page, const QRectF &area, const RenderOptions &options)
    : m_page(page), m_options(options), m_scale(scaleOf(page, area)),
      m_offsetX(m_scale > 0 ? page.left / m_scale - area.left() : 0),
      m_offsetY(m_scale > 0 ? page.top / m_scale - area.top() : 0),
      m_order(topDown(page, m_scale, m_offsetX, m_offsetY)),
      // One photograph decoded ahead: the next band may need it, and more
      // would hold a hundred megabytes each for nothing.
      // Each with the pixels its frame has in the bands.
      m_images(inOrder(page, m_order), options.source, 1, FrameImages::Turn::AsShown,
               m_scale > 0 ? 1.0 / m_scale : 0),
      m_held(page.frames.size())
{
    if (options.cutGuides)
        m_guides = CutGuides::lines(page);
    const int count = page.frames.size();
    m_top.fill(0, count);
    m_bottom.fill(-1, count);
    if (m_scale <= 0 || page.printableWidth() <= 0)
        return;
    const double reach = PageRenderer::frameReach(m_scale);
    for (int i = 0; i < count; ++i) {
        const PhotoFrame &f = page.frames.at(i);
        if (!showsPhoto(f))
            continue;
        const QRectF r = PageRenderer::frameRect(f, m_scale, m_offsetX, m_offsetY);
        m_top[i] = r.top() - reach;
        m_bottom[i] = r.bottom() + reach;
    }
}

QVector<PhotoFrame> PageBands::inOrder(const Page &page, const QVector<int> &order)
{
    QVector<PhotoFrame> frames;
    frames.reserve(order.size());
    for (int i : order)
        frames << page.frames.at(i);
    return frames;
}

void PageBands::draw(QImage &band, int top)
{
    band.fill(Qt::white);
    const double bottom = top + band.height();
    for (; m_taken < m_order.size() && m_top.at(m_order.at(m_taken)) < bottom; ++m_taken)
        m_held[m_order.at(m_taken)] = m_images.take(m_taken);
    QPainter painter(&band);
    painter.translate(0, -top);
    // In the page's order, so that frames that overlap cover each other as
    // on the whole page.
    for (int i = 0; i < m_page.frames.size(); ++i) {
        if (m_bottom.at(i) <= top || m_top.at(i) >= bottom)
            continue;
        PageRenderer::drawFrame(painter, m_page.frames.at(i), m_held.at(i), m_scale, m_offsetX, m_offsetY,
                                       m_options);
    }
    // The marks lie beside the photographs: each band draws its part.
    CutGuides::draw(painter, m_guides, m_scale, m_offsetX, m_offsetY);
    painter.end();
    for (int i = 0; i < m_page.frames.size(); ++i)
        if (m_bottom.at(i) <= bottom)
            m_held[i] = DecodedImage();
}
