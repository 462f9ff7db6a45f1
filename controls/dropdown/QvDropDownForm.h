// TDropDownForm: the popup of a dropdown edit, a pop-up window holding a header bar, the content control
// and a footer bar, painted with the edit's popup colours and frame.
#pragma once

#include "toolkit/controls/PopupForm.h"

#include <functional>
#include <memory>

class TQvCustomDropDown;
class TQvHeader;
class TQvFooter;
class TScrollBox;
class TCanvas;

// The milliseconds clock the popup notes its closing on (the system's tick count); tests put their own in.
// An empty function gives the system's back.
using TDropDownTickSource = std::function<DWORD()>;
void SetDropDownTickSource(TDropDownTickSource Source);
DWORD DropDownTickCount();

class TDropDownForm : public TPopupForm {
public:
    // The "create new" constructor: no design, hidden, shadow and cancelling on deactivation on.
    explicit TDropDownForm(TComponent* AOwner);
    ~TDropDownForm() override;
    String ClassName() const override { return "TDropDownForm"; }

    // When the popup last lost the activation, on the dropdown tick clock.
    DWORD DeActivateTime() const { return FDeActivate; }
    bool Shadow() const { return DropShadow(); }
    void SetShadow(bool v) { SetDropShadow(v); }
    TQvHeader* Header() const { return FHeader; }
    TQvFooter* Footer() const { return FFooter; }
    TQvCustomDropDown* QvDropDown() const { return FQvDropDown; }
    void SetQvDropDown(TQvCustomDropDown* v) { FQvDropDown = v; }
    // Nothing in the dropdown unit makes one; a descendant may.
    TScrollBox* ScrollBox() const { return FScrollBox; }
    // The window's own bottom-right corner sizes it.
    bool Sizeable() const { return CornerSizing(); }
    void SetSizeable(bool v) { SetCornerSizing(v); }
    // Losing the activation closes the popup as cancelled (true) or keeping the change (false).
    bool CancelOnDeActivate() const { return FCancelOnDeActivate; }
    void SetCancelOnDeActivate(bool v) { FCancelOnDeActivate = v; }
    // While set the popup ignores the activation moving (a handler showing a window of its own keeps the
    // popup open; it steps out of that window's way and comes back).
    bool BlockActivate() const { return FBlockActivate; }
    void SetBlockActivate(bool v) { FBlockActivate = v; }
    // The person sized the popup since it last opened.
    bool SizedByPerson() const { return FSizedByPerson; }
    void SetSizedByPerson(bool v) { FSizedByPerson = v; }

    // Builds the header and footer bars the edit's appearances ask for, or brings them up to date.
    void InitializeAndUpdate();
    virtual void UpdateSize() {}
    // The client area inside the popup's frame.
    TRect AdjustedClientRect() const override;
    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    void Dispatch(TMessage& Message) override;
    LRESULT DialogCode() const override;
    void Resize() override;
    virtual void Paint();

private:
    void Activate(TMessage& Message);

    DWORD FDeActivate = 0;
    TQvFooter* FFooter = nullptr;
    TQvHeader* FHeader = nullptr;
    TQvCustomDropDown* FQvDropDown = nullptr;
    TScrollBox* FScrollBox = nullptr;
    bool FCancelOnDeActivate = true;
    bool FBlockActivate = false;
    bool FSizedByPerson = false;
    std::unique_ptr<TCanvas> FCanvas;
};
