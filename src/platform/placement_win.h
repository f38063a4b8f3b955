// Placing a window from the stored Window section and taking the values back from it.
#pragma once

#include <windows.h>

class CSettingsStore;

// Takes the window's show state, or (when that is unchanged) its normal rectangle. A null
// window is the main window. False when the window is not live or nothing changed.
bool CapturePlacement(CSettingsStore& store, HWND hWnd = nullptr);

// Moves the window to the stored bounds (kept reachable on the nearest monitor: its work
// area, or its whole area when on top), topmost or not, with `swpFlags`; without bounds it
// only shows or hides. With `restoreState` a stored minimized or maximized state is
// re-applied. A null window is the main window. True when the window was positioned.
bool ApplyPlacement(CSettingsStore& store, HWND hWnd, UINT swpFlags, bool restoreState = false, int marginX = -1,
                    int marginY = -1);
