// The string grid under real mouse events: press, drag, release, double and right click, wheel, panning,
// focus, hints and the owner form's resizing.
#include "TestSupport.h"
#include "controls/grid/HeaderDragButton.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/HintWindow.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

// A shown form with a 6 x 20 grid of 64 x 22 cells (one fixed row and column), driven by Qt mouse events.
class MouseGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 600, 400);
        grid = new TQvStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 500, 300);
        grid->SetColCount(6);
        grid->SetRowCount(20);
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 20; ++r)
                grid->SetCells(c, r, QString("%1:%2").arg(c).arg(r));
        form->Show();
        QApplication::processEvents();
    }
    void TearDown() override { form.reset(); }

    // The widget that shows the cells: the grid's one direct child that is no scroll bar.
    QWidget* Cells() const {
        for (QWidget* w : grid->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QScrollBar*>(w)) return w;
        return grid->Widget();
    }
    QPoint Center(int c, int r) const {
        const TRect rc = grid->CellRect(c, r);
        return QPoint((rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
    }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* w = Cells();
        QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, mods);
        QApplication::sendEvent(w, &e);
    }
    void Press(QPoint at, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        Send(QEvent::MouseButtonPress, at, b, b, mods);
    }
    void Release(QPoint at, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        Send(QEvent::MouseButtonRelease, at, b, Qt::NoButton, mods);
    }
    void Move(QPoint at, Qt::MouseButtons held = Qt::LeftButton) {
        Send(QEvent::MouseMove, at, Qt::NoButton, held);
    }
    void Click(QPoint at, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        Press(at, b, mods);
        Release(at, b, mods);
    }
    // The platform's order: press, release, double click, release.
    void DoubleClick(QPoint at) {
        Click(at);
        Send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        Release(at);
    }
    void Wheel(int delta, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* w = Cells();
        const QPoint at = Center(2, 2);
        QWheelEvent e(QPointF(at), QPointF(w->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      mods, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }

    std::unique_ptr<TForm> form;
    TQvStringGrid* grid = nullptr;
};

TEST_F(MouseGridTest, PressAndDragSelectCellsAndRanges) {
    struct Case {
        const char* name;
        TGridCoord press, release;
        Qt::KeyboardModifiers mods;
        TGridRect selection;
    };
    const Case cases[] = {
        {"click", {2, 3}, {2, 3}, Qt::NoModifier, {2, 3, 2, 3}},
        {"drag down right", {1, 1}, {3, 4}, Qt::NoModifier, {1, 1, 3, 4}},
        {"drag up left", {4, 5}, {2, 2}, Qt::NoModifier, {2, 2, 4, 5}},
    };
    std::vector<std::pair<int, int>> clicked;
    grid->OnClickCell = [&](TObject*, int r, int c) { clicked.emplace_back(r, c); };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        clicked.clear();
        Press(Center(k.press.X, k.press.Y), Qt::LeftButton, k.mods);
        Move(Center(k.release.X, k.release.Y));
        Release(Center(k.release.X, k.release.Y), Qt::LeftButton, k.mods);
        EXPECT_EQ(grid->Selection(), k.selection);
        ASSERT_EQ(clicked.size(), 1u);
        EXPECT_EQ(clicked[0], std::make_pair(k.press.Y, k.press.X));
    }
    // Shift extends from the anchor of the last click.
    Click(Center(1, 2));
    Click(Center(3, 6), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 3, 6}));
}

TEST_F(MouseGridTest, RefusedPressChangesNothing) {
    Click(Center(1, 1));
    bool clicked = false;
    grid->OnCanClickCell = [](TObject*, int, int, bool& allow) { allow = false; };
    grid->OnClickCell = [&](TObject*, int, int) { clicked = true; };
    Click(Center(4, 5));
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
    EXPECT_FALSE(clicked);
}

