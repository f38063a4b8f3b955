// The user manual: where the Help commands and the dialogs' Help buttons lead.
#pragma once

#include <windows.h>

// Opens the manual at the section `topic` (an anchor of the page; null or "" for its start)
// for the user of window `owner`. True when a viewer was started.
bool ShowHelpTopic(HWND owner, const char* topic);
