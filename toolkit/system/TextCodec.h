// Turning the bytes of a text file into text: byte-order-mark detection and the Western 8-bit code page.
#pragma once

#include "toolkit/system/Types.h"

#include <QByteArray>
#include <QChar>
#include <QStringView>

// How a text file's bytes were (or will be) written.
enum class TTextEncoding {
    UTF8,    // no byte-order mark
    UTF8BOM, // EF BB BF
    UTF16LE, // FF FE
    UTF16BE, // FE FF
    ANSI,    // the platform's Western 8-bit code page (Windows-1252)
};

// Bytes without a byte-order mark in the Western Windows code page (1252). Bytes that page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control character of the same number.
String DecodeWindows1252(const QByteArray& bytes);

// The whole content of a text file: a UTF-8 (EF BB BF), UTF-16 LE (FF FE) or UTF-16 BE (FE FF)
// byte-order mark selects that encoding and is dropped; anything else is read as Windows-1252.
String DecodeText(const QByteArray& bytes);

// False when a character has no Windows-1252 byte.
bool EncodeWindows1252(const String& s, QByteArray& out);
// `s` with every character that Windows-1252 lacks replaced by `replacement` (one for a character beyond
// the Basic Multilingual Plane too), for files that must stay in that page.
String Windows1252Repertoire(const String& s, QChar replacement = u'?');

// As DecodeText, but without a mark, text that is valid UTF-8 is UTF-8 and only anything else is read as
// Windows-1252. `detected` (when given) receives the encoding chosen.
String DecodeTextDetect(const QByteArray& bytes, TTextEncoding* detected = nullptr);
// Writes the mark of the encoding first. ANSI text holding a character Windows-1252 lacks is written
// as UTF-8 with a mark instead, so nothing is lost.
QByteArray EncodeText(const String& text, TTextEncoding encoding);

// Builds UTF-8 bytes piece by piece straight from UTF-16 text, for writers of large files: no UTF-16
// copy of the whole file is made first. Bytes are those QString::toUtf8 gives (a lone surrogate
// becomes '?').
class TUtf8Writer {
public:
    // Room for about `bytes` bytes up front; the buffer still grows as needed.
    explicit TUtf8Writer(qsizetype bytes = 0);
    // Room for `bytes` bytes in all, what is written kept.
    void Reserve(qsizetype bytes);
    void Append(QStringView text) {
        AppendUntil(text, [](char16_t) { return false; });
    }
    // Writes `text` unless `stop` is true for one of its units, in one pass; false (and nothing written)
    // when it stopped.
    template <class Stop> bool AppendUntil(QStringView text, Stop stop);
    void AppendAscii(const char* text, qsizetype length);
    void AppendAscii(char c) { AppendAscii(&c, 1); }
    qsizetype Size() const { return FUsed; }
    // The bytes written; the writer is empty afterwards.
    QByteArray Take();

private:
    char* Room(qsizetype bytes);

    QByteArray FBuffer;
    qsizetype FUsed = 0;
};

template <class Stop> bool TUtf8Writer::AppendUntil(QStringView text, Stop stop) {
    // Three bytes per UTF-16 unit is the most any unit takes (a surrogate pair takes four for two).
    char* out = Room(text.size() * 3);
    char* const start = out;
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    while (p < end) {
        const char16_t c = *p++;
        if (stop(c)) return false;
        if (c < 0x80) {
            *out++ = char(c);
        } else if (c < 0x800) {
            *out++ = char(0xC0 | (c >> 6));
            *out++ = char(0x80 | (c & 0x3F));
        } else if (!QChar::isSurrogate(c)) {
            *out++ = char(0xE0 | (c >> 12));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isHighSurrogate(c) && p < end && QChar::isLowSurrogate(*p)) {
            if (stop(*p)) return false;
            const char32_t u = QChar::surrogateToUcs4(c, *p++);
            *out++ = char(0xF0 | (u >> 18));
            *out++ = char(0x80 | ((u >> 12) & 0x3F));
            *out++ = char(0x80 | ((u >> 6) & 0x3F));
            *out++ = char(0x80 | (u & 0x3F));
        } else {
            *out++ = '?';
        }
    }
    FUsed += out - start;
    return true;
}
