// Undo and redo of cell edits against a grid that only holds texts.
#include "controls/grid/BaseGrid_UndoRedo.h"

#include <gtest/gtest.h>

#include <map>

// Cells of a grid, kept in a map.
class FakeCells : public IUndoRedoCells {
public:
    std::map<std::pair<int, int>, QString> cells;
    int col = 0, row = 0, invalidates = 0, repaints = 0;

    String GetCellEx(int c, int r) override { return cells[{c, r}]; }
    void SetCellEx(int c, int r, const String& v) override {
        EXPECT_GE(c, 0) << "a marker was written into a cell";
        EXPECT_GE(r, 0) << "a marker was written into a cell";
        cells[{c, r}] = v;
    }
    int DisplColIndex(int c) override { return c - 1; } // one hidden column in front
    int Col() override { return col; }
    void SetCol(int c) override { col = c; }
    void SetRow(int r) override { row = r; }
    void RepaintCell(int, int) override { ++repaints; }
    void Invalidate() override { ++invalidates; }
};

class UndoRedoTest : public ::testing::Test {
protected:
    FakeCells grid;
    TQvGridUndoRedo undo{nullptr};

    void SetUp() override { undo.SetGrid(&grid); }

    // Writes the cell and records it, as the grid does after an accepted edit.
    void Edit(int c, int r, const QString& text) {
        const QString old = grid.cells[{c, r}];
        grid.cells[{c, r}] = text;
        undo.RegisterChange(c, r, text, old);
    }
    QString Cell(int c, int r) { return grid.cells[{c, r}]; }
};

TEST_F(UndoRedoTest, SingleChangeBackAndForth) {
    Edit(3, 2, "new");
    ASSERT_TRUE(undo.CanUndo());
    undo.Undo();
    EXPECT_EQ(Cell(3, 2), "");
    EXPECT_EQ(grid.col, 2);
    EXPECT_EQ(grid.row, 2);
    EXPECT_EQ(grid.repaints, 1);
    EXPECT_FALSE(undo.CanUndo());
    ASSERT_TRUE(undo.CanRedo());
    undo.Redo();
    EXPECT_EQ(Cell(3, 2), "new");
    EXPECT_FALSE(undo.CanRedo());
}

TEST_F(UndoRedoTest, MaxLevelDropsTheOldest) {
    undo.SetMaxLevel(3);
    for (int c = 1; c <= 4; ++c)
        Edit(c, 1, "x");
    EXPECT_EQ(undo.Items()->Count(), 3);
    EXPECT_EQ(undo.Level(), 3);
    EXPECT_EQ(undo.Items()->Items(0)->Col(), 2);
}

TEST_F(UndoRedoTest, NewChangeAfterUndoDropsTheUndoneSteps) {
    Edit(1, 1, "a1");
    Edit(2, 1, "b1");
    undo.Undo(); // b back to ""
    Edit(3, 1, "c1");
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_EQ(undo.Items()->Count(), 2);

    undo.Undo();
    EXPECT_EQ(Cell(3, 1), "");
    grid.cells[{2, 1}] = "typed later";
    undo.Undo();
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(Cell(2, 1), "typed later"); // the dropped step is never replayed
    EXPECT_FALSE(undo.CanUndo());
}

TEST_F(UndoRedoTest, GroupIsOneStep) {
    std::vector<QString> order;
    undo.OnUndo = [&](TQvGridUndoRedo*, IUndoRedoCells*, int c, int, const String&, const String&) {
        order.push_back(QStringLiteral("u%1").arg(c));
    };
    undo.OnRedo = [&](TQvGridUndoRedo*, IUndoRedoCells*, int c, int, const String&, const String&) {
        order.push_back(QStringLiteral("r%1").arg(c));
    };
    undo.StartSequence();
    Edit(1, 1, "a");
    Edit(2, 1, "b");
    undo.StopSequence();
    EXPECT_EQ(undo.Level(), 4);

    undo.Undo();
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(Cell(2, 1), "");
    undo.Redo();
    EXPECT_EQ(undo.Level(), 4);
    EXPECT_EQ(Cell(2, 1), "b");
    EXPECT_EQ(order, (std::vector<QString>{"u2", "u1", "r1", "r2"}));
    EXPECT_EQ(grid.invalidates, 2);
}

TEST_F(UndoRedoTest, GroupThenPlainChange) {
    undo.StartSequence();
    Edit(1, 1, "a");
    undo.StopSequence();
    Edit(2, 1, "c");
    undo.Undo();
    EXPECT_EQ(Cell(2, 1), "");
    EXPECT_EQ(Cell(1, 1), "a");
    undo.Undo();
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_FALSE(undo.CanUndo());
}

TEST_F(UndoRedoTest, EventsSeeThePresentAndTheRestoredText) {
    grid.cells[{1, 1}] = "before";
    Edit(1, 1, "after");
    grid.cells[{1, 1}] = "changed since";
    QString orig, next;
    undo.OnUndo = [&](TQvGridUndoRedo*, IUndoRedoCells* g, int, int, const String& o, const String& n) {
        EXPECT_EQ(g, &grid);
        orig = o;
        next = n;
    };
    undo.Undo();
    EXPECT_EQ(orig, "changed since");
    EXPECT_EQ(next, "before");
}

TEST_F(UndoRedoTest, ResetAndNoGrid) {
    Edit(1, 1, "a");
    undo.Undo();
    undo.Reset();
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_FALSE(undo.CanRedo());

    Edit(1, 1, "b");
    undo.SetGrid(nullptr);
    undo.Undo();
    EXPECT_EQ(undo.Level(), 1);
}

TEST_F(UndoRedoTest, GroupWhoseStartWasTrimmed) {
    undo.SetMaxLevel(2);
    undo.StartSequence();
    Edit(1, 1, "a");
    Edit(2, 1, "b"); // drops the start marker
    undo.StopSequence();
    ASSERT_FALSE(undo.Items()->Items(0)->IsMarker());

    undo.Undo();
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(Cell(2, 1), "");
    undo.Redo();
    undo.Redo();
    undo.Redo(); // only the stray stop marker is left: nothing to write
    EXPECT_EQ(undo.Level(), 3);
    EXPECT_EQ(Cell(2, 1), "b");
}

TEST_F(UndoRedoTest, OpenGroupRedoesToItsEnd) {
    undo.StartSequence();
    Edit(1, 1, "a");
    Edit(2, 1, "b");
    undo.Undo();
    undo.Undo();
    undo.Undo(); // the start marker alone: nothing to write
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_EQ(Cell(1, 1), "");
    undo.Redo();
    EXPECT_EQ(undo.Level(), 3);
    EXPECT_EQ(Cell(1, 1), "a");
    EXPECT_EQ(Cell(2, 1), "b");
}
