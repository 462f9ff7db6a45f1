// The KNX access table ("KNX_SetAccess.xml") as a sheet: its columns and file, and the tests of a row
// (addresses, APCI, priority, lengths and where the data lie in the converter's array).
#pragma once

#include "tables/frame/TableSheet.h"

enum TKNXColumn : Integer {
    knEnable = 1,
    knSource,
    knDestination,
    knAPCI,
    knPriority,
    knFormat,
    knMulFactor,
    knExtended,
    knReTest,
    knOnCMD,
    knOnChange,
    knOnTimer,
    knPollTime,
    knPosition,
    knBitMode,
    knLength,
    knTimeOut,
    knMnemonic
};

constexpr Integer KNX_Rows = 1024;
constexpr Integer KNX_Max_Num_Byte = 1500;

TTableSheet KNX_Sheet();
