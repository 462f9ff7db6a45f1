// Check boxes, radio groups and radio buttons of the string grid: states by kind, toggling and its
// events, columns of boxes and buttons, the hit test and undoing a toggle.
#include "controls/grid/QvGrid.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct BoxEvent {
    int col, row;
    bool state;
    bool operator==(const BoxEvent&) const = default;
};

void PrintTo(const BoxEvent& e, std::ostream* os) {
    *os << '(' << e.col << ", " << e.row << ", " << e.state << ')';
}

} // namespace

TEST(QvGridChecks, DataCheckBoxIsCheckedExactlyByTheCheckTrueText) {
    TQvStringGrid g(nullptr);
    const std::pair<const char*, bool> cases[] = {{"Y", true}, {"N", false}, {"y", false}, {"Yes", false}};
    int r = 1;
    for (auto [text, checked] : cases) {
        g.SetCells(1, r, text);
        g.AddCheckBox(1, r, false, true);
        bool state = !checked;
        EXPECT_TRUE(g.GetCheckBoxState(1, r, state)) << text;
        EXPECT_EQ(state, checked) << text;
        ++r;
    }
    EXPECT_TRUE(g.SetCheckBoxState(1, 2, true));
    EXPECT_EQ(g.Cells(1, 2), "Y");
    // Adding keeps a text that already is a state and writes one over any other.
    g.SetCells(2, 1, "X");
    g.AddCheckBox(2, 1, true, true);
    EXPECT_EQ(g.Cells(2, 1), "Y");
    g.SetCells(2, 2, "N");
    g.AddCheckBox(2, 2, true, true);
    EXPECT_EQ(g.Cells(2, 2), "N");
}

TEST(QvGridChecks, StateQueriesLeaveCellsWithoutABoxAlone) {
    TQvStringGrid g(nullptr);
    g.AddComment(1, 2, "c");
    for (int r : {1, 2}) {
        bool state = true;
        EXPECT_FALSE(g.GetCheckBoxState(1, r, state));
        EXPECT_TRUE(state);
        EXPECT_FALSE(g.IsChecked(1, r));
        EXPECT_FALSE(g.SetCheckBoxState(1, r, true));
        EXPECT_FALSE(g.ToggleCheckBox(1, r));
    }
    EXPECT_EQ(g.CellComment(1, 2), "c");
}

TEST(QvGridChecks, TriStateBoxCyclesAndOnlyTheTriStateQueryReportsIt) {
    TQvStringGrid g(nullptr);
    g.AddCheckBox(1, 1, cbUnchecked);
    const TCheckBoxState expected[] = {cbGrayed, cbChecked, cbUnchecked};
    for (TCheckBoxState s : expected) {
        EXPECT_TRUE(g.ToggleCheckBox(1, 1));
        TCheckBoxState state = cbUnchecked;
        EXPECT_TRUE(g.GetCheckBoxState(1, 1, state));
        EXPECT_EQ(state, s);
    }
    bool b = false;
    EXPECT_FALSE(g.GetCheckBoxState(1, 1, b));
    EXPECT_TRUE(g.SetCheckBoxState(1, 1, cbGrayed));
    EXPECT_FALSE(g.SetCheckBoxState(1, 1, true));
}

TEST(QvGridChecks, ToggleAndChangeFireTheEventOnlyForAChange) {
    TQvStringGrid g(nullptr);
    std::vector<BoxEvent> events;
    g.OnCheckBoxChange = [&](TObject*, int c, int r, bool s) { events.push_back({c, r, s}); };
    g.AddCheckBox(1, 1, false, false);
    g.SetCells(2, 1, "N");
    g.AddCheckBox(2, 1, false, true);
    EXPECT_TRUE(g.ToggleCheckBox(1, 1));
    EXPECT_TRUE(g.ToggleCheckBox(2, 1));
    EXPECT_TRUE(g.ChangeCheckBoxState(1, 1, true)); // already checked: no event
    EXPECT_TRUE(g.ChangeCheckBoxState(2, 1, false));
    EXPECT_TRUE(g.SetCheckBoxState(1, 1, false)); // a plain set never fires
    const std::vector<BoxEvent> want = {{1, 1, true}, {2, 1, true}, {2, 1, false}};
    EXPECT_EQ(events, want);
    EXPECT_EQ(g.Cells(2, 1), "N");
}

TEST(QvGridChecks, ColumnsOfBoxesCheckAndUncheckTogether) {
    TQvStringGrid g(nullptr);
    g.SetRowCount(5);
    g.AddCheckBoxColumn(1, false, false);
    EXPECT_FALSE(g.HasCheckBox(1, 0)) << "fixed rows get no box";
    int events = 0;
    g.OnCheckBoxChange = [&](TObject*, int, int, bool) { ++events; };
    g.CheckAll(1);
    for (int r = 1; r < 5; ++r)
        EXPECT_TRUE(g.IsChecked(1, r)) << r;
    EXPECT_EQ(events, 4);
    g.UnCheckAll(1);
    EXPECT_FALSE(g.IsChecked(1, 3));
    g.RemoveCheckBoxColumn(1);
    EXPECT_FALSE(g.HasCheckBox(1, 2));
}

