// Edit masks and the masked edit. A mask is "<mask>;<save literals>;<blank>": the mask characters say
// what each place of the text takes, the second field ("0" or "1", default 1) whether Text keeps the
// literal characters, the third (default "_") what an empty place shows.
//
// Mask characters (each one place of the text unless said otherwise):
//   L letter, required     l letter, optional      A letter or digit, required   a ... optional
//   C any character, req.  c ... optional          0 digit, required            9 digit, optional
//   # digit, + or -, optional
//   :  the time separator  /  the date separator   _  a blank             \  the next character as it is
//   >  upper case from here on   <  lower case from here on   <>  either case again   (none takes a place)
//   !  (anywhere, no place) optional places left empty are the leading ones of a field, not the trailing
//   any other character stands for itself (a literal).
#pragma once

#include "toolkit/stdctrls/StdCtrls.h"

#include <vector>

// A masked edit's entry that the mask does not take (a required place is empty).
class EDBEditError : public Exception {
public:
    using Exception::Exception;
};

// A parsed mask: the rules of each place of the edit text. Pure: it works on texts and positions.
class TEditMask {
public:
    TEditMask() = default;
    explicit TEditMask(const String& mask);

    bool IsEmpty() const { return FSlots.empty(); }
    // Places in the edit text.
    int Length() const { return int(FSlots.size()); }
    bool SaveLiterals() const { return FSaveLiterals; }
    QChar Blank() const { return FBlank; }
    bool LeadingBlanks() const { return FLeadingBlanks; }

    bool IsLiteral(int pos) const;
    bool IsRequired(int pos) const;
    // The character the place holds for good; a null character for an input place.
    QChar Literal(int pos) const;
    // Whether the input place takes `c` (after its case conversion).
    bool Accepts(int pos, QChar c) const;
    // `c` in the case the place asks for.
    QChar Converted(int pos, QChar c) const;
    // The first input place at or after `pos` (Length() when none), at or before `pos` (-1 when none).
    int NextInput(int pos) const;
    int PrevInput(int pos) const;

    // The edit text with nothing typed: literals and blanks.
    String EmptyEditText() const;
    // A value laid into the mask: with literals saved, each field of the value goes into its field (a
    // short field is padded with blanks on the side the mask says); without, the characters fill the input
    // places in order. A character a place does not take leaves the place blank.
    String EditTextFromText(const String& text) const;
    // The value of an edit text: with literals saved the text with blanks as spaces; without, the input
    // places' characters, blanks as spaces, the padding side's spaces trimmed.
    String TextFromEditText(const String& editText) const;
    // `editText` brought to the mask's shape: its length, and the literals in their places.
    String Normalized(const String& editText) const;

    // Types `c` at the caret: a literal typed at (or just before) its place moves past it, other characters
    // go into the next input place. False (nothing changed) when the character does not fit.
    bool TypeChar(String& editText, int& caret, QChar c) const;
    // Empties the input places from `start` on for `length` places.
    void Clear(String& editText, int start, int length) const;
    // Backspace and Delete without a selection: the input place before (or at) the caret empties and
    // the caret goes there. False when there is none.
    bool DeleteBefore(String& editText, int& caret) const;
    bool DeleteAt(String& editText, int& caret) const;
    // The first place that keeps the text from being whole (a required place empty, or a character its
    // place does not take); -1 when the text is whole.
    int FirstInvalid(const String& editText) const;

private:
    enum class Kind { Literal, Letter, AlphaNum, Any, Digit, DigitOrSign };
    enum class Case { Keep, Upper, Lower };
    struct Slot {
        Kind kind = Kind::Literal;
        bool required = false;
        Case letterCase = Case::Keep;
        QChar literal;
    };
    bool IsBlankAt(const String& editText, int pos) const;

    std::vector<Slot> FSlots;
    bool FSaveLiterals = true;
    bool FLeadingBlanks = false;
    QChar FBlank = QChar('_');
};

// A one-line edit that, with an edit mask, takes only what the mask allows: typed and pasted characters
// go place by place, Backspace and Delete empty places instead of closing the gap, Escape takes back the
// changes since the edit got the focus, and leaving a changed entry that is not whole shows why
// (EDBEditError) and brings the focus back to the place to mend. Without a mask it is a plain edit. The text
// area can be narrowed (SetEditRect) to make room for a button inside the edit.
class TCustomMaskEdit : public TEdit {
public:
    explicit TCustomMaskEdit(TComponent* AOwner);
    String ClassName() const override { return "TCustomMaskEdit"; }

    String EditMask() const { return FMaskText; }
    // The value (Text) is laid into the new mask.
    void SetEditMask(const String& v);
    bool IsMasked() const { return !FMask.IsEmpty(); }
    const TEditMask& Mask() const { return FMask; }
    // The text as shown, literals and blanks included; without a mask the text.
    String EditText() const;
    void SetEditText(const String& v);
    // Changed by the person since the text was last set.
    bool Modified() const { return FModified; }
    void SetModified(bool v) { FModified = v; }
    // Raises EDBEditError, with the caret on the first place that is not right, when the entry is not whole.
    virtual void ValidateEdit();
    // Back to the text last set, unchanged.
    void Reset();

    // The character under a client point (its index in the edit text), or -1 without a window.
    int CharFromPos(const TPoint& p) const;
    // The room the text uses, in client coordinates; empty for the whole client area.
    TRect EditRect() const { return FEditRect; }
    void SetEditRect(const TRect& r);

    void CutToClipboard() override;
    void CopyToClipboard() override;
    void PasteFromClipboard() override;
    void ClearSelection();

    bool ReadProperty(const String& name, const TDesignValue& value) override;

protected:
    String GetText() const override;
    void TextChanged() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Dispatch(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    QWidget* CreateNativeWidget(QWidget* parent) override;
    void SyncWidget() override;
    // The edit text with the caret and selection the person made (the window's when there is one).
    void ReadEditState(String& editText, int& selStart, int& selLength) const;
    // Shows a new edit text with the caret at `caret`, marking the text changed by the person.
    void ApplyEdit(const String& editText, int caret);

private:
    void ApplyEditRect();
    void TypeText(const String& text);
    // Backspace (before) or Delete: the selection, else one place, emptied.
    void DeleteOne(bool before);

    String FMaskText;
    TEditMask FMask;
    String FSetText; // the edit text as last set, for Reset
    bool FModified = false;
    bool FApplying = false;
    int FReEnterPos = -1; // where the caret goes when the focus comes back after a refused leaving
    TRect FEditRect;
};

class TMaskEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;
    String ClassName() const override { return "TMaskEdit"; }
};
