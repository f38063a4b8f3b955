// The ruler's commands against the resources and the real window: every menu item and key
// reaches a command, the radio groups hold one mark, disabled commands do nothing from the
// keyboard, the context and tray menus as they open, the tray icon's notifications, and the
// copies when another program holds the clipboard.
#include "support/ruler_fixture.h"

#include "app/ruler_app.h"
#include "color/color_flags.h"
#include "platform/clipboard_win.h"
#include "support/clipboard_holder.h"
#include "resource.h"
#include "ruler/view_flags.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kLeft = 200;
constexpr int kTop = 300;

// Every command id of a menu and its submenus.
void CollectCommands(HMENU menu, std::vector<UINT>& ids)
{
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        if (HMENU sub = GetSubMenu(menu, i))
            CollectCommands(sub, ids);
        else if (UINT id = GetMenuItemID(menu, i); id != 0 && id != UINT(-1))
            ids.push_back(id);
    }
}

std::string ItemText(HMENU menu, int position)
{
    char text[128] = "";
    GetMenuStringA(menu, UINT(position), text, int(sizeof text), MF_BYPOSITION);
    return text;
}

bool Checked(HMENU menu, int position)
{
    return (GetMenuState(menu, UINT(position), MF_BYPOSITION) & MF_CHECKED) != 0;
}

bool Grayed(HMENU menu, int position)
{
    return (GetMenuState(menu, UINT(position), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) != 0;
}

std::string ClipboardText()
{
    CClipboardOpen clipboard;
    HANDLE h = clipboard.IsOpen() ? GetClipboardData(CF_TEXT) : nullptr;
    const char* text = h ? static_cast<const char*>(GlobalLock(h)) : nullptr;
    std::string s = text ? text : "<none>";
    if (text)
        GlobalUnlock(h);
    return s;
}

// Presses a key with modifiers the way the message loop would deliver it.
bool PressKey(CRulerWnd* ruler, WPARAM key, bool ctrl, bool shift, bool alt = false)
{
    BYTE state[256] = {};
    GetKeyboardState(state);
    BYTE saved[256];
    std::copy(std::begin(state), std::end(state), saved);
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(state);
    MSG msg{ruler->m_hWnd, UINT(alt ? WM_SYSKEYDOWN : WM_KEYDOWN), key, alt ? (1 << 29) | 1 : 1, GetTickCount(), POINT{}};
    const bool consumed = ruler->PreTranslateMessage(&msg);
    SetKeyboardState(saved);
    return consumed;
}

// What a popup menu showed while it was open: read from a thread timer that then closes it.
struct SeenMenu {
    std::vector<std::string> texts;
    int defaultItem = -1;
    bool scaleSubmenu = false;
};
SeenMenu g_seen;

void CALLBACK ReadAndCloseMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    HWND window = FindWindowA("#32768", nullptr);
    HMENU menu = window ? reinterpret_cast<HMENU>(SendMessageA(window, 0x01E1 /* MN_GETHMENU */, 0, 0)) : nullptr;
    if (menu) {
        for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i)
            g_seen.texts.push_back(ItemText(menu, i));
        g_seen.defaultItem = int(GetMenuDefaultItem(menu, TRUE, 0));
        g_seen.scaleSubmenu = GetSubMenu(menu, 7) != nullptr;
    }
    EndMenu();
}

SeenMenu OpenAndRead(const std::function<void()>& open)
{
    g_seen = SeenMenu{};
    SetTimer(nullptr, 0, 100, &ReadAndCloseMenu);
    open();
    PumpUntilIdle(10, 500);
    return g_seen;
}

class Commands : public testing::Test {
protected:
    void SetUp() override
    {
        f.settings.m_nCaption = CI_UNITS | CI_POSITION;
        f.settings.m_nColor = CN_RGB_DEC;
        ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX | RS_MAGNIFIER | WS_THICKFRAME, RECT{kLeft, kTop, kLeft + 400, kTop + 50}));
        f.ruler->SetAppCommands(&app);
        f.ruler->m_hAccel = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    }

    CRulerApp app;
    CRulerFixture f;
};

} // namespace

