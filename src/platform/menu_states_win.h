// Refreshing a popup menu's items from their owner's update rules before it opens.
#pragma once

#include <windows.h>

class CCmdUITarget;

// Walks the popup's items and asks `owner` for the rule of each command (a submenu item is
// asked under its submenu's first id and itself left unchanged). Items without a rule keep
// their state. Copes with rules that remove items. Returns the item count afterwards; a
// system menu is left alone (returns 0).
int UpdateMenuCommandStates(bool isSystemMenu, HMENU popup, CCmdUITarget* owner);
