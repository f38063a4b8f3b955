// Reading one registry value whole: the size asked for first, then the bytes, asked again
// when the value grew in between; and when a read under the settings root goes on to the
// machine-wide fallback root.
#pragma once

#include "settings/settings_backend.h"

#include <cstddef>
#include <cstdint>
#include <functional>

// No memory for a value's bytes (ERROR_NOT_ENOUGH_MEMORY).
constexpr long kRegNotEnoughMemory = 8;

// How many times a value that keeps growing between the size query and the read is asked
// for before the read gives up.
constexpr int kValueReadTries = 4;

// One query of the open key's value, as RegQueryValueExA does it: with null `data` the type
// and size only; else up to `size` bytes into `data`, `size` set to the bytes there are.
using ValueQuery = std::function<long(std::uint32_t& type, std::uint32_t& size, unsigned char* data)>;

// The value's type and bytes into `value`, as ISettingsBackend::QueryValue gives them: a
// stored value larger than `maxSize` gives kRegMoreData with its type and size and no bytes,
// as does one that still grows after kValueReadTries reads. A failed read leaves no bytes.
long ReadWholeValue(const ValueQuery& query, std::size_t maxSize, SettingsValue& value);

// Whether a key or value missing under the settings root (`result`) is looked for under the
// fallback root: only for reading (`access` within kKeyRead), never to write there.
bool ReadsFromFallback(long result, std::uint32_t access = kKeyRead);
