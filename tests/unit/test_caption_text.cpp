#include "color/color_flags.h"
#include "ruler/caption_text.h"
#include "ruler/view_flags.h"
#include "units/number_format.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Digits, leading zero, grouping, separators, negative order.
NumberDescription EnUs()
{
    return NumberDescription{2, 1, 3, ".", ",", 1};
}

// A fixed en-US-like locale so the numbers are deterministic.
class Caption : public ::testing::Test {
protected:
    void SetUp() override { SetNumberLocale(EnUs(), nullptr); }
    void TearDown() override { SetNumberLocale(EnUs(), nullptr); }
};

// A horizontal centimetre ruler at 96 dpi and 100 %, zero point at the screen origin.
CaptionInputs Centimetres(std::uint32_t flags)
{
    CaptionInputs in;
    in.appName = "Calyx";
    in.unitAbbrev = "cm";
    in.pixelAbbrev = "px";
    in.captionFlags = flags;
    in.scale = 100;
    in.logPixels = 96;
    in.unitTwips = 566;
    in.colorSetting = CN_RGB_DEC;
    return in;
}

std::string Compose(const CaptionInputs& in)
{
    std::vector<char> buffer(kCaptionBufferSize, 'x');
    ComposeCaptionText(in, buffer.data(), buffer.size());
    return std::string(buffer.data());
}

}  // namespace

