#include "app/JpegRowEncoder.h"

#include <QIODevice>
#include <QObject>
#include <QtGlobal>

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

namespace {

struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void noMessages(j_common_ptr) {}

// Compressed bytes written to a device a block at a time: the encoder never
// holds more than one block, whatever the size of the file.
struct Destination
{
    jpeg_destination_mgr pub;
    QIODevice *out;
    QString writeError; // the device's reason when a write failed
    static constexpr int Block = 1 << 18;
    JOCTET buffer[Block];
};

void initDestination(j_compress_ptr info)
{
    auto *d = reinterpret_cast<Destination *>(info->dest);
    d->pub.next_output_byte = d->buffer;
    d->pub.free_in_buffer = Destination::Block;
}

// Writes the first `count` bytes of the block; a device that takes no more
// (a full disk) ends the encoding with its reason.
void writeBlock(j_compress_ptr info, qint64 count)
{
    auto *d = reinterpret_cast<Destination *>(info->dest);
    const char *bytes = reinterpret_cast<const char *>(d->buffer);
    qint64 done = 0;
    while (done < count) {
        // The system may take a part (the rest of a nearly full disk) and
        // only the write after it says why it takes no more.
        const qint64 n = d->out->write(bytes + done, count - done);
        if (n <= 0) {
            d->writeError = d->out->errorString();
            ERREXIT(info, JERR_FILE_WRITE);
        }
        done += n;
    }
    d->pub.next_output_byte = d->buffer;
    d->pub.free_in_buffer = Destination::Block;
}

boolean emptyDestination(j_compress_ptr info)
{
    // Called when the block is full (free_in_buffer is not to be trusted).
    writeBlock(info, Destination::Block);
    return TRUE;
}

void termDestination(j_compress_ptr info)
{
    auto *d = reinterpret_cast<Destination *>(info->dest);
    writeBlock(info, qint64(Destination::Block) - qint64(d->pub.free_in_buffer));
}

struct Compressor
{
    jpeg_compress_struct info {};
    ErrorManager errors {};
    Destination destination {};
    ~Compressor() { jpeg_destroy_compress(&info); }
};

} // namespace

JpegRowEncoder::JpegRowEncoder(QIODevice *out, const QSize &size, int quality, int dotsPerMeterX, int dotsPerMeterY,
                               const QByteArray &icc)
    : m_out(out), m_width(size.width()), m_height(size.height()), m_quality(quality), m_dotsPerMeterX(dotsPerMeterX),
      m_dotsPerMeterY(dotsPerMeterY), m_icc(icc)
{
    m_worker = std::thread(&JpegRowEncoder::run, this);
}

JpegRowEncoder::~JpegRowEncoder()
{
    if (m_worker.joinable()) {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_cancelled = true;
        }
        m_changed.notify_all();
        m_worker.join();
    }
}

void JpegRowEncoder::append(const QImage &rows)
{
    Q_ASSERT(rows.format() == QImage::Format_RGB32 && rows.width() == m_width);
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_appended >= m_height || rows.isNull())
            return;
        m_bands.push_back(rows);
        m_appended += rows.height();
    }
    m_changed.notify_all();
}

void JpegRowEncoder::waitUntilPending(int bands)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [&] { return m_cancelled || int(m_bands.size()) <= bands; });
}

Outcome JpegRowEncoder::finish()
{
    bool complete = true;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_appended < m_height) {
            // The rest will never come: the worker stops.
            complete = false;
            m_cancelled = true;
        }
    }
    m_changed.notify_all();
    if (m_worker.joinable())
        m_worker.join();
    if (!complete && m_error.isEmpty())
        m_error = QObject::tr("The page image was not complete");
    if (!m_error.isEmpty())
        return Outcome::failure(QT_TRANSLATE_NOOP("QObject", "The page could not be compressed as a JPEG image."),
                                m_error);
    return Outcome();
}

void JpegRowEncoder::run()
{
    Compressor c;
    c.info.err = jpeg_std_error(&c.errors.pub);
    c.errors.pub.error_exit = errorExit;
    c.errors.pub.output_message = noMessages;
    if (setjmp(c.errors.jump)) {
        m_error = c.destination.writeError.isEmpty() ? QString::fromLocal8Bit(c.errors.message)
                                                      : c.destination.writeError;
        m_current = QImage();
        {
            // Nothing more is compressed: the drawing side stops waiting.
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_bands.clear();
            m_cancelled = true;
        }
        m_changed.notify_all();
        return;
    }
    jpeg_create_compress(&c.info);
    c.destination.out = m_out;
    c.destination.pub.init_destination = initDestination;
    c.destination.pub.empty_output_buffer = emptyDestination;
    c.destination.pub.term_destination = termDestination;
    c.info.dest = &c.destination.pub;
    c.info.image_width = JDIMENSION(m_width);
    c.info.image_height = JDIMENSION(m_height);
    c.info.input_components = 4;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    c.info.in_color_space = JCS_EXT_BGRX;
#else
    c.info.in_color_space = JCS_EXT_XRGB;
#endif
    jpeg_set_defaults(&c.info);
    // The density as the image writer records it: dots per inch unless
    // dots per centimetre come out whole by a wider margin, each off-by
    // counted in whole units as the writer counts it (so 33,333 dots a
    // metre are 847 dots an inch, the nearest JFIF can say).
    const double inchX = m_dotsPerMeterX * 2.54 / 100.0;
    const double inchY = m_dotsPerMeterY * 2.54 / 100.0;
    const double cmX = m_dotsPerMeterX / 100.0;
    const double cmY = m_dotsPerMeterY / 100.0;
    const int offInch = int(qAbs(inchX - qRound(inchX)) + qAbs(inchY - qRound(inchY)));
    const int offCm = int((qAbs(cmX - qRound(cmX)) + qAbs(cmY - qRound(cmY))) * 2.54);
    if (offInch < offCm) {
        c.info.X_density = UINT16(qRound(inchX));
        c.info.Y_density = UINT16(qRound(inchY));
        c.info.density_unit = 1;
    } else {
        c.info.X_density = UINT16(qRound(cmX));
        c.info.Y_density = UINT16(qRound(cmY));
        c.info.density_unit = 2;
    }
    if (m_quality >= 0)
        jpeg_set_quality(&c.info, qMin(m_quality, 100), TRUE);
    jpeg_start_compress(&c.info, TRUE);
    if (!m_icc.isEmpty())
        jpeg_write_icc_profile(&c.info, reinterpret_cast<const JOCTET *>(m_icc.constData()), unsigned(m_icc.size()));

    constexpr int Batch = 16;
    JSAMPROW rows[Batch];
    while (c.info.next_scanline < c.info.image_height) {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait(lock, [&] { return m_cancelled || !m_bands.empty(); });
            if (m_cancelled)
                return;
            m_current = m_bands.front();
        }
        const int count = qMin(m_current.height(), int(c.info.image_height - c.info.next_scanline));
        for (int first = 0; first < count; first += Batch) {
            const int n = qMin(Batch, count - first);
            for (int i = 0; i < n; ++i)
                rows[i] = const_cast<JSAMPROW>(m_current.constScanLine(first + i));
            jpeg_write_scanlines(&c.info, rows, JDIMENSION(n));
        }
        // The band is let go before it counts as done, so that the drawing
        // side holds the only reference when it draws into it again.
        m_current = QImage();
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_bands.pop_front();
        }
        m_changed.notify_all();
    }
    jpeg_finish_compress(&c.info);
}
