// The EtherNet/IP scanner connection table without a window: the file round trip and its Enable
// default, every test of a slave with its message, the byte totals, the rows the check and the writer
// take, and where an imported connection goes.
#include "../TableFixture.h"
#include "tables/network/UEtherNetIP_Scanner_Tables.h"

using qvtables::FixtureBytes;
using qvtables::SheetCells;

namespace {

const QStringList kSlave = {"Y", "192.168.1.50", "0", "100", "0",       "100",     "100",
                            "1", "100",          "1", "101", "Default", "Default", ""};

TEST(EtherNetIPScannerTable, FixtureFileLoadsAndWritesBackEqual) {
    SheetCells t(EtherNetIP_Scanner_Sheet());
    const QByteArray file = FixtureBytes("EtherNetIP_Master_Rules.xml");
    ASSERT_FALSE(file.isEmpty());
    const TTableLoad load = t.Load(file);
    EXPECT_TRUE(load.Complete) << load.Problem.toStdString();
    EXPECT_EQ(t[0].Cell(enDimHeader_O_T, 2), " default ");
    EXPECT_EQ(t.FaultText(), "");
    EXPECT_EQ(t.Write(), file);
}

TEST(EtherNetIPScannerTable, ARowWithoutEnableIsNotEnabled) {
    SheetCells t(EtherNetIP_Scanner_Sheet());
    t.Load("<EtherNetIP_Master_Access><row IP_Address='bad'/></EtherNetIP_Master_Access>");
    EXPECT_EQ(t[0].Row(1),
              QStringList({"N", "bad", "", "", "", "", "", "", "", "", "", "Default", "Default", ""}));
    EXPECT_EQ(t[0].Cell(enEnable, 2), "Y"); // rows the file does not fill stay as the showing cleared them
    EXPECT_EQ(t.FaultText(), "");
}

struct ScannerCase {
    const char* name;
    std::vector<std::pair<Integer, const char*>> cells;
    Integer message;
};

TEST(EtherNetIPScannerTable, RowTests) {
    const ScannerCase cases[] = {
        {"a slave", {}, 0},
        {"no address", {{enIP_Address, "192.168.1"}}, 4032},
        {"start input 65535", {{enStart_Input, "65535"}}, 0},
        {"start input 65536", {{enStart_Input, "65536"}}, 4033},
        {"num input -1", {{enNum_Input, "-1"}}, 4034},
        {"start output empty", {{enStart_Output, ""}}, 4035},
        {"num output abc", {{enNum_Output, "abc"}}, 4036},
        {"poll 0", {{enTime_Poll, "0"}}, 4037},
        {"poll 100000000", {{enTime_Poll, "100000000"}}, 0},
        {"instance T > O 65536", {{enInstance_T_O, "65536"}}, 4045},
        {"point T > O empty", {{enConnPoint_T_O, ""}}, 4051},
        {"instance O > T -1", {{enInstance_O_T, "-1"}}, 4046},
        {"point O > T 0x10000", {{enConnPoint_O_T, "0x10000"}}, 4052},
        {"header default in any case with blanks", {{enDimHeader_T_O, " dEfault "}}, 0},
        {"header T > O 7", {{enDimHeader_T_O, "7"}}, 0},
        {"header T > O 8", {{enDimHeader_T_O, "8"}}, 4057},
        {"header O > T 8", {{enDimHeader_O_T, "8"}}, 4058},
        {"header O > T empty", {{enDimHeader_O_T, ""}}, 4058},
    };
    for (const ScannerCase& c : cases) {
        SheetCells t(EtherNetIP_Scanner_Sheet());
        t[0].SetRow(1, kSlave);
        for (const auto& [col, text] : c.cells)
            t[0].SetCell(col, 1, QString::fromUtf8(text));
        const QString expected = c.message ? "Error row 1" + qvtables::T(c.message) : QString();
        EXPECT_EQ(t.FaultText(), expected) << c.name;
    }
    SheetCells t(EtherNetIP_Scanner_Sheet());
    t[0].SetRow(3, kSlave);
    t[0].SetRow(1, kSlave);
    t[0].SetRow(2, kSlave);
    t[0].SetCell(enTime_Poll, 3, "0");
    EXPECT_EQ(t.FaultText(), "Error row 3!! Poll Time must be between 1 and 100000000");
}

TEST(EtherNetIPScannerTable, ByteTotals) {
    const struct {
        const char* name;
        std::vector<const char*> inputs, outputs;
        const char* fault;
    } cases[] = {
        {"three of 500 inputs",
         {"500", "500", "500"},
         {"0", "0", "0"},
         "Error!! The Total Number of Input Bytes must be between 0 and 1438"},
        {"479, 479 and 480 inputs", {"479", "479", "480"}, {"0", "0", "0"}, ""},
        {"1439 outputs",
         {"0", "0", "0"},
         {"0", "439", "1000"},
         "Error!! The Total Number of Output Bytes must be between 0 and 1438"},
    };
    for (const auto& c : cases) {
        SheetCells t(EtherNetIP_Scanner_Sheet());
        for (Integer r = 1; r <= 3; ++r) {
            t[0].SetRow(r, kSlave);
            t[0].SetCell(enNum_Input, r, c.inputs[size_t(r - 1)]);
            t[0].SetCell(enNum_Output, r, c.outputs[size_t(r - 1)]);
        }
        EXPECT_EQ(t.FaultText(), c.fault) << c.name;
        // A disabled slave counts nothing.
        t[0].SetCell(enEnable, 3, "n");
        EXPECT_EQ(t.FaultText(), "") << c.name;
    }
}

TEST(EtherNetIPScannerTable, TheCheckAndTheWriterEndAtTheSameRow) {
    SheetCells t(EtherNetIP_Scanner_Sheet());
    t[0].SetRow(1, kSlave);
    // A disabled row without an address ends the table for both.
    t[0].SetRow(2, kSlave);
    t[0].SetCell(enEnable, 2, "N");
    t[0].SetCell(enIP_Address, 2, "");
    t[0].SetRow(3, kSlave);
    t[0].SetCell(enTime_Poll, 3, "0");
    EXPECT_EQ(t.FaultText(), "");
    EXPECT_EQ(t.Write().count("<row "), 1);
    EXPECT_TRUE(Table_Has_Rows_After_End(t.sheet.Grids[0], t[0]));
}

TEST(EtherNetIPScannerTable, AnImportedConnectionGoesToTheFirstFreeRow) {
    SheetCells t(EtherNetIP_Scanner_Sheet());
    t[0].SetRow(1, kSlave);
    EXPECT_EQ(EtherNetIP_Free_Row(t[0]), 2);
    // The chooser's row of the worked example: instance and point O > T, T > O, header kinds O > T, T > O.
    const QStringList chosen = {
        "Connection1", "\"Exclusive Owner\"", "\"\"", "1", "150", "2", "100", "Default", "3"};
    Put_EDS_Connection(chosen, t[0], 2);
    EXPECT_EQ(t[0].Row(2),
              QStringList({"Y", "", "", "", "", "", "", "2", "100", "1", "150", "3", "Default", ""}));
    // The imported row keeps its empty address: the next import goes below it.
    EXPECT_EQ(EtherNetIP_Free_Row(t[0]), 3);
    for (Integer r = 3; r <= EtherNetIP_Scanner_Rows; ++r)
        t[0].SetCell(enIP_Address, r, "10.0.0.1");
    EXPECT_EQ(EtherNetIP_Free_Row(t[0]), 0);
}

} // namespace
