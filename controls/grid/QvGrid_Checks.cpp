// The string grid's check boxes, radio groups and radio buttons: adding, states, toggling and hit tests.
#include "controls/grid/QvGrid.h"

namespace {

constexpr TCellTypes kCheckBoxKinds = CellTypeFlag(ctCheckBox) | CellTypeFlag(ctDataCheckBox) |
                                      CellTypeFlag(ctVirtCheckBox) | CellTypeFlag(ctRowCheckBox) |
                                      CellTypeFlag(ctTriStateCheckBox);
constexpr TCellTypes kDataCheckBoxKinds =
    CellTypeFlag(ctDataCheckBox) | CellTypeFlag(ctVirtCheckBox) | CellTypeFlag(ctRowCheckBox);

bool CheckKindIsBox(TCellType t) {
    return (kCheckBoxKinds & CellTypeFlag(t)) != 0;
}

TCellVAlign CheckVAlignFor(TVAlignment va) {
    switch (va) {
    case vtaCenter:
        return vaCenter;
    case vtaBottom:
        return vaBottom;
    default:
        return vaTop;
    }
}

} // namespace

// Adding and removing
// --------------------------------------------------------------------------------------------

void TQvStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data) {
    if (ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw Exception("Invalid cell");
    CreateCellGraphic(ACol, ARow)->SetCheckBox(State, Data, true, haBeforeText, CheckVAlignFor(FVAlignment));
    if (Data) {
        const String text = Cells(ACol, ARow);
        if (text != FCheckTrue && text != FCheckFalse) SetCells(ACol, ARow, State ? FCheckTrue : FCheckFalse);
    }
}

void TQvStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State) {
    if (ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw Exception("Invalid cell");
    CreateCellGraphic(ACol, ARow)->SetCheckBox(State, true, haBeforeText, CheckVAlignFor(FVAlignment));
}

void TQvStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox) {
    const int first = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r) {
        if (IsSummary(r)) continue;
        if (IsNode(r))
            AddCheckBox(ACol, r, cbUnchecked);
        else
            AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    }
}

void TQvStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State) {
    const int first = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r)
        AddCheckBox(ACol, r, State);
}

void TQvStringGrid::RemoveCheckBox(int ACol, int ARow) {
    const TCellType kind = GetCellType(ACol, ARow);
    if (kind != ctCheckBox && kind != ctDataCheckBox && kind != ctTriStateCheckBox) return;
    // The graphic frees an attached balloon with itself.
    RemoveCellGraphic(ACol, ARow);
}

void TQvStringGrid::RemoveCheckBoxColumn(int ACol) {
    const int first = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r)
        if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

void TQvStringGrid::AddRadioButton(int ACol, int ARow, bool State) {
    if (ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw Exception("Invalid cell");
    CreateCellGraphic(ACol, ARow)->SetRadioButton(State, true, haBeforeText, CheckVAlignFor(FVAlignment));
}

void TQvStringGrid::AddRadioButtonColumn(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r)
        AddRadioButton(ACol, r, false);
}

void TQvStringGrid::RemoveRadioButton(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctRadioButton);
}

void TQvStringGrid::RemoveRadioButtonColumn(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (HasRadioButton(ACol, r)) RemoveRadioButton(ACol, r);
}

void TQvStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    graphic->CellType = ctRadio;
    graphic->CellBitmap = sl;
    graphic->CellAngle = sl ? sl->Count() : 0;
    graphic->CellBoolean = DirRadio != 0;
    graphic->CellIndex = IdxRadio;
}

TStrings* TQvStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio) {
    auto* items = new TStringList();
    AddRadio(ACol, ARow, DirRadio, IdxRadio, items);
    GetCellGraphic(ACol, ARow)->CellCreated = true;
    return items;
}

// Queries and states
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::HasCheckBox(int ACol, int ARow) {
    return HasCellGraphicType(ACol, ARow, kCheckBoxKinds);
}

bool TQvStringGrid::HasDataCheckBox(int ACol, int ARow) {
    return HasCellGraphicType(ACol, ARow, kDataCheckBoxKinds);
}

TCellGraphic* TQvStringGrid::StateGraphic(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return nullptr;
    if (const TGridItem* item = HiddenRowItem(ARow)) {
        const TStringList* saved = item->Items();
        const auto* props =
            ACol < saved->Count() ? dynamic_cast<const TCellProperties*>(saved->Objects(ACol)) : nullptr;
        return props ? dynamic_cast<TCellGraphic*>(props->GraphicObject()) : nullptr;
    }
    return GetCellGraphic(ACol, DisplRowIndex(ARow));
}

bool TQvStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State) {
    TCheckBoxState state = cbUnchecked;
    const TCellGraphic* graphic = StateGraphic(ACol, ARow);
    if (!graphic || graphic->CellType == ctTriStateCheckBox) return false;
    if (!GetCheckBoxState(ACol, ARow, state)) return false;
    State = state == cbChecked;
    return true;
}

