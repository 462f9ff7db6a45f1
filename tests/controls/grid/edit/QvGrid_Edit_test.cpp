// Editing a shown grid with real key events: typing, Enter, Escape, validation, undo, the character and
// paste rules of the text editor, change listeners and the end-of-edit announcements.
#include "InputEvents.h"
#include "TestSupport.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/edit/QvInplaceEdit.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/HintWindow.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct EditGridForm {
    TForm form{nullptr};
    TQvStringGrid* grid;
    EditGridForm() {
        form.SetClientSize(400, 300);
        grid = new TQvStringGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 400, 300);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetOptions(grid->Options() | goEditing);
        grid->SetCells(1, 1, "old");
        grid->SetCells(2, 1, "other");
        form.Show();
        grid->SetFocus();
        QApplication::processEvents();
    }
    ~EditGridForm() { form.Hide(); }

    TQvInplaceEdit* Editor() const { return grid->NormalEdit(); }
    bool EditorOpen() const { return Editor() && Editor()->Visible(); }
};

// A key as the platform delivers it.
void Press(int key, const QString& text = QString(), Qt::KeyboardModifiers mods = Qt::NoModifier) {
    qvtest::KeyToFocus(key, text, mods);
}

void Type(const QString& text) {
    for (QChar ch : text) {
        int key = Qt::Key_unknown;
        if (ch.isLetter()) key = Qt::Key_A + (ch.toUpper().unicode() - 'A');
        if (ch.isDigit()) key = Qt::Key_0 + (ch.unicode() - '0');
        if (ch == QChar('-')) key = Qt::Key_Minus;
        if (ch == QChar(',')) key = Qt::Key_Comma;
        Press(key, QString(ch));
    }
}

void Enter() {
    Press(Qt::Key_Return, "\r");
}

} // namespace

TEST(QvGridEdit, TypingIntoACellAndEnterStoresItAndAnnouncesTheEnd) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    ASSERT_EQ(QApplication::focusWidget(), g->Widget());
    QStringList log;
    g->OnCellValidate = [&](TObject*, int c, int r, String& v, bool&) {
        log << QString("validate %1,%2 %3").arg(c).arg(r).arg(v);
    };
    g->OnEditingDone = [&](TObject*) { log << "editing done"; };
    g->OnEditCellDone = [&](TObject*, int c, int r) { log << QString("cell done %1,%2").arg(c).arg(r); };

    Type("new");
    ASSERT_TRUE(f.EditorOpen());
    EXPECT_EQ(f.Editor()->Text(), "new");
    EXPECT_EQ(g->OriginalCellValue(), "old");
    EXPECT_EQ(g->Cells(1, 1), "old");
    Enter();
    EXPECT_FALSE(f.EditorOpen());
    EXPECT_EQ(g->Cells(1, 1), "new");
    EXPECT_EQ(QApplication::focusWidget(), g->Widget());
    // The posted done message arrives only once the closing code has returned.
    EXPECT_EQ(log, (QStringList{"validate 1,1 new", "editing done"}));
    QApplication::processEvents();
    EXPECT_EQ(log, (QStringList{"validate 1,1 new", "editing done", "cell done 1,1"}));
    EXPECT_TRUE(g->Modified());
}

TEST(QvGridEdit, EscapeRestoresTheTextFromBeforeTheEdit) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    int validations = 0;
    g->OnCellValidate = [&](TObject*, int, int, String&, bool&) { ++validations; };
    Press(Qt::Key_F2);
    ASSERT_TRUE(f.EditorOpen());
    Type("zz");
    EXPECT_EQ(f.Editor()->Text(), "oldzz");
    Press(Qt::Key_Escape, QString(QChar(27)));
    EXPECT_FALSE(f.EditorOpen());
    EXPECT_EQ(g->Cells(1, 1), "old");
    EXPECT_EQ(validations, 0);
    EXPECT_FALSE(g->Modified());
}

