// The string grid's nine drop-down editors: one template binds a drop-down control to the grid as a cell
// editor (the grid's OnKeyPress and OnEditChange, the leaving keys with validation, the caret at the click
// that opened it); the members differ only by the few traits below. The grid makes each on first use
// (TrackbarDropDown() ... QvGridDropDown()) and opens it through its editor table entry.
#pragma once

#include "controls/dropdown/QvCalculatorDropdown.h"
#include "controls/dropdown/QvColorPickerDropDown.h"
#include "controls/dropdown/QvDetailDropDown.h"
#include "controls/dropdown/QvGridDropDown.h"
#include "controls/dropdown/QvImagePickerDropDown.h"
#include "controls/dropdown/QvMemoDropDown.h"
#include "controls/dropdown/QvMultiColumnDropDown.h"
#include "controls/dropdown/QvTimePickerDropDown.h"
#include "controls/dropdown/QvTrackBarDropDown.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/edit/EditorTable.h"

struct TDropDownEditorTraits {
    // An editor opened by a click puts its caret where the click was.
    bool CaretAtClick = false;
    // Enter first completes the calculation the keypad holds.
    bool CompletesCalculation = false;
    // The colour picker's leaving keys: with its popup closed also Home, with it open only Tab, Enter and
    // Escape (the arrows pick colours then); each of them validates as Enter does.
    bool ColorKeys = false;
    // The control draws no focus frame of its own inside the cell.
    bool NoFocusFrame = false;
    // The popup grid is the grid library's own string grid.
    bool PopupStringGrid = false;
};

// The key handling every member shares, away from the control type: what a key does to the edit.
namespace GridDropDownKeys {
// Whether K leaves the cell; Alt with an arrow opens or closes the popup instead.
bool IsLeavingKey(Word Key, TShiftState Shift, bool ColorKeys, bool DroppedDown);
// Whether K writes the editor's text into the cell and validates it before leaving (Tab aside).
bool ValidatesOnKey(Word Key, bool ColorKeys);
} // namespace GridDropDownKeys

template <class TControlT, TDropDownEditorTraits Traits> class TGridDropDownEditor : public TControlT {
public:
    // The owner must be the string grid the editor works for.
    explicit TGridDropDownEditor(TComponent* AOwner)
        : TControlT(AOwner), FGrid(EditorOwnerGrid(AOwner, "drop-down editor")) {
        if constexpr (Traits.NoFocusFrame) this->SetFocusDraw(false);
    }

    TQvStringGrid* Grid() const { return FGrid; }

    // The popup grid as the string grid it is (none before the first drop-down made it).
    TQvStringGrid* PopupGrid() const requires(Traits.PopupStringGrid) {
        IDropDownGrid* grid = this->GetGrid();
        return grid ? dynamic_cast<TQvStringGrid*>(grid->GridControl()) : nullptr;
    }

    // Cleared at every key.
    bool Forced = false;
    // False after Backspace or Delete, true after any other key.
    bool WorkMode = true;

protected:
    void Change() override {
        TControlT::Change();
        if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->RealCol(), FGrid->Row(), this->Text());
    }

    void DoExit() override {
        if (!FGrid->IsDestroying()) FGrid->HideInplaceEdit();
        TControlT::DoExit();
    }

    void KeyPress(QChar& Key) override {
        if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
        if (Key == QChar(VK_ESCAPE) || Key == QChar(VK_RETURN) || Key == QChar(VK_TAB)) Key = QChar();
        TControlT::KeyPress(Key);
    }

    LRESULT DialogCode() const override {
        LRESULT code = TControlT::DialogCode();
        if (FGrid->EditorWantsSpecialKeys()) code |= DLGC_WANTTAB;
        // Enter and Escape end the cell's edit, never the form's default or cancel button.
        code |= DLGC_WANTALLKEYS;
        return code;
    }

    // The leaving keys are taken before the control sees them: some controls spend the arrows, Home and
    // End on their own value (or swallow them while their edit types nothing).
    void Dispatch(TMessage& Message) override {
        if (Message.Msg == WM_KEYDOWN && !LeavingKeyGoesOn(Message)) return;
        TControlT::Dispatch(Message);
        if constexpr (Traits.CaretAtClick)
            if (Message.Msg == WM_SETFOCUS) PutCaretAtClick();
    }

    // The popup takes the keys while it is open: Enter takes its choice (the calculator's keypad completes
    // its calculation instead) and ends the edit as in the edit, and End closes the editor.
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift) override {
        const bool dropped = this->DroppedDown();
        if (Key == VK_END && dropped &&
            GridDropDownKeys::IsLeavingKey(Key, Shift, Traits.ColorKeys, dropped)) {
            Leave(Key, Shift, dropped);
            return;
        }
        if (Key != VK_RETURN || (Shift & ssAlt)) {
            TControlT::FormKeyDown(Sender, Key, Shift);
            return;
        }
        if constexpr (!Traits.CompletesCalculation) {
            TControlT::FormKeyDown(Sender, Key, Shift);
            if (!this->Visible()) return;
            Key = VK_RETURN;
        }
        Leave(Key, Shift, this->DroppedDown());
    }

