#include "app/Shell.h"

#include "platform/Program.h"
#include "formats/PageSetup.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QTranslator>

namespace {

// Each translation file names its own language under this text.
const char *const workLanguageKey = QT_TRANSLATE_NOOP("QObject", "WorkLanguage");

} // namespace

namespace Shell {


QString dataFolder(const QString &programFolder, const QString &name)
{
    const QString beside = programFolder + QLatin1Char('/') + name;
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed =
        QDir::cleanPath(programFolder + QStringLiteral("/../share/velmora/") + name);
    return QFileInfo(installed).isDir() ? installed : beside;
}

bool isProjectPath(const QString &path)
{
    // The file name's own suffix decides: "old.vm2.d/photo.jpg" is an image.
    return QFileInfo(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')))
        .fileName()
        .endsWith(QLatin1String(".vm2"), Qt::CaseInsensitive);
}

QString windowTitle(const QString &currentFile)
{
    QString title = Program::name();
    if (!currentFile.isEmpty())
        title += QStringLiteral(" - ") + currentFile;
    return title + QObject::tr("[*]");
}

void printableArea(const PageSetup &d, int &width, int &height)
{
    const int factor = PageSetup::unitScale(d.unit);
    width = int(d.width * factor);
    height = int(d.height * factor);
    if (!d.borderless) {
        width = int(width - (d.left + d.right) * factor);
        height = int(height - (d.top + d.bottom) * factor);
    }
}

bool paperMatches(const PageSetup &setup, int layoutWidth, int layoutHeight)
{
    int w = 0, h = 0;
    printableArea(setup, w, h);
    const auto fits = [](int layout, int now) {
        const qint64 diff = qint64(layout) - now;
        return diff >= -100 && diff <= 300;
    };
    return fits(layoutWidth, w) && fits(layoutHeight, h);
}

QVector<Language> findLanguages(const QString &dir)
{
    QVector<Language> result;
    const QStringList files = QDir(dir).entryList(QStringList{QStringLiteral("Velmora_*.qm")},
                                                  QDir::NoFilter, QDir::Unsorted);
    for (const QString &file : files) {
        QString locale = file.mid(file.indexOf(QLatin1Char('_')) + 1);
        locale.truncate(locale.lastIndexOf(QLatin1Char('.')));
        QTranslator translator;
        QString name;
        if (translator.load(file, dir))
            name = translator.translate("QObject", workLanguageKey);
        result.append(Language{locale, name});
    }
    return result;
}

int chooseLanguage(const QVector<Language> &languages, const QString &language)
{
    int checked = -1;
    for (int i = 0; i < languages.size(); ++i) {
        const Language &l = languages[i];
        if ((language.isEmpty() && l.name == QLatin1String("English")) || language == l.locale) {
            checked = i;
            break;
        }
    }
    if (checked < 0)
        checked = languages.size() - 1;
    return checked;
}

} // namespace Shell
