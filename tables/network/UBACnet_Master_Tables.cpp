// The sheet, the knowledge tables and the tests of the BACnet client access tables.
#include "tables/network/UBACnet_Master_Tables.h"

#include "core/UComon.h"
#include "tables/frame/TableCells.h"
#include "tables/frame/TableNumber.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/SysUtils.h"

#include <limits>

namespace {

const QStringList bacnetClientReadTypes = {
    "Accumulator",   "Multi-State Input",  "Multi-State Output",     "Multi-State Value", "Analog Input",
    "Analog Output", "Analog Value",       "Binary Input",           "Binary Output",     "Binary Value",
    "Integer Value", "Large Analog Value", "Positive Integer Value", "Life Safety Point", "Life Safety Zone"};
const QStringList bacnetClientWriteTypes = {
    "Multi-State Output", "Multi-State Value", "Analog Output",      "Analog Value",          "Binary Output",
    "Binary Value",       "Integer Value",     "Large Analog Value", "Positive Integer Value"};
const QStringList bacnetClientReadProperties = {
    "Present Value (85)", "Object Identifier (75)", "Units (117)",      "Scale (187)",
    "PreScale (185)",     "Polarity (84)",          "Event State (36)", "Status Flags (111)",
    "Object Type (79)",   "Number of States (74)"};
const QStringList bacnetClientDataTypes = {"Null",       "Boolean",    "Unsigned Int", "Signed Int",
                                           "Real",       "Double",     "Octet String", "Character String",
                                           "Bit String", "Enumerated", "Date",         "Time",
                                           "Object ID"};
const QStringList bacnetClientDestLengths = {"1", "2", "6", "M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8"};
const QStringList bacnetClientBits = {"0", "1", "2", "3", "4", "5", "6", "7"};

struct BACnetObjectName {
    const char* Name;
    bool ReadOnly;
};
const BACnetObjectName bacnetObjectNames[] = {
    {"ACCUMULATOR", true},         {"MULTI-STATE INPUT", true},
    {"MULTI-STATE OUTPUT", false}, {"ANALOG INPUT", true},
    {"ANALOG OUTPUT", false},      {"BINARY INPUT", true},
    {"BINARY OUTPUT", false},      {"INTEGER VALUE", false},
    {"LARGE ANALOG VALUE", false}, {"POSITIVE INTEGER VALUE", false},
    {"MULTI-STATE VALUE", false},  {"ANALOG VALUE", false},
    {"BINARY VALUE", false},       {"LIFE SAFETY POINT", false},
    {"LIFE SAFETY ZONE", false}};

bool bacnetIn(Integer n, std::initializer_list<Integer> set) {
    for (Integer v : set)
        if (v == n) return true;
    return false;
}

bool bacnetOut(qint64 n, qint64 low, qint64 high) {
    return n < low || n > high;
}

// As the table cells read whole numbers, but 64 bits wide (instances run to 2^32 - 1).
qint64 bacnetReadInt64(const String& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    String sign;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) sign = text[i++];
    String rest = text.mid(i);
    if (rest.startsWith(u'x') || rest.startsWith(u'X')) rest = u'$' + rest.mid(1);
    if (rest.isEmpty() || rest.startsWith(u' ')) return -1;
    int64_t value;
    return TryStrToInt64(sign + rest, value) ? qint64(value) : -1;
}

// Message numbers of one table's tests.
struct BACnetClientTexts {
    Integer Ip, Slave, ObjectType, Instance, Property, DNet, DLen, DAdd1, DAdd2, DAdd6, DLenList, Bytes,
        TooMany, TooFew, PollTime, MaxError;
};
const BACnetClientTexts bacnetClientRead = {2138, 2139, 2140, 2141, 2142, 2170, 2171, 2172,
                                            2173, 2174, 2186, 2182, 2184, 2188, 2144, 2145};
const BACnetClientTexts bacnetClientWrite = {2147, 2148, 2149, 2150, 2151, 2175, 2176, 2177,
                                             2178, 2179, 2187, 2183, 2185, 2189, 2155, 2156};

