// Hint windows: the window that shows a control's hint, the program-wide choice of its class, and the
// hint a control shows when the mouse rests on it.
#pragma once

#include "toolkit/controls/Controls.h"

#include <algorithm>
#include <memory>

class QObject;

// The icons of a balloon (the platform's numbers).
enum : int { TTI_NONE = 0, TTI_INFO = 1, TTI_WARNING = 2, TTI_ERROR = 3 };

// A borderless window that never takes the focus and shows one hint text. The plain window draws the text
// as it is; descendants lay it out their own way. It also shows balloons: an icon and a bold title line
// over the text.
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
    // The room a balloon needs, its text wrapped within MaxWidth pixels: (0, 0, width, height).
    TRect CalcBalloonRect(int MaxWidth, const String& Title, const String& Text, int Icon);
    // Shows a balloon in the rectangle (screen coordinates), kept on the monitor it starts on.
    void ActivateBalloon(const TRect& ARect, const String& Title, const String& Text, int Icon);
    bool IsBalloon() const { return FBalloon; }
    String BalloonTitle() const { return FBalloon ? FBalloonTitle : String(); }
    int BalloonIcon() const { return FBalloon ? FBalloonIcon : TTI_NONE; }

protected:
    QWidget* CreateNativeWidget(QWidget* parent) override;
    void Paint() override;
    // The rectangle moved left and up so that it ends 2 pixels inside the monitor it starts on.
    static TRect KeepOnMonitor(const TRect& ARect);

private:
    void PaintBalloon();
    // Where the icon, title and text of a balloon go within MaxWidth.
    struct BalloonLayout {
        TRect Icon, Title, Text;
        TSize Size;
    };
    BalloonLayout LayOutBalloon(int MaxWidth, const String& Title, const String& Text, int Icon);

    bool FBalloon = false;
    String FBalloonTitle;
    int FBalloonIcon = TTI_NONE;
    int FBalloonMaxWidth = 0;
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
// A hint a control shows of its own accord (a size while a border is dragged, a thumb's row) at a screen
// point, in the program's hint window class, laid out within MaxWidth pixels (-1: the screen's width); it
// goes as a resting hint does, or with CancelHint.
void ShowHintAt(TControl* AControl, const TPoint& ScreenPos, const String& AHint, TColor Color = clInfoBk,
                int MaxWidth = -1);
// A balloon below a control that tells why its entry was not taken: the icon and the title, then the text;
// nothing for a control without a window or with neither title nor text.
void ShowBalloonHint(TControl* AControl, const String& Title, const String& Text, int Icon = TTI_NONE);

// The balloon tips of one control: the platform's tooltip control in balloon style, with the control's whole
// client area as its one tool. Once the mouse has rested in the control for the initial delay, the control is
// asked for the text (WM_NOTIFY with an NMTTDISPINFOW, code TTN_GETDISPINFOW, hwndFrom this object); a text
// shows below the mouse in the one hint window, with the title, icon, width and colours set (the request's
// handler may set them), until the mouse leaves, a button or key is pressed, Pop is called or the auto-pop
// delay runs out. After Pop a tip shows again once the mouse has rested for the reshow delay; after an
// auto-pop only when the mouse has left and come back.
class TBalloonTips {
public:
    explicit TBalloonTips(TControl* Tool);
    ~TBalloonTips();
    TBalloonTips(const TBalloonTips&) = delete;
    TBalloonTips& operator=(const TBalloonTips&) = delete;

    TControl* Tool() const { return FTool; }
    void SetTitle(const String& Title, int Icon);
    String Title() const { return FTitle; }
    int Icon() const { return FIcon; }
    // Milliseconds; -1 keeps the system's (500, 100 and 5000).
    void SetDelays(int Initial, int Reshow, int AutoPop);
    int InitialDelay() const { return FInitial; }
    int ReshowDelay() const { return FReshow; }
    int AutoPopDelay() const { return FAutoPop; }
    // The widest a tip is laid out; -1 for the monitor's width.
    void SetMaxTipWidth(int Width) { FMaxWidth = Width; }
    int MaxTipWidth() const { return FMaxWidth; }
    // clNone keeps the hint colours.
    void SetTipColors(TColor Background, TColor Text);
    TColor TipBkColor() const { return FBackground; }
    TColor TipTextColor() const { return FText; }
    // The opacity of the tip's window, 0 to 255.
    void SetAlpha(int Alpha) { FAlpha = std::clamp(Alpha, 0, 255); }
    int Alpha() const { return FAlpha; }
    // Takes the tip down, if this control's is shown.
    void Pop();
    bool Showing() const;

    // The hint system's part: the mouse moved in the tool (screen point), or left it, or pressed.
    void MouseRests(const TPoint& ScreenPos);
    void MouseGone();

private:
    void ShowTip();

    TControl* FTool;
    String FTitle;
    int FIcon = TTI_NONE;
    int FInitial = -1, FReshow = -1, FAutoPop = -1;
    int FMaxWidth = -1;
    TColor FBackground = clNone, FText = clNone;
    int FAlpha = 255;
    TPoint FRestAt;
    bool FPopped = false;
    bool FAutoPopped = false;
    // The show and auto-pop timers.
    std::unique_ptr<QObject> FTimers;
};
// Hides the hint being shown, if any.
void CancelHint();
// The window of the hint being shown, or null.
THintWindow* ShownHintWindow();
