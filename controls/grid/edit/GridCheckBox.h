// TGridCheckBox: the string grid's in-place check box for check-box cells: it opens with the cell's state,
// Space and a click toggle it, the leaving keys close it and Escape goes back to the state it opened with.
#pragma once

#include "toolkit/stdctrls/StdCtrls.h"

class TQvStringGrid;

class TGridCheckBox : public TCheckBox {
public:
    // The owner must be the string grid the editor works for.
    explicit TGridCheckBox(TComponent* AOwner);
    String ClassName() const override { return "TGridCheckBox"; }

    TQvStringGrid* Grid() const { return FGrid; }
    // Drops the window of the hidden editor, so that the next showing starts from a fresh one.
    void ReCreate();
    void Toggle() { SetChecked(!Checked()); }
    // The state the editor was opened with; closing stores the state only when it differs.
    bool OpenedChecked() const { return FOpenedChecked; }
    void Open(bool State);

protected:
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    LRESULT DialogCode() const override;

private:
    TQvStringGrid* FGrid = nullptr;
    bool FOpenedChecked = false;
};