// The destination address of a MAC length given byte by byte: 0 when it is good, else the message.
Integer bacnetDestBytesFault(const BACnetClientTexts& t, const String& text, Integer numByte) {
    String rest = Trim(text);
    // An empty address is refused with the "too few bytes" text, never silently.
    if (rest.isEmpty()) return t.TooFew;
    Integer count = 0;
    while (!rest.isEmpty()) {
        const qsizetype comma = rest.indexOf(u',');
        const String part = comma < 0 ? rest : Trim(rest.left(comma));
        rest = comma < 0 ? String() : Trim(rest.mid(comma + 1));
        if (bacnetOut(Read_Table_Int(part), 0, 255)) return t.Bytes;
        if (++count > numByte) return t.TooMany;
    }
    return count < numByte ? t.TooFew : 0;
}

Integer bacnetDestinationFault(const BACnetClientTexts& t, const TTableRow& row, Integer dNet, Integer dLen,
                               Integer dAdd) {
    if (bacnetOut(row.Number(dNet), 1, 65535)) return t.DNet;
    const String lenText = row.Text(dLen);
    constexpr Integer noNumber = std::numeric_limits<Integer>::min();
    const Integer len = Read_Table_Int(lenText, noNumber);
    if (len != noNumber) {
        if (len != 1 && len != 2 && len != 6) return t.DLen;
        const String add = row.Text(dAdd);
        if (len == 1) return bacnetOut(row.Number(dAdd), 0, 255) ? t.DAdd1 : 0;
        if (len == 2) return bacnetOut(row.Number(dAdd), 1, 65535) ? t.DAdd2 : 0;
        Byte b1, b2, b3, b4;
        Word port;
        return IP_Port_To_Bytes(Trim(add), b1, b2, b3, b4, port) ? 0 : t.DAdd6;
    }
    const String mac = Trim(lenText).toUpper();
    if (mac.size() != 2 || mac[0] != u'M' || mac[1] < u'1' || mac[1] > u'8') return t.DLenList;
    return bacnetDestBytesFault(t, row.Text(dAdd), mac[1].unicode() - u'0');
}

Integer bacnetAddressFault(const BACnetClientTexts& t, const TBACnetClientMode& mode, const TTableRow& row) {
    const String address = Trim(row.Text(brAddress));
    if (mode.App_BACnet_Type == 0) {
        Byte b1, b2, b3, b4;
        return IP_To_Bytes(address, b1, b2, b3, b4) ? t.Ip : 0;
    }
    if (mode.App_BACnet_Type == 1) return bacnetOut(Read_Table_Int(address), 0, 254) ? t.Slave : 0;
    return 0;
}

TRowFault bacnetReadFault(const TBACnetClientMode& mode, const TTableRow& row) {
    const BACnetClientTexts& t = bacnetClientRead;
    if (Integer m = bacnetAddressFault(t, mode, row)) return {m, {}};
    const Integer type = Check_Object_Type(row.Text(brObject_Type), 0);
    if (type == -1) return {t.ObjectType, {}};
    if (bacnetOut(bacnetReadInt64(row.Text(brInstance)), 0, 4294967295LL)) return {t.Instance, {}};
    if (Check_Property(row.Text(brProperty), 0, type) == -1) return {t.Property, {}};
    if (bacnetOut(row.Number(brNumByte), 0, 255)) return {2143, {}};
    if (Trim(row.Text(brEnDest)).toUpper() == u"Y")
        if (Integer m = bacnetDestinationFault(t, row, brDNet, brDLen, brDAdd)) return {m, {}};
    if (bacnetOut(row.Number(brPollTime), 0, 100000000)) return {t.PollTime, {}};
    if (bacnetOut(row.Number(brMaxError), 0, 65535)) return {t.MaxError, {}};
    return {};
}

TRowFault bacnetWriteFault(const TBACnetClientMode& mode, const TTableRow& row) {
    const BACnetClientTexts& t = bacnetClientWrite;
    if (Integer m = bacnetAddressFault(t, mode, row)) return {m, {}};
    const Integer type = Check_Object_Type(row.Text(bwObject_Type), 1);
    if (type == -1) return {t.ObjectType, {}};
    if (bacnetOut(bacnetReadInt64(row.Text(bwInstance)), 0, 4294967295LL)) return {t.Instance, {}};
    const Integer property = Check_Property(row.Text(bwProperty), 1, type);
    if (property == -1) return {t.Property, {}};
    if (Check_Data_Type(row.Text(bwData_Type), type, property) < 0) {
        const String expected = Aspected_Data_Type_Value(type, property);
        return expected.isEmpty() ? TRowFault{2152, {}} : TRowFault{2158, expected};
    }
    if (bacnetOut(row.Number(bwPriority), 0, 16)) return {2153, {}};
    const Integer maxBytes = Check_Num_Byte_Max(row.Text(bwData_Type));
    if (bacnetOut(row.Number(bwNumByte), 0, maxBytes)) return {2154, IntToStr(maxBytes)};
    if (Trim(row.Text(bwEnDest)).toUpper() == u"Y")
        if (Integer m = bacnetDestinationFault(t, row, bwDNet, bwDLen, bwDAdd)) return {m, {}};
    if (row.Text(bwOnTimer).toUpper() == u"Y" && bacnetOut(row.Number(bwPollTime), 0, 100000000))
        return {t.PollTime, {}};
    if (bacnetOut(row.Number(bwMaxError), 0, 65535)) return {t.MaxError, {}};
    return {};
}

