// Read-only access to the settings registry of the system the program was written for. Linux has no such
// registry: the values come from a small key-value store of ours, empty unless something puts keys in
// (tests do), so callers fall back to their defaults.
#pragma once

#include "toolkit/system/Classes.h"

#include <cstdint>

enum class HKEY : uintptr_t {
    HKEY_CLASSES_ROOT = 0x80000000,
    HKEY_CURRENT_USER = 0x80000001,
    HKEY_LOCAL_MACHINE = 0x80000002,
    HKEY_USERS = 0x80000003,
};
constexpr HKEY HKEY_CLASSES_ROOT = HKEY::HKEY_CLASSES_ROOT;
constexpr HKEY HKEY_CURRENT_USER = HKEY::HKEY_CURRENT_USER;
constexpr HKEY HKEY_LOCAL_MACHINE = HKEY::HKEY_LOCAL_MACHINE;
constexpr HKEY HKEY_USERS = HKEY::HKEY_USERS;

class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// The keys and values the registry answers with, for the whole process. Key paths are below a root,
// separated by backslashes and compared without regard to case; a key exists when it or a key below it
// holds values. Safe to use from any thread.
namespace RegistryStore {
void SetInteger(HKEY root, const String& key, const String& name, int value);
void SetString(HKEY root, const String& key, const String& name, const String& value);
void DeleteKey(HKEY root, const String& key);
void Clear();
// Grows whenever a value of the key (or, with subtree, of a key below it) is written or deleted.
uint64_t ChangeStamp(HKEY root, const String& key, bool subtree);
} // namespace RegistryStore

class TRegistry : public TObject {
public:
    TRegistry() = default;
    String ClassName() const override { return "TRegistry"; }

    HKEY RootKey() const { return FRootKey; }
    void SetRootKey(HKEY key) { FRootKey = key; }
    String CurrentPath() const { return FCurrentPath; }

    bool KeyExists(const String& key) const;
    bool OpenKeyReadOnly(const String& key);
    void CloseKey() {
        FCurrentPath.clear();
        FOpen = false;
    }
    bool ValueExists(const String& name) const;
    // Missing values or values of the other kind raise ERegistryException.
    String ReadString(const String& name) const;
    int ReadInteger(const String& name) const;

private:
    HKEY FRootKey = HKEY_CURRENT_USER;
    String FCurrentPath;
    bool FOpen = false;
};
