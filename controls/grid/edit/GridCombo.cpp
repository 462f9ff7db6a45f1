// The grid's in-place combo editor: keys, validation, focus, wheel, lookup completion and dropped width.
#include "controls/grid/edit/GridCombo.h"

#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/system/ScopedValue.h"

#include <functional>

namespace {

// Puts a setting back when the scope ends, also when an event handler raises.
class ComboSettingRestore {
public:
    explicit ComboSettingRestore(std::function<void()> restore) : FRestore(std::move(restore)) {}
    ~ComboSettingRestore() { FRestore(); }
    ComboSettingRestore(const ComboSettingRestore&) = delete;
    ComboSettingRestore& operator=(const ComboSettingRestore&) = delete;

private:
    std::function<void()> FRestore;
};

bool IsComboLeavingKey(Word Key, bool ListMode) {
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE) return true;
    if (ListMode) return Key == VK_LEFT || Key == VK_RIGHT;
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_UP || Key == VK_DOWN;
}

} // namespace

TGridCombo::TGridCombo(TComponent* AOwner) : TQsgComboBox(AOwner) {
    FGrid = dynamic_cast<TQvStringGrid*>(AOwner);
    if (!FGrid) throw EInvalidGridOperation("The grid's combo editor needs a string grid as its owner");
    FSession = &FGrid->EditSession();
    SetButtonWidth(16);
}

LRESULT TGridCombo::DialogCode() const {
    // Enter and Escape belong to the editor, never to the form's default and cancel buttons.
    LRESULT code = TQsgComboBox::DialogCode() | DLGC_WANTALLKEYS | DLGC_WANTARROWS;
    if (FGrid->EditorWantsSpecialKeys()) code |= DLGC_WANTTAB;
    return code;
}

bool TGridCombo::ListMode() const {
    return Style() == csDropDownList || DroppedDown();
}

// Events
// --------------------------------------------------------------------------------------------

void TGridCombo::FireEditChange() {
    if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->RealCol(), FGrid->Row(), Text());
}

void TGridCombo::FireComboChange() {
    const int index = ItemIndex();
    const int col = FGrid->RealCol();
    if (FGrid->OnComboChange) FGrid->OnComboChange(FGrid, col, FGrid->Row(), index, Text());
    if (FGrid->OnComboObjectChange)
        FGrid->OnComboObjectChange(FGrid, col, FGrid->Row(), index, Text(),
                                   index >= 0 ? Items()->Objects(index) : nullptr);
}

void TGridCombo::NotifyGrid(Word Code) {
    FGrid->Perform(WM_COMMAND, MAKEWPARAM(0, Code), reinterpret_cast<LPARAM>(static_cast<TComboBox*>(this)));
}

void TGridCombo::Change() {
    TQsgComboBox::Change();
    FireEditChange();
    // A choice is reported once, as the selection change; only typing is an edit change.
    if (!FInSelect) NotifyGrid(CBN_EDITCHANGE);
}

void TGridCombo::Select() {
    {
        const ScopedValue<bool> inSelect(FInSelect, true);
        TQsgComboBox::Select();
    }
    NotifyGrid(CBN_SELCHANGE);
}

void TGridCombo::DropDown() {
    TQsgComboBox::DropDown();
    NotifyGrid(CBN_DROPDOWN);
}

void TGridCombo::CloseUp() {
    TQsgComboBox::CloseUp();
    // The list closes before the item picked in it becomes the choice: the grid hears of the close once the
    // choice has landed.
    PostMessage(FGrid, WM_COMMAND, MAKEWPARAM(0, CBN_CLOSEUP),
                reinterpret_cast<LPARAM>(static_cast<TComboBox*>(this)));
}

// Messages and focus
// --------------------------------------------------------------------------------------------

void TGridCombo::WndProc(TMessage& Message) {
    if (Message.Msg == WM_MOUSEWHEEL) {
        WheelStep(Message.WheelDelta());
        Message.Result = 0;
        return;
    }
    TQsgComboBox::WndProc(Message);
}

void TGridCombo::WheelStep(int Delta) {
    const int index = ItemIndex();
    if (Delta < 0) {
        if (index < Items()->Count() - 1) SetItemIndex(index + 1);
    } else if (index > 0) {
        SetItemIndex(index - 1);
    }
    FireEditChange();
    FireComboChange();
}

