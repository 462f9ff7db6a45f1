// Scrolling while something is dragged over the grid: the margins that scroll, the delays of its timer, and
// the drop target that follows a drag the grid cannot take, so the grid still scrolls under it.
#include "controls/grid/QvGrid.h"
#include "controls/grid/input/DragScrollTarget.h"

#include "toolkit/controls/Timer.h"

void TQvStringGrid::UpdateDragScrollTarget() {
    if (!HandleAllocated() || IsDesigning() || !FDragScrollOptions->Active()) return;
    // A drop target of the grid's own (cells dropped in) forwards its drags here itself.
    if (IsDragDropRegistered(this)) return;
    if (!FDragScrollTarget) FDragScrollTarget = std::make_unique<TDragScrollTarget>(this);
    RegisterDragDrop(this, FDragScrollTarget.get());
}

void TQvStringGrid::StopDragScroll() {
    FDragTmr.reset();
    FDragScrollDirection = 0;
}

void TQvStringGrid::DragScrollOver(TDragScrollState State, const TPoint& Pt) {
    TDragScrollOptions& o = *FDragScrollOptions;
    if (!o.Active() || State == dssLeave) {
        StopDragScroll();
        return;
    }
    const TDragScrollMargins& m = *FDragScrollOptions->Margins();
    TDragScrollDirections dir = 0;
    if (Pt.Y < m.TopMargin())
        dir |= 1u << dsdUp;
    else if (Pt.Y > Height() - m.BottomMargin())
        dir |= 1u << dsdDown;
    if (Pt.X < m.LeftMargin())
        dir |= 1u << dsdLeft;
    else if (Pt.X > Width() - m.RightMargin())
        dir |= 1u << dsdRight;
    if (!dir) {
        StopDragScroll();
        return;
    }
    if (!FDragTmr) {
        FDragTmr = std::make_unique<TTimer>(nullptr);
        FDragTmr->OnTimer = [this](TObject*) { DragScrollTick(); };
    }
    // A new direction waits the initial delay; moving on within the same margin keeps the steps coming.
    if (dir != FDragScrollDirection) {
        FDragTmr->SetEnabled(false);
        FDragTmr->SetInterval(Cardinal(std::max(1, o.Delays()->InitialDelay())));
        FDragTmr->SetEnabled(true);
    }
    FDragScrollDirection = dir;
}

void TQvStringGrid::DragScrollTick() {
    if (!FDragTmr) return;
    if (!FDragScrollOptions->Active()) {
        StopDragScroll();
        return;
    }
    FDragTmr->SetInterval(Cardinal(std::max(1, FDragScrollOptions->Delays()->RepeatDelay())));
    TDragScrollDirections dir = FDragScrollDirection;
    bool canScroll = true;
    if (OnDragScroll) OnDragScroll(this, TopRow(), LeftCol(), dir, canScroll);
    if (!canScroll) return;
    if ((dir & (1u << dsdUp)) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if ((dir & (1u << dsdDown)) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    if ((dir & (1u << dsdLeft)) && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    if ((dir & (1u << dsdRight)) && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
}
