// Get size and Set size on real windows of another process, with the checks that come first,
// the 50-pixel shift, owned pop-ups and child windows, and the hot keys reaching them through
// the ruler in both target modes.
#include "resource.h"
#include "ruler/view_flags.h"
#include "settings/ruler_settings.h"
#include "support/ruler_fixture.h"
#include "support/message_recorder.h"
#include "support/target_test.h"
#include "tools/sizing_ops_win.h"
#include "tools/sizing_tool_dlg_win.h"
#include "win/strings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Msg(UINT id)
{
    return LoadResString(id);
}

std::string Str(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

class SizingOps : public CTargetWindowsTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(target->Ready());
        resizable = CTargetProcess::Window(CTargetProcess::kResizable);
        fixed = CTargetProcess::Window(CTargetProcess::kFixed);
        popup = CTargetProcess::Window(CTargetProcess::kPopup);
        ASSERT_TRUE(CTargetProcess::Place(resizable, 300, 200, 400, 300));
        ASSERT_TRUE(CTargetProcess::Place(fixed, 750, 200, 300, 200));
        fx = GetSystemMetrics(SM_CXFRAME);
        fy = GetSystemMetrics(SM_CYFRAME);
    }
    void TearDown() override
    {
        if (g_pSizingToolDlg)
            DestroyWindow(g_pSizingToolDlg->m_hWnd);
        EXPECT_EQ(g_pSizingToolDlg, nullptr);
    }
    CRulerSettings s;
    HWND resizable = nullptr, fixed = nullptr, popup = nullptr;
    int fx = 0, fy = 0;
    CMessageRecorder m_recorder;
    std::vector<std::string>& messages = m_recorder.Texts(); // the message boxes so far
};

TEST_F(SizingOps, FrameThicknessFollowsTheStyle)
{
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_BORDER, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND none = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const struct {
        HWND w;
        int cx, cy;
    } cases[] = {
        {resizable, fx, fy},
        {CTargetProcess::Window(CTargetProcess::kBorderless), fx, fy}, // a sizing border, no caption
        {fixed, GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME)}, // a caption: dialog frame
        {plain, GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER)},
        {none, 0, 0},
    };
    for (const auto& c : cases) {
        const SIZE f = GetFrameThickness(c.w);
        EXPECT_EQ(f.cx, c.cx);
        EXPECT_EQ(f.cy, c.cy);
    }
    DestroyWindow(plain);
    DestroyWindow(none);
}

TEST_F(SizingOps, GetSizeReadsTheDimensionsThatTakePart)
{
    const struct {
        int doWidth, doHeight, doFrame;
        int width, height;
    } cases[] = {
        {1, 0, 0, 400 - 2 * fx, 480}, // the defaults: width without the border
        {1, 0, 1, 400, 480},
        {0, 1, 0, 640, 300 - 2 * fy}, // only the height: the width stays
        {1, 1, 1, 400, 300},
    };
    for (const auto& c : cases) {
        s.m_nWidth = 640;
        s.m_nHeight = 480;
        s.m_bDoWidth = c.doWidth;
        s.m_bDoHeight = c.doHeight;
        s.m_bDoFrame = c.doFrame;
        EXPECT_TRUE(GetTargetSize(s, resizable));
        EXPECT_EQ(s.m_nWidth, c.width) << c.doWidth << c.doHeight << c.doFrame;
        EXPECT_EQ(s.m_nHeight, c.height) << c.doWidth << c.doHeight << c.doFrame;
    }
    EXPECT_TRUE(messages.empty());
    // Before the dialog was ever opened nothing shows it.
    EXPECT_EQ(g_pSizingToolDlg, nullptr);
}

