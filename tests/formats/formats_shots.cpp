// Shows the options dialog on each of its tabs and photographs the screen
// with ImageMagick's "import", for checking the look by eye:
//   xvfb-run -a -s "-screen 0 1280x900x24" formats_shots <folder> [Velmora_ru.qm]
#include "formats/FormatSettings.h"
#include "formats/TabOptions.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTabWidget>
#include <QThread>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.value(1, QStringLiteral("."));
    const QString language = args.size() > 2 ? QStringLiteral("ru") : QStringLiteral("en");
    QTranslator translator;
    if (args.size() > 2 && translator.load(args.at(2)))
        app.installTranslator(&translator);

    FormatSettings st;
    st.page.sizesMM = PhotoSizeSelect::defaultMillimetres();
    st.page.sizesIN = PhotoSizeSelect::defaultInches();
    st.options.editorPath = QStringLiteral("/usr/bin/gimp");

    TabOptions dialog(st);
    dialog.move(40, 40);
    dialog.show();
    auto *tabs = dialog.findChild<QTabWidget *>();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        for (int n = 0; n < 20; ++n) {
            app.processEvents();
            QThread::msleep(25);
        }
        const QString file = QDir(folder).filePath(QStringLiteral("options-%1-%2.png").arg(language).arg(i));
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file});
    }
    return 0;
}
