// Cells as XML: what the writer puts in the document, texts read back under the empty-cell settings, the
// placement of attributes, levels and header names, and documents that are refused.
#include "controls/grid/exchange/XmlCellFormat.h"

#include "ExchangeCases.h"
#include "TestSupport.h"
#include "controls/grid/BaseGrid.h"
#include "toolkit/services/XmlDoc.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace xmlcellformat_test {

using exchangecases::Table;

const XmlCellNames kNames{"list", "rec", {"id", "name"}};

QByteArray WriteXml(GridCellStore& Store, bool ExportEmpty, bool QuoteEmpty, const String& Encoding = "UTF-8",
                    ExchangeLayout Layout = {}) {
    StoreExchange grid(Store, Layout);
    return XmlCellWriter(ExportEmpty, QuoteEmpty).Write(grid, kNames, Encoding);
}

// Loads the document into a fresh 1 x 1 store with the layout and gives its shown cells.
Table LoadXml(const QByteArray& Xml, bool LevelToRow = false, bool FieldNames = false, bool QuoteEmpty = true,
              ExchangeLayout Layout = {}) {
    TXMLDocument doc;
    EXPECT_TRUE(doc.LoadFromBytes(Xml)) << doc.ErrorText().toStdString();
    GridCellStore store(1, 1);
    StoreExchange grid(store, Layout);
    XmlCellReader(LevelToRow, FieldNames, QuoteEmpty).Load(grid, doc.DocumentElement(), "test");
    return exchangecases::Read(store);
}

TEST(XmlCellWriter, WritesRecordsOfNamedFieldsWithRealEscaping) {
    GridCellStore store(1, 1);
    exchangecases::Fill(store, {{"a&b", "<x>", "\"q\""}, {"", "mid", ""}});
    EXPECT_EQ(WriteXml(store, false, true), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                            "<list>\r\n"
                                            "  <rec>\r\n"
                                            "    <id>a&amp;b</id>\r\n"
                                            "    <name>&lt;x&gt;</name>\r\n"
                                            "    <FIELD2>\"q\"</FIELD2>\r\n"
                                            "  </rec>\r\n"
                                            "  <rec>\r\n"
                                            "    <name>mid</name>\r\n"
                                            "  </rec>\r\n"
                                            "</list>\r\n");
    const QByteArray empties = WriteXml(store, true, true);
    EXPECT_TRUE(empties.contains("<id>\"\"</id>"));
    EXPECT_TRUE(WriteXml(store, true, false).contains("<id />"));
    // Cells a merged area covers are left out.
    store.MakeProperties(0, 0)->SetCellSpanX(1);
    store.MakeProperties(1, 0)->SetIsBaseCell(false);
    EXPECT_FALSE(WriteXml(store, false, true).contains("&lt;x&gt;"));
}

TEST(XmlCellWriter, RefusesNamesAndCharactersXmlCannotCarry) {
    struct Case {
        const char* Name;
        XmlCellNames Names;
        QString Cell;
    };
    const Case cases[] = {
        {"list name", {"1list", "rec", {}}, "a"},
        {"record name", {"list", "a b", {}}, "a"},
        {"field name", {"list", "rec", {"<f>"}}, "a"},
        {"control character", {"list", "rec", {}}, QString("bell\a")},
        {"lone surrogate", {"list", "rec", {}}, QString(QChar(0xD800))},
    };
    for (const Case& c : cases) {
        GridCellStore store(1, 1);
        store.SetText(0, 0, c.Cell);
        StoreExchange grid(store);
        EXPECT_THROW(XmlCellWriter(false, true).Write(grid, c.Names, "UTF-8"), EQvGridError) << c.Name;
    }
}

TEST(XmlCellFormat, TextsComeBackUnderEveryEncodingAndEmptyCellSetting) {
    Table hard = exchangecases::HardCells();
    hard[2][3] = "not empty"; // two quotes alone are the empty cell's mark
    const char* encodings[] = {"UTF-8", "ISO-8859-1", "US-ASCII", "UTF-16"};
    for (const char* encoding : encodings) {
        GridCellStore store(1, 1);
        exchangecases::Fill(store, hard);
        EXPECT_EQ(LoadXml(WriteXml(store, true, true, encoding)), hard) << encoding;
    }
    // Without ExportEmptyCells an empty cell leaves no element: the cells after it move left.
    GridCellStore store(1, 1);
    exchangecases::Fill(store, {{"a", "", "c"}});
    EXPECT_EQ(LoadXml(WriteXml(store, false, true)), (Table{{"a", "c"}}));
    EXPECT_EQ(LoadXml(WriteXml(store, true, false), false, false, false), (Table{{"a", "", "c"}}));
}

