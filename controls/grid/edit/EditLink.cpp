// The editor link: the grid's side of opening and closing an application's control in a cell, the keys
// that leave it, its pop-up and the message filter the grid puts in front of the control.
#include "controls/grid/edit/EditLink.h"

#include "controls/grid/QvGrid.h"
#include "toolkit/controls/PopupForm.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/system/RegisteredNames.h"

namespace {

// Posted to the link's pop-up: the control of a pop-up link goes only after the key or click that ended its
// edit has been handled, never while its own message is being delivered.
UINT DestroyEditorMessage() {
    static const UINT message = RegisterWindowMessage("TEditLinkDestroyEditor");
    return message;
}

bool IsLeavingKey(Word Key) {
    switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

TEditLink::~TEditLink() {
    if (FFiltered) {
        FFiltered->SetMessageFilter(nullptr);
        FFiltered->RemoveFreeNotification(this);
    }
    if (FOwner) FOwner->RemoveFreeNotification(this);
}

void TEditLink::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FFiltered) {
        FFiltered = nullptr;
        FSubClassed = false;
    }
    if (AComponent == FOwner) FOwner = nullptr;
    if (AComponent == FPopupForm) FPopupForm = nullptr;
}

// Opening and closing
// --------------------------------------------------------------------------------------------

TPopupForm* TEditLink::MakePopupForm() {
    if (FPopupForm) return FPopupForm;
    FPopupForm = new TPopupForm(this);
    FPopupForm->SetBorderStyle(bsNone);
    FPopupForm->SetFormStyle(fsStayOnTop);
    FPopupForm->SetDropShadow(false);
    FPopupForm->SetPopupParent(FOwner);
    FPopupForm->SetMessageFilter([this](TMessage& m) {
        // The pop-up loses the activation to a click outside it or another window coming up.
        if (m.Msg == WM_ACTIVATE && (m.WParam & 0xFFFF) == WA_INACTIVE) FormExit(FPopupForm);
        if (m.Msg != DestroyEditorMessage()) return false;
        DestroyEditor();
        return true;
    });
    return FPopupForm;
}

void TEditLink::Open(TQvStringGrid* AGrid, int ARealCol, int ARow, const TRect& R, TColor AColor,
                     const TFont* AFont, const String& Text) {
    AGrid->EditSession().EditMode = true;
    if (FOwner != AGrid) {
        if (FOwner) FOwner->RemoveFreeNotification(this);
        FOwner = AGrid;
        FOwner->FreeNotification(this);
    }
    FEditCell = TPoint(ARealCol, ARow);
    if (FEditStyle == esPopup) {
        if (FAutoPopupWidth) FPopupWidth = R.Right - R.Left;
        TPopupForm* form = MakePopupForm();
        form->SetPopupParent(FOwner);
        const TPoint at = FPopupLeft != -1 && FPopupTop != -1 ? TPoint(FPopupLeft, FPopupTop)
                                                              : FOwner->ClientToScreen(TPoint(R.Left, R.Top));
        form->Popup(TRect(at.X, at.Y, at.X + FPopupWidth, at.Y + FPopupHeight));
        CreateEditor(form);
        SetRect(TRect(0, 0, FPopupWidth, FPopupHeight));
    } else {
        CreateEditor(FOwner);
        SetRect(R);
    }
    SetVisible(true);
    SetCellProps(AColor, AFont);
    SetProperties();
    FOwner->DoGetEditorProp(ARealCol, ARow, this);
    SetEditorValue(Text);

    TGridEditSession& session = FOwner->EditSession();
    const QChar startChar = session.StartEditChar;
    SetFocus(true);
    session.EditActive = true;
    session.StartEditChar = startChar;
    TWinControl* control = GetEditControl();
    if (!startChar.isNull() && control) PostMessage(control, WM_CHAR, startChar.unicode(), 0);
    session.EditCtrl = control;
}

void TEditLink::Store() {
    if (FOwner) SetCellValue(GetEditorValue());
}

void TEditLink::Close() {
    if (FEditStyle != esPopup) SetVisible(false);
    RestoreWinProc();
}

// The grid's protocol
// --------------------------------------------------------------------------------------------

void TEditLink::SetFocus(bool Value) {
    TWinControl* control = GetEditControl();
    if (!control || !FOwner) return;
    if (Value) {
        if (!control->Visible()) control->SetVisible(true);
        if (!control->Enabled()) control->SetEnabled(true);
    }
    if (!FSubClassed) {
        control->SetMessageFilter([this](TMessage& m) { return ControlMessage(m); });
        FFiltered = control;
        control->FreeNotification(this);
        FSubClassed = true;
    }
    if (Value) {
        if (control->CanFocus()) control->SetFocus();
    } else if (FOwner->CanFocus()) {
        FOwner->SetFocus();
    }
}

bool TEditLink::ControlMessage(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        // The control's own answer, with the arrows, Tab and characters wanted when the grid keeps Tab.
        FFiltered->WndProc(Message);
        if (FOwner && (FOwner->Options() & goTabs))
            Message.Result |= DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
        return true;
    }
    if (Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN) {
        Word key = Message.CharCode();
        EditKeyDown(FFiltered, key, KeyboardStateToShiftState() & (ssShift | ssCtrl | ssAlt));
        if (key == 0) {
            Message.Result = 0;
            return true;
        }
        Message.SetCharCode(key);
    }
    return false;
}

