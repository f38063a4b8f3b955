// The magnifier against a known picture on the screen: the enlarged image, the inverted
// hot-spot pixel (and the screen left as it was), the desktop colour beyond the desktop's
// edge, the zoom label, the bitmap copy, web-safe sampling and GDI objects over many draws.
#include "platform/clipboard_win.h"
#include "color/color_flags.h"
#include "ruler/view_flags.h"
#include "support/ruler_fixture.h"
#include "win/message_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kThickness = 56;
constexpr int kImage = kThickness - 4;  // the image inside the 2-pixel frame
// Where the picture and the ruler go on the shared display.
constexpr int kPatternLeft = 1100;
constexpr int kPatternTop = 600;
constexpr int kPatternSize = 128;
constexpr RECT kRulerClient{40, 820, 340, 820 + kThickness};

// Every pixel of the picture has its own colour; only the top-left one is black.
COLORREF PatternColor(int x, int y)
{
    return RGB(2 * x, 2 * y, (x | y) == 0 ? 0 : 0x80);
}

LRESULT CALLBACK PatternProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hWnd, &ps);
        std::vector<std::uint32_t> bits(std::size_t(kPatternSize) * kPatternSize);
        for (int y = 0; y < kPatternSize; ++y)
            for (int x = 0; x < kPatternSize; ++x) {
                const COLORREF c = PatternColor(x, y);
                bits[std::size_t(y) * kPatternSize + std::size_t(x)] =
                    (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
            }
        const BITMAPINFO bi = TopDownDibInfo(kPatternSize, kPatternSize);
        SetDIBitsToDevice(dc, 0, 0, kPatternSize, kPatternSize, 0, 0, 0, kPatternSize, bits.data(), &bi,
                          DIB_RGB_COLORS);
        EndPaint(hWnd, &ps);
        return 0;
    }
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

// A topmost borderless window showing the picture at kPatternLeft, kPatternTop.
class CPatternWindow {
public:
    CPatternWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &PatternProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "CalyxTestPattern";
        RegisterClassA(&wc);
        m_hWnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "CalyxTestPattern", "", WS_POPUP | WS_VISIBLE,
                                 kPatternLeft, kPatternTop, kPatternSize, kPatternSize, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        UpdateWindow(m_hWnd);
        PumpUntilIdle(50);
    }
    ~CPatternWindow() { DestroyWindow(m_hWnd); }
    CPatternWindow(const CPatternWindow&) = delete;
    CPatternWindow& operator=(const CPatternWindow&) = delete;

    // Whether the screen shows the picture (nothing else lies over it).
    static bool OnScreen()
    {
        CScreenDC screen;
        for (int i = 0; i < kPatternSize; i += 9)
            if (GetPixel(screen, kPatternLeft + i, kPatternTop + (i * 7) % kPatternSize) !=
                PatternColor(i, (i * 7) % kPatternSize))
                return false;
        return true;
    }

private:
    HWND m_hWnd;
};

COLORREF Inverted(COLORREF c)
{
    return ~c & 0xFFFFFF;
}

class Magnifier : public ::testing::Test {
protected:
    CPatternWindow pattern;
    CRulerFixture f;

    void SetUp() override
    {
        ASSERT_TRUE(CPatternWindow::OnScreen()) << "something covers the test picture";
        f.settings.m_nCaption = 0;
        f.settings.m_nZoomFactor = 400;
        ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX | RS_MAGNIFIER, kRulerClient));
    }

    // The magnifier's image area M' in client coordinates.
    RECT Image() const
    {
        const int left = f.Width() - kThickness + 2;
        return RECT{left, 2, left + kImage, 2 + kImage};
    }

    // Puts the pointer on the picture's pixel (x, y).
    void PointAt(int x, int y) { ASSERT_TRUE(MovePointerTo(kPatternLeft + x, kPatternTop + y)); }
};

}  // namespace

