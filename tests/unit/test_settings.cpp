#include "settings/memory_backend.h"
#include "settings/ruler_settings.h"
#include "platform/version_text.h"

#include <climits>
#include <functional>
#include <gtest/gtest.h>

namespace {
const std::string kPath = "Software\\Orrin\\Calyx\\";
const std::string kView = kPath + "View";
const std::string kSizing = kPath + "Sizing";
const std::string kWindow = kPath + "Window";
const std::string kCurrent = kPath + "CurrentVersion";

std::vector<unsigned char> Bytes(std::initializer_list<unsigned char> b) { return b; }

std::uint32_t StoredDword(const CMemoryBackend& b, const std::string& key, const char* name)
{
    const SettingsValue* v = b.Find(key, name);
    if (!v || v->type != kRegDword || v->data.size() != 4)
        return 0xDEADBEEF;
    return v->data[0] | v->data[1] << 8 | v->data[2] << 16 | std::uint32_t(v->data[3]) << 24;
}

class Settings : public testing::Test {
protected:
    void SetUp() override
    {
        s.SetKeyPath(kPath);
        s.SetBackend(backend);
        s.m_strProgramPath = "C:\\Tools\\calyx.exe";
        s.m_nCurrentVersion = 0x00010000;
    }
    void ResetAndLoad()
    {
        s.Reset();
        s.Load();
    }
    std::shared_ptr<CMemoryBackend> backend = std::make_shared<CMemoryBackend>();
    CRulerSettings s;
};

// Every value with its section, registry name and default, in the order of the record.
struct Expected {
    const std::string* key;
    const char* name;
    std::uint32_t def;
};
const Expected kRecord[] = {
    {&kView, "Visible", 1}, {&kView, "Vertical", 0}, {&kView, "HFlipped", 0}, {&kView, "VFlipped", 0},
    {&kView, "Borderless", 0}, {&kView, "NotInTaskBar", 0}, {&kView, "Guide", 1}, {&kView, "Unit", 1},
    {&kView, "Base", 2}, {&kView, "Scale", 100}, {&kView, "ScalePreview", 0}, {&kView, "Zoom", 1},
    {&kView, "ZoomFactor", 400}, {&kView, "ZoomPreview", 0}, {&kView, "ColBk", 0xFFFF}, {&kView, "ColFg", 0},
    {&kView, "Caption", 0xC1}, {&kView, "Color", 4}, {&kSizing, "Width", 640}, {&kSizing, "Height", 480},
    {&kSizing, "Do Width", 1}, {&kSizing, "Do Height", 0}, {&kSizing, "Do Frame", 0}, {&kSizing, "HK Mode", 0},
    {&kSizing, "HK Get", 0}, {&kSizing, "HKV Get", 0}, {&kSizing, "HKM Get", 0}, {&kSizing, "HK Set", 0},
    {&kSizing, "HKV Set", 0}, {&kSizing, "HKM Set", 0},
};
} // namespace

TEST_F(Settings, EmptyRegistryGivesDefaultsAndSaveWritesThemInOrder)
{
    ResetAndLoad();
    EXPECT_EQ(s.IsChanged(), 0);
    EXPECT_EQ(s.m_bLoaded, 1);
    EXPECT_EQ(s.m_nShowState, 1);
    EXPECT_TRUE(s.m_rcBounds.IsEmpty());

    backend->m_writes.clear();
    s.m_rcBounds = Rect{10, 20, 650, 76};
    s.m_bChanged = 1;
    s.Save();
    EXPECT_EQ(s.IsChanged(), 0);

    const char* window[] = {"On top", "Bounds.left", "Bounds.top", "Bounds.right", "Bounds.bottom", "State"};
    ASSERT_EQ(backend->m_writes.size(), std::size(kRecord) + std::size(window));
    for (std::size_t i = 0; i < backend->m_writes.size(); ++i) {
        const auto& w = backend->m_writes[i];
        const bool inRecord = i < std::size(kRecord);
        EXPECT_EQ(w.keyPath, inRecord ? *kRecord[i].key : kWindow) << i;
        EXPECT_EQ(w.name, inRecord ? kRecord[i].name : window[i - std::size(kRecord)]) << i;
        EXPECT_EQ(w.type, kRegDword) << w.name;
        EXPECT_EQ(w.data.size(), 4u) << w.name;
        if (inRecord) {
            EXPECT_EQ(StoredDword(*backend, *kRecord[i].key, kRecord[i].name), kRecord[i].def) << w.name;
        }
    }
    EXPECT_EQ(StoredDword(*backend, kWindow, "Bounds.right"), 650u);
}

