// The sizing tool dialog (made once, then shown and hidden; its list, switches and data
// exchange), its two pickers driven with mouse messages, the Define Hot Key dialog's
// accept/refuse rules, and the hot key registrations the dialogs make and release.
#include "platform/icon_cache_win.h"
#include "resource.h"
#include "ruler/view_flags.h"
#include "settings/ruler_settings.h"
#include "support/ruler_fixture.h"
#include "support/message_recorder.h"
#include "support/target_test.h"
#include "tools/hot_key_dlg_win.h"
#include "tools/hot_key_registration_win.h"
#include "tools/sizing_ops_win.h"
#include "tools/sizing_tool_dlg_win.h"
#include "tools/window_picker_win.h"
#include "win/strings.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr WORD kF9 = VK_F9, kF10 = VK_F10, kF11 = VK_F11;
constexpr WORD kCtrlAlt = MOD_CONTROL | MOD_ALT;
// The hot key control's form of Ctrl+Alt.
constexpr WORD kCtrlAltFlags = (HOTKEYF_CONTROL | HOTKEYF_ALT) << 8;

// Another window of ours that tries a combination: whether it is free (then released again).
bool IsFree(WORD mods, WORD vk)
{
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const bool free = RegisterHotKey(probe, 77, mods, vk) != FALSE;
    if (free)
        UnregisterHotKey(probe, 77);
    DestroyWindow(probe);
    return free;
}

// Holds a combination for the test's length, as another program would.
class CTakenKey {
public:
    CTakenKey(WORD mods, WORD vk)
        : m_hWnd(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr))
    {
        m_bTaken = RegisterHotKey(m_hWnd, 78, mods, vk) != FALSE;
    }
    ~CTakenKey()
    {
        UnregisterHotKey(m_hWnd, 78);
        DestroyWindow(m_hWnd);
    }
    bool m_bTaken;

private:
    HWND m_hWnd;
};

