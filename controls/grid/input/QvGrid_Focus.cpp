// Focus in and out of the string grid, its cursor choice, its upkeep after a scroll (editors, cell
// controls, the synchronised grid) and the small hooks of this stretch of the grid.
#include "controls/grid/QvGrid.h"
#include "controls/grid/input/ScrollControl.h"

#include "toolkit/controls/Forms.h"

void TQvStringGrid::Click() {
    TBaseGrid::Click();
    FEdit.Entered = false;
    SaveOldCellText(Col(), Row());
}

void TQvStringGrid::DoEnter() {
    if (FEdit.BlockFocus) return;
    try {
        TBaseGrid::DoEnter();
        if ((Options() & goEditing) || FMouseActions->RangeSelectAndEdit()) SelectCell(Col(), Row());
    } catch (...) {
        SaveOldCellText(Col(), Row());
        throw;
    }
    SaveOldCellText(Col(), Row());
}

void TQvStringGrid::DoExit() {
    if (FEdit.BlockKill) return;
    if (FSelectionChanged && FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
    FSelectionChanged = false;
    TBaseGrid::DoExit();
}

void TQvStringGrid::WMKillFocus(TMessage& Message) {
    if (FEdit.BlockKill) {
        Message.Result = 1;
        return;
    }
    TBaseGrid::WndProc(Message);
    if (IsMergedCell(Col(), Row())) RepaintCell(Col(), Row());
    if (FMouse.Press.ControlDown) {
        FMouse.Press.ControlDown = false;
        RepaintCell(DisplColIndex(FMouse.Press.ControlCell.X), FMouse.Press.ControlCell.Y);
    }
}

void TQvStringGrid::WMSetFocus(TMessage& Message) {
    // The focus that comes back after an editor link's popup was left is the one ignored; the grid takes
    // focus messages again from the next one on.
    if (InvokedFocusChange) {
        InvokedFocusChange = false;
        return;
    }
    TBaseGrid::WndProc(Message);
    const int rc = RealColIndex(Col());
    if (HasCheckBox(rc, Row())) return;
    const bool visible = Col() >= LeftCol() && Col() < LeftCol() + VisibleColCount() && Row() >= TopRow() &&
                         Row() < TopRow() + VisibleRowCount();
    if (FNavigation->AlwaysEdit() && FGridState != gsColMoving && FGridState != gsRowMoving) {
        bool allow = true;
        CanEditCell(rc, Row(), allow);
        const bool fromEditor =
            InplaceEditor() && Message.WParam == reinterpret_cast<WPARAM>(InplaceEditor());
        if (!fromEditor && allow && visible) {
            ShowInplaceEdit();
            Message.Result = 0;
            return;
        }
    }
    if (IsMergedCell(Col(), Row())) RepaintCell(Col(), Row());
}

void TQvStringGrid::WMSetCursor(int X, int Y) {
    if (FMouse.SelectMode != msNormal && FGridState != gsColSizing && FGridState != gsRowSizing) {
        // Row, column and whole-grid selection show the toolkit's nearest cursors.
        switch (FMouse.SelectMode) {
        case msColumn:
            ShowMouseCursor(crSizeNS);
            break;
        case msRow:
            ShowMouseCursor(crSizeWE);
            break;
        case msAll:
        case msResize:
            ShowMouseCursor(crSizeNWSE);
            break;
        default:
            break;
        }
    } else if (FCellSelectorMode) {
        ShowMouseCursor(crCross);
    } else {
        int c = -1, r = -1;
        MouseToCell(X, Y, c, r);
        if (c >= 0 && r >= 0) DoGetCellCursor(c, r, X, Y);
    }
    if (FMouse.ColBorder.Over || FMouse.ColBorder.Sizing) ShowMouseCursor(crHSplit);
    if (FMouse.RowBorder.Over || FMouse.RowBorder.Sizing) ShowMouseCursor(crVSplit);
}

void TQvStringGrid::TopLeftChanged() {
    TBaseGrid::TopLeftChanged();
    if (SelectionRectangle() && Selection().Bottom > Selection().Top) Invalidate();
    // A special editor does not follow the scroll: it is closed (its value stored as on any close).
    if (FEdit.EditMode && FEdit.EditControl != edNormal) HideInplaceEdit();
    if (FFooterPanel) FFooterPanel->Invalidate();
    if (FSlimVert) {
        FSlimVert->Invalidate();
        FSlimHorz->Invalidate();
    }
    UpdateProportionalBars();
    CellControlsUpdate(false);
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    if (IsDesigning()) Invalidate();
    if (TQvStringGrid* other = FSyncGrid->Grid(); other && other != this) {
        if (FSyncGrid->ScrollVertical() && other->TopRow() != TopRow() && TopRow() < other->RowCount())
            other->SetTopRow(TopRow());
        if (FSyncGrid->ScrollHorizontal() && other->LeftCol() != LeftCol() && LeftCol() < other->ColCount())
            other->SetLeftCol(LeftCol());
    }
}

void TQvStringGrid::CellControlsUpdate(bool RebuildList) {
    if (!HandleAllocated()) return;
    if (RebuildList) {
        while (FControlList->Count() > 0)
            FControlList->RemoveControl(FControlList->Count() - 1);
        for (int c = 0; c < TotalColCount(); ++c)
            for (int r = 0; r < RowCount(); ++r)
                if (TControl* ctrl = CellControls(c, r)) FControlList->AddControl(c, RealRowIndex(r), ctrl);
    }
    if (FNumCellControls == 0) return;
    const int lastCol = LeftCol() + VisibleColCount();
    const int lastRow = TopRow() + VisibleRowCount();
    for (int i = 0; i < FControlList->Count(); ++i) {
        TControlItem* item = FControlList->GetControl(i);
        if (!item || !item->Control) continue;
        if (IsHiddenColumn(item->X) || IsHiddenRow(item->Y)) {
            item->Control->Hide();
            continue;
        }
        const int c = DisplColIndex(item->X);
        const int r = DisplRowIndex(item->Y);
        const bool fixed = c < FixedCols() || r < FixedRows();
        if (!fixed && (c < LeftCol() || c > lastCol || r < TopRow() || r > lastRow || r < 0)) {
            item->Control->Hide();
            continue;
        }
        if (fixed) continue;
        const TRect cr = CellRect(c, r);
        item->Control->SetBounds(cr.Left - 1, cr.Top - 1, cr.Width() + 1, cr.Height() + 1);
        item->Control->Show();
        item->Control->Invalidate();
    }
}

void TQvStringGrid::DoClickSort(int ACol) {
    if (OnClickSort) OnClickSort(this, ACol);
}

bool TQvStringGrid::IsPasswordCell(int ACol, int ARow) {
    bool isPassword = false;
    DoIsPasswordCell(ACol, ARow, isPassword);
    return isPassword;
}

TCustomForm* TQvStringGrid::FindParentForm(TControl* AControl) {
    for (TControl* c = AControl; c; c = c->Parent())
        if (auto* form = dynamic_cast<TCustomForm*>(c)) return form;
    return nullptr;
}
