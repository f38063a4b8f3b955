// The magnifier square, the bitmap copy of the area it shows, and the web-safe palette that
// sampled colours are snapped with.
#include "ruler/ruler_wnd.h"

#include "platform/clipboard_win.h"
#include "settings/ruler_settings.h"
#include "platform/screen_win.h"
#include "platform/system_errors_win.h"
#include "color/color_model.h"
#include "ruler/magnifier_capture.h"
#include "ruler/magnifier_math.h"
#include "ruler/sampled_color.h"
#include "win/convert.h"

#include <optional>

namespace {

// The zoom label: white on a black pixel, else black, in the magnifier's top-left corner.
void DrawZoomLabel(HDC hDC, const Rect& image, int zoom)
{
    CSaveDC saved(hDC);
    CSelectObject font(hDC, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(hDC, TRANSPARENT);
    SetTextColor(hDC, COLORREF(ZoomLabelColor(GetPixel(hDC, image.left, image.top))));
    char text[16];
    if (const int n = FormatZoomLabel(text, sizeof text, zoom))
        TextOutA(hDC, image.left, image.top, text, n);
}

// In a copy of the screen area `area` held at (0, 0) of `dc`, paints what lies on no monitor
// (a gap between monitors of different sizes, the space beyond the desktop) with the desktop
// colour: the screen has no pixels there, and a capture shows whatever the display holds.
void PaintOffMonitorParts(HDC dc, const MonitorLayout& monitors, const Rect& area)
{
    Rect parts[kMaxUncoveredParts];
    const int n = UncoveredParts(monitors, area, parts, kMaxUncoveredParts);
    for (int i = 0; i < n; ++i) {
        const RECT r = ToRECT(OffsetRectBy(parts[i], -std::int64_t(area.left), -std::int64_t(area.top)));
        FillRect(dc, &r, GetSysColorBrush(COLOR_BACKGROUND));
    }
}

// The thread's last error, or `fallback` when the failing call left none: a failure the
// user asked about is never shown as nothing.
DWORD LastErrorOr(DWORD fallback)
{
    const DWORD code = GetLastError();
    return code ? code : fallback;
}

}  // namespace

void CRulerWnd::DrawMagnifier(HDC hDC, BOOL force, BOOL label)
{
    if (!(GetStyle() & RS_MAGNIFIER))
        return;
    POINT p{};
    if (!GetCursorPos(&p))
        p = m_ptMagnifierLast;
    DrawMagnifierAt(hDC, force, label, p);
}

HDC CRulerWnd::MagnifierCaptureDC(HDC screen, int cx, int cy)
{
    if (m_dcMagnifier && CaptureBitmapFits(FromSIZE(m_sizeMagnifierBitmap), Size{cx, cy}))
        return m_dcMagnifier;
    m_dcMagnifier.Reset();
    m_bmpMagnifier.Reset(CreateCompatibleBitmap(screen, cx, cy));
    m_sizeMagnifierBitmap = SIZE{};
    if (!m_bmpMagnifier)
        return nullptr;
    m_dcMagnifier.Reset(CreateCompatibleDC(screen));
    if (!m_dcMagnifier || !SelectObject(m_dcMagnifier, m_bmpMagnifier)) {
        m_dcMagnifier.Reset();
        return nullptr;
    }
    m_sizeMagnifierBitmap = SIZE{cx, cy};
    return m_dcMagnifier;
}

bool CRulerWnd::DrawMagnifierAt(HDC hDC, BOOL force, BOOL label, POINT p)
{
    if (!(GetStyle() & RS_MAGNIFIER))
        return false;
    if (!ShouldRedrawMagnifier(force != FALSE, FromPOINT(p), FromPOINT(m_ptMagnifierLast)))
        return false;
    m_ptMagnifierLast = p;

    if (!hDC) {
        // Without a device context nothing can be drawn; the next paint or poll draws again.
        CClientDC dc(m_hWnd);
        return dc && DrawMagnifierAt(dc, TRUE, label, p);
    }
    const Rect m = GetMagnifierRect();
    RECT edge = ToRECT(m);
    DrawEdge(hDC, &edge, EDGE_SUNKEN, BF_RECT);

    const MagnifierLayout layout =
        LayoutMagnifier(m, m_settings.m_nZoomFactor, FromPOINT(p), FromRECT(m_rcVirtualScreen));
    if (layout.image.IsEmpty())
        return false;
    if (layout.partial) {
        // What lies beyond the desktop shows the desktop colour.
        CSaveDC saved(hDC);
        if (!layout.dest.IsEmpty())
            ExcludeClipRect(hDC, layout.dest.left, layout.dest.top, layout.dest.right, layout.dest.bottom);
        const RECT image = ToRECT(layout.image);
        FillRect(hDC, &image, GetSysColorBrush(COLOR_BACKGROUND));
    }
    bool captured = false;
    if (!layout.dest.IsEmpty()) {
        // The visible source is taken from the screen once into a kept bitmap, the hot-spot
        // pixel is inverted there, and the bitmap is stretched into the image. The picture is
        // the one an inversion on the screen would give; the screen itself is never touched.
        const Rect& d = layout.dest;
        const Rect& i = layout.visible;
        const int w = int(i.Width()), h = int(i.Height());
        HDC screen = ScreenDC();
        HDC capture = screen ? MagnifierCaptureDC(screen, w, h) : nullptr;
        m_ptCaptured = POINT{INT_MIN, INT_MIN};
        if (capture && BitBlt(capture, 0, 0, w, h, screen, i.left, i.top, SRCCOPY)) {
            PaintOffMonitorParts(capture, m_monitors, i);
            m_rcCaptured = ToRECT(i);
            m_ptCaptured = p;
            captured = true;
            if (const std::optional<Point> hot = HotSpotInCapture(i, FromPOINT(p)))
                PatBlt(capture, hot->x, hot->y, 1, 1, DSTINVERT);
            // With the context's own stretch mode: shrunk below 100 % the default one keeps
            // dark pixels (thin lines, the inverted hot spot) as the screen shows them.
            StretchBlt(hDC, d.left, d.top, int(d.Width()), int(d.Height()), capture, 0, 0, w, h, SRCCOPY);
        }
    }
    if (label)
        DrawZoomLabel(hDC, layout.image, m_settings.m_nZoomFactor);
    return captured;
}

void CRulerWnd::CopyMagnifierSource()
{
    const Rect image = GetMagnifierImageRect(GetMagnifierRect());
    const Size size = GetMagnifierSourceSize(image, m_settings.m_nZoomFactor);
    if (size.cx <= 0 || size.cy <= 0) {
        // The magnifier is hidden (or has no image): there is nothing to capture, and the
        // clipboard keeps what it had. Say so rather than failing without a word.
        ShowSystemError(ERROR_INVALID_PARAMETER);
        return;
    }
    CBitmapHandle bitmap;
    {
        CScreenDC screen;
        if (!screen) {
            ShowSystemError(LastErrorOr(ERROR_NOT_ENOUGH_MEMORY));
            return;
        }
        COwnedDC memory(CreateCompatibleDC(screen));
        bitmap.Reset(CreateCompatibleBitmap(screen, size.cx, size.cy));
        if (!memory || !bitmap) {
            ShowSystemError(LastErrorOr(ERROR_NOT_ENOUGH_MEMORY));
            return;
        }
        // A pointer that cannot be read has no area around it to copy.
        POINT p{};
        if (!GetCursorPos(&p)) {
            ShowSystemError(LastErrorOr(ERROR_ACCESS_DENIED));
            return;
        }
        CSelectObject selected(memory, bitmap.Get());
        const Rect s = GetMagnifierSourceRect(FromPOINT(p), size);
        BitBlt(memory, 0, 0, size.cx, size.cy, screen, s.left, s.top, SRCCOPY);
        PaintOffMonitorParts(memory, m_monitors, s);
    }
    // The bitmap is out of every device context now; the clipboard owns it once it takes it.
    SetLastError(0);
    if (SetClipboardHandle(bitmap.Get(), CF_BITMAP))
        bitmap.Release();
    else
        ShowSystemError(LastErrorOr(ERROR_ACCESS_DENIED));
}

bool CRulerWnd::CreateWebSafePalette()
{
    struct {
        WORD version;
        WORD count;
        PALETTEENTRY entries[kWebSafePaletteSize];
    } palette{};
    palette.version = 0x300;
    palette.count = kWebSafePaletteSize;
    for (int i = 0; i < kWebSafePaletteSize; ++i) {
        const COLORREF c = COLORREF(WebSafePaletteColor(i));
        palette.entries[i] = PALETTEENTRY{GetRValue(c), GetGValue(c), GetBValue(c), 0};
    }
    m_palWebSafe.Reset(CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette)));
    return bool(m_palWebSafe);
}

