// The grid's special editors: made on first use, filled, placed over the cell and shown when an edit
// starts, their value stored into the cell and their control hidden when it ends (the check box, spin and
// combo editors; kinds whose editor does not exist open nothing and end normally at the next close).
#include "controls/grid/QvGrid.h"

#include "controls/grid/QvUtil.h"
#include "controls/grid/edit/EditCharFilter.h"
#include "controls/grid/edit/GridCheckBox.h"
#include "controls/grid/edit/GridCombo.h"
#include "controls/grid/edit/GridSpin.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/system/DateUtils.h"
#include "toolkit/system/ScopedValue.h"
#include "toolkit/system/SysUtils.h"

#include <limits>

namespace {

bool IsSpinKind(TEditorType Kind) {
    return Kind == edSpinEdit || Kind == edFloatSpinEdit || Kind == edTimeSpinEdit || Kind == edDateSpinEdit;
}

// The whole number a cell text starts with ("$" before hexadecimal digits); 0 when it starts with none.
int LeadingSpinInt(const String& Text) {
    int i = 0;
    const int n = int(Text.size());
    while (i < n && Text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (Text[i] == QLatin1Char('-') || Text[i] == QLatin1Char('+'))) negative = Text[i++] == '-';
    int base = 10;
    if (i < n && Text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    }
    qint64 value = 0;
    for (; i < n; ++i) {
        const ushort c = Text[i].toLower().unicode();
        const int digit = c >= '0' && c <= '9'                 ? c - '0'
                          : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                               : -1;
        if (digit < 0) break;
        value = std::min<qint64>(value * base + digit, qint64(std::numeric_limits<int>::max()) + 1);
    }
    if (negative) value = -value;
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The decimal number a cleaned number text (full stop as separator) starts with; 0 when none.
double LeadingSpinFloat(const String& Clean) {
    int i = 0;
    const int n = int(Clean.size());
    auto digits = [&] {
        const int from = i;
        while (i < n && Clean[i] >= QLatin1Char('0') && Clean[i] <= QLatin1Char('9'))
            ++i;
        return i > from;
    };
    if (i < n && (Clean[i] == QLatin1Char('-') || Clean[i] == QLatin1Char('+'))) ++i;
    bool any = digits();
    if (i < n && Clean[i] == QLatin1Char('.')) {
        ++i;
        any = digits() || any;
    }
    if (!any) return 0;
    int end = i;
    if (i < n && (Clean[i] == QLatin1Char('e') || Clean[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (Clean[i] == QLatin1Char('-') || Clean[i] == QLatin1Char('+'))) ++i;
        if (digits()) end = i;
    }
    return Clean.left(end).toDouble();
}

} // namespace

// The editors
// --------------------------------------------------------------------------------------------

TGridCombo* TQvStringGrid::Combobox() {
    if (!EditCombo) {
        EditCombo = new TGridCombo(this);
        EditCombo->SetVisible(false);
        EditCombo->SetEnabled(false);
        EditCombo->SetParent(this);
    }
    return EditCombo;
}

TGridSpin* TQvStringGrid::SpinEdit() {
    if (!FEditSpin) {
        FEditSpin = new TGridSpin(this);
        FEditSpin->SetVisible(false);
        FEditSpin->SetEnabled(false);
        FEditSpin->SetIsWinXP(FIsWinXP);
        FEditSpin->SetParent(this);
    }
    return FEditSpin;
}

TGridCheckBox* TQvStringGrid::CheckEditor() {
    if (!EditCheck) {
        EditCheck = new TGridCheckBox(this);
        EditCheck->SetVisible(false);
        EditCheck->SetParent(this);
    }
    return EditCheck;
}

// Opening
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ShowEditorControl(int ACol, int ARow) {
    FEditing = true;
    FSpecialEditor = true;
    FEditActive = true;
    TRect R = CellRect(ACol, ARow);
    if (BiDiMode() == bdRightToLeft) R.Left += 1;
    // The editor leaves the grid lines free.
    const int W = R.Right - R.Left - 1;
    const int H = R.Bottom - R.Top - 1;
    const int realCol = RealColIndex(ACol);

    TCellLook look;
    GetVisualProperties(ACol, Row(), false, false, true, look);
    const TColor color = look.Fill.Color;

    FGridState = gsNormal;
    EditCtrl = nullptr;
    if (EditControl != edCustom) FLastValidation = true;
    const String text = GetEditText(ACol, ARow);
    if (IsSpinKind(EditControl))
        ShowSpinControl(R, W, H, realCol, ARow, color, text);
    else if (EditControl == edComboEdit || EditControl == edComboList)
        ShowComboControl(R, W, H, realCol, ARow, color, text);
    else if (EditControl == edCheckBox)
        ShowCheckControl(R, W, H, realCol, ARow, text);
    FStartEditChar = QChar();
}

void TQvStringGrid::ShowSpinControl(const TRect& R, int W, int H, int ARealCol, int ARow, TColor AColor,
                                    const String& Text) {
    TGridSpin* spin = SpinEdit();
    EditMode = true;
    spin->ReCreate();
    spin->SetBounds(R.Left, R.Top, W, H);
    spin->Show();
    spin->SetEnabled(true);
    spin->SetColor(AColor);
    spin->SetExcelStyleDecimalSeparator(ExcelStyleDecimalSeparator());
    DoGetEditorProp(ARealCol, ARow, nullptr);
    switch (EditControl) {
    case edSpinEdit:
        spin->SetSpinType(sptNormal);
        spin->SetValue(LeadingSpinInt(Text));
        break;
    case edFloatSpinEdit:
        spin->SetSpinType(sptFloat);
        spin->SetFloatValue(LeadingSpinFloat(CleanNumberText(Text)));
        break;
    case edTimeSpinEdit:
        spin->SetText(Text);
        spin->SetSpinType(sptTime);
        break;
    default: {
        TDateTime date = 0;
        if (Trim(Text).isEmpty() || !TryStrToDate(Trim(Text), date)) date = Now();
        spin->SetSpinType(sptDate);
        spin->SetDateValue(date);
        break;
    }
    }
    if (spin->CanFocus()) spin->SetFocus();
    if (!FStartEditChar.isNull()) PostMessage(spin, WM_CHAR, FStartEditChar.unicode(), 0);
    // A spin button painted in the cell was clicked: the editor opens with that step made.
    if (FSpinUpClick) spin->StepUp(false);
    if (FSpinDnClick) spin->StepDown(false);
    FSpinUpClick = FSpinDnClick = false;
    EditCtrl = spin;
}

void TQvStringGrid::ShowComboControl(const TRect& R, int W, int H, int ARealCol, int ARow, TColor AColor,
                                     const String& Text) {
    TGridCombo* combo = Combobox();
    const bool list = EditControl == edComboList;
    EditMode = true;
    combo->SetDropDownCount(FControlLook->DropDownCount());
    DoGetEditorProp(ARealCol, ARow, nullptr);
    // The item list is the grid's, filled by the application just before the editor opens.
    combo->Items()->Assign(FComboItems.get());
    combo->SetEnabled(true);
    combo->SetDroppedDown(false);
    combo->SetStyle(list ? csDropDownList : csDropDown);
    bool chose = false;
    if (list) {
        combo->SetItemIndex(combo->Items()->IndexOf(GetCellEx(ARealCol, ARow)));
        if (combo->ItemIndex() < 0 && FComboIdx == -1) {
            // A text that is no item: the grid chooses the edit text's item, else the first, and says so.
            const int index = combo->Items()->IndexOf(Text);
            combo->SetItemIndex(index >= 0 ? index : 0);
            combo->FireEditChange();
            chose = true;
        } else if (combo->ItemIndex() < 0) {
            combo->SetItemIndex(FComboIdx);
        }
    } else {
        combo->SetText(Text);
        if (FComboIdx != -1 && combo->ItemIndex() < 0) combo->SetItemIndex(FComboIdx);
        combo->SetMaxLength(MaxComboLength());
    }
    combo->SetBounds(R.Left, R.Top, W, H);
    // The flat look goes first: taking it up gives the combo its parent's colour, and the cell's is meant.
    const bool flat = FLook == glSoft || FLook == glVUR || FLook == glXP || FLook == glListView ||
                      FLook == glVista || FLook == glWin7 || FLook == glOffice2007;
    combo->SetFlat(flat);
    combo->SetEtched(flat);
    combo->SetColor(AColor);
    combo->Show();
    if (FNavigation->AutoComboDropSize())
        combo->SizeDropDownWidth();
    else if (combo->DropWidth() > 0)
        combo->SetDroppedWidth(combo->DropWidth());
    if (combo->CanFocus()) combo->SetFocus();
    if (FMouseActions->DirectComboDrop() || FControlLook->DropDownAlwaysVisible())
        combo->SetDroppedDown(true);
    if (FMouseActions->DirectEdit() && FMouseActions->DirectComboDrop()) {
        const TGridRect sel = Selection();
        DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
    }
    if (chose && combo->Items()->Count() > 0) {
        // The item the grid chose, as it shows in the combo.
        const int index = combo->ItemIndex();
        const String item = combo->Items()->Strings(index);
        if (OnComboChange) OnComboChange(this, ARealCol, ARow, index, item);
        if (OnComboObjectChange)
            OnComboObjectChange(this, ARealCol, ARow, index, item, combo->Items()->Objects(index));
    }
    if (!FStartEditChar.isNull()) PostMessage(combo, WM_CHAR, FStartEditChar.unicode(), 0);
    EditCtrl = combo;
}

void TQvStringGrid::ShowCheckControl(const TRect& R, int W, int H, int ARealCol, int ARow,
                                     const String& Text) {
    TGridCheckBox* check = CheckEditor();
    EditMode = true;
    String checkTrue, checkFalse;
    GetCheckTrue(ARealCol, ARow, checkTrue);
    GetCheckFalse(ARealCol, ARow, checkFalse);
    const String stored = Trim(Text);
    check->ReCreate();
    check->SetBounds(R.Left, R.Top, W, H);
    // A cell holding a check text shows it as the state, not as a caption.
    check->SetCaption(stored == checkTrue || stored == checkFalse ? String() : Text);
    check->SetEnabled(true);
    check->Open(stored == checkTrue);
    check->Show();
    if (check->CanFocus()) check->SetFocus();
}

// Closing
// --------------------------------------------------------------------------------------------

void TQvStringGrid::HideSpecialControl(TWinControl* AControl) {
    if (!AControl) return;
    // The grid takes the focus before its editor goes, so that Qt does not hand it to some other window;
    // a focus already on its way to another control goes on there.
    if (AControl->Focused() && CanFocus()) SetFocus();
    AControl->SetVisible(false);
    AControl->SetEnabled(false);
}

void TQvStringGrid::HideEditorControl(int ACol, int ARow) {
    if (IsDestroying()) return;
    FSpecialEditor = false;
    ScopedValue<bool> blockKill(FBlockKill, true);
    const int realCol = RealColIndex(ACol);
    FStartEditChar = QChar();
    const bool cancelled = FEditCancelled;
    FEditCancelled = false;
    if (IsSpinKind(EditControl)) {
        HideSpinControl(realCol, ARow, !cancelled);
    } else if (EditControl == edComboEdit || EditControl == edComboList) {
        if (EditMode) {
            EditMode = false;
            if (EditCombo) {
                // A list combo cannot show a text that is none of its items: after Escape the cell's own text
                // stays rather than the item the combo shows.
                if (!cancelled) SetEditCellText(realCol, ARow, EditCombo->Text());
                HideSpecialControl(EditCombo);
            }
        }
    } else if (EditControl == edCheckBox) {
        HideCheckControl(realCol, ARow);
    } else if (!IsTextEditorKind(EditControl) && EditControl != edDataCheckBox && EditControl != edNone) {
        EditMode = false;
    }
    EditCtrl = nullptr;
    if (EditControl != edNormal && FEditActive) DoEditingDone(realCol, ARow);
    FEditActive = false;
}

void TQvStringGrid::HideSpinControl(int ARealCol, int ARow, bool Store) {
    EditMode = false;
    TGridSpin* spin = FEditSpin;
    if (!spin) return;
    if (!Store) {
        // Escape: the cell keeps exactly its text, also one that reads as no number.
    } else if (spin->AllowEmptyValue() && Trim(spin->Text()).isEmpty()) {
        SetCellEx(ARealCol, ARow, String());
    } else {
        switch (EditControl) {
        case edSpinEdit:
            SetInts(ARealCol, ARow, spin->Value());
            break;
        case edFloatSpinEdit:
            SetFloats(ARealCol, ARow, spin->FloatValue());
            break;
        case edTimeSpinEdit:
            SetEditCellText(ARealCol, ARow, spin->Text());
            break;
        default:
            SetDates(ARealCol, ARow, spin->DateValue());
            break;
        }
    }
    HideSpecialControl(spin);
}

void TQvStringGrid::HideCheckControl(int ARealCol, int ARow) {
    EditMode = false;
    TGridCheckBox* check = EditCheck;
    if (!check) return;
    // The state the person set is stored; a state left as it opened keeps the cell's text as it is.
    if (check->Visible() && check->Checked() != check->OpenedChecked()) {
        String value;
        if (check->Checked())
            GetCheckTrue(ARealCol, ARow, value);
        else
            GetCheckFalse(ARealCol, ARow, value);
        SetEditCellText(ARealCol, ARow, value);
    }
    HideSpecialControl(check);
}
