// Input to the ruler: the icon box and dragging, arrow keys with and without Shift, the
// cursor shape, the strip repaint on activation, the tray double-click, accelerators and the
// context menu with its relabelled scale items, opened where the pointer is.
#include "resource.h"
#include "ruler/ruler_geometry.h"
#include "ruler/view_flags.h"
#include "support/ruler_fixture.h"
#include "win/convert.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A part of the shared display the other test programs leave alone.
constexpr int kLeft = 680;
constexpr int kTop = 700;

RECT WindowRect(HWND hwnd)
{
    RECT rc{};
    GetWindowRect(hwnd, &rc);
    return rc;
}

std::string Str(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

LPARAM ClientPoint(int x, int y)
{
    return MAKELPARAM(x, y);
}

// Holds Shift down for the whole process as the system sees it (the ruler reads it with
// GetAsyncKeyState when an arrow arrives), and lets it go again whatever happens.
class ShiftHeld {
public:
    ShiftHeld()
    {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = VK_SHIFT;
        SendInput(1, &in, sizeof in);
        PumpUntilIdle(10, 300);
    }
    ~ShiftHeld()
    {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = VK_SHIFT;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(1, &in, sizeof in);
        PumpUntilIdle(10, 300);
    }
    static bool Down() { return GetAsyncKeyState(VK_SHIFT) < 0; }
};

void Key(HWND hwnd, UINT vk)
{
    SendMessageA(hwnd, WM_KEYDOWN, vk, 1);
}

TEST(Input, ArrowsMoveByOnePixel)
{
    CRulerFixture f;
    ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX, RECT{kLeft, kTop, kLeft + 200, kTop + 56}));
    ASSERT_FALSE(ShiftHeld::Down());
    const struct {
        UINT key;
        int dx, dy;
    } cases[] = {{VK_LEFT, -1, 0}, {VK_UP, 0, -1}, {VK_RIGHT, 1, 0}, {VK_DOWN, 0, 1}, {'Q', 0, 0}};
    for (const auto& c : cases) {
        RECT expected = WindowRect(f.Hwnd());
        OffsetRect(&expected, c.dx, c.dy);
        // Auto-repeated key-downs carry a repeat count; each is still one pixel.
        SendMessageA(f.Hwnd(), WM_KEYDOWN, c.key, 0x40000001);
        EXPECT_EQ(Str(WindowRect(f.Hwnd())), Str(expected)) << "key " << c.key;
    }
}

TEST(Input, ShiftArrowsResizeWithTheTopLeftFixedDownToTheMinimum)
{
    CRulerFixture f;
    ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX, RECT{kLeft, kTop, kLeft + 40, kTop + 40}));
    ShiftHeld shift;
    if (!ShiftHeld::Down())
        GTEST_SKIP() << "this Wine does not report injected Shift to GetAsyncKeyState";
    const RECT start = WindowRect(f.Hwnd());
    const LONG w = start.right - start.left;
    const LONG h = start.bottom - start.top;
    const struct {
        UINT key;
        int times;
        LONG width, height;
    } steps[] = {
        {VK_RIGHT, 3, w + 3, h},
        {VK_DOWN, 2, w + 3, h + 2},
        {VK_LEFT, 3, w, h + 2},
        {VK_UP, 2, w, h},
        // Down to 32 x 32 and no further.
        {VK_LEFT, w - 32 + 5, 32, h},
        {VK_UP, h - 32 + 5, 32, 32},
        {VK_RIGHT, 1, 33, 32},
    };
    for (const auto& s : steps) {
        for (int i = 0; i < s.times; ++i)
            Key(f.Hwnd(), s.key);
        const RECT now = WindowRect(f.Hwnd());
        EXPECT_EQ(Str(now), Str(RECT{start.left, start.top, start.left + s.width, start.top + s.height}))
            << "key " << s.key << " x" << s.times;
    }
}