struct BACnetClientColumnSpec {
    Integer Header;
    Integer Width;
    TEditorType Editor;
    TColor Tint;
    const QStringList* Items;
    const char* Attribute; // empty: not stored
    const char* Default;
};

const BACnetClientColumnSpec bacnetClientReadSpecs[] = {
    {2108, 32, edNormal, Tint_White, nullptr, "", ""},
    {2190, 45, edDataCheckBox, Tint_Orange, nullptr, "Enable", "Y"},
    {2109, 90, edNormal, Tint_Cyan, nullptr, "IP_Address_Slave_ID", ""},
    {2111, 125, edComboEdit, Tint_Cyan, &bacnetClientReadTypes, "Object_Type", ""},
    {2112, 56, edNormal, Tint_Cyan, nullptr, "Instance", ""},
    {2113, 115, edComboEdit, Tint_Cyan, &bacnetClientReadProperties, "Property", ""},
    {2114, 45, edNormal, Tint_Cyan, nullptr, "NumByte", ""},
    {2162, 50, edDataCheckBox, Tint_Lavender, nullptr, "Enable_Destination", "N"},
    {2163, 45, edNormal, Tint_Lavender, nullptr, "Destination_Network", ""},
    {2164, 45, edComboList, Tint_Lavender, &bacnetClientDestLengths, "Destination_Length", ""},
    {2165, 60, edNormal, Tint_Lavender, nullptr, "Destination_Address", ""},
    {2115, 58, edNormal, Tint_Green, nullptr, "PollTime", ""},
    {2116, 50, edNormal, Tint_Yellow, nullptr, "MaxError", ""},
    {2117, 56, edComboList, Tint_Pink, nullptr, "Position", ""},
    {2118, 56, edComboList, Tint_Pink, &bacnetClientBits, "StartBit", ""},
    {2160, 38, edDataCheckBox, Tint_Orange, nullptr, "", ""},
    {2180, 115, edComboList, Tint_Orange, nullptr, "", ""},
    {2119, 307, edNormal, Tint_White, nullptr, "Mnemonic", ""},
};
const BACnetClientColumnSpec bacnetClientWriteSpecs[] = {
    {2120, 32, edNormal, Tint_White, nullptr, "", ""},
    {2191, 45, edDataCheckBox, Tint_Orange, nullptr, "Enable", "Y"},
    {2121, 90, edNormal, Tint_Cyan, nullptr, "IP_Address_Slave_ID", ""},
    {2123, 125, edComboEdit, Tint_Cyan, &bacnetClientWriteTypes, "Object_Type", ""},
    {2124, 100, edComboList, Tint_Cyan, &bacnetClientDataTypes, "Data_Type", ""},
    {2125, 56, edNormal, Tint_Cyan, nullptr, "Instance", ""},
    {2126, 100, edComboEdit, Tint_Cyan, nullptr, "Property", ""},
    {2127, 56, edNormal, Tint_Cyan, nullptr, "Priority", ""},
    {2128, 45, edNormal, Tint_Cyan, nullptr, "NumByte", ""},
    {2166, 50, edDataCheckBox, Tint_Lavender, nullptr, "Enable_Destination", "N"},
    {2167, 45, edNormal, Tint_Lavender, nullptr, "Destination_Network", ""},
    {2168, 45, edComboList, Tint_Lavender, &bacnetClientDestLengths, "Destination_Length", ""},
    {2169, 60, edNormal, Tint_Lavender, nullptr, "Destination_Address", ""},
    {2129, 55, edDataCheckBox, Tint_Green, nullptr, "OnChange", "N"},
    {2130, 45, edDataCheckBox, Tint_Green, nullptr, "OnTimer", "N"},
    {2131, 58, edNormal, Tint_Green, nullptr, "PollTime", ""},
    {2132, 50, edNormal, Tint_Yellow, nullptr, "MaxError", ""},
    {2133, 56, edComboList, Tint_Pink, nullptr, "Position", ""},
    {2134, 56, edComboList, Tint_Pink, &bacnetClientBits, "StartBit", ""},
    {2161, 38, edDataCheckBox, Tint_Orange, nullptr, "", ""},
    {2181, 115, edComboList, Tint_Orange, nullptr, "", ""},
    {2135, 66, edNormal, Tint_White, nullptr, "Mnemonic", ""},
};

