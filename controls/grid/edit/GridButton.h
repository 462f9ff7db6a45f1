// TGridButton: the string grid's in-place push button for button cells. A click or Space runs the grid's
// ellipsis event on the caption and writes the result into the cell; the arrows leave the button for the
// grid's next cell, Escape puts the cell's text back.
#pragma once

#include "toolkit/stdctrls/StdCtrls.h"

class TGridEditSession;
class TQvStringGrid;

class TGridButton : public TButton {
public:
    // The owner must be the string grid the editor works for.
    explicit TGridButton(TComponent* AOwner);
    String ClassName() const override { return "TGridButton"; }

    TQvStringGrid* Grid() const { return FGrid; }
    void ReCreate();
    void Click() override;

protected:
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    LRESULT DialogCode() const override;

private:
    TQvStringGrid* FGrid = nullptr;
    TGridEditSession* FSession = nullptr;
};
