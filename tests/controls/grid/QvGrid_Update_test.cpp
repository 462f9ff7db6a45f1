// The string grid's update counter, grid timer ticks (search expiry, blinking, hovering), size handling and
// the cursor notification.
#include "TestSupport.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"

#include <QCursor>
#include <QWidget>
#include <gtest/gtest.h>

namespace qvgridupdate {

struct ShownGrid {
    TForm form{nullptr};
    TQvStringGrid* grid;
    ShownGrid() {
        form.SetClientSize(500, 300);
        grid = new TQvStringGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 480, 280);
        grid->SetColCount(6);
        grid->SetRowCount(10);
        form.Show();
    }
    void Tick() { SendMessage(grid, WM_TIMER, kGridTimerID, 0); }
    bool Redraws() const { return grid->Widget()->updatesEnabled(); }
};

} // namespace qvgridupdate

using qvgridupdate::ShownGrid;

TEST(QvGridUpdate, NestedUpdatesRepaintOnceWhenTheCounterReturnsToZero) {
    ShownGrid f;
    f.grid->BeginUpdate();
    f.grid->BeginUpdate();
    EXPECT_EQ(f.grid->UpdateCount(), 2);
    EXPECT_TRUE(f.grid->LockUpdate());
    EXPECT_FALSE(f.Redraws());
    f.grid->EndUpdate();
    EXPECT_EQ(f.grid->UpdateCount(), 1);
    EXPECT_FALSE(f.Redraws()) << "one EndUpdate of two keeps painting suspended";
    f.grid->EndUpdate();
    EXPECT_EQ(f.grid->UpdateCount(), 0);
    EXPECT_TRUE(f.Redraws());

    // An EndUpdate without its BeginUpdate never takes the counter below 0.
    f.grid->EndUpdate();
    EXPECT_EQ(f.grid->UpdateCount(), 0);
    EXPECT_TRUE(f.Redraws());

    // The raw pair touches only the counter.
    f.grid->StartUpdate();
    f.grid->StartUpdate();
    EXPECT_TRUE(f.Redraws());
    f.grid->ResetUpdate();
    EXPECT_EQ(f.grid->UpdateCount(), 0);
}

TEST(QvGridUpdate, ABracketOpenedWhileTheGridIsHiddenDoesNotCount) {
    ShownGrid f;
    f.grid->SetVisible(false);
    f.grid->BeginUpdate();
    EXPECT_EQ(f.grid->UpdateCount(), 0);
    f.grid->SetVisible(true);
    EXPECT_TRUE(f.Redraws());
    f.grid->BeginUpdate();
    f.grid->SetVisible(false);
    f.grid->EndUpdate();
    EXPECT_EQ(f.grid->UpdateCount(), 1) << "an EndUpdate on a hidden grid does not lower the counter";
    f.grid->SetVisible(true);
    f.grid->SetLockUpdate(false);
    EXPECT_EQ(f.grid->UpdateCount(), 0);
    EXPECT_TRUE(f.Redraws());
}

TEST(QvGridUpdate, TheIncrementalSearchTextExpiresOnTheFourthTick) {
    ShownGrid f;
    f.grid->Navigation()->SetAutoGotoIncremental(true);
    f.grid->SetSearchInc("AB");
    for (int i = 0; i < 3; ++i)
        f.Tick();
    EXPECT_EQ(f.grid->SearchInc(), "AB");
    f.Tick();
    EXPECT_EQ(f.grid->SearchInc(), "");
    EXPECT_EQ(f.grid->SearchTics(), 0);
    EXPECT_EQ(f.grid->GridTimerTicks(), 4);

    // Without the option the text stays.
    f.grid->Navigation()->SetAutoGotoIncremental(false);
    f.grid->SetSearchInc("C");
    for (int i = 0; i < 5; ++i)
        f.Tick();
    EXPECT_EQ(f.grid->SearchInc(), "C");
}