TEST_F(MouseGridTest, ClickOnCheckBoxCellTogglesItWhereEditingAllows) {
    struct Case {
        const char* name;
        bool editing, checkAlwaysActive, toggles;
    };
    const Case cases[] = {
        {"editing grid", true, false, true},
        {"read-only grid", false, false, false},
        {"always active box", false, true, true},
    };
    std::vector<std::tuple<int, int, bool>> boxClicks;
    int cellClicks = 0;
    grid->OnCheckBoxClick = [&](TObject*, int c, int r, bool s) { boxClicks.emplace_back(c, r, s); };
    grid->OnClickCell = [&](TObject*, int, int) { ++cellClicks; };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        grid->SetOptions(k.editing ? grid->Options() | goEditing : grid->Options() & ~goEditing);
        grid->ControlLook()->SetCheckAlwaysActive(k.checkAlwaysActive);
        grid->AddCheckBox(2, 3, false, false);
        boxClicks.clear();
        cellClicks = 0;
        Click(Center(2, 3));
        EXPECT_EQ(grid->IsChecked(2, 3), k.toggles);
        if (k.toggles) {
            ASSERT_EQ(boxClicks.size(), 1u);
            EXPECT_EQ(boxClicks[0], std::make_tuple(2, 3, true));
            EXPECT_EQ(cellClicks, 0);
        } else {
            EXPECT_TRUE(boxClicks.empty());
            EXPECT_EQ(cellClicks, 1);
        }
        EXPECT_EQ(grid->Col(), 2);
        EXPECT_EQ(grid->Row(), 3);
        grid->RemoveCheckBox(2, 3);
    }
}

// A cell button counts as clicked only when the release falls on it; a radio button cell is checked by
// the press and its column's other buttons cleared.
TEST_F(MouseGridTest, CellButtonsAndRadioButtonsTakeThePress) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->AddButton(2, 3, 40, 18, "Go", haLeft, vaTop);
    std::vector<std::pair<int, int>> buttonClicks;
    int mouseUps = 0;
    grid->OnButtonClick = [&](TObject*, int c, int r) { buttonClicks.emplace_back(c, r); };
    grid->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++mouseUps; };
    const TRect b = grid->GetCellButtonRect(2, 3);
    ASSERT_FALSE(b.IsEmpty());
    const QPoint onButton((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
    Click(onButton);
    EXPECT_EQ(buttonClicks, (std::vector<std::pair<int, int>>{{2, 3}}));
    EXPECT_EQ(mouseUps, 0);
    // Pressed on the button and released elsewhere: drawn up, not clicked, an ordinary release.
    Press(onButton);
    Release(Center(4, 6));
    EXPECT_EQ(buttonClicks.size(), 1u);
    EXPECT_EQ(mouseUps, 1);

    grid->AddRadioButton(4, 2, true);
    grid->AddRadioButton(4, 5, false);
    std::vector<std::pair<int, int>> radioClicks;
    grid->OnRadioButtonClick = [&](TObject*, int c, int r) { radioClicks.emplace_back(c, r); };
    Click(Center(4, 5));
    EXPECT_TRUE(grid->IsRadioButtonChecked(4, 5));
    EXPECT_FALSE(grid->IsRadioButtonChecked(4, 2));
    EXPECT_EQ(radioClicks, (std::vector<std::pair<int, int>>{{4, 5}}));
}

TEST_F(MouseGridTest, DataCheckBoxClickSwitchesItsText) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->AddCheckBox(3, 4, false, true);
    grid->SetCells(3, 4, "N");
    Click(Center(3, 4));
    EXPECT_EQ(grid->Cells(3, 4), "Y");
    Click(Center(3, 4));
    EXPECT_EQ(grid->Cells(3, 4), "N");
}

