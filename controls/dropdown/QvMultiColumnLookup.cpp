// The multi-column dropdown's completion, list typing, item steps and sizing.
#include "controls/dropdown/QvMultiColumnLookup.h"

#include <algorithm>
#include <cmath>

namespace {

// Completion adds at most this many characters of the item's text to what was typed.
constexpr int kMaxCompletion = 255;

String Folded(const String& Text, bool KeepCase) {
    return KeepCase ? Text : Text.toUpper();
}

} // namespace

int LookupIndexOf(const TLookupTexts& Lookup, const String& Value) {
    const auto it = std::find(Lookup.begin(), Lookup.end(), Value);
    return it == Lookup.end() ? -1 : int(it - Lookup.begin());
}

int LookupIndexOfNoCase(const TLookupTexts& Lookup, const String& Value) {
    for (size_t i = 0; i < Lookup.size(); ++i)
        if (Lookup[i].compare(Value, Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

int LookupFindPrefix(const TLookupTexts& Lookup, const String& Entry, bool CaseSensitive) {
    if (Entry.isEmpty()) return -1;
    const Qt::CaseSensitivity cs = CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (size_t i = 0; i < Lookup.size(); ++i)
        if (Lookup[i].startsWith(Entry, cs)) return int(i);
    return -1;
}

TEditCompletion CompleteEditText(const TLookupTexts& Lookup, const String& Text, int Caret, bool MatchCase) {
    TEditCompletion out;
    const int caret = std::clamp(Caret, 0, int(Text.size()));
    const String typed = Text.left(caret);
    const String key = Folded(typed, MatchCase);
    // Upper-casing every item at every key would cost a copy of the whole list: the comparison ignores
    // case instead, which is the same wherever upper-casing keeps the typed part's length.
    const bool sameLength = key.size() == typed.size();
    const Qt::CaseSensitivity cs = MatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (!key.isEmpty()) {
        for (size_t i = 0; i < Lookup.size(); ++i) {
            if (sameLength ? !Lookup[i].startsWith(typed, cs) : !Folded(Lookup[i], MatchCase).startsWith(key))
                continue;
            out.Completed = true;
            out.Text = typed + Lookup[i].mid(key.size(), kMaxCompletion);
            out.ItemIndex = int(i);
            out.TypedLength = int(key.size());
            return out;
        }
    }
    if (!typed.isEmpty()) {
        out.Cut = true;
        out.Text = typed;
        out.TypedLength = int(typed.size());
    }
    return out;
}

bool ListTypingUses(QChar Key, bool AltDown) {
    if (AltDown) return true;
    switch (Key.unicode()) {
    case u'\r':
    case 27:
    case u'!':
    case u'"':
    case u'#':
    case u'$':
    case u'&':
    case u'(':
        return false;
    default:
        return true;
    }
}

TListTypingResult ListTypingKey(TListTypingState& State, QChar Key, const TLookupTexts& Lookup,
                                bool CaseSensitive) {
    TListTypingResult out;
    if (Key == QChar(u'\b')) {
        out.EditChanged = true;
        if (State.SelLength > 0) {
            out.EditText = State.EditText;
            out.EditText.remove(State.SelStart, State.SelLength);
        } else {
            State.Entry.chop(1);
            out.EditText = State.Entry;
        }
        out.SelStart = int(out.EditText.size());
    } else if (Key != QChar(u'\t')) {
        State.Entry += Key;
        if (const int i = LookupFindPrefix(Lookup, State.Entry, CaseSensitive); i >= 0) {
            out.ItemIndex = i;
            out.EditChanged = true;
            out.EditText = Lookup[size_t(i)];
            out.SelStart = int(State.Entry.size());
            out.SelLength = int(out.EditText.size()) - out.SelStart;
            return out;
        }
        if (const int i = LookupFindPrefix(Lookup, String(Key), CaseSensitive); i >= 0) {
            State.Entry = String(Key);
            out.ItemIndex = i;
            out.EditChanged = true;
            out.EditText = Lookup[size_t(i)];
            out.SelStart = int(out.EditText.size());
            return out;
        }
    }
    State.Entry.clear();
    return out;
}

int StepItem(TItemStep Step, int Current, int Count, bool EditorEnabled) {
    if (Count <= 0) return Current;
    const int last = Count - 1;
    switch (Step) {
    case TItemStep::Up:
        return Current < 0 ? 0 : std::max(0, Current - 1);
    case TItemStep::Down:
        return Current < 0 ? 0 : std::min(last, Current + 1);
    case TItemStep::PageUp:
        return Current < 0 || Current - 10 < 0 ? 0 : Current - 10;
    case TItemStep::PageDown:
        return Current < 0 ? 0 : std::min(last, Current + 10);
    case TItemStep::Home:
        return EditorEnabled ? Current : 0;
    case TItemStep::End:
        return EditorEnabled ? Current : last;
    }
    return Current;
}

std::vector<int> StretchColumnWidths(const std::vector<int>& Widths, int Fill) {
    std::vector<int> out;
    out.reserve(Widths.size());
    double total = 1;
    for (const int w : Widths)
        total += w;
    const double scale = double(Fill) / total;
    double carried = 0;
    for (const int width : Widths) {
        const double exact = scale * width;
        // Halves go to the even width, as the widths stored in designs were always rounded.
        int w = int(std::nearbyint(exact));
        carried += exact - w;
        if (carried > 1) {
            carried -= 1;
            ++w;
        }
        out.push_back(w);
    }
    return out;
}

int WholeRowsDropDownHeight(int Height, int HeaderBar, int FooterBar, int HeaderHeight, int RowHeight) {
    const int bars = HeaderBar + FooterBar;
    const int rowsSpace = Height - bars - HeaderHeight - 2;
    const int rows = RowHeight > 0 ? rowsSpace / RowHeight : 0;
    return bars + HeaderHeight + rows * RowHeight + 2;
}
