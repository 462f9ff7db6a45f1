// The grid's in-place date, time and date-and-time editors: keys, validation, focus and the events.
#include "controls/grid/edit/GridDatePicker.h"

#include "controls/grid/QvGrid.h"
#include "controls/grid/edit/EditorTable.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/system/SysUtils.h"

#include <cmath>

namespace {

// Enter and Escape belong to the editor, never to the form's default and cancel buttons; Tab only when the
// grid takes it.
LRESULT GridPickerDialogCode(LRESULT Base, TQvStringGrid* Grid) {
    LRESULT code = Base | DLGC_WANTALLKEYS | DLGC_WANTARROWS;
    if (Grid->EditorWantsSpecialKeys()) code |= DLGC_WANTTAB;
    return code;
}

} // namespace

String CellDateTimeText(TDateTime Value) {
    return DateToStr(Value) + QLatin1Char(' ') + TimeToStr(Value);
}

bool TryCellTextToDateTime(const String& Text, TDateTime& Value) {
    const String text = Trim(Text);
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    TDateTime date = 0, time = 0;
    if (space < 0) {
        if (!TryStrToDate(text, date)) return false;
    } else if (!TryStrToDate(text.left(space), date) || !TryStrToTime(Trim(text.mid(space + 1)), time)) {
        return false;
    }
    Value = date >= 0 ? date + time : date - time;
    return true;
}

// TGridDatePicker
// --------------------------------------------------------------------------------------------

TGridDatePicker::TGridDatePicker(TComponent* AOwner)
    : TCustomDateTimePicker(AOwner), FGrid(EditorOwnerGrid(AOwner, "date picker")),
      FSession(&FGrid->EditSession()) {
    // The flat picker's plain look: the raised frame and no border colour of its own.
    FCtl3D = true;
    FBorderColor = clNone;
    SetAutoTab(true);
}

void TGridDatePicker::ReCreate() {
    if (HandleAllocated() && !Visible() && !Focused()) DestroyWidget();
}

LRESULT TGridDatePicker::DialogCode() const {
    return GridPickerDialogCode(TCustomDateTimePicker::DialogCode(), FGrid);
}

void TGridDatePicker::DoExit() {
    if (!FGrid->IsDestroying()) FGrid->HideInplaceEdit();
    TCustomDateTimePicker::DoExit();
}

void TGridDatePicker::KeyPress(QChar& Key) {
    TCustomDateTimePicker::KeyPress(Key);
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
}

void TGridDatePicker::Change() {
    TCustomDateTimePicker::Change();
    if (!FGrid->OnEditChange) return;
    FGrid->OnEditChange(FGrid, FGrid->RealCol(), FGrid->Row(),
                        Kind() == dtkTime ? TimeToStr(DateTime()) : DateToStr(DateTime()));
}

void TGridDatePicker::DropDown() {
    TCustomDateTimePicker::DropDown();
    if (FGrid->OnDatePickerDropDown) FGrid->OnDatePickerDropDown(FGrid, FGrid->Row(), FGrid->RealCol());
}

void TGridDatePicker::CloseUp() {
    TCustomDateTimePicker::CloseUp();
    if (FGrid->OnDatePickerCloseUp) FGrid->OnDatePickerCloseUp(FGrid, FGrid->Row(), FGrid->RealCol());
    if (FGrid->MouseActions()->DirectDateClose()) FGrid->HideInplaceEdit();
}

void TGridDatePicker::ShowRefusedValue() {
    TDateTime v = 0;
    const String text = FGrid->NewCellText();
    if (Kind() == dtkTime ? TryStrToTime(text, v) : TryStrToDate(text, v)) SetDateTime(v);
    Invalidate();
}

