#include "arrange/PageRenderer.h"

#include "formats/Rounding.h"
#include "formats/StampPosition.h"
#include "arrange/CutGuides.h"
#include "arrange/FrameImages.h"
#include "library/ImageFile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

#include <cmath>
#include <utility>

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VELMORA_X86_VECTOR_STATE 1
#endif

namespace {

#ifdef VELMORA_X86_VECTOR_STATE
__attribute__((target("avx"))) void zeroUpperHalves() { _mm256_zeroupper(); }
#endif

// Drawing large text leaves the upper halves of the AVX registers in use on
// the drawing thread; until they are cleared, the SSE code that scales and
// turns images runs at half its speed on some processors. Called before a
// photograph is drawn.
void clearVectorState()
{
#ifdef VELMORA_X86_VECTOR_STATE
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        zeroUpperHalves();
#endif
}

// Draws the part `source` of `image` through `toFrame` into the frame `r`,
// and paints white the parts of the frame it does not cover (where the crop
// reaches beyond the photograph); all of `r` is white when nothing shows.
void drawCropped(QPainter &painter, const QRectF &r, const QTransform &toFrame, const QImage &image,
                 const QRectF &source)
{
    const QRectF seen = source.isEmpty() ? QRectF() : toFrame.mapRect(source) & r;
    painter.save();
    if (seen.isEmpty()) {
        painter.fillRect(r, Qt::white);
    } else {
        const QRectF bands[] = {
            QRectF(r.left(), r.top(), r.width(), seen.top() - r.top()),
            QRectF(r.left(), seen.bottom(), r.width(), r.bottom() - seen.bottom()),
            QRectF(r.left(), seen.top(), seen.left() - r.left(), seen.height()),
            QRectF(seen.right(), seen.top(), r.right() - seen.right(), seen.height()),
        };
        for (const QRectF &band : bands)
            if (band.width() > 0 && band.height() > 0)
                painter.fillRect(band, Qt::white);
        painter.setTransform(toFrame, true);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        clearVectorState();
        painter.drawImage(source, image, source);
    }
    painter.restore();
}

// Hundredths of a millimetre per pixel of a 96 dots-per-inch device: the
// resolution the fixed pixel sizes below are given for.
constexpr double ScreenScale = 2540.0 / 96.0;

// White bands of a frame in the photograph's own orientation (before the
// frame turns it), in units of the frame's rectangle.
struct Bands
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

Bands cropBands(const PhotoFrame &f, const QRectF &rect)
{
    Bands b;
    const double side = f.turned ? rect.height() : rect.width();
    if (f.cropWidth <= 0 || side <= 0)
        return b;
    const double s = double(f.cropWidth) / side;
    // In 64 bits: a crafted crop may reach the ends of the integers.
    b.left = qMax(-qint64(f.cropX), qint64(0)) / s;
    b.top = qMax(-qint64(f.cropY), qint64(0)) / s;
    b.right = qMax(qint64(f.cropX) + f.cropWidth - f.imageWidth, qint64(0)) / s;
    b.bottom = qMax(qint64(f.cropY) + f.cropHeight - f.imageHeight, qint64(0)) / s;
    return b;
}

// The bands as they lie on the page: a turned photograph is drawn a quarter
// turn anticlockwise, so its top edge comes to the left.
Bands pageBands(const PhotoFrame &f, const QRectF &rect)
{
    const Bands c = cropBands(f, rect);
    if (!f.turned)
        return c;
    Bands b;
    b.left = c.top;
    b.top = c.right;
    b.right = c.bottom;
    b.bottom = c.left;
    return b;
}

// Turns the painter about the centre of `r`. After a turn of 270 degrees
// the x axis runs up the frame from its bottom edge (x = r.top() there) and
// the y axis runs across it from its left edge (y = r.left()); after 180
// degrees the frame keeps its own coordinates, upside down.
void turnAbout(QPainter &p, const QRectF &r, int degrees)
{
    p.translate(r.x() + r.width() / 2, r.y() + r.height() / 2);
    p.rotate(degrees);
    if (degrees == 270)
        p.translate(-r.y() - r.height() / 2, -r.x() - r.width() / 2);
    else
        p.translate(-r.x() - r.width() / 2, -r.y() - r.height() / 2);
}

// Gives `font` a size of `points` points as they would be on a 96 dpi device,
// in the painter's logical units, whatever resolution its device reports.
void setScaledFont(QPainter &p, QFont font, double points)
{
    const int dpi = p.device() ? p.device()->logicalDpiY() : 96;
    font.setPointSizeF(qMax(points * 96.0 / (dpi > 0 ? dpi : 96), 0.01));
    p.setFont(font);
}

double pointSizeOf(const QFont &font)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    if (font.pixelSize() > 0)
        return font.pixelSize() * 72.0 / 96.0;
    return 10.0;
}

