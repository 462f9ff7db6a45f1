// The CANopen PDO, SDO client and SDO server tables as sheets: columns, files and the tests of a row.
#pragma once

#include "tables/frame/TableSheet.h"

constexpr Integer PDO_Data_Rows = 30;
constexpr Integer SDO_Client_Data_Rows = 256;
constexpr Integer SDO_Server_Data_Rows = 500;
// Byte positions of the internal input and output arrays (PROFINET_NByte_IN, PROFINET_NByte_OUT).
constexpr Integer CANopen_NByte = 1500;

TTableSheet PDO_CANopen_Sheet();
TTableSheet SDO_Client_CANopen_Sheet();
// The server table also refuses an (Index, SubIndex) listed twice, where the EDS file would hold the
// object's section twice, and sub-index 0 of an index listed with others, where it would have to be the
// record's count.
TTableSheet SDO_Server_CANopen_Sheet();
// The message of a row whose sub-index 0 shares its index with other sub-indexes, per grid.
constexpr Integer Text_SDO_Read_Sub_Zero_Shared = 2769;
constexpr Integer Text_SDO_Write_Sub_Zero_Shared = 2770;
