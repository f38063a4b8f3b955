#include "ruler/keyboard_keeper.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A script of events, one letter each: S the command starts with the ruler in front, s without;
// H the ruler is hidden; E the command ends; then looks at who is in front, R the ruler,
// N nobody, n nobody while the ruler cannot have the keyboard, O a window of the program's
// own, X another program's. The clock advances 10 ms per letter, '_' 1 s. Returns one letter
// per look: T when the ruler takes the keyboard back, - when not.
std::string RunScript(const char* script)
{
    CKeyboardKeeper k;
    std::string out;
    std::uint32_t now = 5000;
    for (const char* c = script; *c; ++c, now += 10) {
        switch (*c) {
        case 'S': k.CommandStarts(true); break;
        case 's': k.CommandStarts(false); break;
        case 'H': k.RulerHidden(); break;
        case 'E': k.CommandEnded(now); break;
        case '_': now += 1000; break;
        default: {
            const FrontWindow front = *c == 'R'   ? FrontWindow::kRuler
                                      : *c == 'O' ? FrontWindow::kOwnWindow
                                      : *c == 'X' ? FrontWindow::kOther
                                                  : FrontWindow::kNobody;
            out += k.TakeBack(front, *c != 'n', now) ? 'T' : '-';
        }
        }
    }
    return out;
}

} // namespace

TEST(KeyboardKeeper, TakesTheKeyboardBackOnceAfterACommandThatHidTheRuler)
{
    const struct {
        const char* what;
        const char* script;
        const char* want;
    } cases[] = {
        {"Wine: the loss comes after the command", "SHERN", "-T"},
        {"and only once", "SHENNN", "T--"},
        {"looked at while the command runs", "SHNERN", "--T"},
        {"Windows: nobody in front much later is no loss of this command's", "SHER_N", "--"},
        {"a command that does not hide the ruler", "SERN", "--"},
        {"a hide before the command", "HSERN", "--"},
        {"the ruler did not have the keyboard", "sHERN", "--"},
        {"the user went to another program", "SHEXN", "--"},
        {"the command's own dialog in front", "SHEON", "--"},
        {"the ruler stays hidden (V)", "SHEn", "-"},
        {"the next command starts afresh", "SHESERN", "--"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunScript(c.script), c.want) << c.what;
}
