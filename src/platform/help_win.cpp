#include "platform/help_win.h"

bool ShowHelpTopic(HWND owner, const char* topic)
{
    // The manual and its viewer are not part of this build yet: Help shows nothing.
    (void)owner;
    (void)topic;
    return false;
}