int stampFlags(StampPosition position)
{
    switch (position) {
    case StampPosition::AlongTopLeft: return Qt::AlignLeft | Qt::AlignTop;
    case StampPosition::AlongTopRight: return Qt::AlignRight | Qt::AlignTop;
    case StampPosition::AlongBottomLeft: return Qt::AlignLeft | Qt::AlignBottom;
    case StampPosition::AlongBottomRight: return Qt::AlignRight | Qt::AlignBottom;
    case StampPosition::AcrossTopRight: return Qt::AlignRight | Qt::AlignTop;
    case StampPosition::AcrossBottomRight: return Qt::AlignRight | Qt::AlignBottom;
    case StampPosition::AcrossTopLeft: return Qt::AlignLeft | Qt::AlignTop;
    case StampPosition::AcrossBottomLeft: break;
    }
    return Qt::AlignLeft | Qt::AlignBottom;
}

// The logo decoded: every frame of a page usually carries the same one, so
// the last one decoded on this thread is kept while its file is unchanged.
QImage logoImage(const QString &fileName, const ImageSource &source)
{
    struct Kept
    {
        QString name;
        QString project;
        QDateTime modified;
        qint64 size = -1;
        QImage image;
    };
    thread_local Kept kept;
    const QFileInfo info(fileName);
    const QString &project = source.projectPath();
    if (kept.name != fileName || kept.project != project || kept.modified != info.lastModified()
        || kept.size != info.size()) {
        kept.image = decodeImage(source.bytes(fileName));
        kept.name = fileName;
        kept.project = project;
        kept.modified = info.lastModified();
        kept.size = info.size();
    }
    return kept.image;
}

void drawLogo(QPainter &p, const PhotoFrame &f, const QRectF &r, const ImageSource &source)
{
    if (!f.logo.printLogo || f.logo.fileName.isEmpty())
        return;
    const QImage logo = logoImage(f.logo.fileName, source);
    if (logo.isNull())
        return;
    const double pw = logo.width();
    const double ph = logo.height();
    const Bands seen = pageBands(f, r);
    double aw = r.width() - seen.left - seen.right;
    double ah = r.height() - seen.top - seen.bottom;
    if (aw <= 0 || ah <= 0)
        return;
    const double g = std::sqrt(aw * ah / ph / pw) * f.logo.size / 100.0;
    // The logo sits on the photograph, in the photograph's own orientation.
    const Bands c = cropBands(f, r);
    QPointF origin(r.x() + c.left, r.y() + c.top);
    p.save();
    if (f.turned) {
        turnAbout(p, r, 270);
        std::swap(aw, ah);
        origin = QPointF(r.y() + c.left, r.x() + c.top);
    }
    const double px = f.logo.posX / 100.0;
    const double py = f.logo.posY / 100.0;
    double x = 0;
    double y = 0;
    switch (f.logo.horizontal) {
    case LogoPlace::Start: x = aw * px; break;
    case LogoPlace::Centre: x = (px + 0.5) * aw - pw * g * 0.5; break;
    case LogoPlace::End: x = (1 - px) * aw - pw * g; break;
    }
    switch (f.logo.vertical) {
    case LogoPlace::Start: y = ah * py; break;
    case LogoPlace::Centre: y = (py + 0.5) * ah - ph * g * 0.5; break;
    case LogoPlace::End: y = (1 - py) * ah - ph * g; break;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(origin.x() + x, origin.y() + y, pw * g, ph * g), logo);
    p.restore();
}

