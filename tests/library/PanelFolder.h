#pragma once

// A folder of real JPEG files for the image panel tests, and the Russian
// catalogue of the build.

#include "tests/library/ExifJpeg.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTranslator>

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

// Installs the program's Russian catalogue; false when it was not built.
inline bool installRussian(QTranslator &translator)
{
    if (!translator.load(QStringLiteral("Velmora_ru"), QStringLiteral(VELMORA_BIN_DIR "/Translations")))
        return false;
    QCoreApplication::installTranslator(&translator);
    return true;
}
