#pragma once

// Pages for the print, export and command-line tests: real JPEG files laid
// out by the arrangement engine on an A4 layout with 5 mm margins.

#include "arrange/ArrangeEngine.h"
#include "formats/LayoutCatalogue.h"
#include "library/IconItem.h"
#include "tests/TestPhoto.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>

#include <functional>

// A w x h JPEG in `color` with a black band on top and a white square in
// the middle, so that position and turn can be told.
inline QString writePhoto(const QString &dir, const QString &name, QColor color, int w = 1200, int h = 800)
{
    const QString path = QDir(dir).filePath(name);
    writeTestJpeg(path, w, h, color, TopBand | CentreSquare, 90);
    return path;
}

// The A4 page setup in millimetres: portrait, 5 mm margins.
inline Page a4Layout(int across, int down)
{
    const Page base = LayoutCatalogue::paperPage(PageSetup());
    Page t = base;
    t.title = QStringLiteral("test");
    const int w = base.printableWidth() / across, h = base.printableHeight() / down;
    for (int r = 0; r < down; ++r)
        for (int c = 0; c < across; ++c) {
            PhotoFrame f;
            f.x = base.left + c * w;
            f.y = base.top + r * h;
            f.width = w;
            f.height = h;
            t.frames << f;
        }
    return t;
}

// Lays out `count` photographs in varied colours into `doc`, one per frame
// of `layout`.
inline void arrangeDocument(Document &doc, const QString &dir, int count, const Page &layout)
{
    doc.templatePage = layout;
    QVector<IconItem> items;
    for (int i = 0; i < count; ++i) {
        IconItem item;
        item.fileName = writePhoto(dir, QStringLiteral("photo%1.jpg").arg(i), QColor::fromHsv((i * 47) % 360, 200, 220));
        items << item;
    }
    ArrangeEngine engine(doc);
    engine.arrangeAll(items);
}

// Runs a poppler tool; empty when it is missing or fails.
inline QString runTool(const QString &tool, const QStringList &args)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return QString();
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// "Pages:", "Page size:" ... lines of pdfinfo.
inline QString pdfInfo(const QString &file, const QString &key)
{
    const QString out = runTool(QStringLiteral("pdfinfo"), {file});
    for (const QString &line : out.split(QLatin1Char('\n')))
        if (line.startsWith(key + QLatin1Char(':')))
            return line.mid(key.size() + 1).trimmed();
    return QString();
}

// The program run as a process, without a display to open, its settings
// store under `configHome` when one is given; code -1 when it did not finish
// or ended abnormally.
struct Run
{
    int code = -1;
    QString out;
    QString err;
};

// Runs `program` as the tests run the program: its own settings folder,
// no display.
inline Run runWithoutDisplay(const QString &program, const QStringList &args, const QString &configHome = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!configHome.isEmpty())
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.remove(QStringLiteral("QT_QPA_PLATFORM")); // the program picks its own
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":99999"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

inline Run velmora(const QStringList &args, const QString &configHome = QString())
{
    return runWithoutDisplay(QStringLiteral(VELMORA_BIN_DIR "/velmora"), args, configHome);
}

// Answers the modal dialogs to come, in turn: each step gets the next modal
// window that appears and closes it itself.
inline void answerInTurn(QList<std::function<void(QWidget *)>> steps, QPointer<QWidget> previous = {})
{
    if (steps.isEmpty())
        return;
    QTimer::singleShot(10, [steps, previous]() mutable {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || w == previous || !w->isVisible()) {
            answerInTurn(steps, previous);
            return;
        }
        const auto step = steps.takeFirst();
        step(w);
        answerInTurn(steps, w);
    });
}

// A file system of `kib` KiB (a tmpfs) mounted on a fresh folder while the
// object lives, to see what a full disk does; reason() says why there is
// none where the test may not mount one.
class SmallDisk
{
public:
    explicit SmallDisk(int kib)
    {
        QProcess mount;
        mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                             QStringLiteral("size=%1k").arg(kib), QStringLiteral("tmpfs"), m_dir.path()});
        m_mounted = m_dir.isValid() && mount.waitForFinished(10000) && mount.exitStatus() == QProcess::NormalExit
                    && mount.exitCode() == 0;
        if (!m_mounted)
            m_reason = QStringLiteral("a small file system cannot be mounted here (needs mount rights): ")
                       + QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString filePath(const QString &name) const { return QDir(m_dir.path()).filePath(name); }
    QStringList entries() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};

// Writes `bytes` as the file `path`.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
