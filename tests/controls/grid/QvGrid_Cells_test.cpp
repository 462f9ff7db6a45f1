// The string grid's typed values, cell looks, headers, highlights, cell checks and fills.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvGridCheck.h"
#include "toolkit/system/DateUtils.h"
#include "toolkit/system/SysUtils.h"

#include <gtest/gtest.h>

#include <functional>

namespace qvcellstest {

struct CellsGrid : ::testing::Test {
    TQvStringGrid g{nullptr};
    void SetUp() override {
        g.SetColCount(5);
        g.SetRowCount(5);
    }
};

// Upper-cases every text and marks the whole text as an error.
struct UpperMarkChecker : TQvStringGridCheck {
    UpperMarkChecker() : TQvStringGridCheck(nullptr) {}
    String Correct(int, int, const String& s) override { return s.toUpper(); }
    String MarkError(int, int, const String& s) override { return "<e>" + s + "</e>"; }
};

// Fails the cells whose text is "bad" by marking them, counts its runs.
struct BadWordChecker : TQvStringGridCheck {
    BadWordChecker() : TQvStringGridCheck(nullptr) { SetUseMarkError(true); }
    String MarkError(int, int, const String& s) override { return s == "bad" ? "<e>bad</e>" : s; }
    void StartCheck() override { ++starts; }
    void StopCheck() override { ++stops; }
    int starts = 0, stops = 0;
};

} // namespace qvcellstest

using namespace qvcellstest;

TEST_F(CellsGrid, IntsReadTheIntegerRule) {
    const std::pair<const char*, int> good[] = {{"", 0},     {"-", 0},     {"  12  ", 12}, {"$1F", 31},
                                                {"x10", 16}, {"0x10", 16}, {"-7", -7},     {"<b>42</b>", 42}};
    for (auto [text, value] : good) {
        g.SetCells(1, 1, text);
        EXPECT_EQ(g.Ints(1, 1), value) << text;
    }
    for (const char* text : {"1,5", "abc", "12a", "--"}) {
        g.SetCells(1, 1, text);
        try {
            (void)g.Ints(1, 1);
            ADD_FAILURE() << text;
        } catch (const EQvGridError& e) {
            EXPECT_EQ(e.Message(), "Cell does not contain integer value");
        }
        EXPECT_EQ(g.Cells(1, 1), text) << "a failed read leaves the cell";
    }
    g.SetInts(2, 3, -45);
    EXPECT_EQ(g.Cells(2, 3), "-45");
    EXPECT_EQ(g.AllInts(2, 3), -45);
}

TEST_F(CellsGrid, FloatsCleanTheTextAndRaiseForNonNumbers) {
    SetDecimalSeparatorOverride(QChar('.'));
    const std::pair<const char*, double> good[] = {
        {"", 0.0}, {"-", 0.0}, {"1.5", 1.5}, {"(3.25)", -3.25}, {" 2 ", 2.0}};
    for (auto [text, value] : good) {
        g.SetCells(1, 1, text);
        EXPECT_DOUBLE_EQ(g.Floats(1, 1), value) << text;
    }
    g.SetCells(1, 1, "abc");
    EXPECT_THROW((void)g.Floats(1, 1), EQvGridError);
    g.SetFloats(1, 2, 3.14159);
    EXPECT_EQ(g.Cells(1, 2), "3.14") << "written with the grid's float format";
    SetDecimalSeparatorOverride(QChar());
}