TEST(QvGridChecks, EditCheckLetsCanEditCellRefuseAToggle) {
    TQvStringGrid g(nullptr);
    g.AddCheckBox(1, 1, false, false);
    g.OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
    EXPECT_FALSE(g.ToggleCellCheckBox(1, 1, true));
    EXPECT_FALSE(g.IsChecked(1, 1));
    EXPECT_TRUE(g.ToggleCellCheckBox(1, 1, false));
    g.ControlLook()->SetCheckAlwaysActive(true);
    EXPECT_TRUE(g.ToggleCellCheckBox(1, 1, true));
    EXPECT_FALSE(g.IsChecked(1, 1));
}

TEST(QvGridChecks, AddingOutsideTheGridRaisesInvalidCell) {
    TQvStringGrid g(nullptr);
    for (auto add : {+[](TQvStringGrid&x, int c) { x.AddCheckBox(c, 1, true, false); },
                     +[](TQvStringGrid&x, int c) { x.AddCheckBox(c, 1, cbGrayed); },
                     +[](TQvStringGrid&x, int c) { x.AddRadioButton(c, 1, true); }}) {
        try {
            add(g, g.ColCount() + g.NumHiddenColumns());
            ADD_FAILURE() << "no exception";
        } catch (const EQvGridError&) {
            ADD_FAILURE() << "the grid's own error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Invalid cell");
        }
    }
    EXPECT_EQ(g.CellTypes(g.ColCount() - 1, 1), ctEmpty);
}

TEST(QvGridChecks, RadioButtonsOfAColumn) {
    TQvStringGrid g(nullptr);
    g.SetRowCount(4);
    g.AddRadioButtonColumn(1);
    g.SetRadioButtonColumnIndex(1, 1);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(1), 1);
    EXPECT_TRUE(g.SelectRadioButton(1, 3, false));
    EXPECT_EQ(g.GetRadioButtonColumnIndex(1), 3);
    EXPECT_FALSE(g.IsRadioButtonChecked(1, 1)) << "selecting unchecks the others";
    EXPECT_TRUE(g.SetRadioButtonState(1, 2, true));
    EXPECT_TRUE(g.IsRadioButtonChecked(1, 3)) << "setting a state leaves the others";
    EXPECT_FALSE(g.SetRadioButtonState(2, 2, true));
    EXPECT_FALSE(g.SelectRadioButton(2, 2, false));
    g.RemoveRadioButtonColumn(1);
    EXPECT_FALSE(g.HasRadioButton(1, 2));
}

TEST(QvGridChecks, RadioGroupStepsToTheNextItemAndWraps) {
    TQvStringGrid g(nullptr);
    TStrings* items = g.CreateRadio(1, 1, 0, 2);
    items->Add("A");
    items->Add("B");
    items->Add("C");
    g.SelectNextRadioItem(1, 1, false);
    int idx = -5;
    EXPECT_TRUE(g.GetRadioIdx(1, 1, idx));
    EXPECT_EQ(idx, 0);
    EXPECT_EQ(g.Cells(1, 1), "A");
    // Without an index the cell text says where the selection is.
    EXPECT_TRUE(g.SetRadioIdx(1, 1, -1));
    EXPECT_EQ(g.Cells(1, 1), "");
    g.SetCells(1, 1, "B");
    g.SelectNextRadioItem(1, 1, false);
    EXPECT_EQ(g.Cells(1, 1), "C");
    EXPECT_EQ(g.CellGraphics(1, 1)->CellVar.toInt(), 2);
}

TEST(QvGridChecks, PreciseHitTestFindsTheBoxSquare) {
    TQvStringGrid g(nullptr);
    g.AddCheckBox(1, 1, false, false);
    const TRect r = g.CellRect(1, 1);
    EXPECT_TRUE(g.IsInCheckBox(1, 1, r.Left + 1, r.Top + 1)) << "anywhere in the cell without precision";
    g.MouseActions()->SetPreciseCheckBoxCheck(true);
    EXPECT_FALSE(g.IsInCheckBox(1, 1, r.Left + 1, r.Top + 3));
    EXPECT_TRUE(g.IsInCheckBox(1, 1, r.Left + 2, r.Top + 2));
    const int s = g.ControlLook()->CheckSize();
    EXPECT_FALSE(g.IsInCheckBox(1, 1, r.Left + 2 + s, r.Top + 3));
    g.AddRadio(1, 2, 0, 0, nullptr);
    EXPECT_FALSE(g.IsInCheckBox(1, 2, g.CellRect(1, 2).Left + 3, g.CellRect(1, 2).Top + 3));
}

