// The row sorter over the plain cell store: every style from a table of cases, blanks, prefix and suffix,
// ties going on to the following columns, a consistent and stable order over mixed cells, hidden rows
// staying in place, and the sort settings' text.
#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/QvUtil.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/data/RowSorter.h"
#include "toolkit/system/DateUtils.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace rowsorter_test {

// One column of texts (and a second one, when given) in a store; the sorted texts of the first column.
QStringList SortedTexts(const QStringList& Texts, const SortColumnRule& Rule, const SortOptions& Options = {},
                        const SortCellHooks& Hooks = {}, const QStringList& Second = {}) {
    const int n = static_cast<int>(Texts.size());
    GridCellStore store(2, n);
    for (int r = 0; r < n; ++r) {
        store.SetText(0, r, Texts[r]);
        // Check boxes live in cells with properties.
        store.MakeProperties(0, r);
        if (r < Second.size()) store.SetText(1, r, Second[r]);
    }
    RowSorter sorter(store, Options, Hooks);
    std::vector<SortColumnRule> rules{Rule};
    if (!Second.isEmpty()) {
        SortColumnRule next = Rule;
        next.Col = 1;
        rules.push_back(next);
    }
    sorter.SetRules(rules);
    std::vector<int> order = IdentityRowOrder(n);
    sorter.Sort(order, 0, n - 1);
    store.PermuteRows(order);
    QStringList out;
    for (int r = 0; r < n; ++r)
        out << store.Text(0, r);
    return out;
}

SortColumnRule Rule(TSortStyle Style, bool Descending = false, const String& Prefix = String(),
                    const String& Suffix = String()) {
    SortColumnRule rule;
    rule.Style = Style;
    rule.Descending = Descending;
    rule.Prefix = Prefix;
    rule.Suffix = Suffix;
    return rule;
}

// Texts in the running locale's forms.
String Thousands(const String& High, const String& Low) {
    return High + LocaleThousandSeparator() + Low;
}
String Decimal(const String& Whole, const String& Fraction) {
    return Whole + LocaleDecimalSeparator() + Fraction;
}
String Date(int Year, int Month, int Day) {
    TDateTime d = 0;
    TryDateFromParts(Year, Month, Day, d);
    return DateToStr(d);
}
String Time(int Hour, int Minute) {
    return QString::number(Hour) + LocaleTimeSeparator() + QString::number(Minute).rightJustified(2, u'0');
}

