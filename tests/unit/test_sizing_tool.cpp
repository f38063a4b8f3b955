// The sizing tool's core: the size text, the size read from a window and the rectangle it is
// given, the shift that keeps it reachable, and the hot keys' numbers and rules.
#include "tools/hot_key_rules.h"
#include "tools/size_text.h"
#include "tools/target_rect.h"

#include <climits>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace {

std::string Str(const Rect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

} // namespace

TEST(SizeText, ParsesWidthAndHeightAroundTheFirstLowercaseX)
{
    const struct {
        const char* text;
        int width, height;
        bool valid;
    } cases[] = {
        {"640x480", 640, 480, true},
        {"640 x 480", 640, 480, true},
        {"800 x 600 pixels", 800, 600, true},
        {"  +12x\t7", 12, 7, true},
        {"1x1", 1, 1, true},
        {"640X480", 0, 0, false},        // a capital X is no separator
        {"640 X 480", 0, 0, false},
        {"x480", 0, 0, false},           // separator first
        {"x 480", 0, 0, false},
        {"640x", 0, 0, false},           // nothing after it
        {"640 x ", 640, 0, false},       // only a blank after it: height 0
        {"0 x 480", 0, 480, false},
        {"-3 x 5", -3, 5, false},
        {"0x10 x 20", 0, 10, false},     // the first x follows the 0
        {"abc x 5", 0, 5, false},
        {"", 0, 0, false},
        {"x", 0, 0, false},
        {"2147483647 x 1", INT_MAX, 1, true},
        {"-2147483648 x 1", INT_MIN, 1, false},
        {"2147483648 x 1", 0, 1, false},          // beyond int: invalid, never wrapped
        {"1 x 99999999999", 1, 0, false},
        {"-2147483649 x 5", 0, 5, false},
        {"000000000000640 x 480", 640, 480, true}, // 15 characters before the x
        {"0000000000000640 x 480", 64, 480, true}, // 16: the last digit is cut
        {"640 x 000000000000480", 640, 48, true},  // " 0000...048" is the first 15 after it
        {"5 x 1234567890123456789", 5, 0, false},  // 15 digits cut, still beyond int
    };
    for (const auto& c : cases) {
        const ParsedSize p = ParseSizeText(c.text);
        EXPECT_EQ(p.width, c.width) << c.text;
        EXPECT_EQ(p.height, c.height) << c.text;
        EXPECT_EQ(p.valid, c.valid) << c.text;
    }
}

TEST(SizeText, FormatsAndReadsBack)
{
    EXPECT_EQ(FormatSizeText(640, 480), "640 x 480");
    EXPECT_EQ(FormatSizeText(-3, 0), "-3 x 0");
    EXPECT_EQ(FormatSizeText(INT_MIN, INT_MAX), "-2147483648 x 2147483647");
    for (const Size& s : kSizePresets) {
        const std::string text = FormatSizeText(s.cx, s.cy);
        EXPECT_LE(text.size(), std::size_t(kSizeTextLimit)) << text;
        const ParsedSize p = ParseSizeText(text);
        EXPECT_TRUE(p.valid && p.width == s.cx && p.height == s.cy) << text;
    }
    EXPECT_EQ(kSizePresets[0], (Size{160, 100}));
    EXPECT_EQ(kSizePresets[12], (Size{1920, 1080}));
    const Size presets[] = {{160, 100},   {320, 200},   {640, 480},   {800, 600},   {1024, 768},  {1152, 864},
                            {1280, 768},  {1280, 1024}, {1600, 1200}, {1792, 1344}, {1800, 1440}, {1856, 1392},
                            {1920, 1080}, {1920, 1200}, {1920, 1440}, {2048, 1536}, {2560, 1920}};
    ASSERT_EQ(std::size(presets), std::size_t(kSizePresetCount));
    for (std::size_t i = 0; i < std::size(presets); ++i)
        EXPECT_EQ(kSizePresets[i], presets[i]) << i;
    EXPECT_EQ(kSizePresets[kSizePresetCount - 1], (Size{2560, 1920}));
}

