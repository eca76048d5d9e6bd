#include "arrange/Document.h"
#include "library/ByteBudget.h"
#include "library/ImageFile.h"
#include "library/ImageSource.h"
#include "tests/TestPhoto.h"

#include <QImageWriter>
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
    void turnFromImage_data()
    {
        QTest::addColumn<int>("fw");
        QTest::addColumn<int>("fh");
        QTest::addColumn<int>("iw");
        QTest::addColumn<int>("ih");
        QTest::addColumn<bool>("turned");
        QTest::newRow("landscape in portrait") << 5000 << 7000 << 4000 << 3000 << true;
        QTest::newRow("landscape in square") << 7000 << 7000 << 4000 << 3000 << false;
        QTest::newRow("landscape in landscape") << 7000 << 5000 << 4000 << 3000 << false;
        QTest::newRow("portrait in landscape") << 7000 << 5000 << 3000 << 4000 << true;
        QTest::newRow("square image") << 7000 << 5000 << 3000 << 3000 << false;
    }
    void turnFromImage()
    {
        QFETCH(int, fw);
        QFETCH(int, fh);
        QFETCH(int, iw);
        QFETCH(int, ih);
        QFETCH(bool, turned);
        PhotoFrame f = frame(fw, fh, iw, ih);
        f.turned = !turned;
        f.turnFromImage();
        QCOMPARE(f.turned, turned);
    }

    void turnFromCropFollowsTheCropShape()
    {
        PhotoFrame f = frame(5000, 7000, 4000, 3000);
        f.cropWidth = 1000;
        f.cropHeight = 2000;
        f.turnFromCrop();
        QVERIFY(!f.turned);
        f.cropWidth = 3000;
        f.turnFromCrop();
        QVERIFY(f.turned);
    }

    void autoCrops()
    {
        PhotoFrame f = frame(10000, 10000, 4000, 3000);
        f.autoCrop(false);
        QCOMPARE(crop(f), QRect(0, -500, 4000, 4000));
        f.autoCrop(true);
        QCOMPARE(crop(f), QRect(500, 0, 3000, 3000));

        PhotoFrame t = frame(10000, 15000, 4000, 3000);
        t.turnFromImage(); // lies across: the frame counts as 15000 x 10000
        t.fillCrop();
        QCOMPARE(crop(t), QRect(0, 167, 4000, 2666));
        t.fitCrop();
        QCOMPARE(crop(t), QRect(-250, 0, 4500, 3000));
    }

    void autoCropWithoutSizes()
    {
        PhotoFrame f = frame(0, 10000, 4000, 3000);
        f.fillCrop();
        QCOMPARE(crop(f), QRect(0, 0, 4000, 3000));
        PhotoFrame g = frame(10000, 10000, 0, 0);
        g.fitCrop();
        QCOMPARE(crop(g), QRect(0, 0, 0, 0));
    }

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

    void loadImageWithinAndPastBudget()
    {
        const QString p = writeJpeg(dir.filePath("a.jpg"), 1000, 750);
        QVERIFY(!p.isEmpty());
        ByteBudget budget;
        PhotoFrame f = frame(100, 100, 0, 0);
        f.fileName = p;
        f.loadImage(PreviewRule(budget.previewWidth()));
        QCOMPARE(f.cache.preview.size(), QSize(500, 375));
        QCOMPARE(f.imageWidth, 1000);
        QVERIFY(!f.fileData.isEmpty());
        QCOMPARE(budget.total(), qint64(0)); // read, not yet held
        f.keepDataWithinBudget(budget);
        QVERIFY(!f.fileData.isEmpty());
        QCOMPARE(budget.total(), f.fileData.size());
        f.keepDataWithinBudget(budget); // counted once only
        QCOMPARE(budget.total(), f.fileData.size());
        f.releaseData();
        QVERIFY(f.fileData.isEmpty());
        QCOMPARE(budget.total(), qint64(0));

        // Past the budget previews are decoded smaller and no bytes are kept.
        HeldBytes filler = budget.hold(QByteArray(int(ByteBudget::Limit) + 1, 'x'));
        QVERIFY(budget.spent());
        const qint64 spent = budget.total();
        PhotoFrame g = frame(100, 100, 0, 0);
        g.fileName = p;
        g.rotation = 90;
        g.loadImage(PreviewRule(budget.previewWidth()));
        QCOMPARE(g.cache.preview.size(), QSize(188, 250));
        QCOMPARE(g.imageWidth, 750);
        QCOMPARE(g.imageHeight, 1000);
        g.keepDataWithinBudget(budget);
        QVERIFY(g.fileData.isEmpty());
        QCOMPARE(budget.total(), spent);
        filler.clear();
        QCOMPARE(budget.total(), qint64(0));
        QVERIFY(!budget.spent());
    }

    void previewCropIsWhiteOutsideTheImage()
    {
        PhotoFrame f = frame(100, 100, 1000, 500);
        f.cache.preview = QImage(500, 250, QImage::Format_RGB32);
        f.cache.preview.fill(Qt::red);
        f.cropX = -100;
        f.cropY = 0;
        f.cropWidth = 1200;
        f.cropHeight = 500;
        const QImage c = f.previewCrop();
        QCOMPARE(c.size(), QSize(600, 250));
        QCOMPARE(c.pixelColor(10, 10), QColor(Qt::white));
        QCOMPARE(c.pixelColor(60, 10), QColor(Qt::red));
        QCOMPARE(c.pixelColor(560, 10), QColor(Qt::white));
        f.cropX = 200;
        f.cropWidth = 200;
        f.cropHeight = 200;
        QCOMPARE(f.previewCrop().size(), QSize(100, 100));
        QCOMPARE(f.previewCrop().pixelColor(99, 99), QColor(Qt::red));
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

    void countingText()
    {
        Document d;
        QCOMPARE(d.countingText(), QString());
        Page p;
        p.frames.resize(3);
        p.frames[0].fileName = p.frames[1].fileName = "a";
        d.adopt({p});
        QCOMPARE(d.placementCount(), 2);
        QCOMPARE(d.imageCount(), 1);
        QVERIFY(d.countingText().startsWith("Total 2 "));
        p.frames[1].fileName.clear();
        d.adopt({p});
        QCOMPARE(d.imageCount(), 1);
        p.frames[0].fileName.clear();
        d.adopt({p});
        QCOMPARE(d.imageCount(), 0);
        QCOMPARE(d.countingText(), QString());
    }
};

QTEST_MAIN(TestFrame)
#include "test_frame.moc"
