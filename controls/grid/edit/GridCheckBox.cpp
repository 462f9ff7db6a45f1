// The grid's in-place check box: its keys and the focus leaving it.
#include "controls/grid/edit/GridCheckBox.h"

#include "controls/grid/QvGrid.h"
#include "toolkit/grids/Grids.h"

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner) {
    FGrid = dynamic_cast<TQvStringGrid*>(AOwner);
    if (!FGrid) throw EInvalidGridOperation("The grid's check box editor needs a string grid as its owner");
}

void TGridCheckBox::ReCreate() {
    if (HandleAllocated() && !Visible() && !Focused()) DestroyWidget();
}

void TGridCheckBox::Open(bool State) {
    FOpenedChecked = State;
    SetChecked(State);
}

LRESULT TGridCheckBox::DialogCode() const {
    // Enter and Escape close the editor; they never reach the form's default and cancel buttons.
    return TCheckBox::DialogCode() | DLGC_WANTALLKEYS;
}

void TGridCheckBox::DoExit() {
    if (!FGrid->IsDestroying()) FGrid->HideInplaceEdit();
    TCheckBox::DoExit();
}

void TGridCheckBox::KeyDown(Word& Key, TShiftState Shift) {
    TQvStringGrid* g = FGrid;
    switch (Key) {
    case VK_SPACE:
        // One toggle a press: the box's own handling of the key is not wanted besides.
        Toggle();
        Key = 0;
        return;
    case VK_ESCAPE:
        SetChecked(FOpenedChecked);
        g->HideInplaceEdit();
        g->SetFocus();
        Key = 0;
        return;
    case VK_RETURN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        const Word key = Key;
        Key = 0;
        g->HideInplaceEdit();
        g->SetFocus();
        if (key == VK_RETURN) g->AdvanceToNextCell(g->Col(), g->Row(), false, true, true, false, false);
        if (key == VK_UP || key == VK_DOWN) {
            Word k = key;
            g->KeyDown(k, Shift);
        }
        return;
    }
    default:
        TCheckBox::KeyDown(Key, Shift);
    }
}