// Cell accessors take real columns; Cells and the looks take display rows, the All... accessors real rows.
// Real column 2 and real row 3 are hidden; cell (c, r) held "c:r" and a display hook marks what it shows.
TEST(QvGridCellIndexes, RealAndDisplayIndexesWithHiddenColumnsAndRows) {
    TQvStringGrid g(nullptr);
    g.SetColCount(6);
    g.SetRowCount(6);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c)
            g.SetGridCells(c, r, String("%1:%2").arg(c).arg(r));
    g.SetColWidths(2, 55);
    g.HideColumn(2);
    g.HideRow(3);
    g.OnGetDisplText = [](TObject*, int, int, String& Value) { Value += "!"; };
    struct Case {
        const char* name;
        std::function<String(TQvStringGrid&)> read;
        String expected;
    };
    const Case cases[] = {
        {"Cells reads the hidden column", [](TQvStringGrid& g) { return g.Cells(2, 1); }, "2:1!"},
        {"Cells takes display rows", [](TQvStringGrid& g) { return g.Cells(4, 3); }, "4:4!"},
        {"AllCells takes real rows", [](TQvStringGrid& g) { return g.AllCells(4, 4); }, "4:4!"},
        {"AllCells of a hidden row and column", [](TQvStringGrid& g) { return g.AllCells(2, 3); }, "2:3!"},
        {"AllGridCells is raw", [](TQvStringGrid& g) { return g.AllGridCells(2, 3); }, "2:3"},
        {"counts",
         [](TQvStringGrid& g) {
             return String("%1 %2 %3 %4")
                 .arg(g.ColCount())
                 .arg(g.AllColCount())
                 .arg(g.RowCount())
                 .arg(g.AllRowCount());
         },
         "5 6 5 6"},
        {"writing the hidden column",
         [](TQvStringGrid& g) {
             g.SetCells(2, 1, "x");
             g.SetInts(3, 1, 7);
             return g.GridCells(2, 1) + " " + g.GridCells(3, 1);
         },
         "x 7"},
        {"writing past a hidden row's saved texts extends them",
         [](TQvStringGrid& g) {
             g.SetAllGridCells(8, 3, "raw");
             g.SetAllCells(7, 3, "far");
             return g.AllGridCells(6, 3) + "|" + g.AllGridCells(7, 3) + "|" + g.AllGridCells(8, 3);
         },
         "|far|"},
        {"widths by real column",
         [](TQvStringGrid& g) {
             const int hidden = g.AllColWidths(2);
             g.SetAllColWidths(4, 33);
             g.SetAllColWidths(2, 44);
             g.UnHideColumn(2);
             return String("%1 %2 %3").arg(hidden).arg(g.ColWidths(2)).arg(g.ColWidths(4));
         },
         "55 44 33"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.read(g), c.expected) << c.name;
}

TEST_F(CellsGrid, LinksInTextBecomeAnchorsWhenShownInText) {
    struct Case {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"see www.example.org now", "see <a href=\"www.example.org\">www.example.org</a> now"},
        // The first kind of link in the list's order is the one anchored.
        {"mailto:a@example.org or http://example.org",
         "mailto:a@example.org or <a href=\"http://example.org\">http://example.org</a>"},
        {"a < b", "a < b"},
    };
    for (const Case& c : cases) {
        g.SetCells(1, 1, c.text);
        EXPECT_EQ(g.Cells(1, 1), c.text) << "off by default";
        g.SetURLShowInText(true);
        EXPECT_EQ(g.Cells(1, 1), c.shown);
        EXPECT_EQ(g.GridCells(1, 1), c.text) << "the stored text stays";
        g.SetURLShowInText(false);
    }
}

TEST_F(CellsGrid, DatesWriteNothingForZeroUnlessNullDatesShow) {
    g.SetShowNullDates(false);
    g.SetDates(1, 1, 0);
    EXPECT_EQ(g.Cells(1, 1), "");
    g.SetDates(1, 1, 45000);
    EXPECT_EQ(g.Cells(1, 1), DateToStr(45000));
    g.SetShowNullDates(true);
    g.SetDates(1, 1, 0);
    EXPECT_NE(g.Cells(1, 1), "");
    g.SetCells(1, 1, "no date");
    EXPECT_THROW((void)g.Dates(1, 1), EConvertError);
}

TEST_F(CellsGrid, PrintColumnMetricsRejectIndexesOutsideTheTable) {
    EXPECT_EQ(g.PrintColWidth(511), 0);
    for (int bad : {512, -1}) {
        EXPECT_THROW((void)g.PrintColWidth(bad), EQvGridError) << bad;
        EXPECT_THROW((void)g.PrintColOffset(bad), EQvGridError) << bad;
    }
}

TEST_F(CellsGrid, ColumnHeadersFillRowZeroOnlyAsFarAsTheColumnsGo) {
    TStringList headers;
    for (const char* h : {"A", "B\\nC", "D", "E", "F", "G", "H"})
        headers.Add(h);
    g.SetColumnHeaders(&headers);
    EXPECT_EQ(g.Cells(0, 0), "A");
    EXPECT_EQ(g.Cells(1, 0), "B\rC");
    EXPECT_EQ(g.Cells(4, 0), "F") << "entries beyond the columns are not written";

    TStringList shorter;
    shorter.Add("X");
    g.SetColumnHeaders(&shorter);
    EXPECT_EQ(g.Cells(0, 0), "X");
    EXPECT_EQ(g.Cells(1, 0), "") << "setting a list clears the former headers";
    g.ClearColumnHeaders();
    EXPECT_EQ(g.Cells(0, 0), "");
}

