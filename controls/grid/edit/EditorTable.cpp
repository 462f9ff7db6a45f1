// The editor table and the steps of its entries: the spin, combo and check box editors.
#include "controls/grid/edit/EditorTable.h"

#include "controls/grid/QvGrid.h"
#include "controls/grid/QvUtil.h"
#include "controls/grid/edit/GridCheckBox.h"
#include "controls/grid/edit/GridCombo.h"
#include "controls/grid/edit/GridSpin.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/system/DateUtils.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>
#include <limits>

namespace {

// Shared steps
// --------------------------------------------------------------------------------------------

// The grid takes the focus before its editor goes, so that Qt does not hand it to some other window; a
// focus already on its way to another control goes on there.
void HideInCell(TWinControl* Control, const TEditorCell& Cell) {
    if (Control->Focused() && Cell.Grid->CanFocus()) Cell.Grid->SetFocus();
    Control->SetVisible(false);
    Control->SetEnabled(false);
}

// A hidden editor drops its window first, so that each showing starts from a fresh one.
template <class TEditor> void PlaceAnew(TWinControl* Control, const TEditorCell& Cell) {
    auto* editor = static_cast<TEditor*>(Control);
    editor->ReCreate();
    editor->SetBounds(Cell.Rect.Left, Cell.Rect.Top, Cell.Width, Cell.Height);
}

// The character typed on the cell that opened the editor lands after the editor has been filled.
void PostStartEditChar(TWinControl* Control, const TEditorCell& Cell) {
    const QChar ch = Cell.Grid->EditSession().StartEditChar;
    if (!ch.isNull()) PostMessage(Control, WM_CHAR, ch.unicode(), 0);
}

// Spin: edSpinEdit, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit
// --------------------------------------------------------------------------------------------

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

TWinControl* MakeSpin(TQvStringGrid& Grid) {
    auto* spin = new TGridSpin(&Grid);
    spin->SetVisible(false);
    spin->SetEnabled(false);
    spin->SetIsWinXP(Grid.IsXP());
    spin->SetParent(&Grid);
    return spin;
}

void FillSpin(TWinControl* Control, const TEditorCell& Cell) {
    auto* spin = static_cast<TGridSpin*>(Control);
    // The application sets the limits and steps for the cell before the value is read into them.
    Cell.Grid->DoGetEditorProp(Cell.RealCol, Cell.Row, nullptr);
    const String& text = Cell.Text;
    switch (Cell.Kind) {
    case edSpinEdit:
        spin->SetSpinType(sptNormal);
        spin->SetValue(LeadingSpinInt(text));
        break;
    case edFloatSpinEdit:
        spin->SetSpinType(sptFloat);
        spin->SetFloatValue(LeadingSpinFloat(CleanNumberText(text)));
        break;
    case edTimeSpinEdit:
        spin->SetText(text);
        spin->SetSpinType(sptTime);
        break;
    default: {
        TDateTime date = 0;
        if (Trim(text).isEmpty() || !TryStrToDate(Trim(text), date)) date = Now();
        spin->SetSpinType(sptDate);
        spin->SetDateValue(date);
        break;
    }
    }
}

void ShowSpin(TWinControl* Control, const TEditorCell& Cell) {
    auto* spin = static_cast<TGridSpin*>(Control);
    spin->Show();
    spin->SetEnabled(true);
    spin->SetColor(Cell.Color);
    spin->SetExcelStyleDecimalSeparator(Cell.Grid->ExcelStyleDecimalSeparator());
    if (spin->CanFocus()) spin->SetFocus();
    PostStartEditChar(spin, Cell);
    // A spin button painted in the cell was clicked: the editor opens with that step made.
    TGridEditSession& session = Cell.Grid->EditSession();
    if (session.SpinUpClick) spin->StepUp(false);
    if (session.SpinDnClick) spin->StepDown(false);
    session.SpinUpClick = session.SpinDnClick = false;
}

void StoreSpin(TWinControl* Control, const TEditorCell& Cell) {
    auto* spin = static_cast<TGridSpin*>(Control);
    TQvStringGrid* g = Cell.Grid;
    if (spin->AllowEmptyValue() && Trim(spin->Text()).isEmpty()) {
        g->SetCellEx(Cell.RealCol, Cell.Row, String());
        return;
    }
    switch (Cell.Kind) {
    case edSpinEdit:
        g->SetInts(Cell.RealCol, Cell.Row, spin->Value());
        break;
    case edFloatSpinEdit:
        g->SetFloats(Cell.RealCol, Cell.Row, spin->FloatValue());
        break;
    case edTimeSpinEdit:
        g->SetEditCellText(Cell.RealCol, Cell.Row, spin->Text());
        break;
    default:
        g->SetDates(Cell.RealCol, Cell.Row, spin->DateValue());
        break;
    }
}

// Combo: edComboEdit, edComboList
// --------------------------------------------------------------------------------------------

TWinControl* MakeCombo(TQvStringGrid& Grid) {
    auto* combo = new TGridCombo(&Grid);
    combo->SetVisible(false);
    combo->SetEnabled(false);
    combo->SetParent(&Grid);
    return combo;
}

void PlaceCombo(TWinControl* Control, const TEditorCell& Cell) {
    auto* combo = static_cast<TGridCombo*>(Control);
    combo->SetBounds(Cell.Rect.Left, Cell.Rect.Top, Cell.Width, Cell.Height);
    // The flat look goes first: taking it up gives the combo its parent's colour, and the cell's is meant.
    const TGridLook look = Cell.Grid->Look();
    const bool flat = look == glSoft || look == glVUR || look == glXP || look == glListView ||
                      look == glVista || look == glWin7 || look == glOffice2007;
    combo->SetFlat(flat);
    combo->SetEtched(flat);
    combo->SetColor(Cell.Color);
}

void FillCombo(TWinControl* Control, const TEditorCell& Cell) {
    auto* combo = static_cast<TGridCombo*>(Control);
    TQvStringGrid* g = Cell.Grid;
    const int comboIdx = g->EditSession().ComboIdx;
    const bool list = Cell.Kind == edComboList;
    combo->SetDropDownCount(g->ControlLook()->DropDownCount());
    g->DoGetEditorProp(Cell.RealCol, Cell.Row, nullptr);
    // The item list is the grid's, filled by the application just before the editor opens.
    combo->Items()->Assign(g->ComboItems());
    combo->SetEnabled(true);
    combo->SetDroppedDown(false);
    combo->SetStyle(list ? csDropDownList : csDropDown);
    combo->GridChoseItem = false;
    if (list) {
        combo->SetItemIndex(combo->Items()->IndexOf(g->GetCellEx(Cell.RealCol, Cell.Row)));
        if (combo->ItemIndex() < 0 && comboIdx == -1) {
            // A text that is no item: the grid chooses the edit text's item, else the first, and says so.
            const int index = combo->Items()->IndexOf(Cell.Text);
            combo->SetItemIndex(index >= 0 ? index : 0);
            combo->FireEditChange();
            combo->GridChoseItem = true;
        } else if (combo->ItemIndex() < 0) {
            combo->SetItemIndex(comboIdx);
        }
    } else {
        combo->SetText(Cell.Text);
        if (comboIdx != -1 && combo->ItemIndex() < 0) combo->SetItemIndex(comboIdx);
        combo->SetMaxLength(g->MaxComboLength());
    }
}

void ShowCombo(TWinControl* Control, const TEditorCell& Cell) {
    auto* combo = static_cast<TGridCombo*>(Control);
    TQvStringGrid* g = Cell.Grid;
    combo->Show();
    if (g->Navigation()->AutoComboDropSize())
        combo->SizeDropDownWidth();
    else if (combo->DropWidth() > 0)
        combo->SetDroppedWidth(combo->DropWidth());
    if (combo->CanFocus()) combo->SetFocus();
    TMouseActions* mouse = g->MouseActions();
    if (mouse->DirectComboDrop() || g->ControlLook()->DropDownAlwaysVisible()) combo->SetDroppedDown(true);
    if (mouse->DirectEdit() && mouse->DirectComboDrop()) {
        const TGridRect sel = g->Selection();
        g->DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
    }
    if (combo->GridChoseItem && combo->Items()->Count() > 0) {
        // The item the grid chose, as it shows in the combo.
        const int index = combo->ItemIndex();
        const String item = combo->Items()->Strings(index);
        if (g->OnComboChange) g->OnComboChange(g, Cell.RealCol, Cell.Row, index, item);
        if (g->OnComboObjectChange)
            g->OnComboObjectChange(g, Cell.RealCol, Cell.Row, index, item, combo->Items()->Objects(index));
    }
    PostStartEditChar(combo, Cell);
}

void StoreCombo(TWinControl* Control, const TEditorCell& Cell) {
    // A list combo cannot show a text that is none of its items, which is why Escape stores nothing: the
    // cell's own text stays rather than the item the combo shows.
    Cell.Grid->SetEditCellText(Cell.RealCol, Cell.Row, static_cast<TGridCombo*>(Control)->Text());
}

// Check box: edCheckBox
// --------------------------------------------------------------------------------------------

TWinControl* MakeCheck(TQvStringGrid& Grid) {
    auto* check = new TGridCheckBox(&Grid);
    check->SetVisible(false);
    check->SetParent(&Grid);
    return check;
}

void FillCheck(TWinControl* Control, const TEditorCell& Cell) {
    auto* check = static_cast<TGridCheckBox*>(Control);
    String checkTrue, checkFalse;
    Cell.Grid->GetCheckTrue(Cell.RealCol, Cell.Row, checkTrue);
    Cell.Grid->GetCheckFalse(Cell.RealCol, Cell.Row, checkFalse);
    const String stored = Trim(Cell.Text);
    // A cell holding a check text shows it as the state, not as a caption.
    check->SetCaption(stored == checkTrue || stored == checkFalse ? String() : Cell.Text);
    check->SetEnabled(true);
    check->Open(stored == checkTrue);
}

void ShowCheck(TWinControl* Control, const TEditorCell&) {
    Control->Show();
    if (Control->CanFocus()) Control->SetFocus();
}

void StoreCheck(TWinControl* Control, const TEditorCell& Cell) {
    auto* check = static_cast<TGridCheckBox*>(Control);
    // The state the person set is stored; a state left as it opened keeps the cell's text as it is.
    if (!check->Visible() || check->Checked() == check->OpenedChecked()) return;
    String value;
    if (check->Checked())
        Cell.Grid->GetCheckTrue(Cell.RealCol, Cell.Row, value);
    else
        Cell.Grid->GetCheckFalse(Cell.RealCol, Cell.Row, value);
    Cell.Grid->SetEditCellText(Cell.RealCol, Cell.Row, value);
}

// The table
// --------------------------------------------------------------------------------------------

const TEditorEntry kSpinEntry{.Make = MakeSpin,
                              .Place = PlaceAnew<TGridSpin>,
                              .Fill = FillSpin,
                              .Show = ShowSpin,
                              .Store = StoreSpin,
                              .Hide = HideInCell,
                              .OverCell = true,
                              .ClosesOnlyInEditMode = false};
const TEditorEntry kComboEntry{.Make = MakeCombo,
                               .Place = PlaceCombo,
                               .Fill = FillCombo,
                               .Show = ShowCombo,
                               .Store = StoreCombo,
                               .Hide = HideInCell,
                               .OverCell = true,
                               .ClosesOnlyInEditMode = true};
// The check box is no control a refused value's balloon could point at.
const TEditorEntry kCheckEntry{.Make = MakeCheck,
                               .Place = PlaceAnew<TGridCheckBox>,
                               .Fill = FillCheck,
                               .Show = ShowCheck,
                               .Store = StoreCheck,
                               .Hide = HideInCell,
                               .OverCell = false,
                               .ClosesOnlyInEditMode = false};

struct TEditorKindEntry {
    TEditorType Kind;
    const TEditorEntry* Entry;
};

const TEditorKindEntry kEditorTable[] = {
    {edSpinEdit, &kSpinEntry},     {edFloatSpinEdit, &kSpinEntry}, {edTimeSpinEdit, &kSpinEntry},
    {edDateSpinEdit, &kSpinEntry}, {edComboEdit, &kComboEntry},    {edComboList, &kComboEntry},
    {edCheckBox, &kCheckEntry},
};

} // namespace

const TEditorEntry* FindEditorEntry(TEditorType Kind) {
    for (const TEditorKindEntry& e : kEditorTable)
        if (e.Kind == Kind) return e.Entry;
    return nullptr;
}
