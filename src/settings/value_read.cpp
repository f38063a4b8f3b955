#include "settings/value_read.h"

#include <new>

long ReadWholeValue(const ValueQuery& query, std::size_t maxSize, SettingsValue& value)
{
    value = SettingsValue();
    try {
        for (int attempt = 0; attempt < kValueReadTries; ++attempt) {
            std::uint32_t type = kRegNone;
            std::uint32_t size = 0;
            long r = query(type, size, nullptr);
            if (r != kRegSuccess)
                return r;
            value.type = type;
            value.size = size;
            if (size > maxSize) {
                value.data.clear();  // the bytes of an earlier try, if it grew in between
                return kRegMoreData;
            }
            // One spare byte: a REG_SZ read may come back a terminator longer than asked.
            value.data.assign(std::size_t(size) + 1, 0);
            std::uint32_t got = size;
            r = query(type, got, value.data.data());
            if (r == kRegMoreData)
                continue; // changed in between; ask again
            if (r != kRegSuccess) {
                value.data.clear();
                return r;
            }
            value.type = type;
            value.size = got;
            value.data.resize(got);
            return kRegSuccess;
        }
    } catch (const std::bad_alloc&) {
        value.data.clear();
        return kRegNotEnoughMemory;
    }
    value.data.clear();
    return kRegMoreData;
}

bool ReadsFromFallback(long result, std::uint32_t access)
{
    return result == kRegFileNotFound && (access & ~kKeyRead) == 0;
}
