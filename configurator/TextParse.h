// Small text helpers shared by the language loader and the text checks: blank trimming and integer parsing
// in the forms the stored files use (decimal with a sign, "$" and "0x" hexadecimal).
#pragma once

#include "toolkit/Types.h"

#include <cstdint>

namespace qvparse {

// Removes blanks and control characters (everything up to U+0020) at both ends.
inline String TrimBlanks(const String& s) {
    qsizetype first = 0, last = s.size();
    while (first < last && s[first].unicode() <= 0x20)
        ++first;
    while (last > first && s[last - 1].unicode() <= 0x20)
        --last;
    return s.mid(first, last - first);
}

// An optional sign, then decimal digits or "$" / "0x" / "0X" and hexadecimal digits, nothing else.
// False for anything else, including a value that does not fit in 64 bits.
inline bool TryParseInt64(const String& s, int64_t& value) {
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
    unsigned base = 10;
    if (i < s.size() && s[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == s.size()) return false;
    const uint64_t limit = negative ? uint64_t(INT64_MAX) + 1 : uint64_t(INT64_MAX);
    uint64_t acc = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        unsigned digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        if (acc > (limit - digit) / base) return false;
        acc = acc * base + digit;
    }
    value = negative ? int64_t(0 - acc) : int64_t(acc);
    return true;
}

inline int64_t StrToInt64Default(const String& s, int64_t fallback) {
    int64_t v;
    return TryParseInt64(s, v) ? v : fallback;
}

inline int32_t StrToIntDefault(const String& s, int32_t fallback) {
    int64_t v;
    if (!TryParseInt64(s, v) || v < INT32_MIN || v > INT32_MAX) return fallback;
    return int32_t(v);
}

} // namespace qvparse
