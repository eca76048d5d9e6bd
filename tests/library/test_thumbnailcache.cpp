// The shared thumbnail cache: names, the folder a picture goes to, the file
// keys that make a thumbnail stale, other programs' thumbnails, failures.
#include "library/ImageFile.h"
#include "library/ThumbnailCache.h"
#include "tests/TestPhoto.h"
#include "ExifJpeg.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

class TestThumbnailCache : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString root() const { return dir.filePath(QStringLiteral("cache/thumbnails")); }
    QString photo(const QString &name)
    {
        return writeTestJpeg(dir.filePath(name), 600, 400, Qt::darkGreen, TopBand | CentreSquare);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void nameIsTheMd5OfTheUri()
    {
        QCOMPARE(ThumbnailCache::uriOf(QStringLiteral("/home/u/a b%.jpg")), QByteArray("file:///home/u/a%20b%25.jpg"));
        QCOMPARE(ThumbnailCache::thumbnailName(QStringLiteral("/home/jens/photos/me.png")),
                 QStringLiteral("c6ee772d9e49320e97ec29a7eb5b1697.png"));
    }

    void storedPictureIsFound_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QString>("folder");
        QTest::newRow("preview 500 wide") << QSize(500, 333) << "x-large";
        QTest::newRow("portrait preview") << QSize(500, 750) << "xx-large";
        QTest::newRow("small") << QSize(120, 80) << "normal";
    }
    void storedPictureIsFound()
    {
        QFETCH(QSize, picture);
        QFETCH(QString, folder);
        const QString file = photo(QStringLiteral("found.jpg"));
        const ThumbnailCache cache(root());
        QVERIFY(cache.store(file, testPicture(picture.width(), picture.height(), Qt::red)));
        const QString path = QDir(root()).filePath(folder + QLatin1Char('/') + ThumbnailCache::thumbnailName(file));
        QVERIFY(QFileInfo::exists(path));
        // Mode 0600: the owner reads and writes, nobody else anything.
        const int mode = int(QFile::permissions(path));
        QCOMPARE(mode & 0x7000, int(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(mode & 0x0077, 0);
        const QImage written(path);
        QCOMPARE(written.text(QStringLiteral("Thumb::URI")), QString::fromLatin1(ThumbnailCache::uriOf(file)));
        QCOMPARE(written.text(QStringLiteral("Thumb::MTime")),
                 QString::number(QFileInfo(file).lastModified().toSecsSinceEpoch()));
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files).size(), 1); // no temporary left
        QCOMPARE(cache.find(file, picture).size(), picture);
        QCOMPARE(cache.find(file, picture / 2).size(), picture / 2);
        QVERIFY(cache.find(file, picture + QSize(2, 2)).isNull());
        QFile::remove(path);
    }

    void changedFileMakesItStale()
    {
        const QString file = photo(QStringLiteral("stale.jpg"));
        const ThumbnailCache cache(root());
        QVERIFY(cache.store(file, testPicture(256, 171, Qt::red)));
        QVERIFY(!cache.find(file, QSize(256, 171)).isNull());
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        f.close();
        QVERIFY(cache.find(file, QSize(256, 171)).isNull());
    }

    void otherFileUnderTheSameNameIsRefused()
    {
        // A thumbnail whose URI names another file does not count.
        const QString a = photo(QStringLiteral("a.jpg"));
        const QString b = photo(QStringLiteral("b.jpg"));
        const ThumbnailCache cache(root());
        QVERIFY(cache.store(a, testPicture(128, 85, Qt::red)));
        const QString folder = QDir(root()).filePath(QStringLiteral("normal/"));
        QVERIFY(QFile::copy(folder + ThumbnailCache::thumbnailName(a), folder + ThumbnailCache::thumbnailName(b)));
        QVERIFY(cache.find(b, QSize(128, 85)).isNull());
        QVERIFY(!cache.find(a, QSize(128, 85)).isNull());
    }

    void failuresAreNotedWhileTheFileIsUnchanged()
    {
        const QString file = dir.filePath(QStringLiteral("broken.jpg"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
        f.close();
        const ThumbnailCache cache(root());
        QVERIFY(!cache.hasFailure(file));
        QVERIFY(cache.storeFailure(file));
        QVERIFY(cache.hasFailure(file));
        QVERIFY(QFileInfo::exists(QDir(root()).filePath(QStringLiteral("fail/velmora/") + ThumbnailCache::thumbnailName(file))));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(3600), QFileDevice::FileModificationTime));
        f.close();
        QVERIFY(!cache.hasFailure(file));
    }

    // The folder view's reader leaves the previews it decodes in the cache
    // and takes them from there the next time.
    void readerLeavesAndTakesPreviews()
    {
        const QString file = photo(QStringLiteral("reader.jpg"));
        PreviewRule rule;
        rule.thumbnailCache = root();
        const ThumbnailResult first = readThumbnail(file, rule);
        QCOMPARE(first.image.size(), QSize(500, 333)); // at most 500 wide, the photograph's shape
        QCOMPARE(QSize(first.width, first.height), QSize(600, 400));
        const ThumbnailCache cache(root());
        const QImage stored = cache.find(file, first.image.size());
        QCOMPARE(stored.size(), first.image.size());
        // What the cache holds is what the second visit shows.
        QVERIFY(cache.store(file, testPicture(500, 333, Qt::magenta)));
        const ThumbnailResult second = readThumbnail(file, rule);
        QCOMPARE(QColor(second.image.pixel(250, 300)), QColor(Qt::magenta));
        QCOMPARE(QSize(second.width, second.height), QSize(600, 400));
        QVERIFY(second.data.isEmpty()); // shown from the cache, the photograph not read whole
    }

    void cameraPictureServesAnIcon_data()
    {
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<bool>("bars");
        QTest::addColumn<QSize>("preview");
        QTest::newRow("covers the icon") << QSize(640, 480) << QSize(100, 78) << false << QSize(160, 120);
        QTest::newRow("smaller than the icon") << QSize(640, 480) << QSize(200, 156) << false << QSize(500, 375);
        QTest::newRow("black bars cut away") << QSize(600, 400) << QSize(100, 78) << true << QSize(160, 107);
    }

    // The folder panel takes the small picture cameras put in the EXIF
    // block when it fills the icon, without reading the photograph whole;
    // a picture too small for the icon is not used.
    void cameraPictureServesAnIcon()
    {
        QFETCH(QSize, photo);
        QFETCH(QSize, box);
        QFETCH(bool, bars);
        QFETCH(QSize, preview);
        QImage picture(160, 120, QImage::Format_RGB32);
        picture.fill(Qt::magenta);
        if (bars) {
            QPainter p(&picture);
            p.fillRect(0, 0, 160, 6, Qt::black);
            p.fillRect(0, 113, 160, 7, Qt::black);
        }
        QByteArray thumbnail;
        QBuffer buffer(&thumbnail);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QVERIFY(QImageWriter(&buffer, "jpeg").write(picture));
        const QString file = dir.filePath(QStringLiteral("camera%1.jpg").arg(QTest::currentDataTag()).remove(' '));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(makeJpeg(photo.width(), photo.height(), makeTiffWithThumbnail(true, thumbnail)));
        out.close();
        PreviewRule rule;
        rule.embeddedPictureBox = box;
        const ThumbnailResult r = readThumbnail(file, rule);
        QCOMPARE(QSize(r.width, r.height), photo);
        QCOMPARE(r.image.size(), preview);
        const bool camera = preview.width() == 160;
        QCOMPARE(r.data.isEmpty(), camera);
        if (camera) {
            QVERIFY(qRed(r.image.pixel(80, 1)) > 200 && qBlue(r.image.pixel(80, 1)) > 200);
            QVERIFY(qRed(r.image.pixel(80, preview.height() - 2)) > 200);
        }
    }

    void heifThumbnailServes_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("stored");
        QTest::newRow("covered") << 300 << true;
        QTest::newRow("larger") << 500 << false;
    }

    // A HEIF's stored thumbnail image serves an icon and a preview it
    // covers, without decoding the photograph. The encoder makes it by
    // keeping every other pixel: of one-pixel squares, the black ones.
    void heifThumbnailServes()
    {
        QFETCH(int, width);
        QFETCH(bool, stored);
        const QString encoder = QStandardPaths::findExecutable(QStringLiteral("heif-enc"));
        if (encoder.isEmpty() || !QImageReader::supportedImageFormats().contains("heic"))
            QSKIP("heif-enc (Debian package libheif-examples) or the HEIF reader is missing");
        QImage squares(640, 480, QImage::Format_RGB32);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                squares.setPixel(x, y, (x + y) % 2 ? 0xffffffff : 0xff000000);
        const QString png = dir.filePath(QStringLiteral("squares.png"));
        const QString heic = dir.filePath(QStringLiteral("squares.heic"));
        QVERIFY(squares.save(png));
        QCOMPARE(QProcess::execute(encoder, {QStringLiteral("-t"), QStringLiteral("320"), QStringLiteral("-o"), heic, png}), 0);
        PreviewRule rule(width);
        rule.embeddedPictureBox = QSize(width, width * 3 / 4);
        const ThumbnailResult r = readThumbnail(heic, rule);
        QCOMPARE(QSize(r.width, r.height), QSize(640, 480));
        QCOMPARE(r.data.isEmpty(), stored);
        QFile file(heic);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QImage preview = decodePreview(file.readAll(), PreviewRule(width), nullptr);
        QCOMPARE(preview.width(), width);
        QCOMPARE(qGray(preview.pixel(width / 2, 10)) < 40, stored);
    }

    // A camera's RAW file: its JPEG preview serves an icon it covers.
    void rawPreviewServesAnIcon()
    {
        if (!QImageReader::supportedImageFormats().contains("dng"))
            QSKIP("no RAW reader here (Debian package kimageformat-plugins)");
        QImage picture(48, 36, QImage::Format_RGB32);
        picture.fill(Qt::magenta);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && QImageWriter(&buffer, "jpeg").write(picture));
        const QString file = dir.filePath(QStringLiteral("camera.dng"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(makeDng("2020:01:02 03:04:05", jpeg)) > 0);
        out.close();
        PreviewRule rule;
        rule.embeddedPictureBox = QSize(40, 30);
        const ThumbnailResult r = readThumbnail(file, rule);
        QCOMPARE(QSize(r.width, r.height), QSize(64, 48));
        QVERIFY(r.data.isEmpty());
        const QRgb c = r.image.pixel(20, 15);
        QVERIFY2(qRed(c) > 200 && qBlue(c) > 200 && qGreen(c) < 60, qPrintable(QString::number(c, 16)));
    }

    void unreadableFileIsNotedOnce()
    {
        const QString file = dir.filePath(QStringLiteral("noise.jpg"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(2000, 'x'));
        f.close();
        PreviewRule rule;
        rule.thumbnailCache = root();
        const ThumbnailResult r = readThumbnail(file, rule);
        QVERIFY(r.image.isNull());
        QCOMPARE(r.problem, faultText(DecodeFault::Unreadable, QSize()));
        QVERIFY(ThumbnailCache(root()).hasFailure(file));
        QVERIFY(readThumbnail(file, rule).image.isNull());
    }
};

QTEST_MAIN(TestThumbnailCache)
#include "test_thumbnailcache.moc"
