// The BACnet server object tables without a window: the file round trip, every test of a read and a
// write object with its message, the count of objects of both tables and the default write length.
#include "../TableFixture.h"
#include "tables/network/UBACnet_Eng_Units.h"
#include "tables/network/UBACnet_Slave_Tables.h"

using qvtables::FixtureBytes;
using qvtables::SheetCells;

namespace {

TEST(BACnetSlaveTables, FixtureFileLoadsAndWritesBackEqual) {
    TBACnetSlaveMode mode;
    SheetCells t(BACnet_Slave_Sheet(mode));
    const QByteArray file = FixtureBytes("BACnet_Slave.xml");
    ASSERT_FALSE(file.isEmpty());
    const TTableLoad load = t.Load(file);
    EXPECT_TRUE(load.Complete) << load.Problem.toStdString();
    EXPECT_EQ(t[0].Row(2), QStringList({"Binary Input", "95", "10", "3", "1", "N", "Alarm"}));
    EXPECT_EQ(t[1].Cell(bsData_Type, 2), "Large Analog Value");
    EXPECT_EQ(t.FaultText(), "");
    EXPECT_EQ(t.Write(), file);
}

TEST(BACnetSlaveTables, SwapIsOptionalAndTheOtherAttributesRequired) {
    TBACnetSlaveMode mode;
    SheetCells t(BACnet_Slave_Sheet(mode));
    const TTableLoad load = t.Load(
        "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type='Analog Input' Eng_Unit='62' Position='0' Bit='0' "
        "Length='4' "
        "Mnemonic='T'/><row Data_Type='Analog Value' Eng_Unit='62' Position='4' Bit='0' Mnemonic='U'/>"
        "</BACnet_in_Read><BACnet_in_Write><row Data_Type='Analog Out' Eng_Unit='1' Position='0' Bit='0' "
        "Length='4' Swap='Y' Mnemonic='W'/></BACnet_in_Write></BACnet_to_Modbus>");
    EXPECT_FALSE(load.Complete);
    EXPECT_EQ(t[0].Cell(bsSwap, 1), "N");
    EXPECT_EQ(t[0].Cell(bsPosition, 2), "4"); // read before the missing Length
    EXPECT_EQ(t[0].Cell(bsMnemonic, 2), "");
    EXPECT_EQ(t[1].Cell(bsData_Type, 1), ""); // nothing after the stop
}

struct SlaveCase {
    const char* name;
    bool write;
    std::vector<std::pair<Integer, const char*>> cells;
    Integer message;
    const char* limit;
};

TEST(BACnetSlaveTables, RowTests) {
    const SlaveCase cases[] = {
        {"analog input ends at 1499", false, {{bsPosition, "1496"}}, 0, ""},
        {"analog input ends at 1500", false, {{bsPosition, "1497"}}, 1746, ""},
        {"eng unit 65535", false, {{bsEng_Unit, "65535"}}, 0, ""},
        {"eng unit 65536", false, {{bsEng_Unit, "65536"}}, 1733, ""},
        {"eng unit empty", true, {{bsEng_Unit, ""}}, 1747, ""},
        {"eng unit hexadecimal", false, {{bsEng_Unit, "0x3E"}}, 0, ""},
        {"position 1500", false, {{bsPosition, "1500"}}, 1734, "1499"},
        {"position empty, write", true, {{bsPosition, ""}}, 1748, "1499"},
        {"binary value at 1499",
         false,
         {{bsData_Type, "Binary Value"}, {bsPosition, "1499"}, {bsBit, "7"}, {bsLength, ""}},
         0,
         ""},
        {"binary value without bit", false, {{bsData_Type, "Binary Value"}, {bsBit, ""}}, 1745, ""},
        {"binary out without bit", true, {{bsData_Type, "Binary Out"}, {bsBit, ""}}, 1757, ""},
        {"binary out bit 8", true, {{bsData_Type, "Binary Out"}, {bsBit, "8"}}, 1757, ""},
        {"binary input spelled otherwise is no binary",
         false,
         {{bsData_Type, "binary input"}, {bsBit, ""}, {bsLength, "9"}},
         0,
         ""},
        {"life safety zone of 3", false, {{bsData_Type, "Life Safety Zone"}, {bsLength, "3"}}, 1742, ""},
        {"life safety point of 2", false, {{bsData_Type, "Life Safety Point"}, {bsLength, "2"}}, 0, ""},
        {"access door of 2", false, {{bsData_Type, "Access Door"}, {bsLength, "2"}}, 1743, ""},
        {"access door of 2, write", true, {{bsData_Type, "Access Door"}, {bsLength, "2"}}, 1756, ""},
        {"empty length", false, {{bsLength, ""}}, 1735, ""},
        {"large analog value of 8", true, {{bsData_Type, "Large Analog Value"}, {bsLength, "8"}}, 0, ""},
        {"large analog value of 9", false, {{bsData_Type, "Large Analog Value"}, {bsLength, "9"}}, 1737, ""},
        {"integer value of 0, read", false, {{bsData_Type, "Integer Value"}, {bsLength, "0"}}, 1761, ""},
        {"integer value of 5, write", true, {{bsData_Type, "Integer Value"}, {bsLength, "5"}}, 1753, ""},
        {"integer value of 4, read", false, {{bsData_Type, "Integer Value"}, {bsLength, "4"}}, 0, ""},
        {"accumulator of 5", false, {{bsData_Type, "Accumulator"}, {bsLength, "5"}}, 1744, ""},
        {"multi state output of 0", true, {{bsData_Type, "Multi State Output"}, {bsLength, "0"}}, 1754, ""},
        {"unknown type, length not examined", false, {{bsData_Type, "Calendar"}, {bsLength, "0"}}, 0, ""},
        {"write last byte", true, {{bsPosition, "1499"}, {bsLength, "2"}}, 1758, ""},
    };
    for (const SlaveCase& c : cases) {
        TBACnetSlaveMode mode;
        SheetCells t(BACnet_Slave_Sheet(mode));
        const size_t g = c.write ? 1 : 0;
        t[g].SetRow(1, {c.write ? "Analog Out" : "Analog Input", "62", "0", "0", "4", "", "m"});
        for (const auto& [col, text] : c.cells)
            t[g].SetCell(col, 1, QString::fromUtf8(text));
        const QString expected = c.message ? "Error row 1" + qvtables::T(c.message) + c.limit : QString();
        EXPECT_EQ(t.FaultText(), expected) << c.name;
    }
}

TEST(BACnetSlaveTables, ObjectsOfBothTablesCountAgainstOneLimit) {
    const struct {
        bool desc32;
        Integer read, write;
        const char* text;
    } cases[] = {
        {false, 1500, 500, ""},
        {false, 1500, 501, "Error!! Too many Requests. Max requests 2000"},
        {true, 600, 400, ""},
        {true, 600, 401, "Error!! Too many Requests. Max requests 1000"},
    };
    for (const auto& c : cases) {
        TBACnetSlaveMode mode;
        mode.Desc_Lenght = c.desc32;
        SheetCells t(BACnet_Slave_Sheet(mode));
        for (Integer r = 1; r <= c.read; ++r)
            t[0].SetRow(r, {"Binary Input", "95", "0", "0", "", "", "m"});
        for (Integer r = 1; r <= c.write; ++r)
            t[1].SetRow(r, {"Binary Out", "95", "0", "0", "", "", "m"});
        EXPECT_EQ(t.FaultText(), c.text) << c.read << "+" << c.write;
    }
}

TEST(BACnetSlaveTables, DefaultWriteLength) {
    EXPECT_EQ(BACnet_Write_Default_Length("Large Analog Value"), "8");
    EXPECT_EQ(BACnet_Write_Default_Length("binary out"), "1");
    EXPECT_EQ(BACnet_Write_Default_Length("Access Door"), "1");
    EXPECT_EQ(BACnet_Write_Default_Length("Multi State Output"), "4");
    EXPECT_EQ(BACnet_Write_Default_Length("Calendar"), "");
}

TEST(BACnetEngUnits, NamesAndCategories) {
    const std::pair<Integer, const char*> names[] = {
        {62, "degrees-Celsius"}, {95, "no-units"}, {207, "per-mille"}, {236, "minutes-per-degree-kelvin"},
        {237, "unknown"},        {-1, "unknown"},  {1000, "unknown"},  {172, "ohm-meters"}};
    for (const auto& [n, name] : names)
        EXPECT_EQ(Desc_Unit(n), name) << n;
    EXPECT_EQ(Unit_List_Name(172), "ohms-meters");
    EXPECT_EQ(Unit_List_Name(139), "megajoules-per-square-meter");
    std::vector<int> seen(Num_BACnet_Eng_Units, 0);
    for (Integer i = 0; i < Num_BACnet_Unit_Categories; ++i)
        for (Integer u : BACnet_Unit_Category(i).Units)
            ++seen[size_t(u)];
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), Num_BACnet_Eng_Units);
    EXPECT_EQ(BACnet_Unit_Category(22).Units.size(), 59u);
    EXPECT_EQ(BACnet_Unit_Category(22).Units[29], 207);
    EXPECT_STREQ(BACnet_Unit_Category(16).Name, "Temperature");
}

} // namespace
