// The string grid's default text editor: keys, characters, paste, focus and lookup completion.
#include "controls/grid/edit/QvInplaceEdit.h"

#include "controls/grid/QvGrid.h"
#include "controls/grid/paint/CellLook.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/SystemLook.h"

namespace {

constexpr ushort kCtrlC = 0x03;
constexpr ushort kCtrlV = 0x16;
constexpr ushort kCtrlX = 0x18;

} // namespace

TQvInplaceEdit::TQvInplaceEdit(TComponent* AOwner) : TInplaceEdit(AOwner) {
    FQvGrid = dynamic_cast<TQvStringGrid*>(AOwner);
    if (!FQvGrid) throw EInvalidGridOperation("The grid's text editor needs a string grid as its owner");
    FSession = &FQvGrid->EditSession();
    FWordWrap = FQvGrid->WordWrap();
    FLengthLimit = FQvGrid->MaxEditLength();
}

LRESULT TQvInplaceEdit::DialogCode() const {
    // Enter and Escape belong to the editor, never to the form's default and cancel buttons.
    LRESULT code = TInplaceEdit::DialogCode() | DLGC_WANTALLKEYS;
    if (FQvGrid->EditorWantsSpecialKeys()) code |= DLGC_WANTTAB;
    return code;
}

void TQvInplaceEdit::DefaultHandler(TMessage& Message) {
    // Characters are put into the text by WMChar, after the rules and the key-press handling.
    if (Message.Msg == WM_CHAR) {
        Message.PassToNative = true;
        return;
    }
    TInplaceEdit::DefaultHandler(Message);
}

void TQvInplaceEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        WMKeyDown(Message);
        return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        WMKeyUp(Message);
        return;
    case WM_CHAR:
        WMChar(Message);
        return;
    case WM_SETFOCUS:
        WMSetFocus(Message);
        return;
    case WM_KILLFOCUS:
        WMKillFocus(Message);
        return;
    case WM_PASTE:
        WMPaste();
        return;
    case WM_COPY:
        WMCopy();
        return;
    case WM_CUT:
        WMCut();
        return;
    case WM_LBUTTONDBLCLK:
        TInplaceEdit::WndProc(Message);
        if (FQvGrid->OnDblClickCell) FQvGrid->OnDblClickCell(FQvGrid, FQvGrid->Row(), FQvGrid->Col());
        return;
    default:
        TInplaceEdit::WndProc(Message);
    }
}

TEditCharState TQvInplaceEdit::CharState() const {
    TEditCharState s;
    s.Kind = FSession->EditControl;
    s.Text = Text();
    s.SelStart = SelStart();
    s.SelLength = SelLength();
    s.LengthLimit = FLengthLimit;
    s.DecimalSeparator = QvGrid::CurrentDecimalSeparator();
    s.ThousandSeparator = QvGrid::CurrentThousandSeparator();
    s.LineFeedAllowed =
        FQvGrid->Navigation()->AllowCtrlEnter() && (FQvGrid->WordWrap() || FQvGrid->Multilinecells());
    s.LineFeedOnEnter = FQvGrid->Navigation()->LineFeedOnEnter();
    s.ValidChars = FQvGrid->ValidChars();
    s.ValidCharSet = FQvGrid->ValidCharSet();
    return s;
}

void TQvInplaceEdit::RestoreAfterFailedValidation(const String& OldCellText) {
    SetText(FSession->NewCellText);
    if (FQvGrid->Navigation()->EditSelectAll())
        SelectAll();
    else
        SetSelStart(int(Text().size()));
    FSession->RestoreOldCellText(OldCellText);
}

bool TQvInplaceEdit::WriteAndValidate(const String& S) {
    {
        const auto held = FSession->HoldValidation();
        FQvGrid->SetEditText(FQvGrid->Col(), FQvGrid->Row(), S);
    }
    return FQvGrid->ValidateCell(S);
}

// Keys
// --------------------------------------------------------------------------------------------

