// The dropdown edit's typing and pasting rules by edit type. Pure: they read the edit's settings, text and
// selection from a TEntryState and answer what a typed character or a paste does, so they are tested from
// tables without a window; the edit applies the answer.
#pragma once

#include "controls/dropdown/QvDropDown_Types.h"
#include "toolkit/system/Types.h"

// What the rules read. Positions count caret places in the edit text (prefix + value + suffix) from 0.
struct TEntryState {
    TDropDownEditType EditType = etString;
    String Prefix;
    String Suffix;
    String EditText;
    int SelStart = 0;
    int SelLength = 0;
    int Precision = 0;
    int LengthLimit = 0;
    int MaxLength = 0;
    bool Signed = false;
    String ValidChars;
    QChar DecimalSeparator = QChar(u'.');
    QChar ThousandSeparator = QChar(u',');
    // A Control key is held.
    bool CtrlDown = false;
};

// What happens after a rule let a character change the text.
enum class TEntryFollowUp {
    None,
    // The money type's grouping is written again (ReformatThousands).
    Reformat,
    // The value is set to 0 first (a wholly selected money value), then the caret goes behind the separator.
    ZeroThenAfterDecimal,
    // The caret goes behind the value's decimal separator; the text stays.
    AfterDecimal,
};

struct TEntryResult {
    // The text or the caret changed: EditText and the selection below are what the edit shows now.
    bool Changed = false;
    String EditText;
    int SelStart = 0;
    int SelLength = 0;
    // The person changed the value (IsModified).
    bool Modified = false;
    TEntryFollowUp FollowUp = TEntryFollowUp::None;
};

// The outcome of a paste. With Accepted the value is set through the edit's SetText (which formats it).
struct TDropDownPasteResult {
    bool Accepted = false;
    String Value;
    // Float and money values are formatted once more (FloatValue := FloatValue).
    bool Reformat = false;
    bool Modified = false;
    // Afterwards the whole value is selected (long money values), else the pasted part (when it replaced
    // a selection) or the caret goes behind it.
    bool SelectValue = false;
    int SelStart = 0; // in the value
    int SelLength = 0;
};

class TDropDownEntryRules {
public:
    explicit TDropDownEntryRules(const TEntryState& State) : s(State) {}

    // The value (edit text without prefix and suffix) and where it lies in the edit text.
    String Value() const;
    int ValueStart() const { return int(s.Prefix.size()); }
    int ValueEnd() const { return ValueStart() + int(Value().size()); }
    bool NumberType() const;
    bool WholeValueSelected() const;
    // IntegerDigitCount of a value with this edit's separators and sign.
    int IntegerDigitCount(const String& Value) const;
    // The caret place just behind the value's decimal separator (DecimalPosition); without one, past the
    // suffix.
    int DecimalPosition() const;

    // A typed character after the edit's own checks (editor enabled, Enter, Escape, clipboard keys): the
    // length limit, the sign and the edit type's rules. Backspace deletes. A character that is refused
    // leaves Changed false.
    TEntryResult TypeChar(QChar Ch) const;
    // '-' in a signed number type: adds or removes the leading minus, prefix and suffix kept.
    TEntryResult ToggleSign() const;
    // Delete: refused (Changed false) when the integer part would pass the length limit; else the
    // selection or the character after the caret goes.
    TEntryResult DeleteKey() const;
    // A paste of Clip (its length and MaxLength checked first); the new value is Value() with the selection
    // replaced. Hexadecimal and range values take a paste only when every character would be taken typed
    // there, one after the other.
    TDropDownPasteResult Paste(const String& Clip) const;
    // The value with its selection (or, without one, the caret place) replaced by Text.
    String ReplacedValue(const String& Text) const;

private:
    TEntryResult Pass(QChar Ch) const;
    TEntryResult Swallow() const { return TEntryResult(); }
    TEntryResult WithValue(const String& NewValue, int Caret, bool Modified) const;
    TEntryResult FloatRules(QChar Ch, bool Money) const;
    TEntryResult RangeRules(QChar Ch) const;
    bool SeparatorSpacingRefuses() const;
    int ValueCaret() const;

    const TEntryState& s;
};
