// The KNX access table without a window: the file round trip with its required attributes and the
// priority a reader repairs, and every test of a row with its message and limit.
#include "../TableFixture.h"
#include "tables/network/UKNX_Tables.h"

using qvtables::FixtureBytes;
using qvtables::SheetCells;

namespace {

const QStringList kKnxRow = {"Y", "1.1.20", "1/2/3", "Write", "Normal", "None", "",  "N", "N",
                             "N", "Y",      "N",     "",      "0",      "No",   "4", "0", "m"};

TEST(KNXTable, FixtureFileLoadsAndWritesBackEqual) {
    SheetCells t(KNX_Sheet());
    const QByteArray file = FixtureBytes("KNX_SetAccess.xml");
    ASSERT_FALSE(file.isEmpty());
    const TTableLoad load = t.Load(file);
    EXPECT_TRUE(load.Complete) << load.Problem.toStdString();
    EXPECT_EQ(t[0].Cell(knMulFactor, 2), "1,5");
    EXPECT_EQ(t.FaultText(), "");
    EXPECT_EQ(t.Write(), file);
}

TEST(KNXTable, OptionalAttributesGetDefaultsAndAMissingRequiredOneStopsTheReading) {
    SheetCells t(KNX_Sheet());
    const TTableLoad load = t.Load(
        "<BACnet_to_KNX><KNX_in_Write><row Source_Address='1.1.1' Destination_Address='1/1' APCI='Read' "
        "Extended='N' ReTest='N' On_Change='N' Poll_Time='' Position='0' Bit_Mode='No' Length='1' "
        "Mnemonic='a'/><row Source_Address='1.1.2' Destination_Address='1/2' Priority='normal' "
        "APCI='Read'/><row Source_Address='1.1.3'/></KNX_in_Write></BACnet_to_KNX>");
    EXPECT_FALSE(load.Complete);
    EXPECT_TRUE(load.Problem.contains("Extended")) << load.Problem.toStdString();
    EXPECT_EQ(t[0].Row(1), QStringList({"Y", "1.1.1", "1/1", "Read", "Normal", "None", "", "N", "N", "N", "N",
                                        "N", "", "0", "No", "1", "0", "a"}));
    // A priority the converter does not know reads as Normal.
    EXPECT_EQ(t[0].Cell(knPriority, 2), "Normal");
    EXPECT_EQ(t[0].Cell(knAPCI, 2), "Read"); // read before the stop
    EXPECT_EQ(t[0].Cell(knSource, 3), "");   // nothing after it
}

struct KnxCase {
    const char* name;
    std::vector<std::pair<Integer, const char*>> cells;
    Integer message;
    const char* limit;
};

TEST(KNXTable, RowTests) {
    const KnxCase cases[] = {
        {"a row", {}, 0, ""},
        {"source 16.1.1", {{knSource, "16.1.1"}}, 3549, ""},
        {"source 1.1.256", {{knSource, "1.1.256"}}, 3549, ""},
        {"source 0.0.0", {{knSource, "0.0.0"}}, 0, ""},
        {"source 65535", {{knSource, " 65535 "}}, 0, ""},
        {"source 65536", {{knSource, "65536"}}, 3549, ""},
        {"source 0", {{knSource, "0"}}, 3549, ""},
        {"source 1/2/3", {{knSource, "1/2/3"}}, 3549, ""},
        {"group 31/7/255", {{knDestination, "31/7/255"}}, 0, ""},
        {"group 32/0/1", {{knDestination, "32/0/1"}}, 3551, ""},
        {"group 1/8/1", {{knDestination, "1/8/1"}}, 3551, ""},
        {"group 31/2047", {{knDestination, "31/2047"}}, 0, ""},
        {"group 0/0", {{knDestination, "0/0"}}, 3551, ""},
        {"group 0/0/0", {{knDestination, "0/0/0"}}, 3551, ""},
        {"individual destination 1.1.30", {{knDestination, "1.1.30"}}, 0, ""},
        {"individual destination 1.16.1", {{knDestination, "1.16.1"}}, 3550, ""},
        {"APCI READ", {{knAPCI, "READ"}}, 0, ""},
        {"APCI wRiTe", {{knAPCI, "wRiTe"}}, 0, ""},
        {"APCI 1023", {{knAPCI, "1023"}}, 0, ""},
        {"APCI 1024", {{knAPCI, "1024"}}, 3552, ""},
        {"APCI empty", {{knAPCI, ""}}, 3552, ""},
        {"priority in lower case", {{knPriority, "normal"}}, 3553, ""},
        {"priority Urgent", {{knPriority, "Urgent"}}, 0, ""},
        {"no format", {{knFormat, " "}}, 3554, ""},
        {"factor 1,5", {{knMulFactor, "1,5"}}, 0, ""},
        {"factor 1.5", {{knMulFactor, "1.5"}}, 0, ""},
        {"factor abc", {{knMulFactor, "abc"}}, 3565, ""},
        {"timer, poll 0", {{knOnTimer, "Y"}, {knPollTime, "0"}}, 3555, ""},
        {"timer, poll 100000000", {{knOnTimer, "y"}, {knPollTime, "100000000"}}, 0, ""},
        {"no timer, poll 0", {{knOnTimer, "N"}, {knPollTime, "0"}}, 0, ""},
        {"position 1500", {{knPosition, "1500"}}, 3556, "1499"},
        {"position empty", {{knPosition, ""}}, 3556, "1499"},
        {"bit mode 8", {{knBitMode, "8"}}, 3557, ""},
        {"bit mode no", {{knBitMode, "no"}}, 0, ""},
        {"bytes 14", {{knLength, "14"}}, 0, ""},
        {"bytes 15", {{knLength, "15"}}, 3558, "14"},
        {"bytes 255 extended", {{knExtended, "Y"}, {knLength, "255"}}, 0, ""},
        {"bytes 256 extended", {{knExtended, "Y"}, {knLength, "256"}}, 3558, "255"},
        {"bits 112", {{knBitMode, "0"}, {knLength, "112"}}, 0, ""},
        {"bits 113", {{knBitMode, "0"}, {knLength, "113"}}, 3558, "112"},
        {"bits 2041 extended", {{knBitMode, "7"}, {knExtended, "Y"}, {knLength, "2041"}}, 3558, "2040"},
        {"length 0", {{knLength, "0"}}, 3558, "14"},
        {"112 bits from bit 3 at 1485", {{knBitMode, "3"}, {knLength, "112"}, {knPosition, "1485"}}, 0, ""},
        {"112 bits from bit 3 at 1486",
         {{knBitMode, "3"}, {knLength, "112"}, {knPosition, "1486"}},
         3559,
         "1500"},
        {"14 bytes at 1486", {{knLength, "14"}, {knPosition, "1486"}}, 0, ""},
        {"14 bytes at 1487", {{knLength, "14"}, {knPosition, "1487"}}, 3559, "1500"},
        {"timeout 0", {{knTimeOut, "0"}}, 0, ""},
        {"timeout -1", {{knTimeOut, "-1"}}, 3566, ""},
        {"timeout 100000001", {{knTimeOut, "100000001"}}, 3566, ""},
    };
    for (const KnxCase& c : cases) {
        SheetCells t(KNX_Sheet());
        t[0].SetRow(1, kKnxRow);
        for (const auto& [col, text] : c.cells)
            t[0].SetCell(col, 1, QString::fromUtf8(text));
        const QString expected = c.message ? "Error row 1" + qvtables::T(c.message) + c.limit : QString();
        EXPECT_EQ(t.FaultText(), expected) << c.name;
    }
}

TEST(KNXTable, TheWorkedExampleReadsAsTheWindowShowsIt) {
    SheetCells t(KNX_Sheet());
    t[0].SetRow(7, kKnxRow);
    for (Integer r = 1; r < 7; ++r)
        t[0].SetRow(r, kKnxRow);
    t[0].SetCell(knPosition, 7, "1500");
    EXPECT_EQ(t.FaultText(), "Error row 7!! [KNX in Write] Position must be between 0 and 1499");
    t[0].SetCell(knEnable, 7, " N");
    EXPECT_EQ(t.FaultText(), "");
}

} // namespace
