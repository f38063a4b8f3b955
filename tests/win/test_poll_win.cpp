// The live-tracking poll: when its timer runs, the guide line it inverts, the dialog units
// it measures from the window under the pointer (and a busy window that must not stop it),
// GDI objects over thousands of polls, and how it rests and wakes while the pointer rests.
#include "settings/ruler_settings.h"
#include "ruler/view_flags.h"
#include "support/ruler_fixture.h"
#include "platform/dialog_base_units_win.h"
#include "units/units.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

// A part of the shared display the other test programs leave alone.
constexpr int kLeft = 680;
constexpr int kTop = 700;

Size SystemBaseUnits()
{
    return SplitDialogBaseUnits(std::uint32_t(GetDialogBaseUnits()));
}

Size ToSize(SIZE s)
{
    return Size{int(s.cx), int(s.cy)};
}

LOGFONTA Font(const char* face, int height)
{
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    return lf;
}

// A small window that answers WM_GETFONT with a font of its own (or none); SS_NOTIFY, or
// WindowFromPoint would look through it as through any static control.
class FontWindow {
public:
    FontWindow(const LOGFONTA* lf, int x, int y) : m_font(lf ? CreateFontIndirectA(lf) : nullptr)
    {
        m_hWnd = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_NOTIFY, x,
                                 y, 40, 40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (m_font)
            SendMessageA(m_hWnd, WM_SETFONT, WPARAM(m_font.Get()), FALSE);
        PumpUntilIdle();
    }
    ~FontWindow() { DestroyWindow(m_hWnd); }
    POINT Centre() const
    {
        RECT rc{};
        GetWindowRect(m_hWnd, &rc);
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    HWND m_hWnd;

private:
    CFontHandle m_font;
};

// Stops the ruler's own timer but leaves m_nTimerId set, so that the test alone runs the
// polls and nothing restarts the timer.
void TakeOverPolls(CRulerWnd* ruler)
{
    ASSERT_NE(ruler->m_nTimerId, 0u);
    KillTimer(ruler->m_hWnd, ruler->m_nTimerId);
}

TEST(Poll, TimerRunsExactlyWhenSomethingLiveIsShown)
{
    CRulerFixture f;
    f.settings.m_nCaption = 0;
    ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX, RECT{kLeft, kTop, kLeft + 200, kTop + 56}));
    CRulerWnd* r = f.ruler;
    EXPECT_EQ(r->m_nTimerId, 0u);
    const struct {
        const char* what;
        DWORD flags;
        std::int32_t caption;
        bool running;
    } cases[] = {
        {"pixel equivalent alone on a pixel ruler", RS_UNIT_PX, CI_PIXELS, false},
        {"position", RS_UNIT_PX, CI_POSITION, true},
        {"nothing", RS_UNIT_PX, 0, false},
        {"pixel equivalent alone on a cm ruler", RS_UNIT_CM, CI_PIXELS, true},
        {"guide", RS_UNIT_PX | RS_GUIDE, CI_PIXELS, true},
        {"dialog units", RS_UNIT_DU, 0, true},
        {"dialog base units", RS_UNIT_DBU, 0, true},
        {"magnifier", RS_UNIT_PX | RS_MAGNIFIER, 0, true},
        {"nothing again", RS_UNIT_PX, 0, false},
    };
    for (const auto& c : cases) {
        // As the caption commands do: change the items, then ask.
        f.settings.m_nCaption = c.caption;
        r->ModifyRulerStyle(RS_UNIT_MASK | RS_GUIDE | RS_MAGNIFIER, c.flags, FALSE);
        r->UpdatePollTimer();
        EXPECT_EQ(r->m_nTimerId != 0, c.running) << c.what;
        if (c.running) {
            EXPECT_EQ(r->m_nTimerId, 1u) << c.what;
            // Hiding stops it on the resulting WM_WINDOWPOSCHANGED; showing starts it again.
            ShowWindow(f.Hwnd(), SW_HIDE);
            EXPECT_EQ(r->m_nTimerId, 0u) << c.what;
            ShowWindow(f.Hwnd(), SW_SHOWNA);
            EXPECT_EQ(r->m_nTimerId, 1u) << c.what;
        }
    }
}

