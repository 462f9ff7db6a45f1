// Scrolling, sizing and zoom of the string grid: the stretch column, sizing all columns or rows with the one
// the user sized, and what follows every change of a width or height.
#include "controls/grid/QvGrid.h"
#include "controls/grid/input/ScrollBarMath.h"
#include "controls/grid/input/ScrollControl.h"
#include "toolkit/controls/HintWindow.h"
#include "toolkit/system/ScopedValue.h"

#include <cmath>

void TQvStringGrid::StretchColumn(int ACol) {
    if (IsLoading() || IsDestroying()) return;
    if (ACol == -1) ACol = ColCount() - 1;
    if (ACol >= ColCount() || ACol < -1) throw EQvGridError("Stretch column index out of range");
    if (ColCount() == 0 || !FColumnSize->Stretch() || FStretching) return;
    FStretching = true;
    struct Done {
        bool& Flag;
        ~Done() { Flag = false; }
    } done{FStretching};
    if (ColCount() == 1) {
        SetColWidths(0, ClientWidth());
        return;
    }
    // Each column takes its grid line along, so the columns end exactly at the client's edge.
    const int line = GridLineWidth();
    int others = 0;
    for (int c = 0; c < ColCount(); ++c)
        if (c != ACol) others += ColWidths(c) + line;
    if (others < ClientWidth())
        SetColWidths(ACol, std::max(0, ClientWidth() - others - line));
    else if (LeftCol() == FixedCols())
        SetColWidths(ACol, DefaultColWidth());
}

void TQvStringGrid::StretchRightColumn() {
    StretchColumn(ColCount() - 1);
}

void TQvStringGrid::StretchSettingsColumn() {
    if (!FColumnSize->Stretch()) return;
    const int col = FColumnSize->StretchColumn();
    if (col < ColCount()) StretchColumn(col < 0 ? -1 : col);
}

void TQvStringGrid::ColWidthsChanged() {
    if (!FStretching && Parent()) StretchSettingsColumn();
    TBaseGrid::ColWidthsChanged();
    UpdateFooter();
}

void TQvStringGrid::RowHeightsChanged() {
    TBaseGrid::RowHeightsChanged();
}

namespace {

int ScaledSize(int Size, int New, int Old) {
    return int(std::lround(double(Size) * New / Old));
}

} // namespace

void TQvStringGrid::UserSizedColumn(int ACol, int OldSize) {
    const int now = ColWidths(ACol);
    if (FMouseActions->AllColumnSize() && OldSize > 0)
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (c != ACol) SetColWidths(c, ScaledSize(ColWidths(c), now, OldSize));
    if (OnEndColumnSize) OnEndColumnSize(this, ACol);
    int w = ColWidths(ACol);
    UpdateColSize(ACol, w);
    if (w != ColWidths(ACol)) SetColWidths(ACol, std::max(0, w));
}

void TQvStringGrid::UserSizedRow(int ARow, int OldSize) {
    const int now = RowHeights(ARow);
    if (FMouseActions->AllRowSize() && OldSize > 0)
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != ARow) SetRowHeights(r, ScaledSize(RowHeights(r), now, OldSize));
    if (OnEndRowSize) OnEndRowSize(this, ARow);
}

void TQvStringGrid::Zoom(int Step) {
    const int next = FZoomFactor + Step;
    if (next < -10 || next > 10) return;
    FZoomFactor = next;
    {
        // Every size change would work the proportional bars out again and ask for a repaint of the whole
        // control: once, at the end, is enough, and only the cells have changed.
        ScopedValue<bool> lock(FScrollLock, true);
        ScopedValue<bool> hold(FRepaintHeld, true);
        for (int c = 0; c < ColCount(); ++c)
            if (ColWidths(c) > 0 && ColWidths(c) + Step > 0) SetColWidths(c, ColWidths(c) + Step);
        for (int r = 0; r < RowCount(); ++r)
            if (RowHeights(r) > 0 && RowHeights(r) + Step > 0) SetRowHeights(r, RowHeights(r) + Step);
    }
    UpdateProportionalBars();
    InvalidateCells();
    UpdateFooter();
}

// Scroll bars
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ScrollRangeChanged() {
    TBaseGrid::ScrollRangeChanged();
    // Counts, sizes or the client area changed: the extents are summed afresh.
    FPropRows.Valid = FPropCols.Valid = false;
    UpdateScrollBarAlways(false);
    UpdateProportionalBars();
}

