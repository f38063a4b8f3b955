// Records the texts of the message boxes the program would show while this object lives
// (each answered with OK), for tests that check which messages appear and in what order.
#pragma once

#include "win/message_box.h"

#include <string>
#include <vector>

class CMessageRecorder {
public:
    CMessageRecorder();
    ~CMessageRecorder();
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;

    // The texts so far, oldest first.
    std::vector<std::string>& Texts();

private:
    MessageBoxHook m_previous;
};
