// The string grid's keyboard: real key events into a grid on a form, the Tab move and its bounds, Home, End,
// page keys, Enter, row insertion and deletion by the navigation options.
#include "TestSupport.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/SysUtils.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace qvgridkeys {

// A grid on a form with the focus; keys go in as Qt key events on the grid's window.
struct KeyGrid {
    TForm form{nullptr};
    TQvStringGrid* grid;
    explicit KeyGrid(int cols = 6, int rows = 10) {
        form.SetClientSize(500, 300);
        grid = new TQvStringGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 480, 280);
        grid->SetColCount(cols);
        grid->SetRowCount(rows);
        grid->Navigation()->SetAdvanceAutoEdit(false);
        form.Show();
        grid->SetFocus();
    }
    void Press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(grid->Widget(), Qt::Key(key), mods);
    }
    void Type(char ch) { QTest::keyClick(grid->Widget(), ch); }
    TPoint Cell() const { return TPoint(grid->Col(), grid->Row()); }
    bool EditorShown() const { return grid->InplaceEditor() && grid->InplaceEditor()->Visible(); }
    void Go(int c, int r) {
        grid->SetCol(c);
        grid->SetRow(r);
    }
    void Editing(bool on) {
        grid->SetOptions(on ? grid->Options() | goEditing : grid->Options() & ~goEditing);
    }
};

} // namespace qvgridkeys

using qvgridkeys::KeyGrid;

TEST(QvGridKeys, ArrowsWrapAtTheEdgesAsCursorAdvanceSays) {
    struct Case {
        const char* name;
        TCursorAdvance advance;
        int fixedRight;
        TPoint from;
        int key;
        TPoint to;
    } cases[] = {
        {"default stops at the last column", caDefault, 0, {5, 3}, Qt::Key_Right, {5, 3}},
        {"loop wraps in the row", caLoop, 0, {5, 3}, Qt::Key_Right, {1, 3}},
        {"snake wraps to the next row", caSnake, 0, {5, 3}, Qt::Key_Right, {1, 4}},
        {"snake stays in the last data row", caSnake, 0, {5, 9}, Qt::Key_Right, {1, 9}},
        {"snake down wraps to the next column", caSnake, 0, {2, 9}, Qt::Key_Down, {3, 1}},
        {"loop left wraps to the last data column", caLoop, 1, {1, 3}, Qt::Key_Left, {4, 3}},
        // With a right fixed column the last normal column is no edge: the test is on ColCount - 1.
        {"right fixed column never wraps", caLoop, 1, {4, 3}, Qt::Key_Right, {4, 3}},
        {"up at the first row snakes back a column", caSnake, 0, {3, 1}, Qt::Key_Up, {2, 9}},
    };
    for (const Case& tc : cases) {
        KeyGrid f;
        f.grid->Navigation()->SetCursorAdvance(tc.advance);
        f.grid->SetFixedRightCols(tc.fixedRight);
        f.Go(tc.from.X, tc.from.Y);
        f.Press(tc.key);
        EXPECT_EQ(f.Cell(), tc.to) << tc.name;
    }
}

TEST(QvGridKeys, ArrowsJumpOverFixedAndDisabledCells) {
    KeyGrid f;
    f.grid->OnIsFixedCell = [](TObject*, int, int ACol, bool& fixed) { fixed = fixed || ACol == 3; };
    f.Go(2, 2);
    f.Press(Qt::Key_Right);
    EXPECT_EQ(f.Cell(), TPoint(4, 2));
    f.Press(Qt::Key_Left);
    EXPECT_EQ(f.Cell(), TPoint(2, 2));

    // The selection check refuses a disabled row; the key then looks for the next enabled one.
    f.grid->OnSelectCell = [&f](TObject*, int, int ARow, bool& can) {
        can = can && f.grid->RowEnabled(ARow);
    };
    f.grid->SetRowEnabled(3, false);
    f.grid->SetRowEnabled(4, false);
    f.Press(Qt::Key_Down);
    EXPECT_EQ(f.Cell(), TPoint(2, 5));
}

