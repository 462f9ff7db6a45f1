// The string grid's in-place edits with a button: TGridEditBtn for edit-button cells (any text, whole
// numbers, decimal numbers or a mask), whose button and F4 run the grid's ellipsis event, and
// TGridUnitEditBtn for value-plus-unit cells. Typing and pasting follow the kind's rules of the text editor
// and the grid's MaxEditLength; a leaving key validates first.
#pragma once

#include "controls/editors/QSGEdit.h"
#include "controls/grid/QvObj.h"

class TGridEditSession;
class TQvStringGrid;

// The text editor's kind whose character rules an edit-button kind types by.
TEditorType EditButtonTextKind(TEditorType Kind);

class TGridEditBtn : public TQsgEditBtn {
public:
    // The owner must be the string grid the editor works for.
    explicit TGridEditBtn(TComponent* AOwner);
    String ClassName() const override { return "TGridEditBtn"; }

    TQvStringGrid* Grid() const { return FGrid; }
    void ReCreate();
    // Close the editor once the button's event has given the text.
    bool StopEditAfterClick() const { return FStopEditAfterClick; }
    void SetStopEditAfterClick(bool v) { FStopEditAfterClick = v; }

    // The ellipsis event on the text; the text it returns, whole selected.
    void BtnClick(TObject* Sender) override;

protected:
    void Dispatch(TMessage& Message) override;
    void DoExit() override;
    void Change() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DblClick() override;
    LRESULT DialogCode() const override;

private:
    TQvStringGrid* FGrid = nullptr;
    TGridEditSession* FSession = nullptr;
    bool FStopEditAfterClick = false;
};

class TGridUnitEditBtn : public TQsgUnitEditBtn {
public:
    // The owner must be the string grid the editor works for.
    explicit TGridUnitEditBtn(TComponent* AOwner);
    String ClassName() const override { return "TGridUnitEditBtn"; }

    TQvStringGrid* Grid() const { return FGrid; }
    void ReCreate();
    // Opens on a cell text: the value and its unit, or the whole text with no unit.
    void Open(const String& CellText);

protected:
    void Dispatch(TMessage& Message) override;
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    LRESULT DialogCode() const override;

private:
    TQvStringGrid* FGrid = nullptr;
    TGridEditSession* FSession = nullptr;
};
