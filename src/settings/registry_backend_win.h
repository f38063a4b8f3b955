// The settings backend on the real registry, and the one decision of where the settings live.
#pragma once

#include <windows.h>

#include "base/unique_handle.h"
#include "settings/registry_settings.h"
#include "settings/settings_backend.h"

#include <functional>
#include <memory>
#include <string>

class CSettingsStore;

// An open registry key, closed on scope exit.
struct RegKeyCloser {
    void operator()(HKEY h) const { RegCloseKey(h); }
};
using CRegKey = CUniqueHandle<HKEY, RegKeyCloser>;

class CRegistryBackend : public ISettingsBackend {
public:
    // Reads and writes go to `root`. With a `fallbackRoot`, a key or value missing under
    // `root` is read from there (machine-wide settings stay visible to a user who must keep
    // his own copy under HKEY_CURRENT_USER); writes never go there.
    explicit CRegistryBackend(HKEY root, HKEY fallbackRoot = nullptr) : m_hRoot(root), m_hFallback(fallbackRoot) {}

    long OpenKey(const std::string& keyPath, std::uint32_t access) override;
    long CreateKey(const std::string& keyPath) override;
    long QueryValue(const std::string& keyPath, const std::string& name, std::size_t maxSize,
                    SettingsValue& value) override;
    long SetValue(const std::string& keyPath, const std::string& name, std::uint32_t type, const void* data,
                  std::size_t size) override;
    long DeleteValue(const std::string& keyPath, const std::string& name) override;

    HKEY Root() const { return m_hRoot; }
    HKEY FallbackRoot() const { return m_hFallback; }

private:
    long QueryFrom(HKEY root, const std::string& keyPath, const std::string& name, std::size_t maxSize,
                   SettingsValue& value);
    HKEY m_hRoot;
    HKEY m_hFallback;
};

// Whether `keyPath` can be created (or opened) under HKEY_LOCAL_MACHINE with write access.
// Creates the program's key there when it can: the settings are written there anyway.
bool CanWriteMachineKey(const std::string& keyPath);

// HKEY_LOCAL_MACHINE when `canWriteMachine(keyPath)` says so, else HKEY_CURRENT_USER, for
// reads and writes alike. An unprivileged user would otherwise lose every change at exit.
HKEY ChooseSettingsRoot(const std::string& keyPath,
                        const std::function<bool(const std::string&)>& canWriteMachine = CanWriteMachineKey);

// The backend for the chosen root: under HKEY_CURRENT_USER it still reads what the machine
// key holds for values the user has not stored yet.
std::shared_ptr<ISettingsBackend> MakeRegistryBackend(HKEY root);

// The running program's full path (GetModuleFileNameA), or "" when that fails.
std::string GetProgramFilePath();

// The lead bytes of the ANSI code page (none in a single-byte one).
AnsiLeadBytes GetAnsiLeadBytes();

// Start-up's wiring, after SetKeyPath and before Reset: chooses the root for the store's key
// path, attaches the backend and records the program path (and how the code page compares it)
// for CurrentVersion\Path.
// Returns the root chosen.
HKEY AttachSettingsToRegistry(CSettingsStore& store,
                              const std::function<bool(const std::string&)>& canWriteMachine = CanWriteMachineKey);
