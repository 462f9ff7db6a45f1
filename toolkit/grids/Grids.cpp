// The grid's state: counts, sizes, options, the current cell and selection, moving columns and rows.
#include "toolkit/grids/Grids.h"
#include "toolkit/grids/Grids_Axis.h"
#include "toolkit/system/DesignValue.h"

#include <algorithm>

namespace {
// Moves the entry at `from` to `to`, shifting those between by one.
template <class T> void MoveEntry(std::vector<T>& v, int from, int to) {
    if (from < 0 || to < 0 || from >= int(v.size()) || to >= int(v.size()) || from == to) return;
    if (from < to)
        std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
    else
        std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
}

// Where a cell index ends up when the entry `from` moves to `to`.
int MovedIndex(int index, int from, int to) {
    if (index == from) return to;
    if (from < to && index > from && index <= to) return index - 1;
    if (from > to && index >= to && index < from) return index + 1;
    return index;
}
} // namespace

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
    // No click events from the control model: the grid calls Click itself when the current cell moves.
    SetControlStyle(csCaptureMouse | csOpaque);
    SetBounds(0, 0, 320, 120);
    SetColor(clWindow);
    SetParentColor(false);
    SetTabStop(true);
    UpdateScrollRange();
}

TCustomGrid::~TCustomGrid() {
    SetDestroying();
    DestroyComponents();
}

void TCustomGrid::ResizeVector(std::vector<int>& v, int count, int def) {
    if (!v.empty()) v.resize(static_cast<size_t>(count), def);
}

void TCustomGrid::ChangeSize(int NewColCount, int NewRowCount) {
    int oldCols = FColCount;
    int oldRows = FRowCount;
    if (NewColCount == oldCols && NewRowCount == oldRows) return;
    HideEdit();
    FColCount = NewColCount;
    FRowCount = NewRowCount;
    ResizeVector(FColWidths, FColCount, FDefaultColWidth);
    ResizeVector(FRowHeights, FRowCount, FDefaultRowHeight);
    auto clampCoord = [this](TGridCoord& c) {
        c.X = std::clamp(c.X, std::min(FFixedCols, FColCount - 1), FColCount - 1);
        c.Y = std::clamp(c.Y, std::min(FFixedRows, FRowCount - 1), FRowCount - 1);
    };
    clampCoord(FCurrent);
    clampCoord(FAnchor);
    clampCoord(FTopLeft);
    SizeChanged(oldCols, oldRows);
    UpdateScrollRange();
    TGridCoord maxTL = CalcMaxTopLeft();
    if (FTopLeft.X > maxTL.X || FTopLeft.Y > maxTL.Y)
        MoveTopLeft(std::min(FTopLeft.X, maxTL.X), std::min(FTopLeft.Y, maxTL.Y));
    Invalidate();
}

void TCustomGrid::SetColCount(int v) {
    v = std::max(v, 1);
    if (v == FColCount) return;
    if (FFixedCols >= v) FFixedCols = v - 1;
    ChangeSize(v, FRowCount);
}

void TCustomGrid::SetRowCount(int v) {
    v = std::max(v, 1);
    if (v == FRowCount) return;
    if (FFixedRows >= v) FFixedRows = v - 1;
    ChangeSize(FColCount, v);
}

void TCustomGrid::SetFixedCols(int v) {
    if (v < 0) throw EInvalidGridOperation("Fixed column count must not be negative");
    if (v >= FColCount) throw EInvalidGridOperation("Fixed column count must be less than column count");
    if (v == FFixedCols) return;
    HideEdit();
    FFixedCols = v;
    FCurrent.X = std::max(FCurrent.X, v);
    FAnchor.X = std::max(FAnchor.X, v);
    FTopLeft.X = v;
    UpdateScrollRange();
    Invalidate();
}

void TCustomGrid::SetFixedRows(int v) {
    if (v < 0) throw EInvalidGridOperation("Fixed row count must not be negative");
    if (v >= FRowCount) throw EInvalidGridOperation("Fixed row count must be less than row count");
    if (v == FFixedRows) return;
    HideEdit();
    FFixedRows = v;
    FCurrent.Y = std::max(FCurrent.Y, v);
    FAnchor.Y = std::max(FAnchor.Y, v);
    FTopLeft.Y = v;
    UpdateScrollRange();
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor v) {
    if (v == FFixedColor) return;
    FFixedColor = v;
    Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int v) {
    // A new default gives every column the default again, as the platform grid does.
    FColWidths.clear();
    FDefaultColWidth = v;
    ColWidthsChanged();
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int v) {
    FRowHeights.clear();
    FDefaultRowHeight = v;
    RowHeightsChanged();
    Invalidate();
}

int TCustomGrid::ColWidths(int ACol) const {
    if (FColWidths.empty() || ACol < 0 || ACol >= FColCount) return FDefaultColWidth;
    return FColWidths[static_cast<size_t>(ACol)];
}

