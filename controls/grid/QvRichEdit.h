// The grid's rich edit: the hidden converter that measures, paints and flattens rich-text cells, and the
// in-place rich-text editor.
#pragma once

#include "toolkit/stdctrls/RichEdit.h"

class TQvStringGrid;

class TQvRichEdit : public TRichEdit {
public:
    // The owner must be a string grid: any other owner is a programming error (EInvalidCast).
    explicit TQvRichEdit(TComponent* AOwner);
    String ClassName() const override { return "TQvRichEdit"; }

    TQvStringGrid* Grid() const { return FGrid; }
    // The size the text asks for, laid out as the control is (its width with word wrap, else unbounded).
    int ReqWidth() { return RequiredSize().cx; }
    int ReqHeight() { return RequiredSize().cy; }
    // A hidden editor drops its window, so that each showing starts from a fresh one.
    void ReCreate();

    // Vertical offset of the selected characters: none, subscript, superscript.
    void SelNormal() { SetSelScript(rsNormal); }
    void SelSubscript() { SetSelScript(rsSubscript); }
    void SelSuperscript() { SetSelScript(rsSuperscript); }
    bool IsSelNormal() const { return SelScript() == rsNormal; }
    bool IsSelSubscript() const { return SelScript() == rsSubscript; }
    bool IsSelSuperscript() const { return SelScript() == rsSuperscript; }

    // While locked, the in-place editor's size requests do not grow the row (the grid locks it while it
    // loads a cell's text).
    void Lock() { FLocked = true; }
    void Unlock() { FLocked = false; }
    bool Locked() const { return FLocked; }

    // The in-place editor's text grew: with SizeWhileTyping.Height the current row grows to show it, as long
    // as the cell stays inside the grid.
    void GrowRowToText();

protected:
    LRESULT DialogCode() const override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoExit() override;

private:
    // The grid's in-place editor, not its hidden converter.
    bool IsInplace() const;

    TQvStringGrid* FGrid;
    bool FLocked = false;
    // A key of its own is under way: the window it arrived through stays.
    bool FInKey = false;
    // The character of the Tab that moved the edit on is no text.
    bool FSwallowTab = false;
};
