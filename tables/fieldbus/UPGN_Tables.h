// The J1939 and NMEA 2000 parameter-group tables of the receive and transmit windows as sheets: their
// columns, files and the tests of a row, with the byte totals against the internal arrays.
#pragma once

#include "tables/frame/TableSheet.h"

constexpr Integer J1939_Data_Rows = 512;
constexpr Integer NMEA_Data_Rows = 62;
// Byte positions of the internal input and output arrays (NUM_BYTE_IN, NUM_BYTE_OUT).
constexpr Integer J1939_Num_Byte_In = 1440;
constexpr Integer J1939_Num_Byte_Out = 512;
constexpr Integer NMEA_Num_Byte_In = 512;
constexpr Integer NMEA_Num_Byte_Out = 512;

// Column indexes of the four grids.
enum TJ1939ReceiveColumn : Integer {
    jrDataPage = 1,
    jrPGN,
    jrSourceAddress,
    jrTransportProtocol,
    jrStartByte,
    jrNByte,
    jrCancelData,
    jrOnRequest,
    jrTime,
    jrMnemonic
};
enum TJ1939TransmitColumn : Integer {
    jtPriority = 1,
    jtDataPage,
    jtPGN,
    jtSourceAddress,
    jtNBytes,
    jtRequest,
    jtDataChange,
    jtOnTimer,
    jtSendTimer,
    jtMnemonic
};
enum TNMEAReceiveColumn : Integer {
    nrPGN = 1,
    nrSourceAddress,
    nrTransportProtocol,
    nrFastPacket,
    nrStartByte,
    nrNByte,
    nrCancelData,
    nrMnemonic
};
enum TNMEATransmitColumn : Integer {
    ntPriority = 1,
    ntPGN,
    ntSourceAddress,
    ntFastPacket,
    ntNumByte,
    ntRequest,
    ntDataChange,
    ntOnTimer,
    ntSendTimer,
    ntMnemonic
};

// The sheets of TFReceiveJ1939 (transmit false) or TFTransmitJ1939, and of TFReceiveNMEA or
// TFTransmitNMEA. Every table ends at its first row without a PGN, for the check and the writer alike;
// a PGN of blanks does not end it.
TTableSheet J1939_Frames_Sheet(bool transmit);
TTableSheet NMEA_Frames_Sheet(bool transmit);
