// The left-button press on the string grid: what the press falls on decides who handles it, then the press
// hook extends the toolkit grid's own press (current cell, range selection, sizing and moving).
#include "controls/grid/QvGrid.h"
#include "controls/grid/input/InputEvents.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/graphics/ThemeDraw.h"
#include "toolkit/system/ScopedValue.h"

namespace {
// One modifier per press, in the order the grid gives them priority.
TShiftState PressModifier(TShiftState Shift) {
    if (Shift & ssAlt) return ssAlt;
    if (Shift & ssShift) return ssShift;
    if (Shift & ssCtrl) return ssCtrl;
    return 0;
}

TShiftState PressShiftOf(WPARAM keys) {
    TShiftState s = KeyboardStateToShiftState() & ssAlt;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    return s;
}

bool MousePointIn(const TRect& r, int X, int Y) {
    return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom;
}
} // namespace

// The selection handle: a 6-pixel square at the bottom corner of the selection's last cell.
TRect TQvStringGrid::SelectionHandleRect() {
    const TGridRect sel = Selection();
    TRect r = CellRect(sel.Right, sel.Bottom);
    if (r.IsEmpty()) return TRect();
    r.Top = r.Bottom - 6;
    if (BiDiMode() == bdLeftToRight)
        r.Left = r.Right - 6;
    else
        r.Right = r.Left + 6;
    return r;
}

// The handle copies the selection into the grid's own buffer: the release pastes it into the new selection,
// and the user's clipboard keeps what it held.
void TQvStringGrid::GrabSelectionHandle() {
    HandleDrag& handle = FMouse.Handle;
    handle.From = Selection();
    handle.Buffer = ClipDataOfRect(handle.From, false);
    handle.Active = true;
}

void TQvStringGrid::PasteHandleBuffer() {
    TClipData buffer;
    std::swap(buffer, FMouse.Handle.Buffer);
    if (buffer.IsEmpty()) return;
    ScopedValue<bool> fromHandle(FPasteFromHandle, true);
    PasteSelection(buffer, true);
}

// What the press falls on decides who takes it, in this order; a step that takes the press ends it.
void TQvStringGrid::WMLButtonDown(TMessage& Message) {
    PressEvent p = BeginPress(Message);
    if (SelectionResizer() && SelectionRectangle() && MousePointIn(SelectionHandleRect(), p.X, p.Y)) {
        TakeSelectionHandle(Message, p, false);
        return;
    }
    PressOutsideSelection(p);
    if (!PressAllowed(p)) return;
    if (FCellSelectorMode) {
        CellSelectorClick(p.Col, p.Row);
        return;
    }
    if (FMouse.SelectMode == msResize) {
        TakeSelectionHandle(Message, p, true);
        return;
    }
    NotePress(p);
    if (p.Col < 0 || p.Row < 0) {
        PressOutsideCells(Message);
        return;
    }
    AimAtBaseCell(p);
    if (FMouseActions->CaretPositioning()) FEdit.OpenedByClick = true;
    if (StartFixedBorderDrag(p)) return;
    PressFixedCell(p);
    if (PressNodeGlyph(p)) return;
    if (PressCellGraphic(p)) return;
    AimMergedPress(Message, p);
    if (p.Col >= ColCount() || p.Row >= RowCount()) {
        TBaseGrid::WndProc(Message);
        return;
    }
    NoteGrabOffset();
    if (PressDisjunctLines(Message, p)) return;
    if (PressAnchorOrControl(p)) return;
    PressHeaderSelection(p);
    NoteMoveCandidate(p);
    if (PressCheckBox(p)) return;
    if (PressInsideDragSelection(p)) return;
    PressCell(Message, p);
}

// The marks of a new press, the cell under it and the selection it found.
PressEvent TQvStringGrid::BeginPress(const TMessage& Message) {
    PressEvent p;
    p.X = Message.XPos();
    p.Y = Message.YPos();
    p.Shift = PressShiftOf(Message.Keys());
    FMouse.BeginPress();
    FEdit.SpinUpClick = FEdit.SpinDnClick = false;
    MouseToCell(p.X, p.Y, p.Col, p.Row);
    p.EntrySelection = Selection();
    return p;
}

