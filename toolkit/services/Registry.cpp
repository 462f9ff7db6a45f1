// The registry's key-value store, the current user's file behind it, and the reader and writer over it.
#include "toolkit/services/Registry.h"
#include "toolkit/services/Registry_UserFile.h"
#include "toolkit/system/Streams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QVariant>
#include <QtGlobal>
#include <map>
#include <mutex>

using qvdetail::NormalisedRegistryPath;

namespace {
struct RegistryKeyData {
    std::map<String, QVariant> values; // by lower-case name
    uint64_t stamp = 0;
};

using RegistryKeyId = std::pair<uintptr_t, String>; // root and lower-case path

struct RegistryData {
    std::recursive_mutex lock;
    std::map<RegistryKeyId, RegistryKeyData> keys;
    uint64_t counter = 0;
    // Stamps of deleted keys, so a watcher of a key that goes away still sees a change.
    std::map<RegistryKeyId, uint64_t> deleted;
    String userFile;
    bool userFileRead = false;
    bool userFileDamaged = false;
    String userFileWarning;
};

constexpr uintptr_t kUserRoot = static_cast<uintptr_t>(HKEY_CURRENT_USER);

String defaultUserRegistryFile() {
    const String folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder.isEmpty() ? String() : folder + QStringLiteral("/Quenvarrow/user-registry.json");
}

void forgetUserKeysLocked(RegistryData& d) {
    for (auto it = d.keys.begin(); it != d.keys.end();) {
        if (it->first.first == kUserRoot) {
            d.deleted[it->first] = ++d.counter;
            it = d.keys.erase(it);
        } else {
            ++it;
        }
    }
}

// Replaces the current user's keys with the file's; a file that does not read leaves none, with a warning.
void readUserFileLocked(RegistryData& d) {
    d.userFileRead = true;
    d.userFileDamaged = false;
    d.userFileWarning.clear();
    forgetUserKeysLocked(d);
    if (d.userFile.isEmpty() || !QFileInfo::exists(d.userFile)) return;
    QByteArray bytes;
    String why;
    qvdetail::TRegistryKeys keys;
    if (ReadWholeFile(d.userFile, bytes, &why, qvdetail::kRegistryMaxFileBytes) &&
        qvdetail::ReadUserRegistry(bytes, keys, why)) {
        for (auto& [path, values] : keys) {
            RegistryKeyData& k = d.keys[{kUserRoot, path}];
            k.values = std::move(values);
            k.stamp = ++d.counter;
        }
        return;
    }
    d.userFileDamaged = true;
    d.userFileWarning =
        QStringLiteral("The user settings file \"%1\" does not read (%2): its settings are not used, "
                       "and it is kept as \"%1.damaged\" when the settings are next written.")
            .arg(d.userFile, why);
    qWarning("%s", qPrintable(d.userFileWarning));
}

RegistryData& registryData() {
    static RegistryData data;
    static std::once_flag read;
    std::call_once(read, [] {
        std::lock_guard guard(data.lock);
        if (!data.userFileRead) {
            data.userFile = defaultUserRegistryFile();
            readUserFileLocked(data);
        }
    });
    return data;
}

// Writes the current user's keys to the user file; false (the file as it was) with the reason otherwise.
bool writeUserFileLocked(RegistryData& d, String& error) {
    qvdetail::TRegistryKeys keys;
    for (const auto& [id, data] : d.keys)
        if (id.first == kUserRoot) keys[id.second] = data.values;
    const QByteArray bytes = qvdetail::WriteUserRegistry(keys);
    if (bytes.size() > qvdetail::kRegistryMaxFileBytes) {
        error = QStringLiteral("The user settings would grow beyond %1 bytes")
                    .arg(qvdetail::kRegistryMaxFileBytes);
        return false;
    }
    if (d.userFile.isEmpty()) return true;
    const QFileInfo info(d.userFile);
    if (!QDir().mkpath(info.absolutePath())) {
        error = QStringLiteral("Cannot create the folder \"%1\"").arg(info.absolutePath());
        return false;
    }
    if (d.userFileDamaged && info.exists()) {
        // What could not be read is kept for the person to look at, never overwritten unseen.
        const String kept = d.userFile + QStringLiteral(".damaged");
        QFile::remove(kept);
        if (!QFile::copy(d.userFile, kept)) {
            error = QStringLiteral("Cannot keep the unreadable settings file as \"%1\"").arg(kept);
            return false;
        }
    }
    String why;
    if (!SaveFileAtomically(d.userFile, bytes, &why)) {
        error = QStringLiteral("Cannot write the user settings file \"%1\": %2").arg(d.userFile, why);
        return false;
    }
    d.userFileDamaged = false;
    return true;
}

// Runs `change` on the store; a change to the current user's keys is kept in the user file, and one that
// cannot be kept is taken back and raised.
template <class F> void changeRegistry(HKEY root, F change) {
    RegistryData& d = registryData();
    std::lock_guard guard(d.lock);
    if (static_cast<uintptr_t>(root) != kUserRoot) {
        change(d);
        return;
    }
    const auto keysBefore = d.keys;
    const auto deletedBefore = d.deleted;
    change(d);
    String error;
    if (writeUserFileLocked(d, error)) return;
    d.keys = keysBefore;
    d.deleted = deletedBefore;
    // Watchers look again; what they find is what was there.
    for (auto& [id, data] : d.keys)
        if (id.first == kUserRoot) data.stamp = ++d.counter;
    throw ERegistryException(error);
}

bool registryPathWithin(const String& path, const String& key) {
    return path == key || key.isEmpty() || path.startsWith(key + QChar('\\'));
}

bool registryKeyExistsLocked(RegistryData& d, HKEY root, const String& key) {
    for (const auto& [id, data] : d.keys)
        if (id.first == static_cast<uintptr_t>(root) && registryPathWithin(id.second, key)) return true;
    return false;
}

bool registryReadLocked(HKEY root, const String& path, const String& name, QVariant& out) {
    RegistryData& d = registryData();
    const auto it = d.keys.find({static_cast<uintptr_t>(root), path});
    if (it == d.keys.end()) return false;
    const auto v = it->second.values.find(name.toLower());
    if (v == it->second.values.end()) return false;
    out = v->second;
    return true;
}

void registrySetLocked(RegistryData& d, HKEY root, const String& path, const String& name,
                       const QVariant& value) {
    RegistryKeyData& k = d.keys[{static_cast<uintptr_t>(root), path}];
    k.values[name.toLower()] = value;
    k.stamp = ++d.counter;
}

void registrySet(HKEY root, const String& key, const String& name, const QVariant& value) {
    RegistryData& d = registryData();
    std::lock_guard guard(d.lock);
    registrySetLocked(d, root, NormalisedRegistryPath(key), name, value);
}

bool registryDeleteKeyLocked(RegistryData& d, HKEY root, const String& k) {
    bool any = false;
    for (auto it = d.keys.begin(); it != d.keys.end();) {
        if (it->first.first == static_cast<uintptr_t>(root) && registryPathWithin(it->first.second, k)) {
            d.deleted[it->first] = ++d.counter;
            it = d.keys.erase(it);
            any = true;
        } else {
            ++it;
        }
    }
    return any;
}
} // namespace