TEST_F(MouseGridTest, DoubleClickOnHeaderBorderSizesTheColumn) {
    grid->SetOptions(grid->Options() | goColSizing);
    grid->SetCells(2, 7, "a much longer text than the column shows");
    struct Case {
        const char* name;
        int dx; // from the right edge of column 2's header
        bool sizes;
    };
    const Case cases[] = {
        {"on the border", -1, true},
        {"3 pixels inside", -3, true},
        {"6 pixels inside", -6, false},
    };
    std::vector<std::pair<int, int>> dbl;
    std::vector<int> ended;
    grid->OnDblClickCell = [&](TObject*, int r, int c) { dbl.emplace_back(r, c); };
    grid->OnEndColumnSize = [&](TObject*, int c) { ended.push_back(c); };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        grid->SetColWidths(2, 64);
        dbl.clear();
        ended.clear();
        const TRect h = grid->CellRect(2, 0);
        DoubleClick(QPoint(h.Right + k.dx, (h.Top + h.Bottom) / 2));
        if (k.sizes) {
            EXPECT_GT(grid->ColWidths(2), 64);
            EXPECT_EQ(ended, std::vector<int>{2});
            EXPECT_TRUE(dbl.empty());
        } else {
            EXPECT_EQ(grid->ColWidths(2), 64);
            EXPECT_TRUE(ended.empty());
            EXPECT_EQ(dbl, (std::vector<std::pair<int, int>>{{0, 2}}));
        }
    }
}

TEST_F(MouseGridTest, BorderDoubleClickDoesNotSortOnTheFollowingRelease) {
    grid->SetOptions(grid->Options() | goColSizing);
    grid->SortSettings()->SetShow(true);
    int sorts = 0;
    grid->OnClickSort = [&](TObject*, int) { ++sorts; };
    const TRect h = grid->CellRect(2, 0);
    DoubleClick(QPoint(h.Right - 1, (h.Top + h.Bottom) / 2));
    EXPECT_EQ(sorts, 0);
    // A plain header click sorts; with UndoSort the third click goes back to unsorted.
    grid->SortSettings()->SetUndoSort(true);
    std::vector<int> columns;
    for (int i = 0; i < 3; ++i) {
        Click(Center(3, 0));
        columns.push_back(grid->SortSettings()->Column());
    }
    EXPECT_EQ(sorts, 3);
    EXPECT_EQ(columns, (std::vector<int>{3, 3, -1}));
}

TEST_F(MouseGridTest, WheelMovesTheSelectionOrScrolls) {
    const int lines = WheelScrollLines() > 0 ? WheelScrollLines() : 3;
    struct Case {
        const char* name;
        TWheelAction action;
        int increment, startRow, delta, row, topRow;
    };
    const Case cases[] = {
        {"notch down", waMoveSelection, 0, 2, -120, 2 + lines, -1},
        {"notch up", waMoveSelection, 0, 10, 120, 10 - lines, -1},
        {"not beyond the last row", waMoveSelection, 0, 18, -120, 19, -1},
        {"not above the first data row", waMoveSelection, 0, 2, 120, 1, -1},
        {"increment one", waMoveSelection, 1, 5, -120, 6, -1},
        {"scroll keeps the current row", waScroll, 0, 5, -120, 5, 1 + lines},
    };
    int changes = 0;
    grid->OnSelectionChanged = [&](TObject*, int, int, int, int) { ++changes; };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        grid->MouseActions()->SetWheelAction(k.action);
        grid->MouseActions()->SetWheelIncrement(k.increment);
        grid->SetTopRow(1);
        grid->SetRow(k.startRow);
        changes = 0;
        Wheel(k.delta);
        EXPECT_EQ(grid->Row(), k.row);
        if (k.topRow >= 0) {
            EXPECT_EQ(grid->TopRow(), k.topRow);
        }
        EXPECT_EQ(changes, k.row != k.startRow ? 1 : 0);
    }
}

TEST_F(MouseGridTest, CtrlWheelZoomsAndSizesTheCells) {
    const int lines = WheelScrollLines() > 0 ? WheelScrollLines() : 3;
    grid->SetRow(4);
    Wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(grid->ZoomFactor(), lines);
    EXPECT_EQ(grid->Row(), 4);
    Wheel(120, Qt::ControlModifier);
    EXPECT_EQ(grid->ZoomFactor(), 0);
    grid->SetIntelliZoom(false);
    Wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(grid->ZoomFactor(), 0);
    EXPECT_EQ(grid->Row(), 4 + lines);
}

TEST_F(MouseGridTest, ParentThatHandlesTheWheelGetsItFirst) {
    int parentCalls = 0;
    form->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
        ++parentCalls;
        handled = true;
    };
    grid->SetRow(5);
    Wheel(-120);
    EXPECT_EQ(parentCalls, 1);
    // The grid then only sees the wheel through its normal dispatch: one row.
    EXPECT_EQ(grid->Row(), 6);
}

