// The SNMP agent tables ("SNMP_Trap.xml", which the MIB writer reads) as a sheet: the read variables with
// their traps and the write variables, the tests of a row, the rule that makes a row enabled and the
// numbering of enabled rows the MIB gives its objects.
#pragma once

#include "tables/frame/TableSheet.h"

enum TSNMPTrapReadColumn : Integer {
    strEnable = 1,
    strCommunity,
    strType,
    strOnChange,
    strOnCMD,
    strOnTimer,
    strTime,
    strPosition,
    strBit,
    strNumBits,
    strDescription,
    strIP_Address,
    strConversion,
    strMnemonic
};
enum TSNMPTrapWriteColumn : Integer {
    stwEnable = 1,
    stwCommunity,
    stwType,
    stwPosition,
    stwBit,
    stwNumBits,
    stwDescription,
    stwConversion,
    stwMnemonic
};

constexpr Integer SNMP_Trap_Rows = 256;
constexpr Integer SNMP_Trap_Positions = 1440;
// Community names and descriptions: the converter keeps at most this many characters of each.
constexpr Integer SNMP_Trap_Name_Length = 15;

extern const char* const SNMP_Trap_Read_Section;  // "SNMP_Trap_Read"
extern const char* const SNMP_Trap_Write_Section; // "SNMP_Trap_Write"

TTableSheet SNMP_Trap_Sheet();

// A row's Enable text, as the window numbers the row and the MIB makes an object of it: "Y" in any case,
// not trimmed.
bool SNMP_Trap_Row_Enabled(const String& enable);
// Column 0 of every row: the next number of a count from 1 for an enabled row, else empty.
void Index_Row_Build(ITableCells& cells);
// True when the text is wrong. Type 0 (community names): letters and digits only. Type 1 (descriptions):
// a lower-case letter, then letters and digits. An empty text is never wrong.
bool Check_Error_CommName_Desc(const String& text, Integer Check_Type);
