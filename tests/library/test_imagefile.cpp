#include "library/ByteBudget.h"
#include "library/HeldBytes.h"
#include "library/IconItem.h"
#include "library/ImageFile.h"
#include "library/ImageSource.h"
#include "tests/library/ExifJpeg.h"

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
    void unreadableFiles()
    {
        ThumbnailResult r = readThumbnail(dir.filePath(QStringLiteral("missing.jpg")), PreviewRule());
        QVERIFY(r.image.isNull());
        QVERIFY(r.data.isEmpty());
        QCOMPARE(r.width, 0);
        r = readThumbnail(write(QStringLiteral("junk.jpg"), QByteArray(5000, 'x')), PreviewRule());
        QVERIFY(r.image.isNull());
        QCOMPARE(r.data.size(), 5000);
        r = readThumbnail(write(QStringLiteral("empty.jpg"), QByteArray()), PreviewRule());
        QVERIFY(r.image.isNull());
    }
};

QTEST_MAIN(TestImageFile)
#include "test_imagefile.moc"