void TQvInplaceEdit::WMKeyDown(TMessage& Message) {
    TQvStringGrid* g = FQvGrid;
    TNavigation* nav = g->Navigation();
    Word key = Message.CharCode();
    const TShiftState shift = KeyboardStateToShiftState() & (ssShift | ssCtrl | ssAlt);
    const bool ctrl = shift & ssCtrl;
    const bool shiftHeld = shift & ssShift;
    const bool alt = shift & ssAlt;
    FClipboardKey = false;
    if (key == VK_BACK && alt) FAltBack = true;
    g->EditorWMKeyDown(key, shift);
    Message.SetCharCode(key);
    if (key == 0) return;
    FOldSelStart = SelStart();
    const String s = Text();
    const String o = FSession->OldCellText;
    auto swallow = [&] { Message.SetCharCode(0); };

    // The clipboard keys go through the editor's own paste, copy and cut, never the native edit's.
    ushort clip = 0;
    if (!alt) {
        if ((ctrl && !shiftHeld && key == 'V') || (shiftHeld && !ctrl && key == VK_INSERT))
            clip = kCtrlV;
        else if (ctrl && !shiftHeld && (key == 'C' || key == VK_INSERT))
            clip = kCtrlC;
        else if ((ctrl && !shiftHeld && key == 'X') || (shiftHeld && !ctrl && key == VK_DELETE))
            clip = kCtrlX;
    }
    if (clip != 0) {
        // The paste itself applies the kind's rules to the pasted text, so the keys work in every kind.
        FClipboardKey = true;
        swallow();
        if (clip == kCtrlV)
            WMPaste();
        else if (clip == kCtrlC)
            WMCopy();
        else
            WMCut();
        return;
    }

    if (key == VK_ESCAPE) {
        SetText(g->OriginalCellValue());
        g->HideInplaceEdit();
    }
    if (key == 'A' && ctrl && !alt) {
        SelectAll();
        return swallow();
    }
    if (key == VK_RETURN && ctrl && !(nav->AllowCtrlEnter() && (g->WordWrap() || g->Multilinecells()))) {
        FSkipEnterChar = true;
        return swallow();
    }
    if (key == VK_TAB && g->EditorWantsSpecialKeys()) {
        if (g->ValidateCell(s)) {
            SetText(FSession->NewCellText);
            g->HideInplaceEdit();
            if (g->Options() & goTabs)
                g->AdvanceFromEditor(shiftHeld);
            else
                PostMessage(g, WM_KEYDOWN, VK_TAB, 0);
        } else {
            RestoreAfterFailedValidation(o);
        }
        FSkipEnterChar = true;
        return swallow();
    }
    const int length = int(s.size());
    if (shiftHeld && !ctrl && nav->CursorWalkEditor() &&
        ((key == VK_LEFT && SelStart() == 0) || (key == VK_RIGHT && SelStart() >= length))) {
        if (WriteAndValidate(s)) {
            SetText(FSession->NewCellText);
            g->HideInplaceEdit();
            g->SetFocus();
        } else {
            RestoreAfterFailedValidation(o);
            Invalidate();
        }
        return swallow();
    }
    // One line of text: Up and Down always leave the cell.
    FLeftVertically = false;
    if (key == VK_UP || key == VK_DOWN) {
        if (!WriteAndValidate(s)) {
            RestoreAfterFailedValidation(o);
            Invalidate();
            return swallow();
        }
        SetText(FSession->NewCellText);
        FLeftVertically = true;
    }
    if (key == VK_RETURN && !ctrl && !nav->LineFeedOnEnter()) {
        if (!g->ValidateCell(s)) {
            RestoreAfterFailedValidation(o);
            // The Enter character that follows must not validate the same text again.
            FSkipEnterChar = true;
            return swallow();
        }
        SetText(FSession->NewCellText);
    }
    if (!ctrl && !shiftHeld && key == VK_HOME) SetSelStart(0);
    if (!ctrl && !shiftHeld && key == VK_END) SetSelStart(int(Text().size()));
    if (key == VK_RETURN && ctrl && nav->LineFeedOnEnter()) {
        QChar enter('\r');
        TInplaceEdit::KeyPress(enter);
        FSkipEnterChar = true;
        return swallow();
    }
    TInplaceEdit::WndProc(Message);
    if (g->MouseActions()->DisjunctRowSelect() && FLeftVertically) {
        g->ClearRowSelect();
        g->SetRowSelect(g->RealRow(), true);
    }
}

