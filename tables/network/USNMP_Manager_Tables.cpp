// The sheet and the tests of the SNMP manager request table.
#include "tables/network/USNMP_Manager_Tables.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "tables/frame/TableCells.h"
#include "tables/frame/TableCheck.h"
#include "tables/network/NetworkSheet.h"
#include "toolkit/system/SysUtils.h"

namespace {

using SM = TTableMissing;

std::vector<TTableColumn> snmpManagerColumns() {
    return Network_Columns({
        {3808, 40, edNormal, Tint_White, {}, "", SM::Keep, "", 0, 0},
        {3809, 50, edDataCheckBox, Tint_Orange, {}, "Enable", SM::Default, "Y", 3823, 0},
        {3810, 90, edNormal, Tint_Cyan, {}, "IP_Address", SM::Default, "", 3824, 0},
        {3811, 60, edComboList, Tint_Cyan, {"1", "2", "3"}, "Version", SM::Default, "", 3825, 0},
        {3812,
         106,
         edComboEdit,
         Tint_Cyan,
         {"public", "private"},
         "Community_String",
         SM::Default,
         "",
         3826,
         0},
        {3813, 100, edNormal, Tint_Cyan, {}, "OID", SM::Default, "", 3827, 0},
        {3814, 65, edComboList, Tint_Yellow, {"String", "Int"}, "Type", SM::Default, "", 3828, 0},
        {3815, 65, edComboList, Tint_Yellow, {"Get", "Set", "Trap"}, "Mode", SM::Default, "", 3829, 0},
        {3816, 75, edDataCheckBox, Tint_Green, {}, "On_Change", SM::Default, "N", 3830, 0},
        {3817, 50, edDataCheckBox, Tint_Green, {}, "On_Command", SM::Default, "N", 3831, 0},
        {3818, 65, edDataCheckBox, Tint_Green, {}, "On_Timer", SM::Default, "N", 3832, 0},
        {3819, 65, edNormal, Tint_Green, {}, "Time", SM::Default, "", 3833, 0},
        {3820, 75, edComboList, Tint_Pink, {}, "Position", SM::Default, "", 3834, 0},
        {3821, 75, edNormal, Tint_Pink, {}, "Number_Bytes", SM::Default, "", 3835, 0},
        {3854,
         95,
         edComboList,
         Tint_Orange,
         {"None", "Float", "Float * 10", "Float * 100"},
         "ConvertFrom",
         SM::Default,
         "None",
         3855,
         0},
        {3860, 50, edDataCheckBox, Tint_Lavender, {}, "Cancel", SM::Default, "N", 3861, 0},
        {3862, 70, edNormal, Tint_LightBlue, {}, "User", SM::Default, "", 3868, 0},
        {3863, 70, edNormal, Tint_LightBlue, {}, "Auth_Pass", SM::Default, "", 3869, 0},
        {3864, 70, edNormal, Tint_LightBlue, {}, "Priv_Pass", SM::Default, "", 3870, 0},
        {3865,
         100,
         edComboList,
         Tint_LightBlue,
         {"NoAuth NoPriv", "Auth NoPriv", "Auth Priv"},
         "Security_Level",
         SM::Default,
         "",
         3871,
         0},
        {3866, 75, edComboList, Tint_LightBlue, {"MD5", "SHA"}, "Auth_Mode", SM::Default, "", 3872, 0},
        {3867, 75, edComboList, Tint_LightBlue, {"DES", "AES"}, "Priv_Mode", SM::Default, "", 3873, 0},
        {3822, 80, edNormal, Tint_White, {}, "Mnemonic", SM::Default, "", 3836, 0},
    });
}

bool snmpManagerEnabled(const ITableCells& cells, Integer row) {
    return Trim(cells.Cell(smEnable, row)) == u"Y";
}

// The security level's flags: authentication (1) and privacy (2); an empty level asks for both.
Integer snmpSecurityFlags(const TTableRow& row) {
    return Get_Security_Level(row.Text(smSecurityLevel));
}

TRowFault snmpManagerRowFault(const TTableRow& row) {
    String a, b, c, d;
    if (!Split_IP_Address(row.Text(smIP_Address), a, b, c, d)) return {3838, {}};
    const String oid = row.Text(smOID);
    // An identifier must be given: an empty one is as malformed as one with a character other than a
    // digit or a dot.
    if (Trim(oid).isEmpty()) return {3840, {}};
    if (const Integer code = Check_OID(oid)) return {3838 + code, {}};
    if (Trim(row.Text(smOnTimer)) == u"Y") {
        const Integer time = row.Number(smTime);
        if (time < 1 || time > 100000000) return {3845, {}};
    }
    const Integer bytes = row.Number(smNumBytes);
    if (bytes < 0 || bytes > 1024) return {3846, {}};
    if (Trim(row.Text(smConversion)).isEmpty()) return {3856, {}};
    if (row.Number(smVersion) != 3) return {};
    const Integer level = snmpSecurityFlags(row);
    if ((level & 1) && Trim(row.Text(smAuthMode)).isEmpty()) return {3884, {}};
    if ((level & 2) && Trim(row.Text(smPrivMode)).isEmpty()) return {3885, {}};
    return {};
}

// The rows the check and the writer take: up to the first row without an IP Address.
Integer snmpManagerEnd(const ITableCells& cells) {
    for (Integer r = 1; r <= cells.DataRowCount(); ++r)
        if (Trim(cells.Cell(smIP_Address, r)).isEmpty()) return r;
    return cells.DataRowCount() + 1;
}

// Two enabled requests to the same agent, version and identifier: the first such pair in row order,
// "Error in rows 2 and 5!! Same IP Address, Version and OID used".
TTableFault snmpManagerDuplicate(const ITableCells& cells) {
    const Integer end = snmpManagerEnd(cells);
    std::vector<std::pair<Integer, QStringList>> keys;
    for (Integer r = 1; r < end; ++r)
        if (snmpManagerEnabled(cells, r))
            keys.push_back({r,
                            {Trim(cells.Cell(smIP_Address, r)), Trim(cells.Cell(smVersion, r)),
                             Trim(cells.Cell(smOID, r))}});
    for (size_t i = 0; i < keys.size(); ++i)
        for (size_t j = i + 1; j < keys.size(); ++j)
            if (keys[i].second == keys[j].second)
                return {0,
                        0,
                        {3886, IntToStr(keys[i].first) + Lang_Texts->Strings(3887) + IntToStr(keys[j].first) +
                                   Lang_Texts->Strings(3888)}};
    return {};
}

} // namespace

