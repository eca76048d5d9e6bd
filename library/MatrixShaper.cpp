#include "library/MatrixShaper.h"

#include <QImage>

#include <lcms2.h>
#include <lcms2_plugin.h>

#include <algorithm>
#include <cmath>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace {

const cmsTagSignature CurveTags[3] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};
const cmsTagSignature ColorantTags[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag};

// The columns of a profile's matrix: its colorants in the connection space.
bool colorants(cmsHPROFILE profile, cmsMAT3 &matrix)
{
    for (int c = 0; c < 3; ++c) {
        const auto *xyz = static_cast<const cmsCIEXYZ *>(cmsReadTag(profile, ColorantTags[c]));
        if (!xyz)
            return false;
        matrix.v[0].n[c] = xyz->X;
        matrix.v[1].n[c] = xyz->Y;
        matrix.v[2].n[c] = xyz->Z;
    }
    return true;
}

// The encoded value a tone curve takes to `linear`, found by halving (the
// curves of profiles rise; Little CMS's own reversal tabulates them, too
// coarsely for a pure power curve near black).
double encodedFor(const cmsToneCurve *curve, double linear)
{
    double low = 0;
    double high = 1;
    for (int i = 0; i < 26; ++i) {
        const double middle = (low + high) / 2;
        (cmsEvalToneCurveFloat(curve, cmsFloat32Number(middle)) < linear ? low : high) = middle;
    }
    return (low + high) / 2;
}

bool sameCurves(const cmsToneCurve *a, const cmsToneCurve *b)
{
    if (a == b)
        return true;
    for (int i = 0; i <= 64; ++i)
        if (cmsEvalToneCurveFloat(a, i / 64.0f) != cmsEvalToneCurveFloat(b, i / 64.0f))
            return false;
    return true;
}

bool hasAvx512()
{
#if defined(__x86_64__) && defined(__GNUC__)
    return __builtin_cpu_supports("avx512f");
#else
    return false;
#endif
}

bool isRgbMatrixShaper(cmsHPROFILE profile)
{
    return profile && cmsGetColorSpace(profile) == cmsSigRgbData && cmsIsMatrixShaper(profile);
}

} // namespace

std::unique_ptr<const MatrixShaper> MatrixShaper::make(void *source, void *destination)
{
    auto from = static_cast<cmsHPROFILE>(source);
    auto to = static_cast<cmsHPROFILE>(destination);
    if (!isRgbMatrixShaper(from) || !isRgbMatrixShaper(to))
        return nullptr;
    cmsMAT3 sourceMatrix;
    cmsMAT3 destinationMatrix;
    cmsMAT3 inverse;
    cmsMAT3 joined;
    if (!colorants(from, sourceMatrix) || !colorants(to, destinationMatrix)
        || !_cmsMAT3inverse(&destinationMatrix, &inverse))
        return nullptr;
    _cmsMAT3per(&joined, &inverse, &sourceMatrix);

    std::unique_ptr<MatrixShaper> made(new MatrixShaper);
    made->m_out.resize(3 * (OutSteps + 1));
    made->m_wide.resize(made->m_out.size());
    // The cubics serve only processors that run them.
    made->m_cubicsFit = hasAvx512();
    made->m_oneCurve = true;
    const cmsToneCurve *outCurves[3];
    for (int c = 0; c < 3; ++c) {
        const auto *in = static_cast<const cmsToneCurve *>(cmsReadTag(from, CurveTags[c]));
        outCurves[c] = static_cast<const cmsToneCurve *>(cmsReadTag(to, CurveTags[c]));
        if (!in || !outCurves[c])
            return nullptr;
        for (int v = 0; v < 256; ++v)
            made->m_in[c][v] = cmsEvalToneCurveFloat(in, cmsFloat32Number(v / 255.0));
        for (int k = 0; k < 3; ++k)
            made->m_matrix[size_t(c * 3 + k)] = float(joined.v[c].n[k]);
        // Working spaces give the three channels one curve: it is inverted once.
        int same = 0;
        while (same < c && !sameCurves(outCurves[same], outCurves[c]))
            ++same;
        made->m_oneCurve = made->m_oneCurve && same == 0;
        if (same < c)
            made->copyOutput(same, c);
        else
            made->tabulateOutput(c, outCurves[c]);
    }
    return made;
}