void TQvInplaceEdit::KeyDown(Word& Key, TShiftState Shift) {
    TQvStringGrid* g = FQvGrid;
    FSelKeyDown = SelStart();
    switch (Key) {
    case VK_BACK:
    case VK_DELETE:
        Workmode = false;
        break;
    case VK_UP:
    case VK_DOWN:
        break;
    case VK_RETURN:
        if (!g->Navigation()->AllowCtrlEnter() && (g->WordWrap() || g->Multilinecells()))
            FSession->DropPendingValidation();
        break;
    default:
        Workmode = true;
        break;
    }
    g->EditorKeyDown(Key, Shift);
    if (Key != 0) TInplaceEdit::KeyDown(Key, Shift);
}

void TQvInplaceEdit::WMKeyUp(TMessage& Message) {
    if (Message.CharCode() == VK_BACK) FAltBack = false;
    FClipboardKey = false;
    TInplaceEdit::WndProc(Message);
    if (SelStart() > 0) FQvGrid->EditorTextChanged(Text());
}

void TQvInplaceEdit::KeyUp(Word& Key, TShiftState Shift) {
    TQvStringGrid* g = FQvGrid;
    if ((Key == VK_LEFT || Key == VK_RIGHT) && g->Navigation()->CursorWalkEditor() && Shift == 0 &&
        SelLength() == 0) {
        if (Key == VK_LEFT && SelStart() == 0 && FSelKeyDown == 0)
            CursorWalk(Key, false);
        else if (Key == VK_RIGHT && FOldSelStart >= int(Text().size()) && SelStart() >= int(Text().size()))
            CursorWalk(Key, true);
    }
    if (Key == VK_LEFT || Key == VK_RIGHT) return;
    TInplaceEdit::KeyUp(Key, Shift);
    if (!Visible()) return;
    DoChange();
    if (g->SizeWhileTyping()->Width()) {
        const bool growOnly = g->SizeGrowOnly();
        g->SetSizeGrowOnly(true);
        g->AutoSizeCol(g->RealCol());
        g->SetSizeGrowOnly(growOnly);
    }
    if (g->SizeWhileTyping()->Height() && g->WordWrap()) {
        const bool synchWithGrid = g->ColumnSize()->SynchWithGrid();
        g->ColumnSize()->SetSynchWithGrid(false);
        g->AutoSizeRow(g->Row());
        g->ColumnSize()->SetSynchWithGrid(synchWithGrid);
        if (g->OnEndRowSize) g->OnEndRowSize(g, g->Row());
    }
}

// Left at the start or Right at the end of the text leaves the cell: the value is validated first and
// the move happens only for an accepted value.
void TQvInplaceEdit::CursorWalk(Word& Key, bool Forward) {
    TQvStringGrid* g = FQvGrid;
    Key = 0;
    const int target = g->EditorWalkControlCol(Forward);
    if (!g->ValidateCell(Text())) return;
    g->HideInplaceEdit();
    if (target >= 0) {
        g->SetCol(target);
        return;
    }
    g->WalkFromEditor(Forward);
}

// Characters
// --------------------------------------------------------------------------------------------

