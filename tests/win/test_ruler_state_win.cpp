// The ruler window's state under Wine: ModifyRulerStyle's geometry (turning, flipping, the
// border), the settings it mirrors, the size limits, and the lifecycle messages.
#include "support/ruler_fixture.h"

#include "settings/memory_backend.h"
#include "ruler/view_flags.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr DWORD kBase = RS_UNIT_PX | RS_HORZ | WS_THICKFRAME;

RECT WindowRect(HWND h)
{
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

RECT ClientOnScreen(HWND h)
{
    RECT r{};
    GetClientRect(h, &r);
    MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Same(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

std::string Str(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

void Modify(CRulerFixture& f, DWORD remove, DWORD add)
{
    f.ruler->ModifyRulerStyle(remove, add, FALSE);
    PumpUntilIdle();
}

} // namespace

TEST(RulerState, TurningKeepsTheOutsideZeroPointAndTwiceRestores)
{
    struct { const char* what; DWORD flags; } cases[] = {
        {"horizontal", kBase},
        {"horizontal flipped", kBase | RS_FLIPPED},
        {"with magnifier", kBase | RS_MAGNIFIER},
        {"borderless flipped with magnifier", (kBase & ~WS_THICKFRAME) | RS_FLIPPED | RS_MAGNIFIER},
    };
    for (auto& c : cases) {
        CRulerFixture f;
        f.settings.m_bVFlipped = (c.flags & RS_FLIPPED) ? 1 : 0;
        ASSERT_TRUE(f.Create(c.flags, RECT{300, 300, 700, 356})) << c.what;
        const RECT before = WindowRect(f.Hwnd());
        const POINT zero = f.ruler->GetZeroPoint(TRUE);
        Modify(f, RS_HORZ | RS_VERT, RS_VERT);
        EXPECT_TRUE(f.ruler->GetStyle() & RS_VERT) << c.what;
        const POINT turned = f.ruler->GetZeroPoint(TRUE);
        EXPECT_EQ(turned.x, zero.x) << c.what;
        EXPECT_EQ(turned.y, zero.y) << c.what;
        EXPECT_EQ(f.settings.m_bVertical, 1) << c.what;
        Modify(f, RS_HORZ | RS_VERT, RS_HORZ);
        EXPECT_TRUE(Same(WindowRect(f.Hwnd()), before)) << c.what << ": " << Str(WindowRect(f.Hwnd())) << " vs "
                                                        << Str(before);
    }
}

TEST(RulerState, TurnOfAPlainHorizontalRulerExchangesTheClientSize)
{
    CRulerFixture f;
    ASSERT_TRUE(f.Create(kBase, RECT{300, 300, 700, 356}));
    const RECT c = ClientOnScreen(f.Hwnd());
    const LONG L = c.left, T = c.top, W = c.right - c.left, H = c.bottom - c.top;
    Modify(f, RS_HORZ | RS_VERT, RS_VERT);
    const RECT t = ClientOnScreen(f.Hwnd());
    EXPECT_EQ(Str(t), Str(RECT{L - H, T + H, L - H + H, T + H + W}));
}

TEST(RulerState, EachOrientationKeepsItsOwnSide)
{
    CRulerFixture f;
    f.settings.m_bVFlipped = 1;
    ASSERT_TRUE(f.Create(kBase, RECT{300, 300, 700, 356}));
    EXPECT_FALSE(f.ruler->GetStyle() & RS_FLIPPED);
    Modify(f, RS_HORZ | RS_VERT, RS_VERT);
    EXPECT_TRUE(f.ruler->GetStyle() & RS_FLIPPED) << "the vertical ruler's stored side";
    Modify(f, RS_HORZ | RS_VERT, RS_HORZ);
    EXPECT_FALSE(f.ruler->GetStyle() & RS_FLIPPED);
    EXPECT_EQ(f.settings.m_bHFlipped, 0);
    EXPECT_EQ(f.settings.m_bVFlipped, 1);
}

TEST(RulerState, FlippingKeepsTheTickLineOnTheSamePixelLine)
{
    struct { const char* what; DWORD flags; int dx, dy; } cases[] = {
        {"horizontal", kBase, 0, 1},
        {"vertical", (kBase & ~RS_HORZ) | RS_VERT, 1, 0},
    };
    for (auto& c : cases) {
        CRulerFixture f;
        const bool vertical = (c.flags & RS_VERT) != 0;
        ASSERT_TRUE(f.Create(c.flags, vertical ? RECT{400, 200, 456, 600} : RECT{300, 300, 700, 356})) << c.what;
        const RECT before = WindowRect(f.Hwnd());
        const POINT zero = f.ruler->GetZeroPoint(TRUE);
        const int thickness = f.ruler->GetRulerExtent().thickness;
        Modify(f, RS_FLIPPED, RS_FLIPPED);
        const POINT after = f.ruler->GetZeroPoint(TRUE);
        EXPECT_EQ(after.x, zero.x) << c.what;
        EXPECT_EQ(after.y, zero.y) << c.what;
        const RECT moved = WindowRect(f.Hwnd());
        // The client jumps across its old tick line by its thickness plus one pixel.
        EXPECT_EQ(moved.left - before.left, c.dx * (thickness + 1)) << c.what;
        EXPECT_EQ(moved.top - before.top, c.dy * (thickness + 1)) << c.what;
        EXPECT_EQ(vertical ? f.settings.m_bVFlipped : f.settings.m_bHFlipped, 1) << c.what;
        Modify(f, RS_FLIPPED, 0);
        EXPECT_TRUE(Same(WindowRect(f.Hwnd()), before)) << c.what;
    }
}

TEST(RulerState, BorderShrinksAndGrowsByTheFrameLessOne)
{
    CRulerFixture f;
    ASSERT_TRUE(f.Create(kBase, RECT{300, 300, 700, 356}));
    const RECT before = WindowRect(f.Hwnd());
    const int fx = GetSystemMetrics(SM_CXFRAME) - 1, fy = GetSystemMetrics(SM_CYFRAME) - 1;
    Modify(f, WS_THICKFRAME, 0);
    const RECT shrunk = WindowRect(f.Hwnd());
    EXPECT_EQ(Str(shrunk), Str(RECT{before.left + fx, before.top + fy, before.right - fx, before.bottom - fy}));
    EXPECT_EQ(f.settings.m_bBorderless, 1);
    Modify(f, 0, WS_THICKFRAME);
    EXPECT_TRUE(Same(WindowRect(f.Hwnd()), before)) << Str(WindowRect(f.Hwnd()));
    EXPECT_EQ(f.settings.m_bBorderless, 0);
}

TEST(RulerState, ViewChangesAreMirroredInTheSettingsAtOnce)
{
    CRulerFixture f;
    ASSERT_TRUE(f.Create(kBase | RS_GUIDE | RS_MAGNIFIER, RECT{300, 300, 700, 356}));
    f.settings.m_bChanged = 0;
    Modify(f, RS_UNIT_MASK, RS_UNIT_CM);
    EXPECT_EQ(f.settings.m_nUnit, int(RS_UNIT_CM));
    EXPECT_EQ(f.ruler->m_nUnitTwips, 566);
    Modify(f, RS_GUIDE, 0);
    EXPECT_EQ(f.settings.m_bGuide, 0);
    Modify(f, RS_MAGNIFIER, 0);
    EXPECT_EQ(f.settings.m_bZoom, 0);
    EXPECT_EQ(f.settings.m_bChanged, 0) << "view changes alone do not mark the record";
    Modify(f, 0, RS_TOPMOST);
    EXPECT_EQ(f.settings.m_bOnTop, 1);
    EXPECT_EQ(f.settings.m_bChanged, 1) << "the topmost state does";
    EXPECT_TRUE(GetWindowLongPtrA(f.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    Modify(f, RS_TOPMOST, 0);
    EXPECT_FALSE(GetWindowLongPtrA(f.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(RulerState, SizeLimits)
{
    CRulerFixture f;
    ASSERT_TRUE(f.Create(kBase, RECT{300, 300, 700, 356}));
    MINMAXINFO info{};
    SendMessageA(f.Hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 32);
    EXPECT_EQ(info.ptMinTrackSize.y, 32);
    EXPECT_EQ(info.ptMaxTrackSize.x, 5 * GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(info.ptMaxSize.y, 5 * GetSystemMetrics(SM_CYVIRTUALSCREEN));
    SetWindowPos(f.Hwnd(), nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpUntilIdle();
    const RECT r = WindowRect(f.Hwnd());
    EXPECT_EQ(r.right - r.left, 32);
    EXPECT_EQ(r.bottom - r.top, 32);
}

TEST(RulerLifecycle, CreationMarksTheRecordAndDestructionTakesThePlacement)
{
    CRulerFixture f;
    f.settings.m_bChanged = 0;
    ASSERT_TRUE(f.Create(kBase, RECT{300, 300, 700, 356}));
    EXPECT_EQ(f.settings.m_bChanged, 1);
    EXPECT_GT(f.ruler->m_nLogPixels, 0);
    EXPECT_NE(f.ruler->m_hAccel, nullptr);
    const RECT r = WindowRect(f.Hwnd());
    f.settings.m_rcBounds = Rect{};
    f.Destroy();
    EXPECT_EQ(f.settings.m_rcBounds, (Rect{int(r.left), int(r.top), int(r.right), int(r.bottom)}));
}

TEST(RulerLifecycle, EndOfSessionSavesAndReleasesTheHotKeysACancelledOneOnlyMarks)
{
    for (bool ending : {true, false}) {
        CRulerFixture f;
        auto backend = std::make_shared<CMemoryBackend>();
        f.settings.SetBackend(backend);
        f.settings.SetKeyPath("Software\\OrrinTest\\Session\\");
        ASSERT_TRUE(f.Create(kBase, RECT{300, 300, 700, 356}));
        SetMainWindow(f.ruler);
        ASSERT_TRUE(RegisterHotKey(f.Hwnd(), 1, MOD_CONTROL | MOD_ALT, VK_F7));
        ASSERT_TRUE(RegisterHotKey(f.Hwnd(), 2, MOD_CONTROL | MOD_ALT, VK_F8));
        f.settings.m_bChanged = ending ? 1 : 0;
        SendMessageA(f.Hwnd(), WM_ENDSESSION, ending ? TRUE : FALSE, 0);
        if (ending) {
            EXPECT_EQ(f.settings.m_bChanged, 0) << "saved";
            EXPECT_NE(backend->Find("Software\\OrrinTest\\Session\\View", "Unit"), nullptr);
            EXPECT_NE(backend->Find("Software\\OrrinTest\\Session\\Window", "Bounds.left"), nullptr);
        } else {
            EXPECT_EQ(f.settings.m_bChanged, 1) << "a cancelled end marks the record";
            EXPECT_TRUE(backend->m_writes.empty());
        }
        // Released only when the session really ends; after a cancelled end the ruler goes
        // on with its keys (a second window cannot take them).
        HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        EXPECT_EQ(RegisterHotKey(other, 1, MOD_CONTROL | MOD_ALT, VK_F7) != FALSE, ending);
        EXPECT_EQ(RegisterHotKey(other, 2, MOD_CONTROL | MOD_ALT, VK_F8) != FALSE, ending);
        DestroyWindow(other);
        UnregisterHotKey(f.Hwnd(), 1);
        UnregisterHotKey(f.Hwnd(), 2);
        SetMainWindow(nullptr);
    }
}

TEST(RulerLifecycle, CloseCommandDestroysTheWindow)
{
    CRulerFixture f;
    ASSERT_TRUE(f.Create(kBase, RECT{300, 300, 700, 356}));
    HWND h = f.Hwnd();
    SendMessageA(h, WM_COMMAND, 57665, 0);
    PumpUntilIdle();
    EXPECT_FALSE(IsWindow(h));
    f.ruler = nullptr;
}
