#include "library/JpegStripReader.h"

#include "library/ColourTransformCache.h"
#include "library/ProfileReader.h"

#include <QImage>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <vector>

#include <sys/mman.h>


#ifdef __SSE2__
#include <emmintrin.h>
#endif

extern "C" {
#include <jpeglib.h>
}

namespace {

struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void errorExit(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1); }
// Damaged data gives warnings by the thousand; the file is judged apart
// (looksTruncated), as for the other readers.
void noMessage(j_common_ptr, int) {}
void noOutput(j_common_ptr) {}

// The most memory the decoder takes for itself (a progressive file's
// coefficients above all): a crafted header stops there, not at the end of
// the machine's memory.
constexpr long DecoderMemory = 1L << 30;

// Rows decoded, converted and turned together: a strip of this many rows
// of the widest photograph stays in the processor's cache while it is
// turned.
constexpr int StripRows = 32;

int roundUp(int n, int step) { return (n + step - 1) / step * step; }

// Where decoded rows go: an image of the part, `width` x `height` pixels
// before it is turned (its padded size), turned `turns` quarters clockwise.
struct Placement
{
    uchar *bits = nullptr;
    qsizetype bytesPerLine = 0;
    int width = 0;
    int height = 0;
    int turns = 0;
    const ColourTransform *colour = nullptr;
};

// A 32-bit image whose memory the system hands over filled in at once: a
// photograph's hundred megabytes in one call instead of a page fault for
// every 4 KB its rows first touch.
QImage populatedImage(int width, int height)
{
    struct Mapping
    {
        void *at;
        size_t bytes;
    };
    const size_t bytes = size_t(width) * 4 * size_t(qMax(height, 0));
    if (width <= 0 || bytes < (size_t(8) << 20))
        return QImage(width, height, QImage::Format_RGB32);
    void *at = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (at == MAP_FAILED)
        return QImage();
    return QImage(
        static_cast<uchar *>(at), width, height, qsizetype(width) * 4, QImage::Format_RGB32,
        [](void *given) {
            const auto *mapping = static_cast<Mapping *>(given);
            munmap(mapping->at, mapping->bytes);
            delete mapping;
        },
        new Mapping{at, bytes});
}

quint32 *outRow(const Placement &p, int y) { return reinterpret_cast<quint32 *>(p.bits + y * p.bytesPerLine); }

// Puts the rows [first, first + count) of the part, held in `rows`, a
// quarter turn clockwise, (x, y) -> (height - 1 - y, x), or anticlockwise,
// (x, y) -> (y, width - 1 - x): four rows of four pixels at a time become
// four columns of four, in the vector registers.
void turnStrip(const Placement &p, quint32 *const *rows, int first, int count, bool clockwise)
{
    const auto outRowOf = [&](int x) { return outRow(p, clockwise ? x : p.width - 1 - x); };
    const auto column = [&](int j) { return clockwise ? p.height - 1 - first - j : first + j; };
    int j = 0;
#ifdef __SSE2__
    // Four columns of the strip at a time, down all its rows: each image
    // row they go to gets its part of the strip's column whole, while its
    // cache lines are at hand. Column x goes to the image row of
    // outRowOf(x), the next column `step` bytes further.
    const qsizetype step = clockwise ? p.bytesPerLine : -p.bytesPerLine;
    const int blocks = count / 4 * 4;
    int x = 0;
    for (; x + 4 <= p.width; x += 4) {
        uchar *const out = reinterpret_cast<uchar *>(outRowOf(x));
        for (int k = 0; k < blocks; k += 4) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(rows[k] + x));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(rows[k + 1] + x));
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i *>(rows[k + 2] + x));
            const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i *>(rows[k + 3] + x));
            const __m128i ab0 = _mm_unpacklo_epi32(a, b), ab1 = _mm_unpackhi_epi32(a, b);
            const __m128i cd0 = _mm_unpacklo_epi32(c, d), cd1 = _mm_unpackhi_epi32(c, d);
            __m128i t0 = _mm_unpacklo_epi64(ab0, cd0), t1 = _mm_unpackhi_epi64(ab0, cd0);
            __m128i t2 = _mm_unpacklo_epi64(ab1, cd1), t3 = _mm_unpackhi_epi64(ab1, cd1);
            if (clockwise) {
                t0 = _mm_shuffle_epi32(t0, _MM_SHUFFLE(0, 1, 2, 3));
                t1 = _mm_shuffle_epi32(t1, _MM_SHUFFLE(0, 1, 2, 3));
                t2 = _mm_shuffle_epi32(t2, _MM_SHUFFLE(0, 1, 2, 3));
                t3 = _mm_shuffle_epi32(t3, _MM_SHUFFLE(0, 1, 2, 3));
            }
            uchar *const at = out + qsizetype(clockwise ? column(k + 3) : column(k)) * 4;
            _mm_storeu_si128(reinterpret_cast<__m128i *>(at), t0);
            _mm_storeu_si128(reinterpret_cast<__m128i *>(at + step), t1);
            _mm_storeu_si128(reinterpret_cast<__m128i *>(at + 2 * step), t2);
            _mm_storeu_si128(reinterpret_cast<__m128i *>(at + 3 * step), t3);
        }
        for (int i = x; i < x + 4; ++i)
            for (int k = blocks; k < count; ++k)
                outRowOf(i)[column(k)] = rows[k][i];
    }
    for (; x < p.width; ++x)
        for (int k = 0; k < count; ++k)
            outRowOf(x)[column(k)] = rows[k][x];
    j = count;
