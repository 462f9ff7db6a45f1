// The drop target that lets a drag the grid cannot take still scroll it.
#pragma once

#include "controls/grid/QvGrid.h"

#include "toolkit/controls/DragDrop.h"

// Takes no data: every drag over the grid shows the no-drop cursor while it scrolls the cells.
class TDragScrollTarget : public TDropTarget {
public:
    explicit TDragScrollTarget(TQvStringGrid* Grid) : FGrid(Grid) {}
    void DragEnter(const TClipData&, TShiftState, const TPoint& Pt, int& Effect) override {
        FGrid->DragScrollOver(TQvStringGrid::dssEnter, FGrid->ScreenToClient(Pt));
        Effect = DROPEFFECT_NONE;
    }
    void DragOver(TShiftState, const TPoint& Pt, int& Effect) override {
        FGrid->DragScrollOver(TQvStringGrid::dssMove, FGrid->ScreenToClient(Pt));
        Effect = DROPEFFECT_NONE;
    }
    void DragLeave() override { FGrid->DragScrollOver(TQvStringGrid::dssLeave, TPoint()); }
    void Drop(const TClipData&, TShiftState, const TPoint&, int& Effect) override {
        FGrid->DragScrollOver(TQvStringGrid::dssLeave, TPoint());
        Effect = DROPEFFECT_NONE;
    }

private:
    TQvStringGrid* FGrid;
};
