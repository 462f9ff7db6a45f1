// Setters of the string grid's properties that do more than store: counts, fixed cells, sizes, look.
#include "controls/grid/QvGrid.h"

#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Picture.h"

void TQvStringGrid::RepaintUnlessUpdating() {
    if (FUpdateCount == 0) Invalidate();
}

// Counts
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SetRowCount(int Value) {
    const int oldCount = RowCount();
    const int footerRow = oldCount - 1;
    QStringList footerTexts;
    const bool moveFooter =
        FFloatingFooter && FFloatingFooter->Visible() && Value != oldCount && footerRow >= 0;
    // The footer row's properties hold the column calculations: they go along with its texts.
    std::vector<TObject*> footerProps;
    if (moveFooter) {
        footerTexts = TStringGrid::Rows(footerRow);
        for (int c = 0; c < ColCount(); ++c) {
            footerProps.push_back(GridObjects(c, footerRow));
            SetGridObjects(c, footerRow, nullptr);
        }
    }

    TCustomGrid::SetRowCount(Value);
    if (FFixedRowAlways && FFixedRowsMin < Value) SetFixedRows(FFixedRowsMin);
    FMaxRowCount = std::max(FMaxRowCount, Value);
    SetNormalRowCount(Value);
    if (FFooterPanel) FFooterPanel->Invalidate();

    if (moveFooter) {
        // The footer texts go with the last row; the old last row is emptied when it stays.
        const int newLast = RowCount() - 1;
        for (int c = 0; c < footerTexts.size() && c < ColCount(); ++c)
            SetGridCells(c, newLast, footerTexts[c]);
        if (footerRow < newLast)
            for (int c = 0; c < ColCount(); ++c)
                SetGridCells(c, footerRow, String());
        for (int c = 0; c < int(footerProps.size()); ++c) {
            auto* props = static_cast<TCellProperties*>(footerProps[c]);
            if (!props) continue;
            props->SetOwnerCell(c, newLast);
            SetCellProperties(c, newLast, props);
        }
        CalcFooter(-1);
    }
}

void TQvStringGrid::SetColCount(int Value) {
    TCustomGrid::SetColCount(Value);
    if (FFixedColAlways && FFixedColsMin < Value) SetFixedCols(FFixedColsMin);
    FMaxColCount = std::max(FMaxColCount, Value);
    if (FFooterPanel) FFooterPanel->Invalidate();
    SetBounds(Left(), Top(), Width(), Height());
}

int TQvStringGrid::FixedRows() const {
    const int stored = TCustomGrid::FixedRows();
    return stored == 0 && FFixedRowAlways ? 1 : stored;
}

int TQvStringGrid::FixedCols() const {
    const int stored = TCustomGrid::FixedCols();
    return stored == 0 && FFixedColAlways ? 1 : stored;
}

void TQvStringGrid::SetFixedRows(int Value) {
    const int requested = Value;
    if (FFixedRowAlways && Value >= RowCount()) Value = RowCount() - 1;
    TCustomGrid::SetFixedRows(Value);
    if (!IsLoading()) FFixedRowsMin = requested;
}

void TQvStringGrid::SetFixedCols(int Value) {
    const int requested = Value;
    if (FFixedColAlways && Value >= ColCount()) Value = ColCount() - 1;
    TCustomGrid::SetFixedCols(Value);
    if (!IsLoading()) FFixedColsMin = requested;
}

// Sizes
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SetDefaultRowHeight(int Value) {
    TCustomGrid::SetDefaultRowHeight(Value);
    FDefaultRowHeight = Value;
    if (IsDesigning()) FFixedRowHeight = Value;
    if (FFloatingFooter) FFloatingFooter->SetHeight(Value);
}

void TQvStringGrid::SetFixedRowHeight(int Value) {
    FFixedRowHeight = Value;
    if (IsLoading()) return;
    if (Value == DefaultRowHeight()) {
        SetDefaultRowHeight(DefaultRowHeight());
        return;
    }
    for (int r = 0; r < TCustomGrid::FixedRows(); ++r)
        SetRowHeights(r, Value);
}

void TQvStringGrid::SetFixedColWidth(int Value) {
    if (IsLoading() || Value == DefaultColWidth()) return;
    for (int c = 0; c < TCustomGrid::FixedCols(); ++c)
        SetColWidths(c, Value);
}

void TQvStringGrid::SetFixedFooters(int Value) {
    FFixedFooters = Value;
    Invalidate();
}

void TQvStringGrid::SetFixedRightCols(int Value) {
    FFixedRightCols = Value;
    Invalidate();
}

void TQvStringGrid::SetCol(int ACol) {
    TBaseGrid::SetCol(ACol);
    TQvStringGrid* other = FSyncGrid ? FSyncGrid->Grid() : nullptr;
    if (other && other != this && FSyncGrid->SelectionColumn() && other->Col() != ACol &&
        ACol < other->ColCount())
        other->SetCol(ACol);
}

