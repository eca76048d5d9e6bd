#pragma once

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

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
    // The screen, the fonts and the image readers are made on first use and
    // live until exit: made here, before the first input, they are not
    // taken for leaks of the input that happened to make them.
    QImage warm(64, 32, QImage::Format_RGB32);
    QPainter painter(&warm);
    painter.drawText(warm.rect(), QStringLiteral("Velmora"));
    painter.end();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    warm.save(&buffer, "JPEG");
    QImage::fromData(buffer.data());
}
