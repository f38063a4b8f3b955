// An idle Windows program that the test scripts keep running for the whole test run: Wine's
// desktop process then stays up, programs start fast, and the clipboard keeps its data
// after the program that filled it has ended. It asks for the desktop once so that the
// desktop process is started by it, with its output, not by a later program whose output
// someone reads to the end.
#include <windows.h>

int main()
{
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}
