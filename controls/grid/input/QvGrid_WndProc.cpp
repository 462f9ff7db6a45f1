// The string grid's window procedure: the editing-done message, combo notifications, the wheel (moving the
// selection, scrolling, zooming, a parent first) and middle-button panning with its dead zone and timer.
#include "controls/grid/HeaderDragButton.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/edit/GridCombo.h"
#include "controls/styles/QvStyleIF_Notifier.h"

#include "toolkit/controls/Timer.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <cmath>

namespace {
constexpr UINT kPanTimerID = 999;
constexpr int kPanInterval = 10;

// Rounds halves to even, as the grid's half-way row step does.
int WheelRoundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// The toolkit cursors that stand for the pan direction cursors.
TCursor PanCursorFor(int id) {
    switch (id) {
    case 8004:
    case 8001:
        return crSizeNS;
    case 8002:
    case 8003:
        return crSizeWE;
    case 8006:
    case 8007:
        return crSizeNWSE;
    case 8005:
    case 8008:
        return crSizeNESW;
    default:
        return crSizeAll;
    }
}
} // namespace

void TQvStringGrid::WndProc(TMessage& Message) {
    if (Message.Msg == WM_TIMER && Message.WParam == kGridTimerID) {
        WMTimer(Message);
        return;
    }
    if (Message.Msg == WM_OFFICETHEMECHANGED && FAutoThemeAdapt) ThemeAdapt();
    // 1.
    if (Message.Msg == WM_DESTROY) {
        if (FMouse.Pan.Timer) FMouse.Pan.Timer->SetEnabled(false);
        FMouse.Pan.Active = false;
    }
    // 2.
    if (IsDestroying()) {
        TBaseGrid::WndProc(Message);
        return;
    }
    // 3.
    FWheelSelection = Selection();

    // 4. An edit ended: its cell is reported once the closing code has returned.
    if (QvGrid::GridEditDoneMessage != 0 && Message.Msg == QvGrid::GridEditDoneMessage) {
        if (OnEditCellDone)
            OnEditCellDone(this, static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
        if (FMouseActions->EditOnDblClickOnly()) {
            HideInplaceEdit();
            SetOptions(Options() & ~goEditing);
        }
        return;
    }

    switch (Message.Msg) {
    case WM_CANCELMODE: // 5.
        if (FMouse.Move.Cursor == crDrag && (FGridState == gsColMoving || FGridState == gsRowMoving) &&
            EnhRowColMove()) {
            FMouse.Move.Cursor = crDefault;
            if (MoveButton) {
                MoveButton->SetEnabled(false);
                MoveButton->Hide();
            }
            HideMoveArrows();
            FGridState = gsNormal;
        }
        break;
    case WM_COMMAND: { // 11. - 15.
        auto* combo = reinterpret_cast<TComboBox*>(Message.LParam);
        const Word code = HIWORD(Message.WParam);
        if (combo && combo->Parent() == this) {
            if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) {
                // Fired once, with the real column, whichever notification came.
                const int idx = combo->ItemIndex();
                const String sel = idx < 0 ? combo->Text() : combo->Items()->Strings(idx);
                if (OnComboChange) OnComboChange(this, RealColIndex(Col()), Row(), idx, sel);
                if (OnComboObjectChange)
                    OnComboObjectChange(this, RealColIndex(Col()), Row(), idx, sel,
                                        idx < 0 ? nullptr : combo->Items()->Objects(idx));
            } else if (code == CBN_CLOSEUP) {
                // The combo editor's choice was reported when it was made; with DirectComboClose the
                // close of its list also ends the edit.
                if (combo == EditorControl(FEdit.EditControl, false) && FMouseActions->DirectComboClose() &&
                    FEdit.EditMode && FEdit.SpecialEditor) {
                    if (combo->ItemIndex() >= 0) combo->SetText(combo->Items()->Strings(combo->ItemIndex()));
                    const bool directEdit = FMouseActions->DirectEdit();
                    FMouseActions->SetDirectEdit(false);
                    try {
                        HideInplaceEdit();
                        if (CanFocus()) SetFocus();
                    } catch (...) {
                        FMouseActions->SetDirectEdit(directEdit);
                        throw;
                    }
                    FMouseActions->SetDirectEdit(directEdit);
                }
                DoComboCloseUp(Row(), RealColIndex(Col()));
            } else if (code == CBN_DROPDOWN) {
                DoComboDropDown(Row(), RealColIndex(Col()));
            }
        }
        return;
    }
    case WM_TIMER: // 16.
        if (Message.WParam == kPanTimerID) {
            if (FMouse.Pan.Active && FWheelMessage != 0 && IntelliPan() != ipNone) PanStep();
            return;
        }
        break;
    case WM_MBUTTONDOWN: // 17.
        if (FWheelMessage != 0 && !FMouse.Pan.Active && IntelliPan() != ipNone && RowCount() > FixedRows()) {
            StartPanning(TPoint(Message.XPos(), Message.YPos()));
            return;
        }
        if (FMouse.Pan.Active) EndPanning();
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
        // Any button or key ends panning and then does what it does.
        if (FMouse.Pan.Active) EndPanning();
        break;
    default:
        break;
    }

    // 18. The wheel.
    if (Message.Msg == FWheelMessage && FWheelMessage != 0 && !FMouse.Pan.Active) {
        WheelMessage(Message);
        return;
    }

    // 19. Dispatch: the grid's own handlers of the mouse and focus messages, then the toolkit's.
    const int before = Row();
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        WMLButtonDown(Message);
        break;
    case WM_LBUTTONUP:
        WMLButtonUp(Message);
        break;
    case WM_LBUTTONDBLCLK:
        WMLButtonDblClk(Message);
        break;
    case WM_RBUTTONDOWN:
        WMRButtonDown(Message);
        break;
    case WM_RBUTTONUP:
        WMRButtonUp(Message);
        break;
    case WM_SETFOCUS:
        WMSetFocus(Message);
        break;
    case WM_KILLFOCUS:
        WMKillFocus(Message);
        break;
    case CM_MOUSELEAVE:
        CMMouseLeave(Message);
        break;
    default:
        TBaseGrid::WndProc(Message);
        break;
    }
    if (Row() != before && FSyncGrid->SelectionRow()) SetRow(Row());
}