TEST_F(Commands, EveryItemAndKeyReachesACommand)
{
    CMenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    std::vector<UINT> ids;
    CollectCommands(menu, ids);
    ACCEL keys[128];
    const int n = CopyAcceleratorTableA(f.ruler->m_hAccel, keys, 128);
    ASSERT_GT(n, 40);
    for (int i = 0; i < n; ++i)
        ids.push_back(keys[i].cmd);
    for (UINT id : ids) {
        CCmdUI probe(id);
        EXPECT_TRUE(f.ruler->OnCmdMsg(id, &probe)) << "no command for " << id;
    }
    CCmdUI unknown(4242);
    EXPECT_FALSE(f.ruler->OnCmdMsg(4242, &unknown));
}

TEST_F(Commands, RadioGroupsHoldOneMarkInEveryState)
{
    CMenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    HMENU popup = GetSubMenu(menu, 0);
    HMENU units = GetSubMenu(popup, 5);
    HMENU colors = GetSubMenu(popup, 6);
    const UINT unitIds[] = {ID_UNIT_CM, ID_UNIT_DBU, ID_UNIT_DU, ID_UNIT_IN, ID_UNIT_PC, ID_UNIT_PX, ID_UNIT_PT, ID_UNIT_TWIP};
    for (UINT unit : unitIds) {
        for (UINT base : {UINT(ID_BASE_2), UINT(ID_BASE_10)}) {
            f.ruler->RunCommand(unit);
            f.ruler->RunCommand(base);
            f.ruler->OnInitMenuPopup(units, false);
            int marks = 0;
            for (int i = 0; i < 8; ++i)
                marks += Checked(units, i) ? 1 : 0;
            EXPECT_EQ(marks, 1) << unit << " " << base;
            for (int i = 0; i < 8; ++i) {
                if (GetMenuItemID(units, i) == unit) {
                    EXPECT_TRUE(Checked(units, i)) << "the mark is on " << unit;
                }
            }
            const auto checked = [&](UINT id) { return (GetMenuState(units, id, MF_BYCOMMAND) & MF_CHECKED) != 0; };
            EXPECT_EQ(checked(ID_BASE_2), base == ID_BASE_2) << "Base 2 item";
            EXPECT_EQ(checked(ID_BASE_10), base == ID_BASE_10) << "Base 10 item";
        }
    }
    for (int round = 0; round < 10; ++round) {
        f.ruler->RunCommand(ID_COLOR_NEXT);
        if (round == 4)
            f.ruler->RunCommand(ID_COLOR_WEB_SAFE);
        f.ruler->OnInitMenuPopup(colors, false);
        int marks = 0;
        for (int i = 0; i < 5; ++i)
            marks += Checked(colors, i) ? 1 : 0;
        EXPECT_EQ(marks, 1) << "round " << round;
        EXPECT_EQ(Checked(colors, 6), round >= 4) << "Web Safe, round " << round;
    }
}

