// A form shown as the desktop's pop-up window: placed exactly where asked, above the window it belongs to,
// taking the keyboard while it shows, and closed by a click outside it or by another window coming up.
#pragma once

#include "toolkit/controls/Forms.h"

#include <memory>

// The window is Qt's pop-up kind, the only kind every desktop lets a program place at a point of its own
// choosing (Wayland places no other window). Qt wants a pop-up closed when a click lands outside it or
// another window of the program comes up; the form hears of it as losing the activation: WM_ACTIVATE with
// WA_INACTIVE, LParam the control whose window takes over (null when that is none of this program's). A
// handler that hides the form closes it; one that leaves it visible keeps it open. Kept open while another
// window took over, the pop-up steps out of that window's way (a pop-up holds the mouse and the keys while
// it shows) and comes back once the window it belongs to is active again.
class TPopupForm : public TCustomForm {
public:
    explicit TPopupForm(TComponent* AOwner);
    ~TPopupForm() override;
    String ClassName() const override { return "TPopupForm"; }

    // The control whose window the pop-up belongs to and stays above; null: the main form's.
    TWinControl* PopupParent() const { return FPopupParent; }
    void SetPopupParent(TWinControl* v);
    // A drop shadow under this window, where the desktop draws them; other windows keep theirs.
    bool DropShadow() const { return FDropShadow; }
    void SetDropShadow(bool v);
    // The person cannot size it below this, nor can code.
    TSize MinimumSize() const { return FMinimum; }
    void SetMinimumSize(int w, int h);
    // The last 10 x 10 pixels at the bottom-right corner size the window.
    bool CornerSizing() const { return FCornerSizing; }
    void SetCornerSizing(bool v) { FCornerSizing = v; }

    // Shows the pop-up at `bounds` (screen coordinates, nothing moved onto a work area) in one showing,
    // or moves it there when it shows already.
    void Popup(const TRect& bounds);
    void SetVisible(bool v) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    bool Showing() const override;

    // Sizing from the bottom-right corner while the left button stays down, from the button's press at
    // `screenPos`: the window follows the mouse until the button comes up. A pop-up is never sized by the
    // window manager (X11 leaves override-redirect windows alone, Wayland sizes only top-level windows), so
    // the form does it itself. OnSizing follows every step.
    void StartSizing(const TPoint& screenPos);
    bool Sizing() const { return FSizing; }

    // Out of the way of another window that took over while the pop-up was kept open.
    bool SteppedAside() const { return FSteppedAside; }

    TNotifyEvent OnSizing;

protected:
    QWidget* CreateNativeWidget(QWidget* parent) override;
    void SyncWidget() override;
    void SyncGeometry() override;
    bool HandleQtEvent(QWidget* w, QEvent* e) override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    class Watch;
    QWidget* OwnerWindow();
    void ApplyFlags();
    void LoseActivation(TControl* taker, bool byClick);
    void StepAside();
    void ComeBack();
    void SizeTo(const TPoint& screenPos);
    void EndSizing();
    bool InCorner(int x, int y) const;

    TWinControl* FPopupParent = nullptr;
    bool FDropShadow = true;
    bool FCornerSizing = false;
    TSize FMinimum{0, 0};
    bool FSteppedAside = false;
    bool FSizing = false;
    TPoint FSizeFrom;
    TSize FSizeStart;
    std::unique_ptr<Watch> FWatch;
};