Integer SNMP_Manager_Budget(const ITableCells& cells) {
    const Integer end = snmpManagerEnd(cells);
    Integer budget = 1;
    auto add = [&budget](const String& text) {
        if (!text.isEmpty()) budget += Integer(text.size()) + 1;
    };
    for (Integer r = 1; r < end; ++r) {
        if (!snmpManagerEnabled(cells, r)) continue;
        const TTableRow row(cells, r);
        add(row.Text(smOID));
        if (row.Number(smVersion) != 3) continue;
        add(row.Text(smUser));
        const Integer level = snmpSecurityFlags(row);
        if (level & 1) add(row.Text(smAuthPass));
        if (level & 2) add(row.Text(smPrivPass));
    }
    return budget;
}

TTableSheet SNMP_Manager_Sheet() {
    TTableSheet s;
    s.ClientWidth = 1230;
    s.ClientHeight = 337;
    s.Texts = Block_Texts(3800, 3848, 3837, 3847, 3890);
    s.RootElement = QStringLiteral("SNMP_Manager_Access");
    s.VersionComment = QStringLiteral("SW_VERSION = 1.003");
    s.FocusGridOnShow = true;
    TTableGrid g;
    g.Name = QStringLiteral("ACG_SNMP");
    g.Page = QStringLiteral("TS_SNMP");
    g.DataRows = SNMP_Manager_Rows;
    g.Columns = snmpManagerColumns();
    g.KeyColumn = smIP_Address;
    g.EnableColumn = smEnable;
    g.ShowsHints = true;
    g.ClickSelectsRow = false;
    g.InsertPutsEnable = true;
    g.PositionColumn = smPosition;
    g.Capacity = SNMP_Manager_Positions;
    g.CheckRow = snmpManagerRowFault;
    s.Grids = {g};
    s.CheckTable = [](const std::vector<const ITableCells*>& cells) -> TTableFault {
        if (cells.empty()) return {};
        if (TTableFault duplicate = snmpManagerDuplicate(*cells[0])) return duplicate;
        if (SNMP_Manager_Budget(*cells[0]) >= SNMP_Manager_Budget_Limit) return {-1, 0, {3889, {}}};
        return {};
    };
    return s;
}
