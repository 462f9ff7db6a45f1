// The multi-column dropdown's rules that need no window: completing what is typed into the edit, the
// typing lookup in the open list, moving through the items by keys, and sizing the columns and the popup
// to whole rows. The control keeps its items and applies the answers; these are tested from tables.
#pragma once

#include "toolkit/system/Types.h"

#include <vector>

// The lookup column's text of every item, in item order. An item without a text for the lookup column
// stands here as an empty text, so no lookup ever reads past an item's lines.
using TLookupTexts = std::vector<String>;

// The first item whose text equals Value exactly; -1 when none.
int LookupIndexOf(const TLookupTexts& Lookup, const String& Value);

// The first item whose text equals Value when case is ignored; -1 when none.
int LookupIndexOfNoCase(const TLookupTexts& Lookup, const String& Value);

// The first item whose text begins with Entry (case ignored unless CaseSensitive); -1 for an empty entry.
int LookupFindPrefix(const TLookupTexts& Lookup, const String& Entry, bool CaseSensitive);

// What the edit shows after a change while completion is on.
struct TEditCompletion {
    // An item completed the typed part: the edit shows Text with the completed part selected.
    bool Completed = false;
    // The text was cut back to the typed part (no item matched).
    bool Cut = false;
    String Text;
    int ItemIndex = -1;
    // Length of the typed part: the selection runs from here to the end of Text.
    int TypedLength = 0;
};

// The edit's text changed with the caret at Caret: the first item beginning with the typed part (the text
// before the caret; case ignored unless MatchCase) completes it; without one, a non-empty typed part is
// all that stays.
TEditCompletion CompleteEditText(const TLookupTexts& Lookup, const String& Text, int Caret, bool MatchCase);

// The typing lookup of the open list: each character extends the typed entry.
struct TListTypingState {
    String Entry;
    String EditText;
    int SelStart = 0;
    int SelLength = 0;
};

struct TListTypingResult {
    // The item reached, or -1.
    int ItemIndex = -1;
    // The edit's text and selection changed to these.
    bool EditChanged = false;
    String EditText;
    int SelStart = 0;
    int SelLength = 0;
};

// Whether the open list takes the character at all: Enter, Escape and the characters that share their
// codes with the navigation keys are left alone unless Alt is held.
bool ListTypingUses(QChar Key, bool AltDown);

// One character typed into the open list. The state's entry afterwards is the typed entry to keep; a
// result of -1 means the list stays where it is and the entry is empty again.
TListTypingResult ListTypingKey(TListTypingState& State, QChar Key, const TLookupTexts& Lookup,
                                bool CaseSensitive);

// The keys that move through the items from the edit.
enum class TItemStep { Up, Down, PageUp, PageDown, Home, End };

// The item a key in the edit moves to from Current (-1: none chosen) among Count items; Current itself when
// the key does nothing (no items; Home and End while the edit takes typing).
int StepItem(TItemStep Step, int Current, int Count, bool EditorEnabled);

// Column widths stretched to fill Fill pixels in proportion to Widths; rounding remainders are carried so
// the columns fill the width without a gap growing to the right.
std::vector<int> StretchColumnWidths(const std::vector<int>& Widths, int Fill);

// A popup height that shows the header row and whole item rows only, given the asked height and the
// heights of the header and footer bars (0 when hidden).
int WholeRowsDropDownHeight(int Height, int HeaderBar, int FooterBar, int HeaderHeight, int RowHeight);
