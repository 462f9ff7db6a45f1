// The grid's in-place spin editor: keys, validation, focus and the spin-click events.
#include "controls/grid/edit/GridSpin.h"

#include "controls/grid/QvGrid.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/system/SysUtils.h"

TGridSpin::TGridSpin(TComponent* AOwner) : TQsgSpinEdit(AOwner) {
    FGrid = dynamic_cast<TQvStringGrid*>(AOwner);
    if (!FGrid) throw EInvalidGridOperation("The grid's spin editor needs a string grid as its owner");
    FSession = &FGrid->EditSession();
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
}

void TGridSpin::ReCreate() {
    if (HandleAllocated() && !Visible() && !Focused()) DestroyWidget();
}

LRESULT TGridSpin::DialogCode() const {
    // Enter and Escape belong to the editor, never to the form's default and cancel buttons.
    LRESULT code = TQsgSpinEdit::DialogCode() | DLGC_WANTALLKEYS;
    if (FGrid->Options() & goTabs) code |= DLGC_WANTTAB;
    return code;
}

void TGridSpin::FireSpinClick(bool Up) {
    TQvStringGrid* g = FGrid;
    const int col = g->RealCol();
    switch (SpinType()) {
    case sptNormal:
        if (g->OnSpinClick) g->OnSpinClick(g, col, g->Row(), Value(), Up);
        break;
    case sptFloat:
        if (g->OnFloatSpinClick) g->OnFloatSpinClick(g, col, g->Row(), FloatValue(), Up);
        break;
    case sptDate:
        if (g->OnDateSpinClick) g->OnDateSpinClick(g, col, g->Row(), DateValue(), Up);
        break;
    case sptTime:
        if (g->OnTimeSpinClick) g->OnTimeSpinClick(g, col, g->Row(), TimeValue(), Up);
        break;
    }
}

void TGridSpin::UpClick(TObject* Sender) {
    TQsgSpinEdit::UpClick(Sender);
    FireSpinClick(true);
}

void TGridSpin::DownClick(TObject* Sender) {
    TQsgSpinEdit::DownClick(Sender);
    FireSpinClick(false);
}

void TGridSpin::Change() {
    TQsgSpinEdit::Change();
    if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->RealCol(), FGrid->Row(), Text());
}

void TGridSpin::DoExit() {
    if (!FGrid->IsDestroying()) FGrid->HideInplaceEdit();
    TQsgSpinEdit::DoExit();
}

void TGridSpin::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_KEYDOWN) {
        const Word key = Message.CharCode();
        if (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) {
            // In a cell these keys follow the grid's rules (limits, leaving the cell); the spin's own
            // stepping must not move the value a second time.
            Word k = key;
            KeyDown(k, KeyboardStateToShiftState() & (ssShift | ssCtrl | ssAlt));
            Message.SetCharCode(0);
            Message.Result = 0;
            return;
        }
    }
    if (Message.Msg == WM_CHAR && (Message.CharCode() == '\t' || Message.CharCode() == '\r')) {
        Message.SetCharCode(0);
        Message.Result = 0;
        return;
    }
    TQsgSpinEdit::Dispatch(Message);
}

void TGridSpin::KeyPress(QChar& Key) {
    if (Key == QChar(27)) Key = QChar();
    if (Key == QChar('\r')) return;
    TQsgSpinEdit::KeyPress(Key);
}

void TGridSpin::LimitKey(Word Key) {
    if (SpinType() == sptNormal) {
        const int v = Value();
        if (Key == VK_PRIOR && v + Increment() <= MaxValue()) SetValue(v + Increment());
        if (Key == VK_NEXT && v - Increment() >= MinValue()) SetValue(v - Increment());
        if (Key == VK_END) SetValue(MinValue());
        if (Key == VK_HOME) SetValue(MaxValue());
    } else if (SpinType() == sptFloat) {
        const double v = FloatValue();
        if (Key == VK_PRIOR && v + IncrementFloat() <= MaxFloatValue()) SetFloatValue(v + IncrementFloat());
        if (Key == VK_NEXT && v - IncrementFloat() >= MinFloatValue()) SetFloatValue(v - IncrementFloat());
        if (Key == VK_END) SetFloatValue(MinFloatValue());
        if (Key == VK_HOME) SetFloatValue(MaxFloatValue());
    }
}

void TGridSpin::KeyDown(Word& Key, TShiftState Shift) {
    TQvStringGrid* g = FGrid;
    const bool limitKey = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME;
    if (limitKey) {
        LimitKey(Key);
        if (g->OnSpinClick) g->OnSpinClick(g, g->RealCol(), g->Row(), Value(), false);
    }
    // A Tab the editor does not claim is the form's: the focus moves on and takes the edit's end with it.
    const bool formTab = Key == VK_TAB && !(DialogCode() & DLGC_WANTTAB);
    if (formTab ||
        (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_UP && Key != VK_DOWN)) {
        TQsgSpinEdit::KeyDown(Key, Shift);
        return;
    }
    const bool escape = Key == VK_ESCAPE;
    const String original = g->OriginalCellValue();
    if (escape) {
        SetText(original);
        if (SpinType() == sptNormal) {
            Integer v = 0;
            if (TryStrToInt(Trim(original), v)) SetValue(v);
        } else if (SpinType() == sptFloat) {
            double v = 0;
            if (TryStrToFloat(original, v, DecimalSeparator())) SetFloatValue(v);
        }
    } else {
        g->SetCurrentCell(Text());
        if (!g->ValidateCell(Text())) {
            SetText(g->GetCurrentCellText());
            SetSelStart(int(Text().size()));
            Key = 0;
            FSession->RefuseAdvance();
            Invalidate();
            return;
        }
        SetText(g->GetCurrentCellText());
    }
    if (Key == VK_TAB && (g->Options() & goTabs)) {
        g->HideInplaceEdit();
        g->SetFocus();
        g->AdvanceFromEditor(Shift & ssShift);
        Key = 0;
        return;
    }
    // After Escape the cell keeps exactly the text it had, also one that reads as no number.
    if (escape) FSession->Cancel();
    g->DoneInplaceEdit(Key, Shift);
    TNavigation* nav = g->Navigation();
    if (nav->AdvanceOnEnter() && nav->AdvanceAutoEdit()) g->ShowInplaceEdit();
    Key = 0;
    TQsgSpinEdit::KeyDown(Key, Shift);
}
