// The sheets and tests of the CANopen PDO and SDO tables.
#include "tables/fieldbus/UCANopen_Tables.h"

#include "core/UComon.h"
#include "tables/fieldbus/FieldbusSheet.h"
#include "tables/frame/TableCells.h"
#include "tables/frame/TableCheck.h"
#include "tables/frame/TableFile.h"
#include "tables/frame/TableNumber.h"
#include "toolkit/system/SysUtils.h"

#include <set>
#include <utility>

namespace {

using C = TFieldbusColumn;
const String canopenCapacityLimit = QStringLiteral("1499");

// PDO rows: COB-ID, Dimension, the first Dimension positions, then the receive time-out or the send time.
TRowFault pdoFault(bool transmit, const TTableRow& row) {
    const Integer base = transmit ? 2580 : 2569;
    if (Fieldbus_Outside(row, 1, 0, 2047)) return {base, {}};
    if (Fieldbus_Outside(row, 2, 1, 8)) return {base + 1, {}};
    const Integer dim = Read_Table_Int(Trim(row.Text(2)));
    for (Integer n = 1; n <= dim; ++n)
        if (Fieldbus_Outside(row, 2 + n, 0, CANopen_NByte - 1)) return {base + 1 + n, canopenCapacityLimit};
    if (Fieldbus_Outside(row, 11, 0, transmit ? 100000000 : 65535)) return {base + 10, {}};
    return {};
}

// SDO rows from the Index column on: Index, SubIndex, N Byte (1, 2 or 4), [Poll Time], then the first
// N Byte positions. `m` is the first message after the device test.
TRowFault sdoFault(const TTableRow& row, Integer indexCol, Integer indexLow, Integer pollLow, Integer addCol,
                   Integer m) {
    if (Fieldbus_Outside(row, indexCol, indexLow, indexLow == 0x2000 ? 0x5FFF : 0xFFFF)) return {m, {}};
    if (Fieldbus_Outside(row, indexCol + 1, 0, 255)) return {m + 1, {}};
    const Integer nbyte = Read_Table_Int(Trim(row.Text(indexCol + 2)));
    if (nbyte != 1 && nbyte != 2 && nbyte != 4) return {m + 2, {}};
    if (pollLow >= 0) {
        if (Fieldbus_Outside(row, indexCol + 3, pollLow, 100000000)) return {m + 3, {}};
        ++m;
    }
    for (Integer n = 0; n < nbyte; ++n)
        if (Fieldbus_Outside(row, addCol + n, 0, CANopen_NByte - 1)) return {m + 3 + n, canopenCapacityLimit};
    return {};
}

TTableGrid pdoGrid(bool transmit) {
    std::vector<TTableColumn> columns;
    const Integer h = transmit ? 2529 : 2516;
    const Integer hint = transmit ? 2555 : 2543;
    columns = Fieldbus_Columns({{h, 40, Tint_White, edNormal, "", "", 0},
                                {h + 1, 65, Tint_Cyan, edNormal, "COB-ID", "", hint},
                                {h + 2, 65, Tint_Cyan, edNormal, "Dimension", "", hint + 1}});
    for (int n = 1; n <= 8; ++n) {
        const QByteArray attribute = "Address_B" + QByteArray::number(n);
        auto add =
            Fieldbus_Columns({{h + 2 + n, 45, Tint_Pink, edNormal, attribute.constData(), "", hint + 1 + n}});
        columns.push_back(add.front());
    }
    if (transmit) {
        for (TTableColumn& c :
             Fieldbus_Columns({{h + 11, 65, Tint_Green, edNormal, "Send_Time", "", hint + 10},
                               {h + 12, 68, Tint_Green, edDataCheckBox, "On_Change", "", hint + 11},
                               {h + 13, 105, clWhite, edNormal, "Mnemonic", "", hint + 12}}))
            columns.push_back(c);
    } else {
        for (TTableColumn& c :
             Fieldbus_Columns({{h + 11, 65, Tint_Green, edNormal, "TimeOut", "", hint + 10},
                               {h + 12, 173, clWhite, edNormal, "Mnemonic", "", hint + 11}}))
            columns.push_back(c);
    }
    TTableGrid g =
        transmit
            ? Fieldbus_Grid("sgb", "TS_Transmit_PDO", 2515, "Transmit_PDO", PDO_Data_Rows, std::move(columns))
            : Fieldbus_Grid("sga", "TS_Receive_PDO", 2514, "Receive_PDO", PDO_Data_Rows, std::move(columns));
    g.CheckRow = [transmit](const TTableRow& row) { return pdoFault(transmit, row); };
    return g;
}

// The SDO columns: [ID Device], Index, SubIndex, N Byte, [Poll Time, [On Change]], Add Byte1 .. 4,
// Mnemonic, with header and hint numbers counted on from the first.
std::vector<TTableColumn> sdoColumns(bool client, bool write, Integer header, Integer hint,
                                     Integer mnemonicWidth) {
    struct Spec {
        const char* attribute;
        Integer width;
        TColor tint;
        TEditorType editor;
    };
    std::vector<Spec> specs;
    const Integer addWidth = client ? 70 : 80;
    if (client) specs.push_back({"Device_ID", 60, Tint_Cyan, edNormal});
    specs.push_back({"Index", client ? 55 : 65, Tint_Cyan, edNormal});
    specs.push_back({"SubIndex", client ? 60 : 61, Tint_Cyan, edNormal});
    specs.push_back({"NByte", client ? 45 : 55, Tint_Cyan, edNormal});
    if (client) specs.push_back({"Poll_Time", 60, Tint_Green, edNormal});
    if (client && write) specs.push_back({"On_Change", 68, Tint_Green, edDataCheckBox});
    for (const char* a : {"Address_B1", "Address_B2", "Address_B3", "Address_B4"})
        specs.push_back({a, addWidth, Tint_Pink, edNormal});
    specs.push_back({"Mnemonic", mnemonicWidth, clWhite, edNormal});
    std::vector<TTableColumn> columns = Fieldbus_Columns({{header, 40, Tint_White, edNormal, "", "", 0}});
    for (size_t i = 0; i < specs.size(); ++i) {
        const Spec& s = specs[i];
        columns.push_back(Fieldbus_Columns({{header + 1 + Integer(i), s.width, s.tint, s.editor, s.attribute,
                                             "", hint + Integer(i)}})
                              .front());
    }
    return columns;
}

TTableSheet canopenSheet(const String* file, Integer width, const char* root) {
    TTableSheet s;
    s.FilePath = file;
    s.ClientWidth = width;
    s.ClientHeight = 337;
    s.RootElement = QLatin1String(root);
    s.VersionComment = QStringLiteral("SW_VERSION = 1.000");
    return s;
}

// Index and SubIndex listed before, in either grid: the object would be described twice. Sub-index 0 of
// an index with other sub-indexes is the record's count, which the device description writes itself, so it
// cannot be a variable of its own.
TTableFault sdoServerDuplicate(const TTableSheet& sheet, const std::vector<const ITableCells*>& cells) {
    std::set<std::pair<Integer, Integer>> seen;
    std::set<Integer> withZero, withOthers;
    for (size_t g = 0; g < sheet.Grids.size() && g < cells.size(); ++g) {
        const Integer end = Table_End_Row(sheet.Grids[g], *cells[g]);
        for (Integer r = 1; r < end; ++r) {
            const TTableRow row(*cells[g], r);
            const auto key =
                std::make_pair(Read_Table_Int(Trim(row.Text(1))), Read_Table_Int(Trim(row.Text(2))));
            if (!seen.insert(key).second) return {Integer(g), r, {g == 0 ? 2766 : 2767, {}}};
            (key.second == 0 ? withZero : withOthers).insert(key.first);
            if (withZero.count(key.first) && withOthers.count(key.first))
                return {Integer(g),
                        r,
                        {g == 0 ? Text_SDO_Read_Sub_Zero_Shared : Text_SDO_Write_Sub_Zero_Shared, {}}};
        }
    }
    return {};
}

} // namespace