// Runs `action` on the first modal dialog titled "Define Hot Key" that this thread opens,
// from a timer inside its modal loop; then closes it with Cancel if it is still open, and
// reports whether it was. A dialog that never shows up, or stays open after the action and
// Cancel, is ended after 5 s and reported as timed out, so that a fault fails the test
// instead of hanging it.
class CModalDriver {
public:
    explicit CModalDriver(std::function<void(HWND)> action) : m_action(std::move(action))
    {
        s_pDriver = this;
        m_nTimer = SetTimer(nullptr, 0, 20, &Tick);
    }
    ~CModalDriver()
    {
        KillTimer(nullptr, m_nTimer);
        s_pDriver = nullptr;
    }
    bool m_bRan = false;
    bool m_bStayedOpen = false;
    bool m_bTimedOut = false;

private:
    struct Search {
        const char* title;
        HWND found;
    };
    static BOOL CALLBACK Match(HWND w, LPARAM lp)
    {
        auto* s = reinterpret_cast<Search*>(lp);
        char cls[16] = "", text[64] = "";
        GetClassNameA(w, cls, int(sizeof cls));
        GetWindowTextA(w, text, int(sizeof text));
        if (lstrcmpA(cls, "#32770") != 0 || (s->title && lstrcmpA(text, s->title) != 0) ||
            (g_pSizingToolDlg && w == g_pSizingToolDlg->m_hWnd))
            return TRUE;
        s->found = w;
        return FALSE;
    }
    // This thread's dialog with the title, or with `title` null any dialog of this thread
    // but the modeless sizing tool.
    static HWND ThreadDialog(const char* title)
    {
        Search search{title, nullptr};
        EnumThreadWindows(GetCurrentThreadId(), &Match, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        CModalDriver* d = s_pDriver;
        if (!d || d->m_bTimedOut)
            return;
        if (!d->m_bRan) {
            if (HWND dlg = ThreadDialog("Define Hot Key")) {
                d->m_bRan = true;
                d->m_hDlg = dlg;
                d->m_action(dlg);
                d->m_bStayedOpen = IsWindow(dlg) && IsWindowVisible(dlg);
                if (d->m_bStayedOpen)
                    SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
                return;
            }
        } else if (!IsWindow(d->m_hDlg)) {
            return; // done: it closed
        }
        if (++d->m_nTicks < 250)
            return;
        d->m_bTimedOut = true;
        if (HWND dlg = d->m_bRan ? d->m_hDlg : ThreadDialog(nullptr))
            EndDialog(dlg, -1);
    }
    static CModalDriver* s_pDriver;
    std::function<void(HWND)> m_action;
    UINT_PTR m_nTimer = 0;
    HWND m_hDlg = nullptr;
    int m_nTicks = 0;
};
CModalDriver* CModalDriver::s_pDriver = nullptr;

// Presses OK with the control showing `value`.
std::function<void(HWND)> PressOk(WORD value)
{
    return [value](HWND dlg) {
        SendDlgItemMessageA(dlg, IDC_HOT_KEY, HKM_SETHOTKEY, value, 0);
        SendMessageA(dlg, WM_COMMAND, IDOK, 0);
    };
}

class SizingDialogs : public CTargetWindowsTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(target->Ready());
        resizable = CTargetProcess::Window(CTargetProcess::kResizable);
        ASSERT_TRUE(CTargetProcess::Place(resizable, 300, 200, 400, 300));
        // The ruler is the main window: the dialog's owner and the hot keys' window.
        ASSERT_TRUE(ruler.Create(RS_HORZ | RS_UNIT_PX | WS_THICKFRAME, RECT{100, 600, 400, 656}));
        SetMainWindow(ruler.ruler);
    }
    void TearDown() override
    {
        if (g_pSizingToolDlg)
            DestroyWindow(g_pSizingToolDlg->m_hWnd);
        EXPECT_EQ(g_pSizingToolDlg, nullptr);
        UnregisterHotKey(ruler.Hwnd(), HOTKEY_GET_SIZE);
        UnregisterHotKey(ruler.Hwnd(), HOTKEY_SET_SIZE);
        SetMainWindow(nullptr);
        ruler.Destroy();
    }
    // Opens the dialog away from the target windows.
    CSizingToolDlg* Open()
    {
        ToggleSizingTool(s());
        if (!g_pSizingToolDlg)
            return nullptr;
        SetWindowPos(g_pSizingToolDlg->m_hWnd, nullptr, 880, 720, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        PumpUntilIdle();
        return g_pSizingToolDlg;
    }
    CRulerSettings& s() { return ruler.settings; }
    HWND Item(int id) const { return GetDlgItem(g_pSizingToolDlg->m_hWnd, id); }
    std::string Text(int id) const
    {
        char text[64] = "";
        GetWindowTextA(Item(id), text, int(sizeof text));
        return text;
    }
    void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    // A mouse message to a picker at a screen point.
    static void MouseAt(HWND picker, UINT msg, int x, int y)
    {
        POINT p{x, y};
        ScreenToClient(picker, &p);
        SendMessageA(picker, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(WORD(p.x), WORD(p.y)));
    }
    static POINT Centre(HWND w)
    {
        const RECT r = WindowRectOf(w);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    CRulerFixture ruler;
    HWND resizable = nullptr;
    CMessageRecorder m_recorder;
    std::vector<std::string>& messages = m_recorder.Texts(); // the message boxes so far
};

TEST_F(SizingDialogs, MadeOnceThenShownAndHidden)
{
    ASSERT_NE(Open(), nullptr);
    CSizingToolDlg* first = g_pSizingToolDlg;
    EXPECT_TRUE(IsSizingToolVisible());
    EXPECT_EQ(GetWindow(first->m_hWnd, GW_OWNER), ruler.Hwnd());
    char title[64] = "";
    GetWindowTextA(first->m_hWnd, title, int(sizeof title));
    EXPECT_STREQ(title, "Calyx Sizing Tool");
    ToggleSizingTool(s());
    EXPECT_FALSE(IsSizingToolVisible());
    ToggleSizingTool(s());
    EXPECT_TRUE(IsSizingToolVisible());
    EXPECT_EQ(g_pSizingToolDlg, first);
    // Close and Escape hide it; it stays.
    SendMessageA(first->m_hWnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsSizingToolVisible());
    EXPECT_EQ(g_pSizingToolDlg, first);
    EXPECT_TRUE(IsWindow(first->m_hWnd));
    // A stray OK does not end it either.
    SendMessageA(first->m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindow(first->m_hWnd));
    // Its window goes with the ruler's, and the pointer with it.
    ruler.Destroy();
    EXPECT_EQ(g_pSizingToolDlg, nullptr);
}

TEST_F(SizingDialogs, StartsFromTheSettings)
{
    s().m_nWidth = 800;
    s().m_nHeight = 600;
    s().m_bDoWidth = 0;
    s().m_bDoHeight = 0;
    s().m_nHKMode = 1;
    s().m_bHKGet = 1;
    s().m_wHKVGet = kF9;
    s().m_wHKMGet = kCtrlAlt;
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(Text(IDC_SIZE_TEXT), "800 x 600");
    HWND combo = Item(IDC_SIZE_TEXT);
    ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 17);
    const int order[][3] = {{0, 160, 100}, {2, 640, 480}, {6, 1280, 768}, {12, 1920, 1080}, {16, 2560, 1920}};
    for (const auto& o : order) {
        char item[32] = "";
        SendMessageA(combo, CB_GETLBTEXT, WPARAM(o[0]), LPARAM(item));
        EXPECT_EQ(std::string(item), std::to_string(o[1]) + " x " + std::to_string(o[2]));
    }
    // Typing is limited to 16 characters.
    HWND edit = GetWindow(combo, GW_CHILD);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 16);
    EXPECT_FALSE(Checked(IDC_DO_WIDTH));
    EXPECT_FALSE(Enabled(IDC_DO_FRAME));
    EXPECT_TRUE(Checked(IDC_HK_UNDER_CURSOR));
    EXPECT_FALSE(Checked(IDC_HK_FOREGROUND));
    EXPECT_TRUE(Checked(IDC_ENABLE_GET));
    EXPECT_TRUE(Enabled(IDC_ENABLE_GET));
    EXPECT_EQ(SendMessageA(Item(IDC_HOT_KEY_GET), HKM_GETHOTKEY, 0, 0), kCtrlAltFlags | kF9);
    EXPECT_FALSE(Enabled(IDC_ENABLE_SET)); // hot key 2 is not defined
    EXPECT_FALSE(Enabled(IDC_HOT_KEY_GET)); // display only
    // The Frame box follows Width and Height; the radio buttons store the mode at once.
    Click(IDC_DO_HEIGHT);
    EXPECT_TRUE(Enabled(IDC_DO_FRAME));
    Click(IDC_DO_HEIGHT);
    EXPECT_FALSE(Enabled(IDC_DO_FRAME));
    Click(IDC_HK_FOREGROUND);
    EXPECT_EQ(s().m_nHKMode, 0);
    Click(IDC_HK_UNDER_CURSOR);
    EXPECT_EQ(s().m_nHKMode, 1);
}

