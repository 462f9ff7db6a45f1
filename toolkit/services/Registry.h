// The settings registry of the system the program was written for, over a small key-value store of ours.
// Linux has no such registry: the current user's keys (HKEY_CURRENT_USER) live in a file under the user's
// configuration folder, written whole at every change; the other roots hold only what the process puts in
// (tests do), so their readers fall back to their defaults.
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
// separated by backslashes and compared without regard to case; a key exists when it was created or a key
// below it holds values. Safe to use from any thread. The functions here change the process's view only;
// TRegistry's writes also keep the user's file.
namespace RegistryStore {
void SetInteger(HKEY root, const String& key, const String& name, int value);
void SetString(HKEY root, const String& key, const String& name, const String& value);
void DeleteKey(HKEY root, const String& key);
void Clear();
// Grows whenever a value of the key (or, with subtree, of a key below it) is written or deleted.
uint64_t ChangeStamp(HKEY root, const String& key, bool subtree);

// The file that keeps the current user's keys: "<configuration folder>/Quenvarrow/user-registry.json"
// until SetUserFile names another. It is read when the store is first used.
String UserFile();
// Reads the current user's keys from `path` in place of those held now, and writes them there from now
// on; an empty path keeps them in memory only.
void SetUserFile(const String& path);
// Why the user file read as empty (it was damaged, too large or unreadable); empty when it read well or
// did not exist. The reason is also logged as a warning. A damaged file is kept beside as
// "<file>.damaged" before the first write replaces it.
String UserFileWarning();
} // namespace RegistryStore

// Reads and writes keys of one root. Key paths always count from the root. Only the current user's keys
// can be written; a write is kept in the user file at once, and one that cannot be kept (the file cannot be
// written, or a key, name or value is beyond the limits: keys of 1024 characters, names of 255 in a key
// and 1024 for a value, texts of 262144 characters, a file of 16 MiB) raises ERegistryException and
// changes nothing.
class TRegistry : public TObject {
public:
    TRegistry() = default;
    String ClassName() const override { return "TRegistry"; }

    HKEY RootKey() const { return FRootKey; }
    void SetRootKey(HKEY key) { FRootKey = key; }
    String CurrentPath() const { return FCurrentPath; }

    bool KeyExists(const String& key) const;
    bool OpenKeyReadOnly(const String& key);
    // Opens the key, creating it (and its parents) with CanCreate when missing; false when it is missing
    // and not created, or cannot be created here (a root other than the current user's).
    bool OpenKey(const String& key, bool CanCreate);
    void CloseKey() {
        FCurrentPath.clear();
        FOpen = false;
    }
    // Removes the key, its values and the keys below it; false when there was none.
    bool DeleteKey(const String& key);
    bool ValueExists(const String& name) const;
    bool DeleteValue(const String& name);
    // Missing values or values of the other kind raise ERegistryException.
    String ReadString(const String& name) const;
    int ReadInteger(const String& name) const;
    bool ReadBool(const String& name) const { return ReadInteger(name) != 0; }
    // Into the open key; without one, or outside the current user's keys, ERegistryException.
    void WriteString(const String& name, const String& value);
    void WriteInteger(const String& name, int value);
    void WriteBool(const String& name, bool value) { WriteInteger(name, value ? 1 : 0); }

private:
    HKEY FRootKey = HKEY_CURRENT_USER;
    String FCurrentPath;
    bool FOpen = false;
};

// A registry key read and written as an INI file: sections are the key's sub-keys, values their values.
// Reading falls back to the default; writing raises as TRegistry does.
class TRegistryIniFile : public TObject {
public:
    explicit TRegistryIniFile(const String& key, HKEY root = HKEY_CURRENT_USER) : FKey(key), FRoot(root) {}
    String ClassName() const override { return "TRegistryIniFile"; }
    String FileName() const { return FKey; }

    String ReadString(const String& section, const String& ident, const String& def) const;
    void WriteString(const String& section, const String& ident, const String& value);
    // An integer value, or a text holding one; `def` otherwise.
    int ReadInteger(const String& section, const String& ident, int def) const;
    void WriteInteger(const String& section, const String& ident, int value);
    bool ReadBool(const String& section, const String& ident, bool def) const;
    void WriteBool(const String& section, const String& ident, bool value);
    bool SectionExists(const String& section) const;
    bool ValueExists(const String& section, const String& ident) const;
    void EraseSection(const String& section);
    void DeleteKey(const String& section, const String& ident);
    // Writes are kept at once: nothing is left to write.
    void UpdateFile() {}

private:
    String SectionPath(const String& section) const;
    String FKey;
    HKEY FRoot;
};
