// Placing a window from the stored Window section, on a window seen through a small
// interface (the Win32 side lays it over a window handle), and the rectangle the stored
// bounds are taken from.
#pragma once

#include "base/geometry.h"
#include "platform/monitor_layout.h"

#include <cstdint>

class CSettingsStore;

// SetWindowPos flags and show commands the placement looks at (Windows' numbers).
constexpr std::uint32_t kSwpNoZOrder = 0x0004;
constexpr std::uint32_t kSwpNoActivate = 0x0010;
constexpr std::uint32_t kSwpShowWindow = 0x0040;
constexpr std::uint32_t kSwpHideWindow = 0x0080;
constexpr std::uint32_t kSwpNoOwnerZOrder = 0x0200;
constexpr int kSwHide = 0;
constexpr int kSwShowNormal = 1;
constexpr int kSwShowMinimized = 2;
constexpr int kSwShowMaximized = 3;

class CPlacedWindow {
public:
    // The monitors the window may be placed on.
    virtual MonitorLayout Monitors() = 0;
    // SetWindowPos to `rc`, topmost or not, with `swpFlags`.
    virtual void SetBounds(const Rect& rc, bool topmost, std::uint32_t swpFlags) = 0;
    // The window's rectangle as it is; false when it is minimized, maximized or unreadable.
    virtual bool NormalWindowRect(Rect& rc) = 0;
    // Moves the window's top-left corner, keeping its size, z-order and activation.
    virtual void MoveTo(Point topLeft) = 0;
    virtual void Show(int showCmd) = 0;
    virtual void BringToForeground() = 0;

protected:
    ~CPlacedWindow() = default;
};

// Moves the window to the stored bounds (cut to the window system's extent and kept
// reachable on the nearest monitor: its work area, or its whole area when on top; bounds on
// a monitor that is gone come wholly onto the nearest present one), topmost
// or not, with `swpFlags`; a window the system made smaller is shifted once more as it
// really is. The store takes the bounds as placed. Without bounds it only shows or hides
// (as the flags ask). With `restoreState` a stored minimized or maximized state is shown
// again; unless the flags keep the z-order or activation, the window comes to the front.
// True when the window was positioned.
bool PlaceFromStore(CSettingsStore& store, CPlacedWindow& window, std::uint32_t swpFlags, bool restoreState,
                    int marginX, int marginY);

// GetWindowPlacement's normal rectangle of a window with a task bar button is relative to
// its monitor's work area: the rectangle in screen coordinates, from the monitor's whole
// and work areas. A tool window's is in screen coordinates already.
Rect NormalRectOnScreen(const Rect& normal, bool toolWindow, const Rect& monitor, const Rect& work);
