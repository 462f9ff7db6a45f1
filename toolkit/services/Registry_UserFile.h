// Inside the toolkit (and its tests and fuzz target): the file that keeps the current user's registry keys,
// its limits, and its reader and writer.
#pragma once

#include "toolkit/system/Types.h"

#include <QByteArray>
#include <QVariant>
#include <map>

namespace qvdetail {

// Values of one key by lower-case name: a QString or an int.
using TRegistryValues = std::map<String, QVariant>;
// Keys by lower-case path below the root ("software\\maker\\product").
using TRegistryKeys = std::map<String, TRegistryValues>;

// Generous limits, so that no entry and no file can grow without bound.
constexpr int kRegistryMaxPathChars = 1024;
constexpr int kRegistryMaxKeyNameChars = 255;
constexpr int kRegistryMaxValueNameChars = 1024;
constexpr int kRegistryMaxStringChars = 256 * 1024;
constexpr qint64 kRegistryMaxFileBytes = 16 * 1024 * 1024;

// A key path as the store keeps it: lower case, backslashes, none at either end.
String NormalisedRegistryPath(const String& key);
// Whether a key path (normalised), a value name or a string value is within the limits; `why` says which
// is not.
bool RegistryPathFits(const String& path, String* why);
bool RegistryNameFits(const String& name, String* why);
bool RegistryStringFits(const String& name, const String& value, String* why);

// The file's content: a JSON document {"format": ..., "version": 1, "keys": {path: {name: {"string": s} or
// {"integer": n}}}}. Reading takes all or nothing: anything out of shape or beyond the limits makes the
// whole file unreadable (false, with the reason in `why`).
bool ReadUserRegistry(const QByteArray& bytes, TRegistryKeys& keys, String& why);
QByteArray WriteUserRegistry(const TRegistryKeys& keys);

} // namespace qvdetail
