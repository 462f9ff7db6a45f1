// Grouping the string grid by a column and back, with summary rows, merged headers and the group
// calculations.
#include "GridOnForm.h"
#include "controls/grid/QvGrid.h"

#include <gtest/gtest.h>

#include <vector>

namespace qvgrid_group_test {

// Rows "r1" .. "r3" holding B, A, B in column 2 and numbers in column 3, under a header row.
struct GroupGrid : ::testing::Test {
    qvtest::GridOnForm shown{{"B", "A", "B"}};
    TQvStringGrid* grid = shown.grid;

    GroupGrid() {
        grid->SetCells(2, 0, "Kind");
        grid->SetColWidths(2, 90);
        const QStringList numbers{"1", "10", "2.5"};
        for (int r = 1; r <= 3; ++r)
            grid->SetCells(3, r, numbers[r - 1]);
    }
    QStringList Column(int ACol) const {
        QStringList out;
        for (int r = 1; r < grid->RowCount(); ++r)
            out << grid->Cells(ACol, r);
        return out;
    }
};

TEST_F(GroupGrid, GroupByAColumnAndBack) {
    grid->Group(2);
    EXPECT_EQ(grid->GroupColumn(), 2);
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(Column(1), (QStringList{"A", "r2", "B", "r1", "r3"}));
    EXPECT_TRUE(grid->IsNode(1));
    EXPECT_EQ(grid->GetNodeSpan(1), 2);
    EXPECT_TRUE(grid->IsNode(3));
    EXPECT_EQ(grid->GetNodeSpan(3), 3);
    EXPECT_EQ(grid->Cells(2, 4), "1");
    grid->ContractNode(3);
    EXPECT_EQ(Column(1), (QStringList{"A", "r2", "B"}));

    grid->UnGroup();
    EXPECT_EQ(grid->GroupColumn(), -1);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(Column(1), (QStringList{"r2", "r1", "r3"}));
    EXPECT_EQ(Column(2), (QStringList{"A", "B", "B"}));
    EXPECT_EQ(Column(3), (QStringList{"10", "1", "2.5"}));
    EXPECT_EQ(grid->Cells(2, 0), "Kind");
    EXPECT_EQ(grid->ColWidths(2), 90);
    EXPECT_EQ(grid->NumNodes(), 0);
    EXPECT_FALSE(grid->IsNode(1));
}

TEST_F(GroupGrid, WritingTheGroupColumnGroupsUngroupsOrDoesNothing) {
    grid->SetGroupColumn(0);
    EXPECT_EQ(grid->GroupColumn(), -1);
    grid->Group(0);
    EXPECT_EQ(grid->ColCount(), 4);
    grid->SetGroupColumn(2);
    EXPECT_EQ(grid->GroupColumn(), 2);
    // Grouping again undoes the first grouping before it.
    grid->Group(1);
    EXPECT_EQ(grid->GroupColumn(), 1);
    EXPECT_EQ(Column(1), (QStringList{"r1", "B", "r2", "A", "r3", "B"}));
    grid->SetGroupColumn(-1);
    EXPECT_EQ(Column(1), (QStringList{"r1", "r2", "r3"}));
}

TEST_F(GroupGrid, SummaryRowsTakeTheGroupCalculations) {
    grid->Grouping()->SetSummary(true);
    grid->Grouping()->SetMergeHeader(true);
    grid->Grouping()->SetSummaryColor(clYellow);
    grid->Group(2);
    EXPECT_EQ(Column(1), (QStringList{"A", "r2", "", "B", "r1", "r3", ""}));
    EXPECT_TRUE(grid->IsSummary(3));
    EXPECT_TRUE(grid->IsSummary(7));
    EXPECT_TRUE(grid->IsMergedCell(2, 1));
    grid->GroupSum(2);
    EXPECT_DOUBLE_EQ(grid->Floats(2, 3), 10);
    EXPECT_DOUBLE_EQ(grid->Floats(2, 7), 3.5);
    grid->GroupCount(2);
    EXPECT_EQ(grid->Cells(2, 3), "1");
    EXPECT_EQ(grid->Cells(2, 7), "2");
    grid->GroupMax(2);
    EXPECT_DOUBLE_EQ(grid->Floats(2, 7), 2.5);
    grid->OnGroupCalc = [](TObject*, int, int From, int To, double& Res) { Res = From * 100 + To; };
    grid->GroupCustomCalc(2);
    EXPECT_DOUBLE_EQ(grid->Floats(2, 7), 506);
    // A contracted group is passed over: its summary keeps the custom value.
    grid->ContractNode(4);
    grid->GroupSum(2);
    EXPECT_DOUBLE_EQ(grid->Floats(2, 3), 10);
    EXPECT_DOUBLE_EQ(grid->Floats(2, 5), 506);
    grid->ExpandNode(4);

    grid->UnGroup();
    EXPECT_EQ(Column(1), (QStringList{"r2", "r1", "r3"}));
    EXPECT_EQ(Column(2), (QStringList{"A", "B", "B"}));
    EXPECT_FALSE(grid->IsMergedCell(2, 1));
}

// Each calculation over the groups A (10) and B (1, 2.5); a shown footer (one that leaves the last row to the
// rows) takes the column's calculation where it has one.
TEST_F(GroupGrid, EachGroupCalculationAndTheFooterItSets) {
    grid->Grouping()->SetSummary(true);
    grid->Group(2);
    grid->FloatingFooter()->SetFooterStyle(fsColumnPreview);
    grid->FloatingFooter()->SetVisible(true);
    struct Case {
        const char* what;
        void (TQvStringGrid::*calc)(int);
        double a, b;
        TColumnCalcType footer;
    };
    const std::vector<Case> cases{
        {"avg", &TQvStringGrid::GroupAvg, 10, 1.75, acAVG},
        {"min", &TQvStringGrid::GroupMin, 10, 1, acMIN},
        {"max", &TQvStringGrid::GroupMax, 10, 2.5, acMAX},
        {"sum", &TQvStringGrid::GroupSum, 10, 3.5, acSUM},
        {"count", &TQvStringGrid::GroupCount, 1, 2, acCOUNT},
        {"distinct", &TQvStringGrid::GroupDistinct, 1, 2, acNONE},
        {"stddev", &TQvStringGrid::GroupStdDev, 0, 0.75, acNONE},
    };
    for (const Case& c : cases) {
        grid->FloatingFooter()->SetColumnCalc(2, acNONE);
        (grid->*c.calc)(2);
        EXPECT_DOUBLE_EQ(grid->Floats(2, 3), c.a) << c.what;
        EXPECT_DOUBLE_EQ(grid->Floats(2, 7), c.b) << c.what;
        EXPECT_EQ(grid->FloatingFooter()->ColumnCalc(2), c.footer) << c.what;
    }
}

TEST_F(GroupGrid, WithoutSummariesTheHeaderTakesTheValue) {
    grid->Group(2);
    grid->GroupSum(2);
    EXPECT_DOUBLE_EQ(grid->Floats(2, 1), 10);
    EXPECT_DOUBLE_EQ(grid->Floats(2, 3), 3.5);
}

TEST(SubGroup, SubHeadersInsideEachGroupAndBack) {
    qvtest::GridOnForm shown({"A", "A", "B", "A"});
    TQvStringGrid* grid = shown.grid;
    const QStringList sub{"x", "x", "z", "y"};
    for (int r = 1; r <= 4; ++r)
        grid->SetCells(3, r, sub[r - 1]);
    grid->Group(2);
    grid->SubGroup(2);
    auto column = [&](int ACol) {
        QStringList out;
        for (int r = 1; r < grid->RowCount(); ++r)
            out << grid->Cells(ACol, r);
        return out;
    };
    EXPECT_EQ(column(1), (QStringList{"A", "", "r1", "r2", "", "r4", "B", "", "r3"}));
    // The sub-grouped column is the last: the sub-headers show their value in it, its data cells are emptied.
    EXPECT_EQ(column(2), (QStringList{"", "x", "", "", "y", "", "", "z", ""}));
    EXPECT_EQ(grid->GetNodeSpan(1), 6);
    EXPECT_EQ(grid->GetNodeSpan(2), 3);
    EXPECT_EQ(grid->GetNodeLevel(2), 2);
    EXPECT_EQ(grid->GetParentRow(3), 2);
    grid->ContractNode(1);
    EXPECT_EQ(column(1), (QStringList{"A", "B", "", "r3"}));

    grid->SubUnGroup(2);
    EXPECT_EQ(column(1), (QStringList{"A", "r1", "r2", "r4", "B", "r3"}));
    EXPECT_EQ(column(2), (QStringList{"", "x", "x", "y", "", "z"}));
    EXPECT_EQ(grid->GetNodeSpan(1), 4);
    EXPECT_EQ(grid->GetNodeSpan(5), 2);
    grid->UnGroup();
    EXPECT_EQ(column(2), (QStringList{"A", "A", "A", "B"}));
    EXPECT_EQ(column(3), (QStringList{"x", "x", "y", "z"}));
}

TEST(GroupMarker, ACellHoldingTheOldMarkerTextGroupsLikeAnyOther) {
    const QString marker = QString(QChar(0xFF)) + QChar(0xFE);
    qvtest::GridOnForm shown({marker, marker});
    shown.grid->Group(2);
    EXPECT_EQ(shown.Names(), (QStringList{marker, "r1", "r2"}));
    EXPECT_EQ(shown.grid->GetNodeSpan(1), 3);
}

} // namespace qvgrid_group_test