TEST(QvGridKeys, TabWalksTheRowThenTheNextRowAndSkipsReadOnlyCellsWhileEditing) {
    KeyGrid f;
    f.grid->SetOptions(f.grid->Options() | goTabs);
    f.Go(4, 1);
    f.Press(Qt::Key_Tab);
    EXPECT_EQ(f.Cell(), TPoint(5, 1));
    f.Press(Qt::Key_Tab);
    EXPECT_EQ(f.Cell(), TPoint(1, 2));
    f.Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(f.Cell(), TPoint(5, 1));

    f.Editing(true);
    f.grid->SetReadOnly(2, 2, true);
    f.grid->SetReadOnly(3, 2, true);
    f.Go(1, 2);
    f.Press(Qt::Key_Tab);
    EXPECT_EQ(f.Cell(), TPoint(4, 2));
    f.Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(f.Cell(), TPoint(1, 2));
}

TEST(QvGridKeys, TabDownTheColumnAndAHandlerThatTakesTheKeyStopsTheMove) {
    KeyGrid f;
    f.grid->SetOptions(f.grid->Options() | goTabs);
    f.grid->Navigation()->SetTabAdvanceDirection(adTopBottom);
    f.Go(2, 8);
    f.Press(Qt::Key_Tab);
    EXPECT_EQ(f.Cell(), TPoint(2, 9));
    f.Press(Qt::Key_Tab);
    EXPECT_EQ(f.Cell(), TPoint(3, 1));

    f.grid->OnKeyDown = [](TObject*, Word& key, TShiftState) {
        if (key == VK_TAB) key = 0;
    };
    f.Press(Qt::Key_Tab);
    EXPECT_EQ(f.Cell(), TPoint(3, 1));
}

TEST(QvGridKeys, TabOnAGridWithoutAnEditableCellStaysWhereItStarted) {
    for (TAdvanceDirection dir : {adLeftRight, adTopBottom}) {
        for (bool backward : {false, true}) {
            KeyGrid f(6, 2000);
            f.grid->SetOptions(f.grid->Options() | goTabs | goEditing);
            f.grid->Navigation()->SetTabAdvanceDirection(dir);
            // Every cell refuses editing: no Tab move can find a place to stop.
            f.grid->OnCanEditCell = [](TObject*, int, int, bool& canEdit) { canEdit = false; };
            f.Go(3, 500);
            f.Press(Qt::Key_Tab, backward ? Qt::ShiftModifier : Qt::NoModifier);
            EXPECT_EQ(f.Cell(), TPoint(3, 500)) << dir << backward;
            EXPECT_LE(f.grid->TopRow(), 500);
            EXPECT_GE(f.grid->TopRow() + f.grid->VisibleRowCount(), 500) << "the start cell is in view again";
            EXPECT_TRUE(f.grid->AdvanceFromEditor(backward)) << "the repeated move marker was reset";
        }
    }
}

TEST(QvGridKeys, AFullyReadOnlyRowKeepsTheCurrentColumnInsideTheGrid) {
    KeyGrid f;
    f.Editing(true);
    f.grid->SetOptions(f.grid->Options() | goTabs);
    f.grid->OnCanEditCell = [](TObject*, int ARow, int, bool& canEdit) { canEdit = canEdit && ARow != 4; };
    f.Go(3, 4);
    for (int key : {Qt::Key_Home, Qt::Key_End}) {
        f.Press(key);
        EXPECT_GE(f.grid->Col(), 0);
        EXPECT_LT(f.grid->Col(), f.grid->ColCount());
        EXPECT_EQ(f.grid->Row(), 4);
    }
    // Shift+Tab from the first data column into the read-only row goes past it to the row above.
    f.Go(1, 5);
    f.Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(f.Cell(), TPoint(5, 3));
}

