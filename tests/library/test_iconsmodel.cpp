#include "library/ByteBudget.h"
#include "library/FrameReturn.h"
#include "library/IconPainter.h"
#include "library/IconRecord.h"
#include "library/IconSort.h"
#include "library/IconsModel.h"
#include "library/ImageFile.h"
#include "tests/library/ExifJpeg.h"

#include <QAbstractItemModelTester>
#include <QDataStream>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// Page frames as the arrangement dock holds them: each frame taken back
// leaves `still` frames showing the file.
class FramesForTest : public FrameReturn
{
public:
    QList<int> taken;
    int still = 1;
    int takeBackFrame(int frame) override
    {
        taken << frame;
        return still;
    }
};

} // namespace

class TestIconsModel : public QObject
{
    Q_OBJECT

    QTemporaryDir *dir = nullptr;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir->filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    static IconItem record(const QString &name, int state = 2, int useCount = 0)
    {
        IconItem item;
        item.fileName = name;
        item.state = IconItem::State(state);
        item.useCount = useCount;
        item.imageWidth = 40;
        item.imageHeight = 30;
        item.fileTime = QDateTime(QDate(2020, 1, 1), QTime(12, 0));
        if (state >= 2) {
            item.preview = QImage(40, 30, QImage::Format_RGB32);
            item.preview.fill(Qt::green);
        }
        return item;
    }
    static QMimeData *payload(const QVector<IconItem> &items)
    {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        for (const IconItem &item : items)
            writeIconRecord(out, item);
        auto *mime = new QMimeData;
        mime->setData(velmoraMimeType(), bytes);
        return mime;
    }
    static QStringList names(const IconsModel &m)
    {
        QStringList list;
        for (int r = 0; r < m.rowCount(); ++r)
            list << m.index(r).data(IconsModel::FileNameRole).toString().section('/', -1);
        return list;
    }

private Q_SLOTS:
    void init()
    {
        dir = new QTemporaryDir;
    }
    void cleanup() { delete dir; }

    void folderRefresh()
    {
        writeFile("keep.jpg", makeJpeg(40, 30));
        writeFile("gone.jpg", makeJpeg(40, 30));
        const QString changed = writeFile("changed.jpg", makeJpeg(40, 30));
        IconsModel model(ImageListRole::Folder);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setDirPath(dir->path());
        for (int r = 0; r < 3; ++r) {
            model.setData(model.index(r), 90, IconsModel::RotationRole);
            model.setData(model.index(r), 5, IconsModel::UseCountRole);
            model.setData(model.index(r), QImage(10, 10, QImage::Format_RGB32), IconsModel::PreviewRole);
        }
        QSignalSpy count(&model, &IconsModel::countAddImage);
        model.updateDir(dir->path());
        QCOMPARE(count.size(), 0); // nothing changed, nothing said

        QFile::remove(dir->filePath("gone.jpg"));
        writeFile("new.jpg", makeJpeg(40, 30));
        writeFile("changed.jpg", makeJpeg(80, 30));
        model.updateDir(dir->path());
        QCOMPARE(count.size(), 1);
        QCOMPARE(count.at(0).at(0).toInt(), 3);
        QStringList now = names(model);
        now.sort();
        QCOMPARE(now, QStringList({"changed.jpg", "keep.jpg", "new.jpg"}));
        const QModelIndex c = model.index(model.indexOfFileName(changed));
        QCOMPARE(c.data(IconsModel::StateRole).toInt(), 1);
        QCOMPARE(c.data(IconsModel::UseCountRole).toInt(), 0);
        QCOMPARE(c.data(IconsModel::RotationRole).toInt(), 90);
        QCOMPARE(c.data(IconsModel::FileSizeRole).toInt(), int(QFileInfo(changed).size()));
        const QModelIndex k = model.index(model.indexOfFileName(dir->filePath("keep.jpg")));
        QCOMPARE(k.data(IconsModel::StateRole).toInt(), 2);
        QCOMPARE(k.data(IconsModel::UseCountRole).toInt(), 5);
    }