TEST_F(CellsGrid, HilightRoundTripGivesBackTextWithMarkupCharacters) {
    const char* texts[] = {"a & b", "x<y>z \"q\"", "plain text"};
    for (const char* t : texts) {
        g.SetCells(1, 1, t);
        g.HilightInCell(false, 1, 1, "a");
        g.UnHilightInCell(1, 1);
        EXPECT_EQ(g.Cells(1, 1), t);
    }
    g.SetCells(1, 1, "Abc abc");
    g.HilightInCell(true, 1, 1, "abc");
    EXPECT_EQ(g.Cells(1, 1), "Abc <hi>abc</hi>");
    g.MarkInCell(false, 1, 1, "Abc");
    EXPECT_EQ(TQvStringGrid::UnMarkText(g.Cells(1, 1)), "Abc <hi>abc</hi>");
}

TEST_F(CellsGrid, HilightInColumnSkipsFixedRowsUnlessAsked) {
    for (int r = 0; r < 5; ++r)
        g.SetCells(1, r, "v");
    g.HilightInCol(false, false, 1, "v");
    EXPECT_EQ(g.Cells(1, 0), "v");
    EXPECT_EQ(g.Cells(1, 4), "<hi>v</hi>");
    g.UnHilightInGrid(true);
    EXPECT_EQ(g.Cells(1, 4), "v");
}

TEST_F(CellsGrid, CheckThatCorrectsAndMarksKeepsTheCorrection) {
    UpperMarkChecker checker;
    checker.SetUseCorrect(true);
    checker.SetUseMarkError(true);
    g.SetCellChecker(&checker);
    g.SetCells(1, 1, "<e>abc</e>");
    EXPECT_FALSE(g.CheckCell(1, 1));
    EXPECT_EQ(g.Cells(1, 1), "<e>ABC</e>") << "the mark goes on the corrected text";
}

TEST_F(CellsGrid, CheckCellsTestsEveryCellAndReportsFailure) {
    BadWordChecker checker;
    g.SetCellChecker(&checker);
    g.SetCells(1, 1, "bad");
    g.SetCells(2, 2, "bad");
    g.SetCells(3, 3, "good");
    EXPECT_FALSE(g.CheckGrid(false));
    EXPECT_EQ(g.Cells(1, 1), "<e>bad</e>");
    EXPECT_EQ(g.Cells(2, 2), "<e>bad</e>") << "checking goes on after a failure";
    EXPECT_EQ(g.Cells(3, 3), "good");
    EXPECT_EQ(checker.starts, 1);
    EXPECT_EQ(checker.stops, 1);
    EXPECT_TRUE(g.CheckCol(false, 3));
    g.SetCellChecker(nullptr);
    EXPECT_TRUE(g.CheckGrid(true));
}

TEST_F(CellsGrid, FillsWriteTheNormalCells) {
    g.LinearFill(false);
    EXPECT_EQ(g.Cells(2, 1), "2:1");
    EXPECT_EQ(g.Cells(0, 0), "");
    g.FormatFill(false, "%d-%d");
    EXPECT_EQ(g.Cells(3, 4), "3-4");
    g.TextFill(true, "t");
    EXPECT_EQ(g.Cells(0, 0), "t");
    g.RandomFill(false, 3);
    for (int r = 1; r < 5; ++r) {
        const int v = g.Ints(2, r);
        EXPECT_TRUE(v >= 0 && v < 3) << v;
    }
}

TEST_F(CellsGrid, FormatFillRefusesFormatsReachingPastItsArguments) {
    g.TextFill(true, "kept");
    for (const char* fmt : {"%d %d %d", "%s", "%d-%s"}) {
        EXPECT_THROW(g.FormatFill(false, fmt), EConvertError) << fmt;
        EXPECT_EQ(g.Cells(1, 1), "kept") << fmt;
    }
}

TEST_F(CellsGrid, CellLooksReadDefaultsWithoutProperties) {
    EXPECT_EQ(g.Colors(1, 1), clNone);
    EXPECT_FALSE(g.HasCellProperties(1, 1));
    g.SetColors(1, 1, clRed);
    g.SetAlignments(1, 1, taRightJustify);
    g.SetReadOnly(1, 1, true);
    EXPECT_EQ(g.Colors(1, 1), clRed);
    EXPECT_EQ(g.Alignments(1, 1), taRightJustify);
    EXPECT_TRUE(g.ReadOnly(1, 1));
}

