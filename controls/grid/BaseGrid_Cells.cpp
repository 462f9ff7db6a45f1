// Cell text, cell objects and the life of the properties objects kept in the cells' object slots.
#include "controls/grid/BaseGrid.h"
#include "controls/grid/QvUtil.h"

String TBaseGrid::GetCellEx(int ACol, int ARow) {
    if (const TCellProperties* props = PropsAt(ACol, ARow)) {
        const TPoint base = props->GetBaseCell(ACol, ARow);
        ACol = base.X;
        ARow = base.Y;
    }
    String text = GridCells(ACol, ARow);
    // Rows from FNormalRowCount on are raw while sorting and other bulk work reads them.
    if (ARow >= FNormalRowCount) return text;
    GetDisplText(ACol, ARow, text);
    if (!OnGetDisplWideText) return text;
    String wide = DecodeWideCellText(text);
    GetDisplWideText(ACol, ARow, wide);
    return EncodeWideCellText(wide);
}

void TBaseGrid::SetCellEx(int ACol, int ARow, const String& Value) {
    if (const TCellProperties* props = PropsAt(ACol, ARow)) {
        const TPoint base = props->GetBaseCell(ACol, ARow);
        SetGridCells(base.X, base.Y, Value);
        CellTextChanged(base.X, base.Y);
        // The toolkit repaints only the base cell; the area may reach further.
        if (Parent()) RepaintCell(ACol, ARow);
    } else {
        SetGridCells(ACol, ARow, Value);
    }
    if (FHideLastRow && ARow == RowCount() - 1) LastRowChanged();
}

// Objects
// ----------------------------------------------------------------------------------------------------

TObject* TBaseGrid::GetObjectEx(int ACol, int ARow) {
    const TCellProperties* props = PropsAt(ACol, ARow);
    return props ? props->CellObject() : nullptr;
}

void TBaseGrid::SetObjectEx(int ACol, int ARow, TObject* Value) {
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount()) return;
    // An empty cell is made to hold a text for the moment the object goes in, as descendants expect.
    const bool empty = GetCellEx(ACol, ARow).isEmpty();
    if (empty) SetCellEx(ACol, ARow, QStringLiteral(" "));
    GetCellProperties(ACol, ARow)->SetCellObject(Value);
    if (empty) SetCellEx(ACol, ARow, String());
}

TObject* TBaseGrid::GetGraphicObjectEx(int ACol, int ARow) {
    const TCellProperties* props = PropsAt(ACol, ARow);
    return props ? props->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int ACol, int ARow, TObject* Value) {
    if (IsDestroying()) return;
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount()) return;
    const bool empty = GetCellEx(ACol, ARow).isEmpty();
    if (empty) SetCellEx(ACol, ARow, QStringLiteral(" "));
    GetCellProperties(ACol, ARow)->SetGraphicObject(Value);
    if (empty) SetCellEx(ACol, ARow, String());
}

TObject* TBaseGrid::GetPropGraphicObject(const TCellProperties* Props) const {
    return Props ? Props->GraphicObject() : nullptr;
}

// Properties
// -------------------------------------------------------------------------------------------------

TCellProperties* TBaseGrid::GetCellProperties(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount()) return nullptr;
    if (TObject* o = GridObjects(ACol, ARow)) return static_cast<TCellProperties*>(o);
    return CreateCellProperties(ACol, ARow);
}

// A new properties object starts from the look the grid gives the cell at this moment.
TCellProperties* TBaseGrid::CreateCellProperties(int ACol, int ARow) {
    auto* props = new TCellProperties(this, ACol, ARow);
    SetGridObjects(ACol, ARow, props);
    TFont font;
    TBrush brush;
    TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = FWordWrap;
    TCellGradientDirection gd = GradientVertical;
    GetCellDefaults(ACol, ARow, &font, &brush, colorTo, mirrorColor, mirrorColorTo, ha, va, ww, gd);
    props->SetCalcType(acNONE);
    props->SetAlignment(ha);
    props->SetVAlignment(va);
    props->SetWordWrap(ww);
    props->SetFontName(font.Name());
    props->SetFontSize(font.Size());
    props->SetFontStyle(font.Style());
    props->SetFontColor(font.Color());
    props->SetBrushColor(brush.Color());
    props->SetBrushColorTo(colorTo);
    props->SetGradientDirection(gd);
    return props;
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, TCellProperties* Value) {
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount()) {
        // Nowhere to keep it, and the grid took it over.
        DisposeProps(Value);
        return;
    }
    if (GridObjects(ACol, ARow) == Value) return;
    FreeCellProps(ACol, ARow);
    if (Value) {
        FHasCellProps = true;
        SetGridObjects(ACol, ARow, Value);
    }
}

// The grid owns graphic objects of its own cell-graphic class; any other belongs to whoever set it.
void TBaseGrid::DisposeProps(TObject* Props) {
    auto* props = static_cast<TCellProperties*>(Props);
    if (!props) return;
    TObject* graphic = props->GraphicObject();
    if (graphic && graphic->ClassName() == QLatin1String("TCellGraphic")) delete graphic;
    delete props;
}

void TBaseGrid::FreeCellProps(int ACol, int ARow) {
    TObject* props = GridObjects(ACol, ARow);
    if (!props) return;
    SetGridObjects(ACol, ARow, nullptr);
    DisposeProps(props);
}

void TBaseGrid::FreeCellPropsRect(int FromCol, int FromRow, int ToCol, int ToRow) {
    if (!FHasCellProps) return;
    for (int r = std::max(FromRow, 0); r <= ToRow; ++r) {
        // Rows that never held an object have no slots to look at.
        const int last = std::min(ToCol, StoredObjectCount(r) - 1);
        for (int c = std::max(FromCol, 0); c <= last; ++c)
            FreeCellProps(c, r);
    }
}

void TBaseGrid::FreeAllCellProps() {
    FreeCellPropsRect(0, 0, ColCount() - 1, RowCount() - 1);
}

void TBaseGrid::FreeStoredProps(int FromRow) {
    if (!FHasCellProps) return;
    for (int r = std::max(FromRow, 0); r < StoredRowCount(); ++r)
        for (int c = StoredObjectCount(r) - 1; c >= 0; --c)
            FreeCellProps(c, r);
}

void TBaseGrid::SizeChanged(int OldColCount, int OldRowCount) {
    // The toolkit drops the rows beyond RowCount with their slots: their properties go first.
    FreeStoredProps(RowCount());
    TObjStringGrid::SizeChanged(OldColCount, OldRowCount);
}

void TBaseGrid::ResetColumn(int ACol) {
    for (int r = 0; r < RowCount(); ++r) {
        FreeCellProps(ACol, r);
        SetCellEx(ACol, r, String());
    }
}

void TBaseGrid::ResetRow(int ARow) {
    for (int c = 0; c < ColCount(); ++c) {
        FreeCellProps(c, ARow);
        SetCellEx(c, ARow, String());
    }
}

void TBaseGrid::ResetCell(int ACol, int ARow) {
    // Written first so that a covered cell empties its area's base cell.
    SetCellEx(ACol, ARow, String());
    FreeCellProps(ACol, ARow);
}
