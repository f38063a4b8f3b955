// Get size and Set size on a window of any program, with the checks that come first. They
// read and write the sizing settings of `settings` (the application's record) and, when the
// sizing tool dialog exists, exchange data with it.
#pragma once

#include <windows.h>

class CRulerSettings;

// One side's thickness of the window's border, from its style: a sizing border, else a
// dialog frame, else a thin border, else none.
SIZE GetFrameThickness(HWND window);

// Whether Get size or Set size may go ahead on `target`: it exists (no message otherwise),
// is not maximized (message 1052), has a sizing border (1051), the dialog's values are
// valid (its own message), and the width or the height takes part (1053, with the dialog
// shown). With `storedSizeUsed` (Set size) and no dialog, the stored size must be at least
// 1 x 1 as a typed size would (1050, with the dialog shown to correct it).
BOOL CheckSizingTarget(CRulerSettings& settings, HWND target, bool storedSizeUsed = false);

// Reads the target's size into the settings (and the dialog). TRUE when it was read.
BOOL GetTargetSize(CRulerSettings& settings, HWND target);

// Resizes the target to the settings' size, keeping its top-left corner. TRUE when the
// checks passed, also when the window had that size already (then nothing is moved).
BOOL SetTargetSize(CRulerSettings& settings, HWND target);

// Places `target` at `windowRect` (screen coordinates), shifted first so that at least 50
// pixels of it overlap its reference area where it lies off the left or top side. A child
// window's reference is its parent, in whose client coordinates it is placed; top-level and
// owned pop-up windows are placed in screen coordinates against the primary screen.
void ApplyTargetRect(HWND target, const RECT& windowRect);
