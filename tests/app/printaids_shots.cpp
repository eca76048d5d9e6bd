// The main window with the canvas fitted to its panel, the low-resolution
// badge and the trim marks, the PDF export dialog and the question before
// output, photographed with ImageMagick's "import" for a look by eye:
//   HOME=<empty folder> xvfb-run -a -s "-screen 0 1600x1000x24" printaids_shots <folder> [ru]
// (with QT_SCALE_FACTOR=2 for a screen of twice the pixel density).
#include "OutputFixture.h"

#include "app/ExportDialog.h"
#include "app/LowResolutionQuestion.h"
#include "app/Velmora.h"
#include "arrange/Arrange.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QSettings>

namespace {

void settle(QApplication &app)
{
    for (int n = 0; n < 30; ++n) {
        app.processEvents();
        QThread::msleep(25);
    }
}

void shootScreen(const QString &file)
{
    QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file});
}

} // namespace

int main(int argc, char **argv)
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    const QStringList args = app.arguments();
    const QDir folder(args.value(1, QStringLiteral(".")));
    const QString language = args.size() > 2 ? QStringLiteral("ru") : QStringLiteral("en");
    QTemporaryDir dir;
    {
        // The window speaks the language its settings name (run with a
        // HOME of its own: the settings are written when it closes).
        QSettings settings(QStringLiteral("Tarnwick"), QStringLiteral("Velmora"));
        settings.setValue(QStringLiteral("/Settings/Language"), language);
    }

    Velmora window;
    window.resize(1600, 1000);
    window.showMaximized();
    Arrange &dock = *window.arrangeDock();
    dock.show();
    dock.raise();
    // A4 with two frames of 100 x 150 mm: a 300 x 200 photograph and a
    // sharp one.
    Page layout = a4Layout(2, 1);
    for (PhotoFrame &f : layout.frames) {
        f.width = 9500;
        f.height = 15000;
    }
    layout.frames[1].x = layout.frames[0].x + 10000;
    dock.document().templatePage = layout;
    QVector<IconItem> items(2);
    items[0].fileName = writePhoto(dir.path(), QStringLiteral("small.jpg"), QColor(60, 140, 60), 300, 200);
    items[1].fileName = writePhoto(dir.path(), QStringLiteral("sharp.jpg"), QColor(60, 90, 170), 3000, 2000);
    dock.engine()->arrangeAll(items);
    settle(app);
    shootScreen(folder.filePath(QStringLiteral("canvas_%1.png").arg(language)));

    dock.setCutGuides(true);
    settle(app);
    shootScreen(folder.filePath(QStringLiteral("guides_%1.png").arg(language)));

    ExportValues values;
    values.exportTo = dock.pageCount();
    ExportDialog pdf(values, dir.filePath(QStringLiteral("pages.pdf")), &window, ExportDialog::Format::Pdf);
    pdf.setCutGuides(true);
    pdf.show();
    settle(app);
    shootScreen(folder.filePath(QStringLiteral("pdfexport_%1.png").arg(language)));
    pdf.hide();

    QTimer::singleShot(800, &app, [&] {
        shootScreen(folder.filePath(QStringLiteral("question_%1.png").arg(language)));
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    LowResolutionQuestion::confirm(&window, dock.document().pages, {0}, LowResolutionQuestion::Output::Print);
    return 0;
}
