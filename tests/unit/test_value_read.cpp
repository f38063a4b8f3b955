#include "settings/value_read.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A registry value as successive queries see it: `versions[i]` is what the i-th query finds
// (the last one stays), and the query numbered `failAt` fails with `error`.
struct ScriptedValue {
    std::vector<std::string> versions;
    int failAt = -1;
    long error = 0;
    int calls = 0;

    long operator()(std::uint32_t& type, std::uint32_t& size, unsigned char* data)
    {
        const int call = calls++;
        if (call == failAt)
            return error;
        const std::string& v = versions[std::min<std::size_t>(std::size_t(call), versions.size() - 1)];
        type = kRegBinary;
        const std::uint32_t room = size;
        size = std::uint32_t(v.size());
        if (!data)
            return kRegSuccess;
        if (room < v.size())
            return kRegMoreData;
        std::memcpy(data, v.data(), v.size());
        return kRegSuccess;
    }
};

} // namespace

TEST(ValueRead, WholeValueOrWhyNot)
{
    struct {
        const char* what;
        std::vector<std::string> versions;
        std::size_t maxSize;
        int failAt;
        long error;
        long result;
        std::size_t size;
        std::string bytes;
        int calls;
    } cases[] = {
        {"read at once", {"abcd"}, kAnySize, -1, 0, kRegSuccess, 4, "abcd", 2},
        {"an empty value", {""}, kAnySize, -1, 0, kRegSuccess, 0, "", 2},
        {"exactly the most asked for", {"abcd"}, 4, -1, 0, kRegSuccess, 4, "abcd", 2},
        // Too large: its size is told, its bytes are not read.
        {"larger than asked for", {"abcde"}, 4, -1, 0, kRegMoreData, 5, "", 1},
        // Grown between the size query and the read: asked again, as it is then.
        {"grew once", {"ab", "abcdef"}, kAnySize, -1, 0, kRegSuccess, 6, "abcdef", 4},
        {"grew past the most", {"ab", "abcdef"}, 4, -1, 0, kRegMoreData, 6, "", 3},
        {"shrank", {"abcdef", "ab"}, kAnySize, -1, 0, kRegSuccess, 2, "ab", 2},
        {"keeps growing", {"a", "ab", "abc", "abcd", "abcde", "abcdef", "abcdefg", "abcdefgh", "abcdefghi"},
         kAnySize, -1, 0, kRegMoreData, 7, "", 8},
        {"gone", {"abcd"}, kAnySize, 0, kRegFileNotFound, kRegFileNotFound, 0, "", 1},
        {"unreadable bytes", {"abcd"}, kAnySize, 1, 5, 5, 4, "", 2},
    };
    for (const auto& c : cases) {
        ScriptedValue stored{c.versions, c.failAt, c.error};
        SettingsValue value;
        value.data = {1, 2, 3};  // whatever was there goes
        const long r = ReadWholeValue(std::ref(stored), c.maxSize, value);
        EXPECT_EQ(r, c.result) << c.what;
        EXPECT_EQ(value.size, c.size) << c.what;
        EXPECT_EQ(std::string(value.data.begin(), value.data.end()), c.bytes) << c.what;
        EXPECT_EQ(stored.calls, c.calls) << c.what;
    }
}

TEST(ValueRead, OnlyAMissingKeyReadOnlyGoesToTheFallback)
{
    struct {
        long result;
        std::uint32_t access;
        bool fallback;
    } cases[] = {
        {kRegFileNotFound, kKeyRead, true},
        {kRegFileNotFound, 0x0001, true},  // KEY_QUERY_VALUE is part of reading
        {kRegFileNotFound, kKeyReadWrite, false},
        {kRegFileNotFound, kKeySetValue, false},
        {kRegSuccess, kKeyRead, false},
        {5, kKeyRead, false},  // access denied: the key is there
        {kRegMoreData, kKeyRead, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadsFromFallback(c.result, c.access), c.fallback) << c.result << " " << c.access;
}
