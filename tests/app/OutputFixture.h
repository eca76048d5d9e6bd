#pragma once

// Pages for the print, export and command-line tests: real JPEG files laid
// out by the arrangement engine on an A4 layout with 5 mm margins.

#include "arrange/ArrangeEngine.h"
#include "formats/LayoutCatalogue.h"
#include "library/IconItem.h"
#include "tests/TestPhoto.h"

#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>

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
