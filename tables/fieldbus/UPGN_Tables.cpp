// The sheets and tests of the J1939 and NMEA 2000 receive and transmit tables.
#include "tables/fieldbus/UPGN_Tables.h"

#include "core/UComon.h"
#include "tables/fieldbus/FieldbusSheet.h"
#include "tables/frame/TableCells.h"
#include "toolkit/system/SysUtils.h"

namespace {

// The longest messages the multi-packet transport protocol (255 packets of 7 bytes) and the NMEA 2000
// fast-packet protocol (6 bytes, then 31 frames of 7) carry.
constexpr Integer pgnTransportBytes = 1785;
constexpr Integer pgnFastPacketBytes = 223;
constexpr Integer pgnFrameBytes = 8;

bool pgnTicked(const TTableRow& row, Integer col) {
    return row.Text(col) == u"Y";
}

// Start Byte and N Byte of a reassembled message of up to `longest` bytes, counted from 0.
TRowFault pgnMessageSlice(const TTableRow& row, Integer startCol, Integer longest, Integer startMessage,
                          Integer sumMessage, Integer& count) {
    const qint64 start = Fieldbus_Number(row, startCol);
    const qint64 n = Fieldbus_Number(row, startCol + 1);
    if (start < 0 || start > longest) return {startMessage, {}};
    if (n < 0 || start + n > longest) return {sumMessage, {}};
    count = Integer(n);
    return {};
}

// Start Byte and N Byte within one frame: both blank for the whole frame, else from 1 with at most 8
// bytes in all. `m` is the first of the four messages.
TRowFault pgnFrameSlice(const TTableRow& row, Integer startCol, Integer m, Integer& count) {
    const bool noStart = Trim(row.Text(startCol)).isEmpty();
    const bool noCount = Trim(row.Text(startCol + 1)).isEmpty();
    if (noStart && noCount) return {};
    if (noStart || noCount) return {m, {}};
    if (Fieldbus_Outside(row, startCol, 1, pgnFrameBytes)) return {m + 1, {}};
    if (Fieldbus_Outside(row, startCol + 1, 1, pgnFrameBytes)) return {m + 2, {}};
    const Integer n = Fieldbus_Number(row, startCol + 1);
    if (Fieldbus_Number(row, startCol) + n > pgnFrameBytes) return {m + 3, {}};
    // The row takes its slice of the frame, not the frame as well.
    count = n;
    return {};
}

// The rows so far and this one against the capacity: the message stands without a row.
TRowFault pgnTotalFault(const TTableRow& row, Integer count, Integer capacity, Integer message) {
    Integer& total = row.Total();
    total += count;
    if (total > capacity) return {message, IntToStr(capacity), true};
    return {};
}

TRowFault j1939ReceiveFault(const TTableRow& row) {
    if (row.Text(jrDataPage).isEmpty()) return {3336, {}};
    if (Fieldbus_Outside(row, jrPGN, 0, 0xFFFF)) return {3337, {}};
    if (Fieldbus_Outside(row, jrSourceAddress, 0, 239)) return {3338, {}};
    Integer count = pgnFrameBytes;
    const TRowFault slice = pgnTicked(row, jrTransportProtocol)
                                ? pgnMessageSlice(row, jrStartByte, pgnTransportBytes, 3339, 3340, count)
                                : pgnFrameSlice(row, jrStartByte, 3341, count);
    if (slice) return slice;
    if (TRowFault total = pgnTotalFault(row, count, J1939_Num_Byte_In, 3345)) return total;
    if (pgnTicked(row, jrOnRequest) && Fieldbus_Outside(row, jrTime, 2, 10000000)) return {3346, {}};
    return {};
}

TRowFault j1939TransmitFault(const TTableRow& row) {
    if (Fieldbus_Outside(row, jtPriority, 0, 7)) return {3436, {}};
    if (row.Text(jtDataPage).isEmpty()) return {3437, {}};
    if (Fieldbus_Outside(row, jtPGN, 0, 0x1FFFF)) return {3438, {}};
    if (Fieldbus_Outside(row, jtSourceAddress, 0, 255)) return {3439, {}};
    if (Fieldbus_Outside(row, jtNBytes, 1, J1939_Num_Byte_Out)) return {3440, IntToStr(J1939_Num_Byte_Out)};
    if (TRowFault total = pgnTotalFault(row, Fieldbus_Number(row, jtNBytes), J1939_Num_Byte_Out, 3441))
        return total;
    if (pgnTicked(row, jtOnTimer) && Fieldbus_Outside(row, jtSendTimer, 1, 65535)) return {3442, {}};
    return {};
}

TRowFault nmeaReceiveFault(const TTableRow& row) {
    if (Fieldbus_Outside(row, nrPGN, 0, 0x1FFFF)) return {3632, {}};
    if (Fieldbus_Outside(row, nrSourceAddress, 0, 239)) return {3633, {}};
    Integer count = pgnFrameBytes;
    TRowFault slice;
    if (pgnTicked(row, nrTransportProtocol))
        slice = pgnMessageSlice(row, nrStartByte, pgnTransportBytes, 3634, 3635, count);
    else if (pgnTicked(row, nrFastPacket))
        slice = pgnMessageSlice(row, nrStartByte, pgnFastPacketBytes, 3636, 3637, count);
    else
        slice = pgnFrameSlice(row, nrStartByte, 3638, count);
    if (slice) return slice;
    return pgnTotalFault(row, count, NMEA_Num_Byte_In, 3642);
}

TRowFault nmeaTransmitFault(const TTableRow& row) {
    if (Fieldbus_Outside(row, ntPriority, 0, 7)) return {3736, {}};
    if (Fieldbus_Outside(row, ntPGN, 0, 0x1FFFF)) return {3737, {}};
    if (Fieldbus_Outside(row, ntSourceAddress, 0, 239)) return {3738, {}};
    if (Fieldbus_Outside(row, ntNumByte, 0, NMEA_Num_Byte_Out)) return {3739, IntToStr(NMEA_Num_Byte_Out)};
    if (TRowFault total = pgnTotalFault(row, Fieldbus_Number(row, ntNumByte), NMEA_Num_Byte_Out, 3740))
        return total;
    if (pgnTicked(row, ntOnTimer) && Fieldbus_Outside(row, ntSendTimer, 1, 65535)) return {3741, {}};
    return {};
}

// An older transmit file names the one trigger in T_Type; such a row keeps no other trigger. The
// trigger columns have been read (each "N" when missing) just before.
void j1939ReadTrigger(const ITableRowAttributes& element, ITableCells& cells, Integer row) {
    if (!element.Has(QStringLiteral("T_Type"))) return;
    for (Integer c : {jtRequest, jtDataChange, jtOnTimer})
        cells.SetCell(c, row, QStringLiteral("N"));
    const String type = element.Value(QStringLiteral("T_Type")).toUpper();
    if (type == u"ON DATA CHANGE") cells.SetCell(jtDataChange, row, QStringLiteral("Y"));
    if (type == u"ON TIMER") cells.SetCell(jtOnTimer, row, QStringLiteral("Y"));
}

TTableGrid j1939ReceiveGrid() {
    TTableGrid g = Fieldbus_Grid("sga", "TS_J1939_Receive", 0, "", J1939_Data_Rows,
                                 Fieldbus_Columns({
                                     {3314, 40, Tint_White, edNormal, "", "", 0},
                                     {3315, 65, Tint_Cyan, edComboList, "DP", "", 3325},
                                     {3316, 85, Tint_Cyan, edNormal, "PGN", "", 3326},
                                     {3317, 95, Tint_Cyan, edNormal, "SA", "", 3327},
                                     {3318, 113, Tint_Yellow, edDataCheckBox, "TP", "N", 3328},
                                     {3319, 65, Tint_Mint, edNormal, "TP_Start", "", 3329},
                                     {3320, 55, Tint_Mint, edNormal, "TP_NByte", "", 3330},
                                     {3321, 75, Tint_Pink, edDataCheckBox, "Delete", "N", 3331},
                                     {3322, 75, Tint_Orange, edDataCheckBox, "OnRequest", "N", 3332},
                                     {3323, 65, Tint_Orange, edNormal, "OnReq_Time", "1000", 3333},
                                     {3324, 120, Tint_White, edNormal, "Mnemonic", "", 3334},
                                 }));
    g.Columns[size_t(jrDataPage)].Items = {QStringLiteral("0"), QStringLiteral("1")};
    g.KeyColumn = jrPGN;
    g.CheckRow = j1939ReceiveFault;
    return g;
}

TTableGrid j1939TransmitGrid() {
    TTableGrid g = Fieldbus_Grid("sga", "TS_J1939_Transmit", 0, "", J1939_Data_Rows,
                                 Fieldbus_Columns({
                                     {3414, 40, Tint_White, edNormal, "", "", 0},
                                     {3415, 50, Tint_Cyan, edNormal, "Priority", "", 3425},
                                     {3416, 65, Tint_Cyan, edComboList, "DP", "", 3426},
                                     {3417, 85, Tint_Cyan, edNormal, "PGN", "", 3427},
                                     {3418, 95, Tint_Cyan, edNormal, "SA", "", 3428},
                                     {3419, 60, Tint_Yellow, edNormal, "TP_NByte", "8", 3429},
                                     {3420, 55, Tint_Mint, edDataCheckBox, "On_Request", "N", 3430},
                                     {3421, 80, Tint_Mint, edDataCheckBox, "On_Data_Change", "N", 3431},
                                     {3422, 60, Tint_Mint, edDataCheckBox, "On_Timer", "N", 3432},
                                     {3423, 70, Tint_Mint, edNormal, "SendTimer", "", 3433},
                                     {3424, 115, Tint_White, edNormal, "Mnemonic", "", 3434},
                                 }));
    g.Columns[size_t(jtDataPage)].Items = {QStringLiteral("0"), QStringLiteral("1")};
    // A single frame is the group's size when the file leaves the count empty too.
    g.Columns[size_t(jtNBytes)].FromAttribute = [](ITableCells& cells, Integer row, const String& value) {
        cells.SetCell(jtNBytes, row, value.isEmpty() ? QStringLiteral("8") : value);
    };
    g.KeyColumn = jtPGN;
    g.CheckRow = j1939TransmitFault;
    g.ReadRow = j1939ReadTrigger;
    return g;
}

TTableGrid nmeaReceiveGrid() {
    TTableGrid g = Fieldbus_Grid("sga", "TS_NMEA_Receive", 0, "", NMEA_Data_Rows,
                                 Fieldbus_Columns({
                                     {3614, 40, Tint_White, edNormal, "", "", 0},
                                     {3615, 80, Tint_Cyan, edNormal, "PGN", "", 3623},
                                     {3616, 95, Tint_Cyan, edNormal, "SA", "", 3624},
                                     {3617, 113, Tint_Yellow, edDataCheckBox, "TP", "N", 3625},
                                     {3618, 73, Tint_Yellow, edDataCheckBox, "FP", "N", 3626},
                                     {3619, 65, Tint_Mint, edNormal, "TP_Start", "", 3627},
                                     {3620, 50, Tint_Mint, edNormal, "TP_NByte", "", 3628},
                                     {3621, 74, Tint_Pink, edDataCheckBox, "Delete", "N", 3629},
                                     {3622, 195, Tint_White, edNormal, "Mnemonic", "", 3630},
                                 }));
    g.KeyColumn = nrPGN;
    g.CheckRow = nmeaReceiveFault;
    return g;
}

TTableGrid nmeaTransmitGrid() {
    TTableGrid g = Fieldbus_Grid("sga", "TS_NMEA_Transmit", 0, "", NMEA_Data_Rows,
                                 Fieldbus_Columns({
                                     {3714, 40, Tint_White, edNormal, "", "", 0},
                                     {3715, 50, Tint_Cyan, edNormal, "Priority", "", 3725},
                                     {3716, 75, Tint_Cyan, edNormal, "PGN", "", 3726},
                                     {3717, 95, Tint_Cyan, edNormal, "SA", "", 3727},
                                     {3718, 75, Tint_Pink, edDataCheckBox, "FP", "N", 3728},
                                     {3719, 60, Tint_Yellow, edNormal, "TP_NByte", "", 3729},
                                     {3720, 55, Tint_Mint, edDataCheckBox, "On_Request", "N", 3730},
                                     {3721, 80, Tint_Mint, edDataCheckBox, "On_Data_Change", "N", 3731},
                                     {3722, 64, Tint_Mint, edDataCheckBox, "On_Timer", "N", 3732},
                                     {3723, 75, Tint_Mint, edNormal, "SendTimer", "", 3733},
                                     {3724, 116, Tint_White, edNormal, "Mnemonic", "", 3734},
                                 }));
    g.KeyColumn = ntPGN;
    g.CheckRow = nmeaTransmitFault;
    return g;
}

TTableSheet pgnSheet(const String* file, Integer width, const char* root, const char* version,
                     TTableTexts texts, TTableGrid grid) {
    TTableSheet s;
    s.FilePath = file;
    s.ClientWidth = width;
    s.ClientHeight = 337;
    s.Texts = texts;
    s.RootElement = QLatin1String(root);
    s.VersionComment = QLatin1String(version);
    // Blanks in a PGN cell are an entry the check refuses, not the end of the table.
    grid.KeyTrimmed = false;
    s.Grids = {std::move(grid)};
    return s;
}

} // namespace

TTableSheet J1939_Frames_Sheet(bool transmit) {
    if (transmit)
        return pgnSheet(&File_J1939_Send_Frames, 800, "Transmit_J1939", "SW_VERSION = 1.001",
                        Block_Texts(3400, 3408, 3435, 3443, 3444), j1939TransmitGrid());
    return pgnSheet(&File_J1939_Rec_Frames, 876, "Receive_J1939", "SW_VERSION = 1.001",
                    Block_Texts(3300, 3308, 3335, 3347, 3348), j1939ReceiveGrid());
}

TTableSheet NMEA_Frames_Sheet(bool transmit) {
    // Both files have the receive table's root: readers take the first element whatever its name.
    if (transmit)
        return pgnSheet(&File_NMEA_Send_Frames, 810, "Receive_NMEA_2000", "SW_VERSION = 1.000",
                        Block_Texts(3700, 3708, 3735, 3742, 3743), nmeaTransmitGrid());
    return pgnSheet(&File_NMEA_Rec_Frames, 810, "Receive_NMEA_2000", "SW_VERSION = 1.000",
                    Block_Texts(3600, 3608, 3631, 3643, 3644), nmeaReceiveGrid());
}
