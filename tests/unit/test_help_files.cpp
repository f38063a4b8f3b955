#include "platform/browser_command.h"
#include "platform/manual_folders.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
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

namespace {

// Folders and files in memory: `folders` exist, `blocked` cannot be created, `files` hold
// "manual" (the program's) or something else, and `readOnly` folders take no new file.
struct Disk {
    std::set<std::string> folders, blocked, readOnly;
    std::map<std::string, std::string> files;
};

struct FakeFiles final : IManualFiles {
    explicit FakeFiles(const Disk& disk)
        : folders(disk.folders), blocked(disk.blocked), readOnly(disk.readOnly), files(disk.files)
    {
    }

    std::set<std::string> folders, blocked, readOnly;
    std::map<std::string, std::string> files;
    std::vector<std::string> written;

    bool CreateFolder(const std::string& path) override
    {
        if (blocked.count(path))
            return false;
        if (!files.count(path))
            folders.insert(path);
        return true;  // made, or there already (a file of that name too, as Windows says)
    }
    bool IsFolder(const std::string& path) override { return folders.count(path) != 0; }
    bool HoldsManual(const std::string& path) override
    {
        const auto it = files.find(path);
        return it != files.end() && it->second == "manual";
    }
    bool WriteManual(const std::string& path) override
    {
        if (readOnly.count(path.substr(0, path.rfind('\\'))))
            return false;
        files[path] = "manual";
        written.push_back(path);
        return true;
    }
};

} // namespace

TEST(ManualFolders, WhereTheManualIsPlaced)
{
    const std::vector<ManualFolder> choices = {{"C:\\Local", "Orrin\\Calyx"}, {"C:\\Temp\\", "Calyx"}};
    const std::string local = "C:\\Local\\Orrin\\Calyx";
    const std::string temp = "C:\\Temp\\Calyx";
    struct {
        const char* what;
        Disk disk;
        const char* path;
        std::vector<std::string> written;
    } cases[] = {
        {"written where nothing was", {}, "C:\\Local\\Orrin\\Calyx\\Calyx.html",
         {"C:\\Local\\Orrin\\Calyx\\Calyx.html"}},
        // The same manual is used as it is; an older one is written over.
        {"already there", {{local}, {}, {}, {{local + "\\Calyx.html", "manual"}}},
         "C:\\Local\\Orrin\\Calyx\\Calyx.html", {}},
        {"an older manual", {{local}, {}, {}, {{local + "\\Calyx.html", "old"}}},
         "C:\\Local\\Orrin\\Calyx\\Calyx.html", {"C:\\Local\\Orrin\\Calyx\\Calyx.html"}},
        // The first folder will not do: the temporary one.
        {"a folder on the way cannot be made", {{}, {"C:\\Local\\Orrin"}, {}, {}},
         "C:\\Temp\\Calyx\\Calyx.html", {"C:\\Temp\\Calyx\\Calyx.html"}},
        {"a file where the folder should be", {{}, {}, {}, {{local, "x"}}}, "C:\\Temp\\Calyx\\Calyx.html",
         {"C:\\Temp\\Calyx\\Calyx.html"}},
        {"a folder that takes no file", {{}, {}, {local}, {}}, "C:\\Temp\\Calyx\\Calyx.html",
         {"C:\\Temp\\Calyx\\Calyx.html"}},
        {"nowhere", {{}, {"C:\\Local\\Orrin"}, {temp}, {}}, "", {}},
    };
    for (const auto& c : cases) {
        FakeFiles fs(c.disk);
        std::string tried = "(not set)";
        EXPECT_EQ(PlaceManual(fs, choices, "Calyx.html", &tried), c.path) << c.what;
        EXPECT_EQ(fs.written, c.written) << c.what;
        EXPECT_EQ(tried, *c.path ? "(not set)" : "C:\\Local\\Orrin\\Calyx; C:\\Temp\\Calyx") << c.what;
    }
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
         {{{hkcu, std::string(kUserChoice) + "|ProgId"}, "GoneHTML"},
          {{hkcr, "http\\shell\\open\\command|"}, "old.exe %1"}},
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
