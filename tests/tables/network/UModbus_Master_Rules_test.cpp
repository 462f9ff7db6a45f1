// The Modbus master rule tables without a window: both windows' files round trip, every test of a read
// and a write rule with its message, the slave address test and the topic index.
#include "../TableFixture.h"
#include "tables/network/UModbus_Master_Rules.h"

using qvtables::FixtureBytes;
using qvtables::SheetCells;

namespace {

struct ModbusTables {
    explicit ModbusTables(bool tcp) : link(makeLink(tcp)), t(Modbus_Master_Sheet(link)) {}
    static TModbusTopicLink makeLink(bool tcp) {
        TModbusTopicLink l;
        l.Tcp = tcp;
        l.ComboItem_Topic.assign(Modbus_Data_Rows, -1);
        return l;
    }
    TModbusTopicLink link;
    SheetCells t;
};

TEST(ModbusMasterTables, FixtureFilesLoadAndWriteBackEqual) {
    for (const bool tcp : {false, true}) {
        ModbusTables m(tcp);
        const QByteArray file = FixtureBytes(tcp ? "ModbusTCPM_SetAccess.xml" : "ModbusM_SetAccess.xml");
        ASSERT_FALSE(file.isEmpty());
        const TTableLoad load = m.t.Load(file);
        EXPECT_TRUE(load.Complete) << load.Problem.toStdString();
        EXPECT_EQ(m.t[0].Cell(tcp ? 4 : 2, 3), "0x10");
        EXPECT_EQ(m.t[1].Cell(tcp ? 16 : 14, 2), "Setpoints");
        EXPECT_EQ(m.t.FaultText(), "") << tcp;
        EXPECT_EQ(m.t.Write(), file) << (tcp ? "TCP" : "serial");
    }
}

TEST(ModbusMasterTables, TheTopicIndexIsNormalisedAndHandEditedRowsRead) {
    for (const bool tcp : {false, true}) {
        ModbusTables m(tcp);
        const QString ip = tcp ? "IP_Address='1.2.3.4' Port='502' " : "";
        const QString root = tcp ? "PROFINET_Master_to_Modbus_TCP_Master" : "EtherNetIP_to_Modbus";
        const QString xml = "<" + root +
                            "><Modbus_Read>"
                            "<row Enable='Y' " +
                            ip +
                            "Slave_ID='1' Type='Coil Status' Address='0' NPoint='1' "
                            "PollTime='1' MaxError='0' Position='0' Bit='0' Index_Topic='3' Mnemonic='a'/>"
                            "<row Enable='Y' " +
                            ip +
                            "Type='Coil Status' Address='0' NPoint='1' "
                            "PollTime='1' MaxError='0' Position='0' Bit='0' Mnemonic='b'/>"
                            "</Modbus_Read></" +
                            root + ">";
        const TTableLoad load = m.t.Load(xml.toUtf8());
        EXPECT_FALSE(load.Complete);
        EXPECT_TRUE(load.Problem.contains("Slave_ID")) << load.Problem.toStdString();
        const Integer swap = tcp ? 12 : 10;
        EXPECT_EQ(m.t[0].Cell(swap, 1), "N");
        EXPECT_EQ(m.t[0].Cell(swap + 2, 1), ""); // the topic list is empty
        EXPECT_EQ(m.t[0].Cell(tcp ? 15 : 13, 2), "");
        if (!tcp) {
            EXPECT_EQ(m.link.ComboItem_Topic[0], 3);
        }
        const QByteArray written = m.t.Write();
        EXPECT_TRUE(written.contains(tcp ? "Index_Topic=\"-1\"" : "Index_Topic=\"\""))
            << written.toStdString();
        // The TCP key is the address, which the row read before its Slave ID was missed.
        EXPECT_EQ(written.count("<row "), tcp ? 2 : 1);
        EXPECT_EQ(written.contains("SW_VERSION = 1.003"), !tcp);
    }
}

TEST(ModbusMasterTables, TopicLink) {
    TModbusTopicLink l;
    l.List_Publish_Topic = {"a", "b", "a"};
    EXPECT_EQ(l.Get_Topic_From_Index(1), "b");
    EXPECT_EQ(l.Get_Topic_From_Index(3), "");
    EXPECT_EQ(l.Get_Topic_From_Index(-1), "");
    EXPECT_EQ(l.Get_Index_From_Topic("a"), 0);
    EXPECT_EQ(l.Get_Index_From_Topic("a", 2), 2);
    EXPECT_EQ(l.Get_Index_From_Topic("a", 1), 0);
    EXPECT_EQ(l.Get_Index_From_Topic("c", 2), -1);
}

TEST(ModbusMasterTables, SlaveAddressTest) {
    const struct {
        const char* text;
        bool invalid;
    } cases[] = {
        {"192.168.1.125", false},
        {"192.168.001.005", false},
        {"0x0A.0.0.1", false},
        {"$FF.x10.0.1", false},
        {" 192.168.1.5", false},
        {"192.168.1.256", true},
        {"192.168.1", true},
        {"192.168.1.5.6", true},
        {" 192.168.1.5x", true},
        {"192.168.1.5 ", true},
        {"", true},
        {"...", true},
        {"-1.0.0.1", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_IP_Address(QString::fromUtf8(c.text)), c.invalid) << c.text;
}

// One cell change on a valid rule, in serial column numbers (the TCP window's are two more from the
// Slave ID on); the expected message (serial / TCP) and limit.
struct RuleCase {
    const char* name;
    std::vector<std::pair<Integer, const char*>> cells;
    Integer serial, tcp;
    const char* limit;
};

void runRuleCases(bool write, const std::vector<RuleCase>& cases) {
    for (const bool tcp : {false, true}) {
        for (const RuleCase& c : cases) {
            ModbusTables m(tcp);
            QStringList row =
                write
                    ? QStringList{"Y", "1", "Holding Register", "0", "10", "0", "N", "N", "0", "0", "0", "N",
                                  "N", "m"}
                    : QStringList{"Y", "1", "Holding Register", "0", "10", "1000", "0", "0", "0", "N", "N",
                                  "",  "m"};
            if (tcp) {
                row.insert(1, "502");
                row.insert(1, "192.168.1.125");
            }
            bool showTopic = false;
            for (const auto& [col, text] : c.cells) {
                if (col == -1) {
                    showTopic = true;
                    continue;
                }
                const Integer real = tcp && col >= 2 ? col + 2 : col;
                row[real - 1] = QString::fromUtf8(text);
            }
            const size_t g = write ? 1 : 0;
            m.t[g].SetRow(1, row);
            if (showTopic) m.t[g].SetColumnShown(tcp ? 14 : 12, true);
            const Integer message = tcp ? c.tcp : c.serial;
            const QString expected =
                message ? QString("Error row 1") + qvtables::T(message) + c.limit : QString();
            EXPECT_EQ(m.t.FaultText(), expected) << c.name << (tcp ? " (TCP)" : " (serial)");
        }
    }
}

TEST(ModbusMasterTables, ReadRuleTests) {
    runRuleCases(
        false,
        {
            {"valid", {}, 0, 0, ""},
            {"slave 0", {{2, "0"}}, 1569, 2341, ""},
            {"slave 248", {{2, "248"}}, 1569, 2341, ""},
            {"slave in hexadecimal", {{2, "0xF7"}}, 0, 0, ""},
            {"type empty", {{3, ""}}, 1570, 2342, ""},
            {"type not in the list", {{3, "Holding"}}, 1570, 2342, ""},
            {"type trimmed, any case", {{3, " holding register "}}, 0, 0, ""},
            {"address 65536", {{4, "65536"}}, 1571, 2343, ""},
            {"address text", {{4, "1O"}}, 1571, 2343, ""},
            {"126 registers", {{5, "126"}}, 1572, 2344, "125"},
            {"no points", {{5, "0"}}, 1572, 2344, "125"},
            {"2001 coils", {{3, "Coil Status"}, {5, "2001"}}, 1572, 2344, "2000"},
            {"2000 inputs", {{3, "Input Status"}, {5, "2000"}}, 0, 0, ""},
            {"poll time 0", {{6, "0"}}, 1573, 2399, ""},
            {"poll time 100000001", {{6, "100000001"}}, 1573, 2399, ""},
            {"max error -1", {{7, "-1"}}, 1574, 2346, ""},
            {"position 1500", {{8, "1500"}}, 1575, 2347, "1499"},
            {"position empty", {{8, ""}}, 1575, 2347, "1499"},
            {"coil without start bit", {{3, "Coil Status"}, {9, ""}}, 1576, 2348, ""},
            {"coil start bit 8", {{3, "Coil Status"}, {9, "8"}}, 1576, 2348, ""},
            {"register without start bit", {{9, ""}}, 0, 0, ""},
            {"125 registers at 1250", {{5, "125"}, {8, "1250"}}, 0, 0, ""},
            {"125 registers at 1251", {{5, "125"}, {8, "1251"}}, 1577, 2349, ""},
            {"16 coils from bit 0 of 1498", {{3, "Coil Status"}, {5, "16"}, {8, "1498"}, {9, "0"}}, 0, 0, ""},
            {"16 coils from bit 1 of 1498",
             {{3, "Coil Status"}, {5, "16"}, {8, "1498"}, {9, "1"}},
             1577,
             2349,
             ""},
            {"topic shown and empty", {{-1, ""}}, 1578, 2398, ""},
            {"disabled rule", {{1, "N"}, {2, "0"}, {6, "0"}}, 0, 0, ""},
        });
}

TEST(ModbusMasterTables, WriteRuleTests) {
    runRuleCases(true, {
                           {"valid, poll time 0", {}, 0, 0, ""},
                           {"slave 0", {{2, "0"}}, 1579, 2352, ""},
                           {"type empty", {{3, ""}}, 1580, 2353, ""},
                           {"a read-only type", {{3, "Input Register"}}, 1580, 2353, ""},
                           {"address -1", {{4, "-1"}}, 1581, 2354, ""},
                           {"124 registers", {{5, "124"}}, 1582, 2355, "123"},
                           {"1968 coils", {{3, "Coil Status"}, {5, "1968"}}, 0, 0, ""},
                           {"1969 coils", {{3, "Coil Status"}, {5, "1969"}}, 1582, 2355, "1968"},
                           {"poll time -1", {{6, "-1"}}, 1583, 2356, ""},
                           {"max error 100000001", {{9, "100000001"}}, 1584, 2357, ""},
                           {"position 1500", {{10, "1500"}}, 1585, 2358, "1499"},
                           {"coil without start bit", {{3, "Coil Status"}, {11, ""}}, 1586, 2359, ""},
                           {"one register at 1499", {{5, "1"}, {10, "1499"}}, 1587, 2360, ""},
                           {"one register at 1498", {{5, "1"}, {10, "1498"}}, 0, 0, ""},
                           {"disabled rule", {{1, "N"}, {5, "1"}, {10, "1499"}}, 0, 0, ""},
                       });
}

TEST(ModbusMasterTables, AddressAndPortOfTcpRules) {
    const struct {
        size_t grid;
        Integer col;
        const char* text;
        Integer message;
    } cases[] = {
        {0, 2, "192.168.1.256", 2339}, {0, 3, "65536", 2340}, {0, 3, "", 2340},        {0, 3, "0", 0},
        {1, 2, "192.168.1", 2350},     {1, 3, "-1", 2351},    {1, 2, "0x0A.0.0.1", 0},
    };
    for (const auto& c : cases) {
        ModbusTables m(true);
        m.t[0].SetRow(1, {"Y", "192.168.1.125", "502", "1", "Coil Status", "0", "1", "1", "0", "0", "0", "N",
                          "N", "", "r"});
        m.t[1].SetRow(1, {"Y", "192.168.1.125", "502", "1", "Coil Status", "0", "1", "0", "N", "N", "0", "0",
                          "0", "N", "N", "w"});
        m.t[c.grid].SetCell(c.col, 1, QString::fromUtf8(c.text));
        EXPECT_EQ(m.t.FaultText(), c.message ? "Error row 1" + qvtables::T(c.message) : QString()) << c.text;
    }
}

TEST(ModbusMasterTables, MessagesReadAsThePersonSeesThem) {
    ModbusTables m(false);
    for (Integer r = 1; r <= 4; ++r)
        m.t[0].SetRow(r, {"Y", "1", "Holding Register", "0", "10", "1000", "0", "0", "0", "N", "N", "", "m"});
    m.t[0].SetRow(5, {"Y", "0", "Holding Register", "0", "10", "1000", "0", "0", "0", "N", "N", "", "m"});
    EXPECT_EQ(m.t.FaultText(), "Error row 5!! [Modbus Read] Slave ID must be between 1 and 247");
    m.t[0].SetRow(5, {"Y", "1", "Holding Register", "0", "126", "1000", "0", "0", "0", "N", "N", "", "m"});
    EXPECT_EQ(m.t.FaultText(), "Error row 5!! [Modbus Read] NPoint must be between 1 and 125");
}

} // namespace
