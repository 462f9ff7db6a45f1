// Hint windows, the program-wide hint window class and showing a control's hint.
#include "toolkit/controls/HintWindow.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"

#include <QHelpEvent>
#include <QPointer>
#include <QTimer>

#include <map>

namespace {

// The one hint on screen: its window (owned by the application), the class that made it, and the
// control and area it belongs to.
struct HintWindowState {
    THintWindow* Window = nullptr;
    THintWindowClass MadeBy = nullptr;
    THintWindowClass ProgramClass = nullptr;
    QPointer<QWidget> Owner;
    TRect CursorRect;
    std::map<String, THintWindowClass> Named;
};

HintWindowState& HintState() {
    static HintWindowState state;
    return state;
}

// A hint nobody takes down goes by itself, as the platform's do.
constexpr int kHintHidePause = 10000;

} // namespace

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    SetVisible(false);
    SetColor(clInfoBk);
    Font()->SetColor(clInfoText);
}

THintWindow::~THintWindow() {
    if (HintState().Window == this) {
        HintState().Window = nullptr;
        HintState().MadeBy = nullptr;
        HintState().Owner.clear();
    }
}

QWidget* THintWindow::CreateNativeWidget(QWidget*) {
    // A top-level window of its own that the window manager neither frames nor activates.
    auto* w = new qvdetail::NativeWidget(nullptr);
    w->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    w->setFocusPolicy(Qt::NoFocus);
    return w;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const String& AHint, TObject*) {
    Canvas()->SetFont(Font());
    TRect r(0, 0, std::max(MaxWidth, 1), 0);
    DrawText(Canvas(), AHint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    return TRect(0, 0, r.Width() + 6, r.Height() + 2);
}

void THintWindow::ActivateHint(const TRect& ARect, const String& AHint) {
    SetCaption(AHint);
    SetBoundsRect(KeepOnMonitor(ARect));
    HandleNeeded();
    Show();
    Widget()->raise();
    Invalidate();
}

void THintWindow::ActivateHintData(const TRect& ARect, const String& AHint, TObject*) {
    ActivateHint(ARect, AHint);
}

void THintWindow::Paint() {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    c->Brush()->SetColor(Color());
    c->FillRect(client);
    c->Brush()->SetColor(clWindowFrame);
    c->FrameRect(client);
    TRect text(client.Left + 2, client.Top + 2, client.Right - 2, client.Bottom);
    c->Brush()->SetStyle(bsClear);
    DrawText(c, Caption(), text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

TRect THintWindow::KeepOnMonitor(const TRect& ARect) {
    const std::optional<TMonitor> monitor = Screen->MonitorFromPoint(TPoint(ARect.Left, ARect.Top));
    if (!monitor) return ARect;
    TRect r = ARect;
    const int right = monitor->BoundsRect.Right, bottom = monitor->BoundsRect.Bottom;
    const int dx = r.Right > right ? right - 2 - r.Right : 0;
    const int dy = r.Bottom > bottom ? bottom - 2 - r.Bottom : 0;
    return TRect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}

THintWindow* CreatePlainHintWindow(TComponent* AOwner) {
    return new THintWindow(AOwner);
}

THintWindowClass HintWindowClass() {
    return HintState().ProgramClass ? HintState().ProgramClass : &CreatePlainHintWindow;
}

void SetHintWindowClass(THintWindowClass AClass) {
    if (AClass == &CreatePlainHintWindow) AClass = nullptr;
    if (HintState().ProgramClass == AClass) return;
    HintState().ProgramClass = AClass;
    // The window of the old class goes; the next hint gets one of the new.
    delete HintState().Window;
}

void RegisterHintWindowClass(const String& Name, THintWindowClass AClass) {
    HintState().Named[Name] = AClass;
}

THintWindow* ShownHintWindow() {
    THintWindow* w = HintState().Window;
    return w && w->Visible() ? w : nullptr;
}

void CancelHint() {
    if (THintWindow* w = HintState().Window) w->ReleaseHint();
    HintState().Owner.clear();
}

namespace {

// Shows the one hint window, of the class given, with its top-left at a screen point; it stays up while
// the mouse stays in the control's area given (client coordinates) and goes by itself after a pause.
void showTheHintWindow(THintWindowClass cls, TControl* owner, const TRect& cursorRect, const TPoint& at,
                       int maxWidth, const String& hint, TColor color, TObject* data) {
    HintWindowState& state = HintState();
    if (state.Window && state.MadeBy != cls) delete state.Window;
    if (!state.Window) {
        state.Window = cls(Application);
        state.MadeBy = cls;
    }
    THintWindow* window = state.Window;
    window->SetColor(color);
    const TRect size = window->CalcHintRect(maxWidth, hint, data);
    window->ActivateHintData(TRect(at.X, at.Y, at.X + size.Width(), at.Y + size.Height()), hint, data);
    state.Owner = owner->Widget();
    state.CursorRect = cursorRect;
    QTimer::singleShot(kHintHidePause, window->Widget(), [window] {
        if (HintState().Window == window) CancelHint();
    });
}

} // namespace

bool ActivateControlHint(TControl* AControl, const TPoint& AClientPos) {
    HintWindowState& state = HintState();
    // The windows belong to the application, which frees them while the platform still stands.
    if (!Application || !AControl || !AControl->ShowHint()) {
        CancelHint();
        return false;
    }
    THintInfo info;
    info.HintControl = AControl;
    info.CursorPos = AClientPos;
    info.CursorRect = AControl->ClientRect();
    info.HintPos = AControl->ClientToScreen(TPoint(AClientPos.X, AClientPos.Y + 20));
    info.HintMaxWidth = Screen->Width();
    info.HintStr = AControl->Hint().section(QLatin1Char('|'), 0, 0);
    TMessage m;
    m.Msg = CM_HINTSHOW;
    m.LParam = reinterpret_cast<LPARAM>(&info);
    AControl->WndProc(m);
    if (m.Result != 0 || info.HintStr.isEmpty()) {
        CancelHint();
        return false;
    }
    THintWindowClass cls = HintWindowClass();
    if (!info.HintWindowClass.isEmpty()) {
        auto it = state.Named.find(info.HintWindowClass);
        if (it != state.Named.end()) cls = it->second;
    }
    showTheHintWindow(cls, AControl, info.CursorRect, info.HintPos, info.HintMaxWidth, info.HintStr,
                      info.HintColor, info.HintData);
    return true;
}

void ShowHintAt(TControl* AControl, const TPoint& ScreenPos, const String& AHint) {
    if (!Application || !AControl || !AControl->Widget() || AHint.isEmpty()) return;
    showTheHintWindow(HintWindowClass(), AControl, AControl->ClientRect(), ScreenPos, Screen->Width(), AHint,
                      clInfoBk, nullptr);
}

void ShowBalloonHint(TControl* AControl, const String& Title, const String& Text) {
    if (!Application || !AControl || !AControl->Widget() || (Title.isEmpty() && Text.isEmpty())) return;
    // Plain text whatever the program's hint class: the title and the reason are the control's own words,
    // not markup.
    const String hint = Title.isEmpty() ? Text : Text.isEmpty() ? Title : Title + "\n" + Text;
    showTheHintWindow(&CreatePlainHintWindow, AControl, AControl->ClientRect(),
                      AControl->ClientToScreen(TPoint(0, AControl->Height())), Screen->Width(), hint,
                      clInfoBk, nullptr);
}

namespace qvdetail {

bool HintSeesEvent(TControl* control, QWidget*, QEvent* e) {
    HintWindowState& state = HintState();
    QWidget* own = control->Widget();
    // Whichever part of the control saw the mouse (a grid's client area), the position is the control's.
    const auto clientPos = [&](QPoint global) {
        return control->ScreenToClient(TPoint(global.x(), global.y()));
    };
    if (e->type() == QEvent::ToolTip) {
        // Without ShowHint the platform goes its own way (no tooltip is set then).
        if (!own || control == state.Window || !control->ShowHint()) return false;
        ActivateControlHint(control, clientPos(static_cast<QHelpEvent*>(e)->globalPos()));
        e->accept();
        return true;
    }
    if (!state.Owner || state.Owner != own) return false;
    switch (e->type()) {
    case QEvent::MouseMove:
        if (!state.CursorRect.Contains(clientPos(static_cast<QMouseEvent*>(e)->globalPosition().toPoint())))
            CancelHint();
        break;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::Hide:
    case QEvent::FocusOut:
        CancelHint();
        break;
    default:
        break;
    }
    return false;
}

} // namespace qvdetail