TEST(QvGridEdit, RefusedValidationKeepsTheEditorOpenWithTheTypedText) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    int calls = 0;
    g->OnCellValidate = [&](TObject*, int, int, String& v, bool& valid) {
        ++calls;
        valid = v != "bad";
    };
    g->SetFixedCols(1);
    Type("bad");
    Enter();
    EXPECT_EQ(calls, 1); // the Enter character does not validate the same text again
    ASSERT_TRUE(f.EditorOpen());
    EXPECT_EQ(f.Editor()->Text(), "bad");
    EXPECT_EQ(QApplication::focusWidget(), f.Editor()->Widget());
    EXPECT_EQ(g->Cells(1, 1), "old");
    EXPECT_EQ(g->Col(), 1);
    EXPECT_EQ(g->Row(), 1);
    // A refused value marks neither the grid nor the row modified.
    EXPECT_FALSE(g->Modified());
    EXPECT_FALSE(g->RowModified(1));

    // The whole text is selected, so typing replaces it.
    Type("good");
    Enter();
    EXPECT_FALSE(f.EditorOpen());
    EXPECT_EQ(g->Cells(1, 1), "good");
    EXPECT_TRUE(g->RowModified(1));
}

TEST(QvGridEdit, ARefusalSaysWhyOnTheReopenedEditorWhenTheGridHasAText) {
    for (const bool withText : {false, true}) {
        EditGridForm f;
        TQvStringGrid* g = f.grid;
        g->OnCellValidate = [](TObject*, int, int, String&, bool& valid) { valid = false; };
        if (withText) {
            g->SetInvalidEntryTitle("Entry");
            g->SetInvalidEntryText("Only <digits>");
        }
        CancelHint();
        Type("bad");
        Enter();
        ASSERT_TRUE(f.EditorOpen());
        EXPECT_EQ(ShownHintWindow() != nullptr, withText);
        if (withText && ShownHintWindow()) {
            // A balloon: the title over the text, with the grid's invalid-entry icon (a warning unless set).
            EXPECT_TRUE(ShownHintWindow()->IsBalloon());
            EXPECT_EQ(ShownHintWindow()->BalloonTitle(), "Entry");
            EXPECT_EQ(ShownHintWindow()->Caption(), "Only <digits>");
            EXPECT_EQ(ShownHintWindow()->BalloonIcon(), TTI_WARNING);
        }
    }
}

TEST(QvGridEdit, ValidationThatCorrectsTheValueStoresAndRegistersTheCorrection) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    TQvGridUndoRedo undo(nullptr);
    g->SetUndoRedo(&undo);
    g->OnCellValidate = [&](TObject*, int, int, String& v, bool&) { v = v.toUpper(); };
    Type("abc");
    Enter();
    EXPECT_EQ(g->Cells(1, 1), "ABC");
    ASSERT_TRUE(undo.CanUndo());
    undo.Undo();
    EXPECT_EQ(g->Cells(1, 1), "old");
    undo.Redo();
    EXPECT_EQ(g->Cells(1, 1), "ABC");
    g->SetUndoRedo(nullptr);
}

TEST(QvGridEdit, UndoRestoresTheEditedCell) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    TQvGridUndoRedo undo(nullptr);
    g->SetUndoRedo(&undo);
    Type("first");
    Enter();
    Press(Qt::Key_F2);
    Press(Qt::Key_A, QString(QChar(1)), Qt::ControlModifier);
    Type("second");
    Enter();
    EXPECT_EQ(g->Cells(1, 1), "second");
    undo.Undo();
    EXPECT_EQ(g->Cells(1, 1), "first");
    undo.Undo();
    EXPECT_EQ(g->Cells(1, 1), "old");
    EXPECT_FALSE(undo.CanUndo());
    // Ending an edit without a change registers nothing.
    Press(Qt::Key_F2);
    Enter();
    EXPECT_FALSE(undo.CanUndo());
    g->SetUndoRedo(nullptr);
}