void drawStamp(QPainter &p, const PhotoFrame &f, const QRectF &r, double scale)
{
    if (!f.stamp.printDateStamp && !f.stamp.printFileName)
        return;
    const QString text = PageRenderer::stampText(f);
    if (text.isEmpty())
        return;
    p.save();
    p.setPen(f.stamp.color.isValid() ? f.stamp.color : QColor(Qt::black));
    setScaledFont(p, f.stamp.font, pointSizeOf(f.stamp.font) * 30.0 / scale);
    const double pad = 500.0 / scale; // 5 mm
    const Bands c = cropBands(f, r);
    const double fx = r.x(), fy = r.y(), fw = r.width(), fh = r.height();
    const StampPosition position = f.stamp.position;
    const bool across = readsAcross(position);
    QRectF box;
    if (!across && !f.turned) {
        box = QRectF(fx + c.left + pad, fy + c.top + pad, fw - 2 * pad - c.left - c.right,
                     fh - 2 * pad - c.top - c.bottom);
    } else if (!across) {
        // Along a turned photograph: in its own orientation.
        turnAbout(p, r, 270);
        box = QRectF(fy + c.left + pad, fx + c.top + pad, fh - 2 * pad - c.left - c.right,
                     fw - 2 * pad - c.top - c.bottom);
    } else if (!f.turned) {
        turnAbout(p, r, 270);
        box = QRectF(fy + c.bottom + pad, fx + c.left + pad, fh - 2 * pad - c.top - c.bottom,
                     fw - 2 * pad - c.left - c.right);
    } else {
        turnAbout(p, r, 180);
        box = QRectF(fx + c.bottom + pad, fy + c.left + pad, fw - 2 * pad - c.top - c.bottom,
                     fh - 2 * pad - c.left - c.right);
    }
    if (box.width() > 0 && box.height() > 0)
        p.drawText(box, stampFlags(position), text);
    p.restore();
}

void drawCredit(QPainter &p, const PhotoFrame &f, const QRectF &r, double scale, const QString &text)
{
    if (text.isEmpty())
        return;
    double fs = r.width() / 30.0;
    if (500.0 / scale <= fs)
        fs = 500.0 / scale;
    if (fs < 200.0 / scale)
        fs = 200.0 / scale;
    const QRectF seen = PageRenderer::visiblePhotoRect(f, r);
    const QRectF box(seen.x(), seen.y(), seen.width(), seen.height() - fs / 2);
    if (box.width() <= 0 || box.height() <= 0)
        return;
    p.save();
    p.setPen(Qt::white);
    setScaledFont(p, QFont(QStringLiteral("Times")), fs);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, text);
    p.restore();
}

} // namespace

void PageRenderer::drawPage(QPainter &painter, const Page &page, const QRectF &area,
                            const RenderOptions &options)
{
    // The next photographs are decoded (and turned) while the current one is
    // drawn.
    // Each with the pixels its frame has on the device.
    const double printable = page.printableWidth();
    const double density = printable > 0 && area.width() > 0 ? deviceDensity(painter, printable / area.width()) : 0;
    FrameImages images(page.frames, options.source, 2, FrameImages::Turn::AsShown, density, options.colour);
    drawPage(painter, page, area, images, options);
}

void PageRenderer::drawPage(QPainter &painter, const Page &page, const QRectF &area, FrameImages &images,
                            const RenderOptions &options)
{
    const double printable = page.printableWidth();
    if (printable <= 0 || area.width() <= 0)
        return;
    const double scale = printable / area.width();
    const double offsetX = page.left / scale - area.left();
    const double offsetY = page.top / scale - area.top();
    // Trim marks lie beside the photographs, never on them.
    if (options.cutGuides)
        CutGuides::draw(painter, CutGuides::lines(page), scale, offsetX, offsetY);
    for (int i = 0; i < page.frames.size(); ++i)
        drawFrame(painter, page.frames.at(i), images.take(i), scale, offsetX, offsetY, options);
}

double PageRenderer::frameReach(double scale) { return 1.2 * ScreenScale / scale + 1; }

