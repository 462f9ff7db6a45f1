// The update counter, the grid timer (search expiry, hovering, blinking), size handling and painting
// held back while the counter is above 0.
#include "controls/grid/QvGrid.h"

#include "toolkit/controls/Forms.h"

#include <algorithm>

// Update counter
// --------------------------------------------------------------------------------------------

void TQvStringGrid::BeginUpdate() {
    // A bracket opened on a hidden grid must not keep painting off once the grid shows.
    if (!Visible()) return;
    if (FUpdateCount++ == 0) Perform(WM_SETREDRAW, 0, 0);
}

void TQvStringGrid::EndUpdate() {
    if (!Visible()) return;
    if (FUpdateCount > 0) --FUpdateCount;
    if (IsDestroying() || FUpdateCount != 0) return;
    FSelectionChanged = false;
    Perform(WM_SETREDRAW, 1, 0);
    Invalidate();
}

void TQvStringGrid::SetLockUpdate(bool Value) {
    if (Value)
        BeginUpdate();
    else
        EndUpdate();
}

// Small accessors
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ResetFixedCellHighlight() {
    const TPoint cell = HoverFixedCell();
    if (HoverFixedCells() == hfNone || cell.X < 0 || cell.Y < 0) return;
    SetHoverFixedCell(TPoint(-1, -1));
    if (cell.X < ColCount() && cell.Y < RowCount()) RepaintCell(cell.X, cell.Y);
}

bool TQvStringGrid::IsHoverFixedCell(int ACol, int ARow) {
    switch (HoverFixedCells()) {
    case hfAll:
        return ACol < TCustomGrid::FixedCols() || ARow < TCustomGrid::FixedRows();
    case hfFixedColumns:
        return ACol < TCustomGrid::FixedCols();
    case hfFixedRows:
        return ARow < TCustomGrid::FixedRows();
    default:
        return false;
    }
}

bool TQvStringGrid::HasCustomBorders() {
    return static_cast<bool>(OnGetCellBorder);
}

TCanvas* TQvStringGrid::FooterCanvas() {
    return FFooterPanel ? FFooterPanel->Canvas() : nullptr;
}

void TQvStringGrid::WMPaint(TMessage& Message) {
    if (FUpdateCount > 0) {
        Message.Result = 0;
        return;
    }
    TBaseGrid::Dispatch(Message);
}

void TQvStringGrid::WMTimer(TMessage& Message) {
    if (Message.WParam != kGridTimerID) {
        TBaseGrid::WndProc(Message);
        return;
    }
    ++FGridTimerTicks;
    if (FNavigation->AutoGotoIncremental()) {
        // The fourth tick after the last search character (about two seconds) starts a new search.
        if (FSearchTics++ == 3) {
            FSearchInc.clear();
            FSearchTics = 0;
        }
    }
    if (FHovering && !IsDesigning()) HoverToCell();
    if (FEnableBlink) {
        FGridBlink = !FGridBlink;
        BlinkCells();
    }
}

void TQvStringGrid::HoverToCell() {
    const TPoint screen = GetCursorPos();
    if (ControlAtScreenPos(screen) != this) return;
    const TPoint p = ScreenToClient(screen);
    if (p.X < 0 || p.Y < 0 || p.X >= ClientWidth() || p.Y >= ClientHeight()) return;
    int c = -1, r = -1;
    MouseToCell(p.X, p.Y, c, r);
    if (c < TCustomGrid::FixedCols() || r < TCustomGrid::FixedRows() || c >= ColCount() || r >= RowCount())
        return;
    if (CanFocus()) SetFocus();
    SetRow(r);
    SetCol(c);
}

void TQvStringGrid::BlinkCells() {
    const int fixedCols = TCustomGrid::FixedCols();
    const int fixedRows = TCustomGrid::FixedRows();
    const int lastCol = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
    const int lastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
    auto repaintIfBlinking = [this](int c, int r) {
        const int real = RealColIndex(c);
        if (GridCells(real, r).toUpper().contains(QStringLiteral("<BLI"))) RepaintCell(c, r);
    };
    for (int r = TopRow(); r <= lastRow; ++r)
        for (int c = LeftCol(); c <= lastCol; ++c)
            repaintIfBlinking(c, r);
    for (int r = 0; r < fixedRows && r < RowCount(); ++r)
        for (int c = LeftCol(); c <= lastCol; ++c)
            repaintIfBlinking(c, r);
    for (int c = 0; c < fixedCols && c < ColCount(); ++c)
        for (int r = TopRow(); r <= lastRow; ++r)
            repaintIfBlinking(c, r);
}

// Size
// --------------------------------------------------------------------------------------------

void TQvStringGrid::WMSize() {
    if (FSearchPanel && FSearchPanel->Visible() && FSearchFooter->Visible()) {
        FSearchPanel->SetHeight(32);
        FSearchPanel->SetAlign(alBottom);
    }
    if (!FColumnSize) return;

    // Columns follow the grid's width in the proportions recorded with InitOrigColSizes. The outer
    // widths are compared, so the border never skews the factor.
    if (FRememberedWidth > 0 && FColumnSize->SynchWithGrid()) {
        HideInplaceEdit();
        const double factor = double(Width()) / double(FRememberedWidth);
        const bool normalOnly = FColumnSize->SynchNormalCellsOnly();
        const int from = normalOnly ? TCustomGrid::FixedCols() : 0;
        const int to = normalOnly ? ColCount() - FFixedRightCols - 1 : ColCount() - 1;
        for (int c = from; c <= to && c < FInitialColSizes->Count(); ++c) {
            const int orig = FInitialColSizes->Items(c);
            if (orig >= 0) SetColWidths(c, static_cast<int>(orig * factor));
        }
    }

    bool stretched = false;
    if (FColumnSize->Stretch() && (FScrollBarAlways == saNone || FScrollBarAlways == saVert)) {
        int col = FColumnSize->StretchColumn();
        if (col < 0) col = ColCount() - 1;
        int others = 0;
        for (int c = 0; c < ColCount(); ++c)
            if (c != col) others += ColWidths(c);
        // A stretch column beyond the columns stretches nothing.
        if (col < ColCount() && others < Width()) {
            StretchColumn(col);
            stretched = true;
        }
    }
    // The toolkit's own size handling (scroll range, editor place, child layout) always runs: skipping it
    // after a stretch would leave the scroll bars and the aligned panels at the old size.
    TBaseGrid::Resize();
    if (stretched && FScrollBarAlways == saNone && OnGridResize) OnGridResize(this);
}
