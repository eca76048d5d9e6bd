#pragma once

#include "library/ColourTarget.h"
#include "library/ImageSource.h"

#include <QString>

// What a drawn page depends on besides the page itself. A value: a copy is
// handed to the code that draws, on whatever thread it runs.
struct RenderOptions
{
    bool printFrame = true; // "Print Frame": a thin grey outline round each photograph
    // Printed in small white letters at the foot of every photograph; empty
    // for none.
    QString creditText = QStringLiteral("Printed with Velmora");
    ImageSource source; // file bytes, and the open project's copies of them
    // Trim marks: short lines in the white space continuing each photograph's
    // edges, for cutting stacks of prints on a guillotine (CutGuides).
    bool cutGuides = false;
    // The colours photographs are drawn in: sRGB, or the profile of the
    // printer on its paper.
    ColourTarget colour;

    // The credit line in the interface language `language` ("en", "ru").
    static QString creditFor(const QString &language);
};
