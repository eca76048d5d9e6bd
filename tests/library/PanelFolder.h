#pragma once

// A folder of real JPEG files for the image panel tests, the Russian
// catalogue of the build, and the panels' rows and viewers.

#include "library/IconsModel.h"
#include "library/ViewImage.h"
#include "tests/library/ExifJpeg.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QTranslator>

#include <functional>

// Writes a JPEG of w x h pixels, last modified at `time` when valid.
inline QString writePhoto(const QString &folder, const QString &name, int w = 64, int h = 48,
                          const QDateTime &time = QDateTime())
{
    const QString path = QDir(folder).filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(makeJpeg(w, h));
    f.flush();
    if (time.isValid())
        f.setFileTime(time, QFileDevice::FileModificationTime);
    f.close();
    return path;
}

// The file names (without their folder) of the panel's rows, in row order.
inline QStringList rowNames(const IconsModel *m)
{
    QStringList list;
    for (int r = 0; r < m->rowCount(); ++r)
        list << m->item(r).fileName.section('/', -1);
    return list;
}

// Runs `each` on every viewer a panel opens, until it returns false (the
// viewer is then closed with its close button); it stops with `owner`.
inline void driveViewers(QObject *owner, const std::function<bool(ViewImage *)> &each)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, each] {
        // Viewers already closed may linger until their deferred deletion:
        // take the one that is showing and not yet handled.
        ViewImage *viewer = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *v = qobject_cast<ViewImage *>(w); v && v->isVisible() && !v->property("seen").toBool())
                viewer = v;
        if (!viewer)
            return;
        viewer->setProperty("seen", true);
        if (!each(viewer)) {
            viewer->close();
            timer->deleteLater();
        }
    });
    timer->start();
}