TEST(TargetRect, MeasuresTheDimensionsThatTakePart)
{
    const Rect window{100, 50, 908, 650}; // 808 x 600 outside
    const Size frame{4, 4};
    const Size stored{640, 480};
    const struct {
        SizingSwitches sw;
        Size want;
    } cases[] = {
        {{true, false, false}, {800, 480}},  // frame excluded: the border off both sides
        {{true, false, true}, {808, 480}},
        {{false, true, false}, {640, 592}},  // only the height; the width is kept
        {{true, true, true}, {808, 600}},
        {{false, false, false}, {640, 480}}, // nothing takes part: nothing changes
    };
    for (const auto& c : cases)
        EXPECT_EQ(MeasureTargetSize(window, frame, stored, c.sw), c.want)
            << c.sw.doWidth << c.sw.doHeight << c.sw.doFrame;
    // Coordinates far apart saturate instead of wrapping.
    EXPECT_EQ(MeasureTargetSize({INT_MIN, 0, INT_MAX, 10}, {0, 0}, stored, {true, false, true}).cx, INT_MAX);
}

TEST(TargetRect, MovesOnlyTheRightAndBottomEdges)
{
    const Rect window{100, 50, 500, 350};
    const Size frame{4, 3};
    const struct {
        SizingSwitches sw;
        Size wanted;
        Rect want;
    } cases[] = {
        {{true, false, false}, {800, 600}, {100, 50, 908, 350}},
        {{true, false, true}, {800, 600}, {100, 50, 900, 350}},
        {{false, true, false}, {800, 600}, {100, 50, 500, 656}},
        {{true, true, true}, {400, 300}, {100, 50, 500, 350}}, // already that size
        {{false, false, false}, {1, 1}, {100, 50, 500, 350}},
        {{true, true, true}, {INT_MAX, INT_MAX}, {100, 50, INT_MAX, INT_MAX}}, // stops at the int range
    };
    for (const auto& c : cases)
        EXPECT_EQ(Str(ComputeTargetRect(window, frame, c.wanted, c.sw)), Str(c.want))
            << c.sw.doWidth << c.sw.doHeight << c.sw.doFrame;
}

TEST(TargetRect, KeepsFiftyPixelsWithinReachOffTheLeftAndTop)
{
    const Rect screen{0, 0, 1280, 1024};
    const struct {
        Rect r;
        Rect want;
    } cases[] = {
        {{-780, 100, 20, 400}, {-750, 100, 50, 400}},        // 20 px inside: right by 30
        {{-1000, 100, -200, 400}, {-950, 100, -150, 400}},   // wholly left (no overlap at all): 50
        {{100, -580, 900, 10}, {100, -540, 900, 50}},        // 10 px inside from above: down by 40
        {{-790, -590, 10, 10}, {-750, -550, 50, 50}},        // both at once
        {{-800, 100, 49, 400}, {-799, 100, 50, 400}},        // 49 px: one more
        {{-800, 100, 50, 400}, {-800, 100, 50, 400}},        // 50 px: stays
        {{1260, 100, 2060, 400}, {1260, 100, 2060, 400}},    // off the right: stays
        {{100, 1000, 900, 1600}, {100, 1000, 900, 1600}},    // off the bottom: stays
        {{20, 100, 60, 400}, {20, 100, 60, 400}},            // narrow but not left of it: stays
        // Left of the screen and wholly above it: no overlap at all, so both shift by 50.
        {{-780, -400, 20, -100}, {-730, -350, 70, -50}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Str(KeepTargetReachable(c.r, screen)), Str(c.want)) << Str(c.r);
    // A child window inside its parent's rectangle, off its parent's left edge.
    EXPECT_EQ(Str(KeepTargetReachable({180, 300, 220, 340}, {200, 200, 600, 600})), Str({210, 300, 250, 340}));
    EXPECT_EQ(Str(KeepTargetReachable({INT_MIN, 0, INT_MIN + 10, 10}, screen)),
              Str({INT_MIN + 50, 0, INT_MIN + 60, 10}));
}

TEST(HotKeyRules, ConvertsModifiersBitByBitBothWays)
{
    const struct {
        std::uint16_t mods;
        std::uint8_t flags;
    } cases[] = {
        {0, 0},
        {kModAlt, kHotKeyFlagAlt},
        {kModControl, kHotKeyFlagControl},
        {kModShift, kHotKeyFlagShift},
        {kModWin, kHotKeyFlagExt},
        {kModControl | kModAlt, kHotKeyFlagControl | kHotKeyFlagAlt},
        {kModShift | kModAlt, kHotKeyFlagShift | kHotKeyFlagAlt},
        {0x0F, 0x0F},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ModToHotKeyFlags(c.mods), c.flags) << c.mods;
        EXPECT_EQ(HotKeyFlagsToMod(c.flags), c.mods) << int(c.flags);
    }
    // Bits outside the four are not carried over.
    EXPECT_EQ(ModToHotKeyFlags(0x4000 | kModAlt), kHotKeyFlagAlt);
    EXPECT_EQ(HotKeyFlagsToMod(0xF0), 0);
    // The control's value: flags over the key's low byte.
    EXPECT_EQ(HotKeyControlValue(0x78, kModControl | kModAlt), 0x0678);
    EXPECT_EQ(HotKeyControlValue(0x1234, 0), 0x0034);
}

