// The ruler's keyboard routing and the input decisions that do not depend on Windows:
// which messages open the context menu or go to the accelerators, what a system command
// runs, where a context menu asked for from the keyboard opens and how it labels its scale
// submenus, and which window a sizing hot key acts on.
#pragma once

#include "base/geometry.h"

#include <cstddef>
#include <cstdint>

// Messages and keys of the routing (Windows' numbers).
constexpr std::uint32_t kWmKeyDown = 0x0100;
constexpr std::uint32_t kWmSysKeyDown = 0x0104;
constexpr std::uint32_t kWmKeyLast = 0x0109;
constexpr std::uint32_t kWmContextMenu = 0x007B;
constexpr std::uint32_t kVkF10 = 0x79;

enum class KeyRoute {
    kContextMenu,  // opened at the pointer; the message is consumed
    kAccelerator,  // offered to the accelerator table
    kDefault,      // the framework's pre-translation
};

// In this order: Shift+F10 pressed (as a key or a system key), a WM_CONTEXTMENU that passes
// through the loop, any keyboard message (WM_KEYFIRST to WM_KEYLAST), anything else. Only an
// F10 press asks `shiftDown`: every tick of the poll passes through the routing too.
KeyRoute RouteRulerMessage(std::uint32_t message, std::uint32_t key, bool (*shiftDown)());

// The command a system command runs (its low four bits ignored): 0x10 About, 0x20 Help;
// 0 for any other, which gets default processing.
int SysCommandTarget(std::uint32_t sysCommand);

// A context menu asked for from the keyboard carries (-1, -1): it opens at the pointer.
inline bool IsKeyboardMenuPoint(Point p) { return p.x == -1 && p.y == -1; }

// Sizing\HK Mode 1: the hot keys act on the window under the pointer; any other value: on
// the foreground window.
inline bool HotKeyActsUnderPointer(std::int32_t mode) { return mode == 1; }

// A scale submenu's label with its percentage: "%s (%d%%)", cut to `size` bytes.
void FormatPercentLabel(char* out, std::size_t size, const char* label, int percent);