TEST_F(SizingOps, SetSizeMovesTheRightAndBottomEdgesOnly)
{
    s.m_nWidth = 500;
    s.m_nHeight = 350;
    s.m_bDoWidth = 1;
    s.m_bDoHeight = 1;
    s.m_bDoFrame = 0;
    EXPECT_TRUE(SetTargetSize(s, resizable));
    EXPECT_TRUE(WaitForRect(resizable, RECT{300, 200, 300 + 500 + 2 * fx, 200 + 350 + 2 * fy}))
        << Str(WindowRectOf(resizable));
    // Got back, the size is what was set.
    EXPECT_TRUE(GetTargetSize(s, resizable));
    EXPECT_EQ(s.m_nWidth, 500);
    EXPECT_EQ(s.m_nHeight, 350);
    // Already that size: nothing is moved, and it still succeeds.
    PumpUntilIdle();
    const UINT_PTR moves = CTargetProcess::Moves(resizable);
    EXPECT_TRUE(SetTargetSize(s, resizable));
    PumpUntilIdle();
    EXPECT_EQ(CTargetProcess::Moves(resizable), moves);
    // Only the height, the frame included.
    s.m_bDoWidth = 0;
    s.m_bDoFrame = 1;
    s.m_nHeight = 250;
    EXPECT_TRUE(SetTargetSize(s, resizable));
    EXPECT_TRUE(WaitForRect(resizable, RECT{300, 200, 300 + 500 + 2 * fx, 450})) << Str(WindowRectOf(resizable));
    EXPECT_TRUE(messages.empty());
}

TEST_F(SizingOps, RefusalsComeInTheirOrder)
{
    s.m_bDoWidth = 0;
    s.m_bDoHeight = 0;
    // Maximized and fixed-size: maximized is said first.
    ShowWindow(fixed, SW_MAXIMIZE);
    ASSERT_TRUE(WaitFor([](void* w) { return IsZoomed(static_cast<HWND>(w)) != FALSE; }, fixed));
    EXPECT_FALSE(GetTargetSize(s, fixed));
    EXPECT_FALSE(SetTargetSize(s, fixed));
    ASSERT_TRUE(CTargetProcess::Place(fixed, 750, 200, 300, 200));
    EXPECT_FALSE(SetTargetSize(s, fixed));
    // A window that is gone: nothing, no message.
    EXPECT_FALSE(GetTargetSize(s, reinterpret_cast<HWND>(0x7FFFFFF0)));
    const std::vector<std::string> want = {Msg(IDS_SIZING_MAXIMIZED), Msg(IDS_SIZING_MAXIMIZED),
                                           Msg(IDS_SIZING_NOT_RESIZABLE)};
    EXPECT_EQ(messages, want);
    // Neither dimension taking part: the dialog is made, shown and in front, then the message.
    messages.clear();
    EXPECT_FALSE(GetTargetSize(s, resizable));
    ASSERT_NE(g_pSizingToolDlg, nullptr);
    EXPECT_TRUE(g_pSizingToolDlg->IsVisible());
    EXPECT_EQ(messages, std::vector<std::string>{Msg(IDS_SIZING_NOTHING_INCLUDED)});
}

TEST_F(SizingOps, StoredSizeBelowOneNeverReachesTheWindow)
{
    const RECT before = WindowRectOf(resizable);
    const int sizes[][2] = {{0, 480}, {640, -5}};
    for (const auto& size : sizes) {
        s.m_nWidth = size[0];
        s.m_nHeight = size[1];
        s.m_bDoWidth = 1;
        s.m_bDoHeight = 0;
        messages.clear();
        EXPECT_FALSE(SetTargetSize(s, resizable));
        EXPECT_EQ(messages, std::vector<std::string>{Msg(IDS_SIZE_INVALID)});
        // The dialog is there to correct it, showing the stored numbers.
        ASSERT_NE(g_pSizingToolDlg, nullptr);
        EXPECT_TRUE(g_pSizingToolDlg->IsVisible());
        char text[32] = "";
        GetDlgItemTextA(g_pSizingToolDlg->m_hWnd, IDC_SIZE_TEXT, text, int(sizeof text));
        EXPECT_EQ(std::string(text), std::to_string(size[0]) + " x " + std::to_string(size[1]));
        DestroyWindow(g_pSizingToolDlg->m_hWnd);
    }
    PumpUntilIdle();
    EXPECT_EQ(Str(WindowRectOf(resizable)), Str(before));
}