#endif
    for (; j < count; ++j)
        for (int x = 0; x < p.width; ++x)
            outRowOf(x)[column(j)] = rows[j][x];
}

// Puts the rows [first, first + count) of the part, held in `rows` (each
// `decoded` pixels long, room for p.width, one after another `stride`
// bytes apart), where the turn takes them: the columns beyond `decoded`
// repeat the last one. With `convert` the colours are converted first, on
// the strip while it is in the cache, into the image when it does not turn.
void placeStrip(const Placement &p, quint32 *const *rows, int first, int count, int decoded, qsizetype stride,
                bool convert)
{
    for (int j = 0; j < count; ++j)
        std::fill(rows[j] + decoded, rows[j] + p.width, rows[j][decoded - 1]);
    if (convert && p.colour) {
        QImage strip(reinterpret_cast<uchar *>(rows[0]), p.width, count, stride, QImage::Format_RGB32);
        if (p.turns == 0) {
            QImage out(reinterpret_cast<uchar *>(outRow(p, first)), p.width, count, p.bytesPerLine,
                       QImage::Format_RGB32);
            p.colour->apply(strip, out);
            return;
        }
        p.colour->apply(strip);
    }
    switch (p.turns) {
    case 0:
        for (int j = 0; j < count; ++j)
            if (outRow(p, first + j) != rows[j])
                std::memcpy(outRow(p, first + j), rows[j], size_t(p.width) * 4);
        break;
    case 1: // (x, y) -> (height - 1 - y, x)
        turnStrip(p, rows, first, count, true);
        break;
    case 2: // (x, y) -> (width - 1 - x, height - 1 - y)
        for (int j = 0; j < count; ++j) {
            quint32 *out = outRow(p, p.height - 1 - first - j) + p.width - 1;
            for (int x = 0; x < p.width; ++x)
                out[-x] = rows[j][x];
        }
        break;
    default: // (x, y) -> (y, width - 1 - x)
        turnStrip(p, rows, first, count, false);
        break;
    }
}

} // namespace

