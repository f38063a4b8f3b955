// The live-tracking poll: a window timer that follows the pointer with the guide line, the
// dialog units of the window under it, the caption line and the magnifier. While the pointer
// rests the timer slows to a watchdog's pace where raw input wakes the poll, or to one tick a
// frame where it does not (poll_rules.h has the rules).
#include "ruler/ruler_wnd.h"

#include "settings/ruler_settings.h"
#include "ruler/poll_rules.h"
#include "platform/dialog_base_units_win.h"
#include "win/convert.h"

#include <climits>
#include <cstring>

namespace {
constexpr UINT_PTR kPollTimerId = 1;

// The pointing devices whose raw input wakes a resting poll: the mouse, and pens and touch
// screens, whose moves do not come as raw mouse input.
constexpr USHORT kUsagePageGeneric = 0x01, kUsageMouse = 0x02;
constexpr USHORT kUsagePageDigitizer = 0x0D, kUsagePen = 0x02, kUsageTouchScreen = 0x04;

// The whole milliseconds since `start` (from QueryPerformanceCounter): an answer that came
// at once is 0 however the clock's milliseconds fall.
std::uint32_t MsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart > 0 ? std::uint32_t((now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart) : 0;
}

// The font of a window, as no font when it has none; false when the window did not answer
// within timeoutMs (it is busy or hung).
bool FontOfWindow(HWND hWnd, UINT timeoutMs, LOGFONTA* lf)
{
    *lf = CRulerWnd::NoFont();
    if (!hWnd)
        return true;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hWnd, WM_GETFONT, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, timeoutMs, &result))
        return !IsWindow(hWnd);  // a window that is gone has no font to ask for again
    const HFONT font = reinterpret_cast<HFONT>(result);
    LOGFONTA got{};
    if (font && GetObjectA(font, int(sizeof got), &got) == int(sizeof got))
        *lf = got;
    return true;
}
} // namespace

bool SameLogFont::operator()(const LOGFONTA& a, const LOGFONTA& b) const
{
    const bool bothNone = a.lfHeight == INT_MAX && b.lfHeight == INT_MAX;
    return bothNone || std::memcmp(&a, &b, sizeof a) == 0;
}

LOGFONTA CRulerWnd::NoFont()
{
    LOGFONTA lf{};
    lf.lfHeight = INT_MAX;
    return lf;
}

bool CRulerWnd::NeedsPollTimer() const
{
    return ::NeedsPollTimer(IsWindowVisible(m_hWnd) != FALSE, GetStyle(), std::uint32_t(m_settings.m_nCaption));
}

void CRulerWnd::UpdatePollTimer()
{
    const PollTimerStep step = PlanPollTimer(NeedsPollTimer(), m_nTimerId != 0);
    if (step == PollTimerStep::kWake) {
        WakePoll();
        return;
    }
    StopPoll();
    // A failed SetTimer leaves 0: the next call (at the latest the next move) tries again.
    if (step == PollTimerStep::kRestart) {
        m_nTimerId = SetTimer(m_hWnd, kPollTimerId, kPollPeriodMs, nullptr);
        m_pollPacer.Start(GetTickCount());
        m_ePaceApplied = PollPace::Full;
    }
}

void CRulerWnd::StopPoll()
{
    if (m_nTimerId)
        KillTimer(m_hWnd, m_nTimerId);
    m_nTimerId = 0;
    ListenWhileResting(false);
    m_ePaceApplied = PollPace::Full;
}

void CRulerWnd::ApplyPollPace()
{
    const PollPace pace = m_pollPacer.Pace();
    if (!m_nTimerId || pace == m_ePaceApplied)
        return;
    if (!SetTimer(m_hWnd, kPollTimerId, CPollPacer::PeriodMs(pace), nullptr)) {
        // As a failed start: off until the next UpdatePollTimer.
        StopPoll();
        return;
    }
    ListenWhileResting(m_pollPacer.ListensToRawInput());
    m_ePaceApplied = pace;
}