TEST_F(SizingOps, ResizedWindowsStayWithinReachOfThePrimaryScreen)
{
    s.m_bDoFrame = 1;
    const struct {
        RECT start;
        int doWidth, doHeight, width, height;
        RECT want;
    } cases[] = {
        // Left edge off the screen, 20 pixels on it after the change: right by 30.
        {{-500, 100, -200, 400}, 1, 0, 520, 0, {-470, 100, 50, 400}},
        // Wholly left of the screen: right by 50.
        {{-900, 100, -600, 400}, 1, 0, 400, 0, {-850, 100, -450, 400}},
        // Above the screen, 10 pixels on it: down by 40.
        {{100, -400, 400, -100}, 0, 1, 0, 410, {100, -360, 400, 50}},
        // Off the right side: not moved.
        {{1200, 100, 1500, 400}, 1, 0, 200, 0, {1200, 100, 1400, 400}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(CTargetProcess::Place(resizable, c.start.left, c.start.top, c.start.right - c.start.left,
                                          c.start.bottom - c.start.top));
        s.m_bDoWidth = c.doWidth;
        s.m_bDoHeight = c.doHeight;
        if (c.doWidth)
            s.m_nWidth = c.width;
        if (c.doHeight)
            s.m_nHeight = c.height;
        EXPECT_TRUE(SetTargetSize(s, resizable));
        EXPECT_TRUE(WaitForRect(resizable, c.want)) << Str(c.start) << " gave " << Str(WindowRectOf(resizable));
    }
}

TEST_F(SizingOps, OwnedPopupAndChildWindowsStayWhereTheyAre)
{
    // The pop-up's owner is what GetParent names; the pop-up is still placed on the screen.
    ASSERT_EQ(GetParent(popup), resizable);
    ASSERT_TRUE(CTargetProcess::Place(popup, 350, 560, 300, 200));
    s.m_bDoWidth = 1;
    s.m_bDoHeight = 1;
    s.m_bDoFrame = 1;
    s.m_nWidth = 320;
    s.m_nHeight = 220;
    EXPECT_TRUE(SetTargetSize(s, popup));
    EXPECT_TRUE(WaitForRect(popup, RECT{350, 560, 670, 780})) << Str(WindowRectOf(popup));
    // A child window is placed within its parent.
    HWND child = GetDlgItem(resizable, CTargetProcess::kFramedChildId);
    const RECT before = WindowRectOf(child);
    EXPECT_TRUE(SetTargetSize(s, child));
    EXPECT_TRUE(WaitForRect(child, RECT{before.left, before.top, before.left + 320, before.top + 220}))
        << Str(WindowRectOf(child));
}

// The hot keys as the ruler receives them: the target is the foreground window or the one
// under the pointer, raised out of its child windows.
TEST_F(SizingOps, HotKeysActOnTheTopLevelWindowOfTheirTarget)
{
    CRulerFixture f;
    ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX | WS_THICKFRAME, RECT{100, 900, 500, 956}));
    CRulerSettings& rs = f.settings;
    rs.m_bDoWidth = 1;
    rs.m_bDoHeight = 1;
    rs.m_bDoFrame = 1;
    // Under the cursor, over a button inside the other program's window.
    rs.m_nHKMode = 1;
    const RECT button = WindowRectOf(GetDlgItem(resizable, CTargetProcess::kButtonId));
    ASSERT_TRUE(MovePointerTo((button.left + button.right) / 2, (button.top + button.bottom) / 2));
    SendMessageA(f.Hwnd(), WM_HOTKEY, HOTKEY_GET_SIZE, 0);
    EXPECT_EQ(rs.m_nWidth, 400);
    EXPECT_EQ(rs.m_nHeight, 300);
    rs.m_nWidth = 420;
    SendMessageA(f.Hwnd(), WM_HOTKEY, HOTKEY_SET_SIZE, 0);
    EXPECT_TRUE(WaitForRect(resizable, RECT{300, 200, 720, 500})) << Str(WindowRectOf(resizable));
    // Other ids do nothing.
    rs.m_nWidth = 1;
    SendMessageA(f.Hwnd(), WM_HOTKEY, 3, 0);
    PumpUntilIdle();
    EXPECT_EQ(Str(WindowRectOf(resizable)), Str(RECT{300, 200, 720, 500}));
    // The foreground window: the ruler itself here.
    rs.m_nHKMode = 0;
    SetForegroundWindow(f.Hwnd());
    ASSERT_TRUE(WaitFor([](void* w) { return GetForegroundWindow() == static_cast<HWND>(w); }, f.Hwnd()));
    SendMessageA(f.Hwnd(), WM_HOTKEY, HOTKEY_GET_SIZE, 0);
    const RECT ruler = WindowRectOf(f.Hwnd());
    EXPECT_EQ(rs.m_nWidth, ruler.right - ruler.left);
    EXPECT_TRUE(messages.empty());
}

} // namespace
