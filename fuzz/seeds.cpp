// Writes seed corpora for the fuzz targets from real files and the program's
// own writers:  fuzz_seeds <source folder> <corpus folder>
// makes <corpus>/exif, layoutfile, pagesetup, photosizes, profile, project,
// records, urilist, pagerender, projectexport, imagereaders.
#include "FuzzApp.h"

#include "app/ProjectFile.h"

#include "arrange/FrameRecord.h"
#include "formats/PhotoFrame.h"
#include "formats/PageSetup.h"
#include "formats/LayoutFile.h"
#include "formats/PhotoSizeSelect.h"
#include "library/ColourProfile.h"
#include "library/IconRecord.h"
#include "library/JpegProfile.h"
#include "library/IconsModel.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QUrl>

#include <cstdio>
#include <limits>

#include <zlib.h>

namespace {

QString corpus;

void put(const QString &target, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(corpus + QLatin1Char('/') + target);
    QFile file(corpus + QLatin1Char('/') + target + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// The EXIF reader sees the segments before the scan: the first 64 KiB of
// each sample JPEG are enough.
QStringList exifSeeds(const QString &source)
{
    QStringList jpegs;
    QDirIterator it(source + QStringLiteral("/tests/data/exif"), {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")},
                    QDir::Files, QDirIterator::Subdirectories);
    int n = 0;
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        jpegs << file.fileName();
        put(QStringLiteral("exif"), QString::number(n++) + QStringLiteral(".jpg"), file.read(65536));
    }
    return jpegs;
}

// Profiles on their own, a small JPEG carrying one in APP2 chunks and PNG
// files with and without iCCP.
void profileSeeds()
{
    const QByteArray adobe = ColourProfile::adobeRgb().icc();
    put(QStringLiteral("profile"), QStringLiteral("adobe.icc"), adobe);
    put(QStringLiteral("profile"), QStringLiteral("srgb.icc"), ColourProfile::srgb().icc());
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (const char *format : {"jpeg", "png"}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, format).write(image);
        put(QStringLiteral("profile"), QStringLiteral("plain.") + QLatin1String(format), bytes);
        if (QByteArray(format) == "jpeg")
            put(QStringLiteral("profile"), QStringLiteral("adobe.jpg"), withIccProfile(bytes, adobe));
    }
    image.setColorSpace(QColorSpace::AdobeRgb);
    image.save(corpus + QStringLiteral("/profile/adobe.png"));
}

void layoutSeeds()
{
    const QString path = corpus + QStringLiteral("/layout.vly");
    const QVector<QVector<QRectF>> layouts = {
        {},
        {QRectF(500, 500, 20000, 28700)},
        {QRectF(500, 500, 5000, 7000), QRectF(6500.4, 500, 5000, 7000), QRectF(500, 8500, 5000.5, 7000),
         QRectF(6500, 8500, 5000, 7000)},
    };
    int n = 0;
    for (const QVector<QRectF> &frames : layouts) {
        const Outcome written = LayoutFile::write(
            path, n == 1 ? QStringLiteral("Letter 215.9x279.4 mm") : QStringLiteral("A4 210x297 mm"), 21000, 29700,
            frames);
        QFile file(path);
        if (written && file.open(QIODevice::ReadOnly))
            put(QStringLiteral("layoutfile"), QString::number(n++) + QStringLiteral(".vly"), file.readAll());
        file.remove();
    }
}

// The page renderer's target: a byte choosing the way, then a card layout
// (even) or a photograph (odd).
void pageRenderSeeds(const QString &photo)
{
    const QString path = corpus + QStringLiteral("/card.vly");
    const Outcome written =
        LayoutFile::write(path, QStringLiteral("Card"), 10000, 15000,
                          {QRectF(500, 500, 4000, 6000), QRectF(5500, 500, 4000, 6000), QRectF(500, 7500, 9000, 7000)});
    QFile layout(path);
    if (written && layout.open(QIODevice::ReadOnly))
        put(QStringLiteral("pagerender"), QStringLiteral("card"), QByteArray(1, '\0') + layout.readAll());
    layout.remove();
    QFile jpeg(photo);
    if (jpeg.open(QIODevice::ReadOnly))
        put(QStringLiteral("pagerender"), QStringLiteral("photo"), QByteArray(1, '\1') + jpeg.readAll());
}

void settingsSeeds()
{
    PageSetup d;
    put(QStringLiteral("pagesetup"), QStringLiteral("default"), d.toBytes());
    d.unit = PageSetup::Inch;
    d.orientation = 1;
    d.paperSize = 6;
    d.borderless = true;
    d.width = 11;
    d.height = 8.5;
    put(QStringLiteral("pagesetup"), QStringLiteral("letter-landscape"), d.toBytes());
    d = PageSetup();
    d.unit = PageSetup::Centimetre;
    d.paperSize = 0;
    d.width = 10.2;
    d.height = 15.2;
    put(QStringLiteral("pagesetup"), QStringLiteral("user-size"), d.toBytes());
    put(QStringLiteral("photosizes"), QStringLiteral("mm"), PhotoSizeSelect::listToBytes(PhotoSizeSelect::defaultMillimetres()));
    put(QStringLiteral("photosizes"), QStringLiteral("in"), PhotoSizeSelect::listToBytes(PhotoSizeSelect::defaultInches()));
}

// Small photographs, so that the records (which carry a preview and the
// whole file) stay small inputs.
QStringList smallPhotos()
{
    QStringList names;
    const QString dir = corpus + QStringLiteral("/photos");
    QDir().mkpath(dir);
    const QSize sizes[] = {QSize(64, 48), QSize(30, 90), QSize(1, 1)};
    for (const QSize &s : sizes) {
        QImage img(s, QImage::Format_RGB32);
        img.fill(QColor(40, 120, 200));
        const QString name = dir + QStringLiteral("/%1x%2.jpg").arg(s.width()).arg(s.height());
        QImageWriter writer(name, "jpeg");
        writer.setQuality(50);
        if (writer.write(img))
            names << name;
    }
    return names;
}

QByteArray recordsOf(const QList<QUrl> &urls)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    IconsModel::itemsFromUrls(urls, out);
    return bytes;
}

void recordSeeds(const QStringList &photos, const QString &smallSample)
{
    QList<QUrl> urls;
    for (const QString &p : photos)
        urls << QUrl::fromLocalFile(p);
    put(QStringLiteral("records"), QStringLiteral("one"), recordsOf(urls.mid(0, 1)));
    put(QStringLiteral("records"), QStringLiteral("all"), recordsOf(urls));
    if (!smallSample.isEmpty())
        put(QStringLiteral("records"), QStringLiteral("sample"), recordsOf({QUrl::fromLocalFile(smallSample)}));

    // Photographs dragged out of page frames (state 3) and copied (state 0).
    QVector<PhotoFrame> frames(2);
    for (int i = 0; i < 2; ++i) {
        QFile file(photos.value(i));
        file.open(QIODevice::ReadOnly);
        frames[i].fileName = file.fileName();
        frames[i].fileData = HeldBytes::loose(file.readAll());
        frames[i].fileSize = frames[i].fileData.size();
        frames[i].cache.preview = QImage(file.fileName());
        frames[i].imageWidth = frames[i].cache.preview.width();
        frames[i].imageHeight = frames[i].cache.preview.height();
    }
    put(QStringLiteral("records"), QStringLiteral("dragged"), frameRecords(frames, {1, 0}, IconItem::State::FromFrame));
    put(QStringLiteral("records"), QStringLiteral("copied"), frameRecords(frames, {0, 1}, IconItem::State::New));

    QByteArray list;
    for (const QUrl &u : urls)
        list += u.toEncoded() + "\r\n";
    put(QStringLiteral("urilist"), QStringLiteral("photos"), list);
    put(QStringLiteral("urilist"), QStringLiteral("mixed"),
        "# copied files\r\n" + QUrl::fromLocalFile(photos.value(0)).toEncoded() + "\r\nfile:///nonexistent/a.jpg\r\n"
            + QUrl::fromLocalFile(corpus).toEncoded() + "\r\nhttp://example.org/b.jpg\r\n");
}

// Projects written by the program: empty, one page with photographs,
// stamps and a logo, and the same without any logo block.
void projectSeeds(const QStringList &photos)
{
    const QString path = corpus + QStringLiteral("/seed.vm2");
    const auto save = [&](const QString &name, const ProjectContents &c) {
        if (!ProjectFile::write(path, c, ImageSource()))
            return;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            put(QStringLiteral("project"), name, bytes);
            put(QStringLiteral("projectexport"), name, bytes);
        }
        file.remove();
    };
    ProjectContents c;
    save(QStringLiteral("empty.vm2"), c);
    Page page;
    page.width = 21000;
    page.height = 29700;
    page.title = QStringLiteral("Page 1\n2-100x150 mm");
    for (int i = 0; i < photos.size(); ++i) {
        IconItem row;
        row.fileName = photos.at(i);
        row.state = IconItem::State::Decoded;
        c.rows << row;
        PhotoFrame f;
        f.x = 500;
        f.y = 500 + i * 9000;
        f.width = 10000;
        f.height = 15000;
        f.fileName = photos.at(i);
        f.rotation = 90 * i;
        f.cropWidth = 64;
        f.cropHeight = 48;
        f.stamp.printDateStamp = true;
        f.stamp.position = StampPosition(5);
        f.stamp.printFileName = i % 2 == 0;
        f.logo.printLogo = i == 1;
        f.logo.fileName = photos.at(0);
        page.frames << f;
    }
    page.frames << PhotoFrame();
    c.pages << page;
    save(QStringLiteral("photos.vm2"), c);
    for (PhotoFrame &f : c.pages[0].frames)
        f.logo.printLogo = false;
    save(QStringLiteral("nologo.vm2"), c);
    // Numbers at the ends of the integers, refused when read.
    c.pages[0].frames[0].cropX = std::numeric_limits<qint32>::min();
    c.pages[0].left = std::numeric_limits<qint32>::min();
    save(QStringLiteral("crafted.vm2"), c);
}