TEST(RowSorterStyles, EachStyleOrdersItsTexts) {
    struct Case {
        const char* name;
        SortColumnRule rule;
        QStringList texts;
        QStringList sorted;
    };
    const Case cases[] = {
        {"automatic reads numbers", Rule(ssAutomatic), {"10", "9", "100"}, {"9", "10", "100"}},
        {"alphabetic compares the texts", Rule(ssAlphabetic), {"10", "9", "100"}, {"10", "100", "9"}},
        {"alphabetic puts capitals first", Rule(ssAlphabetic), {"b", "A", "a"}, {"A", "a", "b"}},
        {"no case ties A and a", Rule(ssAlphaNoCase), {"b", "A", "a"}, {"A", "a", "b"}},
        {"no case, the other way in", Rule(ssAlphaNoCase), {"b", "a", "A"}, {"a", "A", "b"}},
        {"descending", Rule(ssAutomatic, true), {"10", "9", "100"}, {"100", "10", "9"}},
        {"prefix and suffix",
         Rule(ssNumeric, false, "$", "%"),
         {"$40%", "$5%", "$12%"},
         {"$5%", "$12%", "$40%"}},
        {"numeric: an empty cell is 0, a word after every number",
         Rule(ssNumeric),
         {"x", "3", "", "-1", "y"},
         {"-1", "", "3", "x", "y"}},
        {"numeric: thousands do not read",
         Rule(ssNumeric),
         {Thousands(Thousands("1", "000"), "000"), "5"},
         {"5", Thousands(Thousands("1", "000"), "000")}},
        {"financial reads thousands",
         Rule(ssFinancial),
         {Thousands("1", Decimal("000", "5")), "999"},
         {"999", Thousands("1", Decimal("000", "5"))}},
        {"automatic: numbers, dates, texts",
         Rule(ssAutomatic),
         {"b", Date(2021, 3, 4), "10", "a", Date(2020, 12, 31), "2"},
         {"2", "10", Date(2020, 12, 31), Date(2021, 3, 4), "a", "b"}},
        {"automatic: times",
         Rule(ssAutomatic),
         {Time(13, 5), Time(9, 30), "x"},
         {Time(9, 30), Time(13, 5), "x"}},
        {"automatic compares texts with case", Rule(ssAutomatic), {"b", "B", "a"}, {"B", "a", "b"}},
        {"date",
         Rule(ssDate),
         {Date(2021, 3, 4), "", Date(2020, 12, 31)},
         {"", Date(2020, 12, 31), Date(2021, 3, 4)}},
        {"time", Rule(ssTime), {Time(13, 5), Time(9, 30)}, {Time(9, 30), Time(13, 5)}},
        {"short date EU",
         Rule(ssShortDateEU),
         {"2-1-2021", "31/12/2020", "1.1.21"},
         {"31/12/2020", "1.1.21", "2-1-2021"}},
        {"short date US",
         Rule(ssShortDateUS),
         {"1/2/2021", "12/31/2020", "1/1/21"},
         {"12/31/2020", "1/1/21", "1/2/2021"}},
        {"alphanumeric: numbers before texts", Rule(ssAlphaNumeric), {"1a", "10", "2"}, {"2", "10", "1a"}},
        {"HTML without its tags", Rule(ssHTML), {"<b>b</b>", "a", "<i>c</i>"}, {"a", "<b>b</b>", "<i>c</i>"}},
        {"an unknown style keeps the order",
         Rule(static_cast<TSortStyle>(31)),
         {"c", "a", "b"},
         {"c", "a", "b"}},
        {"custom without a handler keeps the order", Rule(ssCustom), {"c", "a", "b"}, {"c", "a", "b"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(SortedTexts(k.texts, k.rule), k.sorted);
    }
}

TEST(RowSorterStyles, NoCaseTiesGoOnToTheNextColumn) {
    // A and a tie on the first column; the second decides.
    EXPECT_EQ(SortedTexts({"b", "A", "a"}, Rule(ssAlphaNoCase), {}, {}, {"1", "2", "1"}),
              (QStringList{"a", "A", "b"}));
}

TEST(RowSorterStyles, BlanksStayAtTheirEndInBothDirections) {
    struct Case {
        const char* name;
        TSortBlankPosition pos;
        bool descending;
        QStringList sorted;
    };
    const Case cases[] = {
        {"last, ascending", blLast, false, {"a", "b", "", ""}},
        {"last, descending", blLast, true, {"b", "a", "", ""}},
        {"first, ascending", blFirst, false, {"", "", "a", "b"}},
        {"first, descending", blFirst, true, {"", "", "b", "a"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        SortOptions options;
        options.BlanksApart = true;
        options.BlankPos = k.pos;
        EXPECT_EQ(SortedTexts({"b", "", "a", ""}, Rule(ssAlphabetic, k.descending), options), k.sorted);
    }
}

TEST(RowSorterStyles, HooksAnswerCheckBoxesImagesAndCustomAndRawComparisons) {
    SortCellHooks hooks;
    // Rows 1 and 3 are checked boxes, row 2 holds no box; the image of a row is its text's length.
    hooks.CheckState = [](int, int Row) { return Row == 2 ? -1 : (Row % 2 ? 1 : 0); };
    hooks.ImageRef = [](int, int Row) { return qint64(3 - Row); };
    hooks.CustomCompare = [](const String& a, const String& b) { return int(a.size() - b.size()); };
    // Raw: the later display row first.
    hooks.RawCompare = [](int, int a, int b) { return b - a; };
    const QStringList texts{"aaa", "b", "cc", "dddd"};
    struct Case {
        const char* name;
        TSortStyle style;
        QStringList sorted;
    };
    const Case cases[] = {
        {"check boxes, unchecked first", ssCheckBox, {"aaa", "cc", "b", "dddd"}},
        {"automatic: boxes before texts", ssAutomatic, {"aaa", "b", "dddd", "cc"}},
        {"images", ssImages, {"dddd", "cc", "b", "aaa"}},
        {"custom", ssCustom, {"b", "cc", "aaa", "dddd"}},
        {"raw", ssRaw, {"dddd", "cc", "b", "aaa"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(SortedTexts(texts, Rule(k.style), {}, hooks), k.sorted);
    }
}

// Mixed cells in every class: after sorting, every earlier row compares at most equal to every later one, and
// equal rows keep the order they had.
TEST(RowSorterOrder, MixedCellsSortIntoAConsistentStableOrder) {
    std::mt19937 random(35);
    const QStringList pieces{
        "",   "7",  "-3", "10", "2.5", Date(2020, 1, 2), Date(2019, 5, 6), Time(8, 15), "a", "B", "b",
        "x1", "1x", "$4", " ",  "1e3"};
    for (TSortStyle style : {ssAutomatic, ssNumeric, ssAlphaNumeric, ssAlphaNoCase, ssDate, ssFinancial}) {
        SCOPED_TRACE(int(style));
        const int n = 80;
        GridCellStore store(2, n);
        for (int r = 0; r < n; ++r) {
            store.SetText(0, r, pieces[int(random() % pieces.size())]);
            store.SetText(1, r, QString::number(r));
        }
        RowSorter sorter(store, {});
        sorter.SetRules({Rule(style)});
        std::vector<int> order = IdentityRowOrder(n);
        sorter.Sort(order, 0, n - 1);
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) {
                const int c = sorter.CompareRows(order[i], order[j]);
                ASSERT_LE(c, 0) << store.Text(0, order[i]).toStdString() << " after "
                                << store.Text(0, order[j]).toStdString();
                if (c == 0) {
                    ASSERT_LT(order[i], order[j]) << "equal rows keep their order";
                }
            }
        EXPECT_GT(sorter.Compares(), 0);
    }
}

TEST(RowSorterOrder, SeveralRulesAndAnIgnoredColumn) {
    GridCellStore store(3, 5);
    const char* rows[][3] = {
        {"b", "1", "x"}, {"a", "2", "y"}, {"b", "2", "z"}, {"a", "1", "w"}, {"b", "1", "v"}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c)
            store.SetText(c, r, rows[r][c]);
    RowSorter sorter(store, {});
    SortColumnRule first = Rule(ssAlphabetic), second = Rule(ssNumeric, true), third = Rule(ssAlphabetic);
    second.Col = 1;
    third.Col = 2;
    third.Ignored = true;
    sorter.SetRules({first, second, third});
    std::vector<int> order = IdentityRowOrder(5);
    sorter.Sort(order, 0, 4);
    // a before b; within each, 2 before 1 (descending); the ignored column leaves b 1 x before b 1 v.
    EXPECT_EQ(order, (std::vector<int>{1, 3, 2, 0, 4}));
}

TEST(RowSorterOrder, ARangeSortsAloneAndHiddenRowsKeepTheirPlaces) {
    GridCellStore store(1, 7);
    const QStringList texts{"head", "d", "c", "hidden", "b", "a", "foot"};
    for (int r = 0; r < 7; ++r)
        store.SetText(0, r, texts[r]);
    store.HideRow(3);
    RowSorter sorter(store, {});
    sorter.SetRules({Rule(ssAlphabetic)});
    // Display rows 1 .. 4 are d, c, b, a; the first and last stay.
    std::vector<int> order = IdentityRowOrder(store.DisplayRowCount());
    sorter.Sort(order, 1, 4);
    store.PermuteRows(order);
    QStringList out;
    for (int r = 0; r < 7; ++r)
        out << store.Text(0, r);
    EXPECT_EQ(out, (QStringList{"head", "a", "b", "hidden", "c", "d", "foot"}));
}

TEST(SortSpecifierText, ReadAndWritten) {
    struct Case {
        const char* text;
        bool indexed, ascending, hasColumn;
        int column;
        const char* indexes;
    };
    const Case cases[] = {
        {"d3", false, false, true, 3, ""},           {"u2", false, true, true, 2, ""},
        {"i;u1;d2", true, true, false, -1, "u1;d2"}, {"uX", false, true, false, -1, ""},
        {"d-1", false, false, true, -1, ""},         {"zz", false, false, false, -1, ""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        const SortSpecifier spec = ReadSortSpecifier(k.text);
        EXPECT_EQ(spec.Indexed, k.indexed);
        if (!k.indexed) {
            EXPECT_EQ(spec.Ascending, k.ascending);
        }
        EXPECT_EQ(spec.HasColumn, k.hasColumn);
        if (k.hasColumn) {
            EXPECT_EQ(spec.Column, k.column);
        }
        EXPECT_EQ(spec.Indexes, QString(k.indexes));
    }
    EXPECT_THROW(ReadSortSpecifier("u"), EQvGridError);
    EXPECT_EQ(WriteSortSpecifier(false, false, 3, String()), "d3");
    EXPECT_EQ(WriteSortSpecifier(false, true, 0, String()), "u0");
    EXPECT_EQ(WriteSortSpecifier(true, true, 3, "u1;d2"), "i;u1;d2");
}

} // namespace rowsorter_test
