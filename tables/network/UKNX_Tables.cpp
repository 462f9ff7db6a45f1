// The sheet and the row tests of the KNX access table.
#include "tables/network/UKNX_Tables.h"

#include "core/UComon.h"
#include "tables/frame/TableCells.h"
#include "tables/frame/TableCheck.h"
#include "tables/network/NetworkSheet.h"
#include "toolkit/system/SysUtils.h"

namespace {

using KM = TTableMissing;
const QStringList knxPriorities = {"System", "Urgent", "Normal", "Low"};

std::vector<TTableColumn> knxColumns() {
    std::vector<TTableColumn> columns = Network_Columns({
        {3514, 40, edNormal, Tint_White, {}, "", KM::Keep, "", 0, 0},
        {3515, 50, edDataCheckBox, Tint_Orange, {}, "Enable", KM::Default, "Y", 3531, 0},
        {3516, 70, edNormal, Tint_Cyan, {}, "Source_Address", KM::Required, "", 3532, 0},
        {3517, 80, edNormal, Tint_Cyan, {}, "Destination_Address", KM::Required, "", 3533, 0},
        {3518, 60, edComboEdit, Tint_Cyan, {"Read", "Write"}, "APCI", KM::Required, "", 3534, 0},
        {3519, 75, edComboList, Tint_Cyan, knxPriorities, "Priority", KM::Default, "Normal", 3535, 0},
        {3520,
         110,
         edComboList,
         Tint_Yellow,
         {"None", "Swap16", "Swap32", "Swap All", "Int to Float", "Float to Int", "Float16 to Float32",
          "Float16 to Int"},
         "Format",
         KM::Default,
         "None",
         3536,
         0},
        {3561, 85, edNormal, Tint_Yellow, {}, "MultiplicationFactor", KM::Default, "", 3563, 0},
        {3521, 68, edDataCheckBox, Tint_Yellow, {}, "Extended", KM::Required, "", 3537, 0},
        {3522, 50, edDataCheckBox, Tint_Yellow, {}, "ReTest", KM::Required, "", 3538, 0},
        {3523, 52, edDataCheckBox, Tint_Green, {}, "On_Command", KM::Default, "N", 3540, 0},
        {3524, 71, edDataCheckBox, Tint_Green, {}, "On_Change", KM::Required, "", 3541, 0},
        {3525, 62, edDataCheckBox, Tint_Green, {}, "On_Timer", KM::Default, "N", 3542, 0},
        {3526, 67, edNormal, Tint_Green, {}, "Poll_Time", KM::Required, "", 3543, 0},
        {3527, 55, edComboList, Tint_Pink, {}, "Position", KM::Required, "", 3544, 0},
        {3528,
         55,
         edComboList,
         Tint_Pink,
         {"No", "0", "1", "2", "3", "4", "5", "6", "7"},
         "Bit_Mode",
         KM::Required,
         "",
         3545,
         0},
        {3529, 55, edNormal, Tint_Pink, {}, "Length", KM::Required, "", 3546, 0},
        {3562, 65, edNormal, Tint_Lavender, {}, "TimeOut", KM::Default, "0", 3564, 0},
        {3530, 96, edNormal, Tint_White, {}, "Mnemonic", KM::Required, "", 3547, 0},
    });
    // A priority the converter does not know is read as the usual one.
    columns[knPriority].FromAttribute = [](ITableCells& cells, Integer row, const String& value) {
        cells.SetCell(knPriority, row, knxPriorities.contains(value) ? value : QStringLiteral("Normal"));
    };
    columns[knPriority].ToAttribute = [](const ITableCells& cells, Integer row) {
        return cells.Cell(knPriority, row);
    };
    return columns;
}

bool knxOutside(Integer n, Integer low, Integer high) {
    return n < low || n > high;
}

TRowFault knxRowFault(const TTableRow& row) {
    const QChar separator = Get_Decimal_Separator();
    if (Check_KNX_Address(Trim(row.Text(knSource)), false, true)) return {3549, {}};
    const String destination = Trim(row.Text(knDestination));
    const bool group = Is_Without_Dot(destination);
    if (Check_KNX_Address(destination, group, true)) return {group ? 3551 : 3550, {}};
    const String apci = row.Text(knAPCI).toUpper();
    if (apci != u"READ" && apci != u"WRITE" && knxOutside(row.Number(knAPCI), 0, 1023)) return {3552, {}};
    if (!knxPriorities.contains(row.Text(knPriority))) return {3553, {}};
    if (Trim(row.Text(knFormat)).isEmpty()) return {3554, {}};
    const String factor = Trim(row.Text(knMulFactor));
    float value = 0;
    if (!factor.isEmpty() && !Str_To_Float_Sep(factor, separator, value)) return {3565, {}};
    if (row.Text(knOnTimer).toUpper() == u"Y" && knxOutside(row.Number(knPollTime), 1, 100000000))
        return {3555, {}};
    const Integer position = row.Number(knPosition);
    if (knxOutside(position, 0, KNX_Max_Num_Byte - 1)) return {3556, IntToStr(KNX_Max_Num_Byte - 1)};
    const bool byteMode = row.Text(knBitMode).toUpper() == u"NO";
    const Integer startBit = byteMode ? 0 : row.Number(knBitMode);
    if (!byteMode && knxOutside(startBit, 0, 7)) return {3557, {}};
    const bool extended = row.Text(knExtended).toUpper() == u"Y";
    const Integer longest = byteMode ? (extended ? 255 : 14) : (extended ? 2040 : 112);
    const Integer length = row.Number(knLength);
    if (knxOutside(length, 1, longest)) return {3558, IntToStr(longest)};
    const Integer bytes = byteMode ? length : (length + startBit + 7) / 8;
    if (position + bytes > KNX_Max_Num_Byte) return {3559, IntToStr(KNX_Max_Num_Byte)};
    if (knxOutside(row.Number(knTimeOut), 0, 100000000)) return {3566, {}};
    return {};
}

} // namespace

TTableSheet KNX_Sheet() {
    TTableSheet s;
    s.ClientWidth = 1205;
    s.ClientHeight = 337;
    s.Texts = Block_Texts(3500, 3508, 3548, 3560, 3567);
    s.RootElement = QStringLiteral("BACnet_to_KNX");
    s.VersionComment = QStringLiteral("SW_VERSION = 1.000");
    TTableGrid g;
    g.Name = QStringLiteral("ACG_KNX_in_Write");
    g.Page = QStringLiteral("TS_KNX_in_Write");
    g.Section = QStringLiteral("KNX_in_Write");
    g.DataRows = KNX_Rows;
    g.Columns = knxColumns();
    g.KeyColumn = knSource;
    g.EnableColumn = knEnable;
    g.ShowsHints = true;
    g.InsertPutsEnable = true;
    g.PositionColumn = knPosition;
    g.Capacity = KNX_Max_Num_Byte;
    g.CheckRow = knxRowFault;
    s.Grids = {g};
    return s;
}