TEST_F(MouseGridTest, RightClickReportsTheCell) {
    std::vector<std::pair<int, int>> reported;
    grid->OnRightClickCell = [&](TObject*, int r, int c) { reported.emplace_back(r, c); };
    Click(Center(1, 1));
    Click(Center(3, 5), Qt::RightButton);
    Click(QPoint(grid->CellRect(5, 0).Right + 20, 5), Qt::RightButton); // right of the last column
    EXPECT_EQ(reported, (std::vector<std::pair<int, int>>{{5, 3}, {-1, -1}}));
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
    // With SelectOnRightClick the right-clicked cell becomes the selection.
    grid->MouseActions()->SetSelectOnRightClick(true);
    Click(Center(4, 6), Qt::RightButton);
    EXPECT_EQ(grid->Selection(), (TGridRect{4, 6, 4, 6}));
}

TEST_F(MouseGridTest, MiddleButtonPansPastTheDeadZone) {
    const QPoint origin = Center(2, 3);
    grid->SetRow(3);
    Press(origin, Qt::MiddleButton);
    ASSERT_TRUE(grid->Panning());
    EXPECT_EQ(grid->PanCursorId(), 8000);
    struct Step {
        int dy, row, cursor;
    };
    // Within 5 pixels nothing moves; beyond, one row per tick downwards or upwards.
    const Step steps[] = {{5, 3, 8000}, {6, 4, 8001}, {30, 5, 8001}, {-6, 4, 8004}};
    for (const Step& s : steps) {
        QCursor::setPos(Cells()->mapToGlobal(origin + QPoint(0, s.dy)));
        if (Cells()->mapFromGlobal(QCursor::pos()) != origin + QPoint(0, s.dy))
            GTEST_SKIP() << "no cursor moves";
        grid->Perform(WM_TIMER, 999, 0);
        EXPECT_EQ(grid->Row(), s.row);
        EXPECT_EQ(grid->PanCursorId(), s.cursor);
    }
    Click(origin);
    EXPECT_FALSE(grid->Panning());
}

TEST_F(MouseGridTest, EditDoneMessageReportsTheCellAfterwards) {
    std::vector<std::pair<int, int>> done;
    grid->OnEditCellDone = [&](TObject*, int c, int r) { done.emplace_back(c, r); };
    PostMessage(grid, QvGrid::GridEditDoneMessage, 4, 7);
    EXPECT_TRUE(done.empty());
    QApplication::processEvents();
    EXPECT_EQ(done, (std::vector<std::pair<int, int>>{{4, 7}}));
}

TEST_F(MouseGridTest, FocusIsIgnoredOnceAfterAnEditorPopupWasLeft) {
    grid->InvokedFocusChange = true;
    grid->Perform(WM_SETFOCUS, 0, 0);
    EXPECT_FALSE(grid->InvokedFocusChange);
}

TEST_F(MouseGridTest, ComboChangeFiresOnceWithTheRealColumn) {
    grid->HideColumn(1);
    auto* combo = new TComboBox(grid);
    combo->SetParent(grid);
    combo->Items()->Add("one");
    combo->Items()->Add("two");
    combo->SetItemIndex(1);
    grid->SetCol(2); // display column 2 is real column 3
    std::vector<std::tuple<int, int, int, QString>> changes;
    grid->OnComboChange = [&](TObject*, int c, int r, int i, const String& s) {
        changes.emplace_back(c, r, i, s);
    };
    grid->Perform(WM_COMMAND, WPARAM(1) << 16, reinterpret_cast<LPARAM>(combo));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], std::make_tuple(3, grid->Row(), 1, QString("two")));
}

