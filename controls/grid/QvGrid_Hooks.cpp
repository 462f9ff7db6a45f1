// The decision points of the string grid: each applies the grid's settings, then fires its event.
#include "controls/grid/QvGrid.h"

#include "controls/markup/QsgHTMLE.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/system/SysUtils.h"

// Cells, formats and graphics
// --------------------------------------------------------------------------------------------

// Display column. A check box takes the value as its state; the undo component gets what changed, a box
// that keeps its state itself as a state.
void TQvStringGrid::SetCellTextWithUndo(int ACol, int ARow, const String& Value) {
    const int real = RealColIndex(ACol);
    TQvGridUndoRedo* undo = UndoRedo();
    const String oldText = Cells(real, ARow);
    if (HasCheckBox(real, ARow)) {
        const TCellGraphic* graphic = GetCellGraphic(real, ARow);
        const bool ownState =
            graphic && (graphic->CellType == ctCheckBox || graphic->CellType == ctTriStateCheckBox);
        TCheckBoxState before = cbUnchecked, after = cbUnchecked;
        GetCheckBoxState(real, RealRowIndex(ARow), before);
        String checkTrue;
        GetCheckTrue(real, ARow, checkTrue);
        ChangeCheckBoxState(real, ARow, Value == checkTrue);
        GetCheckBoxState(real, RealRowIndex(ARow), after);
        if (undo && ownState && after != before) undo->RegisterCheckStateChange(real, ARow, after, before);
        if (undo && !ownState && Cells(real, ARow) != oldText)
            undo->RegisterChange(real, ARow, Cells(real, ARow), oldText);
    } else {
        if (undo && oldText != Value) undo->RegisterChange(real, ARow, Value, oldText);
        SetCellEx(real, ARow, Value);
    }
    if (real != ACol) RepaintCell(ACol, ARow);
}

// The current cell's raw text; a cell covered by a merge stands for its area's base cell.
String TQvStringGrid::GetCurrentCell() {
    const TPoint b = BaseCell(Col(), Row());
    return GridCells(b.X, b.Y);
}

void TQvStringGrid::SetCurrentCell(const String& Value) {
    const TPoint b = BaseCell(Col(), Row());
    SetCellEx(b.X, b.Y, Value);
}

String TQvStringGrid::GetCurrentCellText() {
    const TPoint b = BaseCell(Col(), Row());
    return GetCellEx(b.X, b.Y);
}

void TQvStringGrid::SetCurrentCellEditText(const String& Value) {
    SetEditText(Col(), Row(), Value);
}

void TQvStringGrid::GetFloatFormat(int ACol, int ARow, bool& IsFloat, String& FloatFormat) {
    FloatFormat = FFloatFormat;
    if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, IsFloat, FloatFormat);
}

String TQvStringGrid::GetFormattedCell(int ACol, int ARow) {
    const String text = Cells(ACol, ARow);
    if (!OnGetFloatFormat || TextNumberKind(text) == nkNoNumber) return text;
    bool isFloat = true;
    String format;
    GetFloatFormat(ACol, ARow, isFloat, format);
    if (!isFloat || format.isEmpty()) return text;
    double value = 0;
    if (!TryStrToFloat(text, value)) return text;
    try {
        if (format.contains('d')) return Format(format, {static_cast<qlonglong>(value)});
        return Format(format, {value});
    } catch (const Exception&) {
        return text;
    }
}

TCellGraphic* TQvStringGrid::GetCellGraphic(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return nullptr;
    if (ACol == 0 && FMouseActions->HotmailRowSelect()) {
        // One shared box answers for every row: its state is the row selection, set up on each look-up.
        TCellGraphic* box = FSharedCellGraphic.get();
        box->CellType = ctRowCheckBox;
        if (ARow == 0) {
            const int selected = RowSelectCount();
            const bool all = selected >= RowCount() - FixedRows();
            box->CellBoolean = all;
            box->CellAngle = (selected > 0 && !all) ? 1 : 0;
        } else {
            box->CellAngle = 0;
            const int real = RealRowIndex(ARow);
            box->CellBoolean = real >= 0 && real < AllRowCount() && RowSelect(real);
        }
        box->CellTransparent = FControlLook->ControlStyle() == csFlat;
        return box;
    }
    return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
}