TTableGrid bacnetClientGrid(bool write, const TBACnetClientMode& mode) {
    TTableGrid g;
    g.Name = write ? QStringLiteral("ACG2") : QStringLiteral("ACG1");
    g.Page = write ? QStringLiteral("TS_BACnet_Write") : QStringLiteral("TS_BACnet_Read");
    g.PageCaption = write ? 2107 : 2106;
    g.RowErrorPrefix = write ? 2146 : 2137;
    g.Section = write ? QStringLiteral("BACnet_Write") : QStringLiteral("BACnet_Read");
    g.DataRows = BACnet_Master_Rows;
    const BACnetClientColumnSpec* specs = write ? bacnetClientWriteSpecs : bacnetClientReadSpecs;
    const size_t count = write ? std::size(bacnetClientWriteSpecs) : std::size(bacnetClientReadSpecs);
    for (size_t i = 0; i < count; ++i) {
        TTableColumn c;
        c.Header = specs[i].Header;
        c.Width = specs[i].Width;
        c.Editor = specs[i].Editor;
        c.Tint = specs[i].Tint;
        if (specs[i].Items) c.Items = *specs[i].Items;
        c.Attribute = QLatin1String(specs[i].Attribute);
        c.Missing = i == 0 ? TTableMissing::Keep : TTableMissing::Default;
        c.Default = QLatin1String(specs[i].Default);
        g.Columns.push_back(c);
    }
    if (write) {
        g.Columns[bwProperty].Items = {"Present Value (85)"};
        g.Columns[bwConvertion].Items = {"None", "Int to Float", "(Int to Float) / 10",
                                         "(Int to Float) / 100"};
    } else {
        g.Columns[brConvertion].Items = {"None", "Float to Int", "(Float to Int) * 10",
                                         "(Float to Int) * 100"};
    }
    g.Columns[size_t(write ? Integer(bwSwap) : Integer(brSwap))].Shown = false;
    g.Columns[size_t(write ? Integer(bwConvertion) : Integer(brConvertion))].Shown = false;
    g.KeyColumn = brAddress;
    g.LiveKeyColumn = &mode.KeyColumn;
    g.EnableColumn = 1;
    g.EnableTrimmed = false;
    g.EnterMovesOn = false;
    g.ClickSelectsRow = false;
    g.InsertPutsEnable = true;
    g.PositionColumn = write ? Integer(bwPosition) : Integer(brPosition);
    g.Capacity = BACnet_Master_Capacity;
    if (write)
        g.CheckRow = [&mode](const TTableRow& row) { return bacnetWriteFault(mode, row); };
    else
        g.CheckRow = [&mode](const TTableRow& row) { return bacnetReadFault(mode, row); };
    return g;
}

} // namespace

Integer Check_Object_Type(const String& str, Integer read_write) {
    const String s = Trim(str).toUpper();
    for (size_t i = 0; i < std::size(bacnetObjectNames); ++i)
        if (s == QLatin1String(bacnetObjectNames[i].Name) &&
            (read_write == 0 || !bacnetObjectNames[i].ReadOnly))
            return Integer(i) + 1;
    const Integer n = Read_Table_Int(str);
    return n >= 128 && n <= 1023 ? n : -1;
}

