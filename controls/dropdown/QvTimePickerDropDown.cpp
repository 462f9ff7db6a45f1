// The time picker dropdown: its mask and text, field steps, the reading of typed text, and the popup with
// the clock and the optional time picker control.
#include "controls/dropdown/QvTimePickerDropDown.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvTimePicker_Fields.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/stdctrls/ComCtrls_DateTime.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/system/SysUtils.h"

namespace {

bool IsNavigationKey(Word Key) {
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
}

// The flag for the time of a call, also when the call raises.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : FFlag(flag), FOld(flag) { flag = true; }
    ~TFlagScope() { FFlag = FOld; }

private:
    bool& FFlag;
    bool FOld;
};

} // namespace

TQvTimePickerDropDown::TQvTimePickerDropDown(TComponent* AOwner)
    : TQvCustomDropDown(AOwner), FWatchAppearance(std::make_unique<TWatchAppearance>()),
      FWatchSettings(std::make_unique<TWatchSettings>()) {
    // The base applied its component style before this class was built: the clock's look takes it now.
    ApplyWatchComponentStyle(*FWatchAppearance, GetComponentStyle());
    CreateDropDownForm();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    TFlagScope internal(FInternalCall);
    WriteMask();
    SetTextUnformatted(FormattedText(0));
}

TQvTimePickerDropDown::~TQvTimePickerDropDown() = default;

String TQvTimePickerDropDown::FormattedText(TDateTime Value) const {
    return TimePickerText(TimePartsOfDay(Value), FShowSeconds, TimeSeparator());
}

void TQvTimePickerDropDown::WriteMask() {
    SetEditMask(TimePickerMask(FShowSeconds, TimeSeparator()));
}

void TQvTimePickerDropDown::SetTime(TDateTime Value) {
    if (Value == FTime) return;
    FTime = Value;
    SetTextUnformatted(FormattedText(Value));
    if (DroppedDown() && FQvWatch) {
        FQvWatch->SetTime(FTime);
        if (FShowTimePicker && FDateTimePicker) FDateTimePicker->SetTime(FTime);
    }
}

void TQvTimePickerDropDown::SetShowSeconds(bool Value) {
    if (Value == FShowSeconds) return;
    FShowSeconds = Value;
    {
        TFlagScope internal(FInternalCall);
        SetEditMask(String());
        SetTextUnformatted(String());
        WriteMask();
    }
    // Set away and back, so that the text is written again in the new format.
    const TDateTime old = FTime;
    FTime = old + 1;
    SetTime(old);
}

void TQvTimePickerDropDown::Change() {
    TQvCustomDropDown::Change();
    if (FInternalCall) return;
    const String text = Text();
    const std::optional<TTimeParts> typed = TimePickerRead(text, FShowSeconds, TimeSeparator());
    if (!typed) return;
    const TTimeParts now = TimePartsOfDay(FTime);
    // The text of the time as it stands changes nothing (the milliseconds stay); without seconds shown
    // the seconds are dropped.
    if (typed->Hour == now.Hour && typed->Minute == now.Minute &&
        (FShowSeconds ? typed->Second == now.Second : now.Second == 0 && now.MSec == 0))
        return;
    FTime = TimeOfParts(typed->Hour, typed->Minute, typed->Second, 0);
    const String formatted = FormattedText(FTime);
    if (formatted != text && typed->Minute == 0 && typed->Second == 0) {
        TFlagScope internal(FInternalCall);
        SetTextUnformatted(formatted);
    }
}

void TQvTimePickerDropDown::Dispatch(TMessage& Message) {
    // The arrow keys step the fields whether typing is on or not.
    if (Message.Msg == WM_KEYDOWN && StepKey(Word(Message.CharCode()))) {
        Message.SetCharCode(0);
        Message.PassToNative = false;
        return;
    }
    TQvCustomDropDown::Dispatch(Message);
}

bool TQvTimePickerDropDown::StepKey(Word Key) {
    if (Key != VK_UP && Key != VK_DOWN) return false;
    if (KeyboardStateToShiftState() & (ssAlt | ssCtrl)) return false;
    if (ReadOnly() || !Enabled()) return true;
    const int caret = SelStart();
    const TTimeField field = TimePickerFieldAt(EditText(), caret, FShowSeconds, TimeSeparator());
    const TTimeParts p = TimePickerStep(TimePartsOfDay(FTime), field, Key == VK_UP ? -1 : 1);
    SetTime(TimeOfParts(p.Hour, p.Minute, p.Second, p.MSec));
    SetSelStart(caret);
    if (OnTimeChange) OnTimeChange(this);
    return true;
}

// ---- the popup

void TQvTimePickerDropDown::CreateDropDownForm() {
    TQvCustomDropDown::CreateDropDownForm();
    if (!DropDownForm() || !FWatchAppearance) return;
    if (!FPanelCtrl) {
        FPanelCtrl = new TPanel(this);
        FPanelCtrl->SetParent(DropDownForm());
        FPanelCtrl->SetBevelOuter(bvNone);
        FPanelCtrl->SetBevelInner(bvNone);
        FPanelCtrl->SetBorderWidth(0);
        FPanelCtrl->SetBounds(0, 0, FPanelCtrl->Width(), 180);
    }
    if (!FQvWatch) {
        FQvWatch = new TQvWatch(this);
        FQvWatch->SetParent(FPanelCtrl);
        FQvWatch->SetAlign(alClient);
    }
    SetControl(FPanelCtrl);
}