TTableSheet PDO_CANopen_Sheet() {
    TTableSheet s = canopenSheet(&File_PDO_CANopen, 798, "PDO_CANopen");
    s.Texts = Block_Texts(2500, 2508, 2568, 2591, 2592);
    s.Grids = {pdoGrid(false), pdoGrid(true)};
    return s;
}

TTableSheet SDO_Client_CANopen_Sheet() {
    TTableSheet s = canopenSheet(&File_SDO_Client_CANopen, 798, "SDO_Client_CANopen");
    s.Texts = Block_Texts(2600, 2608, 2660, 2679, 2680);
    TTableGrid read = Fieldbus_Grid("sga", "TS_SDO_Read", 2614, "SDO_Read", SDO_Client_Data_Rows,
                                    sdoColumns(true, false, 2616, 2639, 163));
    read.CheckRow = [](const TTableRow& row) -> TRowFault {
        if (Fieldbus_Outside(row, 1, 1, 127)) return {2661, {}};
        return sdoFault(row, 2, 0x1000, 1, 6, 2662);
    };
    TTableGrid write = Fieldbus_Grid("sgb", "TS_SDO_Write", 2615, "SDO_Write", SDO_Client_Data_Rows,
                                     sdoColumns(true, true, 2627, 2649, 95));
    write.CheckRow = [](const TTableRow& row) -> TRowFault {
        if (Fieldbus_Outside(row, 1, 1, 127)) return {2670, {}};
        return sdoFault(row, 2, 0x1000, 0, 7, 2671);
    };
    s.Grids = {read, write};
    return s;
}

TTableSheet SDO_Server_CANopen_Sheet() {
    TTableSheet s = canopenSheet(&File_SDO_Server_CANopen, 749, "SDO_Server_CANopen");
    s.Texts = Block_Texts(2700, 2708, 2750, 2765, 2768);
    TTableGrid read = Fieldbus_Grid("sga", "TS_SDO_Read", 2714, "SDO_Read", SDO_Server_Data_Rows,
                                    sdoColumns(false, false, 2716, 2734, 170));
    read.CheckRow = [](const TTableRow& row) { return sdoFault(row, 1, 0x2000, -1, 4, 2751); };
    TTableGrid write = Fieldbus_Grid("sgb", "TS_SDO_Write", 2715, "SDO_Write", SDO_Server_Data_Rows,
                                     sdoColumns(false, true, 2725, 2742, 170));
    write.CheckRow = [](const TTableRow& row) { return sdoFault(row, 1, 0x2000, -1, 4, 2758); };
    // The write grid has no grid events of its own.
    write.ShowsHints = false;
    write.EnterMovesOn = false;
    write.ClickSelectsRow = false;
    write.DblClickSizes = false;
    s.Grids = {read, write};
    s.CheckTable = [grids = s.Grids](const std::vector<const ITableCells*>& cells) {
        TTableSheet keys;
        keys.Grids = grids;
        return sdoServerDuplicate(keys, cells);
    };
    return s;
}
