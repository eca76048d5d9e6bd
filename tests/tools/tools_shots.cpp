// Shows the crop editor, the stamp dialog and the logo dialog and photographs
// the screen with ImageMagick's "import", for checking the look by eye:
//   xvfb-run -a -s "-screen 0 1600x1000x24" tools_shots <folder> [Velmora_ru.qm]
// (with QT_SCALE_FACTOR=2 for a screen of twice the pixel density).
#include "library/ImageFile.h"
#include "tests/TestPhoto.h"
#include "tools/CropImage.h"
#include "tools/DateStamp.h"
#include "tools/Logo.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTranslator>

namespace {

void shoot(QApplication &app, QWidget &w, const QString &file)
{
    w.show();
    w.raise();
    w.activateWindow();
    for (int n = 0; n < 30; ++n) {
        app.processEvents();
        QThread::msleep(25);
    }
    QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file});
    w.hide();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QDir folder(args.value(1, QStringLiteral(".")));
    const QString language = args.size() > 2 ? QStringLiteral("ru") : QStringLiteral("en");
    QTranslator translator;
    if (args.size() > 2 && translator.load(args.at(2)))
        app.installTranslator(&translator);
    const QString tag = language + QStringLiteral("-x") + qgetenv("QT_SCALE_FACTOR");

    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    writeTestJpeg(photo, 1200, 800, QColor(70, 130, 180), TopBand | CentreSquare);
    const QString logoFile = dir.filePath(QStringLiteral("logo.png"));
    testPicture(200, 100, QColor(230, 160, 20), CentreSquare).save(logoFile);

    PhotoFrame f;
    f.fileName = photo;
    f.width = 10000;
    f.height = 10000;
    f.loadImage(PreviewRule{});
    f.turnFromImage();
    f.fillCrop();
    CropImage crop(f, ImageSource(), true, false, true);
    shoot(app, crop, folder.filePath(QStringLiteral("crop-%1.png").arg(tag)));

    StampDefaults stamp;
    stamp.printDateStamp = true;
    DateStamp dateStamp(stamp);
    dateStamp.move(40, 40);
    shoot(app, dateStamp, folder.filePath(QStringLiteral("stamp-%1.png").arg(tag)));

    LogoDefaults logo;
    logo.printLogo = true;
    logo.fileName = logoFile;
    logo.size = 20;
    logo.horizontal = 2;
    logo.posX = 5;
    logo.posY = 5;
    Logo logoDialog(logo, 1, ImageSource());
    logoDialog.move(40, 40);
    shoot(app, logoDialog, folder.filePath(QStringLiteral("logo-%1.png").arg(tag)));
    return 0;
}
