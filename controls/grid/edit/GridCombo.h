// TGridCombo: the string grid's in-place combo editor for list and editable combo cells: the keys it keeps
// and the ones it hands back to the grid, validation before a leaving key, the wheel stepping through the
// items, lookup completion and the width of the dropped list.
#pragma once

#include "controls/editors/QsgCombo.h"

class TGridEditSession;
class TQvStringGrid;

class TGridCombo : public TQsgComboBox {
public:
    // The owner must be the string grid the editor works for.
    explicit TGridCombo(TComponent* AOwner);
    String ClassName() const override { return "TGridCombo"; }

    TQvStringGrid* Grid() const { return FGrid; }
    // Completes the text before the caret from the combo's items, else from the grid's lookup items.
    void DoChange();
    // Widens the dropped list so that its widest item shows whole (with room for a scroll bar when the
    // list scrolls); never narrower than the combo.
    void SizeDropDownWidth();
    // The grid's OnEditChange for the current cell with the combo's text.
    void FireEditChange();

    void WndProc(TMessage& Message) override;

    TNotifyEvent OnReturnKey;

    // Lookup completion is allowed for the keystroke under way (not after Backspace or Delete).
    bool WorkMode = true;
    bool Forced = false;
    bool ItemChange = false;
    int ItemIdx = -1;
    // Opened over a text that is none of its items, the grid chose one; the choice is reported once the
    // editor shows.
    bool GridChoseItem = false;

protected:
    void Dispatch(TMessage& Message) override;
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    void Select() override;
    void DropDown() override;
    void CloseUp() override;
    LRESULT DialogCode() const override;

private:
    bool ListMode() const;
    // After a leaving key was refused: the editor shows what validation settled on.
    void ShowRefusedValue(bool SelectWhole);
    // Writes the text into the current cell, then validates it.
    bool WriteAndValidate();
    void WheelStep(int Delta);
    void FireComboChange();
    // Tells the grid, as the platform's combo tells its parent window.
    void NotifyGrid(Word Code);
    void CursorWalk(Word& Key, bool Forward);

    TQvStringGrid* FGrid = nullptr;
    TGridEditSession* FSession = nullptr;
    bool FInSelect = false;
    int FSelKeyDown = 0;
};
