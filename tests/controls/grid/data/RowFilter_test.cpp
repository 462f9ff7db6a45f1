// The row filter over the plain cell store: conditions joined by their operations, the texts each kind of
// condition reads, prefix and suffix, literal and expression matching; a filter pass with exempt rows and its
// progress; the narrowing steps of typed text; the value lists and their entries.
#include "controls/grid/QvUtil.h"
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/data/RowFilter.h"

#include <gtest/gtest.h>

#include <vector>

namespace rowfilter_test {

RowFilterCondition Cond(int Col, const String& Condition, TFilterOperation Op = foSHORT,
                        TFilterCells Data = fcVirtual) {
    RowFilterCondition c;
    c.Col = Col;
    c.Condition = Condition;
    c.Operation = Op;
    c.Data = Data;
    return c;
}

struct MatchCase {
    const char* name;
    QStringList row; // the texts of columns 0, 1 and 2 of the one row
    std::vector<RowFilterCondition> conditions;
    bool expected;
};

TEST(RowFilterMatches, ConditionsJoinedByTheirOperations) {
    auto withPrefix = [](RowFilterCondition c, const String& Prefix, const String& Suffix) {
        c.Prefix = Prefix;
        c.Suffix = Suffix;
        return c;
    };
    auto literal = [](RowFilterCondition c, bool CaseSensitive) {
        c.Method = fmLiteral;
        c.CaseSensitive = CaseSensitive;
        return c;
    };
    auto noCase = [](RowFilterCondition c) {
        c.CaseSensitive = false;
        return c;
    };
    const MatchCase cases[] = {
        {"no condition", {"a", "b", ""}, {}, true},
        {"empty condition accepts", {"a", "b", ""}, {Cond(0, "")}, true},
        {"matching", {"apple", "b", ""}, {Cond(0, "ap*")}, true},
        {"failing", {"apple", "b", ""}, {Cond(0, "x*")}, false},
        {"or: first matches", {"a", "b", ""}, {Cond(0, "a", foNONE), Cond(1, "x", foOR)}, true},
        {"or: second matches", {"a", "b", ""}, {Cond(0, "x", foNONE), Cond(1, "b", foOR)}, true},
        {"or: neither", {"a", "b", ""}, {Cond(0, "x", foNONE), Cond(1, "y", foOR)}, false},
        {"and: both", {"a", "b", ""}, {Cond(0, "a", foNONE), Cond(1, "b", foAND)}, true},
        {"and: one", {"a", "b", ""}, {Cond(0, "a", foNONE), Cond(1, "x", foAND)}, false},
        {"xor: one", {"a", "b", ""}, {Cond(0, "a", foNONE), Cond(1, "x", foXOR)}, true},
        {"xor: both", {"a", "b", ""}, {Cond(0, "a", foNONE), Cond(1, "b", foXOR)}, false},
        {"a failing short condition ends the test",
         {"a", "b", ""},
         {Cond(0, "x"), Cond(1, "b", foOR)},
         false},
        {"a matching short condition goes on", {"a", "b", ""}, {Cond(0, "a"), Cond(1, "x", foAND)}, false},
        {"prefix and suffix", {"$12 EUR", "", ""}, {withPrefix(Cond(0, "12"), "$", " EUR")}, true},
        {"prefix only at the start", {"1$2", "", ""}, {withPrefix(Cond(0, "12"), "$", "")}, false},
        {"suffix whose first occurrence does not end the text",
         {"5 EUR EUR", "", ""},
         {withPrefix(Cond(0, "5 EUR"), "", " EUR")},
         false},
        {"literal is exact", {"abc", "", ""}, {literal(Cond(0, "abc"), false)}, true},
        {"literal ignores CaseSensitive", {"ABC", "", ""}, {literal(Cond(0, "abc"), false)}, false},
        {"literal takes no pattern", {"abc", "", ""}, {literal(Cond(0, "a*"), true)}, false},
        {"expression without case", {"ABC", "", ""}, {noCase(Cond(0, "abc"))}, true},
        {"expression with case", {"ABC", "", ""}, {Cond(0, "abc")}, false},
        {"text trimmed", {"  x  ", "", ""}, {Cond(0, "x")}, true},
        {"wide text decoded", {EncodeWideCellText("wide"), "", ""}, {Cond(0, "wide")}, true},
        {"whole row, case ignored", {"a", "xBCy", ""}, {Cond(-1, "bc", foSHORT, fcRow)}, true},
        {"whole row, no match", {"a", "xBCy", ""}, {Cond(-1, "q", foSHORT, fcRow)}, false},
        {"markup stripped", {"<b>bold</b>", "", ""}, {Cond(0, "bold", foSHORT, fcStripHTML)}, true},
        {"markup kept", {"<b>bold</b>", "", ""}, {Cond(0, "bold", foSHORT, fcNormal)}, false},
        {"comparison", {"15", "", ""}, {Cond(0, ">10")}, true},
    };
    for (const MatchCase& c : cases) {
        GridCellStore store(3, 1);
        for (int col = 0; col < 3; ++col)
            store.SetText(col, 0, c.row[col]);
        const RowFilter filter(store, c.conditions);
        EXPECT_EQ(filter.Matches(0), c.expected) << c.name;
    }
}

TEST(RowFilterMatches, ShownStoredAndEvaluatedTextsAndTheCustomHook) {
    // Row 0 is hidden: display row 0 is real row 1.
    GridCellStore store(1, 3);
    store.SetText(0, 0, "hidden");
    store.SetText(0, 1, "stored");
    store.SetText(0, 2, "other");
    store.HideRow(0);
    store.OnShownText = [](int, int, String& Value) { Value = "shown-" + Value; };
    const struct {
        TFilterCells data;
        const char* condition;
        bool expected;
    } cases[] = {
        {fcVirtual, "shown-stored", true}, {fcVirtual, "stored", false},   {fcNormal, "stored", true},
        {fcNormal, "hidden", false},       {fcCalculated, "calc-0", true}, {fcCalculated, "stored", false},
    };
    RowFilterHooks hooks;
    hooks.EvaluatedText = [](int, int DisplayRow) { return "calc-" + QString::number(DisplayRow); };
    for (const auto& c : cases) {
        const RowFilter filter(store, {Cond(0, c.condition, foSHORT, c.data)}, hooks);
        EXPECT_EQ(filter.Matches(0), c.expected) << c.condition;
    }

    hooks.CustomFilter = [](int DisplayRow, bool& Accept) {
        if (DisplayRow == 1) Accept = !Accept;
    };
    const RowFilter custom(store, {Cond(0, "stored", foSHORT, fcNormal)}, hooks);
    EXPECT_TRUE(custom.Matches(0));
    EXPECT_TRUE(custom.Matches(1)) << "the hook turns a failing row round";
}

TEST(RowFilterPass, ExemptRowsAreNeitherTestedNorCountedAndProgressRounds) {
    std::vector<int> tested, progress;
    const std::vector<int> failing = FailingRows(
        10, 14,
        [&](int r) {
            tested.push_back(r);
            return r != 11 && r != 13;
        },
        [](int r) { return r == 12; }, [&](int p) { progress.push_back(p); });
    EXPECT_EQ(failing, (std::vector<int>{11, 13}));
    EXPECT_EQ(tested, (std::vector<int>{10, 11, 13, 14}));
    EXPECT_EQ(progress, (std::vector<int>{20, 40, 60, 80, 80}));
    EXPECT_TRUE(FailingRows(5, 4, [](int) { return false; }).empty());

    const struct {
        int tested, total, expected;
    } rounding[] = {{1, 8, 12}, {3, 8, 38}, {1, 200, 0}, {3, 200, 2}, {5, 5, 100}, {0, 0, 0}, {2, 3, 67}};
    for (const auto& c : rounding)
        EXPECT_EQ(FilterProgressPercent(c.tested, c.total), c.expected) << c.tested << "/" << c.total;
}

TEST(RowFilterNarrowing, StepsAndConditions) {
    const struct {
        const char *last, *next;
        NarrowStep expected;
    } steps[] = {
        {"", "a", NarrowStep::Stack},    {"a", "ab", NarrowStep::Stack},    {"a", "a ", NarrowStep::Stack},
        {"ab", "a", NarrowStep::Undo},   {"a", "", NarrowStep::Restart},    {"ab", "x", NarrowStep::Restart},
        {"a", "a", NarrowStep::Restart}, {"a", "abc", NarrowStep::Restart}, {"ab", "b", NarrowStep::Restart},
    };
    for (const auto& s : steps)
        EXPECT_EQ(NarrowDownStep(s.last, s.next), s.expected) << s.last << " -> " << s.next;

    const RowFilterCondition inColumn = NarrowDownCondition("a b", 2);
    EXPECT_EQ(inColumn.Condition, "\"*a b*\"");
    EXPECT_EQ(inColumn.Data, fcNormal);
    EXPECT_EQ(inColumn.Col, 2);
    EXPECT_FALSE(inColumn.CaseSensitive);
    EXPECT_EQ(NarrowDownCondition("ab", 1).Condition, "*ab*");
    const RowFilterCondition wholeRow = NarrowDownCondition("ab", -1);
    EXPECT_EQ(wholeRow.Condition, "ab");
    EXPECT_EQ(wholeRow.Data, fcRow);

    // The quoted condition finds the text with its blank, in any case.
    GridCellStore store(3, 2);
    store.SetText(2, 0, "XA By");
    store.SetText(2, 1, "a-b");
    const RowFilter filter(store, {inColumn});
    EXPECT_TRUE(filter.Matches(0));
    EXPECT_FALSE(filter.Matches(1));
}

TEST(RowFilterValueLists, EntriesAndDistinctValues) {
    const struct {
        const char *entry, *name, *condition;
    } entries[] = {{"a", "a", "a"}, {"Big=>100", "Big", ">100"}, {"x=y=z", "x", "y=z"}, {"=", "", ""}};
    for (const auto& e : entries) {
        const FilterListEntry split = SplitFilterListEntry(e.entry);
        EXPECT_EQ(split.Name, e.name) << e.entry;
        EXPECT_EQ(split.Condition, e.condition) << e.entry;
    }
    EXPECT_EQ(FilterListEntryFor("two words"), "two words=\"two words\"");
    EXPECT_EQ(FilterListEntryFor("one"), "one");

    // Row 0 a header, row 4 a footer; row 2 hidden.
    GridCellStore store(2, 6);
    const char* texts[] = {"Head", " b ", "hidden one", "B", "a", "Foot"};
    for (int r = 0; r < 6; ++r)
        store.SetText(1, r, texts[r]);
    store.HideRow(2);
    FilterValueListOptions options;
    options.Col = 1;
    options.FirstRow = 1;
    options.LastRow = 3;
    options.ClearEntry = "(All)";
    EXPECT_EQ(BuildFilterValues(store, options),
              (QStringList{"(All)", "a", "b", "hidden one=\"hidden one\""}))
        << "the first of the texts equal but for case stays";
    options.HiddenRows = false;
    options.ClearEntry.clear();
    EXPECT_EQ(BuildFilterValues(store, options), (QStringList{"a", "b"}));
}

} // namespace rowfilter_test
