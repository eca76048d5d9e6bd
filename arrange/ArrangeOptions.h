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
    // The widest preview a frame keeps; 0: as the byte budget allows (500
    // pixels, 250 once spent). Output without a window needs previews only
    // for the frames' shapes, so it keeps them small.
    int previewWidthLimit = 0;
};
