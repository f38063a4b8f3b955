// A settings backend held in memory, for the core's tests: it keeps every value, logs the
// writes in order and can be told to fail writes of chosen value names.
#pragma once

#include "settings/settings_backend.h"

#include <map>
#include <set>

class CMemoryBackend : public ISettingsBackend {
public:
    struct Write {
        std::string keyPath;
        std::string name;
        std::uint32_t type;
        std::vector<unsigned char> data;
    };

    long OpenKey(const std::string& keyPath, std::uint32_t access) override;
    long CreateKey(const std::string& keyPath) override;
    long QueryValue(const std::string& keyPath, const std::string& name, std::size_t maxSize,
                    SettingsValue& value) override;
    long SetValue(const std::string& keyPath, const std::string& name, std::uint32_t type, const void* data,
                  std::size_t size) override;
    long DeleteValue(const std::string& keyPath, const std::string& name) override;

    // Test set-up: store a value without logging it.
    void Put(const std::string& keyPath, const std::string& name, std::uint32_t type,
             std::vector<unsigned char> data);
    void PutDword(const std::string& keyPath, const std::string& name, std::uint32_t value);
    void PutString(const std::string& keyPath, const std::string& name, const std::string& text);
    // The stored value, or null.
    const SettingsValue* Find(const std::string& keyPath, const std::string& name) const;
    bool HasKey(const std::string& keyPath) const;

    // Writes of values with these names fail (case-insensitive, as the registry's names).
    std::set<std::string> m_failingNames;
    std::vector<Write> m_writes;

private:
    // Registry key and value names compare without regard to case.
    static std::string Fold(const std::string& s);
    std::map<std::string, std::map<std::string, SettingsValue>> m_keys;
};