TEST(QvGridKeys, TabAtTheEndOfTheGridAddsARowOrPassesTheFocusOn) {
    {
        KeyGrid f;
        f.grid->SetOptions(f.grid->Options() | goTabs);
        f.grid->Navigation()->SetAdvanceInsert(true);
        std::vector<QString> events;
        f.grid->OnCanAddRow = [&](TObject*, bool&) { events.push_back("can add"); };
        f.grid->OnAutoAddRow = [&](TObject*, int row) { events.push_back(QString("added %1").arg(row)); };
        f.Go(5, 9);
        f.Press(Qt::Key_Tab);
        EXPECT_EQ(f.grid->RowCount(), 11);
        EXPECT_EQ(f.Cell(), TPoint(1, 10));
        EXPECT_EQ(events, (std::vector<QString>{"can add", "added 10"}));
    }
    {
        KeyGrid f;
        auto* next = new TEdit(&f.form);
        next->SetParent(&f.form);
        next->SetBounds(0, 285, 100, 14);
        f.grid->SetTabOrder(0);
        next->SetTabOrder(1);
        f.grid->SetOptions(f.grid->Options() | goTabs);
        f.grid->Navigation()->SetTabToNextAtEnd(true);
        f.Go(5, 9);
        EXPECT_FALSE(f.grid->AdvanceFromEditor(false));
        EXPECT_EQ(f.Cell(), TPoint(1, 1));
        QApplication::processEvents();
        EXPECT_EQ(f.form.ActiveControl(), next);
    }
}

TEST(QvGridKeys, HomeAndEndFollowTheHomeEndSetting) {
    KeyGrid f;
    f.Editing(true);
    f.grid->SetReadOnly(1, 3, true);
    f.Go(4, 3);
    f.Press(Qt::Key_Home);
    EXPECT_EQ(f.Cell(), TPoint(2, 3)) << "the first editable column, not FixedCols";
    f.Press(Qt::Key_End);
    EXPECT_EQ(f.Cell(), TPoint(5, 3));
    f.Press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(f.Cell(), TPoint(1, 1));

    f.Editing(false);
    f.grid->Navigation()->SetHomeEndKey(heFirstLastCell);
    std::vector<Word> keys;
    f.grid->OnKeyDown = [&](TObject*, Word& key, TShiftState) { keys.push_back(key); };
    f.Press(Qt::Key_End);
    EXPECT_EQ(f.Cell(), TPoint(5, 9));
    f.Press(Qt::Key_Home);
    EXPECT_EQ(f.Cell(), TPoint(1, 1));
    EXPECT_EQ(keys, (std::vector<Word>{VK_END, VK_HOME}));

    f.grid->Navigation()->SetHomeEndKey(heFirstLastRow);
    f.Go(3, 5);
    f.Press(Qt::Key_End);
    EXPECT_EQ(f.Cell(), TPoint(3, 9));
    f.Press(Qt::Key_Home);
    EXPECT_EQ(f.Cell(), TPoint(3, 1));
}

TEST(QvGridKeys, PageKeysMoveAPageAndMoveScrollOnlyScrollsWithoutMoving) {
    KeyGrid f(6, 200);
    const int page = f.grid->VisibleRowCount();
    ASSERT_GT(page, 2);
    f.Go(2, 1);
    f.Press(Qt::Key_PageDown);
    EXPECT_EQ(f.grid->Row(), 1 + page - 1);
    f.Press(Qt::Key_PageUp);
    EXPECT_EQ(f.grid->Row(), 1);
    f.Press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(f.Cell(), TPoint(5, 199));

    f.Go(2, 50);
    f.grid->Navigation()->SetMoveScrollOnly(true);
    int fired = 0;
    f.grid->OnKeyDown = [&](TObject*, Word&, TShiftState) { ++fired; };
    const int top = f.grid->TopRow();
    f.Press(Qt::Key_PageDown);
    EXPECT_EQ(f.grid->TopRow(), top + page);
    f.Press(Qt::Key_Down);
    EXPECT_EQ(f.grid->TopRow(), top + page + 1);
    f.Press(Qt::Key_Home);
    EXPECT_EQ(f.grid->TopRow(), 1);
    EXPECT_EQ(f.Cell(), TPoint(2, 50));
    EXPECT_EQ(fired, 0);
}

