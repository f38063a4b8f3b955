// The caption line as the ruler sets it for real pointer positions: items, units, scale,
// distance and angle from the zero point, the colour under the pointer, and the repaint a
// new text asks for.
#include "color/color_flags.h"
#include "ruler/ruler_geometry.h"
#include "ruler/view_flags.h"
#include "support/ruler_fixture.h"
#include "win/convert.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// A corner of the shared display that the other test programs leave alone.
constexpr int kLeft = 680;
constexpr int kTop = 700;
constexpr int kLength = 400;
constexpr int kThickness = 56;

const std::string kDeg = "\xB0";

// The window text after a rebuild with the pointer at a screen point. Another program on
// the display may move the pointer meanwhile: then the reading is taken again.
std::string CaptionAt(CRulerWnd* ruler, int x, int y)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!MovePointerTo(x, y))
            continue;
        ruler->RefreshCaption();
        char text[512] = {};
        GetWindowTextA(ruler->m_hWnd, text, int(sizeof text));
        POINT p{};
        if (GetCursorPos(&p) && p.x == x && p.y == y)
            return text;
    }
    return "<pointer would not stay at the point>";
}

class Caption : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Numbers in the core's en-US description: "." and "," whatever the machine says.
        f.settings.m_nCaption = 0;
        ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX, RECT{kLeft, kTop, kLeft + kLength, kTop + kThickness}));
        ASSERT_EQ(f.ruler->m_nLogPixels, 96) << "the worked values assume 96 pixels per inch";
    }

    void Use(DWORD unit, int scale, std::uint32_t items)
    {
        f.ruler->ModifyRulerStyle(RS_UNIT_MASK, unit, FALSE);
        f.ruler->m_nScale = scale;
        f.settings.m_nScale = scale;
        f.settings.m_nCaption = std::int32_t(items);
    }

    CRulerFixture f;
};

struct Case {
    const char* what;
    DWORD unit;
    int scale;
    std::uint32_t items;
    int dx, dy;  // pointer, relative to the client's top-left corner
    std::string expected;
};

// What the Win32 side feeds the composition: the unit's string, the ruler's scale and
// density, the client coordinate along the axis, the zero point on the screen. The
// composition rules themselves are the core's tests.
TEST_F(Caption, ItemsForPointerPositions)
{
    // The zero point of this ruler is the client's bottom-left corner, (0, 56) in client terms.
    const Case cases[] = {
        {"nothing shown", RS_UNIT_CM, 100, 0, 96, 10, "Calyx"},
        {"cm at 96 dpi", RS_UNIT_CM, 100, CI_UNITS | CI_POSITION, 96, 10, "Calyx [U: cm] [P: 2.54 cm]"},
        {"pixel equivalent at 200 %", RS_UNIT_CM, 200, CI_UNITS | CI_POSITION | CI_PIXELS, 96, 10,
         "Calyx [U: cm] [P: 1.27 cm = 48 px]"},
        {"scale 200 %", RS_UNIT_IN, 200, CI_SCALE | CI_POSITION | CI_PIXELS, 144, 10,
         "Calyx [S: 200%] [P: 0.75 in = 72 px]"},
        {"pixels take the short form", RS_UNIT_PX, 100, CI_POSITION | CI_DISTANCE | CI_PIXELS, 96, 56,
         "Calyx [P: 96 px] [D: 96 px]"},
        {"left of the ruler is negative", RS_UNIT_PX, 100, CI_POSITION, -30, 10, "Calyx [P: -30 px]"},
        {"screen coordinates", RS_UNIT_PX, 100, CI_SCREEN, 5, 6,
         "Calyx [XY: " + std::to_string(kLeft + 5) + ", " + std::to_string(kTop + 6) + " px]"},
        {"on the zero point", RS_UNIT_PX, 100, CI_DISTANCE | CI_ANGLE, 0, 56, "Calyx [D: 0 px] [A: 0" + kDeg + "]"},
        {"straight below the zero point", RS_UNIT_PX, 100, CI_DISTANCE | CI_ANGLE, 0, 156,
         "Calyx [D: 100 px] [A: 90.00" + kDeg + "]"},
        {"diagonal, above the zero point", RS_UNIT_PX, 100, CI_DISTANCE | CI_ANGLE, 30, 26,
         "Calyx [D: 42.43 px] [A: 45.00" + kDeg + "]"},
        {"distance in inches with its pixels at 200 %", RS_UNIT_IN, 200, CI_DISTANCE | CI_PIXELS, 0, 56 + 192,
         "Calyx [D: 1 in = 96 px]"},
        {"all but colour, in order", RS_UNIT_TWIP, 150,
         CI_UNITS | CI_SCALE | CI_SCREEN | CI_POSITION | CI_DISTANCE | CI_PIXELS | CI_ANGLE, 96, 56,
         "Calyx [U: twip] [S: 150%] [XY: " + std::to_string(kLeft + 96) + ", " + std::to_string(kTop + 56) +
             " px] [P: 960 twip = 64 px] [D: 960 twip = 64 px] [A: 0" + kDeg + "]"},
    };
    for (const Case& c : cases) {
        Use(c.unit, c.scale, c.items);
        EXPECT_EQ(CaptionAt(f.ruler, kLeft + c.dx, kTop + c.dy), c.expected) << c.what;
    }
}

