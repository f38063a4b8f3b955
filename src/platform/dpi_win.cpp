#include "platform/dpi_win.h"

#include "platform/dpi_rules.h"
#include "win/handles.h"

namespace {

// Awareness values of GetAwarenessFromDpiAwarenessContext and GetProcessDpiAwareness.
constexpr int kAwarenessUnaware = 0;
constexpr int kAwarenessSystem = 1;
constexpr int kAwarenessPerMonitor = 2;
// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2.
const HANDLE kContextPerMonitorV2 = reinterpret_cast<HANDLE>(LONG_PTR(-4));

int g_nWindowDpiOverride = 0;

template <class Fn>
Fn ProcFrom(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

template <class Fn>
Fn User32Proc(const char* name)
{
    return ProcFrom<Fn>(GetModuleHandleA("user32.dll"), name);
}

// shcore has the densities of Windows 8.1; it is loaded only where user32 lacks them.
template <class Fn>
Fn ShcoreProc(const char* name)
{
    static const HMODULE module = LoadLibraryA("shcore.dll");
    return ProcFrom<Fn>(module, name);
}

int MonitorDpiFromShcore(HWND hWnd)
{
    using Fn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const Fn fn = ShcoreProc<Fn>("GetDpiForMonitor");
    UINT x = 0, y = 0;
    // MDT_EFFECTIVE_DPI = 0.
    if (!fn || FAILED(fn(MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), 0, &x, &y)))
        return 0;
    return int(y);
}

} // namespace

DpiAwareness ProcessDpiAwareness()
{
    using GetContextFn = HANDLE(WINAPI*)();
    using AwarenessFn = int(WINAPI*)(HANDLE);
    using EqualFn = BOOL(WINAPI*)(HANDLE, HANDLE);
    static const GetContextFn getContext = User32Proc<GetContextFn>("GetThreadDpiAwarenessContext");
    static const AwarenessFn awarenessOf = User32Proc<AwarenessFn>("GetAwarenessFromDpiAwarenessContext");
    static const EqualFn equal = User32Proc<EqualFn>("AreDpiAwarenessContextsEqual");
    int awareness = -1;
    if (getContext && awarenessOf) {
        HANDLE context = getContext();
        awareness = awarenessOf(context);
        if (awareness == kAwarenessPerMonitor && equal && equal(context, kContextPerMonitorV2))
            return DpiAwareness::kPerMonitorV2;
    } else {
        using ProcessFn = HRESULT(WINAPI*)(HANDLE, int*);
        using AwareFn = BOOL(WINAPI*)();
        static const AwareFn isAware = User32Proc<AwareFn>("IsProcessDPIAware");
        if (!isAware)
            return DpiAwareness::kUnaware;
        if (!isAware())
            return DpiAwareness::kUnaware;
        // Windows 8.1 tells per-monitor from system awareness only through shcore.
        const ProcessFn processAwareness = ShcoreProc<ProcessFn>("GetProcessDpiAwareness");
        if (!processAwareness || FAILED(processAwareness(nullptr, &awareness)))
            awareness = kAwarenessSystem;
    }
    switch (awareness) {
    case kAwarenessSystem: return DpiAwareness::kSystem;
    case kAwarenessPerMonitor: return DpiAwareness::kPerMonitor;
    default: return DpiAwareness::kUnaware;
    }
}

int SystemDpi()
{
    // The system's density changes only with a new log-on: asked once.
    static const int dpi = [] {
        COwnedDC ic(CreateICA("DISPLAY", nullptr, nullptr, nullptr));
        return DpiOrFallback(ic ? GetDeviceCaps(ic, LOGPIXELSY) : 0, kBaseDpi);
    }();
    return dpi;
}

int WindowDpi(HWND hWnd)
{
    if (g_nWindowDpiOverride)
        return g_nWindowDpiOverride;
    using Fn = UINT(WINAPI*)(HWND);
    static const Fn forWindow = User32Proc<Fn>("GetDpiForWindow");
    int dpi = 0;
    if (forWindow)
        dpi = int(forWindow(hWnd));
    else if (ProcessDpiAwareness() == DpiAwareness::kPerMonitor)
        dpi = MonitorDpiFromShcore(hWnd);
    return DpiOrFallback(dpi, SystemDpi());
}

int SystemMetricForDpi(int index, int dpi)
{
    using Fn = int(WINAPI*)(int, UINT);
    static const Fn fn = User32Proc<Fn>("GetSystemMetricsForDpi");
    if (fn && ProcessDpiAwareness() >= DpiAwareness::kPerMonitor)
        return fn(index, UINT(dpi));
    return ScaleToDpi(GetSystemMetrics(index), dpi, SystemDpi());
}

BOOL AdjustWindowRectForDpi(RECT* rc, DWORD style, DWORD exStyle, int dpi)
{
    using Fn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const Fn fn = User32Proc<Fn>("AdjustWindowRectExForDpi");
    if (fn && ProcessDpiAwareness() >= DpiAwareness::kPerMonitor)
        return fn(rc, style, FALSE, exStyle, UINT(dpi));
    return AdjustWindowRectEx(rc, style, FALSE, exStyle);
}

void EnableNonClientScaling(HWND hWnd)
{
    using Fn = BOOL(WINAPI*)(HWND);
    static const Fn fn = User32Proc<Fn>("EnableNonClientDpiScaling");
    if (fn && ProcessDpiAwareness() == DpiAwareness::kPerMonitor)
        fn(hWnd);
}

void SetWindowDpiOverride(int dpi)
{
    g_nWindowDpiOverride = DpiOrFallback(dpi, 0);
}
