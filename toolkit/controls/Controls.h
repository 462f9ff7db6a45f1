// Controls: state that lives without a window, and the Qt widget that shows it once one is needed.
#pragma once

#include "toolkit/controls/Messages.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/system/Classes.h"
#include "toolkit/system/RegisteredNames.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class QWidget;
class QEvent;
class TWinControl;
class TCustomForm;
class TCanvas;
class TBitmap;
class TPopupMenu;
class TBasicAction;
class TControlActionLink;
struct TDesignValue;

using HWND = QWidget*;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

enum TCursor : int {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
    crHSplit = -14,
    crVSplit = -15,
    crMultiDrag = -16,
    crSQLWait = -17,
    crNo = -18,
    crAppStart = -19,
    crHelp = -20,
    crHandPoint = -21,
    crSizeAll = -22,
};

enum TControlStyleFlag : unsigned {
    csAcceptsControls = 1u << 0,
    csCaptureMouse = 1u << 1,
    csClickEvents = 1u << 2,
    csFramed = 1u << 3,
    csSetCaption = 1u << 4,
    csOpaque = 1u << 5,
    csDoubleClicks = 1u << 6,
    csFixedWidth = 1u << 7,
    csFixedHeight = 1u << 8,
    csNoStdEvents = 1u << 9,
    csParentBackground = 1u << 10,
};
using TControlStyleFlags = unsigned;

enum TControlStateFlag : unsigned {
    csLButtonDown = 1u << 0,
    csClicked = 1u << 1,
    csAlignmentNeeded = 1u << 2,
    csFocusing = 1u << 3,
    csCreating = 1u << 4,
    csCustomPaint = 1u << 5,
    csDestroyingHandle = 1u << 6,
};
using TControlState = unsigned;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;

namespace qvdetail {
class EventBridge;
}

class TControl;

