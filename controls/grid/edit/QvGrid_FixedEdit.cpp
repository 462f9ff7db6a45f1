// Fixed (header) cells edited in place: a plain edit or a combo box over the cell, which validates and
// stores the text itself when the focus leaves it.
#include "controls/grid/QvGrid.h"

#include "controls/grid/edit/CellControlEditors.h"

TGridTransEdit* TQvStringGrid::EditTrans() {
    if (!FEditTrans) {
        FEditTrans = new TGridTransEdit(this);
        FEditTrans->SetParent(this);
    }
    return FEditTrans;
}

TGridTransCombo* TQvStringGrid::ComboTrans() {
    if (!FComboTrans) {
        FComboTrans = new TGridTransCombo(this);
        FComboTrans->SetParent(this);
    }
    return FComboTrans;
}

void TQvStringGrid::FixedCellEdit(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
    // An open editor closes first; one whose text was refused stays, and no other opens.
    if (FEditTrans && FEditTrans->Visible() && !FEditTrans->StopEdit()) return;
    if (FComboTrans && FComboTrans->Visible() && !FComboTrans->StopEdit()) return;
    bool canEdit = true;
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, canEdit);
    if (!canEdit) return;
    FFixedColEdit = ACol;
    FFixedRowEdit = ARow;
    TGridFixedCellEditor kind =
        ACol == 0 ? FMouseActions->FixedColsEditor() : FMouseActions->FixedRowsEditor();
    TGridTransCombo* combo = ComboTrans();
    combo->Items()->Clear();
    for (const String& value : FMouseActions->FixedComboValues())
        combo->Items()->Add(value);
    // The handler may change the items; the editor kind was decided before it.
    TGridFixedCellEditor asked = kind;
    DoFixedEdit(ACol, ARow, asked, combo->Items());
    TRect q = CellRect(ACol, ARow);
    q.Left += 1;
    q.Top += 1;
    q.Right -= 1;
    q.Bottom -= 1;
    const int rc = RealColIndex(ACol);
    const auto relay = [this](TObject* Sender) {
        if (!OnEditChange) return;
        OnEditChange(this, FFixedColEdit, FFixedRowEdit, static_cast<TControl*>(Sender)->Text());
    };
    TWinControl* editor = nullptr;
    if (kind == fceEdit) {
        TGridTransEdit* edit = EditTrans();
        edit->SetBounds(q.Left, q.Top, q.Right - q.Left, q.Bottom - q.Top);
        edit->OnChange = nullptr;
        edit->SetText(Cells(rc, ARow));
        edit->OnChange = relay;
        edit->SetCell(rc, ARow);
        editor = edit;
    } else {
        combo->SetBounds(q.Left - 1, q.Top - 1, q.Right - q.Left + 1, q.Bottom - q.Top);
        combo->SetStyle(kind == fceComboEdit ? csDropDown : csDropDownList);
        combo->OnChange = nullptr;
        const String text = Cells(rc, ARow);
        combo->SetItemIndex(combo->Items()->IndexOf(text));
        if (kind == fceComboEdit) combo->SetText(text);
        combo->OnChange = relay;
        combo->SetCell(rc, ARow);
        editor = combo;
    }
    editor->Show();
    editor->BringToFront();
    if (editor->CanFocus()) editor->SetFocus();
}