// Where a press lands for each ruler form: in the icon box it hides the ruler, one pixel
// past it along the strip it starts a drag that moves the window with the pointer.
TEST(Input, IconBoxHidesAndOnePixelPastItStartsADrag)
{
    const struct {
        const char* what;
        DWORD flags;
        RECT client;
    } forms[] = {
        {"horizontal", RS_HORZ, RECT{kLeft, kTop, kLeft + 200, kTop + 56}},
        {"horizontal flipped", RS_HORZ | RS_FLIPPED, RECT{kLeft, kTop, kLeft + 200, kTop + 56}},
        {"vertical", RS_VERT, RECT{kLeft, kTop - 200, kLeft + 56, kTop + 56}},
        {"vertical flipped", RS_VERT | RS_FLIPPED, RECT{kLeft, kTop - 200, kLeft + 56, kTop + 56}},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.what);
        CRulerFixture f;
        ASSERT_TRUE(f.Create(form.flags | RS_UNIT_PX, form.client));
        const HWND hwnd = f.Hwnd();
        const Rect icon = f.ruler->GetCaptionStripRect(CSR_ICON);
        const bool vertical = (form.flags & RS_VERT) != 0;
        const int cx = int(icon.left + icon.right) / 2;
        const int cy = int(icon.top + icon.bottom) / 2;

        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(cx, cy));
        EXPECT_FALSE(IsWindowVisible(hwnd));
        EXPECT_NE(GetCapture(), hwnd);
        ShowWindow(hwnd, SW_SHOWNA);
        PumpUntilIdle();

        const int px = vertical ? cx : icon.right;
        const int py = vertical ? icon.bottom : cy;
        const RECT before = WindowRect(hwnd);
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(px, py));
        EXPECT_TRUE(IsWindowVisible(hwnd));
        EXPECT_EQ(GetCapture(), hwnd);
        // Client coordinates of the move are those of the window before it moves.
        SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(px + 30, py - 20));
        RECT expected = before;
        OffsetRect(&expected, 30, -20);
        EXPECT_EQ(Str(WindowRect(hwnd)), Str(expected));
        SendMessageA(hwnd, WM_LBUTTONUP, 0, ClientPoint(px, py));
        EXPECT_EQ(GetCapture(), nullptr);
        // Without the capture a move is only a move of the pointer.
        SendMessageA(hwnd, WM_MOUSEMOVE, 0, ClientPoint(px + 60, py + 60));
        EXPECT_EQ(Str(WindowRect(hwnd)), Str(expected));
    }
}

TEST(Input, CursorActivationAndTray)
{
    CRulerFixture f;
    ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX | WS_THICKFRAME, RECT{kLeft, kTop, kLeft + 200, kTop + 56}));
    const HWND hwnd = f.Hwnd();

    // The cross-hair over the client area; elsewhere the system's own cursors.
    const HCURSOR cross = LoadCursor(nullptr, IDC_CROSS);
    EXPECT_TRUE(SendMessageA(hwnd, WM_SETCURSOR, WPARAM(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), cross);
    SendMessageA(hwnd, WM_SETCURSOR, WPARAM(hwnd), MAKELPARAM(HTLEFT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), cross);

    // Activation repaints the whole strip, icon box included.
    ValidateRect(hwnd, nullptr);
    SendMessageA(hwnd, WM_ACTIVATE, WA_ACTIVE, 0);
    RECT update{};
    const RECT strip = ToRECT(f.ruler->GetCaptionStripRect(CSR_STRIP));
    GetUpdateRect(hwnd, &update, FALSE);
    EXPECT_EQ(Str(update), Str(strip));

    // A double-click on the tray icon hides the visible ruler and shows the hidden one; a
    // click does not show a hidden one; other notifications leave it be.
    const struct {
        LPARAM mouse;
        LRESULT result;
        bool visibleAfter;
    } tray[] = {
        {WM_LBUTTONDBLCLK, 1, false},
        {WM_LBUTTONUP, 1, false},
        {WM_LBUTTONDBLCLK, 1, true},
        {WM_MOUSEMOVE, 0, true},
    };
    for (const auto& t : tray) {
        EXPECT_EQ(SendMessageA(hwnd, WM_TRAY_NOTIFY, IDR_MAINFRAME, t.mouse), t.result) << t.mouse;
        PumpUntilIdle(10, 500);
        EXPECT_EQ(IsWindowVisible(hwnd) != FALSE, t.visibleAfter) << t.mouse;
    }
}

TEST(Input, AcceleratorsAreTranslatedBeforeDispatch)
{
    CRulerFixture f;
    ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX, RECT{kLeft, kTop, kLeft + 200, kTop + 56}));
    f.ruler->m_hAccel = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(f.ruler->m_hAccel, nullptr);
    const struct {
        UINT message;
        WPARAM key;
        bool consumed;
    } cases[] = {
        {WM_KEYDOWN, 'G', true},  {WM_KEYDOWN, '1', true},     {WM_KEYDOWN, 'P', true},
        {WM_KEYDOWN, 'Q', false}, {WM_KEYDOWN, VK_LEFT, false}, {WM_CHAR, 'g', false},
        {WM_MOUSEMOVE, 0, false},
    };
    for (const auto& c : cases) {
        MSG msg{f.Hwnd(), c.message, c.key, 1, GetTickCount(), POINT{}};
        EXPECT_EQ(f.ruler->PreTranslateMessage(&msg), c.consumed) << c.message << " " << c.key;
    }
}

