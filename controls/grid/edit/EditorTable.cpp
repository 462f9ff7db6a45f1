// The editor table and the steps of its entries: the spin, combo, check box, date, time, date-and-time,
// edit-button, unit and button editors.
#include "controls/grid/edit/EditorTable.h"

#include "controls/grid/QvGrid.h"
#include "controls/grid/QvRichEdit.h"
#include "controls/grid/QvUtil.h"
#include "controls/grid/edit/EditLink.h"
#include "controls/grid/edit/GridButton.h"
#include "controls/grid/edit/GridCheckBox.h"
#include "controls/grid/edit/GridCombo.h"
#include "controls/grid/edit/GridDatePicker.h"
#include "controls/grid/edit/GridDropDownEditors.h"
#include "controls/grid/edit/GridEditBtn.h"
#include "controls/grid/edit/GridSpin.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/system/DateUtils.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>
#include <limits>

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

// Over the cell, keeping its window: the native pickers and edits are dear to make, and every opening fills
// them anew.
static void PlaceOverCell(TWinControl* Control, const TEditorCell& Cell) {
    Control->SetBounds(Cell.Rect.Left, Cell.Rect.Top, Cell.Width, Cell.Height);
}

// The character typed on the cell that opened the editor lands after the editor has been filled.
void PostStartEditChar(TWinControl* Control, const TEditorCell& Cell) {
    const QChar ch = Cell.Grid->EditSession().StartEditChar;
    if (!ch.isNull()) PostMessage(Control, WM_CHAR, ch.unicode(), 0);
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

namespace {

// Spin: edSpinEdit, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit
// --------------------------------------------------------------------------------------------

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

// A new control of the grid, hidden until an edit opens it.
template <class TEditor> TWinControl* MakeHidden(TQvStringGrid& Grid) {
    auto* editor = new TEditor(&Grid);
    editor->SetVisible(false);
    editor->SetEnabled(false);
    editor->SetParent(&Grid);
    return editor;
}

// Shown with the cell's colour and the focus.
void ShowFocused(TWinControl* Control, const TEditorCell& Cell) {
    Control->Show();
    Control->SetEnabled(true);
    Control->SetColor(Cell.Color);
    if (Control->CanFocus()) Control->SetFocus();
}

// The same, with the character that opened it.
void ShowFocusedWithChar(TWinControl* Control, const TEditorCell& Cell) {
    ShowFocused(Control, Cell);
    PostStartEditChar(Control, Cell);
}

// Date and time: edDateEdit, edDateEditUpDown, edTimeEdit
// --------------------------------------------------------------------------------------------

// The date a date cell opens on: the application's reading when it has one, else the cell's date (and
// time); now for an empty or unreadable text. A date outside the picker's range opens at the limit it
// passed, one at a limit as itself.
TDateTime OpeningDate(const TEditorCell& Cell, const TDateTimePicker& Picker) {
    TDateTime d = Now();
    const String text = Trim(Cell.Text);
    if (!text.isEmpty()) {
        TDateTime read = 0;
        if (Cell.Grid->OnCustomStrToDate)
            Cell.Grid->OnCustomStrToDate(Cell.Grid, Cell.Text, d);
        else if (TryCellTextToDateTime(text, read))
            d = read;
    }
    if (Picker.MaxDate() != 0 && d > Picker.MaxDate()) d = Picker.MaxDate();
    if (Picker.MinDate() != 0 && d < Picker.MinDate()) d = Picker.MinDate();
    return d;
}

void FillDate(TWinControl* Control, const TEditorCell& Cell) {
    auto* picker = static_cast<TGridDatePicker*>(Control);
    Cell.Grid->DoGetEditorProp(Cell.RealCol, Cell.Row, nullptr);
    // The native picker redoes its fields on every kind or mode it is given: only changes are given.
    const TDateTimeKind kind = Cell.Kind == edTimeEdit ? dtkTime : dtkDate;
    if (picker->Kind() != kind) picker->SetKind(kind);
    if (kind == dtkTime) {
        TDateTime t = 0;
        picker->SetDateTime(TryStrToTime(Trim(Cell.Text), t) ? t : Now());
        return;
    }
    const TDTDateMode mode = Cell.Kind == edDateEditUpDown ? dmUpDown : dmComboBox;
    if (picker->DateMode() != mode) picker->SetDateMode(mode);
    picker->SetDateTime(OpeningDate(Cell, *picker));
}

void ShowDate(TWinControl* Control, const TEditorCell& Cell) {
    auto* picker = static_cast<TGridDatePicker*>(Control);
    ShowFocusedWithChar(picker, Cell);
    if (Cell.Kind == edDateEdit && Cell.Grid->MouseActions()->DirectDateDrop()) picker->SetDroppedDown(true);
}

void StoreDate(TWinControl* Control, const TEditorCell& Cell) {
    auto* picker = static_cast<TGridDatePicker*>(Control);
    Cell.Grid->SetEditCellText(Cell.RealCol, Cell.Row, picker->Checked() ? picker->Text() : String());
}

void HideDate(TWinControl* Control, const TEditorCell& Cell) {
    static_cast<TGridDatePicker*>(Control)->SetDroppedDown(false);
    HideInCell(Control, Cell);
}

// Date and time: edDateTimeEdit
// --------------------------------------------------------------------------------------------

void PlaceDateTime(TWinControl* Control, const TEditorCell& Cell) {
    auto* picker = static_cast<TGridDateTimePicker*>(Control);
    picker->SetBounds(Cell.Rect.Left, Cell.Rect.Top, Cell.Width, std::max(Cell.Height, picker->Height()));
}

void FillDateTime(TWinControl* Control, const TEditorCell& Cell) {
    auto* picker = static_cast<TGridDateTimePicker*>(Control);
    picker->SetKind(dkDateTime);
    picker->SetBorderStyle(bsNone);
    Cell.Grid->DoGetEditorProp(Cell.RealCol, Cell.Row, nullptr);
    TDateTime d = 0;
    picker->Open(TryCellTextToDateTime(Cell.Text, d) ? d : Now());
}

void StoreDateTime(TWinControl* Control, const TEditorCell& Cell) {
    auto* picker = static_cast<TGridDateTimePicker*>(Control);
    Cell.Grid->SetEditCellText(Cell.RealCol, Cell.Row,
                               picker->Checked() ? CellDateTimeText(picker->DateTime()) : String());
}

// Edit with a button: edEditBtn, edNumericEditBtn, edFloatEditBtn, edMaskEditBtn
// --------------------------------------------------------------------------------------------

TWinControl* MakeEditBtn(TQvStringGrid& Grid) {
    auto* edit = static_cast<TGridEditBtn*>(MakeHidden<TGridEditBtn>(Grid));
    edit->SetIsWinXP(Grid.IsXP());
    return edit;
}

void FillEditBtn(TWinControl* Control, const TEditorCell& Cell) {
    auto* edit = static_cast<TGridEditBtn*>(Control);
    edit->SetEditMask(Cell.Kind == edMaskEditBtn ? Cell.Grid->CellEditMask(Cell.RealCol, Cell.Row)
                                                 : String());
    edit->SetText(Cell.Text);
    edit->SetMaxLength(Cell.Grid->MaxEditLength());
}

// As the text editor opens: the whole text selected (so that the character that opened it replaces it), or
// the caret after it.
template <class TEditor> void ShowEditWithChar(TWinControl* Control, const TEditorCell& Cell) {
    auto* edit = static_cast<TEditor*>(Control);
    ShowFocused(edit, Cell);
    if (Cell.Grid->Navigation()->EditSelectAll())
        edit->SelectAll();
    else
        edit->SetSelStart(int(edit->Text().size()));
    PostStartEditChar(edit, Cell);
}

void StoreEditBtn(TWinControl* Control, const TEditorCell& Cell) {
    Cell.Grid->SetEditCellText(Cell.RealCol, Cell.Row, static_cast<TGridEditBtn*>(Control)->Text());
}

// Value and unit: edUnitEditBtn, edNumericUnitEditBtn, edFloatUnitEditBtn
// --------------------------------------------------------------------------------------------

TWinControl* MakeUnitEdit(TQvStringGrid& Grid) {
    auto* edit = static_cast<TGridUnitEditBtn*>(MakeHidden<TGridUnitEditBtn>(Grid));
    edit->SetIsWinXP(Grid.IsXP());
    return edit;
}

void FillUnitEdit(TWinControl* Control, const TEditorCell& Cell) {
    auto* edit = static_cast<TGridUnitEditBtn*>(Control);
    edit->SetMaxLength(Cell.Grid->MaxEditLength());
    // The application gives the cell's units first, so that the text splits by them.
    Cell.Grid->DoGetEditorProp(Cell.RealCol, Cell.Row, nullptr);
    edit->Open(Cell.Text);
}

void StoreUnitEdit(TWinControl* Control, const TEditorCell& Cell) {
    Cell.Grid->SetEditCellText(Cell.RealCol, Cell.Row,
                               static_cast<TGridUnitEditBtn*>(Control)->TextAndUnit());
}

// Button: edButton
// --------------------------------------------------------------------------------------------

// The button covers the cell's lines too.
void PlaceButton(TWinControl* Control, const TEditorCell& Cell) {
    auto* button = static_cast<TGridButton*>(Control);
    button->ReCreate();
    button->SetBounds(Cell.Rect.Left - 1, Cell.Rect.Top - 1, Cell.Width + 2, Cell.Height + 2);
}

void FillButton(TWinControl* Control, const TEditorCell& Cell) {
    Control->SetCaption(Cell.Text);
}

void ShowButton(TWinControl* Control, const TEditorCell&) {
    Control->Show();
    Control->SetEnabled(true);
    if (Control->CanFocus()) Control->SetFocus();
}

// The button writes its value when it is clicked, not when it closes.
void StoreNothing(TWinControl*, const TEditorCell&) {}

// Rich text: edRichEdit
// --------------------------------------------------------------------------------------------

TWinControl* MakeRich(TQvStringGrid& Grid) {
    auto* rich = static_cast<TQvRichEdit*>(MakeHidden<TQvRichEdit>(Grid));
    TQvStringGrid* g = &Grid;
    rich->OnSelectionChange = [g](TObject*) {
        if (g->OnRichEditSelectionChange) g->OnRichEditSelectionChange(g);
    };
    rich->OnChange = [rich](TObject*) { rich->GrowRowToText(); };
    return rich;
}

// The editor keeps its window between openings, as a new text-edit window costs more than the rest of an
// opening. Loading the cell replaces the whole document, which drops the last opening's text, formats and
// undo history, and placing the caret afterwards resets the selection and scrolls to it.
void FillRich(TWinControl* Control, const TEditorCell& Cell) {
    auto* rich = static_cast<TQvRichEdit*>(Control);
    Cell.Grid->DoGetEditorProp(Cell.RealCol, Cell.Row, nullptr);
    // Loading the cell's text is no typing: the row keeps its height until the editor shows.
    rich->Lock();
    rich->SetWordWrap(Cell.Grid->WordWrap());
    Cell.Grid->CellToRich(Cell.RealCol, Cell.Row, rich);
    if (Cell.Grid->Navigation()->EditSelectAll())
        rich->SelectAll();
    else
        rich->SetSelStart(int(rich->PlainText().size()));
}

void ShowRich(TWinControl* Control, const TEditorCell& Cell) {
    ShowFocusedWithChar(Control, Cell);
    static_cast<TQvRichEdit*>(Control)->Unlock();
}

void StoreRich(TWinControl* Control, const TEditorCell& Cell) {
    auto* rich = static_cast<TQvRichEdit*>(Control);
    Cell.Grid->SetEditCellText(Cell.RealCol, Cell.Row, Cell.Grid->RichToString(rich));
}

// Custom: edCustom, the application's control through the cell's editor link
// --------------------------------------------------------------------------------------------

// The link makes, places, fills and shows its control in one go; without a link the cell opens nothing.
void OpenLink(TWinControl*, const TEditorCell& Cell) {
    if (TEditLink* link = Cell.Grid->CellEditLink(Cell.RealCol, Cell.Row))
        link->Open(Cell.Grid, Cell.RealCol, Cell.Row, Cell.Rect, Cell.Color, Cell.Font, Cell.Text);
}

void NoStep(TWinControl*, const TEditorCell&) {}

void StoreLink(TWinControl*, const TEditorCell& Cell) {
    if (TEditLink* link = Cell.Grid->CellEditLink(Cell.RealCol, Cell.Row)) link->Store();
}

void HideLink(TWinControl*, const TEditorCell& Cell) {
    if (TEditLink* link = Cell.Grid->CellEditLink(Cell.RealCol, Cell.Row)) link->Close();
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

const TEditorEntry kDateEntry{.Make = MakeHidden<TGridDatePicker>,
                              .Place = PlaceOverCell,
                              .Fill = FillDate,
                              .Show = ShowDate,
                              .Store = StoreDate,
                              .Hide = HideDate,
                              .OverCell = true,
                              .ClosesOnlyInEditMode = false};
// The date-and-time picker is two controls; a refused value's balloon points at the cell.
const TEditorEntry kDateTimeEntry{.Make = MakeHidden<TGridDateTimePicker>,
                                  .Place = PlaceDateTime,
                                  .Fill = FillDateTime,
                                  .Show = ShowFocused,
                                  .Store = StoreDateTime,
                                  .Hide = HideInCell,
                                  .OverCell = false,
                                  .ClosesOnlyInEditMode = false};
const TEditorEntry kEditBtnEntry{.Make = MakeEditBtn,
                                 .Place = PlaceOverCell,
                                 .Fill = FillEditBtn,
                                 .Show = ShowEditWithChar<TGridEditBtn>,
                                 .Store = StoreEditBtn,
                                 .Hide = HideInCell,
                                 .OverCell = true,
                                 .ClosesOnlyInEditMode = true};
const TEditorEntry kUnitEditEntry{.Make = MakeUnitEdit,
                                  .Place = PlaceOverCell,
                                  .Fill = FillUnitEdit,
                                  .Show = ShowEditWithChar<TGridUnitEditBtn>,
                                  .Store = StoreUnitEdit,
                                  .Hide = HideInCell,
                                  .OverCell = true,
                                  .ClosesOnlyInEditMode = false};
const TEditorEntry kButtonEntry{.Make = MakeHidden<TGridButton>,
                                .Place = PlaceButton,
                                .Fill = FillButton,
                                .Show = ShowButton,
                                .Store = StoreNothing,
                                .Hide = HideInCell,
                                .OverCell = true,
                                .ClosesOnlyInEditMode = false};

const TEditorEntry kRichEntry{.Make = MakeRich,
                              .Place = PlaceOverCell,
                              .Fill = FillRich,
                              .Show = ShowRich,
                              .Store = StoreRich,
                              .Hide = HideInCell,
                              .OverCell = true,
                              .ClosesOnlyInEditMode = false};
// The link puts its control's value into the cell itself, and the control is the application's.
const TEditorEntry kLinkEntry{.Make = nullptr,
                              .Place = OpenLink,
                              .Fill = NoStep,
                              .Show = NoStep,
                              .Store = StoreLink,
                              .Hide = HideLink,
                              .OverCell = false,
                              .ClosesOnlyInEditMode = false};

struct TEditorKindEntry {
    TEditorType Kind;
    const TEditorEntry* Entry;
};

const TEditorKindEntry kEditorTable[] = {
    {edSpinEdit, &kSpinEntry},
    {edFloatSpinEdit, &kSpinEntry},
    {edTimeSpinEdit, &kSpinEntry},
    {edDateSpinEdit, &kSpinEntry},
    {edComboEdit, &kComboEntry},
    {edComboList, &kComboEntry},
    {edCheckBox, &kCheckEntry},
    {edDateEdit, &kDateEntry},
    {edDateEditUpDown, &kDateEntry},
    {edTimeEdit, &kDateEntry},
    {edDateTimeEdit, &kDateTimeEntry},
    {edEditBtn, &kEditBtnEntry},
    {edNumericEditBtn, &kEditBtnEntry},
    {edFloatEditBtn, &kEditBtnEntry},
    {edMaskEditBtn, &kEditBtnEntry},
    {edUnitEditBtn, &kUnitEditEntry},
    {edNumericUnitEditBtn, &kUnitEditEntry},
    {edFloatUnitEditBtn, &kUnitEditEntry},
    {edButton, &kButtonEntry},
    {edRichEdit, &kRichEntry},
    {edCustom, &kLinkEntry},
};

} // namespace

TQvStringGrid* EditorOwnerGrid(TComponent* Owner, const char* Editor) {
    auto* grid = dynamic_cast<TQvStringGrid*>(Owner);
    if (!grid)
        throw EInvalidGridOperation(String("The grid's %1 needs a string grid as its owner").arg(Editor));
    return grid;
}

void EndEditByKey(TQvStringGrid& Grid, Word& Key, TShiftState Shift) {
    if (Key == VK_TAB && (Grid.Options() & goTabs)) {
        Grid.HideInplaceEdit();
        Grid.SetFocus();
        Grid.AdvanceFromEditor(Shift & ssShift);
    } else {
        Grid.DoneInplaceEdit(Key, Shift);
    }
    Key = 0;
}

void CancelEditByKey(TQvStringGrid& Grid, Word& Key, TShiftState Shift) {
    Grid.EditSession().Cancel();
    Grid.DoneInplaceEdit(Key, Shift);
    Key = 0;
}

const TEditorEntry* FindEditorEntry(TEditorType Kind) {
    for (const TEditorKindEntry& e : kEditorTable)
        if (e.Kind == Kind) return e.Entry;
    return FindDropDownEditorEntry(Kind);
}