namespace RegistryStore {
void SetInteger(HKEY root, const String& key, const String& name, int value) {
    registrySet(root, key, name, QVariant(value));
}

void SetString(HKEY root, const String& key, const String& name, const String& value) {
    registrySet(root, key, name, QVariant(value));
}

void DeleteKey(HKEY root, const String& key) {
    RegistryData& d = registryData();
    std::lock_guard guard(d.lock);
    registryDeleteKeyLocked(d, root, NormalisedRegistryPath(key));
}

void Clear() {
    RegistryData& d = registryData();
    std::lock_guard guard(d.lock);
    for (const auto& entry : d.keys)
        d.deleted[entry.first] = ++d.counter;
    d.keys.clear();
}

uint64_t ChangeStamp(HKEY root, const String& key, bool subtree) {
    RegistryData& d = registryData();
    std::lock_guard guard(d.lock);
    const String k = NormalisedRegistryPath(key);
    uint64_t stamp = 0;
    auto consider = [&](const RegistryKeyId& id, uint64_t s) {
        if (id.first != static_cast<uintptr_t>(root)) return;
        if (subtree ? registryPathWithin(id.second, k) : id.second == k) stamp = std::max(stamp, s);
    };
    for (const auto& [id, data] : d.keys)
        consider(id, data.stamp);
    for (const auto& [id, s] : d.deleted)
        consider(id, s);
    return stamp;
}

String UserFile() {
    RegistryData& d = registryData();
    std::lock_guard guard(d.lock);
    return d.userFile;
}

void SetUserFile(const String& path) {
    RegistryData& d = registryData();
    std::lock_guard guard(d.lock);
    d.userFile = path;
    readUserFileLocked(d);
}

String UserFileWarning() {
    RegistryData& d = registryData();
    std::lock_guard guard(d.lock);
    return d.userFileWarning;
}
} // namespace RegistryStore