struct JpegStripReader::Decoder
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    bool open = false;

    Decoder()
    {
        info.err = jpeg_std_error(&errors.pub);
        errors.pub.error_exit = errorExit;
        errors.pub.emit_message = noMessage;
        errors.pub.output_message = noOutput;
        jpeg_create_decompress(&info);
        info.mem->max_memory_to_use = DecoderMemory;
    }
    ~Decoder() { jpeg_destroy_decompress(&info); }

    // The functions below hold nothing that a jump out of the decoder would
    // leave undone.
    bool readHeader(const QByteArray &bytes)
    {
        if (setjmp(errors.jump))
            return false;
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()), (unsigned long)bytes.size());
        if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
            return false;
        return info.num_components == 3
               && (info.jpeg_color_space == JCS_YCbCr || info.jpeg_color_space == JCS_RGB);
    }

    // Starts the decoding at `eighths` and skips to the part: the columns
    // from `x` (moved back to a block's edge) for `width`, the rows from `y`.
    bool start(int eighths, JDIMENSION &x, JDIMENSION &width, JDIMENSION y)
    {
        if (setjmp(errors.jump))
            return false;
        info.scale_num = unsigned(eighths);
        info.scale_denom = 8;
        info.out_color_space = JCS_EXT_BGRA; // QImage's RGB32 words, 0xFF in the fourth byte
        info.dct_method = JDCT_ISLOW;
        jpeg_start_decompress(&info);
        if (x > 0 || width < info.output_width)
            jpeg_crop_scanline(&info, &x, &width);
        return y == 0 || jpeg_skip_scanlines(&info, y) == y;
    }

    // Decodes `count` rows a strip at a time into `strip` (or straight into
    // the image when they are neither converted nor turned) and places them.
    bool decodeRows(const Placement &p, int count, int decoded, quint32 *strip)
    {
        if (setjmp(errors.jump))
            return false;
        const bool straight = !strip;
        quint32 *rows[StripRows];
        for (int first = 0; first < count; first += StripRows) {
            const int n = qMin(StripRows, count - first);
            for (int j = 0; j < n; ++j)
                rows[j] = straight ? outRow(p, first + j) : strip + qsizetype(j) * p.width;
            for (int got = 0; got < n;) {
                const JDIMENSION read =
                    jpeg_read_scanlines(&info, reinterpret_cast<JSAMPARRAY>(rows + got), JDIMENSION(n - got));
                if (read == 0)
                    return false;
                got += int(read);
            }
            placeStrip(p, rows, first, n, decoded, straight ? p.bytesPerLine : qsizetype(p.width) * 4, true);
        }
        // The rows beyond the part's last repeat it as placed: an unturned
        // part's last row is in the image, converted.
        quint32 *const last = p.turns == 0 ? outRow(p, count - 1) : rows[(count - 1) % StripRows];
        for (int y = count; y < p.height; ++y)
            placeStrip(p, &last, y, 1, p.width, 0, false);
        jpeg_abort_decompress(&info);
        return true;
    }
};

JpegStripReader::JpegStripReader(const QByteArray &bytes) : m_decoder(std::make_unique<Decoder>())
{
    m_bytes = withinScanLimit(bytes, &m_cut);
    m_decoder->open = bytes.startsWith("\xFF\xD8") && m_decoder->readHeader(m_bytes)
                      && qint64(storedSize().width()) * storedSize().height() <= MaxImagePixels;
}

JpegStripReader::~JpegStripReader() = default;

bool JpegStripReader::isOpen() const { return m_decoder->open; }

QSize JpegStripReader::storedSize() const
{
    return QSize(int(m_decoder->info.image_width), int(m_decoder->info.image_height));
}

bool JpegStripReader::isProgressive() const { return m_decoder->info.progressive_mode; }

int JpegStripReader::eighthsFor(const QRect &region, const QSize &atMost)
{
    if (!atMost.isValid() || region.isEmpty())
        return 8;
    // Halves, quarters and eighths only: the decoder's other reductions are
    // slower than decoding at full size (their transforms have no vector
    // code) and further from a smooth scaling of the whole picture.
    const double k = qMax(double(atMost.width() - 1) / region.width(), double(atMost.height() - 1) / region.height());
    int eighths = 1;
    while (eighths < 8 && eighths < k * 8 - 1e-9)
        eighths *= 2;
    return eighths;
}

bool JpegStripReader::reducesEnough(const QRect &region, const QSize &atMost)
{
    if (!atMost.isValid() || region.isEmpty())
        return true;
    const int eighths = eighthsFor(region, atMost);
    return region.width() * eighths <= 16 * atMost.width() && region.height() * eighths <= 16 * atMost.height();
}

