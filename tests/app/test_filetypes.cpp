// The file types the program declares to the desktop: installed into a
// private data folder, the system's MIME database must tell projects and
// layouts by their first bytes as the program writes them, and by name.
#include "formats/LayoutFile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The first bytes of a project: the stream string of its magic, then the
// start of the page setup.
QByteArray streamStart(const QString &magic)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_1);
    out << magic << qint32(0) << qint32(0) << qint32(9) << false;
    return bytes;
}

} // namespace

class TestFileTypes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void types_data();
    void types();
    void desktopEntryTypesAreReadable();

private:
    QTemporaryDir dir;
};

void TestFileTypes::initTestCase()
{
    const QString update = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (update.isEmpty())
        QSKIP("update-mime-database is missing (Debian package shared-mime-info)");
    // Each test has a data home of its own (see velmora_test).
    const QString mime = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/mime");
    QVERIFY(QDir().mkpath(mime + QStringLiteral("/packages")));
    QVERIFY(QFile::copy(QStringLiteral(VELMORA_SOURCE_DIR "/resources/desktop/org.example.velmora.xml"),
                        mime + QStringLiteral("/packages/org.example.velmora.xml")));
    QCOMPARE(QProcess::execute(update, {mime}), 0);
}

void TestFileTypes::types_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    const QString project = QStringLiteral("application/x-velmora-project");
    const QString layout = QStringLiteral("application/x-velmora-layout");
    QByteArray layoutBytes;
    {
        const QString path = dir.filePath(QStringLiteral("written.vly"));
        QVERIFY(LayoutFile::write(path, QStringLiteral("A4"), 21000, 29700, {QRectF(500, 500, 10000, 15000)}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        layoutBytes = file.readAll();
    }
    QTest::newRow("project by its bytes") << streamStart("VMA 2.C") << "holiday" << project;
    QTest::newRow("older project by its bytes") << streamStart("VMA 2.0") << "old" << project;
    QTest::newRow("project by name") << QByteArray("x") << "holiday.vm2" << project;
    QTest::newRow("project by name in capitals") << QByteArray("x") << "HOLIDAY.VM2" << project;
    QTest::newRow("layout by its bytes") << layoutBytes << "frames" << layout;
    QTest::newRow("layout by name") << QByteArray("x") << "frames.vly" << layout;
    QTest::newRow("another stream string") << streamStart("VMA 3.0") << "other" << "application/octet-stream";
    QTest::newRow("the magic as plain text") << QByteArray("VMA 2.C and more text\n") << "notes" << "text/plain";
}

void TestFileTypes::types()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QFETCH(QString, type);
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(content.size()));
    file.close();
    QCOMPARE(QMimeDatabase().mimeTypeForFile(file.fileName()).name(), type);
}

// Every image type the desktop entry offers to open has a reader here (TIFF
// and WebP come from the image format plug-ins the package depends on), and
// the project type is among them.
void TestFileTypes::desktopEntryTypesAreReadable()
{
    QFile entry(QStringLiteral(VELMORA_SOURCE_DIR "/resources/desktop/org.example.velmora.desktop"));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList offered;
    while (!entry.atEnd()) {
        const QString line = QString::fromUtf8(entry.readLine()).trimmed();
        if (line.startsWith(QLatin1String("MimeType=")))
            offered = line.mid(9).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    QVERIFY(offered.contains(QStringLiteral("application/x-velmora-project")));
    const QList<QByteArray> readable = QImageReader::supportedMimeTypes();
    int images = 0;
    for (const QString &type : offered) {
        if (!type.startsWith(QLatin1String("image/")))
            continue;
        ++images;
        QVERIFY2(readable.contains(type.toLatin1()), qPrintable(type));
    }
    QCOMPARE(images, 4);
}

QTEST_GUILESS_MAIN(TestFileTypes)
#include "test_filetypes.moc"
