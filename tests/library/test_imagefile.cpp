#include "app/UserSettings.h"
#include "library/IconItem.h"
#include "library/ImageFile.h"
#include "tests/library/ExifJpeg.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestImageFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

private Q_SLOTS:
    void init()
    {
        appState().cachedBytes = 0;
        appState().shell.currentFile.clear();
        appState().embeddedFiles.clear();
        appState().thumbs = ThumbnailValues();
    }

    // The width limit drops to 250 once more than the budget is held.
    void previewWidthRule_data()
    {
        QTest::addColumn<qint64>("cached");
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QSize>("preview");
        QTest::newRow("budget spent") << qint64(50000001) << QSize(4000, 3000) << QSize(250, 188);
        QTest::newRow("budget full") << qint64(50000000) << QSize(4000, 3000) << QSize(500, 375);
        QTest::newRow("small image") << qint64(0) << QSize(320, 200) << QSize(320, 200);
        QTest::newRow("tall image") << qint64(0) << QSize(1000, 3000) << QSize(500, 1500);
    }
    void previewWidthRule()
    {
        QFETCH(qint64, cached);
        QFETCH(QSize, image);
        QFETCH(QSize, preview);
        appState().cachedBytes = cached;
        const QString path = write(QStringLiteral("big.jpg"), makeJpeg(image.width(), image.height()));
        const IconFuture r = readIconFuture(path);
        QCOMPARE(r.image.size(), preview);
        QCOMPARE(QSize(r.width, r.height), image);
        QCOMPARE(r.data.size(), int(QFileInfo(path).size()));
    }

    void workerReadsExif()
    {
        const QByteArray tiff = makeTiff(false, {orientationEntry(6)}, {dateEntry(0x9003, "2020:02:03 04:05:06")});
        const IconFuture r = readIconFuture(write(QStringLiteral("turned.jpg"), makeJpeg(64, 48, tiff)));
        QCOMPARE(r.rotation, 90);
        QCOMPARE(r.date, QDateTime(QDate(2020, 2, 3), QTime(4, 5, 6)));
        QCOMPARE(QSize(r.width, r.height), QSize(64, 48)); // the file's pixels, not turned
        QCOMPARE(r.image.size(), QSize(64, 48));
    }

    void unreadableFiles()
    {
        IconFuture r = readIconFuture(dir.filePath(QStringLiteral("missing.jpg")));
        QVERIFY(r.image.isNull());
        QVERIFY(r.data.isEmpty());
        QCOMPARE(r.width, 0);
        r = readIconFuture(write(QStringLiteral("junk.jpg"), QByteArray(5000, 'x')));
        QVERIFY(r.image.isNull());
        QCOMPARE(r.data.size(), 5000);
        r = readIconFuture(write(QStringLiteral("empty.jpg"), QByteArray()));
        QVERIFY(r.image.isNull());
    }

    void singleFileReader()
    {
        IconItem item;
        item.fileName = write(QStringLiteral("a.jpg"),
                              makeJpeg(80, 60, makeTiff(true, {orientationEntry(8), dateEntry(0x0132, "2011:11:11 11:11:11")})));
        readIntoItem(item);
        QCOMPARE(item.rotation, 270);
        QCOMPARE(item.shotTime, QDateTime(QDate(2011, 11, 11), QTime(11, 11, 11)));
        QCOMPARE(QSize(item.imageWidth, item.imageHeight), QSize(80, 60));
        QCOMPARE(item.preview.size(), QSize(80, 60));
        QVERIFY(!item.fileData.isEmpty());

        // A PNG: rotation 0, the date stays.
        QImage png(30, 20, QImage::Format_RGB32);
        png.fill(Qt::red);
        IconItem other;
        other.fileName = dir.filePath(QStringLiteral("b.png"));
        QVERIFY(png.save(other.fileName));
        const QDateTime before(QDate(2000, 1, 2), QTime(3, 4, 5));
        other.shotTime = before;
        other.rotation = 90;
        readIntoItem(other);
        QCOMPARE(other.rotation, 0);
        QCOMPARE(other.shotTime, before);
        QCOMPARE(other.preview.size(), QSize(30, 20));

        // A file that cannot be opened leaves the record as it was.
        IconItem gone;
        gone.fileName = dir.filePath(QStringLiteral("gone.jpg"));
        gone.rotation = 180;
        gone.imageWidth = 7;
        readIntoItem(gone);
        QCOMPARE(gone.rotation, 180);
        QCOMPARE(gone.imageWidth, 7);
    }

    // Bytes kept in the open project serve files that are gone from disk.
    void embeddedCopies()
    {
        const QByteArray photo = makeJpeg(20, 10);
        QByteArray project;
        {
            QDataStream out(&project, QIODevice::WriteOnly);
            out.setVersion(QDataStream::Qt_5_1);
            out << QString("VMA 2.C") << qint32(1);
        }
        const qint64 position = project.size();
        {
            QDataStream out(&project, QIODevice::Append);
            out.setVersion(QDataStream::Qt_5_1);
            out << photo;
        }
        appState().shell.currentFile = write(QStringLiteral("p.vm2"), project);
        const QString away = QStringLiteral("/nowhere/away.jpg");
        QByteArray out = "untouched";
        QVERIFY(!embeddedBytes(away, out));
        QCOMPARE(out, QByteArray("untouched"));
        QVERIFY(imageBytes(away).isEmpty());

        appState().embeddedFiles.insert(away, {position, photo.size(), {}});
        QVERIFY(embeddedBytes(away, out));
        QCOMPARE(out, photo);
        QCOMPARE(imageBytes(away), photo);

        // Held in memory: handed out, and false (they must be kept).
        appState().embeddedFiles[away].bytes = "held";
        QVERIFY(!embeddedBytes(away, out));
        QCOMPARE(out, QByteArray("held"));

        // A position past the end of the project gives nothing.
        appState().embeddedFiles.insert(QStringLiteral("/x.jpg"), {project.size() + 100, 10, {}});
        QVERIFY(!embeddedBytes(QStringLiteral("/x.jpg"), out));
        QVERIFY(out.isEmpty());

        // A file on disk is read from disk.
        const QString here = write(QStringLiteral("here.jpg"), photo);
        appState().embeddedFiles.insert(here, {position, 3, "other"});
        QCOMPARE(imageBytes(here), photo);
    }

    void wholeImages()
    {
        const QByteArray jpeg = makeJpeg(40, 30);
        QCOMPARE(decodeImage(jpeg).size(), QSize(40, 30));
        QCOMPARE(decodePixmap(jpeg).size(), QSize(40, 30));
        QVERIFY(decodeImage(QByteArray("not an image")).isNull());
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("base");
        QTest::newRow("plain") << "/a/b/photo.jpg" << "jpg" << "photo";
        QTest::newRow("two dots") << "/a/b.c/x.tar.gz" << "gz" << "x.tar";
        QTest::newRow("no dot in name") << "/a/b.c/README" << "c/README" << "README";
        QTest::newRow("no dot at all") << "name" << "name" << "name";
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(QString, suffix);
        QFETCH(QString, base);
        QCOMPARE(fileSuffix(name), suffix);
        QCOMPARE(fileBaseName(name), base);
    }
};

QTEST_MAIN(TestImageFile)
#include "test_imagefile.moc"