// A press on the selection handle, or with the mouse resting on it, starts a handle drag. The toolkit's press
// (where it runs) may move the current cell: it goes back where it was, with the selection.
void TQvStringGrid::TakeSelectionHandle(TMessage& Message, const PressEvent& p, bool Resting) {
    if (!Resting) FGridState = gsSelecting;
    GrabSelectionHandle();
    const int col = Col(), row = Row();
    const bool handOn = !(Options() & goEditing) && (Resting || !FMouseActions->RangeSelectAndEdit());
    if (handOn) TBaseGrid::WndProc(Message);
    if (!Resting) SetSelection(p.EntrySelection);
    TCustomGrid::FocusCell(col, row, false);
    SetSelection(p.EntrySelection);
    MouseMove(0, p.X, p.Y);
    if (!Resting) Message.Result = 1;
}

// A press outside the selection selects rather than edits.
void TQvStringGrid::PressOutsideSelection(const PressEvent& p) {
    if ((Options() & goEditing) && FMouseActions->RangeSelectAndEdit() &&
        !p.EntrySelection.Contains(p.Col, p.Row))
        SetOptions(Options() & ~goEditing);
}

// The application may refuse the press altogether.
bool TQvStringGrid::PressAllowed(const PressEvent& p) {
    bool allow = true;
    if (OnCanClickCell) OnCanClickCell(this, p.Row, p.Col, allow);
    return allow;
}

// The press's modifier, the marks it resets, and where it fell: the grabbed cell is the one whose border a
// press beside it would take.
void TQvStringGrid::NotePress(PressEvent& p) {
    p.Shift = PressModifier(p.Shift);
    const int c = p.Col, r = p.Row;
    if (FMouseActions->DisjunctCellSelect() && !(p.Shift & ssCtrl) && c >= 0 && r >= 0 && !IsFixed(c, r)) {
        ClearSelectedCells();
        Invalidate();
    }
    FSearchInc.clear();
    FMouse.Move.TargetCol = FMouse.Move.TargetRow = -1;
    MousePress& press = FMouse.Press;
    press.SelectionClick = false;
    press.PushedButton = TPoint(-1, -1);
    press.LeftCol = LeftCol();
    press.TopRow = TopRow();
    TPoint& grabbed = press.Grabbed;
    if (r == 0)
        MouseToCell(p.X - 5, p.Y, grabbed.X, grabbed.Y);
    else if (c == 0)
        MouseToCell(p.X, p.Y - 4, grabbed.X, grabbed.Y);
    else
        MouseToCell(p.X - 5, p.Y - 4, grabbed.X, grabbed.Y);
    if (grabbed.X >= 0 && grabbed.Y >= 0)
        press.GrabbedSize = TPoint(ColWidths(grabbed.X), RowHeights(grabbed.Y));
    press.At = TPoint(p.X, p.Y);
    p.PosFixed = c >= 0 && r >= 0 && (r < FixedRows() || c < FixedCols());
}

void TQvStringGrid::PressOutsideCells(TMessage& Message) {
    HideInplaceEdit();
    if (!FFixedRowAlways) TBaseGrid::WndProc(Message);
}

// A merged cell is pressed as its base cell.
void TQvStringGrid::AimAtBaseCell(PressEvent& p) {
    const TPoint base = BaseCell(p.Col, p.Row);
    p.Col = base.X;
    p.Row = base.Y;
    p.CellRect = CellRect(p.Col, p.Row);
    p.RealCol = RealColIndex(p.Col);
}

// A press on a fixed border that may be dragged starts its drag; the release applies the size.
bool TQvStringGrid::StartFixedBorderDrag(const PressEvent& p) {
    if (!FMouse.ColBorder.Over && !FMouse.RowBorder.Over) return false;
    const bool cols = FMouse.ColBorder.Over;
    FixedBorderDrag& border = cols ? FMouse.ColBorder : FMouse.RowBorder;
    border.Sizing = true;
    border.Pos = cols ? p.X : p.Y;
    if (!IsDesigning()) {
        const int index = cols ? FixedColBorderAt(p.X) : FixedRowBorderAt(p.Y);
        if (index >= 0) border.Index = index;
    }
    Invalidate();
    return true;
}

