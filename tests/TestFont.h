#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QString>

// Text in the tests that look at drawn pixels is set in DejaVu Sans, loaded
// from the file that .ci/install-deps installs (fonts-dejavu-core), so the
// pixels do not depend on the fonts a machine happens to have. Returns the
// family, empty when the file is missing.
inline QString useTestFont()
{
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
    if (!family.isEmpty())
        QGuiApplication::setFont(QFont(family, 9));
    return family;
}