    // A watched file that changes is read again after the quiet spell.
    void fileChangePath()
    {
        const QString path = writeFile("photo.jpg", makeJpeg(40, 30));
        IconsModel model(ImageListRole::Selection);
        model.addItem(IconsModel::itemFromFile(QFileInfo(path)));
        model.addItem(IconsModel::itemFromFile(QFileInfo(path))); // same name: ignored
        QCOMPARE(model.rowCount(), 1);
        model.setData(model.index(0), 3, IconsModel::UseCountRole);
        QSignalSpy modif(&model, &IconsModel::fileModif);
        QSignalSpy changed(&model, &IconsModel::dataChanged);
        writeFile("photo.jpg", makeJpeg(60, 20, makeTiff(true, {orientationEntry(6)})));
        {
            // Later than the listed time even on a file system of whole seconds.
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(model.item(0).fileTime.addSecs(5), QFileDevice::FileModificationTime));
        }
        QTRY_COMPARE_WITH_TIMEOUT(modif.size(), 1, 5000);
        QCOMPARE(modif.at(0).at(0).toString(), path);
        QVERIFY(!changed.isEmpty());
        const QModelIndex i = model.index(0);
        QCOMPARE(i.data(IconsModel::StateRole).toInt(), 2);
        QCOMPARE(i.data(IconsModel::UseCountRole).toInt(), 3);
        // The new file's own orientation turns the preview and the sizes.
        QCOMPARE(i.data(IconsModel::RotationRole).toInt(), 90);
        QCOMPARE(i.data(IconsModel::PreviewRole).value<QImage>().size(), QSize(20, 60));
        QCOMPARE(QSize(i.data(IconsModel::ImageWidthRole).toInt(), i.data(IconsModel::ImageHeightRole).toInt()), QSize(20, 60));
        // The row held no bytes before and holds none now.
        QVERIFY(i.data(IconsModel::FileDataRole).toByteArray().isEmpty());
    }

    void sizeText_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("512") << qint64(512) << "512 bytes";
        QTest::newRow("1000000") << qint64(1000000) << "1000 000 bytes";
        QTest::newRow("1 MiB") << qint64(1048576) << "1 024 KB";
        QTest::newRow("3 GB") << qint64(3000000000) << "2 861 MB";
        QTest::newRow("huge") << (qint64(1) << 62) << "4 096 ?";
    }
    void sizeText()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(IconPainter::sizeText(bytes), text);
    }

    void sorting_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("none") << 0 << false << QStringList({"b.png", "A.jpg", "a.jpg", "c.JPG", "d.tif"});
        QTest::newRow("name") << 1 << false << QStringList({"A.jpg", "a.jpg", "b.png", "c.JPG", "d.tif"});
        QTest::newRow("extension") << 2 << false << QStringList({"A.jpg", "a.jpg", "c.JPG", "b.png", "d.tif"});
        QTest::newRow("size") << 3 << false << QStringList({"d.tif", "A.jpg", "a.jpg", "c.JPG", "b.png"});
        // Newest first; the same time goes by name ascending, reversed descending.
        QTest::newRow("date") << 4 << false << QStringList({"c.JPG", "A.jpg", "a.jpg", "b.png", "d.tif"});
        QTest::newRow("date reverse") << 4 << true << QStringList({"d.tif", "b.png", "a.jpg", "A.jpg", "c.JPG"});
    }
    void sorting()
    {
        QFETCH(int, key);
        QFETCH(bool, reverse);
        QFETCH(QStringList, order);
        IconsModel model(ImageListRole::Selection, false);
        const QDateTime t(QDate(2021, 5, 5), QTime(5, 5));
        const struct { const char *name; int size; int days; } rows[] = {
            {"b.png", 900, -1}, {"A.jpg", 500, 0}, {"a.jpg", 500, 0}, {"c.JPG", 500, 3}, {"d.tif", 10, -2}};
        for (const auto &r : rows) {
            IconItem item = record(QStringLiteral("/f/") + r.name);
            item.fileSize = r.size;
            item.fileTime = t.addDays(r.days);
            model.addItem(item);
        }
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.setSortKey(key);
        model.setSortReverse(reverse);
        model.sortItems();
        QCOMPARE(reset.size(), 1);
        QCOMPARE(names(model), order);
    }

    void counting()
    {
        IconsModel model(ImageListRole::Selection, false);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.addItem(record("/f/x.jpg"));
        model.addItem(record("/f/y.jpg", 1));
        model.addItem(record("/f/X.jpg"));
        model.updateArrangeCount({"/f/x.jpg", "/f/y.jpg", "/f/x.jpg"});
        const QModelIndex x = model.index(0);
        QCOMPARE(x.data(IconsModel::UseCountRole).toInt(), 2);
        QCOMPARE(model.index(1).data(IconsModel::UseCountRole).toInt(), 1);
        QCOMPARE(model.index(2).data(IconsModel::UseCountRole).toInt(), 0); // names are case-sensitive
        IconItem shown = model.item(0);
        QVERIFY(IconPainter::caption(shown).startsWith("2- "));
        QCOMPARE(x.data(IconsModel::IconPixmapRole).value<QPixmap>().toImage().pixelColor(1, 88), QColor(255, 199, 116));

        model.updateArrangeCount({"/f/X.jpg", "/f/y.jpg"});
        QCOMPARE(x.data(IconsModel::UseCountRole).toInt(), 0);
        QCOMPARE(model.index(2).data(IconsModel::UseCountRole).toInt(), 1);
        QCOMPARE(x.data(IconsModel::IconPixmapRole).value<QPixmap>().toImage().pixelColor(1, 88), QColor(Qt::white));
    }

    void rotation()
    {
        IconsModel model(ImageListRole::Selection, false);
        model.addItem(record("/f/a.jpg"));
        const QModelIndex i = model.index(0);
        for (int k = 1; k <= 4; ++k)
            model.rotateIcon(i);
        QCOMPARE(i.data(IconsModel::RotationRole).toInt(), 0);
        QCOMPARE(i.data(IconsModel::PreviewRole).value<QImage>().size(), QSize(40, 30));
        QSignalSpy changed(&model, &IconsModel::dataChanged);
        model.rotateBack(i);
        QCOMPARE(i.data(IconsModel::RotationRole).toInt(), 270);
        QCOMPARE(i.data(IconsModel::ImageWidthRole).toInt(), 30);
        QCOMPARE(i.data(IconsModel::PreviewRole).value<QImage>().size(), QSize(30, 40));
        QCOMPARE(changed.size(), 1);
        model.rotateTo(i, 90); // 180 further: sizes stay
        QCOMPARE(i.data(IconsModel::RotationRole).toInt(), 90);
        QCOMPARE(i.data(IconsModel::ImageWidthRole).toInt(), 30);
        changed.clear();
        model.rotateTo(i, 90);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(model.rotateFileTo("/f/a.jpg", 180), i);
        QVERIFY(!model.rotateFileTo("/f/A.jpg", 0).isValid());
    }

    // Rows that come from the folder panel with a camera's small picture
    // are decoded again by a selection list; full previews are kept.
    void selectionListDecodesSmallPreviewsAgain()
    {
        ByteBudget budget;
        IconsModel model(ImageListRole::Selection, false);
        model.setByteBudget(&budget);
        IconItem small = record("/f/small.jpg");
        small.imageWidth = 6000;
        small.imageHeight = 4000;
        small.preview = QImage(160, 107, QImage::Format_RGB32);
        IconItem full = small;
        full.fileName = "/f/full.jpg";
        full.preview = QImage(500, 333, QImage::Format_RGB32);
        QScopedPointer<QMimeData> mime(payload({small, full}));
        QVERIFY(model.dropMimeData(mime.data(), Qt::CopyAction, 0, 0, QModelIndex()));
        QCOMPARE(model.index(0).data(IconsModel::StateRole).toInt(), int(IconItem::State::Placeholder));
        QCOMPARE(model.index(1).data(IconsModel::StateRole).toInt(), int(IconItem::State::Decoded));
    }

    // A photograph dragged out of a page frame: the receiver tells how many
    // frames still show it.
    void dropFromFrame()
    {
        IconsModel model(ImageListRole::Selection, false);
        model.addItem(record("/f/listed.jpg"));
        IconItem listed = record("/f/listed.jpg", 3, 4);
        IconItem fresh = record("/f/fresh.jpg", 3, 7);
        fresh.fileData = HeldBytes::loose("bytes");
        ByteBudget budget;
        model.setByteBudget(&budget);
        FramesForTest frames;
        model.setFrameReturn(&frames);
        QScopedPointer<QMimeData> mime(payload({listed, fresh}));
        QVERIFY(model.dropMimeData(mime.data(), Qt::MoveAction, 0, 0, QModelIndex()));
        QCOMPARE(frames.taken, QList<int>({4, 7}));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(0).data(IconsModel::UseCountRole).toInt(), 1);
        QCOMPARE(model.index(1).data(IconsModel::UseCountRole).toInt(), 1);
        QCOMPARE(model.index(1).data(IconsModel::StateRole).toInt(), int(IconItem::State::Decoded));
        QVERIFY(model.index(1).data(IconsModel::FileDataRole).toByteArray().isEmpty());
        QCOMPARE(budget.total(), qint64(0));

        // Nobody to take the frames back: the counts come as dragged.
        IconsModel alone(ImageListRole::Selection, false);
        QVERIFY(alone.dropMimeData(mime.data(), Qt::MoveAction, 0, 0, QModelIndex()));
        QCOMPARE(alone.index(1).data(IconsModel::UseCountRole).toInt(), 7);
    }

    // File bytes set on a row count against the model's budget; without a
    // budget (the folder panel) the row keeps none.
    void setDataHoldsBytesWithinTheBudget()
    {
        IconsModel folder(ImageListRole::Folder, false);
        folder.addItem(record("/f/a.jpg"));
        QVERIFY(folder.setData(folder.index(0), QByteArray(100, 'x'), IconsModel::FileDataRole));
        QVERIFY(folder.index(0).data(IconsModel::FileDataRole).toByteArray().isEmpty());

        ByteBudget budget;
        IconsModel selection(ImageListRole::Selection, false);
        selection.setByteBudget(&budget);
        selection.addItem(record("/f/a.jpg"));
        QVERIFY(selection.setData(selection.index(0), QByteArray(100, 'x'), IconsModel::FileDataRole));
        QCOMPARE(selection.index(0).data(IconsModel::FileDataRole).toByteArray().size(), 100);
        QCOMPARE(budget.total(), qint64(100));
        selection.removeRows(0, 1);
        QCOMPARE(budget.total(), qint64(0));
    }

    // A decoded thumbnail reaches its row through setDecoded: the row takes
    // sizes, date and turn, and (in the selection list) the bytes.
    void decodedResultReachesItsRow()
    {
        ByteBudget budget;
        IconsModel model(ImageListRole::Selection, false);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setByteBudget(&budget);
        model.addItem(record("/f/a.jpg", 1));
        model.addItem(record("/f/b.jpg", 1));
        ThumbnailResult result;
        result.width = 64;
        result.height = 48;
        result.rotation = 90;
        result.date = QDateTime(QDate(2019, 4, 5), QTime(6, 7, 8));
        result.image = QImage(64, 48, QImage::Format_RGB32);
        result.image.fill(Qt::red);
        result.data = QByteArray(300, 'j');
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setDecoded(model.index(0), result);
        QVERIFY(!changed.isEmpty());
        const QModelIndex a = model.index(0);
        QCOMPARE(a.data(IconsModel::StateRole).toInt(), int(IconItem::State::Decoded));
        QCOMPARE(a.data(IconsModel::RotationRole).toInt(), 90);
        QCOMPARE(a.data(IconsModel::PreviewRole).value<QImage>().size(), QSize(48, 64));
        QCOMPARE(a.data(IconsModel::ShotTimeRole).toDateTime(), result.date);
        QCOMPARE(a.data(IconsModel::FileDataRole).toByteArray(), result.data);
        QCOMPARE(budget.total(), qint64(300));

        // An index of another model is not this model's row.
        IconsModel other(ImageListRole::Selection, false);
        other.addItem(record("/f/c.jpg", 1));
        changed.clear();
        model.setDecoded(other.index(0), result);
        QCOMPARE(changed.size(), 0);
    }

    // A URL list may name a device that never ends, a pipe or a folder:
    // none is read or copied, the plain files beside them are.
    void urlsOfDevicesPipesAndFolders()
    {
        const QString good = writeFile("plain.jpg", makeJpeg(40, 30));
        QTemporaryDir other;
        const QString pipe = other.filePath("pipe.jpg");
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QList<QUrl> urls{QUrl::fromLocalFile("/dev/zero"), QUrl::fromLocalFile(pipe),
                               QUrl::fromLocalFile(other.path()), QUrl::fromLocalFile(good)};
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QDataStream out(&buffer);
        IconsModel::itemsFromUrls(urls, out);
        QDataStream in(bytes);
        IconItem item;
        QVERIFY(readIconRecord(in, item));
        QCOMPARE(item.fileName, good);
        QVERIFY(in.atEnd());

        QMimeData mime;
        mime.setUrls(urls);
        IconsModel selection(ImageListRole::Selection, false);
        QVERIFY(selection.dropMimeData(&mime, Qt::CopyAction, -1, 0, QModelIndex()));
        QCOMPARE(names(selection), QStringList({"plain.jpg"}));

        QTemporaryDir target;
        IconsModel folder(ImageListRole::Folder, false);
        folder.setDirPath(target.path());
        QVERIFY(folder.dropMimeData(&mime, Qt::CopyAction, -1, 0, QModelIndex()));
        QCOMPARE(QDir(target.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"plain.jpg"}));
    }

    // A black-and-white PNG of w x h pixels: a few bytes on disk, a large
    // image once decoded.
    static QByteArray monoPng(quint32 w, quint32 h)
    {
        const auto chunk = [](const char *type, const QByteArray &data) {
            QByteArray body = QByteArray(type) + data;
            quint32 crc = 0xffffffff;
            for (char ch : body) {
                crc ^= quint8(ch);
                for (int k = 0; k < 8; ++k)
                    crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1)));
            }
            QByteArray out;
            QDataStream s(&out, QIODevice::WriteOnly);
            s << quint32(data.size());
            s.writeRawData(body.constData(), body.size());
            s << ~crc;
            return out;
        };
        QByteArray header;
        QDataStream s(&header, QIODevice::WriteOnly);
        s << w << h << quint8(1) << quint8(0) << quint8(0) << quint8(0) << quint8(0);
        const QByteArray rows(int(h * (1 + (w + 7) / 8)), '\0');
        return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", qCompress(rows).mid(4))
            + chunk("IEND", QByteArray());
    }

    // Record images are checked before they are decoded: one claiming more
    // pixels than any preview has ends the stream instead of allocating
    // what it claims; one at the limit reads.
    void recordImagesOfImpossibleSize_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("read");
        QTest::newRow("at the limit") << 4096 << true;
        QTest::newRow("beyond") << 4097 << false;
    }
    void recordImagesOfImpossibleSize()
    {
        QFETCH(int, side);
        QFETCH(bool, read);
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << qint32(2) << qint32(side) << qint32(side) << qint32(0) << qint32(0) << QPixmap() << qint32(1);
        const QByteArray png = monoPng(side, side);
        out.writeRawData(png.constData(), png.size());
        out << QString("/f/huge.jpg") << QDateTime() << QDateTime() << qint32(0) << QByteArray();

        QDataStream in(bytes);
        IconItem item;
        QCOMPARE(readIconRecord(in, item).ok(), read);
        QCOMPARE(item.preview.isNull(), !read);
        if (read) {
            QCOMPARE(item.preview.size(), QSize(side, side));
            QCOMPARE(item.fileName, QString("/f/huge.jpg"));
        }
    }

    // Only quarter turns are turns: a record with any other rotation is
    // damage and ends the stream, in a drop as well.
    void recordRotations_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<bool>("read");
        QTest::newRow("0") << 0 << true;
        QTest::newRow("270") << 270 << true;
        QTest::newRow("45") << 45 << false;
        QTest::newRow("-90") << -90 << false;
        QTest::newRow("360") << 360 << false;
        QTest::newRow("found by fuzzing") << 16711679 << false;
    }
    void recordRotations()
    {
        QFETCH(int, rotation);
        QFETCH(bool, read);
        IconItem item = record("/f/turned.jpg");
        item.rotation = rotation;
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        writeIconRecord(out, item);
        writeIconRecord(out, record("/f/next.jpg"));

        QDataStream in(bytes);
        IconItem back;
        QCOMPARE(readIconRecord(in, back).ok(), read);
        QMimeData mime;
        mime.setData(velmoraMimeType(), bytes);
        IconsModel selection(ImageListRole::Selection, false);
        QVERIFY(selection.dropMimeData(&mime, Qt::CopyAction, -1, 0, QModelIndex()));
        QCOMPARE(names(selection), read ? QStringList({"turned.jpg", "next.jpg"}) : QStringList());
    }

    void itemsFromUrls()
    {
        const QString good = writeFile("g.jpg", makeJpeg(40, 30, makeTiff(true, {orientationEntry(3)})));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QDataStream out(&buffer);
        IconsModel::itemsFromUrls({QUrl::fromLocalFile(good), QUrl::fromLocalFile(dir->filePath("none.jpg")),
                                   QUrl("http://example.invalid/x.jpg")}, out);
        QCOMPARE(buffer.pos(), qint64(0));
        QDataStream in(bytes);
        IconItem item;
        QVERIFY(readIconRecord(in, item));
        QVERIFY(in.atEnd());
        QCOMPARE(item.fileName, good);
        QCOMPARE(item.state, IconItem::State::Placeholder);
        // A record of a URL carries the path only: hundreds of camera
        // photographs must not be read, decoded or copied into one array.
        QVERIFY(item.fileData.isEmpty());
        QVERIFY(item.preview.isNull());
        QVERIFY(bytes.size() < 1000);
        QCOMPARE(item.fileSize, int(QFileInfo(good).size()));
    }

    void projectSection()
    {
        const QString a = writeFile("a.jpg", makeJpeg(40, 30, makeTiff(true, {orientationEntry(6)})));
        const QString b = writeFile("b.jpg", makeJpeg(20, 10));
        IconsModel model(ImageListRole::Selection, false);
        IconItem ia = IconsModel::itemFromFile(QFileInfo(a));
        ia.state = IconItem::State::Decoded;
        ia.rotation = 180; // turned by the user
        ia.useCount = 2;
        ia.fileData = HeldBytes::loose("A");
        model.addItem(ia);
        model.addItem(IconsModel::itemFromFile(QFileInfo(b)));
        QByteArray bytes;
        QMap<QString, QByteArray> files;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out.setVersion(QDataStream::Qt_5_1);
            QVERIFY(model.save(out, files));
        }
        QCOMPARE(files.value(a), QByteArray("A"));
        QVERIFY(files.contains(b));

        ByteBudget budget;
        IconsModel loaded(ImageListRole::Selection, false);
        loaded.setByteBudget(&budget);
        QAbstractItemModelTester tester(&loaded, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QDataStream in(bytes);
        in.setVersion(QDataStream::Qt_5_1);
        QVERIFY(loaded.load(in));
        QCOMPARE(loaded.rowCount(), 0); // staged only
        QSignalSpy count(&loaded, &IconsModel::changeCountImage);
        loaded.adoptLoaded();
        QCOMPARE(count.last().at(0).toInt(), 2);
        const QModelIndex i = loaded.index(0);
        QCOMPARE(i.data(IconsModel::FileNameRole).toString(), a);
        QCOMPARE(i.data(IconsModel::StateRole).toInt(), 2);
        QCOMPARE(i.data(IconsModel::RotationRole).toInt(), 180);
        QCOMPARE(i.data(IconsModel::UseCountRole).toInt(), 2);
        QCOMPARE(i.data(IconsModel::ImageWidthRole).toInt(), 40);
        QCOMPARE(i.data(IconsModel::PreviewRole).value<QImage>().size(), QSize(40, 30));
        QCOMPARE(budget.total(), QFileInfo(a).size() + QFileInfo(b).size());

        // Cut short: the error names the record, earlier ones stay staged.
        for (int cut : {2, 30, bytes.size() - 3}) {
            IconsModel broken(ImageListRole::Selection, false);
            QDataStream part(bytes.left(cut));
            part.setVersion(QDataStream::Qt_5_1);
            QVERIFY(broken.load(part).detail().startsWith("Load IconsModel"));
        }
    }
};

QTEST_MAIN(TestIconsModel)
#include "test_iconsmodel.moc"
