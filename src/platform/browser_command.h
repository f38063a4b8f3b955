// Which registered command opens a web address: where the registry keeps the user's choice
// of browser and the classes' open commands, and the order in which they are asked.
#pragma once

#include <functional>
#include <string>

// The registry roots the lookup reads.
enum class RegistryRoot { kCurrentUser, kClassesRoot };

// A string value of the registry (null `name` for the key's default value), environment
// variables expanded; "" when there is none.
using RegistryTextReader = std::function<std::string(RegistryRoot root, const std::string& key, const char* name)>;

// The open command of a file type or protocol class: the user's own registration before the
// machine's, as the merged view of the classes gives it on Windows.
std::string ClassOpenCommand(const RegistryTextReader& read, const std::string& progId);

// The command that opens a web address in the user's browser: that of the program the user
// chose for http addresses, else that of the http class.
std::string BrowserOpenCommand(const RegistryTextReader& read);