TEST_F(Commands, DisabledCommandsDoNothingFromTheKeyboard)
{
    CRulerSettings& s = f.settings;
    struct Case {
        const char* what;
        std::function<void()> setUp;
        WPARAM key;
        bool ctrl, shift;
        std::function<bool()> changed;
        bool wantChanged;
    } cases[] = {
        {"X on a pixel ruler", [&] { f.ruler->RunCommand(ID_UNIT_PX); }, 'X', false, false,
         [&] { return (s.m_nCaption & CI_PIXELS) != 0; }, false},
        {"X in inches", [&] { f.ruler->RunCommand(ID_UNIT_IN); }, 'X', false, false,
         [&] { return (s.m_nCaption & CI_PIXELS) != 0; }, true},
        {"Ctrl+I at 1000 %", [&] { f.ruler->SetRulerScale(1000); s.m_nScale = 1; }, 'I', true, false,
         [&] { return s.m_nScale != 1; }, false},
        {"Ctrl+I at 100 %", [&] { f.ruler->SetRulerScale(100); }, 'I', true, false,
         [&] { return f.ruler->m_nScale == 110 && s.m_nScale == 110; }, true},
        {"Ctrl+O at 50 %", [&] { f.ruler->SetRulerScale(50); s.m_nScale = 1; }, 'O', true, false,
         [&] { return s.m_nScale != 1; }, false},
        {"Shift+I with the magnifier hidden", [&] { f.ruler->RunCommand(ID_SHOW_MAGNIFIER); s.m_nZoomFactor = 400; },
         'I', false, true, [&] { return s.m_nZoomFactor != 400; }, false},
        {"Shift+I with the magnifier shown", [&] { f.ruler->RunCommand(ID_SHOW_MAGNIFIER); s.m_nZoomFactor = 150; },
         'I', false, true, [&] { return s.m_nZoomFactor == 200; }, true},
        {"Shift+O from 150", [&] { s.m_nZoomFactor = 150; }, 'O', false, true, [&] { return s.m_nZoomFactor == 100; }, true},
        {"Shift+U from twip", [&] { f.ruler->RunCommand(ID_UNIT_TWIP); }, 'U', false, true,
         [&] { return (f.ruler->GetStyle() & RS_UNIT_MASK) == RS_UNIT_CM && s.m_nUnit == RS_UNIT_CM; }, true},
        {"Shift+C from HTML", [&] { f.ruler->RunCommand(ID_COLOR_HTML); }, 'C', false, true,
         [&] { return (s.m_nColor & CN_MASK) == CN_HLS; }, true},
    };
    for (const Case& c : cases) {
        c.setUp();
        EXPECT_TRUE(PressKey(f.ruler, c.key, c.ctrl, c.shift)) << c.what;
        PumpUntilIdle(10, 300);
        EXPECT_EQ(c.changed(), c.wantChanged) << c.what;
    }
    // A disabled command chosen from a menu does not run either.
    f.ruler->RunCommand(ID_UNIT_PX);
    const std::int32_t caption = s.m_nCaption;
    SendMessageA(f.Hwnd(), WM_COMMAND, MAKEWPARAM(ID_CAPTION_PIXELS, 0), 0);
    EXPECT_EQ(s.m_nCaption, caption);
}

TEST_F(Commands, ContextMenuShowsTheScalesAndTheTrayMenuThePlainLabels)
{
    f.settings.m_nScale = 150;
    f.ruler->m_nScale = 150;
    f.settings.m_nZoomFactor = 400;
    const SeenMenu ruler = OpenAndRead([&] { f.ruler->ShowContextMenu(POINT{kLeft + 50, kTop + 20}); });
    ASSERT_EQ(ruler.texts.size(), 16u);
    EXPECT_EQ(ruler.texts[0], "Hid&e\tV");
    EXPECT_EQ(ruler.texts[7], "&Ruler Scale (150%)");
    EXPECT_EQ(ruler.texts[8], "&Magnifier Scale (400%)");
    EXPECT_TRUE(ruler.scaleSubmenu) << "the relabelled item still opens its submenu";
    EXPECT_EQ(ruler.texts[10], "Show Si&zing Tool\tZ");

    ShowWindow(f.Hwnd(), SW_HIDE);
    PumpUntilIdle(10, 300);
    const SeenMenu tray = OpenAndRead([&] { f.ruler->m_trayIcon.OnTrayNotification(IDR_MAINFRAME, WM_RBUTTONUP); });
    ASSERT_EQ(tray.texts.size(), 16u);
    EXPECT_EQ(tray.texts[0], "Sho&w\tV") << "prepared by the ruler's rules";
    EXPECT_EQ(tray.defaultItem, 0) << "Show/Hide is the default item";
    EXPECT_EQ(tray.texts[7], "&Ruler Scale");
}

TEST_F(Commands, PaletteTestOnEveryPopupAndTheColourItemFollowsIt)
{
    CMenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    HMENU popup = GetSubMenu(menu, 0);
    f.ruler->m_bPaletteDisplay = TRUE;  // as if the display had been palette based
    f.ruler->OnInitMenuPopup(popup, false);
    EXPECT_EQ(f.ruler->m_bPaletteDisplay, CRulerWnd::IsPaletteDisplay()) << "re-tested as the popup opens";
    EXPECT_EQ(Grayed(popup, 6), f.ruler->m_bPaletteDisplay != FALSE);
}