void TEditLink::SetRect(const TRect& R) {
    TWinControl* control = GetEditControl();
    if (!control) return;
    const int line = FOwner ? FOwner->GridLineWidth() : 0;
    control->SetBounds(R.Left, R.Top, R.Right - R.Left - line, R.Bottom - R.Top - line);
}

void TEditLink::SetVisible(bool Value) {
    if (TWinControl* control = GetEditControl()) control->SetVisible(Value);
}

void TEditLink::RestoreWinProc() {
    if (!FFiltered) return;
    FFiltered->SetMessageFilter(nullptr);
    FFiltered->RemoveFreeNotification(this);
    TWinControl* control = FFiltered;
    FFiltered = nullptr;
    FSubClassed = false;
    if (FEditStyle == esInplace) control->SetVisible(false);
}

TWinControl* TEditLink::GetParent() {
    if (FEditStyle == esPopup) return FPopupForm;
    return FOwner;
}

String TEditLink::GetCellValue() {
    if (!FOwner) return String();
    return FOwner->Cells(FOwner->RealCol(), FOwner->Row());
}

void TEditLink::SetCellValue(const String& Value) {
    if (FOwner) FOwner->SetEditCellText(FOwner->RealCol(), FOwner->Row(), Value);
}

void TEditLink::HideEditor() {
    if (!FOwner) return;
    SetCellValue(GetEditorValue());
    FOwner->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::EditExit(TObject*) {
    HideEditor();
    ClosePopup();
}

void TEditLink::ClosePopup() {
    if (FEditStyle != esPopup || !FPopupForm) return;
    FPopupForm->SetVisible(false);
    PostMessage(FPopupForm, DestroyEditorMessage(), 0, 0);
}

void TEditLink::FormExit(TObject* Sender) {
    if (!FOwner) return;
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
    // Only an edit still open ends: the pop-up also loses the activation when the link hid it itself.
    if (!FOwner->EditSession().EditMode) return;
    EditExit(Sender);
    FOwner->InvokedFocusChange = true;
}

// Keys
// --------------------------------------------------------------------------------------------

void TEditLink::EditKeyDown(TObject* Sender, Word& Key, TShiftState Shift) {
    if (!FOwner) return;
    bool leave = IsLeavingKey(Key) || (Shift & ssAlt);
    if ((Key == VK_UP || Key == VK_DOWN) && FWantKeyUpDown) leave = false;
    if ((Key == VK_LEFT || Key == VK_RIGHT) && FWantKeyLeftRight) leave = false;
    if ((Key == VK_HOME || Key == VK_END) && FWantKeyHomeEnd) leave = false;
    if ((Key == VK_PRIOR || Key == VK_NEXT) && FWantKeyPriorNext) leave = false;
    if (Key == VK_RETURN && FWantKeyReturn) leave = false;
    if (Key == VK_ESCAPE && FWantKeyEscape) leave = false;
    if (Key == VK_TAB && FWantTabs) leave = false;
    if (!leave) return;
    (void)Sender;
    LeaveByKey(Key, Shift);
}

void TEditLink::LeaveByKey(Word& Key, TShiftState Shift) {
    TQvStringGrid* grid = FOwner;
    TGridEditSession& session = grid->EditSession();
    auto gridTakesFocus = [&] {
        FForcedExit = true;
        if (grid->CanFocus()) grid->SetFocus();
        FForcedExit = false;
    };
    if (Key == VK_TAB) {
        if (grid->Navigation()->TabToNextAtEnd()) {
            gridTakesFocus();
            grid->HideEditorControl(grid->Col(), grid->Row());
            ClosePopup();
            const bool moved = grid->AdvanceFromEditor(Shift & ssShift);
            if (moved && !grid->HasInCellControl(grid->RealCol(), grid->Row()))
                PostMessage(grid, WM_KEYDOWN, VK_F2, 0);
            Key = 0;
            return;
        }
        Key = 0;
    }
    const bool escape = Key == VK_ESCAPE;
    if (escape) {
        // The cell keeps exactly the text it had when the edit began.
        SetEditorValue(grid->OriginalCellValue());
        session.Cancel();
    }
    gridTakesFocus();
    // The value is stored as the edit closes; a pop-up goes with its control.
    grid->HideEditorControl(grid->Col(), grid->Row());
    ClosePopup();
    session.EditMode = false;
    grid->SelectCell(grid->Col(), grid->Row());

    if (Key == VK_RETURN && session.LastValidation) {
        session.LastValidation = true;
        grid->AdvanceToNextCell(grid->Col(), grid->Row(), false, true, !(Shift & ssShift), false, true);
        Key = 0;
        return;
    }
    if (!session.LastValidation) {
        // A refused value: the link opens again on the same cell.
        session.LastValidation = true;
        grid->SaveOldCellText(grid->Col(), grid->Row());
        session.EditMode = true;
        grid->ShowEditorControl(grid->Col(), grid->Row());
        Key = 0;
        return;
    }
    session.LastValidation = true;
    if (escape) Key = 0;
    if (Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN) {
        Word key = Key;
        grid->KeyDown(key, Shift);
        Key = 0;
    }
    if (TWinControl* control = GetEditControl(); control && FEditStyle == esInplace)
        control->SetEnabled(false);
    gridTakesFocus();
    Key = 0;
}
