#pragma once

#include "library/ColourProfile.h"
#include "library/MatrixShaper.h"
#include "library/RenderingIntent.h"

#include <QByteArray>
#include <QHash>
#include <QMutex>

#include <memory>

class QImage;

// One transform between profiles, on 32-bit pixels of QImage (RGB32,
// ARGB32); usable from several threads at once. A Little CMS transform, or,
// between two profiles of three tone curves and a matrix (most photographs'
// and screens'), a MatrixShaper, which does the same sums several times
// faster on the millions of pixels of a printed page.
class ColourTransform
{
public:
    explicit ColourTransform(void *handle) : m_handle(handle) {}
    explicit ColourTransform(std::unique_ptr<const MatrixShaper> matrixShaper)
        : m_handle(nullptr), m_matrixShaper(std::move(matrixShaper)) {}
    ~ColourTransform();
    ColourTransform(const ColourTransform &) = delete;
    ColourTransform &operator=(const ColourTransform &) = delete;

    // Converts the pixels of `image` in place (made RGB32 or ARGB32 first
    // when it is of another format).
    void apply(QImage &image) const;
    // Converts `from` into `to`: RGB32 or ARGB32 images of one size and
    // format.
    void apply(const QImage &from, QImage &to) const;

private:
    void *m_handle;
    std::unique_ptr<const MatrixShaper> m_matrixShaper;
};

// The transforms made so far, by source, destination, intent and black-point
// compensation: each is made once, on first use, and then shared by every
// thread that converts. Soft-proof transforms are kept the same way.
class ColourTransformCache
{
public:
    static ColourTransformCache &instance();

    // Null when Little CMS cannot join the two profiles.
    std::shared_ptr<const ColourTransform> transform(const ColourProfile &source, const ColourProfile &destination,
                                                     RenderingIntent intent, bool blackPointCompensation);
    // Screen numbers `screen` shown as `printer` would print them with
    // `intent`, paper white included; with `markGamut` the colours the
    // printer cannot reach turn grey.
    std::shared_ptr<const ColourTransform> proof(const ColourProfile &screen, const ColourProfile &printer,
                                                 RenderingIntent intent, bool markGamut);
    // How many transforms were made (not found kept).
    int made() const;

private:
    ColourTransformCache() = default;
    mutable QMutex m_mutex;
    QHash<QByteArray, std::shared_ptr<const ColourTransform>> m_transforms;
    int m_made = 0;
};