TEST_F(Magnifier, Zoom400ShowsThirteenPixelsAsFourByFourBlocks)
{
    ASSERT_NO_FATAL_FAILURE(PointAt(40, 40));
    f.Render();
    const RECT m = Image();
    // 13 x 13 source pixels from 34 to 46; the centre one is shown inverted.
    for (int j = 0; j < 13; ++j)
        for (int i = 0; i < 13; ++i) {
            const COLORREF src = PatternColor(34 + i, 34 + j);
            const COLORREF want = i == 6 && j == 6 ? Inverted(src) : src;
            for (int dy = 0; dy < 4; ++dy)
                for (int dx = 0; dx < 4; ++dx)
                    ASSERT_EQ(f.Pixel(m.left + 4 * i + dx, m.top + 4 * j + dy), want) << i << "," << j;
        }
    // The frame around the image is the sunken edge, not the picture.
    EXPECT_EQ(f.Pixel(m.left - 2, m.top + 10), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(f.Pixel(m.right + 1, m.top + 10), GetSysColor(COLOR_BTNHIGHLIGHT));
    // The screen pixel under the pointer was inverted back.
    CScreenDC screen;
    EXPECT_EQ(GetPixel(screen, kPatternLeft + 40, kPatternTop + 40), PatternColor(40, 40));
}

TEST_F(Magnifier, Zoom50ShowsTheAreaReducedToHalfKeepingDarkPixels)
{
    f.settings.m_nZoomFactor = 50;
    ASSERT_NO_FATAL_FAILURE(PointAt(60, 60));
    f.Render();
    const RECT m = Image();
    // 104 x 104 source pixels from 8. The context's own stretch mode combines the four pixels
    // an image pixel covers with AND, so what is dark on the screen stays dark when shrunk
    // (a mode that keeps one of them drops thin dark lines).
    for (int j = 0; j < kImage; ++j)
        for (int i = 0; i < kImage; ++i) {
            if (i == 26 && j == 26)
                continue;  // covers the inverted hot spot
            const int sx = 8 + 2 * i, sy = 8 + 2 * j;
            const COLORREF want = PatternColor(sx, sy) & PatternColor(sx + 1, sy) & PatternColor(sx, sy + 1) &
                                  PatternColor(sx + 1, sy + 1);
            ASSERT_EQ(f.Pixel(m.left + i, m.top + j), want) << i << "," << j;
        }
}

TEST_F(Magnifier, BeyondTheDesktopShowsTheDesktopColour)
{
    // The screen's top-left 7 x 7 pixels, as they are (the pointer not yet there).
    COLORREF corner[7][7];
    {
        CScreenDC screen;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x)
                corner[y][x] = GetPixel(screen, x, y);
    }
    ASSERT_TRUE(MovePointerTo(0, 0));
    f.Render();
    const RECT m = Image();
    // S = (-6, -6) .. (7, 7): the visible 7 x 7 land at M' + 24 (rounded), 4 pixels each.
    const COLORREF desktop = GetSysColor(COLOR_BACKGROUND);
    for (int y = 0; y < kImage; ++y)
        for (int x = 0; x < kImage; ++x) {
            COLORREF want = desktop;
            if (x >= 24 && y >= 24) {
                const int sx = (x - 24) / 4, sy = (y - 24) / 4;
                want = sx == 0 && sy == 0 ? Inverted(corner[0][0]) : corner[sy][sx];
            }
            ASSERT_EQ(f.Pixel(m.left + x, m.top + y), want) << x << "," << y;
        }
    CScreenDC screen;
    EXPECT_EQ(GetPixel(screen, 0, 0), corner[0][0]);
}

TEST_F(Magnifier, LabelIsWhiteOnABlackCornerElseBlack)
{
    struct Case {
        int x, y;
        COLORREF text;
    };
    // At (6, 6) the image's top-left pixel is the picture's black corner.
    const Case cases[] = {{6, 6, RGB(255, 255, 255)}, {40, 40, RGB(0, 0, 0)}};
    for (const Case& c : cases) {
        ASSERT_NO_FATAL_FAILURE(PointAt(c.x, c.y));
        f.RenderWith([&](HDC dc) { f.ruler->DrawMagnifier(dc, TRUE, TRUE); });
        const RECT m = Image();
        int text = 0;
        for (int y = m.top; y < m.top + 16; ++y)
            for (int x = m.left; x < m.left + 32; ++x)
                text += f.Pixel(x, y) == c.text ? 1 : 0;
        EXPECT_GT(text, 10) << c.x;
        // Without the label the same corner has none of those pixels (the picture has no
        // white, and no black away from its corner).
        f.RenderWith([&](HDC dc) { f.ruler->DrawMagnifier(dc, TRUE, FALSE); });
        int plain = 0;
        for (int y = m.top + 4; y < m.top + 16; ++y)
            for (int x = m.left + 4; x < m.left + 32; ++x)
                plain += f.Pixel(x, y) == c.text ? 1 : 0;
        EXPECT_EQ(plain, 0) << c.x;
    }
}

