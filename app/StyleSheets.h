#pragma once

#include <QString>

class QColor;
class QPalette;

// The three application style sheets and the rule that tells a dark desktop
// from its palette.
namespace StyleSheets {

QString light();
// Dark, chosen from the desktop's own dark setting.
QString darkSystem();
// Dark, chosen from the palette.
QString darkPalette();

// True when the window text is lighter than the window: the CMYK black of
// WindowText is less than that of Window.
bool paletteIsDark(const QPalette &palette);

// Fill behind thumbnails and page previews.
QColor previewFill(bool dark);

} // namespace StyleSheets