TCellType TQvStringGrid::GetCellType(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return ctEmpty;
    if (ACol == 0 && FMouseActions->HotmailRowSelect()) return ctRowCheckBox;
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic ? graphic->CellType : ctEmpty;
}

TPoint TQvStringGrid::GetCellGraphicSize(int ACol, int ARow) {
    return CalcCellGraphicSize(ACol, ARow);
}

TImageList* TQvStringGrid::GetCellImageList(int, int) {
    return FGridImages;
}

TFont* TQvStringGrid::GetCellFont(int ACol, int ARow) {
    const TCellProperties* props = PropsAt(ACol, ARow);
    if (!props) return Font();
    FCellFont->SetName(props->FontName());
    FCellFont->SetSize(props->FontSize());
    FCellFont->SetStyle(props->FontStyle());
    FCellFont->SetColor(props->FontColor());
    return FCellFont.get();
}

void TQvStringGrid::EvaluateCell(int ACol, int ARow, String& Value) {
    Value = Cells(ACol, ARow);
}

void TQvStringGrid::GetSaveCellText(int ACol, int ARow, String& Value) {
    Value = FSaveVirtCells ? GetFormattedCell(ACol, ARow) : GridCells(ACol, ARow);
    if (Value.isEmpty()) {
        if (const TCellGraphic* graphic = GetCellGraphic(ACol, RealRowIndex(ARow))) {
            bool checked = false;
            if (graphic->CellType == ctCheckBox)
                checked = graphic->CellBoolean;
            else if (graphic->CellType == ctTriStateCheckBox)
                checked = graphic->CellCheckBoxState == cbChecked;
            if (graphic->CellType == ctCheckBox || graphic->CellType == ctTriStateCheckBox) {
                if (checked)
                    GetCheckTrue(ACol, ARow, Value);
                else
                    GetCheckFalse(ACol, ARow, Value);
            }
        }
    }
    switch (CellTextKind(Value, true)) {
    case ctkHTML:
        if (!FSaveWithHTML) Value = StripMarkup(Value);
        break;
    case ctkRTF:
        // Kept as RTF it loses only its line breaks, which the RTF does not need.
        if (FSaveWithRTF)
            Value.remove('\r').remove('\n');
        else
            Value = RichCellPlainText(Value);
        break;
    default:
        break;
    }
    if (OnSaveCell) OnSaveCell(this, ACol, ARow, Value);
}

void TQvStringGrid::LoadCellText(int ACol, int ARow, String Value) {
    if (OnLoadCell) OnLoadCell(this, ACol, ARow, Value);
    SetGridCells(ACol, ARow, Value);
}

void TQvStringGrid::AllCellsChanged() {
    CalcFooter(-1);
}

void TQvStringGrid::CalcFooter(int ACol) {
    if (FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow &&
        FFloatingFooter->EnableCalculation())
        CalcFooterValues(ACol);
}

// Look of a cell
// --------------------------------------------------------------------------------------------

