// Shows the layout editor with three frames, one of them selected, then the
// layout chooser dialog, its editor opened from "Editor of placements" with
// a frame drawn and saved, and the chooser again with the saved layout; each
// is photographed with ImageMagick's "import", for checking the look by eye
// (also with QT_SCALE_FACTOR=2):
//   xvfb-run -a -s "-screen 0 1600x1000x24" layouteditor_shots <folder> [Velmora_ru.qm]
#include "formats/EditLayout.h"
#include "formats/FormatSettings.h"
#include "formats/GraphicsPage.h"
#include "formats/LayoutCatalogue.h"
#include "formats/LayoutView.h"
#include "formats/PageFormat.h"
#include "formats/PaperCatalogue.h"
#include "formats/TabPageFormat.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
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

void shoot(const QString &folder, const QString &name)
{
    QProcess::execute(QStringLiteral("import"),
                      {QStringLiteral("-window"), QStringLiteral("root"), QDir(folder).filePath(name)});
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

    const PageSetup setup;
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
    shoot(folder, QStringLiteral("layouteditor-%1.png").arg(language));
    editor.hide();

    QTemporaryDir documents;
    FormatSettings st;
    st.adoptPageSetup(setup);
    st.page.sizesMM = PhotoSizeSelect::defaultMillimetres();
    st.layout.documentsFolder = documents.path() + QStringLiteral("/");
    TabPageFormat chooser(ChooserMode::Choose, st, setup);
    QTimer::singleShot(500, [&]() {
        shoot(folder, QStringLiteral("chooser-%1-before.png").arg(language));
        QTimer::singleShot(500, [&]() {
            auto *drawn = qobject_cast<EditLayout *>(QApplication::activeModalWidget());
            if (!drawn)
                return;
            drawn->graphicsPage()->addFrame();
            drawn->graphicsPage()->typeValue(GraphicsPage::Field::Width, 3500);
            drawn->graphicsPage()->typeValue(GraphicsPage::Field::Height, 4500);
            QDir().mkpath(documents.path() + QStringLiteral("/A4"));
            drawn->saveTo(documents.path() + QStringLiteral("/A4/passport.vly"));
            settle(app);
            shoot(folder, QStringLiteral("chooser-%1-editor.png").arg(language));
            drawn->accept();
            QTimer::singleShot(500, [&]() {
                shoot(folder, QStringLiteral("chooser-%1-after.png").arg(language));
                chooser.reject();
            });
        });
        chooser.chooser()->view()->selectionModel()->clearSelection();
        for (QPushButton *b : chooser.findChildren<QPushButton *>())
            if (b->icon().cacheKey() && b->text() == QObject::tr("Editor of placements"))
                b->click();
    });
    chooser.exec();
    return 0;
}
