// The grid's combo editor driven by real keys and the wheel: list stepping, closing and moving, Escape,
// free text of an editable combo, the change events and the width of the dropped list.
#include "EditorGrid.h"
#include "controls/grid/edit/GridCombo.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <QAbstractItemView>
#include <QComboBox>

#include <tuple>
#include <vector>

// The helpers of the shown grid stay inside this file's namespace (the unity build joins test files).
namespace gridcombotest {
using namespace editorgrid;

namespace {

using ComboChange = std::tuple<int, int, int, QString>;

// Column 2 edits its cells with a combo of the kind given, over four types.
struct ComboGrid : EditorGrid {
    std::vector<ComboChange> changes;
    QStringList editChanges;
    explicit ComboGrid(TEditorType kind = edComboList) {
        grid->OnGetEditorType = [this, kind](TObject*, int c, int, TEditorType& e) {
            if (c != 2) return;
            e = kind;
            grid->ClearComboString();
            for (const char* item : {"Boolean", "Byte", "Int16", "Int32"})
                grid->AddComboString(item);
        };
        grid->OnComboChange = [this](TObject*, int c, int r, int i, const String& s) {
            changes.emplace_back(c, r, i, s);
        };
        grid->OnEditChange = [this](TObject*, int, int, const String& s) { editChanges << s; };
        grid->SetCells(2, 1, "Byte");
        grid->SetCells(2, 2, "Int32");
        Go(2, 1);
    }
    TGridCombo* Combo() { return grid->Combobox(); }
    bool Open() { return Combo()->Visible() && Focused() == Combo(); }
};

} // namespace

TEST(GridCombo, ListStepsWithUpAndDownAndStoresOnlyWhenItCloses) {
    ComboGrid f;
    Key(Qt::Key_F2);
    ASSERT_TRUE(f.Open());
    EXPECT_EQ(f.Combo()->Style(), csDropDownList);
    EXPECT_EQ(f.Combo()->Text(), "Byte");
    EXPECT_TRUE(f.changes.empty()); // the cell's text is an item: nothing was chosen for it

    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(f.Combo()->Text(), "Int32");
    Key(Qt::Key_Up);
    EXPECT_EQ(f.Combo()->Text(), "Int16");
    EXPECT_EQ(f.grid->Cells(2, 1), "Byte");
    EXPECT_EQ(f.changes,
              (std::vector<ComboChange>{{2, 1, 2, "Int16"}, {2, 1, 3, "Int32"}, {2, 1, 2, "Int16"}}));

    Enter();
    EXPECT_FALSE(f.Combo()->Visible());
    EXPECT_EQ(f.Focused(), f.grid);
    EXPECT_EQ(f.grid->Cells(2, 1), "Int16");
    EXPECT_EQ(f.Cell(), TPoint(2, 1)); // without AdvanceOnEnter Enter stays
}

TEST(GridCombo, LeftAndRightCloseTheListAndMoveToTheNeighbour) {
    const struct Case {
        int key;
        int col;
    } cases[] = {{Qt::Key_Left, 1}, {Qt::Key_Right, 3}};
    for (const Case& c : cases) {
        ComboGrid f;
        Key(Qt::Key_F2);
        Key(Qt::Key_Down);
        Key(c.key);
        EXPECT_FALSE(f.Combo()->Visible()) << c.key;
        EXPECT_EQ(f.grid->Cells(2, 1), "Int16") << c.key;
        EXPECT_EQ(f.Cell(), TPoint(c.col, 1)) << c.key;
        EXPECT_EQ(f.Focused(), f.grid) << c.key;
    }
}

TEST(GridCombo, WithoutComboGetUpDownDownStoresAndMovesOneRow) {
    ComboGrid f;
    f.grid->Navigation()->SetComboGetUpDown(false);
    Key(Qt::Key_F2);
    Wheel(f.Combo()->Widget(), -120);
    Key(Qt::Key_Down);
    EXPECT_FALSE(f.Combo()->Visible());
    EXPECT_EQ(f.grid->Cells(2, 1), "Int16");
    EXPECT_EQ(f.Cell(), TPoint(2, 2));
}

TEST(GridCombo, EnterMovesOnWithAdvanceOnEnterAndEscapeRestores) {
    ComboGrid f;
    f.grid->Navigation()->SetAdvanceOnEnter(true);
    f.grid->Navigation()->SetAdvanceAutoEdit(false);
    Key(Qt::Key_F2);
    Key(Qt::Key_Up);
    Enter();
    EXPECT_EQ(f.grid->Cells(2, 1), "Boolean");
    EXPECT_EQ(f.Cell(), TPoint(3, 1));

    f.Go(2, 2);
    Key(Qt::Key_F2);
    Key(Qt::Key_Up);
    EXPECT_EQ(f.Combo()->Text(), "Int16");
    Escape();
    EXPECT_FALSE(f.Combo()->Visible());
    EXPECT_EQ(f.grid->Cells(2, 2), "Int32");
    EXPECT_EQ(f.Cell(), TPoint(2, 2));
}

TEST(GridCombo, EscapeLeavesTheWholeRowAsItWasAlsoWhatTheChangeEventsWrote) {
    // The application fills a neighbour and locks another as the choice changes, the way a type decides a
    // length; Escape takes all of it back, Enter keeps it.
    const struct Case {
        int row;
        bool browse;
        bool escape;
    } cases[] = {{3, false, true}, {3, true, true}, {1, true, true}, {1, true, false}};
    for (const Case& c : cases) {
        ComboGrid f;
        f.grid->OnComboChange = [&f](TObject*, int, int r, int, const String& s) {
            f.grid->SetCellEx(3, r, s + " size");
            f.grid->SetReadOnly(4, r, true);
        };
        f.grid->SetCells(3, 1, "old size");
        f.Go(2, c.row); // row 3 is empty: opening chooses the first item for it and says so
        Key(Qt::Key_F2);
        ASSERT_TRUE(f.Open()) << c.row;
        if (c.browse) Key(Qt::Key_Down);
        EXPECT_FALSE(f.grid->Cells(3, c.row).isEmpty()) << c.row;
        if (c.escape)
            Escape();
        else
            Enter();
        EXPECT_FALSE(f.Combo()->Visible()) << c.row;
        const QString before = c.row == 1 ? "Byte" : "";
        if (c.escape) {
            EXPECT_EQ(f.grid->Cells(2, c.row), before) << c.row;
            EXPECT_EQ(f.grid->Cells(3, c.row), c.row == 1 ? "old size" : "") << c.row;
            EXPECT_FALSE(f.grid->ReadOnly(4, c.row)) << c.row;
        } else {
            EXPECT_EQ(f.grid->Cells(2, c.row), "Int16") << c.row;
            EXPECT_EQ(f.grid->Cells(3, c.row), "Int16 size") << c.row;
            EXPECT_TRUE(f.grid->ReadOnly(4, c.row)) << c.row;
        }
    }
}

TEST(GridCombo, F4AndAltDownOpenAListCellsListWithoutF2) {
    const struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        TEditorType kind;
    } cases[] = {{Qt::Key_F4, Qt::NoModifier, edComboList},
                 {Qt::Key_Down, Qt::AltModifier, edComboList},
                 {Qt::Key_F4, Qt::NoModifier, edComboEdit}};
    for (const Case& c : cases) {
        ComboGrid f(c.kind);
        Key(c.key, QString(), c.mods);
        ASSERT_TRUE(f.Open()) << c.key;
        EXPECT_TRUE(f.Combo()->DroppedDown()) << c.key;
        EXPECT_EQ(f.Combo()->Text(), "Byte") << c.key;
        EXPECT_EQ(f.Cell(), TPoint(2, 1)) << c.key;
        Escape();
        Escape();
        EXPECT_FALSE(f.Combo()->Visible()) << c.key;
        EXPECT_EQ(f.grid->Cells(2, 1), "Byte") << c.key;
    }
    // A cell without a list keeps Alt+Down a move and F4 nothing of the grid's.
    ComboGrid f;
    f.Go(1, 1);
    Key(Qt::Key_F4);
    EXPECT_FALSE(f.Combo()->Visible());
    EXPECT_EQ(f.Cell(), TPoint(1, 1));
    Key(Qt::Key_Down, QString(), Qt::AltModifier);
    EXPECT_FALSE(f.Combo()->Visible());
    EXPECT_EQ(f.Cell(), TPoint(1, 2));
}

