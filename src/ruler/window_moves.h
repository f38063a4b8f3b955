// Where the ruler window goes when the user drags it, moves it with an arrow key (Shift
// resizes) or with Move to Cursor; and the size limits it answers WM_GETMINMAXINFO
// with. Rectangles are window rectangles in screen coordinates.
#pragma once

#include "base/geometry.h"
#include "platform/monitor_layout.h"

#include <cstdint>
#include <optional>

// A drag keeps the grabbed point under the pointer: the window's top-left corner stays at the
// offset from the pointer it had when the button went down (screen pixels).
class CWindowDrag {
public:
    void Start(Point windowTopLeft, Point pointer);
    // Where the top-left corner goes for the pointer's new position (saturating).
    Point TopLeftFor(Point pointer) const;

private:
    std::int64_t m_dx = 0;
    std::int64_t m_dy = 0;
};

// Virtual-key codes of the arrow keys.
constexpr std::uint32_t kVkLeft = 0x25;
constexpr std::uint32_t kVkUp = 0x26;
constexpr std::uint32_t kVkRight = 0x27;
constexpr std::uint32_t kVkDown = 0x28;

// The one-pixel step of an arrow key; (0, 0) for any other key.
Point ArrowKeyStep(std::uint32_t key);

// The rectangle after one arrow key: moved by `step`, or with `resize` its right and bottom
// edges moved by it (the top-left corner stays). A shrinking edge stops where the width or
// height would go below `minimum`; growing is not limited here.
Rect ApplyArrowKey(const Rect& window, Point step, bool resize, Size minimum);

// Move to Cursor: the window moved so that the zero point `zero` lands on `pointer`.
Rect MoveZeroToPointer(const Rect& window, Point zero, Point pointer);

// How much of the ruler Move to Cursor must leave on the work area, in each direction.
constexpr int kMoveToCursorMargin = 16;

// Whether the moved window keeps 16 pixels on `workArea` (the work area of the monitor
// nearest to it) horizontally and vertically: otherwise the move is refused.
bool IsMoveToCursorAllowed(const Rect& moved, const Rect& workArea);

// Move to Cursor on a desk of monitors: the window moved so that `zero` lands on `pointer`,
// judged on the work area of the monitor nearest to the moved window; nothing when refused.
std::optional<Rect> MoveToCursorOn(const MonitorLayout& monitors, const Rect& window, Point zero, Point pointer);

// Reset Window: the default ruler rectangle on the monitor the ruler is on (the one nearest
// to `window`), placed from that monitor's top-left corner as the default one is from the
// primary screen's. With one monitor it is the default rectangle itself.
Rect ResetRectOn(const MonitorLayout& monitors, const Rect& window, bool vertical, const Rect& primaryScreen);

// The smallest ruler, each way: the window keeps it when sized by hand or with the keys.
constexpr int kRulerMinimumSize = 32;

struct WindowTrackLimits {
    Size minTrack;
    Size maxSize;
    Size maxTrack;
};

// 32 x 32 at least; at most five times the virtual screen, maximized or tracked (saturated).
WindowTrackLimits RulerTrackLimits(const Rect& virtualScreen);
