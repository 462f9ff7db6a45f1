// Copying one string grid into another: settings, sizes and cells, without setters' events.
#include "controls/grid/QvGrid.h"

#include <gtest/gtest.h>

namespace {

// Every user event a copy could be tempted to fire counts here.
struct EventCounter {
    int calls = 0;
    void Attach(TQvStringGrid& g) {
        g.OnResize = [this](TObject*) { ++calls; };
        g.OnSelectionChanged = [this](TObject*, int, int, int, int) { ++calls; };
        g.OnCellsChanged = [this](TObject*, const TRect&) { ++calls; };
        g.OnLoadCell = [this](TObject*, int, int, String&) { ++calls; };
        g.OnRowChanging = [this](TObject*, int, int, bool&) { ++calls; };
        g.OnColChanging = [this](TObject*, int, int, bool&) { ++calls; };
        g.OnGetCellColor = [this](TObject*, int, int, TGridDrawState, TBrush*, TFont*) { ++calls; };
        g.OnGetDisplText = [this](TObject*, int, int, String&) { ++calls; };
        g.Balloon()->OnEnableChange = [this](TObject*) { ++calls; };
        g.ShowModified()->OnChange = [this](TObject*) { ++calls; };
    }
};

} // namespace

TEST(QvGridAssign, CopiesSettingsSizesAndCellsWithoutEvents) {
    TQvStringGrid src(nullptr), dst(nullptr);
    src.SetColCount(7);
    src.SetRowCount(30);
    src.SetFixedRows(2);
    src.SetDefaultColWidth(50);
    src.SetColWidths(3, 120);
    src.SetRowHeights(5, 40);
    src.SetActiveCellColor(clRed);
    src.SetActiveCellShow(true);
    src.SetAnchorHint(true);
    src.SetAutoFilterUpdate(false);
    src.SetInvalidEntryTitle("Bad");
    src.SetInvalidEntryIcon(ieError);
    src.SetFixedRowAlways(true);
    src.MouseActions()->SetAllColumnSize(true);
    src.Navigation()->SetAdvanceOnEnter(true);
    src.Grouping()->SetHeaderLineWidth(5);
    src.SortSettings()->SetColumn(3);
    src.Filter()->Add()->SetCondition("a*");
    src.PrintSettings()->SetTitleText("Title");
    src.HTMLSettings()->SetWidth(80);
    src.CellNode()->SetNodeIndent(20);
    src.ProgressAppearance()->SetSteps(4);
    src.ColumnSize()->SetKey("grid.ini");
    src.FocusHelper()->SetEnabled(true);
    src.ColumnHeaders()->Add("A");
    src.SetScrollType(ssFlat);
    src.SetCells(4, 20, "cell, with \"comma\"\r\nand a line");
    src.SetCells(0, 29, "last");
    // Not copied: the look of the selection and the control look.
    src.SetSelectionColor(clLime);
    src.ControlLook()->SetCheckSize(30);

    EventCounter events;
    events.Attach(dst);
    dst.Assign(&src);

    EXPECT_EQ(events.calls, 0);
    EXPECT_EQ(dst.ColCount(), 7);
    EXPECT_EQ(dst.RowCount(), 30);
    EXPECT_EQ(dst.FixedRows(), 2);
    EXPECT_EQ(dst.DefaultColWidth(), 50);
    EXPECT_EQ(dst.ColWidths(3), 120);
    EXPECT_EQ(dst.RowHeights(5), 40);
    EXPECT_EQ(dst.ActiveCellColor(), clRed);
    EXPECT_TRUE(dst.ActiveCellShow());
    EXPECT_TRUE(dst.AnchorHint());
    EXPECT_FALSE(dst.AutoFilterUpdate());
    EXPECT_EQ(dst.InvalidEntryTitle(), "Bad");
    EXPECT_EQ(dst.InvalidEntryIcon(), ieError);
    EXPECT_TRUE(dst.FixedRowAlways());
    EXPECT_TRUE(dst.MouseActions()->AllColumnSize());
    EXPECT_TRUE(dst.Navigation()->AdvanceOnEnter());
    EXPECT_EQ(dst.Grouping()->HeaderLineWidth(), 5);
    EXPECT_EQ(dst.SortSettings()->Column(), 3);
    ASSERT_EQ(dst.Filter()->Count(), 1);
    EXPECT_EQ(dst.Filter()->Items(0)->Condition(), "a*");
    EXPECT_NE(dst.Filter()->Items(0), src.Filter()->Items(0));
    EXPECT_EQ(dst.PrintSettings()->TitleText(), "Title");
    EXPECT_EQ(dst.HTMLSettings()->Width(), 80);
    EXPECT_EQ(dst.CellNode()->NodeIndent(), 20);
    EXPECT_EQ(dst.ProgressAppearance()->Steps(), 4);
    EXPECT_EQ(dst.ColumnSize()->Key(), "grid.ini");
    EXPECT_TRUE(dst.FocusHelper()->Enabled());
    EXPECT_EQ(dst.ScrollType(), ssFlat);
    EXPECT_EQ(dst.Cells(4, 20), "cell, with \"comma\"\r\nand a line");
    EXPECT_EQ(dst.Cells(0, 29), "last");
    EXPECT_EQ(dst.Cells(0, 0), "A");
    EXPECT_EQ(dst.SelectionColor(), 0xEACAB6);
    EXPECT_EQ(dst.ControlLook()->CheckSize(), 15);
}

TEST(QvGridAssign, IgnoresSourcesThatAreNoStringGrid) {
    TQvStringGrid dst(nullptr);
    dst.SetCells(1, 1, "kept");
    TBaseGrid other(nullptr);
    other.SetColCount(9);
    dst.Assign(&other);
    dst.AssignCells(&other);
    dst.Assign(nullptr);
    EXPECT_EQ(dst.ColCount(), 5);
    EXPECT_EQ(dst.Cells(1, 1), "kept");
}

TEST(QvGridAssign, AssignCellsReplacesTheCellsOfALargerGrid) {
    TQvStringGrid src(nullptr), dst(nullptr);
    src.SetRowCount(3);
    src.SetCells(1, 1, "one");
    dst.SetRowCount(50);
    dst.SetCells(2, 40, "gone");
    dst.SetCells(1, 1, "old");
    dst.AssignCells(&src);
    EXPECT_EQ(dst.RowCount(), 3);
    EXPECT_EQ(dst.Cells(1, 1), "one");
    dst.SetRowCount(50);
    EXPECT_EQ(dst.Cells(2, 40), "");
}
