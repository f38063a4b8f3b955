// An idle Windows program that the test scripts keep running for the whole test run: Wine's
// desktop process then stays up, programs start fast, and the clipboard keeps its data
// after the program that filled it has ended. It asks for the desktop once, so that the
// session (its services and the desktop process) is started by it, with its output, and not
// by a later program whose output someone reads to the end. When given a file name it
// creates that file once the session is up.
#include <windows.h>

int main(int argc, char** argv)
{
    GetDesktopWindow();
    if (argc > 1) {
        HANDLE ready = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (ready != INVALID_HANDLE_VALUE)
            CloseHandle(ready);
    }
    Sleep(INFINITE);
    return 0;
}
