#include "arrange/FrameImages.h"

#include "arrange/PageRenderer.h"
#include "library/ProfileReader.h"

#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

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
        for (int k = m_started - 1; k >= 0 && !job.running; --k) {
            if (m_jobs.at(k).running && sameDecoding(m_frames.at(k), f, m_density)
                && (!asShown || PageRenderer::quarterTurns(m_frames.at(k)) == PageRenderer::quarterTurns(f)))
                job = m_jobs.at(k);
        }
        if (!job.running) {
            PhotoFrame copy = f;
            copy.cache.preview = QImage(); // not needed for decoding
            // The worker gets its own copies: the frame and the image source
            // are values, nothing it reads changes while it runs.
            const ImageSource source = m_source;
            const double density = m_density;
            const ColourTarget colour = m_colour;
            job.image = QtConcurrent::run(&m_pool, [copy, source, asShown, density, colour] {
                DecodedImage d = copy.photoFor(source, density);
                // Converted once decoded at the size needed, before turning.
                if (!d.profileProblem.isEmpty())
                    ProfileReader::tellIgnored(copy.fileName, d.profileProblem);
                if (!d.image.isNull()) {
                    colour.convert(d.image, d.profile);
                    d.profile = colour.profile;
                }
                if (asShown && !d.image.isNull()) {
                    d.turns = PageRenderer::quarterTurns(copy.forStoredSize(d.stored));
                    d.image = PageRenderer::uprightImage(copy.forStoredSize(d.stored), d.image);
                }
                return d;
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
    return job.running ? job.image.result() : DecodedImage();
}
