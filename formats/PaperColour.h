#pragma once

#include "library/ColourTarget.h"
#include "library/RenderingIntent.h"

#include <QHash>
#include <QString>
#include <QStringList>

class QSettings;

// The colour profile of the printer on one paper, and the intent to print
// with. Without a profile the pages are printed and exported in sRGB.
struct PaperColour
{
    QString profilePath; // an ICC file; empty: none
    RenderingIntent intent = RenderingIntent::Relative;

    bool hasProfile() const { return !profilePath.isEmpty(); }
    // Where printing and export convert to: the profile with the intent, or
    // sRGB without a profile. A profile that cannot be read gives sRGB with
    // `problem` set.
    ColourTarget target(QString *problem = nullptr) const;

    // The profiles of the papers, by paper catalogue index (0: a size of the
    // user's own), in the settings keys "/PaperProfile<index>" and
    // "/PaperIntent<index>".
    static QHash<int, PaperColour> read(QSettings &settings);
    static void write(QSettings &settings, const QHash<int, PaperColour> &papers);

    // The folders where ICC profiles are usually kept, for the list of
    // profiles offered.
    static QStringList profileFolders();
    // The ICC files of those folders.
    static QStringList installedProfiles();
};
