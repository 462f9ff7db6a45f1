// The base grid's construction and destruction, its settings, the undo link and the cell properties object.
#include "controls/grid/BaseGrid.h"

#include "toolkit/system/DesignValue.h"

// Cell properties
// --------------------------------------------------------------------------------------------

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow), FWordWrap(AOwner ? AOwner->WordWrap() : true) {
    if (AOwner) AOwner->FHasCellProps = true;
}

void TCellProperties::Assign(const TPersistent* Source) {
    const auto* src = dynamic_cast<const TCellProperties*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    FIsBaseCell = src->FIsBaseCell;
    FCellSpanX = src->FCellSpanX;
    FCellSpanY = src->FCellSpanY;
    FOwnerRow = src->FOwnerRow;
    FOwnerCol = src->FOwnerCol;
    FObject = src->FObject;
    FAlignment = src->FAlignment;
    FBorderColor = src->FBorderColor;
    FBorderWidth = src->FBorderWidth;
    FBrushColor = src->FBrushColor;
    FBrushStyle = src->FBrushStyle;
    FFontColor = src->FFontColor;
    FFontStyle = src->FFontStyle;
    FFontName = src->FFontName;
    FFontSize = src->FFontSize;
    FReadOnly = src->FReadOnly;
    FEditor = src->FEditor;
    FVAlignment = src->FVAlignment;
    FWordWrap = src->FWordWrap;
    FNodeLevel = src->FNodeLevel;
    FControl = src->FControl;
}

TPoint TCellProperties::GetBaseCell(int ACol, int ARow) const {
    if (FIsBaseCell) return TPoint(ACol, ARow);
    return TPoint(ACol - FCellSpanX, ARow - FCellSpanY);
}

void TCellProperties::Repaint() {
    if (FOwnerGrid) FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::SetBrushColor(TColor v) {
    FBrushColor = v;
    Repaint();
}

void TCellProperties::SetBrushColorTo(TColor v) {
    FBrushColorTo = v;
    Repaint();
}

void TCellProperties::SetVAlignment(TVAlignment v) {
    FVAlignment = v;
    Repaint();
}

void TCellProperties::SetWordWrap(bool v) {
    FWordWrap = v;
    Repaint();
}

// The grid
// ---------------------------------------------------------------------------------------------------

TBaseGrid::TBaseGrid(TComponent* AOwner) : TObjStringGrid(AOwner) {
    // The cell painter draws the lines and the cells; the toolkit grid only lays them out.
    SetGridLineWidth(1);
    SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid() {
    SetDestroying();
    DestroyComponents();
    if (FUndoRedo) {
        FUndoRedo->SetGrid(nullptr);
        FUndoRedo->RemoveFreeNotification(this);
        FUndoRedo = nullptr;
    }
    // Everything in the store, also beyond the visible columns, belongs to the grid.
    FreeStoredProps(0);
}

bool TBaseGrid::IsFixed(int, int) {
    return false;
}
int TBaseGrid::GetNodeIndent(int) {
    return 0;
}
bool TBaseGrid::HasNodes() {
    return false;
}
void TBaseGrid::LastRowChanged() {}
void TBaseGrid::CellTextChanged(int, int) {}
bool TBaseGrid::HasCustomBorders() {
    return false;
}
bool TBaseGrid::IsVCLStyled() {
    return false;
}
int TBaseGrid::DisplColIndex(int ACol) {
    return ACol;
}
int TBaseGrid::TotalColCount() const {
    return ColCount();
}

void TBaseGrid::GetDisplText(int ACol, int ARow, String& Value) {
    if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, String& Value) {
    if (OnGetDisplWideText) OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::GetCellDefaults(int, int, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                bool& WW, TCellGradientDirection& GD) {
    AFont->Assign(Font());
    ABrush->SetColor(Color());
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    HA = taLeftJustify;
    VA = vtaTop;
    WW = FWordWrap;
    GD = GradientVertical;
}

void TBaseGrid::GetVisualProperties(int, int, bool, bool, bool, TCellLook&) {}

void TBaseGrid::SetUndoRedo(TQvGridUndoRedo* v) {
    if (v == FUndoRedo) return;
    if (FUndoRedo) {
        FUndoRedo->SetGrid(nullptr);
        FUndoRedo->RemoveFreeNotification(this);
    }
    FUndoRedo = v;
    if (FUndoRedo) {
        FUndoRedo->FreeNotification(this);
        FUndoRedo->SetGrid(this);
    }
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TObjStringGrid::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FUndoRedo) FUndoRedo = nullptr;
}

// Settings
// ---------------------------------------------------------------------------------------------------

void TBaseGrid::SetDefaultDrawing(bool v) {
    FDefaultDrawing = v;
    TObjStringGrid::SetDefaultDrawing(false);
    Invalidate();
}

void TBaseGrid::SetGridLineWidth(int v) {
    FGridLineWidth = v;
    TObjStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor v) {
    FGridLineColor = v;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor v) {
    FGridFixedLineColor = v;
    Invalidate();
}

void TBaseGrid::SetActiveRowShow(bool v) {
    if (v == FActiveRowShow) return;
    FActiveRowShow = v;
    Invalidate();
}

void TBaseGrid::SetActiveRowColor(TColor v) {
    if (v == FActiveRowColor) return;
    FActiveRowColor = v;
    Invalidate();
}

void TBaseGrid::SetActiveRowColorTo(TColor v) {
    if (v == FActiveRowColorTo) return;
    FActiveRowColorTo = v;
    Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColor(TColor v) {
    if (v == FActiveRowMirrorColor) return;
    FActiveRowMirrorColor = v;
    Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColorTo(TColor v) {
    if (v == FActiveRowMirrorColorTo) return;
    FActiveRowMirrorColorTo = v;
    Invalidate();
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle v) {
    if (v == FSelectionStyle) return;
    FSelectionStyle = v;
    Invalidate();
}

bool TBaseGrid::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "defaultdrawing")
        SetDefaultDrawing(v.AsBool());
    else if (n == "gridlinewidth")
        SetGridLineWidth(v.AsInt());
    else if (n == "gridlinecolor")
        SetGridLineColor(DesignColor(v));
    else if (n == "gridfixedlinecolor")
        SetGridFixedLineColor(DesignColor(v));
    else if (n == "activerowshow")
        SetActiveRowShow(v.AsBool());
    else if (n == "activerowcolor")
        SetActiveRowColor(DesignColor(v));
    else if (n == "hoverrow")
        SetHoverRow(v.AsBool());
    else if (n == "hoverrowcolor")
        SetHoverRowColor(DesignColor(v));
    else if (n == "hoverrowcolorto")
        SetHoverRowColorTo(DesignColor(v));
    else if (n == "hoverrowcells")
        SetHoverRowCells(DesignSet(v));
    else
        return TObjStringGrid::ReadProperty(name, v);
    return true;
}
