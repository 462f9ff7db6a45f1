// The item pickers' shared drop cycle over an item selector, their keys, typed lookup and selection steps.
#include "controls/dropdown/QvItemPickerDropDown.h"

#include "controls/dropdown/QvDropDownForm.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/system/ScopedValue.h"

#include <algorithm>

TQvItemPickerDropDown::TQvItemPickerDropDown(TComponent* AOwner)
    : TQvCustomDropDown(AOwner), FItemAppearance(std::make_unique<TItemAppearance>(this)) {
    SetAutoSize(false);
    SetDropDownEnabled(true);
    FItemAppearance->OnChange = [](TObject*) {};
    FKeyTimer = new TTimer(this);
    FKeyTimer->SetEnabled(false);
    FKeyTimer->SetInterval(500);
    FKeyTimer->OnTimer = [this](TObject*) {
        FKeyTimer->SetEnabled(false);
        FCurSearch.clear();
    };
    CreateDropDownForm();
}

TQvItemPickerDropDown::~TQvItemPickerDropDown() {
    if (FKeyTimer) FKeyTimer->SetEnabled(false);
}

void TQvItemPickerDropDown::CreateDropDownForm() {
    TQvCustomDropDown::CreateDropDownForm();
    if (!FDropDownForm || FItemSelector) return;
    FItemSelector = new TQvCustomItemSelector(this);
    FItemSelector->SetParent(FDropDownForm);
    FItemSelector->SetSelectorType(stImage);
    FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
    FItemSelector->SetColor(FDropDownColor);
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
    SetFocusControl(FItemSelector);
}

void TQvItemPickerDropDown::BeforeDropDown() {
    TQvCustomDropDown::BeforeDropDown();
    // A click outside closes the popup and keeps the choice.
    if (FDropDownForm) FDropDownForm->SetCancelOnDeActivate(false);
    PrepareSelector();
    FOldItemIndex = FItemIndex;
}

void TQvItemPickerDropDown::PrepareSelector() {
    if (!FItemSelector) return;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(SelectorColumns());
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(FDropDownColor);
    FItemSelector->SetItemAppearance(FItemAppearance.get());
    TSelectorItems* items = FItemSelector->Items();
    items->BeginUpdate();
    items->Clear();
    FillSelectorItems(items);
    items->EndUpdate();
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->SetItemIndex(FItemIndex);
    FItemSelector->OnItemSelect = [this](TObject* s) { SelectorItemSelect(s); };
}

void TQvItemPickerDropDown::FillSelectorWhenStale() {
    if (FItemSelector && FItemSelector->Items()->Count() != ItemCount()) PrepareSelector();
}

void TQvItemPickerDropDown::SelectorItemSelect(TObject*) {
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall) DoHideDropDown(false);
}

void TQvItemPickerDropDown::DoHideDropDown(bool CancelChanges) {
    const bool shown = FDropDownForm && FDropDownForm->Visible();
    TQvCustomDropDown::DoHideDropDown(CancelChanges);
    // Also an opening without a choice comes back to none: what was browsed is not kept.
    if (shown && CancelChanges && FItemSelector) SetItemIndex(FOldItemIndex);
}

void TQvItemPickerDropDown::SelectInSelector(int Index) {
    if (!FItemSelector || Index < 0 || Index >= FItemSelector->Items()->Count()) return;
    const ScopedValue<bool> internal(FInternalCall, true);
    FItemSelector->SetItemIndex(Index);
}

void TQvItemPickerDropDown::SelectFirst() {
    if (ItemCount() > 0) SetItemIndex(0);
}

void TQvItemPickerDropDown::SelectLast() {
    if (ItemCount() > 0) SetItemIndex(ItemCount() - 1);
}

void TQvItemPickerDropDown::SelectNext() {
    if (ItemCount() > 0) SetItemIndex(FItemIndex < 0 ? 0 : std::min(FItemIndex + 1, ItemCount() - 1));
}

void TQvItemPickerDropDown::SelectPrevious() {
    if (ItemCount() > 0) SetItemIndex(FItemIndex < 0 ? 0 : std::max(FItemIndex - 1, 0));
}

bool TQvItemPickerDropDown::PickerKey(Word Key, TShiftState Shift, int UpDownStep, bool ClosedHomeEnd) {
    if (!Enabled() || (Shift & ssAlt) || !FItemSelector) return false;
    const bool open = FDroppedDown;
    FillSelectorWhenStale();
    const int current = FItemSelector->ItemIndex();
    const int last = FItemSelector->Items()->Count() - 1;
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT: {
        const int n = FItemSelector->GetVisibleItemCount();
        if (n >= 1) {
            const int to = Key == VK_PRIOR ? current - n : current + n;
            SelectInSelector(Key == VK_PRIOR ? (to < 1 ? 0 : to) : std::min(to, last));
        }
        return open;
    }
    case VK_HOME:
    case VK_END:
        if (open)
            SelectInSelector(Key == VK_HOME ? 0 : last);
        else if (ClosedHomeEnd || !FEditorEnabled)
            Key == VK_HOME ? SelectFirst() : SelectLast();
        return false;
    case VK_LEFT:
    case VK_RIGHT:
        if (open && !FEditorEnabled) SelectInSelector(Key == VK_LEFT ? current - 1 : current + 1);
        return open;
    case VK_UP:
    case VK_DOWN:
        if (!open)
            Key == VK_UP ? SelectPrevious() : SelectNext();
        else
            SelectInSelector(current < 0 ? 0 : Key == VK_UP ? current - UpDownStep : current + UpDownStep);
        return open;
    default:
        break;
    }
    if (!(Shift & ssCtrl) && IsLookupKey(Key)) {
        FCurSearch += QChar(Key);
        {
            const ScopedValue<bool> internal(FInternalCall, true);
            FItemSelector->LookupItem(FCurSearch);
        }
        FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
        // A running timer is not restarted: the text goes 500 ms after the burst's first key.
        if (!FKeyTimer->Enabled()) FKeyTimer->SetEnabled(true);
    }
    return false;
}

void TQvItemPickerDropDown::ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift) {
    // The edit moves the selector's selection: the selector's own step would move it twice.
    TQvCustomDropDown::ControlKeyDown(Sender, Key, Shift);
    Key = 0;
}

void TQvItemPickerDropDown::ControlKeyPress(TObject* Sender, QChar& Key) {
    TQvCustomDropDown::ControlKeyPress(Sender, Key);
    Key = QChar();
}

void TQvItemPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    TQvCustomDropDown::SetSelectionColorStyle(Value);
    // The picker's own look is what the selector gets at each opening.
    FItemAppearance->SetColorStyle(Value);
    if (FItemSelector) FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

void TQvItemPickerDropDown::SetComponentStyle(TQvStyle AStyle) {
    TQvCustomDropDown::SetComponentStyle(AStyle);
    SetItemAppearanceStyle(FItemAppearance.get(), AStyle);
}