// The client area as it is on the screen, read back through the window's own DC.
std::vector<COLORREF> Capture(HWND hwnd, int w, int h)
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    CBitmapHandle dib(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    COwnedDC mem(CreateCompatibleDC(nullptr));
    {
        CSelectObject select(mem, dib);
        CClientDC dc(hwnd);
        BitBlt(mem, 0, 0, w, h, dc, 0, 0, SRCCOPY);
        GdiFlush();
    }
    std::vector<COLORREF> out(std::size_t(w) * std::size_t(h));
    std::memcpy(out.data(), bits, out.size() * sizeof(COLORREF));
    for (COLORREF& c : out)
        c &= 0xFFFFFF;
    return out;
}

// The columns in which `now` differs from `base`; every differing pixel must be the
// inverse of the one before.
std::set<int> InvertedColumns(const std::vector<COLORREF>& base, const std::vector<COLORREF>& now, int w,
                              int* notInverted)
{
    std::set<int> columns;
    *notInverted = 0;
    for (std::size_t i = 0; i < base.size(); ++i) {
        if (base[i] == now[i])
            continue;
        columns.insert(int(i % std::size_t(w)));
        if ((base[i] ^ 0xFFFFFF) != now[i])
            ++*notInverted;
    }
    return columns;
}

TEST(Poll, GuideLeavesExactlyOneInvertedColumn)
{
    constexpr int w = 300, h = 56;
    CRulerFixture f;
    f.settings.m_nCaption = 0;
    ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX, RECT{kLeft, kTop, kLeft + w, kTop + h}));
    ASSERT_TRUE(MovePointerTo(kLeft + w + 100, kTop + h + 60));
    PumpUntilIdle();
    const std::vector<COLORREF> base = Capture(f.Hwnd(), w, h);

    f.ruler->ModifyRulerStyle(0, RS_GUIDE, FALSE);
    PumpUntilIdle();
    for (int x : {100, 150, 151, 20}) {
        ASSERT_TRUE(MovePointerTo(kLeft + x, kTop + h + 40));
        PumpUntilIdle(50, 1000);
        int notInverted = 0;
        const std::set<int> columns = InvertedColumns(base, Capture(f.Hwnd(), w, h), w, &notInverted);
        EXPECT_EQ(columns, std::set<int>{x}) << "pointer at " << x;
        EXPECT_EQ(notInverted, 0) << "pointer at " << x;
        EXPECT_EQ(f.ruler->m_ptGuide.x, x);
    }
}

TEST(Poll, DialogUnitsFollowTheFontOfTheWindowUnderThePointer)
{
    const LOGFONTA small = Font("Tahoma", -11);
    const LOGFONTA large = Font("Tahoma", -24);
    FontWindow a(&small, kLeft + 250, kTop);
    FontWindow b(&large, kLeft + 300, kTop);
    FontWindow b2(&large, kLeft + 350, kTop);
    FontWindow none(nullptr, kLeft + 400, kTop);
    const Size system = SystemBaseUnits();
    const Size smallUnits = ToSize(CalcDialogBaseUnits(small));
    const Size largeUnits = ToSize(CalcDialogBaseUnits(large));
    ASSERT_NE(smallUnits, largeUnits);
    ASSERT_GT(largeUnits.cx, smallUnits.cx);

    CRulerFixture f;
    f.settings.m_nCaption = 0;
    ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_DU, RECT{kLeft, kTop, kLeft + 200, kTop + 56}));
    CRulerWnd* r = f.ruler;
    EXPECT_EQ(ToSize(r->m_sizeDlgBase), system);
    TakeOverPolls(r);

    const struct {
        const char* what;
        const FontWindow& window;
        Size units;
        bool repaint;
    } steps[] = {
        {"small font", a, smallUnits, true},
        {"large font", b, largeUnits, true},
        {"same font, another window", b2, largeUnits, false},
        {"no font", none, system, true},
        {"small again", a, smallUnits, true},
    };
    for (const auto& s : steps) {
        const POINT c = s.window.Centre();
        ASSERT_TRUE(MovePointerTo(c.x, c.y)) << s.what;
        PumpUntilIdle();
        ValidateRect(f.Hwnd(), nullptr);
        r->OnPollTimer();
        EXPECT_EQ(r->m_fontUnderCursor.LastWindow(), s.window.m_hWnd) << s.what;
        EXPECT_EQ(ToSize(r->m_sizeDlgBase), s.units) << s.what;
        const UnitMetrics m = CalcUnitMetrics(r->GetStyle(), r->m_nLogPixels, s.units, f.settings.m_nBase);
        EXPECT_EQ(r->m_nUnitTwips, m.unitTwips) << s.what;
        EXPECT_EQ(r->m_nLabelStep, m.labelStep) << s.what;
        EXPECT_EQ(GetUpdateRect(f.Hwnd(), nullptr, FALSE) != FALSE, s.repaint) << s.what;
    }
}