TEST_F(MouseGridTest, FixedBorderDraggedPastItsColumnStopsAtZero) {
    grid->SetFixedCols(2);
    grid->MouseActions()->SetSizeFixedCol(true);
    const int border = grid->ColWidths(0) + 1 + grid->ColWidths(1);
    Move(QPoint(border, 30), Qt::NoButton);
    Press(QPoint(border, 30));
    Move(QPoint(10, 30));
    Release(QPoint(10, 30));
    EXPECT_EQ(grid->ColWidths(1), 0);
    // Released inside the column, the border takes the width up to the mouse.
    grid->SetColWidths(1, 50);
    const int border2 = grid->ColWidths(0) + 1 + grid->ColWidths(1);
    Move(QPoint(border2, 30), Qt::NoButton);
    Press(QPoint(border2, 30));
    Release(QPoint(border2 + 20, 30));
    EXPECT_EQ(grid->ColWidths(1), 50 + 20 + 1);
}

TEST_F(MouseGridTest, SelectionHandleFillsCellsAndLeavesTheClipboard) {
    QApplication::clipboard()->setText("the user's text");
    grid->SetSelectionRectangle(true);
    grid->SetSelectionResizer(true);
    grid->SetCells(2, 2, "copied");
    Click(Center(2, 2));
    const TRect c = grid->CellRect(2, 2);
    const QPoint handle(c.Right - 2, c.Bottom - 2);
    Move(handle, Qt::NoButton);
    Press(handle);
    Move(Center(2, 4));
    Release(Center(2, 4));
    EXPECT_EQ(grid->Cells(2, 3), "copied");
    EXPECT_EQ(grid->Cells(2, 4), "copied");
    EXPECT_EQ(QApplication::clipboard()->text(), "the user's text");
}

TEST_F(MouseGridTest, CellHintsShowTextsAndLetTheWindowChangeHeaders) {
    grid->SetHintShowCells(true);
    grid->SetHint("grid hint");
    grid->OnGridHint = [](TObject*, int r, int c, String& h) {
        if (r == 0) h = QString("header %1").arg(c);
    };
    struct Case {
        int c, r;
        QString hint;
    };
    const Case cases[] = {{2, 5, "2:5"}, {3, 0, "header 3"}};
    for (const Case& k : cases) {
        String hint = grid->Hint();
        THintInfo info;
        info.CursorPos = TPoint(Center(k.c, k.r).x(), Center(k.c, k.r).y());
        grid->BuildCellHint(hint, info);
        EXPECT_EQ(hint, k.hint);
        EXPECT_EQ(info.HintColor, grid->HintColor());
    }
}

// The hint the platform asks for when the mouse rests: the cell's own, and it goes with the cell.
TEST_F(MouseGridTest, RestingMouseShowsTheCellOrHeaderHintUntilItLeavesTheCell) {
    grid->SetShowHint(true);
    grid->SetHintShowCells(true);
    grid->OnGridHint = [](TObject*, int r, int c, String& h) {
        if (r == 0) h = QString("header %1").arg(c);
    };
    auto rest = [this](QPoint at) {
        QWidget* w = Cells();
        QHelpEvent e(QEvent::ToolTip, at, w->mapToGlobal(at));
        QApplication::sendEvent(w, &e);
    };
    const struct {
        int c, r;
        QString hint;
    } cases[] = {{2, 5, "2:5"}, {3, 0, "header 3"}};
    for (const auto& k : cases) {
        rest(Center(k.c, k.r));
        ASSERT_NE(ShownHintWindow(), nullptr) << k.hint.toStdString();
        EXPECT_EQ(ShownHintWindow()->Caption(), k.hint);
        // Moving inside the cell keeps the hint; moving to the next cell withdraws it.
        Move(Center(k.c, k.r) + QPoint(3, 1), Qt::NoButton);
        EXPECT_NE(ShownHintWindow(), nullptr);
        Move(Center(k.c + 1, k.r), Qt::NoButton);
        EXPECT_EQ(ShownHintWindow(), nullptr);
    }
    grid->SetShowHint(false);
    rest(Center(2, 5));
    EXPECT_EQ(ShownHintWindow(), nullptr);
}