TEST(HotKeyRules, TheDefineDialogAcceptsOnlyFunctionKeysOutsideTheReservedOnes)
{
    constexpr std::uint16_t F4 = kVkF4, F12 = kVkF12, F9 = 0x78;
    const struct {
        std::uint16_t vk, mods, curVk, curMods;
        HotKeyChoice want;
    } cases[] = {
        {F12, 0, 0, 0, HotKeyChoice::kNew},
        {kVkF1, kModShift, 0, 0, HotKeyChoice::kNew},
        {kVkF1, kModControl | kModAlt, 0, 0, HotKeyChoice::kNew},
        {F4, 0, 0, 0, HotKeyChoice::kNew},
        {F4, kModControl | kModShift, 0, 0, HotKeyChoice::kNew},
        {kVkF1, 0, 0, 0, HotKeyChoice::kInvalid},
        {F4, kModAlt, 0, 0, HotKeyChoice::kInvalid},
        {F4, kModControl | kModAlt, 0, 0, HotKeyChoice::kInvalid},
        {F4, kModShift | kModAlt, 0, 0, HotKeyChoice::kInvalid},
        {'A', kModControl, 0, 0, HotKeyChoice::kInvalid},
        {'A', 0, 0, 0, HotKeyChoice::kInvalid},
        {0x6F, 0, 0, 0, HotKeyChoice::kInvalid}, // just below F1
        {0x7C, 0, 0, 0, HotKeyChoice::kInvalid}, // F13
        {0, kModControl, 0, 0, HotKeyChoice::kInvalid}, // modifiers alone
        {0, 0, F9, kModControl, HotKeyChoice::kEmpty},
        {F9, kModControl, F9, kModControl, HotKeyChoice::kUnchanged},
        {F4, kModAlt, F4, kModAlt, HotKeyChoice::kUnchanged}, // unchanged wins over the rules
        {0, 0, 0, 0, HotKeyChoice::kUnchanged},
    };
    for (const auto& c : cases)
        EXPECT_EQ(int(ClassifyHotKeyChoice(c.vk, c.mods, c.curVk, c.curMods)), int(c.want))
            << std::hex << c.vk << " " << c.mods << " from " << c.curVk << " " << c.curMods;

    using C = HotKeyChoice;
    using S = HotKeyOkStep;
    struct { C choice; bool enabled; S step; } ok[] = {
        {C::kUnchanged, true, S::kClose},           {C::kInvalid, false, S::kRefuse},
        {C::kEmpty, true, S::kUnregisterAndStore},  {C::kEmpty, false, S::kStore},
        {C::kNew, true, S::kReplaceAndStore},       {C::kNew, false, S::kStore},
    };
    for (const auto& c : ok)
        EXPECT_EQ(int(PlanHotKeyOk(c.choice, c.enabled)), int(c.step)) << int(c.choice) << c.enabled;

    // A key is registered when enabled (any non-zero value) and some key or modifier is set.
    struct { std::int32_t enabled; std::uint16_t vk, mods; bool registers; } reg[] = {
        {1, 0x78, 0, true}, {5, 0, 2, true}, {0, 0x78, 2, false}, {1, 0, 0, false},
    };
    for (const auto& r : reg)
        EXPECT_EQ(ShouldRegisterHotKey(r.enabled, r.vk, r.mods), r.registers) << r.enabled << " " << r.vk;
}
