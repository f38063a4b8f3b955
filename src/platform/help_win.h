// The user manual: where the Help commands and the dialogs' Help buttons and F1 lead. The
// manual travels inside the program as a resource; Help writes it out as a file (in the
// user's local application data, under the same names as the settings key, or else in the
// temporary folder) and opens it in the user's web browser at the section asked for.
#pragma once

#include <windows.h>

#include <string>

// Opens the manual at the section `topic` (an anchor of the page; null or "" for its start)
// for the user of window `owner`. True when a browser was started. When none can be, a
// message says where the manual's file is; when the file cannot be written, a message says so.
bool ShowHelpTopic(HWND owner, const char* topic);

// The manual's file, written out from the resource when it is missing or differs; "" when it
// could be written nowhere. `folders` receives the folders tried, for the message.
std::string ExtractManual(std::string* folders = nullptr);

// What starts the browser: given the file's URL with its section and the file's path, returns
// whether a browser was started. Tests replace it to see what Help would open; null restores
// the real one. Returns the previous one.
using HelpLauncher = bool (*)(HWND owner, const std::string& url, const std::string& path);
HelpLauncher SetHelpLauncher(HelpLauncher launcher);

// The real launcher: the browser registered for web addresses, given the URL with its
// section; failing that, the program registered for the file, given the file (without the
// section). A browser that ends at once with a failure code counts as not started.
bool LaunchManualInBrowser(HWND owner, const std::string& url, const std::string& path);
