#include "tools/window_picker_win.h"

#include "platform/icon_cache_win.h"
#include "resource.h"
#include "tools/size_text.h"
#include "tools/sizing_ops_win.h"
#include "tools/sizing_tool_dlg_win.h"
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

} // namespace

BOOL FlashWindowFrame(HWND window, int count, int stepMs)
{
    if (!window || !IsWindow(window) || !IsWindowVisible(window))
        return FALSE;
    const LONG_PTR caption = GetWindowLongPtrA(window, GWL_STYLE) & (WS_BORDER | WS_DLGFRAME);
    int penWidth = 2;
    if (!caption) {
        RECT outer{}, client{};
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        const int d = (outer.right - outer.left) - (client.right - client.left);
        if (d / 2 > 2)
            penWidth = d / 2;
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
    const bool captured = GetCapture() == m_hWnd;
    switch (msg) {
    case WM_LBUTTONDOWN:
        BeginTracking();
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(client);
        return 0;
    case WM_MOUSEMOVE:
        if (captured) {
            SetTrackingCursor();
            TrackPointer(client);
        } else if (m_bTracking) {
            EndTracking();
        }
        return 0;
    case WM_SETCURSOR:
        if (captured)
            break;
        if (m_bTracking)
            EndTracking();
        SetCursor(PickerCursor(IDC_PICKER));
        return TRUE;
    case WM_RBUTTONDOWN:
        // During a drag the right button cancels it: nothing is picked.
        if (captured || m_bTracking)
            EndTracking();
        return 0;
    case WM_CAPTURECHANGED:
        // The drag itself ends at the next message that reaches the picker; the outline
        // must not stay on the screen until then.
        if (reinterpret_cast<HWND>(lParam) != m_hWnd)
            m_outline.Hide();
        break;
    default:
        break;
    }
    return CallWindowProcA(m_pfnControlProc, m_hWnd, msg, wParam, lParam);
}

void CWindowPicker::OnLButtonUp(POINT client)
{
    if (GetCapture() != m_hWnd) {
        if (m_bTracking)
            EndTracking();
        return;
    }
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
    for (;;) {
        if (GetWindowLongPtrA(window, GWL_STYLE) & WS_THICKFRAME)
            return window;
        HWND parent = GetParent(window);
        if (!parent)
            return window;
        window = parent;
    }
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