TEST(GridCombo, WheelStepsAndStopsAtBothEndsStillReporting) {
    ComboGrid f;
    f.Go(2, 2); // "Int32", the last item
    Key(Qt::Key_F2);
    ASSERT_TRUE(f.Open());
    QWidget* w = f.Combo()->Widget();
    Wheel(w, -120);
    EXPECT_EQ(f.Combo()->ItemIndex(), 3);
    for (int i = 0; i < 4; ++i)
        Wheel(w, 120);
    EXPECT_EQ(f.Combo()->ItemIndex(), 0);
    EXPECT_EQ(f.changes, (std::vector<ComboChange>{{2, 2, 3, "Int32"},
                                                   {2, 2, 2, "Int16"},
                                                   {2, 2, 1, "Byte"},
                                                   {2, 2, 0, "Boolean"},
                                                   {2, 2, 0, "Boolean"}}));
    EXPECT_EQ(f.editChanges.size(), 5);
    // The wheel belongs to the combo: the grid did not scroll or move.
    EXPECT_EQ(f.Cell(), TPoint(2, 2));
}

TEST(GridCombo, ChangeIsReportedOnceWithTheRealColumn) {
    ComboGrid f;
    f.grid->HideColumn(0); // display column 1 is real column 2
    f.Go(1, 1);
    Key(Qt::Key_F2);
    ASSERT_TRUE(f.Open());
    Type("I"); // the list's own search chooses the first item starting with it
    EXPECT_EQ(f.Combo()->Text(), "Int16");
    EXPECT_EQ(f.changes, (std::vector<ComboChange>{{2, 1, 2, "Int16"}}));
    Enter();
    EXPECT_EQ(f.grid->Cells(2, 1), "Int16");
    EXPECT_EQ(f.changes.size(), 1u);
}

