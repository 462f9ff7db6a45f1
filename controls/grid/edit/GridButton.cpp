// The grid's in-place push button: the ellipsis event on a click, the arrows and Escape.
#include "controls/grid/edit/GridButton.h"

#include "controls/grid/QvGrid.h"
#include "controls/grid/edit/EditorTable.h"

TGridButton::TGridButton(TComponent* AOwner)
    : TButton(AOwner), FGrid(EditorOwnerGrid(AOwner, "button")), FSession(&FGrid->EditSession()) {}

void TGridButton::ReCreate() {
    if (HandleAllocated() && !Visible() && !Focused()) DestroyWidget();
}

LRESULT TGridButton::DialogCode() const {
    // Escape and the arrows are the button's, so that they reach the grid through it.
    return TButton::DialogCode() | DLGC_WANTARROWS | DLGC_WANTALLKEYS;
}

void TGridButton::Click() {
    String s = Caption();
    FGrid->DoEllipsClick(FGrid->RealCol(), FGrid->Row(), s);
    SetCaption(s);
    FGrid->SetCurrentCell(s);
    TButton::Click();
}

void TGridButton::DoExit() {
    if (!FGrid->IsDestroying()) FGrid->HideInplaceEdit();
    TButton::DoExit();
}

void TGridButton::KeyDown(Word& Key, TShiftState Shift) {
    const bool arrow = Key >= VK_LEFT && Key <= VK_DOWN;
    if (!arrow && Key != VK_ESCAPE) {
        TButton::KeyDown(Key, Shift);
        return;
    }
    TQvStringGrid* g = FGrid;
    // Escape: the cell goes back to the text it had when the button opened.
    if (Key == VK_ESCAPE) FSession->Cancel();
    g->HideInplaceEdit();
    g->SetFocus();
    if (arrow) {
        Word key = Key;
        g->KeyDown(key, Shift);
    }
    Key = 0;
}
