#include "formats/FormatSettings.h"

#include "formats/PaperCatalogue.h"

void FormatSettings::adoptPageSetup(const PageSetup &setup)
{
    page.pageSetup = setup;
    layout.unitScale = setup.unitScale();
    page.paperName = PaperCatalogue::paperName(setup);
    page.unitSuffix = PaperCatalogue::unitSuffix(setup.unit);
}
