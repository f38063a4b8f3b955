#include "tools/window_picker_win.h"

#include "platform/icon_cache_win.h"
#include "resource.h"
#include "tools/picker_rules.h"
#include "tools/size_text.h"
#include "tools/sizing_ops_win.h"
#include "tools/sizing_tool_dlg_win.h"
#include "tools/target_style.h"
#include "win/handles.h"

#include <windowsx.h>

namespace {

const char kPickerProp[] = "Calyx.CWindowPicker";

void SetPickerIcon(HWND control, UINT iconId)
{
    SendMessageA(control, STM_SETICON, WPARAM(LoadCachedIcon(iconId)), 0);
}

HCURSOR PickerCursor(UINT id)
{
    return LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

// The window's outline inverted once, on a context of the whole window.
void InvertWindowOutline(HWND window, int penWidth)
{
    RECT rc{};
    GetWindowRect(window, &rc);
    CWindowDC dc(window);
    if (!dc)
        return;
    CPenHandle pen(CreatePen(PS_INSIDEFRAME, penWidth, RGB(0, 0, 0)));
    CSelectObject usePen(dc, pen.Get());
    CSelectObject noFill(dc, GetStockObject(NULL_BRUSH));
    const int oldRop = SetROP2(dc, R2_NOT);
    Rectangle(dc, 0, 0, rc.right - rc.left, rc.bottom - rc.top);
    SetROP2(dc, oldRop);
}

PickerMessage PickerMessageOf(UINT msg)
{
    switch (msg) {
    case WM_LBUTTONDOWN: return PickerMessage::kLButtonDown;
    case WM_LBUTTONUP: return PickerMessage::kLButtonUp;
    case WM_MOUSEMOVE: return PickerMessage::kMouseMove;
    case WM_SETCURSOR: return PickerMessage::kSetCursor;
    case WM_RBUTTONDOWN: return PickerMessage::kRButtonDown;
    case WM_CAPTURECHANGED: return PickerMessage::kCaptureChanged;
    default: return PickerMessage::kOther;
    }
}

} // namespace

BOOL FlashWindowFrame(HWND window, int count, int stepMs)
{
    if (!window || !IsWindow(window) || !IsWindowVisible(window))
        return FALSE;
    const bool caption = FlashesCaption(std::uint32_t(GetWindowLongPtrA(window, GWL_STYLE)));
    int penWidth = 2;
    if (!caption) {
        RECT outer{}, client{};
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        penWidth = FlashPenWidth(outer.right - outer.left, client.right - client.left);
    }
    for (int i = 0; i < 2 * count; ++i) {
        if (caption)
            FlashWindow(window, i % 2 == 0);
        else
            InvertWindowOutline(window, penWidth);
        Sleep(DWORD(stepMs));
    }
    return TRUE;
}

CWindowPicker::~CWindowPicker()
{
    Detach();
}

void CWindowPicker::Attach(HWND control)
{
    if (m_hWnd || !control)
        return;
    m_hWnd = control;
    SetPropA(control, kPickerProp, this);
    m_pfnControlProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
}

void CWindowPicker::Detach()
{
    m_outline.Hide();
    if (!m_hWnd)
        return;
    if (m_pfnControlProc)
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnControlProc));
    RemovePropA(m_hWnd, kPickerProp);
    m_hWnd = nullptr;
}

LRESULT CALLBACK CWindowPicker::SubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<CWindowPicker*>(GetPropA(hWnd, kPickerProp));
    if (!self)
        return DefWindowProcA(hWnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        const WNDPROC original = self->m_pfnControlProc;
        self->Detach();
        return CallWindowProcA(original, hWnd, msg, wParam, lParam);
    }
    try {
        return self->WindowProc(msg, wParam, lParam);
    } catch (...) {
        // Nothing a handler throws may cross the window procedure.
        return 0;
    }
}

LRESULT CWindowPicker::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const POINT client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const PickerStep step = PickerStepFor(PickerMessageOf(msg), GetCapture() == m_hWnd, m_bTracking != FALSE,
                                          reinterpret_cast<HWND>(lParam) == m_hWnd);
    if (step.hideOutline)
        m_outline.Hide();
    if (step.endTracking)
        EndTracking();
    if (step.beginTracking)
        BeginTracking();
    if (step.follow) {
        SetTrackingCursor();
        TrackPointer(client);
    }
    if (step.pick)
        PickAt(client);
    if (step.idleCursor)
        SetCursor(PickerCursor(IDC_PICKER));
    if (step.result == PickerStep::kZero)
        return 0;
    if (step.result == PickerStep::kTrue)
        return TRUE;
    return CallWindowProcA(m_pfnControlProc, m_hWnd, msg, wParam, lParam);
}

void CWindowPicker::PickAt(POINT client)
{
    POINT p = client;
    ClientToScreen(m_hWnd, &p);
    HWND w = WindowFromScreenPoint(p);
    EndTracking();
    HWND t = w && IsWindow(w) ? ResolveTarget(w, p) : nullptr;
    if (t && IsWindow(t)) {
        HighlightTarget(t, p);
        OnTargetPicked(t, p);
        return;
    }
    OnNoTarget();
}

void CWindowPicker::TrackPointer(POINT client)
{
    POINT p = client;
    ClientToScreen(m_hWnd, &p);
    HWND w = WindowFromScreenPoint(p);
    m_outline.Show(w && IsWindow(w) ? ResolveTarget(w, p) : nullptr);
}

HWND CWindowPicker::WindowFromScreenPoint(POINT point)
{
    return WindowFromPoint(point);
}

HWND CWindowPicker::ResolveTarget(HWND window, POINT)
{
    return ResolveSizingTarget(
        window, [](HWND w) { return std::uint32_t(GetWindowLongPtrA(w, GWL_STYLE)); }, &GetParent);
}

void CWindowPicker::HighlightTarget(HWND window, POINT)
{
    FlashWindowFrame(window, 2, 25);
}

void CWindowPicker::OnTargetPicked(HWND window, POINT)
{
    GetTargetSize(m_pOwner->Settings(), window);
}

void CWindowPicker::OnNoTarget() {}

void CWindowPicker::BeginTracking()
{
    m_bTracking = TRUE;
    SetCapture(m_hWnd);
    SetTrackingCursor();
    SetPickerIcon(m_hWnd, IDI_PICKER_EMPTY);
}

void CWindowPicker::EndTracking()
{
    m_outline.Hide();
    // Only our own capture: one that another window has taken since is not ours to end.
    if (GetCapture() == m_hWnd)
        ReleaseCapture();
    SetPickerIcon(m_hWnd, IDI_PICKER);
    m_bTracking = FALSE;
}

void CWindowPicker::SetTrackingCursor()
{
    SetCursor(PickerCursor(IDC_PICKER_TRACKING));
}

void CSetSizePicker::OnTargetPicked(HWND window, POINT)
{
    SetTargetSize(m_pOwner->Settings(), window);
}

void CSetSizePicker::BeginTracking()
{
    // The exchange has shown its message when the size is not valid: no drag starts.
    if (!m_pOwner->UpdateData(true))
        return;
    const ParsedSize size = ParseSizeText(m_pOwner->m_strSize);
    m_pOwner->m_strSize = FormatSizeText(size.width, size.height);
    m_pOwner->UpdateData(false);
    CWindowPicker::BeginTracking();
}