TEST_F(Settings, LoadFixUpsAndIllTypedValues)
{
    using Get = std::function<std::int64_t(const CRulerSettings&)>;
    const Get scale = [](const CRulerSettings& r) { return r.m_nScale; };
    const Get zoom = [](const CRulerSettings& r) { return r.m_nZoomFactor; };
    const Get unit = [](const CRulerSettings& r) { return r.m_nUnit; };
    const Get color = [](const CRulerSettings& r) { return r.m_nColor; };
    struct Case {
        const std::string& key;
        const char* name;
        std::uint32_t type;
        std::vector<unsigned char> data;
        Get get;
        std::int64_t want;
    } cases[] = {
        {kView, "Scale", kRegDword, Bytes({20, 0, 0, 0}), scale, 50},
        {kView, "Scale", kRegDword, Bytes({0x88, 0x13, 0, 0}), scale, 1000}, // 5000
        {kView, "Scale", kRegDword, Bytes({0, 0, 0, 0x80}), scale, 50},      // INT_MIN
        {kView, "Scale", kRegDword, Bytes({0xC8, 0, 0, 0}), scale, 200},
        {kView, "ZoomFactor", kRegDword, Bytes({20, 0, 0, 0}), zoom, 50},
        {kView, "ZoomFactor", kRegDword, Bytes({0xFF, 0xFF, 0xFF, 0x7F}), zoom, 1000},
        {kView, "Unit", kRegDword, Bytes({0, 1, 0, 0}), unit, 1},
        {kView, "Unit", kRegDword, Bytes({0x20, 0, 0, 0}), unit, 0x20},
        {kView, "Color", kRegDword, Bytes({0, 0, 1, 0}), color, 0x10004},
        {kView, "Color", kRegDword, Bytes({8, 0, 1, 0}), color, 0x10008},
        // Kept to one unit; a notation the program does not know is kept as stored.
        {kView, "Unit", kRegDword, Bytes({0x21, 0, 0, 0}), unit, 0x01},
        {kView, "Unit", kRegDword, Bytes({0x60, 0, 0, 0}), unit, 0x40},
        {kView, "Unit", kRegDword, Bytes({0x20, 1, 0, 0}), unit, 0x20},
        {kView, "Unit", kRegDword, Bytes({0xFF, 0xFF, 0xFF, 0xFF}), unit, 0x01},
        {kView, "Color", kRegDword, Bytes({3, 0, 1, 0}), color, 0x10003},
        {kView, "Color", kRegDword, Bytes({0x20, 0, 0, 0}), color, 0x20},
        {kView, "Base", kRegDword, Bytes({7, 0, 0, 0}), [](const CRulerSettings& r) { return r.m_nBase; }, 7},
        {kView, "ColBk", kRegDword, Bytes({0xFF, 0xFF, 0xFF, 0xFF}), [](const CRulerSettings& r) { return r.m_clrBk; }, -1},
        {kSizing, "HKV Get", kRegDword, Bytes({0x45, 0x23, 1, 0}), [](const CRulerSettings& r) { return r.m_wHKVGet; }, 0x2345},
        {kSizing, "HKM Set", kRegDword, Bytes({4, 0, 0xFF, 0xFF}), [](const CRulerSettings& r) { return r.m_wHKMSet; }, 4},
        // Anything but a 4-byte REG_DWORD keeps the default.
        {kView, "Scale", kRegSz, Bytes({'2', '0', '0', 0}), scale, 100},
        {kView, "Scale", kRegBinary, Bytes({0xC8, 0, 0, 0}), scale, 100},
        {kView, "Scale", kRegDword, Bytes({0xC8, 0}), scale, 100},
        {kView, "Scale", kRegDword, Bytes({0xC8, 0, 0, 0, 0, 0, 0, 0}), scale, 100},
        {kView, "Scale", kRegDword, Bytes({}), scale, 100},
        {kView, "Unit", kRegBinary, Bytes({0x20, 0}), unit, 1},
    };
    for (const Case& c : cases) {
        auto fresh = std::make_shared<CMemoryBackend>();
        fresh->Put(c.key, c.name, c.type, c.data);
        s.SetBackend(fresh);
        ResetAndLoad();
        EXPECT_EQ(c.get(s), c.want) << c.name << " type " << c.type << " size " << c.data.size();
    }
}