void TQvStringGrid::UpdateScrollBarAlways(bool Hide) {
    const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
    const bool colsFit = VisibleColCount() + FixedCols() >= ColCount();
    if (FScrollBarAlways != saNone) {
        if (rowsFit) ShowScrollBar(SB_VERT, FScrollBarAlways == saVert || FScrollBarAlways == saBoth);
        if (colsFit) ShowScrollBar(SB_HORZ, FScrollBarAlways == saHorz || FScrollBarAlways == saBoth);
        EnableScrollBar(SB_VERT, !rowsFit);
        EnableScrollBar(SB_HORZ, !colsFit);
    } else if (Hide) {
        if (rowsFit) ShowScrollBar(SB_VERT, false);
        if (colsFit) ShowScrollBar(SB_HORZ, false);
    }
}

void TQvStringGrid::SetScrollProportional(bool Value) {
    FScrollProportional = Value;
    if (Value) {
        UpdateProportionalBars();
        return;
    }
    // Back to the plain bars: the toolkit's ranges, pages and positions.
    if (Parent()) ColWidthsChanged();
}

void TQvStringGrid::ProportionalAxis(bool Rows, ProportionalExtents& E) {
    const int line = GridLineWidth();
    const int count = Rows ? RowCount() : ColCount();
    const int fixed = Rows ? FixedRows() : FixedCols();
    const int first = Rows ? TopRow() : LeftCol();
    auto size = [&](int i) { return (Rows ? RowHeights(i) : ColWidths(i)) + line; };
    if (!E.Valid) {
        E = ProportionalExtents{true, line, line, line, first};
        for (int i = 0; i < count; ++i) {
            (i < fixed ? E.Fixed : E.Scrollable) += size(i);
            if (i >= fixed && i < first) E.Scrolled += size(i);
        }
        return;
    }
    // A scroll step costs the rows it passes, not the grid's length.
    for (int i = E.First; i < first; ++i)
        E.Scrolled += size(i);
    for (int i = first; i < E.First; ++i)
        E.Scrolled -= size(i);
    E.First = first;
}

void TQvStringGrid::UpdateProportionalBars() {
    if (!FScrollProportional || IsLoading() || IsDesigning() || FScrollLock) return;
    ProportionalAxis(true, FPropRows);
    const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
    const ProportionalBar v =
        VerticalProportionalBar(FPropRows.Fixed, FPropRows.Scrollable, FPropRows.Scrolled, ClientHeight(),
                                GetScrollPos(SB_VERT), rowsFit);
    if (v.Apply) SetScrollInfo(SB_VERT, TScrollInfo{0, v.Max, v.Page, v.Pos, v.Pos});
    ProportionalAxis(false, FPropCols);
    const ProportionalBar h = HorizontalProportionalBar(
        FPropCols.Fixed, FPropCols.Scrollable, FPropCols.Scrolled, ClientWidth(), GetScrollPos(SB_HORZ));
    if (h.Apply) SetScrollInfo(SB_HORZ, TScrollInfo{0, h.Max, h.Page, h.Pos, h.Pos});
}

// Scroll bar looks
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SetScrollType(TScrollType Value) {
    if (Value != FScrollType) {
        FScrollType = Value;
        ApplyScrollType();
    }
    ApplyScrollBarLook();
}

void TQvStringGrid::ApplyScrollType() {
    if (IsLoading() || IsDestroying() || !HandleAllocated()) return;
    if (FScrollType == ssMetro && !FSlimVert) {
        auto make = [this](TScrollDirection Direction) {
            auto* bar = new TScrollControl(this);
            bar->SetDirection(Direction);
            if (Direction == sdVertical) {
                bar->SetWidth(6);
                bar->SetAlign(alRight);
            } else {
                bar->SetHeight(6);
                bar->SetAlign(alBottom);
            }
            bar->SetParent(this);
            return bar;
        };
        FSlimVert = make(sdVertical);
        FSlimHorz = make(sdHorizontal);
        SetScrollBars(ssNone);
        // The window's bars gave their room back to the cells: the slim bars go to the new edges.
        Realign();
    } else if (FScrollType != ssMetro && FSlimVert) {
        delete FSlimVert;
        delete FSlimHorz;
        FSlimVert = FSlimHorz = nullptr;
        SetScrollBars(ssBoth);
    }
}

