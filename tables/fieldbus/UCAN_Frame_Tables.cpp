// The sheets and tests of the CAN receive and transmit frame tables.
#include "tables/fieldbus/UCAN_Frame_Tables.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "tables/fieldbus/FieldbusSheet.h"
#include "tables/frame/TableCells.h"
#include "tables/frame/TableNumber.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/system/SysUtils.h"

namespace {

const String canType11 = QStringLiteral("2.0A (11 bits)");

QStringList canByteItems() {
    QStringList items{QStringLiteral("None")};
    for (Integer p = 0; p < CAN_Max_Byte; ++p)
        items << IntToStr(p);
    return items;
}

// The texts of one table's tests.
struct CanMessages {
    Integer Cob11, Cob29, Dim, Time, ByteSuffix;
    Integer Bytes[8];
};
const CanMessages canReceiveMessages = {1945, 1946, 1947,
                                        1948, 1950, {1949, 1951, 1952, 1953, 1954, 1955, 1956, 1957}};
const CanMessages canTransmitMessages = {2048, 2049, 2050,
                                         2051, 2053, {2052, 2054, 2055, 2056, 2057, 2058, 2059, 2060}};

TRowFault canFrameFault(bool transmit, const TTableRow& row) {
    const CanMessages& m = transmit ? canTransmitMessages : canReceiveMessages;
    const Integer type = transmit ? Integer(ctType) : Integer(crType);
    const Integer cob = transmit ? Integer(ctCobID) : Integer(crCobID);
    const Integer dimCol = transmit ? Integer(ctDim) : Integer(crDim);
    const Integer byte1 = transmit ? Integer(ctByte1) : Integer(crByte1);
    // Anything but the 11-bit entry (an empty cell too) is a 29-bit identifier.
    if (Trim(row.Text(type)) == canType11) {
        if (Fieldbus_Outside(row, cob, 0, 2047)) return {m.Cob11, {}};
    } else if (Fieldbus_Outside(row, cob, 0, 0x1FFFFFFF)) {
        return {m.Cob29, {}};
    }
    if (Fieldbus_Outside(row, dimCol, 1, 8)) return {m.Dim, {}};
    if (!transmit) {
        if (Fieldbus_Outside(row, crTimeOut, 0, 100000000)) return {m.Time, {}};
    } else if (Trim(row.Text(ctOnTimer)).toUpper() == u"Y" && Fieldbus_Outside(row, ctTime, 0, 100000000)) {
        return {m.Time, {}};
    }
    const Integer dim = Read_Table_Int(Trim(row.Text(dimCol)));
    for (Integer n = 0; n < dim; ++n) {
        const String cell = Trim(row.Text(byte1 + n));
        if (cell.isEmpty() || cell == u"None") continue;
        if (Fieldbus_Outside(row, byte1 + n, 0, CAN_Max_Byte - 1))
            return {m.Bytes[n], IntToStr(CAN_Max_Byte - 1) + Lang_Texts->Strings(m.ByteSuffix)};
    }
    return {};
}

using C = TFieldbusColumn;

TTableGrid canReceiveGrid() {
    TTableGrid g;
    g.Columns = Fieldbus_Columns({
        {1908, 40, Tint_White, edNormal, "", "", 0},
        {1909, 50, Tint_Orange, edDataCheckBox, "Enable", "Y", 1929},
        {1910, 90, Tint_Cyan, edNormal, "COBID", "", 1930},
        {1911, 90, Tint_Cyan, edComboList, "CAN_Type", "", 1931},
        {1912, 70, Tint_Cyan, edNormal, "Dim", "", 1932},
        {1913, 75, Tint_Green, edNormal, "TimeOut", "0", 1933},
        {1914, 48, Tint_Pink, edComboList, "Byte1", "", 1934},
        {1915, 48, Tint_Pink, edComboList, "Byte2", "", 1935},
        {1916, 48, Tint_Pink, edComboList, "Byte3", "", 1936},
        {1917, 48, Tint_Pink, edComboList, "Byte4", "", 1937},
        {1918, 48, Tint_Pink, edComboList, "Byte5", "", 1938},
        {1919, 48, Tint_Pink, edComboList, "Byte6", "", 1939},
        {1920, 48, Tint_Pink, edComboList, "Byte7", "", 1940},
        {1921, 48, Tint_Pink, edComboList, "Byte8", "", 1941},
        {1922, 185, clWindow, edNormal, "Mnemonic", "", 1942},
    });
    g.Name = QStringLiteral("ACG_CAN_Receive");
    g.Page = QStringLiteral("TS_CAN_Receive");
    return g;
}

TTableGrid canTransmitGrid() {
    TTableGrid g;
    g.Columns = Fieldbus_Columns({
        {2008, 40, Tint_White, edNormal, "", "", 0},
        {2009, 50, Tint_Orange, edDataCheckBox, "Enable", "Y", 2031},
        {2010, 90, Tint_Cyan, edNormal, "COBID", "", 2032},
        {2011, 90, Tint_Cyan, edComboList, "CAN_Type", "2.0A (11 bits)", 2033},
        {2012, 70, Tint_Cyan, edNormal, "Dim", "", 2034},
        {2013, 65, Tint_Green, edDataCheckBox, "OnChange", "Y", 2035},
        {2062, 50, Tint_Green, edDataCheckBox, "OnCMD", "N", 2063},
        {2014, 55, Tint_Green, edDataCheckBox, "OnTimer", "N", 2036},
        {2015, 70, Tint_Green, edNormal, "Time", "", 2037},
        {2016, 48, Tint_Pink, edComboList, "Byte1", "", 2038},
        {2017, 48, Tint_Pink, edComboList, "Byte2", "", 2039},
        {2018, 48, Tint_Pink, edComboList, "Byte3", "", 2040},
        {2019, 48, Tint_Pink, edComboList, "Byte4", "", 2041},
        {2020, 48, Tint_Pink, edComboList, "Byte5", "", 2042},
        {2021, 48, Tint_Pink, edComboList, "Byte6", "", 2043},
        {2022, 48, Tint_Pink, edComboList, "Byte7", "", 2044},
        {2023, 48, Tint_Pink, edComboList, "Byte8", "", 2045},
        {2024, 110, clWindow, edNormal, "Mnemonic", "", 2046},
    });
    // A missing Time reads "0" only for a row sent on its timer: the OnTimer cell, read just before,
    // decides, and Time keeps what it was given when its own attribute is missing.
    g.Columns[size_t(ctOnTimer)].FromAttribute = [](ITableCells& cells, Integer row, const String& value) {
        cells.SetCell(ctOnTimer, row, value);
        if (value == u"Y") cells.SetCell(ctTime, row, QStringLiteral("0"));
    };
    g.Columns[size_t(ctTime)].Missing = TTableMissing::Keep;
    g.Name = QStringLiteral("ACG_CAN_Transmit");
    g.Page = QStringLiteral("TS_CAN_Transmit");
    return g;
}

} // namespace