// A fixed cell closes the editor; drawn as a button, it is pushed.
void TQvStringGrid::PressFixedCell(PressEvent& p) {
    const int c = p.Col, r = p.Row;
    if (p.PosFixed || IsFixed(c, r)) HideInplaceEdit();
    p.VirtFixed = IsFixed(c, r) && !p.PosFixed;
    // A node's glyph in a fixed column is the node's own button: the cell is not pushed under it.
    if ((r < FixedRows() || c < FixedCols() || p.VirtFixed) && FixedAsButtons() &&
        (Options() & goFixedVertLine) && (Options() & goFixedHorzLine) &&
        !(IsNode(r) && IsOverNodeGlyph(r, p.X))) {
        FMouse.Press.PushedFixedRect = p.CellRect;
        FMouse.Press.PushedButton = TPoint(c, r);
        FMouse.Press.FixedCellPushed = true;
        RepaintCell(c, r);
    }
}

// Graphics that take the press themselves; true when one did.
bool TQvStringGrid::PressCellGraphic(const PressEvent& p) {
    if (IsDesigning()) return false;
    NoteSpinButtonPress(p);
    return PressCellScrollBar(p) || PressRadioGroup(p) || PressNodeColumn(p) || PressRating(p) ||
           PressCellButton(p);
}

// A cell's own scroll bar: its arrows move the text 10 pixels, its track a page of 100, within the text's
// height; the cell keeps the position and OnScrollCell reports it.
bool TQvStringGrid::PressCellScrollBar(const PressEvent& p) {
    TCellGraphic* bar = GetCellGraphic(p.RealCol, p.Row);
    if (!bar || bar->CellType != ctScrollbar) return false;
    const int page = bar->CellAngle, range = bar->CellErrFrom;
    if (page >= range) return false;
    // The bar lies where the cell painter put it: at the right edge of the cell within its lines.
    const int lw = GridLineWidth();
    const TRect r = p.CellRect;
    const TRect cell(r.Left + lw, r.Top + lw, r.Right - lw, r.Bottom - lw);
    const int width = std::min(SystemScrollBarWidth(), std::max(0, cell.Width()));
    const TRect area(cell.Right - width, cell.Top, cell.Right, cell.Bottom);
    if (!area.Contains(TPoint(p.X, p.Y))) return false;
    const int max = std::max(0, range - std::max(page, 0));
    int pos = std::clamp(bar->CellIndex, 0, max);
    switch (VertScrollBarPartAt(area, range, page, pos, TPoint(p.X, p.Y))) {
    case sbpLineUp:
        pos -= 10;
        break;
    case sbpLineDown:
        pos += 10;
        break;
    case sbpPageUp:
        pos -= 100;
        break;
    case sbpPageDown:
        pos += 100;
        break;
    default:
        return true; // the thumb and the bar's edges take the press without scrolling
    }
    pos = std::clamp(pos, 0, max);
    if (pos != bar->CellIndex) {
        bar->CellIndex = pos;
        RepaintCell(p.Col, p.Row);
        DoScrollCell(p.RealCol, p.Row, pos, 0, max);
    }
    return true;
}

// The half of an always-visible spin button the press fell on; the spin editor reads it.
void TQvStringGrid::NoteSpinButtonPress(const PressEvent& p) {
    const TRect& R = p.CellRect;
    if (FControlLook->SpinButtonsAlwaysVisible() && HasSpinEdit(p.RealCol, p.Row) && p.X > R.Right - 18) {
        if (p.Y > R.Top + (R.Bottom - R.Top) / 2)
            FEdit.SpinDnClick = true;
        else
            FEdit.SpinUpClick = true;
    }
}

bool TQvStringGrid::PressRadioGroup(const PressEvent& p) {
    if (!IsRadio(p.RealCol, p.Row) || !(IsEditable(p.RealCol, p.Row) || FControlLook->RadioAlwaysActive()))
        return false;
    HideInplaceEdit();
    RadioGroupClick(p.RealCol, p.Row, p.X - p.CellRect.Left, p.Y - p.CellRect.Top);
    if (CanFocus()) SetFocus();
    return true;
}

// Beside the glyphs the node column is the outline's margin: the press is reported and selects nothing.
bool TQvStringGrid::PressNodeColumn(const PressEvent& p) {
    if (p.Col != 0 || p.Row < FixedRows() || FNumNodes <= 0 || FMouseActions->RowSelect() ||
        (Options() & goRowSizing))
        return false;
    if (OnMouseDown) OnMouseDown(this, mbLeft, p.Shift, p.X, p.Y);
    if (OnClickCell) OnClickCell(this, p.Row, p.Col);
    return true;
}

