// Filtering the string grid: levels applied and undone through FilterActive, RemoveLastFilter and NarrowDown,
// rows hidden by HideRows surviving every undo, node rows kept apart, progress, the single- and multi-choice
// value lists, and a filter chosen from the header's drop-down by a real click and real keys.
#include "GridOnForm.h"
#include "InputEvents.h"
#include "controls/grid/QvGrid.h"

#include <QImage>
#include <gtest/gtest.h>

#include <vector>

namespace qvgrid_filter_test {

// One fixed row; column 1 names the row ("r1" ..), column 2 holds the given values.
struct FilteredGrid : ::testing::Test {
    TQvStringGrid grid{nullptr};

    void Fill(const QStringList& Values) {
        grid.SetColCount(4);
        grid.SetRowCount(static_cast<int>(Values.size()) + 1);
        for (int r = 1; r < grid.RowCount(); ++r) {
            grid.SetCells(1, r, QString("r%1").arg(r));
            grid.SetCells(2, r, Values[r - 1]);
        }
    }
    // The names of the shown rows, row 1 on.
    QStringList Shown() {
        QStringList out;
        for (int r = 1; r < grid.RowCount(); ++r)
            out << grid.Cells(1, r);
        return out;
    }
    void Condition(int Col, const String& Text, TFilterOperation Op = foSHORT) {
        TFilterData* d = grid.Filter()->Add();
        d->SetColumn(static_cast<int16_t>(Col));
        d->SetCondition(Text);
        d->SetOperation(Op);
    }
};

TEST_F(FilteredGrid, ActiveOnOffOnKeepsOneLevelAndRemoveAllUndoesOnlyApplied) {
    Fill({"apple", "pear", "apricot", "plum"});
    Condition(2, "ap*");
    grid.SetFilterActive(true);
    EXPECT_EQ(Shown(), (QStringList{"r1", "r3"}));
    grid.SetFilterActive(false);
    EXPECT_EQ(Shown(), (QStringList{"r1", "r2", "r3", "r4"}));
    grid.SetFilterActive(true);
    EXPECT_EQ(grid.FilterLevel(), 1);
    EXPECT_EQ(grid.FilterLevelCount(), 1);
    grid.RemoveAllFilters();
    EXPECT_EQ(Shown(), (QStringList{"r1", "r2", "r3", "r4"}));
    EXPECT_EQ(grid.FilterLevel(), 0);
    EXPECT_EQ(grid.Filter()->Count(), 1) << "undoing levels keeps the conditions";
    EXPECT_FALSE(grid.RemoveLastFilter());
    grid.RemoveAllFilters();
    EXPECT_EQ(grid.Filter()->Count(), 0) << "without a level the conditions go";
}

TEST_F(FilteredGrid, NarrowDownStacksAndUndoesLevelsAndManualHidesSurvive) {
    Fill({"a", "ab", "abc", "b", "A B", "xa b"});
    grid.HideRow(4); // "b", by hand
    grid.NarrowDown("a", 2);
    EXPECT_EQ(Shown(), (QStringList{"r1", "r2", "r3", "r5", "r6"}));
    grid.NarrowDown("ab", 2);
    EXPECT_EQ(grid.FilterLevel(), 2);
    EXPECT_EQ(Shown(), (QStringList{"r2", "r3"}));
    grid.NarrowDown("a", 2);
    EXPECT_EQ(grid.FilterLevel(), 1);
    EXPECT_EQ(Shown(), (QStringList{"r1", "r2", "r3", "r5", "r6"}));
    // A text with a blank: the quoted pattern, after "a" plus a blank or straight away.
    grid.NarrowDown("a ", 2);
    grid.NarrowDown("a b", 2);
    EXPECT_EQ(Shown(), (QStringList{"r5", "r6"}));
    grid.NarrowDown("", 2);
    grid.NarrowDown("a b", 2);
    EXPECT_EQ(Shown(), (QStringList{"r5", "r6"}));
    EXPECT_EQ(grid.Filter()->Items(0)->Condition(), "\"*a b*\"");
    grid.NarrowDown("", 2);
    EXPECT_EQ(grid.FilterLevel(), 0);
    EXPECT_EQ(Shown(), (QStringList{"r1", "r2", "r3", "r5", "r6"})) << "the row hidden by hand stays hidden";
    EXPECT_TRUE(grid.IsHiddenRow(4));
    // A whole-row search.
    grid.NarrowDown("R6", -1);
    EXPECT_EQ(Shown(), (QStringList{"r6"}));
}

TEST_F(FilteredGrid, NodeRowsStayAndAreNotCountedForProgress) {
    Fill({"n", "a", "y", "x"});
    TCellGraphic* node = grid.CreateCellGraphic(0, 1);
    node->CellType = ctNode;
    node->CellIndex = 2;
    std::vector<int> progress;
    grid.OnFilterProgress = [&](TObject*, int16_t p) { progress.push_back(p); };
    Condition(2, "x");
    grid.ApplyFilter();
    EXPECT_EQ(Shown(), (QStringList{"r1", "r4"}));
    EXPECT_EQ(progress, (std::vector<int>{25, 50, 75, 75}));
    grid.RemoveLastFilter();
    grid.SetFilterNormalCellsOnly(false);
    grid.ApplyFilter();
    EXPECT_EQ(Shown(), (QStringList{"r4"})) << "tested like any row, the node row fails";
}

TEST_F(FilteredGrid, SingleChoiceSetsAndAllClearsTheColumnsCondition) {
    Fill({"b", "a", "two words", "b"});
    grid.SetFilterDropDownAuto(true);
    int done = 0;
    grid.OnFilterDone = [&](TObject*) { ++done; };
    ASSERT_TRUE(grid.BuildFilterValueList(2));
    // "(All)", "a", "b", "two words"
    grid.SetFilterDropDownColumn(2);
    grid.FilterSelect(3);
    EXPECT_EQ(Shown(), (QStringList{"r3"}));
    EXPECT_EQ(grid.FilterDropDownColumn(), -1);
    grid.SetFilterDropDownColumn(2);
    grid.FilterSelect(2);
    EXPECT_EQ(Shown(), (QStringList{"r1", "r4"}));
    EXPECT_EQ(grid.FilterLevel(), 1);
    grid.SetFilterDropDownColumn(2);
    grid.FilterSelect(0);
    EXPECT_FALSE(grid.Filter()->HasFilter(2));
    EXPECT_EQ(Shown(), (QStringList{"r1", "r2", "r3", "r4"}));
    EXPECT_EQ(done, 3);
    // No open column, or an index outside the list, chooses nothing.
    grid.FilterSelect(1);
    grid.SetFilterDropDownColumn(2);
    grid.FilterSelect(9);
    EXPECT_EQ(done, 3);
}

TEST_F(FilteredGrid, MultiChoiceJoinsTheTickedValues) {
    Fill({"b", "a", "c", "b"});
    grid.SetFilterDropDownAuto(true);
    ASSERT_TRUE(grid.BuildFilterValueList(2)); // "(All)", "a", "b", "c"
    grid.SetFilterDropDownColumn(2);
    std::vector<String> reported;
    grid.OnFilterCheck = [&](TObject*, int, int, const String& Name, String&, TDropCheckList*) {
        reported.push_back(Name);
    };
    grid.FilterCheckList()->SetChecked(1, true);
    EXPECT_EQ(Shown(), (QStringList{"r2"}));
    grid.FilterCheckList()->SetChecked(3, true);
    EXPECT_EQ(Shown(), (QStringList{"r2", "r3"}));
    ASSERT_EQ(grid.Filter()->Count(), 2);
    EXPECT_EQ(grid.Filter()->Items(0)->Operation(), foNONE);
    EXPECT_EQ(grid.Filter()->Items(1)->Operation(), foOR);
    EXPECT_EQ(reported, (std::vector<String>{"a", "a", "c"}));
    EXPECT_EQ(grid.FilterLevel(), 1);
}

// A click on the drop-down button of a header cell lists the column's values; Down and Enter choose one and
// the rows are filtered; Escape closes the list without a choice; choosing "(All)" shows them all again.
TEST(FilterByClick, TheHeaderListChoosesAValueByKeys) {
    qvtest::GridOnForm shown({"pear", "apple", "pear", "fig", "apple"});
    TQvStringGrid* grid = shown.grid;
    grid->SetFilterDropDownAuto(true);
    shown.Show();
    const QPointF button = shown.HeaderPoint(2, 6);
    qvtest::ClickAt(shown.Cells(), button);
    ASSERT_TRUE(grid->FilterList()->Visible());
    ASSERT_EQ(grid->FilterList()->Items()->Count(), 4); // "(All)", "apple", "fig", "pear"
    EXPECT_EQ(grid->FilterList()->Items()->Strings(2), "fig");
    qvtest::KeyToFocus(Qt::Key_Down);
    qvtest::KeyToFocus(Qt::Key_Down);
    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    EXPECT_FALSE(grid->FilterList()->Visible());
    EXPECT_EQ(shown.Names(), (QStringList{"r4"}));
    EXPECT_TRUE(grid->Focused());

    // Escape closes the list and changes nothing.
    qvtest::ClickAt(shown.Cells(), button);
    ASSERT_TRUE(grid->FilterList()->Visible());
    qvtest::KeyToFocus(Qt::Key_Escape, "\x1b");
    EXPECT_FALSE(grid->FilterList()->Visible());
    EXPECT_EQ(grid->FilterDropDownColumn(), -1);
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(shown.Names(), (QStringList{"r4"}));

    qvtest::ClickAt(shown.Cells(), button);
    ASSERT_TRUE(grid->FilterList()->Visible());
    EXPECT_EQ(grid->FilterList()->ItemIndex(), 0);
    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    EXPECT_EQ(shown.Names(), (QStringList{"r1", "r2", "r3", "r4", "r5"}));
}

// The button is painted at the right edge of the header cells that have a list, where a click drops it; the
// rest of the header stays as it was.
TEST(FilterByClick, TheHeaderPaintsTheButtonWhereTheClickDropsTheList) {
    qvtest::GridOnForm shown({"pear", "apple"});
    TQvStringGrid* grid = shown.grid;
    shown.Show();
    auto shot = [&] {
        grid->Invalidate();
        QApplication::processEvents();
        return shown.form->Grab().convertToFormat(QImage::Format_RGB32);
    };
    const QImage before = shot();
    grid->SetFilterDropDownAuto(true);
    const QImage after = shot();
    const QPoint origin = shown.Cells()->mapTo(shown.form->Widget(), QPoint(0, 0));
    const TRect h = grid->CellRect(2, 0);
    // The button's 16 pixels end inside the cell's frame.
    const int right = origin.x() + h.Right;
    int inButton = 0, elsewhere = 0;
    for (int y = origin.y() + h.Top; y < origin.y() + h.Bottom; ++y)
        for (int x = origin.x() + h.Left; x < right; ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) ++(x >= right - 17 ? inButton : elsewhere);
    EXPECT_GT(inButton, 10) << "the button shows in column 2";
    // Column 0 is fixed: without FilterDropDownColumns fdAll it has no list, so no button.
    const TRect h0 = grid->CellRect(0, 0);
    for (int y = origin.y() + h0.Top; y < origin.y() + h0.Bottom; ++y)
        for (int x = origin.x() + h0.Left; x < origin.x() + h0.Right; ++x)
            elsewhere += before.pixel(x, y) != after.pixel(x, y);
    EXPECT_EQ(elsewhere, 0);
    qvtest::ClickAt(shown.Cells(), shown.HeaderPoint(2, 8));
    EXPECT_TRUE(grid->FilterList()->Visible());
    EXPECT_EQ(grid->FilterDropDownColumn(), 2);
}

} // namespace qvgrid_filter_test
