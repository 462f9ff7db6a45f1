// The SNMP manager request table without a window: the file round trip and its defaults, every test of a
// request with its message, the duplicate rule and the character budget.
#include "../TableFixture.h"
#include "tables/network/USNMP_Manager_Tables.h"

using qvtables::FixtureBytes;
using qvtables::SheetCells;

namespace {

const QStringList kVersion1Request = {"Y",
                                      "192.168.1.10",
                                      "1",
                                      "public",
                                      "1.3.6.1.2.1.1.1.0",
                                      "String",
                                      "Get",
                                      "N",
                                      "N",
                                      "N",
                                      "",
                                      "0",
                                      "32",
                                      "None",
                                      "N",
                                      "",
                                      "",
                                      "",
                                      "",
                                      "",
                                      "",
                                      "m"};

TEST(SNMPManagerTable, FixtureFileLoadsAndWritesBackEqual) {
    SheetCells t(SNMP_Manager_Sheet());
    const QByteArray file = FixtureBytes("SNMP_Manager.xml");
    ASSERT_FALSE(file.isEmpty());
    const TTableLoad load = t.Load(file);
    EXPECT_TRUE(load.Complete) << load.Problem.toStdString();
    // The version 3 user and passwords stay in the file as they are.
    EXPECT_EQ(t[0].Cell(smUser, 2), "operator");
    EXPECT_EQ(t[0].Cell(smPrivPass, 2), "privsecret1");
    EXPECT_EQ(t[0].Cell(smIP_Address, 5), "");
    EXPECT_EQ(t.FaultText(), "");
    EXPECT_EQ(t.Write(), file);
}

TEST(SNMPManagerTable, AMissingAttributeGetsItsColumnsDefault) {
    SheetCells t(SNMP_Manager_Sheet());
    const TTableLoad load = t.Load("<SNMP_Manager_Access><entry IP_Address='10.0.0.1' Version='2' "
                                   "OID='1.3'/></SNMP_Manager_Access>");
    EXPECT_TRUE(load.Complete);
    EXPECT_EQ(t[0].Row(1), QStringList({"Y", "", "", "", "", "", "", "", "", "", "",
                                        "",  "", "", "", "", "", "", "", "", "", ""}))
        << "an element that is not a row is not read";
    t.Load("<SNMP_Manager_Access><row IP_Address='10.0.0.1' Version='2' OID='1.3'/></SNMP_Manager_Access>");
    EXPECT_EQ(t[0].Row(1), QStringList({"Y", "10.0.0.1", "2",    "",  "1.3", "", "", "N", "N", "N", "",
                                        "",  "",         "None", "N", "",    "", "", "",  "",  "",  ""}));
}

struct ManagerCase {
    const char* name;
    std::vector<std::pair<Integer, QString>> cells;
    Integer message;
};

TEST(SNMPManagerTable, RowTests) {
    const QString oid129 = "1" + QString(".1").repeated(64);
    const ManagerCase cases[] = {
        {"a version 1 request", {}, 0},
        {"address with three parts", {{smIP_Address, "192.168.1"}}, 3838},
        {"address part 256", {{smIP_Address, "192.168.1.256"}}, 3838},
        {"address with blanks", {{smIP_Address, " 192.168.1.10 "}}, 0},
        {"identifier of 129 characters", {{smOID, oid129}}, 3839},
        {"identifier with a letter", {{smOID, "1.3.a"}}, 3840},
        {"identifier left empty", {{smOID, ""}}, 3840},
        {"identifier of blanks", {{smOID, "  "}}, 3840},
        {"identifier from a dot", {{smOID, ".1.3"}}, 3841},
        {"identifier to a dot", {{smOID, "1.3."}}, 3842},
        {"two dots", {{smOID, "1..3"}}, 3843},
        {"arc beyond 32 bits", {{smOID, "1.4294967296"}}, 3844},
        {"arc of 32 bits", {{smOID, "1.4294967295"}}, 0},
        {"timer off, time 0", {{smOnTimer, "N"}, {smTime, "0"}}, 0},
        {"timer, time 0", {{smOnTimer, "Y"}, {smTime, "0"}}, 3845},
        {"timer, time abc", {{smOnTimer, " Y "}, {smTime, "abc"}}, 3845},
        {"timer, time 100000001", {{smOnTimer, "Y"}, {smTime, "100000001"}}, 3845},
        {"timer, time 100000000", {{smOnTimer, "Y"}, {smTime, "100000000"}}, 0},
        {"0 bytes", {{smNumBytes, "0"}}, 0},
        {"1024 bytes", {{smNumBytes, "1024"}}, 0},
        {"1025 bytes", {{smNumBytes, "1025"}}, 3846},
        {"-1 bytes", {{smNumBytes, "-1"}}, 3846},
        {"bytes left empty", {{smNumBytes, ""}}, 3846},
        {"no conversion (a row just inserted)", {{smConversion, ""}}, 3856},
        {"version 2 without user and modes", {{smVersion, "2"}}, 0},
        {"version 3, Auth Priv without privacy mode",
         {{smVersion, "3"}, {smSecurityLevel, "Auth Priv"}, {smAuthMode, "MD5"}},
         3885},
        {"version 3, Auth Priv without authentication mode",
         {{smVersion, "3"}, {smSecurityLevel, "Auth Priv"}, {smPrivMode, "DES"}},
         3884},
        {"version 3, Auth NoPriv needs only its authentication mode",
         {{smVersion, "3"}, {smSecurityLevel, "Auth NoPriv"}, {smAuthMode, "SHA"}},
         0},
        {"version 3, NoAuth NoPriv needs no mode", {{smVersion, "3"}, {smSecurityLevel, "NoAuth NoPriv"}}, 0},
        {"version 3 without level needs both modes", {{smVersion, "3"}, {smAuthMode, "MD5"}}, 3885},
        {"version 0x3 is version 3", {{smVersion, "0x3"}}, 3884},
    };
    for (const ManagerCase& c : cases) {
        SheetCells t(SNMP_Manager_Sheet());
        t[0].SetRow(1, kVersion1Request);
        for (const auto& [col, text] : c.cells)
            t[0].SetCell(col, 1, text);
        const QString expected = c.message ? "Error row 1" + qvtables::T(c.message) : QString();
        EXPECT_EQ(t.FaultText(), expected) << c.name;
    }
}

TEST(SNMPManagerTable, TheWorkedExampleAndTheRowsTheCheckTakes) {
    SheetCells t(SNMP_Manager_Sheet());
    QStringList request = kVersion1Request;
    request[smVersion - 1] = "3";
    request[smSecurityLevel - 1] = "Auth Priv";
    request[smAuthMode - 1] = "MD5";
    t[0].SetRow(1, request);
    EXPECT_EQ(t.FaultText(), "Error row 1!! Priv Mode must be selected");
    // Disabled: not examined, but written.
    t[0].SetCell(smEnable, 1, "N");
    t[0].SetCell(smIP_Address, 1, "10.0.0.300");
    EXPECT_EQ(t.FaultText(), "");
    EXPECT_TRUE(t.Write().contains("IP_Address=\"10.0.0.300\""));
    // Below the first row without an address nothing is examined or written.
    t[0].SetRow(3, kVersion1Request);
    t[0].SetCell(smOID, 3, "bad");
    EXPECT_EQ(t.FaultText(), "");
    EXPECT_EQ(t.Write().count("<row "), 1);
}

TEST(SNMPManagerTable, TheFirstPairOfEqualRequestsIsReported) {
    const struct {
        const char* name;
        std::vector<std::vector<const char*>> rows; // enable, address, version, identifier
        const char* fault;
    } cases[] = {
        {"same address, version and identifier",
         {{"Y", "10.0.0.1", "1", "1.3"}, {"Y", "10.0.0.2", "1", "1.3"}, {"Y", " 10.0.0.1 ", "1", "1.3"}},
         "Error in rows 1 and 3!! Same IP Address, Version and OID used"},
        {"pairs taken by their first row",
         {{"Y", "10.0.0.1", "1", "1.3"},
          {"Y", "10.0.0.2", "1", "1.3"},
          {"Y", "10.0.0.2", "1", "1.3"},
          {"Y", "10.0.0.1", "1", "1.3"}},
         "Error in rows 1 and 4!! Same IP Address, Version and OID used"},
        {"another version", {{"Y", "10.0.0.1", "1", "1.3"}, {"Y", "10.0.0.1", "2", "1.3"}}, ""},
        {"one of them disabled", {{"Y", "10.0.0.1", "1", "1.3"}, {"N", "10.0.0.1", "1", "1.3"}}, ""},
    };
    for (const auto& c : cases) {
        SheetCells t(SNMP_Manager_Sheet());
        for (size_t i = 0; i < c.rows.size(); ++i) {
            const Integer r = Integer(i) + 1;
            t[0].SetRow(r, kVersion1Request);
            t[0].SetCell(smEnable, r, c.rows[i][0]);
            t[0].SetCell(smIP_Address, r, c.rows[i][1]);
            t[0].SetCell(smVersion, r, c.rows[i][2]);
            t[0].SetCell(smOID, r, c.rows[i][3]);
        }
        EXPECT_EQ(t.FaultText(), c.fault) << c.name;
    }
}

TEST(SNMPManagerTable, CharacterBudget) {
    // 512 enabled version 1 rows with distinct identifiers of 91 characters take 1 + 512 x 92 = 47105.
    for (const int length : {91, 90}) {
        SheetCells t(SNMP_Manager_Sheet());
        for (int r = 1; r <= SNMP_Manager_Rows; ++r) {
            QString oid = "1." + QString::number(length == 91 ? 10000 + r : 1000 + r);
            while (oid.size() < length)
                oid += ".1";
            ASSERT_EQ(oid.size(), length);
            t[0].SetRow(r, kVersion1Request);
            t[0].SetCell(smOID, r, oid);
        }
        EXPECT_EQ(SNMP_Manager_Budget(t[0]), 1 + 512 * (length + 1));
        EXPECT_EQ(t.FaultText(), length == 91 ? qvtables::T(3889) : QString()) << length;
    }
    // What counts: the identifier, and for version 3 the user and the passwords its level uses; disabled
    // rows and version 1 users count nothing.
    const struct {
        const char* version;
        const char* level;
        const char* enable;
        Integer budget;
    } cases[] = {
        {"1", "Auth Priv", "Y", 1 + 5},           {"3", "NoAuth NoPriv", "Y", 1 + 5 + 5},
        {"3", "Auth NoPriv", "Y", 1 + 5 + 5 + 9}, {"3", "Auth Priv", "Y", 1 + 5 + 5 + 9 + 10},
        {"3", "", "Y", 1 + 5 + 5 + 9 + 10},       {"3", "", "N", 1},
    };
    for (const auto& c : cases) {
        SheetCells t(SNMP_Manager_Sheet());
        t[0].SetRow(1, kVersion1Request);
        t[0].SetCell(smEnable, 1, c.enable);
        t[0].SetCell(smOID, 1, "1.3.");
        t[0].SetCell(smVersion, 1, c.version);
        t[0].SetCell(smSecurityLevel, 1, c.level);
        t[0].SetCell(smUser, 1, "user");
        t[0].SetCell(smAuthPass, 1, "password");
        t[0].SetCell(smPrivPass, 1, "password2");
        EXPECT_EQ(SNMP_Manager_Budget(t[0]), c.budget) << c.version << " " << c.level;
    }
}

} // namespace
