// The column grid's answers to the string grid's hooks: each column item's settings, then the string
// grid's own rule where the column grid keeps it. Columns are real columns.
#include "controls/grid/QvCGrid.h"

#include "toolkit/system/SysUtils.h"

// Look
// --------------------------------------------------------------------------------------------

void TQvColumnGrid::GetCellDefaults(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                    TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                    TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
    const TGridColumnItem* item = ColumnItem(ACol);
    if (!item) {
        TQvStringGrid::GetCellDefaults(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA,
                                       VA, WW, GD);
        return;
    }
    AFont->Assign(item->Font());
    ABrush->SetColor(item->Color());
    AColorTo = clNone;
    HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    VA = VAlignment();
    WW = WordWrap();
    GD = GradientVertical;
    if (IsFixed(DisplColIndex(ACol), ARow) || (Bands()->Active() && item->ShowBands())) {
        ABrush->SetColor(clNone);
        AColorTo = clNone;
    }
}

void TQvColumnGrid::DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
    const TGridColumnItem* item = ColumnItem(ACol);
    if (item && ACol >= FixedCols() && ACol < TotalColCount() - FixedRightCols() &&
        ARow < RowCount() - FixedFooters()) {
        if (item->Fixed())
            ABrush->SetColor(FixedColor());
        else if (ARow >= FixedRows() && !(item->ShowBands() && Bands()->Active()))
            ABrush->SetColor(item->Color());
        AFont->Assign(ARow < FixedRows() ? item->HeaderFont() : item->Font());
    }
    // The string grid's rule puts the cell's own colours over the column's.
    TQvStringGrid::DoGetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TQvColumnGrid::DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                        TFont* AFont) {
    if (const TGridColumnItem* item = ColumnItem(ACol)) {
        if (!InNormalArea(ACol, ARow)) {
            AFont->Assign(PrintSettings()->FixedFont());
        } else {
            if (item->Fixed()) {
                ABrush->SetColor(FixedColor());
            } else if (!(item->ShowBands() && Bands()->Active() && Bands()->Print())) {
                ABrush->SetColor(item->PrintColor());
                if (const TCellProperties* props = PropsAt(ACol, ARow);
                    props && props->BrushColor() != clNone)
                    ABrush->SetColor(props->BrushColor());
            }
            if (item->PrintFontCustom()) {
                AFont->Assign(item->PrintFont());
                if (const TCellProperties* props = PropsAt(ACol, ARow)) {
                    if (props->FontColor() != clNone) AFont->SetColor(props->FontColor());
                    if (props->FontStyle() != 0) AFont->SetStyle(props->FontStyle());
                    if (props->FontSize() != 0) AFont->SetSize(props->FontSize());
                    if (!props->FontName().isEmpty()) AFont->SetName(props->FontName());
                }
            } else {
                AFont->Assign(PrintSettings()->Font());
            }
        }
    }
    TQvStringGrid::DoGetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TQvColumnGrid::DoGetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
    if (const TGridColumnItem* item = ColumnItem(ACol); item && InNormalRowsCols(ACol, ARow)) {
        Borders = item->Borders();
        APen->Assign(item->BorderPen());
    }
    TQvStringGrid::DoGetCellBorder(ACol, ARow, APen, Borders);
}

void TQvColumnGrid::DoGetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
    if (const TGridColumnItem* item = ColumnItem(ACol);
        item && item->PrintBorderCustom() && InNormalRowsCols(ACol, ARow)) {
        Borders = item->PrintBorders();
        APen->Assign(item->PrintBorderPen());
    }
    TQvStringGrid::DoGetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TQvColumnGrid::DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
    if (const TGridColumnItem* item = ColumnItem(ACol)) {
        HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
        if (const TCellProperties* props = PropsAt(ACol, ARow)) HAlign = props->Alignment();
    }
    TQvStringGrid::DoGetAlignment(ACol, ARow, HAlign, VAlign);
}

void TQvColumnGrid::DoGetFormat(int ACol, TSortStyle& AStyle, String& APrefix, String& ASuffix) {
    if (const TGridColumnItem* item = ColumnItem(ACol)) {
        AStyle = item->SortStyle();
        APrefix = item->SortPrefix();
        ASuffix = item->SortSuffix();
    }
    TQvStringGrid::DoGetFormat(ACol, AStyle, APrefix, ASuffix);
}

void TQvColumnGrid::DoIsPasswordCell(int ACol, int ARow, bool& IsPassword) {
    if (const TGridColumnItem* item = ColumnItem(ACol)) IsPassword = item->Password();
    TQvStringGrid::DoIsPasswordCell(ACol, ARow, IsPassword);
}

