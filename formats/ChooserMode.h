#pragma once

// What the layout chooser is opened for.
enum class ChooserMode {
    Choose,         // the first layout of an empty document
    AddPages,       // empty pages added on the document's paper
    ChangeAll,      // a new layout for every page
    ChangeSelected, // a new layout for the selected pages, on the same paper
};
