// The registry's key-value store and the reader over it.
#include "toolkit/services/Registry.h"

#include <QVariant>
#include <map>
#include <mutex>

namespace {
struct RegistryKeyData {
    std::map<String, QVariant> values; // by lower-case name
    uint64_t stamp = 0;
};

struct RegistryData {
    std::mutex lock;
    std::map<std::pair<uintptr_t, String>, RegistryKeyData> keys; // by root and lower-case path
    uint64_t counter = 0;
    // Stamps of deleted keys, so a watcher of a key that goes away still sees a change.
    std::map<std::pair<uintptr_t, String>, uint64_t> deleted;
};

RegistryData& registryData() {
    static RegistryData data;
    return data;
}

String normalisedRegistryPath(const String& key) {
    String k = key.toLower();
    k.replace(QChar('/'), QChar('\\'));
    while (k.startsWith(QChar('\\')))
        k.remove(0, 1);
    while (k.endsWith(QChar('\\')))
        k.chop(1);
    return k;
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

void registrySet(HKEY root, const String& key, const String& name, const QVariant& value) {
    RegistryData& d = registryData();
    std::lock_guard guard(d.lock);
    RegistryKeyData& k = d.keys[{static_cast<uintptr_t>(root), normalisedRegistryPath(key)}];
    k.values[name.toLower()] = value;
    k.stamp = ++d.counter;
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
    const String k = normalisedRegistryPath(key);
    for (auto it = d.keys.begin(); it != d.keys.end();) {
        if (it->first.first == static_cast<uintptr_t>(root) && registryPathWithin(it->first.second, k)) {
            d.deleted[it->first] = ++d.counter;
            it = d.keys.erase(it);
        } else {
            ++it;
        }
    }
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
    const String k = normalisedRegistryPath(key);
    uint64_t stamp = 0;
    auto consider = [&](const std::pair<uintptr_t, String>& id, uint64_t s) {
        if (id.first != static_cast<uintptr_t>(root)) return;
        if (subtree ? registryPathWithin(id.second, k) : id.second == k) stamp = std::max(stamp, s);
    };
    for (const auto& [id, data] : d.keys)
        consider(id, data.stamp);
    for (const auto& [id, s] : d.deleted)
        consider(id, s);
    return stamp;
}
} // namespace RegistryStore

bool TRegistry::KeyExists(const String& key) const {
    RegistryData& d = registryData();
    std::lock_guard guard(d.lock);
    return registryKeyExistsLocked(d, FRootKey, normalisedRegistryPath(key));
}

bool TRegistry::OpenKeyReadOnly(const String& key) {
    CloseKey();
    if (!KeyExists(key)) return false;
    FCurrentPath = normalisedRegistryPath(key);
    FOpen = true;
    return true;
}

bool TRegistry::ValueExists(const String& name) const {
    if (!FOpen) return false;
    std::lock_guard guard(registryData().lock);
    QVariant v;
    return registryReadLocked(FRootKey, FCurrentPath, name, v);
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
