#include "ruler/magnifier_capture.h"
#include "ruler/sampled_color.h"

#include "color/color_flags.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>

TEST(MagnifierCapture, HotSpotAndReadBack)
{
    const Rect area{494, 294, 507, 309};  // 13 x 15 around (500, 301)
    const Point none{INT_MIN, INT_MIN};
    struct {
        const char* name;
        Point capturedFor, screen;
        bool hot;         // HotSpotInCapture(area, screen) gives a pixel
        bool readsBack;   // CapturedPixelOffset gives one
        Point at;
    } cases[] = {
        {"centre", {500, 301}, {500, 301}, true, true, {6, 7}},
        {"top-left pixel", {494, 294}, {494, 294}, true, true, {0, 0}},
        {"bottom-right pixel", {506, 308}, {506, 308}, true, true, {12, 14}},
        {"one past the right edge", {507, 301}, {507, 301}, false, false, {}},
        {"one past the bottom edge", {500, 309}, {500, 309}, false, false, {}},
        {"another pointer than the capture's", {500, 301}, {501, 301}, true, false, {}},
        {"another row than the capture's", {500, 301}, {500, 302}, true, false, {}},
        {"nothing captured", none, {500, 301}, true, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HotSpotInCapture(area, c.screen).has_value(), c.hot);
        const std::optional<Point> at = CapturedPixelOffset(area, c.capturedFor, c.screen);
        ASSERT_EQ(at.has_value(), c.readsBack);
        if (at) {
            EXPECT_EQ(*at, c.at);
        }
    }
}

TEST(MagnifierCapture, CapturedPixelIsInvertedBack)
{
    struct { std::uint32_t shown, screen; } cases[] = {
        {0x00FFFFFF, 0x00000000}, {0x00000000, 0x00FFFFFF}, {0x00FF8000, 0x00007FFF},
        {0xFFFFFFFF, 0xFFFFFFFF},  // an unreadable pixel is not turned into black
    };
    for (const auto& c : cases)
        EXPECT_EQ(RestoreCapturedPixel(c.shown), c.screen) << std::hex << c.shown;
}

TEST(MagnifierCapture, ZoomLabel)
{
    struct { int zoom; std::size_t size; const char* text; } labels[] = {
        {400, 16, "400%"}, {50, 16, "50%"}, {1000, 4, "100"}, {-5, 16, "-5%"}, {400, 1, ""},
    };
    for (const auto& l : labels) {
        char text[16];
        const int n = FormatZoomLabel(text, l.size, l.zoom);
        EXPECT_EQ(n, int(std::strlen(l.text))) << l.zoom;
        EXPECT_EQ(std::string(text, std::size_t(n)), l.text);
    }
    EXPECT_EQ(ZoomLabelColor(0x000000), 0xFFFFFFu);
    EXPECT_EQ(ZoomLabelColor(0x010000), 0u);
}

TEST(SampledColor, WebSafePaletteAndWhenToSnap)
{
    struct { int index; std::uint32_t color; } entries[] = {
        {0, 0x000000}, {1, 0x330000}, {6, 0x003300}, {36, 0x000033}, {43, 0x333333},
        {215, 0xFFFFFF}, {216, 0}, {255, 0}, {-1, 0}, {256, 0},
    };
    for (const auto& e : entries)
        EXPECT_EQ(WebSafePaletteColor(e.index), e.color) << e.index;

    struct { std::uint32_t color, setting; bool snaps; } snap[] = {
        {0x123456, CN_WEB_SAFE, true}, {0x123456, CN_WEB_SAFE | 2, true}, {0x123456, 2, false},
        {0xFFFFFFFF, CN_WEB_SAFE, false},
    };
    for (const auto& s : snap)
        EXPECT_EQ(SnapsSampledColor(s.color, s.setting), s.snaps) << std::hex << s.color << " " << s.setting;
}
