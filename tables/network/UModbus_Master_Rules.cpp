// The sheets and tests of the Modbus master rule tables (serial and TCP).
#include "tables/network/UModbus_Master_Rules.h"

#include "tables/frame/TableCells.h"
#include "tables/frame/TableNumber.h"
#include "toolkit/system/SysUtils.h"

namespace {

const QStringList modbusReadTypes = {"Coil Status", "Input Status", "Holding Register", "Input Register"};
const QStringList modbusWriteTypes = {"Coil Status", "Holding Register"};
const QStringList modbusBits = {"0", "1", "2", "3", "4", "5", "6", "7"};

// One column of both windows: serial and TCP header, width and hint; TCP-only columns have no serial header.
struct ModbusColumnSpec {
    Integer SerialHeader, TcpHeader;
    TEditorType Editor;
    Integer SerialWidth, TcpWidth;
    TColor Tint;
    const QStringList* Items;
    const char* Attribute;
    TTableMissing Missing;
    const char* Default;
    Integer SerialHint, TcpHint;
};

using M = TTableMissing;
const ModbusColumnSpec modbusReadSpecs[] = {
    {1516, 2308, edNormal, 40, 40, Tint_White, nullptr, "", M::Keep, "", 0, 0},
    {1517, 2309, edDataCheckBox, 50, 50, Tint_Orange, nullptr, "Enable", M::Default, "Y", 1543, 2369},
    {0, 2310, edNormal, 0, 101, Tint_Cyan, nullptr, "IP_Address", M::Required, "", 0, 2370},
    {0, 2311, edNormal, 0, 45, Tint_Cyan, nullptr, "Port", M::Required, "", 0, 2371},
    {1518, 2312, edNormal, 60, 55, Tint_Cyan, nullptr, "Slave_ID", M::Required, "", 1544, 2372},
    {1519, 2313, edComboList, 115, 100, Tint_Cyan, &modbusReadTypes, "Type", M::Required, "", 1545, 2373},
    {1520, 2314, edNormal, 60, 55, Tint_Cyan, nullptr, "Address", M::Required, "", 1546, 2374},
    {1521, 2315, edNormal, 64, 45, Tint_Cyan, nullptr, "NPoint", M::Required, "", 1547, 2375},
    {1522, 2316, edNormal, 64, 60, Tint_Green, nullptr, "PollTime", M::Required, "", 1548, 2376},
    {1523, 2317, edNormal, 64, 64, Tint_Green, nullptr, "MaxError", M::Required, "", 1549, 2377},
    {1524, 2318, edComboList, 61, 60, Tint_Pink, nullptr, "Position", M::Required, "", 1550, 2378},
    {1525, 2319, edComboList, 64, 60, Tint_Pink, &modbusBits, "Bit", M::Required, "", 1551, 2379},
    {1526, 2320, edDataCheckBox, 40, 40, Tint_Yellow, nullptr, "Swap", M::Default, "N", 1552, 2380},
    {1590, 2400, edDataCheckBox, 80, 80, Tint_Yellow, nullptr, "SwapWord", M::Default, "N", 1592, 2402},
    {1542, 2362, edComboList, 120, 120, Tint_Lavender, nullptr, "Index_Topic", M::Keep, "", 1553, 2381},
    {1527, 2321, edNormal, 120, 140, Tint_White, nullptr, "Mnemonic", M::Required, "", 1554, 2382},
};
const ModbusColumnSpec modbusWriteSpecs[] = {
    {1528, 2322, edNormal, 40, 40, Tint_White, nullptr, "", M::Keep, "", 0, 0},
    {1529, 2323, edDataCheckBox, 50, 50, Tint_Orange, nullptr, "Enable", M::Default, "Y", 1555, 2383},
    {0, 2324, edNormal, 0, 101, Tint_Cyan, nullptr, "IP_Address", M::Required, "", 0, 2384},
    {0, 2325, edNormal, 0, 45, Tint_Cyan, nullptr, "Port", M::Required, "", 0, 2385},
    {1530, 2326, edNormal, 60, 55, Tint_Cyan, nullptr, "Slave_ID", M::Required, "", 1556, 2386},
    {1531, 2327, edComboList, 115, 100, Tint_Cyan, &modbusWriteTypes, "Type", M::Required, "", 1557, 2387},
    {1532, 2328, edNormal, 60, 55, Tint_Cyan, nullptr, "Address", M::Required, "", 1558, 2388},
    {1533, 2329, edNormal, 64, 45, Tint_Cyan, nullptr, "NPoint", M::Required, "", 1559, 2389},
    {1534, 2330, edNormal, 64, 60, Tint_Green, nullptr, "PollTime", M::Required, "", 1560, 2390},
    {1535, 2331, edDataCheckBox, 68, 66, Tint_Green, nullptr, "OnChange", M::Required, "", 1561, 2391},
    {1536, 2332, edDataCheckBox, 56, 56, Tint_Green, nullptr, "OnCMD", M::Default, "N", 1562, 2392},
    {1537, 2333, edNormal, 64, 62, Tint_Green, nullptr, "MaxError", M::Required, "", 1563, 2393},
    {1538, 2334, edComboList, 64, 55, Tint_Pink, nullptr, "Position", M::Required, "", 1564, 2394},
    {1539, 2335, edComboList, 64, 55, Tint_Pink, &modbusBits, "Bit", M::Required, "", 1565, 2395},
    {1540, 2336, edDataCheckBox, 40, 40, Tint_Yellow, nullptr, "Swap", M::Default, "N", 1566, 2396},
    {1591, 2401, edDataCheckBox, 80, 80, Tint_Yellow, nullptr, "SwapWord", M::Default, "N", 1593, 2403},
    {1541, 2337, edNormal, 113, 150, Tint_White, nullptr, "Mnemonic", M::Required, "", 1567, 2397},
};

std::vector<TTableColumn> modbusColumns(const ModbusColumnSpec* specs, size_t count, bool tcp) {
    std::vector<TTableColumn> columns;
    for (size_t i = 0; i < count; ++i) {
        const ModbusColumnSpec& s = specs[i];
        if (!tcp && s.SerialHeader == 0) continue;
        TTableColumn c;
        c.Header = tcp ? s.TcpHeader : s.SerialHeader;
        c.Width = tcp ? s.TcpWidth : s.SerialWidth;
        c.Editor = s.Editor;
        c.Tint = s.Tint;
        if (s.Items) c.Items = *s.Items;
        c.Attribute = QLatin1String(s.Attribute);
        c.Missing = s.Missing;
        c.Default = QLatin1String(s.Default);
        c.Hint = tcp ? s.TcpHint : s.SerialHint;
        columns.push_back(c);
    }
    return columns;
}

// The message numbers of one table's tests; 0 where the window has no such test.
struct ModbusMessages {
    Integer Ip, Port, Slave, Type, Address, NPoint, PollTime, MaxError, Position, Bit, LastByte, Topic;
};
const ModbusMessages modbusReadSerial = {0, 0, 1569, 1570, 1571, 1572, 1573, 1574, 1575, 1576, 1577, 1578};
const ModbusMessages modbusReadTcp = {2339, 2340, 2341, 2342, 2343, 2344, 2399, 2346, 2347, 2348, 2349, 2398};
const ModbusMessages modbusWriteSerial = {0, 0, 1579, 1580, 1581, 1582, 1583, 1584, 1585, 1586, 1587, 0};
const ModbusMessages modbusWriteTcp = {2350, 2351, 2352, 2353, 2354, 2355, 2356, 2357, 2358, 2359, 2360, 0};

// Where one table keeps what its tests read (real column indexes of the window).
struct ModbusRuleLayout {
    bool Tcp;
    bool Write;
    Integer Slave, Type, Address, NPoint, PollTime, MaxError, Position, Bit, Topic; // Topic -1: none
    const QStringList* Types;
    const ModbusMessages* Messages;
};

bool outside(Integer n, Integer low, Integer high) {
    return n < low || n > high;
}

TRowFault modbusRuleFault(const ModbusRuleLayout& l, const TTableRow& row) {
    const ModbusMessages& m = *l.Messages;
    if (l.Tcp) {
        if (Check_IP_Address(row.Text(2))) return {m.Ip, {}};
        if (outside(row.Number(3), 0, 65535)) return {m.Port, {}};
    }
    if (outside(row.Number(l.Slave), 1, 247)) return {m.Slave, {}};
    // Only the list's types mean anything to the converter (not merely a non-empty cell).
    const String type = Trim(row.Text(l.Type)).toUpper();
    bool known = false;
    for (const String& item : *l.Types)
        known = known || item.toUpper() == type;
    if (!known) return {m.Type, {}};
    if (outside(row.Number(l.Address), 0, 65535)) return {m.Address, {}};
    const bool bits = type == u"COIL STATUS" || (!l.Write && type == u"INPUT STATUS");
    const Integer maxPoints = bits ? (l.Write ? 1968 : 2000) : (l.Write ? 123 : 125);
    const Integer points = row.Number(l.NPoint);
    if (outside(points, 1, maxPoints)) return {m.NPoint, IntToStr(maxPoints)};
    if (outside(row.Number(l.PollTime), l.Write ? 0 : 1, 100000000)) return {m.PollTime, {}};
    if (outside(row.Number(l.MaxError), 0, 100000000)) return {m.MaxError, {}};
    // The read table tests positions only while the column is shown; the write table always.
    if (l.Write || row.Shown(l.Position)) {
        const Integer position = row.Number(l.Position);
        if (outside(position, 0, Modbus_Capacity - 1)) return {m.Position, IntToStr(Modbus_Capacity - 1)};
        // A start bit the converter cannot use (not merely an empty cell) is refused too.
        const Integer bit = row.Number(l.Bit, 0);
        if (bits && outside(row.Number(l.Bit), 0, 7)) return {m.Bit, {}};
        const qint64 last = bits ? qint64(position) + (qint64(points) + bit - 1) / 8
                                 : qint64(position) + 2 * qint64(points) - 1;
        if (last >= Modbus_Capacity) return {m.LastByte, {}};
    }
    if (l.Topic >= 0 && row.Shown(l.Topic) && Trim(row.Text(l.Topic)).isEmpty()) return {m.Topic, {}};
    return {};
}

TTableGrid modbusGrid(bool tcp, bool write, TModbusTopicLink& topics) {
    const Integer off = tcp ? 2 : 0;
    TTableGrid g;
    g.Name = write ? QStringLiteral("ACG_Modbus_Write") : QStringLiteral("ACG_Modbus_Read");
    g.Page = write ? QStringLiteral("TS_Modbus_Write") : QStringLiteral("TS_Modbus_Read");
    g.PageCaption = tcp ? (write ? 2307 : 2306) : (write ? 1515 : 1514);
    g.Section = write ? QStringLiteral("Modbus_Write") : QStringLiteral("Modbus_Read");
    g.DataRows = Modbus_Data_Rows;
    g.Columns = write ? modbusColumns(modbusWriteSpecs, std::size(modbusWriteSpecs), tcp)
                      : modbusColumns(modbusReadSpecs, std::size(modbusReadSpecs), tcp);
    g.KeyColumn = 2;
    g.EnableColumn = 1;
    g.ShowsHints = !tcp && !write;
    g.EnterMovesOn = !tcp || write;
    g.InsertPutsEnable = true;
    g.PositionColumn = (write ? Integer(mwPosition) : Integer(mrPosition)) + off;
    g.Capacity = Modbus_Capacity;
    ModbusRuleLayout layout;
    if (write) {
        layout = {tcp,
                  true,
                  mwSlave_ID + off,
                  mwType + off,
                  mwAddress + off,
                  mwNPoint + off,
                  mwPollTime + off,
                  mwMaxError + off,
                  mwPosition + off,
                  mwBit + off,
                  -1,
                  &modbusWriteTypes,
                  tcp ? &modbusWriteTcp : &modbusWriteSerial};
    } else {
        layout = {tcp,
                  false,
                  mrSlave_ID + off,
                  mrType + off,
                  mrAddress + off,
                  mrNPoint + off,
                  mrPollTime + off,
                  mrMaxError + off,
                  mrPosition + off,
                  mrBit + off,
                  mrTopic + off,
                  &modbusReadTypes,
                  tcp ? &modbusReadTcp : &modbusReadSerial};
        TTableColumn& topic = g.Columns[size_t(mrTopic + off)];
        topic.Shown = false;
        const Integer topicCol = mrTopic + off;
        topic.FromAttribute = [&topics, topicCol](ITableCells& cells, Integer row, const String& value) {
            const Integer index = Read_Table_Int(value);
            if (!topics.Tcp && row >= 1 && row <= Integer(topics.ComboItem_Topic.size()))
                topics.ComboItem_Topic[size_t(row - 1)] = index;
            cells.SetCell(topicCol, row, topics.Get_Topic_From_Index(index));
        };
        topic.ToAttribute = [&topics, topicCol](const ITableCells& cells, Integer row) -> String {
            if (!topics.Tcp && !cells.ColumnShown(topicCol)) return String();
            Integer remembered = -1;
            if (!topics.Tcp && row >= 1 && row <= Integer(topics.ComboItem_Topic.size()))
                remembered = topics.ComboItem_Topic[size_t(row - 1)];
            return IntToStr(topics.Get_Index_From_Topic(cells.Cell(topicCol, row), remembered));
        };
    }
    g.CheckRow = [layout](const TTableRow& row) { return modbusRuleFault(layout, row); };
    return g;
}

} // namespace

