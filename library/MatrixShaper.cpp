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
    for (int c = 0; c < 3; ++c) {
        const auto *in = static_cast<const cmsToneCurve *>(cmsReadTag(from, CurveTags[c]));
        const auto *out = static_cast<const cmsToneCurve *>(cmsReadTag(to, CurveTags[c]));
        if (!in || !out)
            return nullptr;
        for (int v = 0; v < 256; ++v)
            made->m_in[c][v] = cmsEvalToneCurveFloat(in, cmsFloat32Number(v / 255.0));
        for (int i = 0; i <= OutSteps; ++i) {
            const double root = double(i) / OutSteps;
            const double level = 255.0 * encodedFor(out, root * root);
            const size_t at = size_t(c * (OutSteps + 1) + i);
            made->m_out[at] = static_cast<unsigned char>(std::clamp(std::lround(level), 0L, 255L));
            made->m_wide[at] = made->m_out[at];
        }
        for (int k = 0; k < 3; ++k)
            made->m_matrix[size_t(c * 3 + k)] = float(joined.v[c].n[k]);
    }
    return made;
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
__attribute__((target("avx2"))) void MatrixShaper::applyWide(QImage &image) const
{
    const int width = image.width();
    const __m256 zero = _mm256_setzero_ps();
    const __m256 full = _mm256_set1_ps(1.0f);
    const __m256 steps = _mm256_set1_ps(float(OutSteps));
    const __m256i byte = _mm256_set1_epi32(0xff);
    __m256 m[9];
    for (size_t k = 0; k < 9; ++k)
        m[k] = _mm256_set1_ps(m_matrix[k]);
    for (int y = 0; y < image.height(); ++y) {
        auto *pixel = reinterpret_cast<quint32 *>(image.scanLine(y));
        int x = 0;
        for (; x + 8 <= width; x += 8) {
            const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(pixel + x));
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
            _mm256_storeu_si256(reinterpret_cast<__m256i *>(pixel + x), result);
        }
        for (; x < width; ++x)
            pixel[x] = convert(pixel[x]);
    }
}
#endif

void MatrixShaper::apply(QImage &image) const
{
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool wide = __builtin_cpu_supports("avx2");
    if (wide) {
        applyWide(image);
        return;
    }
#endif
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto *pixel = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            pixel[x] = convert(pixel[x]);
    }
}
