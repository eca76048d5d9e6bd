#include "arrange/Document.h"
#include "library/ByteBudget.h"
#include "library/ImageFile.h"
#include "library/ImageSource.h"
#include "tests/TestPhoto.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

PhotoFrame frame(int w, int h, int iw, int ih)
{
    PhotoFrame f;
    f.width = w;
    f.height = h;
    f.imageWidth = iw;
    f.imageHeight = ih;
    return f;
}

QRect crop(const PhotoFrame &f) { return QRect(f.cropX, f.cropY, f.cropWidth, f.cropHeight); }

QString writeJpeg(const QString &path, int w, int h) { return writeTestJpeg(path, w, h, Qt::red); }

} // namespace

class TestFrame : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;

private slots:
    void rotateThereAndBack()
    {
        PhotoFrame f = frame(10000, 15000, 4000, 3000);
        f.turnFromImage();
        f.cropX = 100;
        f.cropY = 200;
        f.cropWidth = 3000;
        f.cropHeight = 2000;
        const QRect before = crop(f);
        const bool turned = f.turned;

        std::swap(f.imageWidth, f.imageHeight);
        f.rotateBy(90);
        QCOMPARE(f.rotation, 90);
        QCOMPARE(f.turned, !turned);
        QCOMPARE(crop(f), QRect(3000 - 2000 - 200, 100, 2000, 3000));

        std::swap(f.imageWidth, f.imageHeight);
        f.rotateBy(0);
        QCOMPARE(f.rotation, 0);
        QCOMPARE(f.turned, turned);
        QCOMPARE(crop(f), before);

        f.rotateBy(180);
        QCOMPARE(crop(f), QRect(4000 - 3000 - 100, 3000 - 2000 - 200, 3000, 2000));
        QCOMPARE(f.turned, turned);
    }

    void rotateSquareImageKeepsCrop()
    {
        PhotoFrame f = frame(10000, 15000, 3000, 3000);
        f.cropX = 5;
        f.rotateBy(90);
        QCOMPARE(f.rotation, 90);
        QCOMPARE(f.cropX, 5);
    }

    void exchangeKeepsCropsAndGeometry()
    {
        PhotoFrame a = frame(100, 200, 10, 20);
        a.fileName = "a.jpg";
        a.cropX = 1;
        a.x = 7;
        PhotoFrame b = frame(300, 100, 30, 10);
        b.fileName = "b.jpg";
        b.cropX = 2;
        a.exchangeContent(b);
        QCOMPARE(a.fileName, QString("b.jpg"));
        QCOMPARE(a.cropX, 2);
        QCOMPARE(a.x, 7);
        QCOMPARE(a.width, 100);
        QCOMPARE(b.fileName, QString("a.jpg"));
        QCOMPARE(b.cropX, 1);
        QCOMPARE(b.imageWidth, 10);
    }

    void loadImageUnreadable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << dir.filePath("missing.jpg");
        QTest::newRow("folder") << dir.path();
        // Read as a file, these would never end.
        QTest::newRow("device") << QStringLiteral("/dev/zero");
        QTest::newRow("pipe") << dir.filePath("pipe.jpg");
    }

    void loadImageUnreadable()
    {
        QFETCH(QString, name);
        if (name.endsWith("pipe.jpg") && !QFileInfo::exists(name))
            QCOMPARE(mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        PhotoFrame f = frame(100, 100, 0, 0);
        f.fileName = name;
        f.loadImage(PreviewRule());
        QVERIFY(f.cache.preview.isNull());
        QVERIFY(f.fileData.isEmpty());
    }

    void fullCropAtFullResolution()
    {
        const QString p = writeJpeg(dir.filePath("b.jpg"), 400, 300);
        PhotoFrame f = frame(100, 100, 400, 300);
        f.fileName = p;
        f.cropX = -50;
        f.cropY = 0;
        f.cropWidth = 400;
        f.cropHeight = 400;
        const QImage c = f.fullCrop(ImageSource()); // read from the file: no bytes held
        QCOMPARE(c.size(), QSize(400, 400));
        QCOMPARE(c.pixelColor(20, 100), QColor(Qt::white));
        QVERIFY(c.pixelColor(200, 100).red() > 200 && c.pixelColor(200, 100).green() < 50);
        QCOMPARE(c.pixelColor(200, 350), QColor(Qt::white));
    }
};

QTEST_MAIN(TestFrame)
#include "test_frame.moc"
