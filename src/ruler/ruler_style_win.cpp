// ModifyRulerStyle, the ruler's geometry in window terms, and its unit metrics.
#include "ruler/ruler_wnd.h"

#include "settings/ruler_settings.h"
#include "platform/screen_win.h"
#include "ruler/style_change.h"
#include "units/units.h"
#include "win/convert.h"

#include <climits>

namespace {
// Margins that keep a turned or flipped ruler reachable on its monitor's work area.
constexpr int kKeepVisibleMargin = 16;

Rect ScreenClientRect(HWND hWnd)
{
    RECT rc{};
    GetClientRect(hWnd, &rc);
    MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return FromRECT(rc);
}

void MoveClamped(HWND hWnd, RECT rc)
{
    KeepRectVisible(true, false, rc, kKeepVisibleMargin, kKeepVisibleMargin);
    SetWindowPos(hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

void CRulerWnd::ModifyRulerStyle(DWORD removeMask, DWORD addMask, BOOL force)
{
    CRulerSettings& s = m_settings;
    const DWORD oldStyle = GetStyle();
    StyleChangePlan plan = PlanStyleChange(oldStyle, removeMask, addMask, force != FALSE, s.m_bHFlipped != 0,
                                           s.m_bVFlipped != 0);
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, LONG_PTR(plan.newStyle));
    const DWORD style = GetStyle();
    const bool vertical = IsVerticalStyle(style);

    if (NeedsDpiMeasure(plan, m_nLogPixels)) {
        COwnedDC ic = CreateDisplayIC();
        TakeMeasuredDpi(plan, ic ? GetDeviceCaps(ic, vertical ? LOGPIXELSY : LOGPIXELSX) : 96, m_nLogPixels);
    }
    MirrorStyleInSettings(plan, style, s);

    if (plan.borderChanged) {
        const bool added = (style & RS_WS_THICKFRAME) != 0;
        RECT wr{};
        GetWindowRect(m_hWnd, &wr);
        const Rect r = ResizeForBorder(FromRECT(wr), added, GetSystemMetrics(SM_CXFRAME) - 1,
                                       GetSystemMetrics(SM_CYFRAME) - 1);
        SetWindowPos(m_hWnd, nullptr, r.left, r.top, int(r.Width()), int(r.Height()),
                     SWP_NOZORDER | SWP_FRAMECHANGED);
    }

    if (plan.unitsDirty) {
        UpdateUnitMetrics(style);
        plan.retitle = true;
    }

    if (plan.orientationChanged) {
        m_fontRuler.Reset();
        const Rect client = TurnClientRect(ScreenClientRect(m_hWnd), oldStyle, style);
        RECT wr = ToRECT(client);
        AdjustWindowRectEx(&wr, style, FALSE, GetExStyle());
        MoveClamped(m_hWnd, wr);
    }

    m_lfRuler.lfEscapement = RulerFontEscapement(style);
    m_lfRuler.lfOrientation = m_lfRuler.lfEscapement;
    if (!m_fontRuler)
        m_fontRuler.Reset(CreateFontIndirectA(&m_lfRuler));

    if (plan.sideDirty && !plan.orientationChanged) {
        RECT wr{}, cr{};
        GetWindowRect(m_hWnd, &wr);
        GetClientRect(m_hWnd, &cr);
        MoveClamped(m_hWnd, ToRECT(FlipWindowRect(FromRECT(wr), FromRECT(cr), oldStyle, style)));
    }

    if (plan.zOrderDirty) {
        const bool top = (style & RS_TOPMOST) != 0;
        SetWindowPos(m_hWnd, top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE);
    }

    if (plan.guideChanged)
        m_ptGuide.x = INT_MAX;

    if (plan.updatePollTimer)
        UpdatePollTimer();
    InvalidateRect(m_hWnd, nullptr, TRUE);
    if (plan.retitle)
        RefreshCaption();
}

void CRulerWnd::UpdateUnitMetrics(DWORD style)
{
    const UnitMetrics m = CalcUnitMetrics(style, m_nLogPixels, Size{int(m_sizeDlgBase.cx), int(m_sizeDlgBase.cy)},
                                          m_settings.m_nBase);
    m_nUnitTwips = m.unitTwips;
    m_nLabelStep = m.labelStep;
    m_nSubdivisions = m.subdivisions;
}

Rect CRulerWnd::GetClientRectCore() const
{
    RECT rc{};
    GetClientRect(m_hWnd, &rc);
    return FromRECT(rc);
}

Rect CRulerWnd::GetGraduatedRect() const
{
    return ::GetGraduatedRect(GetStyle(), GetClientRectCore());
}

Rect CRulerWnd::GetMagnifierRect() const
{
    return ::GetMagnifierRect(GetStyle(), GetClientRectCore());
}

RulerExtent CRulerWnd::GetRulerExtent() const
{
    return ::GetRulerExtent(GetStyle(), GetGraduatedRect());
}

POINT CRulerWnd::GetZeroPoint(BOOL outside) const
{
    POINT p = ToPOINT(::GetZeroPoint(GetStyle(), GetGraduatedRect(), outside != FALSE));
    ClientToScreen(m_hWnd, &p);
    return p;
}

Rect CRulerWnd::GetCaptionStripRect(int part, Point* textOrigin) const
{
    return ::GetCaptionStripRect(GetStyle(), GetGraduatedRect(), GetStripThickness(), part, textOrigin);
}
