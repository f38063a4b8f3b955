#include "win/common_controls.h"

#include <windows.h>

bool InitCommonControlsOnce()
{
    static int state = 0;  // 0 not tried, 1 available, -1 failed
    if (state == 0) {
        state = -1;
        // The library stays loaded for the rest of the process: its window classes are used
        // by dialogs opened at any time.
        if (HMODULE module = LoadLibraryA("comctl32.dll")) {
            using InitFn = void(WINAPI*)();
            if (auto init = reinterpret_cast<InitFn>(
                    reinterpret_cast<void*>(GetProcAddress(module, "InitCommonControls")))) {
                init();
                state = 1;
            }
        }
    }
    return state == 1;
}
