// Text checks and conversions behind the editors' data checks: KNX and IPv4 addresses, SNMP object
// identifiers and security levels, decimal numbers.
#include "core/UComon.h"
#include "toolkit/system/RegularExpressions.h"
#include "toolkit/system/SysUtils.h"

#include <cfloat>
#include <cmath>

namespace {

int knxPart(const String& s) {
    return StrToIntDef(Trim(s), -1);
}

bool inRange(int v, int low, int high) {
    return v >= low && v <= high;
}

int ipPartOr1000(const String& s) {
    return StrToIntDef(s, 1000);
}

// Splits off the trimmed text before the first "." of `rest`; `rest` keeps what follows, trimmed.
bool splitOffIpPart(String& rest, String& part) {
    const qsizetype dot = rest.indexOf(u'.');
    if (dot < 0) return false;
    part = Trim(rest.left(dot));
    rest = Trim(rest.mid(dot + 1));
    return true;
}
} // namespace

Integer Check_KNX_Address(const String& text, bool group, bool allowZero) {
    if (group) {
        if (text.contains(u'.')) return 1;
        const QStringList p = text.split(u'/');
        switch (p.size()) {
        case 1:
            return inRange(knxPart(p[0]), 1, 65535) ? 0 : 1;
        case 2: {
            const int a = knxPart(p[0]), b = knxPart(p[1]);
            return inRange(a, 0, 31) && inRange(b, 0, 2047) && (a | b) != 0 ? 0 : 1;
        }
        case 3: {
            const int a = knxPart(p[0]), b = knxPart(p[1]), c = knxPart(p[2]);
            return inRange(a, 0, 31) && inRange(b, 0, 7) && inRange(c, 0, 255) && (a | b | c) != 0 ? 0 : 1;
        }
        default:
            return 1;
        }
    }
    if (text.contains(u'/')) return 1;
    const QStringList p = text.split(u'.');
    switch (p.size()) {
    case 1:
        return inRange(knxPart(p[0]), 1, 65535) ? 0 : 1;
    case 3: {
        const int a = knxPart(p[0]), b = knxPart(p[1]), c = knxPart(p[2]);
        if (!inRange(a, 0, 15) || !inRange(b, 0, 15) || !inRange(c, 0, 255)) return 1;
        return (a | b | c) != 0 || allowZero ? 0 : 1;
    }
    default:
        // Also the two-part form a.b: individual addresses have three parts.
        return 1;
    }
}

bool Split_IP_Address(const String& text, String& part1, String& part2, String& part3, String& part4) {
    part1.clear();
    part2.clear();
    part3.clear();
    part4.clear();
    String rest = Trim(text);
    if (!splitOffIpPart(rest, part1) || !splitOffIpPart(rest, part2) || !splitOffIpPart(rest, part3))
        return false;
    part4 = rest;
    for (const String* p : {&part1, &part2, &part3, &part4})
        if (!inRange(ipPartOr1000(*p), 0, 255)) return false;
    return true;
}

bool IP_To_Bytes(const String& text, Byte& byte1, Byte& byte2, Byte& byte3, Byte& byte4) {
    if (text.isEmpty()) return true;
    bool error = false;
    String rest = text;
    Byte* bytes[4] = {&byte1, &byte2, &byte3, &byte4};
    for (int i = 0; i < 4; ++i) {
        const qsizetype dot = rest.indexOf(u'.');
        // Before the first "."; with none left, the first three parts are empty, the fourth is the rest.
        const String part = i == 3 ? rest : rest.left(dot < 0 ? 0 : dot);
        const int v = ipPartOr1000(part);
        if (inRange(v, 0, 255)) {
            *bytes[i] = Byte(v);
        } else {
            *bytes[i] = 0;
            error = true;
        }
        if (dot >= 0) rest = rest.mid(dot + 1);
    }
    return error;
}

bool IP_Port_To_Bytes(const String& text, Byte& byte1, Byte& byte2, Byte& byte3, Byte& byte4, Word& port) {
    byte1 = byte2 = byte3 = byte4 = 0;
    port = 0;
    String rest = text;
    int values[4];
    const char16_t separators[4] = {u'.', u'.', u'.', u':'};
    for (int i = 0; i < 4; ++i) {
        const qsizetype at = rest.indexOf(QChar(separators[i]));
        if (at < 0) return false;
        values[i] = ipPartOr1000(Trim(rest.left(at)));
        if (!inRange(values[i], 0, 255)) return false;
        rest = rest.mid(at + 1);
    }
    const int p = StrToIntDef(Trim(rest), -1);
    if (!inRange(p, 0, 65535)) return false;
    byte1 = Byte(values[0]);
    byte2 = Byte(values[1]);
    byte3 = Byte(values[2]);
    byte4 = Byte(values[3]);
    port = Word(p);
    return true;
}

bool Is_Without_Dot(const String& text) {
    return !text.contains(u'.');
}

Integer Check_OID(const String& text) {
    if (text.size() > 128) return 1;
    for (QChar c : text)
        if (c != u'.' && !(c >= u'0' && c <= u'9')) return 2;
    if (text.startsWith(u'.')) return 3;
    if (text.endsWith(u'.')) return 4;
    if (text.contains(u"..")) return 5;
    // An empty identifier has one empty arc, which is no number.
    for (const String& arc : text.split(u'.'))
        if (StrToInt64Def(Trim(arc), 0x100000000LL) > 0xFFFFFFFFLL) return 6;
    return 0;
}

Integer Get_Security_Level(const String& text) {
    const String s = Trim(text).toUpper();
    if (s.isEmpty()) return -1;
    if (s == u"AUTH NOPRIV") return 1;
    if (s == u"AUTH PRIV") return 3;
    return 0;
}

QChar Get_Decimal_Separator() {
    const String sep = String(DecimalSeparator());
    if (!sep.isEmpty() && (sep[0] == u',' || sep[0] == u'.')) return sep[0];
    return u',';
}

// The text is read with the separator the caller gives, whatever the system's own separator is.
bool Str_To_Float_Sep(const String& text, QChar separator, float& value) {
    String s = text;
    if (separator == u'.')
        s.replace(u',', u'.');
    else
        s.replace(u'.', separator);
    s = Trim(s);
    // The C-locale parser wants "." in place of the caller's separator.
    if (separator != u'.') s.replace(separator, u'.');
    static const TRegEx number(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)");
    bool ok = number.IsMatch(s);
    const double d = ok ? s.toDouble(&ok) : 0.0;
    if (!ok || !std::isfinite(d) || std::fabs(d) > FLT_MAX) {
        value = 1.0f;
        return false;
    }
    value = float(d);
    return true;
}
