// The slim scroll bar: its track and thumb from the grid's rows (columns), paging and dragging.
#include "controls/grid/input/ScrollControl.h"
#include "controls/grid/QvGrid.h"

#include "toolkit/graphics/Canvas.h"

#include <algorithm>

TScrollControl::TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) {
    // Only the thumb is drawn: the grid's cells show through the rest.
    FControlStyle |= csParentBackground;
    TControl::SetColor(clSilver);
}

void TScrollControl::SetColor(TColor Value) {
    if (Value == Color()) return;
    TControl::SetColor(Value);
    Invalidate();
}

void TScrollControl::SetScrollWidth(int Value) {
    if (Value == FScrollWidth) return;
    FScrollWidth = Value;
    Invalidate();
}

void TScrollControl::SetDirection(TScrollDirection Value) {
    if (Value == FDirection) return;
    FDirection = Value;
    Invalidate();
}

TQvStringGrid* TScrollControl::GetGrid() const {
    return dynamic_cast<TQvStringGrid*>(Parent());
}

int TScrollControl::FixedLength() const {
    const TQvStringGrid* g = GetGrid();
    if (!g) return 0;
    int len = 0;
    if (Vertical())
        for (int r = 0; r < g->FixedRows(); ++r)
            len += g->RowHeights(r);
    else
        for (int c = 0; c < g->FixedCols(); ++c)
            len += g->ColWidths(c);
    return len;
}

int TScrollControl::TrackLength() const {
    const TQvStringGrid* g = GetGrid();
    if (!g) return 0;
    int len = Extent() - FixedLength();
    if (Vertical())
        for (int r = std::max(0, g->RowCount() - g->FixedFooters()); r < g->RowCount(); ++r)
            len -= g->RowHeights(r);
    else
        for (int c = std::max(0, g->ColCount() - g->FixedRightCols()); c < g->ColCount(); ++c)
            len -= g->ColWidths(c);
    return len;
}

int TScrollControl::First() const {
    const TQvStringGrid* g = GetGrid();
    return Vertical() ? g->TopRow() : g->LeftCol();
}

SlimThumb TScrollControl::GetThumb() const {
    const TQvStringGrid* g = GetGrid();
    if (!g) return {};
    if (Vertical())
        return SlimBarThumb(Extent(), TrackLength(), FixedLength(), g->TopRow(), g->FixedRows(),
                            g->RowCount(), g->VisibleRowCount());
    return SlimBarThumb(Extent(), TrackLength(), FixedLength(), g->LeftCol(), g->FixedCols(), g->ColCount(),
                        g->VisibleColCount());
}

void TScrollControl::Paint() {
    const TQvStringGrid* g = GetGrid();
    if (!g) return;
    const bool more = Vertical() ? g->RowCount() - g->FixedRows() > g->VisibleRowCount()
                                 : g->ColCount() - g->FixedCols() > g->VisibleColCount();
    const SlimThumb t = GetThumb();
    if (!more || t.Length <= 0) return;
    TCanvas* c = Canvas();
    c->Pen()->SetColor(Color());
    c->Brush()->SetColor(Color());
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(Vertical() ? TRect(0, t.Pos, FScrollWidth, t.Pos + t.Length)
                           : TRect(t.Pos, 0, t.Pos + t.Length, FScrollWidth));
}

void TScrollControl::ScrollTo(int AFirst) {
    TQvStringGrid* g = GetGrid();
    if (AFirst == First()) return;
    if (Vertical())
        g->SetTopRow(AFirst);
    else
        g->SetLeftCol(AFirst);
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    TQvStringGrid* g = GetGrid();
    if (!g || Button != mbLeft) return;
    const SlimThumb t = GetThumb();
    if (t.Length <= 0) return;
    const int at = Along(X, Y);
    const int fixed = Vertical() ? g->FixedRows() : g->FixedCols();
    const int count = Vertical() ? g->RowCount() : g->ColCount();
    const int visible = Vertical() ? g->VisibleRowCount() : g->VisibleColCount();
    if (at < t.Pos) {
        ScrollTo(SlimBarPageFirst(false, First(), fixed, count, visible));
    } else if (at > t.Pos + t.Length) {
        ScrollTo(SlimBarPageFirst(true, First(), fixed, count, visible));
    } else {
        FDownOnScroller = true;
        FDownPos = at;
        FDownRow = First();
    }
}

void TScrollControl::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    TQvStringGrid* g = GetGrid();
    if (!g || !FDownOnScroller) return;
    // The whole bar less the header stands for all the rows.
    const int span = Vertical() ? Height() - g->RowHeights(0) : Width() - g->ColWidths(0);
    if (Vertical())
        ScrollTo(SlimBarDragFirst(Y, FDownPos, FDownRow, span, g->FixedRows(), g->RowCount(),
                                  g->VisibleRowCount()));
    else
        ScrollTo(SlimBarDragFirst(X, FDownPos, FDownRow, span, g->FixedCols(), g->ColCount(),
                                  g->VisibleColCount()));
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FDownOnScroller = false;
}