void TQvStringGrid::SetRow(int ARow) {
    if (Col() < 0 || Col() >= ColCount()) FocusCell(FixedCols(), ARow);
    TBaseGrid::SetRow(ARow);
    if (Row() != FOldRowSel && OnRowChanged) {
        const int old = FOldRowSel;
        FOldRowSel = Row();
        OnRowChanged(this, old, Row());
    }
    if (FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
    TQvStringGrid* other = FSyncGrid ? FSyncGrid->Grid() : nullptr;
    if (other && other != this && FSyncGrid->SelectionRow() && other->Row() != ARow &&
        ARow < other->RowCount())
        other->SetRow(ARow);
}

void TQvStringGrid::SetSelection(const TGridRect& Value) {
    TCustomGrid::SetSelection(Value);
    if (FActiveCellShow) {
        InvalidateRow(0);
        InvalidateCol(0);
    }
    if (ActiveRowShow()) InvalidateRow(Value.Bottom);
}

void TQvStringGrid::SetBorderColor(TColor Value) {
    if (Value == FBorderColor) return;
    FBorderColor = Value;
    if (Parent() && Parent()->HandleAllocated()) Invalidate();
}

void TQvStringGrid::SetXYOffset(TPoint Value) {
    FXYOffset = Value;
    Invalidate();
}

// Look
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SetFixedGradientFrom(TColor Value) {
    FFixedGradient.From = Value;
    RepaintUnlessUpdating();
}

void TQvStringGrid::SetFixedGradientTo(TColor Value) {
    FFixedGradient.To = Value;
    RepaintUnlessUpdating();
}

void TQvStringGrid::SetFixedGradientMirrorFrom(TColor Value) {
    FFixedGradient.MirrorFrom = Value;
    RepaintUnlessUpdating();
}

void TQvStringGrid::SetFixedGradientMirrorTo(TColor Value) {
    FFixedGradient.MirrorTo = Value;
    RepaintUnlessUpdating();
}

void TQvStringGrid::SetWordWrap(bool Value) {
    TBaseGrid::SetWordWrap(Value);
    RepaintUnlessUpdating();
}

void TQvStringGrid::SetVAlignment(TVAlignment Value) {
    FVAlignment = Value;
    switch (Value) {
    case vtaTop:
        FVAlignmentFlag = DT_TOP;
        break;
    case vtaCenter:
        FVAlignmentFlag = DT_VCENTER;
        break;
    case vtaBottom:
        FVAlignmentFlag = DT_BOTTOM;
        break;
    }
    RepaintUnlessUpdating();
}

void TQvStringGrid::SetSelectionColorMixerFactor(int Value) {
    if (Value == FSelectionColorMixerFactor) return;
    FSelectionColorMixerFactor = std::clamp(Value, 0, 100);
    Invalidate();
}

void TQvStringGrid::SetShowSelection(bool Value) {
    if (Value == FShowSelection) return;
    FShowSelection = Value;
    SetShowSel(Value);
    Invalidate();
}

void TQvStringGrid::SetHighlightColor(TColor Value) {
    if (Value == FHighlightColor) return;
    FHighlightColor = Value;
    Invalidate();
}

void TQvStringGrid::SetHighlightTextColor(TColor Value) {
    if (Value == FHighlightTextColor) return;
    FHighlightTextColor = Value;
    Invalidate();
}

void TQvStringGrid::SetHovering(bool Value) {
    FHovering = Value;
}

void TQvStringGrid::SetFlat(bool Value) {
    FFlat = Value;
    if (!IsLoading()) Invalidate();
}

void TQvStringGrid::SetScrollBarAlways(TScrollBarAlways Value) {
    FScrollBarAlways = Value;
    ApplyScrollBarAlways();
}

void TQvStringGrid::ApplyScrollBarAlways() {
    UpdateScrollBarAlways(false);
}

void TQvStringGrid::SetAutoThemeAdapt(bool Value) {
    if (Value == FAutoThemeAdapt) return;
    FAutoThemeAdapt = Value;
    FSearchFooter->SetAutoThemeAdapt(Value);
    if (Value && !IsLoading()) ThemeAdapt();
    if (Value) Invalidate();
}

void TQvStringGrid::SetAutoSize(bool Value) {
    FAutoSize = Value;
}

void TQvStringGrid::SetMaxEditLength(int Value) {
    FMaxEditLength = Value;
}

void TQvStringGrid::SetSpreadSheet(bool Value) {
    FSpreadSheet = Value;
    SetSelectionRectangle(true);
    SetSelectionResizer(true);
    FNavigation->SetAllowSmartClipboard(true);
    SetOptions(Options() | goRangeSelect | goEditing);
    FMouseActions->SetRangeSelectAndEdit(true);
}

// Settings objects
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SetActiveCellFont(const TFont* Value) {
    FActiveCellFont->Assign(Value);
    Invalidate();
}

void TQvStringGrid::SetFixedFont(const TFont* Value) {
    FFixedFont->Assign(Value);
    Invalidate();
}

void TQvStringGrid::SetBackGround(const TBackGround* Value) {
    FBackGround->Assign(Value);
    Invalidate();
}

void TQvStringGrid::SetRowIndicator(const TBitmap* Value) {
    FRowIndicator->Assign(Value);
    RepaintCell(0, Row());
}

void TQvStringGrid::SetGridImages(TImageList* Value) {
    if (FGridImages) FGridImages->RemoveFreeNotification(this);
    FGridImages = Value;
    if (Value) Value->FreeNotification(this);
    Invalidate();
}

// Columns
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::IsHiddenColumn(int ACol) const {
    return FHiddenCols.IsHidden(ACol);
}
