// The DeviceNet slave list and byte map and the DMX default values without a window: the tests of a
// row, the byte map's slaves from the slave list, its positions by place, its check and file, the DMX
// channel count from the communication settings and the channel rows.
#include "../TableFixture.h"
#include "core/UComon.h"
#include "tables/fieldbus/UDMX_Tables.h"
#include "tables/fieldbus/UDNet_Tables.h"

#include <QDir>

using qvtables::FixtureBytes;
using qvtables::SheetCells;
using qvtables::T;

namespace {

QStringList dnetRow(QString id, QString in, QString out) {
    return {id, in, out, "N", "N", "m"};
}

TEST(DNetTables, SlaveListRowTests) {
    const struct {
        QStringList row;
        int at; // the row it stands in
        QString expected;
    } cases[] = {
        {dnetRow("0", "0", "0"), 1, ""},
        {dnetRow("0x3F", "65535", "65535"), 1, ""},
        {dnetRow("64", "0", "0"), 1, T(3023) + "1" + T(3024)},
        {dnetRow(" ", "0", "0"), 1, T(3023) + "1" + T(3024)},
        {dnetRow("1", "65536", "0"), 1, T(3023) + "1" + T(3025)},
        {dnetRow("1", "", "0"), 1, T(3023) + "1" + T(3025)},
        {dnetRow("1", "0", "-1"), 1, T(3023) + "1" + T(3026)},
        // The last grid row is a row like the others.
        {dnetRow("1", "0", "x"), DNet_Data_Rows, T(3023) + QString::number(DNet_Data_Rows) + T(3026)},
    };
    for (const auto& c : cases) {
        SheetCells t(DNet_Net_Sheet());
        for (int r = 1; r < c.at; ++r)
            t[0].SetRow(r, dnetRow("5", "1", "1")); // the same ID in every row is accepted
        t[0].SetRow(c.at, c.row);
        EXPECT_EQ(t.FaultText(), c.expected) << c.row.join('|').toStdString();
    }
}

TEST(DNetTables, ASlaveListRowLackingARequiredAttributeEndsTheReading) {
    SheetCells t(DNet_Net_Sheet());
    const TTableLoad load = t.Load("<DNET_Net><row ID='1' NB_IN='2' NB_OUT='3' Mnemonic='a'/>"
                                   "<row ID='2' NB_IN='2' Mnemonic='b'/><row ID='3' NB_IN='1' NB_OUT='1' "
                                   "Mnemonic='c'/></DNET_Net>");
    EXPECT_FALSE(load.Complete);
    EXPECT_TRUE(load.Problem.contains("NB_OUT")) << load.Problem.toStdString();
    EXPECT_EQ(t[0].Row(1), QStringList({"1", "2", "3", "N", "N", "a"}));
    EXPECT_EQ(t[0].Cell(dnID, 3), "");
}

// The byte map's two files as documents.
struct ByteMap {
    explicit ByteMap(const QByteArray& slaveList, const QByteArray& offsets = QByteArray()) {
        TXMLDocument xml;
        if (xml.LoadFromBytes(slaveList)) slavesRead = Read_Slaves_DN(xml, slaves, &texts);
        TXMLDocument map;
        if (!offsets.isEmpty() && map.LoadFromBytes(offsets)) offsetsRead = Read_Offsets_DN(map, slaves);
    }
    QByteArray Write() const {
        TXMLDocument xml;
        Write_Offsets_DN(xml, slaves);
        return xml.SaveToBytes();
    }
    std::vector<TSlave_DN> slaves;
    std::vector<QStringList> texts;
    TTableLoad slavesRead, offsetsRead;
};

QByteArray slaveList(std::initializer_list<const char*> rows) {
    QByteArray xml = "<DNET_Net>";
    for (const char* r : rows)
        xml += QByteArray("<row ") + r + " Mnemonic='m'/>";
    return xml + "</DNET_Net>";
}

TEST(DNetByteMap, TheFixtureFilesReadAndTheMapWritesBackEqual) {
    const QByteArray offsets = FixtureBytes("DNETM_DefOff.xml");
    ByteMap map(FixtureBytes("DNETM_Net.xml"), offsets);
    EXPECT_TRUE(map.slavesRead.Complete) << map.slavesRead.Problem.toStdString();
    ASSERT_EQ(map.slaves.size(), 3u);
    EXPECT_EQ(map.texts[1], QStringList({"0x3F", "0", "3", "Drive"}));
    EXPECT_EQ(map.slaves[1].ID, 63);
    EXPECT_EQ(map.slaves[0].SL_ByteIN, QStringList({"0", "1", "None", "1439"}));
    EXPECT_EQ(map.slaves[0].SL_ByteOUT_M, QStringList({"Out 1", "Spare"}));
    // Two input bytes at position 0 are accepted.
    EXPECT_EQ(Check_Offsets_DN(map.slaves), "");
    EXPECT_EQ(QString::fromUtf8(map.Write()), QString::fromUtf8(offsets));
}

TEST(DNetByteMap, OutputPositionsAreUsedOnceAndWithinTheArray) {
    const QString first = T(3121) + "\n\r( " + T(3122);
    const struct {
        const char* name;
        QStringList out5, out7; // output positions of slaves 5 and 7
        QString expected;
    } cases[] = {
        {"each position once", {"10", "None"}, {"11", "x"}, ""},
        {"the same position",
         {"10", "1"},
         {"10"},
         first + "5" + T(3123) + "0" + T(3124) + "7" + T(3125) + "0)"},
        {"within one slave", {"3", "$3"}, {}, first + "5" + T(3123) + "0" + T(3124) + "5" + T(3125) + "1)"},
        {"negative positions are none", {"-1", "-1"}, {"-2"}, ""},
        {"the last position", {"1439"}, {}, ""},
        {"beyond the array",
         {"0", "1440"},
         {"1440"},
         T(3126) + "1439\n\r( " + T(3127) + "5" + T(3123) + "1)"},
        {"far beyond", {"99999999"}, {}, T(3126) + "1439\n\r( " + T(3127) + "5" + T(3123) + "0)"},
    };
    for (const auto& c : cases) {
        std::vector<TSlave_DN> slaves{TSlave_DN(5, 0, Word(c.out5.size())),
                                      TSlave_DN(7, 0, Word(c.out7.size()))};
        slaves[0].SL_ByteOUT = c.out5;
        slaves[1].SL_ByteOUT = c.out7;
        EXPECT_EQ(Check_Offsets_DN(slaves), c.expected) << c.name;
    }
}

TEST(DNetByteMap, BytesFollowTheirSlavesPlaceAndTheSlavesCounts) {
    const QByteArray saved =
        "<Define_Offset><Nodo_DNET><ByteIN><row Offset='1' Mnemonic='a'/>"
        "<row Offset='2' Mnemonic='b'/></ByteIN><ByteOUT><row Offset='3' Mnemonic='c'/>"
        "</ByteOUT></Nodo_DNET><Nodo_DNET><ByteIN><row Offset='4' Mnemonic='d'/></ByteIN>"
        "<ByteOUT/></Nodo_DNET></Define_Offset>";
    // The first slave now has one input byte and two output bytes; the slaves swapped places.
    ByteMap map(slaveList({"ID='9' NB_IN='1' NB_OUT='2'", "ID='5' NB_IN='3' NB_OUT='0'"}), saved);
    ASSERT_EQ(map.slaves.size(), 2u);
    EXPECT_EQ(map.slaves[0].SL_ByteIN, QStringList({"1"}));
    EXPECT_EQ(map.slaves[0].SL_ByteOUT, QStringList({"3", "None"}));
    EXPECT_EQ(map.slaves[0].SL_ByteOUT_M, QStringList({"c", ""}));
    EXPECT_EQ(map.slaves[1].SL_ByteIN, QStringList({"4", "None", "None"}));
    // The surplus byte is gone at the next save; a slave without output bytes has an empty list.
    const QByteArray written = map.Write();
    EXPECT_FALSE(written.contains("Mnemonic=\"b\"")) << written.toStdString();
    EXPECT_TRUE(written.contains("<ByteOUT />")) << written.toStdString();
    EXPECT_EQ(written.count("<row "), 6);
}

TEST(DNetByteMap, HandEditedFilesLoadWhatTheyCan) {
    const struct {
        const char* name;
        QByteArray slaves, offsets;
        size_t count;
        QStringList firstIn, secondOut;
        const char* problem; // empty: read whole
    } cases[] = {
        {"a slave element without its byte lists",
         slaveList({"ID='1' NB_IN='1' NB_OUT='1'", "ID='2' NB_IN='1' NB_OUT='1'"}),
         "<Define_Offset><Nodo_DNET/><Nodo_DNET><ByteIN><row Offset='7'/></ByteIN><ByteOUT><row Offset='8'/>"
         "</ByteOUT></Nodo_DNET></Define_Offset>",
         2,
         {"None"},
         {"8"},
         ""},
        {"other elements among the slaves and rows",
         slaveList({"ID='1' NB_IN='1' NB_OUT='0'", "ID='2' NB_IN='0' NB_OUT='1'"}),
         "<Define_Offset><!--c--><note/><Nodo_DNET><ByteIN><x/><row Offset='7'/></ByteIN></Nodo_DNET>"
         "<Nodo_DNET><ByteOUT><row Mnemonic='no offset'/></ByteOUT></Nodo_DNET><Nodo_DNET/></Define_Offset>",
         2,
         {"7"},
         {"None"},
         ""},
        {"numbers that do not read count as 0",
         slaveList({"ID='x' NB_IN='2' NB_OUT='0'", "ID='300' NB_IN='65536' NB_OUT=' 1'"}),
         "",
         2,
         {"None", "None"},
         {"None"},
         "\"NB_IN\" is not a number from 0 to 65535"},
        {"a row without a byte count ends the list",
         slaveList({"ID='1' NB_IN='1' NB_OUT='0'", "ID='2' NB_IN='1'", "ID='3' NB_IN='1' NB_OUT='0'"}),
         "",
         1,
         {"None"},
         {},
         "NB_OUT"},
        {"more slaves than the slave list has rows",
         [] {
             QByteArray xml = "<DNET_Net>";
             for (int i = 0; i < DNet_Data_Rows + 1; ++i)
                 xml += "<row ID='1' NB_IN='1' NB_OUT='1' Mnemonic=''/>";
             return xml + "</DNET_Net>";
         }(),
         "",
         size_t(DNet_Data_Rows),
         {"None"},
         {"None"},
         "1 rows more"},
    };
    for (const auto& c : cases) {
        ByteMap map(c.slaves, c.offsets);
        ASSERT_EQ(map.slaves.size(), c.count) << c.name;
        EXPECT_EQ(map.slaves[0].SL_ByteIN, c.firstIn) << c.name;
        if (c.count > 1) {
            EXPECT_EQ(map.slaves[1].SL_ByteOUT, c.secondOut) << c.name;
        }
        EXPECT_EQ(map.slavesRead.Complete, !*c.problem) << c.name;
        EXPECT_TRUE(map.slavesRead.Problem.contains(QString::fromUtf8(c.problem))) << c.name;
    }
    // The ID and counts that did not read are 0; the texts are shown as written.
    ByteMap zeros(slaveList({"ID='x' NB_IN='2' NB_OUT='0'", "ID='300' NB_IN='65536' NB_OUT=' 1'"}));
    EXPECT_EQ(zeros.slaves[0].ID, 0);
    EXPECT_EQ(zeros.slaves[1].ID, 0);
    EXPECT_EQ(zeros.slaves[1].ByteIN, 0);
    EXPECT_EQ(zeros.slaves[1].ByteOUT, 1);
    EXPECT_EQ(zeros.texts[1], QStringList({"300", "65536", " 1", "m"}));
}

TEST(DMXTables, TheChannelCountComesFromTheSettingsWithin1To512) {
    const QString path = qvtest::TempDir() + "/ParGen.xml";
    const struct {
        const char* parGen; // nullptr: no file
        Integer count;
    } cases[] = {
        {nullptr, 512},
        {"<Par_Gen><NTP_Poll_Time>5</NTP_Poll_Time></Par_Gen>", 512},
        {"<Par_Gen><DMX_Num_Channels>24</DMX_Num_Channels></Par_Gen>", 24},
        {"<Par_Gen><DMX_Num_Channels> 0x18 </DMX_Num_Channels></Par_Gen>", 24},
        {"<Par_Gen><DMX_Num_Channels>$200</DMX_Num_Channels></Par_Gen>", 512},
        {"<Par_Gen><DMX_Num_Channels>1</DMX_Num_Channels></Par_Gen>", 1},
        {"<Par_Gen><DMX_Num_Channels>0</DMX_Num_Channels></Par_Gen>", 1},
        {"<Par_Gen><DMX_Num_Channels>-7</DMX_Num_Channels></Par_Gen>", 1},
        {"<Par_Gen><DMX_Num_Channels>100000</DMX_Num_Channels></Par_Gen>", 512},
        {"<Par_Gen><DMX_Num_Channels>twelve</DMX_Num_Channels></Par_Gen>", 512},
        {"<Par_Gen><DMX_Num_Channels/></Par_Gen>", 512},
        {"<Par_Gen><DMX_Num_Channels>24</Par_Gen>", 512},
    };
    for (const auto& c : cases) {
        QFile::remove(path);
        if (c.parGen) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.parGen);
        }
        EXPECT_EQ(DMX_Channel_Count(path), c.count) << (c.parGen ? c.parGen : "no file");
    }
}