void TQvStringGrid::StartPanning(const TPoint& Origin) {
    MousePan& pan = FMouse.Pan;
    pan.PrevCursor = ShownMouseCursor();
    pan.CursorId = PanCursorIdFor(TPoint(0, 0));
    ShowMouseCursor(PanCursorFor(pan.CursorId));
    pan.Active = true;
    if (!pan.Timer) {
        pan.Timer = std::make_unique<TTimer>(nullptr);
        pan.Timer->SetInterval(kPanInterval);
        pan.Timer->OnTimer = [this](TObject*) { SendMessage(this, WM_TIMER, kPanTimerID, 0); };
    }
    pan.Timer->SetEnabled(true);
    pan.Origin = Origin;
    pan.HintWas = ShowHint();
    SetShowHint(false);
    PaintPanMarker();
}

void TQvStringGrid::EndPanning() {
    MousePan& pan = FMouse.Pan;
    if (pan.Timer) pan.Timer->SetEnabled(false);
    ShowMouseCursor(pan.PrevCursor);
    SetShowHint(pan.HintWas);
    pan.Active = false;
    pan.CursorId = 0;
    InvalidatePanMarker();
}

void TQvStringGrid::PanStep() {
    const TPoint d = PanDirection(FMouse.Pan.Origin, ScreenToClient(GetCursorPos()), IntelliPan());
    const int h = d.X, v = d.Y;

    // The current cell stays inside the data area.
    const int lastRow = RowCount() - FixedFooters() - 1;
    if (Row() < FixedRows() && FixedRows() <= lastRow) SetRow(FixedRows());
    if (Row() > lastRow && lastRow >= FixedRows()) SetRow(lastRow);
    const int lastCol = ColCount() - FixedRightCols() - 1;
    if (Col() > lastCol && lastCol >= FixedCols()) SetCol(lastCol);
    if (Col() < FixedCols() && FixedCols() < ColCount()) SetCol(FixedCols());

    if (FMouseActions->WheelAction() == waScroll) {
        if (h == -1 && LeftCol() > FixedCols()) {
            InvalidatePanMarker();
            SetLeftCol(LeftCol() - 1);
        }
        if (h == 1 && LeftCol() < ColCount() - VisibleColCount()) {
            InvalidatePanMarker();
            SetLeftCol(LeftCol() + 1);
        }
        if (v == -1 && TopRow() > FixedRows()) {
            InvalidatePanMarker();
            SetTopRow(TopRow() - 1);
        }
        if (v == 1 && TopRow() < RowCount() - VisibleRowCount()) {
            InvalidatePanMarker();
            SetTopRow(TopRow() + 1);
        }
    } else {
        if (h == -1 && Col() > FixedCols()) SetCol(Col() - 1);
        if (h == 1 && Col() < lastCol) SetCol(Col() + 1);
        if (v == -1 && Row() > FixedRows()) SetRow(Row() - 1);
        if (v == 1 && Row() < lastRow) SetRow(Row() + 1);
        InvalidatePanMarker();
    }
    FMouse.Pan.CursorId = PanCursorIdFor(d);
    ShowMouseCursor(PanCursorFor(FMouse.Pan.CursorId));
    PaintPanMarker();
    const TGridRect s = Selection();
    if (!(s == FWheelSelection)) DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
}

