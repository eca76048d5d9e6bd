#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <thread>

// Encodes an RGB32 image as a baseline JPEG on a worker thread while the
// image is still being drawn: the drawing side hands rows over as they
// become final, and the encoder compresses them meanwhile. The pixels are
// read where they lie (no copy, no conversion); the image must stay alive
// and unshared, and rows once released must not change, until finish().
// The result is what QImageWriter writes for the image at the same quality
// (same density, same tables and sampling).
class JpegRowEncoder
{
public:
    JpegRowEncoder(const QImage &image, int quality);
    // Stops the worker; the encoding is dropped when finish() was not called.
    ~JpegRowEncoder();
    JpegRowEncoder(const JpegRowEncoder &) = delete;
    JpegRowEncoder &operator=(const JpegRowEncoder &) = delete;

    // Rows [0, rows) are final.
    void release(int rows);
    // Releases every row, waits for the encoding and gives the file's
    // bytes; false with `error` set when encoding failed.
    bool finish(QByteArray *jpeg, QString *error);

private:
    void run();

    const uchar *m_bits;
    qsizetype m_bytesPerLine;
    int m_width;
    int m_height;
    int m_quality;
    int m_dotsPerMeterX;
    int m_dotsPerMeterY;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_released = 0;
    bool m_cancelled = false;
    QByteArray m_result;
    QString m_error;
    std::thread m_worker;
};
