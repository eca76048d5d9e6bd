#include "platform/SystemTheme.h"

#include <QtGlobal>
#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace SystemTheme {

Answer appsTheme()
{
#ifdef Q_OS_WIN
    QSettings reg(QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize"),
                  QSettings::NativeFormat);
    if (reg.status() != QSettings::NoError)
        return Answer::Unknown;
    return reg.value(QStringLiteral("AppsUseLightTheme"), 1024).toInt() == 0 ? Answer::Dark
                                                                             : Answer::Light;
#else
    return Answer::Unknown;
#endif
}

} // namespace SystemTheme
