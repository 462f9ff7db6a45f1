// Hint windows, the program-wide hint window class, showing a control's hint, and balloons.
#include "toolkit/controls/HintWindow.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QTimer>

#include <map>

namespace {

// The one hint on screen: its window (owned by the application), the class that made it, and the
// control and area it belongs to; the balloon tips of the controls that have them.
struct HintWindowState {
    THintWindow* Window = nullptr;
    THintWindowClass MadeBy = nullptr;
    THintWindowClass ProgramClass = nullptr;
    QPointer<QWidget> Owner;
    TRect CursorRect;
    std::map<String, THintWindowClass> Named;
    std::map<TControl*, TBalloonTips*> Tips;
    // The tips whose balloon the window shows, or null.
    TBalloonTips* ShownTips = nullptr;
    // Counts the hints shown, so that the pause of one does not take down a later one.
    unsigned Generation = 0;
};

HintWindowState& HintState() {
    static HintWindowState state;
    return state;
}

// A hint nobody takes down goes by itself, as the platform's do.
constexpr int kHintHidePause = 10000;

// Balloons: the room around the icon, title and text, the icon's size and the gap under the title line.
constexpr int kBalloonMargin = 6;
constexpr int kBalloonIconSize = 16;
constexpr int kBalloonTitleGap = 4;

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
        HintState().ShownTips = nullptr;
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
    FBalloon = false;
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

THintWindow::BalloonLayout THintWindow::LayOutBalloon(int MaxWidth, const String& Title, const String& Text,
                                                      int Icon) {
    BalloonLayout l;
    TCanvas* c = Canvas();
    const int room = std::max(1, MaxWidth - 2 * kBalloonMargin);
    int y = kBalloonMargin, width = 0;
    // The icon goes with the title line, as the platform's balloons have it.
    if (!Title.isEmpty()) {
        int x = kBalloonMargin;
        if (Icon != TTI_NONE) {
            l.Icon = TRect(x, y, x + kBalloonIconSize, y + kBalloonIconSize);
            x += kBalloonIconSize + kBalloonMargin;
        }
        c->SetFont(Font());
        c->Font()->SetStyle(c->Font()->Style() | fsBold);
        TRect r(0, 0, std::max(1, kBalloonMargin + room - x), 0);
        DrawText(c, Title, r, DT_CALCRECT | DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        const int lineHeight = std::max(r.Height(), l.Icon.IsEmpty() ? 0 : kBalloonIconSize);
        l.Title =
            TRect(x, y + (lineHeight - r.Height()) / 2, x + std::min(r.Width(), kBalloonMargin + room - x),
                  y + (lineHeight + r.Height()) / 2);
        width = l.Title.Right - kBalloonMargin;
        y += lineHeight;
    }
    if (!Text.isEmpty()) {
        if (y > kBalloonMargin) y += kBalloonTitleGap;
        c->SetFont(Font());
        TRect r(0, 0, room, 0);
        DrawText(c, Text, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
        l.Text = TRect(kBalloonMargin, y, kBalloonMargin + std::min(r.Width(), room), y + r.Height());
        width = std::max(width, l.Text.Width());
        y += r.Height();
    }
    l.Size = TSize{width + 2 * kBalloonMargin, y + kBalloonMargin};
    return l;
}

TRect THintWindow::CalcBalloonRect(int MaxWidth, const String& Title, const String& Text, int Icon) {
    const BalloonLayout l = LayOutBalloon(MaxWidth, Title, Text, Icon);
    return TRect(0, 0, l.Size.cx, l.Size.cy);
}

void THintWindow::ActivateBalloon(const TRect& ARect, const String& Title, const String& Text, int Icon) {
    FBalloon = true;
    FBalloonTitle = Title;
    FBalloonIcon = Icon;
    FBalloonMaxWidth = ARect.Width();
    SetCaption(Text);
    SetBoundsRect(KeepOnMonitor(ARect));
    HandleNeeded();
    Show();
    Widget()->raise();
    Invalidate();
}

void THintWindow::Paint() {
    if (FBalloon) {
        PaintBalloon();
        return;
    }
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

void THintWindow::PaintBalloon() {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    c->Brush()->SetColor(Color());
    c->FillRect(client);
    c->Brush()->SetColor(clWindowFrame);
    c->FrameRect(client);
    const BalloonLayout l = LayOutBalloon(FBalloonMaxWidth, FBalloonTitle, Caption(), FBalloonIcon);
    if (!l.Icon.IsEmpty()) {
        static const QStyle::StandardPixmap kIcons[] = {
            QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical};
        const int index = std::clamp(FBalloonIcon, int(TTI_INFO), int(TTI_ERROR)) - TTI_INFO;
        if (QPainter* p = c->PreparePainter(false, false); p && QApplication::style())
            QApplication::style()->standardIcon(kIcons[index]).paint(p, l.Icon.toQRect());
    }
    c->Brush()->SetStyle(bsClear);
    if (!l.Title.IsEmpty()) {
        c->SetFont(Font());
        c->Font()->SetStyle(c->Font()->Style() | fsBold);
        TRect r = l.Title;
        DrawText(c, FBalloonTitle, r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (!l.Text.IsEmpty()) {
        c->SetFont(Font());
        TRect r = l.Text;
        DrawText(c, Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    }
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
    HintState().ShownTips = nullptr;
}

namespace {

// The one hint window, made anew when a hint of another class is to show in it.
THintWindow* hintWindowOf(THintWindowClass cls) {
    HintWindowState& state = HintState();
    if (state.Window && state.MadeBy != cls) delete state.Window;
    if (!state.Window) {
        state.Window = cls(Application);
        state.MadeBy = cls;
    }
    return state.Window;
}

// The hint just shown belongs to the control's area given (client coordinates), which the mouse keeps it
// up in, and goes by itself after a pause (0: none).
void noteHintShown(THintWindow* window, TControl* owner, const TRect& cursorRect, int hidePause) {
    HintWindowState& state = HintState();
    state.Owner = owner->Widget();
    state.CursorRect = cursorRect;
    state.ShownTips = nullptr;
    const unsigned generation = ++state.Generation;
    if (hidePause > 0)
        QTimer::singleShot(hidePause, window->Widget(), [generation] {
            if (HintState().Generation == generation) CancelHint();
        });
}

// Shows a hint of the class given with its top-left at a screen point.
void showTheHintWindow(THintWindowClass cls, TControl* owner, const TRect& cursorRect, const TPoint& at,
                       int maxWidth, const String& hint, TColor color, TObject* data) {
    THintWindow* window = hintWindowOf(cls);
    window->SetColor(color);
    window->Font()->SetColor(clInfoText);
    const TRect size = window->CalcHintRect(maxWidth, hint, data);
    window->ActivateHintData(TRect(at.X, at.Y, at.X + size.Width(), at.Y + size.Height()), hint, data);
    window->Widget()->setWindowOpacity(1.0);
    noteHintShown(window, owner, cursorRect, kHintHidePause);
}

struct BalloonLook {
    int MaxWidth = 0;
    TColor Background = clNone, Text = clNone;
    int Alpha = 255;
    int HidePause = kHintHidePause;
};

// Shows a balloon with its top-left at a screen point: the plain window whatever the program's hint class,
// as a balloon's title and text are plain words, not markup.
void showTheBalloon(TControl* owner, const TRect& cursorRect, const TPoint& at, const String& title,
                    const String& text, int icon, const BalloonLook& look) {
    THintWindow* window = hintWindowOf(&CreatePlainHintWindow);
    window->SetColor(look.Background == clNone ? clInfoBk : look.Background);
    window->Font()->SetColor(look.Text == clNone ? clInfoText : look.Text);
    const TRect size = window->CalcBalloonRect(look.MaxWidth, title, text, icon);
    window->ActivateBalloon(TRect(at.X, at.Y, at.X + size.Width(), at.Y + size.Height()), title, text, icon);
    window->Widget()->setWindowOpacity(look.Alpha / 255.0);
    noteHintShown(window, owner, cursorRect, look.HidePause);
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
    AControl->DeliverMessage(m);
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

void ShowHintAt(TControl* AControl, const TPoint& ScreenPos, const String& AHint, TColor Color,
                int MaxWidth) {
    if (!Application || !AControl || !AControl->Widget() || AHint.isEmpty()) return;
    showTheHintWindow(HintWindowClass(), AControl, AControl->ClientRect(), ScreenPos,
                      MaxWidth < 0 ? Screen->Width() : MaxWidth, AHint, Color, nullptr);
}

void ShowBalloonHint(TControl* AControl, const String& Title, const String& Text, int Icon) {
    if (!Application || !AControl || !AControl->Widget() || (Title.isEmpty() && Text.isEmpty())) return;
    BalloonLook look;
    look.MaxWidth = Screen->Width();
    showTheBalloon(AControl, AControl->ClientRect(), AControl->ClientToScreen(TPoint(0, AControl->Height())),
                   Title, Text, Icon, look);
}

// Balloon tips
// ---------------------------------------------------------------------------------------------------------

namespace {

// The system's delays: the initial one is the double-click time, reshowing a fifth of it, the auto-pop ten
// times it.
constexpr int kTipInitialDelay = 500;
constexpr int kTipReshowDelay = kTipInitialDelay / 5;
constexpr int kTipAutoPopDelay = kTipInitialDelay * 10;

class BalloonTimers : public QObject {
public:
    QTimer Show;
    QTimer AutoPop;
    BalloonTimers() {
        Show.setSingleShot(true);
        AutoPop.setSingleShot(true);
    }
};

BalloonTimers& timersOf(const std::unique_ptr<QObject>& p) {
    return *static_cast<BalloonTimers*>(p.get());
}

// A text the tool wrote into the request's own buffer, which need not end in a zero.
String fixedBufferText(const char16_t* buffer, size_t size) {
    size_t n = 0;
    while (n < size && buffer[n] != 0)
        ++n;
    return String::fromUtf16(buffer, qsizetype(n));
}

} // namespace

TBalloonTips::TBalloonTips(TControl* Tool) : FTool(Tool), FTimers(std::make_unique<BalloonTimers>()) {
    BalloonTimers& t = timersOf(FTimers);
    QObject::connect(&t.Show, &QTimer::timeout, &t, qvdetail::Guarded([this] { ShowTip(); }));
    QObject::connect(&t.AutoPop, &QTimer::timeout, &t, [this] {
        if (!Showing()) return;
        CancelHint();
        FAutoPopped = true;
    });
    HintState().Tips[Tool] = this;
}

TBalloonTips::~TBalloonTips() {
    if (Showing()) CancelHint();
    HintWindowState& state = HintState();
    if (state.ShownTips == this) state.ShownTips = nullptr;
    if (auto it = state.Tips.find(FTool); it != state.Tips.end() && it->second == this) state.Tips.erase(it);
}

void TBalloonTips::SetTitle(const String& Title, int Icon) {
    FTitle = Title;
    FIcon = std::clamp(Icon, int(TTI_NONE), int(TTI_ERROR));
}

void TBalloonTips::SetDelays(int Initial, int Reshow, int AutoPop) {
    FInitial = Initial < 0 ? -1 : Initial;
    FReshow = Reshow < 0 ? -1 : Reshow;
    FAutoPop = AutoPop < 0 ? -1 : AutoPop;
}

void TBalloonTips::SetTipColors(TColor Background, TColor Text) {
    FBackground = Background;
    FText = Text;
}

bool TBalloonTips::Showing() const {
    return HintState().ShownTips == this && ShownHintWindow();
}

void TBalloonTips::Pop() {
    BalloonTimers& t = timersOf(FTimers);
    t.Show.stop();
    t.AutoPop.stop();
    if (Showing()) CancelHint();
    FPopped = true;
    FAutoPopped = false;
}

void TBalloonTips::MouseRests(const TPoint& ScreenPos) {
    FRestAt = ScreenPos;
    if (Showing() || FAutoPopped) return;
    const int delay =
        FPopped ? (FReshow < 0 ? kTipReshowDelay : FReshow) : (FInitial < 0 ? kTipInitialDelay : FInitial);
    timersOf(FTimers).Show.start(delay);
}

void TBalloonTips::MouseGone() {
    BalloonTimers& t = timersOf(FTimers);
    t.Show.stop();
    t.AutoPop.stop();
    if (Showing()) CancelHint();
    FPopped = false;
    FAutoPopped = false;
}

void TBalloonTips::ShowTip() {
    if (!Application || !FTool->Widget() || !FTool->Widget()->isVisible()) return;
    NMTTDISPINFOW info;
    info.hdr.hwndFrom = this;
    info.hdr.code = TTN_GETDISPINFOW;
    FTool->Perform(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    const String text = info.lpszText ? String::fromUtf16(info.lpszText)
                                      : fixedBufferText(info.szText, std::size(info.szText));
    if (text.isEmpty()) return;
    BalloonLook look;
    look.MaxWidth = FMaxWidth > 0 ? FMaxWidth : Screen->Width();
    look.Background = FBackground;
    look.Text = FText;
    look.Alpha = FAlpha;
    look.HidePause = 0;
    showTheBalloon(FTool, FTool->ClientRect(), TPoint(FRestAt.X, FRestAt.Y + 20), FTitle, text, FIcon, look);
    HintState().ShownTips = this;
    FPopped = false;
    timersOf(FTimers).AutoPop.start(FAutoPop < 0 ? kTipAutoPopDelay : FAutoPop);
}

namespace {
// What takes a shown hint or balloon down: the mouse leaving or pressing, a key, the wheel, the control
// hidden or losing the focus.
bool endsHint(QEvent::Type type) {
    switch (type) {
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::Hide:
    case QEvent::FocusOut:
        return true;
    default:
        return false;
    }
}
} // namespace

namespace qvdetail {

bool HintSeesEvent(TControl* control, QWidget*, QEvent* e) {
    HintWindowState& state = HintState();
    QWidget* own = control->Widget();
    // Whichever part of the control saw the mouse (a grid's client area), the position is the control's.
    const auto clientPos = [&](QPoint global) {
        return control->ScreenToClient(TPoint(global.x(), global.y()));
    };
    if (auto tips = state.Tips.find(control); tips != state.Tips.end()) {
        switch (e->type()) {
        case QEvent::MouseMove: {
            auto* me = static_cast<QMouseEvent*>(e);
            // No tip comes up while a button is held (a drag).
            if (me->buttons() == Qt::NoButton) {
                const QPoint g = me->globalPosition().toPoint();
                tips->second->MouseRests(TPoint(g.x(), g.y()));
            }
            break;
        }
        default:
            if (endsHint(e->type())) tips->second->MouseGone();
            break;
        }
    }
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
    default:
        if (endsHint(e->type())) CancelHint();
        break;
    }
    return false;
}

} // namespace qvdetail
