// The drop cycle: opening the popup, sizing and placing it on the monitor, closing it, and the keys and
// wheel turns that reach the popup going on to the edit.
#include "controls/dropdown/QvDropDown.h"

#include "controls/dropdown/QvDropDownButton.h"
#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvDropDown_Bars.h"
#include "controls/dropdown/QvDropDown_Layout.h"
#include "toolkit/controls/Forms.h"

void TQvCustomDropDown::ButtonClick(TObject*) {
    if ((ComponentState() & csDesigning) || !FDropDownForm || FDropDownForm->Visible()) return;
    // The click that closed the popup (over this button) does not open it again.
    if (DWORD(DropDownTickCount() - FDropDownForm->DeActivateTime()) > 250) DoDropDown();
}

void TQvCustomDropDown::BeforeDropDown() {
    if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TQvCustomDropDown::AdjustDropDownHeight(int&) {}

void TQvCustomDropDown::FocusDropDownControl() {
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
}

void TQvCustomDropDown::PlaceDropDownControl() {
    if (!FDropDownForm || !FControl || !FDropDownHeader) return;
    FControl->SetParent(FDropDownForm);
    const bool header = FDropDownForm->Header() && FDropDownForm->Header()->Visible();
    FControl->SetTop(header ? FDropDownForm->Header()->Height() + 2 : FDropDownBorderWidth);
    FControl->SetAlign(alClient);
}

void TQvCustomDropDown::UpdateDropDownSize() {
    if (!FDropDownForm) return;
    const bool control = FControl && FControl->Visible();
    int w = Width();
    if (FDropDownWidth > 0)
        w = FDropDownWidth;
    else if (control)
        w = FControl->Width();
    int h = FDropDownHeight;
    if (h <= 0) {
        h = 2 * FDropDownBorderWidth;
        if (TQvHeader* header = FDropDownForm->Header(); header && header->Visible()) h += header->Height();
        if (TQvFooter* footer = FDropDownForm->Footer(); footer && footer->Visible()) h += footer->Height();
        if (control) h += FControl->Height();
    }
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), w, h);
}

void TQvCustomDropDown::DoDropDown() {
    if ((ComponentState() & csDesigning) || !FDropDownForm || FDropDownForm->Visible() || !Enabled() ||
        ReadOnly())
        return;
    BeforeDropDown();
    FDropDownForm->SetShadow(FDropDownShadow);
    FDropDownForm->SetSizeable(false);
    FDropDownForm->SetPopupParent(this);
    FDropDownForm->InitializeAndUpdate();
    UpdateDropDownSize();
    PlaceDropDownControl();
    FDropDownForm->SetMinimumSize(80, 50);
    if (auto* content = dynamic_cast<TWinControl*>(FControl)) {
        content->OnKeyDown = [this](TObject* s, Word& k, TShiftState sh) { ControlKeyDown(s, k, sh); };
        content->OnKeyUp = [this](TObject* s, Word& k, TShiftState sh) { ControlKeyUp(s, k, sh); };
        content->OnKeyPress = [this](TObject* s, QChar& k) { ControlKeyPress(s, k); };
    }
    bool accept = true;
    if (OnDropDown) OnDropDown(this, accept);
    if (!accept) return;
    const TPoint p =
        Parent() ? Parent()->ClientToScreen(TPoint(Left(), Top())) : ClientToScreen(TPoint(0, 0));
    const TRect edit = Bounds(p.X, p.Y, Width(), Height());
    int w = FUserDropDownWidth != -1 ? FUserDropDownWidth : FDropDownForm->Width();
    int h = FUserDropDownHeight != -1 ? FUserDropDownHeight : FDropDownForm->Height();
    w = std::max(w, 80);
    h = std::max(h, 50);
    AdjustDropDownHeight(h);
    const TPoint centre(edit.Left + edit.Width() / 2, edit.Top + edit.Height() / 2);
    const std::optional<TMonitor> monitor = Screen->MonitorFromPoint(centre, mdNearest);
    const TRect area = monitor ? monitor->WorkareaRect : Screen->WorkAreaRect();
    const TRect place = PlaceDropDown(edit, TSize{w, h}, area, FDropPosition);
    FDroppedDown = true;
    FDropDownForm->SetSizedByPerson(false);
    FDropDownForm->Popup(place);
    FocusDropDownControl();
}

void TQvCustomDropDown::DoHideDropDown(bool CancelChanges) {
    if ((ComponentState() & csDesigning) || !FDropDownForm || !FDropDownForm->Visible()) return;
    if (OnBeforeDropUp) OnBeforeDropUp(this);
    // Only a size the person gave the popup is kept for the next opening.
    if (FDropDownForm->SizedByPerson()) {
        FUserDropDownWidth = FDropDownForm->Width();
        FUserDropDownHeight = FDropDownForm->Height();
    }
    FDropDownForm->Hide();
    if (Application) Application->CancelHint();
    if (CancelChanges) SetText(FOldText);
    if (OnDropUp) OnDropUp(this, CancelChanges);
}

void TQvCustomDropDown::AfterDropUp() {
    FDroppedDown = false;
    if (TabStop() && CanFocus() && !Focused() && !IsDestroying()) SetFocus();
}

void TQvCustomDropDown::DropDownFormDestroyed() {}

void TQvCustomDropDown::FormMouseWheelDown(TObject*, TShiftState, TPoint, bool&) {
    WheelDown();
}

void TQvCustomDropDown::FormMouseWheelUp(TObject*, TShiftState, TPoint, bool&) {
    WheelUp();
}

void TQvCustomDropDown::FormKeyPress(TObject*, QChar& Key) {
    SendMessage(this, WM_CHAR, Key.unicode(), 0);
}

void TQvCustomDropDown::FormKeyDown(TObject*, Word& Key, TShiftState) {
    SendMessage(this, WM_KEYDOWN, Key, 0);
}

void TQvCustomDropDown::FormKeyUp(TObject*, Word& Key, TShiftState) {
    SendMessage(this, WM_KEYUP, Key, 0);
}

void TQvCustomDropDown::ControlKeyDown(TObject*, Word& Key, TShiftState) {
    SendMessage(this, WM_KEYDOWN, Key, 0);
}

void TQvCustomDropDown::ControlKeyUp(TObject*, Word& Key, TShiftState) {
    SendMessage(this, WM_KEYUP, Key, 0);
}

void TQvCustomDropDown::ControlKeyPress(TObject*, QChar& Key) {
    SendMessage(this, WM_CHAR, Key.unicode(), 0);
}

void TQvCustomDropDown::FormSizing(TObject*) {}

void TQvCustomDropDown::WheelDown() {}

void TQvCustomDropDown::WheelUp() {}

bool TQvCustomDropDown::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    const bool handled = TCustomMaskEdit::DoMouseWheelDown(Shift, MousePos);
    WheelDown();
    return handled;
}

bool TQvCustomDropDown::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    const bool handled = TCustomMaskEdit::DoMouseWheelUp(Shift, MousePos);
    WheelUp();
    return handled;
}

void TQvCustomDropDown::HeaderOrFooterChanged(TObject*) {
    if (FDroppedDown && FDropDownForm) FDropDownForm->InitializeAndUpdate();
}
