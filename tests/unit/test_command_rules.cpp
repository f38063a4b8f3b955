// Scale and zoom stepping and the commands' update rules.
#include "ruler/command_rules.h"

#include "color/color_flags.h"
#include "resource.h"
#include "ruler/view_flags.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Walk(int (*step)(int, bool), int from, bool up)
{
    std::vector<int> seen{from};
    for (int i = 0; i < 200; ++i) {
        const int next = step(seen.back(), up);
        if (next == seen.back())
            break;
        seen.push_back(next);
    }
    return seen;
}

CommandState Ruler(std::uint32_t style)
{
    CommandState s;
    s.style = style;
    s.caption = CI_UNITS | CI_SCALE | CI_POSITION;
    s.color = CN_RGB_DEC;
    return s;
}

} // namespace

TEST(CommandRules, RulerScaleSteps)
{
    // Up from 50 in tens to 200, then in twenties to 1000; down from 1000 in twenties to 200,
    // then in tens: 190 is skipped going down because 200 already steps by 20.
    std::vector<int> up = Walk(StepRulerScale, 50, true);
    std::vector<int> want;
    for (int s = 50; s < 200; s += 10)
        want.push_back(s);
    for (int s = 200; s <= 1000; s += 20)
        want.push_back(s);
    EXPECT_EQ(up, want);

    std::vector<int> down = Walk(StepRulerScale, 1000, false);
    want.clear();
    for (int s = 1000; s >= 200; s -= 20)
        want.push_back(s);
    for (int s = 180; s >= 50; s -= 10)
        want.push_back(s);
    EXPECT_EQ(down, want);

    struct { int from; bool up; int to; } cases[] = {
        {195, true, 200}, {195, false, 190}, {200, false, 180}, {1000, true, 1000}, {50, false, 50},
        {999, true, 1000}, {51, false, 50}, {210, true, 220}, {210, false, 200}, {1, false, 50},
        {2147483647, true, 1000}, {-5, true, 50},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepRulerScale(c.from, c.up), c.to) << c.from << (c.up ? " up" : " down");

    int s = 100;
    for (int i = 0; i < 5; ++i)
        s = StepRulerScale(s, true);
    EXPECT_EQ(s, 150) << "five Ctrl+I from 100";

    EXPECT_EQ(RulerScaleForCommand(ID_SCALE_ZOOM_IN, 150), 160);
    EXPECT_EQ(RulerScaleForCommand(ID_SCALE_ZOOM_OUT, 150), 140);
    EXPECT_EQ(RulerScaleForCommand(ID_SCALE_NORMAL, 150), 100);
}

