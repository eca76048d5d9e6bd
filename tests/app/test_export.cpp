// JPEG export: base names and file names, the page image at 0.03 mm a pixel
// with the printable part at its true place, the pages of each mode, the
// files written and failures, and the ExportDialog dialog.
#include "OutputFixture.h"

#include "arrange/PageBands.h"

#include "app/JpegExport.h"
#include "app/OutputSpace.h"
#include "app/ExportDialog.h"
#include "app/ExportCommand.h"
#include "app/UserSettings.h"
#include "arrange/Arrange.h"
#include "library/JpegProfile.h"

#include <QFileDialog>
#include <QLineEdit>

#include <QBuffer>
#include <QCheckBox>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A file that takes at most `room` bytes, each write as it comes.
class SmallFile : public QBuffer
{
public:
    explicit SmallFile(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }
    qint64 largestWrite = 0;

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        largestWrite = qMax(largestWrite, len);
        if (size() + len > m_room) {
            setErrorString(QStringLiteral("No room for the file"));
            return -1;
        }
        return QBuffer::writeData(data, len);
    }

private:
    qint64 m_room;
};

} // namespace

class TestExport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void marginsStayWhite();
    void encoderMatchesImageWriter_data();
    void encoderMatchesImageWriter();
    void pageNumbers_data();
    void pageNumbers();
    void refusedWriteEndsTheEncoding();
    void fullDisk();
    void noRoomIsSaidBeforeWriting();
    void command();

private:
    QTemporaryDir dir;
};

void TestExport::initTestCase() { QVERIFY(dir.isValid()); }

void TestExport::marginsStayWhite()
{
    // A small paper (60 x 45 mm, margins 5 mm) filled by one frame.
    PageSetup d;
    d.paperSize = 0;
    d.width = 60;
    d.height = 45;
    Page layout = LayoutCatalogue::paperPage(d);
    PhotoFrame f;
    f.x = layout.left;
    f.y = layout.top;
    f.width = layout.printableWidth();
    f.height = layout.printableHeight();
    layout.frames << f;
    Document doc;
    arrangeDocument(doc, dir.path(), 1, layout);
    RenderOptions noOutline;
    noOutline.printFrame = false;
    const QImage image = JpegExport::pageImage(doc.page(0), noOutline);
    QCOMPARE(image.size(), QSize(2000, 1500));
    // 5 mm is 166.7 pixels: white outside, photograph inside, on every side,
    // so the printable part is neither enlarged nor cut off.
    const int edge = 500 / 3;
    const int inner[][2] = {{edge + 4, 750}, {2000 - edge - 5, 750}, {1000, edge + 4}, {1000, 1500 - edge - 5}};
    const int outer[][2] = {{edge - 3, 750}, {2000 - edge + 2, 750}, {1000, edge - 3}, {1000, 1500 - edge + 2}};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(QColor(image.pixel(outer[i][0], outer[i][1])), QColor(Qt::white));
        QVERIFY2(QColor(image.pixel(inner[i][0], inner[i][1])) != QColor(Qt::white), qPrintable(QString::number(i)));
    }
}

// The page drawn and compressed band by band is the file the toolkit's own
// writer makes of the whole page image: upright and turned photographs,
// frames listed bottom up, frames that overlap across bands.
void TestExport::encoderMatchesImageWriter_data()
{
    QTest::addColumn<int>("across");
    QTest::addColumn<int>("down");
    QTest::addColumn<bool>("bottomUp");
    QTest::addColumn<bool>("overlapping");
    QTest::newRow("two upright") << 1 << 2 << false << false;
    QTest::newRow("four turned") << 2 << 2 << false << false;
    QTest::newRow("bottom up") << 2 << 3 << true << false;
    QTest::newRow("overlapping") << 2 << 2 << false << true;
}

