#include "win/message_box.h"

#include "win/strings.h"

namespace {
MessageBoxHook g_messageBoxHook = nullptr;
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    MessageBoxHook old = g_messageBoxHook;
    g_messageBoxHook = hook;
    return old;
}

int AppMessageBox(HWND owner, const char* text, UINT flags)
{
    const std::string caption = LoadResString(IDS_APP_TITLE_ID);
    if (g_messageBoxHook)
        return g_messageBoxHook(owner, text ? text : "", caption.c_str(), flags);
    return MessageBoxA(owner, text ? text : "", caption.c_str(), flags);
}
