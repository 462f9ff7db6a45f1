// Mouse movement over the string grid: hover looks, header selections by dragging, fixed borders, the
// selection handle, the feedback of a column or row move, sizing events; the cell hints; leaving the grid;
// following the owner form's size.
#include "controls/grid/HTMLHintWindow.h"
#include "controls/grid/HeaderDragButton.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/input/InputEvents.h"
#include "controls/markup/MarkupRenderer.h"
#include "toolkit/controls/HintWindow.h"

#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"

namespace {
bool HoverPointIn(const TRect& r, int X, int Y) {
    return !r.IsEmpty() && X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom;
}
} // namespace

// The hover looks and the drags follow the mouse before the toolkit's own move; the cursor and the sizing
// events after it, once the toolkit chose its cursor and sizing line.
void TQvStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
    MoveEvent m = BeginMove(X, Y);
    if (StartOleDrag(m, Shift)) return;
    TrackHoverRow(m);
    TrackHoverFixedCell(m);
    TrackHoverButton(m);
    DragRowHeaderSelection(m);
    DragColumnHeaderSelection(m);
    TrackFixedBorders(m);
    m.OverHandle = SelectionResizer() && SelectionRectangle() && HoverPointIn(SelectionHandleRect(), X, Y);
    if (!IsDesigning()) {
        TrackHeaderMove(m);
        ChooseSelectMode(m);
    }
    ShowLinkCursor(m);
    WithdrawCellHint(m);
    WithdrawCellBalloon(m);
    ShowRangeSelection();
    // The toolkit grid's own move (range selection, sizing line, move mark, OnMouseMove).
    TBaseGrid::MouseMove(Shift, X, Y);
    KeepLeftColWhileDragging();
    ChooseMoveCursor(m);
    ReportSizing(m);
    const TGridRect now = Selection();
    if (!(now == m.EntrySelection)) DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

// A drag from a press selects instead of editing; the selection at entry, and the cell under the mouse.
MoveEvent TQvStringGrid::BeginMove(int X, int Y) {
    if (FMouse.Press.MouseDownMove && FMouseActions->RangeSelectAndEdit() && (Options() & goEditing) &&
        !FEdit.EditMode)
        SetOptions(Options() & ~goEditing);
    MoveEvent m;
    m.X = X;
    m.Y = Y;
    m.EntrySelection = Selection();
    if (SelectionRectangle() && FGridState == gsSelecting && !(FMouse.PaintedSelection == m.EntrySelection))
        FMouse.PaintedSelection = m.EntrySelection;
    MouseToCell(X, Y, m.Col, m.Row);
    m.Valid = m.Col >= 0 && m.Row >= 0;
    return m;
}

void TQvStringGrid::TrackHoverRow(const MoveEvent& m) {
    if (!m.Valid || IsDesigning() || !HoverRow() || m.Row == TBaseGrid::HoverRowIdx()) return;
    const int old = TBaseGrid::HoverRowIdx();
    SetHoverRowIdx(m.Row);
    RepaintRow(m.Row);
    if (old >= 0 && old < RowCount()) RepaintRow(old);
}

// The cell under the mouse, kept for the fixed-cell hover look; fixed cells (and those next to them) repaint.
void TQvStringGrid::TrackHoverFixedCell(const MoveEvent& m) {
    TPoint& hover = FMouse.Hover.FixedCell;
    if (HoverFixedCells() == hfNone || FMouse.Hover.NoMouseLeave || (m.Col == hover.X && m.Row == hover.Y))
        return;
    const TPoint old = hover;
    hover = TPoint(m.Col, m.Row);
    if (old.X >= 0 && old.Y >= 0 && (old.Y <= FixedRows() || old.X <= FixedCols())) RepaintCell(old.X, old.Y);
    if (m.Valid && (m.Row <= FixedRows() || m.Col <= FixedCols())) RepaintCell(m.Col, m.Row);
}

