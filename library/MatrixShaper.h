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
class MatrixShaper
{
public:
    // Null unless both profiles (Little CMS handles) are RGB matrix-shapers.
    static std::unique_ptr<const MatrixShaper> make(void *source, void *destination);

    // Converts 32-bit pixels (0xAARRGGBB words) in place; alpha is kept.
    void apply(QImage &image) const;

private:
    MatrixShaper() = default;
    quint32 convert(quint32 pixel) const;
    void applyWide(QImage &image) const;
    static constexpr int OutSteps = 4096;
    std::array<std::array<float, 256>, 3> m_in{};
    std::array<float, 9> m_matrix{};
    std::vector<unsigned char> m_out; // 3 × (OutSteps + 1)
    std::vector<qint32> m_wide;       // the same levels as words, for gathering
};
