// The drop-down editors' leaving keys, their editor table entries (made with the grid's looks, filled
// from the cell, stored back into it) and the grid's typed views of them.
#include "controls/grid/edit/GridDropDownEditors.h"

#include "controls/grid/QvGrid.h"
#include "toolkit/grids/Grids.h"

namespace GridDropDownKeys {

bool IsLeavingKey(Word Key, TShiftState Shift, bool ColorKeys, bool DroppedDown) {
    if ((Shift & ssAlt) && (Key == VK_UP || Key == VK_DOWN)) return false;
    switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
        return true;
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_UP:
    case VK_DOWN:
        return !(ColorKeys && DroppedDown);
    case VK_HOME:
        return ColorKeys && !DroppedDown;
    default:
        return false;
    }
}

bool ValidatesOnKey(Word Key, bool ColorKeys) {
    // A colour leaves its cell only once validated, whichever key takes it away.
    if (ColorKeys) return Key != VK_TAB && Key != VK_ESCAPE;
    return Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN;
}

} // namespace GridDropDownKeys

namespace {

// Making: hidden, in the grid's style and tones
// --------------------------------------------------------------------------------------------

template <class TEditor> TEditor* MakeStyled(TQvStringGrid& Grid) {
    auto* editor = new TEditor(&Grid);
    editor->SetVisible(false);
    editor->SetEnabled(false);
    editor->SetParent(&Grid);
    editor->SetComponentStyle(Grid.ComponentStyle());
    editor->SetColorTones(Grid.Tones());
    return editor;
}

template <class TEditor> TWinControl* MakeDropDown(TQvStringGrid& Grid) {
    return MakeStyled<TEditor>(Grid);
}

template <class TEditor> TWinControl* MakeEnabledDropDown(TQvStringGrid& Grid) {
    TEditor* editor = MakeStyled<TEditor>(Grid);
    editor->SetEditorEnabled(true);
    return editor;
}

TWinControl* MakeColorDropDown(TQvStringGrid& Grid) {
    auto* picker = MakeStyled<TGridColorDropDown>(Grid);
    picker->AddDefaultColors();
    TQvStringGrid* g = &Grid;
    picker->OnSelect = [g](TObject*) { g->DoColorSelect(); };
    return picker;
}

TWinControl* MakeImageDropDown(TQvStringGrid& Grid) {
    auto* picker = MakeStyled<TGridImageDropDown>(Grid);
    TQvStringGrid* g = &Grid;
    picker->OnSelect = [g](TObject*) { g->DoImageSelect(); };
    return picker;
}

// Opening
// --------------------------------------------------------------------------------------------

// The frame every drop-down shares: the grid's header and footer looks and style, its button clicks
// reported by the grid, and the cell's place without a border.
void PlaceDropDown(TWinControl* Control, const TEditorCell& Cell) {
    auto* dd = static_cast<TQvCustomDropDown*>(Control);
    TQvStringGrid* g = Cell.Grid;
    dd->SetDropDownFooter(g->ControlLook()->DropDownFooter());
    dd->SetDropDownHeader(g->ControlLook()->DropDownHeader());
    dd->SetComponentStyle(g->ComponentStyle());
    dd->OnDropDownHeaderButtonClick = [g](TObject* Sender, int Index) {
        g->DoDropDownHeaderButtonClick(Sender, Index);
    };
    dd->OnDropDownFooterButtonClick = [g](TObject* Sender, int Index) {
        g->DoDropDownFooterButtonClick(Sender, Index);
    };
    dd->SetBounds(Cell.Rect.Left, Cell.Rect.Top, Cell.Width, Cell.Height);
}

void FillDropDown(TWinControl* Control, const TEditorCell& Cell) {
    TQvStringGrid* g = Cell.Grid;
    const int col = Cell.RealCol, row = Cell.Row;
    switch (Cell.Kind) {
    case edTrackbarDropDown:
        g->DoGetEditorProp(col, row, nullptr);
        static_cast<TGridTrackbarDropDown*>(Control)->SetPosition(LeadingSpinInt(Cell.Text));
        break;
    case edMemoDropDown:
        g->DoGetEditorProp(col, row, nullptr);
        static_cast<TGridMemoDropDown*>(Control)->MemoText()->SetText(Cell.Text);
        break;
    case edCalculatorDropDown:
    case edTimePickerDropDown: {
        auto* dd = static_cast<TQvCustomDropDown*>(Control);
        g->DoGetEditorProp(col, row, nullptr);
        dd->SetText(Cell.Text);
        if (Cell.Kind == edTimePickerDropDown) dd->SetEditorEnabled(true);
        break;
    }
    case edDetailDropDown: {
        auto* picker = static_cast<TGridDetailPickerDropDown*>(Control);
        g->DoGetEditorProp(col, row, nullptr);
        picker->SetText(Cell.Text);
        picker->SetEditorEnabled(true);
        for (int i = 0; i < picker->Items()->Count(); ++i)
            if (picker->Items()->Items(i)->Caption() == picker->Text()) {
                picker->SetItemIndex(i);
                break;
            }
        break;
    }
    case edGridDropDown: {
        auto* list = static_cast<TGridGridDropDown*>(Control);
        list->SetColor(Cell.Color);
        list->SetEditorEnabled(true);
        g->DoGetEditorProp(col, row, nullptr);
        list->BeginUpdate();
        list->EndUpdate();
        list->SetItemIndex(Cell.Text.isEmpty() ? 0 : list->GetItemIndex(Cell.Text));
        list->SetText(Cell.Text);
        break;
    }
    case edColorPickerDropDown: {
        auto* picker = static_cast<TGridColorDropDown*>(Control);
        g->DoGetEditorProp(col, row, nullptr);
        picker->SetSelectedColor(g->CellTypes(col, row) == ctShape ? g->GetShapeColor(col, row)
                                                                   : g->Colors(col, row));
        break;
    }
    case edImagePickerDropDown: {
        auto* picker = static_cast<TGridImageDropDown*>(Control);
        g->DoGetEditorProp(col, row, nullptr);
        const TCellType type = g->CellTypes(col, row);
        if (type == ctImageList || type == ctDataImage) {
            picker->SetImages(g->GridImages());
            if (picker->Items()->Count() == 0) picker->AddImagesFromImageList();
            int index = -1;
            if (type == ctImageList)
                g->GetImageIdx(col, row, index);
            else
                index = g->Ints(col, row);
            picker->SetImageIndex(index);
        }
        const int item = picker->ItemIndex();
        picker->SetText(item >= 0 && item < picker->Items()->Count() ? picker->Items()->Items(item)->Caption()
                                                                     : String());
        break;
    }
    default: {
        auto* dd = static_cast<TGridQvGridDropDown*>(Control);
        dd->SetColor(Cell.Color);
        dd->SetEditorEnabled(true);
        g->DoGetEditorProp(col, row, nullptr);
        if (TQvStringGrid* popup = dd->PopupGrid()) popup->SetFixedRowAlways(true);
        dd->BeginUpdate();
        dd->EndUpdate();
        if (dd->UseItems()) {
            String found;
            int item = 0;
            if (!Cell.Text.isEmpty() && !dd->LookupText(Cell.Text, found, item)) item = -1;
            dd->SetItemIndex(item);
        }
        dd->SetText(Cell.Text);
        break;
    }
    }
}

void ShowDropDown(TWinControl* Control, const TEditorCell& Cell) {
    auto* dd = static_cast<TQvCustomDropDown*>(Control);
    dd->SetEnabled(true);
    dd->SetColor(Cell.Color);
    dd->Show();
    if (dd->CanFocus()) dd->SetFocus();
    PostStartEditChar(dd, Cell);
    if (!Cell.Grid->MouseActions()->DirectComboDrop()) return;
    dd->ShowDropDown();
    // The memo's popup shows the text from its start.
    if (Cell.Kind == edMemoDropDown) {
        dd->SetSelStart(0);
        dd->SetSelLength(0);
    }
}

// Closing
// --------------------------------------------------------------------------------------------

// The memo's lines, one after the other, without a line break after the last.
String MemoLines(TGridMemoDropDown& Memo) {
    TStringList* lines = Memo.MemoText();
    String text;
    for (int i = 0; i < lines->Count(); ++i) {
        if (i > 0) text += QLatin1Char('\n');
        text += lines->Strings(i);
    }
    return text;
}

void StoreDropDown(TWinControl* Control, const TEditorCell& Cell) {
    auto* dd = static_cast<TQvCustomDropDown*>(Control);
    TQvStringGrid* g = Cell.Grid;
    const int col = Cell.RealCol, row = Cell.Row;
    // An open popup hands its choice to the edit first.
    if (dd->DroppedDown()) dd->HideDropDown(false);
    switch (Cell.Kind) {
    case edMemoDropDown:
        g->SetEditCellText(col, row, MemoLines(*static_cast<TGridMemoDropDown*>(Control)));
        break;
    case edColorPickerDropDown: {
        auto* picker = static_cast<TGridColorDropDown*>(Control);
        TColor color = picker->SelectedColor();
        String text = picker->SelectedColorText();
        if (g->OnColorSelected) g->OnColorSelected(g, col, row, color, text);
        g->SetEditCellText(col, row, text);
        if (g->CellTypes(col, row) == ctShape)
            g->SetShapeColor(col, row, color);
        else
            g->SetColors(col, row, color);
        break;
    }
    case edImagePickerDropDown: {
        int index = static_cast<TGridImageDropDown*>(Control)->ImageIndex();
        if (g->OnImageSelected) g->OnImageSelected(g, col, row, index);
        const TCellType type = g->CellTypes(col, row);
        if (type == ctImageList)
            g->SetImageIdx(col, row, index);
        else if (type == ctDataImage)
            g->SetEditCellText(col, row, String::number(index));
        break;
    }
    default:
        g->SetEditCellText(col, row, dd->Text());
        break;
    }
}

void HideDropDownEditor(TWinControl* Control, const TEditorCell& Cell) {
    auto* dd = static_cast<TQvCustomDropDown*>(Control);
    if (dd->DroppedDown()) dd->HideDropDown(true);
    HideInCell(Control, Cell);
}

template <TWinControl* (*Make)(TQvStringGrid&)>
constexpr TEditorEntry kDropDownEntry{.Make = Make,
                                      .Place = PlaceDropDown,
                                      .Fill = FillDropDown,
                                      .Show = ShowDropDown,
                                      .Store = StoreDropDown,
                                      .Hide = HideDropDownEditor,
                                      .OverCell = true,
                                      .ClosesOnlyInEditMode = true};

struct TDropDownKindEntry {
    TEditorType Kind;
    const TEditorEntry* Entry;
};

const TDropDownKindEntry kDropDownEditors[] = {
    {edTrackbarDropDown, &kDropDownEntry<MakeEnabledDropDown<TGridTrackbarDropDown>>},
    {edMemoDropDown, &kDropDownEntry<MakeDropDown<TGridMemoDropDown>>},
    {edCalculatorDropDown, &kDropDownEntry<MakeEnabledDropDown<TGridCalculatorDropDown>>},
    {edTimePickerDropDown, &kDropDownEntry<MakeDropDown<TGridTimepickerDropDown>>},
    {edDetailDropDown, &kDropDownEntry<MakeDropDown<TGridDetailPickerDropDown>>},
    {edGridDropDown, &kDropDownEntry<MakeDropDown<TGridGridDropDown>>},
    {edColorPickerDropDown, &kDropDownEntry<MakeColorDropDown>},
    {edImagePickerDropDown, &kDropDownEntry<MakeImageDropDown>},
    {edQvGridDropDown, &kDropDownEntry<MakeDropDown<TGridQvGridDropDown>>},
};

} // namespace