// "No colour" on a row clears that one setting; the rest of each cell's settings stays.
TEST_F(CellsGrid, ClearingARowColourKeepsTheOtherCellSettings) {
    struct Case {
        const char* name;
        void (TQvStringGrid::*set)(int, TColor);
        TColor (TQvStringGrid::*read)(int, int) const;
    };
    const Case cases[] = {{"RowColor", &TQvStringGrid::SetRowColor, &TQvStringGrid::Colors},
                          {"RowColorTo", &TQvStringGrid::SetRowColorTo, &TQvStringGrid::ColorsTo},
                          {"RowFontColor", &TQvStringGrid::SetRowFontColor, &TQvStringGrid::FontColors}};
    for (const Case& c : cases) {
        TObject marker;
        (g.*c.set)(2, clYellow);
        g.SetReadOnly(2, 2, true);
        g.SetGraphicObjects(2, 2, &marker);
        EXPECT_EQ((g.*c.read)(3, 2), clYellow) << c.name;
        (g.*c.set)(2, clNone);
        EXPECT_EQ((g.*c.read)(3, 2), clNone) << c.name;
        ASSERT_TRUE(g.HasCellProperties(2, 2)) << c.name;
        EXPECT_TRUE(g.ReadOnly(2, 2)) << c.name;
        EXPECT_EQ(g.GraphicObjects(2, 2), &marker) << c.name;
        g.SetGraphicObjects(2, 2, nullptr);
    }
}

TEST_F(CellsGrid, CurrentCellOfAMergedAreaIsItsBaseCell) {
    g.MergeCells(1, 1, 2, 2);
    g.SetCells(1, 1, "base");
    g.SetCol(2);
    g.SetRow(2);
    EXPECT_EQ(g.GetCurrentCell(), "base");
    g.SetCurrentCell("new");
    EXPECT_EQ(g.GridCells(1, 1), "new");
    EXPECT_EQ(g.GridCells(2, 2), "");
}

TEST_F(CellsGrid, MovingToACellAndEditingIt) {
    g.SelectCells(1, 1, 3, 3);
    g.MoveCurrentCell(2, 4);
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.Row(), 4);
    EXPECT_EQ(g.Selection(), (TGridRect{2, 4, 2, 4})) << "the anchor moves along";
    g.SetOptions(g.Options() | goEditing);
    g.SetCells(3, 2, "text");
    g.EditCell(3, 2);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_TRUE(g.EditorMode());
}

TEST_F(CellsGrid, SwapCellsExchangesTextsLooksAndGraphics) {
    g.SetCells(1, 1, "a");
    g.SetColors(1, 1, clRed);
    g.AddComment(1, 1, "note");
    g.SetCells(3, 2, "b");
    g.SwapCells(TPoint{1, 1}, TPoint{3, 2});
    EXPECT_EQ(g.Cells(1, 1), "b");
    EXPECT_EQ(g.Cells(3, 2), "a");
    EXPECT_EQ(g.Colors(1, 1), clNone);
    EXPECT_EQ(g.Colors(3, 2), clRed);
    EXPECT_EQ(g.CellComment(3, 2), "note");
    EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);
    // The moved properties now belong to their new cell.
    EXPECT_EQ(g.CellProperties(3, 2)->OwnerCol(), 3);
    EXPECT_EQ(g.CellProperties(3, 2)->OwnerRow(), 2);
    // A cell outside the grid leaves both alone.
    g.SwapCells(TPoint{3, 2}, TPoint{3, 9});
    EXPECT_EQ(g.Cells(3, 2), "a");
}

TEST_F(CellsGrid, AllObjectsReachHiddenRowsAndComeBackWithThem) {
    TObject a, b;
    g.SetAllObjects(1, 2, &a);
    g.HideRow(3);
    // Real row 3 is hidden: its object is kept in the row's saved cell properties.
    g.SetAllObjects(2, 3, &b);
    EXPECT_EQ(g.AllObjects(2, 3), &b);
    EXPECT_EQ(g.AllObjects(1, 2), &a);
    EXPECT_EQ(g.AllObjects(1, 3), nullptr);
    g.UnHideRowsAll();
    EXPECT_EQ(g.Objects(2, 3), &b);
    EXPECT_EQ(g.Objects(1, 2), &a);
}

