// The grid's in-place edits with a button: the ellipsis event, typing and pasting by the kind's rules,
// leaving keys with validation, the unit split, lookup completion and the cursor walk.
#include "controls/grid/edit/GridEditBtn.h"

#include "controls/grid/QvGrid.h"
#include "controls/grid/edit/EditCharFilter.h"
#include "controls/grid/edit/EditorTable.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/services/Clipboard.h"

namespace {

TEditCharState EditButtonCharState(const TEdit& Edit, TEditorType Kind) {
    TEditCharState s;
    s.Kind = EditButtonTextKind(Kind);
    s.Text = Edit.Text();
    s.SelStart = Edit.SelStart();
    s.SelLength = Edit.SelLength();
    s.LengthLimit = Edit.MaxLength();
    s.DecimalSeparator = QvGrid::CurrentDecimalSeparator();
    s.ThousandSeparator = QvGrid::CurrentThousandSeparator();
    return s;
}

// A typed character by the kind's rules: false when it is dropped (with a beep when refused). Enter and Tab
// are keys of the editor, never text.
bool PassEditButtonChar(TEdit& Edit, TEditorType Kind, TMessage& Message) {
    const QChar ch(static_cast<char16_t>(Message.CharCode()));
    bool pass = ch != QChar('\r') && ch != QChar('\t');
    if (pass && Kind != edMaskEditBtn) {
        TEditCharState state = EditButtonCharState(Edit, Kind);
        state.CtrlHeld = KeyboardStateToShiftState() & ssCtrl;
        const TCharFilterResult verdict = FilterEditChar(state, ch);
        if (verdict.Verdict == TCharVerdict::Refuse) Beep();
        pass = verdict.Verdict == TCharVerdict::Pass;
        if (pass) Message.SetCharCode(verdict.Char.unicode());
    }
    if (!pass) {
        Message.SetCharCode(0);
        Message.PassToNative = false;
        Message.Result = 1;
    }
    return pass;
}

// A paste through the grid's clipboard events, by the kind's typing rules and the length limit; the grid's
// current cell follows the new text.
void PasteIntoEditButton(TEdit& Edit, TQvStringGrid* Grid, TEditorType Kind) {
    bool allow = Clipboard()->HasFormat(CF_TEXT) || Clipboard()->HasFormat(CF_UNICODETEXT);
    String clip = allow ? Clipboard()->AsText() : String();
    if (Grid->OnClipboardPaste) Grid->OnClipboardPaste(&Edit, allow);
    if (allow && Grid->OnClipboardBeforePasteCell)
        Grid->OnClipboardBeforePasteCell(&Edit, Grid->RealCol(), Grid->Row(), clip, allow);
    if (!allow) return;
    const TPasteResult pasted = BuildPastedText(EditButtonCharState(Edit, Kind), clip);
    if (!pasted.Accepted || pasted.Text == Edit.Text()) return;
    Edit.SetText(pasted.Text);
    Grid->SetCurrentCellEditText(Edit.Text());
    Edit.SetSelStart(pasted.SelStart);
    if (pasted.SelLength > 0) Edit.SetSelLength(pasted.SelLength);
}

LRESULT GridEditDialogCode(LRESULT Base, bool WantTab) {
    LRESULT code = Base | DLGC_WANTALLKEYS | DLGC_WANTARROWS;
    if (WantTab) code |= DLGC_WANTTAB;
    return code;
}

} // namespace

TEditorType EditButtonTextKind(TEditorType Kind) {
    switch (Kind) {
    case edNumericEditBtn:
    case edNumericUnitEditBtn:
        return edNumeric;
    case edFloatEditBtn:
    case edFloatUnitEditBtn:
        return edFloat;
    default:
        return edNormal;
    }
}

// TGridEditBtn
// --------------------------------------------------------------------------------------------

TGridEditBtn::TGridEditBtn(TComponent* AOwner)
    : TQsgEditBtn(AOwner), FGrid(EditorOwnerGrid(AOwner, "edit with a button")),
      FSession(&FGrid->EditSession()) {}

void TGridEditBtn::ReCreate() {
    if (HandleAllocated() && !Visible() && !Focused()) DestroyWidget();
}

LRESULT TGridEditBtn::DialogCode() const {
    return GridEditDialogCode(TQsgEditBtn::DialogCode(), FGrid->EditorWantsSpecialKeys());
}

void TGridEditBtn::BtnClick(TObject* Sender) {
    TQsgEditBtn::BtnClick(Sender);
    String s = Text();
    FGrid->DoEllipsClick(FGrid->RealCol(), FGrid->Row(), s);
    SetText(s);
    SelectAll();
    Invalidate();
    if (FStopEditAfterClick) {
        FGrid->HideInplaceEdit();
        FGrid->SetFocus();
    }
}

