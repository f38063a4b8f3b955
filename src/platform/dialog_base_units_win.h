// Dialog base units of a font, measured on the display: what du and dbu mean for the window
// under the pointer.
#pragma once

#include <windows.h>

// Average letter width (the 52 letters, rounded) and height of the font, in pixels. A font
// height of INT_MAX marks "no font"; that, and any font that cannot be created, selected or
// measured, gives the system's dialog base units instead.
SIZE CalcDialogBaseUnits(const LOGFONTA& lf);
