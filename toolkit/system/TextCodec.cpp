// Byte-order-mark detection and our own Windows-1252 table (Qt 6 carries no such codec).
#include "toolkit/system/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cstring>
#include <utility>

namespace {
// Characters of the bytes 0x80 .. 0xFF; 0xA0 onward is Latin-1.
constexpr char16_t kCp1252High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, // B8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, // C0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, // C8
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, // D0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, // D8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, // E0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, // E8
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, // F0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF, // F8
};

// The Windows-1252 byte of `c`; -1 when the page lacks it.
int cp1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    const char16_t* first = std::begin(kCp1252High);
    const char16_t* last = first + 32;
    const char16_t* hit = std::find(first, last, c);
    return hit == last ? -1 : 0x80 + int(hit - first);
}

String decodeUtf16(const char* data, qsizetype size, bool bigEndian) {
    // An odd last byte cannot form a character and is dropped.
    String out(size / 2, Qt::Uninitialized);
    auto* dst = out.data();
    for (qsizetype i = 0; i + 1 < size; i += 2) {
        const auto lo = static_cast<unsigned char>(data[bigEndian ? i + 1 : i]);
        const auto hi = static_cast<unsigned char>(data[bigEndian ? i : i + 1]);
        dst[i / 2] = QChar(static_cast<char16_t>(hi << 8 | lo));
    }
    return out;
}
} // namespace

String DecodeWindows1252(const QByteArray& bytes) {
    String out(bytes.size(), Qt::Uninitialized);
    auto* dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = QChar(b < 0x80 ? char16_t(b) : kCp1252High[b - 0x80]);
    }
    return out;
}

String DecodeText(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return String::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (bytes.startsWith("\xFF\xFE")) return decodeUtf16(bytes.constData() + 2, bytes.size() - 2, false);
    if (bytes.startsWith("\xFE\xFF")) return decodeUtf16(bytes.constData() + 2, bytes.size() - 2, true);
    return DecodeWindows1252(bytes);
}

bool EncodeWindows1252(const String& s, QByteArray& out) {
    out.resize(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const int byte = cp1252Byte(s[i].unicode());
        if (byte < 0) return false;
        out[i] = static_cast<char>(byte);
    }
    return true;
}

String Windows1252Repertoire(const String& s, QChar replacement) {
    String out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (cp1252Byte(s[i].unicode()) >= 0) {
            out += s[i];
            continue;
        }
        out += replacement;
        // A character beyond the Basic Multilingual Plane is one character in two code units.
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) ++i;
    }
    return out;
}

String DecodeTextDetect(const QByteArray& bytes, TTextEncoding* detected) {
    auto report = [&](TTextEncoding e) {
        if (detected) *detected = e;
    };
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        report(TTextEncoding::UTF8BOM);
        return String::fromUtf8(bytes.mid(3));
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool le = bytes[0] == '\xFF';
        report(le ? TTextEncoding::UTF16LE : TTextEncoding::UTF16BE);
        QStringDecoder dec(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                           QStringConverter::Flag::Stateless);
        return dec.decode(bytes.mid(2));
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    String s = utf8.decode(bytes);
    if (!utf8.hasError()) {
        report(TTextEncoding::UTF8);
        return s;
    }
    report(TTextEncoding::ANSI);
    return DecodeWindows1252(bytes);
}

QByteArray EncodeText(const String& text, TTextEncoding encoding) {
    switch (encoding) {
    case TTextEncoding::UTF8:
        return text.toUtf8();
    case TTextEncoding::UTF8BOM: {
        // Written after the mark in place: prepending the mark to a large file's bytes would copy them all.
        TUtf8Writer out(text.size() + 3);
        out.AppendAscii("\xEF\xBB\xBF", 3);
        out.Append(text);
        return out.Take();
    }
    case TTextEncoding::UTF16LE:
    case TTextEncoding::UTF16BE: {
        const bool le = encoding == TTextEncoding::UTF16LE;
        QStringEncoder enc(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                           QStringConverter::Flag::Stateless);
        return QByteArray(le ? "\xFF\xFE" : "\xFE\xFF") + QByteArray(enc.encode(text));
    }
    case TTextEncoding::ANSI: {
        QByteArray out;
        if (EncodeWindows1252(text, out)) return out;
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    }
    }
    return text.toUtf8();
}

TUtf8Writer::TUtf8Writer(qsizetype bytes) {
    Reserve(std::max<qsizetype>(bytes, 16));
}

// Exactly the room asked for: growing through resize would round a large buffer up to the next power of
// two, half of it never touched.
void TUtf8Writer::Reserve(qsizetype bytes) {
    if (bytes <= FBuffer.size()) return;
    QByteArray grown(bytes, Qt::Uninitialized);
    if (FUsed > 0) std::memcpy(grown.data(), FBuffer.constData(), size_t(FUsed));
    FBuffer.swap(grown);
}

char* TUtf8Writer::Room(qsizetype bytes) {
    if (FUsed + bytes > FBuffer.size()) Reserve(std::max(FBuffer.size() * 2, FUsed + bytes));
    return FBuffer.data() + FUsed;
}

void TUtf8Writer::AppendAscii(const char* text, qsizetype length) {
    std::memcpy(Room(length), text, size_t(length));
    FUsed += length;
}

QByteArray TUtf8Writer::Take() {
    FBuffer.truncate(FUsed);
    FUsed = 0;
    return std::exchange(FBuffer, QByteArray());
}
