#include "platform/tray_rules.h"

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
    };
    for (const auto& c : cases) {
        char dst[kTrayTipSize];
        CutTrayTip(dst, c.tip.c_str(), lead);
        EXPECT_EQ(std::string(dst), c.want) << c.tip.size();
    }
}
