// Node rows of the string grid: contracting and expanding nested nodes by the operations, by real clicks on
// the node glyph and by real keys, ContractAll's level, the parent lookup, the group auto-check and expand
// buttons.
#include "GridOnForm.h"
#include "InputEvents.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/stdctrls/ExtCtrls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

namespace qvgrid_nodes_test {

// Eight rows "r1" .. "r8" under one fixed row: a node at row 1 over rows 1 .. 6, and inside it a node at row
// 3 over rows 3 .. 5.
struct NestedNodes : ::testing::Test {
    qvtest::GridOnForm shown{{"a", "b", "c", "d", "e", "f", "g", "h"}};
    TQvStringGrid* grid = shown.grid;

    NestedNodes() {
        grid->AddNode(1, 6);
        grid->AddNode(3, 3);
    }
    QStringList Names() const { return shown.Names(); }
    // A point on the node glyph of display row ARow, or Beside it in the same cell, where the user sees it:
    // right to left the cells are shown mirrored.
    QPointF Glyph(int ARow, bool Beside = false) const {
        const TRect cell = grid->CellRect(0, ARow);
        const int indent = grid->CellNode()->NodeIndent();
        const int level = std::max(grid->GetNodeLevel(ARow), 1);
        int x = Beside ? cell.Right - 3 : cell.Left + (level - 1) * indent + 8;
        if (grid->BiDiMode() == bdRightToLeft) x = shown.Cells()->width() - 1 - x;
        return QPointF(x, (cell.Top + cell.Bottom) / 2);
    }
};

const QStringList kAll{"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8"};

TEST_F(NestedNodes, ContractingTheParentMarksTheInnerNodeExpandedAndExpandingBringsBackEveryRow) {
    EXPECT_EQ(grid->GetNodeLevel(1), 1);
    EXPECT_EQ(grid->GetNodeLevel(3), 2);
    EXPECT_EQ(grid->GetNodeLevel(2), -1);
    EXPECT_EQ(grid->Col(), 1);
    grid->ContractNode(3);
    EXPECT_EQ(Names(), (QStringList{"r1", "r2", "r3", "r6", "r7", "r8"}));
    EXPECT_TRUE(grid->NodeState(3));
    grid->ContractNode(1);
    EXPECT_EQ(Names(), (QStringList{"r1", "r7", "r8"}));
    EXPECT_EQ(grid->GetNodeSpan(1), 6);
    grid->ExpandNode(1);
    EXPECT_EQ(Names(), kAll);
    EXPECT_FALSE(grid->NodeState(1));
    EXPECT_FALSE(grid->NodeState(3));
    EXPECT_EQ(grid->FilterLevel(), 0);
}

TEST_F(NestedNodes, ARowHiddenByHideRowsStaysHiddenWhenItsNodeExpands) {
    grid->HideRows(4, 4);
    grid->ContractNode(1);
    EXPECT_EQ(Names(), (QStringList{"r1", "r7", "r8"}));
    grid->ExpandNode(1);
    EXPECT_EQ(Names(), (QStringList{"r1", "r2", "r3", "r5", "r6", "r7", "r8"}));
    grid->UnHideRows(4, 4);
    EXPECT_EQ(Names(), kAll);
}

TEST_F(NestedNodes, ContractAllIsOneLevelAndOneNodeExpandsOutOfIt) {
    grid->AddNode(7, 2);
    grid->ContractNode(3);
    grid->ContractAll();
    EXPECT_EQ(grid->FilterLevel(), 1);
    EXPECT_EQ(Names(), (QStringList{"r1", "r7"}));
    grid->ExpandNode(7);
    EXPECT_EQ(Names(), (QStringList{"r1", "r7", "r8"}));
    EXPECT_TRUE(grid->NodeState(1));
    EXPECT_EQ(grid->FilterLevel(), 0);
    grid->ExpandNode(1);
    EXPECT_EQ(Names(), kAll);
    grid->ContractAll();
    grid->ExpandAll();
    EXPECT_EQ(Names(), kAll);
    EXPECT_EQ(grid->FilterLevel(), 0);
}

TEST_F(NestedNodes, ExpandOneContractsEveryOtherNode) {
    grid->AddNode(7, 2);
    grid->ContractNode(7);
    grid->CellNode()->SetExpandOne(true);
    grid->ExpandNode(7);
    EXPECT_EQ(Names(), (QStringList{"r1", "r7", "r8"}));
}

TEST_F(NestedNodes, RemovingNodesShowsTheirRowsAndLowersTheLevels) {
    grid->ContractNode(3);
    grid->RemoveNode(3);
    EXPECT_EQ(Names(), kAll);
    EXPECT_FALSE(grid->IsNode(3));
    EXPECT_EQ(grid->GetNodeLevel(1), 1);
    grid->ContractAll();
    grid->RemoveAllNodes();
    EXPECT_EQ(Names(), kAll);
    EXPECT_EQ(grid->NumNodes(), 0);
    EXPECT_EQ(grid->FilterLevel(), 0);
}

TEST_F(NestedNodes, AChildRowGrowsEveryEnclosingNodeAndLeavesAsItCame) {
    grid->ContractNode(1);
    grid->InsertChildRow(4, 1);
    EXPECT_EQ(Names(), (QStringList{"r1", "r2", "r3", "r4", "", "r5", "r6", "r7", "r8"}));
    EXPECT_EQ(grid->GetNodeSpan(1), 7);
    EXPECT_EQ(grid->GetNodeSpan(3), 4);
    EXPECT_EQ(grid->GetSubNodeCount(3), 1);
    EXPECT_EQ(grid->GetParentRow(5), 3);
    grid->RemoveChildRow(5);
    EXPECT_EQ(Names(), kAll);
    EXPECT_EQ(grid->GetNodeSpan(1), 6);
    EXPECT_EQ(grid->GetNodeSpan(3), 3);
    grid->ContractNode(1);
    EXPECT_EQ(Names(), (QStringList{"r1", "r7", "r8"}));
}

TEST(NodeSpanZero, ReachesUpToTheNextNodeRow) {
    qvtest::GridOnForm shown({"a", "b", "c", "d", "e", "f"});
    shown.grid->AddNode(1, 0);
    shown.grid->AddNode(4, 0);
    shown.grid->ContractNode(1);
    EXPECT_EQ(shown.Names(), (QStringList{"r1", "r4", "r5", "r6"}));
    shown.grid->ContractAll();
    EXPECT_EQ(shown.Names(), (QStringList{"r1", "r4"}));
}

TEST_F(NestedNodes, ParentRowsAndSpanTypes) {
    // Display rows before and after contracting the inner node: (row, parent).
    const std::vector<std::pair<int, int>> expanded{{1, 1}, {2, 1}, {3, 1}, {4, 3}, {6, 1}, {7, -1}};
    for (auto [row, parent] : expanded)
        EXPECT_EQ(grid->GetParentRow(row), parent) << row;
    const std::vector<std::pair<int, int>> spanTypes{{1, 0}, {2, 2}, {4, 2}, {5, 1}, {6, 1}, {8, 1}};
    for (auto [row, type] : spanTypes)
        EXPECT_EQ(grid->GetNodeSpanType(row), type) << row;
    grid->ContractNode(3);
    const std::vector<std::pair<int, int>> contracted{{3, 1}, {4, 1}, {5, -1}};
    for (auto [row, parent] : contracted)
        EXPECT_EQ(grid->GetParentRow(row), parent) << row;

    qvtest::GridOnForm other({"a", "b", "c"});
    other.grid->AddNode(2, 2);
    EXPECT_EQ(other.grid->GetParentRow(1), -1);
}

TEST_F(NestedNodes, ClicksOnTheGlyphContractAndExpandNestedNodes) {
    std::vector<QString> events;
    grid->OnContractNode = [&](TObject*, int ARow, int Real) {
        events.push_back(QString("c%1/%2").arg(ARow).arg(Real));
    };
    grid->OnExpandNode = [&](TObject*, int ARow, int Real) {
        events.push_back(QString("e%1/%2").arg(ARow).arg(Real));
    };
    shown.Show();
    qvtest::ClickAt(shown.Cells(), Glyph(3, true));
    EXPECT_EQ(Names(), kAll);
    qvtest::ClickAt(shown.Cells(), Glyph(3));
    EXPECT_EQ(Names(), (QStringList{"r1", "r2", "r3", "r6", "r7", "r8"}));
    qvtest::ClickAt(shown.Cells(), Glyph(1));
    EXPECT_EQ(Names(), (QStringList{"r1", "r7", "r8"}));
    bool allow = false;
    grid->OnBeforeExpandNode = [&](TObject*, int, int, bool& Allow) { Allow = allow; };
    qvtest::ClickAt(shown.Cells(), Glyph(1));
    EXPECT_EQ(Names(), (QStringList{"r1", "r7", "r8"}));
    allow = true;
    qvtest::ClickAt(shown.Cells(), Glyph(1));
    EXPECT_EQ(Names(), kAll);
    // The inner node came back expanded: a click contracts it again.
    qvtest::ClickAt(shown.Cells(), Glyph(3));
    EXPECT_EQ(events, (std::vector<QString>{"c3/3", "c1/1", "e1/1", "c3/3"}));
}

// A press in the node column toggles a node only on its glyph, in either reading direction; elsewhere in the
// column it is reported and selects nothing.
TEST_F(NestedNodes, PressesInTheNodeColumnToggleOnlyOnTheGlyph) {
    // Column 0 as a normal column, so that a press that went on to the grid would make its cell current.
    grid->SetFixedCols(0);
    struct Case {
        const char* what;
        int row;
        bool beside;
        QStringList after;
    };
    const std::vector<Case> cases{
        {"glyph", 3, false, {"r1", "r2", "r3", "r6", "r7", "r8"}},
        {"outer glyph", 1, false, {"r1", "r7", "r8"}},
        {"beside the glyph", 3, true, kAll},
        {"row without node", 2, false, kAll},
    };
    for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
        grid->SetBiDiMode(mode);
        shown.Show();
        for (const Case& c : cases) {
            const QString where = QString("%1 %2").arg(mode == bdRightToLeft ? "rtl" : "ltr", c.what);
            grid->SetCol(2);
            grid->SetRow(5);
            std::vector<std::pair<int, int>> clicked;
            grid->OnClickCell = [&](TObject*, int ARow, int ACol) { clicked.emplace_back(ARow, ACol); };
            qvtest::ClickAt(shown.Cells(), Glyph(c.row, c.beside));
            EXPECT_EQ(Names(), c.after) << where.toStdString();
            EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{c.row, 0}})) << where.toStdString();
            // A press that toggled nothing left the current cell where it was.
            if (c.after == kAll) EXPECT_EQ(grid->Row(), 5) << where.toStdString();
            EXPECT_EQ(grid->Col(), 2) << where.toStdString();
            grid->ExpandAll();
            ASSERT_EQ(Names(), kAll);
        }
    }
}

