// Another program that holds the clipboard open, for tests of what Calyx does when it cannot
// have it: opens the clipboard, sets the event named by its first argument, and closes the
// clipboard when the event named by its second argument is set (after 30 s at the latest).
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    HANDLE held = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[2]);
    // Opened for a window of its own, as programs do (and as Wine needs to keep others out).
    HWND owner = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!held || !release || !owner || !OpenClipboard(owner))
        return 1;
    SetEvent(held);
    WaitForSingleObject(release, 30000);
    CloseClipboard();
    return 0;
}