TEST_F(Commands, TrayNotifications)
{
    CTrayIcon& tray = f.ruler->m_trayIcon;
    ASSERT_TRUE(tray.IsAdded()) << "added once the ruler runs";
    EXPECT_EQ(tray.OnTrayNotification(999, WM_LBUTTONUP), 0) << "a foreign icon id is not ours";
    EXPECT_EQ(tray.OnTrayNotification(999, WM_RBUTTONUP), 0);
    EXPECT_EQ(tray.OnTrayNotification(IDR_MAINFRAME, WM_MOUSEMOVE), 0);
    const std::string tip = tray.Data().szTip;
    EXPECT_EQ(tip, "Orrin Computing Calyx - Graphics and layout design assistant");

    // The task bar restarts: the shell forgot the icon; the ruler adds it again.
    NOTIFYICONDATAA nid = tray.Data();
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &nid));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &nid)) << "gone from the shell";
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    SendMessageA(f.Hwnd(), taskbarCreated, 0, 0);
    EXPECT_TRUE(tray.IsAdded());
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &nid)) << "back in the shell";
    // Any program may announce a task bar while the icon is there: it stays one icon, ours.
    SendMessageA(f.Hwnd(), taskbarCreated, 0, 0);
    EXPECT_TRUE(tray.IsAdded());
    // Nothing changed, nothing pending.
    EXPECT_TRUE(tray.UpdateTrayIcon(NIF_ICON | NIF_TIP, tray.Data().hIcon, tip.c_str()));
    EXPECT_EQ(tray.Data().uFlags, 0u);

    // Removal happens once, however many places ask for it.
    tray.RemoveTrayIcon();
    EXPECT_FALSE(tray.IsAdded());
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &nid)) << "no icon left behind";
    tray.RemoveTrayIcon();
    EXPECT_FALSE(tray.IsAdded());

    // Before the icon is added, and with no callback pending, an update sends nothing.
    CTrayIcon fresh;
    EXPECT_TRUE(fresh.UpdateTrayIcon(NIF_ICON | NIF_TIP, tray.Data().hIcon, "tip"));
    EXPECT_FALSE(fresh.IsAdded());

    // A tip longer than the shell's room is cut to 127 characters.
    CTrayIcon other;
    const std::string longTip(300, 'x');
    EXPECT_TRUE(other.AddTrayIcon(f.Hwnd(), 1001, WM_TRAY_NOTIFY, longTip.c_str()));
    EXPECT_EQ(std::string(other.Data().szTip), longTip.substr(0, 127));
}

TEST_F(Commands, CopiesPutTextOnTheClipboardAndABusyClipboardLosesNothing)
{
    ASSERT_TRUE(MovePointerTo(kLeft + 100, kTop + 30));
    f.ruler->RunCommand(ID_COLOR_HTML);
    f.ruler->RunCommand(ID_COPY_COLOR);
    const std::string color = ClipboardText();
    EXPECT_EQ(color.size(), 7u) << color;
    EXPECT_EQ(color[0], '#') << "no suffix: " << color;

    f.ruler->RunCommand(ID_COPY_CAPTION);
    char caption[512];
    f.ruler->BuildCaptionText(caption);
    EXPECT_EQ(ClipboardText(), caption);

    // Another program holds the clipboard open: every copy fails quietly and what the
    // clipboard held is still there afterwards.
    ASSERT_TRUE(CopyTextToClipboard("kept"));
    {
        CClipboardHolder holder;
        ASSERT_TRUE(holder.Holding());
        const int gdiBefore = CountGdiObjects();
        for (UINT id : {UINT(ID_COPY_COLOR), UINT(ID_COPY_CAPTION), UINT(ID_EDIT_COPY)})
            f.ruler->RunCommand(id);
        EXPECT_EQ(CountGdiObjects(), gdiBefore) << "the bitmap the clipboard refused is deleted";
    }
    EXPECT_EQ(ClipboardText(), "kept");
}
