// The multi-column dropdown's columns, items and the list grid in its popup: setup from the dropdown,
// column auto-size, wrapped rows, cell painting and the list's keys, presses and wheel.
#include "controls/dropdown/QvMultiColumnDropDown.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/SystemLook.h"

#include <algorithm>

namespace QvMultiColumn {

// ---- the list grid

TQvColGrid::TQvColGrid(TComponent* AOwner)
    : TStringGrid(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<TFont>()) {
    SetFixedCols(0);
    SetFixedRows(1);
    SetOptions((Options() & ~(goRangeSelect | goDrawFocusSelected)) | goHorzLine | goRowSelect);
    SetDefaultDrawing(false);
    SetBorderStyle(bsNone);
    TCustomGrid::SetGridLineWidth(0);
    SetTabStop(true);
}

TQvColGrid::~TQvColGrid() = default;

void TQvColGrid::SetImages(TImageList* v) {
    if (v == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = v;
    if (v) v->FreeNotification(this);
}

void TQvColGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TStringGrid::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

bool TQvColGrid::OnPopupForm() const {
    return FQvDropDown && Parent() && Parent() == FQvDropDown->DropDownForm();
}

void TQvColGrid::SetupFromDropDown() {
    if (!FQvDropDown) return;
    FColumns->Assign(FQvDropDown->Columns());
    const int items = FQvDropDown->Items()->Count();
    SetColCount(std::max(1, FColumns->Count()));
    if (items == 0) SetFixedRows(0);
    SetRowCount(items + 1);
    if (items > 0) {
        SetFixedRows(1);
        SetRow(1);
    }
    for (int c = 0; c < FColumns->Count(); ++c)
        SetColWidths(c, FColumns->Items(c)->Width());
    FLineColor = FQvDropDown->LineColor();
    FFixedLineColor = FQvDropDown->FixedLineColor();
    FHeaderColor = FQvDropDown->HeaderColor();
    FHeaderColorTo = FQvDropDown->HeaderColorTo();
    FHeaderHeight = FQvDropDown->HeaderHeight();
    FHeaderFont->Assign(FQvDropDown->HeaderFont());
    SetImages(FQvDropDown->Images());
    SetDefaultRowHeight(FQvDropDown->DropDownRowHeight());
    SetRowHeights(0, FHeaderHeight);
    SetOptions(FQvDropDown->ColumnSizing() ? Options() | goColSizing : Options() & ~goColSizing);
    AutoSizeDropDownColumns();
    SizeWrappedRows();
}

void TQvColGrid::AutoSizeDropDownColumns() {
    for (int c = 0; c < FColumns->Count(); ++c)
        if (FColumns->Items(c)->AutoSize()) AutoSizeDropDownColumn(c);
}

void TQvColGrid::AutoSizeDropDownColumn(int Index) {
    if (!OnPopupForm() || Index < 0 || Index >= FColumns->Count()) return;
    TDropDownColumn* column = FColumns->Items(Index);
    TCanvas* canvas = FQvDropDown->DropDownForm()->Canvas();
    canvas->SetFont(column->Font());
    const TDropDownItems* items = FQvDropDown->Items();
    int width = 0;
    for (int i = 0; i < items->Count(); ++i) {
        const TDropDownItem* item = items->Items(i);
        // An item without a line for the column does not widen it, even with a picture.
        if (!item->HasColumn(Index)) continue;
        int w = 0;
        if (column->ColumnType() == ctImage && item->ImageIndex() >= 0 && FImages) w += FImages->Width() + 4;
        const String text = item->ColumnText(Index);
        if (!text.isEmpty()) {
            TRect r(0, 0, 1000, 500);
            DrawText(canvas, text, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            w += r.Width() + 6;
        }
        width = std::max(width, w);
    }
    column->SetWidth(width);
    FQvDropDown->Columns()->Items(Index)->SetWidth(width);
    SetColWidths(Index, width);
}

void TQvColGrid::SizeWrappedRows() {
    if (!OnPopupForm()) return;
    bool wraps = false;
    for (int c = 0; c < FColumns->Count(); ++c)
        wraps = wraps || FColumns->Items(c)->Wordwrap();
    if (!wraps) return;
    TCanvas* canvas = FQvDropDown->DropDownForm()->Canvas();
    const TDropDownItems* items = FQvDropDown->Items();
    for (int i = 0; i < items->Count() && i + 1 < RowCount(); ++i) {
        int h = 24;
        for (int c = 0; c < FColumns->Count(); ++c) {
            const TDropDownColumn* column = FColumns->Items(c);
            if (!column->Wordwrap()) continue;
            const TDropDownItem* item = items->Items(i);
            int ch = 0;
            if (column->ColumnType() == ctImage && item->ImageIndex() >= 0 && FImages)
                ch = FImages->Height() + 6;
            canvas->SetFont(column->Font());
            TRect r(0, 0, std::max(1, column->Width()), 0);
            DrawText(canvas, item->ColumnText(c), r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            h = std::max({h, ch, r.Height() + 6});
        }
        SetRowHeights(i + 1, h);
    }
}

int TQvColGrid::GetColumnsWidth() const {
    int w = 2 * BorderPixels();
    for (int c = 0; c < ColCount(); ++c)
        w += ColWidths(c);
    if (!AllRowsVisible()) w += SystemScrollBarWidth();
    return w;
}

bool TQvColGrid::AllRowsVisible() const {
    return VisibleRowCount() + FixedRows() >= RowCount();
}

TRect TQvColGrid::GetCellRect(int ACol, int ARow) const {
    const TRect r = CellRect(ACol, ARow);
    return TRect(r.Left, r.Top, r.Left + ColWidths(ACol), r.Top + RowHeights(ARow));
}

void TQvColGrid::ShowItemRow(int ItemIndex) {
    const int row = ItemIndex + FixedRows();
    if (row < FixedRows() || row >= RowCount()) return;
    if (row < TopRow() || row >= TopRow() + VisibleRowCount()) SetTopRow(row);
    SetRow(row);
    SetCol(0);
}

// ---- painting

void TQvColGrid::DrawCell(int ACol, int ARow, const TRect&, TGridDrawState AState) {
    TCanvas* canvas = Canvas();
    if (FQvDropDown && FQvDropDown->OnDropDownDrawItem) {
        FQvDropDown->OnDropDownDrawItem(FQvDropDown, ACol, ARow, canvas, CellRect(ACol, ARow));
        return;
    }
    const TRect R = GetCellRect(ACol, ARow);
    const bool header = ARow < FixedRows();
    const bool selected = !header && (AState & gdSelected);
    int segment = 3;
    if (ColCount() == 1)
        segment = 0;
    else if (ACol == 0)
        segment = 1;
    else if (ACol == ColCount() - 1)
        segment = 2;
    String text = ARow >= 0 ? Cells(ACol, ARow) : String();
    TColor background = Color();
    if (ACol < FColumns->Count()) {
        background = FColumns->Items(ACol)->Color();
        const int item = ARow - FixedRows();
        if (!header && FQvDropDown && item >= 0 && item < FQvDropDown->Items()->Count())
            text = FQvDropDown->Items()->Items(item)->ColumnText(ACol);
        if (header) text = FColumns->Items(ACol)->Header();
    }
    if (FQvDropDown && FQvDropDown->OnDropDownGetItemText)
        FQvDropDown->OnDropDownGetItemText(FQvDropDown, ACol, ARow, text);
    if (header) {
        if (FHeaderColor == clNone || FHeaderColorTo == clNone) {
            canvas->Brush()->SetColor(FHeaderColor == clNone ? Color() : FHeaderColor);
            canvas->FillRect(R);
        } else if (FQvDropDown) {
            FQvDropDown->DrawGradientBackground(canvas, FHeaderColor, FHeaderColorTo, true, R, 80);
        }
    } else if (selected && FQvDropDown) {
        FQvDropDown->DrawSelectionBackground(canvas, R, segment, background);
    } else {
        canvas->Pen()->SetColor(background);
        canvas->Brush()->SetColor(background);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Rectangle(R);
    }
    DrawCellLines(R, header);
    DrawCellContent(R, ACol, ARow, text, selected, header);
}

void TQvColGrid::DrawCellLines(const TRect& R, bool Header) {
    TCanvas* canvas = Canvas();
    const int w = Header ? 1 : FGridLineWidth;
    if (w <= 0) return;
    const int c = Header ? 1 : (w + 1) / 2;
    canvas->Pen()->SetWidth(w);
    canvas->Pen()->SetColor(Header ? FFixedLineColor : FLineColor);
    const TGridOptions o = Options();
    if (o & (Header ? goFixedHorzLine : goHorzLine)) {
        canvas->MoveTo(R.Left - c + 1, R.Bottom - c);
        canvas->LineTo(R.Right - c + 1, R.Bottom - c);
    }
    if (o & (Header ? goFixedVertLine : goVertLine)) {
        const int x = R.Right - c + (PaintsMirrored() ? 1 : 0);
        canvas->MoveTo(x, R.Bottom - c);
        canvas->LineTo(x, R.Top - c);
    }
    canvas->Pen()->SetWidth(1);
}

void TQvColGrid::DrawCellContent(const TRect& R, int ACol, int ARow, const String& Text, bool Selected,
                                 bool Header) {
    TCanvas* canvas = Canvas();
    const TDropDownColumn* column = ACol < FColumns->Count() ? FColumns->Items(ACol) : nullptr;
    TRect cell = R;
    cell.Left += FGridLineWidth;
    cell.Top += FGridLineWidth;
    cell.Right -= FGridLineWidth;
    cell.Bottom -= FGridLineWidth;
    int picture = -1;
    const int item = ARow - FixedRows();
    if (!Header && column && column->ColumnType() == ctImage && FQvDropDown && item >= 0 &&
        item < FQvDropDown->Items()->Count())
        picture = FQvDropDown->Items()->Items(item)->ImageIndex();
    TRect t = cell;
    t.Left = cell.Left + 2;
    TImageList* images = FQvDropDown ? FQvDropDown->Images() : nullptr;
    if (images && picture >= 0) {
        const int top =
            images->Height() < cell.Height() ? cell.Top + (cell.Height() - images->Height()) / 2 : cell.Top;
        images->Draw(canvas, cell.Left + 2, top, picture);
        t.Left = cell.Left + images->Width() + 4;
    }
    if (Text.isEmpty()) return;
    canvas->SetFont(Header || !column ? FHeaderFont.get() : column->Font());
    if (Selected && FQvDropDown) canvas->Font()->SetColor(FQvDropDown->SelectionTextColor());
    canvas->Brush()->SetStyle(bsClear);
    unsigned flags = DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS;
    const bool wrap = column && !Header && column->Wordwrap();
    flags |= wrap ? DT_WORDBREAK : DT_SINGLELINE;
    if (column && column->Ellipsis()) flags |= DT_END_ELLIPSIS;
    const TAlignment align = column ? column->Alignment() : taLeftJustify;
    if (align == taRightJustify) flags |= DT_RIGHT;
    if (align == taCenter) flags |= DT_CENTER;
    if (wrap) {
        // A wrapped text is centred by its own height: the platform centres single lines only.
        TRect m = t;
        DrawText(canvas, Text, m, flags | DT_CALCRECT);
        t.Top += std::max(0, (t.Height() - m.Height()) / 2);
    }
    DrawText(canvas, Text, t, flags);
    canvas->Brush()->SetStyle(bsSolid);
}

// ---- keys, presses and the wheel

LRESULT TQvColGrid::DialogCode() const {
    return DLGC_WANTARROWS | DLGC_WANTTAB;
}

bool TQvColGrid::SelectCell(int ACol, int ARow) {
    if (!TStringGrid::SelectCell(ACol, ARow)) return false;
    if (!FMouseWheelSelection && OnRowChosen) OnRowChosen(ARow);
    return true;
}

void TQvColGrid::KeyDown(Word& Key, TShiftState Shift) {
    FConfirmSelection = true;
    // Alt+Up and Alt+Down close the popup from the edit.
    if ((Shift & ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        if (FQvDropDown) SendMessage(FQvDropDown, WM_KEYDOWN, Key, 0);
        Key = 0;
        return;
    }
    // Tab does not move inside the list.
    if (Key == VK_TAB) {
        Key = 0;
        return;
    }
    const Word key = Key;
    TStringGrid::KeyDown(Key, Shift);
    if (key == VK_RETURN) DoSelect();
}

void TQvColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FConfirmSelection = true;
    TStringGrid::MouseDown(Button, Shift, X, Y);
    FOldRow = Row();
}

void TQvColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TStringGrid::MouseUp(Button, Shift, X, Y);
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (Button == mbLeft && row >= FixedRows() && row < RowCount()) DoSelect();
}

bool TQvColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    FConfirmSelection = false;
    const ScopedValue<bool> wheel(FMouseWheelSelection, true);
    return TStringGrid::DoMouseWheelDown(Shift, MousePos);
}

bool TQvColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    FConfirmSelection = false;
    const ScopedValue<bool> wheel(FMouseWheelSelection, true);
    return TStringGrid::DoMouseWheelUp(Shift, MousePos);
}

void TQvColGrid::DoSelect() {
    if (OnSelect) OnSelect(this);
}

} // namespace QvMultiColumn
