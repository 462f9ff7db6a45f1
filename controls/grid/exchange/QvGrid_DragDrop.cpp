// The string grid as a drag source: a press dragged far enough drags the selection (its text, the pressed
// cell's rich text, the cells with their looks) or a header's column; a move takes the dragged rows or
// cells away afterwards. Column lists hand their hidden columns to the drop here.
#include "controls/grid/QvGrid.h"

#include "controls/grid/exchange/GridDropRules.h"
#include "controls/grid/input/InputEvents.h"
#include "toolkit/controls/DragDrop.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/richtext/RichText.h"
#include "toolkit/stdctrls/StdCtrls.h"

void TQvStringGrid::OleColumnDragStart(int ACol, int AIndex, TListBox* AList) {
    if (FOleDragList && FOleDragList != AList) FOleDragList->RemoveFreeNotification(this);
    FOleDragCol = ACol;
    FOleDragIndex = AIndex;
    FOleDragList = AList;
    if (AList) AList->FreeNotification(this);
}

bool TQvStringGrid::PressInsideDragSelection(const PressEvent& P) {
    const TGridRect s = Selection();
    if (!FDragDropSettings->OleDropSource() || IsDesigning() || (P.Shift & (ssShift | ssCtrl)) ||
        IsFixed(P.Col, P.Row) || !s.Contains(P.Col, P.Row) || (s.Left == s.Right && s.Top == s.Bottom))
        return false;
    if (CanFocus()) SetFocus();
    FMouse.Press.SelectionClick = true;
    return true;
}

bool TQvStringGrid::StartOleDrag(const MoveEvent& M, TShiftState Shift) {
    const TDragDropSettings* dd = FDragDropSettings.get();
    MousePress& press = FMouse.Press;
    if (!dd->OleDropSource() || IsDesigning() || !(Shift & ssLeft) || !press.MouseDownMove ||
        press.DragRefused)
        return false;
    if (FGridState == gsColSizing || FGridState == gsRowSizing || FMouse.OnFixedBorder()) return false;
    if (!GridDrop::DragStarts(press.At, TPoint(M.X, M.Y))) return false;
    int c = -1, r = -1;
    MouseToCell(press.At.X, press.At.Y, c, r);
    if (c < 0 || r < 0) return false;
    const bool fixedRow = r < FixedRows();
    if (dd->OleColumnsOnly() && !fixedRow) return false;
    const bool columnDrag = fixedRow && dd->OleColumnDragDrop();
    const String text = columnDrag ? String() : SelectedText();
    bool allow = true;
    if (OnOleDrag) OnOleDrag(this, r, c, text, allow);
    if (!allow) {
        press.DragRefused = true;
        return false;
    }
    // The button comes up inside the drag: the press ends here, and so does the selecting it began.
    FMouse.EndPress();
    press.SelectionClick = false;
    FGridState = gsNormal;
    if (OnOleDragStart) OnOleDragStart(this, r, c);

    TClipData data;
    TBitmap image;
    TPoint hotSpot;
    const int visibleBottom = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
    const int visibleRight = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
    if (columnDrag) {
        data.SetData(GridDrop::ColumnFormat(), GridDrop::ColumnBytes(c));
        // The column follows the mouse as its header, or with ShowCells as the part of it in sight.
        SnapshotRect(TGridRect{c, r, c, dd->ShowCells() ? visibleBottom : r}, image);
        hotSpot = dd->ShowCells() ? TPoint(-4, -4) : TPoint(0, image.Height());
    } else {
        FDropSelection = Selection();
        data = OleDragData(c, r, text);
        if (dd->ShowCells()) {
            // The part of the selection in sight; fixed columns and rows always are.
            const TGridRect s = Selection();
            const int left = s.Left < FixedCols() ? s.Left : std::max(s.Left, LeftCol());
            const int top = s.Top < FixedRows() ? s.Top : std::max(s.Top, TopRow());
            SnapshotRect(TGridRect{left, top, std::max(left, std::min(s.Right, visibleRight)),
                                   std::max(top, std::min(s.Bottom, visibleBottom))},
                         image);
            hotSpot = TPoint(-4, -4);
        }
    }
    const bool withImage = columnDrag || dd->ShowCells();
    int effect = DROPEFFECT_NONE;
    const int result = DoDragDrop(this, data, DROPEFFECT_COPY | DROPEFFECT_MOVE, nullptr, effect,
                                  withImage ? &image : nullptr, hotSpot);
    if (result == DRAGDROP_S_CANCEL) {
        FDropSelection = TGridRect{0, 0, -1, -1};
        return true;
    }
    if (effect == DROPEFFECT_MOVE && !dd->OleCopyAlways() && !columnDrag) RemoveDraggedSource();
    FDropSelection = TGridRect{0, 0, -1, -1};
    if (OnOleDragStop) OnOleDragStop(this, effect);
    return true;
}

// The selection's text, the pressed cell's rich text while dropped rich text is taken, and the selected cells
// with their looks where the clipboard carries them.
TClipData TQvStringGrid::OleDragData(int ACol, int ARow, const String& Text) {
    TClipData data;
    data.SetText(Text);
    const String pressed = GetCellEx(RealColIndex(ACol), ARow);
    if (GridDragDropAcceptRTF() && pressed.contains(QLatin1String("{\\")))
        data.SetData(CF_RTF(), RtfBytesOfCellText(pressed));
    if (FNavigation->AllowFmtClipboard())
        data.SetData(QvGrid::GridCellsClipboardFormat, BinaryBlockOf(Selection()));
    return data;
}

// Whole rows go with OleRemoveRows in a row-selecting grid; otherwise the cells are emptied, those the grid
// lets the user change, as a cut empties them.
void TQvStringGrid::RemoveDraggedSource() {
    const TGridRect from = FDropSelection;
    if (from.Left > from.Right || from.Top > from.Bottom) return;
    if (FDragDropSettings->OleRemoveRows() && (Options() & goRowSelect)) {
        if (FMouseActions->DisjunctRowSelect())
            RemoveSelectedRows();
        else if (from.Top < RowCount())
            RemoveRows(from.Top, std::min(from.Bottom, RowCount() - 1) - from.Top + 1);
        return;
    }
    const PasteUndoStep step(*this);
    const auto clear = [this](int c, int r) {
        if (c < 0 || r < 0 || c >= ColCount() || r >= RowCount() || IsFixed(c, r)) return;
        const int real = RealColIndex(c);
        if (!IsEditable(real, r) && !FNavigation->AllowClipboardAlways()) return;
        const String old = GetCellEx(real, r);
        if (UndoRedo() && !old.isEmpty()) UndoRedo()->RegisterChange(real, r, String(), old);
        SetCellEx(real, r, String());
    };
    TGridRect changed = from;
    if (FMouseActions->DisjunctCellSelect() && SelectedCellsCount() > 0) {
        changed = TGridRect{ColCount(), RowCount(), -1, -1};
        for (int i = 0; i < SelectedCellsCount(); ++i) {
            const TGridCoord cell = SelectedCell(i);
            clear(cell.X, cell.Y);
            changed = TGridRect{std::min(changed.Left, cell.X), std::min(changed.Top, cell.Y),
                                std::max(changed.Right, cell.X), std::max(changed.Bottom, cell.Y)};
        }
    } else {
        for (int r = from.Top; r <= from.Bottom; ++r)
            for (int c = from.Left; c <= from.Right; ++c)
                clear(c, r);
    }
    if (changed.Left <= changed.Right)
        DoCellsChanged(TRect(changed.Left, changed.Top, changed.Right, changed.Bottom));
    Invalidate();
}
