// Hint windows: the window that shows a control's hint, the program-wide choice of its class, and the
// hint a control shows when the mouse rests on it.
#pragma once

#include "toolkit/controls/Controls.h"

// A borderless window that never takes the focus and shows one hint text. The plain window draws the text
// as it is; descendants lay it out their own way.
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* AOwner);
    ~THintWindow() override;
    String ClassName() const override { return "THintWindow"; }

    // The room the hint needs within MaxWidth pixels: (0, 0, width, height).
    virtual TRect CalcHintRect(int MaxWidth, const String& AHint, TObject* AData);
    // Shows the hint in the rectangle (screen coordinates), kept on the monitor it starts on.
    virtual void ActivateHint(const TRect& ARect, const String& AHint);
    // As ActivateHint; AData is what the control's CM_HINTSHOW answered in THintInfo::HintData.
    virtual void ActivateHintData(const TRect& ARect, const String& AHint, TObject* AData);
    void ReleaseHint() { Hide(); }

protected:
    QWidget* CreateNativeWidget(QWidget* parent) override;
    void Paint() override;
    // The rectangle moved left and up so that it ends 2 pixels inside the monitor it starts on.
    static TRect KeepOnMonitor(const TRect& ARect);
};

// Makes the window that shows hints.
using THintWindowClass = THintWindow* (*)(TComponent* AOwner);
THintWindow* CreatePlainHintWindow(TComponent* AOwner);

// The class every hint is shown with unless its control names another; nullptr gives the plain one back.
// A change replaces the window of a hint being shown.
THintWindowClass HintWindowClass();
void SetHintWindowClass(THintWindowClass AClass);
// Classes a control may name in THintInfo::HintWindowClass for one hint (each layer registers its own).
void RegisterHintWindowClass(const String& Name, THintWindowClass AClass);

// What happens when the mouse rests at a client point of the control (with ShowHint on): the control
// may change the hint in CM_HINTSHOW (LParam: the THintInfo; a non-zero result shows none), and a non-empty
// hint is shown below the mouse in a window of its class. False when no hint shows.
bool ActivateControlHint(TControl* AControl, const TPoint& AClientPos);
// A hint a control shows of its own accord (a size while a border is dragged) at a screen point, in the
// program's hint window class; it goes as a resting hint does, or with CancelHint.
void ShowHintAt(TControl* AControl, const TPoint& ScreenPos, const String& AHint);
// A balloon below a control that tells why its entry was not taken: the title, then the text on a line of
// its own; nothing for a control without a window or with neither title nor text.
void ShowBalloonHint(TControl* AControl, const String& Title, const String& Text);
// Hides the hint being shown, if any.
void CancelHint();
// The window of the hint being shown, or null.
THintWindow* ShownHintWindow();
