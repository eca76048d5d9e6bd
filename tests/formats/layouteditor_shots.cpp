// Shows the layout editor with three frames, one of them selected, and
// photographs the screen with ImageMagick's "import", for checking the look
// by eye (also with QT_SCALE_FACTOR=2):
//   xvfb-run -a -s "-screen 0 1600x1000x24" layouteditor_shots <folder> [Velmora_ru.qm]
#include "formats/EditLayout.h"
#include "formats/GraphicsPage.h"
#include "formats/LayoutCatalogue.h"
#include "formats/PaperCatalogue.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QThread>
#include <QTranslator>

namespace {

void settle(QApplication &app)
{
    for (int n = 0; n < 20; ++n) {
        app.processEvents();
        QThread::msleep(25);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.value(1, QStringLiteral("."));
    const QString language = args.size() > 2 ? QStringLiteral("ru") : QStringLiteral("en");
    QTranslator translator;
    if (args.size() > 2 && translator.load(args.at(2)))
        app.installTranslator(&translator);

    const DataDock setup;
    EditLayout::Context context;
    context.page = LayoutCatalogue::paperPage(setup);
    context.page.title = QStringLiteral("passport.vly");
    const QRect frames[] = {QRect(1000, 1000, 10000, 15000), QRect(11500, 1000, 3500, 4500),
                            QRect(11500, 6000, 3500, 4500)};
    for (const QRect &r : frames) {
        PhotoFrame f;
        f.x = r.x();
        f.y = r.y();
        f.width = r.width();
        f.height = r.height();
        context.page.frames.append(f);
    }
    context.paperName = PaperCatalogue::paperName(setup);
    context.unitSuffix = PaperCatalogue::unitSuffix(setup.unit);
    context.documentsFolder = QDir::tempPath() + QStringLiteral("/");
    EditLayout editor(context);
    editor.show();
    settle(app);
    editor.graphicsPage()->selectOnly({1});
    editor.graphicsPage()->stepSelected(0, 100, false);
    settle(app);
    const QString file = QDir(folder).filePath(QStringLiteral("layouteditor-%1.png").arg(language));
    QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file});
    return 0;
}
