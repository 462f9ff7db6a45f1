// Rich-text cells of the string grid: the hidden rich edit, conversion between cells and rich edits,
// painting.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvRichEdit.h"

TQvRichEdit* TQvStringGrid::RichEdit() {
    if (!FRichEdit) {
        FRichEdit = new TQvRichEdit(this);
        FRichEdit->SetParent(this);
        FRichEdit->SetVisible(false);
        FRichEdit->SetBounds(0, 0, 0, 0);
        FRichEdit->OnSelectionChange = [this](TObject*) {
            if (OnRichEditSelectionChange) OnRichEditSelectionChange(this);
        };
    }
    return FRichEdit;
}

TQvRichEdit* TQvStringGrid::InplaceRichEdit() {
    return static_cast<TQvRichEdit*>(EditorControl(edRichEdit));
}

void TQvStringGrid::CellToRich(int ACol, int ARow, TRichEdit* ARichEdit) {
    if (!ARichEdit) return;
    const String text = GetCellEx(ACol, ARow);
    if (text.isEmpty())
        ARichEdit->Clear();
    else
        ARichEdit->LoadFromRtf(RtfBytesOfCellText(text));
}

String TQvStringGrid::RichToString(TRichEdit* ARichEdit) {
    if (!ARichEdit || IsDestroying()) return String();
    return CellTextOfRtfBytes(ARichEdit->SaveToRtf());
}

void TQvStringGrid::RichToCell(int ACol, int ARow, TRichEdit* ARichEdit) {
    SetCellEx(ACol, ARow, RichToString(ARichEdit));
}

String TQvStringGrid::RichCellPlainText(const String& Value) {
    TQvRichEdit* edit = RichEdit();
    edit->LoadFromRtf(RtfBytesOfCellText(Value));
    return edit->PlainText();
}

void TQvStringGrid::DrawRichTextCell(int ACol, int ARow, const TRect& ARect, TCanvas* ACanvas) {
    if (IsDesigning() || !ACanvas) return;
    TQvRichEdit* edit = RichEdit();
    CellToRich(RealColIndex(ACol), ARow, edit);
    // The selection look recolours the text on an unscaled canvas only: printing keeps the cell's colours.
    if (CanvasMapsOneToOne(ACanvas) && !SelectionRTFKeep() && SelectionTextColor() != clNone) {
        const bool focusedCurrent =
            ACol == Col() && ARow == Row() && Focused() && !(Options() & goDrawFocusSelected);
        bool selected = false;
        if (MouseActions()->DisjunctRowSelect())
            selected = RowSelect(MouseActions()->RowSelectPersistent() ? RealRowIndex(ARow) : ARow);
        else if (MouseActions()->DisjunctColSelect())
            selected = ColSelect(ACol);
        else
            selected = IsSelected(ACol, ARow) && !focusedCurrent;
        if (selected) {
            edit->SelectAll();
            edit->SelAttributes()->SetColor(SelectionTextColor());
        }
    }
    edit->SetWordWrap(WordWrap());
    edit->PaintTo(ACanvas, ARect, FXYOffset.X, FXYOffset.Y);
}