const TEditorEntry* FindDropDownEditorEntry(TEditorType Kind) {
    for (const TDropDownKindEntry& e : kDropDownEditors)
        if (e.Kind == Kind) return e.Entry;
    return nullptr;
}

// The grid's views of its drop-down editors
// --------------------------------------------------------------------------------------------

TGridTrackbarDropDown* TQvStringGrid::TrackbarDropDown() {
    return static_cast<TGridTrackbarDropDown*>(EditorControl(edTrackbarDropDown));
}
TGridMemoDropDown* TQvStringGrid::MemoDropDown() {
    return static_cast<TGridMemoDropDown*>(EditorControl(edMemoDropDown));
}
TGridCalculatorDropDown* TQvStringGrid::CalculatorDropDown() {
    return static_cast<TGridCalculatorDropDown*>(EditorControl(edCalculatorDropDown));
}
TGridTimepickerDropDown* TQvStringGrid::TimePickerDropDown() {
    return static_cast<TGridTimepickerDropDown*>(EditorControl(edTimePickerDropDown));
}
TGridDetailPickerDropDown* TQvStringGrid::DetailPickerDropDown() {
    return static_cast<TGridDetailPickerDropDown*>(EditorControl(edDetailDropDown));
}
TGridGridDropDown* TQvStringGrid::GridDropDown() {
    return static_cast<TGridGridDropDown*>(EditorControl(edGridDropDown));
}
TGridColorDropDown* TQvStringGrid::ColorPickerDropDown() {
    return static_cast<TGridColorDropDown*>(EditorControl(edColorPickerDropDown));
}
TGridImageDropDown* TQvStringGrid::ImagePickerDropDown() {
    return static_cast<TGridImageDropDown*>(EditorControl(edImagePickerDropDown));
}
TGridQvGridDropDown* TQvStringGrid::QvGridDropDown() {
    return static_cast<TGridQvGridDropDown*>(EditorControl(edQvGridDropDown));
}

// A choice in the grid's pickers, reported for the current cell.
void TQvStringGrid::DoColorSelect() {
    if (!OnColorSelect) return;
    auto* picker = static_cast<TGridColorDropDown*>(EditorControl(edColorPickerDropDown, false));
    if (picker) OnColorSelect(this, RealCol(), Row(), picker->SelectedColor(), picker->SelectedColorText());
}

void TQvStringGrid::DoImageSelect() {
    if (!OnImageSelect) return;
    auto* picker = static_cast<TGridImageDropDown*>(EditorControl(edImagePickerDropDown, false));
    if (picker) OnImageSelect(this, RealCol(), Row(), picker->ItemIndex());
}
