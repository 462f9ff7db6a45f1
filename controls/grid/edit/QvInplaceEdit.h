// The string grid's default text editor: the toolkit's in-place edit with the character rules of the
// cell's editor kind, a paste that obeys the same rules, validation before the keys that leave the cell,
// moving out of the text with the arrows, lookup completion and sizing the cell while typing.
#pragma once

#include "controls/grid/edit/EditCharFilter.h"
#include "toolkit/grids/Grids.h"

class TGridEditSession;
class TQvStringGrid;

class TQvInplaceEdit : public TInplaceEdit {
public:
    // The owner must be the string grid the editor works for.
    explicit TQvInplaceEdit(TComponent* AOwner);
    String ClassName() const override { return "TQvInplaceEdit"; }

    TQvStringGrid* QvGrid() const { return FQvGrid; }
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int Value) { FLengthLimit = Value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }
    bool VAlign() const { return FValign; }
    void SetVAlign(bool Value) { FValign = Value; }
    // Completes the text before the caret from the grid's lookup items.
    void DoChange();

    void WndProc(TMessage& Message) override;
    void UpdateContents() override;

protected:
    void DefaultHandler(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    LRESULT DialogCode() const override;

private:
    void WMKeyDown(TMessage& Message);
    void WMKeyUp(TMessage& Message);
    void WMChar(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void WMPaste();
    void WMCopy();
    void WMCut();
    TEditCharState CharState() const;
    // After a refused value: the editor shows what validation settled on and the grid keeps OldCellText.
    void RestoreAfterFailedValidation(const String& OldCellText);
    // Writes the text into the current cell without starting a validation, then validates it.
    bool WriteAndValidate(const String& S);
    void CursorWalk(Word& Key, bool Forward);

    TQvStringGrid* FQvGrid = nullptr;
    TGridEditSession* FSession = nullptr;
    int FSelKeyDown = 0;
    int FOldSelStart = 0;
    int FLengthLimit = 0;
    bool FValign = false;
    bool FWordWrap = false;
    bool GotKey = false;
    bool FGotFocus = false;
    bool Workmode = true;
    int FColE = -1;
    int FRowE = -1;
    bool FAltBack = false;
    // The character that follows a key this editor already handled (a refused Enter, a clipboard key).
    bool FSkipEnterChar = false;
    bool FClipboardKey = false;
    bool FLeftVertically = false;
};
