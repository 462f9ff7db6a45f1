// The cell search over the plain cell store: walk order and direction, the end of a walk, the match modes,
// hidden and ignored columns, replacing once per cell and the keyboard lookup.
#include "controls/grid/QvUtil.h"
#include "controls/grid/data/CellSearch.h"
#include "controls/grid/data/GridCellStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace cellsearch_test {

// A store of Cols x Rows from row-major texts.
void Fill(GridCellStore& Store, const QStringList& Texts) {
    for (int i = 0; i < Texts.size(); ++i)
        Store.SetText(i % Store.ColumnCount(), i / Store.ColumnCount(), Texts[i]);
}

CellSearchArea Whole(const IGridCells& Cells) {
    return {0, 0, Cells.DisplayColumnCount() - 1, Cells.DisplayRowCount() - 1};
}

// Every match of a walk from the first cell to its end.
std::vector<TPoint> AllMatches(const CellSearch& Search) {
    std::vector<TPoint> out;
    for (TPoint p = Search.Next(TPoint(-1, -1)); p.X >= 0 && out.size() < 100; p = Search.Next(p))
        out.push_back(p);
    return out;
}

TEST(CellSearchWalk, OrderAndDirectionDecideWhichMatchComesFirst) {
    // (2, 1) and (1, 2) hold the text; the walk reaches one of them first.
    GridCellStore store(3, 3);
    store.SetText(2, 1, "x");
    store.SetText(1, 2, "x");
    struct Case {
        const char* name;
        TFindParameters params;
        std::vector<TPoint> expected;
    };
    const Case cases[] = {
        {"column by column", 0, {{1, 2}, {2, 1}}},
        {"row by row", FindParamSet({fnDirectionLeftRight}), {{2, 1}, {1, 2}}},
        {"column by column backwards", FindParamSet({fnBackward}), {{2, 1}, {1, 2}}},
        {"row by row backwards", FindParamSet({fnDirectionLeftRight, fnBackward}), {{1, 2}, {2, 1}}},
    };
    for (const Case& c : cases) {
        const CellSearch search(store, "x", c.params, Whole(store));
        EXPECT_EQ(AllMatches(search), c.expected) << c.name;
    }
}

TEST(CellSearchWalk, EndsAfterTheLastMatchAndStartsAgainFromNoCell) {
    GridCellStore store(3, 3);
    Fill(store, {"a", "", "", "", "", "", "", "", "a"});
    const CellSearch search(store, "a", 0, Whole(store));
    const TPoint first = search.Next(TPoint(-1, -1));
    EXPECT_EQ(first, TPoint(0, 0));
    const TPoint last = search.Next(first);
    EXPECT_EQ(last, TPoint(2, 2));
    EXPECT_EQ(search.Next(last), TPoint(-1, -1));
    // A start outside the area (the grid shrank since) is no reason to find nothing.
    EXPECT_EQ(search.Next(TPoint(7, 7)), TPoint(0, 0));
    // An area without cells finds nothing.
    EXPECT_EQ(CellSearch(store, "a", 0, CellSearchArea{1, 1, 0, 2}).Next(TPoint(-1, -1)), TPoint(-1, -1));
}

TEST(CellSearchWalk, StaysInsideTheArea) {
    GridCellStore store(3, 3);
    Fill(store, {"a", "a", "a", "a", "a", "a", "a", "a", "a"});
    // One row, as the current or preset row narrows it: the walk ends at the row's end.
    const CellSearch row(store, "a", FindParamSet({fnDirectionLeftRight}), CellSearchArea{1, 1, 2, 1});
    EXPECT_EQ(AllMatches(row), (std::vector<TPoint>{{1, 1}, {2, 1}}));
    const CellSearch col(store, "a", 0, CellSearchArea{2, 0, 2, 2});
    EXPECT_EQ(AllMatches(col), (std::vector<TPoint>{{2, 0}, {2, 1}, {2, 2}}));
}

TEST(CellSearchTest, MatchModes) {
    struct Case {
        const char* name;
        String cell;
        String text;
        TFindParameters params;
        bool expected;
    };
    const Case cases[] = {
        {"anywhere", "cab", "ab", 0, true},
        {"start: at the start", "abc", "ab", FindParamSet({fnMatchStart}), true},
        {"start: inside", "cab", "ab", FindParamSet({fnMatchStart}), false},
        {"full: equal", "ab", "ab", FindParamSet({fnMatchFull}), true},
        {"full: longer cell", "abc", "ab", FindParamSet({fnMatchFull}), false},
        {"case ignored", "xAbx", "aB", 0, true},
        {"case counts", "xAbx", "aB", FindParamSet({fnMatchCase}), false},
        {"case counts, same case", "xaBx", "aB", FindParamSet({fnMatchCase}), true},
        {"expression", "abc", "a*", FindParamSet({fnMatchRegular}), true},
        {"expression fails", "abc", "b*", FindParamSet({fnMatchRegular}), false},
        {"expression ignores case", "ABC", "a*", FindParamSet({fnMatchRegular}), true},
        {"expression with case", "ABC", "a*", FindParamSet({fnMatchRegular, fnMatchCase}), false},
        {"two quotes: empty cell", "", "\"\"", 0, true},
        {"two quotes: filled cell", "a", "\"\"", 0, false},
        {"markup counts", "<b>a</b>b", "ab", 0, false},
        {"markup ignored", "<b>a</b>b", "ab", FindParamSet({fnIgnoreHTMLTags}), true},
    };
    for (const Case& c : cases) {
        GridCellStore store(1, 1);
        store.SetText(0, 0, c.cell);
        EXPECT_EQ(CellSearch(store, c.text, c.params, Whole(store)).Matches(0, 0), c.expected) << c.name;
    }
}