void TQvColumnGrid::DoIsFixedCell(int ACol, int ARow, bool& IsFixedCell) {
    if (InNormalRowsCols(ACol, ARow))
        if (const TGridColumnItem* item = ColumnItem(RealColIndex(ACol))) IsFixedCell = item->Fixed();
    TQvStringGrid::DoIsFixedCell(ACol, ARow, IsFixedCell);
}

// Values and graphics
// --------------------------------------------------------------------------------------------

void TQvColumnGrid::GetFloatFormat(int ACol, int ARow, bool& IsFloat, String& FloatFormat) {
    const TGridColumnItem* item = ColumnItem(ACol);
    if (item && !item->FloatFormat().isEmpty()) {
        FloatFormat = item->FloatFormat();
        if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, IsFloat, FloatFormat);
        return;
    }
    TQvStringGrid::GetFloatFormat(ACol, ARow, IsFloat, FloatFormat);
}

String TQvColumnGrid::GetFormattedCell(int ACol, int ARow) {
    const TGridColumnItem* item = ColumnItem(ACol);
    if (!item) return TQvStringGrid::GetFormattedCell(ACol, ARow);
    const String text = Cells(ACol, ARow);
    String format = item->FloatFormat();
    bool numeric = TextNumberKind(text) != nkNoNumber;
    if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, numeric, format);
    if (format.isEmpty() || !numeric) return text;
    double value = 0;
    if (!TryStrToFloat(text, value)) return text;
    try {
        if (format.contains('d')) return Format(format, {static_cast<qlonglong>(value)});
        return Format(format, {value});
    } catch (const Exception&) {
        return text;
    }
}

TCellGraphic* TQvColumnGrid::GetCellGraphic(int ACol, int ARow) {
    TCellGraphic* own = TQvStringGrid::GetCellGraphic(ACol, ARow);
    if (own || IsDestroying() || !FColumnCheckGraphic || !InNormalArea(ACol, ARow)) return own;
    const TGridColumnItem* item = ColumnItem(ACol);
    if (!item || item->Editor() != edDataCheckBox) return nullptr;
    FColumnCheckGraphic->CellType = ctVirtCheckBox;
    FColumnCheckGraphic->CellTransparent = ControlLook()->ControlStyle() == csFlat;
    return FColumnCheckGraphic.get();
}

TCellType TQvColumnGrid::GetCellType(int ACol, int ARow) {
    const TCellGraphic* own = TQvStringGrid::GetCellGraphic(ACol, ARow);
    const TCellType type = own ? own->CellType : ctEmpty;
    if (type != ctEmpty || IsDestroying() || !InNormalArea(ACol, ARow)) return type;
    const TGridColumnItem* item = ColumnItem(ACol);
    return item && item->Editor() == edDataCheckBox ? ctDataCheckBox : type;
}

void TQvColumnGrid::GetCheckTrue(int ACol, int ARow, String& Value) {
    TQvStringGrid::GetCheckTrue(ACol, ARow, Value);
    if (const TGridColumnItem* item = ColumnItem(ACol); item && InNormalArea(ACol, ARow))
        Value = item->CheckTrue();
}

void TQvColumnGrid::GetCheckFalse(int ACol, int ARow, String& Value) {
    TQvStringGrid::GetCheckFalse(ACol, ARow, Value);
    if (const TGridColumnItem* item = ColumnItem(ACol); item && InNormalArea(ACol, ARow))
        Value = item->CheckFalse();
}

// Sizes
// --------------------------------------------------------------------------------------------

void TQvColumnGrid::UpdateColSize(int ACol, int& NewWidth) {
    if (const TGridColumnItem* item = ColumnItem(ACol)) {
        if (item->MinSize() > 0 && NewWidth < item->MinSize()) NewWidth = item->MinSize();
        if (item->MaxSize() > 0 && NewWidth > item->MaxSize()) NewWidth = item->MaxSize();
    }
    TQvStringGrid::UpdateColSize(ACol, NewWidth);
}

void TQvColumnGrid::UpdateAutoColSize(int ACol, int& NewWidth) {
    if (const TGridColumnItem* item = ColumnItem(ACol)) {
        if (item->AutoMinSize() > 0 && NewWidth < item->AutoMinSize()) NewWidth = item->AutoMinSize();
        if (item->AutoMaxSize() > 0 && NewWidth > item->AutoMaxSize()) NewWidth = item->AutoMaxSize();
    }
    TQvStringGrid::UpdateAutoColSize(ACol, NewWidth);
}