TEST_F(SizingDialogs, DataExchangeStoresOrRefusesTheSize)
{
    ASSERT_NE(Open(), nullptr);
    CSizingToolDlg* d = g_pSizingToolDlg;
    Click(IDC_DO_HEIGHT);
    Click(IDC_DO_FRAME);
    SetWindowTextA(Item(IDC_SIZE_TEXT), "800x600");
    EXPECT_TRUE(d->UpdateData(true));
    EXPECT_EQ(s().m_nWidth, 800);
    EXPECT_EQ(s().m_nHeight, 600);
    EXPECT_EQ(s().m_bDoHeight, 1);
    EXPECT_EQ(s().m_bDoFrame, 1);
    // An invalid text, with the dialog hidden: its numbers are kept, the dialog comes back
    // with the focus in the size field, and the message says what is wrong.
    ToggleSizingTool(s());
    SetWindowTextA(Item(IDC_SIZE_TEXT), "abc x 5");
    EXPECT_FALSE(d->UpdateData(true));
    EXPECT_EQ(messages, std::vector<std::string>{LoadResString(IDS_SIZE_INVALID)});
    EXPECT_EQ(s().m_nWidth, 0);
    EXPECT_EQ(s().m_nHeight, 5);
    EXPECT_TRUE(d->IsVisible());
    EXPECT_EQ(GetParent(GetFocus()), Item(IDC_SIZE_TEXT));
    // Too long: the framework's text, and nothing stored.
    messages.clear();
    s().m_bDoHeight = 0;
    SetWindowTextA(Item(IDC_SIZE_TEXT), "12345678 x 123456");
    EXPECT_FALSE(d->UpdateData(true));
    EXPECT_EQ(messages, std::vector<std::string>{"Please enter no more than 16 characters."});
    EXPECT_EQ(s().m_nWidth, 0);
    EXPECT_EQ(s().m_bDoHeight, 0);
    // Get size and Set size refuse an invalid text before they act.
    messages.clear();
    SetWindowTextA(Item(IDC_SIZE_TEXT), "640 X 480");
    EXPECT_FALSE(SetTargetSize(s(), resizable));
    EXPECT_FALSE(GetTargetSize(s(), resizable));
    EXPECT_EQ(messages.size(), 2u);
    // Get size shows what it read.
    SetWindowTextA(Item(IDC_SIZE_TEXT), "1 x 1");
    EXPECT_TRUE(GetTargetSize(s(), resizable));
    EXPECT_EQ(Text(IDC_SIZE_TEXT), "400 x 300"); // width, height and frame all checked
}