String TModbusTopicLink::Get_Topic_From_Index(Integer index) const {
    return index >= 0 && index < List_Publish_Topic.size() ? List_Publish_Topic[index] : String();
}

Integer TModbusTopicLink::Get_Index_From_Topic(const String& topic, Integer remembered) const {
    if (remembered >= 0 && remembered < List_Publish_Topic.size() && List_Publish_Topic[remembered] == topic)
        return remembered;
    return Integer(List_Publish_Topic.indexOf(topic));
}

bool Check_IP_Address(const String& text) {
    if (text.isEmpty()) return true;
    QStringList parts;
    String rest = text;
    for (int i = 0; i < 3; ++i) {
        const qsizetype dot = rest.indexOf(u'.');
        parts << (dot < 0 ? String() : rest.left(dot));
        rest = dot < 0 ? String() : rest.mid(dot + 1);
    }
    parts << rest;
    for (const String& part : parts)
        if (outside(Read_Table_Int(part), 0, 255)) return true;
    return false;
}

TTableSheet Modbus_Master_Sheet(TModbusTopicLink& topics) {
    const bool tcp = topics.Tcp;
    TTableSheet s;
    s.ClientWidth = tcp ? 1150 : 1040;
    s.ClientHeight = tcp ? 0 : 337;
    const Integer base = tcp ? 2300 : 1500;
    s.Texts.Caption = base;
    s.Texts.Description = base + 1;
    for (int i = 0; i < 4; ++i)
        s.Texts.Buttons[i] = base + 2 + i;
    // The TCP window's Copy Row and Paste Row keep their design captions in every language.
    s.Texts.Buttons[4] = tcp ? 0 : 1506;
    s.Texts.Buttons[5] = tcp ? 0 : 1507;
    for (int i = 0; i < 6; ++i)
        s.Texts.ButtonHints[i] = (tcp ? 2363 : 1508) + i;
    s.Texts.RowErrorPrefix = tcp ? 2338 : 1568;
    s.Texts.DeleteQuestion = tcp ? 2361 : 1588;
    s.Texts.LostRowsQuestion = tcp ? 2404 : 1594;
    s.RootElement =
        tcp ? QStringLiteral("PROFINET_Master_to_Modbus_TCP_Master") : QStringLiteral("EtherNetIP_to_Modbus");
    s.VersionComment = tcp ? String() : QStringLiteral("SW_VERSION = 1.003");
    s.Grids = {modbusGrid(tcp, false, topics), modbusGrid(tcp, true, topics)};
    return s;
}