void TestExport::encoderMatchesImageWriter()
{
    QFETCH(int, across);
    QFETCH(int, down);
    QFETCH(bool, bottomUp);
    QFETCH(bool, overlapping);
    Document doc;
    arrangeDocument(doc, dir.path(), across * down, a4Layout(across, down));
    Page page = doc.page(0);
    QVERIFY(JpegExport::bandRows(JpegExport::imageSize(page)) < JpegExport::imageSize(page).height() / 4);
    if (bottomUp)
        std::reverse(page.frames.begin(), page.frames.end());
    if (overlapping) {
        // The last frame grows over the middle of the page, across many bands.
        PhotoFrame &f = page.frames.last();
        f.x = page.width / 4;
        f.y = page.height / 4;
        f.autoCrop(true);
    }
    SmallFile out(qint64(1) << 30);
    const Outcome encoded = JpegExport::encodePage(page, 80, &out);
    QVERIFY2(encoded, qPrintable(encoded.detail()));
    const QByteArray streamed = out.data();
    // Written as it was made, a block at a time, never held whole.
    QVERIFY2(out.largestWrite * 2 < streamed.size(), qPrintable(QString::number(out.largestWrite)));
    // Frames that meet do not hold their photographs together: a row's
    // are let go before the bands take the next row's.
    if (!overlapping && !bottomUp) {
        const QSize size = JpegExport::imageSize(page);
        PageBands bands(page, JpegExport::printableArea(page), RenderOptions());
        QImage band(size.width(), JpegExport::bandRows(size), QImage::Format_RGB32);
        for (int top = 0; top < size.height(); top += band.height())
            bands.draw(band, top);
        QCOMPARE(bands.mostPhotographsHeld(), across);
    }
    QByteArray written;
    QBuffer buffer(&written);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(80);
    QVERIFY(writer.write(JpegExport::pageImage(page)));
    // The same bytes, and the page says its numbers are sRGB.
    written = withIccProfile(written, ColourProfile::srgb().icc());
    QCOMPARE(streamed.size(), written.size());
    QVERIFY(streamed == written);
}

void TestExport::pageNumbers_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("all") << 0 << 1 << QList<int>() << 1 << 1 << QList<int>{1, 2, 3, 4};
    QTest::newRow("current") << 1 << 2 << QList<int>() << 1 << 1 << QList<int>{3};
    QTest::newRow("no current page") << 1 << -1 << QList<int>() << 1 << 1 << QList<int>();
    QTest::newRow("selected in selection order") << 2 << 0 << QList<int>{3, 0, 2} << 1 << 1 << QList<int>{4, 1, 3};
    QTest::newRow("range") << 3 << 0 << QList<int>() << 2 << 3 << QList<int>{2, 3};
    QTest::newRow("range 3 to 2") << 3 << 0 << QList<int>() << 3 << 2 << QList<int>();
    QTest::newRow("range past the end") << 3 << 0 << QList<int>() << 3 << 9 << QList<int>{3, 4};
}

void TestExport::pageNumbers()
{
    QFETCH(int, mode);
    QFETCH(int, current);
    QFETCH(QList<int>, selected);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, numbers);
    QCOMPARE(JpegExport::pageNumbers(ExportMode(mode), 4, current, selected, from, to), numbers);
    QCOMPARE(JpegExport::stopsOnFailure(ExportMode(mode)), mode != 2);
}

void TestExport::refusedWriteEndsTheEncoding()
{
    // A file that takes no more ends the page with the device's reason.
    Document doc;
    arrangeDocument(doc, dir.path(), 1, a4Layout(1, 1));
    SmallFile out(100000);
    const Outcome encoded = JpegExport::encodePage(doc.page(0), 80, &out);
    QVERIFY(!encoded);
    QCOMPARE(encoded.detail(), QStringLiteral("No room for the file"));
    QVERIFY(out.size() <= 100000);
}

void TestExport::fullDisk()
{
    SmallDisk disk(64);
    if (!disk.mounted())
        QSKIP(qPrintable(disk.reason()));
    Document doc;
    arrangeDocument(doc, dir.path(), 2, a4Layout(1, 2));
    const QString file = disk.filePath(QStringLiteral("Page001.jpg"));
    QVERIFY(writeFile(file, "old"));
    const Outcome written = JpegExport::exportPage(doc.page(0), file, 95);
    QVERIFY(!written);
    QVERIFY2(written.detail().contains(QLatin1String("No space left on device")), qPrintable(written.detail()));
    QCOMPARE(readFile(file), QByteArray("old"));
    QCOMPARE(disk.entries(), QStringList{QStringLiteral("Page001.jpg")});
}

