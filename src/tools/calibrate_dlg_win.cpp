#include "tools/calibrate_dlg_win.h"

#include "base/text.h"
#include "win/convert.h"
#include "platform/help_win.h"
#include "resource.h"
#include "settings/ruler_settings.h"
#include "units/number_format.h"
#include "win/exceptions.h"
#include "win/handles.h"
#include "win/message_box.h"
#include "win/strings.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdio>

namespace {

const char kBarClass[] = "CalyxCalibrationBar";
// Shift with Left or Right: ten pixels at a time.
constexpr int kBigStep = 10;
// Room right of the longest bar, and around the dialog on its monitor.
constexpr int kBarSlack = 4;
constexpr int kMonitorMargin = 16;

std::string Dpi(double dpi)
{
    return FormatNumber(dpi, true, 3);
}

std::string ModeText(const MonitorMode& m)
{
    return ReplaceArgs(LoadResString(IDS_CAL_MODE), std::to_string(m.width), std::to_string(m.height),
                std::to_string(m.dpi));
}

// The bar: dark from the control's left edge for the length its dialog gives, with a grip
// at its right end. It takes Left and Right (Shift: bigger steps) and drags of its end.
LRESULT CALLBACK BarProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const HWND dlg = GetParent(hWnd);
    switch (msg) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        if (wParam == VK_LEFT || wParam == VK_RIGHT) {
            const int step = (GetKeyState(VK_SHIFT) < 0 ? kBigStep : 1) * (wParam == VK_LEFT ? -1 : 1);
            SendMessageA(dlg, CCalibrateDlg::kMsgBarStep, WPARAM(step), 0);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        SetFocus(hWnd);
        SetCapture(hWnd);
        SendMessageA(dlg, CCalibrateDlg::kMsgBarSet, WPARAM(GET_X_LPARAM(lParam)), 0);
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == hWnd)
            SendMessageA(dlg, CCalibrateDlg::kMsgBarSet, WPARAM(GET_X_LPARAM(lParam)), 0);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hWnd)
            ReleaseCapture();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hWnd, nullptr, TRUE);
        break;
    case WM_PAINT: {
        CPaintDC dc(hWnd);
        RECT rc{};
        GetClientRect(hWnd, &rc);
        FillRect(dc, &rc, GetSysColorBrush(COLOR_WINDOW));
        const int length = int(SendMessageA(dlg, CCalibrateDlg::kMsgBarLength, 0, 0));
        const int h = int(rc.bottom);
        // The bar's pixels are exactly [0, length): that is what is held against the card.
        RECT bar{0, h / 4, length, h - h / 4};
        FillRect(dc, &bar, GetSysColorBrush(COLOR_WINDOWTEXT));
        RECT grip{length - 1, 0, length, h};
        FillRect(dc, &grip, GetSysColorBrush(COLOR_WINDOWTEXT));
        // The focus is shown under the bar, never across the row that measures it.
        if (GetFocus() == hWnd) {
            RECT focus{0, h - h / 4 + 1, length + 1, h};
            DrawFocusRect(dc, &focus);
        }
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

void RegisterBarClass()
{
    WNDCLASSA wc{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kBarClass, &wc))
        return;
    wc.lpfnWndProc = BarProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_SIZEWE);
    wc.lpszClassName = kBarClass;
    RegisterClassA(&wc);
}

