#include "platform/browser_command.h"

std::string ClassOpenCommand(const RegistryTextReader& read, const std::string& progId)
{
    const std::string command =
        read(RegistryRoot::kCurrentUser, "Software\\Classes\\" + progId + "\\shell\\open\\command", nullptr);
    if (!command.empty())
        return command;
    return read(RegistryRoot::kClassesRoot, progId + "\\shell\\open\\command", nullptr);
}

std::string BrowserOpenCommand(const RegistryTextReader& read)
{
    const std::string progId = read(
        RegistryRoot::kCurrentUser,
        "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice", "ProgId");
    if (!progId.empty()) {
        const std::string command = ClassOpenCommand(read, progId);
        if (!command.empty())
            return command;
    }
    return ClassOpenCommand(read, "http");
}