HDC CRulerWnd::ScreenDC()
{
    if (!m_dcScreen)
        m_dcScreen.Reset(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
    return m_dcScreen;
}

COLORREF CRulerWnd::CapturedScreenPixel(POINT screen) const
{
    const std::optional<Point> at =
        CapturedPixelOffset(FromRECT(m_rcCaptured), FromPOINT(m_ptCaptured), FromPOINT(screen));
    if (!m_dcMagnifier || !at)
        return CLR_INVALID;
    return COLORREF(RestoreCapturedPixel(GetPixel(m_dcMagnifier, at->x, at->y)));
}

COLORREF CRulerWnd::SampleScreenColor(HDC hDC, int x, int y) const
{
    return SnapSampledColor(GetPixel(hDC, x, y));
}

COLORREF CRulerWnd::SnapSampledColor(COLORREF color) const
{
    if (!SnapsSampledColor(color, std::uint32_t(m_settings.m_nColor)))
        return color;
    if (!m_palWebSafe)
        return COLORREF(SnapToWebSafe(color));
    PALETTEENTRY entry{};
    if (!GetPaletteEntries(m_palWebSafe, GetNearestPaletteIndex(m_palWebSafe, color), 1, &entry))
        return COLORREF(SnapToWebSafe(color));
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}