TEST(Poll, DialogBaseUnitsOfAFont)
{
    const Size system = SystemBaseUnits();
    LOGFONTA noFont{};
    noFont.lfHeight = INT_MAX;
    EXPECT_EQ(ToSize(CalcDialogBaseUnits(noFont)), system);
    // Height is the cell height; the average letter of a font twice as high is wider.
    const Size s11 = ToSize(CalcDialogBaseUnits(Font("Tahoma", -11)));
    const Size s22 = ToSize(CalcDialogBaseUnits(Font("Tahoma", -22)));
    EXPECT_GE(s11.cy, 11);
    EXPECT_GE(s22.cy, 22);
    EXPECT_NEAR(s22.cx, 2 * s11.cx, 1);
    // An unknown face is substituted, still measured.
    const Size unknown = ToSize(CalcDialogBaseUnits(Font("No Such Face Anywhere", -30)));
    EXPECT_GE(unknown.cy, 30);
}

struct BusyWindow {
    HANDLE ready, release, quit;
    HWND hwnd;
};
BusyWindow* g_pBusy = nullptr;
WNDPROC g_pBusyProc = nullptr;
LONG g_nFontQuestions = 0;

LRESULT CALLBACK AnswerLate(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_GETFONT) {
        InterlockedIncrement(&g_nFontQuestions);
        if (WaitForSingleObject(g_pBusy->release, 0) != WAIT_OBJECT_0)
            Sleep(40);
    }
    return CallWindowProcA(g_pBusyProc, hwnd, msg, wParam, lParam);
}

// A window with a large font on a thread of its own that answers WM_GETFONT late until
// `release`, as a busy program does, and then in time until `quit`.
DWORD WINAPI BusyWindowThread(void* p)
{
    auto* s = static_cast<BusyWindow*>(p);
    const LOGFONTA lf = Font("Tahoma", -24);
    CFontHandle font(CreateFontIndirectA(&lf));
    s->hwnd = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_NOTIFY,
                              kLeft + 250, kTop, 40, 40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(s->hwnd, WM_SETFONT, WPARAM(font.Get()), FALSE);
    g_pBusyProc = WNDPROC(SetWindowLongPtrA(s->hwnd, GWLP_WNDPROC, LONG_PTR(&AnswerLate)));
    MSG msg;
    SetEvent(s->ready);
    while (MsgWaitForMultipleObjects(1, &s->quit, FALSE, 10000, QS_ALLINPUT) != WAIT_OBJECT_0)
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    DestroyWindow(s->hwnd);
    return 0;
}

TEST(Poll, ABusyWindowUnderThePointerIsAskedAgainAFewTimesASecond)
{
    BusyWindow busy{CreateEventA(nullptr, TRUE, FALSE, nullptr), CreateEventA(nullptr, TRUE, FALSE, nullptr),
                    CreateEventA(nullptr, TRUE, FALSE, nullptr), nullptr};
    g_pBusy = &busy;
    HANDLE thread = CreateThread(nullptr, 0, &BusyWindowThread, &busy, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(busy.ready, 5000), WAIT_OBJECT_0);
    const Size largeUnits = ToSize(CalcDialogBaseUnits(Font("Tahoma", -24)));
    ASSERT_NE(largeUnits, SystemBaseUnits());

    {
        CRulerFixture f;
        f.settings.m_nCaption = 0;
        ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_DU, RECT{kLeft, kTop, kLeft + 200, kTop + 56}));
        TakeOverPolls(f.ruler);
        ASSERT_TRUE(MovePointerTo(kLeft + 270, kTop + 20));
        // Late for a second of ticks: the poll goes on, asking a few times, and the window is
        // not taken for one without a font.
        for (const DWORD start = GetTickCount(); GetTickCount() - start < 1000; Sleep(16))
            f.ruler->OnPollTimer();
        EXPECT_GE(g_nFontQuestions, 2);
        EXPECT_LE(g_nFontQuestions, 5);
        EXPECT_NE(f.ruler->m_fontUnderCursor.LastWindow(), busy.hwnd);
        EXPECT_EQ(ToSize(f.ruler->m_sizeDlgBase), SystemBaseUnits());
        // Answering in time again: a later tick asks, with the pointer where it was.
        SetEvent(busy.release);
        for (int tick = 0; tick < 100 && f.ruler->m_fontUnderCursor.LastWindow() != busy.hwnd; ++tick) {
            Sleep(10);
            f.ruler->OnPollTimer();
        }
        EXPECT_EQ(f.ruler->m_fontUnderCursor.LastWindow(), busy.hwnd);
        EXPECT_EQ(ToSize(f.ruler->m_sizeDlgBase), largeUnits);
    }
    SetEvent(busy.release);
    SetEvent(busy.quit);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    for (HANDLE h : {busy.ready, busy.release, busy.quit})
        CloseHandle(h);
}

