// The sheet, the tests and the row numbering of the SNMP agent tables.
#include "tables/network/USNMP_Trap_Tables.h"

#include "core/UComon.h"
#include "tables/frame/TableCells.h"
#include "tables/frame/TableCheck.h"
#include "tables/frame/TableFile.h"
#include "tables/network/NetworkSheet.h"
#include "toolkit/system/SysUtils.h"

#include <set>

const char* const SNMP_Trap_Read_Section = "SNMP_Trap_Read";
const char* const SNMP_Trap_Write_Section = "SNMP_Trap_Write";

namespace {

using ST = TTableMissing;
const QStringList snmpTrapCommunities = {"public", "private"};
const QStringList snmpTrapTypes = {"Int", "String"};
const QStringList snmpTrapConversions = {"None",        "Float",      "Float * 10",
                                         "Float * 100", "Float / 10", "Float / 100"};

std::vector<TTableColumn> snmpTrapReadColumns() {
    const QStringList bits = Network_Number_Items(8);
    const Integer n = SNMP_Trap_Name_Length;
    return Network_Columns({
        {3916, 40, edNormal, Tint_White, {}, "", ST::Keep, "", 0, 0},
        {3917, 50, edDataCheckBox, Tint_Orange, {}, "Enable", ST::Default, "Y", 3939, 0},
        {3918, 130, edComboEdit, Tint_Cyan, snmpTrapCommunities, "Community_Name", ST::Default, "", 3940, n},
        {3919, 60, edComboList, Tint_Cyan, snmpTrapTypes, "Type", ST::Default, "", 3941, 0},
        {3920, 75, edDataCheckBox, Tint_Green, {}, "On_Change", ST::Default, "N", 3942, 0},
        {3921, 50, edDataCheckBox, Tint_Green, {}, "On_Command", ST::Default, "N", 3943, 0},
        {3922, 60, edDataCheckBox, Tint_Green, {}, "On_Timer", ST::Default, "N", 3944, 0},
        {3923, 65, edNormal, Tint_Green, {}, "Time", ST::Default, "", 3945, 0},
        {3924, 60, edComboList, Tint_Pink, {}, "Position", ST::Default, "", 3946, 0},
        {3925, 60, edComboList, Tint_Pink, bits, "Bit", ST::Default, "", 3947, 0},
        {3926, 95, edNormal, Tint_Yellow, {}, "NumBits", ST::Default, "", 3948, 0},
        {3927, 130, edNormal, Tint_Lavender, {}, "Description", ST::Default, "", 3949, n},
        {3928, 120, edNormal, Tint_GreyBlue, {}, "IP_Address", ST::Default, "", 3950, 0},
        {3981, 100, edComboList, Tint_Orange, snmpTrapConversions, "Conversion", ST::Default, "None", 3983,
         0},
        {3929, 130, edNormal, Tint_White, {}, "Mnemonic", ST::Default, "", 3951, 0},
    });
}

std::vector<TTableColumn> snmpTrapWriteColumns() {
    const QStringList bits = Network_Number_Items(8);
    const Integer n = SNMP_Trap_Name_Length;
    return Network_Columns({
        {3930, 40, edNormal, Tint_White, {}, "", ST::Keep, "", 0, 0},
        {3931, 50, edDataCheckBox, Tint_Orange, {}, "Enable", ST::Default, "Y", 3952, 0},
        {3932, 130, edComboEdit, Tint_Cyan, snmpTrapCommunities, "Community_Name", ST::Default, "", 3953, n},
        {3933, 60, edComboList, Tint_Cyan, snmpTrapTypes, "Type", ST::Default, "", 3954, 0},
        {3934, 60, edComboList, Tint_Pink, {}, "Position", ST::Default, "", 3955, 0},
        {3935, 60, edComboList, Tint_Pink, bits, "Bit", ST::Default, "", 3956, 0},
        {3936, 95, edNormal, Tint_Yellow, {}, "NumBits", ST::Default, "", 3957, 0},
        {3937, 130, edNormal, Tint_Lavender, {}, "Description", ST::Default, "", 3958, n},
        {3982, 100, edComboList, Tint_Orange, snmpTrapConversions, "Conversion", ST::Default, "None", 3984,
         0},
        {3938, 500, edNormal, Tint_White, {}, "Mnemonic", ST::Default, "", 3959, 0},
    });
}

// Where one table keeps what its tests read, and its messages (read / write).
struct SnmpTrapLayout {
    Integer Community, Type, OnTimer, Time, Position, Bit, NumBits, Description, IP, Conversion; // -1: none
    Integer MsgCommunity, MsgType, MsgTime, MsgPosition, MsgBit, MsgStringBit, MsgBits, MsgBytes,
        MsgDescription, MsgIP, MsgConversion;
};
const SnmpTrapLayout snmpTrapReadLayout = {
    strCommunity,   strType,       strOnTimer,    strTime, strPosition, strBit, strNumBits,
    strDescription, strIP_Address, strConversion, 3976,    3961,        3962,   3963,
    3964,           3965,          3966,          3967,    3977,        3968,   3985};
const SnmpTrapLayout snmpTrapWriteLayout = {
    stwCommunity, stwType,       -1,   -1,   stwPosition, stwBit, stwNumBits, stwDescription,
    -1,           stwConversion, 3978, 3969, 0,           3970,   3971,       3972,
    3973,         3974,          3979, 0,    3986};

// Names the converter stores in its fixed fields: a longer one (from a file or a paste) is refused too.
bool snmpTrapNameWrong(const String& text, Integer type) {
    return text.size() > SNMP_Trap_Name_Length || Check_Error_CommName_Desc(text, type);
}

TRowFault snmpTrapRowFault(const SnmpTrapLayout& l, const TTableRow& row) {
    if (snmpTrapNameWrong(row.Text(l.Community), 0)) return {l.MsgCommunity, {}};
    if (Trim(row.Text(l.Type)).isEmpty()) return {l.MsgType, {}};
    const bool integer = row.Text(l.Type).toUpper() == u"INT";
    if (l.OnTimer >= 0 && row.Text(l.OnTimer).toUpper() == u"Y") {
        const Integer time = row.Number(l.Time);
        if (time < 1 || time > 1000000000) return {l.MsgTime, {}};
    }
    if (Trim(row.Text(l.Position)).isEmpty()) return {l.MsgPosition, {}};
    if (Trim(row.Text(l.Bit)).isEmpty()) return {l.MsgBit, {}};
    if (!integer && Trim(row.Text(l.Bit)) != u"0") return {l.MsgStringBit, {}};
    const Integer size = row.Number(l.NumBits);
    if (integer && (size < 1 || size > 64)) return {l.MsgBits, {}};
    if (!integer && (size < 1 || size > 16)) return {l.MsgBytes, {}};
    if (snmpTrapNameWrong(row.Text(l.Description), 1)) return {l.MsgDescription, {}};
    if (l.IP >= 0) {
        String a, b, c, d;
        if (!Split_IP_Address(row.Text(l.IP), a, b, c, d)) return {l.MsgIP, {}};
    }
    if (Trim(row.Text(l.Conversion)).isEmpty()) return {l.MsgConversion, {}};
    return {};
}

TTableGrid snmpTrapGrid(bool read) {
    TTableGrid g;
    g.Name = read ? QStringLiteral("ACG_SNMP_Read") : QStringLiteral("ACG_SNMP_Write");
    g.Page = read ? QStringLiteral("TS_SNMP_Read") : QStringLiteral("TS_SNMP_Write");
    g.PageCaption = read ? 3908 : 3909;
    g.Section = QLatin1String(read ? SNMP_Trap_Read_Section : SNMP_Trap_Write_Section);
    g.DataRows = SNMP_Trap_Rows;
    g.Columns = read ? snmpTrapReadColumns() : snmpTrapWriteColumns();
    g.KeyColumn = read ? Integer(strCommunity) : Integer(stwCommunity);
    g.EnableColumn = 1;
    g.EnableTrimmed = false;
    g.EnableIgnoresCase = true;
    g.ShowsHints = true;
    g.ClickSelectsRow = false;
    g.InsertPutsEnable = true;
    g.PositionColumn = read ? Integer(strPosition) : Integer(stwPosition);
    g.Capacity = SNMP_Trap_Positions;
    const SnmpTrapLayout& layout = read ? snmpTrapReadLayout : snmpTrapWriteLayout;
    g.CheckRow = [&layout](const TTableRow& row) { return snmpTrapRowFault(layout, row); };
    return g;
}

// Every description of the enabled rows (read rows first, empty ones too) must differ from the others:
// the MIB names its objects after them.
TTableFault snmpTrapDescriptionsDiffer(const std::vector<TTableGrid>& grids,
                                       const std::vector<const ITableCells*>& cells) {
    std::set<String> seen;
    for (size_t g = 0; g < grids.size() && g < cells.size(); ++g) {
        const Integer description = g == 0 ? Integer(strDescription) : Integer(stwDescription);
        const Integer end = Table_End_Row(grids[g], *cells[g]);
        for (Integer r = 1; r < end; ++r) {
            if (!SNMP_Trap_Row_Enabled(cells[g]->Cell(1, r))) continue;
            if (!seen.insert(cells[g]->Cell(description, r)).second) return {-1, 0, {3980, {}}};
        }
    }
    return {};
}

} // namespace