bool TRegistry::KeyExists(const String& key) const {
    RegistryData& d = registryData();
    std::lock_guard guard(d.lock);
    return registryKeyExistsLocked(d, FRootKey, NormalisedRegistryPath(key));
}

bool TRegistry::OpenKeyReadOnly(const String& key) {
    CloseKey();
    if (!KeyExists(key)) return false;
    FCurrentPath = NormalisedRegistryPath(key);
    FOpen = true;
    return true;
}

bool TRegistry::OpenKey(const String& key, bool CanCreate) {
    if (OpenKeyReadOnly(key)) return true;
    if (!CanCreate || FRootKey != HKEY_CURRENT_USER) return false;
    const String path = NormalisedRegistryPath(key);
    String why;
    if (!qvdetail::RegistryPathFits(path, &why)) throw ERegistryException(why);
    changeRegistry(FRootKey, [&](RegistryData& d) {
        RegistryKeyData& k = d.keys[{static_cast<uintptr_t>(FRootKey), path}];
        k.stamp = ++d.counter;
    });
    FCurrentPath = path;
    FOpen = true;
    return true;
}

bool TRegistry::DeleteKey(const String& key) {
    const String path = NormalisedRegistryPath(key);
    if (path.isEmpty() || !KeyExists(key)) return false;
    if (FRootKey != HKEY_CURRENT_USER) throw ERegistryException("Failed to delete key '" + key + "'");
    bool any = false;
    changeRegistry(FRootKey, [&](RegistryData& d) { any = registryDeleteKeyLocked(d, FRootKey, path); });
    if (FOpen && registryPathWithin(FCurrentPath, path)) CloseKey();
    return any;
}

bool TRegistry::ValueExists(const String& name) const {
    if (!FOpen) return false;
    std::lock_guard guard(registryData().lock);
    QVariant v;
    return registryReadLocked(FRootKey, FCurrentPath, name, v);
}

bool TRegistry::DeleteValue(const String& name) {
    if (!ValueExists(name)) return false;
    if (FRootKey != HKEY_CURRENT_USER) throw ERegistryException("Failed to delete value '" + name + "'");
    changeRegistry(FRootKey, [&](RegistryData& d) {
        RegistryKeyData& k = d.keys[{static_cast<uintptr_t>(FRootKey), FCurrentPath}];
        k.values.erase(name.toLower());
        k.stamp = ++d.counter;
    });
    return true;
}

String TRegistry::ReadString(const String& name) const {
    QVariant v;
    {
        std::lock_guard guard(registryData().lock);
        if (!FOpen || !registryReadLocked(FRootKey, FCurrentPath, name, v))
            throw ERegistryException("Invalid data type for '" + name + "'");
    }
    if (v.typeId() != QMetaType::QString) throw ERegistryException("Invalid data type for '" + name + "'");
    return v.toString();
}