void TQvInplaceEdit::WMChar(TMessage& Message) {
    TQvStringGrid* g = FQvGrid;
    QChar ch(static_cast<char16_t>(Message.CharCode()));
    auto swallow = [&] {
        Message.SetCharCode(0);
        Message.PassToNative = false;
    };
    if (FClipboardKey) {
        FClipboardKey = false;
        return swallow();
    }
    const bool endKey = ch == QChar('\r') || ch == QChar('\n') || ch == QChar('\t');
    if (FSkipEnterChar && endKey) {
        FSkipEnterChar = false;
        return swallow();
    }
    FSkipEnterChar = false;
    // The numeric keypad's decimal key types the locale's separator.
    if (g->ExcelStyleDecimalSeparator() && ch == QChar('.') && (Message.LParam & (LPARAM(1) << 22)))
        ch = QvGrid::CurrentDecimalSeparator();
    TEditCharState state = CharState();
    const ushort code = ch.unicode();
    state.CtrlHeld =
        (KeyboardStateToShiftState() & ssCtrl) || code == kCtrlC || code == kCtrlV || code == kCtrlX;
    const TCharFilterResult verdict = FilterEditChar(state, ch);
    if (verdict.Verdict == TCharVerdict::Refuse) {
        Beep();
        return swallow();
    }
    if (verdict.Verdict == TCharVerdict::Drop) return swallow();
    Message.SetCharCode(verdict.Char.unicode());
    const int caret = SelStart();
    TInplaceEdit::WndProc(Message);
    const ushort passed = Message.CharCode();
    const bool typed = passed != 0 && Message.PassToNative;
    swallow();
    if (!typed) return;
    switch (passed) {
    case kCtrlV:
        WMPaste();
        return;
    case kCtrlC:
        WMCopy();
        return;
    case kCtrlX:
        WMCut();
        return;
    default:
        break;
    }
    if (!Visible()) return;
    ApplyChar(QChar(static_cast<char16_t>(passed)));
    if (verdict.MixedCase) {
        SetText(ToMixedCase(Text()));
        SetSelStart(caret + 1);
    }
    TNavigation* nav = g->Navigation();
    const int length = int(Text().size());
    if (nav->AdvanceAuto() && nav->AdvanceOnEnter() && g->MaxEditLength() > 0 &&
        length == g->MaxEditLength() && SelLength() == 0 && SelStart() == length) {
        // A full text moves on as Enter would, after the same validation.
        const String o = FSession->OldCellText;
        if (g->ValidateCell(Text())) {
            QChar enter('\r');
            g->KeyPress(enter);
        } else {
            RestoreAfterFailedValidation(o);
        }
    }
}

void TQvInplaceEdit::KeyPress(QChar& Key) {
    TQvStringGrid* g = FQvGrid;
    if (Key == QChar('\r') && !g->Navigation()->LineFeedOnEnter()) {
        if (!g->ValidateCell(Text())) {
            SetText(g->GetCurrentCellText());
            Key = QChar();
            return;
        }
    }
    TInplaceEdit::KeyPress(Key);
}

void TQvInplaceEdit::Change() {
    TInplaceEdit::Change();
    if (!FSession->NoEditChange && FQvGrid->OnEditChange)
        FQvGrid->OnEditChange(FQvGrid, FQvGrid->RealCol(), FQvGrid->Row(), Text());
}

// Clipboard
// --------------------------------------------------------------------------------------------

void TQvInplaceEdit::WMPaste() {
    TQvStringGrid* g = FQvGrid;
    bool allow = ClipboardHasText();
    String clip = allow ? ClipboardText() : String();
    if (g->OnClipboardPaste) g->OnClipboardPaste(this, allow);
    if (allow && g->OnClipboardBeforePasteCell)
        g->OnClipboardBeforePasteCell(this, g->RealCol(), g->Row(), clip, allow);
    if (!allow) return;
    const TPasteResult pasted = BuildPastedText(CharState(), clip);
    // A paste the rules refuse, or one that leaves the text as it was, changes nothing and reports nothing.
    if (!pasted.Accepted || pasted.Text == Text()) return;
    SetText(pasted.Text);
    SetModified(true);
    g->SetCurrentCellEditText(Text());
    SetSelStart(pasted.SelStart);
    if (pasted.SelLength > 0) SetSelLength(pasted.SelLength);
    if (g->OnClipboardAfterPasteCell) g->OnClipboardAfterPasteCell(this, g->RealCol(), g->Row(), Text());
}

void TQvInplaceEdit::WMCopy() {
    bool allow = true;
    if (FQvGrid->OnClipboardCopy) FQvGrid->OnClipboardCopy(this, allow);
    if (allow) CopySelectionToClipboard();
}

