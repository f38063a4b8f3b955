// The sizing tool's figures under Wine:
//  1. the Get size picker dragged across 100 windows of another program (a 10 x 10 grid):
//     for each crossing, the time the picker takes to handle the move (find and outline the
//     window), and the time until the outline's pixels are on the screen; the process's GDI
//     objects and windows before the drag and after it;
//  2. Get size and Set size from the hot key press (keyboard input injected with SendInput)
//     until the other program's window has its new size (Set) or the size is read (Get),
//     with the ruler's message loop running in between.
//   wbench_sizing_bench.exe [PASSES] [PRESSES]
#include "resource.h"
#include "ruler/view_flags.h"
#include "settings/ruler_settings.h"
#include "support/ruler_fixture.h"
#include "support/target_process.h"
#include "tools/hot_key_registration_win.h"
#include "tools/sizing_tool_dlg_win.h"
#include "tools/target_outline_win.h"

#include "bench_timing.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kGrid = 10;
constexpr int kGridTop = 300; // the dialog stays above the grid

double Percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p * double(v.size())))];
}

void Report(const char* what, const std::vector<double>& v)
{
    std::printf("%-44s median %6.2f  p90 %6.2f  p99 %6.2f  max %6.2f ms  (n=%zu)\n", what, BenchMedian(v),
                Percentile(v, 0.9), Percentile(v, 0.99), Percentile(v, 1.0), v.size());
    int over = 0;
    for (double x : v)
        over += x > 16.0;
    std::printf("%-44s %d over 16 ms\n", "", over);
}

struct WindowCount {
    DWORD pid;
    int n;
};

BOOL CALLBACK CountChild(HWND, LPARAM lParam)
{
    ++reinterpret_cast<WindowCount*>(lParam)->n;
    return TRUE;
}

BOOL CALLBACK CountTop(HWND hWnd, LPARAM lParam)
{
    auto* c = reinterpret_cast<WindowCount*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    if (pid == c->pid) {
        ++c->n;
        EnumChildWindows(hWnd, &CountChild, lParam);
    }
    return TRUE;
}

// The windows of this process, top-level and child.
int CountOwnWindows()
{
    WindowCount c{GetCurrentProcessId(), 0};
    EnumWindows(&CountTop, reinterpret_cast<LPARAM>(&c));
    return c.n;
}

void Drag(HWND picker, UINT msg, POINT screen)
{
    ScreenToClient(picker, &screen);
    SendMessageA(picker, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(WORD(screen.x), WORD(screen.y)));
}

void PickerDrag(int passes)
{
    CTargetProcess grid("grid 10 300", "Sizing grid 99");
    if (!grid.Ready()) {
        std::printf("the grid of windows did not appear\n");
        return;
    }
    CRulerSettings settings;
    ToggleSizingTool(settings);
    if (!g_pSizingToolDlg)
        return;
    SetWindowPos(g_pSizingToolDlg->m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE);
    PumpUntilIdle();
    HWND picker = GetDlgItem(g_pSizingToolDlg->m_hWnd, IDC_PICK_GET_SIZE);
    RECT pr{};
    GetWindowRect(picker, &pr);
    const POINT start{(pr.left + pr.right) / 2, (pr.top + pr.bottom) / 2};

    std::vector<HWND> windows;
    for (int i = 0; i < kGrid * kGrid; ++i) {
        char title[32];
        std::snprintf(title, sizeof title, "Sizing grid %d", i);
        windows.push_back(FindWindowA("SizingTarget", title));
    }
    const COLORREF outline = GetSysColor(COLOR_HIGHLIGHT);
    // A warm-up drag: the first outline windows and the caches.
    Drag(picker, WM_LBUTTONDOWN, start);
    Drag(picker, WM_MOUSEMOVE, POINT{100, kGridTop + 100});
    Drag(picker, WM_RBUTTONDOWN, start);
    CScreenDC screen;
    PumpUntilIdle();
    const int gdiBefore = CountGdiObjects();
    const int windowsBefore = CountOwnWindows();

    std::vector<double> handled, shown;
    int wrong = 0;
    for (int pass = 0; pass < passes; ++pass) {
        Drag(picker, WM_LBUTTONDOWN, start);
        for (int k = 0; k < kGrid * kGrid; ++k) {
            // Boustrophedon order, so that each crossing is into a neighbour.
            const int row = k / kGrid;
            const int col = row % 2 ? kGrid - 1 - k % kGrid : k % kGrid;
            HWND w = windows[std::size_t(row * kGrid + col)];
            RECT r{};
            GetWindowRect(w, &r);
            const POINT p{(r.left + r.right) / 2 + pass, (r.top + r.bottom) / 2};
            const double t0 = BenchNow();
            Drag(picker, WM_MOUSEMOVE, p);
            const double t1 = BenchNow();
            handled.push_back(t1 - t0);
            if (g_pSizingToolDlg->m_pickerGet.OutlinedWindow() != w)
                ++wrong;
            // The outline's top edge, in the middle of the window, as the screen shows it: Wine
            // puts what was painted on the screen when the thread next looks at its messages,
            // as the message loop does after each move.
            const int x = (r.left + r.right) / 2, y = r.top + 1;
            while (GetPixel(screen, x, y) != outline && BenchNow() - t0 < 200) {
                MSG msg;
                while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                    DispatchMessageA(&msg);
            }
            shown.push_back(BenchNow() - t0);

        }
        Drag(picker, WM_RBUTTONDOWN, start);
        PumpUntilIdle(20, 500);
    }
    const int gdiAfter = CountGdiObjects();
    const int windowsAfter = CountOwnWindows();
    std::printf("picker drag across %d windows of another program, %d passes:\n", kGrid * kGrid, passes);
    Report("  handling one crossing (find + outline)", handled);
    Report("  crossing until the outline is on screen", shown);
    std::printf("  crossings that outlined another window: %d\n", wrong);
    std::printf("  GDI objects before %d, after %d; windows before %d, after %d\n", gdiBefore, gdiAfter,
                windowsBefore, windowsAfter);
    DestroyWindow(g_pSizingToolDlg->m_hWnd);
}

