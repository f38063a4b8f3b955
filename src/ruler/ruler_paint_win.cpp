// The ruler's background, caption text, graduations and guide line. The paint body is
// PaintTo, shared by WM_PAINT and WM_PRINTCLIENT; each part is drawn only when it meets the
// clip box, and the graduations are laid out for the clip box's range alone, so the cost of
// a paint does not grow with the ruler's length.
#include "ruler/ruler_wnd.h"

#include "ruler/paint_layout.h"

#include "platform/icon_cache_win.h"
#include "settings/ruler_settings.h"
#include "resource.h"
#include "win/convert.h"

#include <cstdint>

namespace {

// A caption line is at most this long, terminator included.
constexpr int kCaptionBuffer = 512;
// Ticks drawn per PolyPolyline call: a stack batch, so painting allocates nothing.
constexpr int kTickBatch = 128;

// A stored colour, or the system colour it stands for when it is -1.
COLORREF StoredColor(std::int32_t stored, int sysColor)
{
    return stored == -1 ? GetSysColor(sysColor) : COLORREF(std::uint32_t(stored) & 0x00FFFFFF);
}

// Fills a rectangle in one colour without making a brush: an opaque empty text.
void FillSolid(HDC hDC, const Rect& r, COLORREF color)
{
    const RECT rc = ToRECT(r);
    SetBkColor(hDC, color);
    ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rc, "", 0, nullptr);
}

Rect ClipBox(HDC hDC)
{
    RECT rc{};
    if (GetClipBox(hDC, &rc) == NULLREGION || rc.left >= rc.right || rc.top >= rc.bottom)
        return Rect{};
    return FromRECT(rc);
}

// The widest decimal digit of the selected font, along its baseline.
int WidestDigit(HDC hDC, const TEXTMETRICA& fallback)
{
    INT widths[10] = {};
    if (!GetCharWidth32A(hDC, '0', '9', widths))
        return int(fallback.tmMaxCharWidth);
    int widest = 1;
    for (int w : widths)
        widest = w > widest ? w : widest;
    return widest;
}

// Collects tick lines and draws them in batches.
class CTickBatch {
public:
    explicit CTickBatch(HDC hDC) : m_hDC(hDC) {}
    ~CTickBatch() { Flush(); }
    CTickBatch(const CTickBatch&) = delete;
    CTickBatch& operator=(const CTickBatch&) = delete;

    void Add(POINT from, POINT to)
    {
        m_points[2 * m_nCount] = from;
        m_points[2 * m_nCount + 1] = to;
        m_counts[m_nCount] = 2;
        if (++m_nCount == kTickBatch)
            Flush();
    }

    void Flush()
    {
        if (m_nCount)
            PolyPolyline(m_hDC, m_points, m_counts, DWORD(m_nCount));
        m_nCount = 0;
    }

private:
    HDC m_hDC;
    POINT m_points[2 * kTickBatch];
    DWORD m_counts[kTickBatch];
    int m_nCount = 0;
};

}  // namespace

BOOL CRulerWnd::OnEraseBkgnd(HDC hDC)
{
    CSaveDC saved(hDC);
    const EraseLayout l =
        LayoutErase(GetStyle(), GetClientRectCore(), GetStripThickness(), ClipBox(hDC), {m_nIconBox, m_nIconSize});
    const Rect g = GetGraduatedRect();
    // The magnifier square is never erased: it is drawn whole by the magnifier.
    IntersectClipRect(hDC, g.left, g.top, g.right, g.bottom);

    const bool active = GetActiveWindow() == m_hWnd;
    if (!l.strip.IsEmpty())
        FillSolid(hDC, l.strip, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    if (l.icon) {
        if (HICON icon = LoadCachedIconOfSize(IDR_MAINFRAME, m_nIconSize))
            DrawIconEx(hDC, l.iconAt.x, l.iconAt.y, icon, m_nIconSize, m_nIconSize, 0, nullptr, DI_NORMAL);
    }
    if (!l.scale.IsEmpty())
        FillSolid(hDC, l.scale, StoredColor(m_settings.m_clrBk, COLOR_BTNFACE));
    return TRUE;
}

void CRulerWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (dc)
        PaintTo(dc);
}

