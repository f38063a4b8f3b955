// Start-up failing after the ruler window is on the screen: the window goes with the rest.
// The machine and user keys are redirected to keys of the test, so the program's own
// settings are neither read nor changed.
#include "app/ruler_app.h"
#include "win/message_box.h"
#include "win/window.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace {

const char kScratch[] = "Software\\OrrinTest\\startup";

struct Boxes {
    std::vector<std::string> texts;
    HWND rulerAtFirst = nullptr;
    bool visibleAtFirst = false;
} g_boxes;

// The hot key's error report runs out of memory, as an allocation anywhere after the window
// was created might.
int OutOfMemoryAtFirstBox(HWND, const char* text, const char*, UINT)
{
    g_boxes.texts.push_back(text);
    if (g_boxes.texts.size() == 1) {
        g_boxes.rulerAtFirst = GetMainWindowHandle();
        g_boxes.visibleAtFirst = g_boxes.rulerAtFirst && IsWindowVisible(g_boxes.rulerAtFirst);
        throw std::bad_alloc();
    }
    return IDOK;
}

void SetDword(HKEY root, const char* key, const char* name, DWORD value)
{
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr), ERROR_SUCCESS) << key;
    RegSetValueExA(h, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(h);
}

} // namespace

TEST(Startup, AFailureAfterTheWindowExistsDestroysItAndClearsTheMainWindow)
{
    // HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER of this process are keys of the test.
    HKEY machine = nullptr, user = nullptr;
    const std::string base = std::string(kScratch) + "-" + std::to_string(GetCurrentProcessId());
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (base + "\\machine").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &machine, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (base + "\\user").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &user, nullptr),
              ERROR_SUCCESS);
    if (RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, user) != ERROR_SUCCESS) {
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        GTEST_SKIP() << "the registry roots cannot be redirected here";
    }

    // Hot key 1 is held already: its registration fails and the error report runs.
    const UINT mods = MOD_CONTROL | MOD_ALT, vk = VK_F11;
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x7001, mods, vk));
    SetDword(HKEY_LOCAL_MACHINE, "Software\\Orrin\\Calyx\\Sizing", "HK Get", 1);
    SetDword(HKEY_LOCAL_MACHINE, "Software\\Orrin\\Calyx\\Sizing", "HKV Get", vk);
    SetDword(HKEY_LOCAL_MACHINE, "Software\\Orrin\\Calyx\\Sizing", "HKM Get", mods);

    g_boxes = Boxes{};
    const MessageBoxHook previous = SetMessageBoxHook(&OutOfMemoryAtFirstBox);
    bool started = true;
    {
        CRulerApp app;
        started = app.InitInstance();
    }
    SetMessageBoxHook(previous);
    UnregisterHotKey(nullptr, 0x7001);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(machine);
    RegCloseKey(user);
    RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str());

    EXPECT_FALSE(started);
    ASSERT_EQ(g_boxes.texts.size(), 2u);
    EXPECT_NE(g_boxes.texts[0].find("1409"), std::string::npos) << g_boxes.texts[0];
    EXPECT_EQ(g_boxes.texts[1], "Out of memory.");
    ASSERT_NE(g_boxes.rulerAtFirst, nullptr);
    EXPECT_TRUE(g_boxes.visibleAtFirst) << "the failure came with the window on the screen";
    EXPECT_FALSE(IsWindow(g_boxes.rulerAtFirst)) << "the window is destroyed";
    EXPECT_EQ(GetMainWindow(), nullptr);
}
