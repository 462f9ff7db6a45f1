// The button panel: custom-drawn push keys with captions and pictures that track the mouse and report
// clicks by key index; as a calculator panel it makes and arranges the 28 keys of a pocket calculator.
#pragma once

#include "controls/dropdown/QvDropDown_Types.h"
#include "controls/dropdown/QvItemSelector_Layout.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/system/Collections.h"

#include <functional>
#include <memory>

class TPicture;
class TImageList;
class TQvCustomDropDown;

// One key.
class TButtonItem : public TCollectionItem {
public:
    explicit TButtonItem(TCollection* ACollection);
    ~TButtonItem() override;
    String ClassName() const override { return "TButtonItem"; }
    // Caption, caption colour, tag, image index, image, enabled flag and name; not the place.
    void Assign(const TPersistent* Source) override;

    String Caption;
    // Kept and copied; the keys are drawn in the appearance's text colours.
    TColor CaptionColor = 0xFFFFFF;
    int ImageIndex = -1;
    TPicture* Image() const { return FImage.get(); }
    // The key's function code.
    int Tag = 0;
    // A disabled key neither tracks the mouse nor clicks.
    bool Enabled = true;
    // The key's rectangle in panel coordinates, set by the arrangement.
    int Left = 0, Top = 0, Width = 0, Height = 0;
    String Name;
    // Drawn in the appearance's SpecialTextColor.
    bool Special = false;

    TRect Rect() const { return TRect(Left, Top, Left + Width, Top + Height); }

private:
    std::unique_ptr<TPicture> FImage;
};

class TButtonItems : public TCollection {
public:
    explicit TButtonItems(TPersistent* AOwner) : FOwner(AOwner) {}
    String ClassName() const override { return "TButtonItems"; }
    TButtonItem* Add() { return static_cast<TButtonItem*>(TCollection::Add()); }
    TButtonItem* Insert(int Index) { return static_cast<TButtonItem*>(TCollection::Insert(Index)); }
    TButtonItem* Items(int Index) const { return static_cast<TButtonItem*>(TCollection::Items(Index)); }
    TPersistent* GetOwner() const override { return FOwner; }

protected:
    TCollectionItem* CreateItem() override { return new TButtonItem(this); }

private:
    TPersistent* FOwner;
};

// The keys' look. Of it only the font and the two text colours reach the painting: the key faces are the
// desktop style's push buttons.
class TButtonAppearance : public TPersistent {
public:
    TButtonAppearance();
    ~TButtonAppearance() override;
    String ClassName() const override { return "TButtonAppearance"; }
    void Assign(const TPersistent* Source) override;

#define QV_BUTTON_COLOR(Name, Default)                                                                       \
    TColor Name() const {                                                                                    \
        return F##Name;                                                                                      \
    }                                                                                                        \
    void Set##Name(TColor v) {                                                                               \
        if (v == F##Name) return;                                                                            \
        F##Name = v;                                                                                         \
        Changed();                                                                                           \
    }
    QV_BUTTON_COLOR(BorderColor, 0)
    QV_BUTTON_COLOR(BorderColorHot, 0)
    QV_BUTTON_COLOR(BorderColorDown, 0)
    QV_BUTTON_COLOR(Color, 0)
    QV_BUTTON_COLOR(ColorTo, 0)
    QV_BUTTON_COLOR(ColorHot, 0)
    QV_BUTTON_COLOR(ColorHotTo, 0)
    QV_BUTTON_COLOR(ColorDown, 0)
    QV_BUTTON_COLOR(ColorDownTo, 0)
    QV_BUTTON_COLOR(GlowColorHot, 0)
    QV_BUTTON_COLOR(GlowColorDown, 0)
    QV_BUTTON_COLOR(TextColor, 0)
    QV_BUTTON_COLOR(SpecialTextColor, 0)
#undef QV_BUTTON_COLOR
    TColor ShineColor() const {
        return FShineColor;
    }
    void SetShineColor(TColor v) {
        FShineColor = v;
    }
    TFont* Font() const {
        return FFont.get();
    }
    void SetFont(const TFont* v);

