// The live-tracking poll: a 1 ms window timer that follows the pointer with the guide line,
// the dialog units of the window under it, the caption line and the magnifier.
#include "ruler/ruler_wnd.h"

#include "settings/ruler_settings.h"
#include "ruler/poll_rules.h"
#include "platform/dialog_base_units_win.h"
#include "units/units.h"

#include <climits>
#include <cstring>

namespace {
constexpr UINT_PTR kPollTimerId = 1;
constexpr UINT kPollPeriodMs = 1;
// While the pointer rests the same timer ticks less often: reading the pointer is a round
// trip to the window system, and a hundred of them a second cost a few per cent of a core
// for nothing. The first tick after the pointer moves again restores the 1 ms period, so a
// move is seen at most this late and everything after it at the full rate.
constexpr UINT kRestingPeriodMs = 80;
constexpr DWORD kRestAfterMs = 250;
// How long the poll waits for another program's window to name its font. A hung window
// must not freeze the ruler; it then counts as a window without a font.
constexpr UINT kFontQueryTimeoutMs = 50;

LOGFONTA NoFont()
{
    LOGFONTA lf{};
    lf.lfHeight = INT_MAX;
    return lf;
}

LOGFONTA FontOfWindow(HWND hWnd)
{
    DWORD_PTR result = 0;
    if (!hWnd || !SendMessageTimeoutA(hWnd, WM_GETFONT, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kFontQueryTimeoutMs,
                                      &result))
        return NoFont();
    const HFONT font = reinterpret_cast<HFONT>(result);
    LOGFONTA lf{};
    if (!font || GetObjectA(font, int(sizeof lf), &lf) != int(sizeof lf))
        return NoFont();
    return lf;
}
} // namespace

bool CRulerWnd::NeedsPollTimer() const
{
    return ::NeedsPollTimer(IsWindowVisible(m_hWnd) != FALSE, GetStyle(), std::uint32_t(m_settings.m_nCaption));
}

void CRulerWnd::UpdatePollTimer()
{
    const bool need = NeedsPollTimer();
    if (need == (m_nTimerId != 0))
        return;
    if (m_nTimerId) {
        KillTimer(m_hWnd, m_nTimerId);
        m_nTimerId = 0;
    }
    // A failed SetTimer leaves 0: the next call (at the latest the next move) tries again.
    if (need) {
        m_nTimerId = SetTimer(m_hWnd, kPollTimerId, kPollPeriodMs, nullptr);
        m_bPollResting = false;
        m_dwLastPointerMove = GetTickCount();
    }
}

void CRulerWnd::PacePollTimer(bool moved)
{
    if (!m_nTimerId)
        return;
    const DWORD now = GetTickCount();
    if (moved) {
        m_dwLastPointerMove = now;
        if (m_bPollResting && SetTimer(m_hWnd, kPollTimerId, kPollPeriodMs, nullptr))
            m_bPollResting = false;
    } else if (!m_bPollResting && now - m_dwLastPointerMove >= kRestAfterMs) {
        if (SetTimer(m_hWnd, kPollTimerId, kRestingPeriodMs, nullptr))
            m_bPollResting = true;
    }
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

    const bool moved = client.x != m_ptLastCursor.x || client.y != m_ptLastCursor.y;
    PacePollTimer(moved);
    bool changed = false;
    if (moved) {
        m_ptLastCursor = client;

        if ((style & RS_GUIDE) && (client.x != m_ptGuide.x || client.y != m_ptGuide.y)) {
            // Inversion: drawing the old position again erases it.
            CClientDC dc(m_hWnd);
            if (dc) {
                DrawGuide(dc, client.x, client.y);
                if (m_ptGuide.x != INT_MAX)
                    DrawGuide(dc, m_ptGuide.x, m_ptGuide.y);
                m_ptGuide = client;
                changed = true;
            }
        }

        const std::uint32_t unit = FindUnit(style)->flag;
        if (unit == RS_UNIT_DU || unit == RS_UNIT_DBU) {
            // Each step is compared with what is cached, so fonts are measured only on a
            // crossing into a window with another font.
            const HWND under = WindowFromPoint(screen);
            if (under != m_hwndUnderCursor) {
                m_hwndUnderCursor = under;
                const LOGFONTA lf = FontOfWindow(under);
                const bool bothNone = lf.lfHeight == INT_MAX && m_lfUnderCursor.lfHeight == INT_MAX;
                if (!bothNone && std::memcmp(&lf, &m_lfUnderCursor, sizeof lf) != 0) {
                    m_lfUnderCursor = lf;
                    const SIZE base = CalcDialogBaseUnits(lf);
                    if (base.cx != m_sizeDlgBase.cx || base.cy != m_sizeDlgBase.cy) {
                        m_sizeDlgBase = base;
                        UpdateUnitMetrics(style);
                        InvalidateRect(m_hWnd, nullptr, TRUE);
                        changed = true;
                    }
                }
            }
        }
    }

    // Whether or not the pointer moved over the ruler: the magnifier tests the screen
    // position itself (a drag moves both together) and returns at once when it is unchanged.
    // It goes before the caption: the screen area it takes holds the pixel under the
    // pointer, which the caption's colour item then reads from there.
    if (style & RS_MAGNIFIER)
        DrawMagnifierAt(nullptr, FALSE, FALSE, screen);
    if (moved && (changed || m_settings.m_nCaption != 0))
        RefreshCaptionAt(&screen, true);
}