// What a hint request (CM_HINTSHOW, LParam a THintInfo*) asks and answers: where the mouse is (client
// coordinates), the text, where the hint shows (screen coordinates) and the client area it belongs to
// (leaving it withdraws the hint). A handler that answers non-zero shows no hint.
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint CursorPos; // client coordinates
    TRect CursorRect; // client area the hint stays up for; moving out of it takes the hint down
    TPoint HintPos;   // screen coordinates of the hint's top-left
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    String HintStr;
    String HintWindowClass; // a registered hint window class for this hint, empty for the program's own
    TObject* HintData = nullptr;
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    String ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual int ClientWidth() const { return FWidth; }
    virtual int ClientHeight() const { return FHeight; }
    virtual void SetClientSize(int w, int h);
    void SetClientWidth(int w) { SetClientSize(w, ClientHeight()); }
    void SetClientHeight(int h) { SetClientSize(ClientWidth(), h); }
    TRect ClientRect() const { return TRect(0, 0, ClientWidth(), ClientHeight()); }
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(const TPoint& p) const;
    TPoint ScreenToClient(const TPoint& p) const;

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible here and in every parent up to a form that is on screen.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool v);

    String Caption() const { return GetText(); }
    void SetCaption(const String& v) { SetText(v); }
    String Text() const { return GetText(); }
    void SetText(const String& v);
    String Hint() const { return FHint; }
    void SetHint(const String& v);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool v) { FParentShowHint = v; }

    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* f) { FFont->Assign(f); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool v);
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v);
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign v);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors v) { FAnchors = v; }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor v);
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool v) { FAutoSize = v; }
    // The menu that pops up on the context-menu request (WM_CONTEXTMENU: right button, the Menu key or
    // Shift+F10) while its AutoPopup is on; without one the request goes to the native widget and on to
    // the parents.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* menu);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode v) { FBiDiMode = v; }
    bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
    TControlStyleFlags ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyleFlags v) { FControlStyle = v; }
    TControlState ControlState() const { return FControlState; }
    // The action a click carries out (when OnClick is not set) and the control takes its caption, enabled
    // state and hint from, kept in step while they are the action's; null for none. The control lets go
    // of an action that is freed.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);
    // Asks the action's OnUpdate (the idle update does it for every shown control).
    void InitiateAction();

    LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    // Every message passes here first; a class may swallow one by not passing it on.
    virtual void WndProc(TMessage& Message);
    // Sends a message to the handler of its number.
    virtual void Dispatch(TMessage& Message);
    // What happens to a message nobody handled: the native window's own behaviour goes on.
    virtual void DefaultHandler(TMessage& Message);
    // A filter another component puts in front of the control's window procedure: it sees every message
    // delivered to the control first and answers true for one it has handled, which the control then
    // never sees. One filter at a time; an empty one removes it.
    using TMessageFilter = std::function<bool(TMessage&)>;
    void SetMessageFilter(TMessageFilter Filter) { FMessageFilter = std::move(Filter); }
    bool HasMessageFilter() const { return bool(FMessageFilter); }
    // Delivers a message through the filter, then the window procedure; every message the platform or
    // Perform sends to the control comes this way.
    void DeliverMessage(TMessage& Message);

    virtual void Invalidate();
    void Repaint();
    void Update();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // The Qt widget that shows this control, when one has been made.
    QWidget* Widget() const { return FWidget.data(); }

    virtual void Click();
    virtual void DblClick();

    // True when WM_PAINT paints the widget; false for Qt's own widgets, which paint themselves.
    virtual bool PaintsItself() const { return true; }

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // Others that follow this control's size, each under its own key, called after OnResize. A watcher
    // removes itself before it goes; the watched control's own OnResize is never touched.
    void AddResizeWatcher(const void* Key, TNotifyEvent Handler);
    void RemoveResizeWatcher(const void* Key);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The kind of link the control keeps its action with.
    virtual std::unique_ptr<TControlActionLink> CreateActionLink();
    TControlActionLink* ActionLink() const { return FActionLink.get(); }
    // Takes the action's values (Sender: the action); with CheckDefaults only those still at the control's
    // defaults.
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);
    virtual String GetText() const { return FText; }
    virtual void TextChanged();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Resize();
    virtual void Paint() {}
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void EnabledChanged();
    virtual void VisibleChanged();
    virtual void BoundsChanged() {}

    // The native widget: made by CreateNativeWidget under `parent` when the control is first shown
    // or asked for it, kept in step with the control's state by SyncWidget.
    virtual QWidget* CreateNativeWidget(QWidget* parent);
    // Runs once the native widget is made, before the control's state goes into it: a control above
    // the toolkit brings the state its widget takes up to date here, without naming the widget.
    virtual void NativeWidgetCreated() {}
    void CreateWidgetIn(QWidget* parent);
    virtual void DestroyWidget();
    virtual void SyncGeometry();
    virtual void SyncWidget();
    // Routes the Qt events of `w` (the native widget or a part of it) through WndProc.
    void AttachEvents(QWidget* w);
    // Translates one Qt event into messages; true when the native widget must not see it.
    virtual bool HandleQtEvent(QWidget* w, QEvent* e);

    void SetControlStateFlag(TControlStateFlag f, bool on);
    void WMPaintDefault(TMessage& m);

    String FText;
    TControlStyleFlags FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState FControlState = 0;
    QPointer<QWidget> FWidget;

private:
    friend class TWinControl;
    friend class qvdetail::EventBridge;
    friend void PostMessage(TControl*, UINT, WPARAM, LPARAM);
    void ParentFontChanged();
    void ParentColorChanged();
    void SyncFont();
    void SyncColor();

    TWinControl* FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    String FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FApplyingParentFont = false;
    TColor FColor = clBtnFace;
    bool FParentColor = true;
    TAlign FAlign = alNone;
    TAnchors FAnchors = akLeft | akTop;
    TCursor FCursor = crDefault;
    bool FAutoSize = false;
    TBiDiMode FBiDiMode = bdLeftToRight;
    TPopupMenu* FPopupMenu = nullptr;
    std::unique_ptr<TControlActionLink> FActionLink;
    std::unique_ptr<qvdetail::EventBridge> FBridge;
    std::vector<std::pair<const void*, TNotifyEvent>> FResizeWatchers;
    TMessageFilter FMessageFilter;
};

// A control without a native window of its own in the platform; here it gets a light widget all the same.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;
    String ClassName() const override { return "TGraphicControl"; }
    TCanvas* Canvas();

protected:
    void Dispatch(TMessage& Message) override;

