#pragma once

#include "formats/LogoDefaults.h"
#include "formats/StampDefaults.h"
#include "library/ImageFile.h"

// The user's choices the arrangement follows, handed to the engine by the
// dock that owns it.
struct ArrangeOptions
{
    bool autoCrop = true;     // "Auto Crop": fill frames, else show whole photographs
    bool addImages = true;    // "Add Images"; false: "Add Pages"
    int addPageCount = 1;     // empty pages made by "Add Pages"
    StampDefaults stamp;      // what new frames are stamped with
    LogoDefaults logo;
    PreviewRule previewRule;  // thumbnail fallback aspect
};
