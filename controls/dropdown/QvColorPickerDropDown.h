// The colour picker: a dropdown edit that shows a box of the chosen colour and a text for it; its popup
// offers named colours in a list, the palette of theme colours, the colour cube or the spectrum.
#pragma once

#include "controls/dropdown/QvColorPicker_Text.h"
#include "controls/dropdown/QvDropDown.h"
#include "controls/dropdown/QvItemSelector.h"
#include "toolkit/system/Collections.h"

#include <functional>
#include <memory>

class TCustomColorSelector;
class TQvColorCubePanel;
class TQvColorSpectrumPanel;
class TTimer;

class TColorItem : public TCollectionItem {
public:
    explicit TColorItem(TCollection* ACollection) : TCollectionItem(ACollection) {}
    String ClassName() const override { return "TColorItem"; }
    // Caption, colour, enabled flag and hint.
    void Assign(const TPersistent* Source) override;

    String Caption() const { return FCaption; }
    void SetCaption(const String& v);
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    String Hint;
    bool Enabled = true;
    TRect Rect;

private:
    String FCaption;
    TColor FColor = clNone;
};

class TColorItems : public TCollection {
public:
    explicit TColorItems(TPersistent* AOwner) : FOwner(AOwner) {}
    String ClassName() const override { return "TColorItems"; }
    TColorItem* Add() { return static_cast<TColorItem*>(TCollection::Add()); }
    TColorItem* Items(int Index) const { return static_cast<TColorItem*>(TCollection::Items(Index)); }
    TPersistent* GetOwner() const override { return FOwner; }
    TNotifyEvent OnChange;

protected:
    TCollectionItem* CreateItem() override { return new TColorItem(this); }
    void Update(TCollectionItem* Item) override;

private:
    TPersistent* FOwner;
};

enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };

using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas* Canvas, TRect R)>;

class TQvColorPickerDropDown : public TQvCustomDropDown {
public:
    explicit TQvColorPickerDropDown(TComponent* AOwner);
    ~TQvColorPickerDropDown() override;
    String ClassName() const override { return "TQvColorPickerDropDown"; }

    TColorItems* Colors() const { return FColors.get(); }
    void SetColors(const TColorItems* v) { FColors->Assign(v); }
    // The 16 standard colours, appended.
    void AddDefaultColors();
    int ItemIndex() const { return FItemIndex; }
    // Ignored beyond the colours; -1 keeps the colour and selects no item. Fires OnSelect.
    void SetItemIndex(int Value);
    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first item of that colour, or none when no item has it.
    void SetSelectedColor(TColor Value);
    TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
    void SetColorSelectionStyle(TColorSelectionStyle Value);
    int Columns() const { return FColumns; }
    void SetColumns(int v) { FColumns = v; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout v) { FLayout = v; }
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int v) { FColorBoxWidth = v; }
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int v) { FColorBoxHeight = v; }
    bool ShowText() const { return FShowText; }
    void SetShowText(bool v);
    TColorValueText ColorValueText() const { return FColorValueText; }
    void SetColorValueText(TColorValueText v);
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    void SetItemAppearance(const TItemAppearance* v) { FItemAppearance->Assign(v); }
    // The list style's selected caption, else the colour in the ColorValueText form.
    String SelectedColorText() const { return GetSelectedColorText(); }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    // The styles' contents (null until a style first needs its own).
    TQvCustomItemSelector* ItemSelector() const { return FItemSelector; }
    TCustomColorSelector* ColorSelector() const { return FColorSelector; }
    TQvColorCubePanel* ColorCube() const { return FColorCubePanel; }
    TQvColorSpectrumPanel* Spectrum() const { return FSpectrumPanel; }
    // Clears the typed lookup 500 ms after its first key.
    TTimer* KeyTimer() const { return FKeyTimer; }

    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void PlaceDropDownControl() override;
    void UpdateDropDownSize() override;
    void DoHideDropDown(bool CancelChanges) override;
    void DropDownFormDestroyed() override;
    void WheelDown() override;
    void WheelUp() override;
    void DrawFocusedText() override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void SetComponentStyle(TQvStyle AStyle) override;
    // The popup's keys are the edit's: the contents never take the keyboard themselves.
    void ControlKeyDown(TObject* Sender, Word& Key, TShiftState Shift) override;
    // Copies the colour text; a paste of a colour text chooses that colour.
    void CopyToClipboard() override;
    void PasteFromClipboard() override;

    TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedColor;
    TDrawItemEvent OnDrawColor;

protected:
    virtual String GetSelectedColorText() const;
    void Dispatch(TMessage& Message) override;
    void CreateWnd() override;

private:
    void CreateContent(TColorSelectionStyle Style);
    TControl* Content(TColorSelectionStyle Style) const;
    void PrepareContent();
    void PrepareSelector();
    void ShowStyleContent();
    void SelectorItemSelect();
    void PanelSelect(TColor Color);
    void ListKey(Word Key, bool Handled);
    void HostSelect(int Index);

    TQvCustomItemSelector* FItemSelector = nullptr;
    TCustomColorSelector* FColorSelector = nullptr;
    TQvColorCubePanel* FColorCubePanel = nullptr;
    TQvColorSpectrumPanel* FSpectrumPanel = nullptr;
    int FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    std::unique_ptr<TColorItems> FColors;
    int FItemIndex = -1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TColorSelectionStyle FColorSelectionStyle = csList;
    TColor FSelectedColor = clNone;
    bool FShowText = true;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    bool FInternalCall = false;
    TTimer* FKeyTimer = nullptr;
    String FCurSearch;
    int FOldItemIndex = -1;
    TColor FOldSelectedColor = clNone;
    bool FDesignTime = false;
    TColorValueText FColorValueText = cvtNone;
};