void TQvStringGrid::TrackHoverButton(const MoveEvent& m) {
    if (!m.Valid) return;
    const int c = m.Col, r = m.Row, rc = RealColIndex(c);
    TPoint& hover = FMouse.Hover.Button;
    const bool overButton =
        (HasButton(rc, r) && HoverPointIn(GetCellButtonRect(c, r), m.X, m.Y)) ||
        (GetCellType(rc, r) == ctExpand && HoverPointIn(GetExpandButtonRect(rc, r), m.X, m.Y));
    if (overButton) {
        if (hover != TPoint(c, r)) {
            if (hover.X >= 0) RepaintCell(hover.X, hover.Y);
            hover = TPoint(c, r);
            RepaintCell(c, r);
        }
    } else if (hover.X >= 0) {
        RepaintCell(hover.X, hover.Y);
        hover = TPoint(-1, -1);
    }
}

// A row header selection follows the mouse, scrolling at the edges.
void TQvStringGrid::DragRowHeaderSelection(MoveEvent& m) {
    if (FMouse.SelectStart == -1 || !FMouseActions->RowSelect() || FMouse.SelectMode != msRow) return;
    const int s = FMouse.SelectStart, r = m.Row;
    if (r >= FixedRows() && r <= RowCount() - FixedFooters()) {
        const int to = std::max(FixedRows(), std::min(r, RowCount() - 1));
        SetSelection(TGridRect{FixedCols(), std::min(s, to), ColCount() - 1, std::max(s, to)});
        RepaintDraggedSelection();
    }
    if (m.Y > Height() - 4 && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    if (FixedRows() > 0 && RowCount() > 0 && m.Y < RowHeights(0) && TopRow() > FixedRows()) {
        SetTopRow(TopRow() - 1);
        m.ScrolledUp = true;
    }
}

// A column header selection follows the mouse.
void TQvStringGrid::DragColumnHeaderSelection(const MoveEvent& m) {
    if (FMouse.SelectStart == -1 || !FMouseActions->ColSelect() || FMouse.SelectMode != msColumn || m.Col < 0)
        return;
    const int s = FMouse.SelectStart;
    const int to = std::max(FixedCols(), m.Col);
    SetSelection(TGridRect{std::min(s, to), FixedRows(), std::max(s, to), RowCount() - 1});
    RepaintDraggedSelection();
}

// With the selection rectangle, a header selection repaints as it grows.
void TQvStringGrid::RepaintDraggedSelection() {
    if (SelectionRectangle() && !(Selection() == FMouse.PaintedSelection)) {
        InvalidateGridRect(Selection());
        FMouse.PaintedSelection = Selection();
    }
}

int TQvStringGrid::FixedColBorderAt(int X) {
    return FixedBorderAt(
        FixedCols(), [this](int c) { return ColWidths(c); }, X);
}

int TQvStringGrid::FixedRowBorderAt(int Y) {
    return FixedBorderAt(
        FixedRows(), [this](int r) { return RowHeights(r); }, Y);
}

// Which fixed border the mouse rests on (while none is dragged), and where a dragged one's line is.
void TQvStringGrid::TrackFixedBorders(const MoveEvent& m) {
    FixedBorderDrag& cols = FMouse.ColBorder;
    FixedBorderDrag& rows = FMouse.RowBorder;
    if (!cols.Sizing && !rows.Sizing) {
        cols.Over = rows.Over = false;
        if (m.Valid && !IsDesigning()) {
            if (FixedColBorderAt(m.X) >= 0) cols.Over = FMouseActions->SizeFixedCol();
            if (FixedRowBorderAt(m.Y) >= 0) rows.Over = FMouseActions->SizeFixedRow();
        }
    }
    if (cols.Sizing) cols.Pos = m.X;
    if (rows.Sizing) rows.Pos = m.Y;
}

// A sizing marks what it sizes; a column or row move asks for each step and gives its feedback.
void TQvStringGrid::TrackHeaderMove(const MoveEvent& m) {
    HeaderMove& move = FMouse.Move;
    if (FGridState == gsColSizing) move.ColSized = true;
    if (FGridState == gsRowSizing) move.RowSized = true;
    const bool moving = FGridState == gsColMoving || FGridState == gsRowMoving;
    if (moving) {
        bool allow = true;
        if (FGridState == gsColMoving && OnColumnMove) OnColumnMove(this, move.Cell, allow);
        if (FGridState == gsRowMoving && OnRowMove) OnRowMove(this, move.Cell, allow);
        if (!allow) {
            FGridState = gsNormal;
            move.Cursor = crDefault;
            if (MoveButton) MoveButton->Hide();
            HideMoveArrows();
        }
    }
    if ((FGridState == gsRowMoving || FGridState == gsColMoving) && RowCount() > 1 &&
        (m.X != FMouse.Press.At.X || m.Y != FMouse.Press.At.Y) && EnhRowColMove() &&
        !FMouse.ColBorder.Sizing && !FMouse.RowBorder.Sizing)
        EnhancedMoveFeedback(m.Col, m.Row, m.X, m.Y);
}

// The hover mode: the handle, the corner, a column header or a row header (not on a sizing border).
void TQvStringGrid::ChooseSelectMode(MoveEvent& m) {
    const int c = m.Col, r = m.Row;
    TMouseSelectMode& mode = FMouse.SelectMode;
    mode = m.OverHandle ? msResize : msNormal;
    const bool onBorder = IsOnSizingBorder(m.X, m.Y);
    if (r >= 0 && r < FixedRows() && c >= 0 && c < FixedCols() && FMouseActions->AllSelect()) {
        mode = msAll;
        m.CursorSet = true;
    }
    if (r >= 0 && r < FixedRows() && c >= FixedCols() && FMouseActions->ColSelect() && !onBorder) {
        mode = msColumn;
        m.CursorSet = true;
    }
    const int f = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow ? 2 : 1;
    if (c >= 0 && c < FixedCols() && r >= 0 && r <= RowCount() - f && (r >= FixedRows() || m.ScrolledUp) &&
        FMouseActions->RowSelect() && !onBorder) {
        mode = msRow;
        m.CursorSet = true;
    }
}

// URLs and the links of markup cells show the hand; entering and leaving a link are reported, and with
// URLUnderlineOnHover the link under the mouse is drawn with the hover look.
void TQvStringGrid::ShowLinkCursor(MoveEvent& m) {
    MouseHover& hover = FMouse.Hover;
    const bool inCells = m.Valid && m.Col < ColCount() && m.Row < RowCount();
    const String t = inCells ? Cells(RealColIndex(m.Col), m.Row) : String();
    const bool html = inCells && CellTextKind(t, EnableHTML()) == ctkHTML;
    TMarkupOutput hit;
    if (html) MarkupHitAt(m.Col, m.Row, m.X, m.Y, String(), hit);
    if (URLUnderlineOnHover()) {
        // Only a change of link repaints, so resting on a link costs nothing.
        const TPoint cell = html ? TPoint(m.Col, m.Row) : TPoint(-1, -1);
        const int link = html ? hit.MouseLink : -1;
        if (cell != hover.LinkCell || link != hover.Link) {
            if (hover.LinkCell.X >= 0) RepaintCell(hover.LinkCell.X, hover.LinkCell.Y);
            hover.LinkCell = cell;
            hover.Link = link;
            if (cell.X >= 0) RepaintCell(cell.X, cell.Y);
        }
    }
    if (!html && inCells && URLShow() && IsURL(t)) {
        m.CursorSet = m.OnLink = true;
        ShowMouseCursor(QvGrid::LinkCursor);
    }
    const String anchor = html ? hit.Anchor : String();
    if (anchor.isEmpty()) {
        // Off every link, a plain cell or outside the cells included, the link is left once.
        if (!hover.Anchor.isEmpty()) {
            hover.Anchor.clear();
            if (OnAnchorExit) OnAnchorExit(this, m.Row, m.Col, String());
        }
        return;
    }
    String hint = hit.AnchorTitle;
    if (hint.isEmpty() && OnAnchorHint) OnAnchorHint(this, m.Row, m.Col, hint);
    // Another link's hint is withdrawn so that the next hint shows this one's.
    if (hint != hover.LastAnchorHint && !hover.LastAnchorHint.isEmpty() && anchor != hover.Anchor) {
        hover.LastAnchorHint = hint;
        if (Application) Application->CancelHint();
    }
    m.CursorSet = m.OnLink = true;
    ShowMouseCursor(QvGrid::LinkCursor);
    if (anchor != hover.Anchor) {
        hover.Anchor = anchor;
        if (OnAnchorEnter) OnAnchorEnter(this, m.Row, m.Col, anchor);
    }
}

// A hint shown for another cell is withdrawn.
void TQvStringGrid::WithdrawCellHint(const MoveEvent& m) {
    TPoint& shown = FMouse.Hover.HintCell;
    if (shown.X < 0) return;
    const int c = m.Col, r = m.Row;
    int bc = -1, br = -1;
    if (!m.Valid || !CheckBaseCell(c, r, bc, br) || TPoint(bc, br) != shown) {
        if (!m.Valid || TPoint(BaseCell(c, r)) != shown) {
            shown = TPoint(-1, -1);
            if (Application) Application->CancelHint();
        }
    }
}

// A range selection with the selection rectangle repaints as it grows.
void TQvStringGrid::ShowRangeSelection() {
    if (FGridState == gsSelecting && SelectionRectangle() && !(Selection() == FMoveSelection)) {
        InvalidateGridRect(Selection());
        FMoveSelection = Selection();
    }
}

// With KeepHorizScroll a drag from a press does not scroll the grid sideways.
void TQvStringGrid::KeepLeftColWhileDragging() {
    if (FNavigation->KeepHorizScroll() && FMouse.Press.MouseKeepDown && FGridState != gsColMoving) {
        StartUpdate();
        SetLeftCol(FMouse.Press.LeftCol);
        ResetUpdate();
    }
}

// The cursor of the mouse state, after the toolkit chose its own.
void TQvStringGrid::ChooseMoveCursor(const MoveEvent& m) {
    if (m.CursorSet || FMouse.SelectMode != msNormal || FMouse.OnFixedBorder() || FCellSelectorMode) {
        WMSetCursor(m.X, m.Y);
        if (m.OnLink && FMouse.SelectMode == msNormal && !FMouse.OnFixedBorder() && !FCellSelectorMode)
            ShowMouseCursor(QvGrid::LinkCursor);
    } else if (m.Valid && OnGetCellCursor)
        DoGetCellCursor(m.Col, m.Row, m.X, m.Y);
}

// Sizing events; with the sizing hint the size shows beside the grabbed cell while it is dragged.
void TQvStringGrid::ReportSizing(const MoveEvent& m) {
    const bool sizingHint = IsDesigning() || HintShowSizing();
    const MousePress& press = FMouse.Press;
    const bool grabbed = press.Grabbed.X >= 0 && press.Grabbed.Y >= 0;
    const FixedBorderDrag& cols = FMouse.ColBorder;
    if (FGridState == gsColSizing || cols.Sizing) {
        const TRect R = cols.Sizing ? CellRect(0, 0)
                        : grabbed   ? CellRect(press.Grabbed.X, press.Grabbed.Y)
                                    : CellRect(ColCount() - 1, 0);
        const int size = cols.Sizing ? cols.Pos : std::max(0, m.X - R.Left - press.GrabOffset.X);
        if (OnColumnSizing) OnColumnSizing(this, cols.Sizing ? 0 : press.Grabbed.X, size);
        if (sizingHint) ShowSizingHint("cw", size, TPoint(R.Left, R.Top));
    }
    const FixedBorderDrag& rows = FMouse.RowBorder;
    if (FGridState == gsRowSizing || rows.Sizing) {
        const TRect R = rows.Sizing ? CellRect(0, 0)
                        : grabbed   ? CellRect(press.Grabbed.X, press.Grabbed.Y)
                                    : CellRect(0, RowCount() - 1);
        const int size = rows.Sizing ? rows.Pos : std::max(0, m.Y - R.Top - press.GrabOffset.Y);
        if (OnRowSizing) OnRowSizing(this, rows.Sizing ? 0 : press.Grabbed.Y, size);
        if (sizingHint) ShowSizingHint("rh", size, TPoint(R.Left, R.Top));
    }
}

void TQvStringGrid::ShowSizingHint(const String& What, int Size, const TPoint& At) {
    // The number stands out where hints show markup; the plain hint window would show the tags.
    const String size = String::number(Size);
    ShowHintAt(this, ClientToScreen(At), What + "=" + (FUseHTMLHints ? "<b>" + size + "</b>" : size));
    FMouse.SizingHintShown = true;
}

void TQvStringGrid::EnhancedMoveFeedback(int c, int r, int X, int Y) {
    bool allowDrop = true;
    DoStartBlockFocus();
    HeaderMove& move = FMouse.Move;
    const int m = move.Cell;
    if (MoveButton) {
        if (FGridState == gsColMoving && m >= FixedCols() && r >= 0 && m < ColCount()) {
            MoveButton->SetCaption(Cells(RealColIndex(m), 0));
            MoveButton->SetBounds(X - move.Offset.X, Y - move.Offset.Y, ColWidths(m), RowHeights(r));
        } else if (FGridState == gsRowMoving && m >= FixedRows() && c >= 0 && m < RowCount()) {
            MoveButton->SetCaption(Cells(0, m));
            MoveButton->SetBounds(X - move.Offset.X, Y - move.Offset.Y, ColWidths(c), RowHeights(m));
        }
        MoveButton->Invalidate();
    }
    PlaceMoveArrows(c, r, m);
    if (FGridState == gsColMoving) {
        move.TargetCol = c;
        move.TargetRow = 0;
        if (OnColumnMoving) OnColumnMoving(this, c, allowDrop);
        int fixedWidth = 0;
        for (int i = 0; i < FixedCols(); ++i)
            fixedWidth += ColWidths(i);
        if (X < fixedWidth && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
        if (X > Width() && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
    } else {
        move.TargetCol = 0;
        move.TargetRow = r;
        if (OnRowMoving) OnRowMoving(this, r, allowDrop);
        int fixedHeight = 0;
        for (int i = 0; i < FixedRows(); ++i)
            fixedHeight += RowHeights(i);
        if (Y < fixedHeight && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
        if (Y > Height() && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    }
    if (MoveButton) {
        if (!MoveButton->Visible()) MoveButton->Show();
        if (!MoveButton->Enabled()) MoveButton->SetEnabled(true);
        MoveButton->BringToFront();
    }
    move.Cursor = allowDrop ? crDrag : crNoDrop;
    ShowMouseCursor(move.Cursor);
}

void TQvStringGrid::CMMouseLeave(TMessage& Message) {
    TBaseGrid::WndProc(Message);
    FMouse.Leave();
    TPoint& hover = FMouse.Hover.FixedCell;
    if (!FMouse.Hover.NoMouseLeave && HoverFixedCells() != hfNone && (hover.X != -1 || hover.Y != -1)) {
        const TPoint old = hover;
        hover = TPoint(-1, -1);
        if (old.X >= 0 && old.Y >= 0) RepaintCell(old.X, old.Y);
    }
    if (HoverRow() && TBaseGrid::HoverRowIdx() != -1) {
        const int old = TBaseGrid::HoverRowIdx();
        SetHoverRowIdx(-1);
        if (old < RowCount()) RepaintRow(old);
    }
}

void TQvStringGrid::BuildCellHint(String& HintStr, THintInfo& HintInfo) {
    int c = -1, r = -1;
    MouseToCell(HintInfo.CursorPos.X, HintInfo.CursorPos.Y, c, r);
    if (FControlLook->HintMaxWidth() > 0) HintInfo.HintMaxWidth = FControlLook->HintMaxWidth();
    SetWideHintFontName(Font()->Name());
    if (c >= 0 && r >= 0) {
        const TPoint b = BaseCell(c, r);
        c = b.X;
        r = b.Y;
        FMouse.Hover.HintCell = TPoint(c, r);
        const TRect R = CellRect(c, r);
        const int rc = RealColIndex(c);
        String comment;
        if (IsComment(rc, r, comment)) {
            HintStr = comment;
            HintInfo.HintPos = TPoint(R.Right, R.Top);
        } else {
            HintInfo.HintPos = TPoint(HintInfo.CursorPos.X, R.Bottom + 6);
        }
        const String text = Cells(rc, r);
        const bool html = CellTextKind(text, EnableHTML()) == ctkHTML;
        TMarkupOutput hit;
        if (html && AnchorHint() &&
            MarkupHitAt(c, r, HintInfo.CursorPos.X, HintInfo.CursorPos.Y, String(), hit) &&
            !hit.Anchor.isEmpty()) {
            String hint = hit.AnchorTitle.isEmpty() ? hit.Anchor : hit.AnchorTitle;
            if (OnAnchorHint) OnAnchorHint(this, r, rc, hint);
            FMouse.Hover.LastAnchorHint = hint;
            HintStr = hint;
            HintInfo.HintPos = TPoint(HintInfo.CursorPos.X + 8, HintInfo.CursorPos.Y - 16);
        }
        if (HintShowCells() && c >= FixedCols() && r >= FixedRows() && c < ColCount() - FixedRightCols() &&
            r < RowCount() - FixedFooters()) {
            HintInfo.HintPos.Y = R.Top;
            HintStr = HTMLHint() || !html ? text : StrippedCells(rc, r);
        }
        if (HintShowLargeText()) {
            TCanvas* canvas = Canvas();
            canvas->SetFont(Font());
            const String shown = html ? StrippedCells(rc, r) : text;
            if (R.Width() < canvas->TextWidth(shown) || R.Height() < canvas->TextHeight(shown)) {
                if (HintShowLargeTextPos() == hpCell) HintInfo.HintPos = TPoint(R.Left, R.Top);
                HintStr = HTMLHint() || !html ? text : shown;
            }
        }
        if (!(r == RowCount() - 1 && FFloatingFooter->Visible())) {
            String wide;
            DoGridHint(c, r, HintStr, wide);
        }
        if (CellTextKind(HintStr, true) == ctkHTML && UseInternalHintClass()) {
            HintInfo.HintWindowClass = "THTMLHintWindow";
            HintInfo.HintData = this;
        }
        HintInfo.HintPos = ClientToScreen(HintInfo.HintPos);
    }
    HintInfo.HintColor = HintColor();
}

void TQvStringGrid::OwnerFormResize(TObject* Sender) {
    if (IsDesigning() || IsDestroying() || !FOwnerForm) return;
    if (dynamic_cast<TCustomForm*>(Sender) && SizeWithForm()) {
        const int w = Width() + FOwnerForm->Width() - FFormWidth;
        const int h = Height() + FOwnerForm->Height() - FFormHeight;
        if (w > 0 && h > 0) {
            SetBounds(Left(), Top(), w, h);
            FFormWidth = FOwnerForm->Width();
            FFormHeight = FOwnerForm->Height();
        }
    }
    StretchSettingsColumn();
}

bool TQvStringGrid::IsOnSizingBorder(int X, int Y) {
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (c < 0 || r < 0) return false;
    const TRect R = CellRect(c, r);
    // Where both borders apply, the row border decides.
    bool on = false;
    if ((Options() & goColSizing) && r <= FixedRows()) on = X - R.Left < 4 || R.Right - X < 4;
    if ((Options() & goRowSizing) && c <= FixedCols()) on = Y - R.Top < 4 || R.Bottom - Y < 4;
    return on;
}
