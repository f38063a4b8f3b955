#include "tools/target_outline_win.h"

#include "tools/picker_rules.h"
#include "win/convert.h"

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
    OutlinePiece pieces[4];
    LayOutlinePieces(FromRECT(rc), kThickness, pieces);
    for (int i = 0; i < 4; ++i) {
        const OutlinePiece& p = pieces[i];
        if (!m_edges[i])
            continue;
        SetWindowPos(m_edges[i], HWND_TOPMOST, p.x, p.y, p.cx, p.cy,
                     SWP_NOACTIVATE | (p.Shown() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
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