TEST_F(MouseGridTest, EnhancedColumnMoveShowsTheHeaderButtonAndMoves) {
    grid->SetOptions(grid->Options() | goColMoving);
    grid->SetCells(2, 0, "moved");
    Press(Center(2, 0));
    Move(Center(3, 0));
    Move(Center(4, 0));
    ASSERT_NE(grid->HeaderDragButton(), nullptr);
    EXPECT_TRUE(grid->HeaderDragButton()->Visible());
    EXPECT_EQ(grid->HeaderDragButton()->Caption(), "moved");
    EXPECT_EQ(grid->MoveCursor(), crDrag);
    Release(Center(4, 0));
    EXPECT_FALSE(grid->HeaderDragButton()->Visible());
    EXPECT_EQ(grid->Cells(4, 0), "moved");
}

TEST_F(MouseGridTest, AHeaderDragStartsAndEndsTheFocusBlockOnce) {
    grid->SetOptions(grid->Options() | goColMoving);
    std::vector<std::pair<String, TObject*>> fired;
    grid->OnStartBlockFocus = [&](TObject* s) { fired.push_back({"start", s}); };
    grid->OnEndBlockFocus = [&](TObject* s) { fired.push_back({"end", s}); };
    Press(Center(2, 0));
    Move(Center(3, 0));
    Release(Center(3, 0));
    const std::vector<std::pair<String, TObject*>> expected = {{"start", grid}, {"end", grid}};
    EXPECT_EQ(fired, expected);
}

TEST_F(MouseGridTest, RefusedMoveTargetMovesNothing) {
    grid->SetOptions(grid->Options() | goColMoving);
    grid->OnColumnMoving = [](TObject*, int, bool& allow) { allow = false; };
    grid->SetCells(2, 0, "stays");
    Press(Center(2, 0));
    Move(Center(4, 0));
    EXPECT_EQ(grid->MoveCursor(), crNoDrop);
    Release(Center(4, 0));
    EXPECT_EQ(grid->Cells(2, 0), "stays");
}

// Grids restore nothing on their form when they go: destroyed in either order, a later resize of the
// form calls no grid that is gone (checked by the address sanitizer) and the remaining one still follows.
TEST(QvGridOwnerForm, GridsOnOneFormGoInEitherOrder) {
    for (bool firstGoesFirst : {true, false}) {
        SCOPED_TRACE(firstGoesFirst);
        TForm form(nullptr);
        form.SetBounds(0, 0, 400, 300);
        int formResizes = 0;
        form.OnResize = [&](TObject*) { ++formResizes; };
        auto* a = new TQvStringGrid(&form);
        auto* b = new TQvStringGrid(&form);
        a->SetSizeWithForm(true);
        b->SetSizeWithForm(true);
        const int bw = b->Width(), aw = a->Width();
        form.SetBounds(0, 0, 430, 320);
        EXPECT_EQ(a->Width(), aw + 30);
        EXPECT_EQ(b->Width(), bw + 30);
        TQvStringGrid* gone = firstGoesFirst ? a : b;
        TQvStringGrid* kept = firstGoesFirst ? b : a;
        delete gone;
        const int kw = kept->Width(), kh = kept->Height();
        form.SetBounds(0, 0, 460, 340);
        EXPECT_EQ(kept->Width(), kw + 30);
        EXPECT_EQ(kept->Height(), kh + 20);
        // With both gone the form resizes with nothing left watching it.
        delete kept;
        form.SetBounds(0, 0, 480, 350);
        EXPECT_EQ(formResizes, 3); // the form's own handler is never replaced
    }
}

TEST(QvGridOwnerForm, ShrinkingTheFormBelowTheGridLeavesTheGrid) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* g = new TQvStringGrid(&form);
    g->SetSizeWithForm(true);
    g->SetBounds(0, 0, 100, 100);
    form.SetBounds(0, 0, 290, 300);
    EXPECT_EQ(g->Width(), 100);
    EXPECT_EQ(g->Height(), 100);
}

TEST_F(MouseGridTest, DoubleClickOnACellFiresEachEventOnce) {
    int dbl = 0, dblCell = 0;
    grid->OnDblClick = [&](TObject*) { ++dbl; };
    grid->OnDblClickCell = [&](TObject*, int, int) { ++dblCell; };
    DoubleClick(Center(3, 4));
    EXPECT_EQ(dbl, 1);
    EXPECT_EQ(dblCell, 1);
}