// Editing
// --------------------------------------------------------------------------------------------

void TQvColumnGrid::GetCellEditorType(int ACol, int ARow, TEditorType& AEditor) {
    const TGridColumnItem* item = ColumnItem(ACol);
    if (item && InNormalRowsCols(ACol, ARow)) {
        AEditor = item->Editor();
        if (AEditor == edComboList || AEditor == edComboEdit) {
            ClearComboString();
            for (int i = 0; i < item->ComboItems()->Count(); ++i)
                AddComboString(item->ComboItems()->Strings(i));
        }
        ControlLook()->SetDropDownCount(item->DropDownCount());
    }
    if (item && !item->FloatFormat().isEmpty()) SetFloatFormat(item->FloatFormat());
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

// A column's own link comes before the grid's.
TEditLink* TQvColumnGrid::CellEditLink(int ARealCol, int ARow) {
    if (const TGridColumnItem* item = ColumnItem(ARealCol); item && item->EditLink()) return item->EditLink();
    return TQvStringGrid::CellEditLink(ARealCol, ARow);
}

void TQvColumnGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
    CanEdit = false;
    int bc = ACol, br = ARow;
    CheckBaseCell(ACol, ARow, bc, br);
    if (!IsLoading() && InNormalRowsCols(ACol, ARow))
        if (const TGridColumnItem* item = ColumnItem(ACol)) {
            CanEdit = !(item->ReadOnly() || item->Fixed());
            if (const TCellProperties* props = PropsAt(bc, br); props && CanEdit)
                CanEdit = !props->ReadOnly();
        }
    if (OnCanEditCell) OnCanEditCell(this, br, bc, CanEdit);
}

bool TQvColumnGrid::HasComboBox(int ACol, int ARow) {
    bool result = false;
    if (const TGridColumnItem* item = ColumnItem(ACol); item && InNormalRowsCols(ACol, ARow))
        result = item->Editor() == edComboEdit || item->Editor() == edComboList;
    if (OnHasComboBox) OnHasComboBox(this, ACol, ARow, result);
    return result;
}

String TQvColumnGrid::GetEditMask(int ACol, int ARow) {
    String mask;
    if (const TGridColumnItem* item = ColumnItem(RealColIndex(ACol))) mask = item->EditMask();
    const String own = TQvStringGrid::GetEditMask(ACol, ARow);
    return own.isEmpty() ? mask : own;
}

int TQvColumnGrid::GetEditLimit() {
    int limit = TQvStringGrid::GetEditLimit();
    if (Col() >= FixedCols())
        if (const TGridColumnItem* item = ColumnItem(RealColIndex(Col()))) limit = item->EditLength();
    return limit;
}

// Filters
// --------------------------------------------------------------------------------------------

bool TQvColumnGrid::BuildFilterValueList(int ACol) {
    FilterValueList()->SetSorted(false);
    TQvStringGrid::BuildFilterValueList(ACol);
    const TGridColumnItem* item = ColumnItem(ACol);
    if (!item || item->Filter()->Count() == 0) return false;
    TStringList* values = FilterValueList();
    values->Clear();
    for (int i = 0; i < item->Filter()->Count(); ++i)
        values->Add(item->Filter()->Strings(i).section('=', 0, 0));
    return true;
}

void TQvColumnGrid::FilterSelect(int ItemIndex) {
    const int column = FilterDropDownColumn();
    TGridColumnItem* item = ColumnItem(column);
    if (item && ItemIndex >= 0 && ItemIndex < item->Filter()->Count()) {
        const String line = item->Filter()->Strings(ItemIndex);
        const int eq = line.indexOf('=');
        const String caption = eq < 0 ? line : line.left(eq);
        String condition = eq < 0 ? line : line.mid(eq + 1);
        if (AutoFilterDisplay()) item->SetHeader(caption);
        if (AutoFilterUpdate()) SetFilterActive(false);
        if (OnFilterSelect) OnFilterSelect(this, column, ItemIndex, caption, condition);
        TFilterData* data = Filter()->ColumnFilter(column);
        data->SetCondition(condition);
        data->SetCaseSensitive(item->FilterCaseSensitive());
        if (AutoFilterUpdate()) {
            SetFilterActive(true);
            if (RowCount() > FixedRows()) SetRow(FixedRows());
            DoFilterDone();
        }
    }
    SetFilterDropDownColumn(-1);
}
