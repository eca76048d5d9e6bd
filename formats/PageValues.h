#pragma once

#include "formats/PageSetup.h"
#include "formats/PaperColour.h"
#include "formats/PhotoSizeSelect.h"

#include <QString>
#include <QVector>

// The user's paper and printing preferences.
struct PageValues
{
    PageSetup pageSetup;
    QString paperName;  // derived from pageSetup
    QString unitSuffix; // derived from pageSetup
    bool printFrame = true;
    bool printCredit = true; // the credit line at the foot of every photograph
    bool cutGuides = false;  // trim marks beside the photographs, for cutting
    int printJobMax = 5;
    QString printerName;
    QVector<PhotoSizeSelect> sizesMM;
    QVector<PhotoSizeSelect> sizesIN;
    // The printer's colour profile per paper (catalogue index).
    QHash<int, PaperColour> paperColours;

    // The colour profile of the paper in force.
    PaperColour paperColour() const { return paperColours.value(pageSetup.paperSize); }
};
