// Turning the bytes of a text file into text: byte-order-mark detection and the Western 8-bit code page.
#pragma once

#include "toolkit/system/Types.h"

#include <QByteArray>

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
