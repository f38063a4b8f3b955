// Get size and Set size on a window of any program (the operations and their checks are
// in sizing_ops.h), the border thickness they allow for, and the placing of a resized window.
#pragma once

#include <windows.h>

class CRulerSettings;

// One side's thickness of the window's border, from its style: a sizing border, else a
// dialog frame, else a thin border, else none.
SIZE GetFrameThickness(HWND window);

// CheckSizing, ReadTargetSize and ResizeTarget of sizing_ops.h on a window and the sizing
// tool dialog (which exchanges data when it exists). TRUE when the checks passed.
BOOL CheckSizingTarget(CRulerSettings& settings, HWND target, bool storedSizeUsed = false);
BOOL GetTargetSize(CRulerSettings& settings, HWND target);
BOOL SetTargetSize(CRulerSettings& settings, HWND target);

// Places `target` at `windowRect` (screen coordinates), shifted first so that at least 50
// pixels of it overlap its reference area where it lies off the left or top side. A child
// window's reference is its parent, in whose client coordinates it is placed; top-level and
// owned pop-up windows are placed in screen coordinates against the primary screen.
void ApplyTargetRect(HWND target, const RECT& windowRect);
