// The multi-column dropdown: items and the lookup list, the drop cycle with its list, sizing the popup,
// completion in the edit, typing in the open list and the item keys and wheel.
#include "controls/dropdown/QvMultiColumnDropDown.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvDropDown_Bars.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/system/ScopedValue.h"

namespace {

// The list's look per component style where it differs from what the selection style gives.
struct TListStyleColors {
    TQvStyle Style;
    TColor HeaderColor, HeaderColorTo, HeaderFontColor, LineColor, FixedLineColor;
    TColor SelectionColor, SelectionColorTo, SelectionTextColor;
};

constexpr TColor kKeep = clNone;

const TListStyleColors kListStyles[] = {
    {tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, 0x962D00, 0x962D00, kKeep, kKeep, kKeep},
    {tsWindowsXP, clBtnFace, clBtnFace, kKeep, 0xC0C0C0, 0, clHighlight, clHighlight, clHighlightText},
    {tsOffice2010Blue, 0xEDDBCD, clNone, 0x5B391E, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0x6CD0FF, kKeep},
};

TSelectionColorStyle ListSelectionStyle(TQvStyle Style) {
    switch (Style) {
    case tsWindowsVista:
        return scWindowsVista;
    case tsWindows7:
        return scWindows7;
    case tsWindowsXP:
    case tsTerminal:
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black:
        return scCustom;
    default:
        return scOffice2007;
    }
}

} // namespace

TQvMultiColumnDropDown::TQvMultiColumnDropDown(TComponent* AOwner)
    : TQvCustomDropDown(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)),
      FItems(std::make_unique<TDropDownItems>(this)), FHeaderFont(std::make_unique<TFont>()) {
    SetDropDownHeight(200);
    SetAutoSelect(true);
    SetDropDownEnabled(true);
    SetSelectionColorStyle(scOffice2007);
    CreateDropDownForm();
}

TQvMultiColumnDropDown::~TQvMultiColumnDropDown() = default;

// ---- items and the lookup list

void TQvMultiColumnDropDown::SetItemIndex(int Value) {
    if (Value >= FItems->Count()) return;
    FItemIndex = std::max(-1, Value);
    if (FItemIndex < 0 || FLookupColumn < 0)
        SetText(String());
    else
        SetText(FItems->Items(FItemIndex)->ColumnText(FLookupColumn));
}

void TQvMultiColumnDropDown::SetText(const String& Value) {
    // Only typing is completed: a text set by code, an item's among them, stays as it is.
    const ScopedValue<bool> completing(FCompleting, true);
    TQvCustomDropDown::SetText(Value);
}

int TQvMultiColumnDropDown::GetItemIndex(const String& Value) const {
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Items(i)->ColumnText(FLookupColumn) == Value) return i;
    return -1;
}

void TQvMultiColumnDropDown::EndUpdate() {
    if (FLookupColumn < 0 || FItems->Count() == 0) return;
    FLookupItems.clear();
    FLookupItems.reserve(size_t(FItems->Count()));
    for (int i = 0; i < FItems->Count(); ++i)
        FLookupItems.push_back(FItems->Items(i)->ColumnText(FLookupColumn));
}

void TQvMultiColumnDropDown::Loaded() {
    TQvCustomDropDown::Loaded();
    EndUpdate();
}

void TQvMultiColumnDropDown::Assign(const TPersistent* Source) {
    TQvCustomDropDown::Assign(Source);
    const auto* s = dynamic_cast<const TQvMultiColumnDropDown*>(Source);
    if (!s) return;
    FCaseSensitive = s->FCaseSensitive;
    FDropDownAutoWidth = s->FDropDownAutoWidth;
    FDropDownRowHeight = s->FDropDownRowHeight;
    FLineColor = s->FLineColor;
    FFixedLineColor = s->FFixedLineColor;
    FColumnSizing = s->FColumnSizing;
    FColumnSizeWithDropDown = s->FColumnSizeWithDropDown;
    FColumns->Assign(s->FColumns.get());
    FHeaderColor = s->FHeaderColor;
    FHeaderColorTo = s->FHeaderColorTo;
    FHeaderHeight = s->FHeaderHeight;
    FHeaderFont->Assign(s->FHeaderFont.get());
    FLookupColumn = s->FLookupColumn;
    FSelectionTextColor = s->FSelectionTextColor;
    FItems->Assign(s->FItems.get());
    FItemIndex = s->FItemIndex;
}

