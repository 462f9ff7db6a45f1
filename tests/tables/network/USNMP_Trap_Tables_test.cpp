// The SNMP agent tables without a window: the file round trip, the character tests of community names
// and descriptions, every test of a read and a write row with its message, distinct descriptions, and the
// numbering of enabled rows that the MIB writer follows.
#include "../TableFixture.h"
#include "generators/USNMP_MIB.h"
#include "tables/network/USNMP_Trap_Tables.h"

using qvtables::FixtureBytes;
using qvtables::SheetCells;

namespace {

const QStringList kReadRow = {"Y", "public", "Int", "N",     "N",        "N",    "",
                              "0", "3",      "16",  "temp1", "10.0.0.1", "None", ""};
const QStringList kWriteRow = {"Y", "private", "Int", "0", "0", "16", "setpoint", "None", ""};

TEST(SNMPTrapTables, FixtureFileLoadsAndWritesBackEqual) {
    SheetCells t(SNMP_Trap_Sheet());
    const QByteArray file = FixtureBytes("SNMP_Trap.xml");
    ASSERT_FALSE(file.isEmpty());
    const TTableLoad load = t.Load(file);
    EXPECT_TRUE(load.Complete) << load.Problem.toStdString();
    EXPECT_EQ(t[0].Cell(strConversion, 3), "Float / 100");
    EXPECT_EQ(t[1].Cell(stwDescription, 2), "tEmp1");
    EXPECT_EQ(t.FaultText(), "");
    EXPECT_EQ(t.Write(), file);
    // Missing attributes take the columns' defaults.
    t.Load("<SNMP_Trap><SNMP_Trap_Read><row Community_Name='c'/></SNMP_Trap_Read></SNMP_Trap>");
    EXPECT_EQ(t[0].Row(1), QStringList({"Y", "c", "", "N", "N", "N", "", "", "", "", "", "", "None", ""}));
}

TEST(SNMPTrapTables, CommunityNameAndDescriptionCharacters) {
    const struct {
        const char* text;
        Integer type;
        bool wrong;
    } cases[] = {
        {"public2", 0, false}, {"Public", 0, false},     {"pub lic", 0, true}, {" public", 0, true},
        {"pub_lic", 0, true},  {"", 0, false},           {"temp1", 1, false},  {"tEmp1", 1, false},
        {"Temp1", 1, true},    {"1temp", 1, true},       {"temp_1", 1, true},  {"", 1, false},
        {"t", 1, false},       {"température", 1, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_Error_CommName_Desc(QString::fromUtf8(c.text), c.type), c.wrong) << c.text << c.type;
}

struct TrapCase {
    const char* name;
    bool write;
    std::vector<std::pair<Integer, const char*>> cells;
    Integer message;
};

TEST(SNMPTrapTables, RowTests) {
    const TrapCase cases[] = {
        {"a read row", false, {}, 0},
        {"a write row", true, {}, 0},
        {"community with a blank", false, {{strCommunity, "pub lic"}}, 3976},
        {"community with a leading blank", false, {{strCommunity, " public"}}, 3976},
        {"community of 15 characters", false, {{strCommunity, "abcdefghijklmno"}}, 0},
        {"community of 16 characters from a file", false, {{strCommunity, "abcdefghijklmnop"}}, 3976},
        {"community of 16 characters, write", true, {{stwCommunity, "abcdefghijklmnop"}}, 3978},
        {"no type", false, {{strType, " "}}, 3961},
        {"no type, write", true, {{stwType, ""}}, 3969},
        {"timer 1000000000", false, {{strOnTimer, "y"}, {strTime, "1000000000"}}, 0},
        {"timer 1000000001", false, {{strOnTimer, "Y"}, {strTime, "1000000001"}}, 3962},
        {"timer 0", false, {{strOnTimer, "Y"}, {strTime, "0"}}, 3962},
        {"no timer, no time", false, {{strOnTimer, "N"}, {strTime, ""}}, 0},
        {"no position", false, {{strPosition, ""}}, 3963},
        {"no position, write", true, {{stwPosition, " "}}, 3970},
        {"no start bit", false, {{strBit, ""}}, 3964},
        {"no start bit, write", true, {{stwBit, ""}}, 3971},
        {"string from bit 3", false, {{strType, "String"}, {strBit, "3"}}, 3965},
        {"string from bit 3, write", true, {{stwType, "String"}, {stwBit, "3"}}, 3972},
        {"integer from bit 3", false, {{strType, "Int"}, {strBit, "3"}}, 0},
        {"integer of 64 bits", false, {{strNumBits, "64"}}, 0},
        {"integer of 65 bits", false, {{strNumBits, "65"}}, 3966},
        {"integer of 0 bits, write", true, {{stwNumBits, "0"}}, 3973},
        {"string of 16 bytes", false, {{strType, "String"}, {strBit, "0"}, {strNumBits, "16"}}, 0},
        {"string of 17 bytes", false, {{strType, "String"}, {strBit, "0"}, {strNumBits, "17"}}, 3967},
        {"string of 0 bytes, write", true, {{stwType, "String"}, {stwNumBits, "0"}}, 3974},
        {"a type other than Int counts as a string", false, {{strType, "Float"}, {strNumBits, "17"}}, 3965},
        {"description Temp1", false, {{strDescription, "Temp1"}}, 3977},
        {"description temp_1, write", true, {{stwDescription, "temp_1"}}, 3979},
        {"description empty", false, {{strDescription, ""}}, 0},
        {"description of 16 characters", false, {{strDescription, "abcdefghijklmnop"}}, 3977},
        {"no address", false, {{strIP_Address, ""}}, 3968},
        {"address part 256", false, {{strIP_Address, "10.0.0.256"}}, 3968},
        {"no conversion", false, {{strConversion, ""}}, 3985},
        {"no conversion, write", true, {{stwConversion, ""}}, 3986},
    };
    for (const TrapCase& c : cases) {
        SheetCells t(SNMP_Trap_Sheet());
        t[0].SetRow(1, kReadRow);
        t[1].SetRow(1, kWriteRow);
        for (const auto& [col, text] : c.cells)
            t[c.write ? 1 : 0].SetCell(col, 1, QString::fromUtf8(text));
        const QString expected = c.message ? "Error row 1" + qvtables::T(c.message) : QString();
        EXPECT_EQ(t.FaultText(), expected) << c.name;
    }
}

TEST(SNMPTrapTables, DescriptionsOfEnabledRowsDiffer) {
    const struct {
        const char* name;
        const char* read;
        const char* write;
        const char* writeEnable;
        bool fails;
    } cases[] = {
        {"equal across the tables", "temp1", "temp1", "Y", true},
        {"letter case differs", "temp1", "tEmp1", "Y", false},
        {"the write row disabled", "temp1", "temp1", "N", false},
        {"two empty descriptions", "", "", "Y", true},
    };
    for (const auto& c : cases) {
        SheetCells t(SNMP_Trap_Sheet());
        t[0].SetRow(1, kReadRow);
        t[1].SetRow(1, kWriteRow);
        t[0].SetCell(strDescription, 1, c.read);
        t[1].SetCell(stwDescription, 1, c.write);
        t[1].SetCell(stwEnable, 1, c.writeEnable);
        EXPECT_EQ(t.FaultText(), c.fails ? "Error!! The Descriptions must be all differents" : "") << c.name;
    }
}

TEST(SNMPTrapTables, RowsAreCheckedUpToTheFirstWithoutACommunityName) {
    SheetCells t(SNMP_Trap_Sheet());
    t[0].SetRow(1, kReadRow);
    t[0].SetRow(4, kReadRow);
    t[0].SetCell(strNumBits, 4, "99");
    // An Enable text of "y" counts; " Y" (not trimmed) does not.
    t[0].SetRow(2, kReadRow);
    t[0].SetCell(strEnable, 2, " Y");
    t[0].SetCell(strDescription, 2, "temp1");
    EXPECT_EQ(t.FaultText(), "");
    t[0].SetCell(strEnable, 2, "y");
    EXPECT_EQ(t.FaultText(), "Error!! The Descriptions must be all differents");
    EXPECT_EQ(t.Write().count("<row "), 2);
}

TEST(SNMPTrapTables, EnabledRowsAreNumberedAsTheMIBNumbersThem) {
    SheetCells t(SNMP_Trap_Sheet());
    for (Integer r = 1; r <= 3; ++r) {
        t[0].SetRow(r, kReadRow);
        t[0].SetCell(strDescription, r, QStringLiteral("read%1").arg(r));
    }
    t[0].SetCell(strEnable, 2, "N");
    Index_Row_Build(t[0]);
    // Rows past the end, left enabled by the clearing, keep counting on.
    EXPECT_EQ(
        (QStringList{t[0].Cell(0, 1), t[0].Cell(0, 2), t[0].Cell(0, 3), t[0].Cell(0, 4), t[0].Cell(0, 5)}),
        (QStringList{"1", "", "2", "3", "4"}));
    t[1].SetRow(1, kWriteRow);
    t[1].SetCell(stwEnable, 1, "y");
    t[1].SetRow(2, kWriteRow);
    t[1].SetCell(stwEnable, 2, "n");
    t[1].SetCell(stwDescription, 2, "other");
    Index_Row_Build(t[1]);

    // The MIB writer reads the written file: object n of a section is the row numbered n.
    TXMLDocument xml;
    ASSERT_TRUE(xml.LoadFromBytes(t.Write()));
    TMIB_Configuration mib;
    String error;
    ASSERT_TRUE(Parse_SNMP_Trap(xml, mib, error)) << error.toStdString();
    EXPECT_EQ(mib.Read_Descriptions, (QStringList{"read1", "read3"}));
    EXPECT_EQ(mib.Write_Descriptions, (QStringList{"setpoint"}));
    for (size_t g = 0; g < 2; ++g) {
        const QStringList& objects = g == 0 ? mib.Read_Descriptions : mib.Write_Descriptions;
        const Integer description = g == 0 ? Integer(strDescription) : Integer(stwDescription);
        for (Integer r = 1; r < Table_End_Row(t.sheet.Grids[g], t[g]); ++r) {
            const QString n = t[g].Cell(0, r);
            if (n.isEmpty()) continue;
            EXPECT_EQ(objects.value(n.toInt() - 1), t[g].Cell(description, r)) << g << " row " << r;
        }
    }
}

} // namespace