private:
    // A key pressed in the editor: false when it was the editor's own (it leaves the cell, or a refused
    // value keeps the editor), true when the control gets it.
    bool LeavingKeyGoesOn(TMessage& Message) {
        Word key = Word(Message.CharCode());
        const TShiftState shift = KeyboardStateToShiftState();
        Forced = false;
        WorkMode = key != VK_BACK && key != VK_DELETE;
        const bool dropped = this->DroppedDown();
        if (!GridDropDownKeys::IsLeavingKey(key, shift, Traits.ColorKeys, dropped)) return true;
        Leave(key, shift, dropped);
        if (key == VK_END) return true;
        Message.SetCharCode(0);
        Message.PassToNative = false;
        return false;
    }

    // The key leaves the cell unless validation refuses the value; End with the popup closed stays the
    // control's (its caret goes to the end).
    void Leave(Word& Key, TShiftState Shift, bool Dropped) {
        TQvStringGrid* g = FGrid;
        if (Key == VK_ESCAPE) {
            this->SetText(g->GetCurrentCellText());
            CancelEditByKey(*g, Key, Shift);
            return;
        }
        if (GridDropDownKeys::ValidatesOnKey(Key, Traits.ColorKeys)) {
            if constexpr (Traits.CompletesCalculation)
                if (Key == VK_RETURN) this->CalcResult();
            if (!WriteAndValidate()) {
                this->SetText(g->NewCellText());
                this->SelectAll();
                this->Invalidate();
                Key = 0;
                g->EditSession().RefuseAdvance();
                return;
            }
            this->SetText(g->GetCurrentCellText());
        }
        if (Key == VK_TAB && g->EditorWantsSpecialKeys()) {
            if (!WriteAndValidate()) {
                this->SetText(g->NewCellText());
                this->SetSelStart(int(this->Text().size()));
                this->Invalidate();
                Key = 0;
                return;
            }
            if (g->Options() & goTabs) {
                g->HideInplaceEdit();
                g->SetFocus();
                g->AdvanceFromEditor(Shift & ssShift);
                Key = 0;
                return;
            }
            PostMessage(g, WM_KEYDOWN, VK_TAB, 0);
        }
        if (Dropped) {
            g->HideInplaceEdit();
            if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) Key = 0;
        } else if (Key == VK_END) {
            return;
        }
        g->DoneInplaceEdit(Key, Shift);
        if (g->Navigation()->AdvanceOnEnter() && g->Navigation()->AdvanceAutoEdit()) g->ShowInplaceEdit();
        Key = 0;
    }

    // The editor's text becomes the cell's and is validated; false when validation refused it (the value to
    // show is then the grid's NewCellText).
    bool WriteAndValidate() {
        const String text = EditorText();
        FGrid->SetCurrentCell(text);
        return FGrid->ValidateCell(text);
    }

    // The value the cell takes: the colour picker's edit shows its colour, and the colour's text is meant.
    String EditorText() const {
        if constexpr (Traits.ColorKeys)
            return this->SelectedColorText();
        else
            return this->Text();
    }

    void PutCaretAtClick() {
        TGridEditSession& session = FGrid->EditSession();
        if (!session.OpenedByClick) return;
        const TPoint p = this->ScreenToClient(GetCursorPos());
        if (p.X < 0 || p.X > this->Width() || p.Y < 0 || p.Y > this->Height()) return;
        const int at = this->CharFromPos(p);
        if (at == -1) return;
        this->SetSelStart(at & 0xFFFF);
        this->SetSelLength(0);
        session.ClearOpenedByClick();
    }

    TQvStringGrid* FGrid;
};

inline constexpr TDropDownEditorTraits kTrackbarEditorTraits{.CaretAtClick = true};
inline constexpr TDropDownEditorTraits kMemoEditorTraits{.CaretAtClick = true};
inline constexpr TDropDownEditorTraits kCalculatorEditorTraits{.CaretAtClick = true,
                                                               .CompletesCalculation = true};
inline constexpr TDropDownEditorTraits kTimePickerEditorTraits{.NoFocusFrame = true};
inline constexpr TDropDownEditorTraits kColorEditorTraits{.ColorKeys = true};
inline constexpr TDropDownEditorTraits kQvGridEditorTraits{.PopupStringGrid = true};

// The nine members, as classes so that the grid can name them without this header.
#define QV_GRID_DROPDOWN_EDITOR(Name, Control, Traits)                                                       \
    class Name : public TGridDropDownEditor<Control, Traits> {                                               \
    public:                                                                                                  \
        using TGridDropDownEditor::TGridDropDownEditor;                                                      \
        String ClassName() const override { return #Name; }                                                  \
    }

QV_GRID_DROPDOWN_EDITOR(TGridTrackbarDropDown, TQvTrackBarDropDown, kTrackbarEditorTraits);
QV_GRID_DROPDOWN_EDITOR(TGridMemoDropDown, TQvMemoDropDown, kMemoEditorTraits);
QV_GRID_DROPDOWN_EDITOR(TGridCalculatorDropDown, TQvCalculatorDropdown, kCalculatorEditorTraits);
QV_GRID_DROPDOWN_EDITOR(TGridTimepickerDropDown, TQvTimePickerDropDown, kTimePickerEditorTraits);
QV_GRID_DROPDOWN_EDITOR(TGridDetailPickerDropDown, TQvDetailDropDown, TDropDownEditorTraits{});
QV_GRID_DROPDOWN_EDITOR(TGridGridDropDown, TQvMultiColumnDropDown, TDropDownEditorTraits{});
QV_GRID_DROPDOWN_EDITOR(TGridColorDropDown, TQvColorPickerDropDown, kColorEditorTraits);
QV_GRID_DROPDOWN_EDITOR(TGridImageDropDown, TQvImagePickerDropDown, TDropDownEditorTraits{});
QV_GRID_DROPDOWN_EDITOR(TGridQvGridDropDown, TCustomQvGridDropDown, kQvGridEditorTraits);

#undef QV_GRID_DROPDOWN_EDITOR

// The editor table's entry of a drop-down editor kind (30 to 38); nullptr for any other kind.
const TEditorEntry* FindDropDownEditorEntry(TEditorType Kind);
