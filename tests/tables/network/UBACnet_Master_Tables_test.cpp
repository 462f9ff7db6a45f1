// The BACnet client access tables without a window: the file round trip, the knowledge tables, every
// test of a read and a write request with its message, the destination rules and the read hint.
#include "../TableFixture.h"
#include "tables/network/UBACnet_Master_Tables.h"

using qvtables::SheetCells;

namespace {

const QStringList kGoodRead = {"Y",
                               "192.168.1.20",
                               "Analog Input",
                               "1",
                               "Present Value (85)",
                               "4",
                               "N",
                               "",
                               "",
                               "",
                               "1000",
                               "0",
                               "0",
                               "0",
                               "",
                               "",
                               "m"};
const QStringList kGoodWrite = {"Y",
                                "192.168.1.20",
                                "Analog Value",
                                "Real",
                                "1",
                                "Present Value (85)",
                                "8",
                                "4",
                                "N",
                                "",
                                "",
                                "",
                                "Y",
                                "N",
                                "abc",
                                "0",
                                "0",
                                "0",
                                "",
                                "",
                                "w"};

TEST(BACnetClientTables, WritesAndReadsBackEveryStoredColumn) {
    TBACnetClientMode mode;
    SheetCells t(BACnet_Master_Sheet(mode));
    t[0].SetRow(1, kGoodRead);
    t[0].SetRow(2, {"N", " 10.0.0.1", "130", "7", "600", "", "Y", "5", "M2", "1, 2", "", "", "3", "5", "Y",
                    "Float to Int", "x"});
    t[1].SetRow(1, kGoodWrite);
    const QByteArray written = t.Write();
    EXPECT_TRUE(written.startsWith("<BACnet_Master_Access>"));
    EXPECT_TRUE(written.contains("<!--SW_VERSION = 1.002-->"));
    SheetCells back(BACnet_Master_Sheet(mode));
    EXPECT_TRUE(back.Load(written).Complete);
    EXPECT_EQ(back[0].Row(1), kGoodRead);
    // Swap and Convertion are not stored.
    EXPECT_EQ(back[0].Cell(brSwap, 2), "");
    EXPECT_EQ(back[0].Cell(brConvertion, 2), "");
    EXPECT_EQ(back[0].Cell(brAddress, 2), " 10.0.0.1");
    EXPECT_EQ(back[1].Row(1), kGoodWrite);
    EXPECT_EQ(back.Write(), written);
}

TEST(BACnetClientTables, MissingAttributesGetTheirDefaults) {
    TBACnetClientMode mode;
    SheetCells t(BACnet_Master_Sheet(mode));
    EXPECT_TRUE(t.Load("<BACnet_Master_Access><BACnet_Read><row IP_Address_Slave_ID='1.2.3.4'/></BACnet_Read>"
                       "<BACnet_Write/></BACnet_Master_Access>")
                    .Complete);
    EXPECT_EQ(t[0].Cell(brEnable, 1), "Y");
    EXPECT_EQ(t[0].Cell(brEnDest, 1), "N");
    EXPECT_EQ(t[0].Cell(brObject_Type, 1), "");
    EXPECT_EQ(t[0].Cell(brAddress, 1), "1.2.3.4");
}

TEST(BACnetClientTables, KnowledgeTables) {
    EXPECT_EQ(Check_Object_Type(" analog input ", 0), 4);
    EXPECT_EQ(Check_Object_Type("Analog Input", 1), -1);
    EXPECT_EQ(Check_Object_Type("Life Safety Zone", 1), 15);
    EXPECT_EQ(Check_Object_Type("130", 1), 130);
    EXPECT_EQ(Check_Object_Type("127", 0), -1);
    EXPECT_EQ(Check_Object_Type("1024", 0), -1);
    EXPECT_EQ(Check_Property("Units (117)", 0, 6), -1);
    EXPECT_EQ(Check_Property("Units (117)", 0, 4), 4);
    EXPECT_EQ(Check_Property("Scale (187)", 0, 1), 1);
    EXPECT_EQ(Check_Property("Scale (187)", 0, 4), -1);
    EXPECT_EQ(Check_Property("Object Type (79)", 1, 5), -1);
    EXPECT_EQ(Check_Property("512", 1, 5), 200);
    EXPECT_EQ(Check_Property("511", 0, 5), -1);
    EXPECT_EQ(Check_Property("4194303", 0, 5), 200);
    EXPECT_EQ(Check_Property("4194304", 0, 5), -1);
    EXPECT_EQ(Check_Num_Byte_Max("octet string"), 255);
    EXPECT_EQ(Check_Num_Byte_Max("Bit String"), 120);
    EXPECT_EQ(Check_Num_Byte_Max("Null"), 0);
    EXPECT_EQ(Check_Num_Byte_Max("Double"), 8);
    EXPECT_LT(Check_Data_Type("Real", 14, 100), 0);
    EXPECT_GT(Check_Data_Type("", 200, 100), 0);
    EXPECT_EQ(Check_Data_Type("Null", 5, 200), 1000);
    EXPECT_EQ(Aspected_Data_Type_Value(10, 100), "Unsigned Int");
    EXPECT_EQ(Aspected_Data_Type_Value(10, 200), "");
    const struct {
        const char *type, *property, *hint;
    } hints[] = {{"Binary Input", "Present Value (85)", "1"},
                 {"Large Analog Value", "Present Value (85)", "8"},
                 {"Analog Value", "Present Value (85)", ""},
                 {"Analog Input", "Object Type (79)", "2"},
                 {"Accumulator", "PreScale (185)", "5"},
                 {"", "Object Type (79)", ""},
                 {"Analog Input", "600", ""}};
    for (const auto& h : hints)
        EXPECT_EQ(BACnet_Read_Hint(h.type, h.property), h.hint) << h.type << " " << h.property;
}

struct ClientCase {
    const char* name;
    Integer type; // client type
    bool write;
    std::vector<std::pair<Integer, const char*>> cells;
    Integer message;
    const char* limit;
};

TEST(BACnetClientTables, RowTests) {
    const ClientCase cases[] = {
        {"good read", 0, false, {}, 0, ""},
        {"good write", 0, true, {}, 0, ""},
        {"ip 256", 0, false, {{brAddress, "192.168.1.256"}}, 2138, ""},
        {"ip padded", 0, false, {{brAddress, " 192.168.1.2 "}}, 0, ""},
        {"ip in write", 0, true, {{bwAddress, "1.2.3"}}, 2147, ""},
        {"slave 254", 1, false, {{brAddress, "254"}}, 0, ""},
        {"slave 255", 1, false, {{brAddress, "255"}}, 2139, ""},
        {"slave 255, write", 1, true, {{bwAddress, "255"}}, 2148, ""},
        {"no address column", 2, false, {{brAddress, "x"}}, 0, ""},
        {"enable lower case", 0, false, {{brEnable, "y"}, {brAddress, "bad"}}, 0, ""},
        {"enable with blank", 0, false, {{brEnable, " Y"}, {brAddress, "bad"}}, 0, ""},
        {"binary input units",
         0,
         false,
         {{brObject_Type, "Binary Input"}, {brProperty, "Units (117)"}},
         2142,
         ""},
        {"input type in write", 0, true, {{bwObject_Type, "Analog Input"}}, 2149, ""},
        {"unknown type", 0, false, {{brObject_Type, "Calendar"}}, 2140, ""},
        {"instance max", 0, false, {{brInstance, "4294967295"}}, 0, ""},
        {"instance 2^32", 0, false, {{brInstance, "4294967296"}}, 2141, ""},
        {"instance -1", 0, true, {{bwInstance, "-1"}}, 2150, ""},
        {"property 4184304", 0, false, {{brProperty, "4184304"}}, 0, ""},
        {"property in write", 0, true, {{bwProperty, "Units (117)"}}, 2151, ""},
        {"nbyte 256", 0, false, {{brNumByte, "256"}}, 2143, ""},
        {"poll time", 0, false, {{brPollTime, "100000001"}}, 2144, ""},
        {"max err 65535", 0, false, {{brMaxError, "65535"}}, 0, ""},
        {"max err 65536", 0, false, {{brMaxError, "65536"}}, 2145, ""},
        {"max err 65536, write", 0, true, {{bwMaxError, "65536"}}, 2156, ""},
        {"data type named", 0, true, {{bwObject_Type, "Positive Integer Value"}}, 2158, "Unsigned Int"},
        {"data type unsigned",
         0,
         true,
         {{bwObject_Type, "Positive Integer Value"}, {bwData_Type, "Unsigned Int"}},
         0,
         ""},
        {"data type for life safety", 0, true, {{bwObject_Type, "Life Safety Zone"}}, 2152, ""},
        {"priority 17", 0, true, {{bwPriority, "17"}}, 2153, ""},
        {"real of 5 bytes", 0, true, {{bwNumByte, "5"}}, 2154, "4"},
        {"timer poll time", 0, true, {{bwOnTimer, "Y"}}, 2155, ""},
        {"dest off", 0, false, {{brDNet, "0"}, {brDLen, "9"}}, 0, ""},
        {"dest net 0", 0, false, {{brEnDest, "Y"}, {brDNet, "0"}}, 2170, ""},
        {"dest M3 three",
         0,
         false,
         {{brEnDest, " y"}, {brDNet, "1"}, {brDLen, "M3"}, {brDAdd, " 10 , 20,30 , "}},
         0,
         ""},
        {"dest M3 two",
         0,
         false,
         {{brEnDest, "Y"}, {brDNet, "1"}, {brDLen, "M3"}, {brDAdd, "10,20"}},
         2188,
         ""},
        {"dest M3 two, write",
         0,
         true,
         {{bwEnDest, "Y"}, {bwDNet, "1"}, {bwDLen, "M3"}, {bwDAdd, "10,20"}},
         2189,
         ""},
        {"dest M3 four",
         0,
         false,
         {{brEnDest, "Y"}, {brDNet, "1"}, {brDLen, "M3"}, {brDAdd, "1,2,3,4"}},
         2184,
         ""},
        {"dest M3 256",
         0,
         true,
         {{bwEnDest, "Y"}, {bwDNet, "1"}, {bwDLen, "M3"}, {bwDAdd, "1,256,3"}},
         2183,
         ""},
        {"dest M1 empty",
         0,
         false,
         {{brEnDest, "Y"}, {brDNet, "1"}, {brDLen, "M1"}, {brDAdd, " "}},
         2188,
         ""},
        {"dest 6",
         0,
         false,
         {{brEnDest, "Y"}, {brDNet, "1"}, {brDLen, "6"}, {brDAdd, "192.168.0.15:47808"}},
         0,
         ""},
        {"dest 6 no port",
         0,
         true,
         {{bwEnDest, "Y"}, {bwDNet, "1"}, {bwDLen, "6"}, {bwDAdd, "192.168.0.15"}},
         2179,
         ""},
        {"dest len 3", 0, false, {{brEnDest, "Y"}, {brDNet, "1"}, {brDLen, "3"}}, 2171, ""},
        {"dest M9", 0, true, {{bwEnDest, "Y"}, {bwDNet, "1"}, {bwDLen, "M9"}}, 2187, ""},
        {"dest lone M", 0, false, {{brEnDest, "Y"}, {brDNet, "1"}, {brDLen, "M"}}, 2186, ""},
        {"dest empty length", 0, false, {{brEnDest, "Y"}, {brDNet, "1"}, {brDLen, ""}}, 2186, ""},
        {"dest 1 of 256",
         0,
         false,
         {{brEnDest, "Y"}, {brDNet, "1"}, {brDLen, "1"}, {brDAdd, "256"}},
         2172,
         ""},
        {"dest 2 of 0", 0, true, {{bwEnDest, "Y"}, {bwDNet, "1"}, {bwDLen, "2"}, {bwDAdd, "0"}}, 2178, ""},
    };
    for (const ClientCase& c : cases) {
        TBACnetClientMode mode;
        mode.SetType(c.type);
        SheetCells t(BACnet_Master_Sheet(mode));
        const size_t g = c.write ? 1 : 0;
        t[g].SetRow(1, c.write ? kGoodWrite : kGoodRead);
        for (const auto& [col, text] : c.cells)
            t[g].SetCell(col, 1, QString::fromUtf8(text));
        const QString prefix = c.write ? "Error in Write, row 1" : "Error in Read, row 1";
        const QString expected = c.message ? prefix + qvtables::T(c.message) + c.limit : QString();
        EXPECT_EQ(t.FaultText(), expected) << c.name;
    }
}

TEST(BACnetClientTables, TheClientTypeDecidesWhereTheTablesEnd) {
    TBACnetClientMode mode;
    SheetCells t(BACnet_Master_Sheet(mode));
    t[0].SetRow(1, kGoodRead);
    t[0].SetCell(brAddress, 1, "");
    EXPECT_EQ(Table_End_Row(t.sheet.Grids[0], t[0]), 1);
    mode.SetType(2);
    EXPECT_EQ(Table_End_Row(t.sheet.Grids[0], t[0]), 2);
    EXPECT_EQ(t.FaultText(), "");
}

} // namespace
