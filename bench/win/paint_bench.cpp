// Paint cost of the ruler, on the real window and into a DIB through WM_PRINTCLIENT:
//  1. a full repaint (erase and paint) of a 1280-pixel ruler in pixels, base 2, 100 %
//     (a tick every 2 pixels);
//  2. the paint of the same 200-pixel invalid range near the far end of rulers 3840 and
//     38400 pixels long, whose ratio shows whether the cost grows with the length. Wine
//     caps a window at 32767 pixels, so the long ruler comes out that long there (it says
//     so); both are measured in alternation so that drift in the machine's load cancels.
// The rulers are borderless, so their length is not limited by the sizing bounds; each is
// moved left until its far end is on the screen. Prints medians in milliseconds.
//   wbench_paint_bench.exe [ROUNDS]
#include "settings/ruler_settings.h"
#include "resource.h"
#include "ruler/ruler_wnd.h"
#include "ruler/view_flags.h"

#include "bench_timing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kThickness = 56;
constexpr int kRange = 200;

void Pump()
{
    MSG msg;
    for (int quiet = 0; quiet < 3;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            quiet = 0;
            DispatchMessageA(&msg);
        } else {
            ++quiet;
            Sleep(10);
        }
    }
}

// A borderless horizontal pixel ruler, base 2, at 100 %, nothing live, whose client area
// starts at screen x `left` and is `length` pixels long.
class CBenchRuler {
public:
    CBenchRuler(int left, int top, int length)
    {
        m_settings.m_nBase = 2;
        m_settings.m_nScale = 100;
        m_settings.m_nCaption = 0;
        m_settings.m_bGuide = 0;
        m_settings.m_bZoom = 0;
        m_settings.m_bBorderless = 1;
        m_pRuler = new CRulerWnd(m_settings);
        const char* cls = CWindow::RegisterWindowClass(
            CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW),
            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
        if (!m_pRuler->CreateEx(WS_EX_TOOLWINDOW, cls, "Calyx", WS_POPUP | RS_HORZ | RS_UNIT_PX, 0, 0, 0, 0, nullptr,
                                nullptr)) {
            std::fprintf(stderr, "cannot create the ruler\n");
            std::exit(1);
        }
        SetWindowPos(m_pRuler->m_hWnd, nullptr, left, top, length, kThickness,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        Pump();
        RECT rc{};
        GetClientRect(m_pRuler->m_hWnd, &rc);
        m_nLength = rc.right;
    }
    ~CBenchRuler()
    {
        if (m_pRuler->m_hWnd)
            m_pRuler->DestroyWindow();
        Pump();
    }
    CBenchRuler(const CBenchRuler&) = delete;
    CBenchRuler& operator=(const CBenchRuler&) = delete;

    int Length() const { return m_nLength; }

    // Erase and paint of the client range [from, to) on the window.
    double TimeWindow(int from, int to) const
    {
        const RECT rc{from, 0, to, kThickness};
        const double start = BenchNow();
        InvalidateRect(m_pRuler->m_hWnd, &rc, TRUE);
        UpdateWindow(m_pRuler->m_hWnd);
        GdiFlush();
        return BenchNow() - start;
    }

    // The same range rendered through WM_PRINTCLIENT into a DIB of the range's size.
    double TimePrint(int from, int to) const
    {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = to - from;
        bi.bmiHeader.biHeight = -kThickness;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        CBitmapHandle dib(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        COwnedDC dc(CreateCompatibleDC(nullptr));
        CSelectObject selected(dc, dib.Get());
        // Client x maps to DIB x - from; the clip box is the range in client terms.
        SetViewportOrgEx(dc, -from, 0, nullptr);
        const double start = BenchNow();
        SendMessageA(m_pRuler->m_hWnd, WM_PRINTCLIENT, WPARAM(dc.Get()), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
        return BenchNow() - start;
    }

private:
    CRulerSettings m_settings;
    CRulerWnd* m_pRuler;  // deletes itself with its window
    int m_nLength = 0;
};

template <class F>
double MedianOf(int rounds, F f)
{
    std::vector<double> t;
    for (int i = 0; i < rounds; ++i)
        t.push_back(f());
    return BenchMedian(t);
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(std::atoi(argv[1]), 5) : 300;
    {
        CBenchRuler ruler(0, 900, 1280);
        for (int i = 0; i < 20; ++i)
            ruler.TimeWindow(0, ruler.Length());
        const double window = MedianOf(rounds, [&] { return ruler.TimeWindow(0, ruler.Length()); });
        const double print = MedianOf(rounds, [&] { return ruler.TimePrint(0, ruler.Length()); });
        std::printf("full repaint, %d px, px base 2, 100%%: window %.3f ms, WM_PRINTCLIENT %.3f ms\n",
                    ruler.Length(), window, print);
    }
    const int lengths[2] = {3840, 38400};
    // The far ends on the screen, one above the other.
    CBenchRuler shorter(1280 - lengths[0], 840, lengths[0]);
    CBenchRuler longer(1280 - lengths[1], 910, lengths[1]);
    const CBenchRuler* rulers[2] = {&shorter, &longer};
    std::vector<double> window[2], print[2];
    int from[2] = {};
    for (int k = 0; k < 2; ++k) {
        if (rulers[k]->Length() != lengths[k])
            std::printf("the %d px ruler came out %d px long (the window size limit)\n", lengths[k],
                        rulers[k]->Length());
        from[k] = rulers[k]->Length() - kRange - 40;
        for (int i = 0; i < 20; ++i)
            rulers[k]->TimeWindow(from[k], from[k] + kRange);
    }
    for (int i = 0; i < rounds; ++i)
        for (int k = 0; k < 2; ++k) {
            window[k].push_back(rulers[k]->TimeWindow(from[k], from[k] + kRange));
            print[k].push_back(rulers[k]->TimePrint(from[k], from[k] + kRange));
        }
    for (int k = 0; k < 2; ++k)
        std::printf("%d px invalid at %d of a %d px ruler: window %.3f ms, WM_PRINTCLIENT %.3f ms\n", kRange, from[k],
                    rulers[k]->Length(), BenchMedian(window[k]), BenchMedian(print[k]));
    std::printf("ratio long / short: window %.2f, WM_PRINTCLIENT %.2f\n", BenchMedian(window[1]) / BenchMedian(window[0]),
                BenchMedian(print[1]) / BenchMedian(print[0]));
    return 0;
}