bool TQvStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State) {
    const TCellGraphic* graphic = StateGraphic(ACol, ARow);
    if (!graphic) return false;
    String checkTrue;
    switch (graphic->CellType) {
    case ctCheckBox:
        State = BoolToCheckBoxState(graphic->CellBoolean);
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        GetCheckTrue(ACol, DisplRowIndex(ARow), checkTrue);
        State = BoolToCheckBoxState(AllCells(ACol, ARow) == checkTrue);
        return true;
    case ctRowCheckBox:
        // The shared row box is set up from the row selection when it is looked up.
        if (ACol != 0) return false;
        State = BoolToCheckBoxState(RowSelect(ARow));
        return true;
    case ctTriStateCheckBox:
        State = graphic->CellCheckBoxState;
        return true;
    default:
        return false;
    }
}

bool TQvStringGrid::IsChecked(int ACol, int ARow) {
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TQvStringGrid::SetCheckBoxState(int ACol, int ARow, bool State) {
    TCellGraphic* graphic = StateGraphic(ACol, ARow);
    if (!graphic) return false;
    String text;
    switch (graphic->CellType) {
    case ctCheckBox:
        graphic->CellBoolean = State;
        if (!IsHiddenRow(ARow)) RepaintCell(DisplColIndex(ACol), DisplRowIndex(ARow));
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        if (State)
            GetCheckTrue(ACol, DisplRowIndex(ARow), text);
        else
            GetCheckFalse(ACol, DisplRowIndex(ARow), text);
        SetAllCells(ACol, ARow, text);
        return true;
    case ctRowCheckBox:
        if (ACol != 0) return false;
        SetRowSelect(ARow, State);
        return true;
    default:
        return false;
    }
}

bool TQvStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State) {
    TCellGraphic* graphic = StateGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctTriStateCheckBox) return false;
    graphic->CellCheckBoxState = State;
    if (!IsHiddenRow(ARow)) RepaintCell(DisplColIndex(ACol), DisplRowIndex(ARow));
    return true;
}

bool TQvStringGrid::ChangeCheckBoxState(int ACol, int ARow, bool State) {
    const int real = RealRowIndex(ARow);
    const TCellGraphic* graphic = StateGraphic(ACol, real);
    if (!graphic) return false;
    bool before = false;
    switch (graphic->CellType) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        if (graphic->CellType == ctRowCheckBox && ACol != 0) return false;
        GetCheckBoxState(ACol, real, before);
        SetCheckBoxState(ACol, real, State);
        if (before != State) DoCheckBoxChange(ACol, ARow, State);
        return true;
    default:
        return false;
    }
}

void TQvStringGrid::CheckAll(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r)
        ChangeCheckBoxState(ACol, r, true);
    if (FNumHiddenColumns > 0) Invalidate();
}

void TQvStringGrid::UnCheckAll(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r)
        ChangeCheckBoxState(ACol, r, false);
}

bool TQvStringGrid::ToggleCellCheckBox(int ACol, int ARow, bool EditCheck) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || !CheckKindIsBox(graphic->CellType)) return false;
    if (EditCheck && !FControlLook->CheckAlwaysActive()) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit) return false;
    }
    bool newState = false;
    String checkTrue, checkFalse, oldText;
    const TCheckBoxState oldTri = graphic->CellCheckBoxState;
    switch (graphic->CellType) {
    case ctCheckBox:
        graphic->CellBoolean = !graphic->CellBoolean;
        newState = graphic->CellBoolean;
        break;
    case ctTriStateCheckBox:
        if (FGrouping->AutoCheckGroup() && IsNode(ARow)) {
            graphic->CellCheckBoxState = graphic->CellCheckBoxState == cbChecked ? cbUnchecked : cbChecked;
            newState = graphic->CellCheckBoxState == cbChecked;
        } else {
            graphic->CellCheckBoxState = graphic->CellCheckBoxState == cbUnchecked ? cbGrayed
                                         : graphic->CellCheckBoxState == cbGrayed  ? cbChecked
                                                                                   : cbUnchecked;
        }
        break;
    case ctRowCheckBox:
        // The row box shows the row selection; the text of column 0 is the row's own data.
        if (ACol != 0 || ARow < FixedRows()) return false;
        newState = !graphic->CellBoolean;
        SetRowSelect(RealRowIndex(ARow), newState);
        RepaintCell(0, ARow);
        DoCheckBoxChange(ACol, ARow, newState);
        return true;
    default:
        GetCheckTrue(ACol, ARow, checkTrue);
        GetCheckFalse(ACol, ARow, checkFalse);
        oldText = Cells(ACol, ARow);
        newState = oldText != checkTrue;
        SetCells(ACol, ARow, newState ? checkTrue : checkFalse);
        break;
    }
    RepaintCell(DisplColIndex(ACol), ARow);
    DoCheckBoxChange(ACol, ARow, newState);
    if (FGrouping->AutoCheckGroup()) AutoCheckGroupRows(ACol, ARow, newState);
    if (TQvGridUndoRedo* undo = UndoRedo()) {
        // A box that keeps its state itself is restored as a state: its cell text is not the state.
        if (graphic->CellType == ctCheckBox)
            undo->RegisterCheckStateChange(ACol, ARow, BoolToCheckBoxState(newState),
                                           BoolToCheckBoxState(!newState));
        else if (graphic->CellType == ctTriStateCheckBox)
            undo->RegisterCheckStateChange(ACol, ARow, graphic->CellCheckBoxState, oldTri);
        else
            undo->RegisterChange(ACol, ARow, Cells(ACol, ARow), oldText);
    }
    return true;
}

