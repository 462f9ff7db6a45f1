// The BACnet server object tables ("BACnet_Slave.xml") as a sheet: columns, file and the tests of a read
// and a write object, with the count of objects of both tables.
#pragma once

#include "tables/frame/TableSheet.h"

enum TBACnetSlaveColumn : Integer {
    bsData_Type = 1,
    bsEng_Unit,
    bsPosition,
    bsBit,
    bsLength,
    bsSwap,
    bsMnemonic
};

constexpr Integer BACnet_Slave_Rows = 2000;
constexpr Integer BACnet_Slave_Rows_Desc32 = 1000;
constexpr Integer BACnet_Slave_Capacity = 1500;

// The description mode read at each showing: 32-character descriptions halve the tables.
struct TBACnetSlaveMode {
    bool Desc_Lenght = false;
    Integer MaxObjects() const { return Desc_Lenght ? BACnet_Slave_Rows_Desc32 : BACnet_Slave_Rows; }
};

// The sheet refers to `mode`, which must outlive it.
TTableSheet BACnet_Slave_Sheet(const TBACnetSlaveMode& mode);
// The Length a Data Type chosen in the write table puts into its row; empty for a type it does not know.
String BACnet_Write_Default_Length(const String& dataType);
// "BACnet_Desc_Chars_Limit" directly under the first node of "ParGen.xml" holds "1"; false without file.
bool Read_BACnet_Desc_Length(const String& parGenPath);
