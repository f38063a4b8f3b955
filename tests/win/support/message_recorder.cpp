#include "support/message_recorder.h"

namespace {
std::vector<std::string> g_texts;

int Record(HWND, const char* text, const char*, UINT)
{
    g_texts.push_back(text);
    return IDOK;
}
} // namespace

CMessageRecorder::CMessageRecorder() : m_previous(SetMessageBoxHook(&Record))
{
    g_texts.clear();
}

CMessageRecorder::~CMessageRecorder()
{
    SetMessageBoxHook(m_previous);
    g_texts.clear();
}

std::vector<std::string>& CMessageRecorder::Texts()
{
    return g_texts;
}
