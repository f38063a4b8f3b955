// The main of every Windows test program. Message boxes are answered by a hook so that no
// test can block on one; tests that look at them install their own.
#include "win/message_box.h"

#include <gtest/gtest.h>

namespace {
int AnswerOk(HWND, const char* text, const char*, UINT)
{
    std::fprintf(stderr, "[message box] %s\n", text);
    return IDOK;
}
} // namespace

int main(int argc, char** argv)
{
    SetMessageBoxHook(&AnswerOk);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
