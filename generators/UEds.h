// The CANopen EDS file writer: the converter as a CANopen slave, from the PDO table and the SDO server
// table of the open configuration.
#pragma once

#include "toolkit/system/Clock.h"
#include "toolkit/system/Types.h"

#include <QStringList>
#include <cstdint>
#include <vector>

class TXMLDocument;
class TSaveDialog;

constexpr int EDS_Max_PDO = 30;

struct TPDO_Entry {
    std::uint32_t COB_ID = 0;
    Integer Dimension = 8;
};

struct SDO_Sub_Type {
    std::uint8_t Sub = 0;
    std::uint8_t Quantity = 0;
    bool Readonly = false;
    String Mnemonic;
};

struct SDO_Index {
    std::uint16_t Index = 0;
    std::vector<SDO_Sub_Type> Sub_Indexs;
};

// What one generation reads from the two table files.
struct TEDS_Configuration {
    std::vector<TPDO_Entry> RPDO_Table, TPDO_Table; // at most EDS_Max_PDO each
    std::vector<SDO_Index> SDO_Index_List;
};

// The PDOs of a loaded "PDO_CANopen.xml". False with `error` when a section or attribute is missing or a
// Dimension is outside 1 .. 8; rows beyond the 30th are left out with `warning` set.
bool Read_PDO_Configuration(const TXMLDocument& xml, TEDS_Configuration& config, String& error,
                            String& warning);
// The objects of a loaded "SDO_Server_CANopen.xml", read section first. False with `error` when a section
// or attribute is missing, a number does not read, an Index is outside 0x2000 .. 0x5FFF, a SubIndex
// outside 0 .. 255, or an (Index, SubIndex) is listed twice.
bool Read_SDO_Server_Configuration(const TXMLDocument& xml, TEDS_Configuration& config, String& error);
// Position of the first record with that index; -1 when there is none.
int Find_SDO_Index(const std::vector<SDO_Index>& list, std::uint16_t index);
// Every record's sub entries by Sub, equal ones keeping their order.
void Sort_SDO_Sub_Indexes(std::vector<SDO_Index>& list);

// "MM-DD-YYYY" and the 12-hour "hh:mmAM" / "hh:mmPM" (noon 12:00PM, midnight 12:00AM).
String EDS_Date_Text(const TLocalDateTime& t);
String EDS_Time_Text(const TLocalDateTime& t);
// The whole file's lines (without line ends).
QStringList EDS_File_Lines(const TEDS_Configuration& config, const TLocalDateTime& now);

// Reads both table files of the configuration and writes the EDS file at `path`, replacing it; false
// after a message naming the file that could not be read or written.
bool Write_EDS_File(const String& path);
// The step: the file chosen in `dialog` (initial folder the configuration's), then Write_EDS_File.
void Run_EDS_Step(TSaveDialog* dialog);
