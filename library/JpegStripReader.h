#pragma once

#include "library/ColourTarget.h"
#include "library/ImageFile.h"

#include <QByteArray>
#include <QRect>
#include <QSize>

#include <memory>

// Decodes a JPEG photograph straight into what a page draws: only the rows
// and columns of a part of it (the rest skipped, not decoded), reduced by
// the decoder itself (in eighths, as the compressed blocks allow), turned by
// quarter turns and converted to a colour target a strip of rows at a time,
// as they arrive. No image of the whole photograph, nor a turned copy, is
// ever made. JPEGs of three colour components only; for anything else
// isOpen() is false and another reader is used.
class JpegStripReader
{
public:
    // Reads the header of `bytes` (cut after the first MaxScans scans).
    explicit JpegStripReader(const QByteArray &bytes);
    ~JpegStripReader();
    JpegStripReader(const JpegStripReader &) = delete;
    JpegStripReader &operator=(const JpegStripReader &) = delete;

    // A JPEG this reader decodes.
    bool isOpen() const;
    // The size the file declares.
    QSize storedSize() const;
    // Whether the file is progressive (its coefficients are all held while
    // it is decoded).
    bool isProgressive() const;

    // The eighths (1 to 8) the part `region` of the stored image is decoded
    // at so as to have at least `atMost` less a pixel each way (an invalid
    // size: at full size).
    static int eighthsFor(const QRect &region, const QSize &atMost);
    // True when that reduction gives no more than twice the pixels asked
    // for each way (a frame far smaller than an eighth of its crop is better
    // served by a decoding scaled after it).
    static bool reducesEnough(const QRect &region, const QSize &atMost);
    // The bytes the decoding of `region` at `atMost` holds at most: the
    // image made and, for a progressive file, its coefficients.
    static qint64 bytesFor(const QSize &stored, const QRect &region, const QSize &atMost, bool progressive);

    // The part `region` of the stored image (empty: all of it), reduced as
    // eighthsFor() says, turned `turns` quarter turns clockwise and with its
    // colours converted to `colour`. The result's region is the part of the
    // stored image its pixels show (it may reach a few pixels beyond the
    // stored image, where the last pixels are repeated). Once only.
    DecodedImage read(const QRect &region, const QSize &atMost, int turns, const ColourTarget &colour);

private:
    struct Decoder;
    std::unique_ptr<Decoder> m_decoder;
    QByteArray m_bytes;
    bool m_cut = false;
};