TEST(QvGridKeys, EnterOnACellThatCannotBeEditedIsSwallowedAfterOneKeyDown) {
    KeyGrid f;
    int fired = 0;
    f.grid->OnKeyDown = [&](TObject*, Word& key, TShiftState) { fired += key == VK_RETURN; };
    f.Go(2, 2);
    f.Press(Qt::Key_Return);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(f.Cell(), TPoint(2, 2));
    EXPECT_FALSE(f.EditorShown());

    f.Editing(true);
    f.grid->SetReadOnly(2, 2, true);
    f.Press(Qt::Key_F2);
    f.Press(Qt::Key_Return);
    EXPECT_FALSE(f.EditorShown());
    EXPECT_EQ(fired, 2);
    f.Go(3, 2);
    f.Press(Qt::Key_F2);
    EXPECT_TRUE(f.EditorShown());
}

TEST(QvGridKeys, ATypedCharacterOpensTheEditorWithIt) {
    KeyGrid f;
    f.Editing(true);
    f.Go(2, 2);
    f.Type('k');
    ASSERT_TRUE(f.grid->EditorMode());
    ASSERT_NE(f.grid->InplaceEditor(), nullptr);
    EXPECT_EQ(f.grid->InplaceEditor()->Text(), "k");
    EXPECT_EQ(f.grid->StartEditChar(), QChar('k'));
}

TEST(QvGridKeys, OnlyTheKeypadFullStopBecomesTheLocaleDecimalSeparator) {
    SetDecimalSeparatorOverride(QChar(','));
    struct Case {
        bool excelStyle;
        Qt::KeyboardModifiers mods;
        const char* typed;
    } cases[] = {
        {true, Qt::KeypadModifier, ","},
        {true, Qt::NoModifier, "."},
        {false, Qt::KeypadModifier, "."},
    };
    for (const Case& tc : cases) {
        KeyGrid f;
        f.Editing(true);
        f.grid->SetExcelStyleDecimalSeparator(tc.excelStyle);
        f.Go(2, 2);
        QTest::keyClick(f.grid->Widget(), Qt::Key_Period, tc.mods);
        ASSERT_TRUE(f.EditorShown());
        EXPECT_EQ(f.grid->InplaceEditor()->Text(), tc.typed) << tc.excelStyle << int(tc.mods);
    }
    SetDecimalSeparatorOverride(QChar());
}

TEST(QvGridKeys, InsertAndDeleteChangeRowsOnlyWhenTheNavigationAllowsIt) {
    KeyGrid f;
    for (int r = 1; r < 10; ++r)
        f.grid->SetCells(1, r, QString::number(r));
    f.Go(1, 9);
    f.Press(Qt::Key_Insert);
    f.Press(Qt::Key_Delete);
    EXPECT_EQ(f.grid->RowCount(), 10);
    EXPECT_FALSE(f.grid->Modified());

    f.grid->Navigation()->SetAllowInsertRow(true);
    f.grid->Navigation()->SetInsertPosition(pInsertAfter);
    f.Press(Qt::Key_Insert);
    EXPECT_EQ(f.grid->RowCount(), 11);
    EXPECT_EQ(f.grid->Row(), 10);
    EXPECT_EQ(f.grid->Cells(1, 9), "9");
    EXPECT_EQ(f.grid->Cells(1, 10), "");
    EXPECT_TRUE(f.grid->Modified());

    f.grid->Navigation()->SetAllowDeleteRow(true);
    f.grid->SetFilterActive(true);
    f.grid->OnCanDeleteRow = [](TObject*, int, bool& can) { can = false; };
    f.Press(Qt::Key_Delete);
    EXPECT_EQ(f.grid->RowCount(), 11);
    EXPECT_TRUE(f.grid->FilterActive()) << "a refused delete puts the filter back";
    f.grid->OnCanDeleteRow = nullptr;
    f.Go(1, 3);
    f.Press(Qt::Key_Delete);
    EXPECT_EQ(f.grid->RowCount(), 10);
    EXPECT_EQ(f.grid->Cells(1, 3), "4");
}

