#include "arrange/RenderOptions.h"

QString RenderOptions::creditFor(const QString &language)
{
    if (language == QLatin1String("ru"))
        return QStringLiteral("Напечатано в Velmora");
    return QStringLiteral("Printed with Velmora");
}
