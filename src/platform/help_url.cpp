#include "platform/help_url.h"

#include <cstdio>

const char kManualFileName[] = "Calyx.html";

namespace {

bool IsUrlSafe(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~' || c == '/' || c == ':';
}

void AppendEncoded(std::string& out, const std::string& text)
{
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (IsUrlSafe(c)) {
            out += char(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", unsigned(c));
            out += hex;
        }
    }
}

} // namespace

std::string FileUrlOf(const std::string& utf8Path, const char* topic)
{
    std::string path = utf8Path;
    for (char& c : path)
        if (c == '\\')
            c = '/';
    // A drive path has an empty authority (file:///C:/...); \\host\share names the host.
    std::string url = path.compare(0, 2, "//") == 0 ? "file:" : "file:///";
    AppendEncoded(url, path);
    if (topic && *topic) {
        url += '#';
        AppendEncoded(url, topic);
    }
    return url;
}

std::string FillOpenCommand(const std::string& command, const std::string& url)
{
    if (command.empty())
        return std::string();
    std::string out;
    bool placed = false;
    for (std::size_t i = 0; i < command.size(); ++i) {
        const char c = command[i];
        if (c != '%' || i + 1 >= command.size()) {
            out += c;
            continue;
        }
        const char next = command[++i];
        if (next == '%') {
            out += '%';
        } else if ((next == '1' || next == 'L' || next == 'l') && !placed) {
            out += url;
            placed = true;
        }
        // Other placeholders (%*, %2, %I, ...) stand for nothing here.
    }
    if (!placed)
        out += " " + url;
    return out;
}
