// The settings record against the real registry: each test under a key of its own.
#include "settings/registry_backend_win.h"
#include "settings/ruler_settings.h"
#include "platform/version_info_win.h"
#include "support/test_registry_key.h"

#include <gtest/gtest.h>

namespace {
const auto kMachine = [](const std::string&) { return true; };
const auto kUserOnly = [](const std::string&) { return false; };

class RegistryTest : public testing::Test {
protected:
    RegistryTest() : key(testing::UnitTest::GetInstance()->current_test_info()->name()) {}

    // A record for this test's key, with the root the probe chooses.
    HKEY Attach(CRulerSettings& s, const std::function<bool(const std::string&)>& probe = kMachine)
    {
        s.SetKeyPath(key.Path());
        s.m_nCurrentVersion = std::int32_t(CVersionInfo().GetProductVersionMS());
        return AttachSettingsToRegistry(s, probe);
    }
    void StartUp(CRulerSettings& s)
    {
        Attach(s);
        s.Reset();
        s.Load();
    }
    CTestRegistryKey key;
};
} // namespace

TEST_F(RegistryTest, MissingKeyGivesDefaultsAndWritesTheWholeRecord)
{
    CRulerSettings s;
    StartUp(s);
    EXPECT_EQ(s.m_nScale, 100);
    EXPECT_EQ(s.m_nUnit, 1);
    EXPECT_EQ(s.m_clrBk, 0xFFFF);
    EXPECT_EQ(s.m_nShowState, 1);
    EXPECT_TRUE(s.m_rcBounds.IsEmpty());

    // Reset alone created CurrentVersion.
    std::string path;
    DWORD version = 0;
    ASSERT_TRUE(key.GetString(HKEY_LOCAL_MACHINE, "CurrentVersion", "Path", path));
    EXPECT_EQ(path, GetProgramFilePath());
    ASSERT_TRUE(key.GetDword(HKEY_LOCAL_MACHINE, "CurrentVersion", "Version", version));
    EXPECT_EQ(version, 0x00010000u);
    EXPECT_FALSE(key.Exists(HKEY_LOCAL_MACHINE, "View"));

    s.m_rcBounds = Rect{100, 50, 740, 106};
    s.Save();
    EXPECT_EQ(key.CountValues(HKEY_LOCAL_MACHINE, "View"), 18);
    EXPECT_EQ(key.CountValues(HKEY_LOCAL_MACHINE, "Sizing"), 12);
    EXPECT_EQ(key.CountValues(HKEY_LOCAL_MACHINE, "Window"), 6);
    DWORD value = 0;
    EXPECT_TRUE(key.GetDword(HKEY_LOCAL_MACHINE, "Sizing", "HKM Set", value));
    EXPECT_TRUE(key.GetDword(HKEY_LOCAL_MACHINE, "View", "ZoomFactor", value));
    EXPECT_EQ(value, 400u);

    CRulerSettings again;
    StartUp(again);
    EXPECT_EQ(again.m_rcBounds, (Rect{100, 50, 740, 106}));
}

TEST_F(RegistryTest, OddStoredValuesKeepDefaultsOrAreRepaired)
{
    const BYTE eight[8] = {0xC8, 0, 0, 0, 0, 0, 0, 0};
    const BYTE two[2] = {0x20, 0};
    const std::string big(3u << 20, 'q');
    ASSERT_TRUE(key.SetString(HKEY_LOCAL_MACHINE, "Window", "Bounds.left", "10"));
    ASSERT_TRUE(key.SetDword(HKEY_LOCAL_MACHINE, "Window", "State", 7));
    ASSERT_TRUE(key.SetString(HKEY_LOCAL_MACHINE, "View", "Scale", "200"));
    ASSERT_TRUE(key.Set(HKEY_LOCAL_MACHINE, "View", "ZoomFactor", REG_DWORD, eight, sizeof eight));
    ASSERT_TRUE(key.Set(HKEY_LOCAL_MACHINE, "View", "Unit", REG_BINARY, two, sizeof two));
    // A path of megabytes without a terminator.
    ASSERT_TRUE(key.Set(HKEY_LOCAL_MACHINE, "CurrentVersion", "Path", REG_SZ, big.data(), DWORD(big.size())));

    CRulerSettings s;
    StartUp(s);
    EXPECT_EQ(s.m_rcBounds.left, 0);
    EXPECT_EQ(s.m_nShowState, 1);
    EXPECT_EQ(s.m_nScale, 100);
    EXPECT_EQ(s.m_nZoomFactor, 400);
    EXPECT_EQ(s.m_nUnit, 1);
    std::string path;
    ASSERT_TRUE(key.GetString(HKEY_LOCAL_MACHINE, "CurrentVersion", "Path", path));
    EXPECT_EQ(path, GetProgramFilePath());
}