void TQvStringGrid::DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
    const int fixedCols = TCustomGrid::FixedCols();
    const int fixedRows = TCustomGrid::FixedRows();
    if (FActiveCellShow && ((fixedCols > 0 && DisplColIndex(ACol) == fixedCols - 1 && ARow == Row()) ||
                            (fixedRows > 0 && ARow == fixedRows - 1 && DisplColIndex(ACol) == Col()))) {
        AFont->Assign(FActiveCellFont.get());
        ABrush->SetColor(FActiveCellColor);
    }
    if (const TCellProperties* props = PropsAt(ACol, ARow)) {
        switch (GetCellType(ACol, ARow)) {
        case ctIcon:
        case ctNone:
        case ctImageList:
        case ctEmpty:
        case ctImages:
        case ctComment:
            if (props->BrushColor() != clNone) ABrush->SetColor(props->BrushColor());
            break;
        default:
            break;
        }
        if (props->FontColor() != clNone) AFont->SetColor(props->FontColor());
        if (props->FontStyle() != 0) AFont->SetStyle(props->FontStyle());
        if (props->FontSize() != 0) AFont->SetSize(props->FontSize());
        if (!props->FontName().isEmpty()) AFont->SetName(props->FontName());
    }
    if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TQvStringGrid::DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                        TFont* AFont) {
    if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TQvStringGrid::DoGetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
    if (FGrouping->HeaderUnderline() && ACol > 0 && IsNode(ARow)) {
        Borders = CellBorderFlag(cbBottom);
        APen->SetColor(FGrouping->HeaderLineColor());
        APen->SetWidth(FGrouping->HeaderLineWidth());
    }
    if (FGrouping->SummaryLine() && ACol > 0 && IsSummary(ARow)) {
        Borders = CellBorderFlag(cbTop);
        APen->SetColor(FGrouping->SummaryLineColor());
        APen->SetWidth(FGrouping->SummaryLineWidth());
    }
    if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TQvStringGrid::DoGetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
    if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TQvStringGrid::DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
    if (ACol == 0 && FMouseActions->HotmailRowSelect()) HAlign = taCenter;
    if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TQvStringGrid::DoGetFormat(int ACol, TSortStyle& AStyle, String& APrefix, String& ASuffix) {
    if (OnGetFormat) OnGetFormat(this, ACol, AStyle, APrefix, ASuffix);
}

void TQvStringGrid::DoGetWordWrap(int ACol, int ARow, bool& AWordWrap) {
    if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, AWordWrap);
}