TEST_F(SizingDialogs, GetSizePickerOutlinesTheTargetAndReadsItOnRelease)
{
    ASSERT_NE(Open(), nullptr);
    CSizingToolDlg* d = g_pSizingToolDlg;
    HWND picker = Item(IDC_PICK_GET_SIZE);
    const POINT start = Centre(picker);
    MouseAt(picker, WM_LBUTTONDOWN, start.x, start.y);
    EXPECT_EQ(GetCapture(), picker);
    EXPECT_EQ(HICON(SendMessageA(picker, STM_GETICON, 0, 0)), LoadCachedIcon(IDI_PICKER_EMPTY));
    // Over the button inside the other program's window: the window is the target.
    const POINT button = Centre(GetDlgItem(resizable, CTargetProcess::kButtonId));
    MouseAt(picker, WM_MOUSEMOVE, button.x, button.y);
    EXPECT_EQ(d->m_pickerGet.OutlinedWindow(), resizable);
    const POINT fixed = Centre(CTargetProcess::Window(CTargetProcess::kFixed));
    MouseAt(picker, WM_MOUSEMOVE, fixed.x, fixed.y);
    EXPECT_EQ(d->m_pickerGet.OutlinedWindow(), CTargetProcess::Window(CTargetProcess::kFixed));
    MouseAt(picker, WM_MOUSEMOVE, button.x, button.y);
    MouseAt(picker, WM_LBUTTONUP, button.x, button.y);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(d->m_pickerGet.OutlinedWindow(), nullptr);
    EXPECT_EQ(HICON(SendMessageA(picker, STM_GETICON, 0, 0)), LoadCachedIcon(IDI_PICKER));
    EXPECT_EQ(Text(IDC_SIZE_TEXT), std::to_string(400 - 2 * GetSystemMetrics(SM_CXFRAME)) + " x 480");
    EXPECT_TRUE(messages.empty());
    // Released over the dialog itself: its owner, the ruler, which has a sizing border.
    MouseAt(picker, WM_LBUTTONDOWN, start.x, start.y);
    const POINT self = Centre(Item(IDC_HOT_KEY_GET));
    MouseAt(picker, WM_LBUTTONUP, self.x, self.y);
    const RECT r = WindowRectOf(ruler.Hwnd());
    EXPECT_EQ(s().m_nWidth, r.right - r.left - 2 * GetSystemMetrics(SM_CXFRAME));
    // A fixed-size window is highlighted (100 ms of flashing) before it is refused.
    MouseAt(picker, WM_LBUTTONDOWN, start.x, start.y);
    const DWORD t0 = GetTickCount();
    MouseAt(picker, WM_LBUTTONUP, fixed.x, fixed.y);
    EXPECT_GE(GetTickCount() - t0, 90u);
    EXPECT_EQ(messages, std::vector<std::string>{LoadResString(IDS_SIZING_NOT_RESIZABLE)});
}

