// The sheet and the tests of the BACnet server object tables.
#include "tables/network/UBACnet_Slave_Tables.h"

#include "core/UComon.h"
#include "tables/frame/TableCells.h"
#include "tables/frame/TableCheck.h"
#include "tables/frame/TableFile.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/SysUtils.h"

namespace {

const QStringList bacnetSlaveReadTypes = {
    "Analog Input",       "Analog Value",  "Binary Input",      "Binary Value",      "Positive Integer Value",
    "Large Analog Value", "Integer Value", "Multi State Input", "Multi State Value", "Life Safety Point",
    "Life Safety Zone",   "Access Door",   "Accumulator"};
const QStringList bacnetSlaveWriteTypes = {"Analog Out",    "Analog Value",           "Binary Out",
                                           "Binary Value",  "Positive Integer Value", "Large Analog Value",
                                           "Integer Value", "Multi State Output",     "Multi State Value",
                                           "Access Door"};
const QStringList bacnetSlaveBits = {"0", "1", "2", "3", "4", "5", "6", "7"};

// The Length range of one Data Type and the message of a Length outside it.
struct BACnetLengthRule {
    const char* Type;
    Integer Low, High, Message;
};
// The read table takes any Length for "Integer Value" no longer: the converter stores at most 4 bytes of
// it, as in the write table (1761 is the read table's text for it).
const BACnetLengthRule bacnetReadLengths[] = {
    {"Analog Input", 1, 4, 1735},       {"Positive Integer Value", 1, 4, 1736},
    {"Large Analog Value", 1, 8, 1737}, {"Analog Value", 1, 4, 1738},
    {"Multi State Input", 1, 4, 1739},  {"Multi State Value", 1, 4, 1740},
    {"Life Safety Point", 1, 2, 1741},  {"Life Safety Zone", 1, 2, 1742},
    {"Access Door", 1, 1, 1743},        {"Accumulator", 1, 4, 1744},
    {"Integer Value", 1, 4, 1761}};
const BACnetLengthRule bacnetWriteLengths[] = {
    {"Analog Out", 1, 4, 1749},         {"Analog Value", 1, 4, 1750},  {"Positive Integer Value", 1, 4, 1751},
    {"Large Analog Value", 1, 8, 1752}, {"Integer Value", 1, 4, 1753}, {"Multi State Output", 1, 4, 1754},
    {"Multi State Value", 1, 4, 1755},  {"Access Door", 1, 1, 1756}};

struct BACnetSlaveTexts {
    Integer EngUnit, Position, Bit, LastByte;
    const char* Binary[2];
    const BACnetLengthRule* Lengths;
    size_t LengthCount;
};
const BACnetSlaveTexts bacnetReadTexts = {1733,
                                          1734,
                                          1745,
                                          1746,
                                          {"Binary Input", "Binary Value"},
                                          bacnetReadLengths,
                                          std::size(bacnetReadLengths)};
const BACnetSlaveTexts bacnetWriteTexts = {1747,
                                           1748,
                                           1757,
                                           1758,
                                           {"Binary Out", "Binary Value"},
                                           bacnetWriteLengths,
                                           std::size(bacnetWriteLengths)};

bool bacnetOutside(Integer n, Integer low, Integer high) {
    return n < low || n > high;
}

TRowFault bacnetSlaveRowFault(const BACnetSlaveTexts& t, const TTableRow& row) {
    if (bacnetOutside(row.Number(bsEng_Unit), 0, 65535)) return {t.EngUnit, {}};
    const Integer position = row.Number(bsPosition);
    if (bacnetOutside(position, 0, BACnet_Slave_Capacity - 1))
        return {t.Position, IntToStr(BACnet_Slave_Capacity - 1)};
    const String type = row.Text(bsData_Type);
    qint64 last = position;
    if (type == QLatin1String(t.Binary[0]) || type == QLatin1String(t.Binary[1])) {
        // The message promises 0 .. 7: a bit the list does not offer is refused, not merely an empty cell.
        if (bacnetOutside(row.Number(bsBit), 0, 7)) return {t.Bit, {}};
    } else {
        const Integer length = row.Number(bsLength, 0);
        for (size_t i = 0; i < t.LengthCount; ++i) {
            const BACnetLengthRule& rule = t.Lengths[i];
            if (type == QLatin1String(rule.Type) && bacnetOutside(length, rule.Low, rule.High))
                return {rule.Message, {}};
        }
        last = qint64(position) + length - 1;
    }
    if (last >= BACnet_Slave_Capacity) return {t.LastByte, {}};
    return {};
}

TTableGrid bacnetSlaveGrid(bool write) {
    using M = TTableMissing;
    const Integer h = write ? 1724 : 1716;
    TTableGrid g;
    g.Name = write ? QStringLiteral("ACG_BACnet_in_Write") : QStringLiteral("ACG_BACnet_in_Read");
    g.Page = write ? QStringLiteral("TS_BACnet_in_Write") : QStringLiteral("TS_BACnet_in_Read");
    g.PageCaption = write ? 1709 : 1708;
    g.Section = write ? QStringLiteral("BACnet_in_Write") : QStringLiteral("BACnet_in_Read");
    g.DataRows = BACnet_Slave_Rows;
    auto column = [](Integer header, Integer width, TEditorType editor, TColor tint, const char* attribute,
                     M missing, const char* def) {
        TTableColumn c;
        c.Header = header;
        c.Width = width;
        c.Editor = editor;
        c.Tint = tint;
        c.Attribute = QLatin1String(attribute);
        c.Missing = missing;
        c.Default = QLatin1String(def);
        return c;
    };
    g.Columns = {
        column(h, 40, edNormal, Tint_White, "", M::Keep, ""),
        column(h + 1, 150, edComboList, Tint_Cyan, "Data_Type", M::Required, ""),
        column(h + 2, 100, edNormal, Tint_Cyan, "Eng_Unit", M::Required, ""),
        column(h + 3, 64, edComboList, Tint_Pink, "Position", M::Required, ""),
        column(h + 4, 64, edComboList, Tint_Pink, "Bit", M::Required, ""),
        column(h + 5, 64, edNormal, Tint_Pink, "Length", M::Required, ""),
        column(h + 6, 40, edDataCheckBox, Tint_Yellow, "Swap", M::Default, "N"),
        column(h + 7, 250, edNormal, Tint_White, "Mnemonic", M::Required, ""),
    };
    g.Columns[bsData_Type].Items = write ? bacnetSlaveWriteTypes : bacnetSlaveReadTypes;
    g.Columns[bsBit].Items = bacnetSlaveBits;
    g.Columns[bsSwap].Shown = false;
    g.KeyColumn = bsData_Type;
    g.PositionColumn = bsPosition;
    g.Capacity = BACnet_Slave_Capacity;
    const BACnetSlaveTexts* texts = write ? &bacnetWriteTexts : &bacnetReadTexts;
    g.CheckRow = [texts](const TTableRow& row) { return bacnetSlaveRowFault(*texts, row); };
    return g;
}

} // namespace

