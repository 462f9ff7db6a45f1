// Node rows of the string grid: contracting and expanding nested nodes by the operations, by real clicks on
// the node glyph and by real keys, ContractAll's level, the parent lookup, the group auto-check and expand
// buttons.
#include "GridOnForm.h"
#include "InputEvents.h"
#include "controls/grid/QvGrid.h"

#include <gtest/gtest.h>

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
    // A point on the node glyph of display row ARow, or Beside it in the same cell.
    QPointF Glyph(int ARow, bool Beside = false) const {
        const TRect cell = grid->CellRect(0, ARow);
        const int indent = grid->CellNode()->NodeIndent();
        const int x = Beside ? cell.Right - 3 : cell.Left + (grid->GetNodeLevel(ARow) - 1) * indent + 8;
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