TEST_F(RegistryTest, MovedProgramRewritesPathButLetterCaseDoesNot)
{
    std::string upper = GetProgramFilePath();
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    ASSERT_NE(upper, GetProgramFilePath());
    struct { std::string stored; std::string want; } cases[] = {
        {upper, upper},
        {"C:\\Elsewhere\\calyx.exe", GetProgramFilePath()},
    };
    for (auto& c : cases) {
        ASSERT_TRUE(key.SetString(HKEY_LOCAL_MACHINE, "CurrentVersion", "Path", c.stored));
        CRulerSettings s;
        StartUp(s);
        std::string path;
        ASSERT_TRUE(key.GetString(HKEY_LOCAL_MACHINE, "CurrentVersion", "Path", path));
        EXPECT_EQ(path, c.want) << c.stored;
    }
}

TEST_F(RegistryTest, SaveWithEmptyBoundsKeepsTheStoredBounds)
{
    const char* names[] = {"Bounds.left", "Bounds.top", "Bounds.right", "Bounds.bottom"};
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(key.SetDword(HKEY_LOCAL_MACHINE, "Window", names[i], DWORD(10 * (i + 1))));
    CRulerSettings s;
    Attach(s);
    s.Reset(); // bounds empty
    s.m_bOnTop = 1;
    s.m_nShowState = 2;
    s.Save();
    for (int i = 0; i < 4; ++i) {
        DWORD v = 0;
        EXPECT_TRUE(key.GetDword(HKEY_LOCAL_MACHINE, "Window", names[i], v));
        EXPECT_EQ(v, DWORD(10 * (i + 1))) << names[i];
    }
    DWORD state = 0, onTop = 0;
    EXPECT_TRUE(key.GetDword(HKEY_LOCAL_MACHINE, "Window", "State", state));
    EXPECT_TRUE(key.GetDword(HKEY_LOCAL_MACHINE, "Window", "On top", onTop));
    EXPECT_EQ(state, 2u);
    EXPECT_EQ(onTop, 1u);
}

TEST_F(RegistryTest, WithoutMachineWriteAccessTheUserKeyIsUsed)
{
    // What an administrator stored machine-wide is still read.
    ASSERT_TRUE(key.SetDword(HKEY_LOCAL_MACHINE, "View", "Scale", 200));
    CRulerSettings s;
    EXPECT_EQ(Attach(s, kUserOnly), HKEY_CURRENT_USER);
    s.Reset();
    s.Load();
    EXPECT_EQ(s.m_nScale, 200);
    EXPECT_TRUE(key.Exists(HKEY_CURRENT_USER, "CurrentVersion", "Path"));
    EXPECT_FALSE(key.Exists(HKEY_LOCAL_MACHINE, "CurrentVersion"));

    s.m_nScale = 300;
    s.m_nWidth = 800;
    s.Save();
    DWORD v = 0;
    EXPECT_TRUE(key.GetDword(HKEY_CURRENT_USER, "View", "Scale", v));
    EXPECT_EQ(v, 300u);
    EXPECT_TRUE(key.GetDword(HKEY_LOCAL_MACHINE, "View", "Scale", v));
    EXPECT_EQ(v, 200u);
    EXPECT_FALSE(key.Exists(HKEY_LOCAL_MACHINE, "Sizing"));

    // The user's own values win from then on.
    CRulerSettings next;
    Attach(next, kUserOnly);
    next.Reset();
    next.Load();
    EXPECT_EQ(next.m_nScale, 300);
    EXPECT_EQ(next.m_nWidth, 800);

    CRulerSettings machine;
    EXPECT_EQ(Attach(machine, kMachine), HKEY_LOCAL_MACHINE);
}
