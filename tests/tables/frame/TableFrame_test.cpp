// The table-editor frame without a window: the number reader, clearing, reading and writing table files,
// the data check and its message, over a small sheet of two grids.
#include "../TableFixture.h"
#include "tables/frame/TableNumber.h"

#include <QDir>

using qvtables::SheetCells;

namespace {

// Two grids: Enable, a key, a required number, an optional text with a default, an optional kept
// column, a column that is not stored but set on loading, and a hidden stored column.
TTableSheet frameSheet() {
    auto grid = [](const char* section, Integer rows) {
        TTableGrid g;
        g.Section = QLatin1String(section);
        g.DataRows = rows;
        g.KeyColumn = 2;
        g.EnableColumn = 1;
        auto col = [](const char* attr, TTableMissing missing, const char* def, TEditorType ed = edNormal) {
            TTableColumn c;
            c.Attribute = QLatin1String(attr);
            c.Missing = missing;
            c.Default = QLatin1String(def);
            c.Editor = ed;
            return c;
        };
        g.Columns = {col("", TTableMissing::Keep, ""),
                     col("Enable", TTableMissing::Default, "Y", edDataCheckBox),
                     col("Key", TTableMissing::Required, ""),
                     col("Count", TTableMissing::Required, ""),
                     col("Note", TTableMissing::Default, "none"),
                     col("Kept", TTableMissing::Keep, ""),
                     col("", TTableMissing::Keep, "N", edDataCheckBox),
                     col("Hidden", TTableMissing::Default, "")};
        g.Columns[6].SetOnLoad = true;
        g.Columns[7].Shown = false;
        // Count must be 1 .. 10 (message 1569), and Hidden empty while shown (message 1570, limit "7").
        g.CheckRow = [](const TTableRow& row) -> TRowFault {
            const Integer n = row.Number(3);
            if (n < 1 || n > 10) return {1569, {}};
            if (row.Shown(7) && !row.Text(7).isEmpty()) return {1570, QStringLiteral("7")};
            return {};
        };
        return g;
    };
    TTableSheet s;
    s.Texts.RowErrorPrefix = 1568;
    s.RootElement = QStringLiteral("Frame_Table");
    s.VersionComment = QStringLiteral("SW_VERSION = 1.003");
    s.Grids = {grid("First", 4), grid("Second", 3)};
    return s;
}

QByteArray frameXml(const QString& body) {
    return ("<Frame_Table>" + body + "</Frame_Table><!--SW_VERSION = 1.003-->").toUtf8();
}

TEST(TableNumber, ReadsTheCellGrammar) {
    const struct {
        const char* text;
        Integer value;
    } cases[] = {
        {"16", 16},         {" 16", 16},        {"16 ", -1},  {"", -1},      {"   ", -1},
        {"+7", 7},          {"-7", -7},         {"- 7", -1},  {"0x10", 16},  {"$10", 16},
        {"x1F", 31},        {"X1f", 31},        {"0X1F", 31}, {"-x10", -16}, {"0x", -1},
        {"$", -1},          {"x", -1},          {"1.5", -1},  {"12a", -1},   {"2147483647", 2147483647},
        {"2147483648", -1}, {"$100000000", -1}, {"\t5", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read_Table_Int(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_EQ(Read_Table_Int("bad", 0), 0);
}

TEST(TableFile, ClearingPutsRowNumbersAndEnableInEveryRow) {
    SheetCells t(frameSheet());
    t[0].SetCell(3, 2, "x");
    t[0].SetCell(7, 4, "hidden text");
    Clear_Table_Grid(t.sheet.Grids[0], t[0]);
    for (Integer r = 1; r <= 4; ++r) {
        EXPECT_EQ(t[0].Cell(0, r), QString::number(r));
        EXPECT_EQ(t[0].Row(r), QStringList({"Y", "", "", "", "", "", ""}));
    }
}

TEST(TableFile, WritesRootCommentSectionsAndRowsUpToTheFirstBlankKey) {
    SheetCells t(frameSheet());
    t[0].SetRow(1, {"Y", "a", "1", "x & <y>", "", "N", ""});
    t[0].SetRow(2, {"N", "b", "99", "", "k", "Y", "h"});
    t[0].SetRow(3, {"Y", "  ", "5", "", "", "", ""}); // blank key ends the table
    t[0].SetRow(4, {"Y", "d", "5", "", "", "", ""});
    const QByteArray expected =
        "<Frame_Table>\r\n"
        "  <First>\r\n"
        "    <row Enable=\"Y\" Key=\"a\" Count=\"1\" Note=\"x &amp; &lt;y>\" Kept=\"\" Hidden=\"\" />\r\n"
        "    <row Enable=\"N\" Key=\"b\" Count=\"99\" Note=\"\" Kept=\"k\" Hidden=\"h\" />\r\n"
        "  </First>\r\n"
        "  <Second />\r\n"
        "</Frame_Table>\r\n"
        "<!--SW_VERSION = 1.003-->\r\n";
    EXPECT_EQ(t.Write(), expected);

    SheetCells back(frameSheet());
    const TTableLoad load = back.Load(expected);
    EXPECT_TRUE(load.Complete) << load.Problem.toStdString();
    EXPECT_EQ(back[0].Row(1), t[0].Row(1));
    // The column that is not stored comes back as its loading value, not as it was.
    EXPECT_EQ(back[0].Row(2), QStringList({"N", "b", "99", "", "k", "N", "h"}));
    EXPECT_EQ(back[0].Row(3), QStringList({"Y", "", "", "", "", "", ""}));
    EXPECT_EQ(back.Write(), expected);
}

TEST(TableFile, MissingOptionalAttributesTakeTheirDefaults) {
    SheetCells t(frameSheet());
    const TTableLoad load = t.Load(frameXml("<First><row Key='a' Count='1'/></First><Second/>"));
    EXPECT_TRUE(load.Complete);
    EXPECT_EQ(t[0].Row(1), QStringList({"Y", "a", "1", "none", "", "N", ""}));
}

TEST(TableFile, AMissingRequiredAttributeStopsTheReadingThere) {
    SheetCells t(frameSheet());
    const TTableLoad load =
        t.Load(frameXml("<First><row Key='a' Count='1'/><row Enable='N' Key='b' Note='n'/>"
                        "<row Key='c' Count='3'/></First><Second><row Key='s' Count='2'/></Second>"));
    EXPECT_FALSE(load.Complete);
    EXPECT_TRUE(load.Problem.contains("Count")) << load.Problem.toStdString();
    EXPECT_TRUE(load.Problem.contains("Row 2")) << load.Problem.toStdString();
    EXPECT_EQ(t[0].Row(1), QStringList({"Y", "a", "1", "none", "", "N", ""}));
    EXPECT_EQ(t[0].Row(2), QStringList({"N", "b", "", "", "", "", ""}));
    EXPECT_EQ(t[0].Row(3), QStringList({"Y", "", "", "", "", "", ""}));
    EXPECT_EQ(t[1].Row(1), QStringList({"Y", "", "", "", "", "", ""}));
}

TEST(TableFile, RowsBeyondTheGridAreCountedAndTheNextSectionStillRead) {
    SheetCells t(frameSheet());
    QString rows;
    for (int i = 1; i <= 6; ++i)
        rows += QStringLiteral("<row Key='k%1' Count='%1'/>").arg(i);
    const TTableLoad load =
        t.Load(frameXml("<First>" + rows + "</First><Second><row Key='s' Count='2'/></Second>"));
    EXPECT_FALSE(load.Complete);
    EXPECT_TRUE(load.Problem.contains("2 rows more")) << load.Problem.toStdString();
    EXPECT_EQ(t[0].Cell(2, 4), "k4");
    EXPECT_EQ(t[1].Cell(2, 1), "s");
}

TEST(TableFile, ReadsWhatItCanPlaceAndPassesOverTheRest) {
    const struct {
        const char* name;
        QByteArray xml;
        bool complete;
        const char* firstKey;
    } cases[] = {
        {"declaration and comment before the root",
         "<?xml version='1.0'?><!--c--><Frame_Table><First><row Key='a' Count='1'/></First><Second/>"
         "</Frame_Table>",
         true, "a"},
        {"comments and other elements among the rows",
         "<Frame_Table><First><!--x--><note/><row Key='a' Count='1'/></First><Second/></Frame_Table>", true,
         "a"},
        // A file of another kind, or without the table's sections, is not read whole: OK asks first.
        {"another root", "<Other_Root><First><row Key='a' Count='1'/></First><Second/></Other_Root>", false,
         ""},
        {"missing sections", "<Frame_Table><Third><row Key='a' Count='1'/></Third></Frame_Table>", false, ""},
        {"a missing section after a read one",
         "<Frame_Table><First><row Key='a' Count='1'/></First></Frame_Table>", false, "a"},
        {"rows directly under the root", "<Frame_Table><row Key='a' Count='1'/></Frame_Table>", false, ""},
        {"deep nesting under the right root",
         "<Frame_Table>" + QByteArray("<a>").repeated(200000) + QByteArray("</a>").repeated(200000) +
             "</Frame_Table>",
         false, ""},
        {"malformed", "<R><First><row Key='a' Count='1'></First></R>", false, ""},
        {"no element at all", "<!--only a comment-->", false, ""},
    };
    for (const auto& c : cases) {
        SheetCells t(frameSheet());
        TXMLDocument xml;
        const bool parsed = xml.LoadFromBytes(c.xml);
        const TTableLoad load =
            parsed ? Load_Table_Document(xml, t.sheet, t.Cells()) : TTableLoad{false, xml.ErrorText()};
        EXPECT_EQ(load.Complete, c.complete) << c.name;
        EXPECT_EQ(!load.Complete, !load.Problem.isEmpty()) << c.name;
        EXPECT_EQ(t[0].Cell(2, 1), QString::fromUtf8(c.firstKey)) << c.name;
    }
}

TEST(TableFile, FilesOnDisk) {
    const QString dir = qvtest::TempDir();
    SheetCells t(frameSheet());
    t[0].SetRow(1, {"Y", "a", "1", "", "", "N", ""});
    String error;
    ASSERT_TRUE(Save_Table_File(dir + "/t.xml", t.sheet, t.ConstCells(), error)) << error.toStdString();
    EXPECT_FALSE(Save_Table_File(dir + "/missing/t.xml", t.sheet, t.ConstCells(), error));
    EXPECT_FALSE(error.isEmpty());

    SheetCells back(frameSheet());
    EXPECT_TRUE(Load_Table_File(dir + "/t.xml", back.sheet, back.Cells()).Complete);
    EXPECT_EQ(back[0].Row(1), t[0].Row(1));
    EXPECT_TRUE(Load_Table_File(dir + "/none.xml", back.sheet, back.Cells()).Complete);
    // A file beyond the size limit is refused like a malformed one.
    QFile big(dir + "/big.xml");
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write("<R><First><row Key='a' Count='1' Note='");
    big.write(QByteArray(Max_Table_Window_Text + 1, 'n'));
    big.write("'/></First></R>");
    big.close();
    SheetCells refused(frameSheet());
    EXPECT_FALSE(Load_Table_File(dir + "/big.xml", refused.sheet, refused.Cells()).Complete);
    EXPECT_EQ(refused[0].Cell(2, 1), "");
}

TEST(TableFile, DataFromTheFirstRowWithoutAKeyOnwardIsNoticed) {
    const struct {
        const char* name;
        QStringList row2, row4;
        bool lost;
    } cases[] = {
        {"nothing below the table", {"Y", "b", "1", "", "", "", ""}, {"Y", "", "", "", "", "", ""}, false},
        {"check boxes alone are no data",
         {"N", "", "", "", "", "Y", ""},
         {"Y", "", "", "", "", "Y", ""},
         false},
        {"a row without its key", {"Y", " ", "5", "", "", "", ""}, {"Y", "", "", "", "", "", ""}, true},
        {"a full row further down", {"Y", "", "", "", "", "", ""}, {"Y", "d", "1", "", "", "", ""}, true},
        {"a hidden column's text", {"Y", "", "", "", "", "", ""}, {"Y", "", "", "", "", "", "h"}, true},
    };
    for (const auto& c : cases) {
        SheetCells t(frameSheet());
        t[0].SetRow(1, {"Y", "a", "1", "", "", "", ""});
        t[0].SetRow(2, c.row2);
        t[0].SetRow(4, c.row4);
        EXPECT_EQ(Table_Has_Rows_After_End(t.sheet.Grids[0], t[0]), c.lost) << c.name;
    }
}

TEST(TableCheck, FirstFailingRowOfTheFirstFailingGridGivesTheMessage) {
    const struct {
        const char* name;
        QStringList first2, second1;
        const char* expected;
    } cases[] = {
        {"all pass", {"Y", "b", "10", "", "", "", ""}, {"Y", "s", "1", "", "", "", ""}, ""},
        {"a disabled row is not tested",
         {"N", "b", "99", "", "", "", ""},
         {"Y", "s", "1", "", "", "", ""},
         ""},
        {"enable is trimmed",
         {" Y ", "b", "99", "", "", "", ""},
         {},
         "Error row 2!! [Modbus Read] Slave ID must be between 1 and 247"},
        {"enable must be exactly Y", {"y", "b", "99", "", "", "", ""}, {}, ""},
        {"first grid first",
         {"Y", "b", "0", "", "", "", ""},
         {"Y", "s", "0", "", "", "", ""},
         "Error row 2!! [Modbus Read] Slave ID must be between 1 and 247"},
        {"second grid",
         {"Y", "b", "2", "", "", "", ""},
         {"Y", "s", "x", "", "", "", ""},
         "Error row 1!! [Modbus Read] Slave ID must be between 1 and 247"},
        {"limit after the message",
         {},
         {"Y", "s", "1", "", "", "", "h"},
         "Error row 1!! [Modbus Read] Type must be Coil Status or Input Status or Holding Register or Input "
         "Register7"},
    };
    for (const auto& c : cases) {
        SheetCells t(frameSheet());
        t[0].SetRow(1, {"Y", "a", "1", "", "", "", ""});
        t[0].SetRow(2, c.first2);
        t[0].SetRow(3, {"Y", "", "0", "", "", "", ""}); // ends the first table: its bad count is never tested
        t[0].SetRow(4, {"Y", "d", "0", "", "", "", ""});
        t[1].SetRow(1, c.second1);
        t[1].SetColumnShown(7, true);
        EXPECT_EQ(t.FaultText(), QString::fromUtf8(c.expected)) << c.name;
    }
}

TEST(TableCheck, AnEmptyTablePassesWithoutAnyTest) {
    SheetCells t(frameSheet());
    t[0].SetRow(2, {"Y", "b", "0", "", "", "", ""});
    EXPECT_EQ(t.FaultText(), "");
    EXPECT_EQ(
        t.Write(),
        "<Frame_Table>\r\n  <First />\r\n  <Second />\r\n</Frame_Table>\r\n<!--SW_VERSION = 1.003-->\r\n");
}

} // namespace

namespace {
TEST(TableFile, LineBreaksAndTabsInCellsSurviveTheFile) {
    SheetCells t(frameSheet());
    t[0].SetRow(1, {"Y", "a", "1", "line 1\r\nline 2\n\tend ", " lead", "N", ""});
    SheetCells back(frameSheet());
    EXPECT_TRUE(back.Load(t.Write()).Complete);
    EXPECT_EQ(back[0].Row(1), t[0].Row(1));
}
} // namespace