// Sound behaviour: a plain box keeps its state itself; its cell text is unrelated data.
TEST(QvGridChecks, UndoOfAPlainBoxRestoresItsStateNotTheText) {
    TComponent owner(nullptr);
    auto* undo = new TQvGridUndoRedo(&owner);
    auto* g = new TQvStringGrid(&owner);
    g->SetUndoRedo(undo);
    g->SetCells(1, 1, "label");
    g->AddCheckBox(1, 1, false, false);
    ASSERT_TRUE(g->ToggleCheckBox(1, 1));
    EXPECT_TRUE(g->IsChecked(1, 1));
    undo->Undo();
    EXPECT_FALSE(g->IsChecked(1, 1));
    EXPECT_EQ(g->Cells(1, 1), "label");
    undo->Redo();
    EXPECT_TRUE(g->IsChecked(1, 1));
    EXPECT_EQ(g->Cells(1, 1), "label");

    g->AddCheckBox(2, 1, cbUnchecked);
    g->ToggleCheckBox(2, 1);
    undo->Undo();
    TCheckBoxState tri = cbChecked;
    g->GetCheckBoxState(2, 1, tri);
    EXPECT_EQ(tri, cbUnchecked);
    EXPECT_EQ(g->Cells(2, 1), "");

    // A data box's state is its text, so undo writes the text back.
    g->SetCells(3, 1, "N");
    g->AddCheckBox(3, 1, false, true);
    g->ToggleCheckBox(3, 1);
    EXPECT_EQ(g->Cells(3, 1), "Y");
    undo->Undo();
    EXPECT_EQ(g->Cells(3, 1), "N");
}

TEST(QvGridChecks, RowCheckBoxFollowsTheDisjunctRowSelection) {
    TQvStringGrid g(nullptr);
    g.SetRowCount(4);
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.MouseActions()->SetHotmailRowSelect(true);
    g.SetCells(0, 2, "keep");
    std::vector<BoxEvent> events;
    g.OnCheckBoxChange = [&](TObject*, int c, int r, bool s) { events.push_back({c, r, s}); };
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(g.GetCellType(0, r), ctRowCheckBox) << r;
    EXPECT_NE(g.GetCellType(1, 1), ctRowCheckBox);
    // Header box: unchecked, then grayed with some rows, then checked with all rows.
    const struct {
        std::vector<int> rows;
        bool checked;
        int grayed;
    } cases[] = {{{}, false, 0}, {{2}, false, 1}, {{1, 2, 3}, true, 0}};
    for (const auto& c : cases) {
        g.ClearRowSelect();
        for (int r : c.rows)
            EXPECT_TRUE(g.SetCheckBoxState(0, r, true));
        const TCellGraphic* header = g.GetCellGraphic(0, 0);
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->CellBoolean, c.checked) << c.rows.size();
        EXPECT_EQ(header->CellAngle, c.grayed) << c.rows.size();
    }
    EXPECT_TRUE(events.empty());
    g.ClearRowSelect();
    EXPECT_TRUE(g.ChangeCheckBoxState(0, 2, true));
    EXPECT_TRUE(g.ChangeCheckBoxState(0, 2, true)); // no change, no event
    EXPECT_TRUE(g.RowSelect(2));
    EXPECT_TRUE(g.IsChecked(0, 2));
    // Toggling flips the selection and leaves the row's own text alone.
    EXPECT_TRUE(g.ToggleCheckBox(0, 2));
    EXPECT_FALSE(g.RowSelect(2));
    EXPECT_EQ(g.Cells(0, 2), "keep");
    EXPECT_EQ(events, (std::vector<BoxEvent>{{0, 2, true}, {0, 2, false}}));
}

// With hidden rows the state operations take real rows, so a hidden row's box is reached too; a data box's
// state is the text of that same row, and ChangeCheckBoxState takes the display row.
TEST(QvGridChecks, StatesOfRealRowsWithHiddenRows) {
    TQvStringGrid g(nullptr);
    g.SetRowCount(6);
    for (int r = 1; r < 6; ++r) {
        g.AddCheckBox(1, r, r == 3, false);
        g.SetCells(2, r, r == 4 ? "Y" : "N");
        g.AddCheckBox(2, r, false, true);
    }
    g.HideRow(2);
    std::vector<BoxEvent> events;
    g.OnCheckBoxChange = [&](TObject*, int c, int r, bool s) { events.push_back({c, r, s}); };
    for (int r = 1; r < 6; ++r)
        for (int c : {1, 2}) {
            bool state = !((c == 1 && r == 3) || (c == 2 && r == 4));
            EXPECT_TRUE(g.GetCheckBoxState(c, r, state)) << c << "," << r;
            EXPECT_EQ(state, (c == 1 && r == 3) || (c == 2 && r == 4)) << c << "," << r;
        }
    // The hidden row's boxes take their states and keep them until the row is shown.
    EXPECT_TRUE(g.SetCheckBoxState(1, 2, true));
    EXPECT_TRUE(g.SetCheckBoxState(2, 2, true));
    EXPECT_EQ(g.AllCells(2, 2), "Y");
    // Display row 2 is real row 3.
    EXPECT_TRUE(g.ChangeCheckBoxState(1, 2, false));
    EXPECT_FALSE(g.IsChecked(1, 3));
    EXPECT_EQ(events, (std::vector<BoxEvent>{{1, 2, false}}));
    g.UnHideRowsAll();
    EXPECT_TRUE(g.IsChecked(1, 2));
    EXPECT_EQ(g.Cells(2, 2), "Y");
    EXPECT_FALSE(g.IsChecked(1, 3));
}
