#pragma once

#include <QtGlobal>

#include <array>
#include <memory>
#include <vector>

class QImage;

// The relative colorimetric conversion between two RGB profiles made of
// three tone curves and a matrix (the profiles of nearly every photograph,
// screen and working space): the source's curves, one matrix from the
// source's colorants to the destination's, and the destination's inverse
// curves, all read from the profiles by Little CMS and laid into tables
// once. The inverse curves are sampled on the square root of light, which
// keeps them within a fifth of a level of the exact curves even where a
// pure power curve is steepest near black.
//
// Where the processor has AVX-512, the inverse curves are evaluated instead
// of looked up: a cubic for each octave of light, its coefficients picked
// from registers by the exponent of the light's float, which spares the
// slow gathering of three levels a pixel.
class MatrixShaper
{
public:
    // The ways of converting, slowest first; every one within a level of
    // the exact conversion.
    enum class Kernel { Plain, Tables, Octaves };

    // Null unless both profiles (Little CMS handles) are RGB matrix-shapers.
    static std::unique_ptr<const MatrixShaper> make(void *source, void *destination);

    // Converts 32-bit pixels (0xAARRGGBB words) in place, or from one
    // image into another of the same size; alpha is kept.
    void apply(QImage &image) const;
    void apply(const QImage &from, QImage &to) const;
    void apply(const QImage &from, QImage &to, Kernel kernel) const;
    // Whether the processor runs `kernel` and this conversion's curves
    // allow it.
    bool offers(Kernel kernel) const;

private:
    MatrixShaper() = default;
    quint32 convert(quint32 pixel) const;
    void applyTables(const QImage &from, QImage &to) const;
    void applyOctaves(const QImage &from, QImage &to) const;
    void tabulateOutput(int channel, const void *curve);
    bool fitOctaves(int channel, const void *curve);
    void copyOutput(int from, int to);

    static constexpr int OutSteps = 4096;
    static constexpr int Octaves = 32;
    std::array<std::array<float, 256>, 3> m_in{};
    std::array<float, 9> m_matrix{};
    std::vector<unsigned char> m_out; // 3 × (OutSteps + 1)
    std::vector<qint32> m_wide;       // the same levels as words, for gathering
    // For each channel and power of the cubic (constant first), the
    // coefficients of the octaves [2^(o-31), 2^(o-30)) of light, in levels;
    // the last octave holds the level of full light.
    std::array<std::array<std::array<float, Octaves>, 4>, 3> m_cubics{};
    bool m_cubicsFit = false; // on a processor with AVX-512, within 0.3 of a level
    bool m_oneCurve = false; // the destination's three curves are one
};