TEST(QvGridEdit, NumericCellsTakeOnlyNumbersFromKeysAndClipboard) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    g->SetCells(1, 1, "");
    g->OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edNumeric; };
    int afterPaste = 0;
    g->OnClipboardAfterPasteCell = [&](TObject*, int, int, const String&) { ++afterPaste; };
    const int beeps = BeepCount();
    Type("4x");
    ASSERT_TRUE(f.EditorOpen());
    EXPECT_EQ(f.Editor()->Text(), "4");
    EXPECT_EQ(BeepCount(), beeps + 1);
    Type("-");
    EXPECT_EQ(f.Editor()->Text(), "4");
    EXPECT_EQ(BeepCount(), beeps + 2);

    // A paste that the rules refuse leaves the text and reports nothing.
    QGuiApplication::clipboard()->setText("ab");
    Press(Qt::Key_Insert, QString(), Qt::ShiftModifier);
    EXPECT_EQ(f.Editor()->Text(), "4");
    EXPECT_EQ(afterPaste, 0);
    QGuiApplication::clipboard()->setText("12\r\n");
    Press(Qt::Key_Insert, QString(), Qt::ShiftModifier);
    EXPECT_EQ(f.Editor()->Text(), "412");
    EXPECT_EQ(afterPaste, 1);
    Enter();
    EXPECT_EQ(g->Cells(1, 1), "412");
}

TEST(QvGridEdit, UpperCaseCellsConvertTypedAndPastedText) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    g->OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edUpperCase; };
    Type("ab");
    ASSERT_TRUE(f.EditorOpen());
    EXPECT_EQ(f.Editor()->Text(), "AB");
    QGuiApplication::clipboard()->setText("cd");
    Press(Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
    EXPECT_EQ(f.Editor()->Text(), "ABCD");
    Enter();
    EXPECT_EQ(g->Cells(1, 1), "ABCD");
}

TEST(QvGridEdit, PasswordCellsHideTheirText) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    g->OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edPassword; };
    Type("pw");
    ASSERT_TRUE(f.EditorOpen());
    EXPECT_TRUE(f.Editor()->PasswordMode());
    Enter();
    EXPECT_EQ(g->Cells(1, 1), "pw");
    g->OnGetEditorType = nullptr;
    Press(Qt::Key_F2);
    EXPECT_FALSE(f.Editor()->PasswordMode());
}

TEST(QvGridEdit, ReadOnlyCellsOpenNoEditorAndEditableOnesAgain) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    g->OnCanEditCell = [](TObject*, int, int c, bool& can) { can = c != 2; };
    g->SetCol(2);
    EXPECT_FALSE(g->Options() & goEditing);
    EXPECT_TRUE(g->IsEditable(1, 1));
    EXPECT_FALSE(g->IsEditable(2, 1));
    Type("x");
    EXPECT_FALSE(f.EditorOpen());
    EXPECT_EQ(g->Cells(2, 1), "other");
    g->SetCol(1);
    EXPECT_TRUE(g->Options() & goEditing);
    Type("y");
    EXPECT_TRUE(f.EditorOpen());
    Enter();
    EXPECT_EQ(g->Cells(1, 1), "y");
}

TEST(QvGridEdit, ChangeListenersHearAcceptedChangesOnly) {
    struct Listener : TGridChangeNotifier {
        explicit Listener(TComponent* o) : TGridChangeNotifier(o) {}
        std::vector<TRect> seen;
        void CellsChanged(const TRect& R) override { seen.push_back(R); }
    };
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    auto* listener = new Listener(nullptr);
    g->RegisterNotifier(listener);
    g->RegisterNotifier(listener);
    int events = 0;
    g->OnCellsChanged = [&](TObject*, const TRect&) { ++events; };
    g->OnCellValidate = [](TObject*, int, int, String& v, bool& valid) { valid = v != "no"; };
    Type("no");
    Enter();
    Press(Qt::Key_Escape, QString(QChar(27)));
    EXPECT_TRUE(listener->seen.empty());
    Type("yes");
    Enter();
    ASSERT_EQ(listener->seen.size(), 1u); // registered twice, told once
    EXPECT_EQ(listener->seen[0], TRect(1, 1, 1, 1));
    EXPECT_EQ(events, 1);
    // A listener freed while registered leaves the grid's list.
    delete listener;
    Press(Qt::Key_F2);
    Type("again");
    Enter();
    EXPECT_EQ(g->Cells(1, 1), "yesagain");
    EXPECT_EQ(events, 2);
}

