#include "tools/target_outline_win.h"

namespace {

LRESULT CALLBACK OutlineProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // The pointer goes through to the window below, as if the outline were not there.
    if (msg == WM_NCHITTEST)
        return HTTRANSPARENT;
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

const char* OutlineClass()
{
    static const char kName[] = "Calyx:TargetOutline";
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &OutlineProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = nullptr;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1);
        wc.lpszClassName = kName;
        registered = RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
    return registered ? kName : nullptr;
}

} // namespace

CTargetOutline::~CTargetOutline()
{
    for (HWND& edge : m_edges) {
        if (edge)
            DestroyWindow(edge);
        edge = nullptr;
    }
}

void CTargetOutline::Show(HWND target)
{
    if (!target || !IsWindow(target)) {
        Hide();
        return;
    }
    RECT rc{};
    GetWindowRect(target, &rc);
    if (target == m_hwndTarget && EqualRect(&rc, &m_rcShown))
        return;
    if (!m_edges[0]) {
        const char* cls = OutlineClass();
        if (!cls)
            return;
        for (HWND& edge : m_edges)
            edge = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, cls, "",
                                   WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    // Top, bottom, left and right, inside the window's rectangle.
    struct Piece {
        int x, y, cx, cy;
    };
    const int k = kThickness;
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;
    const int side = h > 2 * k ? h - 2 * k : 0;
    const Piece pieces[4] = {
        {rc.left, rc.top, w, h < k ? h : k},
        {rc.left, rc.bottom - k, w, h > k ? k : 0},
        {rc.left, rc.top + k, w < k ? w : k, side},
        {rc.right - k, rc.top + k, w > k ? k : 0, side},
    };
    for (int i = 0; i < 4; ++i) {
        const Piece& p = pieces[i];
        const UINT show = p.cx > 0 && p.cy > 0 ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
        if (!m_edges[i])
            continue;
        SetWindowPos(m_edges[i], HWND_TOPMOST, p.x, p.y, p.cx, p.cy, SWP_NOACTIVATE | show);
        // Painted now: the drag's messages come faster than the loop would get to it.
        UpdateWindow(m_edges[i]);
    }
    m_hwndTarget = target;
    m_rcShown = rc;
}

void CTargetOutline::Hide()
{
    if (m_hwndTarget)
        for (HWND edge : m_edges)
            if (edge)
                ShowWindow(edge, SW_HIDE);
    m_hwndTarget = nullptr;
    m_rcShown = RECT{};
}