// What an open popup menu showed; read from inside its modal loop, then closed.
struct MenuSeen {
    bool opened = false;
    RECT window{};
    std::string ruler, magnifier;
    bool submenusAttached = false;
};
MenuSeen g_seen;

std::string ItemText(HMENU menu, UINT pos)
{
    char text[128] = {};
    GetMenuStringA(menu, pos, text, int(sizeof text), MF_BYPOSITION);
    return text;
}

void CALLBACK ReadAndCloseMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND popup = FindWindowA("#32768", nullptr);
    if (popup && IsWindowVisible(popup)) {
        g_seen.opened = true;
        GetWindowRect(popup, &g_seen.window);
        const HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, 0x01E1 /* MN_GETHMENU */, 0, 0));
        if (menu) {
            g_seen.ruler = ItemText(menu, 7);
            g_seen.magnifier = ItemText(menu, 8);
            g_seen.submenusAttached = GetSubMenu(menu, 7) && GetSubMenu(menu, 8);
        }
    }
    KillTimer(nullptr, id);
    EndMenu();
}

// Runs `open`, which shows the context menu, reading the menu while it is open.
MenuSeen WithMenu(const std::function<void()>& open)
{
    g_seen = MenuSeen{};
    SetTimer(nullptr, 0, 150, &ReadAndCloseMenu);
    open();
    PumpUntilIdle(10, 500);
    return g_seen;
}

TEST(Input, ContextMenuOpensAtThePointerWithTheScalesInItsLabels)
{
    CRulerFixture f;
    f.settings.m_nScale = 150;
    f.settings.m_nZoomFactor = 400;
    ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX, RECT{kLeft, kTop, kLeft + 200, kTop + 56}));
    const HWND hwnd = f.Hwnd();
    const POINT pointer{300, 200};
    ASSERT_TRUE(MovePointerTo(pointer.x, pointer.y));

    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE shiftWas = keys[VK_SHIFT];
    const struct {
        const char* what;
        std::function<bool()> open;
        POINT at;
    } cases[] = {
        {"Shift+F10",
         [&] {
             BYTE k[256] = {};
             GetKeyboardState(k);
             k[VK_SHIFT] = 0x80;
             SetKeyboardState(k);
             MSG msg{hwnd, WM_KEYDOWN, VK_F10, 1, GetTickCount(), POINT{}};
             const bool consumed = f.ruler->PreTranslateMessage(&msg);
             k[VK_SHIFT] = shiftWas;
             SetKeyboardState(k);
             return consumed;
         },
         pointer},
        {"WM_CONTEXTMENU through the loop",
         [&] {
             MSG msg{hwnd, WM_CONTEXTMENU, WPARAM(hwnd), MAKELPARAM(5, 5), GetTickCount(), POINT{}};
             return f.ruler->PreTranslateMessage(&msg);
         },
         pointer},
        {"right click at a point",
         [&] {
             SendMessageA(hwnd, WM_CONTEXTMENU, WPARAM(hwnd), MAKELPARAM(250, 150));
             return true;
         },
         POINT{250, 150}},
        {"menu key (no point)",
         [&] {
             SendMessageA(hwnd, WM_CONTEXTMENU, WPARAM(hwnd), MAKELPARAM(-1, -1));
             return true;
         },
         pointer},
    };
    for (const auto& c : cases) {
        bool consumed = false;
        const MenuSeen seen = WithMenu([&] { consumed = c.open(); });
        EXPECT_TRUE(consumed) << c.what;
        ASSERT_TRUE(seen.opened) << c.what;
        EXPECT_EQ(seen.window.left, c.at.x) << c.what;
        EXPECT_EQ(seen.window.top, c.at.y) << c.what;
        EXPECT_EQ(seen.ruler, "&Ruler Scale (150%)") << c.what;
        EXPECT_EQ(seen.magnifier, "&Magnifier Scale (400%)") << c.what;
        EXPECT_TRUE(seen.submenusAttached) << c.what;
    }
    // Plain F10 is no menu key.
    MSG f10{hwnd, WM_KEYDOWN, VK_F10, 1, GetTickCount(), POINT{}};
    const MenuSeen none = WithMenu([&] { f.ruler->PreTranslateMessage(&f10); });
    EXPECT_FALSE(none.opened);
}

} // namespace
