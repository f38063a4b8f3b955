// The outline that shows, while a picker is dragged, which window a release would act on.
// It is made of four thin top-level windows of our own laid along the target's edges, so
// that nothing is ever drawn into another program's window: hiding them leaves the screen
// as it was. They let the pointer through (WindowFromPoint passes over them).
#pragma once

#include <windows.h>

class CTargetOutline {
public:
    CTargetOutline() = default;
    ~CTargetOutline();
    CTargetOutline(const CTargetOutline&) = delete;
    CTargetOutline& operator=(const CTargetOutline&) = delete;

    // Lays the outline along `target`'s window rectangle (null hides it). Nothing is done
    // when it is already there.
    void Show(HWND target);
    // Takes the outline off the screen. Its windows are kept for the next drag (making them
    // anew would cost the first crossing of every drag); they go with this object.
    void Hide();
    HWND Target() const { return m_hwndTarget; }

    static constexpr int kThickness = 3;

private:
    HWND m_edges[4] = {};
    HWND m_hwndTarget = nullptr;
    RECT m_rcShown{};
};
