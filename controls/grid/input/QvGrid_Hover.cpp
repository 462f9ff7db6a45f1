// Mouse movement over the string grid: hover looks, header selections by dragging, fixed borders, the
// selection handle, the feedback of a column or row move, sizing events; the cell hints; leaving the grid;
// following the owner form's size.
#include "controls/grid/HeaderDragButton.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/HintWindow.h"

#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"

namespace {
bool HoverPointIn(const TRect& r, int X, int Y) {
    return !r.IsEmpty() && X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom;
}
} // namespace

void TQvStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
    // 1. A drag from a press selects.
    if (FMouseDownMove && FMouseActions->RangeSelectAndEdit() && (Options() & goEditing) && !FEdit.EditMode)
        SetOptions(Options() & ~goEditing);
    // 2.
    const TGridRect entry = Selection();
    if (SelectionRectangle() && FGridState == gsSelecting && !(FSizeSelection == entry))
        FSizeSelection = entry;
    // 3.
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    bool cursorSet = false;
    bool scrolledUp = false;
    const bool valid = c >= 0 && r >= 0;

    // 4a. The hovered row.
    if (valid && !IsDesigning() && HoverRow() && r != TBaseGrid::HoverRowIdx()) {
        const int old = TBaseGrid::HoverRowIdx();
        SetHoverRowIdx(r);
        RepaintRow(r);
        if (old >= 0 && old < RowCount()) RepaintRow(old);
    }

    // 5. The hovered fixed cell.
    if (HoverFixedCells() != hfNone && !FNoMouseLeave && (c != FHoverFixedX || r != FHoverFixedY)) {
        const int ox = FHoverFixedX, oy = FHoverFixedY;
        FHoverFixedX = c;
        FHoverFixedY = r;
        if (ox >= 0 && oy >= 0 && (oy <= FixedRows() || ox <= FixedCols())) RepaintCell(ox, oy);
        if (valid && (r <= FixedRows() || c <= FixedCols())) RepaintCell(c, r);
    }

    // 7. The hovered cell button.
    if (valid) {
        const int rc = RealColIndex(c);
        const bool overButton =
            (HasButton(rc, r) && HoverPointIn(GetCellButtonRect(c, r), X, Y)) ||
            (GetCellType(rc, r) == ctExpand && HoverPointIn(GetExpandButtonRect(rc, r), X, Y));
        if (overButton) {
            if (FHoverButton != TPoint(c, r)) {
                if (FHoverButton.X >= 0) RepaintCell(FHoverButton.X, FHoverButton.Y);
                FHoverButton = TPoint(c, r);
                RepaintCell(c, r);
            }
        } else if (FHoverButton.X >= 0) {
            RepaintCell(FHoverButton.X, FHoverButton.Y);
            FHoverButton = TPoint(-1, -1);
        }
    }

    // 8. A row header selection follows the mouse, scrolling at the edges.
    if (FMouseSelectStart != -1 && FMouseActions->RowSelect() && FMouseSelectMode == msRow) {
        const int s = FMouseSelectStart;
        if (r >= FixedRows() && r <= RowCount() - FixedFooters()) {
            const int to = std::max(FixedRows(), std::min(r, RowCount() - 1));
            SetSelection(TGridRect{FixedCols(), std::min(s, to), ColCount() - 1, std::max(s, to)});
            if (SelectionRectangle() && !(Selection() == FSizeSelection)) {
                InvalidateGridRect(Selection());
                FSizeSelection = Selection();
            }
        }
        if (Y > Height() - 4 && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
        if (FixedRows() > 0 && RowCount() > 0 && Y < RowHeights(0) && TopRow() > FixedRows()) {
            SetTopRow(TopRow() - 1);
            scrolledUp = true;
        }
    }

    // 9. A column header selection follows the mouse.
    if (FMouseSelectStart != -1 && FMouseActions->ColSelect() && FMouseSelectMode == msColumn && c >= 0) {
        const int s = FMouseSelectStart;
        const int to = std::max(FixedCols(), c);
        SetSelection(TGridRect{std::min(s, to), FixedRows(), std::max(s, to), RowCount() - 1});
        if (SelectionRectangle() && !(Selection() == FSizeSelection)) {
            InvalidateGridRect(Selection());
            FSizeSelection = Selection();
        }
    }

    // 10. Fixed borders.
    if (!FSizingFixed && !FSizingFixedR) {
        FSizeFixed = FSizeFixedR = false;
        int sum = 0;
        for (int i = 0; i < FixedCols(); ++i) {
            const int border = sum + ColWidths(i);
            if (std::abs(border - X) < 3 && valid && !IsDesigning())
                FSizeFixed = FMouseActions->SizeFixedCol();
            sum += ColWidths(i) + 1;
        }
        sum = 0;
        for (int i = 0; i < FixedRows(); ++i) {
            const int border = sum + RowHeights(i);
            if (std::abs(border - Y) < 3 && valid && !IsDesigning())
                FSizeFixedR = FMouseActions->SizeFixedRow();
            sum += RowHeights(i) + 1;
        }
    }
    if (FSizingFixed) FSizeFixedX = X;
    if (FSizingFixedR) FSizeFixedY = Y;

    // 11. The selection handle.
    const bool overHandle =
        SelectionResizer() && SelectionRectangle() && HoverPointIn(SelectionHandleRect(), X, Y);

    // 13. Sizing and moving.
    if (!IsDesigning()) {
        if (FGridState == gsColSizing) ColSized = true;
        if (FGridState == gsRowSizing) Rowsized = true;
        if (FGridState == gsColMoving || FGridState == gsRowMoving) {
            bool allow = true;
            if (FGridState == gsColMoving && OnColumnMove) OnColumnMove(this, Movecell, allow);
            if (FGridState == gsRowMoving && OnRowMove) OnRowMove(this, Movecell, allow);
            if (!allow) {
                FGridState = gsNormal;
                FMoveCursor = crDefault;
                if (MoveButton) MoveButton->Hide();
            }
        }
        if ((FGridState == gsRowMoving || FGridState == gsColMoving) && RowCount() > 1 &&
            (X != Clickposx || Y != Clickposy) && EnhRowColMove() && !FSizingFixed && !FSizingFixedR)
            EnhancedMoveFeedback(c, r, X, Y);
        FMouseSelectMode = overHandle ? msResize : msNormal;
        const bool onBorder = IsOnSizingBorder(X, Y);
        if (r >= 0 && r < FixedRows() && c >= 0 && c < FixedCols() && FMouseActions->AllSelect()) {
            FMouseSelectMode = msAll;
            cursorSet = true;
        }
        if (r >= 0 && r < FixedRows() && c >= FixedCols() && FMouseActions->ColSelect() && !onBorder) {
            FMouseSelectMode = msColumn;
            cursorSet = true;
        }
        const int f = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow ? 2 : 1;
        if (c >= 0 && c < FixedCols() && r >= 0 && r <= RowCount() - f && (r >= FixedRows() || scrolledUp) &&
            FMouseActions->RowSelect() && !onBorder) {
            FMouseSelectMode = msRow;
            cursorSet = true;
        }
    }

    // 14. URLs show the hand.
    if (valid && c < ColCount() && r < RowCount() && URLShow()) {
        const String t = Cells(RealColIndex(c), r);
        if (CellTextKind(t, EnableHTML()) != ctkHTML && IsURL(t)) {
            cursorSet = true;
            ShowMouseCursor(QvGrid::LinkCursor);
        }
    }

    // 16. A hint shown for another cell is withdrawn.
    if (FLastHintPos.X >= 0) {
        int bc = -1, br = -1;
        if (!valid || !CheckBaseCell(c, r, bc, br) || TPoint(bc, br) != FLastHintPos) {
            if (!valid || TPoint(BaseCell(c, r)) != FLastHintPos) {
                FLastHintPos = TPoint(-1, -1);
                if (Application) Application->CancelHint();
            }
        }
    }

    // 17.
    if (FGridState == gsSelecting && SelectionRectangle() && !(Selection() == FMoveSelection)) {
        InvalidateGridRect(Selection());
        FMoveSelection = Selection();
    }

    // 18. The toolkit grid's own move (range selection, sizing line, move mark, OnMouseMove).
    TBaseGrid::MouseMove(Shift, X, Y);
    if (FNavigation->KeepHorizScroll() && FMouseKeepDown && FGridState != gsColMoving) {
        StartUpdate();
        SetLeftCol(FOldKeepLeftCol);
        ResetUpdate();
    }

    // 15. and the cursor of the mouse state (after the toolkit chose its own).
    if (cursorSet || FMouseSelectMode != msNormal || FSizeFixed || FSizeFixedR || FSizingFixed ||
        FSizingFixedR || FCellSelectorMode)
        WMSetCursor(X, Y);
    else if (valid && OnGetCellCursor)
        DoGetCellCursor(c, r, X, Y);

    // 19. Sizing events.
    // 20. With the sizing hint the size shows beside the grabbed cell while it is dragged.
    const bool sizingHint = IsDesigning() || HintShowSizing();
    if (FGridState == gsColSizing || FSizingFixed) {
        const TRect R = FSizingFixed                         ? CellRect(0, 0)
                        : Colclicked >= 0 && Rowclicked >= 0 ? CellRect(Colclicked, Rowclicked)
                                                             : CellRect(ColCount() - 1, 0);
        const int size = FSizingFixed ? FSizeFixedX : std::max(0, X - R.Left - Clickposdx);
        if (OnColumnSizing) OnColumnSizing(this, FSizingFixed ? 0 : Colclicked, size);
        if (sizingHint) ShowSizingHint("cw", size, TPoint(R.Left, R.Top));
    }
    if (FGridState == gsRowSizing || FSizingFixedR) {
        const TRect R = FSizingFixedR                        ? CellRect(0, 0)
                        : Colclicked >= 0 && Rowclicked >= 0 ? CellRect(Colclicked, Rowclicked)
                                                             : CellRect(0, RowCount() - 1);
        const int size = FSizingFixedR ? FSizeFixedY : std::max(0, Y - R.Top - Clickposdy);
        if (OnRowSizing) OnRowSizing(this, FSizingFixedR ? 0 : Rowclicked, size);
        if (sizingHint) ShowSizingHint("rh", size, TPoint(R.Left, R.Top));
    }

    // 21.
    const TGridRect now = Selection();
    if (!(now == entry)) DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

void TQvStringGrid::ShowSizingHint(const String& What, int Size, const TPoint& At) {
    // The number stands out where hints show markup; the plain hint window would show the tags.
    const String size = String::number(Size);
    ShowHintAt(this, ClientToScreen(At), What + "=" + (FUseHTMLHints ? "<b>" + size + "</b>" : size));
    FScrollHintShow = true;
}

void TQvStringGrid::EnhancedMoveFeedback(int c, int r, int X, int Y) {
    bool allowDrop = true;
    DoStartBlockFocus();
    const int m = Movecell;
    if (MoveButton) {
        if (FGridState == gsColMoving && m >= FixedCols() && r >= 0 && m < ColCount()) {
            MoveButton->SetCaption(Cells(RealColIndex(m), 0));
            MoveButton->SetBounds(X - MoveOfsX, Y - MoveOfsY, ColWidths(m), RowHeights(r));
        } else if (FGridState == gsRowMoving && m >= FixedRows() && c >= 0 && m < RowCount()) {
            MoveButton->SetCaption(Cells(0, m));
            MoveButton->SetBounds(X - MoveOfsX, Y - MoveOfsY, ColWidths(c), RowHeights(m));
        }
        MoveButton->Invalidate();
    }
    if (FGridState == gsColMoving) {
        FMoveColInd = c;
        FMoveRowInd = 0;
        if (OnColumnMoving) OnColumnMoving(this, c, allowDrop);
        int fixedWidth = 0;
        for (int i = 0; i < FixedCols(); ++i)
            fixedWidth += ColWidths(i);
        if (X < fixedWidth && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
        if (X > Width() && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
    } else {
        FMoveColInd = 0;
        FMoveRowInd = r;
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
    FMoveCursor = allowDrop ? crDrag : crNoDrop;
    ShowMouseCursor(FMoveCursor);
}

void TQvStringGrid::CMMouseLeave(TMessage& Message) {
    TBaseGrid::WndProc(Message);
    FMouseSelectMode = msNormal;
    FSizeFixed = FSizeFixedR = false;
    if (!FNoMouseLeave && HoverFixedCells() != hfNone && (FHoverFixedX != -1 || FHoverFixedY != -1)) {
        const int ox = FHoverFixedX, oy = FHoverFixedY;
        FHoverFixedX = FHoverFixedY = -1;
        if (ox >= 0 && oy >= 0) RepaintCell(ox, oy);
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
    if (c >= 0 && r >= 0) {
        const TPoint b = BaseCell(c, r);
        c = b.X;
        r = b.Y;
        FLastHintPos = TPoint(c, r);
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
    if (FColumnSize->Stretch()) StretchColumn(FColumnSize->StretchColumn());
}

bool TQvStringGrid::IsOnSizingBorder(int X, int Y) {
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (c < 0 || r < 0) return false;
    const TRect R = CellRect(c, r);
    if ((Options() & goColSizing) && r <= FixedRows()) return X - R.Left < 4 || R.Right - X < 4;
    if ((Options() & goRowSizing) && c <= FixedCols()) return Y - R.Top < 4 || R.Bottom - Y < 4;
    return false;
}
