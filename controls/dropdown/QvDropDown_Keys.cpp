// The dropdown edit's keys, characters, clipboard, focus and mouse: the keys that open and close the
// popup, the typing rules of the edit type applied to the text, and the caret kept out of prefix and
// suffix.
#include "controls/dropdown/QvDropDown.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvDropDown_Entry.h"
#include "controls/dropdown/QvDropDown_Numbers.h"
#include "toolkit/services/Clipboard.h"

namespace {
constexpr ushort kCtrlC = 3, kCtrlV = 22, kCtrlX = 24, kCharLineFeed = 10, kCharEnter = 13, kCharEscape = 27;
// The keypad's decimal key sets this bit of the key data.
constexpr LPARAM kKeypadDecimal = LPARAM(1) << 22;
} // namespace

void TQvCustomDropDown::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_KEYDOWN:
        WMKeyDown(m);
        return;
    case WM_CHAR:
        WMChar(m);
        return;
    case WM_CUT:
        CutToClipboard();
        return;
    case WM_COPY:
        CopyToClipboard();
        return;
    case WM_PASTE:
        PasteFromClipboard();
        return;
    case WM_SETFOCUS:
        TCustomMaskEdit::Dispatch(m);
        WMSetFocus(m);
        return;
    case WM_KILLFOCUS:
        WMKillFocus(m);
        TCustomMaskEdit::Dispatch(m);
        return;
    case WM_LBUTTONDOWN:
        WMLButtonDown(m);
        return;
    case WM_LBUTTONUP:
        WMLButtonUp(m);
        return;
    case WM_PAINT:
        PaintMessage(m);
        return;
    default:
        TCustomMaskEdit::Dispatch(m);
    }
}

// Enter and Escape belong to the edit while its popup shows, and when the edit does not hand them on to
// the form (DefaultHandling off); else the form's default and cancel buttons get them.
LRESULT TQvCustomDropDown::DialogCode() const {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (FDroppedDown || !FDefaultHandling) code |= DLGC_WANTALLKEYS;
    return code;
}

void TQvCustomDropDown::ToggleDropDown() {
    if (FDroppedDown)
        DoHideDropDown(false);
    else
        DoDropDown();
}

void TQvCustomDropDown::WMKeyDown(TMessage& m) {
    if (ComponentState() & csDesigning) {
        TCustomMaskEdit::Dispatch(m);
        return;
    }
    Word key = m.CharCode();
    const TShiftState shift = KeyboardStateToShiftState();
    auto swallow = [&m] {
        m.SetCharCode(0);
        m.PassToNative = false;
    };
    if ((shift & ssAlt) && (key == VK_UP || key == VK_DOWN)) {
        ToggleDropDown();
        swallow();
        return;
    }
    if (!FEditorEnabled && Enabled()) {
        if (!ReadOnly()) {
            if (key == VK_RETURN) DoHideDropDown(false);
            if (key == VK_ESCAPE) DoHideDropDown(true);
            if (key == VK_F4) ToggleDropDown();
        }
        if (key == VK_RETURN || key == VK_ESCAPE)
            TCustomMaskEdit::Dispatch(m);
        else
            swallow();
        return;
    }
    if ((shift & ssCtrl) && (key == VK_TAB || key == VK_RETURN)) {
        TCustomMaskEdit::Dispatch(m);
        return;
    }
    // The clipboard keys go through the edit's clipboard rules, never straight to the native edit.
    const bool ctrl = shift & ssCtrl, shiftKey = shift & ssShift;
    if ((ctrl && (key == 'C' || key == 'V' || key == 'X')) || (key == VK_INSERT && (ctrl || shiftKey)) ||
        (key == VK_DELETE && shiftKey)) {
        if (key == 'V' || (key == VK_INSERT && shiftKey))
            PasteFromClipboard();
        else if (key == 'X' || key == VK_DELETE)
            CutToClipboard();
        else
            CopyToClipboard();
        swallow();
        return;
    }
    if (key == VK_RETURN && FReturnIsTab) {
        key = VK_TAB;
        m.SetCharCode(key);
    }
    if (key == VK_ESCAPE && FCanUndo && !FDroppedDown) {
        SelectAll();
        SetIsModified(false);
    }
    if (ValueBoundsKey(key, shift)) {
        swallow();
        return;
    }
    if (key == VK_DELETE) {
        const TEntryState s = EntryState();
        if (s.SelStart >= TDropDownEntryRules(s).ValueStart()) {
            if (ReadOnly()) return swallow();
            const TEntryResult r = TDropDownEntryRules(s).DeleteKey();
            swallow();
            if (!r.Changed) return;
            ApplyEdit(r.EditText, r.SelStart, r.SelLength);
            SetIsModified(true);
            if (r.FollowUp == TEntryFollowUp::Reformat) ReformatThousands();
            return;
        }
    }
    TCustomMaskEdit::Dispatch(m);
    if (!FPrefix.isEmpty() && SelStart() < int(FPrefix.size())) SetSelStart(int(FPrefix.size()));
    switch (key) {
    case VK_RETURN:
        DoHideDropDown(false);
        break;
    case VK_ESCAPE:
        DoHideDropDown(true);
        break;
    case VK_F4:
        ToggleDropDown();
        break;
    default:
        break;
    }
}

