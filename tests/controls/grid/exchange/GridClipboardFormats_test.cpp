// The clipboard's plain text of cells and the smart paste's series, from tables of cases without a window.
#include "controls/grid/exchange/GridClipboardText.h"
#include "controls/grid/exchange/GridSeriesFill.h"
#include "toolkit/system/DateUtils.h"
#include "toolkit/system/SysUtils.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::vector<String>>;

String DateText(int Year, int Month, int Day) {
    TDateTime d = 0;
    EXPECT_TRUE(TryDateFromParts(Year, Month, Day, d));
    return DateToStr(d);
}

// The first `Count` values of a series, empty where it stopped.
std::vector<String> SeriesOf(const String& First, const String& Second, int Count,
                             const String& Format = "%.2f") {
    const GridSeriesFill series(First, Second, Format);
    std::vector<String> values;
    for (int k = 0; k < Count; ++k)
        values.push_back(series.Value(k).value_or(String()));
    return values;
}

} // namespace

TEST(GridClipboardTextFormat, CellsQuoteAndParseBackToTheSameText) {
    struct Case {
        const char* name;
        QString cell;
        QString field;
        QString back; // what the parser gives for the field
    } cases[] = {
        {"plain", "abc", "abc", "abc"},
        {"CR LF as one LF", "x\r\ny", "\"x\ny\"", "x\r\ny"},
        {"a lone LF", "x\ny", "\"x\ny\"", "x\r\ny"},
        {"a tab inside", "a\tb", "\"a\tb\"", "a\tb"},
        {"leading quote doubled", "\"q\" r", "\"\"\"q\"\" r\"", "\"q\" r"},
        {"quote inside stays bare", "say \"hi\"", "say \"hi\"", "say \"hi\""},
        {"empty", "", "", ""},
    };
    for (const Case& tc : cases) {
        EXPECT_EQ(GridClipboardText::QuoteCell(tc.cell, false), tc.field) << tc.name;
        const QString text = "L\t" + tc.field + "\tR\r\nnext";
        const Lines lines = GridClipboardText::Parse(text);
        ASSERT_EQ(lines.size(), 2u) << tc.name;
        EXPECT_EQ(lines[0], (std::vector<String>{"L", tc.back, "R"})) << tc.name;
        EXPECT_EQ(lines[1], (std::vector<String>{"next"})) << tc.name;
    }
    // The spreadsheet form breaks lines with the character 11, read back as CR LF.
    EXPECT_EQ(GridClipboardText::QuoteCell("x\r\ny", true), QString("\"x") + QChar(11) + "y\"");
    EXPECT_EQ(GridClipboardText::Parse(QString("x") + QChar(11) + "y"), (Lines{{"x\r\ny"}}));
}

TEST(GridClipboardTextFormat, LinesFieldsAndBlockSizes) {
    struct Case {
        const char* name;
        QString text;
        Lines lines;
        int cols, rows;
    } cases[] = {
        {"one word", "a", {{"a"}}, 1, 0},
        {"two by two", "a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}, {""}}, 2, 1},
        {"no final break", "a\r\nb", {{"a"}, {"b"}}, 1, 1},
        {"LF and CR alone end lines", "a\nb\rc", {{"a"}, {"b"}, {"c"}}, 1, 2},
        {"trailing tab", "a\t", {{"a", ""}}, 2, 0},
        {"ragged lines", "a\r\nb\tc\td", {{"a"}, {"b", "c", "d"}}, 3, 1},
        {"unclosed quote is plain text", "\"open\tx", {{"\"open", "x"}}, 2, 0},
        {"quote closed mid-field is plain", "\"a\"b\tc", {{"\"a\"b", "c"}}, 2, 0},
        {"empty", "", {{""}}, 0, 0},
    };
    for (const Case& tc : cases) {
        EXPECT_EQ(GridClipboardText::Parse(tc.text), tc.lines) << tc.name;
        int cols = -1, rows = -1;
        GridClipboardText::BlockSize(tc.text, cols, rows);
        EXPECT_EQ(cols, tc.cols) << tc.name;
        EXPECT_EQ(rows, tc.rows) << tc.name;
    }
}

TEST(GridSeriesFillFormat, SeriesContinueFromTheirFirstTwoValues) {
    SetDecimalSeparatorOverride(QChar(','));
    struct Case {
        const char* name;
        String first, second;
        GridSeriesFill::Kind kind;
        std::vector<String> values;
    } cases[] = {
        {"rising whole numbers", "1", "2", GridSeriesFill::Kind::Integer, {"1", "2", "3", "4", "5"}},
        {"falling whole numbers", "10", "8", GridSeriesFill::Kind::Integer, {"10", "8", "6", "4", "2"}},
        {"decimals in the float format",
         "1,5",
         "2",
         GridSeriesFill::Kind::Decimal,
         {"1,50", "2,00", "2,50", "3,00", "3,50"}},
        {"words repeat", "a", "b", GridSeriesFill::Kind::Pattern, {"", "", "", "", ""}},
        {"months wrap the year",
         DateText(2024, 11, 15),
         DateText(2024, 12, 15),
         GridSeriesFill::Kind::DateTime,
         {DateText(2024, 11, 15), DateText(2024, 12, 15), DateText(2025, 1, 15), DateText(2025, 2, 15),
          DateText(2025, 3, 15)}},
        {"days back",
         DateText(2024, 3, 2),
         DateText(2024, 3, 1),
         GridSeriesFill::Kind::DateTime,
         {DateText(2024, 3, 2), DateText(2024, 3, 1), DateText(2024, 2, 29), DateText(2024, 2, 28),
          DateText(2024, 2, 27)}},
        {"months from the 31st clamp to the month's end",
         DateText(2023, 1, 31),
         DateText(2023, 2, 28),
         GridSeriesFill::Kind::DateTime,
         {DateText(2023, 1, 31), DateText(2023, 2, 28), DateText(2023, 3, 31), DateText(2023, 4, 30),
          DateText(2023, 5, 31)}},
        {"years",
         DateText(2020, 2, 29),
         DateText(2021, 2, 28),
         GridSeriesFill::Kind::DateTime,
         {DateText(2020, 2, 29), DateText(2021, 2, 28), DateText(2022, 2, 28), DateText(2023, 2, 28),
          DateText(2024, 2, 29)}},
        {"stops before running past 64 bits",
         "9223372036854775806",
         "9223372036854775807",
         GridSeriesFill::Kind::Integer,
         {"9223372036854775806", "9223372036854775807", "", "", ""}},
    };
    for (const Case& tc : cases) {
        EXPECT_EQ(GridSeriesFill(tc.first, tc.second, "%.2f").SeriesKind(), tc.kind) << tc.name;
        EXPECT_EQ(SeriesOf(tc.first, tc.second, 5), tc.values) << tc.name;
    }
    SetDecimalSeparatorOverride(QChar());
}