TEST_F(SizingDialogs, SetSizePickerChecksTheTextFirstAndTheRightButtonCancels)
{
    ASSERT_NE(Open(), nullptr);
    HWND picker = Item(IDC_PICK_SET_SIZE);
    const POINT start = Centre(picker);
    SetWindowTextA(Item(IDC_SIZE_TEXT), "abc");
    MouseAt(picker, WM_LBUTTONDOWN, start.x, start.y);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(messages, std::vector<std::string>{LoadResString(IDS_SIZE_INVALID)});
    // A valid text takes its normal form when the drag starts.
    SetWindowTextA(Item(IDC_SIZE_TEXT), "500x400");
    MouseAt(picker, WM_LBUTTONDOWN, start.x, start.y);
    EXPECT_EQ(Text(IDC_SIZE_TEXT), "500 x 400");
    EXPECT_EQ(GetCapture(), picker);
    // The nearest window with a sizing border: a child window that has one is the target.
    HWND framedChild = GetDlgItem(resizable, CTargetProcess::kFramedChildId);
    const POINT inChild = Centre(framedChild);
    MouseAt(picker, WM_MOUSEMOVE, inChild.x, inChild.y);
    EXPECT_EQ(g_pSizingToolDlg->m_pickerSet.OutlinedWindow(), framedChild);
    const POINT over = Centre(GetDlgItem(resizable, CTargetProcess::kButtonId));
    MouseAt(picker, WM_MOUSEMOVE, over.x, over.y);
    EXPECT_EQ(g_pSizingToolDlg->m_pickerSet.OutlinedWindow(), resizable);
    // The right button ends the drag; nothing is picked.
    MouseAt(picker, WM_RBUTTONDOWN, over.x, over.y);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(g_pSizingToolDlg->m_pickerSet.OutlinedWindow(), nullptr);
    EXPECT_EQ(HICON(SendMessageA(picker, STM_GETICON, 0, 0)), LoadCachedIcon(IDI_PICKER));
    MouseAt(picker, WM_LBUTTONUP, over.x, over.y);
    PumpUntilIdle();
    const RECT now = WindowRectOf(resizable);
    EXPECT_EQ(now.right - now.left, 400);
    // A real drag sets the size.
    MouseAt(picker, WM_LBUTTONDOWN, start.x, start.y);
    MouseAt(picker, WM_LBUTTONUP, over.x, over.y);
    EXPECT_TRUE(WaitForRect(resizable, RECT{now.left, now.top, now.left + 500 + 2 * GetSystemMetrics(SM_CXFRAME), now.bottom}));
}

TEST_F(SizingDialogs, FlashingLeavesTheWindowAsItWas)
{
    HWND borderless = CTargetProcess::Window(CTargetProcess::kBorderless);
    ASSERT_TRUE(CTargetProcess::Place(borderless, 750, 560, 200, 120));
    PumpUntilIdle();
    const RECT r = WindowRectOf(borderless);
    auto edge = [&] {
        CScreenDC dc;
        std::vector<COLORREF> v;
        for (int i = 0; i < 6; ++i)
            v.push_back(GetPixel(dc, r.left + i, r.top + 40));
        return v;
    };
    const std::vector<COLORREF> before = edge();
    EXPECT_TRUE(FlashWindowFrame(borderless, 2, 1));
    EXPECT_EQ(edge(), before);
    EXPECT_TRUE(FlashWindowFrame(CTargetProcess::Window(CTargetProcess::kFixed), 1, 1));
    HWND hidden = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(FlashWindowFrame(hidden, 2, 1));
    DestroyWindow(hidden);
    EXPECT_FALSE(FlashWindowFrame(hidden, 2, 1));
}

