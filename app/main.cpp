#include "app/CommandLine.h"
#include "app/Velmora.h"

#include "library/ColourTarget.h"
#include "platform/DisplayProfile.h"

#include <QApplication>
#include <QSplashScreen>

#include <cstdio>
#include <cstdlib>

namespace {

void nameApplication()
{
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QApplication::setApplicationVersion(QStringLiteral("2.18.2"));
    // The desktop entry the windows belong to (the application id on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.velmora"));
}

// Without a window the program speaks for itself on standard error: the
// toolkit's own warnings (a missing runtime folder, fonts) are not for the
// user of a script; errors still are.
void quietToolkit(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

QtMessageHandler toolkitHandler = nullptr;

// While the window's application starts: the toolkit ends the program when
// it finds no display, which is the user's error, not a crash. Say so and
// end with an exit code instead of aborting.
void startWithoutAbort(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        if (toolkitHandler)
            toolkitHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "%s\n%s\n", qPrintable(message),
                 qPrintable(QCoreApplication::translate(
                     "QObject", "The window needs a display. Without one, write pages with --export-jpeg, --print-pdf "
                                "or --print; see --help.")));
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (CommandLine::hasOptions(args)) {
        // Output without a window: no display needed, no main window built.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
            qInstallMessageHandler(quietToolkit);
        // The toolkit sees no arguments: a -platform among them must not
        // undo the platform chosen here (the command line refuses it).
        static int toolkitArgc = 1;
        QGuiApplication app(toolkitArgc, argv);
        nameApplication();
        return CommandLine::execute(args);
    }

    // Sharp on high-density screens: the window scales with the screen, and
    // pictures made at the screen's density are shown at it.
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    toolkitHandler = qInstallMessageHandler(startWithoutAbort);
    QApplication app(argc, argv);
    qInstallMessageHandler(toolkitHandler);
    nameApplication();
    // Previews are drawn in the screen's colours, known before any is made.
    const ColourProfile screen = ColourProfile::fromIcc(displayIccProfile());
    if (!screen.isNull())
        ColourTarget::setScreen(screen);

    auto *splash = new QSplashScreen(QPixmap(QStringLiteral(":/images/splash.png")), Qt::WindowStaysOnTopHint);
    splash->show();
    QCoreApplication::processEvents();

    Velmora window;
    splash->finish(&window);
    delete splash;
    QCoreApplication::processEvents();
    window.start(CommandLine::windowPaths(QCoreApplication::arguments().mid(1)));
    return app.exec();
}
