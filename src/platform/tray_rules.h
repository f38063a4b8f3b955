// The tray icon's decisions: the tip cut to the icon record's room, what an update sends of
// the pending changes, and what a click on the icon does. Flags and messages have the
// shell's and the window manager's numbers.
#pragma once

#include <cstddef>
#include <cstdint>

// The icon record's change flags (NIF_*).
constexpr std::uint32_t kNifMessage = 0x1;
constexpr std::uint32_t kNifIcon = 0x2;
constexpr std::uint32_t kNifTip = 0x4;

// The tip's room in the icon record, terminator included.
constexpr std::size_t kTrayTipSize = 128;

// The code page's test for the first byte of a double-byte character.
using LeadByteTest = bool (*)(unsigned char);

// Copies at most 127 bytes of `tip` into `dst` and terminates it; a double-byte character
// that would not fit whole is left out. A lead byte that ends the text counts as one byte.
void CutTrayTip(char (&dst)[kTrayTipSize], const char* tip, LeadByteTest isLeadByte);

// What one update does with the pending flags of the icon record.
struct TrayUpdate {
    std::uint32_t pending = 0;  // the record's pending flags afterwards
    bool storeIcon = false;     // the given icon goes into the record
    bool storeTip = false;      // the cut tip goes into the record
    bool send = false;          // something is pending: the shell is called
};

// An update asking for `requested` with `pending` already waiting: nothing happens without a
// request, nor before the icon is added unless its callback message is pending. The icon
// (the tip) is sent when the icon is not added yet or it differs from the record's, and
// dropped from the pending flags otherwise; a tip is only looked at when one is given.
TrayUpdate PlanTrayUpdate(std::uint32_t requested, std::uint32_t pending, bool added, bool sameIcon, bool haveTip,
                          bool sameTip);

// Mouse messages the icon's callback carries.
constexpr std::uint32_t kWmLButtonUp = 0x0202;
constexpr std::uint32_t kWmLButtonDblClk = 0x0203;
constexpr std::uint32_t kWmRButtonUp = 0x0205;

enum class TrayClick {
    kNone,          // not this icon's, or a message it ignores: not handled
    kActivate,      // left click: the owner to the front
    kMenu,          // right click: the popup menu at the pointer, its first item the default
    kFirstCommand,  // double-click: the command of the popup menu's first item
    kFrontPopup,    // any click while the owner is disabled: its modal window to the front
};
// While the owner is disabled (by a modal window of its own), every click brings that window
// forward, as a click on a disabled owner does: no menu or command runs under it.
TrayClick TrayClickAction(std::uint32_t iconId, std::uint32_t ownId, std::uint32_t mouseMessage, bool ownerEnabled);
