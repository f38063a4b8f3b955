#include "ruler/poll_rules.h"

#include "ruler/view_flags.h"

bool NeedsPollTimer(bool visible, std::uint32_t style, std::uint32_t captionFlags)
{
    if (!visible)
        return false;
    if (style & (RS_MAGNIFIER | RS_GUIDE | RS_UNIT_DU | RS_UNIT_DBU))
        return true;
    // The pixel equivalent alone adds no item on a pixel ruler: nothing follows the pointer.
    return captionFlags != 0 && !(captionFlags == CI_PIXELS && (style & RS_UNIT_PX));
}