void MatrixShaper::copyOutput(int from, int to)
{
    const auto steps = std::ptrdiff_t(OutSteps + 1);
    std::copy_n(m_out.begin() + from * steps, steps, m_out.begin() + to * steps);
    std::copy_n(m_wide.begin() + from * steps, steps, m_wide.begin() + to * steps);
    m_cubics[size_t(to)] = m_cubics[size_t(from)];
}

void MatrixShaper::tabulateOutput(int channel, const void *curveTag)
{
    const auto *curve = static_cast<const cmsToneCurve *>(curveTag);
    for (int i = 0; i <= OutSteps; ++i) {
        const double root = double(i) / OutSteps;
        const double level = 255.0 * encodedFor(curve, root * root);
        const size_t at = size_t(channel * (OutSteps + 1) + i);
        m_out[at] = static_cast<unsigned char>(std::clamp(std::lround(level), 0L, 255L));
        m_wide[at] = m_out[at];
    }
    m_cubicsFit = m_cubicsFit && fitOctaves(channel, curve);
}

// Fits a cubic in the float's mantissa m (1 <= m < 2) to the inverse curve
// on each octave of light, through its values at the four Chebyshev nodes,
// and checks it between them: false where a curve is too uneven for that
// (a sampled curve with kinks), which leaves the conversion to the tables.
bool MatrixShaper::fitOctaves(int channel, const void *curveTag)
{
    const auto *curve = static_cast<const cmsToneCurve *>(curveTag);
    const auto level = [curve](double linear) { return 255.0 * encodedFor(curve, linear); };
    auto &cubic = m_cubics[size_t(channel)];
    const size_t last = Octaves - 1;
    cubic[0][last] = float(level(1.0));
    for (size_t o = 0; o < last; ++o) {
        const double low = std::ldexp(1.0, int(o) - int(last));
        double node[4];
        double c[4]; // Newton's divided differences, then the cubic's powers
        for (int i = 0; i < 4; ++i) {
            node[i] = 1.5 + 0.5 * std::cos(M_PI * (2 * i + 1) / 8);
            c[i] = level(low * node[i]);
        }
        for (int j = 1; j < 4; ++j)
            for (int i = 3; i >= j; --i)
                c[i] = (c[i] - c[i - 1]) / (node[i] - node[i - j]);
        // c0 + (m - n0)(c1 + (m - n1)(c2 + (m - n2) c3)), multiplied out
        double power[4] = {c[3], 0, 0, 0};
        for (int i = 2; i >= 0; --i) {
            for (int j = 3; j > 0; --j)
                power[j] = power[j - 1] - node[i] * power[j];
            power[0] = c[i] - node[i] * power[0];
        }
        for (size_t j = 0; j < 4; ++j)
            cubic[j][o] = float(power[j]);
        for (int t = 0; t <= 32; ++t) {
            const float m = 1.0f + float(t) / 32;
            const float got = ((cubic[3][o] * m + cubic[2][o]) * m + cubic[1][o]) * m + cubic[0][o];
            if (std::abs(got - level(low * double(m))) > 0.3)
                return false;
        }
    }
    return true;
}

quint32 MatrixShaper::convert(quint32 pixel) const
{
    const float in[3] = {m_in[0][(pixel >> 16) & 0xff], m_in[1][(pixel >> 8) & 0xff], m_in[2][pixel & 0xff]};
    quint32 converted = pixel & 0xff000000u;
    for (size_t c = 0; c < 3; ++c) {
        const float linear = m_matrix[3 * c] * in[0] + m_matrix[3 * c + 1] * in[1] + m_matrix[3 * c + 2] * in[2];
        const float clamped = std::min(std::max(linear, 0.0f), 1.0f);
        const int step = int(std::lround(std::sqrt(clamped) * OutSteps));
        converted |= quint32(m_out[c * (OutSteps + 1) + size_t(step)]) << (16 - 8 * c);
    }
    return converted;
}