void TGridEditBtn::DoExit() {
    if (!FGrid->IsDestroying()) FGrid->HideInplaceEdit();
    TQsgEditBtn::DoExit();
}

void TGridEditBtn::Change() {
    TQsgEditBtn::Change();
    if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->RealCol(), FGrid->Row(), Text());
}

void TGridEditBtn::DblClick() {
    TQsgEditBtn::DblClick();
    if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TGridEditBtn::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_CHAR && !PassEditButtonChar(*this, FSession->EditControl, Message)) return;
    if (Message.Msg == WM_PASTE && FSession->EditControl != edMaskEditBtn) {
        if (EditorEnabled() && !ReadOnly()) PasteIntoEditButton(*this, FGrid, FSession->EditControl);
        return;
    }
    TQsgEditBtn::Dispatch(Message);
}

void TGridEditBtn::KeyPress(QChar& Key) {
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
    if (Key != QChar('\t')) TQsgEditBtn::KeyPress(Key);
}

void TGridEditBtn::KeyDown(Word& Key, TShiftState Shift) {
    TQvStringGrid* g = FGrid;
    const bool claimedTab = Key == VK_TAB && (DialogCode() & DLGC_WANTTAB);
    const bool leaving = claimedTab || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                         Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    if (!leaving && Key != VK_TAB && g->OnKeyDown) g->OnKeyDown(g, Key, Shift);
    if ((Shift & ssCtrl) || !leaving) {
        TQsgEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
    if (Key == VK_ESCAPE) {
        CancelEditByKey(*g, Key, Shift);
        return;
    }
    if (Key == VK_RETURN || Key == VK_TAB || Key == VK_UP || Key == VK_DOWN) {
        g->SetCurrentCell(Text());
        if (!g->ValidateCell(Text())) {
            SetText(g->NewCellText());
            if (Key == VK_TAB)
                SetSelStart(int(Text().size()));
            else
                SelectAll();
            FSession->RefuseAdvance();
            Invalidate();
            Key = 0;
            return;
        }
        SetText(g->GetCurrentCellText());
    }
    EndEditByKey(*g, Key, Shift);
}

// TGridUnitEditBtn
// --------------------------------------------------------------------------------------------

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner)
    : TQsgUnitEditBtn(AOwner), FGrid(EditorOwnerGrid(AOwner, "unit edit")), FSession(&FGrid->EditSession()) {
    OnClickBtn = [this](TObject*) {
        String s = Text();
        FGrid->DoEllipsClick(FGrid->RealCol(), FGrid->Row(), s);
        SetText(s);
        SelectAll();
        Invalidate();
    };
}

void TGridUnitEditBtn::ReCreate() {
    if (HandleAllocated() && !Visible() && !Focused()) DestroyWidget();
}

void TGridUnitEditBtn::Open(const String& CellText) {
    SetUnitID(String());
    SetText(CellText);
    SetTextAndUnit(CellText);
}

LRESULT TGridUnitEditBtn::DialogCode() const {
    return GridEditDialogCode(TQsgUnitEditBtn::DialogCode(), FGrid->EditorWantsSpecialKeys());
}

void TGridUnitEditBtn::DoExit() {
    if (!FGrid->IsDestroying()) FGrid->HideInplaceEdit();
    TQsgUnitEditBtn::DoExit();
}

void TGridUnitEditBtn::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_CHAR && !PassEditButtonChar(*this, FSession->EditControl, Message)) return;
    if (Message.Msg == WM_PASTE) {
        if (EditorEnabled() && !ReadOnly()) PasteIntoEditButton(*this, FGrid, FSession->EditControl);
        return;
    }
    TQsgUnitEditBtn::Dispatch(Message);
}

void TGridUnitEditBtn::KeyDown(Word& Key, TShiftState Shift) {
    TQvStringGrid* g = FGrid;
    const bool claimedTab = Key == VK_TAB && (DialogCode() & DLGC_WANTTAB);
    const bool leaving = claimedTab || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                         Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    if (!leaving) {
        TQsgUnitEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        CancelEditByKey(*g, Key, Shift);
        return;
    }
    if (Key == VK_RETURN || Key == VK_TAB || Key == VK_UP || Key == VK_DOWN) {
        g->SetCurrentCell(TextAndUnit());
        if (!g->ValidateCell(TextAndUnit())) {
            Open(g->GetCurrentCellText());
            FSession->RefuseAdvance();
            Key = 0;
            return;
        }
        Open(g->GetCurrentCellText());
    }
    EndEditByKey(*g, Key, Shift);
}