void TGridCombo::Dispatch(TMessage& Message) {
    if (Message.Msg != WM_SETFOCUS) {
        TQsgComboBox::Dispatch(Message);
        return;
    }
    TQsgComboBox::Dispatch(Message);
    if (Style() == csDropDown) {
        if (FGrid->Navigation()->EditSelectAll())
            SelectAll();
        else
            SetSelStart(int(Text().size()));
    }
    if (FSession->OpenedByClick) {
        // Opened by a click: the caret goes where the click was.
        const TPoint p = ScreenToClient(GetCursorPos());
        if (p.X >= 0 && p.X <= Width() && p.Y >= 0 && p.Y <= Height()) {
            const int at = EditCharFromPos(p);
            if (at != -1) {
                SetSelStart(at);
                SetSelLength(0);
                FSession->ClearOpenedByClick();
            }
        }
    }
}

void TGridCombo::DoExit() {
    const String text = Text();
    if (FGrid->LookupHistory() && !text.isEmpty() && Items()->IndexOf(text) < 0) {
        Items()->Add(text);
        FGrid->AddComboString(text);
    }
    FGrid->HideInplaceEdit();
    TQsgComboBox::DoExit();
}

// Keys
// --------------------------------------------------------------------------------------------

bool TGridCombo::WriteAndValidate() {
    FGrid->SetCurrentCell(Text());
    return FGrid->ValidateCell(Text());
}

void TGridCombo::ShowRefusedValue(bool SelectWhole) {
    SetText(FGrid->NewCellText());
    if (Style() == csDropDown) {
        if (SelectWhole)
            SelectAll();
        else
            SetSelStart(int(Text().size()));
    }
    Invalidate();
}

void TGridCombo::KeyDown(Word& Key, TShiftState Shift) {
    TQvStringGrid* g = FGrid;
    TNavigation* nav = g->Navigation();
    Forced = false;
    FSelKeyDown = SelStart();
    const bool list = ListMode();
    bool leaving = IsComboLeavingKey(Key, list);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;

    if ((Key == VK_UP || Key == VK_DOWN) && !nav->ComboGetUpDown() && !DroppedDown()) {
        g->HideInplaceEdit();
        {
            const bool alwaysEdit = nav->AlwaysEdit();
            nav->SetAlwaysEdit(false);
            ComboSettingRestore restore([nav, alwaysEdit] { nav->SetAlwaysEdit(alwaysEdit); });
            g->SetFocus();
        }
        g->KeyDown(Key, Shift);
        Key = 0;
        return;
    }
    if (Key == VK_DOWN && (Shift & ssAlt)) leaving = false;
    // A Tab the editor does not claim is the form's: the focus moves on and takes the edit's end with it.
    if (Key == VK_TAB && !(DialogCode() & DLGC_WANTTAB)) leaving = false;
    if (!leaving) {
        TQsgComboBox::KeyDown(Key, Shift);
        return;
    }

    if (Key == VK_ESCAPE) {
        const String stored = g->GetCurrentCellText();
        SetText(stored);
        SelectItem(stored);
        FSession->Cancel();
        g->HideInplaceEdit();
        g->SetFocus();
        Key = 0;
        return;
    }
    if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        if (!WriteAndValidate()) {
            ShowRefusedValue(true);
            Key = 0;
            FSession->RefuseAdvance();
            return;
        }
        if (Style() == csDropDownList)
            SelectItem(g->GetCurrentCellText());
        else
            SetText(g->GetCurrentCellText());
    }
    if (Key == VK_TAB) {
        // Only a Tab the editor claims gets here: the grid validates it.
        if (!WriteAndValidate()) {
            ShowRefusedValue(false);
            Key = 0;
            return;
        }
        if (Style() == csDropDownList)
            SetItemIndex(Items()->IndexOf(g->GetCurrentCellText()));
        else
            SetText(g->GetCurrentCellText());
        if (g->Options() & goTabs) {
            g->HideInplaceEdit();
            g->SetFocus();
            g->AdvanceFromEditor(Shift & ssShift);
            Key = 0;
            return;
        }
        PostMessage(g, WM_KEYDOWN, VK_TAB, 0);
    }
    if (list) {
        TMouseActions* mouse = g->MouseActions();
        {
            const bool directClose = mouse->DirectComboClose();
            mouse->SetDirectComboClose(false);
            ComboSettingRestore restore([mouse, directClose] { mouse->SetDirectComboClose(directClose); });
            g->HideInplaceEdit();
        }
        if (Key == VK_LEFT || Key == VK_RIGHT) g->KeyDown(Key, Shift);
        if (Key == VK_PRIOR || Key == VK_NEXT || (Key >= VK_LEFT && Key <= VK_DOWN)) Key = 0;
    } else if (Key == VK_END) {
        TQsgComboBox::KeyDown(Key, Shift);
        return;
    }
    g->DoneInplaceEdit(Key, Shift);
    if (nav->AdvanceOnEnter() && nav->AdvanceAutoEdit()) g->ShowInplaceEdit();
    Key = 0;
    TQsgComboBox::KeyDown(Key, Shift);
}