TEST_F(Settings, WindowSectionReadsAndRepairs)
{
    struct { std::uint32_t stored; int want; } states[] = {{7, 1}, {0, 1}, {0xFFFFFFFF, 1}, {2, 2}, {3, 3}};
    for (auto& c : states) {
        backend->PutDword(kWindow, "State", c.stored);
        ResetAndLoad();
        EXPECT_EQ(s.m_nShowState, c.want) << c.stored;
    }
    backend->PutString(kWindow, "Bounds.left", "10");
    backend->PutDword(kWindow, "Bounds.top", 0x80000000u);
    backend->PutDword(kWindow, "Bounds.right", 0x7FFFFFFFu);
    backend->PutDword(kWindow, "On top", 1);
    ResetAndLoad();
    EXPECT_EQ(s.m_rcBounds, (Rect{0, INT_MIN, INT_MAX, 0}));
    EXPECT_EQ(s.m_bOnTop, 1);
}

TEST_F(Settings, SaveWithEmptyBoundsKeepsTheStoredOnes)
{
    backend->PutDword(kWindow, "Bounds.left", 5);
    backend->PutDword(kWindow, "Bounds.right", 300);
    s.Reset(); // bounds empty, nothing loaded
    s.m_nShowState = 3;
    backend->m_writes.clear();
    s.Save();
    ASSERT_EQ(backend->m_writes.size(), 32u);
    EXPECT_EQ(backend->m_writes[30].name, "On top");
    EXPECT_EQ(backend->m_writes[31].name, "State");
    EXPECT_EQ(StoredDword(*backend, kWindow, "Bounds.left"), 5u);
    EXPECT_EQ(StoredDword(*backend, kWindow, "Bounds.right"), 300u);
    EXPECT_EQ(StoredDword(*backend, kWindow, "State"), 3u);
}

TEST_F(Settings, WriteRectStopsAtTheFirstFailure)
{
    backend->m_failingNames.insert("bounds.top");
    EXPECT_FALSE(s.WriteRect("Window", "Bounds", Rect{1, 2, 3, 4}));
    ASSERT_EQ(backend->m_writes.size(), 2u);
    EXPECT_EQ(backend->m_writes[1].name, "Bounds.top");
    // A failed write is skipped by Save; the following values are still written.
    backend->m_writes.clear();
    backend->m_failingNames = {"scale"};
    s.Save();
    EXPECT_EQ(backend->m_writes.size(), 32u);
}

TEST_F(Settings, ResetRewritesCurrentVersionOnlyWhenItDiffers)
{
    struct Case {
        const char* storedPath; // null: not stored
        bool versionStored;
        std::uint32_t storedVersion;
        bool wantPathWrite;
        bool wantVersionWrite;
    } cases[] = {
        {nullptr, false, 0, true, true},                      // first run creates both
        {"C:\\Tools\\calyx.exe", true, 0x10000, false, false},
        {"c:\\TOOLS\\CALYX.EXE", true, 0x10000, false, false}, // letter case only
        {"D:\\Other\\calyx.exe", true, 0x10000, true, false},  // moved
        {"C:\\Tools\\calyx.exe", true, 0x20003, false, true},  // another version ran last
    };
    for (const Case& c : cases) {
        auto fresh = std::make_shared<CMemoryBackend>();
        if (c.storedPath)
            fresh->PutString(kCurrent, "Path", c.storedPath);
        if (c.versionStored)
            fresh->PutDword(kCurrent, "Version", c.storedVersion);
        s.SetBackend(fresh);
        s.m_nStoredVersion = 0;
        s.Reset();
        bool pathWritten = false, versionWritten = false;
        for (const auto& w : fresh->m_writes) {
            pathWritten |= w.name == "Path";
            versionWritten |= w.name == "Version";
        }
        EXPECT_EQ(pathWritten, c.wantPathWrite) << (c.storedPath ? c.storedPath : "(none)");
        EXPECT_EQ(versionWritten, c.wantVersionWrite) << std::hex << c.storedVersion;
        EXPECT_EQ(std::uint32_t(s.m_nStoredVersion), c.storedVersion);
        EXPECT_EQ(StoredDword(*fresh, kCurrent, "Version"), 0x10000u);
    }
}

