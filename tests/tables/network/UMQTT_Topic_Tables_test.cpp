// The MQTT topic tables without a window: the file round trip, the columns that are not stored, and
// every test of a publish and a subscribe row with its message.
#include "../TableFixture.h"
#include "tables/network/UMQTT_Topic_Tables.h"

using qvtables::FixtureBytes;
using qvtables::SheetCells;

namespace {

TEST(MQTTTopicTables, FixtureFileLoadsAndWritesBackEqual) {
    SheetCells t(MQTT_Set_Topic_Sheet());
    const QByteArray file = FixtureBytes("MQTT_Set_Topic.xml");
    ASSERT_FALSE(file.isEmpty());
    const TTableLoad load = t.Load(file);
    EXPECT_TRUE(load.Complete) << load.Problem.toStdString();
    EXPECT_EQ(t[0].Cell(mpTemplate, 2), "{\"v\": $VALUE$}");
    EXPECT_EQ(t[1].Cell(msPort, 2), "1883");
    EXPECT_EQ(t.FaultText(), "");
    EXPECT_EQ(t.Write(), file);
}

TEST(MQTTTopicTables, ColumnsThatAreNotStoredGetTheirLoadingValues) {
    SheetCells t(MQTT_Set_Topic_Sheet());
    t[0].SetCell(mpOnCMD, 1, "Y");
    t[0].SetCell(mpChannel, 1, "5");
    // A file may carry attributes of these columns (another product wrote it): they are not read.
    const TTableLoad load =
        t.Load("<MQTT_Set_Topic><MQTT_Publish><row Topic='t' Retained='N' QoS='0' Mnemonic='m' "
               "OnCMD='Y' Channel='3' Swap='Y' SwapWord='Y'/></MQTT_Publish>"
               "<MQTT_Subscribe><row Topic='s' Retained='Y' QoS='1' Mnemonic='n'/></MQTT_Subscribe>"
               "</MQTT_Set_Topic>");
    EXPECT_TRUE(load.Complete) << load.Problem.toStdString();
    EXPECT_EQ(t[0].Cell(mpOnCMD, 1), "Y"); // not read: keeps what the clearing left (here set by hand)
    EXPECT_EQ(t[0].Cell(mpChannel, 1), "");
    EXPECT_EQ(t[0].Cell(mpSwap, 1), "N");
    EXPECT_EQ(t[0].Cell(mpSwapWord, 1), "N");
    EXPECT_EQ(t[0].Cell(mpOnChange, 1), "N");
    EXPECT_EQ(t[0].Cell(mpOnTimer, 1), "N");
    EXPECT_EQ(t[1].Cell(msSwap, 1), "N");
    EXPECT_EQ(t[1].Cell(msTemplate, 1), "");
    const QByteArray written = t.Write();
    for (const char* name : {"OnCMD", "Channel", "Swap"})
        EXPECT_FALSE(written.contains(name)) << name;
}

TEST(MQTTTopicTables, TemplateTest) {
    EXPECT_FALSE(Error_In_Topic_Template(""));
    EXPECT_FALSE(Error_In_Topic_Template("$VALUE$"));
    EXPECT_TRUE(Error_In_Topic_Template("$VALUE"));
    EXPECT_FALSE(Error_In_Topic_Template("$A$ and $B$"));
    EXPECT_TRUE(Error_In_Topic_Template("$A$ $"));
}

struct RowCase {
    const char* name;
    bool publish;
    std::vector<std::pair<Integer, const char*>> cells; // real columns; -n shows column n
    Integer message;
    const char* limit;
};

TEST(MQTTTopicTables, RowTests) {
    const RowCase cases[] = {
        {"valid publish", true, {}, 0, ""},
        {"valid subscribe", false, {}, 0, ""},
        {"publish without data type", true, {{mpDataType, ""}, {mpDimension, "4"}}, 2852, ""},
        {"subscribe without data type", false, {{msDataType, " "}}, 2857, ""},
        {"float of 2 bytes", true, {{mpDataType, "Float"}, {mpDimension, "2"}}, 2854, ""},
        {"float of 8 bytes", true, {{mpDataType, "float"}, {mpDimension, "8"}}, 0, ""},
        {"int of 3 bytes", true, {{mpDataType, "Int"}, {mpDimension, "3"}}, 2853, ""},
        {"int of 3 bytes, subscribed", false, {{msDataType, "Int"}, {msDimension, "3"}}, 2858, ""},
        {"float of 2 bytes, subscribed", false, {{msDataType, "Float"}, {msDimension, "2"}}, 2859, ""},
        {"string of 0 bytes", true, {{mpDataType, "String"}, {mpDimension, "0"}}, 2855, ""},
        {"base64 of 0 bytes", false, {{msDataType, "Base64"}, {msDimension, "0"}}, 2860, ""},
        {"base64 of 1 byte", true, {{mpDataType, "Base64"}, {mpDimension, "1"}}, 0, ""},
        {"publish position 1500", true, {{mpPosition, "1500"}}, 2856, "1499"},
        {"subscribe position empty", false, {{msPosition, ""}}, 2861, "1499"},
        {"1 byte at 1499", true, {{mpDataType, "String"}, {mpDimension, "1"}, {mpPosition, "1499"}}, 0, ""},
        {"4 bytes at 1497", true, {{mpPosition, "1497"}}, 2975, ""},
        {"4 bytes at 1496", true, {{mpPosition, "1496"}}, 0, ""},
        {"8 bytes at 1493, subscribed", false, {{msDimension, "8"}, {msPosition, "1493"}}, 2976, ""},
        {"publish IP shown", true, {{-mpIPAddress, ""}, {mpIPAddress, "192.168.2.300"}}, 2874, ""},
        {"publish IP hidden", true, {{mpIPAddress, "192.168.2.300"}}, 0, ""},
        {"subscribe IP shown",
         false,
         {{-msIPAddress, ""}, {msIPAddress, " 10.0.0.1 "}, {-msPort, ""}, {msPort, "65536"}},
         2876,
         ""},
        {"subscribe IP bad", false, {{-msIPAddress, ""}, {msIPAddress, "10.0.0"}}, 2875, ""},
        {"input template shown", true, {{-mpInputTemplate, ""}, {mpInputTemplate, "$IN"}}, 2877, ""},
        {"input template shown, subscribed",
         false,
         {{-msInputTemplate, ""}, {msInputTemplate, "$IN"}},
         2879,
         ""},
        {"template open", true, {{mpTemplate, "$VALUE"}}, 2878, ""},
        {"template open, subscribed", false, {{msTemplate, "x $VALUE"}}, 2880, ""},
        {"template empty", true, {{mpTemplate, ""}}, 0, ""},
        {"timer 0", true, {{mpOnTimer, "Y"}, {mpTime, "0"}}, 2889, ""},
        {"timer empty", true, {{mpOnTimer, " y"}, {mpTime, ""}}, 2889, ""},
        {"timer 1", true, {{mpOnTimer, "Y"}, {mpTime, "1"}}, 0, ""},
        {"timer 1000000000", true, {{mpOnTimer, "Y"}, {mpTime, "1000000000"}}, 0, ""},
        {"timer 1000000001", true, {{mpOnTimer, "Y"}, {mpTime, "1000000001"}}, 2889, ""},
        {"timer off", true, {{mpOnTimer, "N"}, {mpTime, "0"}}, 0, ""},
    };
    for (const RowCase& c : cases) {
        SheetCells t(MQTT_Set_Topic_Sheet());
        const size_t g = c.publish ? 0 : 1;
        if (c.publish)
            t[0].SetRow(1, {"a/b", "N", "0", "Int", "4", "0", "", "", "$VALUE$", "N", "", "N", "", "", "N",
                            "N", "m"});
        else
            t[1].SetRow(1, {"c/d", "N", "1", "Float", "4", "0", "", "", "", "", "", "N", "N", "m"});
        for (const auto& [col, text] : c.cells) {
            if (col < 0)
                t[g].SetColumnShown(-col, true);
            else
                t[g].SetCell(col, 1, QString::fromUtf8(text));
        }
        const QString expected = c.message ? "Error row 1" + qvtables::T(c.message) + c.limit : QString();
        EXPECT_EQ(t.FaultText(), expected) << c.name;
    }
}

TEST(MQTTTopicTables, TheWorkedExampleAndTheEndOfTheTable) {
    SheetCells t(MQTT_Set_Topic_Sheet());
    t[0].SetRow(1, {"a", "N", "0", "Float", "2", "0", "", "", "", "N", "", "N", "", "", "N", "N", "m"});
    EXPECT_EQ(t.FaultText(), "Error row 1!! [MQTT Publish] Dimension must be equal to 4 or 8");
    t[0].SetCell(mpTopic, 1, " ");
    EXPECT_EQ(t.FaultText(), "");
    EXPECT_TRUE(Table_Has_Rows_After_End(t.sheet.Grids[0], t[0]));
}

} // namespace
