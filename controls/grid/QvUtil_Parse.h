// Whole-text parsing and searching shared by the grid's text routines (kept out of the public header).
#pragma once
#include "toolkit/system/Types.h"

namespace qvutil_detail {

// Pos as the library knows it: 1-based, 0 for not found and for an empty search text.
inline int PosOf(const String& sub, const String& text, qsizetype from = 0) {
    if (sub.isEmpty()) return 0;
    return static_cast<int>(text.indexOf(sub, from)) + 1;
}

// Whole-text integer conversion: leading blanks, an optional sign and decimal digits, nothing after.
inline bool ReadInt(const String& text, int& value) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    QStringView rest = QStringView(text).mid(i);
    if (rest.isEmpty()) return false;
    qsizetype k = (rest[0] == QLatin1Char('+') || rest[0] == QLatin1Char('-')) ? 1 : 0;
    if (k == rest.size()) return false;
    for (qsizetype j = k; j < rest.size(); ++j)
        if (rest[j] < QLatin1Char('0') || rest[j] > QLatin1Char('9')) return false;
    bool ok = false;
    value = rest.toInt(&ok);
    return ok;
}

// Whole-text floating-point conversion of a text already in "." decimal form.
inline bool ReadFloat(const String& text, double& value) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    for (QChar c : t)
        if (!(c.isDigit() && c.unicode() < 128) && !QStringLiteral("+-.eE").contains(c)) return false;
    bool ok = false;
    value = t.toDouble(&ok);
    return ok;
}

} // namespace qvutil_detail