TEST(GridCombo, CellOutsideTheListOpensOnTheFirstItemAndSaysSo) {
    ComboGrid f;
    f.grid->SetCells(2, 3, "Decimal");
    f.Go(2, 3);
    Key(Qt::Key_F2);
    ASSERT_TRUE(f.Open());
    EXPECT_EQ(f.Combo()->Text(), "Boolean");
    EXPECT_EQ(f.changes, (std::vector<ComboChange>{{2, 3, 0, "Boolean"}}));
    // Escape leaves the cell's own text, not the item the list had to show.
    Escape();
    EXPECT_EQ(f.grid->Cells(2, 3), "Decimal");
    // A marked-up cell is looked up by its plain text: the item found is the one shown and reported.
    f.changes.clear();
    f.grid->SetCells(2, 4, "<B>Int16</B>");
    f.Go(2, 4);
    Key(Qt::Key_F2);
    EXPECT_EQ(f.Combo()->Text(), "Int16");
    EXPECT_EQ(f.changes, (std::vector<ComboChange>{{2, 4, 2, "Int16"}}));
    Escape();
    // With a fallback set, that item is shown and nothing is reported.
    f.changes.clear();
    f.grid->SetComboSelection(2);
    Key(Qt::Key_F2);
    EXPECT_EQ(f.Combo()->Text(), "Int16");
    EXPECT_TRUE(f.changes.empty());
}

TEST(GridCombo, TypedCharacterOnTheCellReachesTheOpenedCombo) {
    ComboGrid f;
    Type("I");
    ASSERT_TRUE(f.Open());
    QApplication::processEvents(); // the character is posted to the combo once it has the focus
    EXPECT_EQ(f.Combo()->Text(), "Int16");
    EXPECT_EQ(f.changes, (std::vector<ComboChange>{{2, 1, 2, "Int16"}}));
    Enter();
    EXPECT_EQ(f.grid->Cells(2, 1), "Int16");
}

TEST(GridCombo, EditableComboKeepsFreeTextWithinItsLimit) {
    ComboGrid f(edComboEdit);
    Key(Qt::Key_F2);
    ASSERT_TRUE(f.Open());
    EXPECT_EQ(f.Combo()->Style(), csDropDown);
    Type("Word"); // the whole text was selected: typing replaces it
    EXPECT_EQ(f.Combo()->Text(), "Word");
    EXPECT_EQ(f.changes.back(), (ComboChange{2, 1, -1, "Word"}));
    Enter();
    EXPECT_EQ(f.grid->Cells(2, 1), "Word");

    f.grid->SetMaxComboLength(3);
    f.Go(2, 2);
    Key(Qt::Key_F2);
    Type("Float");
    EXPECT_EQ(f.Combo()->Text(), "Flo");
    Enter();
    EXPECT_EQ(f.grid->Cells(2, 2), "Flo");
}

TEST(GridCombo, EditableComboLeavesUpAndDownButNotWithPageKeys) {
    const struct Case {
        int key;
        TPoint cell;
        const char* stored;
    } cases[] = {
        {Qt::Key_Down, {2, 3}, "Text"},
        {Qt::Key_Up, {2, 1}, "Text"},
        {Qt::Key_PageUp, {2, 2}, "Text"},
        {Qt::Key_PageDown, {2, 2}, "Text"},
    };
    for (const Case& c : cases) {
        ComboGrid f(edComboEdit);
        f.Go(2, 2);
        Key(Qt::Key_F2);
        Type("Text");
        Key(c.key);
        EXPECT_FALSE(f.Combo()->Visible()) << c.key;
        EXPECT_EQ(f.grid->Cells(2, 2), c.stored) << c.key;
        EXPECT_EQ(f.Cell(), c.cell) << c.key;
    }
}

