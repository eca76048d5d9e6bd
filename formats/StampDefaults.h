#pragma once

#include "formats/StampStyle.h"
#include "formats/ToolScope.h"

#include <QColor>
#include <QFont>
#include <QString>

// The date and file-name stamp new frames start with, as the settings keep
// it (the font as its description).
struct StampDefaults
{
    bool printFileName = false;
    bool printDateStamp = false;
    ToolScope allPageDateStamp = ToolScope::SelectedPages; // the frames the Stamp command changes
    QString font = QStringLiteral("Courier,10,-1,5,75,0,0,0,0,0");
    QColor color; // invalid until chosen
    StampPosition position = StampPosition::AlongTopLeft;

    // The style a frame takes: the font described here when `withFont` and
    // the description reads, else `ownFont`.
    StampStyle style(const QFont &ownFont, bool withFont) const
    {
        StampStyle s;
        s.printFileName = printFileName;
        s.printDateStamp = printDateStamp;
        s.font = ownFont;
        QFont described;
        if (withFont && described.fromString(font))
            s.font = described;
        s.color = color;
        s.position = position;
        return s;
    }
};
