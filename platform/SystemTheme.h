#pragma once

// What the desktop says about its own theme, where it says anything.
namespace SystemTheme {

enum class Answer { Unknown, Light, Dark };

// On Windows: the registry value "AppsUseLightTheme" of the current user
// (0 means dark; a missing value counts as light). Elsewhere there is no such
// setting and the answer is Unknown, so the palette decides.
Answer appsTheme();

} // namespace SystemTheme
