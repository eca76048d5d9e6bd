#pragma once

// The tabs of the layout chooser, in their order.
enum class ChooserTab { Layouts = 0, PageSettings = 1, PhotoSizes = 2, Order = 3 };
