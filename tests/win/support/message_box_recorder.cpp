#include "support/message_box_recorder.h"

#include "win/message_box.h"

namespace {
CMessageBoxRecorder* g_pRecorder = nullptr;
MessageBoxHook g_previous = nullptr;

int Record(HWND owner, const char* text, const char*, UINT flags)
{
    if (g_pRecorder)
        g_pRecorder->boxes.push_back({owner, text ? text : "", flags});
    return IDOK;
}
} // namespace

CMessageBoxRecorder::CMessageBoxRecorder()
{
    g_pRecorder = this;
    g_previous = SetMessageBoxHook(&Record);
}

CMessageBoxRecorder::~CMessageBoxRecorder()
{
    SetMessageBoxHook(g_previous);
    g_pRecorder = nullptr;
}

std::vector<std::string> CMessageBoxRecorder::Texts() const
{
    std::vector<std::string> texts;
    for (const Box& box : boxes)
        texts.push_back(box.text);
    return texts;
}