// A rating takes half steps per 9 pixels; the press ends here, allowed or not.
bool TQvStringGrid::PressRating(const PressEvent& p) {
    if (!HasRating(p.RealCol, p.Row) || !IsEditable(p.RealCol, p.Row)) return false;
    HideInplaceEdit();
    double v = static_cast<int>((p.X - p.CellRect.Left) / 9.0) / 2.0;
    if (DoRatingChange(p.RealCol, p.Row, v)) {
        SetFloats(p.RealCol, p.Row, v);
        RepaintCell(p.Col, p.Row);
    }
    return true;
}

// A cell button or expand button makes its cell current; pressed on the button itself, it is held down
// until the release.
bool TQvStringGrid::PressCellButton(const PressEvent& p) {
    const int c = p.Col, r = p.Row, realCol = p.RealCol;
    const bool button = HasButton(realCol, r);
    if (!button && GetCellType(realCol, r) != ctExpand) return false;
    HideInplaceEdit();
    if (!IsFixed(realCol, r)) {
        FForceSel = true;
        SelectCell(c, r);
        TCustomGrid::FocusCell(c, r, true);
        FForceSel = false;
    }
    const TRect br = button ? GetCellButtonRect(c, r) : GetExpandButtonRect(realCol, r);
    if (!MousePointIn(br, p.X, p.Y)) return false;
    if (button) PushButton(c, r, true);
    FMouse.Press.PushedButton = TPoint(c, r);
    if (OnClickCell) OnClickCell(this, r, c);
    return true;
}

// A press on a node's glyph contracts an expanded node and expands a contracted one, as the handlers allow;
// in a fixed row it expands or contracts every node and the press goes on.
bool TQvStringGrid::PressNodeGlyph(const PressEvent& p) {
    const int r = p.Row;
    if (IsDesigning() || p.Col != 0 || !IsNode(r) || !IsOverNodeGlyph(r, p.X)) return false;
    if (r < FixedRows()) {
        if (FMouseActions->NodeAllExpandContract()) {
            TCellGraphic* g = GetCellGraphic(0, r);
            const bool contracted = g->CellBoolean;
            if (contracted)
                ExpandAll();
            else
                ContractAll();
            if (TCellGraphic* after = GetCellGraphic(0, r)) after->CellBoolean = !contracted;
        }
        return false;
    }
    if (OnMouseDown) OnMouseDown(this, mbLeft, KeyboardStateToShiftState(), p.X, p.Y);
    if (OnClickCell) OnClickCell(this, r, 0);
    const int realRow = RealRowIndex(r);
    bool allow = true;
    if (!NodeState(r)) {
        if (OnBeforeContractNode) OnBeforeContractNode(this, r, realRow, allow);
        if (allow) {
            ContractNode(realRow);
            if (OnContractNode) OnContractNode(this, r, realRow);
        }
    } else {
        if (OnBeforeExpandNode) OnBeforeExpandNode(this, r, realRow, allow);
        if (allow) {
            ExpandNode(realRow);
            if (OnExpandNode) OnExpandNode(this, r, realRow);
        }
    }
    if (FMouseActions->MoveRowOnNodeClick()) SetRowEx(realRow);
    return true;
}

// A press in a merged cell selects its base cell.
void TQvStringGrid::AimMergedPress(TMessage& Message, const PressEvent& p) {
    if (IsMergedCell(p.Col, p.Row) && !IsFixed(p.Col, p.Row) && !OnMouseDown)
        Message.LParam = MAKELPARAM(p.CellRect.Left + 2, p.CellRect.Top + 2);
}

// Where the press fell relative to the bottom-right corner of the grabbed cell: a sizing drag measures from
// it.
void TQvStringGrid::NoteGrabOffset() {
    MousePress& press = FMouse.Press;
    if (press.Grabbed.X >= 0 && press.Grabbed.Y >= 0) {
        const TRect g = CellRect(press.Grabbed.X, press.Grabbed.Y);
        press.GrabOffset = TPoint(press.At.X - g.Right, press.At.Y - g.Bottom);
    } else {
        press.GrabOffset = press.At;
    }
}

