#include "app/PrintPlan.h"
#include "app/Shell.h"
#include "formats/PageSetup.h"
#include "formats/LayoutCatalogue.h"
#include "formats/PageSetupModel.h"
#include "formats/PaperCatalogue.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

// Any bytes as the "/PageSettings" value: a record that is read back is the
// one stored, and whatever is read can be shown and printed on.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    PageSetup d;
    const bool whole = PageSetup::fromBytes(bytes, d).ok();
    // Refused values give the defaults.
    if (!whole && d != PageSetup())
        __builtin_trap();
    if (d != PageSetup()) {
        // Only a whole stored image gives anything but the defaults, and it
        // is written back as it was (the flag byte as 0 or 1, padding zero).
        if (size != size_t(PageSetup::StoredSize))
            __builtin_trap();
        const QByteArray again = d.toBytes();
        if (memcmp(again.constData(), data, 12) != 0 || memcmp(again.constData() + 16, data + 16, 48) != 0)
            __builtin_trap();
    }
    PaperCatalogue::paperName(d);
    PageSetupModel model(d);
    PrintPlan::pageSizeFor(PrintPlan::paperFor(model.data()));
    // What the program makes of the setup once it is read: the printable
    // area and the page of the layouts, in hundredths of the unit.
    int width = 0, height = 0;
    Shell::printableArea(d, width, height);
    LayoutCatalogue::paperPage(d);
    return 0;
}
