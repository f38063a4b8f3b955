// Drives a modal dialog from inside its own message loop: the steps run one after another
// from a thread timer, which the dialog's loop dispatches, so they act on the dialog as the
// user's input would (on its thread, between its messages). A step that returns false is
// tried again at the next tick, so a step can wait for something to appear.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CModalScript {
public:
    using Step = std::function<bool()>;

    CModalScript& Then(Step step);

    // Runs `open` (which shows the modal dialog and returns when it has ended) while the steps
    // run. Returns false when a step was still failing after `timeoutMs` or steps were left
    // when the dialog ended; a dialog still open then is cancelled, so a failing test ends.
    bool Run(const std::function<void()>& open, int timeoutMs = 10000);

    // What went wrong, for the test's message.
    const std::string& Failure() const { return m_strFailure; }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::vector<Step> m_steps;
    std::size_t m_nNext = 0;
    DWORD m_dwDeadline = 0;
    bool m_bTimedOut = false;
    std::string m_strFailure;
};

// The visible dialog (#32770) of this thread with this caption, or null.
HWND FindThreadDialog(const char* caption);
// How many visible dialogs this thread has.
int CountThreadDialogs();

// Typing into a control as the keyboard would: the characters of `text` as WM_CHAR, with
// the control's whole text selected first when `replace` (so that the typing replaces it).
void TypeInto(HWND control, const std::string& text, bool replace = true);
// A click on a button (BM_CLICK: the button sends its parent the notification).
void Click(HWND dialog, int id);
// The text of a dialog's control.
std::string ItemText(HWND dialog, int id);
