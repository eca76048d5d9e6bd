// Photo sizes: the 24-byte stored records, the default lists and the rules
// of the "Photo Sizes" editor (display, insertion, duplicates, units).
#include "formats/PageSetup.h"
#include "formats/PhotoSizeList.h"
#include "formats/PhotoSizeSelect.h"

#include <QtTest>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

PhotoSizeList defaults(int unit)
{
    return PhotoSizeList(unit, PhotoSizeSelect::defaultMillimetres(), PhotoSizeSelect::defaultInches());
}

} // namespace

class TestPhotoSizes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void recordsMatchHandWrittenBytes()
    {
        const QVector<PhotoSizeSelect> list{{100, 150, true, true}, {110, 160, false, true}, {4, 6, false, false}};
        const QByteArray bytes = hex("0000000000005940 0000000000c06240 01 01 000000000000"
                                     "0000000000805b40 0000000000006440 00 01 000000000000"
                                     "0000000000001040 0000000000001840 00 00 000000000000");
        QCOMPARE(PhotoSizeSelect::listToBytes(list), bytes);
        QVERIFY(PhotoSizeSelect::listToBytes({}).isEmpty());
        // Padding bytes may hold anything.
        QByteArray padded = bytes;
        padded.replace(18, 6, hex("a1a2a3a4a5a6")).replace(66, 6, hex("ffffffffffff"));
        QVector<PhotoSizeSelect> read;
        QVERIFY(PhotoSizeSelect::listFromBytes(padded, read));
        QCOMPARE(read, list);
    }
    // Sides no photo size can have come from damage; read as they are they
    // would overflow the layouts made from them. The records around stay.
    void damagedRecordIsIgnored_data()
    {
        QTest::addColumn<double>("shortSide");
        QTest::addColumn<double>("longSide");
        QTest::addColumn<bool>("kept");
        QTest::newRow("not a number") << 1.0 << -std::nan("") << false;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 2.0 << false;
        QTest::newRow("negative") << -3.0 << 4.0 << false;
        QTest::newRow("past the limit") << 10.0 << 100000.5 << false;
        QTest::newRow("at the limit") << 10.0 << 100000.0 << true;
        QTest::newRow("zero") << 0.0 << 0.0 << true;
    }
    void damagedRecordIsIgnored()
    {
        QFETCH(double, shortSide);
        QFETCH(double, longSide);
        QFETCH(bool, kept);
        const PhotoSizeSelect a{4, 6, false, true};
        const PhotoSizeSelect odd{shortSide, longSide, true, true};
        const PhotoSizeSelect b{5, 7, true, false};
        QVector<PhotoSizeSelect> read;
        QCOMPARE(bool(PhotoSizeSelect::listFromBytes(PhotoSizeSelect::listToBytes({a, odd, b}), read)), kept);
        QCOMPARE(read, kept ? QVector<PhotoSizeSelect>({a, odd, b}) : QVector<PhotoSizeSelect>({a, b}));
    }

    // The editor inserts into sorted lists: the defaults must be sorted.
    void sorting()
    {
        for (QVector<PhotoSizeSelect> list : {PhotoSizeSelect::defaultMillimetres(), PhotoSizeSelect::defaultInches()}) {
            const QVector<PhotoSizeSelect> given = list;
            PhotoSizeSelect::sortList(list);
            QCOMPARE(list, given);
            for (const PhotoSizeSelect &s : list)
                QVERIFY(s.builtIn && s.selected && s.shortSide <= s.longSide);
        }
        QVector<PhotoSizeSelect> list{{120, 180, false, true}, {100, 150, true, false}, {100, 140, false, false},
                                      {90, 200, true, true}};
        PhotoSizeSelect::sortList(list);
        QCOMPARE(list[0].shortSide, 90.0);
        QCOMPARE(list[1].longSide, 140.0);
        QCOMPARE(list[2].longSide, 150.0);
    }
    void insertion_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<int>("row");
        // Between 100x150 (row 11) and 120x180 (row 12), sides in any order.
        QTest::newRow("160x110 mm") << 1 << 160.0 << 110.0 << 12;
        QTest::newRow("existing turned") << 1 << 150.0 << 100.0 << -1;
        QTest::newRow("same to 1/100") << 1 << 100.004 << 150.009 << -1;
        QTest::newRow("same long, longer") << 1 << 100.0 << 145.0 << 11;
        QTest::newRow("smallest") << 1 << 20.0 << 30.0 << 0;
        QTest::newRow("largest") << 1 << 700.0 << 1000.0 << 36;
        QTest::newRow("zero side") << 1 << 0.0 << 100.0 << -1;
        QTest::newRow("cm to 1/100 cm") << 2 << 10.004 << 15.0 << -1;
        QTest::newRow("in 4x7") << 0 << 4.0 << 7.0 << 8;
    }
    void insertion()
    {
        QFETCH(int, unit);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(int, row);
        PhotoSizeList list = defaults(unit);
        const int before = list.count();
        QCOMPARE(list.add(a, b), row);
        QCOMPARE(list.count(), before + (row >= 0 ? 1 : 0));
    }
};

QTEST_MAIN(TestPhotoSizes)
#include "test_photosizes.moc"