TTableSheet BACnet_Slave_Sheet(const TBACnetSlaveMode& mode) {
    TTableSheet s;
    s.ClientWidth = 764;
    s.ClientHeight = 337;
    s.Texts.Caption = 1700;
    s.Texts.Description = 1701;
    for (int i = 0; i < 6; ++i) {
        s.Texts.Buttons[i] = 1702 + i;
        s.Texts.ButtonHints[i] = 1710 + i;
    }
    s.Texts.RowErrorPrefix = 1732;
    s.Texts.DeleteQuestion = 1760;
    s.Texts.LostRowsQuestion = 1762;
    s.RootElement = QStringLiteral("BACnet_to_Modbus");
    s.VersionComment = QStringLiteral("SW_VERSION = 1.001");
    s.Grids = {bacnetSlaveGrid(false), bacnetSlaveGrid(true)};
    s.CheckTable = [&mode, grids = s.Grids](const std::vector<const ITableCells*>& cells) -> TTableFault {
        Integer count = 0;
        for (size_t g = 0; g < grids.size() && g < cells.size(); ++g)
            count += Table_End_Row(grids[g], *cells[g]) - 1;
        if (count > mode.MaxObjects()) return {-1, 0, {1759, IntToStr(mode.MaxObjects())}};
        return {};
    };
    return s;
}

String BACnet_Write_Default_Length(const String& dataType) {
    const String t = dataType.toUpper();
    if (t == u"BINARY OUT" || t == u"BINARY VALUE" || t == u"ACCESS DOOR") return QStringLiteral("1");
    if (t == u"LARGE ANALOG VALUE") return QStringLiteral("8");
    if (t == u"ANALOG OUT" || t == u"ANALOG VALUE" || t == u"POSITIVE INTEGER VALUE" ||
        t == u"INTEGER VALUE" || t == u"MULTI STATE OUTPUT" || t == u"MULTI STATE VALUE")
        return QStringLiteral("4");
    return String();
}

bool Read_BACnet_Desc_Length(const String& parGenPath) {
    if (!FileExists(parGenPath)) return false;
    TXMLDocument xml;
    if (!xml.LoadFromFile(parGenPath, Max_ParGen_File_Bytes, Max_ParGen_Text)) return false;
    return xml.DocumentElement().FindNode("BACnet_Desc_Chars_Limit").Text() == u"1";
}
