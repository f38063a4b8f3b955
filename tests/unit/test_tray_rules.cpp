#include "platform/tray_rules.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {
// A stand-in code page: bytes from 0x81 on start a double-byte character.
bool HighIsLead(unsigned char b)
{
    return b >= 0x81;
}
} // namespace

TEST(TrayRules, TipIsCutAt127BytesWithoutSplittingACharacter)
{
    const std::string a126(126, 'a');
    const std::string a125(125, 'a');
    const struct {
        std::string tip;
        std::string want;
    } cases[] = {
        {"Calyx", "Calyx"},
        {std::string(200, 'a'), std::string(127, 'a')},
        {a126 + "\x82\x40" + "b", a126},                 // the pair would end at byte 128
        {a125 + "\x82\x40" + "b", a125 + "\x82\x40"},    // the pair fills bytes 126 and 127
        {a126 + "\x82", a126 + "\x82"},                  // a lead byte that ends the text
        {"", ""},
    };
    for (const auto& c : cases) {
        char dst[kTrayTipSize];
        std::memset(dst, 'z', sizeof dst);
        CutTrayTip(dst, c.tip.c_str(), &HighIsLead);
        EXPECT_EQ(std::string(dst), c.want) << c.tip.size();
    }
}

TEST(TrayRules, UpdateSendsOnlyWhatChanged)
{
    const std::uint32_t all = kNifMessage | kNifIcon | kNifTip;
    const struct {
        const char* what;
        std::uint32_t requested, pending;
        bool added, sameIcon, haveTip, sameTip;
        std::uint32_t wantPending;
        bool storeIcon, storeTip, send;
    } cases[] = {
        {"no request", 0, kNifMessage, false, false, true, false, kNifMessage, false, false, false},
        {"not added, no callback yet", all, 0, false, false, true, false, 0, false, false, false},
        {"first add", kNifIcon | kNifTip, all, false, true, true, true, all, true, true, true},
        {"added, same icon and tip", kNifIcon | kNifTip, kNifIcon | kNifTip, true, true, true, true, 0, false, false,
         false},
        {"added, new icon", kNifIcon, 0, true, false, true, true, kNifIcon, true, false, true},
        {"added, new tip", kNifTip, 0, true, true, true, false, kNifTip, false, true, true},
        {"tip asked for without text", kNifTip, kNifMessage, false, true, false, false, kNifMessage, false, false,
         true},
    };
    for (const auto& c : cases) {
        const TrayUpdate u = PlanTrayUpdate(c.requested, c.pending, c.added, c.sameIcon, c.haveTip, c.sameTip);
        EXPECT_EQ(u.pending, c.wantPending) << c.what;
        EXPECT_EQ(u.storeIcon, c.storeIcon) << c.what;
        EXPECT_EQ(u.storeTip, c.storeTip) << c.what;
        EXPECT_EQ(u.send, c.send) << c.what;
    }
}

TEST(TrayRules, ClickActions)
{
    const struct {
        std::uint32_t id, message;
        TrayClick want;
    } cases[] = {
        {1000, kWmLButtonUp, TrayClick::kActivate},   {1000, kWmRButtonUp, TrayClick::kMenu},
        {1000, kWmLButtonDblClk, TrayClick::kFirstCommand}, {1000, 0x0201, TrayClick::kNone},
        {1001, kWmRButtonUp, TrayClick::kNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrayClickAction(c.id, 1000, c.message), c.want) << c.id << " " << c.message;
}
