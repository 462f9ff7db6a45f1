#include "toolkit/system/RegisteredNames.h"

#include <QHash>

namespace {
// Names registered for messages and clipboard formats, by lower-case name, and each number's name as first
// given.
QHash<QString, UINT>& registeredNumbers() {
    static QHash<QString, UINT> registered;
    return registered;
}
QHash<UINT, QString>& registeredNames() {
    static QHash<UINT, QString> names;
    return names;
}
} // namespace

UINT RegisterWindowMessage(const String& name) {
    // Registered messages take the platform's range for them, so they never meet WM_USER or WM_APP numbers.
    static UINT next = 0xC000;
    auto it = registeredNumbers().constFind(name.toLower());
    if (it != registeredNumbers().constEnd()) return it.value();
    UINT id = next++;
    registeredNumbers().insert(name.toLower(), id);
    registeredNames().insert(id, name);
    return id;
}

UINT RegisterClipboardFormat(const String& name) {
    return RegisterWindowMessage(name);
}

String GetClipboardFormatName(UINT format) {
    return registeredNames().value(format);
}
