// The grid's rich edit: the in-place editor's keys, its end when the focus leaves and the row growing with
// its text.
#include "controls/grid/QvRichEdit.h"

#include "controls/grid/QvGrid.h"
#include "controls/grid/edit/EditorTable.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/system/ScopedValue.h"

#include <utility>

TQvRichEdit::TQvRichEdit(TComponent* AOwner)
    : TRichEdit(AOwner), FGrid(dynamic_cast<TQvStringGrid*>(AOwner)) {
    if (!FGrid) throw EInvalidCast("TQvRichEdit needs a TQvStringGrid as its owner");
}

bool TQvRichEdit::IsInplace() const {
    return !FGrid->IsDestroying() && FGrid->EditorControl(edRichEdit, false) == this;
}

void TQvRichEdit::ReCreate() {
    if (HandleAllocated() && !Visible() && !Focused() && !FInKey) DestroyWidget();
}

void TQvRichEdit::KeyPress(QChar& Key) {
    if (Key == QChar('\t') && std::exchange(FSwallowTab, false)) {
        Key = QChar();
        return;
    }
    FSwallowTab = false;
    TRichEdit::KeyPress(Key);
}

LRESULT TQvRichEdit::DialogCode() const {
    // A memo's keys, Tab among them: without goTabs a Tab is typed into the text.
    return TRichEdit::DialogCode() | DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
}

void TQvRichEdit::KeyDown(Word& Key, TShiftState Shift) {
    TRichEdit::KeyDown(Key, Shift);
    if (Key == 0 || !IsInplace()) return;
    // Without word wrap or multi-line cells a cell holds one line: Up, Down and Enter leave it as they
    // leave the text editor.
    const bool oneLine = !FGrid->WordWrap() && !FGrid->Multilinecells();
    if (Key == VK_TAB && (FGrid->Options() & goTabs)) {
        // The editor opens again on the new cell while this key is under way: it keeps its window, and
        // the key's character must not land in the next cell's text.
        ScopedValue<bool> inKey(FInKey, true);
        EndEditByKey(*FGrid, Key, Shift);
        if (!FGrid->EditSession().EditMode) FGrid->ShowInplaceEdit();
        FSwallowTab = true;
    } else if ((Key == VK_UP || Key == VK_DOWN || Key == VK_RETURN) && oneLine &&
               !(Shift & (ssCtrl | ssAlt))) {
        EndEditByKey(*FGrid, Key, Shift);
    } else if (Key == VK_ESCAPE) {
        CancelEditByKey(*FGrid, Key, Shift);
    }
}

void TQvRichEdit::DoExit() {
    // The focus that leaves for an editor link's pop-up comes back; the edit goes on.
    if (IsInplace() && !FGrid->InvokedFocusChange) FGrid->HideInplaceEdit();
    TRichEdit::DoExit();
}

void TQvRichEdit::GrowRowToText() {
    if (FLocked || !IsInplace() || !Visible() || !FGrid->SizeWhileTyping()->Height()) return;
    const int h = RequiredSize().cy;
    const int row = FGrid->Row();
    const TRect cell = FGrid->CellRect(FGrid->Col(), row);
    if (FGrid->RowHeights(row) >= h + 5 || cell.Top + h + 5 >= FGrid->Height()) return;
    SetHeight(h + 9);
    FGrid->SetRowHeights(row, h + 10);
    if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, row);
}
