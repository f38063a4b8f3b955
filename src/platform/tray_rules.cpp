#include "platform/tray_rules.h"

#include <cstring>

void CutTrayTip(char (&dst)[kTrayTipSize], const char* tip, LeadByteTest isLeadByte)
{
    const std::size_t room = kTrayTipSize - 1;
    std::size_t n = 0;
    while (tip[n] && n < room) {
        const std::size_t step = isLeadByte(static_cast<unsigned char>(tip[n])) && tip[n + 1] ? 2 : 1;
        if (n + step > room)
            break;
        n += step;
    }
    std::memcpy(dst, tip, n);
    dst[n] = '\0';
}

TrayUpdate PlanTrayUpdate(std::uint32_t requested, std::uint32_t pending, bool added, bool sameIcon, bool haveTip,
                          bool sameTip)
{
    TrayUpdate u;
    u.pending = pending;
    if (requested == 0 || (!added && !(pending & kNifMessage)))
        return u;
    if (requested & kNifIcon) {
        u.storeIcon = !(added && sameIcon);
        u.pending = u.storeIcon ? u.pending | kNifIcon : u.pending & ~kNifIcon;
    }
    if ((requested & kNifTip) && haveTip) {
        u.storeTip = !added || !sameTip;
        u.pending = u.storeTip ? u.pending | kNifTip : u.pending & ~kNifTip;
    }
    u.send = u.pending != 0;
    return u;
}

TrayClick TrayClickAction(std::uint32_t iconId, std::uint32_t ownId, std::uint32_t mouseMessage, bool ownerEnabled)
{
    if (iconId != ownId)
        return TrayClick::kNone;
    TrayClick click = TrayClick::kNone;
    switch (mouseMessage) {
    case kWmLButtonUp:
        click = TrayClick::kActivate;
        break;
    case kWmRButtonUp:
        click = TrayClick::kMenu;
        break;
    case kWmLButtonDblClk:
        click = TrayClick::kFirstCommand;
        break;
    default:
        break;
    }
    return click != TrayClick::kNone && !ownerEnabled ? TrayClick::kFrontPopup : click;
}
