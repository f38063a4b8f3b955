// The registry as the settings store sees it: one key tree under a root chosen once at
// start-up. Every call opens the key it needs, does its one operation and closes the key
// again; no handle stays open between calls. Results are registry error codes (0 success),
// so the read and fix-up rules of the settings live in the core and run anywhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Value types and the error codes the settings code looks at (Windows' numbers; the names
// differ from windows.h so both can be included together).
constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

constexpr long kRegSuccess = 0;
constexpr long kRegFileNotFound = 2;       // ERROR_FILE_NOT_FOUND: no such key or value
constexpr long kRegInvalidHandle = 6;      // ERROR_INVALID_HANDLE: no backend attached
constexpr long kRegInvalidParameter = 87;  // ERROR_INVALID_PARAMETER: null section name
constexpr long kRegNameTooLong = 206;      // ERROR_FILENAME_EXCED_RANGE: path past 255 characters
constexpr long kRegMoreData = 234;         // ERROR_MORE_DATA: the value is larger than asked for

// Access masks as RegOpenKeyExA takes them.
constexpr std::uint32_t kKeyRead = 0x20019;
constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::uint32_t kKeyReadWrite = 0x2001F;

// A value as read: its type and (up to the size asked for) its bytes. `size` is the stored
// size even when the bytes were not read because they did not fit.
struct SettingsValue {
    std::uint32_t type = kRegNone;
    std::size_t size = 0;
    std::vector<unsigned char> data;
};

// Unlimited read size for QueryValue.
constexpr std::size_t kAnySize = static_cast<std::size_t>(-1);

class ISettingsBackend {
public:
    virtual ~ISettingsBackend() = default;

    // Opens `keyPath` (below the root) with `access`, then closes it: whether it exists.
    virtual long OpenKey(const std::string& keyPath, std::uint32_t access) = 0;
    // Opens or creates `keyPath` with read and write access, then closes it.
    virtual long CreateKey(const std::string& keyPath) = 0;
    // Reads a value's type and bytes. A stored value larger than `maxSize` gives kRegMoreData
    // with the type and size filled in and no bytes.
    virtual long QueryValue(const std::string& keyPath, const std::string& name, std::size_t maxSize,
                            SettingsValue& value) = 0;
    // Sets a value, creating the key when needed.
    virtual long SetValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                          const void* data, std::size_t size) = 0;
    // Deletes a value; the key is opened with kKeySetValue and never created.
    virtual long DeleteValue(const std::string& keyPath, const std::string& name) = 0;
};
