// ModifyRulerStyle, the ruler's geometry in window terms, and its unit metrics.
#include "ruler/ruler_wnd.h"

#include "settings/ruler_settings.h"
#include "platform/dpi_rules.h"
#include "platform/dpi_win.h"
#include "platform/icon_cache_win.h"
#include "platform/screen_win.h"
#include "ruler/style_change.h"
#include "resource.h"
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

    // The density is the monitor's, the same along either axis.
    if (NeedsDpiMeasure(plan, m_nLogPixels))
        TakeMeasuredDpi(plan, WindowDpi(m_hWnd), m_nLogPixels);
    if (m_nLogPixels != m_nSizesDpi) {
        TakeDpiSizes(m_nLogPixels);
        m_fontRuler.Reset();
    }
    MirrorStyleInSettings(plan, style, s);

    if (plan.borderChanged) {
        const bool added = (style & RS_WS_THICKFRAME) != 0;
        RECT wr{};
        GetWindowRect(m_hWnd, &wr);
        const Rect r = ResizeForBorder(FromRECT(wr), added, SystemMetricForDpi(SM_CXFRAME, m_nSizesDpi) - 1,
                                       SystemMetricForDpi(SM_CYFRAME, m_nSizesDpi) - 1);
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
        AdjustWindowRectForDpi(&wr, style, GetExStyle(), m_nSizesDpi);
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

void CRulerWnd::TakeDpiSizes(int dpi)
{
    const RulerDpiSizes sizes = RulerSizesForDpi(dpi, SystemDpi(), m_nSystemFontHeight);
    m_nTickLength = sizes.tickLength;
    m_nIconBox = sizes.iconBox;
    m_nIconSize = sizes.iconSize;
    m_nSizesDpi = dpi;
    if (sizes.fontHeight == m_lfRuler.lfHeight)
        return;
    LOGFONTA measured = m_lfRuler;
    measured.lfHeight = sizes.fontHeight;
    measured.lfEscapement = measured.lfOrientation = 0;
    COwnedDC ic = CreateDisplayIC();
    CFontHandle font(CreateFontIndirectA(&measured));
    if (!ic || !font)
        return;  // the sizes of the last density stay, with the font they fit
    CSelectObject select(ic, font);
    TEXTMETRICA tm{};
    if (!GetTextMetricsA(ic, &tm))
        return;
    m_tmRuler = tm;
    m_lfRuler.lfHeight = sizes.fontHeight;
}

void CRulerWnd::OnDpiChanged(int dpi, const RECT* suggested)
{
    RECT wr{};
    GetWindowRect(m_hWnd, &wr);
    const Rect want = suggested ? FromRECT(*suggested) : Rect{};
    const Rect r = BoundsAfterDpiChange(FromRECT(wr), suggested ? &want : nullptr, m_nSizesDpi, dpi);
    m_nLogPixels = dpi;
    TakeDpiSizes(dpi);
    m_fontRuler.Reset(CreateFontIndirectA(&m_lfRuler));
    UpdateUnitMetrics(GetStyle());
    SetWindowPos(m_hWnd, nullptr, r.left, r.top, int(r.Width()), int(r.Height()), SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_bCreated)
        SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL,
                     LPARAM(LoadCachedIconOfSize(IDR_MAINFRAME, SystemMetricForDpi(SM_CXSMICON, dpi))));
    InvalidateRect(m_hWnd, nullptr, TRUE);
    RefreshCaption();
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
    return ::GetCaptionStripRect(GetStyle(), GetGraduatedRect(), GetStripThickness(), part, textOrigin, m_nIconBox);
}
