// Routines without a window shared by the configurator's windows and editors.
#pragma once

#include "toolkit/system/Types.h"

#include <memory>
#include <vector>

class TStringList;
class TXMLDocument;

// ---- Program state -----------------------------------------------------------------------------
// The configurator's whole working state: one value each for the whole run, touched only by the
// user-interface thread. A configuration is open exactly when Dir_Project is not empty.

inline const String Product_SW_Code = QStringLiteral("RV83K17");
inline const String Product_SW_Desc = QStringLiteral("OPC UA Server / Serial - Converter");
inline const String Product_SW_Code_Check = QStringLiteral("RV83K17");
// The program's own version, as the about box shows it and the version files record it.
inline const String Program_Version = QStringLiteral("1.003");
inline const String Default_IP_Address = QStringLiteral("192.168.2.205");
inline const String Default_Language = QStringLiteral("English");
inline const String Settings_File_Name = QStringLiteral("Quenvarrow.xml");

// Far beyond anything the program writes: a larger file, or a longer element text, is refused like a
// malformed file (the readers keep their defaults and leave the file as it is).
constexpr qint64 Max_Settings_File_Bytes = 1 << 20;
constexpr qsizetype Max_Settings_Text = 1024;
constexpr qint64 Max_ParGen_File_Bytes = 4 << 20;
constexpr qsizetype Max_ParGen_Text = 4096;
constexpr qint64 Max_Table_File_Bytes = 256 << 20;

extern String Name_Project;
extern String Dir_Project;
extern String Dir_Projects;
extern String Dir_Exe;
extern String Dir_Master;
extern String Dir_Language;
extern String Title_Program;
extern String SW_Code;
extern String SW_Desc;
extern String Last_IP_Address;
extern Integer Update_Option_Index;
extern bool Update_Read_Back;
extern String Language;
extern bool Enable_Internet;
extern bool Enable_Update;
extern bool Enable_Jump_Field;
extern bool Enable_Auto_Size;
extern String Dir_Import_EDE;

// The table files of the open configuration (Set_Files).
extern String File_ParGen;
extern String File_OPC_UA_Server;
extern String File_ModbusM_SetAccess;
extern String File_BACnet_Slave;
extern String File_CAN_Rec_Frames;
extern String File_CAN_Send_Frames;
extern String File_BACnet_Master_Access;
extern String File_ModbusTCPM_SetAccess;
extern String File_PDO_CANopen;
extern String File_SDO_Client_CANopen;
extern String File_SDO_Server_CANopen;
extern String File_MQTT_Set_Topic;
extern String File_DNETM_Net;
extern String File_DNETM_DefOff;
extern String File_DMX_Default_Values;
extern String File_J1939_Rec_Frames;
extern String File_J1939_Send_Frames;
extern String File_KNX_SetAccess;
extern String File_NMEA_Rec_Frames;
extern String File_NMEA_Send_Frames;
extern String File_SNMP_Manager;
extern String File_SNMP_Trap;
extern String File_EtherNetIP_Master_Rules;

// The row clipboard shared by every table editor, and the SNMP MIB generator's description lists;
// null until Create_Shared_Lists (the main window's creation).
extern TStringList* Copy_Row_Buffer;
extern std::vector<bool> Copy_Row_Is_Check;
extern TStringList* MIB_Read_Descriptions;
extern TStringList* MIB_Write_Descriptions;
void Create_Shared_Lists();
void Free_Shared_Lists();

// Every value back to its empty start (the program's start; tests).
void Reset_Program_State();
// The program's folders beside the program file in `exeDir`, each created when missing.
void Set_Program_Folders(const String& exeDir);
// The 23 table-file paths from Dir_Project ("/ParGen.xml" ... while no configuration is open).
void Set_Table_File_Paths();
// A name that may name a configuration folder inside "PROJECTS": not empty, no path separator, not "." or
// "..".
bool Is_Safe_Project_Name(const String& name);
// The settings file into the program state: each item with its own default; a missing or unreadable file
// gives all defaults. Name_Project is taken as stored; the caller decides whether its folder exists.
// False when a file is there but could not be read (the reason is the document's ErrorText()).
bool Read_Settings(TXMLDocument& xml, const String& fileName);
// The program state into the settings file, replacing it only once the new content is written whole.
// False when the file could not be written (the old one is then left as it was).
bool Write_Settings(TXMLDocument& xml, const String& fileName);

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

// ---- Serial ports ------------------------------------------------------------------------------
// The serial ports present (free or in use by another program), as the update window lists them:
// the on-board ports /dev/ttyS<k> as the port numbers k + 1, in ascending order, then any other
// serial device (USB adapters ...) by its device name, e.g. "ttyUSB0". The caller owns the list.
TStringList* Get_COM_Ports();
// The device a port text of Get_COM_Ports stands for ("1" -> "/dev/ttyS0", "ttyUSB0" -> "/dev/ttyUSB0").
String COM_Port_Device(const String& port);

// ---- Row helpers of the table editors (UComon_Rows.cpp) ---------------------------------------
// Data columns are 1 .. ColCount + NumHiddenColumns - 1 (hidden ones included), rows are data rows
// (1 or more); the row clipboard is Copy_Row_Buffer / Copy_Row_Is_Check. Failures are told by a
// message of block 1300 and change nothing.
class TQvStringGrid;
class TQvColumnGrid;

// Rows below move up one; the last row is emptied and made read-only, its check boxes unchecked but
// the box of column 1 checked when `enable`.
void Grid_Del_Row(int row, TQvStringGrid* grid, bool enable);
// Rows from `row` on move down one and `row` is emptied and made editable (check boxes as in the
// delete). Refused with a message while the last row holds text, which would fall out of the table (or,
// inserting at the last row, be emptied).
void Grid_Ins_Row(int row, TQvStringGrid* grid, bool enable);
// The row into the clipboard; check boxes as "Y" / "N".
void Grid_Copy_Row(TQvStringGrid* grid, int row);
// The clipboard into the row: refused without a copy (`copied` false) or with another column count;
// asks before overwriting a row that holds text.
void Grid_Paste_Row(TQvStringGrid* grid, int row, bool copied);
// The same for column grids, whose check boxes are data check boxes ("Y" / "N" texts); cell
// properties are not touched.
void ColGrid_Del_Row(int row, TQvColumnGrid* grid);
void ColGrid_Ins_Row(int row, TQvColumnGrid* grid, bool enable);
void ColGrid_Copy_Row(TQvColumnGrid* grid, int row);
void ColGrid_Paste_Row(TQvColumnGrid* grid, int row, bool copied);
// A double click on a header cell sizes its column to the contents (Enable_Auto_Size).
void Grid_Auto_Size_Col(TQvStringGrid* grid, int row, int col);
// The header row grows, never below the grid's row height, until every header shows its whole text
// wrapped in its column's width (the interface face may be wider than the one the widths were set for).
void Grid_Fit_Header_Row(TQvStringGrid* grid);
// Enter moves to the next data cell, from the last column to column 1 of the next row and from the last
// row to row 1 (Enable_Jump_Field); the key is then swallowed.
void Grid_Enter_Next_Cell(TQvStringGrid* grid, QChar& key);
// The text shown when an insert would push the last row's data out of the table.
constexpr int Text_Insert_Last_Row_Used = 1306;
// A table window's report of a table file it could not read whole (followed by the path and what went
// wrong), and the question before OK replaces such a file.
constexpr int Text_Table_Not_Read = 1310;
constexpr int Text_Overwrite_Unread_Table = 1311;