// Arrows, Home, End, Backspace and Delete stop at the value's ends when a prefix or suffix is shown.
bool TQvCustomDropDown::ValueBoundsKey(Word& Key, TShiftState Shift) {
    const TEntryState s = EntryState();
    const TDropDownEntryRules rules(s);
    const int start = rules.ValueStart(), end = rules.ValueEnd();
    const int selEnd = s.SelStart + s.SelLength;
    const bool prefix = !FPrefix.isEmpty(), suffix = !FSuffix.isEmpty();
    switch (Key) {
    case VK_RIGHT:
        return suffix && selEnd >= end;
    case VK_LEFT:
        return prefix && selEnd <= start;
    case VK_END:
        if (!suffix) return false;
        if (Shift & ssShift) {
            SetSelLength(std::max(0, end - s.SelStart));
        } else {
            SetSelStart(end);
        }
        return true;
    case VK_HOME:
        if (!prefix) return false;
        if (Shift & ssShift) {
            SetSelStart(start);
            SetSelLength(end - start);
        } else {
            SetSelStart(start);
        }
        return true;
    case VK_BACK:
        if (!prefix) return false;
        if (s.SelLength == 0 && s.SelStart <= start) return true;
        SetIsModified(true);
        return false;
    case VK_DELETE:
        if (!suffix) return false;
        if (selEnd >= end && s.SelLength == 0) return true;
        SetIsModified(true);
        return false;
    default:
        return false;
    }
}

void TQvCustomDropDown::KeyDown(Word& Key, TShiftState Shift) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    if ((Shift & ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        ToggleDropDown();
        Key = 0;
    }
}

void TQvCustomDropDown::KeyPress(QChar& Key) {
    TCustomMaskEdit::KeyPress(Key);
    if (Key.unicode() == kCharEnter) Key = QChar();
}