int TCustomGrid::RowHeights(int ARow) const {
    if (FRowHeights.empty() || ARow < 0 || ARow >= FRowCount) return FDefaultRowHeight;
    return FRowHeights[static_cast<size_t>(ARow)];
}

void TCustomGrid::SetColWidths(int ACol, int AWidth) {
    if (ACol < 0 || ACol >= FColCount) throw EInvalidGridOperation("Grid index out of range");
    if (ColWidths(ACol) == AWidth) return;
    if (FColWidths.empty()) FColWidths.assign(static_cast<size_t>(FColCount), FDefaultColWidth);
    FColWidths[static_cast<size_t>(ACol)] = AWidth;
    ColWidthsChanged();
    Invalidate();
}

void TCustomGrid::SetRowHeights(int ARow, int AHeight) {
    if (ARow < 0 || ARow >= FRowCount) throw EInvalidGridOperation("Grid index out of range");
    if (RowHeights(ARow) == AHeight) return;
    if (FRowHeights.empty()) FRowHeights.assign(static_cast<size_t>(FRowCount), FDefaultRowHeight);
    FRowHeights[static_cast<size_t>(ARow)] = AHeight;
    RowHeightsChanged();
    Invalidate();
}

void TCustomGrid::SetGridLineWidth(int v) {
    v = std::max(v, 0);
    if (v == FGridLineWidth) return;
    FGridLineWidth = v;
    ColWidthsChanged();
    RowHeightsChanged();
    Invalidate();
}

int TCustomGrid::GridWidth() const {
    Axis a = HorzAxis();
    int w = 0;
    for (int i = 0; i < FColCount; ++i)
        w += a.Size(i) + a.LineAfter(i);
    return w;
}

int TCustomGrid::GridHeight() const {
    Axis a = VertAxis();
    int h = 0;
    for (int i = 0; i < FRowCount; ++i)
        h += a.Size(i) + a.LineAfter(i);
    return h;
}

void TCustomGrid::SetOptions(TGridOptions v) {
    if (v == FOptions) return;
    if (v & goRowSelect) v &= ~goAlwaysShowEditor;
    FOptions = v;
    if (!(v & goEditing))
        HideEditor();
    else if (v & goAlwaysShowEditor)
        SetEditorMode(true);
    if (v & goRowSelect) FAnchor.X = FColCount - 1;
    UpdateScrollRange();
    Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool v) {
    if (v == FDefaultDrawing) return;
    FDefaultDrawing = v;
    Invalidate();
}

void TCustomGrid::SetBorderStyle(TBorderStyle v) {
    v = v == bsNone ? bsNone : bsSingle;
    if (v == FBorderStyle) return;
    FBorderStyle = v;
    UpdateScrollRange();
    LayoutChildren();
    Invalidate();
}

// Current cell and selection ------------------------------------------------------------------------------

void TCustomGrid::SetCol(int v) {
    if (v != FCurrent.X) FocusCell(v, FCurrent.Y, true);
}

void TCustomGrid::SetRow(int v) {
    if (v != FCurrent.Y) FocusCell(FCurrent.X, v, true);
}

TGridRect TCustomGrid::Selection() const {
    TGridRect r{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y),
                std::max(FAnchor.X, FCurrent.X), std::max(FAnchor.Y, FCurrent.Y)};
    if (FOptions & goRowSelect) {
        r.Left = FFixedCols;
        r.Right = FColCount - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& v) {
    TGridRect old = Selection();
    FAnchor = TGridCoord{v.Left, v.Top};
    FCurrent = TGridCoord{v.Right, v.Bottom};
    SelectionMoved(old);
}

void TCustomGrid::SelectionMoved(const TGridRect& OldSel) {
    if (!HandleAllocated()) return;
    InvalidateGridRect(OldSel);
    InvalidateGridRect(Selection());
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
    MoveColRow(ACol, ARow, MoveAnchor, true);
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
    if (ACol < 0 || ARow < 0 || ACol >= FColCount || ARow >= FRowCount)
        throw EInvalidGridOperation("Grid index out of range");
    if (!SelectCell(ACol, ARow)) return;
    TGridRect old = Selection();
    bool moved = ACol != FCurrent.X || ARow != FCurrent.Y;
    if (moved && FEditorMode) UpdateText();
    FCurrent = TGridCoord{ACol, ARow};
    if (MoveAnchor || !(FOptions & goRangeSelect)) {
        FAnchor = FCurrent;
        if (FOptions & goRowSelect) FAnchor.X = FColCount - 1;
    }
    if (FOptions & goRowSelect) FCurrent.X = FFixedCols;
    if (Show) ClampInView(FCurrent.X, FCurrent.Y);
    SelectionMoved(old);
    if (moved) {
        // Leaving the cell ends its edit; only an always-shown editor follows to the new cell.
        if (FOptions & goAlwaysShowEditor)
            UpdateEdit();
        else
            HideEditor();
    }
    Click();
}

