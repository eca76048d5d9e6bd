#pragma once

#include "formats/LogoDefaults.h"
#include "formats/StampDefaults.h"
#include "library/HeldBytes.h"
#include "library/ImageFile.h"

#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTransform>

class ByteBudget;
class ImageSource;
struct PreviewRule;

// The rectangle of a frame on the paper, in hundredths of a millimetre from
// the paper's top-left corner. It belongs to the layout.
struct FrameGeometry
{
    qint32 x = 0;
    qint32 y = 0;
    qint32 width = 0;
    qint32 height = 0;

    QRect rect() const { return QRect(x, y, width, height); }
};

// The photograph a frame shows and how it lies in it. An empty fileName
// means an empty frame.
struct FrameContent
{
    qint32 rotation = 0; // 0, 90, 180, 270 clockwise, applied to the image data first
    bool turned = false; // the rotated photograph lies across the frame (a further 270)
    QString fileName;
    QDateTime fileTime;
    QDateTime shotTime;
    qint32 fileSize = 0;
    HeldBytes fileData;    // the file's bytes while the budget allows
    qint32 imageWidth = 0; // full resolution, after rotation
    qint32 imageHeight = 0;
    qint32 cropX = 0; // full-resolution pixels; may reach beyond the image
    qint32 cropY = 0;
    qint32 cropWidth = 0;
    qint32 cropHeight = 0;
};

// What is made again from the photograph whenever it is read, and never
// stored: the reduced copy shown on screen and what reading found wrong.
struct FrameCache
{
    QImage preview; // reduced copy of the rotated photograph
    DecodeFault fault = DecodeFault::None;
};

// One frame of a page, made of parts: its geometry, its content, the stamp
// and logo printed over it and the cache made from the photograph. Moving a
// photograph between frames moves every part but the geometry.
struct PhotoFrame : FrameGeometry, FrameContent
{
    StampStyle stamp;
    LogoStyle logo;
    FrameCache cache;

    FrameGeometry &geometry() { return *this; }
    const FrameGeometry &geometry() const { return *this; }
    FrameContent &content() { return *this; }
    const FrameContent &content() const { return *this; }

    bool isEmpty() const { return fileName.isEmpty(); }

    // Takes every part of `from` but its geometry: this frame keeps its own
    // rectangle; the turn flag and crop come along and are for the caller to
    // recompute for the new shape (or to carry, see exchangeContent).
    void takeContent(const PhotoFrame &from);
    // Swaps the whole content of two frames, crop rectangles and turn flags
    // included; the geometry of each stays.
    void exchangeContent(PhotoFrame &other);

    // Stamp and logo fields from the defaults (the font only when asked).
    void applyDefaults(const StampDefaults &stampValues, const LogoDefaults &logoValues, bool withFont);
    void applyStamp(const StampDefaults &stampValues, bool withFont);
    void applyLogo(const LogoDefaults &logoValues) { logo = logoValues; }

    void turnFromImage();
    void turnFromCrop();
    void fitCrop();
    void fillCrop();
    void autoCrop(bool fill);
    void rotateBy(int newRotation);

    // Reads the file (when fileData is empty; plain files only, not yet
    // held against a budget) and makes the preview by `rule`.
    void loadImage(const PreviewRule &rule);
    // The preview from a reduced decoding of the file (not yet turned) and
    // the file's full size, as loadImage makes it.
    void takeDecoded(const QImage &decoded, const QSize &full);
    // After a fill: keeps fileData only while `budget` allows.
    void keepDataWithinBudget(ByteBudget &budget);
    // Lets the file's bytes go (fileName is left).
    void releaseData() { fileData.clear(); }

    QImage previewCrop() const;
    // The preview crop as the page canvas shows it: where the crop reaches
    // beyond the photograph the white band is edged in blue.
    QImage canvasCrop() const;
    QImage fullCrop(const ImageSource &source) const;
    // The photograph at full resolution as its file stores it, not yet
    // turned by `rotation`: from fileData, else read through `source`.
    QImage fullImage(const ImageSource &source) const;
    // fullCrop() of an image fullImage() gave.
    QImage fullCrop(const QImage &decoded) const;
    // The photograph as a page drawn at `density` device pixels per
    // hundredth of a millimetre needs it: only the part of the stored image
    // the crop shows, with no more pixels than the frame has on the device
    // (a density of 0: at full resolution). Not yet turned by `rotation`.
    DecodedImage photoFor(const ImageSource &source, double density) const;
    // The bytes of the file: fileData, else read through `source`.
    QByteArray photoBytes(const ImageSource &source) const;
    // What photoFor() decodes of an image stored at `stored` pixels: the
    // part `region` (empty: the whole image) with at most the pixels
    // returned (invalid: at full resolution).
    QSize pixelsFor(const QSize &stored, double density, QRect *region) const;
    // The frame as it shows a file now stored at `stored` pixels (the file
    // changed on disk since the crop was made): the crop carried over in
    // proportion, same shape, same centre. Itself when the size is the one
    // the frame knows.
    PhotoFrame forStoredSize(const QSize &stored) const;
    // The part of an image stored at `stored` pixels that the crop shows,
    // in stored pixels (the crop is in those of the turned image).
    QRect storedCrop(const QSize &stored) const;

    // From the pixels of an image of `size` to those of the same image
    // turned clockwise by `rotation` (quarter turns).
    static QTransform rotationTransform(int rotation, const QSize &size);
};