void TQvCustomDropDown::WMChar(TMessage& m) {
    const ushort c = static_cast<ushort>(m.CharCode());
    auto swallow = [&m] {
        m.SetCharCode(0);
        m.PassToNative = false;
    };
    if (!FEditorEnabled || (ComponentState() & csDesigning)) {
        if (ComponentState() & csDesigning) TCustomMaskEdit::Dispatch(m);
        return swallow();
    }
    const TShiftState shift = KeyboardStateToShiftState();
    if ((shift & ssCtrl) && (c == kCharEnter || c == kCharLineFeed)) return swallow();
    if (c == kCharEnter) {
        // OnKeyPress hears Enter; nothing is typed.
        QChar k(c);
        KeyPress(k);
        return swallow();
    }
    // Escape and the clipboard characters type nothing; the clipboard keys ran at their key-down. A
    // Control chord (without Alt, which some layouts add for their third level) types no letter either.
    if (c == kCharEscape || c == kCtrlC || c == kCtrlV || c == kCtrlX) return swallow();
    if ((shift & ssCtrl) && !(shift & ssAlt) && c >= 32) return swallow();
    QChar ch(c);
    KeyPress(ch);
    if (ch.unicode() == 0 || ReadOnly()) return swallow();
    const QChar dec = DecimalSeparatorChar();
    if (FExcelStyleDecimalSeparator && (ch == u'.' || ch == u',') && (m.LParam & kKeypadDecimal)) ch = dec;
    TypeCharacter(ch, m.LParam);
    swallow();
}

void TQvCustomDropDown::TypeCharacter(QChar Ch, LPARAM) {
    const TEntryState s = EntryState();
    const TEntryResult r = TDropDownEntryRules(s).TypeChar(Ch);
    switch (r.FollowUp) {
    case TEntryFollowUp::ZeroThenAfterDecimal:
        SetText(QStringLiteral("0") + s.DecimalSeparator + QStringLiteral("0"));
        SelectAfterDecimal();
        return;
    case TEntryFollowUp::AfterDecimal:
        if (!r.Changed) {
            SelectAfterDecimal();
            return;
        }
        break;
    default:
        break;
    }
    if (!r.Changed) return;
    ApplyEdit(r.EditText, r.SelStart, r.SelLength);
    if (r.Modified) SetIsModified(true);
    if (r.FollowUp == TEntryFollowUp::Reformat) ReformatThousands();
    if (r.FollowUp == TEntryFollowUp::AfterDecimal) SelectAfterDecimal();
}

void TQvCustomDropDown::Change() {
    // A text the edit rewrote itself (money grouping) is no change of the person's.
    if (FBlockChange) {
        FBlockChange = false;
        return;
    }
    TCustomMaskEdit::Change();
}

// ---- clipboard

String TQvCustomDropDown::SelectedValuePart() const {
    const TEntryState s = EntryState();
    const TDropDownEntryRules rules(s);
    return rules.Value().mid(std::max(0, s.SelStart - rules.ValueStart()), s.SelLength);
}

void TQvCustomDropDown::CutToClipboard() {
    if (!FEditorEnabled || ReadOnly()) return;
    bool allow = true;
    if (OnClipboardCut) OnClipboardCut(this, SelectedValuePart(), allow);
    if (!allow || SelLength() == 0) return;
    Clipboard()->SetAsText(SelText());
    const TEntryState s = EntryState();
    String t = s.EditText;
    t.remove(s.SelStart, s.SelLength);
    ApplyEdit(t, s.SelStart, 0);
    SetIsModified(true);
    if (FEditType == etMoney) ReformatThousands();
}

void TQvCustomDropDown::CopyToClipboard() {
    bool allow = true;
    if (OnClipboardCopy) OnClipboardCopy(this, SelectedValuePart(), allow);
    if (allow && SelLength() > 0) Clipboard()->SetAsText(SelText());
}

void TQvCustomDropDown::PasteFromClipboard() {
    if (ReadOnly() || !FEditorEnabled || !Clipboard()->HasFormat(CF_TEXT)) return;
    const String clip = Clipboard()->AsText();
    if (clip.isEmpty()) return;
    const TEntryState s = EntryState();
    const TDropDownEntryRules rules(s);
    bool allow = true;
    if (OnClipboardPaste) OnClipboardPaste(this, rules.ReplacedValue(clip), allow);
    if (!allow) return;
    const TDropDownPasteResult r = rules.Paste(clip);
    if (!r.Accepted) return;
    SetText(r.Value);
    if (r.Reformat) SetFloatValue(FloatValue());
    if (r.Modified) SetIsModified(true);
    const int start = int(FPrefix.size());
    if (r.SelectValue) {
        SelectAll();
    } else {
        SetSelStart(std::min(start + r.SelStart, start + int(GetText().size())));
        if (r.SelLength > 0) SetSelLength(r.SelLength);
    }
}