    TNotifyEvent OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }

    TColor FBorderColor = 0;
    TColor FBorderColorHot = 0;
    TColor FBorderColorDown = 0;
    TColor FColor = 0x9A915F;
    TColor FColorTo = 0xB0A170;
    TColor FColorHot = 0x9F6F1C;
    TColor FColorHotTo = 0xD5C244;
    TColor FColorDown = 0x4B2F08;
    TColor FColorDownTo = 0xADB514;
    TColor FGlowColorHot = 0xD5C244;
    TColor FGlowColorDown = 0xD5C244;
    TColor FShineColor = 0xFFFFFF;
    TColor FTextColor = 0;
    TColor FSpecialTextColor = 0x000080;
    std::unique_ptr<TFont> FFont;
};

enum TButtonPanelType { plCalculator, plCustom };

using TCalculatorButtonClickEvent = std::function<void(TObject* Sender, int Index)>;

// The key placement of the calculator panel inside the buttons' rectangle R: key width
// (R.Width() - 8) / 6 and height (R.Height() - 4) / 5; the memory keys left, a gap of 4 after the first
// column and the fourth, and after the first row; neighbouring keys share their border line.
void ArrangeCalculatorKeys(TButtonItems& Keys, const TRect& R);

class TCustomButtonPanel : public TCustomControl {
public:
    explicit TCustomButtonPanel(TComponent* AOwner);
    ~TCustomButtonPanel() override;
    String ClassName() const override { return "TCustomButtonPanel"; }

    TButtonItems* Buttons() const { return FButtons.get(); }
    void SetButtons(const TButtonItems* Value) { FButtons->Assign(Value); }
    TButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
    void SetButtonAppearance(const TButtonAppearance* Value) { FButtonAppearance->Assign(Value); }
    TItemLayout ButtonLayout() const { return FButtonLayout; }
    void SetButtonLayout(TItemLayout v) { FButtonLayout = v; }
    TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
    void SetButtonPanelType(TButtonPanelType v);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* v);
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle v) { FItemColorStyle = v; }
    TWinControl* Edit() const { return FEdit; }
    void SetEdit(TWinControl* v);
    // The dropdown the panel sits in: then it draws no frame and leaves repaints to the dropdown.
    void SetQvDropDown(TQvCustomDropDown* v) { FQvDropDown = v; }
    int ButtonHot() const { return FButtonHot; }
    int ButtonDown() const { return FButtonDown; }
    // The first key, in index order, whose rectangle holds the point; -1 for none.
    int ButtonAt(int X, int Y) const;

    virtual void DrawButton(int Index, TCanvas* Canvas);
    // The client rectangle inside the margins.
    virtual void GetButtonsRect(TRect& Rect) const;
    // The size that fits the largest caption and picture under ButtonLayout, with the key margins.
    virtual void GetButtonSize(int& Width, int& Height);
    virtual void ClearButtons();
    virtual void ResetButtons();
    // The calculator's keys, when the panel is a calculator and has none yet; then ArrangeButtons.
    virtual void InitButtons();
    virtual void ArrangeButtons();
    virtual void InvalidateButton(int Index);
    virtual void ButtonClick(int Index);

    void Loaded() override;

    TCalculatorButtonClickEvent OnButtonClick;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void Resize() override;

private:
    void SetButtonHot(int Index);
    void SetButtonDown(int Index);
    // The key's picture: its own image, else Images[ImageIndex], else none (0 x 0).
    TSize PictureSize(const TButtonItem* Item) const;
    void DrawPicture(const TButtonItem* Item, TCanvas* Canvas, int X, int Y) const;

    std::unique_ptr<TButtonItems> FButtons;
    std::unique_ptr<TButtonAppearance> FButtonAppearance;
    TItemLayout FButtonLayout = ilCaptionRight;
    TButtonPanelType FButtonPanelType = plCalculator;
    TImageList* FImages = nullptr;
    TSelectionColorStyle FItemColorStyle = scOffice2007;
    TWinControl* FEdit = nullptr;
    int FButtonHot = -1;
    int FButtonDown = -1;
    int FOffSetX = 8;
    int FOffSetY = 8;
    int FButtonOffSetX = 4;
    int FButtonOffSetY = 4;
    int FCaptionGap = 0;
    TQvCustomDropDown* FQvDropDown = nullptr;
};
