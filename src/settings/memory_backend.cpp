#include "settings/memory_backend.h"

#include <cstring>

std::string CMemoryBackend::Fold(const std::string& s)
{
    std::string folded = s;
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return folded;
}

long CMemoryBackend::OpenKey(const std::string& keyPath, std::uint32_t)
{
    return HasKey(keyPath) ? kRegSuccess : kRegFileNotFound;
}

long CMemoryBackend::CreateKey(const std::string& keyPath)
{
    m_keys[Fold(keyPath)];
    return kRegSuccess;
}

long CMemoryBackend::QueryValue(const std::string& keyPath, const std::string& name, std::size_t maxSize,
                                SettingsValue& value)
{
    const SettingsValue* stored = Find(keyPath, name);
    if (!stored)
        return kRegFileNotFound;
    value.type = stored->type;
    value.size = stored->size;
    value.data.clear();
    if (stored->size > maxSize)
        return kRegMoreData;
    value.data = stored->data;
    return kRegSuccess;
}

long CMemoryBackend::SetValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                              const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::vector<unsigned char> copy(bytes, bytes + size);
    m_writes.push_back(Write{keyPath, name, type, copy});
    if (m_failingNames.count(Fold(name)))
        return 5; // ERROR_ACCESS_DENIED
    Put(keyPath, name, type, std::move(copy));
    return kRegSuccess;
}

long CMemoryBackend::DeleteValue(const std::string& keyPath, const std::string& name)
{
    auto key = m_keys.find(Fold(keyPath));
    if (key == m_keys.end())
        return kRegFileNotFound;
    return key->second.erase(Fold(name)) ? kRegSuccess : kRegFileNotFound;
}

void CMemoryBackend::Put(const std::string& keyPath, const std::string& name, std::uint32_t type,
                         std::vector<unsigned char> data)
{
    SettingsValue& v = m_keys[Fold(keyPath)][Fold(name)];
    v.type = type;
    v.size = data.size();
    v.data = std::move(data);
}

void CMemoryBackend::PutDword(const std::string& keyPath, const std::string& name, std::uint32_t value)
{
    Put(keyPath, name, kRegDword,
        {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
         static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)});
}

void CMemoryBackend::PutString(const std::string& keyPath, const std::string& name, const std::string& text)
{
    std::vector<unsigned char> bytes(text.begin(), text.end());
    bytes.push_back(0);
    Put(keyPath, name, kRegSz, std::move(bytes));
}

const SettingsValue* CMemoryBackend::Find(const std::string& keyPath, const std::string& name) const
{
    auto key = m_keys.find(Fold(keyPath));
    if (key == m_keys.end())
        return nullptr;
    auto value = key->second.find(Fold(name));
    return value == key->second.end() ? nullptr : &value->second;
}

bool CMemoryBackend::HasKey(const std::string& keyPath) const
{
    return m_keys.count(Fold(keyPath)) != 0;
}
