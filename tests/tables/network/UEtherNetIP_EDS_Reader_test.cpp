// The EDS connection reader without a window: the decoding of one entry (the worked example, the paths
// that are and are not usable, the header kinds), the reading of a file's connection section, and the
// bounds of a path.
#include "tables/network/UEtherNetIP_EDS_Reader.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QByteArray edsFixture(const char* name) {
    QFile f(QStringLiteral(QV_TEST_DATA_DIR "/eds/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An entry with its header kinds, name, help text and path; the other fields as a device writes them.
QString edsEntry(const QString& kinds, const QString& path, const QString& name = "\"Exclusive Owner\"") {
    return "0x04010002," + kinds + ",,,Assem150,,,Assem100,,,,," + name + ",\"\"," + path + ";";
}

// The decoded numbers: instance O > T, point O > T, instance T > O, point T > O, header O > T, T > O.
std::vector<int> edsNumbers(const TConnData& c) {
    return {c.InstanceOT, c.ConnPointOT, c.InstanceTO, c.ConnPointTO, c.DimHeaderOT, c.DimHeaderTO};
}

TEST(EDSConnectionReader, TheWorkedExample) {
    std::vector<TConnData> list;
    ASSERT_TRUE(DecodeConnStr(edsEntry("0x0405", "\"20 04 24 01 2C 96 2C 64\""), list));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(edsNumbers(list[0]), (std::vector<int>{1, 150, 1, 100, 4, 0}));
    EXPECT_EQ(list[0].ConnName, "\"Exclusive Owner\"");
    EXPECT_EQ(list[0].HelpStr, "\"\"");
    EXPECT_EQ(list[0].ConnIndex, 1);
    EXPECT_EQ(list[0].NumClass, 0);
    EXPECT_EQ(EDS_Dim_Header_OT_Text(list[0].DimHeaderOT), "Default");
    EXPECT_EQ(EDS_Dim_Header_TO_Text(list[0].DimHeaderTO), "Default");
}

TEST(EDSConnectionReader, EntriesThatAreAndAreNotUsable) {
    const struct {
        const char* name;
        QString entry;
        std::vector<int> numbers; // empty: not usable
    } cases[] = {
        {"a path of six bytes", edsEntry("0x0405", "\"20 04 24 01 2C 96\""), {}},
        {"a second instance",
         edsEntry("0x0405", "\"20 04 24 01 2C 96 24 02 2C 64\""),
         {1, 150, 2, 100, 4, 0}},
        {"byte 2 not 0x24", edsEntry("0x0405", "\"20 04 2C 96 2C 64 24 01\""), {}},
        {"byte 0 not 0x20", edsEntry("0x0405", "\"21 04 24 01 2C 96 2C 64\""), {}},
        {"parts 0x20 and 100 left out",
         edsEntry("0x0405", "\"0x20 20 04 24 01 100 2C 96 2C 64\""),
         {1, 150, 1, 100, 4, 0}},
        {"a part that is no number left out",
         edsEntry("0x0405", "\"20 04 zz 24 01 2C 96 2C 64\""),
         {1, 150, 1, 100, 4, 0}},
        {"field 2 not a number", edsEntry("Param1", "\"20 04 24 01 2C 96 2C 64\""), {1, 150, 1, 100, 7, 7}},
        {"header kinds 2 and 3", edsEntry("0x2305", "\"20 04 24 01 2C 96 2C 64\""), {1, 150, 1, 100, 3, 2}},
        {"the last connection point missing", edsEntry("0x0405", "\"20 04 24 01 2C 96 24 02 2C\""), {}},
        {"no second point marker", edsEntry("0x0405", "\"20 04 24 01 2C 96 00 00\""), {}},
        {"a path ended by a comma",
         "1,0x0405,,,,,,,,,,,\"n\",\"h\",\"20 04 24 01 2C 96 2C 64\",more;",
         {1, 150, 1, 100, 4, 0}},
        {"a path without an end", "1,0x0405,,,,,,,,,,,\"n\",\"h\",\"20 04 24 01 2C 96 2C 64\"", {}},
        {"thirteen fields", "1,0x0405,,,,,,,,,,,\"20 04 24 01 2C 96 2C 64\";", {}},
        {"an empty entry", "", {}},
        {"tabs between the path bytes",
         edsEntry("0x0405", "\"20\t04 24 01 2C 96 2C 64\""),
         {1, 150, 1, 100, 4, 0}},
    };
    for (const auto& c : cases) {
        std::vector<TConnData> list;
        const bool usable = DecodeConnStr(c.entry, list);
        EXPECT_EQ(usable, !c.numbers.empty()) << c.name;
        EXPECT_EQ(list.size(), c.numbers.empty() ? 0u : 1u) << c.name;
        if (!list.empty()) {
            EXPECT_EQ(edsNumbers(list[0]), c.numbers) << c.name;
        }
    }
}

TEST(EDSConnectionReader, AFileGivesTheUsableEntriesOfItsConnectionSection) {
    const std::vector<TConnData> list = Read_EDS_Connections(edsFixture("adapter.eds"));
    // Connection2 is unusable, Connection4 lies after the section: the rows are the first and the third.
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].ConnName, "\"Exclusive Owner\"");
    EXPECT_EQ(edsNumbers(list[0]), (std::vector<int>{1, 150, 1, 100, 4, 0}));
    EXPECT_EQ(list[1].ConnName, "\"Listen Only\"");
    EXPECT_EQ(list[1].HelpStr, "\"Needs an owner\"");
    EXPECT_EQ(edsNumbers(list[1]), (std::vector<int>{2, 151, 3, 101, 4, 2}));
    EXPECT_EQ(list[1].ConnIndex, 2);
    EXPECT_TRUE(Read_EDS_Connections(edsFixture("no_connections.eds")).empty());
    EXPECT_TRUE(Read_EDS_Connections("").empty());
}