TEST(QvGridEdit, EnterWithAdvanceStoresMovesAndOpensTheNextCell) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    g->Navigation()->SetAdvanceOnEnter(true);
    Type("a");
    Enter();
    EXPECT_EQ(g->Cells(1, 1), "a");
    EXPECT_EQ(g->Col(), 2);
    EXPECT_EQ(g->Row(), 1);
    ASSERT_TRUE(f.EditorOpen());
    EXPECT_EQ(f.Editor()->Text(), "other");
    // A read-only cell is skipped.
    g->OnCanEditCell = [](TObject*, int, int c, bool& can) { can = c != 3; };
    Type("b");
    Enter();
    EXPECT_EQ(g->Cells(2, 1), "b");
    EXPECT_EQ(g->Col(), 1);
    EXPECT_EQ(g->Row(), 2);
}

TEST(QvGridEdit, EnterFromTheEditorAsksTheCellChangeOnce) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    g->Navigation()->SetAdvanceOnEnter(true);
    std::vector<TRect> asked;
    g->OnCellChanging = [&](TObject*, int oldRow, int oldCol, int newRow, int newCol, bool&) {
        asked.push_back(TRect(oldCol, oldRow, newCol, newRow));
    };
    Type("a");
    Enter();
    EXPECT_EQ(g->Col(), 2);
    ASSERT_TRUE(f.EditorOpen());
    EXPECT_EQ(asked, std::vector<TRect>{TRect(1, 1, 2, 1)});
}

TEST(QvGridEdit, AdvanceOverOnlyReadOnlyCellsStopsAfterOneRoundWhereItStarted) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    g->Navigation()->SetAdvanceOnEnter(true);
    g->OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
    for (TAdvanceDirection dir : {adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol}) {
        g->Navigation()->SetAdvanceDirection(dir);
        g->AdvanceToNextCell(1, 1, false, true, true, false, false);
        EXPECT_EQ(g->Col(), 1) << dir;
        EXPECT_EQ(g->Row(), 1) << dir;
    }
}

TEST(QvGridEdit, AMovePastTheValidationValidatesTheEditedCellNotTheNewOne) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    g->SetCells(1, 3, "third");
    QStringList seen;
    g->OnCellValidate = [&](TObject*, int c, int r, String& v, bool&) {
        seen << QString("%1,%2 %3").arg(c).arg(r).arg(v);
    };
    Type("x");
    // Page Down goes to the grid, which moves without asking the editor's validation.
    Press(Qt::Key_PageDown);
    EXPECT_FALSE(f.EditorOpen());
    ASSERT_NE(g->Row(), 1);
    const int row = g->Row();
    const String there = g->Cells(1, row);
    Press(Qt::Key_Up);
    EXPECT_EQ(seen, QStringList{"1,1 x"});
    EXPECT_EQ(g->Cells(1, 1), "x");
    EXPECT_EQ(g->Cells(1, row), there);
}

TEST(QvGridEdit, EscapeOnTheGridPutsBackThePendingCellText) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    Type("typed");
    ASSERT_TRUE(f.EditorOpen());
    // The editor closes without its keys (as a special editor does): the edit still waits for its
    // validation.
    g->HideEditor();
    ASSERT_FALSE(f.EditorOpen());
    ASSERT_EQ(QApplication::focusWidget(), g->Widget());
    EXPECT_EQ(g->Cells(1, 1), "typed");
    Press(Qt::Key_Escape, QString(QChar(27)));
    EXPECT_EQ(g->Cells(1, 1), "old");
}

