// String-table access.
#pragma once

#include "base/text.h"

#include <windows.h>

#include <string>

// The application title's string id (the framework's AFX_IDS_APP_TITLE).
constexpr UINT IDS_APP_TITLE_ID = 57344;

// The string resource `id` of the program's module, or "" when there is none.
std::string LoadResString(UINT id);

// Part `index` of a string resource whose parts are separated by '\n' ("" when missing).
std::string LoadResStringPart(UINT id, int index);
