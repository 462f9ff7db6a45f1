// The string grid's in-place date and time editors: TGridDatePicker for date cells (calendar or up-down
// fields) and time cells, TGridDateTimePicker for date-and-time cells. Both move on to the next field by
// themselves once a typed digit has changed one, validate before a leaving key, and leave the cell as it was
// on Escape.
#pragma once

#include "controls/editors/QvDateTimePicker.h"

class TGridEditSession;
class TQvStringGrid;

// A date-and-time cell's text: the short date, a space and the time with its seconds, so that it reads back
// as the same value.
String CellDateTimeText(TDateTime Value);
// A date, or a date and a time after the first space; false for anything else.
bool TryCellTextToDateTime(const String& Text, TDateTime& Value);

class TGridDatePicker : public TCustomDateTimePicker {
public:
    // The owner must be the string grid the editor works for.
    explicit TGridDatePicker(TComponent* AOwner);
    String ClassName() const override { return "TGridDatePicker"; }

    TQvStringGrid* Grid() const { return FGrid; }
    bool IsEmbedded() const override { return false; }
    // Drops the window of the hidden editor, so that the next showing starts from a fresh one.
    void ReCreate();
    // The calendar's look, applied when it drops down.
    bool Weeknumbers() const { return FWeekNumbers; }
    void SetWeeknumbers(bool v) { FWeekNumbers = v; }
    bool ShowToday() const { return FShowToday; }
    void SetShowToday(bool v) { FShowToday = v; }
    bool ShowTodayCircle() const { return FShowTodayCircle; }
    void SetShowTodayCircle(bool v) { FShowTodayCircle = v; }

protected:
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    void DropDown() override;
    void CloseUp() override;
    LRESULT DialogCode() const override;

private:
    // The value of a refused text, when the picker can show it.
    void ShowRefusedValue();

    bool FWeekNumbers = false;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
    TQvStringGrid* FGrid = nullptr;
    TGridEditSession* FSession = nullptr;
};

class TGridDateTimePicker : public TQvDateTimePicker {
public:
    // The owner must be the string grid the editor works for.
    explicit TGridDateTimePicker(TComponent* AOwner);
    String ClassName() const override { return "TGridDateTimePicker"; }

    TQvStringGrid* Grid() const { return FGrid; }
    void ReCreate();
    // The value the editor opened with, which Escape puts back.
    void Open(TDateTime Value);
    TDateTime OpenedWith() const { return FOpenedWith; }

protected:
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void TimePartKeyDown(Word& Key, TShiftState Shift) override;
    void CloseUp() override;
    LRESULT DialogCode() const override;

private:
    void LeavingKey(Word& Key, TShiftState Shift);

    TQvStringGrid* FGrid = nullptr;
    TGridEditSession* FSession = nullptr;
    TDateTime FOpenedWith = 0;
};