#if defined(__x86_64__) && defined(__GNUC__)
// Eight pixels at a time where the processor gathers from tables (AVX2).
__attribute__((target("avx2"))) void MatrixShaper::applyTables(const QImage &from, QImage &to) const
{
    const int width = from.width();
    const __m256 zero = _mm256_setzero_ps();
    const __m256 full = _mm256_set1_ps(1.0f);
    const __m256 steps = _mm256_set1_ps(float(OutSteps));
    const __m256i byte = _mm256_set1_epi32(0xff);
    __m256 m[9];
    for (size_t k = 0; k < 9; ++k)
        m[k] = _mm256_set1_ps(m_matrix[k]);
    for (int y = 0; y < from.height(); ++y) {
        auto *out = reinterpret_cast<quint32 *>(to.scanLine(y));
        const auto *in = reinterpret_cast<const quint32 *>(from.constScanLine(y));
        int x = 0;
        for (; x + 8 <= width; x += 8) {
            const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(in + x));
            const __m256 r = _mm256_i32gather_ps(m_in[0].data(), _mm256_and_si256(_mm256_srli_epi32(p, 16), byte), 4);
            const __m256 g = _mm256_i32gather_ps(m_in[1].data(), _mm256_and_si256(_mm256_srli_epi32(p, 8), byte), 4);
            const __m256 b = _mm256_i32gather_ps(m_in[2].data(), _mm256_and_si256(p, byte), 4);
            __m256i result = _mm256_and_si256(p, _mm256_set1_epi32(int(0xff000000u)));
            for (int c = 0; c < 3; ++c) {
                __m256 linear = _mm256_add_ps(_mm256_add_ps(_mm256_mul_ps(m[3 * c], r), _mm256_mul_ps(m[3 * c + 1], g)),
                                              _mm256_mul_ps(m[3 * c + 2], b));
                linear = _mm256_min_ps(_mm256_max_ps(linear, zero), full);
                const __m256i step = _mm256_cvtps_epi32(_mm256_mul_ps(_mm256_sqrt_ps(linear), steps));
                const __m256i level = _mm256_i32gather_epi32(m_wide.data() + size_t(c) * (OutSteps + 1), step, 4);
                result = _mm256_or_si256(result, _mm256_slli_epi32(level, 16 - 8 * c));
            }
            _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + x), result);
        }
        for (; x < width; ++x)
            out[x] = convert(in[x]);
    }
}

// GCC 12 takes the intrinsics' undefined starting registers for
// uninitialised values.
#pragma GCC diagnostic push
#ifndef __clang__
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#define AVX512 __attribute__((target("avx512f")))
namespace {

// Each octave's cubic for sixteen lights at a time: its coefficients are
// picked from a pair of registers by the low five bits of the light's
// exponent (light clamped to [2^-31, 1] has the exponents 96 to 127,
// octaves 0 to 31), the cubic evaluated at the light's mantissa.
struct OctaveCubics
{
    __m512 low[4];
    __m512 high[4];

    AVX512 explicit OctaveCubics(const std::array<std::array<float, 32>, 4> &coefficients)
    {
        for (size_t j = 0; j < 4; ++j) {
            low[j] = _mm512_loadu_ps(coefficients[j].data());
            high[j] = _mm512_loadu_ps(coefficients[j].data() + 16);
        }
    }