// The pan origin is marked by repainting its square; the grid paints no bitmap of its own there.
void TQvStringGrid::PaintPanMarker() {
    InvalidatePanMarker();
}

void TQvStringGrid::InvalidatePanMarker() {
    if (!HandleAllocated()) return;
    int c1 = -1, r1 = -1, c2 = -1, r2 = -1;
    const TPoint& o = FMouse.Pan.Origin;
    MouseToCell(o.X, o.Y, c1, r1);
    MouseToCell(o.X + 32, o.Y + 32, c2, r2);
    if (c1 < 0 || r1 < 0) return;
    if (c2 < 0) c2 = ColCount() - 1;
    if (r2 < 0) r2 = RowCount() - 1;
    InvalidateGridRect(TGridRect{c1, r1, c2, r2});
}

void TQvStringGrid::WheelMessage(TMessage& Message) {
    bool handled = true;
    const bool down = Message.WheelDelta() < 0;
    // 1. The parents are offered the wheel first; one that takes it leaves the grid the normal dispatch.
    if (Parent() && Parent()->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam) != 0) {
        TBaseGrid::WndProc(Message);
        return;
    }
    // 2. Zoom.
    if ((Message.Keys() & MK_CONTROL) && IntelliZoom()) {
        Zoom(down ? FWheelScrollLines : -FWheelScrollLines);
        AutoSizeCells(true, 4, 4);
        return;
    }
    // 3.
    if (!EnableWheel() || (FFixedRowAlways && RowCount() == 1)) return;
    // 4.
    int q = Row();
    int n = FMouseActions->WheelIncrement();
    if (n < 1) n = FWheelScrollLines;
    // 5.
    if (FMouseActions->WheelAction() == waScroll) {
        if (down) {
            if (TopRow() < RowCount() - VisibleRowCount() && TopRow() + n >= FixedRows())
                SetTopRow(std::min(TopRow() + n, std::max(FixedRows(), RowCount() - VisibleRowCount())));
        } else {
            if (TopRow() - n < FixedRows()) n = TopRow() - FixedRows();
            if (TopRow() > FixedRows() && TopRow() - n >= FixedRows()) SetTopRow(TopRow() - n);
        }
    } else {
        q = down ? Row() + n : Row() - n;
    }
    // 6.
    q = std::clamp(q, FixedRows(), std::max(FixedRows(), RowCount() - FixedFooters() - 1));
    if (Col() > ColCount() - 1 && Row() > RowCount() - 1)
        TCustomGrid::FocusCell(ColCount() - 1, RowCount() - 1, true);
    if (Col() < FixedCols() && FixedCols() < ColCount()) SetCol(FixedCols());
    if (Col() > ColCount() - 1) SetCol(ColCount() - 1);
    // 7.
    const int x = LeftCol();
    int d = 0;
    if (q >= 0 && q < RowCount()) {
        // A wheel that scrolls has painted its scroll above; the whole grid is repainted only when the
        // steps below move the selection or the view.
        const TGridRect before = Selection();
        const int beforeTop = TopRow();
        StartUpdate();
        try {
            const bool move = FMouseActions->WheelAction() == waMoveSelection;
            if (FMouseActions->DisjunctRowSelect() && move) ClearRowSelect();
            d = q - Row();
            if (move) SetRow(q);
            if (Row() != q) {
                SetRow(Row() + WheelRoundHalfEven((q - Row()) / 2.0));
                if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
            }
            if ((Options() & goRowSelect) && FNavigation->KeepHorizScroll()) SetLeftCol(x);
        } catch (...) {
            ResetUpdate();
            throw;
        }
        ResetUpdate();
        if (FMouseActions->WheelAction() == waMoveSelection || !(Selection() == before) ||
            TopRow() != beforeTop || LeftCol() != x)
            Invalidate();
    }
    // 8.
    WheelScrolled(d, handled);
    // 9.
    if ((FMouseActions->WheelIncrement() != 0 || FMouseActions->DisjunctRowSelect()) && handled) {
        Message.Result = 1;
        TShiftState shift = 0;
        TPoint pos;
        if (FMouseActions->DisjunctRowSelect()) {
            shift = KeyboardStateToShiftState();
            pos = TPoint(Message.XPos(), Message.YPos());
        }
        bool h = false;
        if (down && OnMouseWheelDown) OnMouseWheelDown(this, shift, pos, h);
        if (!down && OnMouseWheelUp) OnMouseWheelUp(this, shift, pos, h);
    }
    // 10.
    const TGridRect s = Selection();
    if (!(s == FWheelSelection)) DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
}