TEST(XmlCellReader, PlacesAttributesLevelsAndHeaderNames) {
    ExchangeLayout headed;
    headed.FixedRows = 1;
    headed.SaveFixedCells = true;
    struct Case {
        const char* Name;
        QByteArray Xml;
        bool LevelToRow;
        bool FieldNames;
        ExchangeLayout Layout;
        Table Cells;
    };
    const Case cases[] = {
        {"one field", "<l><r><f>x</f></r></l>", false, false, {}, {{"x"}}},
        {"older files' $amp;",
         "<l><r><a>$amp;</a><b>x $amp; y</b></r></l>",
         false,
         false,
         {},
         {{"&", "x & y"}}},
        {"field names into row 0",
         "<l><r><FIELD0>a</FIELD0><FIELD1>b</FIELD1></r><r><FIELD0>c</FIELD0><FIELD1>d</FIELD1></r></l>",
         false,
         true,
         headed,
         {{"FIELD0", "FIELD1"}, {"a", "b"}, {"c", "d"}}},
        // With the fixed row saved the data starts in row 0 too: the values take the names' places.
        {"attributes, then children",
         "<l><r id=\"1\" k=\"v\"><f>a</f><g>b</g></r></l>",
         false,
         false,
         headed,
         {{"1", "v", "a", "b"}}},
        {"levels to rows",
         "<l><r><a>1</a><b><c>2</c><d>3</d></b></r></l>",
         true,
         false,
         {},
         {{"1", ""}, {"2", "3"}}},
        {"empty element", "<l><r><a/><b>x</b></r></l>", false, false, {}, {{"", "x"}}},
        {"one child's text", "<l><r><a><i>y</i></a><b>z</b></r></l>", false, false, {}, {{"y", "z"}}},
        {"mixed content is a level",
         "<l><r><a>x<i>y</i></a><b>z</b></r></l>",
         false,
         false,
         {},
         {{"x", "y", "z"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadXml(c.Xml, c.LevelToRow, c.FieldNames, true, c.Layout), c.Cells) << c.Name;
}

TEST(XmlCellReader, ADocumentThatNestsTooDeepOrBringsTooMuchChangesNothing) {
    const int depth = XmlCellReader::kMaxLevels + 2;
    QByteArray deep = "<l><r>";
    for (int i = 0; i < depth; ++i)
        deep += "<a>x</a><a>";
    deep += "y";
    for (int i = 0; i < depth; ++i)
        deep += "</a>";
    deep += "</r></l>";
    QByteArray wide = "<l><r>";
    for (int i = 0; i <= kExchangeMaxColumns; ++i)
        wide += "<a>x</a>";
    wide += "</r></l>";
    for (const QByteArray& xml : {deep, wide}) {
        TXMLDocument doc;
        ASSERT_TRUE(doc.LoadFromBytes(xml));
        GridCellStore store(2, 2);
        store.SetText(0, 0, "before");
        StoreExchange grid(store);
        EXPECT_THROW(XmlCellReader(false, false, true).Load(grid, doc.DocumentElement(), "big.xml"),
                     EQvGridError);
        EXPECT_EQ(exchangecases::Read(store), (Table{{"before", ""}, {"", ""}}));
    }
}

TEST(XmlCellWriter, AnXmlCheckerAcceptsTheDocumentInEveryEncoding) {
    const QString xmllint = QStandardPaths::findExecutable("xmllint");
    if (xmllint.isEmpty()) GTEST_SKIP() << "no xmllint on this machine";
    GridCellStore store(1, 1);
    exchangecases::Fill(store, exchangecases::HardCells());
    for (const char* encoding : {"UTF-8", "ISO-8859-1", "US-ASCII", "UTF-16"}) {
        const QString path = qvtest::TempDir() + "/cells.xml";
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteXml(store, true, true, encoding));
        file.close();
        QProcess check;
        check.start(xmllint, {"--noout", path});
        ASSERT_TRUE(check.waitForFinished());
        EXPECT_EQ(check.exitCode(), 0) << encoding << ": " << check.readAllStandardError().toStdString();
    }
}

} // namespace xmlcellformat_test
