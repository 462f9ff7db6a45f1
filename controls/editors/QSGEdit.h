// The edit with a button inside its right edge (TQsgEditBtn) and the value-plus-unit edit built on it
// (TQsgUnitEditBtn), the small container that holds the button (TQsgEditButton) and the speed button that
// paints itself in the container's colours, themed or flat (TQvSpeedButton).
#pragma once

#include "toolkit/stdctrls/Buttons.h"
#include "toolkit/stdctrls/Mask.h"
#include "toolkit/system/StringList.h"

#include <functional>
#include <memory>

class TPopupMenu;
class TQsgEditButton;

using TUnitChangeEvent = std::function<void(TObject* Sender, const String& NewUnit)>;

// The first of `Units` (in their order) that ends `Value` and stands nowhere earlier in it splits the value:
// the text before it and the unit. False, and nothing written, when no unit does; an empty unit never does.
bool SplitTextAndUnit(const String& Value, const TStrings& Units, String& Text, String& Unit);

// The button of the edit: the container's colours when it has them, else a themed push button, a flat
// edge or the classic frame, with its glyph and caption in the middle.
class TQvSpeedButton : public TSpeedButton {
public:
    explicit TQvSpeedButton(TComponent* AOwner);
    String ClassName() const override { return "TQvSpeedButton"; }

    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v);
    // Its own flat look (an edge around the face), not the speed button's.
    bool Flat() const { return FQvFlat; }
    void SetFlat(bool v);
    // The mouse is over the button.
    bool Hot() const { return FHot; }

protected:
    void Paint() override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    bool FIsWinXP = false;
    bool FQvFlat = false;
    bool FHot = false;
};

// Holds the speed button, sized to fill it. A left release after a press on the button clicks the
// container (OnClick) and gives the focus to the focus control (or to the container when it takes it).
class TQsgEditButton : public TWinControl {
public:
    explicit TQsgEditButton(TComponent* AOwner);
    ~TQsgEditButton() override;
    String ClassName() const override { return "TQsgEditButton"; }

    TQvSpeedButton* Button() const { return FButton; }
    TBitmap* Glyph() const { return FButton->Glyph(); }
    void SetGlyph(const TBitmap* v) { FButton->SetGlyph(v); }
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int v) { FButton->SetNumGlyphs(v); }
    String ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const String& v) { FButton->SetCaption(v); }
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* v);

    // No colour (clNone) for each until set; the face colours decide the look, the text colours and the
    // border colour are kept for designs (the caption is drawn in black).
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor v);
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor v);
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor v);
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor v) { FButtonTextColor = v; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor v) { FButtonTextColorHot = v; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor v) { FButtonTextColorDown = v; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor v) { FButtonBorderColor = v; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Loaded() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void ButtonReleased(TMouseButton Button);
    void FitButton();

    TQvSpeedButton* FButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    bool FFlat = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
};

// A one-line (masked) edit with a push button at its right edge: the button or F4 (without Ctrl or Alt)
// raises OnClickBtn. With EditorEnabled off nothing can be typed, cut or pasted; the button still works.
// The clipboard keys go through WM_CUT and WM_PASTE, so whatever a descendant does with those holds for
// them too.
class TQsgEditBtn : public TCustomMaskEdit {
public:
    explicit TQsgEditBtn(TComponent* AOwner);
    ~TQsgEditBtn() override;
    String ClassName() const override { return "TQsgEditBtn"; }

    TQsgEditButton* Button() const { return FButton; }
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int v);
    String ButtonCaption() const { return FButton->ButtonCaption(); }
    void SetButtonCaption(const String& v) { FButton->SetButtonCaption(v); }
    TBitmap* Glyph() const { return FButton->Glyph(); }
    void SetGlyph(const TBitmap* v) { FButton->SetGlyph(v); }
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool v) { FEditorEnabled = v; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v);
    bool RightAlign() const { return FRightAlign; }
    void SetRightAlign(bool v);

    // What the button does: OnClickBtn with the Sender it is given.
    virtual void BtnClick(TObject* Sender);

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TNotifyEvent OnClickBtn;

protected:
    void Dispatch(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void Resize() override;
    void CreateWnd() override;
    // The text keeps clear of the button and of the room for a unit.
    void SetEditRect();
    void PlaceButton();

    // Room kept for a unit text between the text and the button.
    int FUnitSize = 0;

private:
    TQsgEditButton* FButton = nullptr;
    bool FRightAlign = false;
    bool FEditorEnabled = true;
    int FButtonWidth = 18;
    bool FIsWinXP = false;
};

// A number and its unit: the unit (UnitID) shows between the number and the button, and the button drops
// a menu of the allowed units (Units). Picking another unit raises OnUnitChanged.
class TQsgUnitEditBtn : public TQsgEditBtn {
public:
    explicit TQsgUnitEditBtn(TComponent* AOwner);
    ~TQsgUnitEditBtn() override;
    String ClassName() const override { return "TQsgUnitEditBtn"; }

    TStringList* Units() const { return FUnits.get(); }
    // A copy of the list; none is ignored.
    void SetUnits(const TStrings* v);
    String UnitID() const { return FUnitID; }
    void SetUnitID(const String& v);
    int UnitSpace() const { return FUnitSize; }
    void SetUnitSpace(int v);
    // The text followed by the unit. Setting splits a value that ends in one of the units (see
    // SplitTextAndUnit); a value that ends in none changes nothing.
    String TextAndUnit() const { return Text() + FUnitID; }
    void SetTextAndUnit(const String& v);
    // The menu the button drops (its items are the units, rebuilt at each drop).
    TPopupMenu* UnitMenu() const { return FMenu.get(); }

    // OnClickBtn, then the menu of units under the right end of the edit.
    void BtnClick(TObject* Sender) override;

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TUnitChangeEvent OnUnitChanged;

protected:
    bool PaintsItself() const override { return true; }
    void Dispatch(TMessage& Message) override;

private:
    void PickUnit(int Index);

    String FUnitID;
    std::unique_ptr<TStringList> FUnits;
    std::unique_ptr<TPopupMenu> FMenu;
    std::unique_ptr<TCanvas> FCanvas;
};
