// The EtherNet/IP scanner connection table ("EtherNetIP_Master_Rules.xml") as a sheet: its columns and
// file, the tests of a slave, the byte totals, and where an EDS import puts a connection.
#pragma once

#include "tables/frame/TableSheet.h"

enum TEtherNetIPScannerColumn : Integer {
    enEnable = 1,
    enIP_Address,
    enStart_Input,
    enNum_Input,
    enStart_Output,
    enNum_Output,
    enTime_Poll,
    enInstance_T_O,
    enConnPoint_T_O,
    enInstance_O_T,
    enConnPoint_O_T,
    enDimHeader_T_O,
    enDimHeader_O_T,
    enMnemonic
};

constexpr Integer EtherNetIP_Scanner_Rows = 10;
// The sizes of the converter's input and output arrays that the byte totals must fit.
constexpr Integer EtherNetIP_Num_Byte_In = 1438;
constexpr Integer EtherNetIP_Num_Byte_Out = 1438;

TTableSheet EtherNetIP_Scanner_Sheet();

// The first row whose IP Address and Instance T > O are both blank, or 0 when there is none.
Integer EtherNetIP_Free_Row(const ITableCells& cells);
// Puts a chosen connection, as the chooser's grid row shows it (columns 0 .. 8), into `row`: its
// instances, connection points and header kinds; no other cell changes.
void Put_EDS_Connection(const QStringList& connection, ITableCells& cells, Integer row);
