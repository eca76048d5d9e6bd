#include "formats/LayoutFile.h"

#include "formats/FormatsLog.h"
#include "formats/Rounding.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QCursor>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <limits>

const QString LayoutFile::Magic = QStringLiteral("VLY 2.C");

namespace {

const char *const Unsaved = QT_TRANSLATE_NOOP("QObject", "The layout could not be saved.");
const char *const Damaged = QT_TRANSLATE_NOOP("QObject", "The layout file is damaged and cannot be opened.");
const char *const Foreign = QT_TRANSLATE_NOOP("QObject", "The file is not a Velmora layout.");
const char *const Unopened = QT_TRANSLATE_NOOP("QObject", "The layout file cannot be opened.");

// The wait cursor for the length of a file operation (only where there is a
// screen to show it on).
class WaitCursor
{
public:
    WaitCursor() : m_shown(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
    {
        if (m_shown)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~WaitCursor()
    {
        if (m_shown)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    bool m_shown;
};

bool framesInOrder(const QRect &a, const QRect &b)
{
    if (a.y() != b.y())
        return a.y() < b.y();
    if (a.x() != b.x())
        return a.x() < b.x();
    if (a.height() != b.height())
        return a.height() < b.height();
    return a.width() < b.width();
}

// A negative length, or an edge (start + length) outside the integers, is
// damage, not a frame.
bool representable(qint32 start, qint32 length)
{
    const qint64 end = qint64(start) + length;
    return length >= 0 && end > std::numeric_limits<qint32>::min() && end <= std::numeric_limits<qint32>::max();
}

bool onPaper(const QRect &r, qint32 paperWidth, qint32 paperHeight)
{
    return r.width() > 0 && r.height() > 0 && r.x() >= 0 && r.y() >= 0 && qint64(r.x()) + r.width() <= paperWidth
           && qint64(r.y()) + r.height() <= paperHeight;
}

} // namespace

Outcome LayoutFile::write(const QString &fileName, const QString &paperName, qint32 paperWidth,
                          qint32 paperHeight, const QVector<QRectF> &frames)
{
    const auto failed = [&fileName](const QString &detail) {
        return Outcome::failure(Unsaved, detail).logged(lcFormats(), "write", fileName);
    };
    if (fileName.isEmpty())
        return failed(QObject::tr("No file name given."));
    QVector<QRect> rounded;
    rounded.reserve(frames.size());
    for (const QRectF &r : frames) {
        const QRect frame(roundHalfUp(r.x()), roundHalfUp(r.y()), roundHalfUp(r.width()), roundHalfUp(r.height()));
        if (!onPaper(frame, paperWidth, paperHeight))
            return failed(QObject::tr("A frame has no area or reaches beyond the paper."));
        rounded.append(frame);
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    WaitCursor wait;
    std::stable_sort(rounded.begin(), rounded.end(), framesInOrder);

    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_5_1);
    out << Magic << paperName << paperWidth << paperHeight << qint32(rounded.size());
    if (out.status() != QDataStream::Ok)
        return failed(QStringLiteral("Stream Error 20."));
    QString error;
    for (const QRect &r : rounded) {
        out << qint32(r.x()) << qint32(r.y()) << qint32(r.width()) << qint32(r.height());
        if (out.status() != QDataStream::Ok) {
            error = QStringLiteral("Save FileArr ") + error;
            break;
        }
    }
    if (!error.isEmpty()) {
        file.cancelWriting();
        return failed(error);
    }
    if (!file.commit())
        return failed(file.errorString());
    return Outcome();
}

Outcome LayoutFile::read(const QString &fileName, LayoutFile &out)
{
    const auto failed = [&fileName](const char *sentence, const QString &detail) {
        return Outcome::failure(sentence, detail).logged(lcFormats(), "read", fileName);
    };
    // Only plain files, checked where a link leads: opening a pipe waits for
    // a writer that may never come, and a device is read without end.
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        return failed(Unopened, QObject::tr("Not a regular file"));
    if (info.size() > MaxBytes)
        return failed(Unopened, QObject::tr("The file is larger than a layout can be (%1 bytes)").arg(MaxBytes));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return failed(Unopened, file.errorString());
    WaitCursor wait;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_5_1);
    QString magic;
    in >> magic;
    if (magic != Magic)
        return failed(Foreign, QObject::tr("This is an unsupported file format."));
    qint32 count = 0;
    in >> out.paperName >> out.paperWidth >> out.paperHeight >> count;
    if (in.status() != QDataStream::Ok || count < 0)
        return failed(Damaged, QStringLiteral("Stream Error 10."));
    out.frames.clear();
    for (qint32 i = 0; i < count; ++i) {
        qint32 x = 0, y = 0, w = 0, h = 0;
        in >> x >> y >> w >> h;
        if (in.status() != QDataStream::Ok || !representable(x, w) || !representable(y, h))
            return failed(Damaged, QStringLiteral("Load FrameArr ") + QString::number(i));
        out.frames.append(QRect(x, y, w, h));
    }
    return Outcome();
}

QString LayoutFile::paperWord(const QString &paperName)
{
    return paperName.section(QLatin1Char(' '), 0, 0);
}

QString LayoutFile::folderFor(const QString &documentsFolder, const QString &paperName)
{
    return documentsFolder + paperWord(paperName) + QLatin1Char('/');
}

bool LayoutFile::suits(const QString &name, qint32 width, qint32 height) const
{
    return (paperWidth > paperHeight) == (width > height) && paperWord(paperName) == paperWord(name);
}
