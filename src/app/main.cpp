// Calyx: the program's entry point. It takes nothing from its command line.
#include "app/ruler_app.h"
#include "win/window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CRulerApp app;
    int result = 0;
    if (app.InitInstance())
        result = RunMessageLoop();
    return app.ExitInstance(result);
}
