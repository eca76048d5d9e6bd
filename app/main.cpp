#include "app/Velmora.h"

#include <QApplication>
#include <QSplashScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QApplication::setApplicationVersion(QStringLiteral("2.18.2"));

    auto *splash = new QSplashScreen(QPixmap(QStringLiteral(":/images/splash.png")), Qt::WindowStaysOnTopHint);
    splash->show();
    QCoreApplication::processEvents();

    Velmora window;
    splash->finish(&window);
    delete splash;
    QCoreApplication::processEvents();
    window.start(QCoreApplication::arguments().mid(1));
    return app.exec();
}