void PageRenderer::drawPage(QPainter &painter, const Page &page, const RenderOptions &options)
{
    // The window's real width: a QRect's right() is one less.
    drawPage(painter, page, QRectF(painter.window()), options);
}

QRectF PageRenderer::frameRect(const PhotoFrame &frame, double scale, double offsetX, double offsetY)
{
    return QRectF(frame.x / scale - offsetX, frame.y / scale - offsetY, frame.width / scale,
                  frame.height / scale);
}

QRectF PageRenderer::visiblePhotoRect(const PhotoFrame &frame, const QRectF &rect)
{
    const Bands b = pageBands(frame, rect);
    return rect.adjusted(b.left, b.top, -b.right, -b.bottom);
}

void PageRenderer::drawFrame(QPainter &painter, const PhotoFrame &frame, double scale, double offsetX,
                             double offsetY, const RenderOptions &options)
{
    if (frame.fileName.isEmpty() || frame.cache.preview.isNull() || scale <= 0)
        return;
    // Decoded once, with the pixels the frame has on the device (from the
    // held bytes, else the file).
    DecodedImage decoded = frame.photoFor(options.source, deviceDensity(painter, scale));
    options.colour.convert(decoded.image, decoded.profile);
    drawFrame(painter, frame, decoded, scale, offsetX, offsetY, options);
}