TEST_F(Caption, ItemsAndFormats)
{
    struct Case {
        const char* name;
        CaptionInputs in;
        const char* want;
    };
    auto with = [](CaptionInputs in, auto change) { change(in); return in; };
    const Case cases[] = {
        {"nothing shown", Centimetres(0), "Calyx"},
        {"position", with(Centimetres(CI_UNITS | CI_POSITION), [](CaptionInputs& c) { c.pointerAlong = 96; }),
         "Calyx [U: cm] [P: 2.54 cm]"},
        {"pixel equivalent at 200 %", with(Centimetres(CI_UNITS | CI_POSITION | CI_PIXELS), [](CaptionInputs& c) {
             c.pointerAlong = 96;
             c.scale = 200;
         }),
         "Calyx [U: cm] [P: 1.27 cm = 48 px]"},
        {"negative position", with(Centimetres(CI_POSITION), [](CaptionInputs& c) { c.pointerAlong = -96; }),
         "Calyx [P: -2.54 cm]"},
        {"pixel unit has no equivalent", with(Centimetres(CI_POSITION | CI_DISTANCE | CI_PIXELS), [](CaptionInputs& c) {
             c.unitAbbrev = "px";
             c.unitIsPixel = true;
             c.unitTwips = 15;
             c.pointerAlong = 100;
             c.pointer = {130, 40};
             c.zero = {100, 0};
         }),
         "Calyx [P: 100 px] [D: 50 px]"},
        {"no scale item at 100 %", Centimetres(CI_SCALE), "Calyx"},
        {"scale 50 %", with(Centimetres(CI_SCALE), [](CaptionInputs& c) { c.scale = 50; }), "Calyx [S: 50%]"},
        {"scale 1 %", with(Centimetres(CI_SCALE), [](CaptionInputs& c) { c.scale = 1; }), "Calyx [S: 1%]"},
        {"scale 0 reads as 100 %", with(Centimetres(CI_SCALE), [](CaptionInputs& c) { c.scale = 0; }), "Calyx"},
        {"screen", with(Centimetres(CI_SCREEN), [](CaptionInputs& c) { c.pointer = {1234, -5}; }),
         "Calyx [XY: 1,234, -5 px]"},
        {"at the zero point", with(Centimetres(CI_DISTANCE | CI_ANGLE), [](CaptionInputs& c) {
             c.pointer = {300, 200};
             c.zero = {300, 200};
         }),
         "Calyx [D: 0 cm] [A: 0\xB0]"},
        {"below a horizontal ruler", with(Centimetres(CI_DISTANCE | CI_PIXELS | CI_ANGLE), [](CaptionInputs& c) {
             c.pointer = {100, 300};
             c.zero = {100, 200};
             c.scale = 50;
         }),
         "Calyx [D: 5.30 cm = 200 px] [A: 90.00\xB0]"},  // decimals counted before rounding
        {"beside a vertical ruler", with(Centimetres(CI_ANGLE), [](CaptionInputs& c) {
             c.vertical = true;
             c.pointer = {40, 200};
             c.zero = {100, 200};
         }),
         "Calyx [A: 90.00\xB0]"},  // the factor is a shade above 180 / pi
        {"angle from the horizontal axis", with(Centimetres(CI_ANGLE), [](CaptionInputs& c) {
             c.pointer = {103, 196};
             c.zero = {100, 200};
         }),
         "Calyx [A: 53.13\xB0]"},
        {"angle from the vertical axis", with(Centimetres(CI_ANGLE), [](CaptionInputs& c) {
             c.vertical = true;
             c.pointer = {103, 196};
             c.zero = {100, 200};
         }),
         "Calyx [A: 36.87\xB0]"},
        {"colour", with(Centimetres(CI_COLOR), [](CaptionInputs& c) { c.color = 0x000080FF; }),
         "Calyx [C: 255, 128, 0 rgb]"},
        {"web safe colour", with(Centimetres(CI_COLOR), [](CaptionInputs& c) {
             c.colorSetting = CN_RGB_DEC | CN_WEB_SAFE;
             c.color = 0x006600FF;
         }),
         "Calyx [Cs: 255, 0, 102 rgb]"},
        {"palette display", with(Centimetres(CI_UNITS | CI_COLOR), [](CaptionInputs& c) { c.paletteDisplay = true; }),
         "Calyx [U: cm]"},
        {"unknown notation", with(Centimetres(CI_COLOR), [](CaptionInputs& c) { c.colorSetting = 3; }),
         "Calyx [C: ]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Compose(c.in), c.want) << c.name;
}

TEST_F(Caption, ItemOrderWithEverythingShown)
{
    CaptionInputs in = Centimetres(0xFF);
    in.scale = 150;
    in.pointerAlong = 144;
    in.pointer = {10, 20};
    in.zero = {10, 20};
    EXPECT_EQ(Compose(in), "Calyx [U: cm] [S: 150%] [XY: 10, 20 px] [P: 2.54 cm = 96 px] [D: 0 cm = 0 px] "
                           "[A: 0\xB0] [C: 0, 0, 0 rgb]");
}

TEST_F(Caption, MeaninglessMetricsDoNotDivideByZero)
{
    struct { int twips, logPixels, scale; const char* want; } cases[] = {
        {0, 96, 100, "Calyx [P: 96 px] [D: 50 px]"},
        {566, 0, 100, "Calyx [P: 96 px] [D: 50 px]"},
        {-566, 96, 100, "Calyx [P: 96 px] [D: 50 px]"},
        {-566, -96, 100, "Calyx [P: 96 px] [D: 50 px]"},
        {566, 96, 0, "Calyx [P: 2.54 cm = 96 px] [D: 1.33 cm = 50 px]"},  // drawn unscaled, read unscaled
        {566, 96, -50, "Calyx [P: 2.54 cm = 96 px] [D: 1.33 cm = 50 px]"},
    };
    for (const auto& c : cases) {
        CaptionInputs in = Centimetres(CI_POSITION | CI_DISTANCE | CI_PIXELS | CI_SCALE);
        in.unitTwips = c.twips;
        in.logPixels = c.logPixels;
        in.scale = c.scale;
        in.pointerAlong = 96;
        in.pointer = {30, 40};
        EXPECT_EQ(Compose(in), c.want) << c.twips << " " << c.logPixels << " " << c.scale;
    }
}

TEST_F(Caption, WorstCaseLocaleStaysInTheBuffer)
{
    // A separator after every digit, 4-character separators, negatives in parentheses.
    SetNumberLocale(NumberDescription{2, 1, 1, "<..>", "{..}", 0}, nullptr);

    CaptionInputs in = Centimetres(0xFF);
    in.unitAbbrev = std::string(63, 'u');
    in.unitTwips = 1;
    in.logPixels = 1;
    in.scale = 50;
    in.pointerAlong = INT_MIN;
    in.pointer = {INT_MIN, INT_MAX};
    in.zero = {INT_MAX, INT_MIN};
    in.colorSetting = CN_HLS | CN_WEB_SAFE;

    std::vector<char> buffer(kCaptionBufferSize, 'x');  // ASan sees any write past the end
    ComposeCaptionText(in, buffer.data(), buffer.size());
    const char* end = static_cast<const char*>(std::memchr(buffer.data(), '\0', buffer.size()));
    ASSERT_NE(end, nullptr);
    const std::string line(buffer.data(), std::size_t(end - buffer.data()));
    EXPECT_LE(line.size(), kCaptionBufferSize - 1);
    EXPECT_EQ(line.back(), ']');  // whole items only
    EXPECT_NE(line.find("{..}"), std::string::npos);
    EXPECT_EQ(line.find("[A:"), std::string::npos);  // too long for all items: the last ones go
}

TEST_F(Caption, SmallBuffersCutCleanly)
{
    const CaptionInputs in = Centimetres(CI_UNITS);  // "Calyx [U: cm]", 13 characters
    struct { std::size_t size; const char* want; } cases[] = {
        {1, ""}, {4, "Cal"}, {6, "Calyx"}, {13, "Calyx"}, {14, "Calyx [U: cm]"}};
    for (const auto& c : cases) {
        std::vector<char> buffer(c.size, 'x');
        ComposeCaptionText(in, buffer.data(), buffer.size());
        EXPECT_STREQ(buffer.data(), c.want) << c.size;
    }
    ComposeCaptionText(in, nullptr, 0);  // nothing to write into
}

TEST(CaptionReading, PointerColourAndTextChange)
{
    const std::uint32_t all = CI_SCREEN | CI_POSITION | CI_DISTANCE | CI_ANGLE | CI_COLOR | CI_PIXELS | CI_UNITS |
                              CI_SCALE;
    struct {
        const char* name;
        std::uint32_t style;
        bool read;
        bool palette;
        std::uint32_t color;
        std::uint32_t flags;  // captionFlags after the reading
        int along;
        bool wantsColor;
    } cases[] = {
        {"horizontal", RS_HORZ, true, false, 0x123456, all, 40, true},
        {"vertical", RS_VERT, true, false, 0x123456, all, 70, true},
        {"pixel that cannot be read", RS_HORZ, true, false, 0xFFFFFFFF, all & ~std::uint32_t(CI_COLOR), 40, true},
        {"palette display", RS_HORZ, true, true, 0x123456, all, 40, false},
        {"no reading", RS_HORZ, false, false, 0x123456, CI_PIXELS | CI_UNITS | CI_SCALE, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CaptionInputs in;
        in.captionFlags = all;
        in.paletteDisplay = c.palette;
        if (c.read)
            SetCaptionPointer(in, c.style, {300, 200}, {40, 70}, {260, 130});
        else
            LeaveOutPointerItems(in);
        EXPECT_EQ(CaptionWantsColor(in), c.wantsColor);
        if (CaptionWantsColor(in))
            SetCaptionColor(in, c.color);
        EXPECT_EQ(in.captionFlags, c.flags);
        EXPECT_EQ(in.pointerAlong, c.along);
        if (c.read) {
            EXPECT_EQ(in.pointer, (Point{300, 200}));
            EXPECT_EQ(in.zero, (Point{260, 130}));
        }
    }

    struct { const char* current; int length; const char* line; bool differs; } texts[] = {
        {"Calyx 3 cm", 10, "Calyx 3 cm", false}, {"Calyx 3 cm", 10, "Calyx 4 cm", true},
        {"", 0, "", true},  // no text could be read: set it
        {"Calyx", 5, "Calyx 3 cm", true},
    };
    for (const auto& t : texts)
        EXPECT_EQ(CaptionTextDiffers(t.current, t.length, t.line), t.differs) << t.current << " / " << t.line;
}