void TQvStringGrid::SetCellCheckState(int ACol, int ARow, int State) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return;
    if (graphic->CellType == ctCheckBox)
        graphic->CellBoolean = State == cbChecked;
    else if (graphic->CellType == ctTriStateCheckBox)
        graphic->CellCheckBoxState = static_cast<TCheckBoxState>(State);
    else
        return;
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool TQvStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || (!CheckKindIsBox(graphic->CellType) && graphic->CellType != ctRadioButton)) return false;
    if (!FMouseActions->PreciseCheckBoxCheck()) return true;
    const int s = FControlLook->CheckSize();
    const TRect r = CellRect(DisplColIndex(ACol), ARow);
    int top = r.Top + 2;
    if (graphic->CellVAlign == vaBottom)
        top = r.Bottom - s - 2;
    else if (graphic->CellVAlign == vaCenter)
        top = r.Top + (r.Bottom - r.Top - s) / 2;
    TAlignment halign = taLeftJustify;
    if (const TCellProperties* props = PropsAt(ACol, ARow)) halign = props->Alignment();
    TVAlignment valign = FVAlignment;
    DoGetAlignment(ACol, ARow, halign, valign);
    int left = r.Left + 2;
    if (halign == taRightJustify) {
        left = r.Right - s - 2;
        const String text = Cells(ACol, ARow);
        if (!text.isEmpty()) left -= Canvas()->TextWidth(text);
    } else if (halign == taCenter) {
        left = r.Left + (r.Right - r.Left - s) / 2;
    }
    return XPos >= left && XPos < left + s && YPos >= top && YPos < top + s;
}

// Radio buttons and groups
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::IsRadioButtonChecked(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && graphic->CellType == ctRadioButton && graphic->CellBoolean;
}

bool TQvStringGrid::SetRadioButtonState(int ACol, int ARow, bool State) {
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic || graphic->CellType != ctRadioButton) return false;
    if (graphic->CellBoolean != State) {
        graphic->CellBoolean = State;
        RepaintCell(DisplColIndex(base.X), base.Y);
    }
    return true;
}

void TQvStringGrid::SetRadioButtonColumnIndex(int ACol, int Index) {
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetRadioButtonState(ACol, r, r == Index);
}

int TQvStringGrid::GetRadioButtonColumnIndex(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r)) return r;
    return -1;
}

bool TQvStringGrid::SelectRadioButton(int ACol, int ARow, bool EditCheck) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctRadioButton) return false;
    if (EditCheck && !FControlLook->CheckAlwaysActive()) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit) return false;
    }
    if (!graphic->CellBoolean) {
        graphic->CellBoolean = true;
        RepaintCell(DisplColIndex(ACol), ARow);
        for (int r = 0; r < RowCount(); ++r) {
            if (r == ARow) continue;
            TCellGraphic* other = GetCellGraphic(ACol, r);
            if (other && other->CellType == ctRadioButton && other->CellBoolean) {
                other->CellBoolean = false;
                RepaintCell(DisplColIndex(ACol), r);
            }
        }
    }
    return true;
}

bool TQvStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    IdxRadio = graphic->CellIndex;
    return graphic->CellType == ctRadio;
}

// CellIndex of another kind is its padding, image, colour or size: a radio index must not land there.
bool TQvStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctRadio) return false;
    graphic->CellIndex = IdxRadio;
    if (IdxRadio == -1) SetCells(ACol, ARow, String());
    RepaintCell(ACol, ARow);
    return true;
}

TStrings* TQvStringGrid::GetRadioStrings(int ACol, int ARow) {
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && graphic->CellType == ctRadio ? dynamic_cast<TStrings*>(graphic->CellBitmap) : nullptr;
}

void TQvStringGrid::SelectNextRadioItem(int ACol, int ARow, bool EditCheck) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctRadio) return;
    if (EditCheck && !FControlLook->RadioAlwaysActive()) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit) return;
    }
    const auto* items = dynamic_cast<const TStrings*>(graphic->CellBitmap);
    const int count = items ? items->Count() : 0;
    int next = graphic->CellIndex >= 0 ? graphic->CellIndex + 1
                                       : (items ? items->IndexOf(Cells(ACol, ARow)) + 1 : 0);
    if (next >= count) next = 0;
    if (graphic->CellIndex >= -1) graphic->CellIndex = next;
    graphic->CellVar = next;
    if (next < count) SetCells(ACol, ARow, items->Strings(next));
    RepaintCell(DisplColIndex(ACol), ARow);
}
