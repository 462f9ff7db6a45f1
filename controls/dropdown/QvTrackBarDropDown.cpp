// The trackbar dropdown: its popup trackbar, the keys and the mouse drag over the edit.
#include "controls/dropdown/QvTrackBarDropDown.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "toolkit/stdctrls/ComCtrls_TrackBar.h"

#include <algorithm>

TQvTrackBarDropDown::TQvTrackBarDropDown(TComponent* AOwner) : TQvCustomDropDown(AOwner) {
    SetEditType(etNumeric);
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    FForceShadow = true;
    CreateDropDownForm();
}

void TQvTrackBarDropDown::CreateDropDownForm() {
    TQvCustomDropDown::CreateDropDownForm();
    if (!FDropDownForm) return;
    if (!FTrackBar) {
        FTrackBar = new TTrackBar(this);
        FTrackBar->SetParent(FDropDownForm);
        FTrackBar->SetBounds(0, 0, FTrackBar->Width(), 40);
    }
    FTrackBar->OnChange = [this](TObject*) { TrackChange(); };
}

void TQvTrackBarDropDown::TrackChange() {
    FPosition = FTrackBar->Position();
    SetTextUnformatted(String::number(FPosition));
    if (OnTrackChange) OnTrackChange(this);
}

void TQvTrackBarDropDown::BeforeDropDown() {
    TQvCustomDropDown::BeforeDropDown();
    // A click outside closes the popup and keeps the position.
    if (FDropDownForm) FDropDownForm->SetCancelOnDeActivate(false);
    if (!FTrackBar) return;
    FTrackBar->SetMin(FMin);
    FTrackBar->SetMax(FMax);
    FTrackBar->SetPosition(FPosition);
    FTrackBar->SetPageSize(FPageSize);
    FTrackBar->SetFrequency(FFrequency);
    FTrackBar->SetWidth(Width());
    SetControl(FTrackBar);
}

void TQvTrackBarDropDown::SetMin(int v) {
    FMin = v;
    if (!FTrackBar) return;
    FTrackBar->SetMin(v);
    FMin = FTrackBar->Min();
}

void TQvTrackBarDropDown::SetMax(int v) {
    FMax = v;
    if (!FTrackBar) return;
    FTrackBar->SetMax(v);
    FMax = FTrackBar->Max();
}

void TQvTrackBarDropDown::SetPosition(int v) {
    FPosition = v;
    if (!FTrackBar) return;
    FTrackBar->SetPosition(v);
    FPosition = FTrackBar->Position();
}

void TQvTrackBarDropDown::SetFrequency(int v) {
    FFrequency = v;
    if (FTrackBar) FTrackBar->SetFrequency(v);
}

void TQvTrackBarDropDown::SetPageSize(int v) {
    FPageSize = v;
    if (FTrackBar) FTrackBar->SetPageSize(v);
}

void TQvTrackBarDropDown::Change() {
    TQvCustomDropDown::Change();
    bool ok = false;
    const int v = GetText().toInt(&ok);
    if (ok) SetPosition(v);
}

void TQvTrackBarDropDown::Dispatch(TMessage& m) {
    // The edit swallows keys it does not type: the key is read before.
    const Word key = m.Msg == WM_KEYDOWN ? m.CharCode() : 0;
    TQvCustomDropDown::Dispatch(m);
    if (m.Msg != WM_KEYDOWN || FEditorEnabled || (KeyboardStateToShiftState() & ssAlt)) return;
    // A step that would pass an end is not taken.
    if (key == VK_UP && FPosition - FFrequency >= FMin)
        SetPosition(FPosition - FFrequency);
    else if (key == VK_DOWN && FPosition + FFrequency <= FMax)
        SetPosition(FPosition + FFrequency);
}

void TQvTrackBarDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TQvCustomDropDown::MouseDown(Button, Shift, X, Y);
    if (!FDropDownEnabled || FEditorEnabled) return;
    FMouseX = X;
    FMouseDraging = true;
}

void TQvTrackBarDropDown::MouseMove(TShiftState Shift, int X, int Y) {
    TQvCustomDropDown::MouseMove(Shift, X, Y);
    if (!FMouseDraging) return;
    // A page size below 1 counts as 1: the drag never divides by zero.
    const int delta = (X - FMouseX) / std::max(1, FPageSize);
    FMouseX = X;
    SetPosition(FPosition + delta);
}

void TQvTrackBarDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TQvCustomDropDown::MouseUp(Button, Shift, X, Y);
    FMouseDraging = false;
}
