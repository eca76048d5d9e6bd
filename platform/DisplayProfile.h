#pragma once

#include <QByteArray>

// The ICC profile the desktop gives the screen: on X11 the root window's
// "_ICC_PROFILE" property, set by colour managers for the first screen.
// Empty when there is none, or no X display.
QByteArray displayIccProfile();