Integer Check_Property(const String& str, Integer read_write, Integer Obj_Type) {
    const String s = Trim(str).toUpper();
    if (s == u"PRESENT VALUE (85)") return 100;
    if (read_write == 0) {
        if (s == u"OBJECT IDENTIFIER (75)") return 4;
        if (s == u"UNITS (117)" && !bacnetIn(Obj_Type, {2, 3, 6, 7, 11, 13})) return 4;
        if (s == u"SCALE (187)" && Obj_Type == 1) return 1;
        if (s == u"PRESCALE (185)" && Obj_Type == 1) return 5;
        if (s == u"POLARITY (84)" && bacnetIn(Obj_Type, {6, 7, 13})) return 1;
        if (s == u"EVENT STATE (36)") return 4;
        if (s == u"STATUS FLAGS (111)") return 1;
        if (s == u"OBJECT TYPE (79)") return 2;
        if (s == u"NUMBER OF STATES (74)" && bacnetIn(Obj_Type, {2, 3, 11})) return 4;
    }
    // Proprietary property identifiers take the whole 22 bits BACnet gives them.
    const Integer n = Read_Table_Int(str);
    return n >= 512 && n <= 4194303 ? 200 : -1;
}

Integer Check_Data_Type(const String& str, Integer Obj_Type, Integer Property_val) {
    if (Property_val != 100) return 1000;
    if (Obj_Type >= 128 && Obj_Type <= 1023) return 1;
    const String s = Trim(str).toUpper();
    if (bacnetIn(Obj_Type, {3, 10, 11})) return s == u"UNSIGNED INT" ? 1 : -1;
    if (Obj_Type == 8) return s == u"SIGNED INT" ? 1 : -1;
    if (bacnetIn(Obj_Type, {5, 12})) return s == u"REAL" ? 1 : -1;
    if (Obj_Type == 9) return s == u"DOUBLE" ? 1 : -1;
    if (bacnetIn(Obj_Type, {7, 13})) return s == u"ENUMERATED" ? 1 : -1;
    return -1;
}

String Aspected_Data_Type_Value(Integer Obj_Type, Integer Property_val) {
    if (Property_val != 100) return String();
    if (bacnetIn(Obj_Type, {3, 10, 11})) return QStringLiteral("Unsigned Int");
    if (bacnetIn(Obj_Type, {5, 12})) return QStringLiteral("Real");
    if (bacnetIn(Obj_Type, {7, 13})) return QStringLiteral("Enumerated");
    if (Obj_Type == 8) return QStringLiteral("Signed Int");
    if (Obj_Type == 9) return QStringLiteral("Double");
    return String();
}

Integer Check_Num_Byte_Max(const String& str) {
    const String s = Trim(str).toUpper();
    if (s == u"NULL") return 0;
    if (s == u"BOOLEAN") return 1;
    if (s == u"DOUBLE") return 8;
    if (s == u"BIT STRING") return 120;
    if (s == u"UNSIGNED INT" || s == u"SIGNED INT" || s == u"REAL" || s == u"ENUMERATED" || s == u"DATE" ||
        s == u"TIME" || s == u"OBJECT ID")
        return 4;
    return 255;
}

String BACnet_Read_Hint(const String& objectType, const String& property) {
    if (Trim(objectType).isEmpty() || Trim(property).isEmpty()) return String();
    const Integer type = Check_Object_Type(objectType, 0);
    const Integer code = Check_Property(property, 0, type);
    if (code >= 1 && code <= 49) return IntToStr(code);
    if (code != 100) return String();
    if (bacnetIn(type, {1, 2, 3, 4, 5, 8, 10})) return QStringLiteral("4");
    if (type == 6 || type == 7) return QStringLiteral("1");
    if (type == 9) return QStringLiteral("8");
    return String();
}

bool Read_BACnet_Master_Type(const String& parGenPath, Integer& type) {
    type = 0;
    if (!FileExists(parGenPath)) return false;
    TXMLDocument xml;
    if (!xml.LoadFromFile(parGenPath, Max_ParGen_File_Bytes, Max_ParGen_Text)) return false;
    const TXMLNode node = xml.DocumentElement().FindNode("BACnet_Master_Type");
    if (node.IsNull()) return false;
    type = Read_Table_Int(node.Text(), 0);
    return true;
}

TTableSheet BACnet_Master_Sheet(const TBACnetClientMode& mode) {
    TTableSheet s;
    s.ClientHeight = 337;
    s.Texts.Caption = 2100;
    s.Texts.Description = 2101;
    for (int i = 0; i < 4; ++i)
        s.Texts.Buttons[i] = 2102 + i;
    s.Texts.DeleteQuestion = 2136;
    s.Texts.LostRowsQuestion = 2194;
    s.RootElement = QStringLiteral("BACnet_Master_Access");
    s.VersionComment = QStringLiteral("SW_VERSION = 1.002");
    s.Grids = {bacnetClientGrid(false, mode), bacnetClientGrid(true, mode)};
    return s;
}
