#include "formats/PaperColour.h"

#include "formats/PaperCatalogue.h"

#include <QDir>
#include <QDirIterator>
#include <QSettings>

ColourTarget PaperColour::target(QString *problem) const
{
    ColourTarget t;
    if (!hasProfile())
        return t;
    const ColourProfile profile = ColourProfile::fromFile(profilePath, problem);
    if (profile.isNull())
        return t;
    t.profile = profile;
    t.intent = intent;
    return t;
}

QHash<int, PaperColour> PaperColour::read(QSettings &settings)
{
    QHash<int, PaperColour> papers;
    for (int i = 0; i < PaperCatalogue::Count; ++i) {
        PaperColour c;
        c.profilePath = settings.value(QStringLiteral("/PaperProfile%1").arg(i), QString()).toString();
        if (!c.hasProfile())
            continue;
        intentFromName(settings.value(QStringLiteral("/PaperIntent%1").arg(i), QString()).toString(), &c.intent);
        papers.insert(i, c);
    }
    return papers;
}

void PaperColour::write(QSettings &settings, const QHash<int, PaperColour> &papers)
{
    for (int i = 0; i < PaperCatalogue::Count; ++i) {
        const PaperColour c = papers.value(i);
        if (c.hasProfile()) {
            settings.setValue(QStringLiteral("/PaperProfile%1").arg(i), c.profilePath);
            settings.setValue(QStringLiteral("/PaperIntent%1").arg(i), intentName(c.intent));
        } else {
            settings.remove(QStringLiteral("/PaperProfile%1").arg(i));
            settings.remove(QStringLiteral("/PaperIntent%1").arg(i));
        }
    }
}

QStringList PaperColour::profileFolders()
{
    return {QDir::homePath() + QStringLiteral("/.local/share/icc"), QDir::homePath() + QStringLiteral("/.color/icc"),
            QStringLiteral("/usr/share/color/icc")};
}

QStringList PaperColour::installedProfiles()
{
    QStringList files;
    for (const QString &folder : profileFolders()) {
        QDirIterator it(folder, {QStringLiteral("*.icc"), QStringLiteral("*.icm"), QStringLiteral("*.ICC"),
                                 QStringLiteral("*.ICM")},
                        QDir::Files, QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext() && files.size() < 500)
            files << it.next();
    }
    files.sort();
    return files;
}