void TestExport::noRoomIsSaidBeforeWriting()
{
    // The least a page takes is less than it does take.
    Document doc;
    arrangeDocument(doc, dir.path(), 1, a4Layout(1, 1));
    QBuffer page;
    page.open(QIODevice::WriteOnly);
    QVERIFY(JpegExport::encodePage(doc.page(0), 80, &page));
    const qint64 least = OutputSpace::jpegBytes(doc.pages(), {0});
    QVERIFY2(least > 100000 && least < page.size(), qPrintable(QString::number(least)));
    const QString file = dir.filePath(QStringLiteral("a.jpg"));
    QVERIFY(OutputSpace::check(file, least));
    QVERIFY(!OutputSpace::check(file, QStorageInfo(dir.path()).bytesAvailable() + 1000000));
}

namespace {

// Chooses `name` in the file dialog of the export.
std::function<void(QWidget *)> chooseFile(const QString &name)
{
    return [name](QWidget *w) {
        auto *files = qobject_cast<QFileDialog *>(w);
        QVERIFY(files);
        auto *edit = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(edit);
        edit->setText(name);
        // The name typed and the dialog closed as accepted directly:
        // selecting it would wait for the folder's listing, which comes late
        // on a busy machine.
        static_cast<QDialog *>(files)->done(QDialog::Accepted);
    };
}

} // namespace

// The export command itself: a name chosen, "File names:" for another, the
// pages written with the status of each page.
void TestExport::command()
{
    Document arrangePages;
    Arrange arrange(arrangePages);
    arrangeDocument(arrange.document(), dir.path(), 2, a4Layout(1, 1));
    QTemporaryDir out;
    UserSettings st;
    st.shell.projectPath = out.path();
    QString shownName;
    answerInTurn({chooseFile(QDir(out.path()).filePath(QStringLiteral("First.jpeg"))),
                  [](QWidget *w) { w->findChild<QPushButton *>(QStringLiteral("fileNames"))->click(); },
                  chooseFile(QDir(out.path()).filePath(QStringLiteral("Trip.JPG"))),
                  [&shownName](QWidget *w) {
                      for (const QLabel *label : w->findChildren<QLabel *>())
                          if (label->text().endsWith(QLatin1String("XXX.jpg")))
                              shownName = label->text();
                      // The credit line is switched where it acts.
                      auto *credit = w->findChild<QCheckBox *>(QStringLiteral("printCredit"));
                      QVERIFY(credit && credit->isChecked());
                      credit->setChecked(false);
                      qobject_cast<QDialog *>(w)->accept();
                  },
                  // The fixture's photographs print below 150 ppi.
                  [](QWidget *w) { w->findChild<QPushButton *>(QStringLiteral("anyway"))->click(); }});
    QStringList status;
    QVERIFY(ExportCommand::run(nullptr, arrange, st, [&status](const QString &text) { status << text; }));
    QCOMPARE(shownName, QDir(out.path()).filePath(QStringLiteral("TripXXX.jpg")));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), (QStringList{"Trip001.jpg", "Trip002.jpg"}));
    // The export ends by saying where the files went.
    QCOMPARE(status.mid(0, 2), (QStringList{"Export to Jpeg Page 1", "Export to Jpeg Page 2"}));
    const QString said = status.last();
    QVERIFY2(said.startsWith(QLatin1String("2 ")) && said.contains(QDir::toNativeSeparators(out.path()))
                 && said.contains(QLatin1String("Trip001.jpg")) && said.contains(QLatin1String("Trip002.jpg")),
             qPrintable(said));
    QVERIFY(!st.page.printCredit);
    QVERIFY(!arrange.preferences().page.printCredit);
    QCOMPARE(st.exports.exportName, QDir(out.path()).filePath(QStringLiteral("Trip")));
}

QTEST_MAIN(TestExport)
#include "test_export.moc"
