// The ruler on a monitor of another density. Wine gives every monitor the system's density,
// so the monitor's answer is stood in for (SetWindowDpiOverride) and WM_DPICHANGED is sent
// as Windows sends it when the ruler is dragged onto such a monitor.
#include "platform/dpi_win.h"
#include "ruler/view_flags.h"
#include "support/ruler_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kFg = RGB(0, 0, 0);

// The columns where a tick of at least `length` pixels runs up from the bottom edge.
std::vector<int> TicksOfLength(const CRulerFixture& f, int length)
{
    std::vector<int> at;
    for (int x = 0; x < f.Width(); ++x) {
        int run = 0;
        while (run < f.Height() && f.Pixel(x, f.Height() - 1 - run) == kFg)
            ++run;
        if (run >= length - 1)  // one pixel of a tick lies past the client's last row
            at.push_back(x);
    }
    return at;
}

struct DpiOverride {
    explicit DpiOverride(int dpi) { SetWindowDpiOverride(dpi); }
    ~DpiOverride() { SetWindowDpiOverride(0); }
};

class RulerDpi : public ::testing::Test {
protected:
    CRulerFixture f;
    void Make(DWORD flags)
    {
        f.settings.m_clrBk = std::int32_t(RGB(255, 255, 0));
        f.settings.m_clrFg = std::int32_t(kFg);
        f.settings.m_nCaption = 0;
        ASSERT_TRUE(f.Create(flags, RECT{40, 500, 440, 556}));
    }
    void SendDpiChanged(int dpi, const RECT& suggested)
    {
        RECT r = suggested;
        SendMessageA(f.Hwnd(), CRulerWnd::kMsgDpiChanged, MAKEWPARAM(dpi, dpi), LPARAM(&r));
        PumpUntilIdle();
        f.Render();
    }
};

} // namespace

TEST_F(RulerDpi, OnTheSystemsDensityTheRulerIsAsItWas)
{
    Make(RS_HORZ | RS_UNIT_CM);
    EXPECT_EQ(WindowDpi(f.Hwnd()), SystemDpi());
    EXPECT_EQ(f.ruler->m_nLogPixels, SystemDpi());
    EXPECT_EQ(f.ruler->m_nTickLength, 12);
    EXPECT_EQ(f.ruler->m_nIconBox, 20);
    EXPECT_EQ(f.ruler->m_nIconSize, 16);
}

TEST_F(RulerDpi, ADensityChangeTakesTheSuggestedBoundsTheSizesAndTheUnits)
{
    ASSERT_EQ(SystemDpi(), 96) << "these expectations are for a 96 dpi system";
    Make(RS_HORZ | RS_UNIT_CM);
    const int strip96 = f.ruler->GetStripThickness();
    DpiOverride monitor(144);
    SendDpiChanged(144, RECT{60, 520, 660, 604});

    RECT wr{};
    GetWindowRect(f.Hwnd(), &wr);
    EXPECT_EQ(wr.left, 60);
    EXPECT_EQ(wr.top, 520);
    EXPECT_EQ(wr.right, 660);
    EXPECT_EQ(wr.bottom, 604);
    EXPECT_EQ(f.ruler->m_nLogPixels, 144);
    EXPECT_EQ(f.ruler->m_nIconBox, 30);
    EXPECT_GT(f.ruler->GetStripThickness(), strip96 * 5 / 4) << "the font grew with the density";
    // A centimetre is 56.7 pixels at 144 dpi (the ticks fall on whole pixels as at 96 dpi,
    // where it is 37.8); the majors are 18 pixels long there.
    EXPECT_EQ(TicksOfLength(f, 18), (std::vector<int>{0, 56, 113, 169, 226, 283, 339, 396, 452, 509, 566}));

    // A turn measures the density again: the monitor's, not the system's.
    f.ruler->ModifyRulerStyle(RS_HORZ | RS_VERT, RS_VERT, FALSE);
    f.ruler->ModifyRulerStyle(RS_HORZ | RS_VERT, RS_HORZ, FALSE);
    EXPECT_EQ(f.ruler->m_nLogPixels, 144);
    EXPECT_EQ(f.ruler->m_nTickLength, 18);

    SetWindowDpiOverride(0);
    SendDpiChanged(96, RECT{60, 520, 460, 576});
    EXPECT_EQ(f.ruler->m_nLogPixels, 96);
    EXPECT_EQ(f.ruler->GetStripThickness(), strip96);
    EXPECT_EQ(TicksOfLength(f, 12), (std::vector<int>{0, 37, 75, 113, 150, 188, 226, 264, 301, 339, 377}));
}
