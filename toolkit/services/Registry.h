// Read-only access to the settings registry of the system the program was written for. Linux has no
// such registry, so every key is absent and every read gives nothing; callers keep their defaults.
#pragma once

#include "toolkit/system/Classes.h"

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

class TRegistry : public TObject {
public:
    TRegistry() = default;
    String ClassName() const override { return "TRegistry"; }

    HKEY RootKey() const { return FRootKey; }
    void SetRootKey(HKEY key) { FRootKey = key; }
    String CurrentPath() const { return String(); }

    bool KeyExists(const String&) const { return false; }
    bool OpenKeyReadOnly(const String&) { return false; }
    void CloseKey() {}
    bool ValueExists(const String&) const { return false; }
    String ReadString(const String&) const { return String(); }

private:
    HKEY FRootKey = HKEY_CURRENT_USER;
};
