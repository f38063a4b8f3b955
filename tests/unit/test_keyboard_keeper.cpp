#include "ruler/keyboard_keeper.h"

#include <gtest/gtest.h>

#include <string>

TEST(KeyboardKeeper, TakesTheKeyboardBackOnceAfterACommandThatHidTheRuler)
{
    // One letter per event, 10 ms apart ('_': a second): S a command starts with the ruler in
    // front, s without; H the ruler is hidden; E the command ends; looks at who is in front:
    // R the ruler, N nobody, n nobody while the ruler cannot have the keyboard, O a window of
    // the program's own, X another program's. One letter per look: T the keyboard is taken back.
    const struct {
        const char* what;
        const char* script;
        const char* want;
    } cases[] = {
        {"Wine: the loss comes after the command, and is taken back once", "SHERNN", "-T-"},
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
    for (const auto& c : cases) {
        CKeyboardKeeper k;
        std::string got;
        std::uint32_t now = 5000;
        for (const char* e = c.script; *e; ++e, now += 10) {
            if (*e == 'S' || *e == 's')
                k.CommandStarts(*e == 'S');
            else if (*e == 'H')
                k.RulerHidden();
            else if (*e == 'E')
                k.CommandEnded(now);
            else if (*e == '_')
                now += 1000;
            else
                got += k.TakeBack(*e == 'R'   ? FrontWindow::kRuler
                                  : *e == 'O' ? FrontWindow::kOwnWindow
                                  : *e == 'X' ? FrontWindow::kOther
                                              : FrontWindow::kNobody,
                                  *e != 'n', now)
                           ? 'T'
                           : '-';
        }
        EXPECT_EQ(got, c.want) << c.what;
    }
}