    AVX512 __m512i levels(__m512 light) const
    {
        const __m512i least = _mm512_set1_epi32(0x30000000); // 2^-31
        const __m512i most = _mm512_set1_epi32(0x3f800000);  // 1, and the exponent of floats in [1, 2)
        // Positive floats order as their bits do; negative ones come below.
        const __m512i bits = _mm512_min_epi32(_mm512_max_epi32(_mm512_castps_si512(light), least), most);
        const __m512i octave = _mm512_srli_epi32(bits, 23);
        const __m512 m = _mm512_castsi512_ps(
            _mm512_ternarylogic_epi32(bits, _mm512_set1_epi32(0x7fffff), most, 0xEA)); // a & b | c
        __m512 v = _mm512_permutex2var_ps(low[3], octave, high[3]);
#pragma GCC unroll 3
        for (int j = 2; j >= 0; --j)
            v = _mm512_fmadd_ps(v, m, _mm512_permutex2var_ps(low[j], octave, high[j]));
        return _mm512_cvtps_epi32(v); // the cubics keep within [-0.3, 255.3]
    }
};

// Converts a row of `width` pixels, sixteen at a time: the rest are left.
// Written past the cache where the row goes elsewhere (it is read again
// only when the page is drawn). With one curve for the three channels its
// coefficients stay in registers.
template <bool Streamed, bool OneCurve>
AVX512 int octaveRow(const quint32 *in, quint32 *out, int width, const float *matrix, const float *const *curves,
              const OctaveCubics *cubics)
{
    const __m512i byte = _mm512_set1_epi32(0xff);
    const OctaveCubics shared = cubics[0]; // a copy the row's stores cannot touch
    int x = 0;
    for (; x + 16 <= width; x += 16) {
        const __m512i p = _mm512_loadu_si512(in + x);
        const __m512 r = _mm512_i32gather_ps(_mm512_and_si512(_mm512_srli_epi32(p, 16), byte), curves[0], 4);
        const __m512 g = _mm512_i32gather_ps(_mm512_and_si512(_mm512_srli_epi32(p, 8), byte), curves[1], 4);
        const __m512 b = _mm512_i32gather_ps(_mm512_and_si512(p, byte), curves[2], 4);
        __m512i level[3];
#pragma GCC unroll 3
        for (size_t c = 0; c < 3; ++c) {
            const __m512 light = _mm512_fmadd_ps(
                _mm512_set1_ps(matrix[3 * c]), r,
                _mm512_fmadd_ps(_mm512_set1_ps(matrix[3 * c + 1]), g, _mm512_mul_ps(_mm512_set1_ps(matrix[3 * c + 2]), b)));
            level[c] = (OneCurve ? shared : cubics[c]).levels(light);
        }
        const __m512i pixels = _mm512_or_si512(
            _mm512_ternarylogic_epi32(_mm512_and_si512(p, _mm512_set1_epi32(int(0xff000000u))),
                                      _mm512_slli_epi32(level[0], 16), _mm512_slli_epi32(level[1], 8), 0xFE), // a | b | c
            level[2]);
        if (Streamed)
            _mm512_stream_si512(reinterpret_cast<__m512i *>(out + x), pixels);
        else
            _mm512_storeu_si512(out + x, pixels);
    }
    return x;
}

} // namespace

AVX512 void MatrixShaper::applyOctaves(const QImage &from, QImage &to) const
{
    const int width = from.width();
    const OctaveCubics cubics[3] = {OctaveCubics(m_cubics[0]), OctaveCubics(m_cubics[1]), OctaveCubics(m_cubics[2])};
    const float *const curves[3] = {m_in[0].data(), m_in[1].data(), m_in[2].data()};
    const auto row = m_oneCurve ? std::array{octaveRow<false, true>, octaveRow<true, true>}
                                : std::array{octaveRow<false, false>, octaveRow<true, false>};
    bool streamed = false;
    for (int y = 0; y < from.height(); ++y) {
        auto *out = reinterpret_cast<quint32 *>(to.scanLine(y));
        const auto *in = reinterpret_cast<const quint32 *>(from.constScanLine(y));
        const bool past = out != in && reinterpret_cast<quintptr>(out) % 64 == 0;
        streamed = streamed || past;
        int x = row[past](in, out, width, m_matrix.data(), curves, cubics);
        for (; x < width; ++x)
            out[x] = convert(in[x]);
    }
    if (streamed)
        _mm_sfence();
}
#undef AVX512
#pragma GCC diagnostic pop
#endif

bool MatrixShaper::offers(Kernel kernel) const
{
    switch (kernel) {
    case Kernel::Plain: return true;
#if defined(__x86_64__) && defined(__GNUC__)
    case Kernel::Tables: return __builtin_cpu_supports("avx2");
    case Kernel::Octaves: return m_cubicsFit; // fitted only where the processor runs them
#else
    default: return false;
#endif
    }
    return false;
}

void MatrixShaper::apply(QImage &image) const { apply(image, image); }

void MatrixShaper::apply(const QImage &from, QImage &to) const
{
    for (const Kernel kernel : {Kernel::Octaves, Kernel::Tables, Kernel::Plain})
        if (offers(kernel))
            return apply(from, to, kernel);
}

void MatrixShaper::apply(const QImage &from, QImage &to, Kernel kernel) const
{
    Q_ASSERT(offers(kernel) && from.size() == to.size());
#if defined(__x86_64__) && defined(__GNUC__)
    if (kernel == Kernel::Octaves) {
        applyOctaves(from, to);
        return;
    }
    if (kernel == Kernel::Tables) {
        applyTables(from, to);
        return;
    }
#endif
    const int width = from.width();
    for (int y = 0; y < from.height(); ++y) {
        auto *out = reinterpret_cast<quint32 *>(to.scanLine(y));
        const auto *in = reinterpret_cast<const quint32 *>(from.constScanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = convert(in[x]);
    }
}
