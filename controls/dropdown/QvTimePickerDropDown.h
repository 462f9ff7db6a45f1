// TQvTimePickerDropDown: a time of day in a dropdown edit. The edit shows hours, minutes and (optionally)
// seconds with the locale's time separator, Up and Down step the field under the caret, and the popup
// holds the analog clock, on which the time is set by clicks and keys, with an optional time picker
// control below it.
#pragma once

#include "controls/dropdown/QvDropDown.h"
#include "controls/dropdown/QvWatch.h"

#include <memory>

class TPanel;
class TDateTimePicker;

class TQvTimePickerDropDown : public TQvCustomDropDown {
public:
    explicit TQvTimePickerDropDown(TComponent* AOwner);
    ~TQvTimePickerDropDown() override;
    String ClassName() const override { return "TQvTimePickerDropDown"; }

    TDateTime Time() const { return FTime; }
    void SetTime(TDateTime Value);
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool Value);
    bool ShowTimePicker() const { return FShowTimePicker; }
    void SetShowTimePicker(bool v) { FShowTimePicker = v; }
    TWatchAppearance* WatchAppearance() const { return FWatchAppearance.get(); }
    void SetWatchAppearance(const TWatchAppearance* v) { FWatchAppearance->Assign(v); }
    TWatchSettings* WatchSettings() const { return FWatchSettings.get(); }
    void SetWatchSettings(const TWatchSettings* v) { FWatchSettings->Assign(v); }
    bool ShowWatchAMPM() const { return FShowWatchAMPM; }
    void SetShowWatchAMPM(bool v) { FShowWatchAMPM = v; }
    bool ShowWatchNumbers() const { return FShowWatchNumbers; }
    void SetShowWatchNumbers(bool v) { FShowWatchNumbers = v; }
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool v) { FAnimation = v; }
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int v) { FAnimationFactor = v; }
    // The popup's clock and time picker (null before the first drop that needs them).
    TQvWatch* Watch() const { return FQvWatch; }
    TDateTimePicker* TimePicker() const { return FDateTimePicker; }

    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool CancelChanges) override;
    void AfterDropUp() override;
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift) override;
    void FormKeyUp(TObject* Sender, Word& Key, TShiftState Shift) override;
    void ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift) override;
    void ControlKeyUp(TObject* Sender, Word& Key, TShiftState Shift) override;
    void ControlKeyPress(TObject* Sender, QChar& Key) override;
    void SetComponentStyle(TQvStyle AStyle) override;

    // A key step or the time picker changed the time.
    TNotifyEvent OnTimeChange;

protected:
    void Dispatch(TMessage& Message) override;
    void Change() override;

private:
    // Up and Down on the field under the caret; false for any other key.
    bool StepKey(Word Key);
    void WatchChanged();
    void WriteMask();
    String FormattedText(TDateTime Value) const;

    TDateTime FTime = 0;
    // The time when the popup opened, which a cancelled popup brings back.
    TDateTime FDropTime = 0;
    bool FShowSeconds = true;
    bool FShowTimePicker = false;
    std::unique_ptr<TWatchAppearance> FWatchAppearance;
    std::unique_ptr<TWatchSettings> FWatchSettings;
    bool FShowWatchAMPM = true;
    bool FShowWatchNumbers = true;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    TQvWatch* FQvWatch = nullptr;
    TPanel* FPanelCtrl = nullptr;
    TDateTimePicker* FDateTimePicker = nullptr;
    bool FInternalCall = false;
};
