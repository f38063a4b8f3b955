#include "platform/tray_rules.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

TEST(TrayRules, TipIsCutAt127BytesWithoutSplittingACharacter)
{
    // A stand-in code page: bytes from 0x81 on start a double-byte character.
    const LeadByteTest lead = [](unsigned char b) { return b >= 0x81; };
    const std::string a125(125, 'a'), a126(126, 'a');
    const struct {
        std::string tip, want;
    } cases[] = {
        {std::string(200, 'a'), std::string(127, 'a')},
        {a126 + "\x82\x40", a126},               // the pair would end at byte 128
        {a125 + "\x82\x40" "b", a125 + "\x82\x40"}, // the pair fills bytes 126 and 127
        {a126 + "\x82", a126 + "\x82"},          // a lead byte that ends the text
        {std::string("ab\0cd", 5), "ab"},          // nothing past the end is read
        {"", ""},
    };
    for (const auto& c : cases) {
        char dst[kTrayTipSize];
        std::memset(dst, '#', sizeof dst);
        CutTrayTip(dst, c.tip.c_str(), lead);
        EXPECT_EQ(std::string(dst), c.want) << c.tip.size();
        if (c.want.size() + 1 < kTrayTipSize) {
            EXPECT_EQ(dst[c.want.size() + 1], '#') << c.tip.size();
        }
    }
}

TEST(TrayRules, AnUpdateSendsOnlyWhatChanged)
{
    constexpr std::uint32_t M = kNifMessage, I = kNifIcon, T = kNifTip;
    const struct {
        const char* what;
        std::uint32_t requested, pending;
        bool added, sameIcon, haveTip, sameTip;
        std::uint32_t wantPending;
        bool storeIcon, storeTip, send;
    } cases[] = {
        {"nothing requested", 0, M, false, false, true, false, M, false, false, false},
        {"not added, no callback pending: nothing", I | T, 0, false, false, true, false, 0, false, false, false},
        {"not added, callback pending: all of it", I | T, M, false, true, true, true, M | I | T, true, true, true},
        {"added, same icon and tip: nothing sent", I | T, 0, true, true, true, true, 0, false, false, false},
        {"added, another icon", I | T, 0, true, false, true, true, I, true, false, true},
        {"added, another tip", I | T, 0, true, true, true, false, T, false, true, true},
        {"a tip asked for without one", T, 0, true, true, false, false, 0, false, false, false},
        {"a pending icon that is the same is dropped", I, I, true, true, true, true, 0, false, false, false},
        {"a pending tip that is the same is dropped", T, T | M, true, false, true, true, M, false, false, true},
    };
    for (const auto& c : cases) {
        const TrayUpdate u = PlanTrayUpdate(c.requested, c.pending, c.added, c.sameIcon, c.haveTip, c.sameTip);
        EXPECT_EQ(u.pending, c.wantPending) << c.what;
        EXPECT_EQ(u.storeIcon, c.storeIcon) << c.what;
        EXPECT_EQ(u.storeTip, c.storeTip) << c.what;
        EXPECT_EQ(u.send, c.send) << c.what;
    }
}

TEST(TrayRules, AClickWhileTheOwnerIsDisabledBringsItsModalWindowForward)
{
    // The menu and the double-click's Show/Hide would run under the modal window.
    for (std::uint32_t message : {kWmLButtonUp, kWmRButtonUp, kWmLButtonDblClk}) {
        EXPECT_EQ(TrayClickAction(1000, 1000, message, false), TrayClick::kFrontPopup) << message;
        EXPECT_NE(TrayClickAction(1000, 1000, message, true), TrayClick::kFrontPopup) << message;
        EXPECT_EQ(TrayClickAction(1001, 1000, message, false), TrayClick::kNone) << "not ours";
    }
    EXPECT_EQ(TrayClickAction(1000, 1000, 0x0200 /* a move */, false), TrayClick::kNone);
}