TEST_F(MouseGridTest, CellControlFollowsTheScrollAndHidesOutOfView) {
    auto* panel = new TPanel(form.get());
    grid->SetCellControls(2, 3, panel);
    grid->SetTopRow(5);
    EXPECT_FALSE(panel->Visible());
    grid->SetTopRow(2);
    const TRect r = grid->CellRect(2, 3);
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(panel->Top(), r.Top - 1);
    EXPECT_EQ(panel->Left(), r.Left - 1);
    grid->HideColumn(2);
    grid->CellControlsUpdate(false);
    EXPECT_FALSE(panel->Visible());
}

TEST_F(MouseGridTest, HoveredRowFollowsTheMouseAndGoesWhenItLeaves) {
    grid->SetHoverRow(true);
    Move(Center(2, 4), Qt::NoButton);
    EXPECT_EQ(grid->HoverRowIdx(), 4);
    Move(Center(2, 6), Qt::NoButton);
    EXPECT_EQ(grid->HoverRowIdx(), 6);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(grid->Widget(), &leave);
    EXPECT_EQ(grid->HoverRowIdx(), -1);
}

TEST_F(MouseGridTest, ColumnSizingReportsTheWidthTheColumnGets) {
    grid->SetOptions(grid->Options() | goColSizing);
    std::vector<std::pair<int, int>> sizing;
    grid->OnColumnSizing = [&](TObject*, int c, int w) { sizing.emplace_back(c, w); };
    const TRect h = grid->CellRect(2, 0);
    Move(QPoint(h.Right, 5), Qt::NoButton);
    Press(QPoint(h.Right, 5));
    Move(QPoint(h.Right + 30, 5));
    Release(QPoint(h.Right + 30, 5));
    ASSERT_FALSE(sizing.empty());
    EXPECT_EQ(sizing.back(), std::make_pair(2, grid->ColWidths(2)));
    EXPECT_EQ(grid->ColWidths(2), 64 + 30);

    // With the sizing hint the width shows while the border is dragged, and goes with the release.
    grid->SetHintShowSizing(true);
    const TRect h2 = grid->CellRect(2, 0);
    Move(QPoint(h2.Right, 5), Qt::NoButton);
    Press(QPoint(h2.Right, 5));
    Move(QPoint(h2.Right - 10, 5));
    ASSERT_NE(ShownHintWindow(), nullptr);
    EXPECT_EQ(ShownHintWindow()->Caption(), QString("cw=%1").arg(64 + 30 - 10));
    Release(QPoint(h2.Right - 10, 5));
    EXPECT_EQ(ShownHintWindow(), nullptr);
    grid->SetHintShowSizing(false);

    // Dragged past the column's own start, the border stops there: the column is 0 wide, as reported.
    const TRect g = grid->CellRect(2, 0);
    Move(QPoint(g.Right, 5), Qt::NoButton);
    Press(QPoint(g.Right, 5));
    Move(QPoint(g.Left - 20, 5));
    Release(QPoint(g.Left - 20, 5));
    EXPECT_EQ(sizing.back(), std::make_pair(2, 0));
    EXPECT_EQ(grid->ColWidths(2), 0);
}

TEST_F(MouseGridTest, HorizontalPanningIgnoresVerticalOffsets) {
    grid->SetIntelliPan(ipHorizontal);
    grid->SetRow(3);
    grid->SetCol(2);
    const QPoint origin = Center(2, 3);
    Press(origin, Qt::MiddleButton);
    ASSERT_TRUE(grid->Panning());
    QCursor::setPos(Cells()->mapToGlobal(origin + QPoint(20, 40)));
    if (Cells()->mapFromGlobal(QCursor::pos()) != origin + QPoint(20, 40)) GTEST_SKIP() << "no cursor moves";
    grid->Perform(WM_TIMER, 999, 0);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->PanCursorId(), 8003);
    grid->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(grid->Panning());
}