void TQvTimePickerDropDown::BeforeDropDown() {
    TQvCustomDropDown::BeforeDropDown();
    FDropTime = FTime;
    FOldText = Text();
    // The panel fills the popup once placed; until then it keeps the size the popup is made for.
    FPanelCtrl->SetAlign(alNone);
    FPanelCtrl->SetBounds(FPanelCtrl->Left(), FPanelCtrl->Top(), 170, 170);
    DropDownForm()->SetCancelOnDeActivate(false);
    FPanelCtrl->SetColor(DropDownColor());
    FQvWatch->SetAppearance(FWatchAppearance.get());
    FQvWatch->SetSettings(FWatchSettings.get());
    FQvWatch->SetShowAMPM(FShowWatchAMPM);
    FQvWatch->SetShowNumbers(FShowWatchNumbers);
    FQvWatch->SetAnimation(FAnimation);
    FQvWatch->SetAnimationFactor(FAnimationFactor);
    FQvWatch->OnChange = nullptr;
    if (!FWatchSettings->Auto()) FQvWatch->SetTime(FTime);
    FQvWatch->OnChange = [this](TObject*) { WatchChanged(); };
    if (!FShowTimePicker) {
        if (FDateTimePicker) FDateTimePicker->SetVisible(false);
        return;
    }
    if (!FDateTimePicker) {
        FDateTimePicker = new TDateTimePicker(this);
        FDateTimePicker->SetParent(FPanelCtrl);
        FDateTimePicker->SetKind(dtkTime);
    }
    FDateTimePicker->OnChange = nullptr;
    FDateTimePicker->SetAlign(alBottom);
    FDateTimePicker->SetVisible(true);
    FDateTimePicker->SetTime(FTime);
    FDateTimePicker->BringToFront();
    FDateTimePicker->OnChange = [this](TObject*) {
        if (FWatchSettings->Auto()) return;
        FQvWatch->SetTime(FDateTimePicker->Time());
        SetTime(FQvWatch->Time());
        if (OnTimeChange) OnTimeChange(this);
    };
    FDateTimePicker->OnKeyDown = [this](TObject* s, Word& k, TShiftState sh) { ControlKeyDown(s, k, sh); };
    FDateTimePicker->OnKeyUp = [this](TObject* s, Word& k, TShiftState sh) { ControlKeyUp(s, k, sh); };
    FDateTimePicker->OnKeyPress = [this](TObject* s, QChar& k) { ControlKeyPress(s, k); };
    FDateTimePicker->SetFormat(FShowSeconds ? "HH:mm:ss" : "HH:mm");
    FPanelCtrl->SetBounds(FPanelCtrl->Left(), FPanelCtrl->Top(), 170, FDateTimePicker->Height() + 170);
}

void TQvTimePickerDropDown::WatchChanged() {
    if (FDateTimePicker && FShowTimePicker && FDateTimePicker->Time() != FQvWatch->Time()) {
        FDateTimePicker->SetTime(FQvWatch->Time());
        if (OnTimeChange) OnTimeChange(this);
    }
    SetTime(FQvWatch->Time());
}

void TQvTimePickerDropDown::DoHideDropDown(bool CancelChanges) {
    const bool wasOpen = DropDownForm() && DropDownForm()->Visible();
    TQvCustomDropDown::DoHideDropDown(CancelChanges);
    if (!wasOpen || !FQvWatch) return;
    if (CancelChanges) {
        SetTime(FDropTime);
        FQvWatch->SetTime(FTime);
    } else {
        SetTime(FQvWatch->Time());
    }
}

void TQvTimePickerDropDown::AfterDropUp() {
    TQvCustomDropDown::AfterDropUp();
    if (FQvWatch) SetTime(FQvWatch->Time());
}

void TQvTimePickerDropDown::FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift) {
    if (!IsNavigationKey(Key) || (Shift & ssAlt)) TQvCustomDropDown::FormKeyDown(Sender, Key, Shift);
    if (FQvWatch && DropDownForm() && DropDownForm()->Visible()) FQvWatch->WatchKey(Key);
}

void TQvTimePickerDropDown::FormKeyUp(TObject* Sender, Word& Key, TShiftState Shift) {
    if (!IsNavigationKey(Key) || (Shift & ssAlt)) TQvCustomDropDown::FormKeyUp(Sender, Key, Shift);
}

void TQvTimePickerDropDown::ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift) {
    if (!IsNavigationKey(Key) || (Shift & ssAlt)) TQvCustomDropDown::ControlKeyDown(Sender, Key, Shift);
}

void TQvTimePickerDropDown::ControlKeyUp(TObject* Sender, Word& Key, TShiftState Shift) {
    if (!IsNavigationKey(Key) || (Shift & ssAlt)) TQvCustomDropDown::ControlKeyUp(Sender, Key, Shift);
}

void TQvTimePickerDropDown::ControlKeyPress(TObject* Sender, QChar& Key) {
    // The characters that share the navigation keys' codes ('!', '"', '&' and '(').
    if (!IsNavigationKey(Key.unicode()) || (KeyboardStateToShiftState() & ssAlt))
        TQvCustomDropDown::ControlKeyPress(Sender, Key);
}

void TQvTimePickerDropDown::SetComponentStyle(TQvStyle AStyle) {
    TQvCustomDropDown::SetComponentStyle(AStyle);
    if (FWatchAppearance) ApplyWatchComponentStyle(*FWatchAppearance, AStyle);
}