TEST_F(Settings, StringReadsCopeWithAnySize)
{
    std::vector<unsigned char> big(4u << 20, 'x');
    backend->Put(kCurrent, "Big", kRegSz, big);                                  // no terminator
    backend->Put(kCurrent, "Cut", kRegSz, Bytes({'a', 'b', 0, 'c', 0}));         // inner zero
    backend->Put(kCurrent, "Bin", kRegBinary, Bytes({'a', 0}));
    backend->Put(kCurrent, "Empty", kRegSz, Bytes({}));
    EXPECT_EQ(s.ReadString("CurrentVersion", "Big", "d").size(), big.size());
    EXPECT_EQ(s.ReadString("CurrentVersion", "Cut", "d"), "ab");
    EXPECT_EQ(s.ReadString("CurrentVersion", "Bin", "d"), "d");
    EXPECT_EQ(s.ReadString("CurrentVersion", "Empty", "d"), "");
    EXPECT_EQ(s.ReadString("CurrentVersion", "Missing", "d"), "d");
    EXPECT_EQ(s.ReadDword("CurrentVersion", "Big", 9), 9);
}

TEST_F(Settings, SectionPathsThatCannotBeBuiltFailCleanly)
{
    EXPECT_EQ(s.ReadDword(nullptr, "Scale", 3), 3);
    EXPECT_EQ(s.LastError(), kRegInvalidParameter);
    EXPECT_EQ(s.OpenSection(nullptr, true), kRegInvalidParameter);

    // Path and section together: 255 characters fit, 256 do not.
    const std::string fits = "Software\\" + std::string(255 - 9 - 4 - 1, 'k') + "\\";
    s.SetKeyPath(fits);
    EXPECT_TRUE(s.WriteDword("View", "Scale", 1));
    s.SetKeyPath(fits + "k");
    EXPECT_FALSE(s.WriteDword("View", "Scale", 1));
    EXPECT_EQ(s.LastError(), kRegNameTooLong);
    EXPECT_EQ(s.ReadDword("View", "Scale", 4), 4);

    // Without a key path nothing lands directly under the root.
    s.SetKeyPath("");
    backend->m_writes.clear();
    s.Save();
    EXPECT_TRUE(backend->m_writes.empty());
}

TEST_F(Settings, DeleteValueAndOpenSection)
{
    EXPECT_EQ(s.OpenSection("View", false), kRegFileNotFound);
    EXPECT_EQ(s.OpenSection("View", true), kRegSuccess);
    EXPECT_EQ(s.OpenSection("View", false), kRegSuccess);
    ASSERT_TRUE(s.WriteString("View", "Note", "x"));
    EXPECT_TRUE(s.DeleteValue("View", "Note"));
    EXPECT_FALSE(s.DeleteValue("View", "Note"));
    EXPECT_EQ(s.LastError(), kRegFileNotFound);
}

