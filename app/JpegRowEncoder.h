#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/Outcome.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#include <deque>

// Encodes an RGB32 image as a baseline JPEG on a worker thread while the
// image is still being drawn: the drawing side hands over bands of rows as
// they become final, and the encoder compresses them meanwhile. The pixels
// are read where they lie (no copy, no conversion); the encoder keeps a
// shared copy of each band until it has compressed it, so a band image may
// be drawn into again once pending() has fallen below it. The result is what
// QImageWriter writes for the whole image at the same quality (same density,
// same tables and sampling).
//
// The compressed bytes go to the output device a block at a time as they are
// made, on the worker thread: however large the page, the encoder holds one
// block of them.
class QIODevice;

class JpegRowEncoder
{
public:
    // An image of `size` at `dotsPerMeterX` x `dotsPerMeterY`, written to
    // `out` (open for writing; not touched by the caller until finish()).
    // `icc`, when not empty, is embedded as the file's colour profile.
    JpegRowEncoder(QIODevice *out, const QSize &size, int quality, int dotsPerMeterX, int dotsPerMeterY,
                   const QByteArray &icc = QByteArray());
    // Stops the worker; the encoding is dropped when finish() was not called.
    ~JpegRowEncoder();
    JpegRowEncoder(const JpegRowEncoder &) = delete;
    JpegRowEncoder &operator=(const JpegRowEncoder &) = delete;

    // The next rows of the image, as wide as it; rows beyond its height
    // are ignored.
    void append(const QImage &rows);
    // Waits until no more than `bands` of the bands handed over are still
    // waiting or being compressed.
    void waitUntilPending(int bands);
    // Waits for the encoding (every row must have been handed over) and
    // its last bytes written; a failure carries the encoder's or the
    // device's reason (the output then holds a part of the file).
    Outcome finish();

private:
    void run();

    QIODevice *m_out;
    int m_width;
    int m_height;
    int m_quality;
    int m_dotsPerMeterX;
    int m_dotsPerMeterY;
    QByteArray m_icc;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QImage> m_bands; // handed over, not yet compressed; the first is being compressed
    QImage m_current; // the band being compressed, on the worker
    int m_appended = 0; // rows handed over
    bool m_cancelled = false;
    QString m_error;
    std::thread m_worker;
};
