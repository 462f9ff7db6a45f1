// Reading the connection entries of an EtherNet/IP EDS file and decoding their paths.
#include "tables/network/UEtherNetIP_EDS_Reader.h"

#include "toolkit/system/SysUtils.h"
#include "toolkit/system/TextCodec.h"

#include <QStringList>

namespace {

// The value of a part made of hexadecimal digits only, or -1 (also beyond 255).
int edsHexByte(const String& part) {
    if (part.isEmpty()) return -1;
    int value = 0;
    for (QChar c : part) {
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c.unicode() - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c.unicode() - u'A' + 10;
        else
            return -1;
        value = value * 16 + digit;
        if (value > 255) return -1;
    }
    return value;
}

// The index of the first byte from `from` on that is one of `a` and `b`, when a byte follows it; -1
// otherwise (nothing found, or found as the last byte).
int edsFindBefore(const std::vector<Byte>& bytes, size_t from, Byte a, Byte b) {
    for (size_t i = from; i < bytes.size(); ++i)
        if (bytes[i] == a || bytes[i] == b) return i + 1 < bytes.size() ? int(i) : -1;
    return -1;
}

// The path field: after the 14th "," up to the next "," when one comes before the first ";" (or there is
// no ";"), else up to the first ";"; empty when the rest has neither.
String edsPathField(const String& entry) {
    qsizetype at = -1;
    for (int i = 0; i < 14; ++i) {
        at = entry.indexOf(u',', at + 1);
        if (at < 0) return String();
    }
    const String rest = entry.mid(at + 1);
    const qsizetype comma = rest.indexOf(u',');
    const qsizetype semicolon = rest.indexOf(u';');
    if (comma >= 0 && (semicolon < 0 || comma < semicolon)) return rest.left(comma);
    if (semicolon >= 0) return rest.left(semicolon);
    return String();
}

} // namespace

std::vector<Byte> EDS_Path_Bytes(const String& path) {
    String text = path;
    text.remove(u'"');
    text.replace(u'\t', u' ');
    std::vector<Byte> bytes;
    for (const String& part : Trim(text).split(u' ', Qt::SkipEmptyParts)) {
        if (bytes.size() >= size_t(Max_EDS_Path_Bytes)) break;
        const int value = edsHexByte(part);
        if (value >= 0) bytes.push_back(Byte(value));
    }
    return bytes;
}

bool DecodeConnStr(const String& ConnStr, std::vector<TConnData>& list) {
    // Only the first fourteen fields have a meaning of their own: an entry of a million commas is not
    // split whole.
    std::vector<qsizetype> commas;
    for (qsizetype at = ConnStr.indexOf(u','); at >= 0 && commas.size() < 14;
         at = ConnStr.indexOf(u',', at + 1))
        commas.push_back(at);
    auto field = [&](size_t n) -> String { // counted from 1
        if (n - 1 > commas.size()) return String();
        const qsizetype start = n == 1 ? 0 : commas[n - 2] + 1;
        const qsizetype end = n - 1 < commas.size() ? commas[n - 1] : ConnStr.size();
        return Trim(ConnStr.mid(start, end - start));
    };
    TConnData conn;
    const Integer kinds = StrToIntDef(field(2), -1);
    conn.DimHeaderOT = Byte((kinds >> 8) & 7);
    conn.DimHeaderTO = Byte((kinds >> 12) & 7);
    conn.NumClass = 0;
    conn.ConnName = field(13);
    conn.HelpStr = field(14);
    const std::vector<Byte> path = EDS_Path_Bytes(edsPathField(ConnStr));
    if (path.size() < 8 || path[0] != 0x20 || path[2] != 0x24) return false;
    conn.InstanceOT = conn.InstanceTO = path[3];
    const int pointOT = edsFindBefore(path, 4, 0x2C, 0x2C);
    if (pointOT < 0) return false;
    conn.ConnPointOT = path[size_t(pointOT) + 1];
    const int next = edsFindBefore(path, size_t(pointOT) + 2, 0x24, 0x2C);
    if (next < 0) return false;
    if (path[size_t(next)] == 0x24) {
        conn.InstanceTO = path[size_t(next) + 1];
        const int pointTO = edsFindBefore(path, size_t(next) + 2, 0x2C, 0x2C);
        if (pointTO < 0) return false;
        conn.ConnPointTO = path[size_t(pointTO) + 1];
    } else {
        conn.ConnPointTO = path[size_t(next) + 1];
    }
    conn.ConnIndex = Integer(list.size()) + 1;
    list.push_back(conn);
    return true;
}

std::vector<TConnData> Read_EDS_Connection_Lines(const QStringList& lines) {
    std::vector<TConnData> list;
    bool inside = false;
    String pending;
    auto flush = [&] {
        if (!pending.isEmpty()) DecodeConnStr(pending, list);
        pending.clear();
    };
    for (const String& raw : lines) {
        String line = Trim(raw);
        const qsizetype comment = line.indexOf(u'$');
        if (comment >= 0) line = Trim(line.left(comment));
        if (line.isEmpty()) continue;
        if (!inside) {
            inside = line.contains(QLatin1String("[Connection Manager]"));
            continue;
        }
        if (line.startsWith(u'[')) {
            inside = false;
            flush();
        } else if (line.contains(QLatin1String("Connection"))) {
            flush();
            const qsizetype equals = line.indexOf(u'=');
            pending = equals < 0 ? line : Trim(line.mid(equals + 1));
        } else {
            pending += line;
        }
    }
    flush();
    return list;
}

std::vector<TConnData> Read_EDS_Connections(const QByteArray& bytes) {
    String text = DecodeText(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return Read_EDS_Connection_Lines(text.split(u'\n'));
}

String EDS_Dim_Header_OT_Text(Byte kind) {
    return kind == 4 ? QStringLiteral("Default") : IntToStr(kind);
}

String EDS_Dim_Header_TO_Text(Byte kind) {
    return kind == 0 ? QStringLiteral("Default") : IntToStr(kind);
}

QStringList EDS_Connection_Row(const TConnData& c, int number) {
    return {QStringLiteral("Connection") + IntToStr(number),
            c.ConnName,
            c.HelpStr,
            IntToStr(c.InstanceOT),
            IntToStr(c.ConnPointOT),
            IntToStr(c.InstanceTO),
            IntToStr(c.ConnPointTO),
            EDS_Dim_Header_OT_Text(c.DimHeaderOT),
            EDS_Dim_Header_TO_Text(c.DimHeaderTO)};
}
