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
};

QTEST_MAIN(TestImageFile)
#include "test_imagefile.moc"
