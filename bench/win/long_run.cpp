// Days of use in a few minutes, on a real ruler with its guide and magnifier under Wine: each
// kind of work run many times over, with the process's GDI objects, USER objects and private
// memory taken before and after each kind and over the whole run. Every count must come back
// to where it started (memory within a few pages of allocator slack).
//   wbench_long_run.exe [SCALE]   (SCALE divides every count, for a quick look; default 1)
#include "resource.h"
#include "ruler/view_flags.h"
#include "support/object_counts.h"
#include "support/ruler_fixture.h"
#include "tools/sizing_ops_win.h"

#include "win/common_controls.h"

#include <cstdio>
#include <cstdlib>

namespace {

void Report(const char* what, int n, const ObjectCounts& a, const ObjectCounts& b)
{
    char label[64];
    std::snprintf(label, sizeof label, "%d %s:", n, what);
    PrintObjectCounts(label, a, b);
}

CRulerFixture* g_fixture = nullptr;
HWND g_target = nullptr; // a resizable window of ours for Get size and Set size

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    EndMenu();
}

// The pointer moves every 100 ticks, along the ruler and across it, so that the caption, the
// guide and the magnifier follow it.
void PollTick(int i)
{
    if (i % 100 == 0) {
        const int step = (i / 100) % 64;
        SetCursorPos(40 + step * 18, 80 + (step % 8) * 12);
    }
    g_fixture->ruler->OnPollTimer();
    if (i % 500 == 0)
        PumpUntilIdle(0, 20);
}

void Paint(int i)
{
    HWND ruler = g_fixture->Hwnd();
    InvalidateRect(ruler, nullptr, (i % 4) == 0);
    UpdateWindow(ruler);
}

void ContextMenu(int)
{
    SetTimer(nullptr, 0, 1, &CloseMenu);
    g_fixture->ruler->ShowContextMenu(POINT{300, 200});
}

// Four view toggles, each undone by its next round: the ruler ends as it began.
void ToggleStyle(int i)
{
    static const UINT toggles[] = {ID_SHOW_BORDER, ID_SHOW_GUIDE, ID_TOGGLE_ORIENTATION, ID_SHOW_MAGNIFIER};
    g_fixture->ruler->RunCommand(toggles[i % 4]);
    if (i % 20 == 0)
        PumpUntilIdle(0, 20);
}

// Set size to one of two sizes, then Get size reads it back.
void SizeRun(int i)
{
    CRulerSettings& s = g_fixture->settings;
    s.m_bDoWidth = 1;
    s.m_bDoHeight = 1;
    s.m_bDoFrame = i % 2;
    s.m_nWidth = 400 + (i % 2) * 100;
    s.m_nHeight = 300 + (i % 2) * 50;
    SetTargetSize(s, g_target);
    GetTargetSize(s, g_target);
    if (i % 20 == 0)
        PumpUntilIdle(0, 20);
}

// The custom scale dialog, driven from a timer inside its modal loop: Auto-Preview on, then a
// value typed per tick (each one a preview the ruler or the magnifier shows), then Cancel,
// which takes the preview back.
struct PreviewSession {
    int left = 0;
    int value = 50;
    HWND dialog = nullptr;
} g_session;

void CALLBACK DrivePreview(HWND, UINT, UINT_PTR id, DWORD)
{
    if (!g_session.dialog)
        g_session.dialog = FindWindowA("#32770", nullptr);
    HWND d = g_session.dialog;
    if (!d || GetWindowThreadProcessId(d, nullptr) != GetCurrentThreadId())
        return;
    HWND autoPreview = GetDlgItem(d, IDC_AUTO_PREVIEW);
    if (SendMessageA(autoPreview, BM_GETCHECK, 0, 0) != BST_CHECKED)
        SendMessageA(autoPreview, BM_CLICK, 0, 0);
    if (g_session.left-- > 0) {
        g_session.value = g_session.value >= 1000 ? 50 : g_session.value + 37;
        SetDlgItemInt(d, IDC_SCALE_VALUE, UINT(g_session.value), FALSE);
        return;
    }
    KillTimer(nullptr, id);
    SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
}

constexpr int kPreviewsPerDialog = 100;
int g_previews = 0;

void PreviewDialog(int i)
{
    g_session = PreviewSession{kPreviewsPerDialog, 50 + i % 37, nullptr};
    SetTimer(nullptr, 0, 1, &DrivePreview);
    g_fixture->ruler->RunCommand(i % 2 ? ID_ZOOM_CUSTOM : ID_SCALE_CUSTOM);
    g_previews += kPreviewsPerDialog - (g_session.left + 1);
}

HWND MakeTarget()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CalyxLongRunTarget";
    wc.hbrBackground = HBRUSH(GetStockObject(WHITE_BRUSH));
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "Long run target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 300, 400,
                           300, nullptr, nullptr, wc.hInstance, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    const int scale = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 1;
    InitCommonControlsOnce();
    CRulerFixture f;
    g_fixture = &f;
    f.settings.m_nCaption = 0xFF;
    if (!f.Create(RS_HORZ | RS_UNIT_PX | RS_GUIDE | RS_MAGNIFIER | WS_THICKFRAME, RECT{0, 100, 1280, 156})) {
        std::fprintf(stderr, "cannot create the ruler\n");
        return 1;
    }
    f.ruler->m_hAccel = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    g_target = MakeTarget();
    if (!g_target) {
        std::fprintf(stderr, "cannot create the target window\n");
        return 1;
    }

    // Each kind with its warm-up: rounds run first so that what is made once and kept (the
    // fonts of the windows under the pointer, icons, the dialog's classes) is not counted as
    // growth. The pointer visits all its 64 places in 6,400 poll ticks.
    const struct {
        const char* what;
        int count, warmUp;
        void (*run)(int);
    } kinds[] = {
        {"poll ticks", 100000, 6400, &PollTick},     {"paints", 10000, 10, &Paint},
        {"context menus", 1000, 10, &ContextMenu},   {"style toggles", 1000, 8, &ToggleStyle},
        {"Get/Set size runs", 1000, 10, &SizeRun},
        {"custom scale dialogs", 1000 / kPreviewsPerDialog, 2, &PreviewDialog},
    };
    for (const auto& k : kinds)
        for (int i = 0; i < k.warmUp; ++i)
            k.run(i);
    g_previews = 0;

    const ObjectCounts start = TakeObjectCounts();
    for (const auto& k : kinds) {
        const int n = k.count / scale > 0 ? k.count / scale : 1;
        const ObjectCounts before = TakeObjectCounts();
        for (int i = 0; i < n; ++i)
            k.run(i);
        Report(k.what, n, before, TakeObjectCounts());
    }
    std::printf("(%d custom scale previews in those dialogs)\n", g_previews);
    Report("kinds, the whole run", int(sizeof kinds / sizeof kinds[0]), start, TakeObjectCounts());
    DestroyWindow(g_target);
    return 0;
}