// Right to left the press arrives mirrored: the pixel p from the right edge of the cells as X = p - 1. The
// glyph's reach runs from the level's indent to the glyph's extent, 2 pixels more, whatever the scroll bar.
TEST_F(NestedNodes, RightToLeftGlyphHitTest) {
    grid->SetBiDiMode(bdRightToLeft);
    grid->SetRowCount(60);
    shown.Show();
    struct Case {
        QvGrid::TNodeType type;
        int row; // 1 has level 1, 3 level 2; indent 12
        int fromRight;
        bool over;
    };
    const std::vector<Case> cases{
        {cnXP, 1, 1, true},   {cnXP, 1, 18, true},   {cnXP, 1, 19, false},   {cnXP, 3, 12, false},
        {cnXP, 3, 13, true},  {cnXP, 3, 30, true},   {cnXP, 3, 31, false},   {cn3D, 1, 20, true},
        {cn3D, 1, 21, false}, {cnLeaf, 1, 22, true}, {cnLeaf, 1, 23, false}, {cnFlat, 1, 200, false},
    };
    for (const Case& c : cases) {
        grid->CellNode()->SetNodeType(c.type);
        EXPECT_EQ(grid->IsOverNodeGlyph(c.row, c.fromRight - 1), c.over)
            << c.type << " row " << c.row << " at " << c.fromRight;
    }
    grid->MouseActions()->SetPreciseNodeClick(false);
    EXPECT_TRUE(grid->IsOverNodeGlyph(1, 200));
}

