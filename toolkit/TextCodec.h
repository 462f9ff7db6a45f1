// Turning the bytes of a text file into text: byte-order-mark detection and the Western 8-bit code page.
#pragma once

#include "toolkit/Types.h"

#include <QByteArray>

// Bytes without a byte-order mark in the Western Windows code page (1252). Bytes that page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control character of the same number.
String DecodeWindows1252(const QByteArray& bytes);

// The whole content of a text file: a UTF-8 (EF BB BF), UTF-16 LE (FF FE) or UTF-16 BE (FE FF)
// byte-order mark selects that encoding and is dropped; anything else is read as Windows-1252.
String DecodeText(const QByteArray& bytes);
