// The date-time picker: a date with a drop-down calendar (or up-down arrows), or a time with up-down
// arrows, over QDateTimeEdit; optionally a check box whose unchecked state means "no date".
#pragma once

#include "toolkit/controls/Controls.h"
#include "toolkit/system/DateUtils.h"

class QDateTimeEdit;
class QCheckBox;

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };

// Keys, as on the platform: Left and Right go from field to field, Up and Down step the field, digits type
// into it; F4 or Alt+Down opens the calendar (the arrows move the date, Enter takes it, Escape takes it
// back); with the check box
// shown, Space checks and unchecks it, and a change made in the fields checks it. OnChange follows every
// change the person makes (fields, calendar, check box), not values set by code; the parent hears of each
// first (WM_NOTIFY with an NMDATETIMECHANGE, code DTN_DATETIMECHANGE; GDT_NONE for "no date").
class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    ~TDateTimePicker() override;
    String ClassName() const override { return "TDateTimePicker"; }

    // The value: days since 30 December 1899 and the time of day as the fraction. It is kept while the
    // check box is unchecked.
    TDateTime DateTime() const { return FDateTime; }
    void SetDateTime(TDateTime v);
    // The whole days of the value, and its time of day; setting one keeps the other.
    TDateTime Date() const;
    void SetDate(TDateTime v);
    TDateTime Time() const;
    void SetTime(TDateTime v);
    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind v);
    TDTDateMode DateMode() const { return FDateMode; }
    void SetDateMode(TDTDateMode v);
    // The fields' format in the platform's letters (d, dd, ddd, dddd, M .. MMMM, yy, yyyy, h, hh for the
    // 12-hour clock, H, HH, m, mm, s, ss, t, tt for AM/PM, 'text' as it is); empty for the locale's short
    // date or long time.
    String Format() const { return FFormat; }
    void SetFormat(const String& v);
    // The earliest and latest dates the person may pick; 0 for no limit.
    TDateTime MinDate() const { return FMinDate; }
    void SetMinDate(TDateTime v);
    TDateTime MaxDate() const { return FMaxDate; }
    void SetMaxDate(TDateTime v);
    bool ShowCheckbox() const { return FShowCheckbox; }
    void SetShowCheckbox(bool v);
    // With the check box shown: false is the "no date" state.
    bool Checked() const { return FChecked; }
    void SetChecked(bool v);
    // The calendar is open.
    bool DroppedDown() const;
    // Opens or closes the calendar (a date picker in dmComboBox mode with a window only).
    void SetDroppedDown(bool v);
    // The fields: how many the format shows, and the one with the caret (0 for the first); 0 and -1 without
    // a window. Qt's fields move on by themselves once a typed number fills them.
    int FieldCount() const;
    int FieldIndex() const;
    void SetFieldIndex(int v);
    // What is being typed into a field becomes the value (as when the caret leaves the field); a number
    // that is not whole yet goes back to the field's value.
    void CommitTyped();

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    // The value as the fields show it.
    String GetText() const override;
    virtual void Change();
    virtual void DropDown();
    virtual void CloseUp();
    // Puts a value into the native control (every value set by code passes here).
    virtual void SetNativeDateTime(TDateTime v);
    QWidget* CreateNativeWidget(QWidget* parent) override;
    bool PaintsItself() const override { return false; }
    void SyncWidget() override;
    // Keys performed or posted without a key event (a Right posted to move on) act as typed ones.
    void KeyDown(Word& Key, TShiftState Shift) override;
    void DefaultHandler(TMessage& Message) override;
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }
    QDateTimeEdit* DateEdit() const;

private:
    String QtFormat() const;
    void PushToWidget();
    void PushCheck();
    void PersonChanged(TDateTime v);
    void CalendarShown(bool shown, bool cancelled);
    void StepField(int delta);
    TDateTime Clamped(TDateTime v) const;

    TDateTime FDateTime = 0;
    TDateTimeKind FKind = dtkDate;
    TDTDateMode FDateMode = dmComboBox;
    String FFormat;
    TDateTime FMinDate = 0;
    TDateTime FMaxDate = 0;
    bool FShowCheckbox = false;
    bool FChecked = true;
    bool FSyncing = false;
    bool FDropped = false;
    TDateTime FDropValue = 0;
};

// The platform's format letters in Qt's: what the picker shows for a Format (tests read it too).
String DateTimePickerQtFormat(const String& format);