TEST(Poll, GdiObjectsStayFlatOverThousandsOfPolls)
{
    if (CountGdiObjects() < 0)
        GTEST_SKIP() << kNoGdiCount;
    const LOGFONTA small = Font("Tahoma", -11);
    const LOGFONTA large = Font("Arial", -20);
    FontWindow a(&small, kLeft + 300, kTop);
    FontWindow b(&large, kLeft + 350, kTop);

    CRulerFixture f;
    f.settings.m_nCaption = 0xFF;
    f.settings.m_nColor = 4 | 0x10000;
    ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_DU | RS_GUIDE | RS_MAGNIFIER, RECT{kLeft, kTop, kLeft + 250, kTop + 56}));
    TakeOverPolls(f.ruler);
    // Over each font window, the ruler itself and the empty desktop, never twice in a row at
    // one point (Wine would skip that move).
    const POINT points[] = {a.Centre(), {kLeft + 60, kTop + 30}, b.Centre(), {kLeft + 120, kTop + 150}};
    auto run = [&](int polls) {
        for (int i = 0; i < polls; ++i) {
            const POINT p = points[i % 4];
            SetCursorPos(p.x + (i / 4) % 3, p.y);
            f.ruler->OnPollTimer();
            if (i % 50 == 49)
                PumpUntilIdle(0, 50);
        }
        PumpUntilIdle();
    };
    run(200);
    const int before = CountGdiObjects();
    run(3000);
    EXPECT_EQ(CountGdiObjects(), before);
}

} // namespace

namespace {
// Runs the message loop for `ms` milliseconds; returns the number of timer ticks that came for
// `hwnd` meanwhile.
int RunFor(DWORD ms, HWND hwnd = nullptr)
{
    int ticks = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ticks += msg.message == WM_TIMER && msg.hwnd == hwnd;
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return ticks;
}

// Runs the message loop until the ruler's caption shows the pointer's position (at most 2 s).
std::string CaptionFollowing(HWND ruler)
{
    char text[512] = {};
    std::string want;
    const DWORD start = GetTickCount();
    do {
        RunFor(2);
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(ruler, &p);
        want = "Calyx [P: " + std::to_string(p.x) + " px]";
        GetWindowTextA(ruler, text, int(sizeof text));
    } while (want != text && GetTickCount() - start < 2000);
    return text == want ? "follows" : std::string(text) + " instead of " + want;
}
} // namespace

TEST(PollPace, RestsWithAFrameTimerWhereRawInputDoesNotCome)
{
    CRulerFixture f;
    f.settings.m_nCaption = CI_POSITION;
    ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX, RECT{kLeft, kTop, kLeft + 400, kTop + 56}));
    ASSERT_TRUE(MovePointerTo(kLeft + 100, kTop + 100));
    RunFor(400);
    EXPECT_NE(f.ruler->m_nTimerId, 0u) << "a resting poll still runs";
    EXPECT_EQ(f.ruler->m_pollPacer.Pace(), PollPace::Resting);
    EXPECT_GT(RunFor(200, f.Hwnd()), 0) << "the frame timer ticks";
    // SetCursorPos moves the pointer without raw input: the frame timer sees the move.
    ASSERT_TRUE(MovePointerTo(kLeft + 140, kTop + 100));
    EXPECT_EQ(CaptionFollowing(f.Hwnd()), "follows");
    EXPECT_EQ(f.ruler->m_pollPacer.Reach(), RawInputReach::NotDelivered);
    RunFor(400);
    EXPECT_EQ(f.ruler->m_pollPacer.Pace(), PollPace::Resting) << "no sleep without raw input";
}