// ---- the drop cycle

void TQvMultiColumnDropDown::CreateDropDownForm() {
    TQvCustomDropDown::CreateDropDownForm();
    if (!FDropDownForm || FQvColGrid) return;
    FQvColGrid = new QvMultiColumn::TQvColGrid(this);
    FQvColGrid->SetParent(FDropDownForm);
    FQvColGrid->SetQvDropDown(this);
    FQvColGrid->SetBounds(0, 0, FQvColGrid->Width(), 180);
    FQvColGrid->SetColor(FDropDownColor);
    SetFocusControl(FQvColGrid);
}

void TQvMultiColumnDropDown::BeforeDropDown() {
    TQvCustomDropDown::BeforeDropDown();
    if (FDropDownForm) FDropDownForm->SetCancelOnDeActivate(false);
    FShowing = true;
    if (FQvColGrid) {
        FQvColGrid->SetupFromDropDown();
        FQvColGrid->SetOptions(FQvColGrid->Options() | goThumbTracking);
        FQvColGrid->SetColor(FDropDownColor);
        // Only a row chosen in this opening is taken by a close that is no cancel.
        FQvColGrid->SetConfirmSelection(false);
        FQvColGrid->OnRowChosen = [this](int Row) {
            if (!FShowing) SetItemIndex(Row - FQvColGrid->FixedRows());
        };
        FQvColGrid->OnSelect = [this](TObject* s) { ListSelect(s); };
        const int row = FItemIndex + 1;
        if (FQvColGrid->RowCount() > 1) FQvColGrid->SetRow(row < FQvColGrid->FixedRows() ? 1 : row);
    }
    FOldItemIndex = FItemIndex;
}

void TQvMultiColumnDropDown::PlaceDropDownControl() {
    SetControl(FQvColGrid);
    TQvCustomDropDown::PlaceDropDownControl();
}

void TQvMultiColumnDropDown::UpdateDropDownSize() {
    TQvCustomDropDown::UpdateDropDownSize();
    if (!FDropDownAutoWidth || !FQvColGrid || !FDropDownForm) return;
    FQvColGrid->SetAlign(alNone);
    FQvColGrid->SetWidth(FQvColGrid->GetColumnsWidth());
    FDropDownForm->SetWidth(FQvColGrid->Width() + 2 * FDropDownBorderWidth);
    FQvColGrid->SetAlign(alClient);
}

void TQvMultiColumnDropDown::AdjustDropDownHeight(int& Height) {
    if (!FDropDownForm) return;
    const TQvHeader* header = FDropDownForm->Header();
    const TQvFooter* footer = FDropDownForm->Footer();
    Height = WholeRowsDropDownHeight(Height, header && header->Visible() ? header->Height() : 0,
                                     footer && footer->Visible() ? footer->Height() : 0, FHeaderHeight,
                                     FDropDownRowHeight);
}

void TQvMultiColumnDropDown::DoDropDown() {
    TQvCustomDropDown::DoDropDown();
    StretchColumns();
    if (FQvColGrid && FQvColGrid->RowCount() > 1 && DroppedDown())
        FQvColGrid->ShowItemRow(std::max(0, FItemIndex));
    FShowing = false;
}

void TQvMultiColumnDropDown::StretchColumns() {
    if (!FColumnSizeWithDropDown || !FQvColGrid || !FDropDownForm) return;
    FQvColGrid->SetScrollBars(ssVertical);
    if (FColumns->Count() == 0) return;
    std::vector<int> widths;
    for (int c = 0; c < FQvColGrid->Columns()->Count(); ++c)
        widths.push_back(FQvColGrid->Columns()->Items(c)->Width());
    int fill = FDropDownForm->Width();
    if (!FQvColGrid->AllRowsVisible()) fill -= SystemScrollBarWidth();
    const std::vector<int> stretched = StretchColumnWidths(widths, fill);
    for (size_t c = 0; c < stretched.size(); ++c)
        FQvColGrid->SetColWidths(int(c), stretched[c]);
}