void TGridDatePicker::KeyDown(Word& Key, TShiftState Shift) {
    TQvStringGrid* g = FGrid;
    const bool claimedTab = Key == VK_TAB && (DialogCode() & DLGC_WANTTAB);
    const bool leaving = claimedTab || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                         Key == VK_NEXT || Key == VK_END;
    if (!leaving || (DroppedDown() && Key != VK_TAB)) {
        TCustomDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        CancelEditByKey(*g, Key, Shift);
        return;
    }
    // What is half typed into a field counts.
    CommitTyped();
    if (Key == VK_RETURN || Key == VK_TAB) {
        g->SetCurrentCell(Text());
        if (!g->ValidateCell(Text())) {
            ShowRefusedValue();
            if (Key == VK_RETURN) FSession->RefuseAdvance();
            Key = 0;
            return;
        }
    }
    EndEditByKey(*g, Key, Shift);
}

// TGridDateTimePicker
// --------------------------------------------------------------------------------------------

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner)
    : TQvDateTimePicker(AOwner), FGrid(EditorOwnerGrid(AOwner, "date and time picker")),
      FSession(&FGrid->EditSession()) {
    SetAutoTab(true);
    OnTimeChange = [this](TObject*) {
        if (FGrid->OnDateTimeChange)
            FGrid->OnDateTimeChange(FGrid, FGrid->RealCol(), FGrid->Row(), DateTime());
    };
}

void TGridDateTimePicker::ReCreate() {
    if (HandleAllocated() && !Visible() && !Focused()) DestroyWidget();
}

void TGridDateTimePicker::Open(TDateTime Value) {
    FOpenedWith = Value;
    SetDateTime(Value);
}

LRESULT TGridDateTimePicker::DialogCode() const {
    return GridPickerDialogCode(TQvDateTimePicker::DialogCode(), FGrid);
}

void TGridDateTimePicker::DoExit() {
    // The focus moving into the time part stays inside the editor.
    if (!FGrid->IsDestroying() && !(TimePicker() && TimePicker()->Focused())) FGrid->HideInplaceEdit();
    TQvDateTimePicker::DoExit();
}

void TGridDateTimePicker::CloseUp() {
    TQvDateTimePicker::CloseUp();
    if (FGrid->OnDatePickerCloseUp) FGrid->OnDatePickerCloseUp(FGrid, FGrid->Row(), FGrid->RealCol());
    if (FGrid->MouseActions()->DirectDateClose()) FGrid->HideInplaceEdit();
}

void TGridDateTimePicker::KeyDown(Word& Key, TShiftState Shift) {
    LeavingKey(Key, Shift);
    if (Key) TQvDateTimePicker::KeyDown(Key, Shift);
}

void TGridDateTimePicker::TimePartKeyDown(Word& Key, TShiftState Shift) {
    TQvDateTimePicker::TimePartKeyDown(Key, Shift);
    if (Key) LeavingKey(Key, Shift);
}

void TGridDateTimePicker::LeavingKey(Word& Key, TShiftState Shift) {
    TQvStringGrid* g = FGrid;
    const bool claimedTab = Key == VK_TAB && (DialogCode() & DLGC_WANTTAB);
    if ((Key != VK_RETURN && Key != VK_ESCAPE && !claimedTab) || DroppedDown()) return;
    if (Key == VK_ESCAPE) {
        SetDateTime(FOpenedWith);
        FSession->Cancel();
        g->HideInplaceEdit();
        g->SetFocus();
        Key = 0;
        return;
    }
    CommitTyped();
    if (TimePicker()) TimePicker()->CommitTyped();
    // Tab validates as Enter does: a refused value keeps the editor open.
    const String text = ShowCheckbox() && !Checked() ? String() : CellDateTimeText(DateTime());
    g->SetCurrentCell(text);
    if (!g->ValidateCell(text)) {
        TDateTime v = 0;
        if (TryCellTextToDateTime(g->NewCellText(), v)) SetDateTime(v);
        FSession->RefuseAdvance();
        Key = 0;
        return;
    }
    g->HideInplaceEdit();
    g->SetFocus();
    if (Key == VK_TAB)
        g->AdvanceFromEditor(Shift & ssShift);
    else if (g->Navigation()->AdvanceOnEnter())
        g->AdvanceToNextCell(g->Col(), g->Row(), false, true, true, false, false);
    Key = 0;
}