TEST(CommandRules, MagnifierZoomSteps)
{
    const std::vector<int> up{50, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000};
    EXPECT_EQ(Walk(StepMagnifierZoom, 50, true), up);
    EXPECT_EQ(Walk(StepMagnifierZoom, 1000, false), std::vector<int>(up.rbegin(), up.rend()));
    struct { int from; bool up; int to; } cases[] = {
        {150, true, 200}, {150, false, 100}, {450, true, 500}, {450, false, 400}, {100, false, 50},
        {75, true, 100},  {75, false, 50},   {1000, true, 1000}, {50, false, 50}, {999, true, 1000},
        {1500, true, 1500}, {20, false, 20}, {20, true, 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepMagnifierZoom(c.from, c.up), c.to) << c.from << (c.up ? " up" : " down");

    // The command's zoom; 0 when the step changes nothing, Normal at 100 still redraws.
    struct { int id, from, to; } commands[] = {
        {ID_ZOOM_IN, 400, 500}, {ID_ZOOM_OUT, 400, 300}, {ID_ZOOM_IN, 1000, 0}, {ID_ZOOM_OUT, 50, 0},
        {ID_ZOOM_NORMAL, 400, 100}, {ID_ZOOM_NORMAL, 100, 100},
    };
    for (const auto& c : commands)
        EXPECT_EQ(MagnifierZoomForCommand(c.id, c.from), c.to) << c.id << " " << c.from;
}

TEST(CommandRules, EnableConditions)
{
    const std::uint32_t px = RS_UNIT_PX | RS_HORZ | RS_MAGNIFIER;
    const std::uint32_t cm = RS_UNIT_CM | RS_HORZ | RS_MAGNIFIER;
    struct Case {
        const char* what;
        int id;
        std::uint32_t style;
        std::uint32_t caption;
        int scale;
        int zoom;
        bool palette;
        bool webSafe;
        bool enabled;
    } cases[] = {
        {"pixel equivalent on a pixel ruler", ID_CAPTION_PIXELS, px, CI_POSITION, 100, 400, false, true, false},
        {"pixel equivalent in cm with the position", ID_CAPTION_PIXELS, cm, CI_POSITION, 100, 400, false, true, true},
        {"pixel equivalent in cm with the distance", ID_CAPTION_PIXELS, cm, CI_DISTANCE, 100, 400, false, true, true},
        {"pixel equivalent without position or distance", ID_CAPTION_PIXELS, cm, CI_ANGLE | CI_PIXELS, 100, 400,
         false, true, false},
        {"other caption items always", ID_CAPTION_ANGLE, px, 0, 100, 400, false, true, true},
        {"zoom in, magnifier hidden", ID_ZOOM_IN, RS_UNIT_PX | RS_HORZ, 0, 100, 400, false, true, false},
        {"zoom custom, magnifier hidden", ID_ZOOM_CUSTOM, RS_UNIT_PX | RS_HORZ, 0, 100, 400, false, true, false},
        {"zoom custom, magnifier shown", ID_ZOOM_CUSTOM, px, 0, 100, 400, false, true, true},
        {"zoom normal at 100", ID_ZOOM_NORMAL, px, 0, 100, 100, false, true, false},
        {"zoom in at 1000", ID_ZOOM_IN, px, 0, 100, 1000, false, true, false},
        {"zoom out at 50", ID_ZOOM_OUT, px, 0, 100, 50, false, true, false},
        {"zoom out at 51", ID_ZOOM_OUT, px, 0, 100, 51, false, true, true},
        {"scale normal at 100", ID_SCALE_NORMAL, px, 0, 100, 400, false, true, false},
        {"scale normal at 150", ID_SCALE_NORMAL, px, 0, 150, 400, false, true, true},
        {"scale in at 1000", ID_SCALE_ZOOM_IN, px, 0, 1000, 400, false, true, false},
        {"scale in at 990", ID_SCALE_ZOOM_IN, px, 0, 990, 400, false, true, true},
        {"scale out at 50", ID_SCALE_ZOOM_OUT, px, 0, 50, 400, false, true, false},
        {"scale custom at 1000", ID_SCALE_CUSTOM, px, 0, 1000, 400, false, true, true},
        {"notation on a palette display", ID_COLOR_HLS, px, 0, 100, 400, true, true, false},
        {"notation on a true-colour display", ID_COLOR_HLS, px, 0, 100, 400, false, true, true},
        {"copy colour on a palette display", ID_COPY_COLOR, px, 0, 100, 400, true, true, false},
        {"web safe without the palette", ID_COLOR_WEB_SAFE, px, 0, 100, 400, false, false, false},
        {"web safe on a palette display", ID_COLOR_WEB_SAFE, px, 0, 100, 400, true, true, true},
    };
    for (const Case& c : cases) {
        CommandState s = Ruler(c.style);
        s.caption = c.caption;
        s.scale = c.scale;
        s.zoomFactor = c.zoom;
        s.paletteDisplay = c.palette;
        s.webSafePalette = c.webSafe;
        CommandUpdate u;
        switch (c.id) {
        case ID_CAPTION_PIXELS: case ID_CAPTION_ANGLE: u = RuleCaptionItem(c.id, s); break;
        case ID_ZOOM_IN: case ID_ZOOM_OUT: case ID_ZOOM_NORMAL: case ID_ZOOM_CUSTOM: u = RuleMagnifierZoom(c.id, s); break;
        case ID_COLOR_HLS: u = RuleNotation(c.id, s); break;
        case ID_COPY_COLOR: u = RuleCopyColor(c.id, s); break;
        case ID_COLOR_WEB_SAFE: u = RuleWebSafe(c.id, s); break;
        default: u = RuleRulerScale(c.id, s); break;
        }
        EXPECT_EQ(u.enabled, c.enabled) << c.what;
    }
}

TEST(CommandRules, MarksAndTexts)
{
    CommandState s = Ruler(RS_UNIT_DU | RS_VERT | RS_GUIDE | RS_WS_THICKFRAME);
    s.color = CN_HTML | CN_WEB_SAFE;
    s.base = 10;
    s.toolWindow = true;
    s.visible = true;
    s.topmost = false;
    s.style |= RS_TOPMOST;  // asked for, but the ruler is not topmost
    struct { CommandUpdate u; CommandUpdate::Mark mark; bool marked; const char* what; } cases[] = {
        {RuleUnit(ID_UNIT_DU, s), CommandUpdate::kRadio, true, "du"},
        {RuleUnit(ID_UNIT_DBU, s), CommandUpdate::kRadio, false, "dbu"},
        {RuleBase(ID_BASE_10, s), CommandUpdate::kRadio, true, "base 10"},
        {RuleBase(ID_BASE_2, s), CommandUpdate::kRadio, false, "base 2"},
        {RuleNotation(ID_COLOR_HTML, s), CommandUpdate::kRadio, true, "html, web safe kept aside"},
        {RuleNotation(ID_COLOR_RGB_DEC, s), CommandUpdate::kRadio, false, "rgb"},
        {RuleWebSafe(ID_COLOR_WEB_SAFE, s), CommandUpdate::kCheck, true, "web safe"},
        {RuleViewFlag(ID_SHOW_GUIDE, s), CommandUpdate::kCheck, true, "guide"},
        {RuleViewFlag(ID_SHOW_MAGNIFIER, s), CommandUpdate::kCheck, false, "magnifier"},
        {RuleViewFlag(ID_SHOW_BORDER, s), CommandUpdate::kCheck, true, "border"},
        {RuleAlwaysOnTop(ID_ALWAYS_ON_TOP, s), CommandUpdate::kCheck, false, "on top follows the ruler's topmost state"},
        {RuleShowInTaskBar(ID_SHOW_IN_TASKBAR, s), CommandUpdate::kCheck, false, "tool window"},
        {RuleCaptionItem(ID_CAPTION_UNITS, s), CommandUpdate::kCheck, true, "units shown"},
        {RuleCaptionItem(ID_CAPTION_COLOR, s), CommandUpdate::kCheck, false, "colour not shown"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.u.mark, c.mark) << c.what;
        EXPECT_EQ(c.u.marked, c.marked) << c.what;
    }

    // Exactly one unit is marked in every unit state.
    const int units[] = {ID_UNIT_CM, ID_UNIT_DBU, ID_UNIT_DU, ID_UNIT_IN, ID_UNIT_PC, ID_UNIT_PX, ID_UNIT_PT, ID_UNIT_TWIP};
    for (std::uint32_t bit = 1; bit <= 0x80; bit <<= 1) {
        int marked = 0;
        for (int id : units)
            marked += RuleUnit(id, Ruler(bit | RS_HORZ)).marked ? 1 : 0;
        EXPECT_EQ(marked, 1) << bit;
    }

    // Texts: the half of the string that says what the command will do.
    EXPECT_EQ(RuleShowHide(ID_SHOW_HIDE, s).textId, IDS_SHOW_HIDE);
    EXPECT_EQ(RuleShowHide(ID_SHOW_HIDE, s).textPart, 1) << "visible: Hide";
    s.visible = false;
    EXPECT_EQ(RuleShowHide(ID_SHOW_HIDE, s).textPart, 0) << "hidden: Show";
    EXPECT_EQ(RuleSizingTool(ID_TOGGLE_SIZING_TOOL, s).textId, IDS_SIZING_TOOL_TOGGLE);
    s.sizingToolVisible = true;
    EXPECT_EQ(RuleSizingTool(ID_TOGGLE_SIZING_TOOL, s).textPart, 1);
}

TEST(CommandRules, AlwaysOnTopTogglesWhatItsMarkShows)
{
    // By whether the ruler is topmost, not by RS_TOPMOST; the other view flags by the style.
    EXPECT_EQ(ToggleViewFlag(ID_ALWAYS_ON_TOP, RS_HORZ | RS_TOPMOST, false).add, std::uint32_t(RS_TOPMOST));
    EXPECT_EQ(ToggleViewFlag(ID_ALWAYS_ON_TOP, RS_HORZ, true).add, 0u);
    EXPECT_EQ(ToggleViewFlag(ID_SHOW_GUIDE, RS_HORZ | RS_GUIDE, false).add, 0u);
    EXPECT_EQ(ToggleViewFlag(ID_SHOW_BORDER, RS_HORZ, true).add, std::uint32_t(RS_WS_THICKFRAME));

    // Turn asks for the other orientation than the stored one.
    EXPECT_EQ(ToggleOrientation(true).add, std::uint32_t(RS_HORZ));
    EXPECT_EQ(ToggleOrientation(false).add, std::uint32_t(RS_VERT));
    EXPECT_EQ(ToggleOrientation(false).remove, std::uint32_t(RS_HORZ | RS_VERT));

    // Side reverses the stored side of the current orientation only.
    struct { std::uint32_t style; bool hFlipped, vFlipped, flips; } sides[] = {
        {RS_HORZ, false, true, true}, {RS_HORZ, true, false, false},
        {RS_VERT, true, false, true}, {RS_VERT, false, true, false},
    };
    for (const auto& c : sides) {
        const StyleToggle t = ToggleSide(c.style, c.hFlipped, c.vFlipped);
        EXPECT_EQ(t.remove, std::uint32_t(RS_FLIPPED));
        EXPECT_EQ(t.add, c.flips ? std::uint32_t(RS_FLIPPED) : 0u) << c.style << c.hFlipped << c.vFlipped;
    }
}