// Disjunct rows and columns; true when a Shift press extended the selection over whole rows.
bool TQvStringGrid::PressDisjunctLines(TMessage& Message, const PressEvent& p) {
    const int c = p.Col, r = p.Row;
    MousePress& press = FMouse.Press;
    if (FMouseActions->DisjunctRowSelect() && r >= FixedRows() &&
        (c != 0 || !FMouseActions->HotmailRowSelect())) {
        if (p.Shift & ssShift) {
            TBaseGrid::WndProc(Message);
            const TGridRect& entry = p.EntrySelection;
            SetSelection(TGridRect{std::min(c, entry.Left), std::min(r, entry.Top), std::max(c, entry.Left),
                                   std::max(r, entry.Top)});
            return true;
        }
        if ((p.Shift & ssCtrl) || FMouseActions->DisjunctRowSelectNoCtrl()) {
            const int row = FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r;
            if (RowSelect(row)) press.DeselectOnRelease = true;
        } else {
            press.ClearedDisjunct = true;
            if (!(p.Shift & ssAlt)) ClearRowSelect();
        }
    }
    if (FMouseActions->DisjunctColSelect() && c >= FixedCols()) {
        if (p.Shift & ssCtrl) {
            if (ColSelect(c)) press.DeselectOnRelease = true;
        } else {
            press.ClearedDisjunct = true;
            ClearColSelect();
        }
    }
    return false;
}

// A press on the corner, a row header or a column header selects all, whole rows or whole columns in the
// hover mode the mouse showed.
void TQvStringGrid::PressHeaderSelection(const PressEvent& p) {
    const int c = p.Col, r = p.Row;
    const TGridRect& entry = p.EntrySelection;
    if (c < FixedCols() && r < FixedRows() && FMouseActions->AllSelect() && (Options() & goRangeSelect) &&
        FMouse.SelectMode == msAll) {
        if (CanFocus()) SetFocus();
        HideSelection();
        const TGridRect all{FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1};
        SelectAllHook(all);
        SetSelection(all);
        FSelHidden = false;
        DoExit();
    }
    if (c < FixedCols() && r >= FixedRows() && FMouseActions->RowSelect() && FMouse.SelectMode == msRow) {
        if (FEdit.EditMode && CanFocus()) SetFocus();
        HideSelection();
        if (FMouseActions->DisjunctCellSelect()) ClearSelectedCells();
        TGridRect s{FixedCols(), r, ColCount() - 1, r};
        if (p.Shift & ssShift) {
            s.Top = std::min(r, entry.Top);
            s.Bottom = std::max(r, entry.Top);
        }
        SetSelection(s);
        FSelHidden = false;
        DoExit();
        FMouse.SelectStart = r;
    }
    if (c >= FixedCols() && r < FixedRows() && FMouseActions->ColSelect() && (Options() & goRangeSelect) &&
        FMouse.SelectMode == msColumn) {
        if (CanFocus()) SetFocus();
        HideSelection();
        if (FMouseActions->DisjunctCellSelect()) ClearSelectedCells();
        TGridRect s{c, FixedRows(), c, RowCount() - 1};
        if (p.Shift & ssShift) {
            if (c < entry.Left) {
                s.Left = c;
                s.Right = entry.Right;
            } else {
                s.Left = entry.Left;
                s.Right = c;
            }
        }
        SetSelection(s);
        FSelHidden = false;
        DoExit();
        FMouse.SelectStart = c;
    }
}

// The header column or row a move would take, and where in its cell the press fell.
void TQvStringGrid::NoteMoveCandidate(const PressEvent& p) {
    HeaderMove& move = FMouse.Move;
    move.Cell = -1;
    if (p.Col >= FixedCols() && p.Row < FixedRows())
        move.Cell = p.Col;
    else if (p.Col < FixedCols() && p.Row >= FixedRows())
        move.Cell = p.Row;
    move.Offset = TPoint(p.X - p.CellRect.Left, p.Y - p.CellRect.Top);
}

