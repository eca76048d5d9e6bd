#pragma once

#include <QString>

// The user's preferences for laying photographs out.
struct LayoutValues
{
    int unitScale = 100; // hundredths of a millimetre per unit of the page setup
    QString pageFormatName;
    bool placingClosely = false;
    bool autoCropEnabled = true;
    bool addImagesMode = true; // true "Add Images", false "Add Pages"
    int addPageCount = 1;
    QString documentsFolder; // ends with "/Velmora/"
};
