// Which window the ruler's input acts on: the top-level window a drag moves, and the window
// a sizing hot key means. The window system is reached through a small interface; window
// handles are opaque values, 0 for none.
#pragma once

#include <cstdint>

using WindowId = std::uintptr_t;

class IWindowTree {
public:
    // The parent of a child window, or the owner of a top-level one; 0 for none.
    virtual WindowId ParentOf(WindowId w) const = 0;
    // Whether the window is a child window (WS_CHILD).
    virtual bool IsChild(WindowId w) const = 0;

protected:
    ~IWindowTree() = default;
};

// The last window reached going up through parents and owners: what a drag moves.
WindowId TopmostParentOrOwner(const IWindowTree& tree, WindowId w);

// Up through the parents while the window is a child: the top-level window it belongs to,
// which a hot key means and which receives the context menu's command. Owners are not
// followed. 0 stays 0.
WindowId TopLevelOf(const IWindowTree& tree, WindowId w);

// What a sizing hot key sees of the desktop besides the window tree.
class IHotKeyDesktop : public IWindowTree {
public:
    // The window under the pointer; false when the pointer cannot be read.
    virtual bool WindowUnderPointer(WindowId* w) const = 0;
    virtual WindowId Foreground() const = 0;
    virtual bool Exists(WindowId w) const = 0;

protected:
    ~IHotKeyDesktop() = default;
};

// The top-level window a sizing hot key acts on: the one under the pointer with Sizing\HK
// Mode 1, else the foreground one; 0 when there is none (the pointer cannot be read, or the
// window has gone), and the hot key then does nothing.
WindowId SizingHotKeyTarget(const IHotKeyDesktop& desktop, std::int32_t hotKeyMode);
