#pragma once

#include <QGuiApplication>

#include <cstdlib>

// The application the targets that draw icons and pixmaps need: offscreen,
// made once before the first input. Qt's warnings about damaged images are
// expected on every other input and are not shown.
inline void fuzzGuiApplication()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static int argc = 1;
    static char name[] = "velmora_fuzz";
    static char *argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(argc, argv);
}
