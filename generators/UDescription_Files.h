// What the description-file generators share: the maker's identity written into the files and the
// writing of a generated file.
#pragma once

#include "toolkit/system/TextCodec.h"
#include "toolkit/system/Types.h"

// The maker as the description files name it.
inline const String Maker_Name = QStringLiteral("Orvane");
inline const String Maker_Web_Address = QStringLiteral("www.orvane.com");
inline const String Maker_Street = QStringLiteral("Via dei Tessitori 14");
inline const String Maker_Town = QStringLiteral("31040 Marvena (TV)");
inline const String Maker_Country = QStringLiteral("Italy");
inline const String Maker_Mail_Domain = QStringLiteral("info@orvane.com");
// The maker's private enterprise number (SNMP) and its PROFINET vendor and device numbers.
constexpr int Maker_Enterprise_Number = 59263;
constexpr int Maker_Profinet_Vendor_ID = 0x0E3A;
constexpr int Maker_Profinet_Device_ID = 0x0037;

// Joins `lines` with CR LF after every line and writes them in `encoding`, replacing an existing file
// only once the new one is complete. On failure a message naming the file is shown and false returned.
bool Save_Generated_File(const String& path, const QStringList& lines, TTextEncoding encoding);
