// Routines without a window shared by the configurator's windows and editors.
#pragma once

#include "toolkit/Types.h"

// ---- Text checks and conversions (UComon_Checks.cpp) ------------------------------------------
// Plain routines without state for the editors' data checks; they report by result only and never
// show a message or raise an error for bad text.

// A KNX group address (`group`: n, a/b or a/b/c) or individual address (n or a.b.c); 0 valid,
// 1 invalid. The individual address 0.0.0 passes only with `allowZero`.
Integer Check_KNX_Address(const String& text, bool group, bool allowZero);
// Splits a dotted IPv4 address into its four part texts (trimmed); true when all four are 0 .. 255.
bool Split_IP_Address(const String& text, String& part1, String& part2, String& part3, String& part4);
// A dotted IPv4 address into four bytes; true on error. An empty text leaves the bytes untouched;
// otherwise each part that is not 0 .. 255 gives the byte 0.
bool IP_To_Bytes(const String& text, Byte& byte1, Byte& byte2, Byte& byte3, Byte& byte4);
// "a.b.c.d:port" into four bytes and a port; true when valid. All outputs are 0 unless valid.
bool IP_Port_To_Bytes(const String& text, Byte& byte1, Byte& byte2, Byte& byte3, Byte& byte4, Word& port);
bool Is_Without_Dot(const String& text);
// An SNMP object identifier: 0 valid; 1 longer than 128 characters, 2 a character other than a digit
// or ".", 3 begins with ".", 4 ends with ".", 5 two "." in a row, 6 an arc beyond $FFFFFFFF (or empty).
Integer Check_OID(const String& text);
// SNMPv3 security level flags: "AUTH NOPRIV" 1, "AUTH PRIV" 3, empty -1, anything else 0.
Integer Get_Security_Level(const String& text);
// The system's decimal separator, "," or "." (anything else counts as ",").
QChar Get_Decimal_Separator();
// Parses a decimal number written with "," or "." as the separator; false (and 1.0) when it does not parse.
bool Str_To_Float_Sep(const String& text, QChar separator, float& value);
// ---- end of text checks ------------------------------------------------------------------------
