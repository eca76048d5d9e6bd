#include "library/ByteBudget.h"
#include "library/HeldBytes.h"
#include "library/IconItem.h"
#include "library/ImageFile.h"
#include "library/ImageSource.h"
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
    // The budget counts a block of bytes once, however many copies hold it,
    // and gives it back when the last copy goes.
    void budgetCountsSharedBytesOnce()
    {
        ByteBudget budget;
        QCOMPARE(budget.total(), qint64(0));
        {
            const HeldBytes held = budget.hold(QByteArray(1000, 'x'));
            QCOMPARE(held.size(), qint64(1000));
            QCOMPARE(budget.total(), qint64(1000));
            {
                const HeldBytes copy = held;
                HeldBytes again = budget.hold(held); // already held here: shared
                QCOMPARE(again.bytes(), held.bytes());
                QCOMPARE(budget.total(), qint64(1000));
            }
            QCOMPARE(budget.total(), qint64(1000));
            const HeldBytes other = budget.hold(QByteArray(200, 'y'));
            QCOMPARE(budget.total(), qint64(1200));
        }
        QCOMPARE(budget.total(), qint64(0));

        // Cleared copies give back nothing more than they held.
        HeldBytes a = budget.hold(QByteArray(10, 'a'));
        HeldBytes b = a;
        a.clear();
        QCOMPARE(budget.total(), qint64(10));
        b.clear();
        QCOMPARE(budget.total(), qint64(0));
        QVERIFY(budget.hold(QByteArray()).isEmpty());
        QCOMPARE(budget.total(), qint64(0));
    }

    // Loose bytes count nowhere until a budget takes them; bytes of another
    // budget count in each.
    void looseBytesAndTwoBudgets()
    {
        ByteBudget first;
        ByteBudget second;
        const HeldBytes loose = HeldBytes::loose("loose");
        QCOMPARE(first.total(), qint64(0));
        {
            const HeldBytes held = first.hold(loose);
            QCOMPARE(first.total(), qint64(5));
            const HeldBytes there = second.hold(held);
            QCOMPARE(second.total(), qint64(5));
            QCOMPARE(first.total(), qint64(5));
        }
        QCOMPARE(first.total(), qint64(0));
        QCOMPARE(second.total(), qint64(0));
        QVERIFY(HeldBytes::loose(QByteArray()).isEmpty());
    }

    // Past the limit the budget keeps no more bytes (the block that crosses
    // it is still kept) and previews are decoded smaller.
    void spentBudgetKeepsNothingMore()
    {
        ByteBudget budget;
        QCOMPARE(budget.previewWidth(), 500);
        HeldBytes almost = budget.hold(QByteArray(int(ByteBudget::Limit), 'x'));
        QVERIFY(!budget.spent());
        QCOMPARE(budget.previewWidth(), 500);
        const HeldBytes crossing = budget.hold(QByteArray(10, 'c'));
        QCOMPARE(crossing.size(), qint64(10));
        QVERIFY(budget.spent());
        QCOMPARE(budget.previewWidth(), 250);
        QVERIFY(budget.hold(QByteArray(10, 'd')).isEmpty());
        QCOMPARE(budget.total(), ByteBudget::Limit + 10);
        almost.clear();
        QVERIFY(!budget.spent());
        QCOMPARE(budget.total(), qint64(10));
    }

    // The reader decodes at most the rule's width.
    void previewWidthRule_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QSize>("preview");
        QTest::newRow("budget spent") << 250 << QSize(4000, 3000) << QSize(250, 188);
        QTest::newRow("budget left") << 500 << QSize(4000, 3000) << QSize(500, 375);
        QTest::newRow("small image") << 500 << QSize(320, 200) << QSize(320, 200);
        QTest::newRow("tall image") << 500 << QSize(1000, 3000) << QSize(500, 1500);
    }
    void previewWidthRule()
    {
        QFETCH(int, limit);
        QFETCH(QSize, image);
        QFETCH(QSize, preview);
        const QString path = write(QStringLiteral("big.jpg"), makeJpeg(image.width(), image.height()));
        const IconFuture r = readIconFuture(path, PreviewRule(limit));
        QCOMPARE(r.image.size(), preview);
        QCOMPARE(QSize(r.width, r.height), image);
        QCOMPARE(r.data.size(), int(QFileInfo(path).size()));
    }

    void workerReadsExif()
    {
        const QByteArray tiff = makeTiff(false, {orientationEntry(6)}, {dateEntry(0x9003, "2020:02:03 04:05:06")});
        const IconFuture r = readIconFuture(write(QStringLiteral("turned.jpg"), makeJpeg(64, 48, tiff)), PreviewRule());
        QCOMPARE(r.rotation, 90);
        QCOMPARE(r.date, QDateTime(QDate(2020, 2, 3), QTime(4, 5, 6)));
        QCOMPARE(QSize(r.width, r.height), QSize(64, 48)); // the file's pixels, not turned
        QCOMPARE(r.image.size(), QSize(64, 48));
    }

    void unreadableFiles()
    {
        IconFuture r = readIconFuture(dir.filePath(QStringLiteral("missing.jpg")), PreviewRule());
        QVERIFY(r.image.isNull());
        QVERIFY(r.data.isEmpty());
        QCOMPARE(r.width, 0);
        r = readIconFuture(write(QStringLiteral("junk.jpg"), QByteArray(5000, 'x')), PreviewRule());
        QVERIFY(r.image.isNull());
        QCOMPARE(r.data.size(), 5000);
        r = readIconFuture(write(QStringLiteral("empty.jpg"), QByteArray()), PreviewRule());
        QVERIFY(r.image.isNull());
    }

    void singleFileReader()
    {
        IconItem item;
        item.fileName = write(QStringLiteral("a.jpg"),
                              makeJpeg(80, 60, makeTiff(true, {orientationEntry(8), dateEntry(0x0132, "2011:11:11 11:11:11")})));
        readIntoItem(item, PreviewRule());
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
        readIntoItem(other, PreviewRule());
        QCOMPARE(other.rotation, 0);
        QCOMPARE(other.shotTime, before);
        QCOMPARE(other.preview.size(), QSize(30, 20));

        // A file that cannot be opened leaves the record as it was.
        IconItem gone;
        gone.fileName = dir.filePath(QStringLiteral("gone.jpg"));
        gone.rotation = 180;
        gone.imageWidth = 7;
        readIntoItem(gone, PreviewRule());
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
        const QString projectPath = write(QStringLiteral("p.vm2"), project);
        const QString away = QStringLiteral("/nowhere/away.jpg");
        QByteArray out = "untouched";
        QVERIFY(!ImageSource().embeddedBytes(away, out));
        QCOMPARE(out, QByteArray("untouched"));
        QVERIFY(ImageSource().bytes(away).isEmpty());
        EmbeddedTable table;
        QVERIFY(!ImageSource(projectPath, table).embeddedBytes(away, out));
        QCOMPARE(out, QByteArray("untouched"));

        table.insert(away, {position, photo.size(), {}});
        const ImageSource source(projectPath, table);
        QVERIFY(source.embeddedBytes(away, out));
        QCOMPARE(out, photo);
        QCOMPARE(source.bytes(away), photo);

        // A source is a value: the table it was made with stays its own.
        table[away].bytes = "held";
        QVERIFY(source.embeddedBytes(away, out));
        QCOMPARE(out, photo);

        // Held in memory: handed out, and false (they must be kept).
        QVERIFY(!ImageSource(projectPath, table).embeddedBytes(away, out));
        QCOMPARE(out, QByteArray("held"));

        // A position past the end of the project gives nothing.
        table.insert(QStringLiteral("/x.jpg"), {project.size() + 100, 10, {}});
        QVERIFY(!ImageSource(projectPath, table).embeddedBytes(QStringLiteral("/x.jpg"), out));
        QVERIFY(out.isEmpty());

        // A file on disk is read from disk.
        const QString here = write(QStringLiteral("here.jpg"), photo);
        table.insert(here, {position, 3, "other"});
        QCOMPARE(ImageSource(projectPath, table).bytes(here), photo);
        QByteArray plain;
        QVERIFY(ImageSource::readPlainFile(here, plain));
        QCOMPARE(plain, photo);
        QVERIFY(!ImageSource::readPlainFile(dir.path(), plain));
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
