#include "platform/help_url.h"

#include <gtest/gtest.h>

TEST(HelpUrl, FileUrlsWithTheirSection)
{
    struct {
        const char* path;
        const char* topic;
        const char* url;
    } cases[] = {
        {"C:\\Users\\ann\\AppData\\Local\\Orrin\\Calyx\\Calyx.html", "sizing-tool",
         "file:///C:/Users/ann/AppData/Local/Orrin/Calyx/Calyx.html#sizing-tool"},
        {"C:\\x\\Calyx.html", nullptr, "file:///C:/x/Calyx.html"},
        {"C:\\x\\Calyx.html", "", "file:///C:/x/Calyx.html"},
        // Blanks, quotes, #, % and & would end or confuse a command line or the URL.
        {"C:\\Documents and Settings\\A \"B\"\\Calyx.html", "hot-keys",
         "file:///C:/Documents%20and%20Settings/A%20%22B%22/Calyx.html#hot-keys"},
        {"C:\\50% & #1\\Calyx.html", nullptr, "file:///C:/50%25%20%26%20%231/Calyx.html"},
        // UTF-8 bytes are encoded one by one ("é" is C3 A9).
        {"C:\\Ren\xC3\xA9\\Calyx.html", nullptr, "file:///C:/Ren%C3%A9/Calyx.html"},
        {"\\\\server\\share\\Calyx.html", "keys", "file://server/share/Calyx.html#keys"},
        {"C:\\x.html", "a b#c", "file:///C:/x.html#a%20b%23c"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileUrlOf(c.path, c.topic), c.url) << c.path;
}

TEST(HelpUrl, OpenCommandsGetTheUrl)
{
    const std::string url = "file:///C:/x/Calyx.html#keys";
    struct {
        const char* command;
        const char* line;
    } cases[] = {
        {"\"C:\\Program Files\\Browser\\browser.exe\" -osint -url \"%1\"",
         "\"C:\\Program Files\\Browser\\browser.exe\" -osint -url \"file:///C:/x/Calyx.html#keys\""},
        {"\"C:\\b.exe\" --single-argument %1", "\"C:\\b.exe\" --single-argument file:///C:/x/Calyx.html#keys"},
        {"b.exe \"%L\" %*", "b.exe \"file:///C:/x/Calyx.html#keys\" "},
        {"b.exe %1 %1", "b.exe file:///C:/x/Calyx.html#keys "},
        {"b.exe -nohome", "b.exe -nohome file:///C:/x/Calyx.html#keys"},
        {"b.exe 100%% %1", "b.exe 100% file:///C:/x/Calyx.html#keys"},
        {"b.exe %", "b.exe % file:///C:/x/Calyx.html#keys"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillOpenCommand(c.command, url), c.line) << c.command;
}