void CRulerWnd::ListenWhileResting(bool listen)
{
    if (listen == m_bRawInputListened)
        return;
    if (listen) {
        const DWORD flags = RIDEV_INPUTSINK;  // also while another program is in front
        const RAWINPUTDEVICE devices[] = {{kUsagePageGeneric, kUsageMouse, flags, m_hWnd},
                                          {kUsagePageDigitizer, kUsagePen, flags, m_hWnd},
                                          {kUsagePageDigitizer, kUsageTouchScreen, flags, m_hWnd}};
        // Without the digitizers where the system refuses them; without raw input at all the
        // poll never learns that it could sleep, and rests with its frame timer.
        m_nRawDevices = 0;
        if (RegisterRawInputDevices(devices, 3, sizeof devices[0]))
            m_nRawDevices = 3;
        else if (RegisterRawInputDevices(devices, 1, sizeof devices[0]))
            m_nRawDevices = 1;
    } else {
        if (m_nRawDevices) {
            const RAWINPUTDEVICE devices[] = {{kUsagePageGeneric, kUsageMouse, RIDEV_REMOVE, nullptr},
                                              {kUsagePageDigitizer, kUsagePen, RIDEV_REMOVE, nullptr},
                                              {kUsagePageDigitizer, kUsageTouchScreen, RIDEV_REMOVE, nullptr}};
            RegisterRawInputDevices(devices, m_nRawDevices, sizeof devices[0]);
            m_nRawDevices = 0;
        }
    }
    m_bRawInputListened = listen;
}

void CRulerWnd::WakePoll()
{
    if (!m_nTimerId)
        return;
    m_pollPacer.Wake(GetTickCount());
    ApplyPollPace();
}

void CRulerWnd::OnRawInput()
{
    // At the full rate the timer sees the move anyway; resting or asleep, this is the move's
    // first news, and the tick runs now rather than at the next timer tick.
    if (m_nTimerId && m_pollPacer.OnRawInput(GetTickCount(), std::uintptr_t(GetForegroundWindow()))) {
        ApplyPollPace();
        OnPollTimer();
    }
}

bool CRulerWnd::TrackDialogUnits(POINT screen, DWORD style)
{
    const HWND under = WindowFromPoint(screen);
    const DWORD now = GetTickCount();
    const UINT timeout = m_fontUnderCursor.AskTimeoutMs(under, now);
    if (timeout == 0)
        return false;
    LOGFONTA lf;
    LARGE_INTEGER start{};
    QueryPerformanceCounter(&start);
    const bool answered = FontOfWindow(under, timeout, &lf);
    const std::uint32_t waited = MsSince(start);
    if (!answered) {
        m_fontUnderCursor.NotAnswered(under, now, waited);
        return false;
    }
    if (!m_fontUnderCursor.Answered(under, lf, now, waited))
        return false;
    const SIZE base = CalcDialogBaseUnits(lf);
    if (base.cx == m_sizeDlgBase.cx && base.cy == m_sizeDlgBase.cy)
        return false;
    m_sizeDlgBase = base;
    UpdateUnitMetrics(style);
    InvalidateRect(m_hWnd, nullptr, TRUE);
    return true;
}

void CRulerWnd::OnPollTimer()
{
    // A position that cannot be read (locked workstation) is not a move to (0, 0).
    POINT screen{};
    if (!GetCursorPos(&screen))
        return;
    POINT client = screen;
    ScreenToClient(m_hWnd, &client);
    const DWORD style = GetStyle();
    const PollTickPlan tick = PlanPollTick(style, FromPOINT(client), FromPOINT(m_ptLastCursor),
                                           FromPOINT(m_ptGuide), m_fontUnderCursor.Pending());

    bool changed = false;
    if (tick.moved)
        m_ptLastCursor = client;
    if (tick.moveGuide) {
        // Inversion: drawing the old position again erases it.
        CClientDC dc(m_hWnd);
        if (dc) {
            DrawGuide(dc, client.x, client.y);
            if (tick.eraseGuide)
                DrawGuide(dc, m_ptGuide.x, m_ptGuide.y);
            m_ptGuide = client;
            changed = true;
        }
    }
    if (tick.trackDialogUnits)
        changed = TrackDialogUnits(screen, style) || changed;
    else if (tick.forgetFontQuery)
        m_fontUnderCursor.ForgetPending();

    // Whether or not the pointer moved over the ruler: the magnifier tests the screen
    // position itself (a drag moves both together) and returns at once when it is unchanged.
    // It goes before the caption: the screen area it takes in this tick holds the pixel under
    // the pointer, which the caption's colour item then reads from there. A capture of an
    // earlier tick may show the screen before the guide was drawn under the pointer again.
    const bool captured = tick.magnifier && DrawMagnifierAt(nullptr, FALSE, FALSE, screen);
    if (PollRefreshesCaption(tick, changed, std::uint32_t(m_settings.m_nCaption)))
        RefreshCaptionAt(&screen, captured);

    if (m_nTimerId) {
        // Read on every tick while it matters, whether the poll rests or not (under Wine a hook
        // on foreground changes hears nothing).
        if (m_pollPacer.WatchesForeground())
            m_pollPacer.SeeForeground(std::uintptr_t(GetForegroundWindow()));
        m_pollPacer.AfterTick(tick.moved, m_fontUnderCursor.Pending(), GetTickCount());
        ApplyPollPace();
    }
}