// Check boxes and radio buttons take the press where editing allows; true when one did.
bool TQvStringGrid::PressCheckBox(PressEvent& p) {
    const int c = p.Col, r = p.Row, realCol = p.RealCol;
    p.CanEdit = (Options() & goEditing) || FMouseActions->RangeSelectAndEdit();
    CanEditCell(realCol, r, p.CanEdit);
    const bool rowBox = c == 0 && FMouseActions->HotmailRowSelect();
    if (!(p.CanEdit || FControlLook->CheckAlwaysActive() || rowBox) ||
        !(HasCheckBox(realCol, r) || HasRadioButton(realCol, r)) || !IsInCheckBox(realCol, r, p.X, p.Y))
        return false;
    HideInplaceEdit();
    if (CanFocus()) SetFocus();
    const int realRow = RealRowIndex(r);
    bool changed;
    if (HasRadioButton(realCol, r)) {
        changed = SelectRadioButton(realCol, r, true);
        if (OnRadioButtonClick) OnRadioButtonClick(this, realCol, r);
    } else {
        // The row box of column 0 is the row selection itself: toggled below, not twice.
        changed = rowBox || ToggleCellCheckBox(realCol, r, !FControlLook->CheckAlwaysActive());
    }
    if (FShowModified->Enabled()) {
        SetRowModified(r, true);
        RepaintCell(0, r);
    }
    if (rowBox) {
        SetSelection(TGridRect{FixedCols(), r, ColCount() - 1, r});
        SetRowSelect(realRow, !RowSelect(realRow));
        if (realRow != r) RepaintCell(0, r);
        if (r == Row() && !RowSelect(realRow)) {
            HideSelection();
            FSelHidden = false;
        }
    }
    bool state = false;
    GetCheckBoxState(realCol, realRow, state);
    if (rowBox) state = RowSelect(realRow);
    if (!FNavigation->AlwaysEdit() && r >= FixedRows() && c >= FixedCols())
        TCustomGrid::FocusCell(c, r, true);
    if (changed) DoCheckBoxClick(c, r, state);
    if (HideFocusRect()) RepaintCell(c, r);
    if (r < FixedRows() && FMouseActions->CheckAllCheck()) {
        for (int row = FixedRows(); row < RowCount(); ++row) {
            if (FMouseActions->HotmailRowSelect())
                SetRowSelect(RealRowIndex(row), state);
            else
                SetCheckBoxState(realCol, RealRowIndex(row), state);
        }
        Invalidate();
    }
    if (OnMouseDown) OnMouseDown(this, mbLeft, KeyboardStateToShiftState(), p.X, p.Y);
    TControl::Click();
    return true;
}

// Every other cell: the toolkit's press makes it current or starts a range selection, the cell event
// fires, and the editor opens where the mouse options ask for it.
void TQvStringGrid::PressCell(TMessage& Message, PressEvent& p) {
    AimEditorByPress(p);
    if (p.VirtFixed) {
        if (!(p.Row == RowCount() - 1 && FFloatingFooter->Visible() &&
              FFloatingFooter->FooterStyle() == fsFixedLastRow) &&
            OnClickCell)
            OnClickCell(this, p.Row, p.Col);
        return;
    }
    HandOnCellPress(Message, p);
    ReportCellPress(p);
    if (OnSizingBorderNear(p.CellRect, p.X)) return;
    if (p.OpenEditor && !HasInCellControl(p.RealCol, p.Row)) OpenEditorByPress(p);
    if (FMouse.Press.EditingRemoved) FGridState = gsSelecting;
}

// Whether the press opens the editor, and whether it falls on the current cell; off the current cell, a
// press on a cell that may not be edited takes editing away and selects.
void TQvStringGrid::AimEditorByPress(PressEvent& p) {
    const int c = p.Col, r = p.Row;
    const bool normal = c >= FixedCols() && r >= FixedRows();
    p.HasCombo = normal && FControlLook->DropDownAlwaysVisible() && HasComboBox(p.RealCol, r);
    p.OpenEditor = normal && (p.CanEdit || (FMouseActions->EditOnDblClickOnly() && p.HasCombo)) &&
                   (FMouseActions->DirectEdit() || (FControlLook->DropDownAlwaysVisible() && p.HasCombo));
    if (p.OpenEditor) {
        HideInplaceEdit();
        if (CanFocus()) SetFocus();
    }
    p.OnCurrent = MousePointIn(CellRect(c, r), p.X, p.Y) && Selection() == TGridRect{c, r, c, r};
    if (!p.OnCurrent && FMouseActions->RangeSelectAndEdit() && !IsFixed(c, r) && !p.CanEdit) {
        SetOptions(Options() & ~goEditing);
        FMouse.Press.EditingRemoved = true;
    }
}