TEST_F(Magnifier, UnforcedDrawWaitsForThePointerToMove)
{
    // (The poll redraws the magnifier while the pointer moves, so the last position is
    // set here rather than by moving the pointer.)
    ASSERT_NO_FATAL_FAILURE(PointAt(41, 40));
    f.RenderWith([&](HDC dc) { f.ruler->DrawMagnifier(dc, TRUE, FALSE); });
    f.RenderWith([&](HDC dc) { f.ruler->DrawMagnifier(dc, FALSE, FALSE); });
    EXPECT_EQ(f.Pixel(Image().left + 20, Image().top + 20), CRulerFixture::kFill) << "drawn without a move";
    f.ruler->m_ptMagnifierLast.x -= 1;
    f.RenderWith([&](HDC dc) { f.ruler->DrawMagnifier(dc, FALSE, FALSE); });
    EXPECT_EQ(f.Pixel(Image().left, Image().top), PatternColor(35, 34)) << "not drawn after a move";
}

TEST_F(Magnifier, CopyPutsTheSourceAreaOnTheClipboard)
{
    ASSERT_NO_FATAL_FAILURE(PointAt(40, 40));
    f.ruler->CopyMagnifierSource();
    CClipboardOpen clip(f.Hwnd());
    ASSERT_TRUE(clip.IsOpen());
    const HBITMAP bmp = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(bmp, nullptr);
    BITMAP info{};
    ASSERT_TRUE(GetObjectA(bmp, sizeof info, &info));
    EXPECT_EQ(info.bmWidth, 13);
    EXPECT_EQ(info.bmHeight, 13);
    COwnedDC mem(CreateCompatibleDC(nullptr));
    CSelectObject sel(mem, bmp);
    // 1:1 and without the inverted hot spot.
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            ASSERT_EQ(GetPixel(mem, x, y), PatternColor(34 + x, 34 + y)) << x << "," << y;
}

namespace {
std::vector<std::string> g_boxes;
int RecordBox(HWND, const char* text, const char*, UINT)
{
    g_boxes.emplace_back(text);
    return IDOK;
}
}  // namespace

TEST_F(Magnifier, CopyWithTheMagnifierHiddenSaysSoAndLeavesTheClipboard)
{
    ASSERT_TRUE(CopyTextToClipboard("kept"));
    f.ruler->ModifyRulerStyle(RS_MAGNIFIER, 0, FALSE);
    PumpUntilIdle();
    g_boxes.clear();
    const MessageBoxHook old = SetMessageBoxHook(&RecordBox);
    f.ruler->CopyMagnifierSource();
    SetMessageBoxHook(old);
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0].rfind("Error #87:", 0), 0u) << g_boxes[0];
    CClipboardOpen clip(f.Hwnd());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
}

TEST_F(Magnifier, WebSafeSamplingTakesTheNearestPaletteEntry)
{
    struct Case {
        COLORREF pixel;
        bool webSafe;
        COLORREF want;
    };
    const Case cases[] = {
        {RGB(250, 10, 100), true, RGB(255, 0, 102)},
        {RGB(250, 10, 100), false, RGB(250, 10, 100)},
        {RGB(25, 26, 127), true, RGB(0, 51, 102)},
        {RGB(255, 255, 255), true, RGB(255, 255, 255)},
    };
    for (const Case& c : cases) {
        f.RenderWith([&](HDC dc) { SetPixel(dc, 5, 5, c.pixel); });
        f.settings.m_nColor = std::int32_t(CN_RGB_DEC | (c.webSafe ? std::uint32_t(CN_WEB_SAFE) : 0u));
        EXPECT_EQ(f.ruler->SampleScreenColor(f.Dc(), 5, 5), c.want) << std::hex << c.pixel;
    }
    // A point with no pixel is reported as such, never snapped into a colour.
    f.settings.m_nColor = std::int32_t(CN_RGB_DEC | CN_WEB_SAFE);
    EXPECT_EQ(f.ruler->SampleScreenColor(f.Dc(), -5, -5), CLR_INVALID);
}

TEST_F(Magnifier, GdiObjectsStayFlatOverManyDraws)
{
    ASSERT_NO_FATAL_FAILURE(PointAt(40, 40));
    for (int i = 0; i < 20; ++i) {
        f.Render();
        f.ruler->DrawMagnifier(nullptr, TRUE, TRUE);
    }
    const int before = CountGdiObjects();
    if (before < 0)
        GTEST_SKIP() << kNoGdiCount;
    // Over two thousand magnifier draws, on the window and in paints.
    for (int i = 0; i < 700; ++i) {
        f.Render();
        f.ruler->DrawMagnifier(nullptr, TRUE, i % 2);
        f.ruler->DrawMagnifier(f.Dc(), FALSE, FALSE);
    }
    EXPECT_EQ(CountGdiObjects(), before);
    CScreenDC screen;
    EXPECT_EQ(GetPixel(screen, kPatternLeft + 40, kPatternTop + 40), PatternColor(40, 40));
}
