// Change tracking: the value from before an edit, validation of the new value when the edit ends,
// registration for undo, the modified marks, and the change listeners.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvGridCheck.h"
#include "toolkit/controls/HintWindow.h"

#include <algorithm>

namespace {

// Puts a navigation setting back when validation ends, also when a handler raises.
class AdvanceOnEnterPause {
public:
    explicit AdvanceOnEnterPause(TNavigation* nav) : FNav(nav), FOld(nav->AdvanceOnEnter()) {
        nav->SetAdvanceOnEnter(false);
    }
    ~AdvanceOnEnterPause() { FNav->SetAdvanceOnEnter(FOld); }
    AdvanceOnEnterPause(const AdvanceOnEnterPause&) = delete;
    AdvanceOnEnterPause& operator=(const AdvanceOnEnterPause&) = delete;

private:
    TNavigation* FNav;
    bool FOld;
};

// Ends a validation however it ends: the old value is taken for the then current cell.
class ValidationEnd {
public:
    explicit ValidationEnd(TQvStringGrid* grid) : FGrid(grid) {}
    ~ValidationEnd() {
        FGrid->SaveOldCellText(FGrid->Col(), FGrid->Row());
        FGrid->EditSession().Validating = false;
    }
    ValidationEnd(const ValidationEnd&) = delete;
    ValidationEnd& operator=(const ValidationEnd&) = delete;

private:
    TQvStringGrid* FGrid;
};

} // namespace

void TQvStringGrid::SaveOldCellText(int ACol, int ARow) {
    FEdit.OldCol = ACol;
    FEdit.OldRow = ARow;
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) {
        FEdit.OldCellText.clear();
        FEdit.OldCellTextWide.clear();
    } else {
        const TPoint base = BaseCell(RealColIndex(ACol), ARow);
        FEdit.OldCellText = GridCells(base.X, base.Y);
        FEdit.OldCellTextWide = QString::fromStdWString(WideCells(base.X, base.Y));
    }
    FEdit.OldModifiedValue = FEdit.ModifiedFlag;
}

void TQvStringGrid::CellChanged(int ACol, int) {
    CalcFooter(ACol);
}

void TQvStringGrid::DoCellsChanged(const TRect& R) {
    if (OnCellsChanged) OnCellsChanged(this, R);
    // A listener may unregister itself while it is told: walk a copy.
    const std::vector<TObject*> notifiers = *FNotifiers;
    for (TObject* o : notifiers)
        if (auto* n = dynamic_cast<TGridChangeNotifier*>(o)) n->CellsChanged(R);
    // Only the changed columns' footers are worked out again: an edit costs its column, not the grid. The
    // callers name real or shown columns, which are the same only while no column is hidden.
    const int all = AllColCount();
    if (FNumHiddenColumns > 0 || R.Left < 0 || R.Right >= all || R.Left > R.Right) {
        CalcFooter(-1);
        return;
    }
    if (FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow &&
        FFloatingFooter->EnableCalculation())
        CalcFooterColumns(R.Left, R.Right, true);
}

void TQvStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier) {
    if (!ANotifier) return;
    if (std::find(FNotifiers->begin(), FNotifiers->end(), ANotifier) != FNotifiers->end()) return;
    FNotifiers->push_back(ANotifier);
    // A listener freed while registered leaves the list instead of dangling in it.
    ANotifier->FreeNotification(this);
}

void TQvStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier) {
    auto it = std::find(FNotifiers->begin(), FNotifiers->end(), ANotifier);
    if (it == FNotifiers->end()) return;
    FNotifiers->erase(it);
    ANotifier->RemoveFreeNotification(this);
}