TEST(QvGridEdit, ASpecialKindEntersTheEditingStateAndItsEndIsAnnouncedLater) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    g->OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edDataCheckBox; };
    QStringList log;
    g->OnEditingDone = [&](TObject*) { log << "editing done"; };
    g->OnEditCellDone = [&](TObject*, int c, int r) { log << QString("cell done %1,%2").arg(c).arg(r); };
    Press(Qt::Key_F2);
    EXPECT_FALSE(f.EditorOpen());
    EXPECT_TRUE(g->EditSession().EditMode);
    EXPECT_TRUE(g->EditActive());
    EXPECT_EQ(g->EditSession().EditControl, edDataCheckBox);
    g->HideInplaceEdit();
    EXPECT_FALSE(g->EditSession().EditMode);
    EXPECT_FALSE(g->EditActive());
    EXPECT_EQ(log, QStringList{"editing done"});
    QApplication::processEvents();
    EXPECT_EQ(log, (QStringList{"editing done", "cell done 1,1"}));

    // edNone keeps the cell out of editing.
    g->OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edNone; };
    Press(Qt::Key_F2);
    EXPECT_FALSE(f.EditorOpen());
    EXPECT_FALSE(g->EditSession().EditMode);
}

TEST(QvGridEdit, LeavingTheGridValidatesStoresAndClosesTheEditor) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    auto* other = new TEdit(&f.form);
    other->SetParent(&f.form);
    other->SetBounds(0, 280, 100, 20);
    g->SetHeight(270);
    QStringList log;
    g->OnCellValidate = [&](TObject*, int c, int r, String& v, bool&) {
        log << QString("validate %1,%2 %3").arg(c).arg(r).arg(v);
    };
    g->OnEditCellDone = [&](TObject*, int c, int r) { log << QString("cell done %1,%2").arg(c).arg(r); };
    Type("gone");
    ASSERT_TRUE(f.EditorOpen());
    other->SetFocus();
    EXPECT_FALSE(f.EditorOpen());
    EXPECT_EQ(g->Cells(1, 1), "gone");
    QApplication::processEvents();
    EXPECT_EQ(log, (QStringList{"validate 1,1 gone", "cell done 1,1"}));
}

TEST(QvGridEdit, ComboItemListOperations) {
    TQvStringGrid g(nullptr);
    g.AddComboString("one");
    g.AddComboString("two");
    EXPECT_EQ(g.GetComboCount(), 2);
    EXPECT_TRUE(g.SetComboSelectionString("two"));
    EXPECT_EQ(g.EditSession().ComboIdx, 1);
    EXPECT_FALSE(g.SetComboSelectionString("three"));
    EXPECT_EQ(g.EditSession().ComboIdx, 1);
    g.SetComboIndex(1, 1, 1);
    EXPECT_EQ(g.Cells(1, 1), "two");
    g.SetComboIndex(1, 1, 5); // outside the list: the cell keeps its text
    EXPECT_EQ(g.Cells(1, 1), "two");
    EXPECT_EQ(g.GetComboIndex(1, 1), 1);
    EXPECT_TRUE(g.RemoveComboString("two"));
    EXPECT_FALSE(g.RemoveComboString("two"));
    EXPECT_EQ(g.GetComboIndex(1, 1), -1);
    g.ClearComboString();
    EXPECT_EQ(g.GetComboCount(), 0);
}

