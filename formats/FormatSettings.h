#pragma once

#include "formats/LayoutValues.h"
#include "formats/OptionValues.h"
#include "formats/PageValues.h"
#include "library/ThumbnailValues.h"

// The user's preferences that the options dialog and the layout chooser show
// and change. The application owns them; a dialog works on a copy and hands
// back the changed copy only when it is accepted.
struct FormatSettings
{
    PageValues page;
    LayoutValues layout;
    OptionValues options;
    ThumbnailValues thumbs;

    // Makes `setup` the page setup in force, with the values derived from
    // it: the unit scale, the paper name and the unit suffix.
    void adoptPageSetup(const PageSetup &setup);
};
