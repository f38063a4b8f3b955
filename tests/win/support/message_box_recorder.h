// Records the message boxes the program would show while the recorder lives (each answered
// with OK), so that a test can check which message appeared.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CMessageBoxRecorder {
public:
    CMessageBoxRecorder();
    ~CMessageBoxRecorder();
    CMessageBoxRecorder(const CMessageBoxRecorder&) = delete;
    CMessageBoxRecorder& operator=(const CMessageBoxRecorder&) = delete;

    struct Box {
        HWND owner;
        std::string text;
        UINT flags;
    };
    std::vector<Box> boxes;

    // The texts alone, in order.
    std::vector<std::string> Texts() const;
};