TEST(GridCombo, RefusedEnterKeepsTheComboOpenOnTheCell) {
    ComboGrid f(edComboEdit);
    f.grid->OnCellValidate = [](TObject*, int, int, String& v, bool& valid) { valid = v != "bad"; };
    Key(Qt::Key_F2);
    Type("bad");
    Enter();
    EXPECT_TRUE(f.Combo()->Visible());
    EXPECT_EQ(f.grid->Cells(2, 1), "Byte");
    Type("Int16");
    Enter();
    EXPECT_FALSE(f.Combo()->Visible());
    EXPECT_EQ(f.grid->Cells(2, 1), "Int16");
}

TEST(GridCombo, TabTheGridDoesNotClaimMovesTheFocusOnAndStores) {
    ComboGrid f;
    auto* next = new TButton(&f.form);
    next->SetParent(&f.form);
    next->SetBounds(10, 285, 60, 12);
    Key(Qt::Key_F2);
    Key(Qt::Key_Down);
    Key(Qt::Key_Tab, "\t");
    EXPECT_EQ(f.Focused(), next);
    EXPECT_FALSE(f.Combo()->Visible());
    EXPECT_EQ(f.grid->Cells(2, 1), "Int16");
}

TEST(GridCombo, EditableComboCompletesTypedTextFromItsItems) {
    ComboGrid f(edComboEdit);
    f.grid->SetLookup(true);
    Key(Qt::Key_F2);
    Type("in");
    EXPECT_EQ(f.Combo()->Text(), "int16"); // the typed part as typed, the rest completed and selected
    EXPECT_EQ(f.Combo()->SelStart(), 2);
    EXPECT_EQ(f.Combo()->SelLength(), 3);
    Type("t3"); // typing goes on over the completed part
    EXPECT_EQ(f.Combo()->Text(), "int32");
    EXPECT_EQ(f.Combo()->SelLength(), 1);
    Key(Qt::Key_Backspace, QString(QChar('\b')));
    EXPECT_EQ(f.Combo()->Text(), "int3"); // after Backspace nothing is completed
    Enter();
    EXPECT_EQ(f.grid->Cells(2, 1), "int3");
}

TEST(GridCombo, WithDirectComboCloseAPickInTheListEndsTheEdit) {
    ComboGrid f;
    f.grid->MouseActions()->SetDirectComboClose(true);
    int closeUps = 0;
    f.grid->OnComboCloseUp = [&](TObject*, int, int) { ++closeUps; };
    Key(Qt::Key_F2);
    Key(Qt::Key_Down, QString(), Qt::AltModifier);
    ASSERT_TRUE(f.Combo()->DroppedDown());
    QAbstractItemView* view = static_cast<QComboBox*>(f.Combo()->Widget())->view();
    const QPoint item = view->visualRect(view->model()->index(3, 0)).center();
    // The pointer goes down the list to the item, then clicks.
    QMouseEvent move(QEvent::MouseMove, item, view->viewport()->mapToGlobal(item), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, item);
    QApplication::processEvents();
    EXPECT_FALSE(f.Combo()->Visible());
    EXPECT_EQ(f.grid->Cells(2, 1), "Int32");
    EXPECT_EQ(f.changes, (std::vector<ComboChange>{{2, 1, 3, "Int32"}}));
    EXPECT_EQ(closeUps, 1);
}

TEST(GridCombo, DroppedListIsWidenedForItsWidestItem) {
    ComboGrid f;
    TGridCombo* combo = f.Combo();
    TCanvas* canvas = f.grid->Canvas();
    const QString wide = "A rather long item";
    const int w = canvas->TextWidth(wide);
    const struct Case {
        int items;
        int width;
        int dropped;
    } cases[] = {
        {10, w + 10, w + 25}, // more items than the list shows: room for its scroll bar
        {5, w + 10, w + 10},  // all shown: the combo's width while no item is wider than it less 5
        {5, w + 4, w + 8},
    };
    for (const Case& c : cases) {
        combo->Items()->Clear();
        for (int i = 0; i < c.items - 1; ++i)
            combo->Items()->Add("x");
        combo->Items()->Add(wide);
        combo->SetDropDownCount(8);
        combo->SetBounds(0, 0, c.width, 20);
        combo->SizeDropDownWidth();
        EXPECT_EQ(combo->DroppedWidth(), c.dropped) << c.items << " items, width " << c.width;
    }
}

} // namespace gridcombotest