// The toolkit's press, without AlwaysEdit (the press opens the editor itself); with KeepHorizScroll in
// row-select mode the left column stays.
void TQvStringGrid::HandOnCellPress(TMessage& Message, const PressEvent& p) {
    const int c = p.Col, r = p.Row;
    const bool partial = r == TopRow() + VisibleRowCount() || c == LeftCol() + VisibleColCount() ||
                         (c == LeftCol() && LeftCol() > FixedCols());
    const bool keepLeft = (Options() & goRowSelect) && FNavigation->KeepHorizScroll();
    if (keepLeft) BeginUpdate();
    try {
        if (!FSelHidden) {
            const bool alwaysEdit = FNavigation->AlwaysEdit();
            FNavigation->SetAlwaysEdit(false);
            try {
                TBaseGrid::WndProc(Message);
            } catch (...) {
                FNavigation->SetAlwaysEdit(alwaysEdit);
                throw;
            }
            FNavigation->SetAlwaysEdit(alwaysEdit);
        }
        if (FGridState == gsSelecting && partial && FMouseActions->NoAutoRangeScroll()) FGridState = gsNormal;
        if (TopRow() != FMouse.Press.TopRow && FMouseActions->NoScrollOnPartialRow()) {
            SetTopRow(FMouse.Press.TopRow);
            Perform(WM_LBUTTONUP, 0, 0);
        }
    } catch (...) {
        if (keepLeft) {
            SetLeftCol(FMouse.Press.LeftCol);
            EndUpdate();
        }
        throw;
    }
    if (keepLeft) {
        SetLeftCol(FMouse.Press.LeftCol);
        EndUpdate();
    }
}

// The cell event (not for a header sizing press), the old-value snapshot for validation, and the editor
// of a merged cell.
void TQvStringGrid::ReportCellPress(const PressEvent& p) {
    const int c = p.Col, r = p.Row;
    const bool sizingPress =
        (Options() & goColSizing) && r < FixedRows() && OnSizingBorderNear(p.CellRect, p.X);
    if (!sizingPress && OnClickCell) OnClickCell(this, r, c);
    if (OnCellValidate) {
        FEdit.Entered = false;
        SaveOldCellText(Col(), Row());
    }
    if (IsMergedCell(c, r) && !IsFixed(c, r) && (p.OnCurrent || FMouseActions->DirectEdit()) && p.CanEdit)
        ShowInplaceEdit();
}

// Direct editing: the cell change is asked for, then the pressed cell opens its editor.
void TQvStringGrid::OpenEditorByPress(const PressEvent& p) {
    const int c = p.Col, r = p.Row;
    if (FMouseActions->EditOnDblClickOnly() && p.HasCombo && !(Options() & goEditing)) {
        SetOptions(Options() | goEditing);
        if (CanFocus()) SetFocus();
    }
    bool allowMove = true;
    if (Row() != r && OnRowChanging) OnRowChanging(this, Row(), r, allowMove);
    if (Col() != c && OnColChanging) OnColChanging(this, Col(), c, allowMove);
    if ((Row() != r || Col() != c) && OnCellChanging) OnCellChanging(this, Row(), Col(), r, c, allowMove);
    if (!allowMove) return;
    SetSelection(TGridRect{c, r, c, r});
    TCustomGrid::FocusCell(c, r, true);
    SaveOldCellText(Col(), Row());
    ShowInplaceEdit();
}

void TQvStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // 1.
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    const TGridRect before = Selection();

    // 2. Range selection and editing together.
    if (FMouseActions->RangeSelectAndEdit() && Button == mbLeft && !FMouseActions->EditOnDblClickOnly()) {
        if (c == Col() && r == Row() && !(Options() & goEditing) && c >= 0 && r >= 0 &&
            IsEditable(RealColIndex(c), r)) {
            SetOptions(Options() | goEditing);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            ShowInplaceEdit();
            return;
        }
        if ((c != Col() || r != Row()) && (Options() & goEditing) && (Shift & ssShift)) {
            SetOptions(Options() & ~goEditing);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            return;
        }
    }

    // 3. The fixed drop-down button (no menu here: the handler gets the click).
    if (c >= 0 && r >= 0 && FControlLook->FixedDropDownButton() && r < FixedRows()) {
        const TRect R = CellRect(c, r);
        const int w = (Options() & goColSizing) ? 2 : 0;
        if (X > R.Right - 16 && X < R.Right - w) {
            FMouse.Press.DropDownDown = true;
            bool keep = false;
            TPopupMenu* menu = nullptr;
            if (OnFixedDropDownClick) {
                FMouse.Hover.NoMouseLeave = true;
                OnFixedDropDownClick(this, c, r, menu, keep);
                FMouse.Hover.NoMouseLeave = keep;
                return;
            }
        }
    }

    // 4. The toolkit grid's own press.
    FEditStart = true;
    try {
        TBaseGrid::MouseDown(Button, Shift, X, Y);
    } catch (...) {
        FEditStart = false;
        throw;
    }
    FEditStart = false;

    // 5.
    if ((Shift & ssShift) && SelectionRectangle()) InvalidateGridRect(Selection());
    (void)before;

    // 6. Fixed cells edited by a click.
    if (c >= 0 && r >= 0 && (r < FixedRows() || c < FixedCols())) {
        TRect inner = CellRect(c, r);
        inner.Left += 4;
        inner.Top += 4;
        inner.Right -= 4;
        inner.Bottom -= 4;
        const bool inside = X > inner.Left && X < inner.Right && Y > inner.Top && Y < inner.Bottom;
        const TGridFixedCellEdit want = Button == mbLeft    ? fceLeftClick
                                        : Button == mbRight ? fceRightClick
                                                            : fceNone;
        const bool rowEdit = r < FixedRows() && FMouseActions->FixedRowsEdit() == want &&
                             (want != fceLeftClick || !(Options() & goColSizing) || inside);
        const bool colEdit = c < FixedCols() && FMouseActions->FixedColsEdit() == want &&
                             (want != fceLeftClick || !(Options() & goRowSizing) || inside);
        if (want != fceNone && (rowEdit || colEdit)) {
            FixedCellEdit(c, r);
            return;
        }
    }

    // 7. The synchronised grid follows.
    if (TQvStringGrid* other = FSyncGrid->Grid(); other && other != this) {
        if (FSyncGrid->SelectionColumn() && Col() < other->ColCount()) other->SetCol(Col());
        if (FSyncGrid->SelectionRow() && Row() < other->RowCount()) other->SetRow(Row());
    }
}

void TQvStringGrid::SelectAllHook(const TGridRect&) {}

void TQvStringGrid::RadioGroupClick(int ACol, int ARow, int dx, int dy) {
    TCanvas* canvas = Canvas();
    const int dc = DisplColIndex(ACol);
    canvas->SetFont(Font());
    DoGetCellColor(dc, ARow, 0, canvas->Brush(), canvas->Font());
    const TPoint b = BaseCell(dc, ARow);
    TCellGraphic* g = GetCellGraphic(RealColIndex(b.X), b.Y);
    TStrings* items = GetRadioStrings(RealColIndex(b.X), b.Y);
    if (!IsFixed(b.X, b.Y)) TCustomGrid::FocusCell(b.X, b.Y, true);
    if (!g || !items) return;
    const TControlStyle style = FControlLook->ControlStyle();
    const int spacing = style == csClassic || style == csFlat ? FControlLook->RadioSize() : 16;
    int sum = 0, prev = 0, hit = -1;
    const int itemHeight = std::max(spacing, canvas->TextHeight("gh"));
    for (int i = 0; i < items->Count() && hit < 0; ++i) {
        sum += g->CellBoolean ? canvas->TextWidth(items->Strings(i)) + spacing : itemHeight;
        const int at = g->CellBoolean ? dx : dy;
        if (prev < at && at < sum)
            hit = i;
        else
            prev = sum;
    }
    if (hit < 0) return;
    const int realCol = RealColIndex(b.X);
    if (g->CellIndex == -1)
        SetCells(realCol, b.Y, items->Strings(hit));
    else
        g->CellIndex = hit;
    SetCells(realCol, b.Y, Cells(realCol, b.Y));
    SetRadioIdx(realCol, b.Y, hit);
    if (OnRadioClick) OnRadioClick(this, b.X, b.Y, hit);
}