TEST(EDSConnectionReader, CommentsAndLinesOfTheSection) {
    const struct {
        const char* name;
        QStringList lines;
        int count;
    } cases[] = {
        {"a comment after a field",
         {"[Connection Manager]", "Connection1 = 0x1,0x0405,,,,,,,,,,, $ twelve fields",
          "\"n\",\"h\",\"20 04 24 01 2C 96 2C 64\"; $ path"},
         1},
        {"a $ inside the quoted name cuts the line",
         {"[Connection Manager]",
          "Connection1 = 0x1,0x0405,,,,,,,,,,,\"Owner $1\",\"h\",\"20 04 24 01 2C 96 2C 64\";"},
         0},
        {"no section", {"Connection1 = 0x1,0x0405,,,,,,,,,,,\"n\",\"h\",\"20 04 24 01 2C 96 2C 64\";"}, 0},
        {"a line without \"=\" is the entry, its key the first field",
         {"[Connection Manager]", "Connection 0x1,0x0405,,,,,,,,,,,\"n\",\"h\",\"20 04 24 01 2C 96 2C 64\";"},
         1},
        {"any keyword with Connection in it starts an entry",
         {"[Connection Manager]", "Connection1 = 0x1,0x0405,,,,,,,,,,,\"n\",\"h\",", "ConnectionFormat = 1;",
          "\"20 04 24 01 2C 96 2C 64\";"},
         0},
        {"the section read again after another",
         {"[Connection Manager]",
          "Connection1 = 0x1,0x0405,,,,,,,,,,,\"a\",\"h\",\"20 04 24 01 2C 96 2C 64\";", "[Port]",
          "[Connection Manager]",
          "Connection2 = 0x1,0x0405,,,,,,,,,,,\"b\",\"h\",\"20 04 24 01 2C 96 2C 64\";"},
         2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(int(Read_EDS_Connection_Lines(c.lines).size()), c.count) << c.name;
}

TEST(EDSConnectionReader, APathIsKeptWithinItsBoundAndNeverReadBeyond) {
    QString longPath = "20 04 24 01";
    for (int i = 0; i < 2000; ++i)
        longPath += " 00";
    EXPECT_EQ(EDS_Path_Bytes(longPath).size(), size_t(Max_EDS_Path_Bytes));
    // The marker that would make it usable comes after the bytes kept: the entry is not usable.
    std::vector<TConnData> list;
    EXPECT_FALSE(DecodeConnStr(edsEntry("0x0405", longPath + " 2C 96 2C 64"), list));
    // Within the bound it is.
    QString path = "20 04 24 01";
    for (int i = 0; i < Max_EDS_Path_Bytes - 8; ++i)
        path += " 00";
    EXPECT_TRUE(DecodeConnStr(edsEntry("0x0405", path + " 2C 96 2C 64"), list));
    EXPECT_EQ(EDS_Path_Bytes(path + " 2C 96 2C 64").size(), size_t(Max_EDS_Path_Bytes));
}

} // namespace
