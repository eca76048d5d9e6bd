#include "app/ProjectFile.h"

#include "arrange/ProjectPages.h"
#include "library/IconsModel.h"
#include "library/ByteBudget.h"
#include "library/ImageFile.h"
#include "library/StreamLimits.h"
#include "platform/Outcome.h"
#include "platform/ReplacingFile.h"

#include <QDataStream>
#include <QFile>
#include <QLoggingCategory>
#include <QMap>

#include <cmath>

Q_LOGGING_CATEGORY(lcProject, "velmora.project", QtWarningMsg)

namespace ProjectFile {

namespace {

// What people are told; the format's own code follows as the detail.
const char *const Damaged = QT_TRANSLATE_NOOP("QObject", "The project file is damaged and cannot be opened.");
const char *const Foreign =
    QT_TRANSLATE_NOOP("QObject", "The file is not a Velmora project, or it was made by a newer version of the program.");
const char *const Unopened = QT_TRANSLATE_NOOP("QObject", "The project file cannot be opened.");
const char *const Unsaved =
    QT_TRANSLATE_NOOP("QObject", "The project could not be saved; a project file that was there is unchanged.");

constexpr quint32 NullArray = 0xffffffffu;

bool plausible(const PageSetup &d)
{
    const auto length = [](double v) { return std::isfinite(v) && v >= 0 && v <= 100000; };
    return d.unit >= PageSetup::Inch && d.unit <= PageSetup::Centimetre && (d.orientation == 0 || d.orientation == 1)
           && d.paperSize >= 0 && length(d.top) && length(d.bottom) && length(d.left) && length(d.right)
           && length(d.width) && length(d.height);
}

void writeHeader(QDataStream &out, const ProjectContents &c)
{
    const PageSetup &d = c.pageSetup;
    out << magic() << d.unit << d.orientation << d.paperSize << d.borderless << d.top << d.bottom << d.left
        << d.right << d.width << d.height << c.pageFormatName << c.unitScale << c.unitSuffix << c.paperName;
}

Outcome readHeader(QDataStream &in, ProjectContents &c)
{
    QString m;
    in >> m;
    if (in.status() == QDataStream::Ok && m == magic()) {
        c.format = ProjectContents::Format::Current;
    } else if (in.status() == QDataStream::Ok && m == oldMagic()) {
        c.format = ProjectContents::Format::Old;
    } else {
        return Outcome::failure(Foreign, QObject::tr("This is an unsupported file format."));
    }
    PageSetup &d = c.pageSetup;
    in >> d.unit >> d.orientation >> d.paperSize >> d.borderless >> d.top >> d.bottom >> d.left >> d.right >> d.width
        >> d.height >> c.pageFormatName >> c.unitScale >> c.unitSuffix >> c.paperName;
    if (in.status() != QDataStream::Ok || !plausible(d))
        return Outcome::failure(Damaged, QStringLiteral("Stream Error 10."));
    return Outcome();
}

// The embedded-file section: each copy is kept in memory while the budget
// allows, else skipped; its position is noted either way.
Outcome readFiles(QDataStream &in, ProjectContents &c, qint64 heldBytes)
{
    QIODevice &device = *in.device();
    qint32 count = 0;
    in >> count;
    // A path length and a byte-array length at the least.
    if (in.status() != QDataStream::Ok || !countFits(in, count, 8))
        return Outcome::failure(Damaged, QStringLiteral("Stream Error 11."));
    c.embedded.clear();
    c.keptBytes = 0;
    for (qint32 i = 0; i < count; ++i) {
        QString path;
        quint32 length = 0;
        in >> path;
        const qint64 position = device.pos();
        in >> length;
        EmbeddedFile entry;
        entry.position = position;
        bool ok = in.status() == QDataStream::Ok;
        if (ok && length != NullArray) {
            entry.size = length;
            ok = !device.isSequential() && qint64(length) <= device.size() - device.pos();
            // Kept while the budget is not spent, and never a copy larger
            // than the budget itself (a byte array cannot hold 2 GB).
            if (ok && heldBytes + c.keptBytes <= ByteBudget::Limit && length <= ByteBudget::Limit) {
                entry.bytes.resize(int(length));
                ok = device.read(entry.bytes.data(), length) == qint64(length);
                c.keptBytes += length;
            } else if (ok) {
                ok = device.seek(device.pos() + length);
            }
        }
        if (!ok)
            return Outcome::failure(Damaged, QStringLiteral("Load FileArr ") + QString::number(i));
        c.embedded.insert(path, entry);
    }
    return Outcome();
}

// The bytes written for `name`: those held when they are an image, else the
// file on disk when it is an image, else the open project's copy. Anything
// else (a file that is no image, whatever its name claims) is not carried.
QByteArray bytesToEmbed(const QString &name, const QByteArray &held, const ImageSource &open)
{
    if (name.isEmpty())
        return QByteArray();
    if (isImageData(held))
        return held;
    QByteArray disk;
    ImageSource::readPlainFile(name, disk);
    if (isImageData(disk))
        return disk;
    const auto it = open.table().constFind(name);
    if (it == open.table().constEnd()) {
        if (!disk.isEmpty())
            qCInfo(lcProject) << "not embedded, not an image:" << name;
        return QByteArray();
    }
    return it->bytes.isEmpty() ? ImageSource::readEmbedded(open.projectPath(), it->position) : it->bytes;
}

// Writes `bytes` as the stream writes a byte array (its length, 0xffffffff
// for none, then the bytes), the bytes until the system has taken them all
// or says why it takes no more: a nearly full disk takes a part in a write
// that succeeds, and only the next write gives the reason.
bool writeByteArray(QDataStream &out, const QByteArray &bytes)
{
    out << (bytes.isNull() ? quint32(0xffffffffu) : quint32(bytes.size()));
    if (out.status() != QDataStream::Ok)
        return false;
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = out.device()->write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The whole file through a ReplacingFile; every failure is told as a failed save by write().
Outcome writeFile(const QString &path, const ProjectContents &contents, const ImageSource &open,
                  EmbeddedTable *written)
{
    ReplacingFile file(path);
    if (Outcome opened = file.open(); !opened)
        return opened;
    QIODevice &device = file.device();
    QDataStream out(&device);
    out.setVersion(QDataStream::Qt_5_1);
    writeHeader(out, contents);
    if (out.status() != QDataStream::Ok) // the temporary file goes with `file`
        return Outcome::failure(Unsaved, QStringLiteral("Stream Error 20."));
    QMap<QString, QByteArray> files;
    if (Outcome rows = IconsModel::writeRows(out, contents.rows, files); !rows)
        return rows;
    if (Outcome pages = ProjectPages::write(out, contents.pages, files); !pages)
        return pages;
    out << qint32(files.size());
    if (out.status() != QDataStream::Ok)
        return Outcome::failure(Unsaved, QStringLiteral("Stream Error 21."));
    EmbeddedTable table;
    for (auto it = files.constBegin(); it != files.constEnd(); ++it) {
        out << it.key();
        EmbeddedFile entry;
        entry.position = device.pos();
        const QByteArray bytes = bytesToEmbed(it.key(), it.value(), open);
        entry.size = bytes.size();
        if (!writeByteArray(out, bytes) || out.status() != QDataStream::Ok) {
            // The system's reason (a full disk) first, then where it stopped.
            return Outcome::failure(Unsaved, device.errorString() + QStringLiteral(". Save FileArr ") + it.key());
        }
        table.insert(it.key(), entry);
    }
    if (Outcome committed = file.commit(); !committed)
        return committed;
    if (written)
        *written = table;
    return Outcome();
}

} // namespace

QString withExtension(const QString &name)
{
    return name.right(4).toLower() == QLatin1String(".vm2") ? name : name + QStringLiteral(".vm2");
}

ProjectContents gather(const FormatSettings &formats, const QVector<IconItem> &rows, const QVector<Page> &pages)
{
    ProjectContents c;
    c.pageSetup = formats.page.pageSetup;
    c.pageFormatName = formats.layout.pageFormatName;
    c.unitScale = formats.layout.unitScale;
    c.unitSuffix = formats.page.unitSuffix;
    c.paperName = formats.page.paperName;
    c.rows = rows;
    c.pages = pages;
    return c;
}

void adoptSettings(const ProjectContents &contents, FormatSettings &formats)
{
    formats.adoptPageSetup(contents.pageSetup);
    formats.layout.pageFormatName = contents.pageFormatName;
}

QString magic() { return QStringLiteral("VMA 2.C"); }
QString oldMagic() { return QStringLiteral("VMA 2.0"); }

Outcome read(QIODevice &device, ProjectContents &contents, qint64 heldBytes)
{
    QDataStream in(&device);
    in.setVersion(QDataStream::Qt_5_1);
    Outcome outcome = readHeader(in, contents);
    if (outcome)
        outcome = IconsModel::readRows(in, contents.rows).told(Damaged);
    if (outcome)
        outcome = ProjectPages::read(in, contents.pages, contents.format == ProjectContents::Format::Current)
                      .told(Damaged);
    if (outcome)
        outcome = readFiles(in, contents, heldBytes);
    return outcome;
}

Outcome read(const QString &path, ProjectContents &contents, qint64 heldBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Outcome::failure(Unopened, file.errorString()).logged(lcProject(), "read", path);
    return read(file, contents, heldBytes).logged(lcProject(), "read", path);
}

Outcome write(const QString &path, const ProjectContents &contents, const ImageSource &open, EmbeddedTable *written)
{
    return writeFile(path, contents, open, written).told(Unsaved).logged(lcProject(), "write", path);
}

} // namespace ProjectFile
