// The current user's registry file: limits, reading (all or nothing) and writing.
#include "toolkit/services/Registry_UserFile.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <climits>
#include <cmath>

namespace qvdetail {

namespace {
const QString kUserRegistryFormat = QStringLiteral("quenvarrow user registry");
constexpr int kUserRegistryVersion = 1;
} // namespace

String NormalisedRegistryPath(const String& key) {
    String k = key.toLower();
    k.replace(QChar('/'), QChar('\\'));
    while (k.startsWith(QChar('\\')))
        k.remove(0, 1);
    while (k.endsWith(QChar('\\')))
        k.chop(1);
    return k;
}

bool RegistryPathFits(const String& path, String* why) {
    const auto refuse = [&](const String& reason) {
        if (why) *why = reason;
        return false;
    };
    if (path.size() > kRegistryMaxPathChars)
        return refuse(
            QStringLiteral("The registry key is longer than %1 characters").arg(kRegistryMaxPathChars));
    if (path.isEmpty()) return true;
    for (const QString& part : path.split(QChar('\\'))) {
        if (part.isEmpty())
            return refuse(QStringLiteral("The registry key \"%1\" has an empty name in it").arg(path));
        if (part.size() > kRegistryMaxKeyNameChars)
            return refuse(QStringLiteral("A name in the registry key is longer than %1 characters")
                              .arg(kRegistryMaxKeyNameChars));
    }
    return true;
}

bool RegistryNameFits(const String& name, String* why) {
    if (name.size() <= kRegistryMaxValueNameChars) return true;
    if (why)
        *why = QStringLiteral("The registry value name is longer than %1 characters")
                   .arg(kRegistryMaxValueNameChars);
    return false;
}

bool RegistryStringFits(const String& name, const String& value, String* why) {
    if (value.size() <= kRegistryMaxStringChars) return true;
    if (why)
        *why = QStringLiteral("The registry value \"%1\" is longer than %2 characters")
                   .arg(name)
                   .arg(kRegistryMaxStringChars);
    return false;
}

bool ReadUserRegistry(const QByteArray& bytes, TRegistryKeys& keys, String& why) {
    keys.clear();
    const auto refuse = [&](const String& reason) {
        keys.clear();
        why = reason;
        return false;
    };
    if (bytes.size() > kRegistryMaxFileBytes)
        return refuse(QStringLiteral("larger than %1 bytes").arg(kRegistryMaxFileBytes));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return refuse(QStringLiteral("%1 at byte %2").arg(error.errorString()).arg(error.offset));
    if (!doc.isObject()) return refuse(QStringLiteral("not a settings document"));
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != kUserRegistryFormat)
        return refuse(QStringLiteral("not a settings document"));
    if (root.value(QStringLiteral("version")).toDouble(-1) != kUserRegistryVersion)
        return refuse(QStringLiteral("a version this program does not know"));
    const QJsonValue keysValue = root.value(QStringLiteral("keys"));
    if (!keysValue.isObject()) return refuse(QStringLiteral("no keys"));
    const QJsonObject all = keysValue.toObject();
    for (auto k = all.begin(); k != all.end(); ++k) {
        const String path = k.key();
        if (path != NormalisedRegistryPath(path))
            return refuse(QStringLiteral("the key \"%1\" is not well formed").arg(path));
        String reason;
        if (!RegistryPathFits(path, &reason)) return refuse(reason);
        if (!k.value().isObject()) return refuse(QStringLiteral("the key \"%1\" holds no values").arg(path));
        TRegistryValues& values = keys[path];
        const QJsonObject valueObjects = k.value().toObject();
        for (auto v = valueObjects.begin(); v != valueObjects.end(); ++v) {
            const String name = v.key();
            if (name != name.toLower() || !RegistryNameFits(name, &reason))
                return refuse(reason.isEmpty()
                                  ? QStringLiteral("the value name \"%1\" is not well formed").arg(name)
                                  : reason);
            const QJsonObject typed = v.value().toObject();
            if (!v.value().isObject() || typed.size() != 1)
                return refuse(QStringLiteral("the value \"%1\" has no single type").arg(name));
            if (typed.contains(QStringLiteral("string"))) {
                const QJsonValue s = typed.value(QStringLiteral("string"));
                if (!s.isString() || !RegistryStringFits(name, s.toString(), &reason))
                    return refuse(reason.isEmpty()
                                      ? QStringLiteral("the value \"%1\" is not a text").arg(name)
                                      : reason);
                values[name] = QVariant(s.toString());
            } else if (typed.contains(QStringLiteral("integer"))) {
                const QJsonValue n = typed.value(QStringLiteral("integer"));
                const double d = n.toDouble(0.5);
                if (!n.isDouble() || d != std::floor(d) || d < INT_MIN || d > INT_MAX)
                    return refuse(QStringLiteral("the value \"%1\" is not a 32-bit integer").arg(name));
                values[name] = QVariant(int(d));
            } else {
                return refuse(
                    QStringLiteral("the value \"%1\" has a type this program does not know").arg(name));
            }
        }
    }
    return true;
}

QByteArray WriteUserRegistry(const TRegistryKeys& keys) {
    QJsonObject all;
    for (const auto& [path, values] : keys) {
        QJsonObject valueObjects;
        for (const auto& [name, value] : values) {
            QJsonObject typed;
            if (value.typeId() == QMetaType::Int)
                typed.insert(QStringLiteral("integer"), value.toInt());
            else
                typed.insert(QStringLiteral("string"), value.toString());
            valueObjects.insert(name, typed);
        }
        all.insert(path, valueObjects);
    }
    QJsonObject root;
    root.insert(QStringLiteral("format"), kUserRegistryFormat);
    root.insert(QStringLiteral("version"), kUserRegistryVersion);
    root.insert(QStringLiteral("keys"), all);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace qvdetail
