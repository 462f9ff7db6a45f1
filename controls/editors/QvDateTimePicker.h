// TCustomDateTimePicker: the flat picker with a settable border and auto-tab (the caret moves on once a
// typed digit has filled a field). TQvDateTimePicker: a date, a time, or a date with a time part beside it
// in one control, with an attached caption label.
#pragma once

#include "controls/editors/AttachedLabel.h"
#include "controls/editors/QsgDateTimePicker.h"

// The window message a picker posts to itself after a digit, so that the auto-tab check runs once the
// native fields have taken the digit ("DTPShiftFocus", the number the grid registers too).
UINT DTPShiftFocusMessage();

class TCustomDateTimePicker : public TQsgDateTimePicker {
public:
    explicit TCustomDateTimePicker(TComponent* AOwner);
    String ClassName() const override { return "TCustomDateTimePicker"; }

    bool AutoTab() const { return FAutoTab; }
    virtual void SetAutoTab(bool v);
    // A part of another picker (the time part of a date and time picker): never the metro look.
    virtual bool IsEmbedded() const { return true; }
    void SetBorderStyle(TBorderStyle v) override;

    void WndProc(TMessage& Message) override;

protected:
    // After a digit has reached the fields: moves on, back or to the time part (see DateTimeAutoTab.h).
    virtual void CheckAutoTab();
    // What the digit changes, recorded before it reaches the fields.
    virtual void RecordBeforeDigit();
    // A changed last date field with the time part there: the time part takes the caret.
    virtual void FocusTimePart() {}
    virtual bool HasTimePart() const { return false; }
    // The value the auto-tab rule compares (a time part's time joins it in the date and time picker).
    virtual TDateTime AutoTabValue() const { return TDateTimePicker::DateTime(); }
    bool MetroActive() const override;
    bool FlatFrameWanted() const override;
    void KeyPress(QChar& Key) override;
    // An embedded part hands the keys its owner claims to the owner's answer.
    LRESULT DialogCode() const override;

    TDateTime FBeforeDigit = 0;
    int FFieldBeforeDigit = 0;

private:
    bool FAutoTab = false;
};

enum TQvDateTimeKind { dkDate, dkTime, dkDateTime };

class TQvDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TQvDateTimePicker(TComponent* AOwner);
    ~TQvDateTimePicker() override;
    String ClassName() const override { return "TQvDateTimePicker"; }

    TQvDateTimeKind Kind() const { return FKind; }
    void SetKind(TQvDateTimeKind v);
    // With a time part, its time joined to the date; milliseconds are dropped when set.
    TDateTime DateTime() const;
    virtual void SetDateTime(TDateTime v);
    TDateTime Date() const { return TDateTimePicker::Date(); }
    // The new date keeps the current time of day.
    void SetDate(TDateTime v);
    TDateTime Time() const;
    void SetTime(TDateTime v);
    String TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const String& v);
    void SetAutoTab(bool v) override;
    bool IsEmbedded() const override { return false; }
    void SetBorderStyle(TBorderStyle v) override;
    int GetVersionNr() const override { return 0x01020000; }
    // The time part: only for dkDateTime (nullptr otherwise).
    TCustomDateTimePicker* TimePicker() const { return FTimePicker; }

    TLabel* PickerLabel() const { return FLabel.Label(); }
    String LabelCaption() const { return FLabel.Caption(); }
    void SetLabelCaption(const String& v);
    TLabelPosition LabelPosition() const { return FLabel.Position(); }
    void SetLabelPosition(TLabelPosition v) { FLabel.SetPosition(v); }
    int LabelMargin() const { return FLabel.Margin(); }
    void SetLabelMargin(int v) { FLabel.SetMargin(v); }
    bool LabelTransparent() const { return FLabel.Transparent(); }
    void SetLabelTransparent(bool v) { FLabel.SetTransparent(v); }
    bool LabelAlwaysEnabled() const { return FLabel.AlwaysEnabled(); }
    void SetLabelAlwaysEnabled(bool v);
    TFont* LabelFont() const { return FLabel.Font(); }
    void SetLabelFont(const TFont* v) { FLabel.Font()->Assign(v); }
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool v) { FFocusLabel = v; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;
    void SetEnabled(bool v) override;
    void SetVisible(bool v) override;
    void Loaded() override;
    bool ReadProperty(const String& name, const TDesignValue& value) override;

    // After a change of the time part (OnChange fires too).
    TNotifyEvent OnTimeChange;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

protected:
    virtual void DoChange();
    virtual void DoClick();
    virtual void TimePickerKeyPress(QChar& Key) { (void)Key; }
    // The keys of the time part, before its own field keys: OnKeyDown of the picker.
    virtual void TimePartKeyDown(Word& Key, TShiftState Shift);

    void FocusTimePart() override;
    bool HasTimePart() const override { return FTimePicker != nullptr; }
    TDateTime AutoTabValue() const override { return DateTime(); }
    void SetNativeDateTime(TDateTime v) override;
    void Change() override;
    void Dispatch(TMessage& Message) override;
    void SyncWidget() override;
    void DoEnter() override;
    void DoExit() override;
    void FontChanged() override;

private:
    void CreateTimePicker();
    void UpdateTimePicker();
    void ApplyLabelFont();

    TQvDateTimeKind FKind = dkDateTime;
    String FTimeFormat;
    TAttachedLabel FLabel{this};
    bool FFocusLabel = false;
    bool FParentFnt = false;
    TCustomDateTimePicker* FTimePicker = nullptr;
    bool FUpdatingTimePicker = false;
};