// Removing a child row takes its cell controls out of the grid's list and the view; the controls of the other
// rows stay with their rows.
TEST_F(NestedNodes, CellControlsFollowTheirRowsWhenAChildRowGoes) {
    shown.Show();
    std::vector<TPanel*> panels;
    for (int row : {2, 4, 4, 6}) {
        panels.push_back(new TPanel(shown.form.get()));
        grid->SetCellControls(panels.size() == 3 ? 3 : 2, row, panels.back());
    }
    grid->RemoveChildRow(4);
    EXPECT_EQ(Names(), (QStringList{"r1", "r2", "r3", "r5", "r6", "r7", "r8"}));
    EXPECT_EQ(grid->NumCellControls(), 2);
    const std::vector<std::tuple<int, int, TPanel*>> placed{{2, 2, panels[0]}, {2, 5, panels[3]}};
    ASSERT_EQ(grid->CellControls()->Count(), 2);
    for (auto [col, row, panel] : placed) {
        EXPECT_EQ(grid->CellControls(col, row), panel) << row;
        const int i = grid->CellControls()->ControlIndex(col, row);
        ASSERT_GE(i, 0) << row;
        EXPECT_EQ(grid->CellControls()->GetControl(i)->Control, panel) << row;
        const TRect r = grid->CellRect(col, row);
        EXPECT_EQ(panel->Top(), r.Top - 1) << row;
        EXPECT_TRUE(panel->Visible()) << row;
    }
    EXPECT_FALSE(panels[1]->Visible());
    EXPECT_FALSE(panels[2]->Visible());
    for (int r = 1; r < grid->RowCount(); ++r)
        for (int c = 0; c < grid->ColCount(); ++c)
            EXPECT_TRUE(grid->CellControls(c, r) != panels[1] && grid->CellControls(c, r) != panels[2]);
}

