// The text editor's character rules by editor kind: which typed characters pass, are refused or are
// dropped, and what a paste may put into the text. Pure functions over the editor's state, so the rules
// are tested from tables without a window.
#pragma once

#include "controls/grid/QvObj.h"
#include "toolkit/system/Types.h"

#include <bitset>

// A set of the characters 0..255, as the editor kind edValidChars takes it.
using TCharSet = std::bitset<256>;

// What the editor knows when a character or a paste arrives.
struct TEditCharState {
    TEditorType Kind = edNormal;
    String Text;
    int SelStart = 0;
    int SelLength = 0;
    int LengthLimit = 0; // 0 or less: none
    QChar DecimalSeparator = QChar('.');
    QChar ThousandSeparator = QChar(',');
    bool CtrlHeld = false;
    // Ctrl+Enter may put a line break into the text (AllowCtrlEnter with word wrap or multi-line cells).
    bool LineFeedAllowed = false;
    bool LineFeedOnEnter = false;
    String ValidChars;
    TCharSet ValidCharSet;
};

enum class TCharVerdict {
    Pass,   // hand the character on (possibly converted)
    Refuse, // drop it with a beep
    Drop,   // drop it silently
};

struct TCharFilterResult {
    TCharVerdict Verdict = TCharVerdict::Pass;
    QChar Char;             // the character to hand on, converted to the kind's case
    bool MixedCase = false; // rewrite the whole text in mixed case after the character went in
    bool LineBreak = false; // Enter that inserts a line break instead of ending the edit
};

// The rules for one typed character (after the keypad's decimal key was mapped).
TCharFilterResult FilterEditChar(const TEditCharState& State, QChar Ch);

struct TPasteResult {
    bool Accepted = false;
    String Text;      // the whole new text
    int SelStart = 0; // the selection afterwards: the pasted part, or the caret after it
    int SelLength = 0;
};

// The text a paste of Clip would make. A paste obeys the same character rules as typing: every pasted
// character must be one the kind lets through, converted to the kind's case, and numeric kinds must end
// with a whole number (an integer, or a plain decimal number for the float kinds).
TPasteResult BuildPastedText(const TEditCharState& State, String Clip);

// Whether the kind is edited in the text editor.
bool IsTextEditorKind(TEditorType Kind);