private:
    std::unique_ptr<TCanvas> FCanvas;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    String ClassName() const override { return "TWinControl"; }

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int i) const { return FControls.at(static_cast<size_t>(i)); }
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);
    bool ContainsControl(const TControl* c) const;

    // The native window; made on demand together with those of the children.
    HWND Handle();
    bool HandleAllocated() const { return !FWidget.isNull(); }
    void HandleNeeded() { Handle(); }

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool v);
    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int v);
    virtual bool CanFocus() const;
    // False while the children are out of sight although the control itself is shown (a collapsed panel).
    virtual bool ChildrenShown() const { return true; }
    virtual void SetFocus();
    bool Focused() const;
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next control in tab order after `current` (or the first), among this control's descendants.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    // Brings `control` (a descendant that has just taken the focus) into sight, for a control that scrolls
    // its children.
    virtual void AutoScrollInView(TControl* control) { (void)control; }
    // The first control Tab reaches in this control, or null.
    TWinControl* FirstTabStop() const { return FindNextControl(nullptr, true, true, false); }

    // Lays out the children whose Align is set, as the platform does: top, bottom, left, right, then client.
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    void Realign();
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    virtual TRect AdjustedClientRect() const { return ClientRect(); }

    // The widget under which the children's widgets are placed.
    virtual QWidget* ChildContainer() { return Widget(); }
    // Paints the control as it shows, children included, onto the canvas with its top-left at (X, Y); the
    // window is made if needed.
    void PaintTo(TCanvas* Canvas, int X, int Y);
    // Paints the control's own face without its children, the part Area (client coordinates) at the
    // canvas's origin: what a transparent child shows through.
    void PaintFaceTo(TCanvas* Canvas, const TRect& Area);

    bool ReadProperty(const String& name, const TDesignValue& value) override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

protected:
    friend class TControl;
    friend class TCustomForm;
    void Dispatch(TMessage& Message) override;
    virtual void KeyDown(Word& Key, TShiftState Shift);
    virtual void KeyUp(Word& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void DoEnter();
    virtual void DoExit();
    // Keys the control handles itself rather than the form (arrows, tab, enter ...), as WM_GETDLGCODE
    // answers.
    virtual LRESULT DialogCode() const { return 0; }
    virtual void CreateHandle();
    virtual void CreateWnd() {}
    void DestroyWidget() override;
    void SyncWidget() override;
    bool HandleQtEvent(QWidget* w, QEvent* e) override;
    void Resize() override;
    void FontChanged() override;
    void ColorChanged() override;
    void ApplyTabOrder();

private:
    void DoKeyDownMessage(TMessage& m);
    void DoKeyUpMessage(TMessage& m);
    void DoCharMessage(TMessage& m);

    std::vector<TControl*> FControls;
    bool FTabStop = false;
    int FTabOrder = -1;
    int FAlignLevel = 0;
    bool FAligning = false;
};

// A windowed control that paints itself on its canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    String ClassName() const override { return "TCustomControl"; }
    TCanvas* Canvas();

protected:
    void Dispatch(TMessage& Message) override;

private:
    std::unique_ptr<TCanvas> FCanvas;
};

// The form a control sits on, or null.
TCustomForm* GetParentForm(const TControl* control);
// The control whose native widget is `w` (or contains it), or null.
TControl* FindControl(const QWidget* w);
// The control under a screen point (its innermost native window), or null.
TControl* ControlAtScreenPos(const TPoint& ScreenPos);

// Posts a message to be handled after the current one, through the control's WndProc.
void PostMessage(TControl* control, UINT Msg, WPARAM WParam, LPARAM LParam);
LRESULT SendMessage(TControl* control, UINT Msg, WPARAM WParam, LPARAM LParam);

TShiftState KeyboardStateToShiftState();
// How many lines the system scrolls for one notch of the mouse wheel.
int WheelScrollLines();
// The mouse pointer in screen coordinates.
TPoint GetCursorPos();
// A cursor of the program's own, drawn from a picture with its hot spot, given a number of its own;
// controls whose Cursor is that number show it.
void RegisterCursor(TCursor Id, const TBitmap& Image, int HotX, int HotY);
bool CursorRegistered(TCursor Id);
