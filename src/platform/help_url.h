// Texts the Help command needs to hand the manual to a browser: the file's URL with the
// section to open, and a browser's open command with that URL filled in.
#pragma once

#include <string>

// The file name of the manual where it is written out.
extern const char kManualFileName[];

// "file:///C:/dir/Calyx.html#topic" for the UTF-8 path "C:\dir\Calyx.html" (a UNC path
// \\host\share\... gives "file://host/share/..."). Every byte outside the letters, digits
// and "-._~/:" is percent-encoded, so the URL holds no blank and no quote. A null or empty
// topic gives no fragment.
std::string FileUrlOf(const std::string& utf8Path, const char* topic);

// A registered open command ("C:\...\browser.exe" -url "%1") with the URL in place of its
// first %1 or %L; "%*" and the other placeholders go. A command without a placeholder gets
// the URL appended as its last argument. Empty when the command is empty.
std::string FillOpenCommand(const std::string& command, const std::string& url);
