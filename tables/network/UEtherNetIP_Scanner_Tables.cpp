// The sheet, the tests and the EDS placement of the EtherNet/IP scanner connection table.
#include "tables/network/UEtherNetIP_Scanner_Tables.h"

#include "core/UComon.h"
#include "tables/frame/TableCells.h"
#include "tables/frame/TableCheck.h"
#include "tables/frame/TableFile.h"
#include "tables/network/NetworkSheet.h"
#include "toolkit/system/SysUtils.h"

namespace {

using EM = TTableMissing;

std::vector<TTableColumn> scannerColumns() {
    const QStringList dim = {"Default"};
    return Network_Columns({
        {4014, 40, edNormal, Tint_White, {}, "", EM::Keep, "", 0, 0},
        {4015, 50, edDataCheckBox, Tint_Orange, {}, "Enable", EM::Default, "N", 4023, 0},
        {4016, 110, edNormal, Tint_Cyan, {}, "IP_Address", EM::Default, "", 4024, 0},
        {4017, 80, edNormal, Tint_Yellow, {}, "Start_Input", EM::Default, "", 4025, 0},
        {4018, 80, edNormal, Tint_Yellow, {}, "Num_Input", EM::Default, "", 4026, 0},
        {4019, 85, edNormal, Tint_Pink, {}, "Start_Output", EM::Default, "", 4027, 0},
        {4020, 85, edNormal, Tint_Pink, {}, "Num_Output", EM::Default, "", 4028, 0},
        {4021, 80, edNormal, Tint_Green, {}, "Time_Poll", EM::Default, "", 4029, 0},
        {4041, 105, edNormal, Tint_Lavender, {}, "Instance_T_O", EM::Default, "", 4043, 0},
        {4047, 120, edNormal, Tint_Lavender, {}, "Connection_Point_T_O", EM::Default, "", 4049, 0},
        {4042, 105, edNormal, Tint_Lavender, {}, "Instance_O_T", EM::Default, "", 4044, 0},
        {4048, 120, edNormal, Tint_Lavender, {}, "Connection_Point_O_T", EM::Default, "", 4050, 0},
        {4053, 120, edComboEdit, Tint_LightBlue, dim, "Dim_Header_T_O", EM::Default, "Default", 4055, 0},
        {4054, 120, edComboEdit, Tint_LightBlue, dim, "Dim_Header_O_T", EM::Default, "Default", 4056, 0},
        {4022, 95, edNormal, Tint_White, {}, "Mnemonic", EM::Default, "", 4030, 0},
    });
}

bool scannerOutside(Integer n, Integer low, Integer high) {
    return n < low || n > high;
}

bool scannerDimHeaderWrong(const TTableRow& row, Integer col) {
    return Trim(row.Text(col)).toUpper() != u"DEFAULT" && scannerOutside(row.Number(col), 0, 7);
}

TRowFault scannerRowFault(const TTableRow& row) {
    String a, b, c, d;
    if (!Split_IP_Address(row.Text(enIP_Address), a, b, c, d)) return {4032, {}};
    const struct {
        Integer Col, Low, High, Message;
    } ranges[] = {
        {enStart_Input, 0, 65535, 4033},   {enNum_Input, 0, 65535, 4034},
        {enStart_Output, 0, 65535, 4035},  {enNum_Output, 0, 65535, 4036},
        {enTime_Poll, 1, 100000000, 4037}, {enInstance_T_O, 0, 65535, 4045},
        {enConnPoint_T_O, 0, 65535, 4051}, {enInstance_O_T, 0, 65535, 4046},
        {enConnPoint_O_T, 0, 65535, 4052},
    };
    for (const auto& r : ranges)
        if (scannerOutside(row.Number(r.Col), r.Low, r.High)) return {r.Message, {}};
    if (scannerDimHeaderWrong(row, enDimHeader_T_O)) return {4057, {}};
    if (scannerDimHeaderWrong(row, enDimHeader_O_T)) return {4058, {}};
    return {};
}

// The bytes of all enabled slaves must fit the converter's arrays (run once every row has passed).
TTableFault scannerTotals(const TTableGrid& grid, const ITableCells& cells) {
    Integer in = 0, out = 0;
    const Integer end = Table_End_Row(grid, cells);
    for (Integer r = 1; r < end; ++r) {
        if (cells.Cell(enEnable, r).toUpper() != u"Y") continue;
        const TTableRow row(cells, r);
        in += row.Number(enNum_Input);
        out += row.Number(enNum_Output);
    }
    if (in > EtherNetIP_Num_Byte_In) return {-1, 0, {4038, IntToStr(EtherNetIP_Num_Byte_In)}};
    if (out > EtherNetIP_Num_Byte_Out) return {-1, 0, {4039, IntToStr(EtherNetIP_Num_Byte_Out)}};
    return {};
}

} // namespace

Integer EtherNetIP_Free_Row(const ITableCells& cells) {
    for (Integer r = 1; r <= cells.DataRowCount(); ++r)
        if (Trim(cells.Cell(enIP_Address, r)).isEmpty() && Trim(cells.Cell(enInstance_T_O, r)).isEmpty())
            return r;
    return 0;
}

void Put_EDS_Connection(const QStringList& connection, ITableCells& cells, Integer row) {
    // The chooser's columns: 3 instance O > T, 4 its connection point, 5 instance T > O, 6 its
    // connection point, 7 header O > T, 8 header T > O.
    const std::pair<Integer, int> moves[] = {
        {enInstance_T_O, 5},  {enConnPoint_T_O, 6}, {enInstance_O_T, 3},
        {enConnPoint_O_T, 4}, {enDimHeader_T_O, 8}, {enDimHeader_O_T, 7},
    };
    for (const auto& [to, from] : moves)
        cells.SetCell(to, row, from < connection.size() ? connection[from] : String());
}

TTableSheet EtherNetIP_Scanner_Sheet() {
    TTableSheet s;
    s.ClientWidth = 1180;
    s.ClientHeight = 337;
    s.Texts = Block_Texts(4000, 4008, 4031, 4040, 4061);
    s.RootElement = QStringLiteral("EtherNetIP_Master_Access");
    s.VersionComment = QStringLiteral("SW_VERSION = 1.000");
    TTableGrid g;
    g.Name = QStringLiteral("ACG");
    g.Page = QStringLiteral("TS_EtherNetIP");
    g.DataRows = EtherNetIP_Scanner_Rows;
    g.Columns = scannerColumns();
    g.KeyColumn = enIP_Address;
    g.EnableColumn = enEnable;
    g.EnableTrimmed = false;
    g.EnableIgnoresCase = true;
    g.ShowsHints = true;
    g.ClickSelectsRow = false;
    g.InsertPutsEnable = true;
    g.CheckRow = scannerRowFault;
    s.Grids = {g};
    s.CheckTable = [grid = g](const std::vector<const ITableCells*>& cells) -> TTableFault {
        return cells.empty() ? TTableFault() : scannerTotals(grid, *cells[0]);
    };
    return s;
}