void TQvStringGrid::DoIsPasswordCell(int ACol, int ARow, bool& IsPassword) {
    if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TQvStringGrid::GetCheckTrue(int ACol, int ARow, String& Value) {
    Value = FCheckTrue;
    if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TQvStringGrid::GetCheckFalse(int ACol, int ARow, String& Value) {
    Value = FCheckFalse;
    if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

// The look a new properties object starts from: the cell as painting sees it, without the
// colours that belong to fixed cells, bands, background gradients or the selection.
void TQvStringGrid::GetCellDefaults(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                    TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                    TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
    TBaseGrid::GetCellDefaults(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA, VA, WW,
                               GD);
    TGridDrawState state = 0;
    const TGridRect sel = Selection();
    const int dcol = DisplColIndex(ACol);
    if (dcol >= sel.Left && dcol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom) state |= gdSelected;
    HA = FDefaultAlignment;
    VA = FVAlignment;
    WW = WordWrap();
    DoGetCellColor(ACol, ARow, state, ABrush, AFont);
    DoGetAlignment(ACol, ARow, HA, VA);
    DoGetWordWrap(ACol, ARow, WW);
    if (IsFixed(dcol, ARow) || FBands->Active() || FBackGround->IsGradient() || (state & gdSelected)) {
        ABrush->SetColor(clNone);
        AColorTo = clNone;
    }
}

// Editing decisions
// --------------------------------------------------------------------------------------------

void TQvStringGrid::DoGetEditorType(int ACol, int ARow, TEditorType& AEditor) {
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TQvStringGrid::GetCellEditorType(int ACol, int ARow, TEditorType& AEditor) {
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TQvStringGrid::HasNoEditor(int ACol, int ARow) {
    if (!OnGetEditorType) return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

void TQvStringGrid::DoIsFixedCell(int ACol, int ARow, bool& IsFixedCell) {
    const int rowCount = RowCount();
    IsFixedCell = IsFixedCell || (FFixedRowAlways && rowCount == FFixedRowsMin && ARow < FFixedRowsMin) ||
                  (FFixedColAlways && ColCount() == FFixedColsMin && ACol < FFixedColsMin) ||
                  ACol < TCustomGrid::FixedCols() || ARow < TCustomGrid::FixedRows();
    if (!IsFixedCell && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixedCell);
}

bool TQvStringGrid::IsFixed(int ACol, int ARow) {
    int bc = ACol, br = ARow;
    CheckBaseCell(ACol, ARow, bc, br);
    if (FFixedFooters > 0 && br >= RowCount() - FFixedFooters) return true;
    if (FFixedRightCols > 0 && bc >= ColCount() - FFixedRightCols) return true;
    bool fixed = false;
    DoIsFixedCell(ACol, ARow, fixed);
    return fixed;
}

void TQvStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
    int bc = ACol, br = ARow;
    CheckBaseCell(ACol, ARow, bc, br);
    if (const TCellProperties* props = PropsAt(bc, br); props && CanEdit) {
        CanEdit = !props->ReadOnly();
        if (!(Options() & goEditing) && !FEdit.EditDisable && !FMouseActions->RangeSelectAndEdit())
            CanEdit = false;
    }
    if (bc < ColCount() + FNumHiddenColumns)
        DoCanEditCell(bc, br, CanEdit);
    else
        CanEdit = true;
}

void TQvStringGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit) {
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

bool TQvStringGrid::HasComboBox(int ACol, int ARow) {
    bool result = false;
    if (OnHasComboBox) {
        OnHasComboBox(this, ACol, ARow, result);
    } else if (FControlLook->DropDownAlwaysVisible()) {
        TEditorType editor = FDefaultEditor;
        GetCellEditorType(ACol, ARow, editor);
        result = editor == edComboEdit || editor == edComboList;
    }
    return result;
}

bool TQvStringGrid::HasSpinEdit(int ACol, int ARow) {
    if (ACol < TCustomGrid::FixedCols() || ARow < TCustomGrid::FixedRows()) return false;
    bool result = false;
    if (OnHasSpinEdit) {
        OnHasSpinEdit(this, ACol, ARow, result);
    } else if (FControlLook->SpinButtonsAlwaysVisible()) {
        TEditorType editor = FDefaultEditor;
        DoGetEditorType(ACol, ARow, editor);
        result = editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit ||
                 editor == edDateSpinEdit;
    }
    return result;
}

void TQvStringGrid::DoGetEditorProp(int ACol, int ARow, TEditLink* AEditLink) {
    if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, AEditLink);
    if (OnGetEditorPropInt) OnGetEditorPropInt(this, ACol, ARow);
}

void TQvStringGrid::DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Values) {
    if (OnFixedEdit) OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

void TQvStringGrid::DoEllipsClick(int ACol, int ARow, String& S) {
    if (OnEllipsClick) OnEllipsClick(this, ACol, ARow, S);
}

void TQvStringGrid::DisableEditing() {
    SetOptions(Options() & ~goEditing);
}

bool TQvStringGrid::IsDesigning() {
    return ComponentState() & csDesigning;
}

void TQvStringGrid::InvalidateGrid() {
    Invalidate();
}

// Notifications that the input code calls; the grid itself has nothing to add.
void TQvStringGrid::F2Pressed() {}
void TQvStringGrid::AdjustKeySelection(TGridRect&) {}
void TQvStringGrid::EditorTextChanged(const String&) {}
void TQvStringGrid::WheelScrolled() {}
void TQvStringGrid::CellSelectorClick(int, int) {}
void TQvStringGrid::FormulaEditing(int, int) {}
void TQvStringGrid::AdjustMouseSelection(TGridRect&) {}
void TQvStringGrid::MouseActionsChanged() {}
void TQvStringGrid::EditorKeyDown(Word&, TShiftState) {}
void TQvStringGrid::EditorWMKeyDown(Word&, TShiftState) {}
void TQvStringGrid::NavigationChanged() {}
void TQvStringGrid::DoStartBlockFocus() {
    if (OnStartBlockFocus) OnStartBlockFocus(this);
}

void TQvStringGrid::DoEndBlockFocus() {
    if (OnEndBlockFocus) OnEndBlockFocus(this);
}

void TQvStringGrid::UpdateColSize(int ACol, int& NewWidth) {
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, NewWidth);
}
void TQvStringGrid::UpdateAutoColSize(int ACol, int& NewWidth) {
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, NewWidth);
}
void TQvStringGrid::ColumnHeadersChanged() {}
void TQvStringGrid::BeforePaste() {}
void TQvStringGrid::AfterPaste() {}
void TQvStringGrid::CellsPasted(const TPoint&, const TGridRect& TargetRect, TClipOperation) {
    if (!FShowModified->Enabled()) return;
    for (int r = TargetRect.Top; r <= TargetRect.Bottom; ++r)
        SetRowModified(r, true);
}
void TQvStringGrid::ExportNotification(TGridExportState, int) {}
void TQvStringGrid::ImportNotification(TGridImportState, int) {}

void TQvStringGrid::GotoFirstRow() {
    if (TCustomGrid::FixedRows() < RowCount()) SetRow(TCustomGrid::FixedRows());
}

bool TQvStringGrid::GetAllowFMTClipboard() {
    return FNavigation->AllowFmtClipboard();
}

// User actions
// --------------------------------------------------------------------------------------------

void TQvStringGrid::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom) {
    if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) InvalidateGridRect(Selection());
    FSelectionChanged = true;
    if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TQvStringGrid::DoFilterDone() {
    if (OnFilterDone) OnFilterDone(this);
}

void TQvStringGrid::DoGridHint(int ACol, int ARow, String& HintText, String& WideHintText) {
    if (OnGridHint) OnGridHint(this, ARow, ACol, HintText);
    if (OnGridWideHint) OnGridWideHint(this, ARow, ACol, WideHintText);
    if (!WideHintText.isEmpty()) HintText = WideHintText;
}

void TQvStringGrid::DoSearchFooterAction(const String& Value, int ACol, int ARow, TSearchAction Action) {
    if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, Action);
}