void TGridCombo::KeyPress(QChar& Key) {
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
    if (Key == QChar(27)) Key = QChar();
    if (Key == QChar('\r') && OnReturnKey) OnReturnKey(this);
    if (Key == QChar('\r') || Key == QChar('\t')) Key = QChar();
    // A choice the typing makes (the list's keyboard search) reaches the grid as the selection change.
    TQsgComboBox::KeyPress(Key);
}

void TGridCombo::KeyUp(Word& Key, TShiftState Shift) {
    TQvStringGrid* g = FGrid;
    if (Style() == csDropDown && Visible() && g->Navigation()->CursorWalkEditor() && Shift == 0 &&
        SelLength() == 0) {
        // The caret must already have stood at the edge when the key went down.
        if (Key == VK_LEFT && SelStart() == 0 && FSelKeyDown == 0)
            CursorWalk(Key, false);
        else if (Key == VK_RIGHT && SelStart() >= int(Text().size()) && FSelKeyDown >= int(Text().size()))
            CursorWalk(Key, true);
    }
    FSession->AllowAdvance();
    if (Key != VK_RETURN) TQsgComboBox::KeyUp(Key, Shift);
    if (Visible()) DoChange();
}

void TGridCombo::CursorWalk(Word& Key, bool Forward) {
    TQvStringGrid* g = FGrid;
    Key = 0;
    const int target = g->EditorWalkControlCol(Forward);
    if (target >= 0) {
        if (!WriteAndValidate()) return;
        g->HideInplaceEdit();
        g->SetCol(target);
        return;
    }
    g->SetFocus(); // the focus leaving the editor closes it
    g->WalkFromEditor(Forward);
}

// Lookup and the dropped list
// --------------------------------------------------------------------------------------------

void TGridCombo::DoChange() {
    TQvStringGrid* g = FGrid;
    if (!WorkMode || !g->Lookup() || Style() == csDropDownList) return;
    const String text = Text();
    const String typed = text.left(SelStart());
    if (typed.isEmpty()) return;
    const bool caseSensitive = g->LookupCaseSensitive();
    const String prefix = caseSensitive ? typed : typed.toUpper();
    auto complete = [&](TStrings* list, bool fromItems) {
        for (int i = 0; i < list->Count(); ++i) {
            const String item = list->Strings(i);
            if (!(caseSensitive ? item : item.toUpper()).startsWith(prefix)) continue;
            const String completed = typed + item.mid(typed.size()).left(255);
            if (fromItems && completed == item)
                SetItemIndex(i);
            else
                SetText(completed);
            SetSelStart(int(typed.size()));
            SetSelLength(int(completed.size() - typed.size()));
            ItemIdx = i;
            ItemChange = true;
            return true;
        }
        return false;
    };
    if (!complete(Items(), true)) complete(g->LookupItems(), false);
}

void TGridCombo::SizeDropDownWidth() {
    TCanvas* canvas = FGrid->Canvas();
    int width = Width();
    // A list with more items than it shows scrolls: its scroll bar takes room beside the widest text.
    const bool scrolls = Items()->Count() > DropDownCount();
    for (int i = 0; i < Items()->Count(); ++i) {
        const int w = canvas->TextWidth(Items()->Strings(i));
        if (scrolls) {
            if (w > width - 25) width = w + 25;
        } else if (w > width - 5) {
            width = w + 8;
        }
    }
    SetDroppedWidth(width);
}
