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
        FGrid->FValidating = false;
    }
    ValidationEnd(const ValidationEnd&) = delete;
    ValidationEnd& operator=(const ValidationEnd&) = delete;

private:
    TQvStringGrid* FGrid;
};

} // namespace

void TQvStringGrid::SaveOldCellText(int ACol, int ARow) {
    FOldCol = ACol;
    FOldRow = ARow;
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) {
        FOldCellText.clear();
        FOldCellTextWide.clear();
    } else {
        const TPoint base = BaseCell(RealColIndex(ACol), ARow);
        FOldCellText = GridCells(base.X, base.Y);
        FOldCellTextWide = QString::fromStdWString(WideCells(base.X, base.Y));
    }
    FOldModifiedValue = FModifiedFlag;
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
    CalcFooter(-1);
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
    if (!FEditing || FValidating) return true;
    FEditing = false;
    FValidating = true;
    bool valid = true;
    ValidationEnd end(this);
    const int realCol = RealColIndex(std::clamp(FOldCol, 0, std::max(0, ColCount() - 1)));
    const int row = FOldRow;
    FNewCellText = NewValue;
    if (NewValue == FOldCellText && !FAlwaysValidate) return true;

    const bool changed = NewValue != FOldCellText;
    String value = NewValue;
    {
        AdvanceOnEnterPause pause(FNavigation.get());
        if (FCellChecker && FCellChecker->AutoCorrect()) value = FCellChecker->Correct(realCol, row, value);
        if (OnCellValidate) OnCellValidate(this, realCol, row, value, valid);
        // Only an accepted change marks the grid and the row modified.
        if (valid && value != FOldCellText) {
            FGridModified = true;
            if (FixedCols() > 0) SetRowModified(RealRowIndex(row), true);
        }
        if (valid) CellChanged(realCol, row);
        if (FCellChecker && FCellChecker->AutoMarkError())
            value = FCellChecker->MarkError(realCol, row, value);
        if (valid && UndoRedo()) UndoRedo()->RegisterChange(realCol, row, value, FOldCellText);
        if (valid && changed) DoCellsChanged(TRect(realCol, row, realCol, row));
        FNewCellText = value;
    }
    if (valid) {
        SetCellEx(realCol, row, value);
    } else {
        FLastValidation = false;
        const int oldCol = FOldCol;
        const String restored = value != NewValue ? value : FOldCellText;
        if (value == NewValue && EditMode) FValidating = false;
        HideEditor();
        SetCellEx(realCol, row, restored);
        if ((Col() != oldCol || Row() != row) && oldCol >= 0 && oldCol < ColCount() && row >= 0 &&
            row < RowCount())
            TCustomGrid::FocusCell(oldCol, row, true);
        FValidating = false;
        FEditing = true;
        ShowInplaceEdit();
        if (value == NewValue && Col() != oldCol && InplaceEditor()) InplaceEditor()->Invalidate();
        FModifiedFlag = FOldModifiedValue;
        // The balloon says why on the editor that opened again; an editor without a control of its own
        // (check box, date and time) shows none.
        TControl* target = !FSpecialEditor && EditMode ? static_cast<TControl*>(InplaceEditor()) : EditCtrl;
        if (target && (!FInvalidEntryTitle.isEmpty() || !FInvalidEntryText.isEmpty()))
            ShowBalloonHint(target, FInvalidEntryTitle, FInvalidEntryText);
    }
    const TPoint base = BaseCell(realCol, row);
    FOldCellText = GridCells(base.X, base.Y);
    return valid;
}

bool TQvStringGrid::ValidateCellWide(const String& NewValue) {
    if (!FEditing || FValidating) return true;
    FEditing = false;
    FValidating = true;
    bool valid = true;
    ValidationEnd end(this);
    const int realCol = RealColIndex(std::clamp(FOldCol, 0, std::max(0, ColCount() - 1)));
    const int row = FOldRow;
    if (NewValue == FOldCellTextWide && !FAlwaysValidate) return true;

    const bool changed = NewValue != FOldCellTextWide;
    CellChanged(realCol, row);
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
        SetWideCells(realCol, row, (value != NewValue ? value : FOldCellTextWide).toStdWString());
        const int oldCol = FOldCol;
        if ((Col() != oldCol || Row() != row) && oldCol >= 0 && oldCol < ColCount() && row >= 0 &&
            row < RowCount())
            TCustomGrid::FocusCell(oldCol, row, true);
        FValidating = false;
        FEditing = true;
        ShowInplaceEdit();
        if (value == NewValue && Col() != oldCol && InplaceEditor()) InplaceEditor()->Invalidate();
        FModifiedFlag = FOldModifiedValue;
    }
    if (valid && changed) DoCellsChanged(TRect(realCol, row, realCol, row));
    FOldCellTextWide = QString::fromStdWString(WideCells(realCol, row));
    return valid;
}