TEST_F(SizingDialogs, HotKeyDialogAcceptsAndRefuses)
{
    const struct {
        WORD value;
        bool accepted;
        WORD vk, mods;
    } cases[] = {
        {VK_F12, true, VK_F12, 0},
        {VK_F1 | (HOTKEYF_SHIFT << 8), true, VK_F1, MOD_SHIFT},
        {VK_F1 | kCtrlAltFlags, true, VK_F1, kCtrlAlt},
        {VK_F4, true, VK_F4, 0},
        {VK_F4 | ((HOTKEYF_CONTROL | HOTKEYF_SHIFT) << 8), true, VK_F4, MOD_CONTROL | MOD_SHIFT},
        {VK_F1, false, 0, 0},
        {VK_F4 | (HOTKEYF_ALT << 8), false, 0, 0},
        {VK_F4 | kCtrlAltFlags, false, 0, 0},
        {VK_F4 | ((HOTKEYF_SHIFT | HOTKEYF_ALT) << 8), false, 0, 0},
        {'A' | (HOTKEYF_CONTROL << 8), false, 0, 0},
        {'A', false, 0, 0},
        {0, true, 0, 0}, // no key: accepted (the hot key is not enabled here)
    };
    for (const auto& c : cases) {
        messages.clear();
        CHotKeyDlg dlg(ruler.Hwnd());
        dlg.m_nHotKeyId = HOTKEY_GET_SIZE;
        dlg.m_wVirtualKey = kF9;
        dlg.m_wModifiers = kCtrlAlt;
        CModalDriver driver(PressOk(c.value));
        const INT_PTR result = dlg.DoModal();
        EXPECT_TRUE(driver.m_bRan);
        EXPECT_FALSE(driver.m_bTimedOut) << std::hex << c.value;
        EXPECT_EQ(result, c.accepted ? IDOK : IDCANCEL) << std::hex << c.value;
        EXPECT_EQ(driver.m_bStayedOpen, !c.accepted) << std::hex << c.value;
        if (c.accepted) {
            EXPECT_EQ(dlg.m_wVirtualKey, c.vk) << std::hex << c.value;
            EXPECT_EQ(dlg.m_wModifiers, c.mods) << std::hex << c.value;
            EXPECT_TRUE(messages.empty()) << std::hex << c.value;
        } else {
            EXPECT_EQ(messages, std::vector<std::string>{"Invalid hot key."}) << std::hex << c.value;
            EXPECT_EQ(dlg.m_wVirtualKey, kF9);
        }
    }
    // The key it started with is accepted as it is, even one the rules would refuse.
    CHotKeyDlg dlg(ruler.Hwnd());
    dlg.m_wVirtualKey = VK_F4;
    dlg.m_wModifiers = MOD_ALT;
    dlg.m_bEnabled = TRUE;
    CModalDriver driver(PressOk(VK_F4 | (HOTKEYF_ALT << 8)));
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(SizingDialogs, RedefiningAnEnabledHotKeyLeavesExactlyOneKeyLive)
{
    HWND main = ruler.Hwnd();
    ASSERT_TRUE(RegisterHotKey(main, HOTKEY_GET_SIZE, kCtrlAlt, kF9));
    auto define = [&](WORD value) {
        CHotKeyDlg dlg(main);
        dlg.m_nHotKeyId = HOTKEY_GET_SIZE;
        dlg.m_wVirtualKey = kF9;
        dlg.m_wModifiers = kCtrlAlt;
        dlg.m_bEnabled = TRUE;
        CModalDriver driver(PressOk(value));
        return dlg.DoModal();
    };
    // Refused by the system: the dialog stays open with the error, and the old key lives on.
    {
        CTakenKey other(kCtrlAlt, kF11);
        ASSERT_TRUE(other.m_bTaken);
        EXPECT_EQ(define(kCtrlAltFlags | kF11), IDCANCEL);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].substr(0, 12), "Error #1409:");
        EXPECT_FALSE(IsFree(kCtrlAlt, kF9));
    }
    // Accepted: the new key is live, the old one is released.
    EXPECT_EQ(define(kCtrlAltFlags | kF10), IDOK);
    EXPECT_FALSE(IsFree(kCtrlAlt, kF10));
    EXPECT_TRUE(IsFree(kCtrlAlt, kF9));
    // Emptied: nothing is left.
    CHotKeyDlg dlg(main);
    dlg.m_nHotKeyId = HOTKEY_GET_SIZE;
    dlg.m_wVirtualKey = kF10;
    dlg.m_wModifiers = kCtrlAlt;
    dlg.m_bEnabled = TRUE;
    CModalDriver driver(PressOk(0));
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(IsFree(kCtrlAlt, kF10));
}