TEST_F(NestedNodes, LeftAndRightOnAMergedNodeRowContractAndExpand) {
    grid->MergeCells(1, 1, grid->ColCount() - 1, 1);
    grid->MergeCells(1, 3, grid->ColCount() - 1, 1);
    shown.Show();
    grid->SetFocus();
    QApplication::processEvents();
    grid->SetCol(1);
    grid->SetRow(3);
    qvtest::KeyToFocus(Qt::Key_Left);
    EXPECT_EQ(Names(), (QStringList{"r1", "r2", "r3", "r6", "r7", "r8"}));
    grid->SetRow(1);
    qvtest::KeyToFocus(Qt::Key_Left);
    EXPECT_EQ(Names(), (QStringList{"r1", "r7", "r8"}));
    qvtest::KeyToFocus(Qt::Key_Right);
    EXPECT_EQ(Names(), kAll);
    // A row that is not merged keeps Left and Right for moving.
    grid->SetRow(2);
    qvtest::KeyToFocus(Qt::Key_Right);
    EXPECT_EQ(Names(), kAll);
    EXPECT_EQ(grid->Col(), 2);
}

TEST_F(NestedNodes, CheckingANodeChecksItsRowsAndAChildGraysTheNode) {
    grid->Grouping()->SetAutoCheckGroup(true);
    grid->AddCheckBoxColumn(3, false, false);
    auto state = [&](int RealRow) {
        bool s = false;
        grid->GetCheckBoxState(3, RealRow, s);
        return s;
    };
    auto tri = [&](int RealRow) {
        TCheckBoxState s = cbUnchecked;
        grid->GetCheckBoxState(3, RealRow, s);
        return s;
    };
    grid->ToggleCellCheckBox(3, 3, false);
    EXPECT_TRUE(state(4) && state(5));
    EXPECT_FALSE(state(6));
    grid->ToggleCellCheckBox(3, 4, false);
    EXPECT_EQ(tri(3), cbGrayed);
    grid->ToggleCellCheckBox(3, 4, false);
    EXPECT_EQ(tri(3), cbChecked);
    // A contracted node reaches its hidden rows.
    grid->ContractNode(1);
    grid->ToggleCellCheckBox(3, 1, false);
    for (int r = 2; r <= 6; ++r)
        EXPECT_EQ(tri(r), cbChecked) << r;
}

TEST(ExpandButton, AClickTogglesItsStateAndRowHeight) {
    qvtest::GridOnForm shown({"a", "b"});
    TQvStringGrid* grid = shown.grid;
    grid->SetOptions(grid->Options() | goEditing);
    const int normal = grid->RowHeights(1);
    grid->AddExpand(2, 1, 60);
    EXPECT_TRUE(grid->HasExpand(2, 1));
    EXPECT_EQ(grid->GetExpandHeight(2, 1, true), 60);
    EXPECT_EQ(grid->GetExpandHeight(2, 1, false), normal);
    EXPECT_EQ(grid->GetExpandHeight(2, 2, true), grid->DefaultRowHeight());
    shown.Show();
    const TRect b = grid->GetExpandButtonRect(2, 1);
    qvtest::ClickAt(shown.Cells(), QPointF((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2));
    EXPECT_TRUE(grid->GetExpandState(2, 1));
    EXPECT_EQ(grid->RowHeights(1), 60);
    EXPECT_FALSE(grid->ToggleExpand(2, 1));
    EXPECT_FALSE(grid->ToggleExpand(3, 1));
    grid->RemoveExpand(2, 1);
    EXPECT_FALSE(grid->HasExpand(2, 1));
}

} // namespace qvgrid_nodes_test
