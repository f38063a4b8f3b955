// What another program's window style tells the sizing tool: which border it has, whether it
// may be sized, and which window of a parent chain a picker or a hot key acts on. The style
// bits have Windows' values.
#pragma once

#include <cstdint>

constexpr std::uint32_t kWsBorder = 0x00800000;
constexpr std::uint32_t kWsDlgFrame = 0x00400000;
constexpr std::uint32_t kWsThickFrame = 0x00040000;
constexpr std::uint32_t kWsMaximize = 0x01000000;
constexpr std::uint32_t kWsChild = 0x40000000;

// The border whose thickness Get size and Set size allow for: a sizing border, else a dialog
// frame, else a thin border, else none.
enum class FrameKind { kNone, kThin, kDialog, kSizing };
FrameKind FrameKindOf(std::uint32_t style);

// The message (string id) that refuses Get size or Set size on a window for its own sake:
// 1052 when it is maximized (by its style or as the system says), else 1051 without a
// sizing border; 0 when it may be sized.
int TargetRefusalOf(std::uint32_t style, bool zoomed);

// A window with a caption or a border (WS_BORDER or WS_DLGFRAME) is highlighted by
// flashing its caption; any other by inverting its outline.
inline bool FlashesCaption(std::uint32_t style) { return (style & (kWsBorder | kWsDlgFrame)) != 0; }

// The window a picker acts on: from `window` up the chain that `parentOf` walks (null ends
// it), the first whose style has a sizing border; the last of the chain when none has one.
template <class Window, class StyleOf, class ParentOf>
Window ResolveSizingTarget(Window window, StyleOf styleOf, ParentOf parentOf)
{
    for (;;) {
        if (styleOf(window) & kWsThickFrame)
            return window;
        Window parent = parentOf(window);
        if (!parent)
            return window;
        window = parent;
    }
}