TEST_F(CellsGrid, WideControlValueAndOriginalCellAccess) {
    g.SetWideCells(1, 1, L"Gr\u00fc\u00dfe \u6e29\u5ea6");
    EXPECT_EQ(g.Cells(1, 1), QString::fromUtf8("Gr\u00fc\u00dfe \u6e29\u5ea6"));
    EXPECT_EQ(g.AllWideCells(1, 1), L"Gr\u00fc\u00dfe \u6e29\u5ea6");

    const String form = "x <CONTROL TYPE=\"edit\" ID=\"n1\" VALUE=\"old\">";
    g.SetCells(2, 1, form);
    EXPECT_EQ(g.ControlValues(2, 1, "n1"), "old");
    EXPECT_EQ(g.ControlValues(2, 1, "zz"), "");
    g.SetControlValues(2, 1, "n1", "new");
    EXPECT_EQ(g.ControlValues(2, 1, "n1"), "new");
    g.SetCells(3, 1, "plain");
    g.SetControlValues(3, 1, "n1", "new"); // no tag: the text stays
    EXPECT_EQ(g.Cells(3, 1), "plain");

    for (int c = 0; c < 5; ++c)
        g.SetCells(c, 2, IntToStr(c));
    g.SetColumnOrder();
    g.MoveColumn(1, 3);
    EXPECT_EQ(g.Cells(1, 2), "2");
    EXPECT_EQ(g.OriginalCells(1, 2), "1");
    EXPECT_EQ(g.OriginalCells(4, 2), "4");
}

TEST_F(CellsGrid, CellLooksFontsAndControls) {
    TFont f;
    f.SetName("Serif");
    f.SetSize(14);
    f.SetColor(clGreen);
    g.SetFonts(1, 1, &f);
    EXPECT_EQ(g.FontNames(1, 1), "Serif");
    EXPECT_EQ(g.FontSizes(1, 1), 14);
    EXPECT_EQ(g.FontColors(1, 1), clGreen);
    EXPECT_EQ(g.Gradients(2, 2), GradientVertical);
    g.SetGradients(2, 2, GradientHorizontal);
    EXPECT_EQ(g.Gradients(2, 2), GradientHorizontal);
    g.SetWordWraps(2, 2, false);
    EXPECT_FALSE(g.WordWraps(2, 2));

    TPanel p1(nullptr), p2(nullptr);
    g.SetCellControls(1, 2, &p1);
    g.SetCellControls(1, 2, &p2); // replaces: still one cell with a control
    g.SetCellControls(2, 3, &p1);
    EXPECT_EQ(g.NumCellControls(), 2);
    EXPECT_EQ(g.CellControls()->Count(), 2);
    EXPECT_EQ(g.CellControls(1, 2), &p2);
    EXPECT_EQ(p2.Parent(), &g);
    g.SetCellControls(1, 2, nullptr);
    g.SetCellControls(1, 2, nullptr);
    g.SetCellControls(4, 4, nullptr); // never had one
    EXPECT_EQ(g.NumCellControls(), 1);
    EXPECT_EQ(g.CellControls()->Count(), 1);
    EXPECT_EQ(g.CellControls(1, 2), nullptr);
}

TEST_F(CellsGrid, GradientSettingsStoreResolvedColours) {
    g.SetVURGradientFrom(clBtnFace);
    EXPECT_EQ(g.VURGradientFrom(), ColorToRGB(clBtnFace));
    EXPECT_NE(g.VURGradientFrom(), clBtnFace);
    g.SetVURGradientMirrorTo(clRed);
    EXPECT_EQ(g.VURGradientMirrorTo(), clRed);
}

TEST_F(CellsGrid, UnSortedCellsFollowTheSortCrossReference) {
    for (int r = 0; r < 5; ++r)
        g.SetCells(1, r, IntToStr(r * 10));
    EXPECT_EQ(g.UnSortedCells(1, 3), "30"); // no cross-reference yet
    // Rows 1..4 sorted in reverse: position k holds row xref[k].
    for (int r : {0, 4, 3, 2, 1})
        g.SortRowXRef()->Add(r);
    const std::pair<int, int> unsorted[] = {{0, 0}, {4, 1}, {1, 4}, {7, 5}};
    for (auto [row, pos] : unsorted)
        EXPECT_EQ(g.UnSortedRowIndex(row), pos) << row;
    EXPECT_EQ(g.SortedRowIndex(1), 4);
    EXPECT_EQ(g.SortedRowIndex(9), 9);
    EXPECT_EQ(g.UnSortedCells(1, 4), "10");
    EXPECT_EQ(g.UnSortedCells(1, 7), ""); // beyond the grid
}