// `image` written as `format` (a progressive JPEG when asked).
QByteArray encode(const QImage &image, const char *format, bool progressive, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// Images the readers must refuse or cut short without spending more than a
// decoding's worth: a progressive JPEG of many scans, a small JPEG whose
// header claims 16384 x 16384 pixels, a 16-bit PNG.
void hostileImageSeeds()
{
    QImage picture(96, 64, QImage::Format_RGB32);
    picture.fill(Qt::darkMagenta);
    const QByteArray progressive = encode(picture, "jpeg", true);
    const int last = progressive.lastIndexOf("\xFF\xDA");
    const int end = progressive.lastIndexOf("\xFF\xD9");
    if (last > 0 && end > last)
        put(QStringLiteral("pagerender"), QStringLiteral("scans"),
            QByteArray(1, '\1') + progressive.left(end) + progressive.mid(last, end - last).repeated(200) + "\xFF\xD9");
    QByteArray claiming = encode(picture, "jpeg", false);
    const int sof = claiming.indexOf("\xFF\xC0");
    if (sof > 0) {
        claiming[sof + 5] = claiming[sof + 7] = char(0x40);
        claiming[sof + 6] = claiming[sof + 8] = char(0);
        put(QStringLiteral("pagerender"), QStringLiteral("claiming"), QByteArray(1, '\1') + claiming);
    }
    put(QStringLiteral("pagerender"), QStringLiteral("deep.png"),
        QByteArray(1, '\1') + encode(picture.convertToFormat(QImage::Format_RGBA64), "png", false));
}

// The image readers behind the decoding budget: small real files of each
// kind, and files of a few bytes claiming sizes within the pixel cap whose
// decoding would take gigabytes (a 16-bit PNG, a lossless WebP).
void imageReaderSeeds()
{
    QImage picture(96, 64, QImage::Format_ARGB32);
    picture.fill(QColor(200, 40, 90, 180));
    const QString target = QStringLiteral("imagereaders");
    QByteArray deep = encode(picture.convertToFormat(QImage::Format_RGBA64), "png", false);
    put(target, QStringLiteral("deep.png"), deep);
    put(target, QStringLiteral("picture.tif"), encode(picture, "tiff", false));
    put(target, QStringLiteral("deep.tif"), encode(picture.convertToFormat(QImage::Format_RGBA64), "tiff", false));
    put(target, QStringLiteral("lossless.webp"), encode(picture, "webp", false, 100));
    put(target, QStringLiteral("lossy.webp"), encode(picture, "webp", false, 50));
    put(target, QStringLiteral("progressive.jpg"), encode(picture, "jpeg", true, 80));
    // The PNG's header (after the signature and the chunk's length) claims
    // 16000 x 16000 pixels, its checksum made again.
    const QByteArray size = QByteArray::fromHex("00003e8000003e80");
    deep.replace(16, 8, size);
    const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef *>(deep.constData() + 12), 17));
    QByteArray sum;
    QDataStream(&sum, QIODevice::WriteOnly) << crc;
    deep.replace(29, 4, sum);
    put(target, QStringLiteral("claiming16.png"), deep);
    // A lossless WebP of 16383 x 16383 pixels, all of one colour (five
    // prefix codes of one symbol each): 28 bytes.
    put(target, QStringLiteral("claiming.webp"),
        QByteArray::fromHex("5249464614000000574542505650384c080000002ffebfff0f888808"));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: fuzz_seeds <source folder> <corpus folder>\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    corpus = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    fuzzGuiApplication();
    const QStringList jpegs = exifSeeds(source);
    layoutSeeds();
    profileSeeds();
    settingsSeeds();
    pageRenderSeeds(jpegs.value(0));
    hostileImageSeeds();
    imageReaderSeeds();
    QString smallest;
    qint64 least = 40000;
    for (const QString &j : jpegs)
        if (QFileInfo(j).size() < least && !QImage(j).isNull()) {
            least = QFileInfo(j).size();
            smallest = j;
        }
    const QStringList photos = smallPhotos();
    recordSeeds(photos, smallest);
    projectSeeds(photos);
    return 0;
}
