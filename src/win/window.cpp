#include "win/window.h"

#include "win/dialog.h"

#include <cstdio>
#include <cstring>

namespace {
const char kThisProp[] = "Calyx.CWindow";
CWindow* g_pMainWindow = nullptr;
} // namespace

CWindow* GetMainWindow()
{
    return g_pMainWindow;
}

void SetMainWindow(CWindow* window)
{
    g_pMainWindow = window;
}

HWND GetMainWindowHandle()
{
    return g_pMainWindow ? g_pMainWindow->m_hWnd : nullptr;
}

CWindow::~CWindow()
{
    if (m_hWnd && IsWindow(m_hWnd)) {
        RemovePropA(m_hWnd, kThisProp);
        ::DestroyWindow(m_hWnd);
    }
}

const char* CWindow::RegisterWindowClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    // Names of classes already registered live as long as the process.
    static char names[8][64];
    static int used = 0;
    char name[64];
    std::snprintf(name, sizeof name, "Calyx:%p:%x:%p:%p:%p", static_cast<void*>(GetModuleHandleA(nullptr)),
                  classStyle, static_cast<void*>(cursor), static_cast<void*>(background), static_cast<void*>(icon));
    for (int i = 0; i < used; ++i)
        if (std::strcmp(names[i], name) == 0)
            return names[i];
    if (used == 8)
        return nullptr;
    WNDCLASSA wc{};
    wc.style = classStyle;
    wc.lpfnWndProc = &CWindow::StaticWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    std::snprintf(names[used], sizeof names[used], "%s", name);
    return names[used++];
}

bool CWindow::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int cx,
                       int cy, HWND parent, HMENU menu)
{
    HWND hWnd = CreateWindowExA(exStyle, className, title, style, x, y, cx, cy, parent, menu,
                                GetModuleHandleA(nullptr), this);
    return hWnd != nullptr;
}

bool CWindow::DestroyWindow()
{
    return m_hWnd && ::DestroyWindow(m_hWnd);
}

namespace {
// Changes bits of the style or extended style; with swpFlags, SetWindowPos applies them.
bool ModifyLong(HWND hWnd, int index, DWORD remove, DWORD add, UINT swpFlags)
{
    const DWORD old = DWORD(GetWindowLongPtrA(hWnd, index));
    const DWORD now = (old & ~remove) | add;
    if (now == old)
        return false;
    SetWindowLongPtrA(hWnd, index, LONG_PTR(now));
    if (swpFlags)
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | swpFlags);
    return true;
}
} // namespace

bool CWindow::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyLong(m_hWnd, GWL_STYLE, remove, add, swpFlags);
}

bool CWindow::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, swpFlags);
}

CWindow* CWindow::FromHandle(HWND hWnd)
{
    return hWnd ? static_cast<CWindow*>(GetPropA(hWnd, kThisProp)) : nullptr;
}

bool CWindow::PreTranslateMessage(MSG*)
{
    return false;
}

LRESULT CWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Default(msg, wParam, lParam);
}

LRESULT CWindow::Default(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CWindow::StaticWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CWindow* self = FromHandle(hWnd);
    if (!self && msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        self = static_cast<CWindow*>(cs->lpCreateParams);
        if (self) {
            self->m_hWnd = hWnd;
            SetPropA(hWnd, kThisProp, self);
        }
    }
    // Messages that arrive before WM_NCCREATE (WM_GETMINMAXINFO) go to the default procedure.
    if (!self)
        return DefWindowProcA(hWnd, msg, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->WindowProc(msg, wParam, lParam);
    } catch (...) {
        // A failure inside a handler abandons that message only.
        result = msg == WM_CREATE ? -1 : DefWindowProcA(hWnd, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY) {
        RemovePropA(hWnd, kThisProp);
        self->m_hWnd = nullptr;
        self->PostNcDestroy();
    }
    return result;
}

namespace {
bool Route(MSG& msg, CWindow* mainWindow)
{
    if (CDialogBase::PreTranslateDialogMessage(&msg))
        return true;
    for (HWND h = msg.hwnd; h; h = GetParent(h))
        if (CWindow* w = CWindow::FromHandle(h))
            return w->PreTranslateMessage(&msg);
    return mainWindow && mainWindow->m_hWnd && mainWindow->PreTranslateMessage(&msg);
}
} // namespace

int RunMessageLoop()
{
    MSG msg{};
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0)
            return int(msg.wParam);
        if (got == -1)
            return -1;
        // The main window as it is now: once its window has gone the object is deleted, and
        // messages that were queued before WM_QUIT still pass through here.
        if (Route(msg, GetMainWindow()))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
