// Cell access beyond texts: wide texts, user objects of hidden rows, moved columns, control tags, cell
// controls, swapping cells and the link and gradient settings that repaint the grid.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvUtil.h"
#include "controls/markup/QsgHTMLE.h"

#include <algorithm>

TGridItem* TQvStringGrid::HiddenRowItem(int ARow) const {
    if (ARow < 0) return nullptr;
    const int i = FHiddenRows.HiddenBefore(ARow);
    if (i < FHiddenRows.Count() && FHiddenRows.At(i) == ARow) return FGridItems->Items(i);
    return FFilterRows.Empty() ? nullptr : FFilterRows.HiddenItem(ARow - i);
}

TCellGradientDirection TQvStringGrid::Gradients(int ACol, int ARow) const {
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->GradientDirection() : GradientVertical;
}

void TQvStringGrid::SetGradients(int ACol, int ARow, TCellGradientDirection Value) {
    TCellProperties* p = GetCellProperties(ACol, ARow);
    if (!p) return;
    p->SetGradientDirection(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool TQvStringGrid::WordWraps(int ACol, int ARow) {
    const TCellProperties* p = GetCellProperties(ACol, ARow);
    return p ? p->WordWrap() : WordWrap();
}

void TQvStringGrid::SetWordWraps(int ACol, int ARow, bool Value) {
    TCellProperties* p = GetCellProperties(ACol, ARow);
    if (!p) return;
    p->SetWordWrap(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TQvStringGrid::SetFonts(int ACol, int ARow, const TFont* Value) {
    TCellProperties* p = Value ? GetCellProperties(ACol, ARow) : nullptr;
    if (!p) return;
    p->SetFontName(Value->Name());
    p->SetFontSize(Value->Size());
    p->SetFontStyle(Value->Style());
    p->SetFontColor(Value->Color());
    if (FUpdateCount == 0) RepaintCell(DisplColIndex(ACol), ARow);
}

TControl* TQvStringGrid::CellControls(int ACol, int ARow) const {
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->Control() : nullptr;
}

void TQvStringGrid::SetCellControls(int ACol, int ARow, TControl* Value) {
    const int real = RealRowIndex(ARow);
    TCellProperties* p = Value ? GetCellProperties(ACol, ARow) : PropsAt(ACol, ARow);
    if (!p) return;
    const int index = FControlList->ControlIndex(ACol, real);
    if (index >= 0) FControlList->RemoveControl(index);
    const bool had = p->Control() != nullptr;
    p->SetControl(Value);
    if (!Value) {
        if (had) --FNumCellControls;
        return;
    }
    if (!had) ++FNumCellControls;
    FControlList->AddControl(ACol, real, Value);
    Value->SetParent(this);
    const TRect r = CellRect(DisplColIndex(ACol), ARow);
    Value->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1);
}

std::wstring TQvStringGrid::WideCells(int ACol, int ARow) {
    return Cells(ACol, ARow).toStdWString();
}

void TQvStringGrid::SetWideCells(int ACol, int ARow, const std::wstring& Value) {
    SetCells(ACol, ARow, String::fromStdWString(Value));
}

std::wstring TQvStringGrid::AllWideCells(int ACol, int ARow) {
    return AllCells(ACol, ARow).toStdWString();
}

void TQvStringGrid::SetAllWideCells(int ACol, int ARow, const std::wstring& Value) {
    SetAllCells(ACol, ARow, String::fromStdWString(Value));
}

TObject* TQvStringGrid::AllObjects(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return nullptr;
    if (const TGridItem* item = HiddenRowItem(ARow)) {
        const TStringList* saved = item->Items();
        TObject* o = ACol < saved->Count() ? saved->Objects(ACol) : nullptr;
        // The saved slot holds the cell's properties; the user object lives inside them.
        const auto* props = dynamic_cast<const TCellProperties*>(o);
        return props ? props->CellObject() : nullptr;
    }
    return GetObjectEx(ACol, DisplRowIndex(ARow));
}

void TQvStringGrid::SetAllObjects(int ACol, int ARow, TObject* Value) {
    if (ACol < 0 || ARow < 0) return;
    if (TGridItem* item = HiddenRowItem(ARow)) {
        TStringList* saved = item->Items();
        while (saved->Count() <= ACol)
            saved->Add(String());
        // A bare user object in the slot would be taken for properties when the row is shown again.
        auto* props = dynamic_cast<TCellProperties*>(saved->Objects(ACol));
        if (!props) {
            if (!Value) return;
            props = new TCellProperties(this, ACol, ARow);
            saved->SetObjects(ACol, props);
        }
        props->SetCellObject(Value);
        return;
    }
    SetObjectEx(ACol, DisplRowIndex(ARow), Value);
}

TCellProperties* TQvStringGrid::AllCellProperties(int ACol, int ARow, bool Make) {
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount()) return nullptr;
    if (TGridItem* item = HiddenRowItem(ARow)) {
        TStringList* saved = item->Items();
        auto* props = ACol < saved->Count() ? dynamic_cast<TCellProperties*>(saved->Objects(ACol)) : nullptr;
        if (props || !Make) return props;
        while (saved->Count() <= ACol)
            saved->Add(String());
        props = new TCellProperties(this, ACol, ARow);
        saved->SetObjects(ACol, props);
        return props;
    }
    const int d = DisplRowIndex(ARow);
    if (d >= RowCount()) return nullptr;
    return Make ? GetCellProperties(ACol, d) : PropsAt(ACol, d);
}

String TQvStringGrid::OriginalCells(int ACol, int ARow) {
    return Cells(ColumnPosition(ACol), ARow);
}

String TQvStringGrid::ControlValues(int ACol, int ARow, const String& ID) {
    String value;
    return GetControlValue(Cells(ACol, ARow), ID, value) ? value : String();
}

void TQvStringGrid::SetControlValues(int ACol, int ARow, const String& ID, const String& Value) {
    String text = Cells(ACol, ARow);
    if (SetControlValue(text, ID, Value)) SetCells(ACol, ARow, text);
}

void TQvStringGrid::SwapCells(const TPoint& FromCell, const TPoint& ToCell) {
    const auto inGrid = [this](const TPoint& c) {
        return c.X >= 0 && c.Y >= 0 && c.X < TotalColCount() && c.Y < RowCount();
    };
    if (!inGrid(FromCell) || !inGrid(ToCell) || FromCell == ToCell) return;
    const String fromText = GridCells(FromCell.X, FromCell.Y);
    SetGridCells(FromCell.X, FromCell.Y, GridCells(ToCell.X, ToCell.Y));
    SetGridCells(ToCell.X, ToCell.Y, fromText);
    TObject* fromObj = GridObjects(FromCell.X, FromCell.Y);
    TObject* toObj = GridObjects(ToCell.X, ToCell.Y);
    SetGridObjects(FromCell.X, FromCell.Y, toObj);
    SetGridObjects(ToCell.X, ToCell.Y, fromObj);
    if (auto* p = dynamic_cast<TCellProperties*>(toObj)) p->SetOwnerCell(FromCell.X, FromCell.Y);
    if (auto* p = dynamic_cast<TCellProperties*>(fromObj)) p->SetOwnerCell(ToCell.X, ToCell.Y);
}

void TQvStringGrid::GetDisplText(int ACol, int ARow, String& Value) {
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    if (!FURLShowInText) return;
    // One kind of link at most is anchored, the first of this order found in the text.
    static const char* const prefixes[] = {"HTTP://", "WWW.",    "MAILTO:", "HTTPS://",
                                           "NNTP://", "FILE://", "FTP://"};
    for (const char* prefix : prefixes) {
        String anchored;
        if (InsertURLAnchor(Value, QString::fromLatin1(prefix), anchored)) {
            Value = anchored;
            return;
        }
    }
}

void TQvStringGrid::SetURLShow(bool Value) {
    if (FURLShow == Value) return;
    FURLShow = Value;
    Invalidate();
}

void TQvStringGrid::SetURLShowInText(bool Value) {
    if (FURLShowInText == Value) return;
    FURLShowInText = Value;
    Invalidate();
}

void TQvStringGrid::SetURLColor(TColor Value) {
    if (FURLColor == Value) return;
    FURLColor = Value;
    if (FURLShow) Invalidate();
}

void TQvStringGrid::SetURLFull(bool Value) {
    FURLFull = Value;
    if (FURLShow) Invalidate();
}

void TQvStringGrid::SetVURGradientFrom(TColor Value) {
    FVURGradientFrom = ColorToRGB(Value);
    Invalidate();
}

void TQvStringGrid::SetVURGradientTo(TColor Value) {
    FVURGradientTo = ColorToRGB(Value);
    Invalidate();
}

void TQvStringGrid::SetVURGradientMirrorFrom(TColor Value) {
    FVURGradientMirrorFrom = ColorToRGB(Value);
    Invalidate();
}

void TQvStringGrid::SetVURGradientMirrorTo(TColor Value) {
    FVURGradientMirrorTo = ColorToRGB(Value);
    Invalidate();
}

void TQvStringGrid::RepaintRow(int ARow) {
    if (ARow < 0 || ARow >= RowCount()) return;
    InvalidateGridRect(TGridRect{0, ARow, std::min(LeftCol() + VisibleColCount(), ColCount() - 1), ARow});
}

void TQvStringGrid::RepaintCol(int ACol) {
    if (ACol < 0 || ACol >= ColCount()) return;
    InvalidateGridRect(
        TGridRect{ACol, TopRow(), ACol, std::min(TopRow() + VisibleRowCount(), RowCount() - 1)});
}

void TQvStringGrid::RepaintRect(const TRect& r) {
    if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0) return;
    const int right = std::min(r.Right, VisibleColCount() + FixedCols());
    if (CellRect(r.Left, r.Top).IsEmpty() || CellRect(right, r.Bottom).IsEmpty()) {
        Invalidate();
        return;
    }
    InvalidateGridRect(TGridRect{r.Left, r.Top, right, r.Bottom});
}

int TQvStringGrid::SortedRowIndex(int ARow) const {
    const TIntList* xref = FSortRowXRef.get();
    return ARow >= 0 && ARow < xref->Count() ? RealRowIndex(xref->Items(ARow)) : ARow;
}

int TQvStringGrid::UnSortedRowIndex(int ARow) const {
    const TIntList* xref = FSortRowXRef.get();
    if (xref->Count() == 0) return ARow;
    for (int i = 0; i < xref->Count(); ++i)
        if (xref->Items(i) == ARow) return i;
    return xref->Count();
}

String TQvStringGrid::UnSortedCells(int ACol, int ARow) {
    const int n = FSortRowXRef->Count();
    const int row = n == 0 || n < ARow ? ARow : UnSortedRowIndex(ARow);
    // A row the list does not hold maps past its end, which need not be a row of the grid.
    return row >= 0 && row < RowCount() ? Cells(ACol, row) : String();
}