void CRulerWnd::PaintTo(HDC hDC)
{
    CSaveDC saved(hDC);
    CSelectObject font(hDC, m_fontRuler.Get());
    const Rect outer = ClipBox(hDC);
    bool magnifier = false;
    {
        CSaveDC clipped(hDC);
        const Rect g = GetGraduatedRect();
        IntersectClipRect(hDC, g.left, g.top, g.right, g.bottom);
        const Rect e = ClipBox(hDC);
        const PaintLayout l = LayoutPaint(GetStyle(), GetClientRectCore(), GetStripThickness(), e, outer,
                                          FromPOINT(m_ptGuide), m_nIconBox);
        magnifier = l.magnifier;
        if (l.text) {
            const bool active = GetActiveWindow() == m_hWnd;
            char line[kCaptionBuffer];
            const int length = GetWindowTextA(m_hWnd, line, kCaptionBuffer);
            SetBkMode(hDC, TRANSPARENT);
            SetBkColor(hDC, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
            SetTextColor(hDC, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
            const RECT rc = ToRECT(l.textRect);
            ExtTextOutA(hDC, l.textOrigin.x, l.textOrigin.y, ETO_OPAQUE, &rc, line, UINT(length > 0 ? length : 0),
                        nullptr);
        }
        if (l.graduations) {
            const COLORREF tick = StoredColor(m_settings.m_clrFg, COLOR_BTNTEXT);
            SetBkMode(hDC, TRANSPARENT);
            SetBkColor(hDC, StoredColor(m_settings.m_clrBk, COLOR_BTNFACE));
            SetTextColor(hDC, tick);
            CPenHandle pen(CreatePen(PS_SOLID, 1, tick));
            CSelectObject selected(hDC, pen.Get());
            DrawGraduations(hDC, ToRECT(e));
        }
        if (l.guide)
            DrawGuide(hDC, m_ptGuide.x, m_ptGuide.y);
    }
    // The magnifier covers its own square, outside the graduated rectangle.
    if (magnifier)
        DrawMagnifier(hDC, TRUE, FALSE);
}

void CRulerWnd::DrawGraduations(HDC hDC, const RECT& clip)
{
    const DWORD style = GetStyle();
    const ScaleMetrics m{m_nLogPixels, m_nUnitTwips, m_nLabelStep, m_nSubdivisions, m_nScale, m_nTickLength,
                         int(m_tmRuler.tmHeight)};
    GraduationParams p = MakeGraduationParams(style, GetClientRectCore(), m, FromRECT(clip));
    if (p.length <= 0)
        return;
    p.labelExtent = MaxLabelDigits(p) * WidestDigit(hDC, m_tmRuler);
    LayoutGraduations(p, m_layout);

    const auto at = [&p](int along, int across) { return ToPOINT(GraduationPoint(p.vertical, along, across)); };
    {
        CTickBatch ticks(hDC);
        for (const GraduationTick& t : m_layout.ticks)
            ticks.Add(at(t.along, t.acrossStart), at(t.along, t.acrossEnd));
    }
    for (const GraduationLabel& l : m_layout.labels) {
        const POINT o = at(l.along, l.across);
        TextOutA(hDC, o.x, o.y, l.text, l.textLength);
    }
}

void CRulerWnd::DrawGuide(HDC hDC, int x, int y)
{
    const Rect r = GetDrawnGuideRect(GetStyle(), GetClientRectCore(), GetStripThickness(), Point{x, y});
    if (r.IsEmpty())
        return;
    if (hDC) {
        PatBlt(hDC, r.left, r.top, int(r.Width()), int(r.Height()), DSTINVERT);
        return;
    }
    CClientDC dc(m_hWnd);
    if (dc)
        PatBlt(dc, r.left, r.top, int(r.Width()), int(r.Height()), DSTINVERT);
}
