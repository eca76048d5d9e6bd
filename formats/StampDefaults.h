#pragma once

#include <QColor>
#include <QString>

// The date and file-name stamp new frames start with.
struct StampDefaults
{
    bool printFileName = false;
    bool printDateStamp = false;
    int allPageDateStamp = 1; // 0 selected images, 1 selected pages, 2 all pages
    QString font = QStringLiteral("Courier,10,-1,5,75,0,0,0,0,0");
    QColor color; // invalid until chosen
    int position = 0;
};
