#include "arrange/PageBands.h"

#include "arrange/CutGuides.h"
#include "arrange/PageRenderer.h"
#include "library/ImageFile.h"
#include "library/JpegStripReader.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {

bool showsPhoto(const PhotoFrame &f) { return !f.fileName.isEmpty() && !f.cache.preview.isNull(); }

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

// The memory the reader of `f`'s file holds beyond the decoded photograph
// (readers that cannot decode at a reduced size hold the whole image, at its
// depth), found from the file's header.
qint64 readerBytes(const PhotoFrame &f, const ImageSource &source)
{
    if (!f.fileData.isEmpty())
        return decodingBytes(f.fileData.bytes(), QSize(1, 1));
    QFile file(f.fileName);
    if (QFileInfo(f.fileName).isFile() && file.open(QIODevice::ReadOnly))
        return decodingBytes(file.read(64 * 1024), QSize(1, 1));
    return decodingBytes(source.bytes(f.fileName), QSize(1, 1));
}

// What the bands need to know of a file to count the decodings of its
// frames: read once per file, however many frames show it (finding a JPEG's
// scans walks the whole file).
struct FileCost
{
    qint64 readerBytes = 0; // see readerBytes()
    bool strips = false;    // a JPEG decoded a strip at a time
    QSize stored;
    bool progressive = false;
};

FileCost fileCost(const PhotoFrame &f, const ImageSource &source)
{
    FileCost cost;
    cost.readerBytes = readerBytes(f, source);
    if (!f.fileData.isEmpty()) {
        const JpegStripReader jpeg(f.fileData.bytes());
        cost.strips = jpeg.isOpen();
        cost.stored = jpeg.storedSize();
        cost.progressive = jpeg.isProgressive();
    }
    return cost;
}

// The bytes the decoding of `f`'s photograph holds at `density`, its frame
// `r` on the page: a JPEG decoded a strip at a time holds its result (and a
// progressive file's coefficients) only; the reader of other files holds its
// image, the photograph and the turned copy for a moment, some two and a half
// times the frame's pixels or the crop's when fewer, and a reader that
// cannot decode at a reduced size the whole image besides.
qint64 decodingCost(const PhotoFrame &f, const QRectF &r, double density, const FileCost &file)
{
    if (file.strips) {
        QRect region;
        const QSize atMost = f.pixelsFor(file.stored, density, &region);
        if (JpegStripReader::reducesEnough(region, atMost))
            return JpegStripReader::bytesFor(file.stored, region, atMost, file.progressive);
    }
    const double pixels = qMin(r.width() * r.height(), double(f.cropWidth) * f.cropHeight);
    return qint64(pixels * 4 * 2.5) + file.readerBytes;
}

} // namespace

PageBands::PageBands(const Page &page, const QRectF &area, const RenderOptions &options)
    : m_page(page), m_options(options), m_scale(scaleOf(page, area)),
      m_offsetX(m_scale > 0 ? page.left / m_scale - area.left() : 0),
      m_offsetY(m_scale > 0 ? page.top / m_scale - area.top() : 0),
      m_order(topDown(page, m_scale, m_offsetX, m_offsetY)),
      // Each with the pixels its frame has in the bands; started by
      // startDecodings(), never ahead on their own.
      m_images(inOrder(page, m_order), options.source, 0, FrameImages::Turn::AsShown,
               m_scale > 0 ? 1.0 / m_scale : 0, options.colour),
      m_taken(page.frames.size(), false), m_held(page.frames.size())
{
    if (options.cutGuides)
        m_guides = CutGuides::lines(page);
    const int count = page.frames.size();
    m_cost.fill(0, count);
    m_top.fill(0, count);
    m_bottom.fill(-1, count);
    m_photoTop.fill(0, count);
    m_photoBottom.fill(-1, count);
    if (m_scale <= 0 || page.printableWidth() <= 0)
        return;
    const double reach = PageRenderer::frameReach(m_scale);
    QHash<QString, FileCost> files;
    for (int i = 0; i < count; ++i) {
        const PhotoFrame &f = page.frames.at(i);
        if (!showsPhoto(f))
            continue;
        const QRectF r = PageRenderer::frameRect(f, m_scale, m_offsetX, m_offsetY);
        m_top[i] = r.top() - reach;
        m_bottom[i] = r.bottom() + reach;
        // A pixel more each way: the rows the photograph's edges touch.
        m_photoTop[i] = r.top() - 1;
        m_photoBottom[i] = r.bottom() + 1;
        auto file = files.constFind(f.fileName);
        if (file == files.constEnd())
            file = files.insert(f.fileName, fileCost(f, options.source));
        m_cost[i] = decodingCost(f, r, 1.0 / m_scale, *file);
    }
    startDecodings();
}