TTableSheet CAN_Frames_Sheet(bool transmit) {
    TTableSheet s;
    s.FilePath = transmit ? &File_CAN_Send_Frames : &File_CAN_Rec_Frames;
    s.ClientWidth = transmit ? 1100 : 1010;
    s.ClientHeight = 337;
    s.Texts =
        transmit ? Block_Texts(2000, 2025, 2047, 2061, 2064) : Block_Texts(1900, 1923, 1944, 1958, 1959);
    s.RootElement = transmit ? QStringLiteral("Transmit_Frames") : QStringLiteral("Receive_Frames");
    s.VersionComment = QStringLiteral("SW_VERSION = 1.001");
    s.FocusGridOnShow = true;
    TTableGrid g = transmit ? canTransmitGrid() : canReceiveGrid();
    g.DataRows = CAN_Data_Rows;
    g.KeyColumn = 2;
    g.EnableColumn = 1;
    g.EnableIgnoresCase = true;
    g.ShowsHints = true;
    g.ClickSelectsRow = false;
    g.InsertPutsEnable = true;
    g.ExtraOptions = goAlwaysShowEditor;
    g.HoverRow = true;
    const QStringList bytes = canByteItems();
    const Integer byte1 = transmit ? Integer(ctByte1) : Integer(crByte1);
    for (Integer n = 0; n < 8; ++n)
        g.Columns[size_t(byte1 + n)].Items = bytes;
    g.Columns[size_t(transmit ? Integer(ctType) : Integer(crType))].Items = {
        canType11, QStringLiteral("2.0B (29 bits)")};
    g.CheckRow = [transmit](const TTableRow& row) { return canFrameFault(transmit, row); };
    s.Grids = {g};
    return s;
}