void TQvStringGrid::DoButtonClick(int ACol, int ARow) {
    if (OnButtonClick) OnButtonClick(this, ACol, ARow);
}

void TQvStringGrid::DoExpandClick(int ACol, int ARow, bool Expanded) {
    if (OnExpandClick) OnExpandClick(this, ACol, ARow, Expanded);
    if (ARow >= 0 && ARow < RowCount()) SetRowHeights(ARow, GetExpandHeight(ACol, ARow, Expanded));
}

void TQvStringGrid::DoComboCloseUp(int ARow, int ACol) {
    if (OnComboCloseUp) OnComboCloseUp(this, ARow, ACol);
}

void TQvStringGrid::DoComboDropDown(int ARow, int ACol) {
    if (OnComboDropDown) OnComboDropDown(this, ARow, ACol);
}

void TQvStringGrid::DoGetCellCursor(int ACol, int ARow, int X, int Y) {
    if (!OnGetCellCursor) return;
    TCursor cursor = Cursor();
    OnGetCellCursor(this, ACol, ARow, X, Y, cursor);
    SetCursor(cursor);
}

void TQvStringGrid::DoPrintGetPageNum(int PageNum, int PageColNum, String& PageNumString) {
    if (OnPrintGetPageNum) OnPrintGetPageNum(this, PageNum, PageColNum, PageNumString);
}

void TQvStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State) {
    if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

void TQvStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State) {
    if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

bool TQvStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate) {
    bool allow = true;
    if (OnRatingChange) OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}

// The colour and image pickers report their choice once the dropdown editors exist.
bool TQvStringGrid::DoCellChanging(int OldRow, int OldCol, int NewRow, int NewCol) {
    bool allow = true;
    if (OldRow != NewRow && OnRowChanging) OnRowChanging(this, OldRow, NewRow, allow);
    if (allow && OldCol != NewCol && OnColChanging) OnColChanging(this, OldCol, NewCol, allow);
    // A move that asked for the cell change itself (the Enter move) guards against a second question.
    if (allow && (OldRow != NewRow || OldCol != NewCol) && OnCellChanging && !FEdit.DisableChange)
        OnCellChanging(this, OldRow, OldCol, NewRow, NewCol, allow);
    return allow;
}

void TQvStringGrid::DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax) {
    if (OnScrollCell) OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}

bool TQvStringGrid::DoCanShowFixedDropDown(int ACol) {
    bool allow = true;
    if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, allow);
    return allow;
}

bool TQvStringGrid::DoCanAddRow() {
    bool canAdd = true;
    if (OnCanAddRow) OnCanAddRow(this, canAdd);
    return canAdd;
}

bool TQvStringGrid::DoCanInsertRow(int ARow) {
    bool canInsert = true;
    if (OnCanInsertRow) OnCanInsertRow(this, ARow, canInsert);
    return canInsert;
}

void TQvStringGrid::GrowRowCount() {
    SetRowCount(RowCount() + 1);
}

// Design-time panel: the grid has no designer on this platform.
void TQvStringGrid::PaintQuickConfigPanel(TCanvas*) {}
void TQvStringGrid::QuickConfigPanelClick(int, int) {}