TEST(CaptionVertical, PositionRunsDownAndTheAngleFromTheAxis)
{
    CRulerFixture f;
    f.settings.m_nCaption = 0;
    ASSERT_TRUE(f.Create(RS_VERT | RS_UNIT_IN, RECT{kLeft, 400, kLeft + kThickness, 400 + 300}));
    f.settings.m_nCaption = CI_POSITION | CI_ANGLE;
    // Not flipped, graduation zero is the client's top-right corner.
    const int zx = kLeft + kThickness;
    const int zy = 400;
    EXPECT_EQ(CaptionAt(f.ruler, zx - 10, zy + 96), "Calyx [P: 1 in] [A: 5.95" + kDeg + "]");
    EXPECT_EQ(CaptionAt(f.ruler, zx + 50, zy), "Calyx [P: 0 in] [A: 90.00" + kDeg + "]");
    EXPECT_EQ(CaptionAt(f.ruler, zx, zy + 144), "Calyx [P: 1.5 in] [A: 0" + kDeg + "]");
}

// A small window of one solid colour to point at.
class Swatch {
public:
    explicit Swatch(COLORREF color, int x, int y) : m_color(color), m_brush(CreateSolidBrush(color))
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = m_brush;
        wc.lpszClassName = "CalyxCaptionSwatch";
        UnregisterClassA(wc.lpszClassName, wc.hInstance);
        RegisterClassA(&wc);
        m_hWnd = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, x, y,
                                 40, 40, nullptr, nullptr, wc.hInstance, nullptr);
        UpdateWindow(m_hWnd);
        PumpUntilIdle();
    }
    ~Swatch()
    {
        DestroyWindow(m_hWnd);
        UnregisterClassA("CalyxCaptionSwatch", GetModuleHandleA(nullptr));
    }

    // The caption with the pointer on the swatch, taken while the screen there really shows
    // it: windows of other programs on the shared display may cover it for a while.
    std::string CaptionOver(CRulerWnd* ruler, int x, int y) const
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            const std::string text = CaptionAt(ruler, x, y);
            CScreenDC screen;
            if (WindowFromPoint(POINT{x, y}) == m_hWnd && GetPixel(screen, x, y) == m_color)
                return text;
            SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            PumpUntilIdle();
            Sleep(200);
        }
        return "<the swatch stayed covered>";
    }

    HWND m_hWnd;

private:
    COLORREF m_color;
    CBrushHandle m_brush;
};

TEST_F(Caption, ColourUnderThePointerInItsNotation)
{
    Swatch orange(RGB(255, 128, 0), kLeft + kLength + 40, kTop);
    ASSERT_NE(orange.m_hWnd, nullptr);
    const int x = kLeft + kLength + 60;
    const int y = kTop + 20;
    struct {
        std::uint32_t color;
        std::string expected;
    } cases[] = {
        {CN_RGB_DEC, "Calyx [C: 255, 128, 0 rgb]"},
        {CN_RGB_DEC | CN_WEB_SAFE, "Calyx [Cs: 255, 153, 0 rgb]"},
        {CN_HTML | CN_WEB_SAFE, "Calyx [Cs: #FF9900 html]"},
        {0x20, "Calyx [C: ]"},  // no such notation: brackets and label only
    };
    for (const auto& c : cases) {
        f.settings.m_nColor = std::int32_t(c.color);
        Use(RS_UNIT_PX, 100, CI_COLOR);
        EXPECT_EQ(orange.CaptionOver(f.ruler, x, y), c.expected) << std::hex << c.color;
    }
    // A palette display has no colour item at all.
    f.settings.m_nColor = CN_RGB_DEC;
    f.ruler->m_bPaletteDisplay = TRUE;
    EXPECT_EQ(orange.CaptionOver(f.ruler, x, y), "Calyx");
    f.ruler->m_bPaletteDisplay = FALSE;
}

