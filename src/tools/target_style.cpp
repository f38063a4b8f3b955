#include "tools/target_style.h"

#include "resource.h"

FrameKind FrameKindOf(std::uint32_t style)
{
    if (style & kWsThickFrame)
        return FrameKind::kSizing;
    if (style & kWsDlgFrame)
        return FrameKind::kDialog;
    if (style & kWsBorder)
        return FrameKind::kThin;
    return FrameKind::kNone;
}

int TargetRefusalOf(std::uint32_t style, bool zoomed)
{
    if ((style & kWsMaximize) || zoomed)
        return IDS_SIZING_MAXIMIZED;
    if (!(style & kWsThickFrame))
        return IDS_SIZING_NOT_RESIZABLE;
    return 0;
}
