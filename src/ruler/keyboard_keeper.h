// Whether the ruler takes the keyboard back after a command of its own. A command that hides
// the ruler and shows it again (Show in Task Bar) must leave the keyboard with the ruler the
// user was typing to. On Windows it does: the ruler is brought forward again at the end of the
// command. Under Wine the X server takes the input focus away with the hidden window, and Wine
// learns of it only afterwards and then puts no window in front; the ruler takes the keyboard
// back when that loss comes, soon after the command, and only then.
#pragma once

#include <cstdint>

// Who is in front when the ruler looks.
enum class FrontWindow {
    kRuler,
    kNobody,     // no window, or the desktop
    kOwnWindow,  // another window of the program (a dialog the command opened)
    kOther,      // another program's window
};

// How long after a command its loss of the keyboard is taken for one.
constexpr std::uint32_t kKeepKeyboardMs = 1000;

class CKeyboardKeeper {
public:
    // A command of the ruler's own starts; hadKeyboard: the ruler is in front.
    void CommandStarts(bool hadKeyboard);
    // The ruler was hidden; it counts while a command runs.
    void RulerHidden();
    // The command ended at `now`.
    void CommandEnded(std::uint32_t now);
    // After the command and whenever the ruler is deactivated: whether it takes the keyboard
    // back now. Only after a command that had the keyboard and hid the ruler, within
    // kKeepKeyboardMs of its end, when nobody is in front and the ruler can have the keyboard
    // (visible, enabled); once. Another window in front (the user's choice, or a dialog of the
    // command's) ends the watch.
    bool TakeBack(FrontWindow front, bool canHaveKeyboard, std::uint32_t now);

private:
    bool m_bInCommand = false;
    bool m_bHadKeyboard = false;
    bool m_bHidden = false;
    bool m_bWatching = false;
    std::uint32_t m_endedAt = 0;
};
