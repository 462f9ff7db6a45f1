// What the detail picker and the image picker share: an edit whose popup holds an item selector, refilled
// before every drop, the keys that move its selection while open or closed, typed lookup and the wheel.
#pragma once

#include "controls/dropdown/QvDropDown.h"
#include "controls/dropdown/QvItemSelector.h"

#include <functional>
#include <memory>

class TTimer;

using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas* Canvas, TRect R)>;

class TQvItemPickerDropDown : public TQvCustomDropDown {
public:
    explicit TQvItemPickerDropDown(TComponent* AOwner);
    ~TQvItemPickerDropDown() override;

    TQvCustomItemSelector* ItemSelector() const { return FItemSelector; }
    TItemLayout Layout() const { return FLayout; }
    // Applied at the next opening.
    void SetLayout(TItemLayout v) { FLayout = v; }
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    void SetItemAppearance(const TItemAppearance* v) { FItemAppearance->Assign(v); }
    int ItemIndex() const { return FItemIndex; }
    virtual void SetItemIndex(int Value) = 0;
    virtual int ItemCount() const = 0;
    // The typed lookup text; cleared 500 ms after the first key of a burst.
    String CurSearch() const { return FCurSearch; }
    TTimer* KeyTimer() const { return FKeyTimer; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool CancelChanges) override;
    void ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift) override;
    void ControlKeyPress(TObject* Sender, QChar& Key) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void SetComponentStyle(TQvStyle AStyle) override;

    TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedImage;

protected:
    // The selector's columns for this picker and its items copied into the selector's.
    virtual int SelectorColumns() const = 0;
    virtual void FillSelectorItems(TSelectorItems* Target) const = 0;
    // The selector's chosen item became the picker's.
    virtual void SelectorItemSelect(TObject* Sender);
    void PrepareSelector();
    // A selector never opened holds no items yet: what works through it while closed fills it first.
    void FillSelectorWhenStale();
    // A selection the keys make in the open selector: the popup stays open and shows the item.
    void SelectInSelector(int Index);
    // Key codes that are their own upper-case character: the space, digits and letters.
    static bool IsLookupKey(Word Key) {
        return Key == 0x20 || (Key >= 0x30 && Key <= 0x39) || (Key >= 0x41 && Key <= 0x5A);
    }
    // The keys of an open or closed picker; answers whether the key was used up here.
    bool PickerKey(Word Key, TShiftState Shift, int UpDownStep, bool HomeEndWhenTypeable);

    TQvCustomItemSelector* FItemSelector = nullptr;
    TItemLayout FLayout = ilCaptionRight;
    int FItemIndex = -1;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    bool FInternalCall = false;
    TTimer* FKeyTimer = nullptr;
    String FCurSearch;
    int FOldItemIndex = -1;
};