void TQvMultiColumnDropDown::FormSizing(TObject* Sender) {
    TQvCustomDropDown::FormSizing(Sender);
    StretchColumns();
}

void TQvMultiColumnDropDown::DoHideDropDown(bool CancelChanges) {
    const bool shown = FDropDownForm && FDropDownForm->Visible();
    TQvCustomDropDown::DoHideDropDown(CancelChanges);
    if (!shown) return;
    if (CancelChanges)
        SetItemIndex(FOldItemIndex);
    else if (FQvColGrid && FQvColGrid->ConfirmSelection())
        SetItemIndex(FQvColGrid->Row() - FQvColGrid->FixedRows());
    FOldItemIndex = FItemIndex;
}

void TQvMultiColumnDropDown::ListSelect(TObject*) {
    if (FQvColGrid->ConfirmSelection()) SetItemIndex(FQvColGrid->Row() - FQvColGrid->FixedRows());
    DoHideDropDown(false);
    if (OnSelect) OnSelect(this);
}

namespace {
bool StaysInList(Word Key, TShiftState Shift) {
    return !(Shift & ssAlt) && (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN);
}
} // namespace

void TQvMultiColumnDropDown::ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift) {
    if (!StaysInList(Key, Shift)) TQvCustomDropDown::ControlKeyDown(Sender, Key, Shift);
}

void TQvMultiColumnDropDown::ControlKeyUp(TObject* Sender, Word& Key, TShiftState Shift) {
    if (!StaysInList(Key, Shift)) TQvCustomDropDown::ControlKeyUp(Sender, Key, Shift);
}

void TQvMultiColumnDropDown::ControlKeyPress(TObject*, QChar& Key) {
    const QChar key = Key;
    // The list takes the character: nothing is typed into the edit behind it.
    Key = QChar();
    const bool alt = KeyboardStateToShiftState() & ssAlt;
    if (!FQvColGrid || FQvColGrid->EditorMode() || !ListTypingUses(key, alt)) {
        FLookupEntry.Entry.clear();
        return;
    }
    const int prefix = int(FPrefix.size());
    FLookupEntry.EditText = GetText();
    FLookupEntry.SelStart = std::max(0, SelStart() - prefix);
    FLookupEntry.SelLength = SelLength();
    const TListTypingResult r = ListTypingKey(FLookupEntry, key, FLookupItems, FCaseSensitive);
    if (r.ItemIndex >= 0) {
        FItemIndex = r.ItemIndex;
        FQvColGrid->ShowItemRow(r.ItemIndex);
    }
    if (r.EditChanged) {
        const ScopedValue<bool> completing(FCompleting, true);
        ApplyEdit(FPrefix + r.EditText + FSuffix, prefix + r.SelStart, r.SelLength);
    }
}

void TQvMultiColumnDropDown::WheelDown() {
    TQvCustomDropDown::WheelDown();
    StepTo(TItemStep::Down);
}

void TQvMultiColumnDropDown::WheelUp() {
    TQvCustomDropDown::WheelUp();
    StepTo(TItemStep::Up);
}

void TQvMultiColumnDropDown::StepTo(TItemStep Step) {
    if (FItems->Count() == 0) return;
    const int to = StepItem(Step, FItemIndex, FItems->Count(), FEditorEnabled);
    if (to == FItemIndex) return;
    SetItemIndex(to);
    if (FDroppedDown && FQvColGrid) FQvColGrid->ShowItemRow(to);
}

// ---- looks

void TQvMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    ListLineColors(Value, FLineColor, FFixedLineColor);
    TQvCustomDropDown::SetSelectionColorStyle(Value);
}