TEST(PollPace, SleepsWithAWatchdogOnceRawInputAnnouncesAMove)
{
    // Another window in front, as where the ruler is used (Wine passes raw input on only while
    // some window is in front).
    FontWindow front(nullptr, kLeft + 500, kTop + 200);
    FontWindow other(nullptr, kLeft + 560, kTop + 200);
    SetForegroundWindow(front.m_hWnd);
    PumpUntilIdle();
    ASSERT_EQ(GetForegroundWindow(), front.m_hWnd);
    // The pointer is placed before the poll starts: a resting poll would take that move, which
    // comes without raw input, for a verdict.
    ASSERT_TRUE(MovePointerTo(kLeft + 100, kTop + 100));
    CRulerFixture f;
    f.settings.m_nCaption = CI_POSITION;
    ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX, RECT{kLeft, kTop, kLeft + 400, kTop + 56}));
    ASSERT_EQ(f.ruler->m_pollPacer.Reach(), RawInputReach::Unknown);
    RunFor(400);
    ASSERT_EQ(f.ruler->m_pollPacer.Pace(), PollPace::Resting);
    ASSERT_TRUE(SendPointerMove(kLeft + 150, kTop + 100));
    EXPECT_EQ(CaptionFollowing(f.Hwnd()), "follows");
    ASSERT_EQ(f.ruler->m_pollPacer.Reach(), RawInputReach::Delivered) << "WM_INPUT came for the move";
    RunFor(400);
    EXPECT_EQ(f.ruler->m_pollPacer.Pace(), PollPace::Asleep);
    const int ticks = RunFor(8 * kWatchdogPeriodMs, f.Hwnd());
    EXPECT_GT(ticks, 0) << "the watchdog ticks";
    EXPECT_LE(ticks, 9) << "and nothing faster";
    // The next move wakes it, and the caption follows without a timer tick to wait for.
    ASSERT_TRUE(SendPointerMove(kLeft + 200, kTop + 100));
    EXPECT_EQ(CaptionFollowing(f.Hwnd()), "follows");
    EXPECT_EQ(f.ruler->m_pollPacer.Pace(), PollPace::Full);
    // Another window comes to the front while the poll runs at the full rate: raw input has to
    // show again that it reaches the ruler before the poll sleeps.
    SetForegroundWindow(other.m_hWnd);
    const DWORD changed = GetTickCount();
    while (f.ruler->m_pollPacer.Reach() != RawInputReach::Unknown && GetTickCount() - changed < 2000)
        RunFor(5);
    EXPECT_EQ(f.ruler->m_pollPacer.Reach(), RawInputReach::Unknown);
    RunFor(400);
    EXPECT_EQ(f.ruler->m_pollPacer.Pace(), PollPace::Resting);
    ASSERT_TRUE(SendPointerMove(kLeft + 170, kTop + 100));
    EXPECT_EQ(CaptionFollowing(f.Hwnd()), "follows");
    // The ruler moving under the still pointer wakes it too.
    RunFor(400);
    ASSERT_EQ(f.ruler->m_pollPacer.Pace(), PollPace::Asleep);
    SetWindowPos(f.Hwnd(), nullptr, kLeft - 10, kTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CaptionFollowing(f.Hwnd()), "follows");
    // A move without raw input (another program's SetCursorPos; under Wine, the pointer over
    // the bare desktop) is found by the watchdog, and raw input is not trusted any more.
    RunFor(400);
    ASSERT_EQ(f.ruler->m_pollPacer.Pace(), PollPace::Asleep);
    ASSERT_TRUE(MovePointerTo(kLeft + 120, kTop + 100));
    EXPECT_EQ(CaptionFollowing(f.Hwnd()), "follows");
    EXPECT_EQ(f.ruler->m_pollPacer.Reach(), RawInputReach::NotDelivered);
    ASSERT_TRUE(SendPointerMove(kLeft + 180, kTop + 100));
    EXPECT_EQ(CaptionFollowing(f.Hwnd()), "follows");
    RunFor(400);
    EXPECT_EQ(f.ruler->m_pollPacer.Pace(), PollPace::Resting);
}