bool TQvStringGrid::ValidateCell(const String& NewValue) {
    if (!FEdit.Editing || FEdit.Validating) return true;
    FEdit.Editing = false;
    FEdit.Validating = true;
    bool valid = true;
    ValidationEnd end(this);
    const int realCol = RealColIndex(std::clamp(FEdit.OldCol, 0, std::max(0, ColCount() - 1)));
    const int row = FEdit.OldRow;
    FEdit.NewCellText = NewValue;
    if (NewValue == FEdit.OldCellText && !FAlwaysValidate) {
        HideFocusWindow();
        return true;
    }

    const bool changed = NewValue != FEdit.OldCellText;
    String value = NewValue;
    {
        AdvanceOnEnterPause pause(FNavigation.get());
        if (FCellChecker && FCellChecker->AutoCorrect()) value = FCellChecker->Correct(realCol, row, value);
        if (OnCellValidate) OnCellValidate(this, realCol, row, value, valid);
        // Only an accepted change marks the grid and the row modified.
        if (valid && value != FEdit.OldCellText) {
            FGridModified = true;
            if (FixedCols() > 0) SetRowModified(RealRowIndex(row), true);
        }
        if (FCellChecker && FCellChecker->AutoMarkError())
            value = FCellChecker->MarkError(realCol, row, value);
        if (valid && UndoRedo()) UndoRedo()->RegisterChange(realCol, row, value, FEdit.OldCellText);
        FEdit.NewCellText = value;
        // The footer and the change listeners read the cell: they are told once the new text is in it.
        if (valid) {
            SetCellEx(realCol, row, value);
            CellChanged(realCol, row);
            if (changed) DoCellsChanged(TRect(realCol, row, realCol, row));
        }
    }
    if (!valid) {
        FEdit.LastValidation = false;
        const int oldCol = FEdit.OldCol;
        const String restored = value != NewValue ? value : FEdit.OldCellText;
        if (value == NewValue && FEdit.EditMode) FEdit.Validating = false;
        HideEditor();
        SetCellEx(realCol, row, restored);
        if ((Col() != oldCol || Row() != row) && oldCol >= 0 && oldCol < ColCount() && row >= 0 &&
            row < RowCount())
            TCustomGrid::FocusCell(oldCol, row, true);
        FEdit.Validating = false;
        FEdit.Editing = true;
        ShowInplaceEdit();
        if (value == NewValue && Col() != oldCol && InplaceEditor()) InplaceEditor()->Invalidate();
        FEdit.ModifiedFlag = FEdit.OldModifiedValue;
        // The balloon says why on the editor that opened again; an editor without a control of its own
        // (check box, date and time) shows none.
        TControl* target =
            !FEdit.SpecialEditor && FEdit.EditMode ? static_cast<TControl*>(InplaceEditor()) : FEdit.EditCtrl;
        if (target && (!FInvalidEntryTitle.isEmpty() || !FInvalidEntryText.isEmpty()))
            ShowBalloonHint(target, FInvalidEntryTitle, FInvalidEntryText, FInvalidEntryIcon);
    }
    const TPoint base = BaseCell(realCol, row);
    FEdit.OldCellText = GridCells(base.X, base.Y);
    if (valid) HideFocusWindow();
    return valid;
}

bool TQvStringGrid::ValidateCellWide(const String& NewValue) {
    if (!FEdit.Editing || FEdit.Validating) return true;
    FEdit.Editing = false;
    FEdit.Validating = true;
    bool valid = true;
    ValidationEnd end(this);
    const int realCol = RealColIndex(std::clamp(FEdit.OldCol, 0, std::max(0, ColCount() - 1)));
    const int row = FEdit.OldRow;
    if (NewValue == FEdit.OldCellTextWide && !FAlwaysValidate) return true;

    const bool changed = NewValue != FEdit.OldCellTextWide;
    String value = NewValue;
    if (OnCellValidateWide) OnCellValidateWide(this, realCol, row, value, valid);
    if (valid) {
        SetWideCells(realCol, row, value.toStdWString());
        if (changed) {
            FGridModified = true;
            if (FShowModified->Enabled() && FixedCols() > 0) SetRowModified(RealRowIndex(row), true);
        }
    } else {
        HideEditor();
        SetWideCells(realCol, row, (value != NewValue ? value : FEdit.OldCellTextWide).toStdWString());
        const int oldCol = FEdit.OldCol;
        if ((Col() != oldCol || Row() != row) && oldCol >= 0 && oldCol < ColCount() && row >= 0 &&
            row < RowCount())
            TCustomGrid::FocusCell(oldCol, row, true);
        FEdit.Validating = false;
        FEdit.Editing = true;
        ShowInplaceEdit();
        if (value == NewValue && Col() != oldCol && InplaceEditor()) InplaceEditor()->Invalidate();
        FEdit.ModifiedFlag = FEdit.OldModifiedValue;
    }
    // Told after the store, refused or not: a refusing handler may have put a value of its own in the cell.
    CellChanged(realCol, row);
    if (valid && changed) DoCellsChanged(TRect(realCol, row, realCol, row));
    FEdit.OldCellTextWide = QString::fromStdWString(WideCells(realCol, row));
    return valid;
}
