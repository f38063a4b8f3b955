// An idle Windows program that the test scripts keep running for the whole test run: Wine's
// desktop process then stays up, programs start fast, and the clipboard keeps its data
// after the program that filled it has ended.
#include <windows.h>

int main()
{
    Sleep(INFINITE);
    return 0;
}
