#pragma once

#include "formats/PhotoFrame.h"
#include "library/ColourTarget.h"
#include "library/ImageSource.h"

#include <QFuture>
#include <QImage>
#include <QThreadPool>
#include <QVector>

// The full-resolution photographs of a page's frames, decoded on worker
// threads a few frames ahead of the one being drawn, so that decoding the
// next photographs overlaps drawing the current one. Frames showing the same
// file share one decoding. At most `ahead` photographs beyond the current
// one are held, which bounds the memory (some 100 MB each at 24 megapixels).
class FrameImages
{
public:
    // How the photographs are handed out: as their files store them, or
    // turned as their frames show them (PageRenderer::uprightImage), the
    // turning done on the workers as well.
    enum class Turn { AsStored, AsShown };

    // Photographs are read through `source` (from disk or the project).
    // Each is decoded with only the pixels its frame has at `density`
    // device pixels per hundredth of a millimetre (0: at full resolution),
    // and its colours converted to `colour` on the worker that decoded it.
    FrameImages(const QVector<PhotoFrame> &frames, const ImageSource &source, int ahead = 2,
                Turn turn = Turn::AsStored, double density = 0, const ColourTarget &colour = ColourTarget());
    // Waits for the decodings still running.
    ~FrameImages();
    FrameImages(const FrameImages &) = delete;
    FrameImages &operator=(const FrameImages &) = delete;

    // The photograph of frame `index` as its file stores it (not turned by
    // the frame's rotation), or as the frame shows it (Turn::AsShown); null for a frame that shows none or whose file
    // cannot be decoded. Frames are taken in order; taking one lets the
    // decoding of the following ones start.
    DecodedImage take(int index);
    Turn turn() const { return m_turn; }
    // Starts the decodings of the frames up to `last` now, beyond `ahead`
    // (for a caller that knows it will need them together); two run at once.
    void startUpTo(int last);

private:
    static constexpr qsizetype KeptBytes = qsizetype(16) << 20;

    struct Job
    {
        QFuture<DecodedImage> image;
        bool running = false; // started and not yet taken
    };
    QVector<PhotoFrame> m_frames;
    ImageSource m_source;
    QVector<Job> m_jobs;
    QThreadPool m_pool;
    int m_ahead;
    Turn m_turn;
    double m_density;
    ColourTarget m_colour;
    int m_started = 0; // frames [0, m_started) have their decoding started
    // The decoding last taken, kept while small, for following frames that
    // show the same photograph alike (a sheet of one photograph decodes it
    // once, not once per few frames).
    Job m_lastTaken;
    int m_lastTakenFrame = -1;
};