TEST_F(SizingDialogs, EnableAndDefineRegisterThroughTheDialog)
{
    ASSERT_NE(Open(), nullptr);
    EXPECT_FALSE(Enabled(IDC_ENABLE_SET));
    // Define hot key 2 while it is disabled: only stored.
    {
        CModalDriver driver(PressOk(kCtrlAltFlags | kF10));
        Click(IDC_DEFINE_SET);
        EXPECT_TRUE(driver.m_bRan);
    }
    EXPECT_EQ(s().m_wHKVSet, kF10);
    EXPECT_EQ(s().m_wHKMSet, kCtrlAlt);
    EXPECT_EQ(s().m_bHKSet, 0);
    EXPECT_TRUE(Enabled(IDC_ENABLE_SET));
    EXPECT_EQ(SendMessageA(Item(IDC_HOT_KEY_SET), HKM_GETHOTKEY, 0, 0), kCtrlAltFlags | kF10);
    EXPECT_TRUE(IsFree(kCtrlAlt, kF10));
    // Enabling registers it; disabling releases it.
    Click(IDC_ENABLE_SET);
    EXPECT_EQ(s().m_bHKSet, 1);
    EXPECT_FALSE(IsFree(kCtrlAlt, kF10));
    Click(IDC_ENABLE_SET);
    EXPECT_EQ(s().m_bHKSet, 0);
    EXPECT_TRUE(IsFree(kCtrlAlt, kF10));
    // A combination another program holds: the error, the box cleared, the setting off.
    {
        CTakenKey other(kCtrlAlt, kF10);
        ASSERT_TRUE(other.m_bTaken);
        Click(IDC_ENABLE_SET);
        EXPECT_EQ(s().m_bHKSet, 0);
        EXPECT_FALSE(Checked(IDC_ENABLE_SET));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].substr(0, 12), "Error #1409:");
    }
    // Emptying an enabled key releases it, greys the box and leaves the setting alone.
    Click(IDC_ENABLE_SET);
    ASSERT_EQ(s().m_bHKSet, 1);
    {
        CModalDriver driver(PressOk(0));
        Click(IDC_DEFINE_SET);
    }
    EXPECT_EQ(s().m_wHKVSet, 0);
    EXPECT_EQ(s().m_bHKSet, 1);
    EXPECT_FALSE(Enabled(IDC_ENABLE_SET));
    EXPECT_TRUE(IsFree(kCtrlAlt, kF10));
}

TEST_F(SizingDialogs, StartUpRegistersEachEnabledDefinedKeyOnItsOwn)
{
    HWND main = ruler.Hwnd();
    s().m_bHKGet = 1; // enabled but not defined: nothing, no message
    s().m_bHKSet = 1;
    s().m_wHKVSet = kF10;
    s().m_wHKMSet = kCtrlAlt;
    RegisterSizingHotKeys(main, s());
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(IsFree(kCtrlAlt, kF10));
    UnregisterHotKey(main, HOTKEY_SET_SIZE);
    // Hot key 1 held by another program: one message, hot key 2 registered all the same, and
    // the sizing tool shows hot key 1 disabled while the record keeps it enabled.
    s().m_wHKVGet = kF9;
    s().m_wHKMGet = kCtrlAlt;
    CTakenKey other(kCtrlAlt, kF9);
    ASSERT_TRUE(other.m_bTaken);
    RegisterSizingHotKeys(main, s());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].substr(0, 12), "Error #1409:");
    EXPECT_FALSE(IsFree(kCtrlAlt, kF10));
    ASSERT_NE(Open(), nullptr);
    EXPECT_FALSE(Checked(IDC_ENABLE_GET));
    EXPECT_TRUE(Checked(IDC_ENABLE_SET));
    EXPECT_EQ(s().m_bHKGet, 1);
}

} // namespace