TEST_F(Settings, PlacementTakesStateOrRectangle)
{
    s.Reset();
    s.m_rcBounds = Rect{0, 0, 100, 56};
    EXPECT_TRUE(s.TakePlacement(3, Rect{5, 5, 50, 50})); // just maximized
    EXPECT_EQ(s.m_nShowState, 3);
    EXPECT_EQ(s.m_rcBounds, (Rect{0, 0, 100, 56}));
    EXPECT_EQ(s.IsChanged(), 1);

    s.m_bChanged = 0;
    EXPECT_FALSE(s.TakePlacement(3, Rect{0, 0, 100, 56}));
    EXPECT_EQ(s.IsChanged(), 0);
    EXPECT_TRUE(s.TakePlacement(3, Rect{1, 0, 100, 56}));
    EXPECT_EQ(s.m_rcBounds.left, 1);
    EXPECT_EQ(s.IsChanged(), 1);
}

TEST(SettingsText, CompanyWordKeyPathAndTip)
{
    // A missing or empty first word falls back to the usual one: an empty word would leave
    // the settings without a key.
    struct { const char* name; const char* word; } words[] = {
        {"Orrin Computing", "Orrin"}, {"Orrin", "Orrin"}, {"Acme  Tools", "Acme"},
        {" Orrin", "Orrin"},          {"", "Orrin"},      {nullptr, "Orrin"}};
    for (auto& c : words)
        EXPECT_EQ(CompanyWordOf(c.name), c.word) << '"' << (c.name ? c.name : "(none)") << '"';
    EXPECT_EQ(MakeSettingsKeyPath("Orrin", "Calyx"), "Software\\Orrin\\Calyx\\");
    EXPECT_EQ(MakeSettingsKeyPath("", "Calyx"), "");
    EXPECT_EQ(FormatTrayTip("Orrin Computing", "Calyx", "Graphics and layout design assistant"),
              "Orrin Computing Calyx - Graphics and layout design assistant");
}

TEST(SettingsText, PathsCompareIgnoringCaseCharacterByCharacter)
{
    AnsiLeadBytes cp1252;                             // single-byte: no lead bytes
    AnsiLeadBytes cp932{{0x81, 0x9F, 0xE0, 0xFC}};    // Japanese (Shift JIS)
    AnsiLeadBytes cp936{{0x81, 0xFE}};                // Simplified Chinese (GBK)
    struct { const char* a; const char* b; const AnsiLeadBytes& cp; bool equal; } cases[] = {
        {"C:\\Calyx.exe", "c:\\CALYX.EXE", cp1252, true},
        {"AZ", "az", cp1252, true},
        {"@[", "`{", cp1252, false},                    // the neighbours of A and Z are no letters
        {"C:\\M\xDCll", "c:\\m\xFCll", cp1252, true},   // U with diaeresis
        {"\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF", cp1252, true},
        {"\xD7", "\xF7", cp1252, false},                 // multiplication and division signs
        {"C:\\A", "C:\\A\\", cp1252, false},
        {"[", "{", cp1252, false},
        // Two different characters whose second bytes differ only as 'A' and 'a' do.
        {"C:\\\x83\x41", "C:\\\x83\x61", cp932, false},
        {"\x83\x41", "\x83\x61", cp932, false},        // the same at the start
        {"C:\\\x83\x41", "C:\\\x83\x41", cp932, true},
        {"D:\\\x81\x5A\\Calyx.exe", "d:\\\x81\x7A\\calyx.EXE", cp936, false},
        {"D:\\\x81\x5A\\Calyx.exe", "d:\\\x81\x5A\\calyx.EXE", cp936, true},
        // Single-byte katakana in 932 have no case; 0xE0 there starts a two-byte character.
        {"\xC0x", "\xE0x", cp932, false},
        {"\xC0", "\xE0", cp1252, true},                  // A with grave, in 1252
        {"\xB1", "\xB1", cp932, true},
    };
    for (auto& c : cases)
        EXPECT_EQ(EqualNoCaseAnsi(c.a, c.b, c.cp), c.equal) << c.a << " / " << c.b;
}

TEST(MemoryBackend, KeyNamesIgnoreTheCaseOfLettersOnly)
{
    CMemoryBackend b;
    b.PutDword("Software\\AZ`{", "V", 1);
    EXPECT_TRUE(b.HasKey("software\\az`{"));
    EXPECT_TRUE(b.HasKey("SOFTWARE\\Az`{"));
    EXPECT_FALSE(b.HasKey("Software\\AZ@["));  // the neighbours of A and Z are no letters
}