qint64 JpegStripReader::bytesFor(const QSize &stored, const QRect &region, const QSize &atMost, bool progressive)
{
    const QRect part = region.isEmpty() ? QRect(QPoint(0, 0), stored) : region;
    const double k = eighthsFor(part, atMost) / 8.0;
    // A block more each way for the edges of the blocks.
    const qint64 image = qint64((part.width() * k + 16) * (part.height() * k + 16) * 4);
    // Two bytes a coefficient, at most three of them a pixel.
    const qint64 coefficients = progressive ? qint64(stored.width()) * stored.height() * 6 : 0;
    return image + coefficients;
}

DecodedImage JpegStripReader::read(const QRect &region, const QSize &atMost, int turns, const ColourTarget &colour)
{
    DecodedImage d;
    d.fault = DecodeFault::Unreadable;
    if (!isOpen())
        return d;
    d.stored = storedSize();
    const QRect all(QPoint(0, 0), d.stored);
    const QRect part = region.isEmpty() ? all : region & all;
    if (part.isEmpty()) {
        d.fault = DecodeFault::None;
        return d;
    }
    // The part in decoded pixels; its corner on a block's edge, so that it
    // lies on whole stored pixels.
    const int s = eighthsFor(part, atMost);
    const auto scaled = [s](qint64 n) { return int((n * s + 7) / 8); };
    const int outWidth = scaled(d.stored.width());
    const int outHeight = scaled(d.stored.height());
    JDIMENSION x = JDIMENSION(part.x() / 8 * s);
    JDIMENSION width = JDIMENSION(qMin(outWidth, scaled(qint64(part.x()) + part.width())) - int(x));
    const int y = part.y() / 8 * s;
    const int rows = qMin(outHeight, scaled(qint64(part.y()) + part.height())) - y;
    if (!m_decoder->start(s, x, width, JDIMENSION(y)) || int(x) % s != 0)
        return d;
    d.profile = ProfileReader::sourceProfile(m_bytes, &d.profileProblem);
    std::shared_ptr<const ColourTransform> transform;
    if (!d.profile.isNull() && !colour.profile.isNull() && !(d.profile == colour.profile))
        transform = ColourTransformCache::instance().transform(d.profile, colour.profile, colour.intent,
                                                               colour.blackPointCompensation());
    // Whole stored pixels: the last pixels are repeated up to the next.
    const int step = s / std::gcd(s, 8);
    Placement p;
    p.width = roundUp(int(width), step);
    p.height = roundUp(rows, step);
    p.turns = ((turns % 4) + 4) % 4;
    p.colour = transform.get();
    QImage image = p.turns % 2 == 1 ? populatedImage(p.height, p.width) : populatedImage(p.width, p.height);
    // Rows read again at once (converted, turned) go through a strip whose
    // rows do not start on a 32-byte boundary: on one, the decoder writes
    // them past the processor's cache, and they would come back from memory.
    const bool straight = p.turns == 0 && !p.colour;
    std::vector<quint32> strip(straight ? 0 : size_t(p.width) * StripRows + 8);
    quint32 *stripRows = nullptr;
    if (!straight) {
        const auto misalignment = reinterpret_cast<quintptr>(strip.data()) % 32;
        stripRows = strip.data() + (32 - misalignment) / 4 % 8 + 1;
    }
    if (image.isNull())
        return d;
    p.bits = image.bits();
    p.bytesPerLine = image.bytesPerLine();
    if (!m_decoder->decodeRows(p, rows, int(width), stripRows))
        return d;
    d.image = image;
    d.turns = p.turns;
    d.region = QRect(int(x) * 8 / s, y * 8 / s, p.width * 8 / s, p.height * 8 / s);
    if (transform)
        d.profile = colour.profile;
    d.fault = m_cut ? DecodeFault::TooManyScans : looksTruncated(m_bytes) ? DecodeFault::Damaged : DecodeFault::None;
    return d;
}
