// Placing a real window from the stored Window section and taking the values back.
#include "platform/placement_win.h"
#include "platform/screen_win.h"
#include "settings/settings_store.h"
#include "win/handles.h"

#include <climits>
#include <gtest/gtest.h>

namespace {
const char kClass[] = "CalyxPlacementTest";

class PlacementTest : public testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClass;
        RegisterClassA(&wc);
        hWnd = CreateWindowExA(0, kClass, "placement", WS_POPUP | WS_THICKFRAME, 200, 150, 400, 56, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(hWnd);
    }
    void TearDown() override { DestroyWindow(hWnd); }

    static void Pump()
    {
        MSG msg;
        for (int i = 0; i < 5; ++i) {
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            Sleep(10);
        }
    }
    RECT WindowRect() const
    {
        RECT rc{};
        GetWindowRect(hWnd, &rc);
        return rc;
    }
    HWND hWnd = nullptr;
    CSettingsStore store;
};

RECT WorkAreaOf(const RECT& rc)
{
    RECT area{};
    GetMonitorArea(rc, &area, true);
    return area;
}
} // namespace

TEST_F(PlacementTest, CaptureTakesStateAloneWhenItChanged)
{
    ShowWindow(hWnd, SW_SHOWNORMAL);
    Pump();
    EXPECT_TRUE(CapturePlacement(store, hWnd));
    EXPECT_EQ(store.m_nShowState, 1);
    EXPECT_EQ(store.m_rcBounds, (Rect{200, 150, 600, 206}));
    EXPECT_FALSE(CapturePlacement(store, hWnd)); // nothing changed
    store.m_bChanged = 0;

    ShowWindow(hWnd, SW_SHOWMAXIMIZED);
    Pump();
    EXPECT_TRUE(CapturePlacement(store, hWnd));
    EXPECT_EQ(store.m_nShowState, 3);
    EXPECT_EQ(store.m_rcBounds, (Rect{200, 150, 600, 206}));
    EXPECT_EQ(store.IsChanged(), 1);

    EXPECT_FALSE(CapturePlacement(store, nullptr)); // no main window in this program
}

TEST_F(PlacementTest, BoundsOffScreenComeBackWithTheMarginOnTheWorkArea)
{
    struct { Rect bounds; int margin; } cases[] = {
        {{-5000, -3000, -4600, -2944}, -1},
        {{9000, 9000, 9400, 9056}, 16},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, -1},
        {{INT_MAX - 100, 0, INT_MAX, 56}, -1},
    };
    for (auto& c : cases) {
        store.m_rcBounds = c.bounds;
        store.m_bChanged = 0;
        EXPECT_TRUE(ApplyPlacement(store, hWnd, SWP_SHOWWINDOW | SWP_NOACTIVATE, false, c.margin, c.margin));
        Pump();
        const RECT rc = WindowRect();
        const RECT work = WorkAreaOf(rc);
        const int m = c.margin == -1 ? 32 : c.margin;
        RECT inside{};
        EXPECT_TRUE(IntersectRect(&inside, &rc, &work)) << c.bounds.left;
        EXPECT_GE(inside.right - inside.left, m) << c.bounds.left;
        EXPECT_GE(inside.bottom - inside.top, m) << c.bounds.left;
        EXPECT_EQ(store.m_rcBounds, (Rect{rc.left, rc.top, rc.right, rc.bottom}));
        EXPECT_EQ(store.IsChanged(), 0); // the shift is not a change
        EXPECT_TRUE(IsWindowVisible(hWnd));
    }
    // Bounds on no monitor at all (one that is gone) and bounds partly on a monitor both keep
    // 32 pixels on the nearest one.
    store.m_rcBounds = Rect{-5000, 100, -4600, 156};
    ApplyPlacement(store, hWnd, SWP_NOACTIVATE);
    EXPECT_EQ(WindowRect().right, WorkAreaOf(WindowRect()).left + 32);
    store.m_rcBounds = Rect{WorkAreaOf(WindowRect()).left - 390, 100, WorkAreaOf(WindowRect()).left + 10, 156};
    ApplyPlacement(store, hWnd, SWP_NOACTIVATE);
    EXPECT_EQ(WindowRect().right, WorkAreaOf(WindowRect()).left + 32);
}

TEST_F(PlacementTest, TopmostFollowsOnTop)
{
    store.m_rcBounds = Rect{100, 100, 500, 156};
    store.m_bOnTop = 1;
    ApplyPlacement(store, hWnd, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    EXPECT_TRUE(GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    store.m_bOnTop = 0;
    ApplyPlacement(store, hWnd, SWP_NOACTIVATE);
    EXPECT_FALSE(GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(PlacementTest, EmptyBoundsOnlyShowOrHide)
{
    ShowWindow(hWnd, SW_SHOWNORMAL);
    Pump();
    const RECT before = WindowRect();
    store.m_rcBounds = Rect{};
    EXPECT_FALSE(ApplyPlacement(store, hWnd, SWP_HIDEWINDOW));
    Pump();
    EXPECT_FALSE(IsWindowVisible(hWnd));
    const RECT after = WindowRect();
    EXPECT_TRUE(EqualRect(&before, &after));

    store.m_nShowState = 3;
    EXPECT_FALSE(ApplyPlacement(store, hWnd, SWP_SHOWWINDOW | SWP_NOACTIVATE, true));
    Pump();
    EXPECT_TRUE(IsWindowVisible(hWnd));
    EXPECT_TRUE(IsZoomed(hWnd));
}

TEST_F(PlacementTest, ActivateWindowRestoresOnlyVisibleWindows)
{
    ActivateWindow(hWnd); // hidden: stays hidden
    EXPECT_FALSE(IsWindowVisible(hWnd));
    ShowWindow(hWnd, SW_SHOWMINIMIZED);
    Pump();
    ASSERT_TRUE(IsIconic(hWnd));
    ActivateWindow(hWnd);
    Pump();
    EXPECT_FALSE(IsIconic(hWnd));
    ActivateWindow(nullptr);
}
