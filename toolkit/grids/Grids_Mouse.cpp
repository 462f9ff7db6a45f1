// Mouse input of the grid: selecting cells and ranges, sizing and moving columns and rows, fixed-cell clicks.
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/grids/Grids_Axis.h"

#include <algorithm>

namespace {
// Half the width of the zone around a line in which a press starts sizing.
constexpr int kSizingSlack = 3;

// The scrolled cell whose trailing line lies under `pos`, with that line's position; -1 when none.
int SizingLineAt(const TCustomGrid::Axis& a, int pos, int& linePos) {
    int p = a.fixedBoundary;
    for (int i = a.first; i < a.count && p < a.extent; ++i) {
        int end = p + a.Size(i);
        if (pos >= end - kSizingSlack && pos < end + std::max(a.line, 1) + kSizingSlack) {
            linePos = end;
            return i;
        }
        p = end + a.line;
    }
    return -1;
}
} // namespace

bool TCustomGrid::SizingHit(int X, int Y, TGridState& state, int& index, int& pos, int& ofs) const {
    Axis h = HorzAxis();
    Axis v = VertAxis();
    int line = 0;
    if ((FOptions & goColSizing) && Y >= 0 && Y < v.fixedBoundary) {
        int i = SizingLineAt(h, X, line);
        if (i >= 0) {
            state = gsColSizing;
            index = i;
            pos = line;
            ofs = line - X;
            return true;
        }
    }
    if ((FOptions & goRowSizing) && X >= 0 && X < h.fixedBoundary) {
        int i = SizingLineAt(v, Y, line);
        if (i >= 0) {
            state = gsRowSizing;
            index = i;
            pos = line;
            ofs = line - Y;
            return true;
        }
    }
    return false;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (CanFocus() && !IsActiveControl()) SetFocus();
    if (Button == mbLeft && (Shift & ssDouble)) {
        DblClick();
    } else if (Button == mbLeft) {
        TGridState sizing = gsNormal;
        if (SizingHit(X, Y, sizing, FSizingIndex, FSizingPos, FSizingOfs)) {
            HideEdit();
            FGridState = sizing;
            Invalidate();
        } else {
            TGridCoord cell = MouseCoord(X, Y);
            if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
                if (FOptions & goEditing) {
                    if (cell == FCurrent)
                        ShowEditor();
                    else {
                        MoveColRow(cell.X, cell.Y, true, true);
                        UpdateEdit();
                    }
                } else {
                    FGridState = gsSelecting;
                    if (Shift & ssShift)
                        MoveAnchor(cell);
                    else
                        MoveColRow(cell.X, cell.Y, true, true);
                }
            } else if (cell.X >= 0) {
                bool inFixedRow = cell.Y < FFixedRows && cell.X >= FFixedCols;
                bool inFixedCol = cell.X < FFixedCols && cell.Y >= FFixedRows;
                TPoint pt(X, Y);
                if ((FOptions & goColMoving) && inFixedRow) {
                    FMoveIndex = FMovePos = cell.X;
                    if (BeginColumnDrag(FMoveIndex, FMovePos, pt)) FGridState = gsColMoving;
                } else if ((FOptions & goRowMoving) && inFixedCol) {
                    FMoveIndex = FMovePos = cell.Y;
                    if (BeginRowDrag(FMoveIndex, FMovePos, pt)) FGridState = gsRowMoving;
                }
                if (((FOptions & goFixedRowClick) && inFixedRow) ||
                    ((FOptions & goFixedColClick) && inFixedCol)) {
                    FPressedCell = cell;
                    InvalidateCell(cell.X, cell.Y);
                }
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
    switch (FGridState) {
    case gsSelecting: {
        TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= FFixedCols && cell.Y >= FFixedRows && !(cell == FAnchor)) MoveAnchor(cell);
        break;
    }
    case gsColSizing:
        FSizingPos = X + FSizingOfs;
        Invalidate();
        break;
    case gsRowSizing:
        FSizingPos = Y + FSizingOfs;
        Invalidate();
        break;
    case gsColMoving: {
        int target = HorzAxis().At(X);
        if (target >= FFixedCols && target != FMovePos) {
            FMovePos = target;
            Invalidate();
        }
        break;
    }
    case gsRowMoving: {
        int target = VertAxis().At(Y);
        if (target >= FFixedRows && target != FMovePos) {
            FMovePos = target;
            Invalidate();
        }
        break;
    }
    case gsNormal: {
        TGridState st = gsNormal;
        int index = 0, pos = 0, ofs = 0;
        if (QWidget* w = ChildContainer()) {
            FShownCursor =
                SizingHit(X, Y, st, index, pos, ofs) ? (st == gsColSizing ? crHSplit : crVSplit) : Cursor();
            qvdetail::ApplyCursor(w, FShownCursor);
        }
        TrackHot(X, Y);
        break;
    }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGridState state = FGridState;
    TGridCoord pressed = FPressedCell;
    FGridState = gsNormal;
    FPressedCell = TGridCoord{-1, -1};
    TPoint pt(X, Y);
    switch (state) {
    case gsSelecting:
        MouseMove(Shift, X, Y);
        UpdateEdit();
        Click();
        break;
    case gsColSizing: {
        int start = ColLinePos(FSizingIndex);
        // A border dragged past the column's start leaves it 0 wide, never below and never back.
        int size = FSizingPos - start;
        if (start >= 0) SetColWidths(FSizingIndex, std::max(0, size));
        Invalidate();
        break;
    }
    case gsRowSizing: {
        int start = RowLinePos(FSizingIndex);
        int size = FSizingPos - start;
        if (start >= 0) SetRowHeights(FSizingIndex, std::max(0, size));
        Invalidate();
        break;
    }
    case gsColMoving:
    case gsRowMoving: {
        bool cols = state == gsColMoving;
        int from = FMoveIndex;
        int to = FMovePos;
        Invalidate();
        if (from != to) {
            if (cols ? EndColumnDrag(from, to, pt) : EndRowDrag(from, to, pt)) {
                if (cols)
                    MoveColumn(from, to);
                else
                    MoveRow(from, to);
            }
            pressed = TGridCoord{-1, -1};
        }
        break;
    }
    default:
        break;
    }
    FMoveIndex = FMovePos = -1;
    if (pressed.X >= 0) {
        InvalidateCell(pressed.X, pressed.Y);
        if (MouseCoord(X, Y) == pressed) FixedCellClick(pressed.X, pressed.Y);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::TrackHot(int X, int Y) {
    if (!(FOptions & goFixedHotTrack)) return;
    TGridCoord cell = MouseCoord(X, Y);
    if (cell.X >= FFixedCols && cell.Y >= FFixedRows) cell = TGridCoord{-1, -1};
    if (cell == FHotCell) return;
    if (FHotCell.X >= 0) InvalidateCell(FHotCell.X, FHotCell.Y);
    FHotCell = cell;
    if (cell.X >= 0) InvalidateCell(cell.X, cell.Y);
}

void TCustomGrid::MouseLeave() {
    if (FHotCell.X >= 0) {
        InvalidateCell(FHotCell.X, FHotCell.Y);
        FHotCell = TGridCoord{-1, -1};
    }
    TCustomControl::MouseLeave();
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    if (FCurrent.Y < FRowCount - 1) SetRow(FCurrent.Y + 1);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    if (FCurrent.Y > FFixedRows) SetRow(FCurrent.Y - 1);
    return true;
}

void TCustomGrid::ShowMouseCursor(TCursor ACursor) {
    FShownCursor = ACursor;
    if (QWidget* w = ChildContainer()) qvdetail::ApplyCursor(w, ACursor);
}
