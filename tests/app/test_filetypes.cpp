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

} // namespace

class TestFileTypes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
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