TEST_F(Caption, ThePollReadsTheColourFromTheMagnifiersCaptureUninverted)
{
    // In a tick the magnifier takes the screen area first, with the hot-spot pixel inverted
    // in its copy; the colour item reads that pixel from there and must see the true colour.
    Swatch orange(RGB(255, 128, 0), kLeft + kLength + 40, kTop);
    ASSERT_NE(orange.m_hWnd, nullptr);
    f.ruler->ModifyRulerStyle(0, RS_MAGNIFIER, FALSE);
    f.ruler->UpdatePollTimer();
    KillTimer(f.Hwnd(), f.ruler->m_nTimerId);
    struct {
        std::uint32_t color;
        std::string expected;
    } cases[] = {
        {CN_RGB_DEC, "Calyx [C: 255, 128, 0 rgb]"},
        {CN_HTML | CN_WEB_SAFE, "Calyx [Cs: #FF9900 html]"},
    };
    for (const auto& c : cases) {
        f.settings.m_nColor = std::int32_t(c.color);
        Use(RS_UNIT_PX, 100, CI_COLOR);
        std::string text;
        for (int attempt = 0; attempt < 5 && text != c.expected; ++attempt) {
            ASSERT_TRUE(MovePointerTo(kLeft + kLength + 60 + attempt, kTop + 20));
            f.ruler->OnPollTimer();
            POINT p{};
            GetCursorPos(&p);
            EXPECT_EQ(f.ruler->m_ptCaptured.x, p.x) << "the magnifier took the area for this tick";
            char buffer[512] = {};
            GetWindowTextA(f.Hwnd(), buffer, int(sizeof buffer));
            text = buffer;
        }
        EXPECT_EQ(text, c.expected) << std::hex << c.color;
    }
}