TEST(QvGridUpdate, BlinkingTogglesItsPhaseOnEveryTick) {
    ShownGrid f;
    f.grid->SetCells(1, 1, "<BLINK>x</BLINK>");
    f.Tick();
    EXPECT_FALSE(f.grid->GridBlink());
    f.grid->SetEnableBlink(true);
    f.Tick();
    EXPECT_TRUE(f.grid->GridBlink());
    f.Tick();
    EXPECT_FALSE(f.grid->GridBlink());
}

TEST(QvGridUpdate, HoveringMakesTheDataCellUnderTheMouseCurrent) {
    ShownGrid f;
    f.grid->SetHovering(true);
    const TRect fixed = f.grid->CellRect(0, 4);
    QCursor::setPos(f.grid->ClientToScreen(TPoint(fixed.Left + 5, fixed.Top + 5)).toQPoint());
    f.Tick();
    EXPECT_EQ(f.grid->Row(), 1) << "a fixed cell changes nothing";
    const TRect data = f.grid->CellRect(3, 4);
    QCursor::setPos(f.grid->ClientToScreen(TPoint(data.Left + 5, data.Top + 5)).toQPoint());
    f.Tick();
    EXPECT_EQ(f.grid->Col(), 3);
    EXPECT_EQ(f.grid->Row(), 4);
}

TEST(QvGridUpdate, ColumnsFollowTheGridWidthInTheirRecordedProportions) {
    ShownGrid f;
    f.grid->SetColCount(2);
    f.grid->SetFixedCols(0);
    f.grid->SetBounds(0, 0, 300, 200);
    f.grid->SetColWidths(0, 100);
    f.grid->SetColWidths(1, 50);
    f.grid->InitOrigColSizes();
    f.grid->ColumnSize()->SetSynchWithGrid(true);
    f.grid->SetBounds(0, 0, 600, 200);
    EXPECT_EQ(f.grid->ColWidths(0), 200);
    EXPECT_EQ(f.grid->ColWidths(1), 100);
}

TEST(QvGridUpdate, StretchWaitsForTheHorizontalBarSetting) {
    ShownGrid f;
    f.grid->SetColCount(3);
    int resized = 0;
    f.grid->OnGridResize = [&](TObject*) { ++resized; };
    f.grid->SetScrollBarAlways(saHorz);
    f.grid->ColumnSize()->SetStretch(true);
    const int before = f.grid->ColWidths(2);
    f.grid->SetBounds(0, 0, 520, 280);
    EXPECT_EQ(f.grid->ColWidths(2), before);
    EXPECT_EQ(resized, 0);

    f.grid->SetScrollBarAlways(saNone);
    f.grid->SetBounds(0, 0, 560, 280);
    EXPECT_GT(f.grid->ColWidths(2), before);
    EXPECT_EQ(resized, 1);
}

TEST(QvGridUpdate, ACursorChangeEndsTheHoverModeUnlessTheMouseHandlingMadeIt) {
    ShownGrid f;
    f.grid->SetMouseSelectMode(msURL);
    f.grid->SetInvokedChange(true);
    f.grid->SetCursor(crHandPoint);
    EXPECT_EQ(f.grid->MouseSelectMode(), msURL);
    f.grid->SetCursor(crDefault);
    EXPECT_EQ(f.grid->MouseSelectMode(), msNormal);
}

TEST(QvGridUpdate, HoverFixedCellsBySetting) {
    ShownGrid f;
    struct Case {
        THoverFixedCells setting;
        bool corner, fixedRow, fixedCol, data;
    } cases[] = {
        {hfNone, false, false, false, false},
        {hfAll, true, true, true, false},
        {hfFixedRows, true, true, false, false},
        {hfFixedColumns, true, false, true, false},
    };
    for (const Case& c : cases) {
        f.grid->SetHoverFixedCells(c.setting);
        EXPECT_EQ(f.grid->IsHoverFixedCell(0, 0), c.corner) << c.setting;
        EXPECT_EQ(f.grid->IsHoverFixedCell(2, 0), c.fixedRow) << c.setting;
        EXPECT_EQ(f.grid->IsHoverFixedCell(0, 2), c.fixedCol) << c.setting;
        EXPECT_EQ(f.grid->IsHoverFixedCell(2, 2), c.data) << c.setting;
    }
}
