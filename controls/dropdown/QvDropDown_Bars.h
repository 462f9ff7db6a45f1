// The header and footer bars of a dropdown's popup: background, frame, image, markup caption, a row of
// buttons, and on the footer the size grip.
#pragma once

#include "controls/dropdown/QvDropDown_Appearance.h"
#include "controls/dropdown/QvDropDown_Button.h"
#include "controls/dropdown/QvDropDown_Types.h"
#include "toolkit/controls/Controls.h"

#include <memory>
#include <vector>

class TQvCustomDropDown;
class TImageList;

// What the two bars share; each copies its own appearance from the edit's header or footer appearance.
class TQvDropDownBar : public TCustomControl {
public:
    TQvDropDownBar(TComponent* AOwner, std::unique_ptr<TBarAppearance> Appearance);
    ~TQvDropDownBar() override;

    TBarAppearance* BarAppearance() const { return FAppearance.get(); }
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* v);
    TQvCustomDropDown* QvDropDown() const { return FQvDropDown; }
    // Takes the edit, its images and a copy of its appearance for this bar.
    void SetQvDropDown(TQvCustomDropDown* Edit);
    // The edit's button items for this bar; null without an edit.
    TBarButtons* Buttons() const;
    const TDbgList& ButtonList() const { return FButtonList; }
    // The area the buttons are laid out in.
    virtual TRect InnerArea() const = 0;

    virtual void CreateButtons();
    virtual void ClearButtons();
    virtual void ArrangeButtons();
    virtual void UpdateButtons();

    TDrawBackGroundEvent OnDrawBackGround;
    TGetTextEvent OnGetText;

protected:
    virtual TBarAppearance* EditAppearance() const = 0;
    virtual void FireButtonClick(int Index) = 0;
    void Paint() override;
    // The bar's frame line on its popup-facing edge (and the whole frame when the popup has none).
    virtual void PaintBorder(TCanvas* Canvas, const TRect& R) = 0;
    void Resize() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;
    bool PopupHasFrame() const;

private:
    void ButtonClick(TObject* Sender);
    void FreeRetiredButtons();

    std::unique_ptr<TBarAppearance> FAppearance;
    TImageList* FImages = nullptr;
    TQvCustomDropDown* FQvDropDown = nullptr;
    TDbgList FButtonList;
    // Buttons of a previous row: freed once the message that replaced them is handled (a button's click
    // may have led to the change).
    std::vector<TQvButton*> FRetired;
};

class TQvHeader : public TQvDropDownBar {
public:
    explicit TQvHeader(TComponent* AOwner);
    String ClassName() const override { return "TQvHeader"; }
    THeaderAppearance* Appearance() const { return static_cast<THeaderAppearance*>(BarAppearance()); }
    TRect InnerArea() const override;

protected:
    TBarAppearance* EditAppearance() const override;
    void FireButtonClick(int Index) override;
    void PaintBorder(TCanvas* Canvas, const TRect& R) override;
};

class TQvFooter : public TQvDropDownBar {
public:
    explicit TQvFooter(TComponent* AOwner);
    String ClassName() const override { return "TQvFooter"; }
    TFooterAppearance* Appearance() const { return static_cast<TFooterAppearance*>(BarAppearance()); }
    TRect InnerArea() const override;
    // The grip shows when the appearance asks for it and the edit lets the popup be sized.
    bool GripShown() const;
    // Where a press starts sizing the popup: the last 12 pixels of the width and 15 of the height.
    bool InGripArea(int X, int Y) const;

protected:
    TBarAppearance* EditAppearance() const override;
    void FireButtonClick(int Index) override;
    void Paint() override;
    void PaintBorder(TCanvas* Canvas, const TRect& R) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void PaintGrip(TCanvas* Canvas, const TRect& G);
    TCursor FOldCursor = crDefault;
};