TEST_F(Caption, AfterTheRulerMovesUnderAStillPointerTheColourIsWhatTheScreenShows)
{
    // An arrow key moves the ruler one pixel: its magnifier redraws at once, before the next
    // tick draws the guide under the pointer again, and that capture must not give the colour.
    f.settings.m_nColor = CN_RGB_DEC;
    f.ruler->ModifyRulerStyle(0, RS_GUIDE | RS_MAGNIFIER, FALSE);
    Use(RS_UNIT_PX, 100, CI_COLOR);
    f.ruler->UpdatePollTimer();
    KillTimer(f.Hwnd(), f.ruler->m_nTimerId);
    const int x = kLeft + 100, y = kTop + kThickness - 10;
    ASSERT_TRUE(MovePointerTo(x, y));
    PumpUntilIdle();
    f.ruler->OnPollTimer();
    CScreenDC screen;
    const COLORREF underGuide = GetPixel(screen, x, y);
    RECT rc{};
    GetWindowRect(f.Hwnd(), &rc);
    SetWindowPos(f.Hwnd(), nullptr, rc.left + 1, rc.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpUntilIdle();
    f.ruler->OnPollTimer();
    const COLORREF shown = GetPixel(screen, x, y);
    EXPECT_EQ(shown, underGuide) << "the guide is under the pointer again";
    char want[64];
    std::snprintf(want, sizeof want, "Calyx [C: %d, %d, %d rgb]", GetRValue(shown), GetGValue(shown),
                  GetBValue(shown));
    char text[512] = {};
    GetWindowTextA(f.Hwnd(), text, int(sizeof text));
    EXPECT_STREQ(text, want);
}

TEST_F(Caption, ThePollTakesTheColourFromACaptureOfTheSameTickOnly)
{
    // After the ruler moves under a still pointer (an arrow key), the next tick sees the
    // pointer elsewhere in the client area but takes no new capture: the last one may show
    // what the screen showed before, and the colour must come from the screen itself.
    f.settings.m_nColor = CN_RGB_DEC;
    f.ruler->ModifyRulerStyle(0, RS_MAGNIFIER, FALSE);
    Use(RS_UNIT_PX, 100, CI_COLOR);
    f.ruler->UpdatePollTimer();
    KillTimer(f.Hwnd(), f.ruler->m_nTimerId);
    const int x = kLeft + kLength + 60, y = kTop + 20;
    auto caption = [&] {
        char text[512] = {};
        GetWindowTextA(f.Hwnd(), text, int(sizeof text));
        return std::string(text);
    };
    {
        Swatch orange(RGB(255, 128, 0), x - 20, y - 20);
        ASSERT_EQ(orange.CaptionOver(f.ruler, x, y), "Calyx [C: 255, 128, 0 rgb]");
        f.ruler->OnPollTimer();
        PumpUntilIdle();
        ASSERT_EQ(f.ruler->CapturedScreenPixel(POINT{x, y}), RGB(255, 128, 0));
    }
    Swatch blue(RGB(0, 0, 255), x - 20, y - 20);
    ASSERT_EQ(f.ruler->CapturedScreenPixel(POINT{x, y}), RGB(255, 128, 0)) << "the capture is an old one";
    CScreenDC screen;
    ASSERT_EQ(GetPixel(screen, x, y), RGB(0, 0, 255));
    f.ruler->m_ptLastCursor.x += 1;  // where a one-pixel move of the ruler leaves it
    f.ruler->OnPollTimer();
    EXPECT_EQ(caption(), "Calyx [C: 0, 0, 255 rgb]");
}

TEST_F(Caption, NewTextInvalidatesOnlyTheTextRectangle)
{
    const HWND hwnd = f.Hwnd();
    const RECT text = ToRECT(f.ruler->GetCaptionStripRect(CSR_TEXT));
    ASSERT_FALSE(IsRectEmpty(&text));
    ValidateRect(hwnd, nullptr);
    SetWindowTextA(hwnd, "Calyx [U: px]");
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    // The text rectangle may overhang the client area; the update region is clipped to it.
    RECT client{}, expected{};
    GetClientRect(hwnd, &client);
    IntersectRect(&expected, &text, &client);
    EXPECT_TRUE(EqualRect(&update, &expected)) << update.left << "," << update.top << "," << update.right << ","
                                           << update.bottom;
    char stored[64] = {};
    GetWindowTextA(hwnd, stored, int(sizeof stored));
    EXPECT_STREQ(stored, "Calyx [U: px]");
}

TEST_F(Caption, TheSameTextAgainRepaintsNothing)
{
    // Moving across a ruler that shows only the position does not change the line.
    Use(RS_UNIT_PX, 100, CI_POSITION);
    // Only the rebuilds of this test, none by the poll in between.
    f.ruler->UpdatePollTimer();
    KillTimer(f.Hwnd(), f.ruler->m_nTimerId);
    EXPECT_EQ(CaptionAt(f.ruler, kLeft + 50, kTop + 10), "Calyx [P: 50 px]");
    ValidateRect(f.Hwnd(), nullptr);
    EXPECT_EQ(CaptionAt(f.ruler, kLeft + 50, kTop + 40), "Calyx [P: 50 px]");
    EXPECT_FALSE(GetUpdateRect(f.Hwnd(), nullptr, FALSE));
    EXPECT_EQ(CaptionAt(f.ruler, kLeft + 51, kTop + 40), "Calyx [P: 51 px]");
    EXPECT_TRUE(GetUpdateRect(f.Hwnd(), nullptr, FALSE));
}

TEST_F(Caption, ThePollFollowsThePointerWithoutAsking)
{
    Use(RS_UNIT_PX, 100, CI_POSITION);
    f.ruler->UpdatePollTimer();
    ASSERT_NE(f.ruler->m_nTimerId, 0u);
    for (int x : {120, 250}) {
        ASSERT_TRUE(MovePointerTo(kLeft + x, kTop + 80));
        PumpUntilIdle(60, 1000);
        char text[512] = {};
        GetWindowTextA(f.Hwnd(), text, int(sizeof text));
        EXPECT_EQ(std::string(text), "Calyx [P: " + std::to_string(x) + " px]");
    }
}

} // namespace