void TQvMultiColumnDropDown::SetComponentStyle(TQvStyle AStyle) {
    TQvCustomDropDown::SetComponentStyle(AStyle);
    if (AStyle == tsCustom) return;
    SetSelectionColorStyle(ListSelectionStyle(AStyle));
    for (const TListStyleColors& s : kListStyles) {
        if (s.Style != AStyle) continue;
        FHeaderColor = s.HeaderColor;
        FHeaderColorTo = s.HeaderColorTo;
        if (s.HeaderFontColor != kKeep) FHeaderFont->SetColor(s.HeaderFontColor);
        FLineColor = s.LineColor;
        FFixedLineColor = s.FixedLineColor;
        if (s.SelectionColor != kKeep) SetSelectionColor(s.SelectionColor);
        if (s.SelectionColorTo != kKeep) SetSelectionColorTo(s.SelectionColorTo);
        if (s.SelectionTextColor != kKeep) FSelectionTextColor = s.SelectionTextColor;
    }
}

// ---- the edit's keys and completion

void TQvMultiColumnDropDown::Dispatch(TMessage& m) {
    if (m.Msg != WM_KEYDOWN || (ComponentState() & csDesigning)) {
        TQvCustomDropDown::Dispatch(m);
        return;
    }
    const Word key = m.CharCode();
    const bool lookup = FLookupColumn >= 0 && FItems->Count() > 0;
    // Set before the edit acts on the key: Delete changes the text inside the base's own handling.
    if (lookup) FWorkMode = !(key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE);
    if (lookup && key == VK_RETURN) {
        if (const int i = LookupIndexOfNoCase(FLookupItems, GetText()); i >= 0) {
            SetItemIndex(i);
            Change();
        }
    }
    TQvCustomDropDown::Dispatch(m);
    if (!Enabled() || (KeyboardStateToShiftState() & ssAlt)) return;
    switch (key) {
    case VK_UP:
        StepTo(TItemStep::Up);
        break;
    case VK_DOWN:
        StepTo(TItemStep::Down);
        break;
    case VK_PRIOR:
        StepTo(TItemStep::PageUp);
        break;
    case VK_NEXT:
        StepTo(TItemStep::PageDown);
        break;
    case VK_HOME:
        StepTo(TItemStep::Home);
        break;
    case VK_END:
        StepTo(TItemStep::End);
        break;
    default:
        break;
    }
}

void TQvMultiColumnDropDown::KeyDown(Word& Key, TShiftState Shift) {
    const Word key = Key;
    TQvCustomDropDown::KeyDown(Key, Shift);
    if (key == VK_ESCAPE && FLookupColumn >= 0 && FItems->Count() > 0)
        SetItemIndex(LookupIndexOfNoCase(FLookupItems, GetText()));
}

void TQvMultiColumnDropDown::KeyPress(QChar& Key) {
    if (Key == QChar(u'\r') && FReturnIsTab) {
        Key = QChar();
        return;
    }
    TQvCustomDropDown::KeyPress(Key);
}

void TQvMultiColumnDropDown::KeyUp(Word& Key, TShiftState Shift) {
    if (Key != VK_RETURN || !FReturnIsTab) TQvCustomDropDown::KeyUp(Key, Shift);
    if (!FItemChange) return;
    FItemChange = false;
    // Taking the item's spelling is still the person's typing: the edit stays modified.
    const bool modified = IsModified();
    SetItemIndex(FItemIdx);
    SetIsModified(modified);
    const int prefix = int(FPrefix.size());
    SetSelStart(prefix + FItemSel);
    SetSelLength(std::max(0, int(GetText().size()) - FItemSel));
}

void TQvMultiColumnDropDown::Change() {
    FItemChange = false;
    TQvCustomDropDown::Change();
    if (FCompleting || (ComponentState() & csDesigning) || !FWorkMode) return;
    const String text = GetText();
    SetIsModified(!text.isEmpty());
    const int prefix = int(FPrefix.size());
    const TEditCompletion c = CompleteEditText(FLookupItems, text, SelStart() - prefix, FMatchCase);
    if (!c.Completed && !c.Cut) return;
    {
        const ScopedValue<bool> completing(FCompleting, true);
        ApplyEdit(FPrefix + c.Text + FSuffix, prefix + c.TypedLength, int(c.Text.size()) - c.TypedLength);
    }
    if (!c.Completed) return;
    FItemIndex = FItemIdx = c.ItemIndex;
    FItemSel = c.TypedLength;
    FItemChange = true;
}
