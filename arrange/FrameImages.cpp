#include "arrange/FrameImages.h"

#include "arrange/PageRenderer.h"
#include "library/JpegStripReader.h"
#include "library/PoolMap.h"
#include "library/ProfileReader.h"

#include <QThread>

namespace {

bool showsPhoto(const PhotoFrame &f) { return !f.fileName.isEmpty() && !f.cache.preview.isNull(); }

// Frames whose decodings are alike: the same file and, unless the whole
// image is decoded, the same crop and frame size.
bool sameDecoding(const PhotoFrame &a, const PhotoFrame &b, double density)
{
    if (a.fileName != b.fileName)
        return false;
    return density <= 0
           || (a.rotation == b.rotation && a.turned == b.turned && a.cropX == b.cropX && a.cropY == b.cropY
               && a.cropWidth == b.cropWidth && a.cropHeight == b.cropHeight && a.width == b.width
               && a.height == b.height);
}

// The photograph of `frame` as a page at `density` needs it, in `colour`,
// and turned as the frame shows it when `asShown`. A JPEG is decoded,
// converted and turned a strip of rows at a time; other files are decoded
// whole, then converted at the size needed, then turned.
DecodedImage decodeFrame(const PhotoFrame &frame, const ImageSource &source, bool asShown, double density,
                         const ColourTarget &colour)
{
    const QByteArray bytes = frame.photoBytes(source);
    QRect region;
    DecodedImage d;
    JpegStripReader jpeg(bytes);
    const QSize atMost = frame.pixelsFor(jpeg.isOpen() ? jpeg.storedSize() : declaredSize(bytes), density, &region);
    if (jpeg.isOpen() && JpegStripReader::reducesEnough(region, atMost)) {
        d = jpeg.read(region, atMost, asShown ? PageRenderer::quarterTurns(frame) : 0, colour);
    } else {
        d = decodeRegion(bytes, region, atMost);
        colour.convert(d.image, d.profile);
        if (asShown && !d.image.isNull()) {
            d.turns = PageRenderer::quarterTurns(frame);
            d.image = PageRenderer::uprightImage(frame, d.image);
        }
    }
    if (!d.profileProblem.isEmpty())
        ProfileReader::tellIgnored(frame.fileName, d.profileProblem);
    if (!d.image.isNull())
        d.profile = colour.profile;
    return d;
}

} // namespace

FrameImages::FrameImages(const QVector<PhotoFrame> &frames, const ImageSource &source, int ahead, Turn turn,
                         double density, const ColourTarget &colour)
    : m_frames(frames), m_source(source), m_jobs(frames.size()), m_ahead(qMax(ahead, 0)), m_turn(turn),
      m_density(density), m_colour(colour)
{
    m_pool.setMaxThreadCount(qBound(1, QThread::idealThreadCount(), qMax(m_ahead, 2)));
    startUpTo(m_ahead - 1);
}

FrameImages::~FrameImages()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void FrameImages::startUpTo(int last)
{
    for (; m_started <= last && m_started < m_frames.size(); ++m_started) {
        const PhotoFrame &f = m_frames.at(m_started);
        if (!showsPhoto(f))
            continue;
        // A file already being decoded for an earlier frame is decoded once
        // (and turned once, for frames that turn it alike).
        const bool asShown = m_turn == Turn::AsShown;
        Job &job = m_jobs[m_started];
        const auto alike = [&](int k) {
            return sameDecoding(m_frames.at(k), f, m_density)
                   && (!asShown || PageRenderer::quarterTurns(m_frames.at(k)) == PageRenderer::quarterTurns(f));
        };
        for (int k = m_started - 1; k >= 0 && !job.running; --k) {
            if (m_jobs.at(k).running && alike(k))
                job = m_jobs.at(k);
        }
        if (!job.running && m_lastTakenFrame >= 0 && alike(m_lastTakenFrame))
            job = m_lastTaken;
        if (!job.running) {
            PhotoFrame copy = f;
            copy.cache.preview = QImage(); // not needed for decoding
            // The worker gets its own copies: the frame and the image source
            // are values, nothing it reads changes while it runs.
            const ImageSource source = m_source;
            const double density = m_density;
            const ColourTarget colour = m_colour;
            job.image = PoolMap::forEach<DecodedImage>(
                m_pool, 1, [copy, source, asShown, density, colour](QFutureInterface<DecodedImage> &future, int) {
                    future.reportResult(decodeFrame(copy, source, asShown, density, colour));
                });
            job.running = true;
        }
    }
}

DecodedImage FrameImages::take(int index)
{
    if (index < 0 || index >= m_frames.size())
        return DecodedImage();
    startUpTo(index + m_ahead);
    const Job job = m_jobs.at(index);
    m_jobs[index] = Job(); // the image is held no longer than the caller holds it
    if (!job.running)
        return DecodedImage();
    const DecodedImage decoded = job.image.result();
    const bool keep = decoded.image.sizeInBytes() <= KeptBytes;
    m_lastTaken = keep ? job : Job();
    m_lastTakenFrame = keep ? index : -1;
    return decoded;
}