// ---- focus and mouse

void TQvCustomDropDown::WMSetFocus(TMessage&) {
    if (ComponentState() & csLoading) return;
    if (!FEditorEnabled) {
        Invalidate();
        return;
    }
    FOldString = GetText();
    if (AutoSelect())
        SelectAll();
    else if (FEditType == etFloat || FEditType == etMoney)
        SelectBeforeDecimal();
}

void TQvCustomDropDown::WMKillFocus(TMessage&) {
    if (ComponentState() & csLoading) return;
    const bool floating = FEditType == etFloat || FEditType == etMoney;
    const String v = GetText();
    if (FPrecision > 0 && floating && (!v.isEmpty() || !FAllowNumericNullValue)) {
        const bool modified = FIsModified;
        SetFloatValue(FloatValue());
        SetIsModified(modified);
    }
    if (v.isEmpty() && !FAllowNumericNullValue) {
        if (FEditType == etNumeric) SetText(QStringLiteral("0"));
        if (floating) SetFloatValue(0);
    }
    if (!FEditorEnabled) Invalidate();
}

void TQvCustomDropDown::DoEnter() {
    TCustomMaskEdit::DoEnter();
    if (AutoSelect() && !(KeyboardStateToShiftState() & ssLeft) && FEditorEnabled) SelectAll();
    RefreshBorder();
}

void TQvCustomDropDown::DoExit() {
    TCustomMaskEdit::DoExit();
    RefreshBorder();
}

void TQvCustomDropDown::WMLButtonDown(TMessage& m) {
    // A press on the selected text would start dragging it out of the edit; it only moves the caret,
    // at the release.
    if (FEditorEnabled && Focused() && SelLength() > 0) {
        const int at = CharFromPos(TPoint(m.XPos(), m.YPos()));
        if (at >= SelStart() && at < SelStart() + SelLength()) {
            FButtonDown = true;
            m.PassToNative = false;
            return;
        }
    }
    TCustomMaskEdit::Dispatch(m);
    // With nothing to type, a click anywhere asks for the popup.
    if (!FEditorEnabled) ButtonClick(this);
}

void TQvCustomDropDown::WMLButtonUp(TMessage& m) {
    const bool pressOnSelection = FButtonDown;
    FButtonDown = false;
    TCustomMaskEdit::Dispatch(m);
    if (pressOnSelection) {
        // The native edit saw no press: its release must not act on the selection either.
        m.PassToNative = false;
        const int at = CharFromPos(TPoint(m.XPos(), m.YPos()));
        if (at >= 0) {
            SetSelStart(at);
            SetSelLength(0);
        }
    }
    if (!FEditorEnabled) return;
    const TEntryState s = EntryState();
    const TDropDownEntryRules rules(s);
    const int start = rules.ValueStart(), end = rules.ValueEnd();
    if (!FPrefix.isEmpty() && s.SelStart < start) {
        SelectAll();
        return;
    }
    if (FSuffix.isEmpty()) return;
    if (s.SelStart > end)
        SetSelStart(end);
    else if (s.SelStart + s.SelLength > end)
        SetSelLength(end - s.SelStart);
}

void TQvCustomDropDown::MouseEnter() {
    TCustomMaskEdit::MouseEnter();
    if (!Enabled() || FMouseInControl) return;
    FMouseInControl = true;
    RefreshBorder();
}

void TQvCustomDropDown::MouseLeave() {
    TCustomMaskEdit::MouseLeave();
    FMouseInControl = false;
    RefreshBorder();
}
