// Windows of another program for the sizing tool's tests, and a way to read where windows are.
//   win_sizing_target show        the standard set (below), until its first window is closed
//   win_sizing_target grid N [TOP] N x N small resizable windows over the screen below TOP (100),
//                             titled "Sizing grid 0" and on, until the first is closed
//   win_sizing_target rect TITLE [CONTROL]
//                             prints "left top right bottom style text" of the top-level window
//                             with that title (or of its control with that id), style in hex
// Each window counts the times it was moved or sized in its property "moves".
// The standard set, each found by its title:
//   "Sizing target: resizable"  an overlapped window with a button (101) and a child window
//                               with a sizing border (102)
//   "Sizing target: fixed"      caption and system menu, no sizing border
//   "Sizing target: popup"      a resizable pop-up with a caption, owned by the first
//   "Sizing target: borderless" a resizable pop-up without caption or border
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

LRESULT CALLBACK TargetProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // How often the window was moved or sized, for whoever wants to know whether it was.
    if (msg == WM_WINDOWPOSCHANGED) {
        const auto n = reinterpret_cast<UINT_PTR>(GetPropA(hWnd, "moves"));
        SetPropA(hWnd, "moves", reinterpret_cast<HANDLE>(n + 1));
    }
    if (msg == WM_CLOSE && GetPropA(hWnd, "quits")) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

const char* TargetClass()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = &TargetProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "SizingTarget";
    RegisterClassA(&wc);
    return wc.lpszClassName;
}

HWND Make(const char* title, DWORD style, int x, int y, int w, int h, HWND owner = nullptr, DWORD ex = 0)
{
    return CreateWindowExA(ex, TargetClass(), title, style | WS_VISIBLE, x, y, w, h, owner, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

int Loop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

int Show()
{
    HWND main = Make("Sizing target: resizable", WS_OVERLAPPEDWINDOW, 300, 200, 400, 300);
    SetPropA(main, "quits", main);
    CreateWindowExA(0, "BUTTON", "Inner button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 120, 30, main,
                    reinterpret_cast<HMENU>(101), GetModuleHandleA(nullptr), nullptr);
    CreateWindowExA(WS_EX_CLIENTEDGE, TargetClass(), "inner frame", WS_CHILD | WS_VISIBLE | WS_THICKFRAME, 150, 60,
                    200, 150, main, reinterpret_cast<HMENU>(102), GetModuleHandleA(nullptr), nullptr);
    Make("Sizing target: fixed", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 750, 200, 300, 200);
    Make("Sizing target: popup", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 350, 560, 300, 200, main);
    Make("Sizing target: borderless", WS_POPUP | WS_THICKFRAME, 750, 560, 200, 120);
    return Loop();
}

int Grid(int n, int top)
{
    const int cw = GetSystemMetrics(SM_CXSCREEN) / n;
    const int ch = (GetSystemMetrics(SM_CYSCREEN) - top) / n;
    HWND first = nullptr;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            char title[32];
            std::snprintf(title, sizeof title, "Sizing grid %d", r * n + c);
            HWND w = Make(title, WS_OVERLAPPEDWINDOW, c * cw, top + r * ch, cw, ch);
            if (!first) {
                first = w;
                SetPropA(w, "quits", w);
            }
        }
    return Loop();
}

int Rect(const char* title, const char* control)
{
    HWND w = FindWindowA(nullptr, title);
    if (w && control)
        w = GetDlgItem(w, std::atoi(control));
    if (!w)
        return 1;
    RECT r{};
    GetWindowRect(w, &r);
    // WM_GETTEXT, not GetWindowText: another program's combo box answers only the message.
    char text[256] = "";
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
    std::printf("%ld %ld %ld %ld 0x%08lX %s\n", r.left, r.top, r.right, r.bottom,
                static_cast<unsigned long>(GetWindowLongPtrA(w, GWL_STYLE)), text);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "show";
    if (!lstrcmpA(mode, "show"))
        return Show();
    if (!lstrcmpA(mode, "grid"))
        return Grid(argc > 2 ? std::atoi(argv[2]) : 10, argc > 3 ? std::atoi(argv[3]) : 100);
    if (!lstrcmpA(mode, "rect") && argc > 2)
        return Rect(argv[2], argc > 3 ? argv[3] : nullptr);
    std::fprintf(stderr, "usage: win_sizing_target show | grid N [TOP] | rect TITLE [CONTROL]\n");
    return 2;
}