void TCustomGrid::MoveAnchor(const TGridCoord& NewAnchor) {
    if ((FOptions & (goRangeSelect | goEditing)) != goRangeSelect) {
        MoveColRow(NewAnchor.X, NewAnchor.Y, true, true);
        return;
    }
    TGridRect old = Selection();
    FAnchor = NewAnchor;
    if (FOptions & goRowSelect) FAnchor.X = FColCount - 1;
    ClampInView(NewAnchor.X, NewAnchor.Y);
    SelectionMoved(old);
}

bool TCustomGrid::SelectCell(int, int) {
    return true;
}
void TCustomGrid::SizeChanged(int, int) {}
void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}
void TCustomGrid::FixedCellClick(int, int) {}

void TCustomGrid::ColWidthsChanged() {
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::RowHeightsChanged() {
    UpdateScrollRange();
    UpdateEdit();
}

// Moving columns and rows -----------------------------------------------------------------------------------

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex) return;
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= FColCount || ToIndex >= FColCount)
        throw EInvalidGridOperation("Grid index out of range");
    HideEdit();
    MoveEntry(FColWidths, FromIndex, ToIndex);
    FCurrent.X = MovedIndex(FCurrent.X, FromIndex, ToIndex);
    if (!(FOptions & goRowSelect)) FAnchor.X = MovedIndex(FAnchor.X, FromIndex, ToIndex);
    ColumnMoved(FromIndex, ToIndex);
    if (!FColWidths.empty()) ColWidthsChanged();
    Invalidate();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex) return;
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= FRowCount || ToIndex >= FRowCount)
        throw EInvalidGridOperation("Grid index out of range");
    HideEdit();
    MoveEntry(FRowHeights, FromIndex, ToIndex);
    FCurrent.Y = MovedIndex(FCurrent.Y, FromIndex, ToIndex);
    FAnchor.Y = MovedIndex(FAnchor.Y, FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    if (!FRowHeights.empty()) RowHeightsChanged();
    Invalidate();
}

void TCustomGrid::DeleteColumn(int ACol) {
    MoveColumn(ACol, FColCount - 1);
    SetColCount(FColCount - 1);
}

void TCustomGrid::DeleteRow(int ARow) {
    MoveRow(ARow, FRowCount - 1);
    SetRowCount(FRowCount - 1);
}

bool TCustomGrid::BeginColumnDrag(int&, int&, const TPoint&) {
    return true;
}
bool TCustomGrid::BeginRowDrag(int&, int&, const TPoint&) {
    return true;
}
bool TCustomGrid::EndColumnDrag(int&, int&, const TPoint&) {
    return true;
}
bool TCustomGrid::EndRowDrag(int&, int&, const TPoint&) {
    return true;
}

// Window-design properties ----------------------------------------------------------------------------------

bool TCustomGrid::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "colcount")
        SetColCount(v.AsInt());
    else if (n == "rowcount")
        SetRowCount(v.AsInt());
    else if (n == "fixedcols")
        SetFixedCols(v.AsInt());
    else if (n == "fixedrows")
        SetFixedRows(v.AsInt());
    else if (n == "defaultcolwidth")
        SetDefaultColWidth(v.AsInt());
    else if (n == "defaultrowheight")
        SetDefaultRowHeight(v.AsInt());
    else if (n == "gridlinewidth")
        SetGridLineWidth(v.AsInt());
    else if (n == "options")
        SetOptions(DesignSet(v));
    else if (n == "scrollbars")
        SetScrollBars(DesignEnumOf<TScrollStyle>(v, ssBoth, ssNone, ssBoth));
    else if (n == "borderstyle")
        SetBorderStyle(DesignEnumOf<TBorderStyle>(v, bsSingle, bsNone, bsSizeToolWin));
    else if (n == "defaultdrawing")
        SetDefaultDrawing(v.AsBool());
    else if (n == "fixedcolor")
        SetFixedColor(DesignColor(v));
    else if (n == "colwidths" || n == "rowheights") {
        bool cols = n == "colwidths";
        for (int i = 0; i < int(v.items.size()) && i < (cols ? FColCount : FRowCount); ++i) {
            if (cols)
                SetColWidths(i, v.items[size_t(i)].AsInt());
            else
                SetRowHeights(i, v.items[size_t(i)].AsInt());
        }
    } else
        return TCustomControl::ReadProperty(name, v);
    return true;
}

// Draw grid -------------------------------------------------------------------------------------------------

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow) {
    bool can = true;
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
    return can;
}

void TCustomDrawGrid::ColumnMoved(int FromIndex, int ToIndex) {
    if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::RowMoved(int FromIndex, int ToIndex) {
    if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::TopLeftChanged() {
    TCustomGrid::TopLeftChanged();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TCustomDrawGrid::FixedCellClick(int ACol, int ARow) {
    if (OnFixedCellClick) OnFixedCellClick(this, ACol, ARow);
}

String TCustomDrawGrid::GetEditMask(int ACol, int ARow) {
    String mask;
    if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, mask);
    return mask;
}

String TCustomDrawGrid::GetEditText(int ACol, int ARow) {
    String text;
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
    return text;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const String& Value) {
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}
