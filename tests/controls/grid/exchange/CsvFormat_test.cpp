// Delimited text: fields as written, delimiter detection, records as parsed, round trips of hard texts under
// every setting, where loaded records land, and files that bring too much.
#include "controls/grid/exchange/CsvFormat.h"

#include "ExchangeCases.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace csvformat_test {

using exchangecases::Table;

CsvSettings Csv(QChar Delimiter = QChar(0), bool AlwaysQuotes = false, bool QuoteEmpty = true,
                bool Java = false) {
    CsvSettings s;
    s.Delimiter = Delimiter;
    s.AlwaysQuotes = AlwaysQuotes;
    s.QuoteEmptyCells = QuoteEmpty;
    s.JavaCSV = Java;
    return s;
}

Table Records(const CsvRecords& Parsed) {
    Table out;
    for (int r = 0; r < Parsed.Count(); ++r) {
        QStringList row;
        for (size_t k = Parsed.Begin(r); k < Parsed.Ends[size_t(r)]; ++k)
            row << Parsed.Fields[k];
        out.push_back(row);
    }
    return out;
}

TEST(CsvWriter, FieldsAreQuotedAndEncodedAsTheSettingsSay) {
    struct Case {
        const char* Name;
        CsvSettings Settings;
        QString Text;
        QString Field;
    };
    const Case cases[] = {
        {"plain", Csv(), "a", "a"},
        {"quote without delimiter", Csv(), "b\"c", "\"b\"\"c\""},
        {"delimiter", Csv(), "x,y", "\"x,y\""},
        {"empty", Csv(), "", "\"\""},
        {"empty, unquoted", Csv(QChar(0), false, false), "", ""},
        {"line break as VT", Csv(), "p\r\nq", "\"p\vq\""},
        {"delimiter and line break", Csv(), "a,b\r\nc", "\"a,b\vc\""},
        {"quoted text keeps its line breaks", Csv(), "q\"\r\nr", "\"q\"\"\r\nr\""},
        {"bare line feed is quoted", Csv(), "a\nb", "\"a\nb\""},
        {"leading blank is quoted", Csv(), " lead", "\" lead\""},
        {"always quotes", Csv(QChar(0), true), "a", "\"a\""},
        {"always quotes, empty", Csv(QChar(0), true, false), "", "\"\""},
        {"other delimiter", Csv(QChar(';')), "x,y", "x,y"},
        {"other delimiter in text", Csv(QChar(';')), "a;b", "\"a;b\""},
        {"java: empty", Csv(QChar(0), false, true, true), "", "^"},
        {"java: line breaks", Csv(QChar(0), false, true, true), "p\r\nq\nr\rs", "p~q~r~s"},
        {"java: delimiter stays quoted", Csv(QChar(0), false, true, true), "x,y\r\nz", "\"x,y~z\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CsvWriter(c.Settings).Field(c.Text), c.Field) << c.Name;
}

TEST(CsvWriter, WritesTheSaveRowsWithLineEnds) {
    GridCellStore store(4, 2);
    exchangecases::Fill(store, {{"a", "b\"c", "x,y", ""}, {"1", "2", "3", "4"}});
    StoreExchange grid(store);
    EXPECT_EQ(CsvWriter(Csv()).Write(grid), "a,\"b\"\"c\",\"x,y\",\"\"\r\n1,2,3,4\r\n");
    // Without the fixed cells the fixed row and column stay out.
    grid.SetLayout({1, 1, 0, 0, false});
    EXPECT_EQ(CsvWriter(Csv()).Write(grid), "2,3,4\r\n");
}

TEST(CsvReader, DetectsTheDelimiterTheFirstLinesAgreeOn) {
    struct Case {
        QString Text;
        QChar Delimiter;
    };
    const Case cases[] = {
        {"a;b;c\r\nd;e;f", ';'},
        {"a,b;c\r\nd;e,f", ','}, // each once per line: the first candidate wins
        {"x|y|z", '|'},          // a single line: only the last pass finds it
        {"a\tb\tc\nd\te\tf", '\t'},
        {"a,,b;c\r\nd;e", ';'},   // a doubled candidate counts for nothing in the first pass
        {"abc\r\ndef", QChar(0)}, // nothing stands out: one field a line
    };
    for (const Case& c : cases)
        EXPECT_EQ(CsvReader::DetectDelimiter(c.Text), c.Delimiter) << c.Text.toStdString();
}

TEST(CsvReader, ParsesQuotedFieldsOverLinesAndKeepsUnclosedOnes) {
    struct Case {
        const char* Name;
        CsvSettings Settings;
        QString Text;
        Table Records;
    };
    const CsvSettings java = Csv(QChar(','), false, true, true);
    CsvSettings skipFirst = Csv(QChar(','));
    skipFirst.LoadFirstRow = false;
    const Case cases[] = {
        {"trailing delimiter brings no field", Csv(','), "a,b,\r\nc", {{"a", "b"}, {"c"}}},
        {"doubled quote", Csv(','), "\"a\"\"b\",c", {{"a\"b", "c"}}},
        {"padding and rest after the quote", Csv(','), "  \"x\" junk,y", {{"x", "y"}}},
        {"quoted field over lines",
         Csv(','),
         "\"multi\r\nline\",z\r\nnext",
         {{"multi\r\nline", "z"}, {"next"}}},
        {"unclosed quote keeps the rest",
         Csv(','),
         "a,\"open,never\r\nclosed",
         {{"a", "open,never\r\nclosed"}}},
        {"VT is a line break", Csv(','), "p\vq", {{"p\r\nq"}}},
        {"empty lines are empty records", Csv(','), "a\r\n\r\nb", {{"a"}, {}, {"b"}}},
        {"CR, LF and CR LF end lines", Csv(','), "a\rb\nc\r\nd", {{"a"}, {"b"}, {"c"}, {"d"}}},
        {"blanks before a field are padding", Csv(','), "  ,x", {{"", "x"}}},
        {"blanks after a field stay", Csv(','), "a , b", {{"a ", "b"}}},
        {"no delimiter: one field a line", Csv(), "a,b", {{"a,b"}}},
        {"java conventions", java, "^,p~q", {{"", "p\r\nq"}}},
        {"first record skipped", skipFirst, "\"h\r\nh\"\r\na\r\nb", {{"a"}, {"b"}}},
    };
    for (const Case& c : cases) {
        const QChar sep = c.Settings.Delimiter;
        EXPECT_EQ(Records(CsvReader(c.Settings).Parse(c.Text, sep, 0)), c.Records) << c.Name;
    }
    EXPECT_EQ(Records(CsvReader(Csv()).Parse("a\r\nb\r\nc", ',', 2)), (Table{{"a"}, {"b"}}));
}

// Whatever a cell holds comes back as it was, under every setting the writer knows (the JavaCSV convention
// gives every line break back as CR LF).
TEST(CsvFormat, HardTextsComeBackUnderEverySetting) {
    struct Case {
        const char* Name;
        CsvSettings Settings;
    };
    const Case cases[] = {
        {"defaults", Csv(',')},
        {"always quotes", Csv(',', true)},
        {"empty cells unquoted", Csv(',', false, false)},
        {"semicolon", Csv(';')},
        {"tab", Csv('\t')},
        {"java", Csv(',', false, true, true)},
        {"java, always quotes", Csv(';', true, false, true)},
    };
    for (const Case& c : cases) {
        GridCellStore source(1, 1);
        exchangecases::Fill(source, exchangecases::HardCells());
        StoreExchange from(source);
        const String text = CsvWriter(c.Settings).Write(from);
        // A Unicode file's bytes are built without the text: they must be the text's own bytes.
        EXPECT_EQ(CsvWriter(c.Settings).WriteUtf8(from, false), text.toUtf8()) << c.Name;
        EXPECT_EQ(CsvWriter(c.Settings).WriteUtf8(from, true), "\xEF\xBB\xBF" + text.toUtf8()) << c.Name;

        GridCellStore target(1, 1);
        StoreExchange to(target);
        CsvReader(c.Settings).Load(to, text, 0, 0, "test");
        Table expected = exchangecases::HardCells();
        if (c.Settings.JavaCSV)
            for (QStringList& row : expected)
                for (QString& cell : row)
                    cell.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
        EXPECT_EQ(exchangecases::Read(target), expected) << c.Name << "\n" << text.toStdString();
    }
}

TEST(CsvReader, RecordsLandFromTheStartRowAndTheGridEndsWithThem) {
    const String text = "a,b\r\nc,d\r\ne,f\r\n";
    struct Case {
        const char* Name;
        bool SaveFixedCells;
        int RowCount;
        int FirstDataRow;
    };
    const Case cases[] = {{"fixed cells saved", true, 3, 0}, {"fixed cells kept", false, 4, 1}};
    for (const Case& c : cases) {
        GridCellStore store(4, 10);
        store.SetText(3, 0, "kept");
        ExchangeLayout layout;
        layout.FixedRows = 1;
        layout.SaveFixedCells = c.SaveFixedCells;
        StoreExchange grid(store, layout);
        CsvReader(Csv()).Load(grid, text, grid.SaveStartRow(), 0, "test");
        EXPECT_EQ(store.DisplayRowCount(), c.RowCount) << c.Name;
        EXPECT_EQ(store.DisplayColumnCount(), 4) << c.Name << ": columns never shrink";
        EXPECT_EQ(store.Text(0, c.FirstDataRow), "a") << c.Name;
        EXPECT_EQ(store.Text(1, c.FirstDataRow + 2), "f") << c.Name;
        EXPECT_EQ(store.Text(3, 0), "kept") << c.Name << ": cells no record reaches keep their text";
    }
    GridCellStore narrow(1, 1);
    StoreExchange grid(narrow);
    CsvReader(Csv()).Load(grid, "1;2;3\r\n4;5;6", 0, 0, "test");
    EXPECT_EQ(narrow.DisplayColumnCount(), 3);
    EXPECT_EQ(narrow.Text(2, 1), "6");
    EXPECT_THROW(CsvReader(Csv()).Load(grid, "", 0, 0, "test"), Exception);
}

TEST(CsvFormat, HiddenColumnsAreWrittenOnlyWhenAskedAndKeptOnLoad) {
    GridCellStore store(3, 2);
    exchangecases::Fill(store, {{"a", "hidden", "c"}, {"d", "secret", "f"}});
    store.HideColumn(1);
    StoreExchange grid(store);
    EXPECT_EQ(CsvWriter(Csv()).Write(grid), "a,c\r\nd,f\r\n");
    CsvReader(Csv()).Load(grid, "x,y\r\nz,w", 0, 0, "test");
    EXPECT_EQ(exchangecases::Read(store), (Table{{"x", "y"}, {"z", "w"}}));
    EXPECT_EQ(store.Text(1, 0), "hidden");
    ExchangeLayout all;
    all.SaveHiddenCells = true;
    grid.SetLayout(all);
    EXPECT_EQ(CsvWriter(Csv()).Write(grid), "x,hidden,y\r\nz,secret,w\r\n");
}

TEST(CsvReader, AFileThatBringsTooMuchChangesNothing) {
    const String wide = String("a,").repeated(kExchangeMaxColumns) + "a";
    const String tall = String("a,").repeated(kExchangeMaxColumns - 1) + "a" +
                        String("\r\nx").repeated(int(kExchangeMaxCells / kExchangeMaxColumns));
    for (const String& text : {wide, tall}) {
        GridCellStore store(2, 2);
        store.SetText(0, 0, "before");
        StoreExchange grid(store);
        EXPECT_THROW(CsvReader(Csv(',')).Load(grid, text, 0, 0, "big.csv"), EQvGridError);
        EXPECT_EQ(store.DisplayColumnCount(), 2);
        EXPECT_EQ(store.DisplayRowCount(), 2);
        EXPECT_EQ(store.Text(0, 0), "before");
    }
}

} // namespace csvformat_test