QVector<PhotoFrame> PageBands::inOrder(const Page &page, const QVector<int> &order)
{
    QVector<PhotoFrame> frames;
    frames.reserve(order.size());
    for (int i : order)
        frames << page.frames.at(i);
    return frames;
}

void PageBands::takeUpTo(int frame)
{
    for (; !m_taken.at(frame) && m_next < m_order.size(); ++m_next) {
        startDecodings();
        const int k = m_order.at(m_next);
        m_held[k] = m_images.take(m_next);
        m_taken[k] = true;
        // A photograph the bands needed before its turn was decoded all the
        // same (taking starts it): it is held like the others.
        if (m_held.at(k).image.isNull()) {
            letGo(k);
            continue;
        }
        if (!m_live.contains(k))
            m_live << k;
        m_mostHeld = qMax(m_mostHeld, ++m_heldCount);
    }
    startDecodings();
}

void PageBands::letGo(int frame)
{
    if (!m_held.at(frame).image.isNull())
        --m_heldCount;
    m_held[frame] = DecodedImage();
    m_live.removeOne(frame);
}

void PageBands::startDecodings()
{
    // The photographs are decoded, two at a time, as far ahead as the memory
    // allows: those of a row of frames together, and the next row's while
    // this row's are drawn when what they need fits beside them. A few
    // decodings at most wait their turn.
    constexpr qint64 DecodeBound = qint64(300) << 20;
    constexpr int MostWaiting = 4;
    qint64 committed = 0;
    for (int i : qAsConst(m_live))
        committed += m_taken.at(i) ? m_held.at(i).image.sizeInBytes() : m_cost.at(i);
    int first = m_started;
    for (; m_started < m_order.size(); ++m_started) {
        const int k = m_order.at(m_started);
        if (m_photoBottom.at(k) < 0 || m_taken.at(k))
            continue; // no photograph to decode, or taken already
        if (!m_live.isEmpty() && (m_started - m_next >= MostWaiting || committed + m_cost.at(k) > DecodeBound))
            break;
        committed += m_cost.at(k);
        m_live << k;
    }
    if (m_started > first)
        m_images.startUpTo(m_started - 1);
}

void PageBands::draw(QImage &band, int top)
{
    band.fill(Qt::white);
    const double bottom = top + band.height();
    QPainter painter(&band);
    painter.translate(0, -top);
    // In the page's order, so that frames that overlap (their outlines
    // always do where they meet) cover each other as on the whole page. A
    // photograph is taken when a band first reaches its rows and let go
    // right after its last rows are drawn; the rows of the outline beyond it
    // are drawn without it. A row's photographs are thus let go before the
    // next row's are taken, when the page lists its frames top down.
    for (int i = 0; i < m_page.frames.size(); ++i) {
        if (m_bottom.at(i) <= top || m_top.at(i) >= bottom)
            continue;
        const bool photoRows = m_photoBottom.at(i) > top && m_photoTop.at(i) < bottom;
        if (photoRows)
            takeUpTo(i);
        PageRenderer::drawFrame(painter, m_page.frames.at(i), photoRows ? m_held.at(i) : DecodedImage(), m_scale,
                                m_offsetX, m_offsetY, m_options);
        if (m_photoBottom.at(i) <= bottom && !m_held.at(i).image.isNull()) {
            letGo(i);
            startDecodings();
        }
    }
    // The marks lie beside the photographs: each band draws its part.
    CutGuides::draw(painter, m_guides, m_scale, m_offsetX, m_offsetY);
}