SheetCells dmxChannels(Integer count) {
    TTableSheet s = DMX_Default_Values_Sheet();
    s.Grids[0].DataRows = count;
    return SheetCells(std::move(s));
}

TEST(DMXTables, EveryChannelIsCheckedAndWritten) {
    const struct {
        const char* value; // in row 5
        QString expected;
    } cases[] = {
        {"", T(3211) + "5" + T(3212)},
        {"256", T(3211) + "5" + T(3212)},
        {"-1", T(3211) + "5" + T(3212)},
        {"0xFF", ""},
        {"$0", ""},
    };
    for (const auto& c : cases) {
        SheetCells t = dmxChannels(24);
        EXPECT_EQ(t[0].Row(24), QStringList({"0", ""}));
        t[0].SetCell(dmDefault_Value, 5, QString::fromUtf8(c.value));
        EXPECT_EQ(t.FaultText(), c.expected) << c.value;
        if (!c.expected.isEmpty()) continue;
        const QByteArray written = t.Write();
        EXPECT_EQ(written.count("<Row "), 24);
        EXPECT_TRUE(written.contains("<Row Default_Value=\"" + QByteArray(c.value) + "\" Mnemonic=\"\" />"));
    }
}

TEST(DMXTables, TheFileFillsAsManyChannelsAsThereAre) {
    const auto file = [](int rows) {
        QByteArray xml = "<DMX_Default_Values>";
        for (int i = 1; i <= rows; ++i)
            xml += "<Row Default_Value='" + QByteArray::number(i) + "' Mnemonic='c" + QByteArray::number(i) +
                   "'/>";
        return xml + "</DMX_Default_Values>";
    };
    SheetCells fewer = dmxChannels(24);
    const TTableLoad cut = fewer.Load(file(512));
    EXPECT_FALSE(cut.Complete);
    EXPECT_TRUE(cut.Problem.contains("488 rows more")) << cut.Problem.toStdString();
    EXPECT_EQ(fewer[0].Row(24), QStringList({"24", "c24"}));
    EXPECT_EQ(fewer.Write().count("<Row "), 24);

    SheetCells more = dmxChannels(24);
    EXPECT_TRUE(more.Load(file(10)).Complete);
    EXPECT_EQ(more[0].Row(10), QStringList({"10", "c10"}));
    EXPECT_EQ(more[0].Row(11), QStringList({"0", ""}));
    EXPECT_EQ(more[0].Row(24), QStringList({"0", ""}));

    // A missing value is 0; elements named otherwise are not channels.
    SheetCells missing = dmxChannels(3);
    EXPECT_TRUE(
        missing
            .Load("<DMX_Default_Values><row Default_Value='9'/><Row Mnemonic='m'/><Row Default_Value='7'/>"
                  "</DMX_Default_Values>")
            .Complete);
    EXPECT_EQ(missing[0].Row(1), QStringList({"0", "m"}));
    EXPECT_EQ(missing[0].Row(2), QStringList({"7", ""}));
}

} // namespace
