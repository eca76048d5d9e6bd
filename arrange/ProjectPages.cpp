#include "arrange/ProjectPages.h"

#include "library/StreamLimits.h"

#include <QDataStream>
#include <QObject>

namespace ProjectPages {

namespace {

// Lower bounds of the stored size: a page is six numbers, a title and a
// frame count; a frame at least sixteen numbers and flags, two strings and
// two dates.
constexpr qint64 MinPageBytes = 32;
constexpr qint64 MinFrameBytes = 90;

const char *const Unwritten = QT_TRANSLATE_NOOP("QObject", "The pages could not be written.");
const char *const Damaged = QT_TRANSLATE_NOOP("QObject", "The pages are damaged.");

QString pageError(const char *verb, int page, int frame = -1)
{
    QString text = QLatin1String(verb) + QStringLiteral(" PageFrame ") + QString::number(page);
    if (frame >= 0)
        text += QLatin1Char(':') + QString::number(frame);
    return text;
}

void writeFrame(QDataStream &out, const PhotoFrame &f)
{
    out << f.x << f.y << f.width << f.height << f.rotation << f.turned << f.fileName << f.fileTime << f.shotTime
        << f.fileSize << f.imageWidth << f.imageHeight << f.cropX << f.cropY << f.cropWidth << f.cropHeight
        << f.stamp.printDateStamp << f.stamp.font << f.stamp.color << packStamp(f) << f.logo.printLogo;
    if (f.logo.printLogo)
        out << qint32(f.logo.horizontal) << qint32(f.logo.vertical) << f.logo.size << f.logo.posX << f.logo.posY
            << f.logo.fileName;
}

// A colour is its kind (one byte: rgb, hsv, cmyk...) and five 16-bit numbers.
// The toolkit's own reader takes any byte as a kind; one it does not know is
// damage.
void readColor(QDataStream &in, QColor &color)
{
    QByteArray raw(11, '\0');
    if (in.readRawData(raw.data(), raw.size()) != raw.size()) {
        in.setStatus(QDataStream::ReadPastEnd);
        return;
    }
    const auto kind = qint8(raw.at(0));
    if (kind < QColor::Invalid || kind > QColor::ExtendedRgb) {
        in.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    QDataStream part(raw);
    part.setVersion(in.version());
    part >> color;
}

// False when the frame read holds a logo place the drawing code does not
// know: the file is damaged.
bool readFrame(QDataStream &in, PhotoFrame &f, bool withLogo)
{
    qint32 packed = 0;
    in >> f.x >> f.y >> f.width >> f.height >> f.rotation >> f.turned >> f.fileName >> f.fileTime >> f.shotTime
        >> f.fileSize >> f.imageWidth >> f.imageHeight >> f.cropX >> f.cropY >> f.cropWidth >> f.cropHeight
        >> f.stamp.printDateStamp >> f.stamp.font;
    readColor(in, f.stamp.color);
    in >> packed;
    unpackStamp(packed, f);
    f.logo.printLogo = false;
    if (withLogo)
        in >> f.logo.printLogo;
    if (!f.logo.printLogo)
        return true;
    qint32 horizontal = 0;
    qint32 vertical = 0;
    in >> horizontal >> vertical >> f.logo.size >> f.logo.posX >> f.logo.posY >> f.logo.fileName;
    return logoPlaceFrom(horizontal, f.logo.horizontal) && logoPlaceFrom(vertical, f.logo.vertical);
}

// The longest length a page or a frame may have (100 m) and the largest
// crop coordinate (any side of an image within the pixel cap, with white
// bands around it many times its size): sums of a few stay within int.
constexpr qint32 MaxLength = 10000000;
constexpr qint32 MaxCrop = 1 << 28;

bool within(qint32 v, qint32 low, qint32 high) { return v >= low && v <= high; }

// What the drawing code relies on: whole quarter turns (logo places are
// checked as they are read), a frame no larger than a page can be, a crop within the reach of an
// image's pixels.
bool plausible(const PhotoFrame &f)
{
    return f.rotation >= 0 && f.rotation < 360 && f.rotation % 90 == 0
           && within(f.x, -MaxLength, MaxLength) && within(f.y, -MaxLength, MaxLength)
           && within(f.width, 0, MaxLength) && within(f.height, 0, MaxLength)
           && within(f.imageWidth, 0, MaxCrop) && within(f.imageHeight, 0, MaxCrop)
           && within(f.cropX, -MaxCrop, MaxCrop) && within(f.cropY, -MaxCrop, MaxCrop)
           && within(f.cropWidth, 0, MaxCrop) && within(f.cropHeight, 0, MaxCrop);
}

// A paper no larger than a page can be, whose margins lie on it.
bool plausible(const Page &p)
{
    return within(p.width, 0, MaxLength) && within(p.height, 0, MaxLength) && p.left >= 0 && p.right >= 0
           && p.top >= 0 && p.bottom >= 0 && qint64(p.left) + p.right <= p.width && qint64(p.top) + p.bottom <= p.height;
}

} // namespace

qint32 packStamp(const PhotoFrame &frame)
{
    return (qint32(frame.stamp.position) & 7) | (frame.stamp.printFileName ? 8 : 0);
}

void unpackStamp(qint32 packed, PhotoFrame &frame)
{
    frame.stamp.position = StampPosition(packed & 7);
    frame.stamp.printFileName = (packed & 8) != 0;
}

Outcome write(QDataStream &out, const QVector<Page> &pages, QMap<QString, QByteArray> &files)
{
    out << qint32(pages.size());
    if (out.status() != QDataStream::Ok)
        return Outcome::failure(Unwritten, QStringLiteral("Save PageFrame."));
    for (int p = 0; p < pages.size(); ++p) {
        const Page &page = pages[p];
        out << page.height << page.width << page.top << page.bottom << page.left << page.right << page.title
            << qint32(page.frames.size());
        if (out.status() != QDataStream::Ok)
            return Outcome::failure(Unwritten, pageError("Save", p));
        for (int i = 0; i < page.frames.size(); ++i) {
            const PhotoFrame &f = page.frames[i];
            writeFrame(out, f);
            if (out.status() != QDataStream::Ok)
                return Outcome::failure(Unwritten, pageError("Save", p, i));
            if (!files.contains(f.fileName) || !f.fileData.isEmpty())
                files.insert(f.fileName, f.fileData.bytes());
            if (f.logo.printLogo && !files.contains(f.logo.fileName))
                files.insert(f.logo.fileName, QByteArray());
        }
    }
    return Outcome();
}

Outcome read(QDataStream &in, QVector<Page> &pages, bool withLogo)
{
    pages.clear();
    qint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || !countFits(in, count, MinPageBytes))
        return Outcome::failure(Damaged, QStringLiteral("Load PageFrame."));
    if (count > MaxPages)
        return Outcome::failure(Damaged, QObject::tr("The project holds %1 pages; at most %2 are read.")
                                             .arg(count)
                                             .arg(MaxPages));
    qint64 allFrames = 0;
    for (qint32 p = 0; p < count; ++p) {
        Page page;
        qint32 frames = 0;
        in >> page.height >> page.width >> page.top >> page.bottom >> page.left >> page.right >> page.title >> frames;
        if (in.status() != QDataStream::Ok || !countFits(in, frames, MinFrameBytes) || !plausible(page))
            return Outcome::failure(Damaged, pageError("Load", p));
        allFrames += frames;
        if (allFrames > MaxFrames)
            return Outcome::failure(Damaged, QObject::tr("The project holds more than %1 frames.").arg(MaxFrames));
        for (qint32 i = 0; i < frames; ++i) {
            PhotoFrame f;
            const bool known = readFrame(in, f, withLogo);
            if (in.status() != QDataStream::Ok || !known || !plausible(f))
                return Outcome::failure(Damaged, pageError("Load", p, i));
            page.frames.append(std::move(f));
        }
        pages.append(std::move(page));
    }
    return Outcome();
}

} // namespace ProjectPages
