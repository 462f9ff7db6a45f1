// The CAN frame tables of the receive and transmit windows as sheets: their columns, file and the tests
// of a frame row.
#pragma once

#include "tables/frame/TableSheet.h"

constexpr Integer CAN_Data_Rows = 512;
// Byte positions of the converter's internal arrays (MAX_Byte).
constexpr Integer CAN_Max_Byte = 2000;

// Column indexes of the two grids.
enum TCANReceiveColumn : Integer {
    crEnable = 1,
    crCobID,
    crType,
    crDim,
    crTimeOut,
    crByte1,
    crMnemonic = crByte1 + 8
};
enum TCANTransmitColumn : Integer {
    ctEnable = 1,
    ctCobID,
    ctType,
    ctDim,
    ctOnChange,
    ctOnCMD,
    ctOnTimer,
    ctTime,
    ctByte1,
    ctMnemonic = ctByte1 + 8
};

// The sheet of TFReceiveCAN (transmit false) or TFTransmitCAN.
TTableSheet CAN_Frames_Sheet(bool transmit);