bool SNMP_Trap_Row_Enabled(const String& enable) {
    return enable.toUpper() == u"Y";
}

void Index_Row_Build(ITableCells& cells) {
    Integer number = 0;
    for (Integer r = 1; r <= cells.DataRowCount(); ++r)
        cells.SetCell(0, r, SNMP_Trap_Row_Enabled(cells.Cell(1, r)) ? IntToStr(++number) : String());
}

bool Check_Error_CommName_Desc(const String& text, Integer Check_Type) {
    auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    auto lower = [](QChar c) { return c >= u'a' && c <= u'z'; };
    auto upper = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool ok = Check_Type == 1 && i == 0 ? lower(c) : digit(c) || lower(c) || upper(c);
        if (!ok) return true;
    }
    return false;
}

TTableSheet SNMP_Trap_Sheet() {
    TTableSheet s;
    s.ClientWidth = 1256;
    s.ClientHeight = 337;
    s.Texts = Block_Texts(3900, 3910, 3960, 3975, 3987);
    s.RootElement = QStringLiteral("SNMP_Trap");
    s.VersionComment = QStringLiteral("SW_VERSION = 1.001");
    s.FirstPageOnShow = false;
    s.Grids = {snmpTrapGrid(true), snmpTrapGrid(false)};
    s.CheckTable = [grids = s.Grids](const std::vector<const ITableCells*>& cells) {
        return snmpTrapDescriptionsDiffer(grids, cells);
    };
    return s;
}
