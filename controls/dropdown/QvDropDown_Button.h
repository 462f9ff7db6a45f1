// TQvButton, the small gradient button on a popup's header and footer bars, and TDbgList, the checked
// list the bars keep their buttons in.
#pragma once

#include "controls/dropdown/QvDropDown_ButtonAppearance.h"
#include "toolkit/controls/Controls.h"

#include <vector>

class TImageList;
class TTimer;
class TQvCustomDropDown;

// Scoped: the grid has a button style of the same value names.
enum class TQvButtonStyle { tasButton, tasCheck };
enum TQvButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };

// A list of controls whose indexed access is checked: reading or writing at or past the count raises.
class TDbgList {
public:
    int Count() const { return int(FItems.size()); }
    void Add(TControl* Item) { FItems.push_back(Item); }
    void Clear() { FItems.clear(); }
    TControl* ItemsEx(int Index) const;
    void SetItemsEx(int Index, TControl* Item);
    void AssignList(const TDbgList& List) { FItems = List.FItems; }
    bool Empty() const { return FItems.empty(); }
    TControl* Last() const { return FItems.back(); }

private:
    std::vector<TControl*> FItems;
};

// Shows its state in the colours of a shared TQvButtonAppearance: up, hot, pressed, down (checked) and
// disabled. A footer's button knows its edit: a modal result that confirms or cancels closes the popup.
class TQvButton : public TCustomControl {
public:
    explicit TQvButton(TComponent* AOwner);
    ~TQvButton() override;
    String ClassName() const override { return "TQvButton"; }

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int v) { FGroupIndex = v; }
    bool Down() const { return FDown; }
    void SetDown(bool v);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool v) { FAllowAllUp = v; }
    TQvButtonStyle Style() const { return FStyle; }
    void SetStyle(TQvButtonStyle v) { FStyle = v; }
    TQvButtonState State() const { return FState; }
    bool Hot() const { return FHot || FMouseInControl; }
    TQvButtonAppearance* Appearance() const { return FAppearance; }
    void SetAppearance(TQvButtonAppearance* v);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* v);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult v) { FModalResult = v; }
    TQvCustomDropDown* QvDropDown() const { return FQvDropDown; }
    void SetQvDropDown(TQvCustomDropDown* v) { FQvDropDown = v; }

    // Width and height from the caption (in the appearance's font) and the image, with the button's margins.
    void AutoSizeButton();
    void Click() override;
    void Loaded() override;
    virtual void DrawButton();

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void EnabledChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool Inside(int X, int Y) const { return ClientRect().Contains(TPoint(X, Y)); }
    void UnHotTick();
    void ButtonPressed(int Group, TQvButton* Sender);

    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    int FOffSet = 4;
    bool FMouseInControl = false;
    bool FHot = false;
    TQvButtonStyle FStyle = TQvButtonStyle::tasButton;
    TQvButtonState FState = absUp;
    bool FMouseDownInControl = false;
    bool FGrouped = true;
    bool FDragging = false;
    bool FPropHot = false;
    TTimer* FUnHotTimer = nullptr;
    bool FInitialDown = false;
    bool FInternalClick = false;
    TQvButtonAppearance* FAppearance = nullptr;
    TImageList* FImages = nullptr;
    int FImageIndex = -1;
    TModalResult FModalResult = mrNone;
    TQvCustomDropDown* FQvDropDown = nullptr;
};
