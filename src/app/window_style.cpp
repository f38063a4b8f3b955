#include "app/window_style.h"

#include "settings/ruler_settings.h"
#include "ruler/view_flags.h"

namespace {
constexpr std::uint32_t kExToolWindow = 0x00000080;
}

RulerWindowStyle ComputeRulerWindowStyle(const CRulerSettings& s)
{
    RulerWindowStyle w;
    // Only the unit byte is merged: other bits of a hand-edited value would be window styles.
    w.style = RS_WS_POPUP | (std::uint32_t(s.m_nUnit) & RS_UNIT_MASK);
    const bool vertical = s.m_bVertical != 0;
    w.style |= vertical ? RS_VERT : RS_HORZ;
    if (vertical ? s.m_bVFlipped : s.m_bHFlipped)
        w.style |= RS_FLIPPED;
    if (s.m_bOnTop)
        w.style |= RS_TOPMOST;
    if (s.m_bGuide)
        w.style |= RS_GUIDE;
    if (s.m_bZoom)
        w.style |= RS_MAGNIFIER;
    if (!s.m_bBorderless)
        w.style |= RS_WS_THICKFRAME;
    w.exStyle = s.m_bNotInTaskBar ? kExToolWindow : 0;
    return w;
}