void TQvStringGrid::WheelScrolled(int, bool&) {}

bool TQvStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (FMouseActions->WheelAction() == waScroll || !EnableWheel()) {
        bool handled = false;
        if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
        return handled;
    }
    const bool direct = FMouseActions->DirectEdit();
    FMouseActions->SetDirectEdit(false);
    bool result = false;
    try {
        if ((Options() & goRowSelect) && FNavigation->KeepHorizScroll()) {
            const int left = LeftCol();
            StartUpdate();
            result = TBaseGrid::DoMouseWheelDown(Shift, MousePos);
            SetLeftCol(left);
            ResetUpdate();
        } else {
            const bool editing = FEdit.EditMode;
            result = TBaseGrid::DoMouseWheelDown(Shift, MousePos);
            if (editing && CanFocus()) SetFocus();
        }
    } catch (...) {
        FMouseActions->SetDirectEdit(direct);
        throw;
    }
    FMouseActions->SetDirectEdit(direct);
    return result;
}

bool TQvStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (FMouseActions->WheelAction() == waScroll || !EnableWheel()) {
        bool handled = false;
        if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
        return handled;
    }
    const bool direct = FMouseActions->DirectEdit();
    FMouseActions->SetDirectEdit(false);
    bool result = true;
    try {
        if ((Options() & goRowSelect) && FNavigation->KeepHorizScroll()) {
            const int left = LeftCol();
            StartUpdate();
            result = TBaseGrid::DoMouseWheelUp(Shift, MousePos);
            SetLeftCol(left);
            ResetUpdate();
        } else if (Row() < RowCount() && Col() < ColCount()) {
            const bool editing = FEdit.EditMode;
            result = TBaseGrid::DoMouseWheelUp(Shift, MousePos);
            if (editing && CanFocus()) SetFocus();
        }
    } catch (...) {
        FMouseActions->SetDirectEdit(direct);
        throw;
    }
    FMouseActions->SetDirectEdit(direct);
    return result;
}

void TQvStringGrid::DoDropDownHeaderButtonClick(TObject*, int ButtonIndex) {
    if (OnDropDownHeaderButtonClick) OnDropDownHeaderButtonClick(this, Col(), Row(), ButtonIndex);
}

void TQvStringGrid::DoDropDownFooterButtonClick(TObject*, int ButtonIndex) {
    if (OnDropDownFooterButtonClick) OnDropDownFooterButtonClick(this, Col(), Row(), ButtonIndex);
}