TEST_F(MouseGridTest, PressesOpenTheEditorAsTheMouseOptionsSay) {
    struct Case {
        const char* name;
        bool editing, rangeSelectAndEdit, directEdit;
        bool openAfterFirst, openAfterSecond;
    };
    // First a press on another cell than the current one, then a second press on the same cell.
    const Case cases[] = {
        {"editing grid", true, false, false, false, true},
        {"direct edit", true, false, true, true, true},
        {"range select and edit", false, true, false, false, true},
        {"read-only grid", false, false, false, false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        grid->SetOptions(k.editing ? grid->Options() | goEditing : grid->Options() & ~goEditing);
        grid->MouseActions()->SetRangeSelectAndEdit(k.rangeSelectAndEdit);
        grid->MouseActions()->SetDirectEdit(k.directEdit);
        grid->HideInplaceEdit();
        grid->FocusCell(1, 1);
        Click(Center(3, 4));
        EXPECT_EQ(grid->Col(), 3);
        EXPECT_EQ(grid->Row(), 4);
        EXPECT_EQ(grid->EditorMode(), k.openAfterFirst);
        grid->HideInplaceEdit();
        Click(Center(3, 4));
        EXPECT_EQ(grid->EditorMode(), k.openAfterSecond);
    }
}

TEST_F(MouseGridTest, FocusOpensTheEditorWithAlwaysEditExceptOnCheckBoxes) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->Navigation()->SetAlwaysEdit(true);
    grid->FocusCell(2, 2);
    grid->Perform(WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(grid->EditorMode());
    grid->HideInplaceEdit();
    grid->AddCheckBox(3, 3, false, false);
    grid->FocusCell(3, 3);
    grid->Perform(WM_SETFOCUS, 0, 0);
    EXPECT_FALSE(grid->EditorMode());
}

TEST_F(MouseGridTest, DisjunctRowsFollowPlainAndCtrlClicks) {
    grid->MouseActions()->SetDisjunctRowSelect(true);
    struct Step {
        int row;
        Qt::KeyboardModifiers mods;
        std::vector<int> flagged;
    };
    const Step steps[] = {
        {3, Qt::NoModifier, {3}},
        {5, Qt::ControlModifier, {3, 5}},
        {7, Qt::ControlModifier, {3, 5, 7}},
        {5, Qt::ControlModifier, {3, 7}},
        {9, Qt::NoModifier, {9}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.row);
        Click(Center(2, s.row), Qt::LeftButton, s.mods);
        std::vector<int> flagged;
        for (int r = grid->FixedRows(); r < grid->RowCount(); ++r)
            if (grid->RowSelect(r)) flagged.push_back(r);
        EXPECT_EQ(flagged, s.flagged);
    }
}

TEST_F(MouseGridTest, ClickOnAHeaderFiresOnClickOnce) {
    int clicks = 0;
    grid->OnClick = [&](TObject*) { ++clicks; };
    Click(Center(2, 0));
    EXPECT_EQ(clicks, 1);
    // Not at the end of a header sizing.
    grid->SetOptions(grid->Options() | goColSizing);
    clicks = 0;
    const TRect h = grid->CellRect(2, 0);
    Move(QPoint(h.Right, 5), Qt::NoButton);
    Press(QPoint(h.Right, 5));
    Move(QPoint(h.Right + 10, 5));
    Release(QPoint(h.Right + 10, 5));
    EXPECT_EQ(clicks, 0);
}

// The view used to follow the press whatever the option said: every scroll moved the row it was compared
// with.
TEST_F(MouseGridTest, NoScrollOnPartialRowKeepsTheTopRowOfThePress) {
    for (const bool keep : {false, true}) {
        SCOPED_TRACE(keep);
        grid->MouseActions()->SetNoScrollOnPartialRow(keep);
        grid->SetTopRow(1);
        grid->FocusCell(2, 2);
        const int partial = grid->TopRow() + grid->VisibleRowCount();
        const TRect r = grid->CellRect(2, partial);
        Click(QPoint(r.Left + 5, r.Top + 2));
        EXPECT_EQ(grid->Row(), partial);
        EXPECT_EQ(grid->TopRow(), keep ? 1 : 2);
    }
}