TEST(CellSearchTest, WideTextIsComparedAsTheTextItEncodes) {
    GridCellStore store(1, 1);
    store.SetText(0, 0, EncodeWideCellText(QString::fromUtf8("Grüße")));
    CellSearch search(store, QString::fromUtf8("grü"), 0, Whole(store));
    search.Wide = true;
    EXPECT_TRUE(search.Matches(0, 0));
}

TEST(CellSearchColumns, HiddenColumnsMapOrJoinTheArea) {
    // Real columns 0 .. 3, column 1 hidden: display column 2 is real column 3.
    GridCellStore store(4, 1);
    Fill(store, {"", "x hidden", "", "x shown"});
    store.HideColumn(1);
    const CellSearch shown(store, "x", 0, Whole(store));
    ASSERT_EQ(AllMatches(shown), (std::vector<TPoint>{{2, 0}}));
    EXPECT_EQ(shown.RealColumn(2), 3);
    const CellSearch all(store, "x", FindParamSet({fnIncludeHiddenColumns}), CellSearchArea{0, 0, 3, 0});
    EXPECT_EQ(AllMatches(all), (std::vector<TPoint>{{1, 0}, {3, 0}}));
}

TEST(CellSearchColumns, IgnoredColumnsArePassedOverRowByRowOnly) {
    GridCellStore store(3, 1);
    Fill(store, {"x", "x", "x"});
    for (TFindParameters p : {FindParamSet({fnDirectionLeftRight}), TFindParameters(0)}) {
        CellSearch search(store, "x", p, Whole(store));
        search.Ignored = [](int c) { return c == 1; };
        const size_t expected = p ? 2 : 3;
        EXPECT_EQ(AllMatches(search).size(), expected) << p;
    }
}

TEST(CellSearchReplace, EachCellOnceAndCasePerParameters) {
    struct Case {
        const char* name;
        QStringList cells; // one column
        String orig, repl;
        TFindParameters params;
        QStringList expected;
        int changed;
    };
    const Case cases[] = {
        {"case ignored", {"xax", "X", "b"}, "x", "y", 0, {"yay", "y", "b"}, 2},
        {"case counts", {"xax", "X", "b"}, "x", "y", FindParamSet({fnMatchCase}), {"yay", "X", "b"}, 1},
        {"the replacement holds the text again", {"a", "ba", "c"}, "a", "aa", 0, {"aa", "baa", "c"}, 2},
        {"full cells only", {"ab", "abc"}, "ab", "z", FindParamSet({fnMatchFull}), {"z", "abc"}, 1},
        {"backwards", {"a", "a"}, "a", "b", FindParamSet({fnBackward}), {"b", "b"}, 2},
        {"nothing found", {"a"}, "q", "z", 0, {"a"}, 0},
    };
    for (const Case& c : cases) {
        const int n = static_cast<int>(c.cells.size());
        GridCellStore store(1, n);
        Fill(store, c.cells);
        const CellSearch search(store, c.orig, c.params, Whole(store));
        std::vector<int> rows;
        EXPECT_EQ(ReplaceInCells(store, search, c.orig, c.repl, [&](int, int r) { rows.push_back(r); }),
                  c.changed)
            << c.name;
        QStringList texts;
        for (int r = 0; r < n; ++r)
            texts << store.Text(0, r);
        EXPECT_EQ(texts, c.expected) << c.name;
        EXPECT_EQ(static_cast<int>(rows.size()), c.changed) << c.name;
    }
}

TEST(CellSearchReplace, WritesTheRealColumnBehindAHiddenOne) {
    GridCellStore store(4, 2);
    Fill(store, {"", "x", "", "x", "", "", "", ""});
    store.HideColumn(1);
    const CellSearch search(store, "x", 0, Whole(store));
    EXPECT_EQ(ReplaceInCells(store, search, "x", "y"), 1);
    EXPECT_EQ(store.Text(3, 0), "y");
    EXPECT_EQ(store.Text(1, 0), "x");
}

TEST(CellSearchLookup, FirstRowStartingWithTheTypedText) {
    GridCellStore store(2, 6);
    Fill(store, {"h", "", "1", "<b>Al</b>pha", "2", "beta", "3", "Bravo", "4", "b", "5", "x"});
    store.HideRow(2);
    struct Case {
        String typed;
        int expected; // display row
    };
    const Case cases[] = {{"AL", 1}, {"ALPHA", 1}, {"B", 2}, {"BR", 2}, {"BETA", -1}, {"Z", -1}, {"XY", -1}};
    for (const Case& c : cases)
        EXPECT_EQ(FindLeadingRow(store, 1, 0, c.typed), c.expected) << c.typed.toStdString();
    // Rows before the first one asked for are never answered.
    EXPECT_EQ(FindLeadingRow(store, 0, 1, "H"), -1);
}

} // namespace cellsearch_test
