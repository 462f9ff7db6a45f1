// The EDE reader on fixture files (header on the seventh or the sixth line, encodings, short and malformed
// files) and the placement of the chosen objects into the client tables.
#include "../TableFixture.h"
#include "tables/network/UBACnet_Master_Tables.h"
#include "tables/network/UImportEDE_Reader.h"

using qvtables::SheetCells;

namespace {

QByteArray edeFixture(const char* name) {
    QFile f(QStringLiteral(QV_TEST_DATA_DIR "/ede/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(EDEReader, HeaderOnTheSeventhLineKeepsTheTablesKinds) {
    const std::vector<TBACnet_Var> v = Read_EDE_Objects(edeFixture("device.csv"));
    ASSERT_EQ(v.size(), 4u); // the device and the schedule are dropped
    EXPECT_EQ(v[0].keyname, "AI1");
    EXPECT_EQ(v[0].object_name, "Temp");
    EXPECT_EQ(v[0].object_type, 0);
    EXPECT_EQ(v[0].object_instance, 1);
    EXPECT_EQ(v[0].description, "Room temperature");
    EXPECT_EQ(v[0].unit_code, "62");
    EXPECT_EQ(v[0].vendor_specific_address, "");
    EXPECT_TRUE(v[0].import && v[0].read && !v[0].write);
    EXPECT_TRUE(v[1].commandable && v[1].write);
    EXPECT_EQ(v[1].vendor_specific_address, "x");
    EXPECT_EQ(v[2].object_name, "Pump"); // the line ends after the description
    EXPECT_EQ(v[2].description, "");
    EXPECT_EQ(v[3].object_type, 46);
    EXPECT_EQ(v[3].vendor_specific_address, "addr 7");
}

TEST(EDEReader, HeaderOnTheSixthLineAndWindowsText) {
    const std::vector<TBACnet_Var> v = Read_EDE_Objects(edeFixture("sixth_line.csv"));
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].description, QString::fromUtf8("\u00b0C set"));
    QByteArray utf8 = "\xEF\xBB\xBF" + edeFixture("sixth_line.csv").replace("\xb0", "\xC2\xB0");
    EXPECT_EQ(Read_EDE_Objects(utf8)[0].description, QString::fromUtf8("\u00b0C set"));
}

TEST(EDEReader, ShortAndMalformedFilesGiveNoObjects) {
    const QByteArray cases[] = {
        "",
        "# mandatory\r\ntitles\r\nAI1;1;T;0;1;d;\r\n", // shorter than seven lines
        "1\n2\n3\n4\n5\n6\n7\nAI1;1;T;0;1;d;\n",       // no header
        QByteArray(5000, ';'),
        QByteArray("\0\0\0\0\0\0\0\n\n\n\n\n\n\n", 21),
    };
    for (const QByteArray& c : cases)
        EXPECT_TRUE(Read_EDE_Objects(c).empty()) << c.left(40).toStdString();
    // A line without fields and one with a type that does not read are dropped.
    EXPECT_TRUE(Read_EDE_Objects("1\n2\n3\n4\n5\n6\n#mandatory\nt\nAI1\n;;;x;1;\n").empty());
    EXPECT_EQ(Read_EDE_Objects("1\n2\n3\n4\n5\n6\n#mandatory\nt\n;;;0x2;1;\n").size(), 1u);
}

TEST(EDEReader, MappingOfTheKinds) {
    EXPECT_EQ(Get_ObjType_EDE(19), "Multi-State Value");
    EXPECT_EQ(Get_DataType_EDE(45), "Signed Int");
    EXPECT_EQ(Get_NumByte_EDE(21), 2);
    EXPECT_EQ(Get_ObjType_EDE(8), "");
    EXPECT_EQ(Get_DataType_EDE(8), "Null");
    EXPECT_EQ(Get_NumByte_EDE(8), 4);
    // Every kind the reader keeps is a type the client tables take.
    for (Integer t : {0, 1, 2, 3, 4, 5, 13, 14, 19, 21, 22, 23, 45, 46, 48})
        EXPECT_NE(Check_Object_Type(Get_ObjType_EDE(t), 0), -1) << t;
}

TBACnet_Var edeVar(Integer type, bool write, const char* name) {
    TBACnet_Var v;
    v.object_type = type;
    v.object_instance = 9;
    v.object_name = name;
    v.description = "d";
    v.write = write;
    return v;
}

TEST(EDEPlacement, AfterTheRowsInUseAtTheNextFreePositions) {
    TBACnetClientMode mode;
    SheetCells t(BACnet_Master_Sheet(mode));
    const std::pair<const char*, const char*> used[] = {{"0", "4"}, {"4", "4"}, {"20", "1"}};
    for (int r = 0; r < 3; ++r) {
        t[0].SetCell(brEnable, r + 1, "N"); // rows in use, not under test here
        t[0].SetCell(brAddress, r + 1, "10.0.0.1");
        t[0].SetCell(brPosition, r + 1, used[r].first);
        t[0].SetCell(brNumByte, r + 1, used[r].second);
    }
    std::vector<TBACnet_Var> objects = {edeVar(0, false, "a"), edeVar(2, true, "b"), edeVar(1, false, "c"),
                                        edeVar(3, true, "skip")};
    objects[3].import = false;
    const TEDEPlacement p = Place_EDE_Objects(objects, "192.168.1.30", t[0], t[1]);
    EXPECT_EQ(p.ReadRows, 3);
    EXPECT_EQ(p.WriteRows, 1);
    EXPECT_EQ(p.NotPlaced, 0);
    EXPECT_EQ(t[0].Cell(brPosition, 4), "21");
    EXPECT_EQ(t[0].Cell(brPosition, 5), "25");
    EXPECT_EQ(t[0].Cell(brPosition, 6), "29");
    EXPECT_EQ(t[0].Row(5), QStringList({"Y", "192.168.1.30", "Analog Value", "9", "Present Value (85)", "4",
                                        "N", "", "", "", "1000", "0", "25", "0", "N", "", "b - d"}));
    EXPECT_EQ(t[0].Cell(brAddress, 7), "");
    EXPECT_EQ(t[1].Row(1), QStringList({"Y",
                                        "192.168.1.30",
                                        "Analog Value",
                                        "Real",
                                        "9",
                                        "Present Value (85)",
                                        "0",
                                        "4",
                                        "N",
                                        "",
                                        "",
                                        "",
                                        "N",
                                        "N",
                                        "1000",
                                        "0",
                                        "0",
                                        "0",
                                        "N",
                                        "",
                                        "b - d"}));
    EXPECT_EQ(t.FaultText(), ""); // the placed rows pass the client's check
}

TEST(EDEPlacement, RowsInUseBelowTheFirstFreeRowAreNotOverwritten) {
    TBACnetClientMode mode;
    SheetCells t(BACnet_Master_Sheet(mode));
    t[0].SetRow(2, {"N", "10.0.0.9", "Analog Input", "1", "", "4", "N", "", "", "", "", "", "100", "", "", "",
                    "kept"});
    const std::vector<TBACnet_Var> objects(3, edeVar(0, false, "x"));
    EXPECT_EQ(Place_EDE_Objects(objects, "1.2.3.4", t[0], t[1]).ReadRows, 3);
    EXPECT_EQ(t[0].Cell(brMnemonic, 2), "kept");
    EXPECT_EQ(t[0].Cell(brPosition, 1), "104");
    EXPECT_EQ(t[0].Cell(brPosition, 3), "108");
    EXPECT_EQ(t[0].Cell(brPosition, 4), "112");
}

TEST(EDEPlacement, WithoutAnAddressColumnTheObjectTypeMarksTheRowsInUse) {
    TBACnetClientMode mode;
    mode.SetType(2);
    SheetCells t(BACnet_Master_Sheet(mode));
    for (Integer r = 1; r <= 2; ++r) {
        t[0].SetCell(brObject_Type, r, "Analog Input");
        t[0].SetCell(brPosition, r, "10");
        t[0].SetCell(brNumByte, r, "4");
        t[0].SetCell(brMnemonic, r, "kept");
    }
    const std::vector<TBACnet_Var> objects(2, edeVar(2, false, "x"));
    EXPECT_EQ(Place_EDE_Objects(objects, "", t[0], t[1], mode.KeyColumn).ReadRows, 2);
    EXPECT_EQ(t[0].Cell(brMnemonic, 1), "kept");
    EXPECT_EQ(t[0].Cell(brMnemonic, 2), "kept");
    EXPECT_EQ(t[0].Cell(brPosition, 3), "14");
    EXPECT_EQ(t[0].Cell(brObject_Type, 4), "Analog Value");
}

TEST(EDEPlacement, StopsAtTheLastRowAndCountsWhatDidNotFit) {
    TBACnetClientMode mode;
    SheetCells t(BACnet_Master_Sheet(mode));
    for (Integer r = 1; r <= BACnet_Master_Rows - 2; ++r)
        t[0].SetCell(brAddress, r, "1");
    const std::vector<TBACnet_Var> objects(5, edeVar(0, true, "x"));
    const TEDEPlacement p = Place_EDE_Objects(objects, "1", t[0], t[1]);
    EXPECT_EQ(p.ReadRows, 2);
    EXPECT_EQ(p.WriteRows, 5);
    EXPECT_EQ(p.NotPlaced, 3);
    EXPECT_EQ(t[0].Cell(brObject_Type, BACnet_Master_Rows), "Analog Input");
}

} // namespace
