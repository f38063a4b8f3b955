// The caption information line: what the ruler measures at the pointer, as its window text.
#include "ruler/ruler_wnd.h"

#include "settings/ruler_settings.h"
#include "resource.h"
#include "ruler/caption_text.h"
#include "units/units.h"
#include "win/convert.h"
#include "win/strings.h"

void CRulerWnd::BuildCaptionText(char* buffer)
{
    // One reading of the pointer serves every item.
    POINT screen{};
    const bool read = GetCursorPos(&screen) != FALSE;
    BuildCaptionTextAt(buffer, read ? &screen : nullptr);
}

void CRulerWnd::BuildCaptionTextAt(char* buffer, const POINT* pointer, bool fromCapture)
{
    const DWORD style = GetStyle();
    const UnitInfo* unit = FindUnit(style);

    CaptionInputs in;
    in.appName = LoadResString(IDS_APP_TITLE);
    in.unitAbbrev = LoadResString(UINT(unit->id));
    in.pixelAbbrev = LoadResString(ID_UNIT_PX);
    in.captionFlags = std::uint32_t(m_settings.m_nCaption);
    in.scale = m_nScale;
    in.logPixels = UnitDpi();
    if (UnitIsCalibrated())
        in.densityLabel = LoadResString(m_calibration.source == DensitySource::Calibrated ? IDS_CAPTION_CALIBRATED
                                        : m_calibration.source == DensitySource::Reported ? IDS_CAPTION_REPORTED
                                                                                            : IDS_CAPTION_LOGICAL);
    in.unitTwips = m_nUnitTwips;
    in.unitIsPixel = unit->flag == RS_UNIT_PX;
    in.vertical = IsVerticalStyle(style);
    in.paletteDisplay = m_bPaletteDisplay != FALSE;
    in.colorSetting = std::uint32_t(m_settings.m_nColor);

    if (!pointer) {
        LeaveOutPointerItems(in);
    } else {
        POINT client = *pointer;
        ScreenToClient(m_hWnd, &client);
        SetCaptionPointer(in, style, FromPOINT(*pointer), FromPOINT(client), FromPOINT(GetZeroPoint(FALSE)));
    }
    if (pointer && CaptionWantsColor(in)) {
        // The magnifier has just read this very pixel when it was drawn for this pointer.
        COLORREF color = fromCapture ? SnapSampledColor(CapturedScreenPixel(*pointer)) : CLR_INVALID;
        if (color == CLR_INVALID) {
            HDC dc = ScreenDC();
            color = dc ? SampleScreenColor(dc, pointer->x, pointer->y) : CLR_INVALID;
        }
        SetCaptionColor(in, std::uint32_t(color));
    }
    ComposeCaptionText(in, buffer, kCaptionBufferSize);
}

void CRulerWnd::RefreshCaption()
{
    POINT screen{};
    const bool read = GetCursorPos(&screen) != FALSE;
    RefreshCaptionAt(read ? &screen : nullptr);
}

void CRulerWnd::RefreshCaptionAt(const POINT* pointer, bool fromCapture)
{
    char text[kCaptionBufferSize];
    BuildCaptionTextAt(text, pointer, fromCapture);
    // A pointer moving across a ruler that shows just its position changes nothing here.
    char current[kCaptionBufferSize];
    if (!CaptionTextDiffers(current, GetWindowTextA(m_hWnd, current, int(sizeof current)), text))
        return;
    SetWindowTextA(m_hWnd, text);
}

LRESULT CRulerWnd::OnSetText(WPARAM wParam, LPARAM lParam)
{
    // Only the text part of the strip changes; the icon box and the scale keep their pixels.
    const RECT text = ToRECT(GetCaptionStripRect(CSR_TEXT));
    InvalidateRect(m_hWnd, &text, FALSE);
    return Default(WM_SETTEXT, wParam, lParam);
}