RECT ChildRect(HWND dlg, int id)
{
    RECT rc{};
    GetWindowRect(GetDlgItem(dlg, id), &rc);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void WidenChild(HWND dlg, int id, int by)
{
    const RECT rc = ChildRect(dlg, id);
    SetWindowPos(GetDlgItem(dlg, id), nullptr, 0, 0, rc.right - rc.left + by, rc.bottom - rc.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

CCalibrateDlg::CCalibrateDlg(HWND parent, CRulerSettings& settings, const MonitorFacts& facts)
    : CDialogBase(IDD_CALIBRATE, parent), m_settings(settings), m_facts(facts)
{
}

INT_PTR CCalibrateDlg::DoModal()
{
    RegisterBarClass();
    const INT_PTR result = CDialogBase::DoModal();
    if (result == -1)
        AppMessageBox(m_hWndParent, CResourceException().GetErrorMessage().c_str(), MB_ICONEXCLAMATION | MB_OK);
    return result;
}

BOOL CCalibrateDlg::OnInitDialog()
{
    FitToMonitor();
    CDialogBase::OnInitDialog();
    EnableWindow(GetDlgItem(m_hWnd, IDC_CAL_REPORTED), m_cal->Reported() > 0);
    SendDlgItemMessageA(m_hWnd, IDC_CAL_SPIN, UDM_SETRANGE32, WPARAM(m_cal->MinBar()), LPARAM(m_cal->MaxBar()));
    ShowStatus();
    Refresh();
    SetFocus(GetDlgItem(m_hWnd, IDC_CAL_BAR));
    return FALSE;
}

void CCalibrateDlg::FitToMonitor()
{
    const std::optional<CalibrationRecord> stored = ReadCalibration(m_settings, m_facts.identity);
    const RECT bar = ChildRect(m_hWnd, IDC_CAL_BAR);
    RECT wr{};
    GetWindowRect(m_hWnd, &wr);
    // Centred on the monitor being calibrated: the bar must be measured on that glass.
    const CalibrationDialogFit fit =
        FitCalibrationDialog(FromRECT(wr), int(bar.right - bar.left),
                             CCalibration(m_facts.monitor, stored, INT32_MAX).BarPixels(), FromRECT(m_facts.rcWork),
                             kBarSlack, kMonitorMargin);
    if (fit.widenBy > 0)
        for (int id : {IDC_CAL_INSTRUCTIONS, IDC_CAL_BAR, IDC_CAL_READOUT, IDC_CAL_STATUS})
            WidenChild(m_hWnd, id, fit.widenBy);
    m_cal.emplace(m_facts.monitor, stored, fit.barRoom);
    const Rect& r = fit.bounds;
    SetWindowPos(m_hWnd, nullptr, r.left, r.top, int(r.Width()), int(r.Height()), SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string CCalibrateDlg::SourceText(DensitySource source) const
{
    return LoadResString(UINT(DensitySourceStringId(source)));
}

void CCalibrateDlg::ShowStatus()
{
    std::string text;
    const auto& stored = m_cal->Stored();
    switch (m_cal->StoredFit()) {
    case CalibrationFit::Applies:
        text = ReplaceArgs(LoadResString(IDS_CAL_STORED), Dpi(stored->density), SourceText(stored->source));
        break;
    case CalibrationFit::OtherMode:
        text = ReplaceArgs(LoadResString(IDS_CAL_OTHER_MODE), Dpi(stored->density), ModeText(stored->mode),
                    ModeText(m_facts.monitor.mode));
        break;
    case CalibrationFit::None:
        text = LoadResString(IDS_CAL_NONE);
        break;
    }
    const CalibrationMonitor& m = m_facts.monitor;
    text += " ";
    text += m_cal->Reported() > 0 ? ReplaceArgs(LoadResString(IDS_CAL_REPORTED), std::to_string(m.reportedWidthMm),
                                         std::to_string(m.reportedHeightMm), Dpi(m_cal->Reported()))
                                   : LoadResString(IDS_CAL_NOT_REPORTED);
    SetDlgItemTextA(m_hWnd, IDC_CAL_STATUS, text.c_str());
}

void CCalibrateDlg::Refresh()
{
    m_bRefreshing = true;
    const Density& d = m_cal->GetDensity();
    const int bar = m_cal->BarPixels();
    SetDlgItemTextA(m_hWnd, IDC_CAL_READOUT,
                    ReplaceArgs(LoadResString(IDS_CAL_READOUT), std::to_string(bar), Dpi(d.dpi), SourceText(d.source)).c_str());
    SendDlgItemMessageA(m_hWnd, IDC_CAL_SPIN, UDM_SETPOS32, 0, LPARAM(bar));
    char width[32];
    std::snprintf(width, sizeof width, "%.2f", m_cal->VisibleWidthMm());
    m_strShownWidth = width;
    SetDlgItemTextA(m_hWnd, IDC_CAL_WIDTH, width);
    InvalidateRect(GetDlgItem(m_hWnd, IDC_CAL_BAR), nullptr, TRUE);
    m_bRefreshing = false;
}

void CCalibrateDlg::DoDataExchange(CDataExchange& dx)
{
    if (!dx.m_bSaveAndValidate)
        return;
    std::string text;
    DDX_Text(dx, IDC_CAL_WIDTH, text);
    if (text == m_strShownWidth)
        return;
    // A width the user typed: it sets the density, or the text stays for mending.
    const TypedWidth t = m_cal->TypeVisibleWidth(text);
    if (t.status == TypedWidthStatus::NotANumber)
        dx.Fail(IDC_CAL_WIDTH, LoadResString(IDS_CAL_WIDTH_INVALID));
    if (t.status == TypedWidthStatus::OutOfRange)
        dx.Fail(IDC_CAL_WIDTH, ReplaceArgs(LoadResString(IDS_CAL_WIDTH_RANGE), FormatNumber(t.minMillimetres, false, 2),
                                    FormatNumber(t.maxMillimetres, false, 2)));
    Refresh();
}

void CCalibrateDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    m_result = m_cal->Result();
    if (!WriteCalibration(m_settings, m_facts.identity, m_result)) {
        AppMessageBox(m_hWnd, LoadResString(IDS_CAL_NOT_STORED).c_str(), MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    EndDialog(IDOK);
}

bool CCalibrateDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_CAL_APPLY_WIDTH && code == BN_CLICKED) {
        UpdateData(true);
        return true;
    }
    if (id == IDC_CAL_REPORTED && code == BN_CLICKED) {
        m_cal->UseReported();
        Refresh();
        return true;
    }
    if (id == IDC_CAL_PIXELS && code == EN_CHANGE && !m_bRefreshing) {
        BOOL ok = FALSE;
        const int px = int(GetDlgItemInt(m_hWnd, IDC_CAL_PIXELS, &ok, FALSE));
        if (ok && px != m_cal->BarPixels()) {
            m_cal->SetBarPixels(px);
            Refresh();
        }
        return true;
    }
    return CDialogBase::OnCommand(id, code, control);
}

bool CCalibrateDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT* result)
{
    switch (msg) {
    case kMsgBarLength:
        *result = m_cal ? m_cal->BarPixels() : 0;
        return true;
    case kMsgBarStep:
        m_cal->StepBar(int(wParam));
        Refresh();
        *result = 0;
        return true;
    case kMsgBarSet:
        m_cal->SetBarPixels(int(wParam));
        Refresh();
        *result = 0;
        return true;
    case WM_HELP:
        ShowHelpTopic(m_hWnd, "calibration");
        *result = TRUE;
        return true;
    default:
        return false;
    }
}
