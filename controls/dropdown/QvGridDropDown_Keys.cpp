// The grid dropdown's keys: completion while typing in the edit, the incremental lookup and narrow-down,
// the navigation keys of the edit and the keys of the open popup grid.
#include "controls/dropdown/QvGridDropDown.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvMultiColumnLookup.h"
#include "toolkit/system/ScopedValue.h"

namespace {
// Completion adds at most this many characters of the item's text to what was typed.
constexpr int kGddMaxCompletion = 255;

bool GddIsNavigationKey(Word Key) {
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_UP:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}
} // namespace

namespace QvCustomGridDropDown {

void TCustomQvGridDropDown::SetText(const String& Value) {
    ScopedValue guard(FInChange, true);
    TQvCustomDropDown::SetText(Value);
}

void TCustomQvGridDropDown::PutText(const String& Text, int SelFrom) {
    {
        ScopedValue guard(FInChange, true);
        SetTextUnformatted(Text);
    }
    const int from = std::clamp(SelFrom, 0, int(Text.size()));
    SetSelStart(from);
    SetSelLength(int(Text.size()) - from);
}

void TCustomQvGridDropDown::Change() {
    TQvCustomDropDown::Change();
    // A text the control puts in itself keeps a completion pending for the key's release.
    if (FInChange) return;
    FItemChange = false;
    if ((ComponentState() & csDesigning) || !FWorkMode) return;
    const String text = GetText();
    SetIsModified(text != FOldValue);
    // The typed part is what stands before the caret; the first lookup text beginning with it completes it.
    const String typed = text.left(std::clamp(SelStart(), 0, int(text.size())));
    if (typed.isEmpty()) return;
    const Qt::CaseSensitivity cs = FMatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (size_t i = 0; i < FLookupItems.size(); ++i) {
        if (!FLookupItems[i].startsWith(typed, cs)) continue;
        FItemIndex = FItemIdx = int(i);
        FItemSel = int(typed.size());
        FItemChange = true;
        PutText(typed + FLookupItems[i].mid(typed.size(), kGddMaxCompletion), FItemSel);
        return;
    }
    if (typed != text) PutText(typed, int(typed.size()));
}

int TCustomQvGridDropDown::LookupTypedText(QChar Key) {
    if (FLookupMethod == lmNone) return -1;
    if (Key == QChar(u'\b')) {
        if (SelLength() == 0) {
            FLookupEntry.chop(1);
            PutText(FLookupEntry, int(FLookupEntry.size()));
        } else {
            String t = Text();
            t.remove(SelStart(), SelLength());
            PutText(t, int(t.size()));
        }
        return -1;
    }
    if (Key != QChar(u'\t')) FLookupEntry += Key;
    FLookupEntry = FLookupEntry.trimmed();
    if (FLookupMethod == lmNarrowDown) {
        if (!FQvColGrid) return -1;
        EnsureGridFilled();
        if (FLookupEntry.isEmpty()) {
            FQvColGrid->ShowAllRows();
        } else {
            FQvColGrid->NarrowRows(FLookupEntry, FLookupColumn);
            const int first = FQvColGrid->GridFixedRows();
            if (FStyle == dsDropDown && first < FQvColGrid->GridRowCount())
                PutText(FQvColGrid->Cell(FLookupColumn, first), int(FLookupEntry.size()));
        }
        return FQvColGrid->GridFixedRows();
    }
    String found;
    int row = -1;
    const auto apply = [&] {
        FItemIndex = row;
        if (FStyle == dsDropDown)
            PutText(found, int(FLookupEntry.size()));
        else
            PutText(found, int(found.size()));
    };
    if (LookupText(FLookupEntry, found, row)) {
        apply();
        return row;
    }
    if (FStyle == dsDropDownList && LookupText(String(Key), found, row)) {
        FLookupEntry = String(Key);
        apply();
        return row;
    }
    FLookupEntry.clear();
    return -1;
}

void TCustomQvGridDropDown::Dispatch(TMessage& m) {
    if (m.Msg == WM_KEYDOWN) {
        const Word key = Word(m.CharCode());
        const TShiftState shift = KeyboardStateToShiftState();
        if (key == VK_RETURN) {
            if (FQvColGrid && DroppedDown()) FQvColGrid->SetSelectionConfirmed(true);
            // A text that is an item's text in another case takes the item and its own spelling.
            if (!FLookupItems.empty() && FLookupColumn >= 0 && !DroppedDown()) {
                const int i = LookupIndexOfNoCase(FLookupItems, GetText());
                if (i >= 0 && i < FItems->Count()) SetItemIndex(i);
            }
        }
        TQvCustomDropDown::Dispatch(m);
        NavigationKey(key, shift);
        return;
    }
    if (m.Msg == WM_CHAR) {
        const QChar key(ushort(m.CharCode()));
        const TShiftState shift = KeyboardStateToShiftState();
        TQvCustomDropDown::Dispatch(m);
        // Control characters other than Backspace and chords with Control type nothing to look up.
        const bool typed =
            key == QChar(u'\b') || (key.unicode() >= 32 && !((shift & ssCtrl) && !(shift & ssAlt)));
        if (!typed || ReadOnly()) return;
        LookupTypedText(key);
        if (FAutoShowDropDown && !DroppedDown()) ShowDropDown();
        return;
    }
    TQvCustomDropDown::Dispatch(m);
}

void TCustomQvGridDropDown::NavigationKey(Word Key, TShiftState Shift) {
    if (!Enabled() || (Shift & ssAlt) || DroppedDown() || !GddIsNavigationKey(Key)) return;
    FLookupEntry.clear();
    switch (Key) {
    case VK_PRIOR:
        PageUp();
        break;
    case VK_NEXT:
        PageDown();
        break;
    case VK_END:
        if (!(Shift & ssShift) && FStyle == dsDropDownList) SelectLast();
        break;
    case VK_HOME:
        if (!(Shift & ssShift) && FStyle == dsDropDownList) SelectFirst();
        break;
    case VK_UP:
        SelectPrevious();
        break;
    case VK_DOWN:
        SelectNext();
        break;
    default:
        break;
    }
}

void TCustomQvGridDropDown::KeyDown(Word& Key, TShiftState Shift) {
    if (FQvColGrid && FQvColGrid->CellEditing() && Key == VK_RETURN && !(Shift & ssShift)) {
        FQvColGrid->HideCellEditor();
        const int row = FQvColGrid->CurrentRow();
        SetText(FQvColGrid->Cell(FLookupColumn, row));
        FItemIndex = row - FQvColGrid->GridFixedRows();
        Key = 0;
        return;
    }
    if (FLookupColumn < 0 || FItems->Count() == 0) {
        TQvCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    FWorkMode = !(Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE);
    if (Key == VK_ESCAPE || GddIsNavigationKey(Key)) FLookupEntry.clear();
    const Word pressed = Key;
    TQvCustomDropDown::KeyDown(Key, Shift);
    // Escape selects the item the text names; a text naming none keeps the text and selects nothing.
    if (pressed == VK_ESCAPE) FItemIndex = LookupIndexOfNoCase(FLookupItems, GetText());
}

void TCustomQvGridDropDown::KeyPress(QChar& Key) {
    if (Key == QChar(u'\r') && ReturnIsTab()) {
        Key = QChar();
        return;
    }
    TQvCustomDropDown::KeyPress(Key);
}

void TCustomQvGridDropDown::KeyUp(Word& Key, TShiftState Shift) {
    if (!(Key == VK_RETURN && ReturnIsTab())) TQvCustomDropDown::KeyUp(Key, Shift);
    if (FQvColGrid && FQvColGrid->CellEditing() && Key == VK_RETURN && !(Shift & ssShift)) {
        if (FQvColGrid->CurrentColumn() == FLookupColumn)
            HideDropDown(false);
        else
            FQvColGrid->HideCellEditor();
    }
    if (FItemChange) {
        SetItemIndex(FItemIdx);
        SetSelStart(FItemSel);
        SetSelLength(int(Text().size()) - FItemSel);
        // Setting the item's text is no reset of the flag: the person typed it.
        SetIsModified(GetText() != FOldValue);
        FItemChange = false;
    }
}

// ---- keys of the open popup grid

void TCustomQvGridDropDown::ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift) {
    // The grid moves its own row; other keys go on to the edit.
    if ((Shift & ssAlt) || !GddIsNavigationKey(Key)) TQvCustomDropDown::ControlKeyDown(Sender, Key, Shift);
    DoGridKeyDown(this, Key, Shift);
}

void TCustomQvGridDropDown::ControlKeyUp(TObject* Sender, Word& Key, TShiftState Shift) {
    if (!(Shift & ssAlt) && GddIsNavigationKey(Key))
        FLookupEntry.clear();
    else
        TQvCustomDropDown::ControlKeyUp(Sender, Key, Shift);
    DoGridKeyUp(this, Key, Shift);
}

void TCustomQvGridDropDown::ControlKeyPress(TObject* Sender, QChar& Key) {
    const bool alt = KeyboardStateToShiftState() & ssAlt;
    if (!ListTypingUses(Key, alt) || FGridEditable) {
        FLookupEntry.clear();
    } else {
        int row = LookupTypedText(Key);
        // A found item is shown in the row that holds it now, sorted or not.
        if (FUseItems && FLookupMethod == lmLookup && row >= 0 && FQvColGrid)
            row = FQvColGrid->ItemToRow(row);
        if (FQvColGrid && row >= FQvColGrid->GridFixedRows() && row < FQvColGrid->GridRowCount()) {
            FQvColGrid->GoToRow(row);
            // After a narrow-down the current row may hold another item without having moved.
            bool select = true;
            GridSelectCell(Sender, 0, row, select);
        } else {
            FLookupEntry.clear();
        }
    }
    DoGridKeyPress(this, Key);
}

} // namespace QvCustomGridDropDown