void TQvInplaceEdit::WMCut() {
    bool allow = true;
    if (FQvGrid->OnClipboardCut) FQvGrid->OnClipboardCut(this, allow);
    if (allow && FQvGrid->CanEditModify()) CutSelectionToClipboard();
}

// Focus
// --------------------------------------------------------------------------------------------

void TQvInplaceEdit::WMSetFocus(TMessage& Message) {
    TInplaceEdit::WndProc(Message);
    FGotFocus = true;
    FSession->SetEditChangeMuted(false);
    FLengthLimit = FQvGrid->GetEditLimit();
    SetMaxLength(FLengthLimit);
    if (!FQvGrid->Navigation()->EditSelectAll()) {
        Deselect();
        SetSelStart(int(Text().size()));
    }
}

void TQvInplaceEdit::WMKillFocus(TMessage& Message) {
    TQvStringGrid* g = FQvGrid;
    FSession->ClearStartEditChar();
    if (g->LookupHistory() && g->LookupItems()->IndexOf(Text()) < 0) g->LookupItems()->Add(Text());
    TInplaceEdit::WndProc(Message);
    if (FAltBack) return;
    // The focus leaves the grid when the form already made another control active (the toolkit's own
    // focus change) or Qt hands it to another control's window.
    TControl* receiver = FocusReceiver();
    TCustomForm* form = GetParentForm(this);
    TWinControl* active = form ? form->ActiveControl() : nullptr;
    const bool activeElsewhere = active && active != g && active != this;
    const bool receiverElsewhere = receiver && receiver != g && receiver != this;
    if (activeElsewhere || receiverElsewhere || (!receiver && !active)) {
        // The focus leaves the grid: the edit ends here, validated, whatever the validation raises.
        try {
            g->ValidateCell(Text());
            SetText(g->GetCurrentCellText());
        } catch (...) {
            g->HideInplaceEdit();
            FSession->End();
            throw;
        }
        g->HideInplaceEdit();
        FSession->End();
        if (FColE >= 0 && FColE < g->ColCount() && FRowE >= 0 && FRowE < g->RowCount())
            g->SelectCell(FColE, FRowE);
    }
    if (FSession->NoEditChange) SetText(g->GetCurrentCellText());
    if (FGotFocus) {
        FGotFocus = false;
        g->DoEditingDone(g->RealColIndex(FColE), FRowE);
    }
}

// Contents and lookup
// --------------------------------------------------------------------------------------------

void TQvInplaceEdit::UpdateContents() {
    TQvStringGrid* g = FQvGrid;
    FSession->SetEditChangeMuted(true);
    SetPasswordMode(FSession->EditControl == edPassword);
    TInplaceEdit::UpdateContents();
    FSession->SetEditChangeMuted(false);
    // The editor looks like the cell it covers: its colour, font and horizontal alignment.
    TCellLook look(*g->Font());
    g->GetVisualProperties(g->Col(), g->Row(), false, false, true, look);
    SetColor(look.Fill.Color);
    SetFont(&look.Font);
    FColE = g->Col();
    FRowE = g->Row();
    SetAlignment(look.HAlign);
    FLengthLimit = g->GetEditLimit();
    g->DoGetEditorProp(g->RealCol(), g->Row(), nullptr);
}

void TQvInplaceEdit::DoChange() {
    TQvStringGrid* g = FQvGrid;
    if (!Workmode || SelLength() != 0) return;
    if (!g->Lookup() || g->LookupItems()->Count() == 0) return;
    const String text = Text();
    const int caret = SelStart();
    const String typed = text.left(caret);
    if (typed.isEmpty()) return;
    const bool caseSensitive = g->LookupCaseSensitive();
    const String prefix = caseSensitive ? typed : typed.toUpper();
    for (int i = 0; i < g->LookupItems()->Count(); ++i) {
        const String item = g->LookupItems()->Strings(i);
        const String probe = caseSensitive ? item : item.toUpper();
        if (!probe.startsWith(prefix)) continue;
        const String completed = typed + item.mid(typed.size()).left(255);
        SetText(completed);
        SetSelStart(int(typed.size()));
        SetSelLength(int(completed.size() - typed.size()));
        GotKey = false;
        return;
    }
}
