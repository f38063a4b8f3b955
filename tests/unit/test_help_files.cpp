#include "platform/browser_command.h"
#include "platform/manual_folders.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

TEST(ManualFolders, ChoicesInTheirOrder)
{
    struct {
        const char* appData;
        const char* company;
        const char* temp;
        std::vector<std::pair<std::string, std::string>> folders;
    } cases[] = {
        {"C:\\Users\\ann\\AppData\\Local", "Orrin", "C:\\Temp\\",
         {{"C:\\Users\\ann\\AppData\\Local", "Orrin\\Calyx"}, {"C:\\Temp\\", "Calyx"}}},
        // No local application data, or no company to file it under: the temporary folder alone.
        {"", "Orrin", "C:\\Temp\\", {{"C:\\Temp\\", "Calyx"}}},
        {"C:\\Local", "", "C:\\Temp\\", {{"C:\\Temp\\", "Calyx"}}},
        {"C:\\Local", "Orrin", "", {{"C:\\Local", "Orrin\\Calyx"}}},
        {"", "", "", {}},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<std::string, std::string>> got;
        for (const ManualFolder& f : ManualFolderChoices(c.appData, c.company, "Calyx", c.temp))
            got.emplace_back(f.base, f.sub);
        EXPECT_EQ(got, c.folders) << c.appData << "|" << c.company << "|" << c.temp;
    }
}

TEST(ManualFolders, FoldersCreatedOnTheWay)
{
    struct {
        const char* base;
        const char* sub;
        std::vector<std::string> steps;
        const char* folder;
    } cases[] = {
        {"C:\\Local", "Orrin\\Calyx", {"C:\\Local\\Orrin", "C:\\Local\\Orrin\\Calyx"}, "C:\\Local\\Orrin\\Calyx"},
        // The temporary folder's path ends in a slash; a drive's root keeps its own.
        {"C:\\Temp\\", "Calyx", {"C:\\Temp\\Calyx"}, "C:\\Temp\\Calyx"},
        {"C:\\Temp//\\", "Calyx", {"C:\\Temp\\Calyx"}, "C:\\Temp\\Calyx"},
        {"C:\\", "Calyx", {"C:\\\\Calyx"}, "C:\\\\Calyx"},
        // Empty parts make no folder of their own.
        {"C:\\Local", "\\Orrin\\\\Calyx\\", {"C:\\Local\\Orrin", "C:\\Local\\Orrin\\Calyx"}, "C:\\Local\\Orrin\\Calyx"},
        {"C:\\Local\\", "", {}, "C:\\Local"},
    };
    for (const auto& c : cases) {
        const FolderChain chain = FolderChainOf({c.base, c.sub});
        EXPECT_EQ(chain.steps, c.steps) << c.base << "|" << c.sub;
        EXPECT_EQ(chain.folder, c.folder) << c.base << "|" << c.sub;
    }
}

TEST(ManualFolders, MessageNamesEveryFolderTried)
{
    struct {
        std::vector<ManualFolder> folders;
        const char* text;
    } cases[] = {
        {{{"C:\\Local", "Orrin\\Calyx"}, {"C:\\Temp\\", "Calyx"}}, "C:\\Local\\Orrin\\Calyx; C:\\Temp\\Calyx"},
        {{{"C:\\Temp\\", "Calyx"}}, "C:\\Temp\\Calyx"},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FoldersText(c.folders), c.text);
}

namespace {
const char kUserChoice[] = "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice";
}

TEST(BrowserCommand, UserChoiceBeforeTheHttpClassAndUserBeforeMachine)
{
    using Values = std::map<std::pair<int, std::string>, std::string>;
    const int hkcu = int(RegistryRoot::kCurrentUser);
    const int hkcr = int(RegistryRoot::kClassesRoot);
    struct {
        const char* what;
        Values values;
        const char* command;
    } cases[] = {
        {"the chosen browser",
         {{{hkcu, std::string(kUserChoice) + "|ProgId"}, "BrowserHTML"},
          {{hkcr, "BrowserHTML\\shell\\open\\command|"}, "b.exe %1"},
          {{hkcr, "http\\shell\\open\\command|"}, "old.exe %1"}},
         "b.exe %1"},
        {"the user's registration of the chosen class",
         {{{hkcu, std::string(kUserChoice) + "|ProgId"}, "BrowserHTML"},
          {{hkcu, "Software\\Classes\\BrowserHTML\\shell\\open\\command|"}, "mine.exe %1"},
          {{hkcr, "BrowserHTML\\shell\\open\\command|"}, "b.exe %1"}},
         "mine.exe %1"},
        {"a choice without a command",
         {{{hkcu, std::string(kUserChoice) + "|ProgId"}, "GoneHTML"}, {{hkcr, "http\\shell\\open\\command|"}, "old.exe %1"}},
         "old.exe %1"},
        {"no choice, the user's http class",
         {{{hkcu, "Software\\Classes\\http\\shell\\open\\command|"}, "u.exe"},
          {{hkcr, "http\\shell\\open\\command|"}, "old.exe %1"}},
         "u.exe"},
        {"nothing registered", {}, ""},
    };
    for (const auto& c : cases) {
        const Values& values = c.values;
        const RegistryTextReader read = [&values](RegistryRoot root, const std::string& key, const char* name) {
            const auto it = values.find({int(root), key + "|" + (name ? name : "")});
            return it == values.end() ? std::string() : it->second;
        };
        EXPECT_EQ(BrowserOpenCommand(read), c.command) << c.what;
    }
}
