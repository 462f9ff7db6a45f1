// The connections of an EtherNet/IP EDS file: the entries of its "[Connection Manager]" section decoded
// into the instances, connection points and header kinds the scanner table takes.
#pragma once

#include "toolkit/system/Types.h"

#include <QByteArray>
#include <vector>

// Far beyond a device's data sheet; a larger file is refused.
constexpr qint64 Max_EDS_File_Bytes = 8 << 20;
// The longest connection path the decoder keeps, in bytes; the rest of a longer path is dropped.
constexpr int Max_EDS_Path_Bytes = 1001;

// One decoded connection.
struct TConnData {
    Integer ConnIndex = 0; // its place in the list, from 1
    String ConnName;       // field 13 of the entry, trimmed, quotes kept
    String HelpStr;        // field 14
    Byte DimHeaderTO = 0;  // header kinds: bits 12 .. 14 and 8 .. 10 of field 2
    Byte DimHeaderOT = 4;
    Byte NumClass = 4;
    Byte InstanceTO = 30;
    Byte ConnPointTO = 0;
    Byte InstanceOT = 30;
    Byte ConnPointOT = 0;
};

// The bytes of a connection path text ("20 04 24 01 2C 96 ..."): the double quotes removed, the blank
// separated parts read as hexadecimal, parts that do not read or exceed 255 left out; at most
// Max_EDS_Path_Bytes of them.
std::vector<Byte> EDS_Path_Bytes(const String& path);
// Decodes one entry text (the part after "ConnectionN ="). A usable entry is appended to `list` with the
// next ConnIndex and true is returned; anything else adds nothing.
bool DecodeConnStr(const String& ConnStr, std::vector<TConnData>& list);
// The usable connections of an EDS file's lines, in file order.
std::vector<TConnData> Read_EDS_Connection_Lines(const QStringList& lines);
// The same from the file's bytes (a byte-order mark chooses the encoding, else Windows-1252).
std::vector<TConnData> Read_EDS_Connections(const QByteArray& bytes);

// The grid texts of a header kind: its number, or "Default" for the kind a direction has by default
// (4 from originator to target, 0 from target to originator).
String EDS_Dim_Header_OT_Text(Byte kind);
String EDS_Dim_Header_TO_Text(Byte kind);
// The chooser's row of the connection numbered `number` (from 1), as the import reads it.
QStringList EDS_Connection_Row(const TConnData& c, int number);