TEST(QvGridKeys, SpaceTogglesACheckBoxOnlyWhereItMayBeEdited) {
    KeyGrid f;
    f.grid->AddCheckBox(2, 2, false, false);
    std::vector<bool> clicks;
    f.grid->OnCheckBoxClick = [&](TObject*, int, int, bool state) { clicks.push_back(state); };
    f.Go(2, 2);
    f.Press(Qt::Key_Space);
    EXPECT_FALSE(f.grid->IsChecked(2, 2)) << "not editable without goEditing";
    f.grid->ControlLook()->SetCheckAlwaysActive(true);
    f.Press(Qt::Key_Space);
    EXPECT_TRUE(f.grid->IsChecked(2, 2));
    EXPECT_EQ(clicks, (std::vector<bool>{true}));
}

TEST(QvGridKeys, CtrlASelectsAllDataCellsOnlyInARangeOrRowSelectGrid) {
    KeyGrid f;
    f.grid->SetFixedRightCols(1);
    f.Go(2, 2);
    f.Press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 1, 4, 9}));

    f.grid->SetOptions(f.grid->Options() & ~goRangeSelect);
    f.Go(2, 2);
    f.Press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.grid->Selection(), (TGridRect{2, 2, 2, 2}));
}

TEST(QvGridKeys, ClipboardShortcutsNeverDeleteARow) {
    KeyGrid f;
    f.grid->Navigation()->SetAllowDeleteRow(true);
    f.grid->Navigation()->SetAllowClipboardShortCuts(true);
    f.Go(1, 3);
    f.Press(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(f.grid->RowCount(), 10);
    f.Press(Qt::Key_Delete);
    EXPECT_EQ(f.grid->RowCount(), 9);
}

TEST(QvGridKeys, DownOnTheLastRowStopsAtTheSearchFooter) {
    KeyGrid f(6, 30);
    f.grid->SearchFooter()->SetVisible(true);
    int downs = 0;
    f.grid->OnKeyDown = [&](TObject*, Word& key, TShiftState) { downs += key == VK_DOWN; };
    f.Press(Qt::Key_End, Qt::ControlModifier);
    ASSERT_EQ(f.grid->Row(), 29);
    f.Press(Qt::Key_Down);
    EXPECT_EQ(f.grid->Row(), 29);
    EXPECT_EQ(downs, 1);
    f.Press(Qt::Key_Right);
    EXPECT_EQ(f.grid->Col(), 5);
    EXPECT_EQ(f.grid->UpdateCount(), 0) << "every update the footer guard opened is closed";
}

// Each move asks the application once: the moves that ask for themselves (Tab into the next row, the Enter
// move) are not asked again by the selection check.
TEST(QvGridKeys, EveryMoveAsksItsChangeEventsOnce) {
    struct Case {
        const char* name;
        TPoint from;
        int key;
        TPoint to;
        int rowEvents, cellEvents;
    } cases[] = {
        {"down", {2, 2}, Qt::Key_Down, {2, 3}, 1, 1},
        {"tab into the next row", {5, 2}, Qt::Key_Tab, {1, 3}, 1, 1},
        {"enter moves on", {2, 2}, Qt::Key_Return, {3, 2}, 0, 1},
    };
    for (const Case& tc : cases) {
        KeyGrid f;
        f.grid->SetOptions(f.grid->Options() | goTabs | goEditing);
        f.grid->Navigation()->SetAdvanceOnEnter(true);
        f.Go(tc.from.X, tc.from.Y);
        int rows = 0, cells = 0;
        f.grid->OnRowChanging = [&](TObject*, int, int, bool&) { ++rows; };
        f.grid->OnCellChanging = [&](TObject*, int, int, int, int, bool&) { ++cells; };
        f.Press(tc.key);
        EXPECT_EQ(f.Cell(), tc.to) << tc.name;
        EXPECT_EQ(rows, tc.rowEvents) << tc.name;
        EXPECT_EQ(cells, tc.cellEvents) << tc.name;
    }
}