int TRegistry::ReadInteger(const String& name) const {
    QVariant v;
    {
        std::lock_guard guard(registryData().lock);
        if (!FOpen || !registryReadLocked(FRootKey, FCurrentPath, name, v))
            throw ERegistryException("Invalid data type for '" + name + "'");
    }
    if (v.typeId() != QMetaType::Int) throw ERegistryException("Invalid data type for '" + name + "'");
    return v.toInt();
}

namespace {
void writeRegistryValue(HKEY root, bool open, const String& path, const String& name, const QVariant& value) {
    if (!open || root != HKEY_CURRENT_USER) throw ERegistryException("Failed to set data for '" + name + "'");
    String why;
    if (!qvdetail::RegistryNameFits(name, &why) ||
        (value.typeId() == QMetaType::QString && !qvdetail::RegistryStringFits(name, value.toString(), &why)))
        throw ERegistryException(why);
    changeRegistry(root, [&](RegistryData& d) { registrySetLocked(d, root, path, name, value); });
}
} // namespace

void TRegistry::WriteString(const String& name, const String& value) {
    writeRegistryValue(FRootKey, FOpen, FCurrentPath, name, QVariant(value));
}

void TRegistry::WriteInteger(const String& name, int value) {
    writeRegistryValue(FRootKey, FOpen, FCurrentPath, name, QVariant(value));
}

// ---------------------------------------------------------------------------------------------------------

String TRegistryIniFile::SectionPath(const String& section) const {
    return FKey + QChar('\\') + section;
}

String TRegistryIniFile::ReadString(const String& section, const String& ident, const String& def) const {
    TRegistry reg;
    reg.SetRootKey(FRoot);
    if (!reg.OpenKeyReadOnly(SectionPath(section)) || !reg.ValueExists(ident)) return def;
    try {
        return reg.ReadString(ident);
    } catch (const ERegistryException&) {
        return String::number(reg.ReadInteger(ident));
    }
}

int TRegistryIniFile::ReadInteger(const String& section, const String& ident, int def) const {
    TRegistry reg;
    reg.SetRootKey(FRoot);
    if (!reg.OpenKeyReadOnly(SectionPath(section)) || !reg.ValueExists(ident)) return def;
    try {
        return reg.ReadInteger(ident);
    } catch (const ERegistryException&) {
        bool ok = false;
        const int v = reg.ReadString(ident).trimmed().toInt(&ok);
        return ok ? v : def;
    }
}

bool TRegistryIniFile::ReadBool(const String& section, const String& ident, bool def) const {
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TRegistryIniFile::WriteString(const String& section, const String& ident, const String& value) {
    TRegistry reg;
    reg.SetRootKey(FRoot);
    if (!reg.OpenKey(SectionPath(section), true))
        throw ERegistryException("Failed to create key '" + section + "'");
    reg.WriteString(ident, value);
}

void TRegistryIniFile::WriteInteger(const String& section, const String& ident, int value) {
    TRegistry reg;
    reg.SetRootKey(FRoot);
    if (!reg.OpenKey(SectionPath(section), true))
        throw ERegistryException("Failed to create key '" + section + "'");
    reg.WriteInteger(ident, value);
}

void TRegistryIniFile::WriteBool(const String& section, const String& ident, bool value) {
    WriteInteger(section, ident, value ? 1 : 0);
}

bool TRegistryIniFile::SectionExists(const String& section) const {
    TRegistry reg;
    reg.SetRootKey(FRoot);
    return reg.KeyExists(SectionPath(section));
}

bool TRegistryIniFile::ValueExists(const String& section, const String& ident) const {
    TRegistry reg;
    reg.SetRootKey(FRoot);
    return reg.OpenKeyReadOnly(SectionPath(section)) && reg.ValueExists(ident);
}

void TRegistryIniFile::EraseSection(const String& section) {
    TRegistry reg;
    reg.SetRootKey(FRoot);
    reg.DeleteKey(SectionPath(section));
}

void TRegistryIniFile::DeleteKey(const String& section, const String& ident) {
    TRegistry reg;
    reg.SetRootKey(FRoot);
    if (reg.OpenKeyReadOnly(SectionPath(section))) reg.DeleteValue(ident);
}
