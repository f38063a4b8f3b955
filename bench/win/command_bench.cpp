// Commands on a real 1280-pixel ruler under Wine:
//  1. a unit key (M, then P, alternating) from the key-down message, as the message loop
//     hands it to the ruler, through the accelerator, the enable test, the command and the
//     style change, to the ruler repainted (UpdateWindow, GdiFlush): median, 95th percentile
//     and worst;
//  2. the context menu opened and closed a thousand times, and a thousand commands of every
//     kind run: GDI objects, USER objects and private memory at the start and at the end.
//   wbench_command_bench.exe [ROUNDS]
#include "resource.h"
#include "ruler/view_flags.h"
#include "support/object_counts.h"
#include "support/ruler_fixture.h"

#include "bench_timing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    EndMenu();
}

void PressKey(CRulerWnd* ruler, WPARAM key)
{
    MSG msg{ruler->m_hWnd, WM_KEYDOWN, key, 1, GetTickCount(), POINT{}};
    ruler->PreTranslateMessage(&msg);
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
    CRulerFixture f;
    f.settings.m_nCaption = 0xC1;
    if (!f.Create(RS_HORZ | RS_UNIT_PX | RS_GUIDE | RS_MAGNIFIER | WS_THICKFRAME, RECT{0, 100, 1280, 156})) {
        std::fprintf(stderr, "cannot create the ruler\n");
        return 1;
    }
    CRulerWnd* ruler = f.ruler;
    ruler->m_hAccel = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));

    // 1. Key to repainted ruler.
    std::vector<double> times;
    for (int i = 0; i < rounds + 10; ++i) {
        const double t0 = BenchNow();
        PressKey(ruler, i % 2 ? 'P' : 'M');
        UpdateWindow(ruler->m_hWnd);
        GdiFlush();
        const double t1 = BenchNow();
        if (i >= 10)
            times.push_back(t1 - t0);
        PumpUntilIdle(0, 20);
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    std::printf("unit key to repainted 1280-px ruler: median %.3f ms, 95th percentile %.3f ms, worst %.3f ms "
                "(%d rounds)\n",
                BenchMedian(times), sorted[sorted.size() * 95 / 100], sorted.back(), rounds);

    // 2. A thousand context menus.
    for (int i = 0; i < 10; ++i) {
        SetTimer(nullptr, 0, 1, &CloseMenu);
        ruler->ShowContextMenu(POINT{300, 200});
    }
    const ObjectCounts menusBefore = TakeObjectCounts();
    for (int i = 0; i < 1000; ++i) {
        SetTimer(nullptr, 0, 1, &CloseMenu);
        ruler->ShowContextMenu(POINT{300, 200});
    }
    PrintObjectCounts("1000 context menus:", menusBefore, TakeObjectCounts());

    // 3. A thousand commands of every kind (each group returns the ruler to where it was).
    const UINT commands[] = {
        ID_UNIT_CM, ID_UNIT_DBU, ID_UNIT_DU, ID_UNIT_IN, ID_UNIT_PC, ID_UNIT_PT, ID_UNIT_TWIP, ID_UNIT_PX,
        ID_UNIT_NEXT, ID_UNIT_NEXT, ID_BASE_10, ID_BASE_2, ID_COLOR_NEXT, ID_COLOR_WEB_SAFE, ID_COLOR_WEB_SAFE,
        ID_CAPTION_ANGLE, ID_CAPTION_ANGLE, ID_CAPTION_COLOR, ID_CAPTION_COLOR, ID_SCALE_ZOOM_IN, ID_SCALE_ZOOM_OUT,
        ID_SCALE_NORMAL, ID_ZOOM_IN, ID_ZOOM_OUT, ID_ZOOM_NORMAL, ID_SHOW_GUIDE, ID_SHOW_GUIDE, ID_SHOW_MAGNIFIER,
        ID_SHOW_MAGNIFIER, ID_SHOW_BORDER, ID_SHOW_BORDER, ID_TOGGLE_SIDE, ID_TOGGLE_SIDE, ID_TOGGLE_ORIENTATION,
        ID_TOGGLE_ORIENTATION, ID_COPY_CAPTION, ID_COPY_COLOR, ID_EDIT_COPY,
    };
    const int n = int(sizeof commands / sizeof commands[0]);
    for (int i = 0; i < n; ++i)
        ruler->RunCommand(commands[i]);
    const ObjectCounts commandsBefore = TakeObjectCounts();
    const int total = 1000 + (n - 1000 % n) % n;  // whole rounds: the ruler ends as it began
    for (int i = 0; i < total; ++i) {
        ruler->RunCommand(commands[i % n]);
        if (i % 50 == 0)
            PumpUntilIdle(0, 20);
    }
    char what[64];
    std::snprintf(what, sizeof what, "%d commands:", total);
    PrintObjectCounts(what, commandsBefore, TakeObjectCounts());
    return 0;
}
