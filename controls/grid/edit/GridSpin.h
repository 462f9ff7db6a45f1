// TGridSpin: the string grid's in-place spin editor for integer, float, time and date cells: the page and
// limit keys, validation before a leaving key, Escape back to the cell's text and the spin-click events.
#pragma once

#include "controls/editors/qsgspin.h"

class TGridEditSession;
class TQvStringGrid;

class TGridSpin : public TQsgSpinEdit {
public:
    // The owner must be the string grid the editor works for.
    explicit TGridSpin(TComponent* AOwner);
    String ClassName() const override { return "TGridSpin"; }

    TQvStringGrid* Grid() const { return FGrid; }
    // Drops the window of the hidden editor, so that the next showing starts from a fresh one.
    void ReCreate();
    void UpClick(TObject* Sender) override;
    void DownClick(TObject* Sender) override;

protected:
    void Dispatch(TMessage& Message) override;
    void DoExit() override;
    void Change() override;
    void KeyPress(QChar& Key) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    LRESULT DialogCode() const override;

private:
    void FireSpinClick(bool Up);
    // Page Up, Page Down, Home and End: a step within the limits, or the limit itself.
    void LimitKey(Word Key);

    TQvStringGrid* FGrid = nullptr;
    TGridEditSession* FSession = nullptr;
};