void PageRenderer::drawFrame(QPainter &painter, const PhotoFrame &given, const DecodedImage &decoded, double scale,
                             double offsetX, double offsetY, const RenderOptions &options)
{
    // A file changed on disk since its crop was made is shown as the frame
    // showed the old one, not cut by a crop meant for other pixels.
    const PhotoFrame frame = given.forStoredSize(decoded.stored);
    if (frame.fileName.isEmpty() || frame.cache.preview.isNull() || scale <= 0)
        return;
    const QRectF r = frameRect(frame, scale, offsetX, offsetY);
    painter.save();
    const double reach = frameReach(scale);
    painter.setClipRect(r.adjusted(-reach, -reach, reach, reach), Qt::IntersectClip);
    if (options.printFrame) {
        // 1.2 pixels of a 96 dpi device.
        painter.setPen(QPen(QBrush(Qt::lightGray), 1.2 * ScreenScale / scale, Qt::SolidLine, Qt::SquareCap,
                            Qt::BevelJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r);
    }
    if (frame.cropWidth > 0 && frame.cropHeight > 0)
        drawDecoded(painter, frame, decoded, r);
    drawOverlays(painter, frame, r, scale, options);
    drawCredit(painter, frame, r, scale, options.creditText);
    painter.restore();
}

void PageRenderer::drawDecoded(QPainter &painter, const PhotoFrame &frame, const DecodedImage &decoded, const QRectF &r)
{
    // The photograph goes to the device straight from the decoded image (the
    // part of the stored image the crop needs, reduced to the frame's device
    // pixels, perhaps turned upright already): one transform takes it back to
    // the stored image, turns it by its rotation, cuts it to the crop, turns
    // it a quarter anticlockwise when the frame is turned and scales it to
    // the frame; for an upright image the turns cancel and it is plain
    // scaling. Only the part inside the crop is drawn, the rest of the frame
    // painted white; no image of the crop is made.
    const QImage &image = decoded.image;
    const QRect &region = decoded.region;
    QTransform toFrame;
    QRectF source;
    if (!image.isNull() && !region.isEmpty()) {
        const QSize unturned = decoded.turns % 2 == 1 ? image.size().transposed() : image.size();
        const QTransform turn = rotationTransform(90 * decoded.turns, unturned);
        const QTransform toStored(double(region.width()) / unturned.width(), 0, 0,
                                  double(region.height()) / unturned.height(), region.x(), region.y());
        const QTransform fromImage = turn.inverted() * toStored;
        toFrame = fromImage * photoTransform(frame, decoded.stored, r);
        const QRectF crop(frame.cropX, frame.cropY, frame.cropWidth, frame.cropHeight);
        const QRectF inStored = rotationTransform(frame.rotation, decoded.stored).inverted().mapRect(crop);
        source = fromImage.inverted().mapRect(inStored) & QRectF(image.rect());
    }
    drawCropped(painter, r, toFrame, image, source);
}

double PageRenderer::deviceDensity(const QPainter &painter, double scale)
{
    if (scale <= 0)
        return 0;
    // Device pixels per logical unit: the root of the area one unit square covers.
    return std::sqrt(std::abs(painter.deviceTransform().determinant())) / scale;
}

void PageRenderer::drawFrame(QPainter &painter, const PhotoFrame &frame, const QImage &decoded, double scale,
                             double offsetX, double offsetY, const RenderOptions &options)
{
    drawFrame(painter, frame, DecodedImage::whole(decoded), scale, offsetX, offsetY, options);
}

QImage PageRenderer::uprightImage(const PhotoFrame &frame, const QImage &decoded)
{
    // Scaling through a turn is the slowest way the painter draws an image;
    // turning the pixels first is a plain copy, and the turned image is then
    // scaled as an upright one would be, to the same pixels.
    const int turns = quarterTurns(frame);
    if (turns == 0 || decoded.isNull())
        return decoded;
    return decoded.transformed(QTransform().rotate(90 * turns));
}

int PageRenderer::quarterTurns(const PhotoFrame &frame)
{
    // The rotation clockwise, and a further three quarters for a turned frame.
    return ((frame.rotation / 90 + (frame.turned ? 3 : 0)) % 4 + 4) % 4;
}

QTransform PageRenderer::rotationTransform(int rotation, const QSize &size)
{
    return PhotoFrame::rotationTransform(rotation, size);
}

QTransform PageRenderer::photoTransform(const PhotoFrame &frame, const QSize &decoded, const QRectF &r)
{
    QTransform t = rotationTransform(frame.rotation, decoded);
    t *= QTransform::fromTranslate(-double(frame.cropX), -double(frame.cropY));
    double shownWidth = frame.cropWidth;
    double shownHeight = frame.cropHeight;
    if (frame.turned) {
        // A quarter turn anticlockwise: the crop's top edge comes to the left.
        t *= QTransform(0, -1, 1, 0, 0, frame.cropWidth);
        std::swap(shownWidth, shownHeight);
    }
    t *= QTransform(r.width() / shownWidth, 0, 0, r.height() / shownHeight, r.x(), r.y());
    return t;
}

void PageRenderer::drawOverlays(QPainter &painter, const PhotoFrame &frame, const QRectF &rect, double scale,
                                const RenderOptions &options)
{
    if (scale <= 0)
        return;
    drawLogo(painter, frame, rect, options.source);
    drawStamp(painter, frame, rect, scale);
}

QImage PageRenderer::pageThumbnail(const Page &page, int width, int height, int divisor)
{
    QImage out(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32);
    out.fill(Qt::white);
    if (divisor <= 0)
        return out;
    QPainter p(&out);
    p.setPen(Qt::green);
    p.drawRect(0, 0, width - 1, height - 1);
    for (const PhotoFrame &f : page.frames) {
        const QRectF box(f.x / divisor, f.y / divisor, f.width / divisor - 1, f.height / divisor - 1);
        if (!f.fileName.isEmpty() && !f.cache.preview.isNull()) {
            QImage crop = f.previewCrop();
            if (f.turned)
                crop = crop.transformed(QTransform().rotate(270));
            if (!crop.isNull()) {
                crop = crop.scaled(qMax(f.width / divisor, 1), qMax(f.height / divisor, 1), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
                p.drawImage(box, crop);
            }
        }
        p.setPen(Qt::gray);
        p.drawRect(box);
    }
    return out;
}

QPixmap PageRenderer::pageThumbnailPixmap(const Page &page, int width, int height, int divisor)
{
    return QPixmap::fromImage(pageThumbnail(page, width, height, divisor));
}

QString PageRenderer::stampText(const PhotoFrame &frame)
{
    const QString name = frame.stamp.printFileName ? fileBaseName(frame.fileName) : QString();
    QString date;
    if (frame.stamp.printDateStamp && frame.shotTime.isValid())
        date = QLocale::system().toString(frame.shotTime.date(), QLocale::ShortFormat);
    if (name.isEmpty())
        return date;
    if (date.isEmpty())
        return name;
    return name + QLatin1Char('\n') + date;
}