void TQvStringGrid::ApplyScrollBarLook() {
    const TScrollBarLook look = FScrollType == ssFlat      ? sblFlat
                                : FScrollType == ssEncarta ? sblEncarta
                                                           : sblRegular;
    // The regular bars keep the platform's thickness; ScrollWidth is the flat bars'.
    SetScrollBarLook(look, FScrollColor, look == sblRegular ? kRegularScrollBarExtent : FScrollWidth);
}

void TQvStringGrid::SetScrollColor(TColor Value) {
    FScrollColor = Value;
    ApplyScrollBarLook();
}

void TQvStringGrid::SetScrollWidth(int Value) {
    FScrollWidth = Value;
    ApplyScrollBarLook();
}

// Scroll messages
// --------------------------------------------------------------------------------------------

void TQvStringGrid::WMHScroll(TMessage& Message) {
    ScrollBarMessage(true, Message);
}

void TQvStringGrid::WMVScroll(TMessage& Message) {
    ScrollBarMessage(false, Message);
}

void TQvStringGrid::ScrollBarMessage(bool Horz, TMessage& Message) {
    if (IsDesigning()) {
        Horz ? TBaseGrid::WMHScroll(Message) : TBaseGrid::WMVScroll(Message);
        return;
    }
    const int code = Message.ScrollCode();
    const bool hints = FScrollHints == shBoth || FScrollHints == (Horz ? shHorizontal : shVertical);
    const int n = Horz ? ScrollThumbNumber(Message.ScrollPos(), ColCount(), VisibleColCount(), FixedCols())
                       : ScrollThumbNumber(Message.ScrollPos(), RowCount(), VisibleRowCount(), FixedRows());
    if (hints && code == SB_ENDSCROLL) CancelHint();
    if (hints && code == SB_THUMBTRACK) ShowScrollHint(Horz, n);
    if (code == SB_THUMBTRACK && FScrollSynch) {
        // The cells follow the thumb as it moves, not only where it is let go.
        if (Horz)
            SetLeftCol(std::clamp(n, FixedCols(), std::max(FixedCols(), ColCount() - VisibleColCount())));
        else
            SetTopRow(std::clamp(n, FixedRows(), std::max(FixedRows(), RowCount() - VisibleRowCount())));
        return;
    }
    if (!Horz && SearchFooterScroll(Message)) return;
    Horz ? TBaseGrid::WMHScroll(Message) : TBaseGrid::WMVScroll(Message);
}

void TQvStringGrid::ShowScrollHint(bool Horz, int Number) {
    String text = (Horz ? "Col : " : "Row : ") + String::number(Number);
    if (OnScrollHint) OnScrollHint(this, Number, text);
    // Beside the mouse, clear of the thumb under it.
    const TPoint mouse = GetCursorPos();
    ShowHintAt(this, TPoint(mouse.X + 10, mouse.Y), text, HintColor(), 100);
}

int TQvStringGrid::TopRowAboveSearchFooter() {
    int room = ClientHeight() - SearchFooterHeight();
    for (int r = 0; r < FixedRows(); ++r)
        room -= RowHeights(r) + GridLineWidth();
    int top = RowCount();
    while (top > FixedRows() && room - (RowHeights(top - 1) + GridLineWidth()) >= 0)
        room -= RowHeights(--top) + GridLineWidth();
    return std::max(FixedRows(), std::min(top, RowCount() - 1));
}

// With the search footer shown the last rows would stay behind it: a step down goes on until the last row
// ends above it, and no further.
bool TQvStringGrid::SearchFooterScroll(TMessage& Message) {
    if (SearchFooterHeight() <= 0) return false;
    const int code = Message.ScrollCode();
    if (code != SB_LINEDOWN && code != SB_PAGEDOWN && code != SB_BOTTOM && code != SB_ENDSCROLL) return false;
    const int last = TopRowAboveSearchFooter();
    if (TopRow() >= last) return true;
    if (code == SB_ENDSCROLL) return false;
    TBaseGrid::WMVScroll(Message);
    // The toolkit stops where the rows fill the client area; the footer takes its bottom, so a step that
    // reaches that stop goes on until the last row shows.
    if (TopRow() >= CalcMaxTopLeft().Y || TopRow() > last) SetTopRow(last);
    return true;
}