TEST(QvGridEdit, LookupCompletesTheTypedTextFromItsItems) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    g->SetCells(1, 1, "");
    g->SetLookup(true);
    g->LookupItems()->Add("Alpha");
    g->LookupItems()->Add("Beta");
    Type("b");
    ASSERT_TRUE(f.EditorOpen());
    EXPECT_EQ(f.Editor()->Text(), "beta");
    EXPECT_EQ(f.Editor()->SelStart(), 1);
    EXPECT_EQ(f.Editor()->SelLength(), 3);
    // Backspace takes the completion away and does not complete again.
    Press(Qt::Key_Backspace, "\b");
    EXPECT_EQ(f.Editor()->Text(), "b");
    Enter();
    EXPECT_EQ(g->Cells(1, 1), "b");

    // With the history, a text that leaves the editor joins the items once.
    g->SetLookupHistory(true);
    Press(Qt::Key_F2);
    Type("x");
    Enter();
    Press(Qt::Key_F2);
    Enter();
    EXPECT_EQ(g->LookupItems()->IndexOf("bx"), 2);
    EXPECT_EQ(g->LookupItems()->Count(), 3);
}

TEST(QvGridEdit, ArrowsAtTheEndsOfTheTextWalkToTheNeighbourCell) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    g->Navigation()->SetCursorWalkEditor(true);
    g->SetCol(1);
    g->SetRow(2);
    Press(Qt::Key_F2);
    Press(Qt::Key_Home);
    Press(Qt::Key_Left);
    EXPECT_EQ(g->Col(), 3);
    EXPECT_EQ(g->Row(), 1);
    EXPECT_TRUE(f.EditorOpen()) << "the walk opens the next editor";
    g->SetCol(1);
    g->SetRow(1);
    Press(Qt::Key_F2);
    Press(Qt::Key_End);
    Press(Qt::Key_Right);
    EXPECT_EQ(g->Col(), 2);
    EXPECT_EQ(g->Row(), 1);
}

TEST(QvGridEdit, AFullTextMovesOnWithAutoAdvance) {
    EditGridForm f;
    TQvStringGrid* g = f.grid;
    g->SetCells(1, 1, "");
    g->SetMaxEditLength(4);
    g->Navigation()->SetAdvanceOnEnter(true);
    g->Navigation()->SetAdvanceAuto(true);
    Type("abc");
    EXPECT_EQ(g->Col(), 1);
    Type("d");
    EXPECT_EQ(g->Cells(1, 1), "abcd");
    EXPECT_EQ(g->Col(), 2);
}

// The text editor covers its cell with the cell's own look, and takes the next cell's look afresh: a
// coloured, bold, right-aligned cell and a plain one in the same grid.
TEST(QvGridEdit, TheTextEditorTakesTheCellsColourFontAndAlignment) {
    const TColor tint = TColor(0x00C0FF);
    struct Case {
        int col;
        TAlignment align;
        bool looks; // the cell has the tint and the bold font
    } cases[] = {{1, taRightJustify, true}, {2, taCenter, false}, {3, taLeftJustify, true}};
    EditGridForm f;
    f.grid->OnGetCellColor = [&](TObject*, int, int ACol, TGridDrawState, TBrush* ABrush, TFont* AFont) {
        if (ACol == 1 || ACol == 3) {
            ABrush->SetColor(tint);
            AFont->SetStyle(AFont->Style() | fsBold);
        }
    };
    f.grid->OnGetAlignment = [&](TObject*, int, int ACol, TAlignment& h, TVAlignment&) {
        for (const Case& c : cases)
            if (c.col == ACol) h = c.align;
    };
    for (const bool reverse : {false, true})
        for (int i = 0; i < 3; ++i) {
            const Case& c = cases[reverse ? 2 - i : i];
            SCOPED_TRACE(QString("column %1").arg(c.col).toStdString());
            f.grid->SetCol(c.col);
            f.grid->SetRow(1);
            Press(Qt::Key_F2);
            ASSERT_TRUE(f.EditorOpen());
            EXPECT_EQ(f.Editor()->Alignment(), c.align);
            EXPECT_EQ(f.Editor()->Color() == tint, c.looks);
            EXPECT_EQ(bool(f.Editor()->Font()->Style() & fsBold), c.looks);
            Press(Qt::Key_Escape, QString(QChar(27)));
            EXPECT_FALSE(f.EditorOpen());
        }
}