void PressKeys(WORD vk)
{
    const WORD keys[] = {VK_CONTROL, VK_MENU, vk};
    INPUT in[6] = {};
    for (int i = 0; i < 3; ++i) {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = keys[i];
        in[5 - i].type = INPUT_KEYBOARD;
        in[5 - i].ki.wVk = keys[i];
        in[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(6, in, sizeof(INPUT));
}

// Runs the message loop until `done` holds (at most 2 s); the time taken, or -1.
template <class Done>
double PumpUntil(double t0, Done done)
{
    while (!done()) {
        if (BenchNow() - t0 > 2000)
            return -1;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    return BenchNow() - t0;
}

void HotKeys(int presses)
{
    CTargetProcess targets;
    if (!targets.Ready()) {
        std::printf("the target windows did not appear\n");
        return;
    }
    HWND target = CTargetProcess::Window(CTargetProcess::kResizable);
    CRulerFixture f;
    if (!f.Create(RS_HORZ | RS_UNIT_PX | WS_THICKFRAME, RECT{100, 900, 500, 956}))
        return;
    SetMainWindow(f.ruler);
    CRulerSettings& s = f.settings;
    s.m_nHKMode = 0; // the foreground window: the target, activated once
    s.m_bDoWidth = 1;
    s.m_bDoFrame = 1;
    s.m_bHKGet = s.m_bHKSet = 1;
    s.m_wHKMGet = s.m_wHKMSet = MOD_CONTROL | MOD_ALT;
    s.m_wHKVGet = VK_F9;
    s.m_wHKVSet = VK_F10;
    RegisterSizingHotKeys(f.Hwnd(), s);
    SetForegroundWindow(target);
    PumpUntilIdle();
    std::vector<double> set, get;
    int failures = 0;
    for (int i = 0; i < presses; ++i) {
        // Set size: the window takes the other of two widths.
        const int width = i % 2 ? 420 : 460;
        s.m_nWidth = width;
        double t0 = BenchNow();
        PressKeys(VK_F10);
        double t = PumpUntil(t0, [&] {
            RECT r{};
            GetWindowRect(target, &r);
            return r.right - r.left == width;
        });
        t < 0 ? ++failures : (set.push_back(t), 0);
        // Get size: the width is read back.
        s.m_nWidth = 1;
        t0 = BenchNow();
        PressKeys(VK_F9);
        t = PumpUntil(t0, [&] { return s.m_nWidth == width; });
        t < 0 ? ++failures : (get.push_back(t), 0);
        PumpUntilIdle(5, 100);
    }
    std::printf("hot key press to the changed window, %d presses each (another program's window):\n", presses);
    Report("  Set size (Ctrl+Alt+F10)", set);
    Report("  Get size (Ctrl+Alt+F9)", get);
    std::printf("  presses without effect within 2 s: %d\n", failures);
    UnregisterHotKey(f.Hwnd(), HOTKEY_GET_SIZE);
    UnregisterHotKey(f.Hwnd(), HOTKEY_SET_SIZE);
    SetMainWindow(nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    const int passes = argc > 1 ? std::atoi(argv[1]) : 5;
    const int presses = argc > 2 ? std::atoi(argv[2]) : 51;
    PickerDrag(passes);
    HotKeys(presses);
    return 0;
}
